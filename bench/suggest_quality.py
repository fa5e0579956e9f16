#!/usr/bin/env python3
"""Suggestion latency and quality of the engine, hunspell and aspell on a list of misspellings.

Each system runs as one process for the whole list and is asked word by word: the time from writing a
word to reading its complete answer is that word's latency (pipe round trip included, the same for
every system). Quality: the share of words whose correct word is first, in the first 5, in the first 10
and anywhere in the answer. A word the system accepts as correct counts as the answer [word].

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


def run(name, command, pairs):
    proc = subprocess.Popen(command, shell=True, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            text=True, bufsize=1)
    engine = name.startswith("engine")
    if not engine:
        proc.stdout.readline()  # the version banner
    ask = ask_engine if engine else ask_ispell
    ask(proc, "warmup")  # the first word pays for loading the lists; not timed
    times, ranks = [], []
    for wrong, right in pairs:
        start = time.perf_counter()
        answer = ask(proc, wrong)
        times.append((time.perf_counter() - start) * 1000.0)
        ranks.append(answer.index(right) + 1 if right in answer else 0)
    proc.stdin.close()
    proc.wait()
    return times, ranks


def main():
    pairs = [tuple(l.rstrip("\n").split("\t")[:2]) for l in open(sys.argv[1]) if "\t" in l]
    rows = []
    for system in sys.argv[2:]:
        name, command = system.split("=", 1)
        times, ranks = run(name, command, pairs)
        times.sort()
        n = len(pairs)
        share = lambda ok: 100.0 * sum(1 for r in ranks if ok(r)) / n
        rows.append((name, statistics.median(times), times[int(0.95 * (len(times) - 1))], times[-1],
                     share(lambda r: r == 1), share(lambda r: 1 <= r <= 5), share(lambda r: 1 <= r <= 10),
                     share(lambda r: r >= 1)))
    print("%d misspellings" % len(pairs))
    print("| system | median ms | p95 ms | max ms | first | top 5 | top 10 | anywhere |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for r in rows:
        print("| %s | %.3f | %.3f | %.3f | %.1f%% | %.1f%% | %.1f%% | %.1f%% |" % r)


if __name__ == "__main__":
    main()
