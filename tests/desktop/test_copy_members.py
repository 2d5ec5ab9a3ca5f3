"""COPY members opened from a program, on a real desktop: Ctrl+click and F4."""

import unittest

from desktop import DesktopTestCase

MEMBER = "ACCOUNT-RECORD-LAYOUT-OF-THE-CARD-FILE-KEPT-LONG.cpy"
MEMBER_TEXT = (b"       01  ACCOUNT-RECORD.\r\n"
               b"           05  ACCT-ID        PIC 9(11).\r\n")

# The member's name is long and stands on many lines, so that a click in the
# middle of the text area falls on it whatever the font.
PROGRAM_TEXT = (b"       IDENTIFICATION DIVISION.\r\n"
                b"       DATA DIVISION.\r\n"
                b"       WORKING-STORAGE SECTION.\r\n"
                + b"".join(b"       COPY '" + MEMBER.encode() + b"'.\r\n" for _ in range(45))
                + b"       PROCEDURE DIVISION.\r\n"
                b"           STOP RUN.\r\n")


class CopyMemberTest(DesktopTestCase):
    def open_program(self):
        self.desktop.write_file(MEMBER, MEMBER_TEXT)
        path = self.desktop.write_file("COPIES.cbl", PROGRAM_TEXT)
        window = self.desktop.start(path)
        self.desktop.wait_for_title("COPIES.cbl")
        return window

    def test_ctrl_click_on_a_member_name_opens_the_member(self):
        window = self.open_program()
        width, height = self.desktop.window_size(window)
        # The tree takes the left third; the names run over the middle of the rest.
        self.desktop.mouse_click(window, int(width * 0.58), int(height * 0.4), modifier="ctrl")
        self.desktop.wait_for_title(MEMBER)

    def test_f4_on_a_member_name_opens_the_member(self):
        self.open_program()
        self.desktop.key("ctrl+Home", *["Down"] * 3, *["Right"] * 20)
        self.desktop.key("F4")
        self.desktop.wait_for_title(MEMBER)


if __name__ == "__main__":
    unittest.main()
