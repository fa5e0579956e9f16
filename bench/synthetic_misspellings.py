#!/usr/bin/env python3
"""Synthetic misspellings of common English words, for tuning the default word lists.

Each common word gets one error of one kind, the kinds taken in turn: a dropped letter, a doubled
letter, two neighbouring letters swapped, a wrong letter (a neighbour on the keyboard) and a
sound-alike spelling (ph/f, ie/ei, -ance/-ence, a vowel heard as another, ...). A misspelling that is
itself a word of a large reference list is thrown away and the next error tried. The pairs are split
by the correct word into a tuning half and a check half, so that no word is in both.

usage: synthetic_misspellings.py COMMON_WORDS REFERENCE_WORDS COUNT SHUFFLE > pairs.tsv
Output lines: misspelling<TAB>correct word<TAB>half ("tune" or "check")<TAB>kind
"""
import hashlib
import random
import sys

KEYBOARD_ROWS = ["qwertyuiop", "asdfghjkl", "zxcvbnm"]

# Spellings that sound alike: (written, also heard as). Tried in both directions.
SOUND_ALIKE = [
    ("ph", "f"), ("ck", "k"), ("c", "k"), ("c", "s"), ("ie", "ei"), ("tion", "sion"),
    ("ance", "ence"), ("ant", "ent"), ("able", "ible"), ("ee", "ea"), ("ai", "ay"), ("er", "or"),
    ("ar", "er"), ("ous", "us"), ("wh", "w"), ("kn", "n"), ("wr", "r"), ("gh", ""), ("x", "ks"),
    ("qu", "kw"), ("ough", "ow"), ("y", "ie"), ("ei", "ee"), ("sc", "s"), ("ci", "sh"),
    ("ti", "sh"), ("a", "e"), ("e", "a"), ("e", "i"), ("i", "e"), ("o", "a"), ("i", "y"),
]


def neighbours(letter):
    """The keys left, right, above and below a letter key."""
    near = set()
    for r, row in enumerate(KEYBOARD_ROWS):
        c = row.find(letter)
        if c < 0:
            continue
        near.update(row[max(c - 1, 0):c + 2])
        for other in (r - 1, r + 1):
            if 0 <= other < len(KEYBOARD_ROWS):
                near.update(KEYBOARD_ROWS[other][max(c - 1, 0):c + 2])
    near.discard(letter)
    return sorted(near)


# Position 1 is left alone by the letter-level errors: a wrong first letter is rare in real typing.
def dropped(word, rng):
    i = rng.randrange(1, len(word))
    return word[:i] + word[i + 1:]


def doubled(word, rng):
    i = rng.randrange(1, len(word))
    return word[:i] + word[i] + word[i:]


def swapped(word, rng):
    i = rng.randrange(0, len(word) - 1)
    return word[:i] + word[i + 1] + word[i] + word[i + 2:]


def wrong_letter(word, rng):
    i = rng.randrange(1, len(word))
    near = neighbours(word[i])
    return word[:i] + rng.choice(near) + word[i + 1:] if near else word


def sound_alike(word, rng):
    rules = [(a, b) for a, b in SOUND_ALIKE] + [(b, a) for a, b in SOUND_ALIKE if b]
    rng.shuffle(rules)
    for written, heard in rules:
        spots = [i for i in range(len(word)) if word.startswith(written, i)]
        if spots:
            i = rng.choice(spots)
            return word[:i] + heard + word[i + len(written):]
    return word


KINDS = [("dropped", dropped), ("doubled", doubled), ("swapped", swapped), ("wrong", wrong_letter),
         ("sound", sound_alike)]


def half_of(word):
    """Splits by a hash of the correct word: stable across runs and independent of the sample."""
    return "tune" if hashlib.sha1(word.encode()).digest()[0] % 2 == 0 else "check"


def main():
    common_file, reference_file, count, shuffle = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    reference = {w.strip().lower() for w in open(reference_file, encoding="latin-1")}
    common = sorted({w.strip() for w in open(common_file, encoding="latin-1")
                     if w.strip().isalpha() and w.strip().islower() and w.strip().isascii()
                     and 4 <= len(w.strip()) <= 14})
    rng = random.Random(shuffle)
    rng.shuffle(common)
    made = 0
    for word in common:
        if made == count:
            break
        kind, make = KINDS[made % len(KINDS)]
        for _ in range(8):
            wrong = make(word, rng)
            if wrong != word and wrong not in reference:
                print("%s\t%s\t%s\t%s" % (wrong, word, half_of(word), kind))
                made += 1
                break


if __name__ == "__main__":
    main()
