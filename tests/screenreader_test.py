#!/usr/bin/python3
"""Uses the program as a screen reader user does, through AT-SPI.

Started by screenreader_test.sh inside a private X server and D-Bus session
whose accessibility bus is already being launched. It waits for that bus,
starts the program, and then only goes by what AT-SPI shows: it presses
"CONTINUA" on the splash and "DIPOLO STANDARD" on the menu, finds the half-wave
dipole's frequency field by its name, types 7,05, selects "Orizzontale",
presses "CALCOLA", reads the length 20,21 back from the result named after its
caption, and closes the program from the menu.

Exit status: 0 passed, 1 failed, 77 AT-SPI cannot work here (skipped).

Usage: screenreader_test.py PROGRAM
"""

import os
import subprocess
import sys
import time

SKIPPED = 77

FIELD_NAME = "INPUT  FREQUENZA"
RESULT_NAME = "LA  LUNGHEZZA  COMPLESSIVA  DEL  DIPOLO  SARA'  DI   mt"
FREQUENCY = "7,05"
LENGTH = "20,21"


class Failure(Exception):
    pass


def skip(reason):
    print("SKIP: " + reason, flush=True)
    sys.exit(SKIPPED)


try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
    import pyatspi
except (ImportError, ValueError) as error:
    skip("python3-pyatspi is not usable: %s" % error)


def wait_for(what, probe, seconds=20.0, interval=0.1):
    """Polls probe() until it returns something true; fails after the wait."""
    end = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None  # an object went away while we looked: look again
        if found:
            return found
        if time.monotonic() >= end:
            raise Failure("gave up after %.0f s waiting for %s" % (seconds, what))
        time.sleep(interval)


def accessibility_bus_address():
    """The accessibility bus address, once its launcher answers on the session bus."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 1000, None)
    return reply.unpack()[0]


def wait_for_accessibility_bus():
    end = time.monotonic() + 15.0
    last_error = None
    while time.monotonic() < end:
        try:
            address = accessibility_bus_address()
            if address:
                return address
        except GLib.Error as error:
            last_error = error.message
        time.sleep(0.2)
    skip("the accessibility bus did not come up (%s)" % last_error)


def walk(node, depth=0):
    """Every accessible below node, depth first, as a screen reader reads them."""
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except GLib.Error:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except GLib.Error:
            continue
        yield from walk(child, depth + 1)


def has_text(node):
    try:
        node.queryText()
        return True
    except NotImplementedError:
        return False


def text_of(node):
    return node.queryText().getText(0, -1)


class ScreenReader:
    def __init__(self, program):
        self.program = program

    def application(self):
        if self.program.poll() is not None:
            raise Failure("the program ended (status %d) before the test was done" % self.program.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.program.pid:
                # Always ask the program itself, never a stale copy.
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        return None

    def find(self, role, name, condition=lambda node: True):
        app = self.application()
        if app is None:
            return None
        for node in walk(app):
            if node.getRole() == role and node.name == name and condition(node):
                return node
        return None

    def wait_for(self, role, name, condition=lambda node: True, seconds=20.0):
        what = "%s %r" % (Atspi.role_get_name(role), name)
        return wait_for(what, lambda: self.find(role, name, condition), seconds)

    def act(self, node, *wanted):
        """Performs the first of the wanted actions that the control offers."""
        actions = node.queryAction()
        names = [actions.getName(index) for index in range(actions.nActions)]
        for action in wanted:
            for index, name in enumerate(names):
                if name.lower() == action:
                    actions.doAction(index)
                    return
        raise Failure("%r offers none of %s, only %s" % (node.name, wanted, names))

    def press(self, button_name):
        self.act(self.wait_for(pyatspi.ROLE_PUSH_BUTTON, button_name), "press", "click")

    def type_into(self, field, keys):
        """Types the keys into the field as a user would: focus, then key presses."""
        field.queryComponent().grabFocus()
        wait_for("the focus on %r" % field.name, lambda: field.getState().contains(pyatspi.STATE_FOCUSED), 10)
        for key in keys:
            # Printable ASCII characters are their own X key symbols.
            pyatspi.Registry.generateKeyboardEvent(ord(key), None, pyatspi.KEY_SYM)
        wait_for("%r in %r" % (keys, field.name), lambda: text_of(field) == keys, 10)


def describe_desktop():
    """What the accessibility registry knows, for a failure report."""
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        apps = []
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            apps.append("%r (process %s)" % (app.name, app.get_process_id()) if app else "None")
        return "applications on the accessibility bus: %s" % (", ".join(apps) or "none")
    except GLib.Error as error:
        return "the accessibility registry does not answer: %s" % error.message


def use_the_half_wave_dipole(reader):
    wait_for("the program on the accessibility bus", reader.application, 30)

    reader.press("CONTINUA")
    reader.press("DIPOLO STANDARD")

    field = reader.wait_for(pyatspi.ROLE_TEXT, FIELD_NAME)
    result = reader.wait_for(pyatspi.ROLE_LABEL, RESULT_NAME, has_text)
    if text_of(result) != "":
        raise Failure("the length shows %r before any calculation" % text_of(result))
    labelled_by = [relation for relation in field.getRelationSet()
                   if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if not labelled_by or labelled_by[0].getTarget(0).name != FIELD_NAME:
        raise Failure("the field %r is not labelled by its caption" % FIELD_NAME)

    reader.type_into(field, FREQUENCY)

    horizontal = reader.wait_for(pyatspi.ROLE_RADIO_BUTTON, "Orizzontale")
    reader.act(horizontal, "toggle", "press", "click")
    wait_for("'Orizzontale' selected", lambda: horizontal.getState().contains(pyatspi.STATE_CHECKED), 10)

    reader.press("CALCOLA")
    wait_for("the length %s" % LENGTH, lambda: text_of(result) == LENGTH, 10)
    print("read: %s = %s" % (result.name, text_of(result)), flush=True)

    reader.press("MENU'")
    reader.press("CHIUDI")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    wait_for_accessibility_bus()

    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        use_the_half_wave_dipole(ScreenReader(program))
        try:
            status = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after 'CHIUDI'")
        if status != 0:
            raise Failure("the program ended with status %d" % status)
    except Failure as failure:
        print("FAIL: %s" % failure, flush=True)
        print(describe_desktop(), flush=True)
        return 1
    finally:
        if program.poll() is None:
            program.terminate()
            try:
                program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                program.kill()
                program.wait()
    print("PASS: the half-wave dipole form read and used through AT-SPI", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
