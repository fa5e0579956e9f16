#!/usr/bin/env python3
"""Suggestion latency and quality of the engine, hunspell and aspell on a list of misspellings.

Each system runs as one process for the whole list, and all are asked each word in turn: the time
from writing a word to reading its complete answer is that word's latency (pipe round trip included,
the same for every system; under Wine it adds some microseconds). Quality: the share of words whose
correct word is first, in the first 5, in the first 10 and anywhere in the answer. A word the system accepts as correct counts as the answer [word].

usage: suggest_quality.py EVAL.tsv NAME=COMMAND... (COMMAND is run by the shell; a NAME starting with
"engine" speaks the lookup-words format, any other the ispell pipe format of "-a")
"""
import statistics
import subprocess
import sys
import time


def ask_engine(proc, word):
    proc.stdin.write(word + "\n")
    proc.stdin.flush()
    fields = proc.stdout.readline().rstrip("\n").split("\t")
    if len(fields) < 3:
        raise RuntimeError("unexpected answer: %r" % fields)
    if fields[1] == "OK":
        return [fields[2]]
    return [s for s in fields[2].split("|") if s]


def ask_ispell(proc, word):
    proc.stdin.write("^" + word + "\n")
    proc.stdin.flush()
    answer = []
    while True:
        line = proc.stdout.readline()
        if line == "":
            raise RuntimeError("the checker ended early")
        line = line.rstrip("\n")
        if line == "":
            return answer
        if line[0] in "*+-":
            answer = [word]
        elif line[0] == "&":
            answer = [s.strip() for s in line.split(":", 1)[1].split(",")]


def start(name, command):
    proc = subprocess.Popen(command, shell=True, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            text=True, bufsize=1)
    engine = name.startswith("engine")
    if not engine:
        proc.stdout.readline()  # the version banner
    ask = ask_engine if engine else ask_ispell
    ask(proc, "warmup")  # the first word pays for the start and the lists; not timed
    return proc, ask


def main():
    pairs = [tuple(l.rstrip("\n").split("\t")[:2]) for l in open(sys.argv[1]) if "\t" in l]
    systems = [(name, *start(name, command)) for name, command in
               (system.split("=", 1) for system in sys.argv[2:])]
    # Every system is asked each word in turn, so that the load of the machine falls on all alike.
    times = {name: [] for name, _, _ in systems}
    ranks = {name: [] for name, _, _ in systems}
    for wrong, right in pairs:
        for name, proc, ask in systems:
            started = time.perf_counter()
            answer = ask(proc, wrong)
            times[name].append((time.perf_counter() - started) * 1000.0)
            ranks[name].append(answer.index(right) + 1 if right in answer else 0)
    for _, proc, _ in systems:
        proc.stdin.close()
        proc.wait()
    n = len(pairs)
    print("%d misspellings" % n)
    print("| system | median ms | p95 ms | max ms | first | top 5 | top 10 | anywhere |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for name, _, _ in systems:
        t = sorted(times[name])
        share = lambda ok: 100.0 * sum(1 for r in ranks[name] if ok(r)) / n
        print("| %s | %.3f | %.3f | %.3f | %.1f%% | %.1f%% | %.1f%% | %.1f%% |" % (
            name, statistics.median(t), t[int(0.95 * (len(t) - 1))], t[-1], share(lambda r: r == 1),
            share(lambda r: 1 <= r <= 5), share(lambda r: 1 <= r <= 10), share(lambda r: r >= 1)))


if __name__ == "__main__":
    main()
