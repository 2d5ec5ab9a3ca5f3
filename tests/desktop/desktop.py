"""Drives the real norvane program on a private X server, as a user would.

Each test gets its own Xvfb display with the openbox window manager, its own
settings, runtime and temporary folders, and a scratch folder for its files.
Keys go through the XTEST extension (xdotool), so the program receives the
same events as from a keyboard: a modifier is its own press and release, and
the order of releases is the one the test asks for.

Results are checked on what the program writes (saved bytes, window titles),
never on pixels. A failing test leaves a screenshot beside the test log when
ImageMagick's `import` is available.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

PROGRAM = os.environ.get("NORVANE_PROGRAM", "")
TEST_DATA = os.environ.get("NORVANE_TEST_DATA", "")
SHOTS = os.environ.get("NORVANE_DESKTOP_SHOTS", tempfile.gettempdir())

# Generous: waits end as soon as their condition holds, and a loaded machine
# with two cores has taken over 20 s to start openbox or map a window.
TIMEOUT = 60.0


class DesktopError(AssertionError):
    pass


def wait_until(condition, timeout=TIMEOUT, interval=0.05, what="a condition"):
    """Polls until condition() is true; fails the test after the timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise DesktopError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    """One X server with a window manager, and the program started on it."""

    def __init__(self, name, same_user_as=None):
        """same_user_as: another desktop whose runtime and temporary folders this one shares,
        as a second desktop of the same user on the same machine would."""
        self.name = name
        self.root = tempfile.mkdtemp(prefix="norvane-desktop-")
        self.files = os.path.join(self.root, "files")
        os.makedirs(self.files)
        self.runtime = os.path.join(self.root, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.tmp = os.path.join(self.root, "tmp")
        os.makedirs(self.tmp)
        if same_user_as is not None:
            self.runtime = same_user_as.runtime
            self.tmp = same_user_as.tmp
        self.appdata = os.path.join(self.root, "appdata")
        settings_folder = os.path.join(self.appdata, "zelkar", "Norvane")
        os.makedirs(settings_folder)
        shutil.copy(os.path.join(TEST_DATA, "settings", "first-start.ini"),
                    os.path.join(settings_folder, "Norvane.ini"))
        self.settings_file = os.path.join(settings_folder, "Norvane.ini")
        self.processes = []
        self.logs = []
        self.program = None
        self.display = self._start_server()
        self.env = dict(os.environ)
        for variable in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER"):
            self.env.pop(variable, None)
        self.env.update({
            "DISPLAY": self.display,
            "APPDATA": self.appdata,
            "HOME": self.root,
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_RUNTIME_DIR": self.runtime,
            "TMPDIR": self.tmp,
            "LC_ALL": "C.UTF-8",
        })
        self._start_window_manager()

    # --- the X server and the window manager ---------------------------------

    def _start_server(self):
        read_end, write_end = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(server)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise DesktopError("Xvfb ended before it named its display")
                number += chunk
        return ":" + number.decode().strip()

    def _start_window_manager(self):
        manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(manager)
        wait_until(lambda: "window id" in self._run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False),
                   what="openbox to manage the screen")

    def _run(self, command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=TIMEOUT)
        if check and result.returncode != 0:
            raise DesktopError(f"{' '.join(command)} failed: {result.stderr.strip()}")
        return result.stdout

    # --- the program ------------------------------------------------------------

    def start(self, *arguments):
        """Starts norvane with the arguments and waits until its main window has the focus."""
        log = open(os.path.join(self.root, "norvane.log"), "wb")
        self.logs.append(log)
        self.program = subprocess.Popen([PROGRAM, *arguments], env=self.env, stdout=log, stderr=log)
        self.processes.append(self.program)
        self.main_window = self.wait_for_program_window()
        self._run(["xdotool", "windowactivate", "--sync", self.main_window], check=False)
        wait_until(lambda: self.active_window() == self.main_window, what="the main window to take the focus")
        return self.main_window

    def start_again(self, *arguments):
        """Starts norvane once more on this desktop and waits for it to end; returns its exit code."""
        result = subprocess.run([PROGRAM, *arguments], env=self.env, capture_output=True, timeout=TIMEOUT)
        return result.returncode

    def wait_for_window(self, title_pattern, timeout=TIMEOUT):
        """The id of a visible window whose title matches the regular expression."""
        def find():
            if self.program is not None and self.program.poll() is not None:
                raise DesktopError(f"norvane ended with exit code {self.program.returncode}")
            ids = self._run(["xdotool", "search", "--onlyvisible", "--name", title_pattern], check=False).split()
            return ids[0] if ids else None
        return wait_until(find, timeout, what=f"a window titled like {title_pattern!r}")

    def wait_for_program_window(self, timeout=TIMEOUT):
        """The id of the program's first visible window. Found by its process: without a
        document the main window's own title is empty (the window manager shows the name
        the program gives itself), and xdotool matches names on that title."""
        def find():
            if self.program.poll() is not None:
                raise DesktopError(f"norvane ended with exit code {self.program.returncode}")
            ids = self._run(["xdotool", "search", "--onlyvisible", "--pid", str(self.program.pid)],
                            check=False).split()
            return ids[0] if ids else None
        return wait_until(find, timeout, what="the program's window")

    def active_window(self):
        return self._run(["xdotool", "getactivewindow"], check=False).strip()

    def active_title(self):
        return self._run(["xdotool", "getactivewindow", "getwindowname"], check=False).strip()

    def wait_for_title(self, text, timeout=TIMEOUT):
        return wait_until(lambda: text in self.active_title(), timeout,
                          what=f"the active window's title to hold {text!r}")

    def wait_for_exact_title(self, text, timeout=TIMEOUT):
        return wait_until(lambda: self.active_title() == text, timeout,
                          what=f"the active window's title to be {text!r}")

    def wait_for_dialog(self, timeout=TIMEOUT):
        """The id of the window that took the focus from the main window (a message box)."""
        return wait_until(lambda: (lambda active: active if active and active != self.main_window else None)(
            self.active_window()), timeout, what="a dialog to take the focus")

    def wait_for_main_window(self, timeout=TIMEOUT):
        wait_until(lambda: self.active_window() == self.main_window, timeout,
                   what="the main window to take the focus back")

    def wait_until_title_lacks(self, text, timeout=TIMEOUT):
        return wait_until(lambda: text not in self.active_title(), timeout,
                          what=f"the active window's title to lose {text!r}")

    # --- keys ------------------------------------------------------------------------

    def key(self, *keys):
        """Key chords as xdotool names them ("ctrl+s", "shift+Return"): the modifiers go down,
        the key goes down and up, then the modifiers come up."""
        self._run(["xdotool", "key", "--delay", "40", *keys])

    def keys_down_up(self, *events):
        """An exact sequence of presses and releases: ("down", "shift"), ("up", "Return") ..."""
        for direction, key in events:
            self._run(["xdotool", "key" + direction, key])

    def chord(self, modifier, key, modifier_up_first):
        """A key with a modifier held, the modifier let go before the key (as people often do,
        and as X11 then reports it) or after it."""
        if modifier_up_first:
            self.keys_down_up(("down", modifier), ("down", key), ("up", modifier), ("up", key))
        else:
            self.keys_down_up(("down", modifier), ("down", key), ("up", key), ("up", modifier))

    def type(self, text):
        self._run(["xdotool", "type", "--delay", "30", text])

    # --- the mouse -------------------------------------------------------------------

    def window_size(self, window):
        """The window's width and height in pixels."""
        shape = dict(line.split("=", 1) for line in
                     self._run(["xdotool", "getwindowgeometry", "--shell", window]).split())
        return int(shape["WIDTH"]), int(shape["HEIGHT"])

    def mouse_click(self, window, x, y, modifier=None):
        """A left click at the point of the window, with the modifier held as a key of its own."""
        self._run(["xdotool", "mousemove", "--window", window, "--sync", str(x), str(y)])
        if modifier:
            self._run(["xdotool", "keydown", modifier])
        self._run(["xdotool", "click", "1"])
        if modifier:
            self._run(["xdotool", "keyup", modifier])

    # --- files ---------------------------------------------------------------------

    def write_file(self, name, data):
        path = os.path.join(self.files, name)
        with open(path, "wb") as file:
            file.write(data)
        return path

    @staticmethod
    def read_file(path):
        with open(path, "rb") as file:
            return file.read()

    def wait_for_bytes(self, path, expected, timeout=TIMEOUT):
        """Waits until the file holds exactly the expected bytes; fails with both when it never does."""
        def matches():
            try:
                return self.read_file(path) == expected
            except OSError:
                return False
        try:
            wait_until(matches, timeout, what=f"{os.path.basename(path)} to hold the expected bytes")
        except DesktopError:
            try:
                actual = self.read_file(path)
            except OSError as error:
                actual = f"<unreadable: {error}>"
            raise DesktopError(f"{path}:\nexpected {expected!r}\nactual   {actual!r}")

    # --- the end ---------------------------------------------------------------------

    def screenshot(self, path):
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, timeout=TIMEOUT,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        for log in self.logs:
            log.close()
        shutil.rmtree(self.root, ignore_errors=True)


class DesktopTestCase(unittest.TestCase):
    """A test with its own desktop; the program is started by the test itself."""

    def setUp(self):
        if not PROGRAM or not os.path.exists(PROGRAM):
            self.fail("NORVANE_PROGRAM does not name the built program")
        self.desktop = Desktop(self.id())

    def tearDown(self):
        # Since Python 3.11 a failure is on the result as soon as the test part ends.
        result = self._outcome.result
        if any(test is self for test, _ in result.failures + result.errors):
            self.desktop.screenshot(os.path.join(SHOTS, self.id() + ".png"))
        self.desktop.close()
