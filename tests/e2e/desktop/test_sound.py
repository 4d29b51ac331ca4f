"""The experiment heard: the real program under openbox plays its clicks on a
real sound server (PulseAudio with a null sink, started by scripts/test and
passed in PULSE_SERVER), and what reaches the sink is recorded from its
monitor with parec and counted, click by click. The keys are a user's, typed
with xdotool."""

import os
import subprocess
import tempfile
import threading
import time

from desktop import Failure, Program, check, checked, keys, log, main, wait_until

RATE = 48000
THRESHOLD = int(0.05 * 32767)  # a click peaks at about a third of full scale; silence is 0
REFRACTORY = int(0.02 * RATE)  # one click lasts 4 ms; two are 100 ms apart at the fastest
SINK = os.environ.get("LUMETRA_TEST_SINK", "lumetra_test")


class Recorder:
    """Everything the sink plays from now on, as 16-bit mono samples, with
    the number of samples received so far as a mark in time. Samples arrive
    a little after they are played, so a mark lies a little early: a
    window measured from it ends early, never late."""

    def __init__(self):
        self.samples = bytearray()
        self.lock = threading.Lock()
        self.process = subprocess.Popen(
            ["parec", "-d", SINK + ".monitor", "--raw", "--format=s16le", "--channels=1", "--rate=%d" % RATE,
             "--latency-msec=100"], stdout=subprocess.PIPE, stdin=subprocess.DEVNULL)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        wait_until("the recording of the sink's monitor", lambda: self.mark() > RATE // 10, timeout=5)

    def _read(self):
        while True:
            chunk = self.process.stdout.read1(4096)
            if not chunk:
                return
            with self.lock:
                self.samples += chunk

    def mark(self):
        with self.lock:
            return len(self.samples) // 2

    def clicks(self, start, end):
        """The times (s from `start`) of the clicks between two marks."""
        with self.lock:
            data = memoryview(bytes(self.samples[2 * start:2 * end])).cast("h")
        found, last = [], -REFRACTORY
        for i, sample in enumerate(data):
            if abs(sample) > THRESHOLD:
                if i - last >= REFRACTORY:
                    found.append(i / RATE)
                last = i
        return found

    def sounding(self, start, end):
        """The share of the samples between two marks that are not silent."""
        with self.lock:
            data = memoryview(bytes(self.samples[2 * start:2 * end])).cast("h")
        return sum(1 for sample in data if abs(sample) > 300) / max(1, len(data))

    def listen(self, seconds, settle=0.3):
        """The clicks heard over `seconds`, after `settle` for the last
        action to take effect; the marks of that time are kept in `last`."""
        time.sleep(settle)
        start = self.mark()
        time.sleep(seconds)
        self.last = (start, self.mark())
        return self.clicks(*self.last)

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=5)


def heard(what, clicks, seconds):
    log("%s: %d clicks in %.1f s (%.2f a second)" % (what, len(clicks), seconds, len(clicks) / seconds))
    return len(clicks)


def silent(recorder, what, seconds=1.5):
    clicks = recorder.listen(seconds)
    heard(what, clicks, seconds)
    check(not clicks, "%s, yet %d clicks were heard, at %s s" % (what, len(clicks), clicks[:5]))


def sound_session():
    config = tempfile.mkdtemp(prefix="lumetra-sound-config.")
    recorder = Recorder()
    try:
        heard_session(recorder, config)
    finally:
        recorder.stop()


def heard_session(recorder, config):
    program = Program("sound", XDG_CONFIG_HOME=config)
    program.activate()
    sound = program.get("Sound", "menu item")
    check(not checked(sound), "Sound is on at the first start")

    # Light on at intensity 10; the stream reaches the collector on the
    # 211th tick, 10.6 s later.
    program.wait_focus("Retarding Voltage")
    keys("Tab")
    program.wait_focus("Intensity")
    keys("End", "o")
    wait_until("the light on", lambda: program.find("Light Off", "push button"))
    wait_until("the photocurrent", lambda: "A photocurrent flows." in program.description(), timeout=15)
    silent(recorder, "Sound off")

    # Options > Sound, by its access keys.
    keys("alt+o", "s")
    wait_until("Sound checked", lambda: checked(sound))
    fast = recorder.listen(3.0)
    heard("intensity 10", fast, 3.0)
    # A click is a few milliseconds of sound, not a tone that rings on:
    # ten a second leave the sink silent most of the time.
    sounding = recorder.sounding(*recorder.last)
    log("intensity 10: sound in %.1f %% of the samples" % (100 * sounding))
    check(0 < sounding < 0.05, "sound in %.1f %% of the samples at 10 clicks a second" % (100 * sounding))
    keys("Home")
    slow = recorder.listen(3.0)
    heard("intensity 1", slow, 3.0)
    # One electron every 2 ticks at intensity 10, every 11 at intensity 1.
    check(24 <= len(fast) <= 33, "%d clicks in 3 s at intensity 10, not about 30" % len(fast))
    check(3 <= len(slow) <= 7 and len(slow) < len(fast) / 3,
          "%d clicks in 3 s at intensity 1, not about 5.5" % len(slow))
    keys("End")

    # Past the stopping voltage: silence within a second, and after it.
    keys("shift+Tab")
    program.wait_focus("Retarding Voltage")
    time.sleep(1.0)
    raised = recorder.mark()
    keys("End")
    time.sleep(3.0)
    after = recorder.clicks(raised, recorder.mark())
    heard("the voltage raised to 3.807 V", after, 3.0)
    check(all(t < 1.0 for t in after), "clicks %.2f s after the voltage rose past the stopping voltage" % max(after or [0]))
    keys("Home")
    check(recorder.listen(1.0), "no clicks once the voltage is back at 0")

    # Minimised: nobody hears it; back on the screen, the clicks go on.
    window = program.window()
    subprocess.run(["xdotool", "windowminimize", "--sync", window], check=True, timeout=10)
    silent(recorder, "the window minimised")
    program.activate(window)
    check(recorder.listen(1.0), "no clicks once the window is back")

    # Light off: silence.
    keys("o")
    wait_until("the light off", lambda: program.find("Light On", "push button"))
    silent(recorder, "the light off", 1.0)
    program.stop()

    # The choice is remembered. With no sound server to reach the program
    # stays silent: no error box, and the experiment goes on.
    program = Program("no-server", XDG_CONFIG_HOME=config, PULSE_SERVER="unix:" + os.path.join(config, "none"))
    program.activate()
    check(checked(program.get("Sound", "menu item")), "Sound is not remembered from the last start")
    keys("o")
    wait_until("the light on without a server", lambda: program.find("Light Off", "push button"))
    time.sleep(1.0)
    check(program.dialog() is None, "a box appeared without a sound server")
    check(len(program.x_windows()) == 1, "another window appeared without a sound server")
    check(program.process.poll() is None, "the program ended without a sound server")


if __name__ == "__main__":
    main({"sound_session": sound_session})
