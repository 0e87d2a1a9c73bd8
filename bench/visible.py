#!/usr/bin/env python3
"""Watches a save folder while a run fills it: visible.py SAVE_DIR SERVED_DIR STOP_FILE.
Lists SAVE_DIR over and over until STOP_FILE exists (or its folder is gone), and counts the pictures seen under
their final name (*.jpg) with fewer bytes than the served file of that name: each one is a
half-written file a person or a script could have opened. Prints "listings seen_incomplete"."""
import os
import sys


def main():
    save_dir, served_dir, stop_file = sys.argv[1:4]
    sizes = {}
    listings = incomplete = 0
    stop_dir = os.path.dirname(os.path.abspath(stop_file))
    while not os.path.exists(stop_file) and os.path.isdir(stop_dir):
        listings += 1
        try:
            entries = list(os.scandir(save_dir))
        except FileNotFoundError:
            continue
        for entry in entries:
            if not entry.name.endswith(".jpg"):
                continue
            if entry.name not in sizes:
                sizes[entry.name] = os.stat(os.path.join(served_dir, entry.name)).st_size
            try:
                if entry.stat().st_size < sizes[entry.name]:
                    incomplete += 1
            except FileNotFoundError:
                pass
    print(f"{listings} {incomplete}")


main()
