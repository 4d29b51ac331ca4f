"""The program's window under a window manager: its outer frame on every
start, its first state when the window manager gives it no focus, and the
whole window at several scale factors."""

import os
import subprocess
import time

from desktop import LOG_DIR, Failure, Program, check, log, main, run, value, wait_until

SCREEN = (1024, 768)


def frame_on_every_start(starts="5"):
    """openbox frames the window: the frame, not the client area, is
    800 x 600, centred on the 1024 x 768 screen, on every start."""
    expected = (112, 84, 800, 600)
    for start in range(int(starts)):
        program = Program("frame-%d" % start)
        seen = []

        def frame():
            seen.append(program.frame())
            return seen[-1] == expected

        try:
            try:
                wait_until("frame", frame, timeout=5)
            except Failure:
                raise Failure("start %d: the frame is at %s, not %s (frames seen: %s)"
                              % (start + 1, seen[-1], expected, sorted(set(seen), key=str)))
            # It stays there once the window manager has settled.
            time.sleep(0.3)
            check(program.frame() == expected,
                  "start %d: the frame moved to %s" % (start + 1, program.frame()))
        finally:
            program.stop()


def first_state_without_focus():
    """A window manager that gives new windows no focus, and nobody clicks:
    the first state on screen is already the activated one."""
    program = Program("no-focus")
    colour = program.get("Photon Energy", "scroll bar")
    seen = set()
    deadline = time.monotonic() + 2
    while time.monotonic() < deadline:
        if program.window() is not None:
            seen.add((value(colour), program.label_text("lambda =")))
    check(seen == {(700, "lambda = 511 nm")},
          "states shown without activation (colour, wavelength): %s" % sorted(seen, key=str))
    check(program.find("Light On", "push button") is not None, "the light is not off at start")
    log("the window %s the X focus at start" % ("has" if program.has_x_focus() else "does not have"))
    # Once the user activates the window, the first control has the focus.
    program.activate()
    program.wait_focus("Retarding Voltage")


def whole(frame, screen):
    """The frame if it lies wholly on the screen."""
    if frame is None:
        return None
    x, y, w, h = frame
    return frame if x >= 0 and y >= 0 and x + w <= screen[0] and y + h <= screen[1] else None


def pixels(png):
    """(width, height, bytes) of a PNG's RGB pixels."""
    size = run("identify", "-format", "%w %h", png).split()
    data = subprocess.run(["convert", png, "-depth", "8", "rgb:-"], check=True, timeout=20,
                          stdout=subprocess.PIPE).stdout
    return int(size[0]), int(size[1]), data


def colours(image, x0, y0, x1, y1):
    width, _, data = image
    found = set()
    for y in range(y0, y1):
        row = data[3 * (y * width + x0):3 * (y * width + x1)]
        found.update(row[i:i + 3] for i in range(0, len(row), 3))
    return found


def dark_rows(image, x1, y1):
    """The rows 0..y1 that have a dark pixel in columns 0..x1 (the menu's text)."""
    width, _, data = image
    rows = []
    for y in range(y1):
        row = data[3 * y * width:3 * (y * width + x1)]
        if any(row[i] + row[i + 1] + row[i + 2] < 200 for i in range(0, len(row), 3)):
            rows.append(y)
    return rows


def screenshot(program, label):
    """A picture of the client window once two in a row are the same."""
    path = os.path.join(LOG_DIR, label + ".png")
    previous = None
    for _ in range(20):
        run("import", "-window", program.window(), path, timeout=20)
        with open(path, "rb") as f:
            current = f.read()
        if current == previous:
            return pixels(path)
        previous = current
        time.sleep(0.1)
    raise AssertionError("the window of %s did not settle" % label)


def scale_factors(width, height):
    """At 125 %, 150 % and 200 % the window is whole on the screen, the menu
    text grows with the factor, and the picture is scaled by replicating its
    pixels (no colour that the picture at 100 % does not have)."""
    screen = (int(width), int(height))
    # The picture, in the client window at 100 %: at 45,40, 709 x 373; the
    # photon-properties box covers it from x 562 on, so only 0..560 is used.
    pic_x, pic_y, pic_w, pic_h = 45, 40, 560, 373
    base = None
    for factor in (1, 1.25, 1.5, 2):
        program = Program("scale-%s" % factor, QT_SCALE_FACTOR=str(factor))
        try:
            wait_until("the wavelength shown", lambda: program.label_text("lambda =") == "lambda = 511 nm")
            wait_until("at %s the frame whole on the %dx%d screen" % (factor, *screen),
                       lambda: whole(program.frame(), screen))
            image = screenshot(program, "scale-%s" % factor)
        finally:
            program.stop()
        rows = dark_rows(image, int(200 * factor), int(18 * factor))
        check(rows, "at %s no menu text in the menu bar" % factor)
        text_height = rows[-1] - rows[0] + 1
        if factor == 1:
            base = (text_height, image, colours(image, pic_x, pic_y, pic_x + pic_w, pic_y + pic_h))
            continue
        log("at %s the menu text is %d px high (%d at 100 %%)" % (factor, text_height, base[0]))
        check(text_height >= 0.9 * factor * base[0],
              "at %s the menu text is %d px high, %d at 100 %%" % (factor, text_height, base[0]))
        # Inside the picture, away from its border, with the plates, wires
        # and meters in it.
        # (The layout under the menu bar may move by a few pixels.)
        inner = (int((pic_x + 20) * factor), int((pic_y + 20) * factor),
                 int((pic_x + pic_w - 20) * factor), int((pic_y + pic_h - 20) * factor))
        new = colours(image, *inner) - base[2]
        check(not new, "at %s the picture has %d colours it does not have at 100 %% (blurred): %s"
              % (factor, len(new), sorted(c.hex() for c in new)[:8]))
        if factor == 2:
            pixel_doubled(base[1], image, pic_x, pic_y, pic_w, pic_h)


def pixel_doubled(small, large, x0, y0, width, height):
    """Every pixel of the picture at 100 % is a 2 x 2 block of that colour at
    200 %. The menu bar's height does not scale exactly, so the picture's
    place at 200 % is found first, near twice its place at 100 %."""
    sw, _, sdata = small
    lw, lh, ldata = large

    def mismatches(ox, oy, step):
        wrong = 0
        for y in range(0, height, step):
            for x in range(0, width, step):
                i = 3 * ((y0 + y) * sw + x0 + x)
                colour = sdata[i:i + 3]
                for dy in (0, 1):
                    j = 3 * ((oy + 2 * y + dy) * lw + ox + 2 * x)
                    if ldata[j:j + 6] != colour + colour:
                        wrong += 1
        return wrong

    candidates = [(ox, oy) for oy in range(2 * y0 - 30, 2 * y0 + 31) for ox in range(2 * x0 - 30, 2 * x0 + 31)
                  if ox >= 0 and oy >= 0 and ox + 2 * width <= lw and oy + 2 * height <= lh]
    ox, oy = min(candidates, key=lambda place: mismatches(*place, 23))
    wrong = mismatches(ox, oy, 1)
    check(wrong == 0, "at 200 %% %d picture pixels are not 2 x 2 blocks of their colour at 100 %% "
          "(picture placed at %d,%d)" % (wrong, ox, oy))


if __name__ == "__main__":
    main({"frame_on_every_start": frame_on_every_start,
          "first_state_without_focus": first_state_without_focus,
          "scale_factors": scale_factors})
