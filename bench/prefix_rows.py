#!/usr/bin/env python3
"""Weighs prefix rows one at a time on the tuning half of the synthetic misspellings.

A row changes only the suggestions for words that begin with its from-text, so each row is tried on
those words alone (and on the same words capitalised, for the capitalised row): once with the list
folder as it is and once with the row added to its Prefix.txt. A row is worth keeping when it puts the
correct word first more often without losing it from the top 10 more often.

usage: prefix_rows.py ENGINE LIST_DIR SYNTHETIC.tsv "from to" ...
"""
import os
import shutil
import subprocess
import sys
import tempfile


def ranks(engine, folder, pairs):
    answer = subprocess.run([engine, "--dict", folder], input="".join(w + "\n" for w, _ in pairs),
                            capture_output=True, text=True, check=True).stdout.splitlines()
    result = []
    for line, (_, right) in zip(answer, pairs):
        suggestions = line.split("\t")[2].split("|") if line.split("\t")[1] == "Incorrect" else []
        result.append(suggestions.index(right) + 1 if right in suggestions else 0)
    return result


def with_row(folder, work, row):
    os.makedirs(work, exist_ok=True)
    for name in ("Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"):
        if os.path.exists(os.path.join(folder, name)):
            shutil.copy(os.path.join(folder, name), work)
    from_text, to_text = row
    with open(os.path.join(work, "Prefix.txt"), "a") as f:
        f.write("     %-12s  %s\n" % (from_text, to_text))
    return work


def main():
    engine, folder, synthetic = sys.argv[1], sys.argv[2], sys.argv[3]
    tuning = [tuple(line.split("\t")[:2]) for line in open(synthetic) if line.split("\t")[2] == "tune"]
    print("| row | words | first without / with | top 10 without / with |")
    print("|---|---:|---:|---:|")
    scratch = tempfile.mkdtemp()
    try:
        for row_text in sys.argv[4:]:
            for row in (tuple(row_text.split()), tuple(t.capitalize() for t in row_text.split())):
                pairs = [(w, r) for w, r in tuning if w.startswith(row_text.split()[0])]
                if row[0][0].isupper():
                    pairs = [(w.capitalize(), r.capitalize()) for w, r in pairs]
                if not pairs:
                    print("| %s %s | 0 | | |" % row)
                    continue
                before = ranks(engine, folder, pairs)
                after = ranks(engine, with_row(folder, os.path.join(scratch, "lists"), row), pairs)
                first = lambda rs: sum(1 for r in rs if r == 1)
                top10 = lambda rs: sum(1 for r in rs if 1 <= r <= 10)
                print("| %s %s | %d | %d / %d | %d / %d |" % (row + (len(pairs), first(before), first(after),
                                                              top10(before), top10(after))))
    finally:
        shutil.rmtree(scratch)


if __name__ == "__main__":
    main()
