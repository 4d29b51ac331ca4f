"""The program in each language it speaks but English, started under that
locale as a new user would start it, and read back over AT-SPI as a screen
reader reads it: the window's, the menus' and the notebook's names are the
catalogue's texts; the Notebook menu and its Show Notebook item answer to
their access keys (Alt plus a letter under a Turkish locale too, Alt plus a
Greek letter, typed on a Greek keyboard); the notebook's table and its copied text write the
language's decimal separator."""

import contextlib
import os
import re
import subprocess
import unicodedata
import xml.etree.ElementTree as ElementTree

from desktop import ROOT, Program, check, keys, log, main, name, role, showing, wait_until, walk
from test_notebook import clipboard, notebook_with_rows

LANGUAGES = [("pt_BR", "pt_BR.UTF-8", ","), ("it", "it_IT.UTF-8", ","), ("pl", "pl_PL.UTF-8", ","),
             ("tr", "tr_TR.UTF-8", ","), ("el", "el_GR.UTF-8", ","), ("zh_CN", "zh_CN.UTF-8", ".")]
# A Greek student types Greek letters and Latin shortcuts on a Greek layout
# with a Latin one beside it.
KEYBOARDS = {"el": "gr,us"}


def catalogue(language):
    """The catalogue's texts by (context, English text), plural ones left out."""
    root = ElementTree.parse(os.path.join(ROOT, "translations", "lumetra_%s.ts" % language)).getroot()
    texts = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            if message.get("numerus") != "yes":
                texts[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
    return texts


def spoken(caption):
    """A caption as a screen reader is given it: without the & of its access key."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def access_key(caption):
    """The keysym of the letter that the caption underlines: Greek_tau for a tau."""
    letter = caption[caption.index("&") + 1].lower()
    if letter.isascii():
        return letter
    words = unicodedata.name(letter).split()  # GREEK SMALL LETTER TAU
    check(words[:3] == ["GREEK", "SMALL", "LETTER"], "no keyboard here types the access key %r" % letter)
    return "Greek_" + words[3].lower()


@contextlib.contextmanager
def keyboard(layout):
    """The X keyboard set to the layout while the program runs. Typing a
    letter that no key has makes xdotool remap a key for the moment, and Qt
    now and then reads the keymap back after the remap is undone."""
    subprocess.run(["setxkbmap", "-layout", layout], check=True)
    try:
        yield
    finally:
        subprocess.run(["setxkbmap", "-layout", "us"], check=True)


def top_levels(program):
    return [program.app.getChildAtIndex(i) for i in range(program.app.childCount)]


def window_names(program):
    return [name(node) for node in top_levels(program)]


def menu_names(program):
    bar = wait_until("the menu bar", lambda: next((n for n in program.nodes() if role(n) == "menu bar"), None))
    return [name(node) for node in walk(bar) if role(node) in ("menu", "menu item", "check menu item") and name(node)]


def notebook_names(notebook):
    """The names of the notebook's controls, but not those of the tab bar's
    scroll buttons, which are Qt's own."""
    return [name(node) for node in walk(notebook, skip=("table",))
            if role(node) in ("push button", "check box", "page tab", "label") and name(node)
            and not (role(node) == "push button" and role(node.parent) == "page tab list")]


def one_language(language, locale, decimal):
    texts = catalogue(language)
    window = lambda source: texts[("Window", source)]
    notebook_text = lambda source: texts[("Notebook", source)]
    translated = {spoken(text) for text in texts.values()}
    program = Program("languages-" + language, XDG_DATA_HOME=notebook_with_rows(), LC_ALL=locale, LANG=locale,
                      exit_name=window("Exit"))
    title = window("Lumetra Photoelectric Effect")
    program.activate(wait_until("the window titled %r" % title, lambda: program.x_windows("^%s$" % re.escape(title)))[0])
    check(title in window_names(program), "%s: the windows are named %r, not %r" % (language, window_names(program), title))

    names = menu_names(program)
    for source in ("&File", "&Options", "&Notebook", "&Help", "&Copy", "Show &Wavelength", "&Show Notebook",
                   "&Record Measurement"):
        check(spoken(window(source)) in names, "%s: the menus have no %r: %r" % (language, window(source), names))
    untranslated = [text for text in names if text not in translated]
    check(not untranslated, "%s: menu names not in the catalogue: %r" % (language, untranslated))

    # Notebook > Show Notebook by the access keys of the language.
    prefix = notebook_text("Notebook - %1").replace("%1", "")
    keys("alt+" + access_key(window("&Notebook")), access_key(window("&Show Notebook")))
    notebook = wait_until("the notebook's window, by the access keys", lambda: next(
        (node for node in top_levels(program) if name(node).startswith(prefix) and showing(node)), None))
    shown = notebook_names(notebook)
    for source in ("C&lear…", "Save &As…", "S&topping Voltages", "Re&sults:"):
        check(spoken(notebook_text(source)) in shown,
              "%s: the notebook has no %r: %r" % (language, notebook_text(source), shown))
    untranslated = [text for text in shown if text not in translated and not text.startswith(
        spoken(notebook_text("Measurement %1: %2")).split("%1")[0])]
    check(not untranslated, "%s: notebook names not in the catalogue: %r" % (language, untranslated))

    table = program.get(notebook_text("Measurements"), "table").queryTable()
    headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
    check(headers[5] == notebook_text("Voltage (V)"), "%s: column headers %r" % (language, headers))
    voltage = name(table.getAccessibleAt(0, 5))
    check(voltage == "0%s348" % decimal, "%s: the first voltage reads %r" % (language, voltage))
    # Ctrl+C copies the rows once the notebook's window has the focus
    # (before, it copies the main window's picture).
    wait_until("the X focus on the notebook's window", lambda: any(
        program.has_x_focus(window) for window in program.x_windows("^" + re.escape(prefix))))
    keys("ctrl+c")
    copied = wait_until("text on the clipboard", lambda: clipboard("UTF8_STRING")).decode()
    check("\t0%s348\t" % decimal in copied, "%s: copied text %r" % (language, copied[:200]))
    program.stop()
    log("%s: window, menus, notebook and numbers as translated" % language)


def languages_session():
    for language, locale, decimal in LANGUAGES:
        with keyboard(KEYBOARDS.get(language, "us")):
            one_language(language, locale, decimal)


if __name__ == "__main__":
    main({"languages_session": languages_session})
