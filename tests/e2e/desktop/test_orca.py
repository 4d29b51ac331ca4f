"""A blind student's lab, by keyboard alone, heard through a real screen
reader: Orca runs on the tests' accessibility bus with a fresh profile, and
what it says is read from its own debug log, where every utterance is a
line `SPEECH OUTPUT: '...'`."""

import datetime
import os
import pty
import re
import shutil
import statistics
import subprocess
import tempfile
import threading
import time
import tty

from desktop import LOG_DIR, Failure, end, Program, check, keys, log, main, wait_until

SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?: ?\{.*\})?\s*$", re.M)


def time_of_day():
    now = datetime.datetime.now()
    return now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6


class Orca:
    """Orca started after the program, stopped by its PID."""

    def __init__(self, label, language="C.UTF-8"):
        self.profile = tempfile.mkdtemp(prefix="lumetra-orca.")
        self.log_path = os.path.join(LOG_DIR, label + "-orca.log")
        self.log = open(self.log_path, "wb")
        self.content = bytearray()
        self.lock = threading.Lock()
        # Orca writes its log through a buffer that a file fills only now and
        # then; to a terminal it writes each line as it goes.
        master, terminal = pty.openpty()
        tty.setraw(terminal)
        threading.Thread(target=self._follow, args=(master,), daemon=True).start()
        environment = dict(os.environ, LANG=language, LC_ALL=language)
        environment.pop("LANGUAGE", None)
        self.process = subprocess.Popen(
            ["orca", "--replace", "-u", self.profile, "--debug-file", os.ttyname(terminal)], env=environment,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.since = time_of_day()
        self.latencies = []
        wait_until("Orca's first words", lambda: self.utterances(), timeout=30)

    def _follow(self, master):
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            with self.lock:
                self.content += chunk
            self.log.write(chunk)
            self.log.flush()

    def utterances(self):
        """(time of day in seconds, text) of every utterance so far."""
        with self.lock:
            content = self.content.decode("utf-8", errors="replace")
        return [(int(h) * 3600 + int(m) * 60 + float(s), text) for h, m, s, text in SPOKEN.findall(content)]

    def press(self, key, *expected, timeout=3.0, absent=()):
        """Types the key, then waits until Orca has said each expected phrase
        (regular expressions, in order, among what it says after the key) and
        none of `absent`. Keeps the time from the key to the first of them."""
        self.since = time_of_day()
        keys(key)
        said = self.hear(*expected, timeout=timeout, absent=absent, what=key)
        self.latencies.append(said[0][0] - self.since)
        return [text for _, text in said]

    def hear(self, *expected, timeout=3.0, absent=(), what="now"):
        """What Orca said since the last key, up to the expected phrases.
        Orca writes its log in bursts, so an utterance is placed by its own
        time, not by when it appears in the file."""
        def all_said():
            said = [(when, text) for when, text in self.utterances() if when >= self.since]
            matched = []
            for pattern in expected:
                found = next((i for i in range(len(said)) if re.search(pattern, said[i][1])), None)
                if found is None:
                    return None
                matched.append(said[found])
                said = said[found + 1:]
            return matched

        try:
            matched = wait_until("Orca", all_said, timeout=timeout)
        except Failure:
            heard = [text for when, text in self.utterances() if when >= self.since]
            raise Failure("after %s Orca said %r, not %r" % (what, heard, list(expected)))
        for when, text in self.utterances():
            if self.since <= when <= matched[-1][0]:
                for pattern in absent:
                    check(not re.search(pattern, text), "after %s Orca said %r" % (what, text))
        return matched

    def stop(self):
        end(self.process)
        shutil.rmtree(self.profile, ignore_errors=True)
        self.log.close()


def tab_to(orca, spoken):
    """Tabs until Orca names the control: the focus that the window manager
    hands over at start is not Orca's to tell. Orca, just started, still
    catches up with the events of its start for a moment."""
    time.sleep(2)
    for _ in range(10):
        try:
            orca.press("Tab", spoken, timeout=4)
            return
        except Failure:
            pass
    raise Failure("Tab never reached %r" % spoken)


def report(orca, steps):
    latencies = sorted(orca.latencies)
    log("%d steps, %d utterances; key to speech: median %.0f ms, longest %.0f ms" % (
        steps, len(orca.utterances()), 1000 * statistics.median(latencies), 1000 * latencies[-1]))


def heard_lab():
    program = Program("orca-lab", XDG_DATA_HOME=tempfile.mkdtemp(prefix="lumetra-orca-lab."))
    orca = Orca("orca-lab")
    steps = 0
    try:
        program.activate()
        orca.hear("Lumetra Photoelectric Effect frame", timeout=10)
        tab_to(orca, "^Retarding Voltage scroll bar")

        # Every control in the keyboard order, by name, role and value or state.
        for spoken in (["^Intensity scroll bar 5"], ["^Photon Energy scroll bar", "^511 nm"],
                       ["Unknown Metals check box not checked"], ["^Light On push button"],
                       [r"^1 \(1\.50 eV\)", "selected radio button"], ["^Exit push button"],
                       ["^Picture of the apparatus image", "^The light is off. Metal 1 "],
                       ["^Retarding Voltage scroll bar", r"^0\.000 V"]):
            orca.press("Tab", *spoken)
            steps += 1

        # Each bar speaks its reading as the window shows it.
        orca.press("Right", r"^0\.070 V", absent=[r"^1$"])
        orca.press("Left", r"^0\.000 V")
        orca.press("Tab", "^Intensity")
        orca.press("Right", "^6")
        orca.press("Tab", "^Photon Energy")
        orca.press("End", "^379 nm", absent=["^1279$"])
        orca.press("Home", "^671 nm")
        orca.press("End", "^379 nm")
        steps += 8

        # The light on, and the current once electrons reach the collector.
        orca.press("o", "^Light on")
        orca.hear("^Current flowing", timeout=30, what="the light on")
        # The voltage past the cut-off: the reading, then that the current stopped.
        orca.press("shift+Tab", "^Intensity")
        orca.press("shift+Tab", "^Retarding Voltage")
        orca.press("Prior", r"^0\.[1-9]\d\d V", absent=["No current"])
        orca.press("End", r"^3\.807 V")
        orca.hear("^No current", timeout=5, what="the cut-off")
        steps += 5

        # Recordings, from the main window: each announced once.
        orca.press("ctrl+r", r"^Measurement 1: 379 nm, 3\.807 V, no current", absent=["^Measurement 2"])
        orca.press("Home", r"^0\.000 V")
        orca.hear("^Current flowing", timeout=30, what="the voltage lowered")
        orca.press("ctrl+r", r"^Measurement 2: 379 nm, 0\.000 V, current 6")
        time.sleep(1)
        check(len([t for _, t in orca.utterances() if t.startswith("Measurement 2")]) == 1,
              "the second recording was announced more than once")
        steps += 4

        # The notebook: a row read across its columns, and the results line by line.
        notebook = wait_until("the notebook's window", program.notebook_window)
        program.activate(notebook)
        orca.hear("^Notebook - Lumetra", timeout=5)
        orca.press("alt+m", "^Measurements", "table with 2 rows")
        orca.press("Down", "^379")
        orca.press("Right", r"^Wavelength \(nm\).* 379")
        orca.press("Right", r"^Frequency \(10¹⁴ Hz\).* 7\.91")
        orca.press("ctrl+r", r"^Measurement 3: 379 nm, 0\.000 V, current 6")
        orca.press("alt+s", "^Results")
        orca.press("Down", "h =|h is|Planck|stopping|Metal", timeout=3)
        steps += 7

        # Dialogs are spoken as they open.
        orca.press("alt+l", "Clear", timeout=4)
        orca.press("Escape", "^Notebook - Lumetra|Results|Measurements")
        program.activate()
        orca.hear("Lumetra Photoelectric Effect frame", timeout=5)
        time.sleep(1)
        tab_to(orca, "Unknown Metals check box")
        orca.press("space", "^checked|Unknown Metals check box checked")
        tab_to(orca, "Metal 4 number text")
        orca.press("BackSpace", "^alert Lumetra Photoelectric Effect", "is not a valid floating point value")
        orca.press("Return", "Metal 4 number|Lumetra Photoelectric Effect frame")
        time.sleep(1)
        orca.press("alt+h", "About", timeout=6)
        orca.press("a", "^About dialog Lumetra Photoelectric Effect")
        orca.press("Escape", "Lumetra Photoelectric Effect frame")
        steps += 9
        report(orca, steps)
    finally:
        orca.stop()


def heard_in_german():
    program = Program("orca-de", exit_name="Beenden", XDG_DATA_HOME=tempfile.mkdtemp(prefix="lumetra-orca-de."),
                      LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
    orca = Orca("orca-de", "de_DE.UTF-8")
    try:
        orca.hear("Lumetra Photoelektrischer Effekt", timeout=10)
        tab_to(orca, "^Gegenspannung")
        orca.press("Right", r"^0,070 V")
        orca.press("Tab", "^Intensität")
        orca.press("Tab", "^Photonenenergie", "^511 nm")
        orca.press("Tab", "Metall unbekannt")
        orca.press("Tab", "^Licht an")
        orca.press("space", "^Licht an$|^Licht an\\.")
        orca.hear("^Strom fließt", timeout=30, what="the light on")
        orca.press("ctrl+r", r"^Messung 1: 511 nm, 0,070 V, Strom 5")
        report(orca, 8)
    finally:
        orca.stop()


if __name__ == "__main__":
    main({"heard_lab": heard_lab, "heard_in_german": heard_in_german})
