"""A screen-reader user: every control operated by its AT-SPI actions only,
with the effect the user's own click, key or typing has, and the experiment
followed from the picture's description."""

import re

import pyatspi
from gi.repository import GLib

from desktop import (KNOWN_METALS, PICTURE, UNKNOWN_METALS, Program, act, check, checked, enabled, keys, log,
                     main, role, showing, states, text, value, wait_until)

START = "The light is off. Metal 1 (1.50 eV). Retarding voltage 0.000 V."


def set_value(node, number):
    node.queryValue().currentValue = number


def set_text(node, characters):
    check(node.queryEditableText().setTextContents(characters), "could not set the text %r" % characters)


def described(program, what, test, timeout=3.0):
    return wait_until("picture description: " + what, lambda: test(program.description()), timeout=timeout)


def screen_reader_session():
    program = Program("screenreader")
    picture = program.picture()
    check(role(picture) in ("image", "graphic"), "the picture's role is %r" % role(picture))
    check(states(picture).contains(pyatspi.STATE_FOCUSABLE), "the picture cannot take the focus")
    described(program, "at start", lambda text: text == START)

    # The bars by their Value interface: the handlers run as on a user's move.
    voltage = program.get("Retarding Voltage", "scroll bar")
    set_value(voltage, 500)
    wait_until("Retarding Voltage 500", lambda: value(voltage) == 500)
    described(program, "voltage follows the bar",
              lambda text: re.search(r"Retarding voltage [1-9]\d*\.\d{3} V\.|Retarding voltage 0\.(?!000)\d{3} V\.",
                                     text))
    set_value(voltage, 0)
    described(program, "voltage back at 0", lambda text: text == START)
    intensity = program.get("Intensity", "scroll bar")
    set_value(intensity, 8)
    wait_until("Intensity 8", lambda: value(intensity) == 8)
    colour = program.get("Photon Energy", "scroll bar")
    for position, label in ((1279, "lambda = 379 nm"), (0, "lambda = 671 nm"), (700, "lambda = 511 nm")):
        set_value(colour, position)
        wait_until("wavelength %r at %d" % (label, position),
                   lambda: program.label_text("lambda =") == label)

    # Unknown Metals: its action switches the mode, and back.
    unknown = program.get("Unknown Metals", "check box")
    act(unknown, "Toggle", "Press")
    wait_until("unknown-metals captions", lambda: program.metal_names() == UNKNOWN_METALS)
    check(checked(unknown), "Unknown Metals not checked after its action")
    edit = program.get("Metal 4 number", "text")
    wait_until("the metal-4 box shown", lambda: showing(edit))
    wait_until("Zoom hidden", lambda: program.find("Zoom In", "push button", showing_only=True) is None)
    described(program, "unknown metal", lambda text: text == "The light is off. Metal 1. Retarding voltage 0.000 V.")
    act(unknown, "Toggle", "Press")
    wait_until("known-metal captions", lambda: program.metal_names() == KNOWN_METALS)
    described(program, "known metal again", lambda text: text == START)

    # The light, the zoom and Slower Photoelectrons by their actions.
    act(program.get("Light On", "push button"), "Press")
    light = wait_until("caption Light Off", lambda: program.find("Light Off", "push button"))
    zoom = program.get("Zoom In", "push button")
    wait_until("Zoom enabled with the light on", lambda: enabled(zoom))
    described(program, "light on", lambda text: text.startswith(
        "The light is on, wavelength 511 nm. Metal 1 (1.50 eV). Retarding voltage 0.000 V. "
        "Photoelectrons leave the emitting plate. ") and ("photocurrent flows." in text))
    act(zoom, "Press")
    zoom = wait_until("caption Zoom Out", lambda: program.find("Zoom Out", "push button"))
    described(program, "zoomed", lambda text: "Zoomed in on the emitting plate." in text
              and "photocurrent" not in text)
    slower = program.get("Slower Photoelectrons", "check box")
    wait_until("Slower Photoelectrons enabled while zoomed", lambda: enabled(slower))
    act(slower, "Toggle", "Press")
    wait_until("Slower Photoelectrons checked", lambda: checked(slower))
    described(program, "slower electrons", lambda text: "Slower photoelectrons are drawn hollow." in text)
    act(zoom, "Press")
    wait_until("caption Zoom In", lambda: program.find("Zoom In", "push button"))
    act(program.get("Show Wavelength", "menu item"), "Press", "Click", "Toggle")
    wait_until("wavelength label hidden", lambda: program.label_text("lambda =") is None)
    described(program, "no wavelength while its label is hidden",
              lambda text: text.startswith("The light is on. Metal 1 (1.50 eV)."))
    act(program.get("Show Wavelength", "menu item"), "Press", "Click", "Toggle")
    wait_until("wavelength label shown", lambda: program.label_text("lambda =") == "lambda = 511 nm")
    act(light, "Press")
    wait_until("caption Light On", lambda: program.find("Light On", "push button"))
    described(program, "light off again", lambda text: text.startswith("The light is off."))

    # The metal-4 box by EditableText: its change handler runs, and a text
    # that is no number shows the error box, its message as plain text.
    act(unknown, "Toggle", "Press")
    wait_until("unknown-metals captions", lambda: program.metal_names() == UNKNOWN_METALS)
    # (The program answers the request once the box is closed.)
    setter = program.set_text_in_background("Metal 4 number", "<b>x</b>")
    box = wait_until("the error box", program.dialog, timeout=5)
    check(box.name == "Lumetra Photoelectric Effect", "the error box's title is %r" % box.name)
    message = program.dialog_text(box)
    check("'<b>x</b>' is not a valid floating point value." in message, "error box text: %r" % message)
    keys("Return")
    wait_until("error box closed by Return", lambda: program.dialog() is None)
    setter.wait(timeout=30)
    check(text(edit) == "<b>x</b>", "the box holds %r after the error" % text(edit))
    check(program.metal_names() == UNKNOWN_METALS, "the error box left unknown-metals mode")
    # Into the mode again with that text: while the error box waits, the
    # description tells the mode's metal already.
    act(unknown, "Toggle", "Press")
    wait_until("known-metal captions", lambda: program.metal_names() == KNOWN_METALS)
    toggler = program.toggle_in_background("Unknown Metals")
    wait_until("the error box", program.dialog, timeout=5)
    described(program, "unknown metal behind the error box",
              lambda text: text == "The light is off. Metal 1. Retarding voltage 0.000 V.")
    keys("Return")
    wait_until("error box closed by Return", lambda: program.dialog() is None)
    toggler.wait(timeout=30)

    # Focus set on the box selects metal 4, as Tab into it does; selecting
    # metal 2 while it keeps the focus stays, also past another error box.
    edit.queryComponent().grabFocus()
    wait_until("metal 4 on focus into the box", lambda: program.checked_metal() == "4")
    program.wait_focus("Metal 4 number")
    act(program.get("2", "radio button"), "Toggle", "Press", "Click")
    wait_until("metal 2 by its action", lambda: program.checked_metal() == "2")
    program.wait_focus("Metal 4 number")
    setter = program.set_text_in_background("Metal 4 number", "y")
    wait_until("the error box", program.dialog, timeout=5)
    keys("Return")
    wait_until("error box closed by Return", lambda: program.dialog() is None)
    setter.wait(timeout=30)
    wait_until("program steady", lambda: program.focus_name() == "Metal 4 number")
    check(program.checked_metal() == "2", "dismissing the error box selected %r" % program.checked_metal())
    set_text(edit, "2.5")
    # With the light on in unknown-metals mode, nothing tells the hidden
    # work function or whether electrons leave the plate.
    act(program.get("Light On", "push button"), "Press")
    described(program, "light on with an unknown metal", lambda text: text.startswith(
        "The light is on, wavelength 511 nm. Metal 2. Retarding voltage 0.000 V.")
        and "eV" not in text and "hotoelectrons" not in text)
    act(program.get("Light Off", "push button"), "Press")
    wait_until("caption Light On", lambda: program.find("Light On", "push button"))
    act(unknown, "Toggle", "Press")
    wait_until("known-metal captions", lambda: program.metal_names() == KNOWN_METALS)
    act(program.get("1 (1.50 eV)", "radio button"), "Toggle", "Press", "Click")
    # The metal has no handler of its own, and no tick follows with the light off.
    described(program, "metal 1 chosen with the light off", lambda text: text == START)

    photocurrent_events(program)

    act(program.get("Exit", "push button"), "Press")
    status = program.wait_exit()
    check(status == 0, "Exit by its action ended the program with status %s" % status)


def photocurrent_events(program):
    """Light on with fast electrons: the description changes as the current
    starts, one event per real change, never one per tick."""
    colour = program.get("Photon Energy", "scroll bar")
    set_value(colour, 1279)
    wait_until("wavelength 379 nm", lambda: program.label_text("lambda =") == "lambda = 379 nm")
    events = []

    def on_change(event):
        if (event.source.name or "") == PICTURE:
            events.append(event.source.description)

    pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-description")
    act(program.get("Light On", "push button"), "Press")
    GLib.timeout_add(15000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_change, "object:property-change:accessible-description")

    final = program.description()
    log("%d description events in 15 s with the light on: %r" % (len(events), events))
    check("A photocurrent flows." in final, "no photocurrent after 15 s: %r" % final)
    check(1 <= len(events) <= 8, "%d description events in 15 s: %r" % (len(events), events[:12]))
    repeated = [a for a, b in zip(events, events[1:]) if a == b]
    check(not repeated, "description events without a change: %r" % repeated)


if __name__ == "__main__":
    main({"screen_reader_session": screen_reader_session})
