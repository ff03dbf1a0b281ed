#!/usr/bin/python3
"""Crescendar as a screen reader and a keyboard-only user meet it.

Starts the real program on a virtual display of its own (Xvfb, no window manager) with the
AT-SPI accessibility bus in a private D-Bus session, reads the accessible tree of the main
window, the configuration window and the times list, and drives the program with keys only
(xdotool): a new place saved, the times list paged, the month printed to a PDF file and a
calendar exported. Every step prints what it expected and what it found; the run fails if
any step failed, and exits with 77 (reported as skipped) when a tool it needs is missing.

Usage: keyboard_walk.py PATH/TO/crescendar [--keep]
Needs Debian's python3 (pyatspi is in its dist-packages), Xvfb, dbus-run-session,
at-spi-bus-launcher and xdotool: scripts/install-deps installs them.
"""

import argparse
import datetime
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid
import zoneinfo

SKIP = 77
# The whole walk, start to clean-up; each wait inside it is much shorter.
TOTAL_SECONDS = 55
RUN_MARK = "CRESCENDAR_ACCESS_RUN"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
SYSTEM_PYTHON = "/usr/bin/python3"

TOOLS = [
    ("/usr/bin/Xvfb", "xvfb"),
    ("/usr/bin/dbus-run-session", "dbus-bin"),
    (BUS_LAUNCHER, "at-spi2-core"),
    ("/usr/bin/xdotool", "xdotool"),
]

# Roles a user acts on; these are the controls counted, and each needs a name.
INTERACTIVE = {
    "push button", "toggle button", "text", "entry", "password text", "combo box",
    "spin button", "check box", "radio button", "table", "menu item", "check menu item",
    "radio menu item",
}

TIME_RE = re.compile(r"\b\d{1,2}:\d{2}\b")
PHASE_RE = re.compile(
    r"illuminat|new moon|full moon|crescent|gibbous|quarter|\blit\b|\d+\s*%", re.I)


# ----- the outer run: tools, the private session bus, the time limit, the clean-up -------

def missing_tools():
    missing = [f"{path} (package {package})" for path, package in TOOLS
               if not os.access(path, os.X_OK)]
    if not os.access(SYSTEM_PYTHON, os.X_OK):
        missing.append(f"{SYSTEM_PYTHON} (package python3)")
    elif subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True,
                        timeout=30).returncode != 0:
        missing.append("the pyatspi module of /usr/bin/python3 (package python3-pyatspi)")
    return missing


def marked_processes(mark):
    """Processes whose environment carries this run's mark: every one the run started."""
    needle = f"{RUN_MARK}={mark}".encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if needle in f.read().split(b"\0"):
                    found.append(int(entry))
        except OSError:
            pass
    return found


def end_marked(mark):
    """Ends the run's leftover processes by their ids; returns the ones that were left."""
    left = marked_processes(mark)
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in marked_processes(mark):
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + 2
        while marked_processes(mark) and time.monotonic() < deadline:
            time.sleep(0.05)
    return left


def outer(args):
    missing = missing_tools()
    if missing:
        print("SKIP: the keyboard and screen-reader walk needs " + "; ".join(missing) +
              " (scripts/install-deps installs them)")
        return SKIP
    if not os.access(args.program, os.X_OK):
        print(f"FAIL: no program at {args.program}")
        return 1
    mark = uuid.uuid4().hex
    # Made here, so that it goes even when the inner run had to be killed.
    folder = tempfile.mkdtemp(prefix="crescendar-access-")
    env = dict(os.environ, **{RUN_MARK: mark})
    command = ["/usr/bin/dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(__file__),
               "--inner", os.path.abspath(args.program), "--folder", folder] + (
                   ["--keep"] if args.keep else [])
    started = time.monotonic()
    inner_run = subprocess.Popen(command, env=env, start_new_session=True)

    def stop(signum, _frame):
        # Stopped from outside (CTest's own time limit): nothing of the walk outlives it.
        os.killpg(inner_run.pid, signal.SIGTERM)
        try:
            inner_run.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        end_marked(mark)
        if not args.keep:
            shutil.rmtree(folder, ignore_errors=True)
        sys.exit(128 + signum)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    try:
        rc = inner_run.wait(timeout=TOTAL_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"FAIL: the walk did not finish within {TOTAL_SECONDS} s; ending it")
        os.killpg(inner_run.pid, signal.SIGTERM)
        try:
            inner_run.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(inner_run.pid, signal.SIGKILL)
            inner_run.wait()
        rc = 1
    left = end_marked(mark)
    if not args.keep:
        shutil.rmtree(folder, ignore_errors=True)
    if left:
        print(f"{'NOTE' if rc else 'FAIL'}: {len(left)} process(es) the walk started were "
              f"still running and were ended: {left}")
        rc = rc or 1
    print(f"The walk took {time.monotonic() - started:.1f} s")
    return rc


# ----- the inner run, inside the private session bus ------------------------------------

class Walk:
    def __init__(self, program, folder, keep):
        self.program = program
        self.keep = keep
        self.folder = folder
        self.processes = []  # (name, Popen), ended in reverse order
        self.failures = []
        self.passes = 0
        self.app = None
        self.app_process = None
        self.env = None
        self.started = time.monotonic()

    # --- reporting

    def check(self, what, ok, expected, found):
        if ok:
            self.passes += 1
            print(f"PASS {what} ({self.elapsed()})")
        else:
            self.failures.append(what)
            print(f"FAIL {what} ({self.elapsed()})\n"
                  f"     expected: {expected}\n     found:    {found}")
        return ok

    def elapsed(self):
        return f"{time.monotonic() - self.started:.1f} s"

    def note(self, text):
        print(f"NOTE {text}")

    # --- processes

    def start(self, name, command, **kwargs):
        log = open(os.path.join(self.folder, f"{name}.log"), "wb")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append((name, process))
        return process

    def stop_all(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def start_display(self):
        read_end, write_end = os.pipe()
        self.start("xvfb", ["/usr/bin/Xvfb", "-displayfd", str(write_end), "-screen", "0",
                            "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                   pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 10
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.2)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            raise RuntimeError("Xvfb did not report a display")
        return ":" + number.strip().decode()

    def start_accessibility_bus(self, env):
        self.start("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"], env=env)
        from gi.repository import Gio, GLib
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", None, GLib.VariantType("(s)"),
                                      Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
                return reply.unpack()[0]
            except GLib.Error:
                time.sleep(0.1)
        raise RuntimeError("the AT-SPI bus launcher did not appear on the session bus")

    def write_settings(self, config):
        # London, saved before: the first-start configuration window stays closed.
        folder = os.path.join(config, "Crescendar")
        os.makedirs(folder)
        self.settings_path = os.path.join(folder, "Crescendar.ini")
        with open(self.settings_path, "w") as f:
            f.write("[HKEY_CRESCENDAR]\nLatDeg=51\nLatMin=30\nLatSec=00\nLatDir=North\n"
                    "LongDeg=000\nLongMin=07\nLongSec=12\nLongDir=West\nLocation=London\n"
                    "ZoneName=Europe/London\nDaylightSavings=False\nTimeZone=0\n")

    def settings(self):
        values = {}
        try:
            with open(self.settings_path) as f:
                for line in f:
                    key, sep, value = line.strip().partition("=")
                    if sep:
                        values[key] = value
        except OSError:
            pass
        return values

    # --- keys

    def keys(self, *names):
        for name in names:
            subprocess.run(["/usr/bin/xdotool", "key", "--delay", "40", name], env=self.env,
                           check=True, timeout=10)
            time.sleep(0.15)

    def type_text(self, text):
        subprocess.run(["/usr/bin/xdotool", "type", "--delay", "40", text], env=self.env,
                       check=True, timeout=20)
        time.sleep(0.2)

    # --- waiting

    @staticmethod
    def poll(find, timeout):
        """find() until it gives something other than None or timeout seconds pass."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                found = find()
            except Exception:  # an object that went away while it was read
                found = None
            if found is not None or time.monotonic() >= deadline:
                return found
            time.sleep(0.1)

    # --- the steps

    def run(self):
        display = self.start_display()
        home = os.path.join(self.folder, "home")
        config = os.path.join(home, ".config")
        runtime = os.path.join(self.folder, "runtime")
        self.out = os.path.join(home, "out")
        for d in (home, runtime, self.out, os.path.join(home, "Documents")):
            os.makedirs(d, exist_ok=True)
        os.chmod(runtime, 0o700)
        self.write_settings(config)
        self.env = dict(os.environ, DISPLAY=display, HOME=home, XDG_CONFIG_HOME=config,
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"),
                        XDG_RUNTIME_DIR=runtime, TZ="Europe/London", LANG="C.UTF-8",
                        LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                        # No printer: printing asks for a PDF file.
                        CUPS_SERVER=os.path.join(self.folder, "no-cups.sock"))
        for key in ("WAYLAND_DISPLAY", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR"):
            self.env.pop(key, None)
        os.environ.update(DISPLAY=display)
        self.start_accessibility_bus(self.env)

        global pyatspi, Atspi
        import pyatspi
        from gi.repository import Atspi

        self.app_process = self.start("crescendar", [self.program], env=self.env,
                                      cwd=home)
        self.app = self.poll(self.find_app, 20)
        if not self.check("the program appears on the accessibility bus", self.app is not None,
                          "an application of process %d" % self.app_process.pid,
                          "none (the program %s)" % ("exited" if self.app_process.poll()
                                                     is not None else "is running")):
            return
        main = self.poll(lambda: self.window("Crescendar"), 10)
        if not self.check("the main window is shown", main is not None,
                          'a showing window named "Crescendar"', self.window_names()):
            return
        # A settings file the program could not read brings the first-start configuration.
        if self.window("Configuration") is not None:
            self.note("the configuration window opened at the start; Escape closes it")
            self.keys("Escape")
            self.poll(lambda: None if self.window("Configuration") else True, 2)
        self.focus_window(main, "Crescendar")
        steps = [self.main_window, self.configuration, self.times_list, self.printing,
                 self.eclipse_finder, self.calendar_export, self.quitting]
        for step in steps:
            print(f"\n== {step.__doc__} ({self.elapsed()})")
            try:
                self.close_leftovers()
                step()
            except Exception as e:  # one broken step does not hide the others
                self.check(step.__doc__, False, "the step to finish",
                           f"{type(e).__name__}: {e}")
            if self.app_process.poll() is not None and step != self.quitting:
                self.check("the program is still running", False, "running",
                           f"exited with {self.app_process.returncode}")
                break

    # --- the accessible tree

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.app_process.pid:
                Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
                return app
        return None

    def top_windows(self):
        windows = []
        for i in range(self.app.childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                windows.append(w)
        return windows

    def window_names(self):
        return ", ".join(f'{w.getRoleName()} "{w.name}"' for w in self.top_windows()) or "none"

    def window(self, title):
        for w in self.top_windows():
            if w.name == title:
                return w
        return None

    def keyboard_place(self):
        """Where the keyboard is, for the AT-SPI and for X."""
        active = [f'{w.getRoleName()} "{w.name}"' for w in self.top_windows()
                  if w.getState().contains(pyatspi.STATE_ACTIVE)]
        x_focus = subprocess.run(["/usr/bin/xdotool", "getwindowfocus", "getwindowname"],
                                 env=self.env, capture_output=True, text=True, timeout=10)
        return (f'active: {", ".join(active) or "none"}; X focus: '
                f'{x_focus.stdout.strip() or "none"}')

    def close_leftovers(self):
        """Whatever a failed step left open is closed by Escape, so that the next step
        starts from the main window alone."""
        titles = [w.name for w in self.top_windows()
                  if w.name != "Crescendar" and w.getRoleName() != "tool tip"]
        for title in titles:
            window = self.window(title)
            if window is None:
                continue
            self.note(f'"{title}" was left open; Escape closes it')
            self.focus_window(window, title)
            self.keys("Escape")
            if self.poll(lambda: None if self.window(title) else True, 1) is None:
                self.note(f'"{title}" stays open after Escape')

    def x_windows(self):
        """The program's windows that X shows."""
        found = subprocess.run(["/usr/bin/xdotool", "search", "--onlyvisible", "--pid",
                                str(self.app_process.pid), "."], env=self.env,
                               capture_output=True, text=True, timeout=10)
        return set(found.stdout.split())

    def keyboard_back(self, closed):
        """A window closed by a key gives the keyboard back to the main window."""
        main = self.window("Crescendar")
        back = main is not None and self.poll(
            lambda: True if main.getState().contains(pyatspi.STATE_ACTIVE) else None, 1.5)
        self.check(f"closing {closed} gives the keyboard back to the main window", back,
                   "the main window active", self.keyboard_place())

    def focus_window(self, window, title):
        """Without a window manager nobody gives a new window the keyboard; the program
        itself should. Where it does not, the walk does what a window manager would."""
        if self.poll(lambda: True if window.getState().contains(pyatspi.STATE_ACTIVE)
                     else None, 0.5):
            return
        self.note(f'"{title}" was not made active by the program ({self.keyboard_place()}); '
                  "the walk focused it as a window manager would")
        ids = subprocess.run(["/usr/bin/xdotool", "search", "--onlyvisible", "--pid",
                              str(self.app_process.pid), "--name", f"^{re.escape(title)}$"],
                             env=self.env, capture_output=True, text=True, timeout=10)
        for wid in ids.stdout.split()[-1:]:
            subprocess.run(["/usr/bin/xdotool", "windowfocus", "--sync", wid], env=self.env,
                           timeout=10)
        self.poll(lambda: True if window.getState().contains(pyatspi.STATE_ACTIVE) else None,
                  1)

    def open_window(self, key, key_name, title, region):
        """Opens a window of the main window's by its key. Where the key does not open it,
        the check fails and a click on the main window's region of that name opens it, so
        that the walk can still read the window and go on."""
        main = self.window("Crescendar")
        self.focus_window(main, "Crescendar")
        self.keys(key)
        window = self.poll(lambda: self.window(title), 3)
        if self.check(f"{key_name} opens {title}", window is not None,
                      f'a showing window "{title}"', self.window_names()):
            self.focus_window(window, title)
            return window
        target = next((a for _, a in self.walk_tree(main) if a.name == region), None)
        if target is None:
            return None
        box = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["/usr/bin/xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1", "mousemove", "0", "0"],
                       env=self.env, timeout=10)
        window = self.poll(lambda: self.window(title), 3)
        if window is not None:
            self.note(f'{title} was opened by a mouse click on "{region}" to go on; the '
                      "keyboard path stops here for it")
            self.focus_window(window, title)
        return window

    @staticmethod
    def text_of(acc):
        parts = []
        try:
            text = acc.queryText()
            parts.append(text.getText(0, text.characterCount))
        except NotImplementedError:
            pass
        except Exception:
            pass
        try:
            parts.append(str(acc.queryValue().currentValue))
        except NotImplementedError:
            pass
        except Exception:
            pass
        return " ".join(p for p in parts if p)

    def walk_tree(self, acc, depth=0, limit=2000):
        """(depth, object) for acc and its descendants, the showing ones only. A table's
        cells are read through the table (table_rows), not one by one here."""
        out = []
        stack = [(depth, acc)]
        while stack and len(out) < limit:
            d, a = stack.pop()
            if a is None:
                continue
            try:
                if d > depth and not a.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                out.append((d, a))
                if a.getRoleName() in ("table", "tree table"):
                    continue
                kids = [a.getChildAtIndex(i) for i in range(min(a.childCount, 400))]
            except Exception:
                continue
            stack.extend((d + 1, k) for k in reversed(kids))
        return out

    def dump(self, window, title):
        objects = self.walk_tree(window)
        print(f'-- accessible tree of "{title}" ({len(objects)} objects)')
        interactive = named = 0
        entries = []
        for depth, acc in objects:
            role = acc.getRoleName()
            name = acc.name or ""
            text = self.text_of(acc)
            print("  " * depth + self.describe(acc))
            if role in ("table", "tree table"):
                self.print_table(acc, "  " * (depth + 1))
            entries.append((role, name, text, acc))
            if role in INTERACTIVE:
                interactive += 1
                named += bool(name.strip())
        print(f'COUNT "{title}": {interactive} interactive controls, {named} with a name')
        self.counts[title] = (interactive, named)
        return entries

    def print_table(self, table, indent):
        try:
            t = table.queryTable()
        except NotImplementedError:
            print(f"{indent}(no table interface)")
            return
        headers = self.column_headers(table)
        print(f"{indent}{t.nRows} rows, {t.nColumns} columns; column headers: {headers}")
        for row in self.table_rows(table, 3):
            print(f"{indent}row: {row}")

    def column_headers(self, table):
        t = table.queryTable()
        headers = []
        for c in range(t.nColumns):
            header = t.getColumnHeader(c)
            headers.append((header.name if header is not None else "") or
                           (t.getColumnDescription(c) or ""))
        return headers

    def focused(self):
        """The object that has the keyboard in the active window, or None."""
        for w in self.top_windows():
            if not w.getState().contains(pyatspi.STATE_ACTIVE):
                continue
            for _, acc in self.walk_tree(w):
                if acc.getState().contains(pyatspi.STATE_FOCUSED):
                    return acc
        return None

    @staticmethod
    def describe(acc):
        if acc is None:
            return "nothing"
        line = f'{acc.getRoleName()}: "{acc.name}"'
        text = Walk.text_of(acc)
        if text:
            line += f" — {text}"
        description = Walk.description(acc)
        if description:
            line += f" [{description}]"
        return line

    def named(self, entries, name):
        """The entries whose name is name (any case), controls first."""
        def matches(text):
            text = text.strip().lower()
            return text.rstrip(":").strip() == name.lower() or text.startswith(
                (name.lower() + ":", name.lower() + " "))

        hits = [e for e in entries if matches(e[1])]
        return sorted(hits, key=lambda e: e[0] not in INTERACTIVE)

    # --- the steps themselves

    def main_window(self):
        """the main window's accessible tree"""
        main = self.window("Crescendar")
        entries = self.dump(main, "Crescendar")
        moon = [e for n in ("Moonrise", "Moonset") for e in self.named(entries, n)]
        self.check('"Moonrise" or "Moonset" with its time',
                   any(TIME_RE.search(e[1] + " " + e[2]) for e in moon),
                   'an object named "Moonrise" or "Moonset" whose text or value is a time',
                   "; ".join(f'{e[0]} "{e[1]}" — {e[2]}' for e in moon) or "no such name")
        sun = self.named(entries, "Sunrise")
        self.check('"Sunrise" with its time', any(TIME_RE.search(e[1] + " " + e[2])
                                                  for e in sun),
                   'an object named "Sunrise" whose text or value is a time',
                   "; ".join(f'{e[0]} "{e[1]}" — {e[2]}' for e in sun) or "no such name")
        pictures = [e for e in entries if e[0] in ("image", "icon", "canvas")]
        phase = [e for e in pictures
                 if PHASE_RE.search(e[1] + " " + e[2] + " " + self.description(e[3]))]
        if phase:
            print(f'     the Moon: {self.describe(phase[0][3])}')
        self.check("the Moon picture tells the phase or illumination", bool(phase),
                   "a picture whose name, text or description tells the phase or illumination",
                   "; ".join(self.describe(e[3]) for e in pictures) or "no picture")

        # Today at the place, written out ("9 December 2026") or as the settings' date
        # (09/12/2026); the month's phase list also names dates, so a phase's entry is no
        # answer.
        today = datetime.datetime.now(zoneinfo.ZoneInfo("Europe/London")).date()
        month = today.strftime("%B")
        written = re.compile(rf"\b0?{today.day}\b")
        numeric = re.compile(rf"\b0?{today.day}/0?{today.month}/{today.year}\b")

        def names_today(e):
            text = TIME_RE.sub(" ", e[1] + " " + e[2] + " " + self.description(e[3]))
            return not PHASE_RE.search(text) and (
                numeric.search(text) or (month.lower() in text.lower()
                                         and str(today.year) in text and written.search(text)))

        dated = [e for e in entries if names_today(e)]
        if dated:
            print(f"     the date: {self.describe(dated[0][3])}")
        self.check("the date is named", bool(dated),
                   f"an object whose name or text holds {today.day} {month} {today.year} "
                   f"(not a phase's entry)", "none")

    @staticmethod
    def description(acc):
        try:
            return acc.description or ""
        except Exception:
            return ""

    def configuration(self):
        """the configuration window, a new place, saved by keys"""
        config = self.open_window("ctrl+comma", "Ctrl+,", "Configuration", "Configuration")
        if config is None:
            return
        entries = self.dump(config, "Configuration")
        for name in ("Latitude degrees", "Time zone", "Location"):
            hits = [e for e in self.named(entries, name) if e[0] in INTERACTIVE]
            self.check(f'a control named "{name}"', bool(hits), f'a control named "{name}"',
                       "none; the controls' names: " + ", ".join(
                           f'{e[0]} "{e[1]}"' for e in entries if e[0] in INTERACTIVE))

        # Tab to the place's name: by its name, or by the place the field holds.
        def at_location():
            f = self.focused()
            if f is not None and (f.name.lower() == "location" or
                                  (f.getRoleName() in ("text", "entry")
                                   and self.text_of(f).strip() == "London")):
                return f
            return None

        location = at_location()
        for _ in range(14):
            if location is not None:
                break
            self.keys("Tab")
            location = at_location()
        if not self.check("Tab reaches the location field", location is not None,
                          'the focus on the field "Location" (holding London)',
                          self.describe(self.focused())):
            return
        self.keys("ctrl+a")
        windows = self.x_windows()
        self.type_text("Paris")
        # The matches open as a list under the field; Down picks the first, Return takes it.
        # The list is a popup, which Qt leaves out of the accessible tree: X shows it.
        popup = self.poll(lambda: True if self.x_windows() - windows else None, 3)
        if popup is None:
            self.note("no list of matching places appeared; Down and Return are pressed anyway")
        self.keys("Down", "Return")
        latitude = self.poll(lambda: True if self.settings_shown_lat(config) == "48" else None,
                             3)
        self.check("picking Paris fills its latitude", latitude is not None,
                   "latitude degrees 48 in the configuration window",
                   f"latitude degrees {self.settings_shown_lat(config)!r}, location "
                   f"{self.text_of(location)!r}")
        # Ctrl+S saves and closes; without it Escape asks, and Return answers Save.
        self.keys("ctrl+s")
        closed = self.poll(lambda: None if self.window("Configuration") else True, 2)
        if not self.check("Ctrl+S saves and closes the configuration", closed is not None,
                          "the configuration window closed", self.window_names()):
            self.keys("Escape")
            asked = self.poll(lambda: next((w for w in self.top_windows()
                                            if w.getRoleName() in ("alert", "dialog")), None),
                              2)
            if asked is not None:
                self.note(f'Escape asked ({asked.getRoleName()} "{asked.name}"); Return '
                          "answers Save")
                self.keys("Return")
            closed = self.poll(lambda: None if self.window("Configuration") else True, 3)
            self.check("Escape, then Save, closes the configuration", closed is not None,
                       "the configuration window closed", self.window_names())
        if closed:
            self.keyboard_back("the configuration")
        saved = self.poll(lambda: True if self.settings().get("LatDeg") == "48" else None, 3)
        self.check("the settings file holds the new place", saved is not None,
                   "LatDeg=48 and a Location of Paris",
                   {k: v for k, v in self.settings().items()
                    if k in ("LatDeg", "LongDeg", "Location", "ZoneName")})
        # The place's name in the main window is what a screen reader would tell; the
        # settings file alone already shows that the place was saved.
        main = self.window("Crescendar")
        if main is not None and saved:
            self.focus_window(main, "Crescendar")
            shown = self.poll(lambda: next((a for _, a in self.walk_tree(main)
                                            if "paris" in (a.name + self.text_of(a)).lower()),
                                           None), 1)
            if shown is None:
                self.note("the main window names no Paris to the accessibility bus")

    def settings_shown_lat(self, config):
        for role, name, text, acc in [(a.getRoleName(), a.name, self.text_of(a), a)
                                      for _, a in self.walk_tree(config)]:
            if name.lower() == "latitude degrees":
                return text.strip()
        # Unnamed fields: the first text field of the window is the latitude's degrees.
        for _, a in self.walk_tree(config):
            if a.getRoleName() in ("text", "entry"):
                return self.text_of(a).strip()
        return None

    def times_list(self):
        """the times list: a table, paged by a month"""
        times = self.open_window("ctrl+t", "Ctrl+T", "Monthly Times", "Rise and set times")
        if times is None:
            return
        entries = self.dump(times, "Monthly Times")
        tables = [e[3] for e in entries if e[0] == "table"]
        table = tables[0] if tables else None
        shape = "no table"
        headers = []
        rows = 0
        if table is not None:
            rows = table.queryTable().nRows
            headers = self.column_headers(table)
            shape = f"{rows} rows, column headers {headers}"
        self.check("the times list is a table with column headers and rows",
                   table is not None and rows > 0 and headers and all(h.strip()
                                                                         for h in headers),
                   "a table with named column headers and at least one row", shape)

        def shown():
            """The month named in the window and the table's first rows, as read now."""
            month = None
            for _, a in self.walk_tree(times):
                found = MONTH_RE.search(a.name + " " + self.text_of(a))
                if found:
                    month = found.group(0)
                    break
            return month, self.table_rows(table, 3) if table is not None else None

        before = shown()
        self.keys("Page_Down")
        after = self.poll(lambda: (lambda now: now if now != before else None)(shown()), 3)
        self.check("Page Down shows the next month in the table",
                   after is not None and after[1] != before[1] and after[1] is not None,
                   "the table's first rows (and the month named) changed",
                   f"before: {before}; after: {shown()}")
        self.keys("Escape")
        closed = self.poll(lambda: None if self.window("Monthly Times") else True, 3)
        if self.check("Escape closes the times list", closed is not None,
                      "the times list closed", self.window_names()):
            self.keyboard_back("the times list")

    def table_rows(self, table, count):
        t = table.queryTable()
        rows = []
        for r in range(min(count, t.nRows)):
            cells = []
            for c in range(t.nColumns):
                cell = t.getAccessibleAt(r, c)
                cells.append("" if cell is None else (cell.name or self.text_of(cell)))
            rows.append(" | ".join(cells))
        return rows

    def printing(self):
        """printing the month to a PDF file"""
        options = self.open_window("ctrl+p", "Ctrl+P", "Print Calendar", "Print")
        if options is None:
            return
        self.dump(options, "Print Calendar")
        self.keys("Return")
        target = os.path.join(self.out, "month.pdf")
        if not self.save_in_file_dialog(target, "print"):
            return
        written = self.poll(lambda: True if self.file_starts(target, b"%PDF-") else None, 6)
        self.check("a PDF file was written", written is not None,
                   f"{target} starting with %PDF-",
                   f"{os.listdir(self.out)} in {self.out}; windows: {self.window_names()}")

    def save_in_file_dialog(self, target, what):
        known = {"Crescendar", "Configuration", "Monthly Times", "Print Calendar",
                 "Calendar Export", "Reports"}
        dialog = self.poll(lambda: next((w for w in self.top_windows()
                                         if w.getRoleName() in ("dialog", "file chooser")
                                         and w.name not in known), None), 3)
        if not self.check(f"the {what} asks for a file", dialog is not None,
                          "a file dialog", self.window_names()):
            return False
        self.focus_window(dialog, dialog.name)
        # The file name field has the keyboard: the whole path replaces the proposed name.
        self.keys("ctrl+a")
        self.type_text(target)
        self.keys("Return")
        return True

    @staticmethod
    def file_starts(path, head):
        try:
            with open(path, "rb") as f:
                return f.read(len(head)) == head
        except OSError:
            return False

    def eclipse_finder(self):
        """the eclipse finder's solar eclipses, and the solar eclipse window they open"""
        menu = self.open_window("F10", "F10", "Reports", "Reports")
        if menu is None:
            return
        self.keys("f")
        finder = self.poll(lambda: self.window("Eclipse Finder"), 3)
        if not self.check("F opens the eclipse finder", finder is not None,
                          'a showing window "Eclipse Finder"', self.window_names()):
            return
        self.focus_window(finder, "Eclipse Finder")
        self.keys("ctrl+a")
        self.type_text("2026")
        self.keys("Tab", "ctrl+a")
        self.type_text("2026")
        self.keys("alt+s")
        entries = self.dump(finder, "Eclipse Finder")
        radios = {e[1]: e[3] for e in entries if e[0] == "radio button"}
        solar = radios.get("Solar")
        self.check("the choice is three radio buttons, Solar checked after Alt+S",
                   set(radios) == {"Lunar", "Solar", "Both"} and solar is not None and
                   solar.getState().contains(pyatspi.STATE_CHECKED),
                   "radio buttons Lunar, Solar, Both; Solar checked",
                   {n: a.getState().contains(pyatspi.STATE_CHECKED) for n, a in radios.items()})
        self.keys("Return")
        table = next((e[3] for e in entries if e[0] == "table"), None)

        def august():
            rows = self.table_rows(table, 4) if table is not None else []
            return rows if any("12 August 2026" in r for r in rows) else None

        rows = self.poll(august, 10)
        self.check("the list reads the year's solar eclipses, each row naming the Sun",
                   rows is not None and all(r.startswith("Sun |") for r in rows),
                   'rows "Sun | ..." with the eclipse of 12 August 2026',
                   self.table_rows(table, 4) if table is not None else "no table")
        # To the list, its last row (12 August), and open its eclipse.
        self.keys("Tab", "Tab", "End", "Return")
        sun = self.poll(lambda: self.window("Solar Eclipse"), 3)
        if not self.check("Return on a solar row opens the solar eclipse window", sun is not None,
                          'a showing window "Solar Eclipse"', self.window_names()):
            return
        lines = self.dump(sun, "Solar Eclipse")
        begins = self.named(lines, "Eclipse begins")
        heard = self.describe(begins[0][3]) if begins else "nothing"
        self.check("the solar window's contacts are read with their time and the Sun's place",
                   bool(begins) and TIME_RE.search(heard) is not None and "Sun" in heard,
                   '"Eclipse begins" read with a clock time and the Sun\'s altitude', heard)
        self.keys("Escape")
        self.poll(lambda: None if self.window("Solar Eclipse") else True, 3)
        finder = self.window("Eclipse Finder")
        if finder is not None:
            self.focus_window(finder, "Eclipse Finder")
            self.keys("Escape")
        closed = self.poll(lambda: None if self.window("Eclipse Finder") else True, 3)
        if self.check("Escape closes the solar window and the finder", closed is not None,
                      "both closed", self.window_names()):
            self.keyboard_back("the eclipse finder")

    def calendar_export(self):
        """exporting a calendar from the Reports menu"""
        menu = self.open_window("F10", "F10", "Reports", "Reports")
        if menu is None:
            return
        self.dump(menu, "Reports")

        def on_export():
            f = self.focused()
            return f if f is not None and "calendar" in f.name.lower() else None

        entry = on_export()
        for _ in range(8):
            if entry is not None:
                break
            self.keys("Down")
            entry = on_export()
        if not self.check("the arrows reach Calendar export", entry is not None,
                          'the focus on "Calendar export"', self.describe(self.focused())):
            return
        self.keys("Return")
        export = self.poll(lambda: self.window("Calendar Export"), 3)
        if not self.check("Enter opens the calendar export", export is not None,
                          'a showing window "Calendar Export"', self.window_names()):
            return
        self.focus_window(export, "Calendar Export")
        self.dump(export, "Calendar Export")
        self.keys("Return")
        target = os.path.join(self.out, "moon.ics")
        if not self.save_in_file_dialog(target, "calendar export"):
            return
        written = self.poll(lambda: True if self.file_starts(target, b"BEGIN:VCALENDAR")
                            else None, 6)
        self.check("a calendar file was written", written is not None,
                   f"{target} starting with BEGIN:VCALENDAR",
                   f"{os.listdir(self.out)} in {self.out}; windows: {self.window_names()}")

    def quitting(self):
        """quitting by Ctrl+Q"""
        main = self.window("Crescendar")
        if main is not None:
            self.focus_window(main, "Crescendar")
        self.keys("ctrl+q")
        try:
            self.app_process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        self.check("Ctrl+Q ends the program", self.app_process.poll() is not None,
                   "the program ended", "still running; windows: " + self.window_names())


MONTH_RE = re.compile(r"\b(January|February|March|April|May|June|July|August|September|"
                      r"October|November|December)\b")


def inner(args):
    walk = Walk(args.program, args.folder, args.keep)
    walk.counts = {}
    interrupted = []

    def stop(signum, _frame):
        # Once: the clean-up that follows is not to be interrupted again.
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        interrupted.append(signum)
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, stop)
    try:
        walk.run()
    except KeyboardInterrupt:
        walk.failures.append("the walk was interrupted")
    except Exception as e:
        walk.check("setting up the walk", False, "Xvfb, the buses and the program started",
                   f"{type(e).__name__}: {e}")
    finally:
        walk.stop_all()
        log = os.path.join(walk.folder, "crescendar.log")
        if walk.failures and os.path.exists(log):
            with open(log, errors="replace") as f:
                tail = f.read()[-3000:]
            if tail.strip():
                print("-- the program's output\n" + tail)
        if walk.keep:
            print(f"Kept {walk.folder}")
    print("\n== counts of interactive controls (named / all)")
    for title, (interactive, named) in walk.counts.items():
        print(f'  "{title}": {named} / {interactive}')
    print(f"\n{walk.passes} passed, {len(walk.failures)} failed")
    for failure in walk.failures:
        print(f"  failed: {failure}")
    return 1 if walk.failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="the crescendar program to walk through")
    parser.add_argument("--keep", action="store_true",
                        help="keep the temporary home, the logs and the files written")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--folder", help=argparse.SUPPRESS)
    args = parser.parse_args()
    return inner(args) if args.inner else outer(args)


if __name__ == "__main__":
    sys.exit(main())
