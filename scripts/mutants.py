#!/usr/bin/env python3
"""Mutation check: do the tests catch small, real faults planted in the code?

Plants one fault at a time in the given source files (a comparison turned
around, && for ||, a constant off by one, true for false, a negation dropped),
rebuilds the given test programs, runs them, and counts the fault as caught
when a test program fails (or runs past the time limit). The sources are
restored after every try and at the end, whatever happens.

  scripts/mutants.py --build build --tests coretests datelogictests \
      --files src/eventdata/*.cpp src/datelogic/*.cpp --count 60 --seed 1

--tests names test programs (CMake targets); each is found under the build
folder and run whole. --skip-table-numbers leaves the numbers of table rows
(lines that begin with "{", such as a window's control table in twips) alone:
they are layout data, checked by pictures rather than by this tool. Window tests need QT_QPA_PLATFORM=offscreen, which is
set. --list only lists the places it could change. Prints each uncaught fault
as file:line with the line before and after, then the score. A score is only
comparable between runs with the same files, count and seed.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

# Each rule: a pattern matched on a line whose comments and string literals
# are blanked, and what the matched text becomes.
RULES = [
    (re.compile(r" <= "), " < "),
    (re.compile(r" >= "), " > "),
    (re.compile(r" < "), " <= "),
    (re.compile(r" > "), " >= "),
    (re.compile(r" == "), " != "),
    (re.compile(r" != "), " == "),
    (re.compile(r" && "), " || "),
    (re.compile(r" \|\| "), " && "),
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
    (re.compile(r"(?<=[(\s])!(?=[A-Za-z_(])"), ""),
    (re.compile(r" \+ 1\b"), " - 1"),
    (re.compile(r" - 1\b"), " + 1"),
    (re.compile(r"(?<![\w.])(\d+)(?![\w.])"), None),  # a number, plus one
]


def blank(line):
    """The line with comments and string/char literals replaced by blanks of
    the same length, so that positions still match the original."""
    out, i, n = [], 0, len(line)
    while i < n:
        c = line[i]
        if line.startswith("//", i):
            out.append(" " * (n - i))
            break
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(c + " " * (j - i - 2) + (c if j - i >= 2 else ""))
            i = j
            continue
        out.append(c)
        i += 1
    return "".join(out)


def sites(path, skip_table_numbers=False):
    """Every place in a file that a rule can change: (line index, start, end, new text)."""
    found = []
    in_block_comment = False
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for index, line in enumerate(lines):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("#") or stripped.startswith("static_assert") or not stripped:
            continue
        masked = blank(line)
        table_row = skip_table_numbers and stripped.startswith("{")
        for pattern, replacement in RULES:
            if table_row and replacement is None:
                continue
            for m in pattern.finditer(masked):
                new = replacement if replacement is not None else str(int(m.group(1)) + 1)
                found.append((index, m.start(), m.end(), new))
    return lines, found


def run(cmd, timeout):
    try:
        done = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)
        return done.returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def find_program(build, name):
    for root, _dirs, files in os.walk(build):
        if name in files:
            path = os.path.join(root, name)
            if os.access(path, os.X_OK):
                return path
    sys.exit(f"no test program {name} under {build}: build it first")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="a configured and built CMake build folder")
    parser.add_argument("--tests", nargs="+", required=True, help="test program targets to rebuild and run")
    parser.add_argument("--files", nargs="+", required=True, help="source files to plant faults in")
    parser.add_argument("--count", type=int, default=50, help="how many faults to try (default 50)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=int, default=120, help="seconds for one test program")
    parser.add_argument("--list", action="store_true", help="only list the places")
    parser.add_argument("--skip-table-numbers", action="store_true",
                        help="leave the numbers of table rows (lines beginning with '{') alone")
    args = parser.parse_args()

    originals, candidates = {}, []
    for path in args.files:
        lines, found = sites(path, args.skip_table_numbers)
        originals[path] = "\n".join(lines)
        candidates += [(path, *site) for site in found]
    if args.list:
        for path, index, start, end, new in candidates:
            print(f"{path}:{index + 1}: {originals[path].split(chr(10))[index][start:end]!r} -> {new!r}")
        print(f"{len(candidates)} places")
        return
    random.Random(args.seed).shuffle(candidates)
    chosen = candidates[: args.count]

    def restore(*_):
        for path, text in originals.items():
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        if _:
            sys.exit("stopped; sources restored")

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    build_cmd = ["cmake", "--build", args.build, "--parallel", str(os.cpu_count() or 2), "--target", *args.tests]
    if run(build_cmd, 1800) != 0:
        sys.exit("the unchanged sources do not build")
    programs = [find_program(args.build, name) for name in args.tests]
    for program in programs:
        if run([program], args.timeout) != 0:
            sys.exit(f"{program} fails on the unchanged sources")

    caught = missed = broken = 0
    started = time.time()
    try:
        for number, (path, index, start, end, new) in enumerate(chosen, 1):
            lines = originals[path].split("\n")
            before = lines[index]
            lines[index] = before[:start] + new + before[end:]
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            if run(build_cmd, 1800) != 0:
                broken += 1
                verdict = "does not build"
            elif any(run([p], args.timeout) != 0 for p in programs):
                caught += 1
                verdict = "caught"
            else:
                missed += 1
                verdict = "NOT CAUGHT"
                print(f"NOT CAUGHT {path}:{index + 1}\n  - {before.strip()}\n  + {lines[index].strip()}", flush=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(originals[path])
            print(f"[{number}/{len(chosen)}] {verdict}: {path}:{index + 1}", file=sys.stderr, flush=True)
    finally:
        restore()
        run(build_cmd, 1800)
    tried = caught + missed
    score = 100.0 * caught / tried if tried else 0.0
    print(f"faults planted: {len(chosen)}, caught: {caught}, not caught: {missed}, "
          f"did not build: {broken}, score: {score:.0f}% ({time.time() - started:.0f} s)")


if __name__ == "__main__":
    main()
