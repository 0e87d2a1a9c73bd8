#!/usr/bin/python3
"""Reads a text display of a running program through the accessibility bus, as a screen
reader does: the display is found by its description (its tooltip) in the program PID.

Usage: atspi_names.py PID DESCRIPTION [listen | BUTTON]
Prints the display's name at once. With "listen" or the name of a button to press, then
waits for the bus to announce a new name and prints the name read when told. Exit status:
0 done, 1 the display never appeared or no new name was announced within 20 seconds.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def find(pid, test, seconds=20):
    """The first object of the program PID that passes test; the program's windows appear a
    moment after the program registers on the bus."""
    desktop = Atspi.get_desktop(0)
    deadline = GLib.get_monotonic_time() + seconds * 1_000_000
    while GLib.get_monotonic_time() < deadline:
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is None or app.get_process_id() != pid:
                    continue
                node = next((n for n in walk(app) if test(n)), None)
            except GLib.Error:
                node = None
            if node is not None:
                return node
        GLib.usleep(100_000)
    return None


def main(pid, description, then=None):
    Atspi.init()
    display = find(pid, lambda n: n.get_description() == description)
    if display is None:
        print(f"nothing described as {description!r}", file=sys.stderr)
        return 1
    first = display.get_name()
    heard = []

    def on_name(event):
        # The event names the object only; a reader then reads the name, which may by now
        # already be a later text.
        try:
            if event.source.get_description() == description:
                heard.append(event.source.get_name())
        except GLib.Error:
            return
        if heard and heard[-1] not in (first, ""):
            Atspi.event_quit()

    listener = Atspi.EventListener.new(on_name)
    listener.register("object:property-change:accessible-name")
    print(first, flush=True)
    if then is None:
        return 0
    if then != "listen":
        button = find(pid, lambda n: n.get_role() == Atspi.Role.PUSH_BUTTON
                      and n.get_name() == then)
        if button is None:
            print(f"no button named {then!r}", file=sys.stderr)
            return 1
        Atspi.Action.do_action(button, 0)
    GLib.timeout_add_seconds(20, lambda: Atspi.event_quit() or False)
    Atspi.event_main()
    if not heard or heard[-1] in (first, ""):
        print(f"no new name was announced, heard {heard!r}", file=sys.stderr)
        return 1
    print(heard[-1], flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(int(sys.argv[1]), *sys.argv[2:4]))
