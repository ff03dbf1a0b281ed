#!/usr/bin/env python3
"""Checks the shipped translation files: each must be well-formed and compile with lrelease,
whose statistics are printed, and no finished message may have an empty translation.

Usage: check_ts.py LRELEASE FILE.ts...
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def empty_finished(path):
    """The sources of the finished messages whose translation (or a plural form) is empty."""
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            forms = translation.findall("numerusform")
            texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
            if any(not t.strip() for t in texts):
                faults.append(f"{name}: {message.findtext('source', '')!r}")
    return faults


def main():
    lrelease, files = sys.argv[1], sys.argv[2:]
    failed = False
    with tempfile.TemporaryDirectory() as out:
        for path in files:
            print(f"== {os.path.basename(path)}")
            try:
                faults = empty_finished(path)
            except ET.ParseError as e:
                print(f"FAIL: not a valid translation file: {e}")
                failed = True
                continue
            qm = os.path.join(out, os.path.basename(path) + ".qm")
            run = subprocess.run([lrelease, "-nounfinished", path, "-qm", qm], capture_output=True, text=True)
            print(run.stdout.strip())
            if run.returncode != 0 or not os.path.exists(qm):
                print(f"FAIL: lrelease could not compile it:\n{run.stderr}")
                failed = True
            for fault in faults:
                print(f"FAIL: finished but empty: {fault}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
