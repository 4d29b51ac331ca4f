"""The notebook's file through crashes: the real program killed with
SIGKILL at random moments of bursts of recorded rows (Ctrl+R held down, as
it were), again and again. After each kill the file is whole: it parses,
holds every row that was on disk before the burst and never a torn or
partial row, and the next start reads it without a word.

    test_kills.py kills_during_bursts [KILLS] [SEED]
"""

import os
import random
import re
import shutil
import subprocess
import tempfile
import time

from desktop import Program, check, log, main, notebook_file, run, wait_until


def file_size(path):
    return os.path.getsize(path) if os.path.exists(path) else 0


def notebook_and_unfinished_saves(folder):
    """Whether the folder holds nothing but the notebook and what a kill
    during a save leaves beside it: the save's temporary file, never read."""
    return all(re.fullmatch(r"notebook\.csv(\.[A-Za-z0-9]{6})?", entry) for entry in os.listdir(folder))


def kills_during_bursts(kills="100", seed="20261209"):
    chance = random.Random(int(seed))
    data = tempfile.mkdtemp(prefix="lumetra-kills.")
    folder = os.path.join(data, "lumetra")
    path = os.path.join(folder, "notebook.csv")
    rows, saved, bursts_cut_short = [], 0, 0
    program = None
    try:
        for kill in range(1, int(kills) + 1):
            program = Program("kills", XDG_DATA_HOME=data)
            # The program read the file before it showed the window: a file
            # it could not read would have been moved aside by now.
            check(notebook_and_unfinished_saves(folder), "kill %d: the data folder holds %r"
                  % (kill, os.listdir(folder)))
            program.activate()
            size_before = file_size(path)
            # The light on, then Ctrl+R as fast as a held key repeats.
            burst = subprocess.Popen(["xdotool", "key", "--delay", "15", "o"] + ["ctrl+r"] * 40,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # The kill falls at a random moment after the burst's first row
            # reached the disk, so that the burst is cut short while rows are
            # being written, however slow the machine.
            wait_until("the burst's first row on disk", lambda: file_size(path) > size_before, timeout=20)
            time.sleep(chance.uniform(0, 0.5))
            program.process.kill()
            program.stop()
            burst.kill()
            burst.wait()
            # A burst cut short may leave Ctrl held down on the display.
            run("xdotool", "keyup", "ctrl", "r", "o")
            after = notebook_file(path)
            check(after[:len(rows)] == rows, "kill %d: rows on disk before the burst are gone or changed" % kill)
            saved += len(after) - len(rows)
            bursts_cut_short += len(after) - len(rows) < 40
            rows = after
        program = Program("kills", XDG_DATA_HOME=data)
        check(notebook_file(path) == rows and notebook_and_unfinished_saves(folder) and os.path.exists(path),
              "the start after the last kill changed the file or moved it aside")
    finally:
        if program is not None:
            program.stop()
    shutil.rmtree(data)
    check(bursts_cut_short > int(kills) // 2, "only %d bursts were cut short" % bursts_cut_short)
    log("kills: %s SIGKILLs in bursts of recordings, %d of them before the burst's end; %d rows saved, "
        "the file whole after each" % (kills, bursts_cut_short, saved))


if __name__ == "__main__":
    main({"kills_during_bursts": kills_during_bursts})
