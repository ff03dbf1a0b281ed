#!/usr/bin/python3
"""Every pinned JSON answer of crescendar-cli is valid against docs/crescendar-cli.schema.json.

The runs of tests/golden/cli/commands.txt that use --json are checked, each against the
schema's entry for its command ($defs/<command>); with the CLI's path, also a live
`places London --json` (the gazetteer's answers are not pinned). The answers with solar
eclipses (the solar command, eclipses --kind solar or both) are checked once the schema
describes them ($defs/solar); until then they are named as not checked and count neither way.
Answers changed from the pinned ones (a renamed key, a crossing At without its instant, ...)
must be refused. Uses Debian's python3-jsonschema (scripts/install-deps): when it cannot be
imported, the test reports SKIP (exit 77) with the reason, and never passes.

Usage: validate_cli_json.py SCHEMA GOLDEN_CLI_DIR [CRESCENDAR_CLI]
"""
import json
import os
import subprocess
import sys
import tempfile

SKIP = 77

try:
    import jsonschema
except ImportError as e:
    print(f"SKIP: python3-jsonschema cannot be imported ({e}); scripts/install-deps installs it")
    sys.exit(SKIP)


def command_runs(golden_dir):
    """(name, command, arguments) of every run in commands.txt that answers in JSON."""
    runs = []
    with open(os.path.join(golden_dir, "commands.txt"), encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            name, args = words[0], words[1:]
            if "--json" in args:
                command = next(a for a in args if not a.startswith("-"))
                runs.append((name, command, args))
    return runs


def has_solar_eclipses(command, args):
    """Whether a run's answer holds solar eclipses."""
    if command == "solar":
        return True
    kind = args[args.index("--kind") + 1] if "--kind" in args[:-1] else "lunar"
    return command == "eclipses" and kind != "lunar"


def validator_for(schema, command):
    """A validator of one command's answer: the schema with its root pointed at $defs/command."""
    if command not in schema["$defs"]:
        raise KeyError(f"the schema has no entry for the command {command}")
    root = {k: v for k, v in schema.items() if k != "anyOf"}
    root["$ref"] = f"#/$defs/{command}"
    return jsonschema.Draft202012Validator(root)


def problems(validator, document):
    return [
        f"  at /{'/'.join(str(p) for p in e.absolute_path)}: {e.message}"
        for e in sorted(validator.iter_errors(document), key=lambda e: list(e.absolute_path))
    ]


def mutations(documents):
    """Answers the schema must refuse, made from the pinned ones: (what, command, document)."""
    pinned = {}
    for name, command, text in documents:
        pinned.setdefault(command, json.loads(text))
    out = []

    def changed(what, command, change):
        if command in pinned:
            document = json.loads(json.dumps(pinned[command]))
            change(document)
            out.append((what, command, document))

    def rename(o, old, new):
        o[new] = o.pop(old)

    changed("a renamed key", "moon",
            lambda d: rename(d["MoonState"], "DistanceKm", "DistanceKM"))
    changed("a key too many", "perigee", lambda d: d["Perigee"].update(JD=0.0))
    changed("a missing key", "seasons", lambda d: d["Instants"]["JuneSolstice"].pop("JDE"))
    changed("a UT with an offset", "moon", lambda d: d.update(UT=d["Local"]))
    changed("a Local without its offset", "moon", lambda d: d.update(Local=d["UT"][:-1]))
    changed("a 60th second", "moon",
            lambda d: d.update(UT=d["UT"][:17] + "60Z"))
    changed("a crossing At without its instant", "riseset",
            lambda d: d["Moon"].update(Rise={"Kind": "At"}))
    changed("an instant of a crossing that is not At", "riseset",
            lambda d: d["Sun"]["Transit"].update(Kind="AlwaysAbove"))
    changed("an unknown kind of crossing", "riseset",
            lambda d: d["Sun"]["Rise"].update(Kind="None"))
    changed("a second crossing without its text", "riseset",
            lambda d: d["Sun"].update(SecondRise=d["Sun"]["Transit"]))
    changed("a penumbral eclipse with umbral contacts", "eclipses",
            lambda d: d["Eclipses"][0].update(EclipseType=1))
    changed("a solar contact in civil time", "solar",
            lambda d: d["SolarEclipse"]["Contacts"].update(C1=d["SolarEclipse"]["ContactsLocal"]["C1"]))
    changed("a solar kind of another language", "solar",
            lambda d: d["SolarEclipse"].update(Kind="Total"))
    changed("a missing contact", "solar", lambda d: d["SolarEclipse"]["Contacts"].pop("C3"))
    return out


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__)
        return 2
    schema_path, golden_dir = sys.argv[1], sys.argv[2]
    cli = sys.argv[3] if len(sys.argv) == 4 else None
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)

    passed = failed = 0
    runs = command_runs(golden_dir)
    if "solar" not in schema["$defs"]:
        for name, command, args in runs:
            if has_solar_eclipses(command, args):
                print(f"NOT CHECKED: {name}: the schema does not describe solar eclipses yet")
        runs = [run for run in runs if not has_solar_eclipses(run[1], run[2])]
    # A list that lost its JSON runs would pass with nothing checked.
    commands = {command for _, command, _ in runs}
    expected_commands = ["moon", "phases", "perigee", "riseset", "month", "eclipses", "seasons",
                         "easter", "dateinfo"] + (["solar"] if "solar" in schema["$defs"] else [])
    for expected in expected_commands:
        if expected not in commands:
            print(f"FAIL: no pinned JSON run of the command {expected} in commands.txt")
            failed += 1

    documents = []
    for name, command, _ in runs:
        with open(os.path.join(golden_dir, name + ".out"), encoding="utf-8") as f:
            documents.append((name, command, f.read()))
    # The mutations change the first pinned answer of each command: a lunar one for eclipses.
    documents.sort(key=lambda d: d[1] == "eclipses" and '"Body"' in d[2])
    if cli:
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, XDG_CONFIG_HOME=home, HOME=home)
            answer = subprocess.run([cli, "places", "London", "--json"], env=env,
                                    capture_output=True, text=True, timeout=120)
            if answer.returncode != 0:
                print(f"FAIL: places London --json exited {answer.returncode}: {answer.stderr}")
                failed += 1
            else:
                documents.append(("places London (live)", "places", answer.stdout))

    for name, command, text in documents:
        try:
            document = json.loads(text)
        except json.JSONDecodeError as e:
            print(f"FAIL: {name}: not JSON: {e}")
            failed += 1
            continue
        found = problems(validator_for(schema, command), document)
        if found:
            print(f"FAIL: {name} ({command}) does not match the schema:")
            print("\n".join(found[:20]))
            failed += 1
        else:
            passed += 1
    # The schema is strict enough to catch a renamed key, a wrong instant or kind.
    for what, command, document in mutations(documents):
        if problems(validator_for(schema, command), document):
            passed += 1
        else:
            print(f"FAIL: the schema accepts {what} in the answer of {command}")
            failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
