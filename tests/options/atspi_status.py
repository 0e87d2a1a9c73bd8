#!/usr/bin/python3
"""Reads the options dialog's status bar as a screen reader does, through AT-SPI.

Usage: atspi_status.py PID. Prints "ready" once it listens, then, at the first change of
the status bar's accessible name in the program PID, the new name, and exits. Exits 1
when nothing came within the time allowed.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

pid = int(sys.argv[1])
result = {"name": None}


def on_name_change(event):
    source = event.source
    try:
        if source.get_process_id() != pid or source.get_role() != Atspi.Role.STATUS_BAR:
            return
        result["name"] = source.get_name()
    except GLib.Error:
        return
    Atspi.event_quit()


listener = Atspi.EventListener.new(on_name_change)
listener.register("object:property-change:accessible-name")
print("ready", flush=True)
GLib.timeout_add_seconds(20, lambda: Atspi.event_quit() or False)
Atspi.event_main()
if result["name"] is None:
    sys.exit(1)
print(result["name"], flush=True)
