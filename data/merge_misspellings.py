#!/usr/bin/env python3
"""Merges public lists of common misspellings into the engine's table of misspellings.

usage: merge_misspellings.py pairs SPELL.txt LEVELS.tsv SOURCE... > pairs.tsv
       merge_misspellings.py table MAX_LINES pairs.tsv > Misspell.txt
  "pairs" merges the sources into "misspelling<TAB>correction" lines, the most common first; "table"
  groups such lines, in their order, into at most MAX_LINES lines of the table. SOURCE is
  codespell:FILE (lines "wrong->right") or cspell:FILE (a cspell dictionary in JSON, entries
  "wrong->right"); LEVELS.tsv holds "word<TAB>level", the smallest SCOWL size that has the word.

Kept: misspellings of lower-case ASCII letters and apostrophes with one correction, the same in every
source that lists them, that the main list knows; a misspelling that the main list knows in any case
is no misspelling here. The most common misspellings come first, so that they are kept when the lines
run short: those listed by more sources first, then those of more common corrections (smaller SCOWL
size). The table holds groups of "$correction" and its misspellings, the group of the most common
misspelling first, since the look-up scans the table from the top.
"""
import json
import re
import sys

WORD = re.compile(r"[a-z][a-z']*")


def codespell_pairs(path):
    for line in open(path, encoding="utf-8"):
        wrong, _, right = line.rstrip("\n").partition("->")
        yield wrong, right.rstrip(", ")


def cspell_pairs(path):
    for definition in json.load(open(path, encoding="utf-8"))["dictionaryDefinitions"]:
        for entry in definition.get("flagWords", []) + definition.get("suggestWords", []):
            wrong, _, right = entry.partition("->")
            yield wrong.strip(), right.strip().rstrip(", ")


READERS = {"codespell": codespell_pairs, "cspell": cspell_pairs}


def merged_pairs(spell_file, levels_file, sources):
    known = set(open(spell_file, encoding="latin-1").read().split("\n"))
    known_lower = {w.lower() for w in known}
    level = {}
    for line in open(levels_file, encoding="latin-1"):
        word, _, size = line.rstrip("\n").partition("\t")
        level[word] = min(level.get(word, 100), int(size))

    corrections, listed_by = {}, {}
    for source in sources:
        kind, _, path = source.partition(":")
        for wrong, right in READERS[kind](path):
            if wrong != wrong.lower() or not WORD.fullmatch(wrong) or len(wrong) > 32:
                continue
            corrections.setdefault(wrong, set()).add(right)
            listed_by.setdefault(wrong, set()).add(kind)

    kept = []
    for wrong, rights in corrections.items():
        if len(rights) != 1:
            continue   # sources disagree, or one offers several: the table can give only one
        right = next(iter(rights))
        if not WORD.fullmatch(right) or len(right) > 31 or right not in known or wrong in known_lower:
            continue
        kept.append((-len(listed_by[wrong]), level.get(right, 100), wrong, right))
    kept.sort()
    return [(wrong, right) for _, _, wrong, right in kept]


def grouped_table(pairs, max_lines):
    groups, order, lines = {}, [], 0
    for wrong, right in pairs:
        cost = 1 if right in groups else 2
        if lines + cost > max_lines:
            continue
        if right not in groups:
            groups[right] = []
            order.append(right)
        groups[right].append(wrong)
        lines += cost
    for right in order:
        yield "$" + right
        yield from groups[right]


def main():
    if sys.argv[1] == "pairs":
        for wrong, right in merged_pairs(sys.argv[2], sys.argv[3], sys.argv[4:]):
            print(wrong + "\t" + right)
    else:
        pairs = [tuple(line.rstrip("\n").split("\t")) for line in open(sys.argv[3], encoding="utf-8")]
        for line in grouped_table(pairs, int(sys.argv[2])):
            print(line)


if __name__ == "__main__":
    main()
