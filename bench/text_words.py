#!/usr/bin/env python3
"""The words of correct English text, for measuring how often a checker flags a correct word.

Reads plain text files and man page sources (gzipped or not; roff requests and escapes are removed)
and yields their words: runs of ASCII letters with inner apostrophes, split at hyphens. A chunk that
holds digits, underscores, slashes, dots or other signs inside is a name, a path or an option, not a
word, and is passed over; so are one-letter words and words longer than 31 characters.
"""
import gzip
import re

ROFF_REQUEST = re.compile(r"^[.'].*$", re.M)
ROFF_ESCAPE = re.compile(r"\\(\(..|\[[^\]]*\]|[fF](\[[^\]]*\]|\(..|.)|[*n](\(..|\[[^\]]*\]|.)|s[-+]?\d+|[&|^%:]|.)")
EDGE_PUNCTUATION = "\"'`()[]{}<>,.;:!?*"
WORD = re.compile(r"[A-Za-z]+(?:'[A-Za-z]+)*")


def read_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        text = f.read()
    if re.search(r"/man\d?/|\.\d(\.gz)?$", path):
        text = ROFF_ESCAPE.sub(" ", ROFF_REQUEST.sub("", text))
    return text


def words_of(text):
    for chunk in text.split():
        chunk = chunk.strip(EDGE_PUNCTUATION)
        for part in chunk.split("-"):
            if 2 <= len(part) <= 31 and WORD.fullmatch(part):
                yield part


def count_words(paths):
    """Word -> number of occurrences over all the files."""
    counts = {}
    for path in paths:
        for word in words_of(read_text(path)):
            counts[word] = counts.get(word, 0) + 1
    return counts
