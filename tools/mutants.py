#!/usr/bin/env python3
"""Plants one fault at a time in a copy of the tree and lists the faults no test catches.

    tools/mutants.py [--only NAME...] [--work DIR] [--quick] [--check] [LIST...]

The faults are kept in tests/mutants/*.txt (or the LIST files given), one
block each, blocks parted by a blank line:

    name: dark-red-text-background
    file: app/colours.cpp
    find: backColour = BackgroundUnder(static_cast<TColor>(textState.toInt()), back);
    replace: backColour = ClassicLight(back);
    breaks: a red text under a dark palette stands on black, where it reads
    tests: gui_tests

`find` must occur exactly once in `file`; `replace` takes its place (an empty
replace deletes it). A line `find+:` or `replace+:` continues the text above
on a new line. `tests` is a CTest regular expression of the tests expected to
catch the fault; they run first, and when they pass every test runs, so a
fault survives only when the whole suite passes with it. A fault that only
the whole suite catches is listed too, for its `tests` line to be corrected.

The copy is made once (git ls-files, so only what the repository holds, as
it stands in the working tree) and built once; each fault then costs one incremental build and the tests. A
fault that does not build is reported too: it catches nothing and must be
mended in the list. The exit status is 0 when every fault was caught by the
tests its list names. `--check` only checks every pattern (it names each one
not found exactly once); `make test` runs it.
"""

import argparse
import glob
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEST_TARGETS = ["pluvik", "pluvik-driver", "pluvik_print", "gui_tests", "desktop_tests", "calc_tests", "calc_figures"]


def read_list(path):
    faults, current, last = [], {}, None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip():
                if current:
                    faults.append(current)
                current, last = {}, None
                continue
            if line.startswith("#"):
                continue
            key, sep, value = line.partition(":")
            if not sep:
                sys.exit(f"{path}:{number}: a line is 'key: value'")
            value = value[1:] if value.startswith(" ") else value
            if key.endswith("+"):
                key = key[:-1]
                if key != last or key not in ("find", "replace"):
                    sys.exit(f"{path}:{number}: {key}+ continues only the find or replace just above")
                current[key] += "\n" + value
                continue
            if key not in ("name", "file", "find", "replace", "breaks", "tests"):
                sys.exit(f"{path}:{number}: unknown key {key}")
            if key in current:
                sys.exit(f"{path}:{number}: {key} given twice in one fault")
            current[key] = value
            last = key
    if current:
        faults.append(current)
    names = set()
    for fault in faults:
        for key in ("name", "file", "find", "replace", "breaks"):
            if key not in fault:
                sys.exit(f"{path}: the fault {fault.get('name', fault)} has no {key}")
        if fault["name"] in names:
            sys.exit(f"{path}: two faults are named {fault['name']}")
        names.add(fault["name"])
    return faults


def run(command, cwd, log, env=None, timeout=None):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, env=env,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write("timed out\n")
            return 124


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("lists", nargs="*", help="the lists of faults (default: tests/mutants/*.txt)")
    parser.add_argument("--check", action="store_true", help="only check the lists: every pattern found once")
    parser.add_argument("--only", nargs="*", help="only the faults of these names")
    parser.add_argument("--work", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--quick", action="store_true",
                        help="run only each fault's own tests, not the whole suite after them")
    parser.add_argument("--jobs", default=os.environ.get("JOBS", "2"))
    args = parser.parse_args()

    lists = args.lists or sorted(glob.glob(os.path.join(ROOT, "tests", "mutants", "*.txt")))
    faults = []
    for path in lists:
        faults += read_list(path)
    names = [f["name"] for f in faults]
    twice = sorted({n for n in names if names.count(n) > 1})
    if twice:
        sys.exit(f"faults named twice: {' '.join(twice)}")
    if args.only:
        unknown = set(args.only) - {f["name"] for f in faults}
        if unknown:
            sys.exit(f"no such fault: {' '.join(sorted(unknown))}")
        faults = [f for f in faults if f["name"] in args.only]

    # Every pattern is checked before anything is built; each one that is
    # not found exactly once is named.
    wrong = []
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        if not os.path.exists(path):
            wrong.append(f"{fault['name']}: no file {fault['file']}")
            continue
        with open(path, encoding="utf-8") as f:
            count = f.read().count(fault["find"])
        if count != 1:
            wrong.append(f"{fault['name']}: the pattern occurs {count} times in {fault['file']}, not once")
    if wrong:
        sys.exit("\n".join(wrong))
    if args.check:
        print(f"{len(faults)} faults, each pattern found once.")
        return 0

    tree = os.path.join(args.work, "tree")
    build = os.path.join(args.work, "build")
    log = os.path.join(args.work, "mutants.log")
    os.makedirs(args.work, exist_ok=True)
    open(log, "w").close()
    files = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True, capture_output=True).stdout
    # A file is written only where it differs from the copy's, and then with
    # the time of writing: the build of an earlier run sees what changed since
    # and builds just that.
    tracked = {name for name in files.decode().split("\0") if name}
    for name in sorted(tracked):
        source, target = os.path.join(ROOT, name), os.path.join(tree, name)
        with open(source, "rb") as f:
            content = f.read()
        if os.path.exists(target):
            with open(target, "rb") as f:
                if f.read() == content:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(content)
        shutil.copymode(source, target)
    # Files the repository no longer holds leave the copy.
    for folder, _, names in os.walk(tree):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, tree) not in tracked:
                os.remove(path)

    print(f"Building the copy in {args.work} ...", flush=True)
    if run(["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DPLUVIK_BENCH=OFF"], tree,
           log) or run(["cmake", "--build", build, "-j", args.jobs], tree, log):
        sys.exit(f"the unchanged copy does not build; see {log}")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    ctest = ["ctest", "--output-on-failure", "-j", args.jobs]
    if run(ctest, build, log, env):
        sys.exit(f"the unchanged copy fails its tests; see {log}")

    survivors, unbuilt, wholeOnly = [], [], []
    for number, fault in enumerate(faults, 1):
        path = os.path.join(tree, fault["file"])
        with open(path, encoding="utf-8") as f:
            original = f.read()
        started = time.monotonic()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(fault["find"], fault["replace"], 1))
            with open(log, "a", encoding="utf-8") as out:
                out.write(f"\n==== {fault['name']}: {fault['breaks']}\n")
            # The programs the tests run, not the manual, which the first
            # build rendered (it would take the pictures again each time).
            if run(["cmake", "--build", build, "-j", args.jobs, "--target"] + TEST_TARGETS, tree, log):
                verdict = "does not build"
                unbuilt.append(fault)
            else:
                caught = False
                if fault.get("tests"):
                    caught = run(ctest + ["-R", fault["tests"]], build, log, env, timeout=1800) != 0
                    verdict = f"caught by {fault['tests']}" if caught else "missed by its own tests"
                if not caught and (not args.quick or not fault.get("tests")):
                    caught = run(ctest, build, log, env, timeout=3600) != 0
                    verdict = "caught by the whole suite" if caught else "SURVIVED"
                    if caught and fault.get("tests"):
                        wholeOnly.append(fault)
                if not caught:
                    survivors.append(fault)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"[{number}/{len(faults)}] {fault['name']}: {verdict} ({time.monotonic() - started:.0f} s)", flush=True)

    # Back to the unchanged tree's build, so the next run starts from it.
    run(["cmake", "--build", build, "-j", args.jobs], tree, log)
    print()
    if unbuilt:
        print("Faults that do not build (mend them in the list):")
        for fault in unbuilt:
            print(f"  {fault['name']} ({fault['file']}): {fault['breaks']}")
    if wholeOnly:
        print("Faults caught only by the whole suite (correct their tests: line in the list):")
        for fault in wholeOnly:
            print(f"  {fault['name']} ({fault['file']}): named {fault['tests']}")
    if survivors:
        print("Faults no test caught:")
        for fault in survivors:
            print(f"  {fault['name']} ({fault['file']}): {fault['breaks']}")
    if not unbuilt and not survivors:
        print(f"Every one of the {len(faults)} faults was caught.")
    print(f"The log: {log}")
    return 1 if unbuilt or survivors or wholeOnly else 0


if __name__ == "__main__":
    sys.exit(main())
