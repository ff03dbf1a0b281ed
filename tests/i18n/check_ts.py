#!/usr/bin/env python3
"""Checks the shipped translation files: each must be well-formed and compile with lrelease,
whose statistics are printed; every message must be translated (none unfinished), no
translation may be empty, and each must keep its source's placeholders (%1, %n).

With --lupdate LUPDATE ROOT DIR..., each file is also brought up to date with the sources of
those folders in a scratch copy first, so that a text marked in the code but missing from the
files counts as not translated.

Usage: check_ts.py LRELEASE FILE.ts... [--lupdate LUPDATE ROOT DIR...]
"""
import glob
import shutil
import os
import re
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


PLACEHOLDER = re.compile(r"%(?:L?\d|n)")


def unfinished_or_unlike(path):
    """The messages left unfinished, and those whose translation lost or gained a placeholder."""
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            if kind == "unfinished":
                faults.append(f"not translated: {name}: {source!r}")
                continue
            forms = translation.findall("numerusform")
            for text in [f.text or "" for f in forms] if forms else [translation.text or ""]:
                if sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                    faults.append(f"placeholders differ: {name}: {source!r} -> {text!r}")
    return faults


def main():
    args = sys.argv[1:]
    update = None
    if "--lupdate" in args:
        at = args.index("--lupdate")
        args, update = args[:at], args[at + 1:]
    lrelease, files = args[0], args[1:]
    failed = False
    with tempfile.TemporaryDirectory() as out:
        if update:
            lupdate, root, dirs = update[0], update[1], update[2:]
            sources = sorted(f for d in dirs for pattern in ("*.cpp", "*.h")
                             for f in glob.glob(os.path.join(root, d, pattern)))
            listing = os.path.join(out, "sources.lst")
            with open(listing, "w") as f:
                f.write("\n".join(sources))
            copies = []
            for path in files:
                copy = os.path.join(out, os.path.basename(path))
                shutil.copy(path, copy)
                copies.append(copy)
            run = subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "@" + listing,
                                  "-ts"] + copies, capture_output=True, text=True)
            if run.returncode != 0:
                print(f"FAIL: lupdate could not read the sources:\n{run.stderr}")
                return 1
            files = copies
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
            for fault in unfinished_or_unlike(path):
                print(f"FAIL: {fault}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
