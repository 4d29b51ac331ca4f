"""The desktop soak: the real program with both its windows open, under
openbox and the accessibility bus, driven for minutes by a seeded stream of
a user's real X events and a screen reader's actions. Every few seconds it
reads both windows back as a screen reader does and checks what a user
would notice if it broke; at the end the program must still answer, end
cleanly, and have kept every row recorded in its file.

    test_soak.py desktop_soak PROGRAM SECONDS SEED JUDGE

JUDGE is "sanitizers" for the sanitizer build (no report, no leak at exit
but the key events that Qt itself loses, see sanitizer_reports) or "memory"
for the release build (resident memory within 2 MB of where it stood after
the first 10 s of SECONDS, beyond what the rows recorded since take, and
those 10 s follow a minute of the same driving that warms Qt's caches; a
sanitizer build's quarantine grows by design). The soak never presses the
exit button, File > Exit, Delete Rows or Clear…: they end the program or
throw rows away on purpose, and other tests take those paths.
"""

import collections
import math
import os
import random
import re
import shutil
import tempfile
import time

import pyatspi
from gi.repository import GLib

from desktop import (KNOWN_METALS, NOTEBOOK_HEADER, UNKNOWN_METALS, Failure, Program, act, check, checked,
                     client_area, enabled, extents, log, main, name, notebook_file, role, run, showing, text, walk,
                     wait_until)

NAVIGATION = ["Tab", "shift+Tab", "Left", "Right", "Up", "Down", "Prior", "Next", "Home", "End"]
# The access keys of both windows and their menus, and the light's own key;
# none of them exits, deletes rows or clears the notebook (alt+d, alt+l).
ACCESS_KEYS = ["o", "alt+f", "alt+o", "alt+n", "alt+h", "alt+z", "alt+u", "alt+1", "alt+2", "alt+3", "alt+4",
               "alt+r", "alt+g", "alt+c", "alt+a", "alt+p", "alt+m", "alt+s"]
# What is typed into the metal-4 box: never an x (File > Exit in an open
# menu), a blank or a Return (they would press a focused button).
TYPED = "0123456789-.e"
NEVER_PRESSED = {"Exit", "Delete Rows", "Clear…", "About", "Save As…"}
COLUMNS = ["Metal", "Wavelength (nm)", "Frequency (10¹⁴ Hz)", "Energy (eV)", "Intensity", "Voltage (V)", "Current"]
CHECK_EVERY = 5.0
WARM_UP_SECONDS = 60
# What a row recorded at random settings adds to the memory, its share of
# the graphs included: 80 such rows took 2.7 MB with the graphs on view.
ROW_KIB = 32


# ---------------------------------------------------------------------------
# What the window must show, from the bars' positions
# ---------------------------------------------------------------------------

def wavelength_of(position):
    return (1408 - position) / 4.38 + 350


def photon_labels(position):
    wavelength = wavelength_of(position)
    return ("lambda = %d nm" % int(wavelength), "ƒ = %4.2fe14 Hz" % (3000 / wavelength),
            "Energy = %5.2f eV" % (1.989e-16 / (1.6e-19 * wavelength)))


def volts(position):
    return "%.3f" % math.sqrt(position / 207.0)


VOLTAGES = {volts(p) for p in range(3001)}
COLOURS = {(str(int(wavelength_of(p))), "%.2f" % (3000 / wavelength_of(p)),
            "%.2f" % (1.989e-16 / (1.6e-19 * wavelength_of(p)))) for p in range(1280)}


def metal_cell(metal, unknown, number):
    if unknown != "1":
        return metal
    return "unknown 4, number %s" % number if metal == "4" else "unknown %s" % metal


def file_rows(path):
    """The notebook's file as the table shows its rows."""
    if not os.path.exists(path):
        return []
    # A screen reader's names come without their outer blanks.
    return [[metal_cell(metal, unknown, number).strip()] + rest
            for metal, unknown, number, *rest in notebook_file(path)]


def check_row(row, where):
    """What any recorded row must be: readings that belong together,
    nothing that unknown-metals mode hides, a meter at rest or deflected
    by the intensity."""
    metal, wavelength, frequency, energy, intensity, voltage, current = row
    unknown = metal.startswith("unknown")
    check(re.fullmatch(r"[1-4]|unknown [1-3]|unknown 4, number( .*)?", metal), "%s: metal %r" % (where, metal))
    check(not unknown or (frequency == "" and energy == ""), "%s: unknown metal with a hidden reading: %r"
          % (where, row))
    shown = [(a, b) for a, b in zip((wavelength, frequency, energy), range(3)) if a != ""]
    check(any(all(colour[i] == a for a, i in shown) for colour in COLOURS),
          "%s: readings of no one colour: %r" % (where, row))
    check(intensity in [str(i) for i in range(1, 11)], "%s: intensity %r" % (where, intensity))
    check(voltage in VOLTAGES, "%s: voltage %r is no reading of the dial" % (where, voltage))
    check(current in ("0", intensity), "%s: current %r at intensity %s" % (where, current, intensity))


# ---------------------------------------------------------------------------
# The session
# ---------------------------------------------------------------------------

class Soak:
    def __init__(self, executable, seed, judge):
        self.random = random.Random(seed)
        self.data = tempfile.mkdtemp(prefix="lumetra-soak.")
        self.path = os.path.join(self.data, "lumetra", "notebook.csv")
        self.pdf_before = set(os.listdir(os.environ["CUPS_PDF_DIR"])) if os.path.isdir(
            os.environ.get("CUPS_PDF_DIR", "")) else set()
        self.earlier = self.earlier_lab()
        environment = {"XDG_DATA_HOME": self.data, "HOME": self.data}
        if judge == "sanitizers":
            # The build's own settings: halt on the first report, leaks at exit.
            environment.update(ASAN_OPTIONS=None, UBSAN_OPTIONS=None, LSAN_OPTIONS=None)
        self.program = Program("soak-" + judge, executable=executable, **environment)
        self.actions = collections.Counter()
        self.recent = collections.deque(maxlen=15)
        self.renamed = collections.Counter()
        self.rows = file_rows(self.path)
        self.checks = 0
        self.recorded_by_checks = 0
        self.next_check = 0
        pyatspi.Registry.registerEventListener(self.on_name, "object:property-change:accessible-name")

        self.program.activate()
        act(self.program.get("Show Notebook", "menu item"), "Click", "Press", "Toggle")
        self.wait("the notebook's table", self.table)
        self.main_window = self.program.window()
        self.windows = [self.main_window, self.wait("the notebook's X window", self.program.notebook_window)]
        self.forbidden = self.forbidden_areas()

    def earlier_lab(self):
        """A student's notebook from an earlier lesson, which the program
        reads at start: five colours on metal 1 each side of their stopping
        voltage, a sweep of the voltage and one of the intensity, so that
        every graph has its lines. Returns the number of rows."""
        rows = []
        for wavelength, frequency, energy, stopping in ((671, 4.47, 1.85, 0.351), (600, 5.00, 2.07, 0.572),
                                                        (534, 5.61, 2.33, 0.820), (450, 6.67, 2.76, 1.259),
                                                        (397, 7.55, 3.13, 1.619)):
            for voltage, current in ((stopping - 0.005, 5), (stopping + 0.005, 0)):
                rows.append("1,0,,%d,%.2f,%.2f,5,%.3f,%d" % (wavelength, frequency, energy, voltage, current))
        rows += ["2,0,,397,7.55,3.13,5,%.3f,%d" % (voltage, 5 if voltage < 1.38 else 0)
                 for voltage in (0.0, 0.5, 1.0, 1.5, 2.0)]
        rows += ["2,0,,397,7.55,3.13,%d,0.500,%d" % (intensity, intensity) for intensity in (1, 4, 7, 10)]
        os.makedirs(os.path.dirname(self.path))
        with open(self.path, "w", newline="") as f:
            f.write("\r\n".join([",".join(NOTEBOOK_HEADER)] + rows) + "\r\n")
        return len(rows)

    # -- reading ------------------------------------------------------------

    def on_name(self, event):
        # Counted by the object's path, which needs no question to the
        # program: a busy program could leave a question unanswered.
        self.renamed[event.source.app.bus_name, event.source.path] += 1

    def announced(self):
        """How often the notebook's last-row label has been renamed: once
        for each recording."""
        for node in self.nodes(self.top("Notebook - ")):
            if role(node) == "label" and re.match(r"Measurement \d+:", name(node)):
                return self.renamed[node.app.bus_name, node.path]
        return 0

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def top(self, prefix):
        for i in range(self.program.app.childCount):
            node = self.program.app.getChildAtIndex(i)
            if node is not None and name(node).startswith(prefix):
                return node
        return None

    def nodes(self, top):
        return list(walk(top, skip=("table",)))

    def table(self):
        notebook = self.top("Notebook - ")
        for node in self.nodes(notebook) if notebook else []:
            if role(node) == "table":
                return node.queryTable()
        return None

    def table_rows(self, first):
        table = self.table()
        return [[name(table.getAccessibleAt(r, c)) for c in range(len(COLUMNS))] for r in range(first, table.nRows)]

    def wait(self, what, probe, timeout=20):
        """wait_until, answering the accessibility bus's events meanwhile."""
        return wait_until(what, lambda: self.pump() or probe(), timeout=timeout)

    def forbidden_areas(self):
        """Where a click would end the program or throw rows away: the exit
        button, File > Exit where its menu opens, Delete Rows and Clear…."""
        areas = []
        for top in (self.top("Lumetra"), self.top("Notebook - ")):
            for node in self.nodes(top):
                if name(node) in ("Exit", "Delete Rows", "Clear…") and role(node) == "push button":
                    areas.append(extents(node))
        areas.append(extents(self.open_file_menu()))
        self.keys("Escape")
        return [(x - 3, y - 3, w + 6, h + 6) for x, y, w, h in areas]

    def open_file_menu(self):
        """Opens File by the mouse, which no key to the other window can
        miss, and returns its Exit item."""
        self.program.activate(self.main_window)

        def menu_item(label):
            return self.wait(label, lambda: next(n for n in self.nodes(self.top("Lumetra")) if role(n) ==
                                                 "menu item" and name(n) == label and showing(n)))
        self.click_on(menu_item("File"))
        return menu_item("Exit")

    # -- acting --------------------------------------------------------------

    def keys(self, *names):
        self.recent.append(" ".join(names))
        run("xdotool", "key", "--clearmodifiers", *names)

    def click(self):
        window = self.random.choice(self.windows)
        left, top, width, height = client_area(window)
        while True:
            x, y = left + self.random.randrange(width), top + self.random.randrange(height)
            if not any(a <= x < a + w and b <= y < b + h for a, b, w, h in self.forbidden):
                break
        button = "3" if self.random.random() < 0.1 else "1"
        self.recent.append("click %s at %d,%d" % (button, x, y))
        run("xdotool", "mousemove", str(x), str(y), "click", button)

    def click_on(self, node):
        x, y, width, height = extents(node)
        run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1")

    def type_in_metal4_box(self):
        box = next((node for node in self.nodes(self.top("Lumetra")) if role(node) == "text" and showing(node)), None)
        if box is not None:
            self.click_on(box)
        if self.random.random() < 0.3:
            self.keys(*["BackSpace"] * self.random.randint(1, 3))
        else:
            run("xdotool", "type", "--delay", "30", "--",
                "".join(self.random.choice(TYPED) for _ in range(self.random.randint(1, 3))))

    def screen_reader(self):
        """One action of a screen reader's on what both windows show: press,
        toggle, a bar's value, the metal-4 box's text, or the focus."""
        nodes = [node for top in (self.top("Lumetra"), self.top("Notebook - ")) for node in self.nodes(top)
                 if showing(node)]
        kind = self.random.choice(("press", "toggle", "bar", "text", "focus"))
        if kind == "press":
            node = self.random.choice([n for n in nodes if role(n) in ("push button", "radio button")
                                       and name(n) not in NEVER_PRESSED and name(n)])
            act(node, "Press", "Toggle")
        elif kind == "toggle":
            node = self.random.choice([n for n in nodes if role(n) == "check box"])
            if name(node) == "Unknown Metals":
                # Its handler reads the metal-4 box, whose text may be no
                # number: a box may wait for the user while it answers.
                self.in_background(self.program.toggle_in_background, name(node))
            else:
                act(node, "Toggle", "Press")
        elif kind == "bar":
            node = self.random.choice([n for n in nodes if role(n) == "scroll bar" and name(n) in
                                       ("Retarding Voltage", "Intensity", "Photon Energy")])
            bar = node.queryValue()
            bar.currentValue = self.random.randint(int(bar.minimumValue) - 5, int(bar.maximumValue) + 5)
        elif kind == "text":
            words = ["7", "19", "-3", "7.9", "", "x", "1e3", "-", "99999999999999999999999"]
            self.in_background(self.program.set_text_in_background, "Metal 4 number", self.random.choice(words))
        else:
            node = self.random.choice([n for n in nodes if role(n) in ("push button", "scroll bar", "check box",
                                                                       "radio button", "text", "table")])
            node.queryComponent().grabFocus()
        return "screen reader " + kind

    def in_background(self, action, *arguments):
        """A screen reader's action that may wait for a box to close, from
        another process; one at a time, as a user acts."""
        if any(helper.poll() is None for helper in self.program.helpers):
            raise IndexError("a screen reader's action is still under way")
        self.program.helpers = []
        action(*arguments)

    def act(self):
        """One action, as often as its weight says among all of them."""
        kinds = [(30, "click", self.click),
                 (22, "navigation key", lambda: self.keys(self.random.choice(NAVIGATION))),
                 (8, "access key", lambda: self.keys(self.random.choice(ACCESS_KEYS))),
                 (6, "ctrl+r", lambda: self.keys("ctrl+r")),
                 (3, "ctrl+c", lambda: self.keys("ctrl+c")),
                 (1, "ctrl+p", lambda: self.keys("ctrl+p")),
                 (8, "typing", self.type_in_metal4_box),
                 (4, "escape", lambda: self.keys("Escape")),
                 (1, "about", self.about),
                 (17, "screen reader", self.screen_reader)]
        _, kind, action = self.random.choices(kinds, weights=[weight for weight, _, _ in kinds])[0]
        self.recent.append(kind)
        try:
            self.actions[action() or kind] += 1
        except (IndexError, Failure):
            pass  # nothing of that kind is on view now
        except Exception as error:  # a screen reader's node went away meanwhile
            self.actions["%s, node gone: %s" % (kind, type(error).__name__)] += 1

    def about(self):
        run("xdotool", "windowactivate", self.main_window, check=False)
        self.keys("alt+h", "a")

    def warm_up(self):
        """Each feature once, so that what it keeps for good (the print
        system's client, the file dialog's icons and folder model, the
        About box, fonts, graphs with lines) is in place before the memory
        is first taken."""
        main, notebook = self.windows
        self.program.activate(main)
        self.click_on(self.program.get("Light On", "push button"))
        self.wait("the light on", lambda: self.program.find("Light Off", "push button"))
        self.keys("ctrl+c", "ctrl+p")
        bars = {name(node): node.queryValue() for node in self.nodes(self.top("Lumetra")) if role(node) == "scroll bar"}
        # The dial's readings, more than the picture keeps ready to draw.
        for position in range(0, 3000, 60):
            bars["Retarding Voltage"].currentValue = position
        # A line in each graph of the current: two voltages, two intensities.
        for voltage, intensity in ((0, 5), (3000, 5), (3000, 10)):
            bars["Retarding Voltage"].currentValue = voltage
            bars["Intensity"].currentValue = intensity
            time.sleep(0.2)
            self.keys("ctrl+r")
        self.keys("alt+z")
        time.sleep(0.5)
        self.keys("alt+z", "alt+u")
        self.program.set_text_in_background("Metal 4 number", "x")
        self.wait("the error box", lambda: len(self.program.x_windows()) > 2)
        self.settle()
        self.program.activate(main)
        self.keys("alt+u", "alt+h", "a")
        self.wait("the About box", lambda: len(self.program.x_windows()) > 2)
        self.settle()
        self.program.activate(notebook)
        self.keys("ctrl+c", "ctrl+p", "alt+a")
        self.wait("the file dialog", lambda: len(self.program.x_windows()) > 2)
        self.settle()
        self.program.activate(main)
        x, y, width, height = client_area(main)
        run("xdotool", "mousemove", str(x + 300), str(y + 200), "click", "3")
        self.wait("the picture's menu", lambda: len(self.program.x_windows()) > 2)
        self.settle()

    def drive(self, seconds):
        """Random actions for so many seconds, the windows checked every few."""
        until = time.monotonic() + seconds
        while time.monotonic() < until:
            self.alive()
            self.act()
            self.pump()
            time.sleep(0.02)
            if time.monotonic() >= self.next_check:
                self.inspect()
                self.next_check = time.monotonic() + CHECK_EVERY

    # -- checking ------------------------------------------------------------

    def settle(self):
        """Closes what is open over the windows (a menu, the About box, an
        error box, a file dialog) and waits for the screen reader's helpers
        and the notebook's rows to come to rest."""
        deadline = time.monotonic() + 60
        count = -1
        while True:
            windows = self.program.x_windows()
            if len(windows) > 2 or any(helper.poll() is None for helper in self.program.helpers):
                check(time.monotonic() < deadline, "windows still open over the two after a minute: %r" % [
                    (window, run("xdotool", "getwindowname", window, check=False).strip()) for window in windows])
                if len(windows) > 2:
                    self.keys("Escape")
                time.sleep(0.3)
                count = -1
                continue
            self.program.helpers = []
            # Record as I go writes a row two ticks after a change, and a box
            # that the last action raised may be on its way still.
            time.sleep(0.5)
            now = self.wait("the table", self.table).nRows
            if now == count and len(self.program.x_windows()) <= 2:
                return
            count = now

    def state(self):
        """Both windows as a screen reader reads them."""
        main_nodes = self.nodes(self.top("Lumetra"))
        seen = {"bars": {}, "labels": {}, "metals": []}
        for node in main_nodes:
            kind, label = role(node), name(node)
            if kind == "push button" and label in ("Light On", "Light Off"):
                seen["light"] = label
            elif kind == "push button" and label in ("Zoom In", "Zoom Out"):
                seen["zoom"] = (label, enabled(node), showing(node))
            elif kind == "check box" and label == "Slower Photoelectrons":
                seen["slower"] = (enabled(node), showing(node))
            elif kind == "check box" and label == "Unknown Metals":
                seen["unknown"] = checked(node)
            elif kind == "text" and label == "Metal 4 number":
                seen["metal4"] = (showing(node), text(node))
            elif kind == "radio button":
                seen["metals"].append((label, checked(node)))
            elif kind == "scroll bar" and label in ("Retarding Voltage", "Intensity", "Photon Energy"):
                bar = node.queryValue()
                seen["bars"][label] = (int(bar.currentValue), int(bar.minimumValue), int(bar.maximumValue),
                                       showing(node))
            elif kind == "label" and re.match(r"(lambda|ƒ|Energy) =", label):
                seen["labels"][label.split()[0]] = label if showing(node) else None
            elif kind == "image" and label == "Picture of the apparatus":
                seen["description"] = (node.description or "").strip()
            elif kind == "menu item" and label == "Record Measurement":
                seen["record"] = enabled(node)
        seen["rows"] = self.table().nRows
        return seen

    def check_window(self, seen):
        light_on = seen["light"] == "Light Off"
        zoom, zoom_enabled, zoom_shown = seen["zoom"]
        zoomed = zoom == "Zoom Out"
        unknown = seen["unknown"]
        voltage, intensity, colour = (seen["bars"][n] for n in ("Retarding Voltage", "Intensity", "Photon Energy"))
        description = seen["description"]
        check(zoom_enabled == light_on, "the light button reads %r, the Zoom button is %s"
              % (seen["light"], "enabled" if zoom_enabled else "disabled"))
        check(not zoomed or light_on, "zoomed in with the light off")
        check(seen["slower"][0] == zoomed, "Slower Photoelectrons is %s while %s"
              % ("enabled" if seen["slower"][0] else "disabled", zoom))
        check(intensity[3] == (not zoomed), "the intensity bar is %s while %s"
              % ("shown" if intensity[3] else "hidden", zoom))
        metal_names = [n for n, _ in seen["metals"]]
        check(seen["metal4"][0] == unknown and zoom_shown == (not unknown) and seen["slower"][1] == (not unknown)
              and metal_names == (UNKNOWN_METALS if unknown else KNOWN_METALS),
              "unknown-metals mode %s, but the metal-4 box %s, Zoom %s, the metals read %r"
              % ("on" if unknown else "off", "shown" if seen["metal4"][0] else "hidden",
                 "shown" if zoom_shown else "hidden", metal_names))
        for bar, (position, lowest, highest, _) in seen["bars"].items():
            check(lowest <= position <= highest, "%s at %d, outside %d..%d" % (bar, position, lowest, highest))
        expected = dict(zip(("lambda", "ƒ", "Energy"), photon_labels(colour[0])))
        for label, shown in seen["labels"].items():
            check(shown in (None, expected[label]), "the label reads %r at colour %d" % (shown, colour[0]))
        check(not unknown or (seen["labels"]["ƒ"] is None and seen["labels"]["Energy"] is None),
              "frequency or energy on view with unknown metals")
        check(("Retarding voltage %s V." % volts(voltage[0])) in description,
              "the dial reads otherwise than the voltage bar at %d: %r" % (voltage[0], description))
        checked_metals = [n for n, on in seen["metals"] if on]
        check(len(checked_metals) == 1 and ("Metal %s." % checked_metals[0]) in description,
              "metals checked %r, the picture says %r" % (checked_metals, description))
        check(description.startswith("The light is on") == light_on, "the light button reads %r, the picture %r"
              % (seen["light"], description))
        check(seen["record"] == (light_on and not zoomed), "Record Measurement is %s with the light %s, %s"
              % ("enabled" if seen["record"] else "disabled", "on" if light_on else "off", zoom))

    def check_notebook(self):
        """The rows: each recording announced once, the table as the file,
        nothing lost or changed of what was there before."""
        table = self.table()
        try:
            self.wait("every recording announced", lambda: self.earlier + self.announced() == table.nRows, timeout=30)
        except Failure:
            raise Failure("%d rows from the file and %d recordings announced, %d rows in the table"
                          % (self.earlier, self.announced(), table.nRows))
        saved = file_rows(self.path)
        check(len(saved) == table.nRows, "the table holds %d rows, the file %d" % (table.nRows, len(saved)))
        check(saved[:len(self.rows)] == self.rows, "rows recorded before have changed in the file")
        new = self.table_rows(len(self.rows))
        for number, (shown, kept) in enumerate(zip(new, saved[len(self.rows):]), len(self.rows) + 1):
            check(shown == kept, "row %d: the table shows %r, the file holds %r" % (number, shown, kept))
        if self.rows:
            at = self.random.randrange(len(self.rows))
            old = [name(table.getAccessibleAt(at, c)) for c in range(len(COLUMNS))]
            check(old == self.rows[at], "row %d reads %r, was %r" % (at + 1, old, self.rows[at]))
        for number, row in enumerate(new, len(self.rows) + 1):
            check_row(row, "row %d" % number)
        self.rows = saved

    def record_and_compare(self, seen):
        """Records the window as it stands and finds in the new row what the
        window shows, and nothing that it hides."""
        if not seen["record"]:
            return
        act(self.wait("Record", lambda: next(n for n in self.nodes(self.top("Notebook - "))
                                            if role(n) == "push button" and name(n) == "Record Measurement")),
            "Press")
        row = self.wait("the row recorded", lambda: self.table().nRows == len(self.rows) + 1 and
                        self.table_rows(len(self.rows))[0])
        metal = [n for n, on in seen["metals"] if on][0].split()[0]
        if seen["unknown"]:
            metal = ("unknown 4, number %s" % seen["metal4"][1] if metal == "4" else "unknown %s" % metal).strip()
        labels = seen["labels"]
        shown = [re.search(r"\d+(\.\d+)?", labels[k]).group(0) if labels[k] else "" for k in ("lambda", "ƒ", "Energy")]
        voltage = re.search(r"Retarding voltage (\S+) V\.", seen["description"]).group(1)
        intensity = str(seen["bars"]["Intensity"][0])
        check(row[:6] == [metal] + shown + [intensity, voltage] and row[6] in ("0", intensity),
              "recorded %r while the window showed %r" % (row, (metal, shown, intensity, voltage)))
        self.recorded_by_checks += 1
        self.check_notebook()

    def inspect(self):
        self.settle()
        for _ in range(20):
            first = self.state()
            if first == self.state():
                break
        else:
            raise Failure("the window does not come to rest")
        self.check_window(first)
        self.check_notebook()
        self.record_and_compare(first)
        self.checks += 1

    def resident(self):
        """The program's resident memory at rest, in KiB, with the same
        thing on the clipboard each time: the picture, which takes a
        quarter of the notebook's graphs. The least of three readings, as
        what is on its way (a print job, the screen reader's replies) comes
        and goes."""
        self.settle()
        self.program.activate(self.main_window)
        self.keys("ctrl+c")
        readings = []
        for _ in range(3):
            time.sleep(1)
            self.pump()
            readings.append(resident_kib(self.program.pid))
        return min(readings)

    # -- ending -------------------------------------------------------------

    def alive(self):
        status = self.program.process.poll()
        check(status is None, "the program ended with status %s after %d actions" % (status, sum(self.actions.values())))

    def end(self):
        """The program still answers a click, then ends as a user ends it."""
        light = self.wait("the light button", lambda: next(n for n in self.nodes(self.top("Lumetra"))
                                                          if name(n) in ("Light On", "Light Off")))
        before = name(light)
        act(light, "Press")
        self.wait("the light switched", lambda: any(name(n) in ("Light On", "Light Off") and name(n) != before
                                                     for n in self.nodes(self.top("Lumetra"))))
        # With Record as I go on, switching the light records a row.
        self.settle()
        self.check_notebook()
        # File > Exit by the mouse: a key on its way to the accessibility
        # registry as the program ends is a copy that Qt never frees.
        self.click_on(self.open_file_menu())
        status = self.program.wait_exit(60)
        check(file_rows(self.path) == self.rows, "the file read back after the end lacks rows")
        output = self.program.output()
        crash = re.search(r"Tracer caught signal.*|LeakSanitizer has encountered a fatal error", output)
        if crash:
            raise LeakCheckerFailed("the leak checker itself failed as the program ended: " + crash[0])
        reports, self.lost_keys = sanitizer_reports(output)
        check(not reports, "sanitizer reports: %s" % reports[:3])
        # The sanitizers end a program that leaked with status 1.
        check(status == (1 if self.lost_keys else 0), "the program ended with status %d" % status)

    def clean_up(self):
        folder = os.environ.get("CUPS_PDF_DIR", "")
        if os.path.isdir(folder):
            for entry in set(os.listdir(folder)) - self.pdf_before:
                os.remove(os.path.join(folder, entry))
        shutil.rmtree(self.data, ignore_errors=True)


def sanitizer_reports(output):
    """The sanitizers' reports in the program's output, and apart from them
    the key events that Qt's accessibility bridge loses. The bridge holds a
    copy of each key (a QKeyEvent of 88 bytes, allocated in QtGui, and its
    text) until the accessibility registry answers, and drops it unfreed
    when the key's receiver is gone by then: a dialog that the key closed."""
    reports = re.findall(r"ERROR: (?!LeakSanitizer)\w+Sanitizer.*|runtime error:.*", output)
    leaks = output.partition("ERROR: LeakSanitizer: detected memory leaks")[2]
    lost_keys = 0
    for leak in re.split(r"\n\s*\n", leaks):
        direct = re.match(r"\s*Direct leak of (\d+) byte\(s\) in (\d+) object", leak)
        if direct is None:
            continue  # what leaks indirectly hangs on a direct leak
        frames = re.findall(r"#\d+ .*", leak)
        if int(direct[1]) == 88 * int(direct[2]) and len(frames) == 2 and "libQt6Gui.so.6+" in frames[1]:
            lost_keys += int(direct[2])
        else:
            reports.append(leak.strip())
    return reports, lost_keys


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1))


class LeakCheckerFailed(Failure):
    pass


def desktop_soak(executable, seconds="120", seed="20261209", judge="sanitizers"):
    # The leak checker stops every thread to scan them, and on a rare end
    # (one in some thirty here) crashes itself as it does: it has judged
    # nothing then, and the soak runs once more.
    try:
        soak_once(executable, seconds, seed, judge)
    except LeakCheckerFailed as failure:
        log("soak (%s): %s; the soak runs once more" % (judge, failure))
        soak_once(executable, seconds, seed, judge)


def soak_once(executable, seconds, seed, judge):
    soak = Soak(executable, int(seed), judge)
    try:
        soak.warm_up()
        driving = time.monotonic()
        if judge == "memory":
            # Random driving fills Qt's own caches fastest in its first
            # minute (the style's pixmaps, glyphs, each menu's window, the
            # accessible table cells): the memory is first taken after it.
            soak.drive(WARM_UP_SECONDS)
        started = time.monotonic()
        soak.drive(10)
        resident_at_10, rows_at_10 = soak.resident(), soak.table().nRows
        soak.drive(float(seconds) - (time.monotonic() - started))
        soak.inspect()
        resident_at_end, rows_at_end = soak.resident(), soak.table().nRows
        soak.end()
        log("soak (%s): %d actions in %.1f min, %d checks, %d rows recorded (%d of them by the checks); %s"
            % (judge, sum(soak.actions.values()), (time.monotonic() - driving) / 60, soak.checks,
               len(soak.rows) - soak.earlier, soak.recorded_by_checks, ", ".join("%s %d" % item for item in sorted(soak.actions.items()))))
        log("soak (%s): resident %.1f MB after 10 s, %.1f MB at the end, %d rows recorded between; %d key events "
            "lost by Qt's accessibility bridge" % (judge, resident_at_10 / 1024, resident_at_end / 1024,
                                                   rows_at_end - rows_at_10, soak.lost_keys))
        if judge == "memory":
            limit = 2048 + ROW_KIB * (rows_at_end - rows_at_10)
            check(resident_at_end - resident_at_10 <= limit, "resident memory grew by %d KiB (limit %d with %d "
                  "rows recorded)" % (resident_at_end - resident_at_10, limit, rows_at_end - rows_at_10))
    except Failure:
        log("soak (%s): the last actions: %s" % (judge, " | ".join(soak.recent)))
        raise
    finally:
        soak.clean_up()


if __name__ == "__main__":
    main({"desktop_soak": desktop_soak})
