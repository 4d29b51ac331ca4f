"""The notebook as a student uses it under openbox and as a screen reader
reads it: opened from the menu, rows recorded with Ctrl+R in the main
window, the table and the results read back, the focus moved between the
two windows without resetting the experiment, the rows back after a
restart, and a damaged file moved aside with one message."""

import gzip
import os
import re
import resource
import shutil
import signal
import subprocess
import tempfile
import time

import pyatspi
from gi.repository import GLib

from desktop import NOTEBOOK_HEADER, Program, check, keys, log, main, name, notebook_file, text, value, wait_until


def table_rows(program):
    """The measurements' table as a screen reader reads it: each row's cells
    by their column headers."""
    node = program.get("Measurements", "table")
    table = node.queryTable()
    headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
    return [dict(zip(headers, (name(table.getAccessibleAt(r, c)) for c in range(table.nColumns))))
            for r in range(table.nRows)]


def results(program):
    return text(program.get("Results", "text"))


def announced_while(program, action, seconds=2.0):
    """The measurement announcements (the name of the notebook's last-row
    label changing) while `action` runs and shortly after."""
    events = []

    def on_change(event):
        if (event.source.name or "").startswith("Measurement "):
            events.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")
    action()
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_change, "object:property-change:accessible-name")
    return events


def notebook_session():
    data = tempfile.mkdtemp(prefix="lumetra-notebook.")
    program = Program("notebook", XDG_DATA_HOME=data)
    program.activate()
    program.wait_focus("Retarding Voltage")

    # Notebook > Show Notebook by its access keys: the notebook comes to the
    # front, empty; back in the main window nothing has been reset.
    keys("alt+n", "s")
    wait_until("the notebook's window", lambda: program.find("Measurements", "table", showing_only=True))
    check(table_rows(program) == [], "the notebook is not empty at the first start")
    check(results(program).startswith("No results yet."), "results at start: %r" % results(program))
    check(not program.find("Record Measurement", "push button").getState().contains(pyatspi.STATE_ENABLED),
          "Record is in use with the light off")
    program.activate()

    # Fast electrons, light on: the photocurrent flows within seconds.
    colour = program.get("Photon Energy", "scroll bar")
    colour.queryValue().currentValue = 1279
    wait_until("wavelength 379 nm", lambda: program.label_text("lambda =") == "lambda = 379 nm")
    keys("o")
    wait_until("the photocurrent", lambda: "A photocurrent flows." in program.description(), timeout=20)
    program.activate()
    program.wait_focus("Retarding Voltage")

    first = announced_while(program, lambda: keys("ctrl+r"))
    check(first == ["Measurement 1: 379 nm, 0.000 V, current 5"], "announced for the first row: %r" % first)
    keys("End")
    voltage = program.get("Retarding Voltage", "scroll bar")
    wait_until("the largest retarding voltage", lambda: value(voltage) == 3000)
    wait_until("no photocurrent", lambda: "A photocurrent flows." not in program.description())
    # The meter shows a tick's current at the next tick's redraw.
    time.sleep(0.3)
    second = announced_while(program, lambda: keys("ctrl+r"))
    check(second == ["Measurement 2: 379 nm, 3.807 V, no current"], "announced for the second row: %r" % second)

    rows = wait_until("two rows", lambda: (lambda r: r if len(r) == 2 else None)(table_rows(program)))
    check(rows[0] == {"Metal": "1", "Wavelength (nm)": "379", "Frequency (10¹⁴ Hz)": "7.91",
                      "Energy (eV)": "3.28", "Intensity": "5", "Voltage (V)": "0.000", "Current": "5"},
          "first row: %r" % rows[0])
    check(rows[1]["Voltage (V)"] == "3.807" and rows[1]["Current"] == "0", "second row: %r" % rows[1])
    check("7.91 × 10¹⁴ Hz (379 nm): stopping voltage 1.9 ± 1.9 V, between 0.000 V with a current and 3.807 V "
          "without." in results(program), "results: %r" % results(program))

    # Into the notebook and back, by the window manager: the light stays on.
    notebook_window = wait_until("the notebook's X window", program.notebook_window)
    program.activate(notebook_window)
    program.activate()
    check(program.find("Light Off", "push button") is not None, "switching windows switched the light off")
    check(value(voltage) == 3000, "switching windows reset the retarding voltage to %s" % value(voltage))

    # Ended and started again: the rows are there.
    program.stop()
    again = Program("notebook-again", XDG_DATA_HOME=data)
    again.activate()
    keys("alt+n", "s")
    wait_until("the notebook's window", lambda: again.find("Measurements", "table", showing_only=True))
    restored = wait_until("the rows after a restart", lambda: (lambda r: r if len(r) == 2 else None)(table_rows(again)))
    check(restored == rows, "after a restart: %r" % restored)
    again.stop()

    # A damaged file: one message, the file moved aside byte for byte, and
    # a working program with an empty notebook.
    path = os.path.join(data, "lumetra", "notebook.csv")
    damaged = b"\x00\x01 not a notebook \xff\r\n" * 100
    with open(path, "wb") as f:
        f.write(damaged)
    third = Program("notebook-damaged", XDG_DATA_HOME=data)
    box = wait_until("the message", third.dialog, timeout=10)
    message = third.dialog_text(box)
    check("could not be read" in message and "notebook starts empty" in message, "message: %r" % message)
    keys("Return")
    wait_until("the message closed", lambda: third.dialog() is None)
    aside = [f for f in os.listdir(os.path.join(data, "lumetra")) if f.startswith("notebook.csv.damaged-")]
    check(len(aside) == 1, "files moved aside: %r" % aside)
    with open(os.path.join(data, "lumetra", aside[0]), "rb") as f:
        check(f.read() == damaged, "the damaged file was changed when it was moved aside")
    check(aside[0] in message, "the message does not say where the file went: %r" % message)
    check(third.find("Light On", "push button") is not None, "the program does not answer after the message")
    log("notebook: %d rows recorded, read back, restored; damaged file moved to %s" % (len(rows), aside[0]))


ROWS = [(671, 4.47, 1.85, 0.348, 5), (671, 4.47, 1.85, 0.354, 0), (534, 5.61, 2.33, 0.819, 5),
        (534, 5.61, 2.33, 0.822, 0), (397, 7.55, 3.13, 1.618, 5), (397, 7.55, 3.13, 1.620, 0)]


def notebook_with_rows():
    data = tempfile.mkdtemp(prefix="lumetra-notebook-out.")
    os.makedirs(os.path.join(data, "lumetra"))
    with open(os.path.join(data, "lumetra", "notebook.csv"), "w", newline="") as f:
        f.write("metal,unknown,metal4_number,wavelength_nm,frequency_1e14_Hz,photon_energy_eV,intensity,"
                "retarding_voltage_V,photocurrent\r\n")
        for wavelength, frequency, energy, voltage, current in ROWS:
            f.write("1,0,,%d,%.2f,%.2f,5,%.3f,%d\r\n" % (wavelength, frequency, energy, voltage, current))
    return data


def clipboard(target):
    return subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"], stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, timeout=10).stdout


def spreadsheet_cells(tab_separated, locale):
    """What a real spreadsheet makes of the text pasted in the locale: each
    cell's text and whether it is a number."""
    folder = tempfile.mkdtemp(prefix="lumetra-sheet.")
    source, sheet = os.path.join(folder, "pasted.tsv"), os.path.join(folder, "pasted.gnumeric")
    with open(source, "wb") as f:
        f.write(tab_separated)
    subprocess.run(["ssconvert", source, sheet], env=dict(os.environ, LC_ALL=locale), check=True, timeout=60,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with gzip.open(sheet, "rt", encoding="utf-8") as f:
        xml = f.read()
    return {(int(row), int(col)): (kind == "40", value)
            for row, col, kind, value in re.findall(r'<gnm:Cell Row="(\d+)" Col="(\d+)" ValueType="(\d+)">([^<]*)', xml)}


def notebook_out_session():
    """The notebook's rows out to the clipboard (tab-separated text a
    spreadsheet reads as numbers, in English and in German; CSV; the graphs
    as a PNG picture) and to the default printer."""
    data = notebook_with_rows()
    # German numbers, with the texts in English that the tree is read by.
    for locale, decimal in (("C.UTF-8", "."), ("de_DE.UTF-8", ",")):
        program = Program("notebook-out-" + locale, XDG_DATA_HOME=data, LC_ALL=locale, LANGUAGE="en")
        program.activate()
        keys("alt+n", "s")
        wait_until("the notebook's table", lambda: program.find("Measurements", "table", showing_only=True))
        if decimal == ".":
            uncertainties(program)
        keys("ctrl+c")
        text_copied = wait_until("text on the clipboard", lambda: clipboard("UTF8_STRING"))
        check(("0%s348" % decimal).encode() in text_copied, "copied text: %r" % text_copied[:200])
        cells = spreadsheet_cells(text_copied, locale)
        for row in range(1, len(ROWS) + 1):
            for column in range(1, 7):
                check(cells.get((row, column), (False, ""))[0],
                      "%s: cell %d,%d is not a number: %r" % (locale, row, column, (cells.get((row, column)),)))
        csv = clipboard("text/csv").decode()
        check(csv.splitlines()[1] == "1,0,,671,4.47,1.85,5,0.348,5", "text/csv: %r" % csv[:200])
        picture = clipboard("image/png")
        check(picture.startswith(b"\x89PNG") and len(picture) > 10000, "no graphs as PNG on the clipboard")
        if decimal == ".":
            printed(program)
        program.stop()


def uncertainties(program):
    """The three colours' lab as a screen reader reads it: the results with
    their standard errors and range of lines, and the graph's description."""
    said = results(program)
    for expected in ("stopping voltage 0.351 ± 0.003 V", "Planck's constant h = (", "degrees of freedom",
                     "Lines through every error bar: h from ", "Threshold frequency f₀ = W/h = ",
                     "The accepted h lies "):
        check(expected in said, "the results lack %r: %r" % (expected, said))
    graph = program.get("Stopping voltage against frequency").description
    for expected in ("3 points, each with its error bar", "line h = (", "dashed to the frequency axis at f₀ = ",
                     "dashed lines through every error bar from h = "):
        check(expected in graph, "the graph's description lacks %r: %r" % (expected, graph))


def printed(program):
    """Ctrl+P in the notebook: a PDF through the real CUPS-PDF queue that
    holds the table and the results."""
    folder = os.environ["CUPS_PDF_DIR"]
    before = set(os.listdir(folder)) if os.path.isdir(folder) else set()
    keys("ctrl+p")

    def new_pdf():
        if not os.path.isdir(folder):
            return None
        for entry in sorted(set(os.listdir(folder)) - before):
            path = os.path.join(folder, entry)
            with open(path, "rb") as f:
                if entry.endswith(".pdf") and f.read().rstrip().endswith(b"%%EOF"):
                    return path
        return None

    pdf = wait_until("the notebook's PDF from CUPS-PDF", new_pdf, timeout=30)
    words = subprocess.run(["pdftotext", "-layout", pdf, "-"], stdout=subprocess.PIPE, check=True,
                           timeout=60).stdout.decode()
    os.remove(pdf)
    # A long line of the results wraps on the page.
    words = " ".join(words.split())
    for expected in ("Voltage (V)", "0.348", "1.620", "Fit through 3 stopping voltages", "Planck"):
        check(expected in words, "the printed notebook lacks %r: %r" % (expected, words[:400]))


HEADER = ",".join(NOTEBOOK_HEADER)


def damaged_starts():
    """Starts with files that are not the notebook's: each gives one clear
    message, the file moved aside untouched and a working program; the
    notebook's file as a spreadsheet saves it is read as it is; a data
    folder that cannot be made is told and the notebook works on."""
    good = (HEADER + "\r\n1,0,,671,4.47,1.85,5,0.348,5\r\n1,0,,671,4.47,1.85,5,0.354,0\r\n").encode()
    cases = [
        ("truncated", good[:len(good) - 9]),
        ("binary", bytes(range(256)) * 64),
        ("100 MB", good + b"1,0,,671,4.47,1.85,5,0.354,0\r\n" * (100 * 1024 * 1024 // 30)),
        ("another program's CSV", b"Name,Email,Phone\r\nAda,ada@example.invalid,555\r\n"),
        ("values out of range", (HEADER + "\r\n7,0,,511,5.86,2.43,11,9.000,3\r\n").encode()),
    ]
    for what, content in cases:
        data = tempfile.mkdtemp(prefix="lumetra-damaged.")
        folder = os.path.join(data, "lumetra")
        os.makedirs(folder)
        with open(os.path.join(folder, "notebook.csv"), "wb") as f:
            f.write(content)
        program = Program("damaged-" + what.replace(" ", "-").replace("'", ""), XDG_DATA_HOME=data)
        box = wait_until("%s: the message" % what, program.dialog, timeout=20)
        message = program.dialog_text(box)
        check("could not be read" in message, "%s: message %r" % (what, message))
        keys("Return")
        wait_until("%s: the message closed" % what, lambda: program.dialog() is None)
        aside = [f for f in os.listdir(folder) if f.startswith("notebook.csv.damaged-")]
        check(len(aside) == 1 and not os.path.exists(os.path.join(folder, "notebook.csv")),
              "%s: files %r" % (what, os.listdir(folder)))
        with open(os.path.join(folder, aside[0]), "rb") as f:
            check(f.read() == content, "%s: the file was changed when it was moved aside" % what)
        act_on(program.get("Light On", "push button"))
        wait_until("%s: the program answers" % what, lambda: program.find("Light Off", "push button"))
        program.stop()
        shutil.rmtree(data)

    # Saved again by a spreadsheet: a byte-order mark, LF line ends, every cell quoted.
    data = tempfile.mkdtemp(prefix="lumetra-spreadsheet.")
    os.makedirs(os.path.join(data, "lumetra"))
    with open(os.path.join(data, "lumetra", "notebook.csv"), "wb") as f:
        f.write(("\ufeff" + "\n".join('"' + line.replace(",", '","') + '"'
                                        for line in good.decode().split("\r\n") if line) + "\n").encode())
    program = Program("spreadsheet-saved", XDG_DATA_HOME=data)
    program.activate()
    keys("alt+n", "s")
    rows = wait_until("the spreadsheet's rows", lambda: (lambda r: r if len(r) == 2 else None)(table_rows(program)))
    check(rows[1]["Voltage (V)"] == "0.354", "rows read from the spreadsheet's file: %r" % rows)
    check(program.dialog() is None, "a message for the spreadsheet's file")
    program.stop()

    log("damaged starts: %d files moved aside, a spreadsheet's copy read" % len(cases))


def disk_trouble():
    """A data folder that cannot be made: one message, the rows kept in
    memory, and Save As writes them elsewhere. A disk that fills up in the
    middle of a save: one message, and the old file stays as it was."""
    data = tempfile.mkdtemp(prefix="lumetra-unwritable.")
    blocker = os.path.join(data, "not-a-folder")
    with open(blocker, "w") as f:
        f.write("a file where the data folder should be")
    program = Program("unwritable", XDG_DATA_HOME=blocker, HOME=data)
    told_once(program, "cannot be saved", "kept in memory")
    record_two_rows(program)
    check(program.dialog() is None, "a second message for the same folder")
    # Notebook > Save As…: the file dialog's name box, then Return.
    keys("alt+a")
    wait_until("the file dialog", program.dialog, timeout=10)
    elsewhere = os.path.join(data, "saved.csv")
    keys("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "20", elsewhere], check=True, timeout=30)
    keys("Return")
    saved = wait_until("the notebook saved elsewhere", lambda: os.path.exists(elsewhere) and notebook_file(elsewhere))
    check(len(saved) == 2, "Save As wrote %d rows" % len(saved))
    program.stop()

    folder = os.path.join(data, "lumetra")
    os.makedirs(folder)
    path = os.path.join(folder, "notebook.csv")
    before = (HEADER + "\r\n1,0,,671,4.47,1.85,5,0.348,5\r\n").encode()
    with open(path, "wb") as f:
        f.write(before)

    def full_disk():
        # Files may grow to a few bytes past the notebook: the next save
        # stops half-way, as on a full disk, and is told rather than fatal.
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (len(before) + 10, len(before) + 10))

    program = Program("full-disk", preexec=full_disk, XDG_DATA_HOME=data)
    record_two_rows(program, then=lambda: told_once(program, "cannot be saved", "kept in memory"))
    check(len(table_rows(program)) == 3, "the rows are not kept in memory: %r" % table_rows(program))
    with open(path, "rb") as f:
        check(f.read() == before, "the failed save changed the notebook's file")
    check(os.listdir(folder) == ["notebook.csv"], "left in the data folder: %r" % os.listdir(folder))
    program.stop()
    shutil.rmtree(data)
    log("disk trouble: an unwritable folder told once and its rows saved elsewhere; a save cut short left the file")


def told_once(program, *words):
    box = wait_until("the message", program.dialog, timeout=20)
    message = program.dialog_text(box)
    check(all(word in message for word in words), "message: %r" % message)
    keys("Return")
    wait_until("the message closed", lambda: program.dialog() is None)


def record_two_rows(program, then=lambda: None):
    """The light on and Ctrl+R in the main window, `then`, Ctrl+R again; the
    notebook then has the focus."""
    program.activate()
    keys("o", "ctrl+r")
    then()
    program.activate()
    keys("ctrl+r")
    program.activate(wait_until("the notebook's X window", program.notebook_window))
    wait_until("the rows", lambda: len(table_rows(program)) >= 2)


def act_on(node):
    node.queryAction().doAction(0)


if __name__ == "__main__":
    main({"notebook_session": notebook_session, "notebook_out_session": notebook_out_session,
          "damaged_starts": damaged_starts, "disk_trouble": disk_trouble})
