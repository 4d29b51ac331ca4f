"""A keyboard-only user under the openbox window manager: every control in
order with Tab and Shift+Tab, each scroll bar moved by its keys and by the
mouse wheel, the access keys, and the metal-4 edit box left alone by
everything but a move of the focus into it."""

import subprocess
import time

from desktop import (KNOWN_METALS, PICTURE, UNKNOWN_METALS, Failure, Program, act, check, keys, main, run,
                     showing, value, wait_until, wheel)

# The keyboard order at start: Zoom In and Slower Photoelectrons are
# disabled and the metal-4 box hidden, so Tab passes them by.
ORDER_AT_START = ["Retarding Voltage", "Intensity", "Photon Energy", "Unknown Metals", "Light On",
                  "1 (1.50 eV)", "Exit", PICTURE]


def walk_order(program, expected, key):
    seen = []
    for wanted in expected:
        keys(key)
        try:
            program.wait_focus(wanted, timeout=2)
        except Failure:
            raise Failure("%s from %r went to %r, not %r (walked: %s)"
                          % (key, seen[-1] if seen else "start", program.focus_name(), wanted, seen))
        seen.append(wanted)


def bar_keys(program, bar, steps):
    """Types each key on the focused bar and waits for the value it must give."""
    node = program.get(bar, "scroll bar")
    for key, expected in steps:
        before = value(node)
        keys(key)
        try:
            wait_until("value", lambda: value(node) == expected, timeout=2)
        except Failure:
            raise Failure("%s on %s at %s gave %s, not %s" % (key, bar, before, value(node), expected))


def wavelength(program):
    return program.label_text("lambda =")


def keyboard_session():
    program = Program("keyboard")
    program.activate()

    # The first shown state is the activated one, the focus on the first bar.
    program.wait_focus("Retarding Voltage")
    check(value(program.get("Photon Energy", "scroll bar")) == 700, "Photon Energy does not start at 700")
    check(wavelength(program) == "lambda = 511 nm", "wavelength label at start: %r" % wavelength(program))
    check(program.find("Light On", "push button") is not None, "the light is not off at start")

    # The whole order forwards, round to the start, and backwards.
    walk_order(program, ORDER_AT_START[1:] + ORDER_AT_START[:1], "Tab")
    walk_order(program, list(reversed(ORDER_AT_START)), "shift+Tab")

    # Each bar from its keys: small step, large step, ends.
    # The voltage's steps follow its position: 1 and 20 at start, 1 and 4
    # below 500 once it has moved, 5 and 20 from 2000 up.
    bar_keys(program, "Retarding Voltage", [("Page_Up", 20), ("Page_Down", 16), ("Home", 0), ("Right", 1),
                                            ("Left", 0), ("End", 3000), ("Page_Down", 2980), ("Left", 2975),
                                            ("Home", 0)])
    keys("Tab")
    program.wait_focus("Intensity")
    bar_keys(program, "Intensity", [("Right", 6), ("Left", 5), ("Page_Up", 6), ("Page_Down", 5),
                                    ("End", 10), ("Home", 1), ("Right", 2)])
    keys("Tab")
    program.wait_focus("Photon Energy")
    bar_keys(program, "Photon Energy", [("Right", 701), ("Left", 700), ("Page_Up", 732), ("Page_Down", 700)])
    # The colour handler runs on keys: the wavelength follows.
    bar_keys(program, "Photon Energy", [("End", 1279)])
    wait_until("wavelength at 1279", lambda: wavelength(program) == "lambda = 379 nm", timeout=2)
    bar_keys(program, "Photon Energy", [("Home", 0)])
    wait_until("wavelength at 0", lambda: wavelength(program) == "lambda = 671 nm", timeout=2)

    # The mouse wheel over a bar moves it and runs its handler.
    colour = program.get("Photon Energy", "scroll bar")
    # Turned away from the user (button 4) it moves the bar up, as Right does.
    wheel(colour, 4)
    wait_until("Photon Energy moved by the wheel", lambda: value(colour) > 0, timeout=2)
    wait_until("wavelength after the wheel", lambda: wavelength(program) != "lambda = 671 nm", timeout=2)
    wheel(colour, 5, count=3)
    wait_until("Photon Energy back at 0 by the wheel", lambda: value(colour) == 0, timeout=2)
    bar_keys(program, "Photon Energy", [("End", 1279)])

    access_keys(program)
    edit_box_focus(program)

    # Shift+Tab into the box selects metal 4 as Tab does; then Exit from the
    # keyboard: the program ends well.
    keys("Tab")
    program.wait_focus("Exit")
    keys("shift+Tab")
    program.wait_focus("Metal 4 number")
    wait_until("metal 4 on Shift+Tab into the box", lambda: program.checked_metal() == "4", timeout=2)
    keys("Tab")
    program.wait_focus("Exit")
    keys("space")
    status = program.wait_exit()
    check(status == 0, "Exit by Space ended the program with status %s" % status)


def close_menu(program, focus):
    """Escape closes the open menu; a second Escape leaves the menu bar when
    the first left its title selected. The focus is back on `focus`."""
    keys("Escape")
    wait_until("menu closed on Escape", lambda: not program.menu_open(), timeout=2)
    if program.focus_name() != focus:
        keys("Escape")
    program.wait_focus(focus)


def access_keys(program):
    # Alt+O opens the Options menu, on every press; it never touches the light.
    for press in range(3):
        keys("alt+o")
        wait_until("Options menu open on Alt+O (press %d)" % (press + 1), program.menu_open, timeout=2)
        check(program.find("Light On", "push button") is not None, "Alt+O switched the light")
        check(program.focus_name() != "Light On", "Alt+O moved the focus to the light button")
        close_menu(program, "Photon Energy")
    for key in ("alt+f", "alt+h"):
        keys(key)
        wait_until("a menu open on " + key, program.menu_open, timeout=2)
        close_menu(program, "Photon Energy")

    # Plain o, from a control of the Controls group, switches the light, each press.
    keys("o")
    wait_until("light on from o", lambda: program.find("Light Off", "push button"), timeout=2)
    keys("o")
    wait_until("light off from o", lambda: program.find("Light On", "push button"), timeout=2)
    keys("o")
    wait_until("light on again from o", lambda: program.find("Light Off", "push button"), timeout=2)

    # With the light on, Alt+Z zooms.
    keys("alt+z")
    wait_until("zoomed by Alt+Z", lambda: program.find("Zoom Out", "push button"), timeout=2)
    # Zoomed, the zoom button and Slower Photoelectrons are in the order and
    # the hidden intensity bar is not.
    keys("alt+1")
    program.wait_focus("1 (1.50 eV)")
    walk_order(program, ["Zoom Out", "Slower Photoelectrons", "Exit", PICTURE, "Retarding Voltage",
                         "Photon Energy", "Unknown Metals", "Light Off", "1 (1.50 eV)"], "Tab")
    keys("alt+z")
    wait_until("zoomed out by Alt+Z", lambda: program.find("Zoom In", "push button"), timeout=2)

    # The metals by Alt+1..Alt+4.
    for digit in (2, 3, 4, 1):
        keys("alt+%d" % digit)
        wait_until("metal %d by Alt+%d" % (digit, digit),
                   lambda: program.checked_metal() == KNOWN_METALS[digit - 1], timeout=2)

    # Alt+U switches to unknown metals and back.
    keys("alt+u")
    wait_until("unknown-metals mode by Alt+U", lambda: program.metal_names() == UNKNOWN_METALS, timeout=2)
    keys("alt+u")
    wait_until("known metals by Alt+U", lambda: program.metal_names() == KNOWN_METALS, timeout=2)
    keys("alt+u")
    wait_until("unknown-metals mode by Alt+U", lambda: program.metal_names() == UNKNOWN_METALS, timeout=2)


def edit_box_focus(program):
    """Unknown metals, light on: the metal-4 box is in the order, and only a
    move of the focus into it selects metal 4."""
    edit = program.get("Metal 4 number", "text")
    wait_until("the metal-4 box shown", lambda: showing(edit), timeout=2)
    wait_until("Zoom In hidden", lambda: not program.find("Zoom In", "push button", showing_only=True),
               timeout=2)
    # (An access key clicks its button a moment after focusing it: wait for
    # the click, a change of metal, before going on.)
    keys("alt+2")
    wait_until("metal 2", lambda: program.checked_metal() == "2", timeout=2)
    # From the checked metal item, Tab goes to the box (zoom is hidden,
    # slower photoelectrons disabled) and selects metal 4.
    program.wait_focus("2")
    keys("Tab")
    program.wait_focus("Metal 4 number")
    wait_until("metal 4 on Tab into the box (metals: %s)" % program.metal_items(),
               lambda: program.checked_metal() == "4", timeout=2)

    # A screen reader selects metal 2; the box keeps the focus.
    act(program.get("2", "radio button"), "Toggle", "Press", "Click")
    wait_until("metal 2 by its action", lambda: program.checked_metal() == "2", timeout=2)
    program.wait_focus("Metal 4 number")

    # Neither a menu, nor the box's context menu, nor the window's
    # re-activation, nor the error box selects metal 4 again.
    window = program.window()
    run("xdotool", "windowminimize", "--sync", window)
    program.activate(window)
    program.wait_focus("Metal 4 number")
    check(program.checked_metal() == "2", "re-activating the window selected %r" % program.checked_metal())
    keys("alt+f")
    wait_until("File menu open", program.menu_open, timeout=2)
    close_menu(program, "Metal 4 number")
    check(program.checked_metal() == "2", "closing a menu selected %r" % program.checked_metal())
    # The box's own context menu, from the Menu key.
    keys("Menu")
    wait_until("the box's context menu open on the Menu key", program.menu_open, timeout=2)
    close_menu(program, "Metal 4 number")
    check(program.checked_metal() == "2", "closing the box's context menu selected %r" % program.checked_metal())

    # A paste of marked-up text: the error box shows it as it is.
    clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"], stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        clipboard.stdin.write(b"<b>x</b>")
        clipboard.stdin.close()
        time.sleep(0.2)  # xclip owns the selection once it has read its input
        keys("ctrl+a", "ctrl+v")
        box = wait_until("the error box on pasting <b>x</b>", program.dialog, timeout=5)
    finally:
        clipboard.terminate()
        clipboard.wait()
    message = program.dialog_text(box)
    check("'<b>x</b>' is not a valid floating point value." in message,
          "error box text: %r" % message)
    keys("Return")
    wait_until("error box closed by Return", lambda: program.dialog() is None, timeout=3)
    check(program.process.poll() is None, "the program ended after the error box")
    check(program.metal_names() == UNKNOWN_METALS, "the error box left unknown-metals mode")
    check(program.checked_metal() == "2", "dismissing the error box selected %r" % program.checked_metal())
    keys("ctrl+a")
    keys("1")


if __name__ == "__main__":
    main({"keyboard_session": keyboard_session})
