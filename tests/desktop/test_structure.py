"""The structure tree kept on its text through edits, Undo and Redo, on a real desktop.

Track (F4) selects a paragraph's name on the line its tree node holds; typing
over the selection renames the paragraph, so the saved bytes show where Track
went.
"""

import unittest

from desktop import DesktopTestCase

PROGRAM = (b"       IDENTIFICATION DIVISION.\r\n"   # 1
           b"       PROGRAM-ID. TRACKED.\r\n"       # 2
           b"       PROCEDURE DIVISION.\r\n"        # 3
           b"       1000-MAIN.\r\n"                 # 4
           b"           PERFORM 2000-READ.\r\n"     # 5
           b"           PERFORM 3000-WRITE.\r\n"    # 6
           b"           STOP RUN.\r\n"              # 7
           b"       2000-READ.\r\n"                 # 8
           b"           DISPLAY 'R'.\r\n"           # 9
           b"           DISPLAY 'S'.\r\n"           # 10
           b"       3000-WRITE.\r\n"                # 11
           b"           DISPLAY 'W'.\r\n")          # 12


class StructureTest(DesktopTestCase):
    def go_to(self, line, title):
        self.desktop.key("ctrl+g")
        self.desktop.wait_for_window("Goto line")
        self.desktop.type(str(line))
        self.desktop.key("Return")
        self.desktop.wait_for_title(title)

    def track_from_perform_on(self, line, title):
        """Track from the name of the PERFORM on the line (the caret before its last letter)."""
        self.go_to(line, title)
        self.desktop.key("End", "Left", "Left")
        self.desktop.key("F4")

    def test_end_enter_on_a_header_then_track(self):
        path = self.desktop.write_file("ENTER.cbl", PROGRAM)
        self.desktop.start(path)
        self.go_to(8, "ENTER.cbl")
        self.desktop.key("End", "Return")
        self.track_from_perform_on(5, "ENTER.cbl")
        self.desktop.type("2000-LOAD")
        self.desktop.key("ctrl+s")
        lines = PROGRAM.split(b"\r\n")
        lines[7] = b"       2000-LOAD.\r\n       "
        self.desktop.wait_for_bytes(path, b"\r\n".join(lines))

    def test_deleted_lines_undone_and_redone_then_track(self):
        path = self.desktop.write_file("UNDO.cbl", PROGRAM)
        self.desktop.start(path)
        self.go_to(9, "UNDO.cbl")
        self.desktop.key("shift+Down", "shift+Down", "Delete")
        self.desktop.key("ctrl+z")
        self.desktop.key("ctrl+shift+z")
        self.track_from_perform_on(5, "UNDO.cbl")
        self.desktop.type("2000-LOAD")
        self.desktop.key("ctrl+s")
        lines = PROGRAM.split(b"\r\n")
        lines[7] = b"       2000-LOAD."
        del lines[8:10]
        self.desktop.wait_for_bytes(path, b"\r\n".join(lines))


if __name__ == "__main__":
    unittest.main()
