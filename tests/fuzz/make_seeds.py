#!/usr/bin/env python3
"""Writes the fuzz target's seed corpus from the golden cases: one seed per case whose input
folder holds a source file, made of an options byte, the source and its first header, with the
header's #include lines pointed at the fuzz target's include file.

Usage: make_seeds.py <golden cases folder> <seed folder>
The seed folder is emptied first; the same cases always give the same seeds."""
import hashlib
import os
import re
import sys

SEPARATOR = b"@@inc.h@@"
SOURCE_SUFFIXES = (".c", ".cpp", ".C", ".CPP")


def option_byte(args):
    """The options byte that comes closest to a case's command line."""
    sets = {"-C": 1, "-Sc": 2, "-Sr": 3, "-CP932": 4}
    extras = {"-Sd": 8, "-P-": 16, "-A": 32, "-Sk": 64, "--deps": 128}
    byte = 0
    for word in args:
        byte = (byte & ~7) | sets[word] if word in sets else byte
        byte |= extras.get(word, 0)
    return byte


def main():
    cases, seeds = sys.argv[1], sys.argv[2]
    os.makedirs(seeds, exist_ok=True)
    for name in os.listdir(seeds):
        os.remove(os.path.join(seeds, name))
    written = 0
    for case in sorted(os.listdir(cases)):
        folder = os.path.join(cases, case, "in")
        if not os.path.isdir(folder):
            continue
        args_path = os.path.join(cases, case, "args")
        args = open(args_path, "rb").read().decode("latin-1").split("\n") \
            if os.path.exists(args_path) else []
        files = sorted(f for f in os.listdir(folder) if os.path.isfile(os.path.join(folder, f)))
        sources = [a for a in args if a in files and a.endswith(SOURCE_SUFFIXES)]
        sources += [f for f in files if f.endswith(SOURCE_SUFFIXES) and f not in sources]
        if not sources:
            continue
        main_text = open(os.path.join(folder, sources[0]), "rb").read()
        headers = [f for f in files if f.lower().endswith(".h")]
        seed = bytes([option_byte(args)]) + main_text
        if headers:
            header = headers[0]
            seed = re.sub(rb'(#\s*include\s*)["<]' + re.escape(header.encode("latin-1")) + rb'[">]',
                          rb'\1"inc.h"', seed)
            seed += SEPARATOR + open(os.path.join(folder, header), "rb").read()
        digest = hashlib.sha1(seed).hexdigest()[:16]
        with open(os.path.join(seeds, case + "-" + digest), "wb") as out:
            out.write(seed)
        written += 1
    print("make_seeds: %d seeds in %s" % (written, seeds))


if __name__ == "__main__":
    main()
