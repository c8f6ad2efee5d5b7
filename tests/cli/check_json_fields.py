#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""ferroxctl(1) names every key the --json commands print, and prints nothing it does not name.

Usage: check_json_fields.py FERROXCTL MANUAL MACRO_LIBRARY

Runs each command of the manual's JSON OUTPUT section (its .SS headings are the command words)
on the virtual mouse, in a scratch data folder that holds MACRO_LIBRARY, and compares the key
paths of the output with the tags of the section's .TP entries. A path joins keys with "." and
writes an array's elements as "[]"; the elements of a "children" array have the keys of the item
that holds them, as the manual says of the macro library's folders. A key name has one JSON type
wherever it stands for a plain value.
"""

import json
import os
import shlex
import shutil
import subprocess
import sys
import tempfile


def tag_words(line):
    """The bold words of a tag line: .B WORD, or .BR alternating bold and roman."""
    macro, _, rest = line.partition(" ")
    words = shlex.split(rest)
    if macro == ".B" and len(words) == 1:
        return words
    if macro == ".BR":
        return [w for w in words[0::2] if w]
    raise ValueError(f"a key's tag must be .B or .BR, not: {line}")


def documented(manual_lines):
    """{command words: set of key paths} from the JSON OUTPUT section."""
    start = manual_lines.index(".SH JSON OUTPUT")
    fields = {}
    command = None
    for previous, line in zip(manual_lines[start:], manual_lines[start + 1:]):
        if line.startswith(".SH"):
            break
        if line.startswith(".SS"):
            command = shlex.split(line[4:])[0]
            fields[command] = set()
        elif previous == ".TP" and command:
            fields[command].update(tag_words(line))
    return fields


def json_option_commands(manual_lines):
    """The commands the --json option says print JSON."""
    start = manual_lines.index(r".B \-\-json")
    names = []
    for line in manual_lines[start + 1:]:
        if line.startswith(".TP"):
            break
        if line.startswith((".B ", ".BR ")):
            names.extend(tag_words(line))
    return set(names)


def key_paths(value, prefix=""):
    if isinstance(value, dict):
        for key, inner in value.items():
            path = f"{prefix}.{key}" if prefix else key
            yield path
            if key == "children":
                for child in inner:
                    yield from key_paths(child, prefix)
            else:
                yield from key_paths(inner, path)
    elif isinstance(value, list):
        for element in value:
            yield from key_paths(element, prefix + "[]")


def key_types(value, types):
    """Adds to types, per key name, the types of its plain values (strings, numbers, true and
    false) anywhere."""
    if isinstance(value, dict):
        for key, inner in value.items():
            if isinstance(inner, (str, int, float, bool)):
                types.setdefault(key, set()).add(type(inner).__name__)
            key_types(inner, types)
    elif isinstance(value, list):
        for element in value:
            key_types(element, types)


def run(ferroxctl, words, data, env):
    command = [ferroxctl, "--simulate", "--json", "--data-dir", data] + shlex.split(words)
    done = subprocess.run(command, capture_output=True, text=True, env=env, timeout=120)
    if done.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} exited with {done.returncode}: {done.stderr}")
    return json.loads(done.stdout)


def main(ferroxctl, manual, library):
    with open(manual, encoding="utf-8") as f:
        lines = f.read().splitlines()
    fields = documented(lines)
    problems = []
    listed = json_option_commands(lines)
    if listed != set(fields):
        problems.append(f"--json names {sorted(listed)} but JSON OUTPUT describes {sorted(fields)}")
    types = {}
    scratch = tempfile.mkdtemp(prefix="ferroxctl-json-")
    try:
        data = os.path.join(scratch, "data")
        os.makedirs(os.path.join(data, "config"))
        shutil.copy(library, os.path.join(data, "config", "MacroLibraryFile.mlf"))
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(scratch, "xdg"))
        for command, described in sorted(fields.items()):
            output = run(ferroxctl, command, data, env)
            if not isinstance(output, dict) or next(iter(output), None) != "format":
                problems.append(f"{command}: the output does not start with format")
            elif output["format"] != 1:
                problems.append(f"{command}: format is {output['format']!r}, not 1")
            key_types(output, types)
            printed = set(key_paths(output))
            for path in sorted(printed - described):
                problems.append(f"{command}: prints {path}, which the manual does not describe")
            for path in sorted(described - printed):
                problems.append(f"{command}: the manual describes {path}, which is not printed")
    finally:
        shutil.rmtree(scratch)
    # A key that means one thing has one type in every command (a sensor is a number).
    for key, kinds in sorted(types.items()):
        if len(kinds) > 1:
            problems.append(f"{key} is printed as {' and as '.join(sorted(kinds))}")
    for problem in problems:
        print(problem)
    print(f"{len(fields)} commands, {sum(map(len, fields.values()))} keys: "
          + ("all described and printed" if not problems else f"{len(problems)} problem(s)"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
