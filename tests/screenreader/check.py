#!/usr/bin/python3
"""Drives the real program through the accessibility bus, as a screen reader
and its user do: what the bus says is what they hear, and what they can do
is what the bus lets them do.

  check.py PROGRAM

Run inside an X server and a D-Bus session of its own (scripts/check-screenreader.sh
sets both up). Each window must name every control it lets the keyboard
reach so that no two sound alike, without reading a list's value; the
focus must be where the window puts it; a refused compute must be an alert
that carries its message; and the whole road, names typed, dates picked,
Compute pressed, the report read, Back, Exit and the farewell window, must
be drivable from the bus alone.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Scarabine v1.15"
failures = []


def fail(what):
    failures.append(what)
    print("FAIL: " + what, flush=True)


def wait_for(what, probe, timeout=15.0):
    """Polls until probe() gives something; None after the timeout."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # an object that went away while it was read
            found = None
        if found:
            return found
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
            return None
        time.sleep(0.1)


def state(node, which):
    return node.getState().contains(which)


def children(node):
    return [child for child in node if child is not None]


def walk(node, keep, skip_inside=("combo box",)):
    """Every showing node below node for which keep() holds; the insides of
    combo boxes (their closed lists) are left out."""
    found = []
    for child in children(node):
        if not state(child, pyatspi.STATE_SHOWING):
            continue
        if keep(child):
            found.append(child)
        if child.getRoleName() not in skip_inside:
            found.extend(walk(child, keep, skip_inside))
    return found


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names.extend(relation.getTarget(i).name for i in range(relation.getNTargets()))
    return names


def value_of(node):
    if node.getRoleName() == "combo box":
        return node.name  # what Qt exposes as a list's name is its value
    return None


def heard(node):
    """What tells this control apart, its value left out: its name (unless
    that is its value) and the names of what labels it."""
    own = "" if node.name == value_of(node) else node.name
    return " / ".join([n for n in [own] + labelled_by(node) if n])


def app_of(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def shown_windows(app):
    return [w for w in children(app) if state(w, pyatspi.STATE_SHOWING)]


def window_named(app, role, name=TITLE):
    for window in shown_windows(app):
        if window.getRoleName() == role and window.name == name:
            return window
    return None


def has_focus(node):
    if not (state(node, pyatspi.STATE_FOCUSED) and state(node, pyatspi.STATE_FOCUSABLE)):
        return False
    # Qt marks the current tab focused whether or not its bar has the focus;
    # a screen reader follows focus events, which only the bar's focus sends.
    if node.getRoleName() == "page tab":
        return state(node.parent, pyatspi.STATE_FOCUSED)
    return True


def focused(window):
    found = walk(window, has_focus, skip_inside=())
    return found[-1] if found else None


def find(window, role, name=None):
    found = walk(window, lambda n: n.getRoleName() == role and (name is None or n.name == name))
    return found[0] if found else None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    fail("%s %r has no press action" % (node.getRoleName(), node.name))


def debug_focus(window):
    for n in walk(window, lambda n: state(n, pyatspi.STATE_FOCUSED), skip_inside=()):
        print("  focused:", n.getRoleName(), repr(n.name), state(n, pyatspi.STATE_FOCUSABLE))


def check_focus(window, role, name, where):
    node = wait_for("the focus on %s %r in %s" % (role, name, where), lambda: focused(window))
    if node is not None and (node.getRoleName(), node.name) != (role, name):
        fail("%s: the focus is on %s %r, not on %s %r" % (where, node.getRoleName(), node.name, role, name))
        debug_focus(window)


def check_distinguishable(window, where):
    controls = walk(window, lambda n: state(n, pyatspi.STATE_FOCUSABLE) and n.getRoleName() != "menu item")
    before = len(failures)
    seen = {}
    for control in controls:
        said = heard(control)
        if not said:
            fail("%s: a %s says nothing but its value %r" % (where, control.getRoleName(), control.name))
            continue
        key = (control.getRoleName(), said)
        if key in seen:
            fail("%s: two of its %s controls both sound like %r" % (where, control.getRoleName(), said))
        seen[key] = control
    if len(failures) == before:
        print("%s: %d controls, each heard apart" % (where, len(controls)), flush=True)
    return controls


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    time.sleep(0.05)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


DOWN = 0xFF54
ALT_MASK = 1 << 3  # Mod1
TAB = 0xFF09


def tab_to(window, labels):
    """Tabs on until the focus is on the list labelled so, as a user does."""
    for _ in range(12):
        key(TAB)
        node = wait_for("the focus to move", lambda: focused(window), timeout=5)
        if node is not None and node.getRoleName() == "combo box" and tuple(labelled_by(node)) == labels:
            return node
    fail("Tab never reached the list labelled %r" % (labels,))
    return None


def pick(window, labels, steps, expected):
    combo = tab_to(window, labels)
    if combo is None:
        return
    for _ in range(steps):
        key(DOWN)
    if not wait_for("%r picked" % expected, lambda: combo.name == expected, timeout=5):
        fail("the list shows %r, not %r" % (combo.name, expected))


def main_window_checks(app):
    main = wait_for("the main window", lambda: window_named(app, "frame"), timeout=60)
    if main is None:
        return None
    check_focus(main, "text", "Your name", "main window")
    check_distinguishable(main, "main window")

    # Each person's fields sit in a panel named for that person, and each
    # date list is labelled by it.
    for name_box, panel_name in (("Your name", "Your Details"), ("Your partner's name", "Your Partner's Details")):
        box = find(main, "text", name_box)
        panel = box.parent if box is not None else None
        if panel is None or panel.name != panel_name:
            fail("the panel holding %r is named %r, not %r" % (name_box, panel and panel.name, panel_name))
            continue
        for combo in walk(panel, lambda n: n.getRoleName() == "combo box"):
            if panel_name not in labelled_by(combo):
                fail("the list %r in %r is labelled by %r" % (combo.name, panel_name, labelled_by(combo)))
    return main


def alerts(app):
    return [w for w in shown_windows(app) if w.getRoleName() == "alert"]


def check_alert(app, main, message):
    alert = wait_for("an alert saying %r" % message, lambda: alerts(app))
    if not alert:
        return
    alert = alert[0]
    said = [alert.name] + [n.name for n in walk(alert, lambda n: n.getRoleName() == "label")]
    if not any(message in s for s in said):
        fail("the alert says %r, not %r" % (said, message))
    else:
        print("alert: %r" % [s for s in said if s], flush=True)
    check_focus(alert, "push button", "OK", "alert")
    press(find(alert, "push button", "OK"))
    wait_for("the alert to close", lambda: not alerts(app))


def refusals_are_alerts(app, main):
    name = find(main, "text", "Your name")
    name.queryComponent().grabFocus()
    type_text("7")
    check_alert(app, main, "Please Enter Only Alphabet")
    check_focus(main, "text", "Your name", "main window after the refused key")
    if name.queryText().getText(0, -1) != "":
        fail("the refused key left %r" % name.queryText().getText(0, -1))

    press(find(main, "push button", "Get My Egyptian Astrology Compatibility"))
    check_alert(app, main, "Please Enter Your Name!")
    check_focus(main, "text", "Your name", "main window after the refused compute")


def drive_the_road(app, main):
    name = find(main, "text", "Your name")
    name.queryComponent().grabFocus()
    type_text("ann lee")
    if not wait_for("the typed name", lambda: name.queryText().getText(0, -1) == "ANN LEE", timeout=5):
        fail("the name box holds %r" % name.queryText().getText(0, -1))
    partner = find(main, "text", "Your partner's name")
    partner.queryComponent().grabFocus()
    type_text("bob")
    wait_for("the partner's name", lambda: partner.queryText().getText(0, -1) == "BOB", timeout=5)

    name.queryComponent().grabFocus()
    for labels, steps, expected in ((("Date", "Your Details"), 14, "15"),
                                    (("Month", "Your Details"), 2, "March"),
                                    (("Year", "Your Partner's Details"), 3, "1953")):
        pick(main, labels, steps, expected)

    press(find(main, "push button", "Get My Egyptian Astrology Compatibility"))
    report = wait_for("the report window", lambda: [w for w in shown_windows(app)
                                                    if w.getRoleName() == "frame" and find(w, "page tab list")])
    if not report:
        return None
    report = report[0]
    check_focus(report, "push button", "Save", "report window")
    if state(main, pyatspi.STATE_SHOWING):
        fail("the main window still shows beside the report")
    check_distinguishable(report, "report window")

    # The summary page is open; its values are read as they stand.
    labels = [n.name for n in walk(report, lambda n: n.getRoleName() == "label")]
    for expected in ("ANN LEE", "BOB", "15/March/1950", "1/January/1953"):
        if expected not in labels:
            fail("the summary does not read %r (it reads %r)" % (expected, labels))
    if not any(s.startswith("You both are") for s in labels):
        fail("the summary carries no verdict: %r" % labels)

    # Both reports read as text, the hidden pages' too.
    for view_name in ("Your sign report", "Your partner's sign report"):
        views = [n for n in walk(report, lambda n: True, skip_inside=()) if n.name == view_name] or \
            _all_named(report, view_name)
        if not views:
            fail("no text named %r" % view_name)
            continue
        text = views[0].queryText()
        body = text.getText(0, -1)
        if "Ruling Deity :-" not in body or text.characterCount < 500:
            fail("%r reads %d characters: %r" % (view_name, text.characterCount, body[:80]))
        else:
            print("%s: %d characters, beginning %r" % (view_name, text.characterCount, body[:60]), flush=True)
    return report


def _all_named(node, name):
    found = []
    for child in children(node):
        if child.name == name:
            found.append(child)
        if child.getRoleName() != "combo box":
            found.extend(_all_named(child, name))
    return found


def back_exit_farewell(app, main, report):
    press(find(report, "push button", "Back"))
    if not wait_for("the main window again", lambda: state(main, pyatspi.STATE_SHOWING)):
        return
    name = find(main, "text", "Your name")
    if name.queryText().getText(0, -1) != "ANN LEE":
        fail("Back lost the name: %r" % name.queryText().getText(0, -1))

    # The about box, from the Help menu, and back.
    # The about box, from the Help menu by its access keys (the box is modal:
    # an entry's action would not return until it closed), and back.
    name.queryComponent().grabFocus()
    wait_for("the focus back in the main window", lambda: focused(main))
    pyatspi.Registry.generateKeyboardEvent(ALT_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    key(ord("h"))
    pyatspi.Registry.generateKeyboardEvent(ALT_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)
    wait_for("the Help menu", lambda: [n for n in _all_named(main, "About Software")
                                       if state(n, pyatspi.STATE_SHOWING)])
    key(ord("a"))
    about = wait_for("the about box", lambda: window_named(app, "dialog"))
    if about:
        check_focus(about, "push button", "OK", "about box")
        press(find(about, "push button", "OK"))
        wait_for("the about box to close", lambda: not window_named(app, "dialog"))

    exit_entry = [n for n in _all_named(main, "Exit") if n.getRoleName() == "menu item"]
    if not exit_entry:
        fail("no Exit entry in the main window's menu")
        return
    exit_entry[0].queryAction().doAction(0)
    farewell = wait_for("the farewell window",
                        lambda: [w for w in shown_windows(app) if find(w, "push button", "Refer A Friend Now")])
    if not farewell:
        return
    farewell = farewell[0]
    check_focus(farewell, "push button", "Exit", "farewell window")
    check_distinguishable(farewell, "farewell window")
    press(find(farewell, "push button", "Exit"))


def main():
    program = os.path.abspath(sys.argv[1])
    home = tempfile.mkdtemp(prefix="scarabine-screenreader-")
    os.mkdir(os.path.join(home, "runtime"), 0o700)
    env = dict(os.environ,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
               LANG="C.UTF-8", LC_ALL="C.UTF-8")
    env.pop("WAYLAND_DISPLAY", None)
    started = []
    try:
        # A window manager gives the windows the keyboard, as a desktop does.
        if shutil.which("openbox"):
            started.append(subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            time.sleep(0.5)
        else:
            fail("openbox is missing (scripts/install-deps.sh screenreader)")
        log = open(os.path.join(home, "program.log"), "w")
        program_process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
        started.append(program_process)
        app = wait_for("the program on the bus", lambda: app_of(program_process.pid), timeout=60)
        main_window = main_window_checks(app) if app else None
        if main_window:
            refusals_are_alerts(app, main_window)
            report = drive_the_road(app, main_window)
            if report:
                back_exit_farewell(app, main_window, report)
            try:
                status = program_process.wait(timeout=15)
                if status != 0:
                    fail("the program ended with status %d" % status)
            except subprocess.TimeoutExpired:
                fail("Exit on the farewell window did not end the program")
        if failures:
            log.flush()
            sys.stdout.write(open(os.path.join(home, "program.log")).read())
    finally:
        for process in reversed(started):
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(home, ignore_errors=True)
    print("screen reader check: %s" % ("%d failure(s)" % len(failures) if failures else "passed"), flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
