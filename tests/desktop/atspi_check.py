#!/usr/bin/env python3
"""The running program as a screen reader sees it, on the accessibility bus.

Controls are found by their role and accessible name, given the focus with a
mouse click at their place, typed into with xdotool and xclip, and read back
(text and cursor) after every step. Each step is compared with what a desktop
text field does with the same keys.

  atspi_check.py edit-beamform       edits in the middle of the beam form's boxes
  atspi_check.py edit WINDOW BOX...  the same in the velocity-factor or pruning window
  atspi_check.py type WINDOW BOX=TEXT...   replaces the boxes' texts
  atspi_check.py shown WINDOW        "caption value" for every value the window shows
  atspi_check.py unnamed WINDOW...   fails when a focusable control has no name
  atspi_check.py focus WINDOW BOX    clicks into the box
  atspi_check.py has-window WINDOW   exit 0 when such a window is showing
"""

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
        for app in desktop:
            if app is not None and "zelvar" in (app.name or "").lower():
                return app
        time.sleep(0.2)
    raise Failure("the program is not on the accessibility bus")


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(title):
    """The program's window (a frame's child window or dialog) of that title."""
    for node in descendants(application()):
        if node.getRole() in (pyatspi.ROLE_INTERNAL_FRAME, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG) \
                and node.name == title and showing(node):
            return node
    raise Failure(f"no window \"{title}\" is showing")


def control(win, role, name):
    for node in descendants(win):
        if node.getRole() == role and node.name == name and showing(node):
            return node
    raise Failure(f"no control named \"{name}\" in \"{win.name}\"")


def box(win, name):
    return control(win, pyatspi.ROLE_TEXT, name)


def read(node):
    text = node.queryText()
    return text.getText(0, -1), text.caretOffset


# ---------------------------------------------------------------- the desktop

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(extents.x + extents.width // 2), str(extents.y + extents.height // 2),
            "click", "1")


def key(*names):
    xdotool("key", "--clearmodifiers", *names)


def type_text(text):
    xdotool("type", "--delay", "30", text)


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
        if self.undo_works and self.history:
            self.text = self.history.pop()
            self.cursor = self.anchor = len(self.text)


def expect(node, field, step):
    deadline = time.monotonic() + STEP_SECONDS
    while True:
        seen = read(node)
        if seen == (field.text, field.cursor):
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


def shown(title):
    """Each caption with the box or value it labels, as a screen reader pairs them."""
    win = window(title)
    for node in descendants(win):
        if node.getRole() != pyatspi.ROLE_LABEL or not showing(node):
            continue
        for relation in node.getRelationSet():
            if relation.getRelationType() != pyatspi.RELATION_LABEL_FOR:
                continue
            target = relation.getTarget(0)
            value = read(target)[0] if target.getRole() == pyatspi.ROLE_TEXT else target.name
            if showing(target):
                print(f"{node.name} {value}")


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


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "edit-beamform":
        edit_beamform()
    elif command == "edit":
        edit(args[0], args[1:])
    elif command == "type":
        type_into(args[0], args[1:])
    elif command == "shown":
        shown(args[0])
    elif command == "unnamed":
        unnamed(args)
    elif command == "focus":
        click(box(window(args[0]), args[1]))
    elif command == "has-window":
        window(args[0])
    else:
        raise SystemExit(f"unknown command {command}")


if __name__ == "__main__":
    try:
        main(sys.argv)
    except Failure as failure:
        print(f"atspi: {failure}", file=sys.stderr)
        sys.exit(1)
