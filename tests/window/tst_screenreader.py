#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears from the calculator: Orca's speech, and what
it reads over a real AT-SPI bus.

Starts its own X server (Xvfb), a window manager (openbox), a private D-Bus
session and the AT-SPI bus launcher, Orca speaking through speech-dispatcher
and espeak-ng, and the program with Qt's accessibility bridge switched on.
First it presses keys and reads, from Orca's debug log, the phrases Orca
speaks (SPOKEN). Then it reads names, roles and label relations with pyatspi,
the library screen readers use. Stock forms are chosen as a user would: the
form list's own action opens it, and a click on the entry, at the place the
bus reports, picks it.

Usage: tst_screenreader.py PROGRAM. Fails when a tool it needs is missing.
"""

import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
XVFB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "harness", "xvfb.sh")

# Row by row, what the parameter area says for a stock form: role, name, and
# the captions that label the control (the frame labels text boxes too). The
# unit lists have no caption of their own; their name says whose unit they are.
def row(caption, unit=True):
    heard = [("text", caption, [caption + ":", "Parameters"])]
    if unit:
        heard.append(("combo box", caption + " unit", []))
    return heard

def size_list(caption):
    return [("combo box", caption, [caption + ":"])]

LAYOUTS = [
    ("Angles", row("Leg 1") + row("Leg 2") + row("Thickness") + row("Length")),
    ("Pipe", size_list("Size - Outer Diameter") + size_list("Schedule") + row("Length")),
    ("Rebar", size_list("Size") + row("Length")),
    ("Beam", row("Size") + row("Weight/ft.", unit=False) + row("Length")),
    ("Tees", size_list("Size") + row("Length")),
    ("Rectangular Tube", row("Width") + row("Height") + row("Wall Thickness") + row("Length")),
    ("Round Bar", row("Diameter") + row("Length")),
    ("Angles", row("Leg 1") + row("Leg 2") + row("Thickness") + row("Length")),
]

WEB_ADDRESS = "www.keldary.example"

# What Orca says, row by row: the keys pressed (xdotool names, from the window
# as it opens with the focus on the alloy list), the phrases it must speak in
# that order, and a phrase it must not speak. Each row goes on from the last.
SPOKEN = [
    ("the alloy list with its entry", "Tab shift+Tab", ["Alloy:", "Steel (Default)"], None),
    ("a new alloy", "Down", ["Aluminum"], None),
    ("the form list with its entry", "Up Tab", ["Form:", "Angles"], None),
    ("a unit list by its row and unit", "Tab 3 Tab", ["Leg 1 unit", "in"], None),
    ("a new unit", "Down", ["ft"], None),
    ("the unit back", "Up", ["in"], None),
    ("a one-digit value", "shift+Tab", ["Leg 1:", "text", "3 selected"], None),
    # The unit list heard before the focus goes back: Orca 43 on a busy machine
    # passes over a focus that is gone again before it has read it.
    ("the thickness typed", "Tab Tab 2 Tab Tab 0 period 2 5 Tab", ["Thickness unit"], None),
    ("every digit of a value", "shift+Tab", ["Thickness:", "0.25 selected"], None),
    ("the length in feet", "Tab Tab 1 0 Tab Down", ["ft"], None),
    ("Calculate, heard where the focus is", "Tab Tab Tab space", ["41.325 lb"], None),
    ("the weight box in pounds", "shift+Tab", ["Calculated Weight, lb:", "41.325 selected"], None),
    ("two stored lines", "Tab Tab Tab space space Tab Tab Tab Tab", ["Stored results", "List with 2 items"], None),
    # Up from the first line moves nothing, but selects it for Remove Result.
    # (Orca 43 names the role "push button", Orca 48 "button".)
    ("Remove Result after Up, focus kept", "Up shift+Tab shift+Tab shift+Tab space",
     ["Remove Result", "button"], "Stored results"),
    ("Remove Result after Up did remove", "Tab Tab Tab", ["Stored results", "List with 1 item"], None),
    ("the pipe sizes with their entry", " ".join(["shift+Tab"] * 17) + " p Tab",
     ["Size - Outer Diameter:", "1/8 - 0.405 in"], None),
    ("a new pipe size", "Down", ["1/4 - 0.540 in"], None),
]


def wait_for(what, condition, timeout=20.0):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the bus or the program is not ready yet
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.1)


class Session:
    """Xvfb, a D-Bus session with the AT-SPI bus, and the program."""

    def __init__(self, program, folder):
        self.processes = []
        try:
            self._start_all(program, folder)
        except BaseException:
            self.close()  # no server outlives a failed start
            raise

    def _start_all(self, program, folder):
        self.env = dict(os.environ, XDG_RUNTIME_DIR=folder, HOME=folder, LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        # -noreset: without it the server resets when its first client (the
        # bus launcher) leaves, and a program connecting just then fails.
        self.env["DISPLAY"] = ":" + self._read_from(["bash", XVFB, "1024x768", "-noreset"])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_from(
            ["dbus-daemon", "--session", "--nofork", "--address=unix:path=%s/bus" % folder, "--print-address=1"])
        self._start([LAUNCHER, "--launch-immediately", "--a11y=1"])
        # Qt asks the session bus for the accessibility bus once, at start.
        from gi.repository import Gio, GLib
        session_bus = Gio.DBusConnection.new_for_address_sync(
            self.env["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None)
        wait_for("the AT-SPI bus", lambda: session_bus.call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
            GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 1000, None))

        # A browser that notes what it was asked to open.
        self.opened = os.path.join(folder, "opened")
        bin_dir = os.path.join(folder, "bin")
        os.mkdir(bin_dir)
        with open(os.path.join(bin_dir, "xdg-open"), "w") as browser:
            browser.write('#!/bin/sh\necho "$1" >> "%s"\n' % self.opened)
        os.chmod(os.path.join(bin_dir, "xdg-open"), 0o755)

        self.orca_log = os.path.join(folder, "orca.log")
        # The window manager first: the window must be given the focus as it maps.
        self._start(["openbox", "--sm-disable"])
        wait_for("the window manager", lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True, text=True).stdout)
        self._start_speech(folder)

        os.environ.update(self.env)  # pyatspi finds the bus through these
        self.program_log = os.path.join(folder, "program.log")
        self.program = self._start([program], stderr_path=self.program_log, env=dict(
            self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
            PATH=bin_dir + os.pathsep + self.env.get("PATH", "")))

    def _start_speech(self, folder):
        """Orca, speaking through speech-dispatcher and espeak-ng into libao's
        null driver: the speech service hangs without a sound device to write to.
        Orca's debug log holds every phrase it speaks."""
        config = os.path.join(folder, ".config")
        shutil.copytree("/etc/speech-dispatcher", os.path.join(config, "speech-dispatcher"))
        with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "a") as conf:
            conf.write('\nAudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                       'DefaultModule espeak-ng\n')
        with open(os.path.join(folder, ".libao"), "w") as libao:
            libao.write("default_driver=null\n")
        data = os.path.join(folder, ".local", "share")
        self.env.update(XDG_CONFIG_HOME=config, XDG_DATA_HOME=data, XDG_CACHE_HOME=os.path.join(folder, ".cache"))
        # Orca's own place for a user's additions: its log written line by
        # line, so that a phrase is in the file as soon as it is spoken.
        os.makedirs(os.path.join(data, "orca"))
        with open(os.path.join(data, "orca", "orca-customizations.py"), "w") as customizations:
            customizations.write("import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.orca = self._start(["orca", "--replace", "--debug-file", self.orca_log],
                                stderr_path=os.path.join(folder, "orca.err"), stdout=subprocess.DEVNULL)
        wait_for("Orca to speak", lambda: "SPEECH OUTPUT" in open(self.orca_log, errors="replace").read(), 90)

    def _start(self, command, env=None, stderr_path=None, **kwargs):
        stderr = open(stderr_path, "w") if stderr_path else subprocess.DEVNULL
        process = subprocess.Popen(command, env=env or self.env, stderr=stderr, **kwargs)
        if stderr_path:
            stderr.close()  # the child has its own copy
        self.processes.append(process)
        return process

    def _read_from(self, command):
        """Starts a server that writes one line (its display or address) to its output."""
        line = self._start(command, stdout=subprocess.PIPE, text=True).stdout.readline().strip()
        if not line:
            raise AssertionError("%s did not start" % command[0])
        return line

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def spoken_since(log, mark):
    """The phrases Orca spoke after the first `mark` ones, from its debug log."""
    with open(log, errors="replace") as lines:
        phrases = re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established'", lines.read())
    return phrases[mark:]


def says(heard, phrases):
    """Whether the phrases were spoken in this order, each as whole words."""
    text, at = " | ".join(heard), 0
    for phrase in phrases:
        found = re.compile(r"(?<!\w)" + re.escape(phrase) + r"(?!\w)").search(text, at)
        if not found:
            return False
        at = found.end()
    return True


def listen(session, failures):
    """Presses each row's keys and waits for Orca to say its phrases."""
    wait_for("Orca to read the window",
             lambda: says(spoken_since(session.orca_log, 0), ["Keldary - Metals Weight Calculator"]), 30)
    mark = 0
    for what, keys, phrases, never in SPOKEN:
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "120"] + keys.split(), env=session.env, check=True)
        try:
            wait_for(what, lambda: says(spoken_since(session.orca_log, mark), phrases), 20)
            if never:
                time.sleep(1.5)  # time for a wrong phrase to follow
        except AssertionError:
            pass
        heard = spoken_since(session.orca_log, mark)
        if not says(heard, phrases) or (never and says(heard, [never])):
            failures.append("%s (%s):\n  heard    %s\n  expected %s%s" % (
                what, keys, heard, phrases, ", never %r" % never if never else ""))
        mark += len(heard)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def labels(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRoleName() != "combo box":  # not into the lists' entries
            yield from descendants(child)


def find(root, role, name=None):
    for node in descendants(root):
        if node.getRoleName() == role and (name is None or node.name == name) and showing(node):
            return node
    return None


def parameter_area(window):
    """What the shown controls in the Parameters frame say, in reading order."""
    frame = find(window, "panel", "Parameters")
    area = extents(frame)
    heard = []
    for node in descendants(window):
        if node.getRoleName() not in ("text", "combo box") or not showing(node):
            continue
        box = extents(node)
        if area.x <= box.x < area.x + area.width and area.y <= box.y < area.y + area.height:
            heard.append(((box.y, box.x), (node.getRoleName(), node.name, labels(node))))
    return [entry for _, entry in sorted(heard)]


def choose_form(window, form):
    shapes = [node for node in descendants(window)
              if node.getRoleName() == "combo box" and "Form:" in labels(node)][0]
    actions = shapes.queryAction()
    press = [actions.getName(i) for i in range(actions.nActions)].index("Press")
    entries = shapes[0]
    for _ in range(3):
        if shapes.name == form:
            return
        if not showing(entries):
            actions.doAction(press)
        entry = wait_for("the list of forms to open",
                         lambda: next(e for e in entries if e.name == form and showing(entries)))
        # A list ignores a click that comes within a double-click interval
        # of its opening, taking it for the release of the opening click.
        time.sleep(0.6)
        box = extents(entry)
        pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1c")
        try:
            wait_for("the form list to show " + form, lambda: shapes.name == form, 5)
        except AssertionError:
            continue
    if shapes.name != form:
        raise AssertionError("could not choose " + form)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    # A missing tool fails the test: a user of a screen reader depends on it.
    missing = [tool for tool in ("Xvfb", "dbus-daemon", "openbox", "xdotool", "xprop", "orca", "speech-dispatcher")
               if not shutil.which(tool)]
    if not os.access(LAUNCHER, os.X_OK):
        missing.append("at-spi-bus-launcher (at-spi2-core)")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi for /usr/bin/python3 (python3-pyatspi)")
    if missing:
        print("FAIL: not installed (tools/packages.txt): " + ", ".join(missing))
        sys.exit(1)

    failures = []
    with tempfile.TemporaryDirectory() as folder:
        session = Session(sys.argv[1], folder)
        try:
            # Imported once the session is up: the library connects to the
            # bus that the environment names when it is loaded.
            global pyatspi, Atspi
            import pyatspi
            from gi.repository import Atspi
            desktop = pyatspi.Registry.getDesktop(0)
            desktop.set_cache_mask(Atspi.Cache.NONE)
            try:
                app = wait_for("the program on the AT-SPI bus",
                               lambda: next(a for a in desktop if a is not None and a.name == "keldary"))
            except AssertionError:
                with open(session.program_log) as log:
                    print("the program (exit status %s) said:\n%s" % (session.program.poll(), log.read()))
                raise
            # Every read goes to the program, never to a copy from before a change.
            app.set_cache_mask(Atspi.Cache.NONE)
            window = wait_for("the window", lambda: next(w for w in app if showing(w)))
            wait_for("the Parameters frame", lambda: find(window, "panel", "Parameters"))

            listen(session, failures)

            for form, expected in LAYOUTS:
                choose_form(window, form)
                heard = parameter_area(window)
                if heard != expected:
                    failures.append("%s:\n  heard    %s\n  expected %s" % (form, heard, expected))

            link = find(window, "link", WEB_ADDRESS)
            if not link:
                failures.append("no link named %s; the window has %s" % (
                    WEB_ADDRESS, [(n.getRoleName(), n.name) for n in descendants(window)
                                  if WEB_ADDRESS in (n.name or "")]))
            else:
                actions = link.queryAction()
                if actions.nActions < 1:
                    failures.append("the link has no action")
                else:
                    actions.doAction(0)  # a reader's default action
                    try:
                        wait_for("the browser", lambda: os.path.exists(session.opened), 10)
                        with open(session.opened) as opened:
                            pages = opened.read().split()
                        if pages != ["http://" + WEB_ADDRESS]:
                            failures.append("the link's default action opened %s" % pages)
                    except AssertionError as error:
                        failures.append("the link's default action opened nothing (%s)" % error)
            if session.program.poll() is not None:
                failures.append("the program ended")
        finally:
            session.close()

    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        sys.exit(1)
    print("PASS: %d phrases heard from Orca, %d layouts and the web link over the bus" % (len(SPOKEN), len(LAYOUTS)))


if __name__ == "__main__":
    main()
