"""PLUVIK as a screen reader meets it: the program started on an X11 desktop
with an AT-SPI bus, its duct tab read through AT-SPI (the interface Orca uses),
and the Tab key followed by the focus a screen reader announces.

Usage (as CTest runs it):
  run_on_x11.sh dbus-run-session -- /usr/bin/python3 screen_reader.py PLUVIK
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Every control of the duct tab a screen reader can reach, as (role, name),
# in the order AT-SPI lists them: no field without a name, each name its own.
DUCT_TAB = [
    ("text", "Flöde l/s"),
    ("text", "Max m/s"),
    ("text", "Max Pa/m"),
    ("push button", "Beräkna (ENTER)"),
    ("check box", "Sök"),
    ("radio button", "Cirk."),
    ("radio button", "Rekt."),
    ("combo box", "Sida (mm)"),
    ("text", "Steg mm"),
    ("combo box", "Kanalmaterial"),
    ("text", "Isolering"),
    ("panel", "Enhet"),
    ("radio button", "l/s"),
    ("radio button", "m3/h"),
    ("text", "Temp. C"),
    ("text", "Ytråhet (mm)"),
    ("spin button", "Max sidoförh. rekt. kanal"),
    ("table", "Dimensioner, resultat"),
]
# The controls whose own text field carries their name.
COMPOUND = {"combo box", "spin button"}
# What the Tab key reaches from the flow field, as announced.
TAB_ORDER = [("text", "Max m/s"), ("text", "Max Pa/m"), ("check box", "Sök")]

failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: expected {expected!r}, got {got!r}")


def wait_for(find, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"screen_reader.py: {what} never appeared")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "PLUVIK":
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focused(node):
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        return node
    for child in node:
        if child is not None:
            found = focused(child)
            if found is not None:
                return found
    return None


PAGE_TABS = ["Kanalberäkning", "Effekt / Flöde", "KV-beräkning", "Rörberäkning", "Koldioxid"]

# (tab, steps, what the screen reader hears): each step presses a button or
# types into a field found by its name, as a user does with the keyboard.
CALCULATIONS = [
    ("Kanalberäkning", [("press", "Cirk."), ("type", "Flöde l/s", "100"), ("type", "Max m/s", "3")],
     "Resultat: m/s 2.0, Pa/m 0.27, Dim. / Fz Stål Veloduct 250; 14 rader"),
    ("Effekt / Flöde", [("type", "Temperaturdifferens °C", "20"), ("type", "Flöde l/s", "1")],
     "Resultat: Effekt W: 83680"),
    ("KV-beräkning", [("type", "Flöde l/s", "1"), ("type", "Tryckfall kPa", "10")], "Resultat: Kv: 11.38"),
    ("Rörberäkning", [("type", "Material: Ytråhet mm", "0.045"), ("type", "Material: Inv.ø mm", "20"),
                      ("type", "Temp.°C", "20"), ("type", "Flöde l/s", "0.2")],
     "Resultat: Hast m/s: 0.637; Tryckfall Pa/m: 327.3"),
    ("Koldioxid", [("type", "Uteluft l/s", "10"), ("type", "Alstring: Pers. st.", "1")],
     "Resultat: Alstring: CO2 Min - Max: 650 - 650 ppm; Jämviktskonc., tim:min: 06:10"),
]


def focused_objects(node, found):
    """Every object with the focused state; a table's current cell counts
    with its table (the cell a table points a screen reader to)."""
    for child in node:
        if child is None:
            continue
        if child.getState().contains(pyatspi.STATE_FOCUSED):
            found.append((child.getRoleName(), child.name))
        if child.getRoleName() == "table":
            table_focused = child.getState().contains(pyatspi.STATE_FOCUSED)
            for index in range(min(child.childCount, 200)):
                cell = child.getChildAtIndex(index)
                if cell is not None and cell.getState().contains(pyatspi.STATE_FOCUSED) and not table_focused:
                    found.append(("cell", cell.name))
        else:
            focused_objects(child, found)
    return found


def listen(seconds):
    """Runs the event loop for `seconds`: the events reach their listeners and
    the states their cache."""
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


def find(node, role, name):
    for child in node:
        if child is None:
            continue
        if child.getRoleName() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def select_tab(tabs, name):
    """Ctrl+Tab until the tab is shown, as a keyboard user goes there."""
    for _ in range(len(PAGE_TABS)):
        if selected_tabs(tabs) == [name]:
            return
        subprocess.run(["xdotool", "key", "ctrl+Tab"], check=True)
        listen(0.5)


def act(app, tab, what, name, text=None):
    page = find(app, "page tab", tab)
    if what == "press":
        button = find(page, "radio button", name)
        button.queryComponent().grabFocus()
        time.sleep(0.2)
        subprocess.run(["xdotool", "key", "space"], check=True)
    else:
        field = find(page, "text", name)
        field.queryComponent().grabFocus()
        time.sleep(0.2)
        subprocess.run(["xdotool", "key", "ctrl+a"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
    time.sleep(0.2)


def click_cell(table, row, column):
    """Clicks the middle of a table's cell on the screen (rows counted from
    the first row under the headings)."""
    cell = table.queryTable().getAccessibleAt(row, column)
    box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                   check=True)


def page_tab_list(app):
    main = next(w for w in app if w.getRoleName() == "filler")
    return next((c for c in main if c is not None and c.getRoleName() == "page tab list"), None)


def selected_tabs(tabs):
    return [t.name for t in tabs if t.getState().contains(pyatspi.STATE_SELECTED)]


def page_tab_of(node):
    """The page tab a control lies under: what a screen reader says with it."""
    while node is not None:
        if node.getRoleName() == "page tab":
            return node.name
        node = node.parent
    return None


def duct_page(app):
    """The shown page of the main window: the filler holding the flow field."""
    main = next(w for w in app if w.getRoleName() == "filler")

    def search(node):
        for child in node:
            if child is None:
                continue
            if child.getRoleName() == "filler" and showing(child) and any(
                c is not None and c.getRoleName() == "text" and c.name.startswith("Flöde") for c in child
            ):
                return child
            found = search(child)
            if found is not None:
                return found
        return None

    return search(main)


def spoken_controls(page):
    """(role, name) of every shown control a screen reader stops at."""
    heard = []

    def walk(node, inside):
        for child in node:
            if child is None or not showing(child):
                continue
            role = child.getRoleName()
            if role == "label":
                continue  # a label is heard with its field
            heard.append((role, child.name))
            if role in COMPOUND:
                for inner in child:
                    if inner is not None:
                        check(f"the text field of {child.name}", inner.name, child.name)
            elif role != "table":
                walk(child, role)

    walk(page, None)
    return heard


program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    app = wait_for(application, "PLUVIK on the AT-SPI bus")
    # The about box comes up at start; Enter closes it, as a user does.
    wait_for(lambda: next((w for w in app if w.getRoleName() == "dialog" and showing(w)), None), "the about box")
    subprocess.run(["xdotool", "key", "Return"], check=True)
    wait_for(lambda: None if any(w.getRoleName() == "dialog" and showing(w) for w in app) else True,
             "the about box closing")

    page = wait_for(lambda: duct_page(app), "the duct tab")
    heard = spoken_controls(page)
    check("the duct tab's controls", heard, DUCT_TAB)
    names = [name for role, name in heard if role != "radio button"]
    check("names heard twice", sorted({n for n in names if names.count(n) > 1}), [])

    # The focus starts in the flow field; each Tab moves it on, and the
    # screen reader hears each control by its name.
    start = wait_for(lambda: focused(app), "a focused control")
    check("focus at start", (start.getRoleName(), start.name), ("text", "Flöde l/s"))
    for expected in TAB_ORDER:
        before = focused(app)
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        now = wait_for(lambda: (lambda f: f if f is not None and f != before else None)(focused(app)),
                       f"the focus after Tab to {expected[1]}", 5)
        check("focus after Tab", (now.getRoleName(), now.name), expected)
        # One focused object: not also a grid's current cell on another tab.
        check(f"the focused objects after Tab to {expected[1]}", focused_objects(app, []), [expected])

    # The tab strip is a page tab list, one page tab per calculator, the
    # shown one selected; Ctrl+Tab moves the focus into the next page, under
    # its page tab, which the screen reader says with the focused field.
    tabs = page_tab_list(app)
    check("a page tab list", tabs is not None, True)
    if tabs is not None:
        check("the page tabs", [(t.getRoleName(), t.name) for t in tabs], [("page tab", n) for n in PAGE_TABS])
        check("the tab selected at start", selected_tabs(tabs), ["Kanalberäkning"])
        # The focus events a screen reader hears, each with the page tab its
        # control lies under.
        heard = []
        pyatspi.Registry.registerEventListener(lambda e: heard.append(page_tab_of(e.source)), "focus:")

        for key, expected in (("ctrl+Tab", "Effekt / Flöde"), ("ctrl+Page_Down", "KV-beräkning"),
                              ("ctrl+shift+Tab", "Effekt / Flöde"), ("ctrl+Page_Up", "Kanalberäkning")):
            subprocess.run(["xdotool", "key", key], check=True)
            listen(1.0)
            wait_for(lambda: True if selected_tabs(tabs) == [expected] else None, f"{expected} selected", 5)
            now = wait_for(lambda: (lambda f: f if f is not None and page_tab_of(f) == expected else None)(
                focused(app)), f"the focus under {expected}", 5)
            check(f"the page tab of the focus after {key}", page_tab_of(now), expected)
            # The focus event a screen reader hears comes from under the new tab.
            check(f"the page tab of the focus event after {key}", heard[-1:], [expected])
            heard.clear()

        # A calculation on each tab, started with Enter: its results come to
        # the screen reader once, in reading order, as a notification that
        # appears (what Orca speaks for a change it did not cause).
        notices = []
        # A screen reader follows name changes too; the program sends them
        # only to listeners, and the names of objects are kept from them.
        pyatspi.Registry.registerEventListener(lambda e: None, "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(
            lambda e: notices.append(e.source.name)
            if e.source.getRoleName() == "notification" and e.detail1 == 1 else None,
            "object:state-changed:showing")
        for tab, steps, expected in CALCULATIONS:
            select_tab(tabs, tab)
            for step in steps:
                act(app, tab, *step)
            notices.clear()
            subprocess.run(["xdotool", "key", "Return"], check=True)
            listen(1.5)
            check(f"the results heard on {tab}", notices, [expected])

        # Exactly one object is focused while Tab walks every tab, also when
        # the focus has left a grid.
        pyatspi.Registry.registerEventListener(lambda e: None, "object:state-changed:focused")
        for tab in PAGE_TABS:
            select_tab(tabs, tab)
            for press in range(16):
                subprocess.run(["xdotool", "key", "Tab"], check=True)
                listen(0.25)
                found = focused_objects(app, [])
                if len(found) != 1:
                    check(f"the focused objects on {tab} after {press + 1} Tab", found, found[:1])

        # The duct run: a row of the duct grid added with Ctrl+L opens the run
        # window, which says its state; F6 goes there, a length typed into the
        # chosen cell is worked out and said with the index run. The visits to
        # the other tabs applied the language again, which shows the first
        # material anew: the duct tab calculates once more first.
        select_tab(tabs, "Kanalberäkning")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        listen(1.0)
        # A click on a row of results, as the user chooses one.
        click_cell(find(app, "table", "Dimensioner, resultat"), 5, 0)
        listen(0.3)
        notices.clear()
        subprocess.run(["xdotool", "key", "ctrl+l"], check=True)
        listen(1.5)
        check("the section added heard when the run opens", len(notices), 1)
        check("the section's duct and the run's state", notices[0].startswith("Tillagd: Del 1: Dimension ")
              and notices[0].endswith("; Del 1: längden saknas.") if notices else None, True)
        run = wait_for(lambda: find(app, "table", "Kanalsträcka"), "the run window's table", 5)
        check("the run window's caption", run.parent.name if run.parent is not None else None, "Kanalsträcka")
        subprocess.run(["xdotool", "key", "F6"], check=True)
        listen(1.0)
        now = wait_for(lambda: (lambda f: f if f is not None and f.getRoleName() == "table" else None)(
            focused(app)), "the focus in the run window", 5)
        check("the focus after F6", (now.getRoleName(), now.name), ("table", "Kanalsträcka"))
        notices.clear()
        subprocess.run(["xdotool", "type", "10"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        listen(1.5)
        check("one notice after the length", len(notices), 1)
        heard_run = notices[0] if notices else ""
        check("the section's figures heard", heard_run.startswith("Resultat: Del 1: Del Pa "), True)
        check("the index run heard", "; Indexsträcka: 1, " in heard_run, True)

        # A second section added from the duct grid, then moved and deleted
        # in the run window, the run saved and opened again: each change is
        # heard once, with the state of the run after it.
        def heard_after(keys, what, text=None):
            notices.clear()
            for key in keys:
                subprocess.run(["xdotool", "key", key], check=True)
                listen(0.3)
            if text is not None:
                # A file dialog: the name typed over the one proposed.
                listen(1.5)
                subprocess.run(["xdotool", "key", "ctrl+a"], check=True)
                subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
                subprocess.run(["xdotool", "key", "Return"], check=True)
            listen(2.0)
            check(f"one notice after {what}", len(notices), 1)
            return notices[0] if notices else ""

        subprocess.run(["xdotool", "key", "F6"], check=True)
        listen(1.0)
        added = heard_after(["Down", "ctrl+l"], "the second section")
        check("the added section heard", added.startswith("Tillagd: Del 2: Dimension ")
              and added.endswith("; Del 2: längden saknas."), True)
        subprocess.run(["xdotool", "key", "F6"], check=True)
        listen(1.0)
        # Section 1 chosen and moved below section 2, which continues it.
        check("the move heard", heard_after(["Up", "Up", "ctrl+Down"], "the move"),
              "Resultat: Del 2: längden saknas.")
        # Section 2, which nothing continues, deleted: section 1 alone.
        heard_delete = heard_after(["Up", "Delete"], "the deletion")
        check("the run after the deletion heard", heard_delete.startswith("Resultat: Del 1: Del Pa "), True)
        saved = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"pluvik-screen-reader-{os.getpid()}.pdf")
        try:
            check("the save heard with its place", heard_after(["ctrl+s"], "saving", saved), f"Sparad i {saved}")
            check("the run saved", os.path.exists(saved), True)
            heard_open = heard_after(["ctrl+o"], "opening", saved)
            check("the run opened heard", heard_open.startswith("Resultat: Del 1: Del Pa "), True)
        finally:
            if os.path.exists(saved):
                os.remove(saved)
finally:
    program.kill()
    program.wait()

for failure in failures:
    print("FAIL", failure)
print(f"screen_reader.py: {'FAILED' if failures else 'passed'}")
sys.exit(1 if failures else 0)
