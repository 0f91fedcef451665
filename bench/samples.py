"""The bench's sample kinds, their keys and the programs' roles, from bench/common/samples.def,
the list the C++ programs check what they print against; and the samples of a file, checked
against it."""

import json
import pathlib
import re
import sys

LIST = pathlib.Path(__file__).resolve().parent / "common" / "samples.def"


def read_list(path=LIST):
    """({kind: set of keys}, {role: label}) from the SAMPLE_KIND and PROGRAM lines of the list."""
    forms = {"SAMPLE_KIND": re.compile(r'SAMPLE_KIND\((\w+), "([\w ]*)"\)'),
             "PROGRAM": re.compile(r'PROGRAM\((\w+), "([^"]+)"\)')}
    kinds, roles = {}, {}
    for line in path.read_text().splitlines():
        entry = line.split("(")[0]
        if entry not in forms:
            continue
        found = forms[entry].fullmatch(line)
        if not found:
            sys.exit(f"samples.py: {path} has an entry in a form it cannot read: {line}")
        name, value = found.groups()
        if entry == "SAMPLE_KIND":
            kinds[name] = set(value.split())
        else:
            roles[name] = value
    if not kinds or not roles:
        sys.exit(f"samples.py: {path} names no kind or no program")
    return kinds, roles


KINDS, ROLES = read_list()


def label(role):
    """What the report calls a program: its label, or for another build compared, its path."""
    return ROLES.get(role, f"compared: {role}")


def check(sample, kinds=None):
    """The sample, if its kind and its keys are in the list; otherwise ValueError."""
    kinds = KINDS if kinds is None else kinds
    kind = sample.get("kind")
    if kind not in kinds:
        raise ValueError(f"a sample of no known kind: {sample}")
    unknown = set(sample) - kinds[kind] - {"kind"}
    if unknown:
        raise ValueError(f"a {kind} sample with keys the list does not give it: {sorted(unknown)}")
    return sample


def line(kind, **fields):
    """One sample as the line of JSON the C++ programs would print."""
    return json.dumps(check({"kind": kind, **fields})) + "\n"


def read(path):
    """The samples of a file of JSON lines; lines that are no JSON object are left out."""
    with open(path) as lines:
        return [check(json.loads(text)) for text in lines if text.strip().startswith("{")]
