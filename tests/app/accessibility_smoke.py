#!/usr/bin/env python3
"""Runs the built app the way a screen reader meets it and walks every screen through the
accessibility actions alone.

The app runs on its own Xvfb display with its own D-Bus session and accessibility bus, so the
test needs no desktop. It fails on a control a person can operate that has no name, and on an
action that does nothing (a Press that opens no screen, a Toggle that writes no setting, a
Delete that deletes nothing). It exits 77 (skipped) when Xvfb, dbus-run-session, the AT-SPI
bus launcher or pyatspi is missing. Every wait is bounded.

usage: accessibility_smoke.py PATH_TO_PACELOG
"""
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The roles of controls a person operates; each needs a name.
OPERABLE = {"push button", "check box", "toggle button", "text", "entry", "password text",
            "spin button", "combo box", "list item", "radio button", "slider", "page tab"}


def missing_tools():
    missing = [tool for tool in ("Xvfb", "dbus-run-session", "dbus-send") if not shutil.which(tool)]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER)
    try:
        import gi  # noqa: F401
        gi.require_version("Atspi", "2.0")
        import pyatspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append("pyatspi")
    return missing


class Failure(Exception):
    pass


def wait_for(what, predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = predicate()
        except Exception:  # the tree changes under us while a screen is replaced
            result = None
        if result:
            return result
        time.sleep(0.1)
    raise Failure("timed out waiting for " + what)


class Session:
    """The app on the accessibility bus, read as a screen reader reads it."""

    def __init__(self, app, data_dir):
        import pyatspi
        self.pyatspi = pyatspi
        self.app = app
        self.data_dir = data_dir
        self.unnamed = []
        self.screens = []

    def showing(self, acc):
        return acc.getState().contains(self.pyatspi.STATE_SHOWING)

    def descendants(self, root=None):
        """Every showing accessible object below root, depth first."""
        stack = [root or self.app]
        while stack:
            acc = stack.pop()
            for index in range(acc.childCount - 1, -1, -1):
                child = acc.getChildAtIndex(index)
                if child is not None and self.showing(child):
                    yield child
                    stack.append(child)

    def find(self, role, name=None, root=None):
        for acc in self.descendants(root):
            if acc.getRoleName() == role and (name is None or acc.name == name):
                return acc
        return None

    def count_role(self, role):
        return sum(1 for acc in self.descendants() if acc.getRoleName() == role)

    def get(self, role, name, root=None):
        return wait_for(f"{role} '{name}'", lambda: self.find(role, name, root))

    def screen(self):
        """The page shown below the bar (the app's screens are page tabs)."""
        return self.find("page tab")

    def act(self, acc, action):
        actions = acc.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise Failure(f"{acc.getRoleName()} '{acc.name}' offers no {action} ({names})")
        actions.doAction(names.index(action))

    def check_names(self):
        title = self.screen().name
        self.screens.append(title)
        for acc in self.descendants():
            if acc.getRoleName() in OPERABLE and not acc.name.strip():
                self.unnamed.append(f"{title}: a {acc.getRoleName()} without a name")

    def open(self, role, name, root=None):
        """Presses a control and waits for the screen it opens; checks that screen's names."""
        before = self.screen()
        before_name = before.name if before else None
        self.act(self.get(role, name, root), "Press")
        wait_for(f"a screen after pressing '{name}'",
                 lambda: self.screen() is not None and self.screen().name != before_name
                 and self.find("push button", "Back") is not None)
        self.check_names()
        return self.screen()

    def back(self):
        here = self.screen().name
        self.act(self.get("push button", "Back"), "Press")
        wait_for(f"Back to leave '{here}'", lambda: self.screen().name != here)

    def to_menu(self):
        while self.find("push button", "Back") is not None:
            self.back()

    def setting(self, key):
        path = os.path.join(self.data_dir, "settings.ini")
        if not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as settings:
            for line in settings:
                if line.startswith(key + "="):
                    return line.strip().split("=", 1)[1]
        return None

    def alert_text(self):
        alert = self.find("dialog")
        return alert and " ".join(acc.name for acc in self.descendants(alert))

    def answer_alerts(self, button):
        """Answers the alert with button, then each alert that follows it with OK."""
        self.get("dialog", None)
        for _ in range(5):
            text = self.alert_text()
            if not text:
                return
            self.act(self.get("push button", button, self.find("dialog")), "Press")
            wait_for(f"'{button}' to answer the alert", lambda: self.alert_text() != text)
            button = "OK"
        raise Failure("alerts keep coming")

    def menu_entry(self, name):
        """Opens a menu entry's screen, unfolding the menu first when it hides the entry."""
        fold = wait_for("the menu", lambda: self.find("push button", "More")
                        or self.find("push button", "Less"))
        if fold.name == "More":
            self.act(fold, "Press")
            self.get("push button", "Less")
        return self.open("push button", name)

    def session_count(self):
        header = wait_for("the list's header", lambda: next(
            (acc for acc in self.descendants() if acc.getRoleName() == "label"
             and acc.name.startswith("Total # of")), None))
        return int(header.name.rsplit(":", 1)[1])


def walk(s):
    s.check_names()

    # Settings: a Toggle writes the setting as a tap does.
    s.menu_entry("Settings")
    s.act(s.get("check box", "Kilometers"), "Toggle")
    wait_for("Toggle on Kilometers to write the unit", lambda: s.setting("Distance") == "Kilometers")
    s.act(s.get("check box", "Miles"), "Toggle")
    wait_for("Toggle on Miles to write the unit", lambda: s.setting("Distance") == "Miles")
    s.back()

    # Import and export: every entry, and the sample sessions loaded through the alert.
    s.menu_entry("Import / Export")
    for entry in ("Export Sessions", "Import Sessions", "Export Places"):
        s.open("push button", entry)
        s.back()
    s.open("push button", "Load Sample Data")
    s.act(s.get("push button", "Import Sample Data"), "Press")
    s.answer_alerts("OK")
    s.to_menu()
    s.menu_entry("Sessions")
    sample = s.session_count()
    if sample == 0:
        raise Failure("the sample sessions were not loaded through the alert's OK")
    s.back()

    # A session file imported by Press alone (the file picker answered by PACELOG_OPEN_FILE).
    s.menu_entry("Import / Export")
    s.open("push button", "Import Sessions")
    s.act(s.get("push button", "Load File"), "Press")
    s.answer_alerts("OK")
    s.act(s.get("push button", "Import File"), "Press")
    s.answer_alerts("OK")
    s.to_menu()

    # Entry: the date field's Press opens the picker, whose wheels step with Increase.
    s.menu_entry("Add Session")
    date = s.get("text", "Date")
    s.act(date, "Press")
    day = s.get("spin button", None)
    before = day.name
    s.act(day, "Increase")
    wait_for("Increase to turn a wheel", lambda: s.find("spin button", before) is None)
    s.check_names()
    s.act(s.get("push button", "Done"), "Press")
    s.back()

    # The list: a row opens the edit screen, its Delete deletes as the swipe does.
    s.menu_entry("Sessions")
    count = s.session_count()
    if count != sample + 1:
        raise Failure(f"the import added {count - sample} sessions, not 1")
    s.open("list item", None)
    s.back()
    row = s.get("list item", None)
    s.act(s.get("push button", "Delete", row), "Press")
    wait_for("Delete on a row to delete it", lambda: s.session_count() == count - 1)
    s.back()

    # Summaries: a year's row opens its months, a month's row its days.
    s.menu_entry("Totals")
    s.act(s.get("push button", None, s.find("page tab")), "Press")  # the range date: a calendar
    s.get("spin button", None)
    s.check_names()
    s.to_menu()
    s.menu_entry("Distance Summary")
    chart = s.get("chart", None)
    if not chart.name or len(chart.description.split(";")) != s.count_role("list item"):
        raise Failure(f"the years' chart reads '{chart.name}': '{chart.description}'")
    s.open("list item", None)
    s.open("list item", None)
    s.to_menu()

    # Places and the map.
    s.menu_entry("Route Places")
    slc = s.get("radio button", "SLC")
    s.act(slc, "Press")
    wait_for("Press on a leg to choose it",
             lambda: s.find("radio button", "SLC").getState().contains(s.pyatspi.STATE_CHECKED))
    s.open("push button", "Add place")
    s.back()
    s.back()
    s.menu_entry("Route Map")
    drawn = s.get("image", None)
    if not drawn.name.startswith("Route map, ") or not drawn.description.startswith("Next place: "):
        raise Failure(f"the map reads '{drawn.name}': '{drawn.description}'")
    s.open("push button", "Setup")
    s.to_menu()
    s.menu_entry("Rate & Share")
    s.to_menu()


def inside(pacelog):
    """Runs in the private D-Bus session: display, accessibility bus, app, walk."""
    children = []
    data_dir = tempfile.mkdtemp(prefix="pacelog-a11y-")
    try:
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "800x1000x24", "-nolisten", "tcp"],
                                pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        children.append(xvfb)
        os.close(write_end)
        if not select.select([read_end], [], [], 15)[0]:
            raise Failure("Xvfb did not start")
        display = ":" + os.read(read_end, 16).decode().strip()

        children.append(subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, timeout=5).returncode == 0)

        import_file = os.path.join(data_dir, "import", "Treadmill.csv")
        os.makedirs(os.path.dirname(import_file))
        with open(import_file, "w", encoding="utf-8") as sessions:
            sessions.write("[TREADMILL]\nJan 5, 2024^250^77.93^2.5^10.00^2024^1^5\n")
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   PACELOG_OPEN_FILE=import_file)
        app_process = subprocess.Popen([pacelog, "--data-dir", data_dir], env=env,
                                       stdout=subprocess.DEVNULL)
        children.append(app_process)

        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        import pyatspi
        Atspi.set_timeout(5000, 15000)

        def application():
            if app_process.poll() is not None:
                raise SystemExit(f"FAIL: pacelog exited with {app_process.returncode}")
            for candidate in pyatspi.Registry.getDesktop(0):
                if candidate is not None and candidate.name == "Pacelog":
                    return candidate
            return None
        app = wait_for("Pacelog on the accessibility bus", application, 30)
        # Read states afresh each time: children of a page that was hidden and shown again
        # keep a stale "showing" in the cache.
        app.set_cache_mask(Atspi.Cache.NONE)
        session = Session(app, data_dir)
        wait_for("the menu", lambda: session.find("push button", "Sessions"), 20)
        walk(session)
        if session.unnamed:
            raise Failure("controls without a name:\n  " + "\n  ".join(session.unnamed))
        print(f"walked {len(session.screens)} screens: " + ", ".join(session.screens))
        return 0
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
        shutil.rmtree(data_dir, ignore_errors=True)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        signal.alarm(240)  # the walk itself; the outer run bounds the whole
        return inside(sys.argv[2])
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    missing = missing_tools()
    if missing:
        print("skipped, missing: " + ", ".join(missing))
        return SKIPPED
    try:
        return subprocess.run(["dbus-run-session", "--", sys.executable, __file__, "--inside",
                               os.path.abspath(sys.argv[1])], timeout=280).returncode
    except subprocess.TimeoutExpired:
        print("FAIL: the walk did not finish within 280 s")
        return 1


if __name__ == "__main__":
    sys.exit(main())
