# SPDX-License-Identifier: LGPL-2.1-or-later
"""Walks the preview page by keyboard as a screen-reader user does, and checks at each
step what the accessibility bus reports: which object took the focus, its role, name
and value. Run by run-with-atspi.sh with the system's Python (pyatspi)."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_TIMEOUT = 5.0
events = []


def on_event(event):
    try:
        events.append((event.type, event.detail1, event.source, event.source.getRoleName(), event.source.name))
    except Exception:  # the source may be gone by now
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def key(*names):
    events.clear()
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def type_text(text):
    events.clear()
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)


def focus_events():
    return [(role, name) for kind, detail, _, role, name in events
            if kind == "object:state-changed:focused" and detail == 1]


def expect_focus(role, name, what, focusable=True):
    """Waits for a focus event on an object of `role` whose name matches `name`; a
    result reported as focused to have it read out is no keyboard stop."""
    pattern = re.compile(name)
    end = time.monotonic() + STEP_TIMEOUT
    while time.monotonic() < end:
        pump(0.1)
        for kind, detail, source, source_role, source_name in events:
            if (kind == "object:state-changed:focused" and detail == 1 and source_role == role
                    and pattern.fullmatch(source_name or "")):
                state = source.getState()
                if focusable and not state.contains(pyatspi.STATE_FOCUSABLE):
                    fail(f"{what}: {role} '{source_name}' is not focusable")
                print(f"ok   {what}: {role} '{source_name}'")
                return source
    fail(f"{what}: no focus on {role} '{name}'; focus went to {focus_events()}")


def expect(condition, what):
    end = time.monotonic() + STEP_TIMEOUT
    while time.monotonic() < end:
        pump(0.1)
        if condition():
            print(f"ok   {what}")
            return
    fail(what)


def find(root, role, name):
    found = pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and o.name == name)
    if not found:
        fail(f"no {role} '{name}' on the page")
    return found


def value(obj):
    return int(obj.queryValue().currentValue)


def main():
    for kind in ("object:state-changed:focused", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)

    app = None
    end = time.monotonic() + 30
    while time.monotonic() < end and app is None:
        for candidate in pyatspi.Registry.getDesktop(0):
            if candidate and candidate.name == "orv-admin-date-preview" and candidate.childCount:
                app = candidate
        pump(0.2)
    if app is None:
        fail("the preview never appeared on the accessibility bus")
    subprocess.run(["xdotool", "search", "--sync", "--name", "Date and Time", "windowfocus", "--sync"],
                   check=True, stdout=subprocess.DEVNULL)
    pump(1)
    page = app[0]

    # The keyboard starts on the selected day of the grid, a day of the shown month.
    start = pyatspi.findDescendant(page, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
    if not start or start.getRoleName() != "push button":
        fail(f"the page starts with the focus on {start}")
    match = re.fullmatch(r"selected date (\d+) (\d+) (\d+) year", start.name)
    if not match:
        fail(f"the first focused object is named '{start.name}'")
    day, month, year = (int(part) for part in match.groups())
    day_field, month_field, year_field = (find(page, "spin button", name) for name in ("Day", "Month", "Year"))
    # The cells' text counts months from 0 or from 1; the picker from 1.
    shift = value(month_field) - month
    if (value(day_field), value(year_field)) != (day, year) or shift not in (0, 1):
        fail("the first focused cell is not the selected day")

    def cell(day, month, year):
        return f"selected date {day} {month - shift} {year} year"
    print(f"ok   the page starts on the selected day {start.name}")

    # The picker: Tab selects a field's text, so typed digits replace it; each full
    # field hands the keyboard on, and the move is reported.
    key("Tab")
    expect_focus("push button", "Return to current date", "Tab from the grid")
    key("Tab")
    expect_focus("spin button", "Day", "Tab into the picker")
    type_text("28")
    expect_focus("spin button", "Month", "two digits of the day")
    type_text("02")
    expect_focus("spin button", "Year", "two digits of the month")
    type_text("2027")
    expect(lambda: (value(day_field), value(month_field), value(year_field)) == (28, 2, 2027),
           "the picker holds 28.02.2027")

    # Back into the grid: Shift+Tab from the return button lands on the selected day.
    key("shift+Tab")
    expect_focus("spin button", "Month", "Shift+Tab from the year")
    key("shift+Tab")
    expect_focus("spin button", "Day", "Shift+Tab from the month")
    key("shift+Tab")
    expect_focus("push button", "Return to current date", "Shift+Tab from the day")
    key("shift+Tab")
    expect_focus("push button", cell(28, 2, 2027), "Shift+Tab into the grid")

    # The grid walk: every arrow moves the focus to the newly selected day.
    for step, date in (("Right", (1, 3, 2027)), ("Up", (22, 2, 2027)), ("Left", (21, 2, 2027)),
                       ("Down", (28, 2, 2027))):
        key(step)
        expect_focus("push button", cell(*date), f"{step} in the grid")

    # The boxes are named by what they hold, show it as their description, and are
    # reported again after a choice.
    key("shift+Tab")
    weeks = expect_focus("combo box", "Week", "Shift+Tab from the grid")
    if weeks.description != "8":
        fail(f"the weeks box describes itself as '{weeks.description}'")
    key("Return", "Down")
    expect_focus("list item", "Week 9", "Down in the open weeks list", False)
    key("Return")
    expect_focus("combo box", "Week", "a week chosen")
    expect(lambda: weeks.description == "9", "the weeks box shows week 9")
    key("Up")
    expect_focus("push button", "Go to previous month", "Up from the weeks box")
    key("Right")
    months = expect_focus("combo box", "Month", "Right to the month box")
    key("Return", "Up")
    expect_focus("list item", "February", "Up in the open month list", False)
    key("Return")
    expect_focus("combo box", "Month", "a month chosen")
    expect(lambda: months.description == "February", "the month box shows February")
    key("Right")
    years = expect_focus("combo box", "Year", "Right to the year box")
    key("Return", "Down", "Return")
    expect_focus("combo box", "Year", "a year chosen")
    expect(lambda: years.description == "2028", "the year box shows 2028")
    expect(lambda: (value(day_field), value(month_field), value(year_field)) == (6, 2, 2028),
           "the picker follows the boxes to 06.02.2028")

    # A month button moves the date under the keyboard: the new day is reported.
    key("Right")
    expect_focus("push button", "Go to next month", "Right to the next-month button")
    key("space")
    expect_focus("push button", cell(6, 3, 2028), "the next month")

    # On to the clocks by Tab: the analog clock is a picture that keeps its name while
    # it holds the keyboard.
    key("Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab")
    clock = expect_focus("image", r"current time \d+ hours \d+ minutes\d+ seconds", "Tab to the analog clock")
    spoken = clock.name
    events.clear()
    pump(2.5)
    if clock.name != spoken or any(source == clock for _, _, source, _, _ in events):
        fail("the focused analog clock renamed itself")
    print("ok   the focused analog clock keeps its name")
    key("Tab")
    hours = expect_focus("spin button", "Hours", "Tab into the digital clock")
    type_text("14")
    minutes = expect_focus("spin button", "Minutes", "two digits of the hours")
    type_text("30")
    seconds = expect_focus("spin button", "Seconds", "two digits of the minutes")
    type_text("05")
    expect(lambda: (value(hours), value(minutes), value(seconds)) == (14, 30, 5), "the clock holds 14:30:05")

    # Automatic time: a check box; while it is on, the page says why the entries are locked.
    def says_why():
        return pyatspi.findDescendant(page, lambda o: o.getRoleName() == "label"
                                      and "turn off automatic time" in (o.name or "")) is not None
    key("Tab")
    automatic = expect_focus("check box", "Set date and time automatically", "Tab to automatic time")
    key("space")
    expect(lambda: automatic.getState().contains(pyatspi.STATE_CHECKED) and says_why(),
           "automatic time on, and the page says why the entries are locked")
    key("space")
    expect(lambda: not automatic.getState().contains(pyatspi.STATE_CHECKED) and not says_why(),
           "automatic time off again")

    # Apply and Reset by Return: each result is reported as focused, and so read out.
    key("Tab")
    expect_focus("combo box", "Time zone", "Tab to the zone box")
    key("Tab")
    expect_focus("push button", "Apply", "Tab to Apply")
    key("Return")
    expect_focus("label", r"Apply would set the clock to 2028-03-06 14:30:\d\d .*", "Return on Apply", False)
    key("Tab")
    expect_focus("push button", "Reset", "Tab to Reset")
    key("Return")
    expect_focus("label", "Back to the machine's date and time.", "Return on Reset", False)
    print("PASS")


if __name__ == "__main__":
    main()
