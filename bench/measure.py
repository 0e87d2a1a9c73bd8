#!/usr/bin/env python3
"""Runs a command and prints what it cost, as "wall_ms cpu_ms maxrss_kib exit_status":
wall-clock time from just before the fork to its end, its user plus system CPU time and
its peak resident memory (from wait4, so for exactly this child). Output of the command
goes where the caller's goes."""
import os
import sys
import time


def main():
    args = sys.argv[1:]
    if args and args[0] == "--":
        args = args[1:]
    if not args:
        sys.exit("usage: measure.py [--] COMMAND [ARG...]")
    start = time.monotonic()
    pid = os.fork()
    if pid == 0:
        try:
            os.execvp(args[0], args)
        finally:
            os._exit(127)
    _, status, usage = os.wait4(pid, 0)
    wall = (time.monotonic() - start) * 1000
    cpu = (usage.ru_utime + usage.ru_stime) * 1000
    code = os.waitstatus_to_exitcode(status)
    print(f"{wall:.1f} {cpu:.1f} {usage.ru_maxrss} {code}")


main()
