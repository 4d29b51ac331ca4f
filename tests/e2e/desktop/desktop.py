"""Shared helpers for the desktop tests: the real program on a real display
(X with a window manager, or Wayland), driven by keys typed with xdotool and
by accessibility actions, and read back over AT-SPI as a screen reader reads
it.

The services (X server, window manager, D-Bus session with the AT-SPI bus,
Wayland compositor) are started by scripts/test, which passes them in the
environment. Each test starts the program itself, and stops it by its PID.

Run a test file as `/usr/bin/python3 FILE TEST [ARG...]`: it runs the function
TEST with the arguments, and exits 0 when it passed.
"""

import csv
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
PROGRAM = os.environ.get("LUMETRA_PROGRAM", os.path.join(ROOT, "build", "lumetra"))
LOG_DIR = os.environ.get("LUMETRA_DESKTOP_LOGS") or tempfile.mkdtemp(prefix="lumetra-desktop.")
TITLE = "Lumetra Photoelectric Effect"
PICTURE = "Picture of the apparatus"
KNOWN_METALS = ["1 (1.50 eV)", "2 (1.75 eV)", "3 (2.10 eV)", "4 (2.60 eV)"]
UNKNOWN_METALS = ["1", "2", "3", "4"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def log(message):
    print("desktop: " + message, file=sys.stderr, flush=True)


def wait_until(what, probe, timeout=5.0, interval=0.05):
    """Polls probe() until it returns something true, and returns that.
    Fails naming `what` and the last value probed when the time runs out;
    a probe that raises counts as not yet."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            last = probe()
            if last:
                return last
        except Exception as error:  # the tree changes while it is read
            last = error
        if time.monotonic() > deadline:
            raise Failure("%s: not within %.1f s (last seen: %r)" % (what, timeout, last))
        time.sleep(interval)


def run(*command, timeout=10, check=True):
    return subprocess.run(command, check=check, timeout=timeout, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True).stdout


# ---------------------------------------------------------------------------
# The accessible tree
# ---------------------------------------------------------------------------

def walk(node, skip=()):
    """The node and all below it, but not below a node whose role is in
    `skip` (a table's thousands of cells, say)."""
    yield node
    if role(node) in skip:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, skip)


def role(node):
    return node.getRoleName()


def name(node):
    return (node.name or "").strip()


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def enabled(node):
    return states(node).contains(pyatspi.STATE_ENABLED)


def checked(node):
    return states(node).contains(pyatspi.STATE_CHECKED)


def focused(node):
    return states(node).contains(pyatspi.STATE_FOCUSED)


def value(node):
    return node.queryValue().currentValue


def text(node):
    return node.queryText().getText(0, -1)


def act(node, *names):
    """Performs the first of the named actions that the node offers."""
    actions = node.queryAction()
    offered = [actions.getName(i) for i in range(actions.nActions)]
    for wanted in names:
        if wanted in offered:
            check(actions.doAction(offered.index(wanted)),
                  "action %s on %s %r failed" % (wanted, role(node), name(node)))
            return
    raise Failure("%s %r offers none of %s (it offers %s)" % (role(node), name(node), names, offered))


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


# ---------------------------------------------------------------------------
# The program
# ---------------------------------------------------------------------------

class Program:
    """The real program, started on the display of the environment, with
    its accessible application found by PID. `executable` starts another
    build of it; `preexec` runs in the child before it starts (to set a
    limit, say); `exit_name` is the Exit button's name in the program's
    language."""

    def __init__(self, label, executable=None, preexec=None, exit_name="Exit", **env):
        self.label = label
        self.log_path = os.path.join(LOG_DIR, label + ".log")
        environment = dict(os.environ)
        environment.pop("PRINTER", None)
        environment.pop("LPDEST", None)
        environment.setdefault("QT_QPA_PLATFORM", "xcb")
        environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # The names read back are the English ones, whatever the desktop's language.
        environment.pop("LANGUAGE", None)
        environment["LC_ALL"] = "C.UTF-8"
        for key, val in env.items():
            if val is None:
                environment.pop(key, None)
            else:
                environment[key] = val
        self.platform = environment["QT_QPA_PLATFORM"]
        self.helpers = []
        self.log_file = open(self.log_path, "w")
        self.process = subprocess.Popen([executable or PROGRAM], env=environment, stdin=subprocess.DEVNULL,
                                        stdout=self.log_file, stderr=subprocess.STDOUT, preexec_fn=preexec)
        self.pid = self.process.pid
        self.app = wait_until("the program's accessible application (PID %d)" % self.pid,
                              self._find_application, timeout=20)
        # Ready once the controls are in the tree and the window is shown.
        wait_until("the program's controls", lambda: self.find(exit_name, "push button", showing_only=True),
                   timeout=20)

    def _find_application(self):
        check(self.process.poll() is None, "the program ended at start (status %s)" % self.process.poll())
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    # -- finding ------------------------------------------------------------

    def nodes(self):
        return walk(self.app)

    def find(self, wanted, kind=None, showing_only=False):
        """The first node whose trimmed name is `wanted` (and role `kind`)."""
        for node in self.nodes():
            if name(node) == wanted and (kind is None or role(node) == kind) \
                    and (not showing_only or showing(node)):
                return node
        return None

    def get(self, wanted, kind=None, timeout=5.0):
        return wait_until("%s %r" % (kind or "control", wanted), lambda: self.find(wanted, kind),
                          timeout=timeout)

    def label_text(self, prefix):
        """The text of the shown label that starts with prefix (wlb: "lambda =")."""
        for node in self.nodes():
            if role(node) == "label" and name(node).startswith(prefix) and showing(node):
                return name(node)
        return None

    def focus(self):
        """The control that holds the keyboard focus, or None."""
        for node in self.nodes():
            if role(node) not in ("application", "frame", "filler", "panel", "menu bar", "dialog") \
                    or name(node) == PICTURE:
                if focused(node):
                    return node
        return None

    def focus_name(self):
        node = self.focus()
        return name(node) if node is not None else None

    def wait_focus(self, wanted, timeout=3.0):
        try:
            wait_until("focus", lambda: self.focus_name() == wanted, timeout=timeout)
        except Failure:
            raise Failure("the focus is on %r, not on %r" % (self.focus_name(), wanted))

    def picture(self):
        return self.get(PICTURE)

    def description(self):
        return (self.picture().description or "").strip()

    def metal_items(self):
        """(name, checked) of the metal radio items, in order."""
        items = [node for node in self.nodes() if role(node) == "radio button"]
        return [(name(node), checked(node)) for node in items]

    def metal_names(self):
        return [item for item, _ in self.metal_items()]

    def checked_metal(self):
        marked = [item for item, on in self.metal_items() if on]
        return marked[0] if len(marked) == 1 else marked

    def dialog(self):
        """A shown dialog of the program (the error box), or None."""
        for node in self.nodes():
            if role(node) in ("dialog", "alert") and showing(node):
                return node
        return None

    def dialog_text(self, node):
        return " ".join(name(child) for child in walk(node) if role(child) == "label")

    def menu_open(self):
        """Whether a popup menu of the program is shown: one of the menu
        bar's, or (on X) another window of the program, such as an edit
        box's context menu, which is not in the accessible tree."""
        for node in self.nodes():
            if role(node) == "popup menu" and showing(node):
                return True
        if self.platform == "xcb":
            return len(self.x_windows()) > 1
        return False

    def set_text_in_background(self, wanted, characters):
        """Sets the text of the edit box `wanted` over AT-SPI from another
        process, as a screen reader does, and returns that process. The
        program answers once the handler has run, and the handler may show a
        modal box first: this process can dismiss it meanwhile."""
        return self._in_background("set_text_of", wanted, characters)

    def toggle_in_background(self, wanted):
        """Toggles the check box `wanted` over AT-SPI from another process,
        as set_text_in_background does: its handler too may show a box."""
        return self._in_background("toggle_of", wanted)

    def _in_background(self, function, *arguments):
        helper = subprocess.Popen(
            ["/usr/bin/python3", "-c", "import sys; sys.path.insert(0, sys.argv[1]); import desktop; "
             "getattr(desktop, sys.argv[2])(int(sys.argv[3]), *sys.argv[4:])",
             os.path.dirname(os.path.abspath(__file__)), function, str(self.pid), *arguments],
            stdin=subprocess.DEVNULL)
        self.helpers.append(helper)
        return helper

    # -- X windows -----------------------------------------------------------

    def x_windows(self, title=None):
        """The program's X windows on view, those whose title matches the
        pattern `title` if given."""
        return run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.pid),
                   *(["--name", title] if title else []), check=False).split()

    def window(self):
        found = self.x_windows("^%s$" % TITLE)
        return found[0] if len(found) == 1 else None

    def notebook_window(self):
        found = self.x_windows("^Notebook - ")
        return found[0] if found else None

    def frame(self):
        """(x, y, width, height) of the window's outer frame, from the client
        window's place and the window manager's frame extents; None until the
        window manager has set them."""
        window = self.window()
        if window is None:
            return None
        extents_line = run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
        if "=" not in extents_line:
            return None
        left, right, top, bottom = (int(v) for v in extents_line.split("=")[1].split(","))
        x, y, width, height = client_area(window)
        return (x - left, y - top, width + left + right, height + top + bottom)

    def has_x_focus(self, window=None):
        window = window or self.window()
        return window is not None and run("xdotool", "getwindowfocus").strip() == window

    def activate(self, window=None):
        """Activates the window (a minimised one too, when given) as the
        window manager does on a click on it."""
        window = window or wait_until("the program's window", self.window)
        run("xdotool", "windowactivate", "--sync", window)
        wait_until("the X focus on the program's window", lambda: self.has_x_focus(window))

    # -- ending ---------------------------------------------------------------

    def wait_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %.0f s" % timeout)

    def output(self):
        self.log_file.flush()
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def stop(self):
        for helper in self.helpers:
            if helper.poll() is None:
                helper.kill()
                helper.wait()
        end(self.process)
        self.log_file.close()


def end(process):
    """Stops a process this test started: politely, then for good."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def _node_of(pid, wanted, kind):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            for node in walk(app, skip=("table",)):
                if name(node) == wanted and role(node) == kind:
                    return node
    return None


def set_text_of(pid, wanted, characters):
    """Sets the text of the edit box named `wanted` in the program PID. The
    answer may come late (a modal box) or not at all: it is not waited for
    beyond D-Bus's own time-out."""
    node = _node_of(pid, wanted, "text")
    try:
        node.queryEditableText().setTextContents(characters)
    except Exception:
        pass


def toggle_of(pid, wanted):
    """Toggles the check box named `wanted` in the program PID, as
    set_text_of sets a text."""
    node = _node_of(pid, wanted, "check box")
    try:
        act(node, "Toggle", "Press")
    except Exception:
        pass


# ---------------------------------------------------------------------------
# The notebook's file
# ---------------------------------------------------------------------------

NOTEBOOK_HEADER = ["metal", "unknown", "metal4_number", "wavelength_nm", "frequency_1e14_Hz", "photon_energy_eV",
                   "intensity", "retarding_voltage_V", "photocurrent"]
# What each cell may hold: an empty reading was hidden.
NOTEBOOK_CELLS = [r"[1-4]", r"[01]", r".*", r"\d*", r"(\d\.\d\d)?", r"(\d\.\d\d)?", r"\d\d?", r"\d\.\d\d\d", r"\d\d?"]


def notebook_file(path):
    """The rows of the notebook's file as the program writes it, each a list
    of its nine cells; fails on a file that is not whole: no header, a row
    of another length, a last line cut short."""
    with open(path, "rb") as f:
        content = f.read()
    check(content.endswith(b"\r\n"), "%s does not end with a whole line: ...%r" % (path, content[-40:]))
    records = list(csv.reader(io.StringIO(content.decode("utf-8"), newline="")))
    check(records and records[0] == NOTEBOOK_HEADER, "%s has no header: %r" % (path, records[:1]))
    for number, record in enumerate(records[1:], 2):
        check(len(record) == 9 and all(re.fullmatch(pattern, cell) for pattern, cell in zip(NOTEBOOK_CELLS, record)),
              "%s, line %d is no whole row: %r" % (path, number, record))
    return records[1:]


def client_area(window):
    """(x, y, width, height) of an X window's client area on the screen."""
    info = {}
    for line in run("xwininfo", "-id", window).splitlines():
        if ":" in line:
            key, _, val = line.strip().partition(":")
            info[key] = val.strip()
    return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]), int(info["Width"]),
            int(info["Height"]))


# ---------------------------------------------------------------------------
# Keyboard and mouse, as a user types on the display
# ---------------------------------------------------------------------------

def keys(*names):
    """Types each key (xdotool names: Tab, shift+Tab, alt+o, Return, ...) on
    the keyboard, to whatever window has the focus, one after another."""
    for key in names:
        run("xdotool", "key", "--clearmodifiers", key)


def wheel(node, button, count=1):
    """Turns the mouse wheel over the node: button 4 up, 5 down."""
    x, y, width, height = extents(node)
    run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2))
    for _ in range(count):
        run("xdotool", "click", str(button))


# ---------------------------------------------------------------------------
# Running a test
# ---------------------------------------------------------------------------

def main(tests):
    """Runs tests[argv[1]](*argv[2:]), stopping every program it started.
    The test's temporary folders (data folders, profiles) go after a pass and
    stay, for a look, after a failure."""
    test_name, arguments = sys.argv[1], sys.argv[2:]
    tempfile.tempdir = tempfile.mkdtemp(prefix="lumetra-%s." % test_name)
    started = []
    original_init = Program.__init__

    def tracking_init(self, *args, **kwargs):
        started.append(self)
        original_init(self, *args, **kwargs)

    Program.__init__ = tracking_init
    status = 1  # until the test returns: an interrupted test keeps its files too
    try:
        tests[test_name](*arguments)
        status = 0
    except Exception as error:
        if isinstance(error, Failure):
            log("FAILED: %s" % error)
        else:
            traceback.print_exc()
        for program in started:
            if os.path.exists(program.log_path):
                with open(program.log_path, errors="replace") as f:
                    for line in f.read().splitlines()[-30:]:
                        print("    | %s: %s" % (program.label, line), file=sys.stderr)
    finally:
        for program in started:
            if hasattr(program, "process"):
                program.stop()
        if status:
            log("its files are kept in %s" % tempfile.tempdir)
        else:
            shutil.rmtree(tempfile.tempdir, ignore_errors=True)
    sys.exit(status)
