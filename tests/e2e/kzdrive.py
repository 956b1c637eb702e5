"""Drives the real program through the desktop's accessibility interface (AT-SPI).

A scenario sees the program as a screen-reader user does: windows and controls
found by role and name, buttons pressed, fields typed into, texts read. It is a
function of one `Desktop`; its file ends with `kzdrive.run(scenario)` and ctest
starts it as `python3 scenario.py PROGRAM CLI`:

    def scenario(desk):
        path = desk.new_file("home.kv7")           # made by kervazyl-cli
        app = desk.start("--open", path)           # skips the splash, opens the file
        main = app.window("Brisklane Kerva Zyl - home.kv7")
        main.find("list", "Состояния:").select("Личные деньги")
        main.find("push button", "Отчет").press()
        box = app.modal()                          # the message box it opened
        box.over(main)                             # standing over the window that asked
        assert box.message == "..."
        box.press("ОК")                            # returns once the box is gone
        desk.keys("shift+Tab", "Return")           # the keyboard, where the focus is
        desk.dump(path)["sostkol"]                 # the saved file, as JSON

Every wait has a timeout and fails with a listing of what is on the screen.
A scenario may call `desk.shot("name")` where a window is worth looking at: with
KZ_E2E_SHOTS=DIR in the environment the screen is saved as DIR/name.png (for
people, never asserted on), otherwise nothing happens. KZ_E2E_SCREEN=800x600
runs the virtual display at that size instead of 1024x768.
Roles are AT-SPI role names as `Node.role` shows them: "push button", "text",
"label", "list", "list item", "menu item", "radio button", "check box",
"combo box", "table", "table cell", "panel" (a named group of controls),
"dialog", "alert". A table is read and chosen from whole:

    table = client.find("table", "Клиент должен Вам")
    table.choose_row(0)                        # the first data row
    assert table.table[0][1] == "1000"         # its cells, as shown
"""

import ctypes
import importlib.util
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 15.0  # seconds for anything to appear on the screen
SPLASH = 20.0  # a start without arguments shows the splash for 5.5 s first
SCENARIO_LIMIT = 100  # seconds; ctest's own limit is a little longer
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
BOX_ROLES = ("dialog", "alert", "file chooser")

# Controls that cannot be told apart by accessible name: no name at all, or the
# same name as another control of the window. Each is found by role, name and
# its place (0 = first) among such matches in its window, in the order of the
# accessibility tree. Every control of the windows built so far has a name of
# its own (a window test keeps it so); a control here is a fault to fix.
BY_PLACE = {}

pyatspi = None  # imported once the desktop's buses exist
Atspi = None


class ScenarioTooLong(BaseException):
    """Raised by the scenario's alarm; not an Exception, so no wait swallows it."""


def wait_for(probe, timeout, what, listing=lambda: ""):
    """Polls probe() until it returns something true; fails naming `what`."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # a node vanished while it was read
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise AssertionError(f"{what}: not there after {timeout:g} s\n{listing()}")
        time.sleep(0.1)


class Node:
    """One accessible object: a window, a control, a list row."""

    def __init__(self, acc):
        self.acc = acc

    role = property(lambda self: self.acc.getRoleName())
    name = property(lambda self: self.acc.name or "")

    def state(self, which):
        return self.acc.getState().contains(which)

    @property
    def showing(self):
        try:
            return self.state(pyatspi.STATE_SHOWING) and not self.state(pyatspi.STATE_DEFUNCT)
        except Exception:
            return False

    description = property(lambda self: self.acc.description or "")
    checked = property(lambda self: self.state(pyatspi.STATE_CHECKED))
    enabled = property(lambda self: self.state(pyatspi.STATE_ENABLED))
    focused = property(lambda self: self.state(pyatspi.STATE_FOCUSED))

    @property
    def extents(self):
        """x, y, width, height on the screen."""
        return tuple(self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))

    def __repr__(self):
        return f"{self.role} {self.name!r}"

    def descendants(self):
        # A table's cells (hundreds of them) are read through `table`, not
        # walked at every search.
        for child in self.acc:
            if child is not None:
                node = Node(child)
                yield node
                if node.role != "table":
                    yield from node.descendants()

    def listing(self, limit=120):
        """What a user would find here, one control a line, for failure messages."""
        lines = [f"in {self!r}:"]
        for n in self.descendants():
            if n.showing and (n.name or n.role not in ("filler", "panel", "scroll bar")):
                lines.append(f"  {n!r}" + (f" = {n.text!r}" if n.role == "text" else ""))
        return "\n".join(lines[:limit])

    def _matches(self, role, name):
        return [n for n in self.descendants() if n.role == role and (name is None or n.name == name)]

    def find(self, role, name=None, timeout=TIMEOUT):
        """The control of that role and name (any name when None), waiting for it.
        A shown control wins over a hidden one; menu items count even while their
        menu is closed."""
        def probe():
            found = self._matches(role, name)
            return next((n for n in found if n.showing), found[0] if found else None)
        return wait_for(probe, timeout, f"{role} {name!r}", self.listing)

    def control(self, key, timeout=TIMEOUT):
        """A control of BY_PLACE, named by the program's object name."""
        role, name, place = BY_PLACE[key]
        probe = lambda: self._matches(role, name)[place]
        return wait_for(probe, timeout, f"{key} ({role} {name!r} #{place})", self.listing)

    def _check_reachable(self):
        # The accessibility interface reaches a control behind a modal box,
        # which the user cannot: an unanswered box is a failure of its own.
        window = self.acc
        while window.parent.getRoleName() != "application":
            window = window.parent
        boxes = [w for w in (Box(a) for a in window.parent if a is not None)
                 if w.role in BOX_ROLES and w.showing]
        assert not boxes or boxes[-1].acc == window, \
            f"{self!r} is behind the box {boxes[-1]!r}: {boxes[-1].message!r}"
        assert self.enabled, f"{self!r} is disabled"

    def press(self):
        """Presses a button or menu item (toggles a choice), as Enter or a click would.
        Returns at once: the program may answer with a modal box (see App.modal)."""
        self._check_reachable()
        action = self.acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        index = next((names.index(a) for a in ("Press", "Toggle") if a in names), None)
        assert index is not None, f"{self!r} cannot be pressed (actions {names})"
        # A menu item replies only after the modal box it opens has closed, so
        # the reply is not awaited: the action itself is delivered at once.
        Atspi.set_timeout(300, 300)
        try:
            action.doAction(index)
        except Exception as e:
            if "reply" not in str(e):
                raise
        finally:
            Atspi.set_timeout(5000, 5000)

    def type(self, text):
        """Replaces the text of a field, as the user's typing would (the program's
        change handlers run)."""
        self.acc.queryEditableText().setTextContents(text)
        assert self.text == text, f"{self!r} shows {self.text!r} after typing {text!r}"

    @property
    def text(self):
        """What the control shows: a field's or text box's text, a list's rows
        joined by line feeds, otherwise the name (labels, buttons)."""
        if self.role == "list":
            return "\n".join(self.rows)
        try:
            return self.acc.queryText().getText(0, -1)
        except NotImplementedError:
            return self.name

    @property
    def rows(self):
        return [n.name for n in self.descendants() if n.role == "list item"]

    def cell(self, row, column):
        """A cell of a table, counted from 0 (the heading row is not counted)."""
        return Node(wait_for(lambda: self.acc.queryTable().getAccessibleAt(row, column), TIMEOUT,
                             f"cell {row},{column} of {self!r}", self.listing))

    def click(self):
        """A left click in the middle of the control."""
        self._check_reachable()
        x, y, w, h = self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        assert w > 0 and h > 0, f"{self!r} is not on the screen"
        pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, pyatspi.MOUSE_B1C)

    @property
    def table(self):
        """A table's data rows, each a list of its cells' texts, up to the first
        row whose cells are all empty."""
        t = self.acc.queryTable()
        rows = []
        for r in range(t.nRows):
            cells = [self.cell(r, c).name for c in range(t.nColumns)]
            if not any(cells):
                break
            rows.append(cells)
        return rows

    def choose_row(self, row):
        """Makes data row `row` (0 = first) of a table the chosen one, as a click
        on its second cell does (the first holds the row's number)."""
        cell = self.cell(row, 1)
        cell.click()
        wait_for(lambda: cell.state(pyatspi.STATE_SELECTED), TIMEOUT, f"table row {row} chosen",
                 self.listing)

    def choose(self, row):
        """Makes a row of this list the chosen one with a click on it, as a
        mouse user does."""
        item = self.find("list item", row)
        item.click()
        wait_for(lambda: item.state(pyatspi.STATE_SELECTED), TIMEOUT, f"row {row!r} chosen",
                 self.listing)

    def select(self, row):
        """Makes a row of this list the chosen one through its own accessible
        action, as a screen reader does (no mouse, no keyboard focus)."""
        item = self.find("list item", row)
        self._check_reachable()
        if not item.state(pyatspi.STATE_SELECTED):
            action = item.acc.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            assert "Toggle" in names, f"{item!r} cannot be selected (actions {names})"
            action.doAction(names.index("Toggle"))
        wait_for(lambda: item.state(pyatspi.STATE_SELECTED), TIMEOUT, f"row {row!r} selected",
                 self.listing)


class Box(Node):
    """A modal window: message box, input box or file dialog."""

    def over(self, window, slack=40):
        """Checks that the box stands centred over `window` (give or take `slack`
        pixels), not centred on the screen or elsewhere."""
        x, y, w, h = wait_for(lambda: self.extents if self.extents[2] > 0 else None, TIMEOUT,
                              f"{self!r} on the screen")
        wx, wy, ww, wh = window.extents
        dx, dy = (x + w / 2) - (wx + ww / 2), (y + h / 2) - (wy + wh / 2)
        assert abs(dx) <= slack and abs(dy) <= slack, \
            f"{self!r} at {(x, y, w, h)} is not over {window!r} at {(wx, wy, ww, wh)}"

    @property
    def message(self):
        """The box's text (an input box's prompt), its labels joined by line feeds."""
        return "\n".join(n.name for n in self.descendants() if n.role == "label" and n.name)

    def press(self, button):
        """Presses the named button ("Да", "Нет", "ОК", "Отмена"...) and waits
        until the box has closed."""
        self.find("push button", button).press()
        wait_for(lambda: not self.showing, TIMEOUT, f"{self!r} closed after {button!r}",
                 self.listing)

    def answer(self, text, button="ОК"):
        """Types the answer of an input box and presses its button."""
        self.find("text").type(text)
        self.press(button)

    def choose_file(self, path):
        """Answers a file dialog with a path: typed as the file name, then the
        dialog's default button ("Открыть" or "Сохранить")."""
        self.find("text").type(path)
        default = wait_for(
            lambda: next(n for n in self._matches("push button", None)
                         if n.state(pyatspi.STATE_IS_DEFAULT) and n.enabled),
            TIMEOUT, "the file dialog's default button", self.listing)
        self.press(default.name)


class App:
    """The running program: its process and its accessible application."""

    def __init__(self, process):
        self.process = process
        desktop = pyatspi.Registry.getDesktop(0)
        self.acc = wait_for(
            lambda: next(a for a in desktop if a is not None and a.get_process_id() == process.pid),
            TIMEOUT, "the program on the accessibility bus",
            lambda: f"exit code {process.poll()}; applications: {[a.name for a in desktop if a]}")

    def windows(self):
        return [w for w in (Box(a) for a in self.acc if a is not None) if w.showing]

    def listing(self):
        return f"exit code {self.process.poll()}; windows shown: {self.windows()}"

    def window(self, title, timeout=TIMEOUT, holding=None):
        """The shown top-level window with that title. The large windows share
        their title as they take turns on the screen: `holding`, a (role, name)
        pair, names a control that only the wanted one shows."""
        def probe():
            return next(w for w in self.windows() if w.name == title and (
                holding is None or any(n.showing for n in w._matches(*holding))))
        return wait_for(probe, timeout, f"window {title!r}" + (f" with {holding}" if holding else ""),
                        self.listing)

    def modal(self, timeout=TIMEOUT):
        """The newest shown message box, input box or dialog."""
        probe = lambda: [w for w in self.windows() if w.role in BOX_ROLES][-1]
        return wait_for(probe, timeout, "a modal box", self.listing)

    def wait_exit(self, timeout=TIMEOUT):
        """The program's exit code, once it has ended by itself."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs after {timeout:g} s; "
                                 f"{self.listing()}") from None


class Desktop:
    """A private desktop: virtual X display, session bus and accessibility bus,
    home and XDG folders in a temporary folder, and a private copy of the
    program, so that its settings file and "Kerva Files" folder (kept beside the
    executable) start empty. Everything it started ends with the `with` block."""

    def __init__(self, program, cli, name="e2e"):
        self.program, self.cli, self.name = program, cli, name
        self.children = []

    def __enter__(self):
        global pyatspi, Atspi
        self.tmp = tempfile.mkdtemp(prefix="kz-e2e-")
        self.home = os.path.join(self.tmp, "home")
        env = {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.tmp, "run"),
               "XDG_DATA_HOME": os.path.join(self.tmp, "data"),
               "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
               "XDG_CACHE_HOME": os.path.join(self.tmp, "cache"),
               "KZ_E2E_RUN": self.tmp}  # marks every process of this desktop
        for folder in env.values():
            os.makedirs(folder, mode=0o700, exist_ok=True)
        os.environ.update(env)
        try:
            read, write = os.pipe()
            # -noreset: the server resets when its last client leaves (the
            # accessibility bus launcher, a program between two starts) and
            # refuses connections meanwhile.
            screen = os.environ.get("KZ_E2E_SCREEN", "1024x768")
            self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", f"{screen}x24",
                         "-nolisten", "tcp", "-noreset"], pass_fds=[write])
            os.close(write)
            # The server writes the number and the line end separately, and
            # ends itself when the second write finds the pipe closed.
            with os.fdopen(read) as number:
                self.display = ":" + number.readline().strip()
            assert self.display != ":", "Xvfb did not start"
            os.environ["DISPLAY"] = self.display
            # The bus starts the accessibility bus on demand, with this environment.
            bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                               f"--address=unix:path={self.tmp}/bus"], stdout=subprocess.PIPE)
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
            import pyatspi as _pyatspi
            from gi.repository import Atspi as _Atspi
            pyatspi, Atspi = _pyatspi, _Atspi
            Atspi.set_timeout(5000, 5000)
            self.bin = os.path.join(self.tmp, "bin", "kervazyl")
            os.makedirs(os.path.dirname(self.bin))
            shutil.copy2(self.program, self.bin)
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, kind, error, trace):
        if kind is not None and getattr(self, "display", None):
            self.screenshot(f"{self.name}-failure.png")
        for child in reversed(self.children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(3)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
        self._kill_strays()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def _spawn(self, argv, **kw):
        # Children die with this process, even when it is killed.
        libc = ctypes.CDLL(None)
        kw.setdefault("stderr", subprocess.DEVNULL)
        child = subprocess.Popen(argv, stdin=subprocess.DEVNULL,
                                 preexec_fn=lambda: libc.prctl(1, signal.SIGKILL), **kw)
        self.children.append(child)
        return child

    def _kill_strays(self):
        """Ends what the buses started (accessibility bus, registry) and anything
        else that still carries this desktop's mark."""
        mark = f"KZ_E2E_RUN={self.tmp}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if int(pid) != os.getpid() and mark in f.read().split(b"\0"):
                        os.kill(int(pid), signal.SIGKILL)
            except OSError:
                pass

    def start(self, *args, lang=None):
        """Starts the program with these arguments ("--open PATH" opens a file at
        once; no arguments shows the splash and then the start window), under
        the system language `lang` (LANG) when given."""
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if lang is not None:
            env.pop("LC_ALL", None)
            env["LANG"] = lang
        return App(self._spawn([self.bin, *args], env=env, stdout=subprocess.DEVNULL, stderr=None))

    # Keys by name; X's keyboard map of the virtual display has them all.
    KEYSYMS = {"Tab": 0xFF09, "Return": 0xFF0D, "Escape": 0xFF1B, "space": 0x20,
               "Up": 0xFF52, "Down": 0xFF54}
    SHIFT_KEYCODE = 50

    def keys(self, *names):
        """Presses keys, one after the other, where the keyboard focus is, as the
        user's keyboard does ("Tab", "shift+Tab", "Return", "Escape"...)."""
        for name in names:
            shift = name.startswith("shift+")
            keysym = self.KEYSYMS[name.removeprefix("shift+")]
            if shift:
                pyatspi.Registry.generateKeyboardEvent(self.SHIFT_KEYCODE, None, pyatspi.KEY_PRESS)
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
            if shift:
                pyatspi.Registry.generateKeyboardEvent(self.SHIFT_KEYCODE, None, pyatspi.KEY_RELEASE)
            time.sleep(0.1)  # the program takes each key before the next

    def path(self, name):
        """A path in the private home folder."""
        return os.path.join(self.home, name)

    def new_file(self, name):
        """A new data file in the home folder, made by the command-line tool."""
        path = self.path(name)
        subprocess.run([self.cli, "new", path], check=True, capture_output=True)
        return path

    def dump(self, path, until=None):
        """The document of a data file, as `kervazyl-cli dump` prints it. With
        `until`, waits for a document that satisfies it (a save the program is
        still writing)."""
        last = {}

        def probe():
            done = subprocess.run([self.cli, "dump", path], capture_output=True, text=True)
            last["err"] = done.stderr
            doc = json.loads(done.stdout) if done.returncode == 0 else None
            return doc if doc is not None and (until is None or until(doc)) else None

        return wait_for(probe, 0 if until is None else TIMEOUT,
                        f"kervazyl-cli dump {path}" + (" with the expected content" if until else ""),
                        lambda: last.get("err", ""))

    def shot(self, name):
        """A screenshot into $KZ_E2E_SHOTS when that is set (see above)."""
        folder = os.environ.get("KZ_E2E_SHOTS")
        if folder:
            self.screenshot(os.path.join(folder, f"{name}.png"))

    def screenshot(self, png):
        """Saves the whole screen as a PNG, for people to look at (never asserted on)."""
        time.sleep(0.3)  # a window that just appeared is painted
        command = f"xwd -root -silent -display {self.display} | xwdtopnm 2>/dev/null | pnmtopng"
        with open(png, "wb") as out:
            if subprocess.run(command, shell=True, stdout=out).returncode == 0:
                print(f"screenshot: {os.path.abspath(png)}")


def run(scenario):
    """Runs `scenario(desktop)` as a ctest program (arguments: the program and
    kervazyl-cli). Exit code 0 passed, 1 failed, 77 skipped for a missing tool."""
    missing = [t for t in ("Xvfb", "dbus-daemon", BUS_LAUNCHER) if not shutil.which(t)]
    missing += ["pyatspi"] if importlib.util.find_spec("pyatspi") is None else []
    if missing:
        print(f"skipped: {', '.join(missing)} not installed (scripts/setup.sh installs them)")
        sys.exit(77)

    def too_long(*_):
        raise ScenarioTooLong(f"still running after {SCENARIO_LIMIT} s")

    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(SCENARIO_LIMIT)
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    with Desktop(sys.argv[1], sys.argv[2], name) as desk:
        scenario(desk)
    print(f"{name}: passed")
