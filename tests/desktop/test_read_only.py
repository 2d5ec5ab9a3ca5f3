"""Keys that change nothing: in a Read Only document, and in the split view.

A key whose effect is nothing has no bytes of its own to check; each test ends
by typing a marker at the end of the text and saving, so the file shows that
the keys before changed nothing and that the editor still takes keys."""

import unittest

from desktop import DesktopTestCase

PROGRAM_TEXT = (b"       PROCEDURE DIVISION.\r\n"
                b"       MAIN-PARA.\r\n"
                b"           MOVE A TO B.   \r\n"
                b"           STOP RUN.\r\n")
MARKER = b"      * end"


class ReadOnlyTest(DesktopTestCase):
    def type_marker_and_save(self):
        self.desktop.key("ctrl+End")
        self.desktop.type(MARKER.decode())
        self.desktop.key("ctrl+s")

    def test_keys_change_nothing_in_read_only_mode(self):
        path = self.desktop.write_file("RO.cbl", PROGRAM_TEXT)
        self.desktop.start(path)
        self.desktop.key("alt+f", "r")   # File > Read Only mode
        self.desktop.wait_for_title("(read only)")
        self.desktop.key("ctrl+Home", "Down", "Down", "End")
        for modifier_up_first in (True, False):
            self.desktop.key("Tab", "Return")
            self.desktop.chord("shift", "BackSpace", modifier_up_first)
            self.desktop.chord("shift", "Return", modifier_up_first)
            self.desktop.chord("shift", "Delete", modifier_up_first)
            self.desktop.chord("ctrl", "z", modifier_up_first)
            self.desktop.type("q")
        self.desktop.key("alt+f", "u")   # File > Update mode
        self.desktop.wait_until_title_lacks("(read only)")
        self.type_marker_and_save()
        self.desktop.wait_for_bytes(path, PROGRAM_TEXT + MARKER + b"\r\n")

    def test_tab_in_the_split_view_does_nothing(self):
        path = self.desktop.write_file("SPLIT.cbl", PROGRAM_TEXT)
        self.desktop.start(path)
        self.desktop.key("ctrl+j")   # the split view opens with the focus
        for modifier_up_first in (True, False):
            self.desktop.key("Tab")
            self.desktop.chord("shift", "Tab", modifier_up_first)
            self.desktop.chord("shift", "Return", modifier_up_first)
        self.desktop.key("ctrl+j")   # closed again: the focus is back in the editor
        self.type_marker_and_save()
        self.desktop.wait_for_bytes(path, PROGRAM_TEXT + MARKER + b"\r\n")


if __name__ == "__main__":
    unittest.main()
