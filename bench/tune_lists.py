#!/usr/bin/env python3
"""Scores word list folders side by side with aspell -a, in one run: suggestion quality on the dev
pairs and on the two halves of a synthetic set, false flags on correct English text, lookup latency
and the time to the first answer (start and list load).

usage: tune_lists.py --engine BIN [--shipped CMD] --pairs DEV.tsv --synthetic SYN.tsv --text FILE... -- [NAME=]DIR...
(--shipped: a command that runs the driver as shipped, given --dict DIR, for a row of its own per folder)

All systems run at once, one process each, and are asked the same word one after the other, so that
the load of the machine falls on all of them alike. See bench/tune-lists for the defaults.
"""
import argparse
import os
import re
import shutil
import statistics
import tempfile
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from suggest_quality import ask_engine, ask_ispell  # noqa: E402
from text_words import count_words  # noqa: E402



class System:
    def __init__(self, name, command, engine):
        self.name, self.engine = name, engine
        started = time.perf_counter()
        self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                     bufsize=1)
        if not engine:
            self.proc.stdout.readline()  # the version banner
        self.ask("the")  # the engine loads its lists on the first check
        self.first_answer_ms = (time.perf_counter() - started) * 1000.0
        self.times, self.ranks = [], {}

    def ask(self, word):
        return (ask_engine if self.engine else ask_ispell)(self.proc, word)

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def read_pairs(path, with_half):
    pairs = []
    for line in open(path, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if len(fields) >= 2:
            pairs.append((fields[0], fields[1], fields[2] if with_half else "dev"))
    return pairs


def quality(ranks):
    n = len(ranks)
    share = lambda ok: 100.0 * sum(1 for r in ranks if ok(r)) / n if n else 0.0
    return (share(lambda r: r == 1), share(lambda r: 1 <= r <= 5), share(lambda r: 1 <= r <= 10),
            share(lambda r: r >= 1))


def engine_rejects(command, words):
    answer = subprocess.run(command, input="".join(w + "\n" for w in words),
                            capture_output=True, text=True, check=True).stdout
    return {line.split("\t")[0] for line in answer.splitlines() if line.split("\t")[1] != "OK"}


def aspell_rejects(words, lang):
    answer = subprocess.run(["aspell", "list", "--lang=" + lang], input="".join(w + "\n" for w in words),
                            capture_output=True, text=True, check=True).stdout
    return set(answer.split())


def load_ms(throughput, folder, rounds=5):
    """Median time of the first check, which loads the four lists, over a few fresh processes."""
    root = tempfile.mkdtemp()
    try:
        lists = os.path.join(root, "ZOLT", "SPELL")
        os.makedirs(lists)
        for name in ("Spell.txt", "Local.txt", "Misspell.txt", "Prefix.txt"):
            if os.path.exists(os.path.join(folder, name)):
                os.symlink(os.path.abspath(os.path.join(folder, name)), os.path.join(lists, name))
        text = os.path.join(root, "text.txt")
        open(text, "w").write("the\n")
        times = []
        for _ in range(rounds):
            out = subprocess.run([throughput, root, text], capture_output=True, text=True, check=True).stdout
            times.append(float(re.search(r"load of the four lists: ([0-9.]+) ms", out).group(1)))
        return statistics.median(times)
    finally:
        shutil.rmtree(root)


def flagged_share(rejected, counts):
    return 100.0 * sum(counts[w] for w in rejected if w in counts) / sum(counts.values())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--engine", required=True)
    parser.add_argument("--shipped", help="the shipped driver's command, before --dict DIR")
    parser.add_argument("--throughput", required=True, help="the check_throughput benchmark")
    parser.add_argument("--pairs", required=True)
    parser.add_argument("--synthetic", required=True)
    parser.add_argument("--text", nargs="*", default=[], help="files of correct English text")
    parser.add_argument("--man", nargs="*", default=[], help="man page sources of correct English text")
    parser.add_argument("--british", nargs="*", default=[], help="files of correct British English text")
    parser.add_argument("--aspell-lang", default="en", help="aspell's dictionary, the peer")
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()

    words = read_pairs(args.pairs, False) + read_pairs(args.synthetic, True)
    systems = []   # (system, its command for a folder, the folder)
    for argument in args.folders:
        name, _, folder = argument.rpartition("=")
        drivers = [("native driver", [args.engine])]
        if args.shipped:
            drivers.append(("Windows driver under Wine", args.shipped.split()))
        for label, driver in drivers:
            command = driver + ["--dict", folder]
            systems.append((System("%s (%s)" % (name or folder, label), command, True), command, folder))
    systems.append((System("aspell -a", ["aspell", "-a", "--lang=" + args.aspell_lang], False), None, None))

    for wrong, right, half in words:
        for system, _, _ in systems:
            started = time.perf_counter()
            answer = system.ask(wrong)
            system.times.append((time.perf_counter() - started) * 1000.0)
            system.ranks.setdefault(half, []).append(answer.index(right) + 1 if right in answer else 0)
    for system, _, _ in systems:
        system.close()

    corpora = [("licences", count_words(args.text)), ("man pages", count_words(args.man)),
               ("British text", count_words(args.british))]
    corpora = [(label, counts) for label, counts in corpora if counts]
    flags = {}
    for system, command, _ in systems:
        for label, counts in corpora:
            words_once = sorted(counts)
            if command:
                rejected = engine_rejects(command, words_once)
            else:
                rejected = aspell_rejects(words_once, args.aspell_lang)
            flags[(system.name, label)] = flagged_share(rejected, counts)

    halves = [("dev", "dev pairs"), ("tune", "synthetic, tuning half"), ("check", "synthetic, check half")]
    counts_line = ", ".join("%s %d" % (label, len(systems[0][0].ranks.get(h, []))) for h, label in halves)
    print("Suggestion quality, first / top 5 / top 10 / anywhere (%s)" % counts_line)
    print()
    print("| lists | " + " | ".join(label for _, label in halves) + " |")
    print("|---|" + "---:|" * len(halves))
    for system, _, _ in systems:
        cells = ["%.1f / %.1f / %.1f / %.1f" % quality(system.ranks.get(h, [])) for h, _ in halves]
        print("| %s | %s |" % (system.name, " | ".join(cells)))
    print()
    total_words = ", ".join("%s %d words" % (label, sum(c.values())) for label, c in corpora)
    print("False flags (share of the words of correct text rejected: %s), lookup latency over all %d "
          "misspellings, time to the first answer (process start and load) and the engine's load of the four "
          "lists alone (median of 5)" % (total_words, len(words)))
    print()
    print("| lists | " + "".join("flags, %s | " % label for label, _ in corpora)
          + "median ms | p95 ms | first answer ms | list load ms |")
    print("|---|" + "---:|" * (len(corpora) + 4))
    for system, command, folder in systems:
        times = sorted(system.times)
        cells = ["%.2f%%" % flags[(system.name, label)] for label, _ in corpora]
        cells += ["%.3f" % statistics.median(times), "%.3f" % times[int(0.95 * (len(times) - 1))],
                  "%.1f" % system.first_answer_ms, "%.1f" % load_ms(args.throughput, folder) if folder and command[0] == args.engine else ""]
        print("| %s | %s |" % (system.name, " | ".join(cells)))


if __name__ == "__main__":
    main()
