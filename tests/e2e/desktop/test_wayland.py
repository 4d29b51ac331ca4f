"""The program on a Wayland compositor (started by scripts/test, named by
WAYLAND_DISPLAY): it starts, animates, and quits cleanly, operated over
AT-SPI."""

import re

from desktop import Program, act, check, main, value, wait_until


def wayland_session():
    program = Program("wayland", QT_QPA_PLATFORM="wayland", DISPLAY=None)
    colour = program.get("Photon Energy", "scroll bar")
    colour.queryValue().currentValue = 1279
    wait_until("Photon Energy at 1279", lambda: value(colour) == 1279)
    act(program.get("Light On", "push button"), "Press")
    wait_until("caption Light Off", lambda: program.find("Light Off", "push button"))
    # The animation runs: the electrons reach the collecting plate.
    wait_until("the photocurrent in the picture's description",
               lambda: "A photocurrent flows." in program.description(), timeout=20)
    act(program.get("Exit", "push button"), "Press")
    status = program.wait_exit()
    check(status == 0, "Exit ended the program with status %s" % status)
    warnings = [line for line in program.output().splitlines()
                if re.search(r"does not support|qt\.qpa\.wayland", line)]
    check(not warnings, "warnings from the Wayland platform: %s" % warnings)


if __name__ == "__main__":
    main({"wayland_session": wayland_session})
