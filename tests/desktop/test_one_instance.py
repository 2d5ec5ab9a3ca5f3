"""One instance per desktop: a second start on the same desktop hands its file
to the running program and ends; a second desktop of the same user, sharing
the runtime and temporary folders, gets a program of its own."""

import unittest

from desktop import Desktop, DesktopTestCase

PROGRAM_TEXT = b"       PROCEDURE DIVISION.\r\n"


class OneInstanceTest(DesktopTestCase):
    def test_a_second_start_on_the_same_desktop_hands_over_its_file(self):
        first = self.desktop.write_file("FIRST.cbl", PROGRAM_TEXT)
        second = self.desktop.write_file("SECOND.cbl", PROGRAM_TEXT)
        self.desktop.start(first)
        self.desktop.wait_for_title("FIRST.cbl")
        self.assertEqual(self.desktop.start_again(second), 0)
        self.desktop.wait_for_window("SECOND.cbl")
        self.assertIsNone(self.desktop.program.poll())

    def test_another_desktop_gets_its_own_program(self):
        first = self.desktop.write_file("FIRST.cbl", PROGRAM_TEXT)
        self.desktop.start(first)
        other = Desktop(self.id() + ".other", same_user_as=self.desktop)
        try:
            second = other.write_file("SECOND.cbl", PROGRAM_TEXT)
            other.start(second)
            other.wait_for_title("SECOND.cbl")
            # Each desktop shows its own file only.
            self.desktop.wait_for_title("FIRST.cbl")
            self.assertNotIn("SECOND.cbl", self.desktop.active_title())
            self.assertIsNone(other.program.poll())
        finally:
            other.close()


if __name__ == "__main__":
    unittest.main()
