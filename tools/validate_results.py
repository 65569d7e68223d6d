#!/usr/bin/python3
"""Validates results records against the repository's JSON Schema.

    tools/validate_results.py SCHEMA PATH...

Each PATH is a .jsonl file (one record a line) or a directory searched for them. Prints one line
per problem (file, line, what) and a count; exit status 1 on any problem.
"""
import json
import sys
from pathlib import Path

import jsonschema


def files_of(paths):
    for p in map(Path, paths):
        if p.is_dir():
            yield from sorted(p.rglob("*.jsonl"))
        else:
            yield p


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    schema = json.loads(Path(argv[1]).read_text())
    jsonschema.Draft7Validator.check_schema(schema)
    validator = jsonschema.Draft7Validator(schema)
    records = problems = 0
    for f in files_of(argv[2:]):
        data = f.read_bytes()
        if data and not data.endswith(b"\n"):
            print(f"{f}: the last record is not ended by a line break")
            problems += 1
        for n, line in enumerate(data.split(b"\n")[:-1] if data else [], 1):
            records += 1
            try:
                record = json.loads(line.decode("utf-8"))
            except (UnicodeDecodeError, json.JSONDecodeError) as e:
                print(f"{f}:{n}: not JSON: {e}")
                problems += 1
                continue
            for error in validator.iter_errors(record):
                where = "/".join(str(x) for x in error.absolute_path) or "(record)"
                print(f"{f}:{n}: {where}: {error.message}")
                problems += 1
    print(f"{records} records, {problems} problems")
    if problems:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
