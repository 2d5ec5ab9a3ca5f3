"""The COBOL keys as a real keyboard sends them: each modifier its own press and
release, let go before or after the key, and keys rolled over in fast typing.

Each test edits one line per release order, types a letter right after the key
so that the caret's place shows in the file, saves, and compares the bytes."""

import unittest

from desktop import DesktopTestCase

ORDERS = (True, False)   # the modifier let go first, then last


class KeysTest(DesktopTestCase):
    def edit_lines(self, lines, before_each, modifier, key, typed):
        """Opens the lines, and on each line in turn (one per release order) runs before_each
        (keys that place the caret), the chord and the typed text; saves and returns the path."""
        path = self.desktop.write_file("KEYS.cbl", b"".join(line + b"\r\n" for line in lines))
        self.desktop.start(path)
        self.desktop.key("ctrl+Home")
        for number, modifier_up_first in enumerate(ORDERS):
            if number > 0:
                self.desktop.key("Down")
            self.desktop.key(*before_each)
            self.desktop.chord(modifier, key, modifier_up_first)
            self.desktop.type(typed)
        self.desktop.key("ctrl+s")
        return path

    def test_shift_enter_indents_the_new_line_one_indent_further(self):
        path = self.edit_lines([b"        MOVE A TO B.", b"        MOVE C TO D."], ["End"], "shift", "Return", "y")
        self.desktop.wait_for_bytes(path, b"        MOVE A TO B.\r\n            y\r\n"
                                          b"        MOVE C TO D.\r\n            y\r\n")

    def test_ctrl_enter_indents_the_new_line_one_indent_less(self):
        path = self.edit_lines([b"        MOVE A TO B.", b"        MOVE C TO D."], ["End"], "ctrl", "Return", "y")
        self.desktop.wait_for_bytes(path, b"        MOVE A TO B.\r\n    y\r\n"
                                          b"        MOVE C TO D.\r\n    y\r\n")

    def test_shift_tab_moves_the_caret_back_without_changing_the_text(self):
        path = self.edit_lines([b"ABCDEFGHIJ", b"ABCDEFGHIJ"], ["Home"] + ["Right"] * 6, "shift", "Tab", "y")
        self.desktop.wait_for_bytes(path, b"AByCDEFGHIJ\r\nAByCDEFGHIJ\r\n")

    def test_ctrl_tab_does_nothing(self):
        path = self.edit_lines([b"ABCDEFGHIJ", b"ABCDEFGHIJ"], ["Home"] + ["Right"] * 6, "ctrl", "Tab", "y")
        self.desktop.wait_for_bytes(path, b"ABCDEFyGHIJ\r\nABCDEFyGHIJ\r\n")

    def test_shift_backspace_goes_back_one_indent(self):
        path = self.edit_lines([b"ABCDEFGHIJ", b"ABCDEFGHIJ"], ["Home"] + ["Right"] * 6, "shift", "BackSpace", "y")
        self.desktop.wait_for_bytes(path, b"AByGHIJ\r\nAByGHIJ\r\n")

    def test_shift_delete_without_a_selection_deletes_one_indent(self):
        path = self.edit_lines([b"ABCDEFGHIJ", b"ABCDEFGHIJ"], ["Home", "Right", "Right"], "shift", "Delete", "y")
        self.desktop.wait_for_bytes(path, b"AByGHIJ\r\nAByGHIJ\r\n")

    def test_enter_while_the_full_stop_is_still_down(self):
        # Fast typing: Return goes down before the full stop comes up.
        path = self.desktop.write_file("ROLL.cbl", b"        MOVE A TO B   \r\n")
        self.desktop.start(path)
        self.desktop.key("ctrl+Home", "End", "BackSpace", "BackSpace", "BackSpace")
        self.desktop.keys_down_up(("down", "period"), ("down", "Return"), ("up", "period"), ("up", "Return"))
        self.desktop.type("y")
        self.desktop.keys_down_up(("down", "space"), ("down", "Return"), ("up", "space"), ("up", "Return"))
        self.desktop.type("z")
        self.desktop.key("ctrl+s")
        self.desktop.wait_for_bytes(path, b"        MOVE A TO B.\r\n        y\r\n        z\r\n")


if __name__ == "__main__":
    unittest.main()
