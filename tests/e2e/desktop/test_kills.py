"""The notebook's file through crashes: the real program killed with
SIGKILL at random moments of bursts of recorded rows (Ctrl+R held down, as
it were), again and again. After each kill the file is whole: it parses,
holds every row that was on disk before the burst and never a torn or
partial row, and the next start reads it without a word.

    test_kills.py kills_during_bursts [KILLS] [SEED]
"""

import os
import random
import shutil
import subprocess
import tempfile
import time

from desktop import LOG_DIR, PROGRAM, TITLE, check, log, main, notebook_file, run, wait_until


def start(data, log_file):
    environment = dict(os.environ, XDG_DATA_HOME=data, QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([PROGRAM], env=environment, stdin=subprocess.DEVNULL, stdout=log_file,
                               stderr=subprocess.STDOUT)
    window = wait_until("the main window", lambda: process.poll() is None and run(
        "xdotool", "search", "--all", "--onlyvisible", "--pid", str(process.pid), "--name", "^%s$" % TITLE,
        check=False).split(), timeout=20)[0]
    return process, window


def kills_during_bursts(kills="100", seed="20261209"):
    chance = random.Random(int(seed))
    data = tempfile.mkdtemp(prefix="lumetra-kills.")
    folder = os.path.join(data, "lumetra")
    path = os.path.join(folder, "notebook.csv")
    rows, saved, bursts_that_saved = [], 0, 0
    process = None
    try:
        with open(os.path.join(LOG_DIR, "kills.log"), "w") as log_file:
            for kill in range(1, int(kills) + 1):
                process, window = start(data, log_file)
                # The program read the file before it showed the window: a
                # file it could not read would have been moved aside by now.
                left = sorted(os.listdir(folder))
                check(left in ([], ["notebook.csv"]), "kill %d: the data folder holds %r" % (kill, left))
                run("xdotool", "windowactivate", "--sync", window)
                # The light on, then Ctrl+R as fast as a held key repeats.
                burst = subprocess.Popen(["xdotool", "key", "--delay", "15", "o"] + ["ctrl+r"] * 40,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(chance.uniform(0.1, 0.7))
                process.kill()
                process.wait()
                burst.kill()
                burst.wait()
                after = notebook_file(path) if os.path.exists(path) else []
                check(after[:len(rows)] == rows, "kill %d: rows on disk before the burst are gone or changed" % kill)
                saved += len(after) - len(rows)
                bursts_that_saved += len(after) > len(rows)
                rows = after
            process, _ = start(data, log_file)
            time.sleep(1)
            check(notebook_file(path) == rows and sorted(os.listdir(folder)) == ["notebook.csv"],
                  "the start after the last kill changed the file or moved it aside")
    finally:
        if process is not None and process.poll() is None:
            process.kill()
            process.wait()
    shutil.rmtree(data)
    check(bursts_that_saved > int(kills) // 2, "only %d bursts saved rows" % bursts_that_saved)
    log("kills: %s SIGKILLs in bursts of recordings; %d rows saved in %d of the bursts, the file whole after each"
        % (kills, saved, bursts_that_saved))


if __name__ == "__main__":
    main({"kills_during_bursts": kills_during_bursts})
