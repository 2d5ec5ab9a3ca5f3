"""Typing into a program and saving it, on a real desktop."""

import unittest

from desktop import DesktopTestCase

PROGRAM_TEXT = (b"       IDENTIFICATION DIVISION.\r\n"
                b"       PROGRAM-ID. SAVED.\r\n"
                b"       PROCEDURE DIVISION.\r\n"
                b"           STOP RUN.\r\n")


class SaveTest(DesktopTestCase):
    def test_typed_text_is_saved_with_the_files_line_ends(self):
        # Every line is written with the line end the file was read with, the new last one too.
        path = self.desktop.write_file("SAVED.cbl", PROGRAM_TEXT)
        self.desktop.start(path)
        self.desktop.key("ctrl+End")
        self.desktop.type("      * end")
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(path, PROGRAM_TEXT + b"      * end\r\n")

    def test_go_to_line_then_typing_edits_that_line(self):
        path = self.desktop.write_file("GOTO.cbl", PROGRAM_TEXT)
        self.desktop.start(path)
        self.desktop.key("ctrl+g")
        self.desktop.wait_for_window("Goto line")
        self.desktop.type("3")
        self.desktop.key("Return")
        self.desktop.wait_for_title("GOTO.cbl")
        self.desktop.type("X")
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(path, PROGRAM_TEXT.replace(b"       PROCEDURE", b"X       PROCEDURE"))


if __name__ == "__main__":
    unittest.main()
