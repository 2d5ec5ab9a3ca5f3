"""Files as a user keeps them: links, a file deleted while it is open, the title."""

import os
import unittest

from desktop import DesktopTestCase

PROGRAM_TEXT = (b"       IDENTIFICATION DIVISION.\n"
                b"       PROGRAM-ID. LINKED.\n")


class FilesTest(DesktopTestCase):
    def remember_recent(self, *paths):
        """Puts the paths on the Recent list of the settings file the program will read."""
        lines = self.desktop.read_file(self.desktop.settings_file).split(b"\r\n")
        start = lines.index(b"[RecentList]") + 1
        for offset, path in enumerate(paths):
            lines[start + offset] = path.encode()
        with open(self.desktop.settings_file, "wb") as file:
            file.write(b"\r\n".join(lines))

    def test_saving_through_a_symbolic_link_writes_the_file_it_names(self):
        real_folder = os.path.join(self.desktop.files, "real")
        os.makedirs(real_folder)
        real = os.path.join(real_folder, "LINKED.cbl")
        with open(real, "wb") as file:
            file.write(PROGRAM_TEXT)
        link = os.path.join(self.desktop.files, "LINKED.cbl")
        os.symlink(os.path.join("real", "LINKED.cbl"), link)

        self.desktop.start(link)
        self.desktop.wait_for_title("LINKED.cbl")
        self.desktop.key("ctrl+End")
        self.desktop.type("      * saved")
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(real, PROGRAM_TEXT + b"      * saved\n")
        self.assertTrue(os.path.islink(link), "the link is still a link")
        self.assertEqual(os.readlink(link), os.path.join("real", "LINKED.cbl"))
        self.assertEqual(sorted(os.listdir(real_folder)), ["LINKED.cbl"], "no staging file left")

    def test_reloading_a_file_deleted_while_open_keeps_the_text(self):
        path = self.desktop.write_file("KEPT.cbl", PROGRAM_TEXT)
        self.remember_recent(path)
        self.desktop.start()
        # Recent, first entry.
        self.desktop.key("alt+r")
        self.desktop.key("Return")
        self.desktop.wait_for_title("KEPT.cbl")
        self.desktop.key("ctrl+End")
        self.desktop.type("      * kept")
        self.desktop.wait_for_exact_title(path + "* — Norvane")
        os.remove(path)

        # Opened again: OK to the reload question, OK to "no longer exists".
        self.desktop.key("alt+r")
        self.desktop.key("Return")
        self.desktop.wait_for_dialog()
        self.desktop.key("Return")
        self.desktop.wait_for_dialog()
        self.desktop.key("Return")
        self.desktop.wait_for_main_window()
        self.desktop.wait_for_exact_title(path + "* — Norvane")

        # The text is all there: saving writes the file again.
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(path, PROGRAM_TEXT + b"      * kept\n")
        self.desktop.wait_for_exact_title(path + " — Norvane")

    def test_blank_lines_at_the_end_are_saved(self):
        path = self.desktop.write_file("BLANKS.cbl", PROGRAM_TEXT + b"\n\n")
        self.desktop.start(path)
        self.desktop.wait_for_title("BLANKS.cbl")
        self.desktop.key("ctrl+Home")
        self.desktop.type("X")
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(path, b"X" + PROGRAM_TEXT + b"\n\n")

    def test_the_title_names_the_program_once(self):
        path = self.desktop.write_file("TITLE.cbl", PROGRAM_TEXT)
        self.desktop.start(path)
        self.desktop.wait_for_exact_title(path + " — Norvane")
        self.desktop.type("X")
        self.desktop.wait_for_exact_title(path + "* — Norvane")
        self.desktop.key("ctrl+z")
        self.desktop.wait_for_exact_title(path + " — Norvane")
        self.desktop.key("ctrl+q")
        self.desktop.wait_for_exact_title("Norvane")


if __name__ == "__main__":
    unittest.main()
