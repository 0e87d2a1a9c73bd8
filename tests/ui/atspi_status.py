#!/usr/bin/python3
"""Reads the main window through the accessibility bus, as a screen reader does.

Checks that the status line and the clock are named by the text they show and described by
their tooltips, then presses Get and waits for the bus to announce the status line's new
name, and reads the new status when told. Exit status: 0 all seen, 1 a check failed.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

STATUS_TIP = "Currebt File Status"
CLOCK_TIP = "Time of day"


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def find_app(name, seconds):
    desktop = Atspi.get_desktop(0)
    deadline = GLib.get_monotonic_time() + seconds * 1_000_000
    while GLib.get_monotonic_time() < deadline:
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and (app.get_name() or "").lower() == name:
                # The window appears a moment after the application registers.
                if any(n.get_role() == Atspi.Role.PUSH_BUTTON for n in walk(app)):
                    return app
        GLib.usleep(100_000)
    return None


def by_description(app, description):
    for node in walk(app):
        if node.get_description() == description:
            return node
    return None


def main():
    Atspi.init()
    app = find_app("quillop", 20)
    if app is None:
        print("FAIL: the program did not appear on the accessibility bus")
        return 1
    failures = []

    status = by_description(app, STATUS_TIP)
    if status is None:
        failures.append(f"no object described as {STATUS_TIP!r}")
    elif status.get_name() != "Engine Stopped":
        failures.append(f"status line reads {status.get_name()!r}, not 'Engine Stopped'")
    clock = by_description(app, CLOCK_TIP)
    if clock is None or not any(c.isdigit() for c in clock.get_name()):
        failures.append(f"clock reads {clock.get_name() if clock else None!r}")

    heard = []
    loop = GLib.MainLoop()

    def on_name(event):
        # The event names the object only; a screen reader then reads the name, which by
        # now may already be a later status of the run.
        if event.source is not None and event.source.get_description() == STATUS_TIP:
            heard.append(event.source.get_name())
            if heard[-1] not in ("Engine Stopped", "") and not heard[-1].startswith("Open"):
                loop.quit()

    listener = Atspi.EventListener.new(on_name)
    listener.register("object:property-change:accessible-name")
    get = next((n for n in walk(app) if n.get_role() == Atspi.Role.PUSH_BUTTON
                and n.get_name() == "Get"), None)
    if get is None:
        failures.append("no button named 'Get'")
    else:
        Atspi.Action.do_action(get, 0)
        GLib.timeout_add_seconds(20, loop.quit)
        loop.run()
        if not heard:
            failures.append("no name change of the status line was announced")
        elif any(h in ("Engine Stopped", STATUS_TIP, "") for h in heard):
            failures.append(f"the status line was announced as {heard!r}")
        else:
            print(f"announced: {heard!r}")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
