#!/usr/bin/env python3
"""The running program as a screen reader sees it, on the accessibility bus.

Controls are found by their role and accessible name, given the focus with a
mouse click at their place, typed into with xdotool and xclip, and read back
(text and cursor) after every step. Each step is compared with what a desktop
text field does with the same keys.

  atspi_check.py edit-beamform       edits in the middle of the beam form's boxes
  atspi_check.py edit WINDOW BOX...  the same in the velocity-factor or pruning window
  atspi_check.py type WINDOW BOX=TEXT...   replaces the boxes' texts
  atspi_check.py compare WINDOW JSON CAPTION=KEY...  the values shown equal the JSON's
  atspi_check.py compare-rows WINDOW <ROWS   each "Caption: value" row on standard input is shown
  atspi_check.py click WINDOW ROLE NAME      clicks the control
  atspi_check.py unnamed WINDOW...   fails when a focusable control has no name
  atspi_check.py focus WINDOW BOX    clicks into the box
  atspi_check.py focused WINDOW BOX  exit 0 when the box has the focus
  atspi_check.py text WINDOW BOX     the box's text
  atspi_check.py extents WINDOW ROLE NAME      "x y width height" of a control
  atspi_check.py value-extents WINDOW CAPTION  the same of the value a caption labels
  atspi_check.py window-extents WINDOW         the same of a window, its title bar included
  atspi_check.py has WINDOW ROLE NAME          exit 0 when such a control is showing
  atspi_check.py has-window WINDOW   exit 0 when such a window is showing
  atspi_check.py german              fails when a name, description or text shown holds a German word
"""

import re
import subprocess
import sys
import time

import pyatspi

STEP_SECONDS = 5.0


class Failure(Exception):
    pass


# ---------------------------------------------------------------- the bus

def application():
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        # Under the GTK platform theme GTK registers a second, empty
        # application of the same program; the newest with windows is it.
        found = [app for app in desktop
                 if app is not None and "zelvar" in (app.name or "").lower() and app.childCount > 0]
        if found:
            return found[-1]
        time.sleep(0.2)
    raise Failure("the program is not on the accessibility bus")


def descendants(node, depth=None):
    for child in node:
        if child is None:
            continue
        yield child
        if depth is None or depth > 1:
            yield from descendants(child, None if depth is None else depth - 1)


def showing(node):
    # A child window scrolled partly out of the frame's view is neither
    # "showing" nor "visible" on the bus; it still has the focus.
    states = node.getState()
    return any(states.contains(state) for state in (pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE,
                                                     pyatspi.STATE_FOCUSED))


def window(title):
    """The program's window (a frame's child window or dialog) of that title."""
    for node in descendants(application(), depth=3):
        if node.getRole() in (pyatspi.ROLE_INTERNAL_FRAME, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG) \
                and node.name == title and showing(node):
            return node
    raise Failure(f"no window \"{title}\" is showing")


def control(win, role, name):
    """role as the bus names it: "text", "scroll bar", "label", ..."""
    for node in descendants(win):
        if node.getRoleName() == role and node.name == name and showing(node):
            return node
    raise Failure(f"no {role} named \"{name}\" in \"{win.name}\"")


def box(win, name):
    return control(win, "text", name)


def labelled(win, caption):
    """The value a caption label stands for."""
    for relation in control(win, "label", caption).getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    raise Failure(f"\"{caption}\" labels nothing in \"{win.name}\"")


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def read(node):
    text = node.queryText()
    return text.getText(0, -1), text.caretOffset


# ---------------------------------------------------------------- the desktop

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(node):
    x, y, width, height = extents(node)
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")


def key(*names):
    xdotool("key", "--clearmodifiers", *names)


def type_text(text):
    xdotool("type", "--delay", "30", "--", text)


def paste(text):
    # xclip serves one paste, then ends.
    subprocess.Popen(["xclip", "-loops", "1", "-selection", "clipboard"], stdin=subprocess.PIPE,
                     stderr=subprocess.DEVNULL).communicate(text.encode())
    key("shift+Insert")


# ---------------------------------------------------------------- a desktop text field

class Field:
    """What a desktop text field does with keys: text, cursor and selection."""

    def __init__(self, text, limit=None, undo=True):
        self.text, self.cursor, self.anchor = text, len(text), len(text)
        self.limit, self.undo_works, self.history = limit, undo, []

    def selection(self):
        return min(self.cursor, self.anchor), max(self.cursor, self.anchor)

    def move(self, to, select=False):
        self.cursor = max(0, min(len(self.text), to))
        if not select:
            self.anchor = self.cursor

    def replace(self, inserted):
        start, end = self.selection()
        new = self.text[:start] + inserted + self.text[end:]
        if self.limit is not None and len(new) > max(self.limit, len(self.text)):
            return  # a box at its typing limit takes no more
        self.history.append(self.text)
        self.text, self.cursor, self.anchor = new, start + len(inserted), start + len(inserted)

    def delete(self, backwards):
        start, end = self.selection()
        if start == end:
            if backwards and start > 0:
                start -= 1
            elif not backwards and end < len(self.text):
                end += 1
            else:
                return
        self.history.append(self.text)
        self.text = self.text[:start] + self.text[end:]
        self.cursor = self.anchor = start

    def undo(self):
        # Where the cursor lands after an undo differs between desktops:
        # anywhere in the text will do.
        if self.undo_works and self.history:
            self.text = self.history.pop()
            self.cursor = self.anchor = None


def expect(node, field, step):
    deadline = time.monotonic() + STEP_SECONDS
    while True:
        seen = read(node)
        if seen[0] == field.text and (seen[1] == field.cursor or field.cursor is None and 0 <= seen[1] <= len(seen[0])):
            return
        if time.monotonic() > deadline:
            raise Failure(f"\"{node.name}\" after {step}: shows \"{seen[0]}\" with the cursor at {seen[1]}, "
                          f"a desktop text field \"{field.text}\" with the cursor at {field.cursor}")
        time.sleep(0.05)


def start_with(node, field, text):
    click(node)
    key("End", "shift+Home")
    field.move(len(field.text))
    field.move(0, select=True)
    type_text(text)
    field.replace(text)
    field.history.clear()
    expect(node, field, f"typing \"{text}\" over the whole text")


def edit_in_the_middle(node, field):
    """Home and typing, Delete and BackSpace in the middle, a paste in the
    middle, a Shift+Left selection typed over, Ctrl+Z."""
    start_with(node, field, "50,2")
    key("Home"); type_text("1"); field.move(0); field.replace("1")
    expect(node, field, "Home and \"1\"")
    key("Right", "Delete"); field.move(field.cursor + 1); field.delete(backwards=False)
    expect(node, field, "Right and Delete")
    key("BackSpace"); field.delete(backwards=True)
    expect(node, field, "BackSpace")
    paste("4"); field.replace("4")
    expect(node, field, "pasting \"4\"")
    key("End", "shift+Left"); field.move(len(field.text)); field.move(field.cursor - 1, select=True)
    type_text("7"); field.replace("7")
    expect(node, field, "Shift+Left and \"7\"")
    key("ctrl+z"); field.undo()
    expect(node, field, "Ctrl+Z")


# ---------------------------------------------------------------- commands

BEAM_FORM = "Berechnung eines Zelvar-Beam nach Kalvex"
# Box names, their typing limits, and what each is left holding.
BEAM_BOXES = [("Gesamt Beam :", 7, "14,2"), ("Verkürzungsfaktor:", 7, "0,95")]
DIAMETER_BOXES = [("Leiter:", 5, "2"), ("Aussen:", 5, "3")]
INSULATION = "relative Dielektrizitätszahl :"


def edit_beamform():
    # The form's key filter refuses Ctrl+Z with a beep, as every key that is
    # no digit, comma or point: the text stays as it is.
    form = window(BEAM_FORM)
    for name, limit, final in BEAM_BOXES:
        node = box(form, name)
        field = Field(read(node)[0], limit, undo=False)
        edit_in_the_middle(node, field)
        start_with(node, field, final)
    combo = box(form, INSULATION)  # a typed permittivity enables the diameters
    start_with(combo, Field(read(combo)[0]), "3")
    for name, limit, final in DIAMETER_BOXES:
        node = box(form, name)
        field = Field(read(node)[0], limit, undo=False)
        edit_in_the_middle(node, field)
        start_with(node, field, final)


def edit(title, names):
    win = window(title)
    for name in names:
        node = box(win, name)
        # Ctrl+Z takes back what was typed last.
        field = Field(read(node)[0])
        click(node)
        key("End"); field.move(len(field.text))
        type_text("5"); field.replace("5")
        expect(node, field, "End and \"5\"")
        key("ctrl+z"); field.undo()
        expect(node, field, "Ctrl+Z")
        edit_in_the_middle(node, Field(field.text))


def type_into(title, assignments):
    win = window(title)
    for assignment in assignments:
        name, text = assignment.split("=", 1)
        node = box(win, name)
        start_with(node, Field(read(node)[0]), text)


def shown_value(win, caption):
    """The text of the box or value a caption labels, as a screen reader pairs them."""
    target = labelled(win, caption)
    return read(target)[0] if target.getRole() == pyatspi.ROLE_TEXT else target.name


def compare(title, json_text, pairs):
    """Each CAPTION=KEY: the value shown beside the caption is the JSON's KEY."""
    import json
    expected, win = json.loads(json_text), window(title)
    wrong = []
    for pair in pairs:
        caption, key = pair.split("=", 1)
        if shown_value(win, caption) != expected[key]:
            wrong.append(f"\"{caption}\" shows \"{shown_value(win, caption)}\", not \"{expected[key]}\"")
    if wrong:
        raise Failure("; ".join(wrong))


def compare_rows(title, rows):
    """Each "Caption: value" row (as the command line prints it) stands in the window."""
    win, wrong = window(title), []
    for row in rows:
        caption, value = row.split(": ", 1)
        shown = shown_value(win, caption + ":")
        if shown != value:
            wrong.append(f"\"{caption}:\" shows \"{shown}\", not \"{value}\"")
    if wrong:
        raise Failure("; ".join(wrong))


def unnamed(titles):
    missing = []
    for title in titles:
        win = window(title)
        for node in descendants(win):
            states = node.getState()
            if states.contains(pyatspi.STATE_FOCUSABLE) and showing(node) and not (node.name or "").strip():
                missing.append(f"{title}: a {node.getRoleName()} without a name")
    if missing:
        raise Failure("; ".join(missing))


# Words and letters that only German texts have; the design's proper name
# "Zelvar-Beam nach Kalvex" is not counted.
GERMAN = re.compile(r"[äöüÄÖÜß]|\b(und|oder|bei|bis|nicht|bitte|mit|ohne|für|Datei|Drucken|Beenden|Hilfe|"
                    r"Berechnung|Berechnen|Messung|Fehler|Abbrechen|Speichern|Suchen|Resonanz|Frequenz|"
                    r"Widerstand|Punkte|Anschluss|Bauvariante|Hinweis|Ergebnis|Zeichnung|Bereit|Tabelle|"
                    r"Länge|Antenne|Antennen|Draht|Isolierung|Durchmesser|Querträger|Spannseil)\b")


def german():
    found = set()
    for node in descendants(application()):
        if not showing(node):
            continue
        texts = [node.name or "", node.description or ""]
        try:
            texts.append(node.queryText().getText(0, -1))
        except NotImplementedError:
            pass
        for text in texts:
            if GERMAN.search(text.replace("Zelvar-Beam nach Kalvex", "")):
                found.add(f"{node.getRoleName()} \"{text[:120]}\"")
    if found:
        raise Failure("German on the English desktop: " + "; ".join(sorted(found)))


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "edit-beamform":
        edit_beamform()
    elif command == "edit":
        edit(args[0], args[1:])
    elif command == "type":
        type_into(args[0], args[1:])
    elif command == "compare-rows":
        compare_rows(args[0], [line.rstrip("\n") for line in sys.stdin if ": " in line])
    elif command == "click":
        click(control(window(args[0]), args[1], args[2]))
    elif command == "compare":
        compare(args[0], args[1], args[2:])
    elif command == "unnamed":
        unnamed(args)
    elif command == "focus":
        click(box(window(args[0]), args[1]))
    elif command == "text":
        print(read(box(window(args[0]), args[1]))[0])
    elif command == "value":
        print(shown_value(window(args[0]), args[1]))
    elif command == "extents":
        print(*extents(control(window(args[0]), args[1], args[2])))
    elif command == "window-extents":
        print(*extents(window(args[0])))
    elif command == "value-extents":
        print(*extents(labelled(window(args[0]), args[1])))
    elif command == "has":
        control(window(args[0]), args[1], args[2])
    elif command == "focused":
        if not box(window(args[0]), args[1]).getState().contains(pyatspi.STATE_FOCUSED):
            raise Failure(f"\"{args[1]}\" has not the focus")
    elif command == "has-window":
        window(args[0])
    elif command == "german":
        german()
    else:
        raise SystemExit(f"unknown command {command}")


if __name__ == "__main__":
    try:
        main(sys.argv)
    except Failure as failure:
        print(f"atspi: {failure}", file=sys.stderr)
        sys.exit(1)
