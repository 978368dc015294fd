#!/usr/bin/env python3
"""Prints the line and branch coverage of each room from gcovr's JSON summary.

Usage: coverage-rooms.py SUMMARY.json ROOM...
A file belongs to the room that is the first folder of its path. Exits 1
when a room has no measured file, so that a room the report lost is seen.
"""
import json
import sys


def percent(covered, total):
    return f"{100.0 * covered / total:5.1f} %" if total else "    -  "


def main(summary_path, rooms):
    with open(summary_path, encoding="utf-8") as summary:
        files = json.load(summary)["files"]
    totals = {room: [0, 0, 0, 0] for room in rooms}
    for entry in files:
        room = entry["filename"].split("/", 1)[0]
        if room in totals:
            t = totals[room]
            t[0] += entry["line_covered"]
            t[1] += entry["line_total"]
            t[2] += entry["branch_covered"]
            t[3] += entry["branch_total"]
    print(f"{'room':<10} {'lines':>9} {'branches':>9}   (lines, branches measured)")
    missing = []
    for room, (lc, lt, bc, bt) in totals.items():
        if lt == 0:
            missing.append(room)
        print(f"{room:<10} {percent(lc, lt):>9} {percent(bc, bt):>9}   ({lt}, {bt})")
    if missing:
        print("no measured file in: " + ", ".join(missing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
