"""Drives the real program through the desktop's accessibility interface (AT-SPI),
as a screen-reader user meets it: controls found by role and name, pressed,
typed into and read. A scenario file ends with `kzdrive.run(scenario)`; every
wait fails after a timeout with a listing of what is on the screen."""

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
BOX_ROLES = ("dialog", "alert")
pyatspi = Atspi = None  # imported once the desktop's buses exist


class ScenarioTooLong(BaseException):  # not an Exception: no wait swallows it
    pass


def wait_for(probe, timeout, what, listing=lambda: ""):
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
    def __init__(self, acc):
        self.acc = acc

    role = property(lambda self: self.acc.getRoleName())
    name = property(lambda self: self.acc.name or "")
    description = property(lambda self: self.acc.description or "")
    enabled = property(lambda self: self.state(pyatspi.STATE_ENABLED))
    focused = property(lambda self: self.state(pyatspi.STATE_FOCUSED))
    rows = property(lambda self: [n.name for n in self.descendants() if n.role == "list item"])

    def state(self, which):
        return self.acc.getState().contains(which)

    @property
    def showing(self):
        try:
            return self.state(pyatspi.STATE_SHOWING) and not self.state(pyatspi.STATE_DEFUNCT)
        except Exception:
            return False

    def __repr__(self):
        return f"{self.role} {self.name!r}"

    def descendants(self):
        for node in (Node(c) for c in self.acc if c is not None):
            yield node
            if node.role != "table":  # a table's hundreds of cells are read through `cell`
                yield from node.descendants()

    def listing(self):
        return "\n".join([f"in {self!r}:"] + [f"  {n!r}" for n in self.descendants()
                                              if n.showing and n.name][:120])

    def _matches(self, role, name):
        return [n for n in self.descendants() if n.role == role and (name is None or n.name == name)]

    def find(self, role, name=None, timeout=TIMEOUT):
        """The control of that role and name (any name when None), waiting for it.
        A shown control wins over a hidden one (a menu item of a closed menu)."""
        def probe():
            found = self._matches(role, name)
            return next((n for n in found if n.showing), found[0] if found else None)
        return wait_for(probe, timeout, f"{role} {name!r}", self.listing)

    def _check_reachable(self):
        # The accessibility interface reaches a control behind a modal box,
        # which the user cannot: an unanswered box is a failure of its own.
        window = self.acc
        while window.parent.getRoleName() != "application":
            window = window.parent
        boxes = [w for w in (Node(a) for a in window.parent if a is not None)
                 if w.role in BOX_ROLES and w.showing]
        assert not boxes or boxes[-1].acc == window, \
            f"{self!r} is behind the box {boxes[-1]!r}: {boxes[-1].message!r}"
        assert self.enabled, f"{self!r} is disabled"

    def press(self, button=None, *wanted):
        """Presses this control and returns at once (a modal box may answer); with
        `button`, presses that button of this box and waits until the box has closed."""
        if button is not None:
            self.find("push button", button).press()
            return wait_for(lambda: not self.showing, TIMEOUT, f"{self!r} closed after {button!r}",
                            self.listing)
        self._check_reachable()
        action = self.acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        index = next((names.index(a) for a in wanted or ("Press", "Toggle") if a in names), None)
        assert index is not None, f"{self!r} has none of {wanted} (actions {names})"
        # A menu item replies only after the modal box it opens has closed:
        # the action is delivered at once, its reply is not awaited.
        Atspi.set_timeout(300, 300)
        try:
            action.doAction(index)
        except Exception as e:
            if "reply" not in str(e):
                raise
        finally:
            Atspi.set_timeout(5000, 5000)

    def type(self, text):
        self.acc.queryEditableText().setTextContents(text)
        assert self.text == text, f"{self!r} shows {self.text!r} after typing {text!r}"

    @property
    def text(self):
        """A field's text, or else the name."""
        try:
            return self.acc.queryText().getText(0, -1)
        except NotImplementedError:
            return self.name

    def cell(self, row, column):
        return Node(wait_for(lambda: self.acc.queryTable().getAccessibleAt(row, column), TIMEOUT,
                             f"cell {row},{column} of {self!r}", self.listing))

    @property
    def table(self):
        """A table's data rows as lists of cell texts, up to the first empty row."""
        t, rows = self.acc.queryTable(), []
        for r in range(t.nRows):
            rows.append([self.cell(r, c).name for c in range(t.nColumns)])
            if not any(rows[-1]):
                return rows[:-1]
        return rows

    def click(self):
        self._check_reachable()
        x, y, w, h = self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        assert w > 0 and h > 0, f"{self!r} is not on the screen"
        pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, pyatspi.MOUSE_B1C)

    def select(self, row):
        """Chooses a list item through its own accessible action, as a screen
        reader does (no mouse, no keyboard focus), or a table row by a click."""
        if isinstance(row, int):
            node = self.cell(row, 1)
            node.click()
        else:
            node = self.find("list item", row)
            node.state(pyatspi.STATE_SELECTED) or node.press(None, "Toggle")
        wait_for(lambda: node.state(pyatspi.STATE_SELECTED), TIMEOUT, f"{node!r} chosen",
                 self.listing)

    @property
    def message(self):
        """The box's text (an input box's prompt), its labels joined by line feeds."""
        return "\n".join(n.name for n in self.descendants() if n.role == "label" and n.name)

    def answer(self, text, button="ОК"):
        self.find("text").type(text)
        self.press(button)


class App:
    def __init__(self, process):
        self.process = process
        desktop = pyatspi.Registry.getDesktop(0)
        self.acc = wait_for(
            lambda: next(a for a in desktop if a is not None and a.get_process_id() == process.pid),
            TIMEOUT, "the program on the accessibility bus",
            lambda: f"exit code {process.poll()}; applications: {[a.name for a in desktop if a]}")

    def windows(self):
        return [w for w in (Node(a) for a in self.acc if a is not None) if w.showing]

    def listing(self):
        return f"exit code {self.process.poll()}; windows: {self.windows()}"

    def window(self, title, timeout=TIMEOUT, holding=None):
        """The shown window with that title holding the control (role, name) if given."""
        return wait_for(lambda: next(w for w in self.windows() if w.name == title and (
            holding is None or any(n.showing for n in w._matches(*holding)))),
            timeout, f"window {title!r} with {holding}", self.listing)

    def modal(self, question=None):
        """The newest shown message box, input box or dialog; with `question`,
        the one that asks it, whichever window it stands over."""
        return wait_for(lambda: [w for w in self.windows() if w.role in BOX_ROLES and (
            question is None or w.message == question)][-1], TIMEOUT,
            f"a modal box {question or ''}", self.listing)

    def confirm(self, question, button="Да"):
        self.modal(question).press(button)

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"still running after {timeout:g} s; {self.listing()}") from None


class Desktop:
    """A private desktop (X display, buses, home and XDG folders, a copy of the
    program) that ends with the `with` block."""

    def __init__(self, program, cli):
        self.program, self.cli, self.children = program, cli, []

    def __enter__(self):
        global pyatspi, Atspi
        self.tmp = tempfile.mkdtemp(prefix="kz-e2e-")
        self.home = os.path.join(self.tmp, "home")
        env = {var: os.path.join(self.tmp, sub) for var, sub in [
            ("HOME", "home"), ("XDG_RUNTIME_DIR", "run"), ("XDG_DATA_HOME", "data"),
            ("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache"), ("KZ_E2E_RUN", "")]}
        for folder in env.values():  # KZ_E2E_RUN marks every process of this desktop
            os.makedirs(folder, mode=0o700, exist_ok=True)
        os.environ.update(env)
        try:
            read, write = os.pipe()
            # -noreset: the server resets when its last client leaves (the bus
            # launcher, a program between two starts) and refuses connections meanwhile.
            self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                         "-nolisten", "tcp", "-noreset"], pass_fds=[write])
            os.close(write)
            with os.fdopen(read) as number:
                os.environ["DISPLAY"] = ":" + number.readline().strip()
            assert os.environ["DISPLAY"] != ":", "Xvfb did not start"
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

    def __exit__(self, *_):
        for child in reversed(self.children):
            child.terminate()
            try:
                child.wait(3)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()
        # What the buses started (accessibility bus, registry) carries the mark too.
        mark = f"KZ_E2E_RUN={os.environ['KZ_E2E_RUN']}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if int(pid) != os.getpid() and mark in f.read().split(b"\0"):
                        os.kill(int(pid), signal.SIGKILL)
            except OSError:
                pass
        shutil.rmtree(self.tmp, ignore_errors=True)

    def _spawn(self, argv, **kw):
        # Children die with this process, even when it is killed.
        libc = ctypes.CDLL(None)
        kw.setdefault("stderr", subprocess.DEVNULL)
        self.children.append(subprocess.Popen(
            argv, stdin=subprocess.DEVNULL, preexec_fn=lambda: libc.prctl(1, signal.SIGKILL), **kw))
        return self.children[-1]

    def start(self, *args):
        """Starts the program ("--open PATH" opens a file at once; no arguments
        shows the splash, then the start window)."""
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return App(self._spawn([self.bin, *args], env=env, stdout=subprocess.DEVNULL, stderr=None))

    def keys(self, *names):
        """Presses keys where the keyboard focus is ("Tab", "shift+Tab", "Return"...)."""
        shift = 50  # its key code
        for name in names:
            if name.startswith("shift+"):
                pyatspi.Registry.generateKeyboardEvent(shift, None, pyatspi.KEY_PRESS)
            key = {"Tab": 0xFF09, "Return": 0xFF0D, "Escape": 0xFF1B}[name.removeprefix("shift+")]
            pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)
            if name.startswith("shift+"):
                pyatspi.Registry.generateKeyboardEvent(shift, None, pyatspi.KEY_RELEASE)
            time.sleep(0.1)  # the program takes each key before the next

    def new_file(self, name):
        path = os.path.join(self.home, name)
        subprocess.run([self.cli, "new", path], check=True, capture_output=True)
        return path

    def dump(self, path, until=None):
        """The document of a data file as `kervazyl-cli dump` prints it; with
        `until`, waits for one that satisfies it (a save still being written)."""
        done = None

        def probe():
            nonlocal done
            done = subprocess.run([self.cli, "dump", path], capture_output=True, text=True)
            doc = json.loads(done.stdout) if done.returncode == 0 else None
            return doc if doc is not None and (until is None or until(doc)) else None

        return wait_for(probe, 0 if until is None else TIMEOUT, f"kervazyl-cli dump {path}",
                        lambda: done.stderr if done else "")


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
    with Desktop(sys.argv[1], sys.argv[2]) as desk:
        scenario(desk)
    print(f"{sys.argv[0]}: passed")
