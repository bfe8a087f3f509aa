# SPDX-FileCopyrightText: 2026 The Poolwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program under Wine with the keyboard alone, and what a screen reader is handed.

Every key is a real key press (SendInput, through windriver); what the program's UI Automation
provider says of each control (control type, name, full description, keyboard focus, and its
value pattern's text and read-only state) is read through the test's own uiautomationcore.dll
(uiaprobe.cpp), which the program loads from the private prefix. The expectations are the Linux
tests' own: tests/support/keyboard-and-names.json (tab orders, the button Enter in a box
presses, the first empty box after a refused press, names and descriptions, buttons, the menu)
and tests/support/sample-readings.json (what a press writes).
"""
import json
import re
import subprocess
import time
from dataclasses import dataclass
from pathlib import Path
from typing import Optional

ROOT = Path(__file__).resolve().parents[2]
EXPECTED = json.loads((ROOT / "tests/support/keyboard-and-names.json").read_text(encoding="utf-8"))
SAMPLES = json.loads((ROOT / "tests/support/sample-readings.json").read_text(encoding="utf-8"))
MESSAGE_TITLE = "Poolwright"
# The entries the arrow keys reach, in menu order.
MENU = [entry for entry in EXPECTED["menu"]["entries"]
        if entry not in EXPECTED["menu"]["switchedOff"]]

# UI Automation's control types, as Qt's provider gives them.
CONTROL_TYPES = {50000: "button", 50004: "edit", 50013: "radio button", 50020: "text",
                 50030: "document", 50032: "window", 50033: "pane"}


@dataclass
class Element:
    depth: int
    control_type: str
    box: str  # the object name: the last part of the automation id
    control: str  # the box or button it belongs to: its viewport belongs to a text box
    focus: bool
    focusable: bool
    name: str
    description: str
    read_only: Optional[bool]  # None: no value pattern
    value: str


def _unescape(text, table):
    return re.sub(r"\\(.)", lambda match: table.get(match.group(1), match.group(1)), text)


def provider_tree(session, title):
    """The window's elements, depth first, as its provider hands them out."""
    lines = _unescape(session.must(f"uia {title}"), {"n": "\n", "\\": "\\"})
    elements = []
    for line in lines.splitlines():
        fields = [_unescape(field, {"t": "\t", "n": "\n", "\\": "\\"})
                  for field in line.split("\t")]
        if len(fields) != 9:
            raise RuntimeError(f"an element the probe wrote badly: {line!r}")
        path = fields[2].split(".")
        owners = [part for part in path if not part.startswith("qt_")]
        elements.append(Element(int(fields[0]), CONTROL_TYPES.get(int(fields[1]), fields[1]),
                                path[-1], owners[-1] if owners else "", fields[3] == "1",
                                fields[4] == "1", fields[5], fields[6],
                                {"0": False, "1": True}.get(fields[7]), fields[8]))
    return elements


def focused(session, title):
    """The object name of the control with the keyboard focus, or None."""
    held = [element.control for element in provider_tree(session, title) if element.focus]
    return held[-1] if held else None


def by_box(tree):
    return {element.box: element for element in tree if element.box}


def value_of(session, title, box, expected):
    """The box's value as its value pattern gives it, asked again for a moment until it is what
    is expected; None when the box has no element or no value pattern."""
    deadline = time.monotonic() + 3
    while True:
        element = by_box(provider_tree(session, title)).get(box)
        value = element.value if element and element.read_only is not None else None
        if value == expected or time.monotonic() > deadline:
            return value
        time.sleep(0.2)


class Window:
    """One window of the program as the keyboard and a screen reader meet it."""

    def __init__(self, session, check, short_name, title, uom):
        self.session, self.check = session, check
        self.short_name, self.title, self.uom = short_name, title, uom
        self.order = EXPECTED["tabOrder"][short_name]
        self.enter = {box: each["button"] for each in EXPECTED["enter"][short_name]
                      for box in each["boxes"]}

    def what(self, text):
        return f"{self.title} ({self.uom}): {text}"

    def text(self, expected):
        """The focused box's text, as a screen reader reads it."""
        return value_of(self.session, self.title, focused(self.session, self.title), expected)

    def tab_to(self, box):
        """Tab until box has the focus, as many times as the tab order says, then as many as
        it takes; False when it never gets it."""
        stops = self.order[:-1]
        now = focused(self.session, self.title)
        if now == box:
            return True
        if now in stops and box in stops:
            for _ in range((stops.index(box) - stops.index(now)) % len(stops)):
                self.session.must("key Tab")
            now = focused(self.session, self.title)
        for _ in range(len(self.order)):
            if now == box:
                return True
            self.session.must("key Tab")
            now = focused(self.session, self.title)
        return now == box

    def fill(self, box, text):
        if not self.tab_to(box):
            return self.check(False, self.what(f"Tab reaches {box}"))
        self.session.must("key ctrl+a")
        if text:
            self.session.must(f"type {text}")
        else:
            self.session.must("key Delete")
        return True

    def check_reader(self):
        """Every control named, described and typed as the Linux tests expect."""
        tree = provider_tree(self.session, self.title)
        controls = by_box(tree)
        captions = {element.name for element in tree if element.control_type == "text"}
        white = set(self.enter)
        faults = []
        for element in tree:
            if element.control_type not in ("edit", "document"):
                continue
            box, name = element.box, element.name
            if not name.strip() or "&" in name:
                faults.append(f"{box} is named {name!r}")
            # A caption the window shows, or its row's heading and then its caption.
            elif name not in captions and not any(
                    name.startswith(row + " ") and name[len(row) + 1:] in captions
                    for row in captions):
                faults.append(f"{box} is named {name!r}, which no caption says")
            if not element.description:
                faults.append(f"{box} is not described")
            if box in white and not element.focusable:
                faults.append(f"{box} cannot take the keyboard focus")
            # A white box can be typed into; a grey one is read-only, and says so.
            if box == element.control and element.read_only != (box not in white):
                faults.append(f"{box} has read-only state {element.read_only}")
        missing = white - set(controls)
        if missing:
            faults.append(f"no element for {sorted(missing)}")
        for box in controls:
            wanted = ("button" if re.fullmatch(r"Command\d", box) else
                      "radio button" if box.startswith("opt") else None)
            if wanted and controls[box].control_type != wanted:
                faults.append(f"{box} is a {controls[box].control_type}, not a {wanted}")
        self.check(not faults, self.what("every box named by a caption it shows and described, "
                                         "read-only when grey, every control of its type" +
                                         "".join(f"; {fault}" for fault in faults)))

        # The rows the Linux tests state for this window and unit system.
        def stated(rows, field, key):
            for row in rows:
                if row["window"] == self.short_name and key(row) is not None:
                    yield row, controls.get(row[field]), key(row)

        for row, element, wanted in stated(EXPECTED["names"], "box", lambda r: r.get(self.uom)):
            got = element.name if element else None
            self.check(got == wanted, self.what(f"{row['box']} is named {wanted!r} ({got!r})"))
        for row, element, wanted in stated(EXPECTED["descriptions"], "box",
                                           lambda r: r.get(self.uom)):
            got = element.description if element else None
            self.check(got == wanted, self.what(f"{row['box']} is described {wanted!r} ({got!r})"))
        for row, element, wanted in stated(EXPECTED["buttons"], "button", lambda r: r["name"]):
            got = element.name if element else None
            self.check(got == wanted, self.what(f"{row['button']} is named {wanted!r} ({got!r})"))

    def check_typing_replaces(self):
        first = self.order[0]
        self.session.must("type 35")
        got = self.text("35")
        self.check(got == "35", self.what(f"typing replaces what {first} held ({got!r})"))

    def check_tab_order(self):
        visited = [focused(self.session, self.title)]
        for _ in self.order[1:]:
            self.session.must("key Tab")
            visited.append(focused(self.session, self.title))
        self.check(visited == self.order, self.what(f"Tab visits {self.order} ({visited})"))

    def check_samples(self):
        """The readings typed, Enter in the last of them, and the outputs read."""
        for sample in SAMPLES[self.short_name]:
            readings = list(sample["readings"].items())
            for box, text in readings:
                self.fill(box, text)
            last = readings[-1][0]
            self.check(self.enter.get(last) == sample["button"],
                       self.what(f"Enter in {last} presses {sample['button']}"))
            self.session.must("key Return")
            for box, wanted in sample[self.uom].items():
                got = value_of(self.session, self.title, box, wanted)
                self.check(got == wanted, self.what(f"after Enter {box} reads {wanted!r} "
                                                    f"({got!r})"))

    def check_refusals(self):
        """Enter in another box of the button's row, with a required box empty: the message,
        then the cursor in the first empty box."""
        for row in EXPECTED["refused"]:
            if row["window"] != self.short_name:
                continue
            for box, text in row["boxes"].items():
                self.fill(box, text)
            row_boxes = [box for box, button in self.enter.items() if button == row["button"]]
            start = next((box for box in row_boxes if box != row["empty"]), row_boxes[0])
            if not self.tab_to(start):
                self.check(False, self.what(f"{row['tag']}: Tab reaches {start}"))
                continue
            self.session.must("key Return")
            shown = self.session.ask(f"wait 5 {MESSAGE_TITLE}").startswith("ok")
            if shown:
                self.session.must("key Return")
                self.session.ask(f"gone 5 {MESSAGE_TITLE}")
            got = focused(self.session, self.title)
            self.check(shown and got == row["empty"],
                       self.what(f"{row['tag']}: Enter in {start} is refused, the cursor in "
                                 f"{row['empty']} ({'warned' if shown else 'no message'}, {got})"))

    def check_escape(self):
        """Typed into the first box, then Escape twice: the window and the text stay."""
        first = self.order[0]
        self.fill(first, "12")
        self.session.must("key Escape")
        self.session.must("key Escape")
        time.sleep(0.2)
        still = self.session.ask(f"wait 1 {self.title}").startswith("ok")
        got = self.text("12") if still else None
        self.check(still and got == "12",
                   self.what(f"Escape closes nothing and loses nothing ({got!r} in {first})"))


def ends(program, check, what):
    """Waits a moment for a program whose windows were closed to end; kills it if it does not,
    and fails what."""
    try:
        program.wait(timeout=15)
    except subprocess.TimeoutExpired:
        check(False, what)
        program.kill()


def open_by_keyboard(session, main_title, entry, title, key):
    """Alt or F10 to the menu bar, Down to open More Calcs, the arrow keys to the entry."""
    session.must(f"activate {main_title}")
    session.must(f"key {key}")
    session.must("key Down")
    for _ in range(MENU.index(entry)):
        session.must("key Down")
    session.must("key Return")
    return session.ask(f"wait 10 {title}").startswith("ok")


def check_window(session, check, short_name, title, uom):
    window = Window(session, check, short_name, title, uom)
    if not window.order:
        # Nothing to type or press (About): a screen reader is handed the window's title.
        tree = provider_tree(session, title)
        got = tree[0].name if tree else None
        check(got == title, window.what(f"the window is named {title!r} ({got!r})"))
        return window
    got = focused(session, title)
    check(got == window.order[0], window.what(f"opens with the cursor in {window.order[0]} "
                                              f"({got})"))
    window.check_reader()
    window.check_typing_replaces()
    # The tab order and the refusals do not follow the unit system: checked in Imperial, as
    # on Linux, to keep the test short.
    if uom == "Imperial":
        window.check_tab_order()
    window.check_samples()
    if uom == "Imperial":
        window.check_refusals()
    window.check_escape()
    return window


def run(session, check, main_title, windows, start_program, uom, alone, start_alone):
    """windows: (short name, menu entry, title) of each window the menu opens; alone: (short
    name, title) of each window it does not reach, which start_alone(short name) shows on its
    own, in a program of the same build."""
    session.wine("reg", "add", r"HKEY_LOCAL_MACHINE\SOFTWARE\Poolwright\Defaults", "/v", "UOM",
                 "/d", uom, "/f")
    app = start_program()
    if not check(session.ask(f"wait 30 {main_title}").startswith("ok"),
                 f"the main window appears ({uom})"):
        return app
    session.must(f"activate {main_title}")
    check_window(session, check, "main", main_title, uom)
    for number, (short_name, entry, title) in enumerate(windows):
        # Each window opened with Alt in one unit system and with F10 in the other.
        key = ("Alt", "F10")[(number + (uom == "Metric")) % 2]
        if not check(open_by_keyboard(session, main_title, entry, title, key),
                     f"{key}, the arrow keys and Enter open {title} ({uom})"):
            continue
        window = check_window(session, check, short_name, title, uom)
        if short_name == "settings":
            # Enter in a box is Save & Close.
            window.tab_to(window.order[0])
            session.must("key Return")
            check(session.ask(f"gone 5 {title}") == "ok",
                  window.what(f"Enter in {window.order[0]} is Save & Close"))
        else:
            session.must(f"close {title}")
            session.ask(f"gone 5 {title}")
    for short_name, title in alone:
        shown = start_alone(short_name)
        if check(session.ask(f"wait 30 {title}").startswith("ok"),
                 f"{title} appears on its own ({uom})"):
            session.must(f"activate {title}")
            check_window(session, check, short_name, title, uom)
            session.must(f"close {title}")
        ends(shown, check, f"{title} on its own ends when it is closed ({uom})")
    return app
