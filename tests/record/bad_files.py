#!/usr/bin/env python3
"""Files that are no record, or no longer a whole one, give one message
naming the file and change nothing in the window; a record whose figures
this version computes otherwise opens and names the figures that changed.

A valid record is saved first; the bad files are made from it (cut in half,
a byte of its calculation flipped, a newer format, an impossible flow), from
random bytes and from a PDF of another program (the manual, when built).
Each is opened by Ctrl+O and dropped on the window, in Swedish and in
Danish.   bad_files.py DRIVER [OTHER_PDF]
"""
import hashlib
import os
import random
import re
import subprocess
import sys
import tempfile

DRIVER = sys.argv[1]
OTHER_PDF = sys.argv[2] if len(sys.argv) > 2 and os.path.exists(sys.argv[2]) else None

SV = {
    "not": "{} är ingen sparad PLUVIK-beräkning.",
    "damaged": "{} är skadad eller ofullständig och kan inte öppnas.",
    "newer": "{} är sparad av en nyare PLUVIK (format 2) och kan inte öppnas i denna version.",
    "impossible": "{} innehåller värden som ingen beräkning kan ha: SpecHeatKapacitet: -418",
    # The system's reason follows, in the interface language where Qt has it.
    "missing": "{} kunde inte läsas: ",
    "changed": "Beräkningen i {} ger nu andra värden än de sparade:\\nEffekt W: 83680 (sparat 83681)",
}
DA = {
    "not": "{} er ikke en gemt PLUVIK-beregning.",
    "damaged": "{} er beskadiget eller ufuldstændig og kan ikke åbnes.",
    "newer": "{} er gemt af en nyere PLUVIK (format 2) og kan ikke åbnes i denne version.",
    "impossible": "{} indeholder værdier som ingen beregning kan have: SpecHeatKapacitet: -418",
    "missing": "{} kunne ikke læses: ",
    "changed": "Beregningen i {} giver nu andre værdier end de gemte:\\nEffekt W: 83680 (gemt 83681)",
}


def driver(script):
    out = subprocess.run([DRIVER], input=script, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), timeout=120)
    return out.stdout


def rewrite_payload(pdf, change):
    """The record with its calculation changed by `change` (same length), its
    checksum made to match, as a newer or a tampered version would be."""
    start = pdf.index(b"stream\n{") + len(b"stream\n")
    end = pdf.index(b"\nendstream", start)
    payload = change(pdf[start:end])
    assert len(payload) == end - start
    old_sum = hashlib.md5(pdf[start:end]).hexdigest().upper().encode()
    new_sum = hashlib.md5(payload).hexdigest().upper().encode()
    return pdf[:start].replace(old_sum, new_sum) + payload + pdf[end:]


def main():
    with tempfile.TemporaryDirectory() as work:
        good = os.path.join(work, "good.pdf")
        driver("separator .\nstart\ntab Effekt\ntype DeltaT 20\ntype EffektFlowEdit 1\nkey Enter\n"
               f"savefile {good}\nkey Ctrl+S\n")
        record = open(good, "rb").read()
        files = {}

        def make(name, data):
            path = os.path.join(work, name)
            with open(path, "wb") as f:
                f.write(data)
            files[name] = path

        random.seed(7)
        make("random.pdf", bytes(random.randrange(256) for _ in range(5000)))
        make("empty.pdf", b"")
        make("half.pdf", record[: len(record) // 2])
        start = record.index(b'"results":["')
        make("flipped.pdf", record[:start + 12] + b"9" + record[start + 13:])
        make("newer.pdf", rewrite_payload(record, lambda p: p.replace(b'"format":1', b'"format":2')))
        make("impossible.pdf", rewrite_payload(record, lambda p: p.replace(b'"4184"', b'"-418"')))
        make("changed.pdf", rewrite_payload(record, lambda p: p.replace(b'"83680"', b'"83681"')))
        files["missing.pdf"] = os.path.join(work, "missing.pdf")
        kinds = {"random.pdf": "not", "empty.pdf": "not", "half.pdf": "damaged", "flipped.pdf": "damaged",
                 "newer.pdf": "newer", "impossible.pdf": "impossible", "missing.pdf": "missing",
                 "changed.pdf": "changed"}
        if OTHER_PDF:
            files["manual.pdf"] = OTHER_PDF
            kinds["manual.pdf"] = "not"

        failed = passed = 0
        for language, texts in (("Svensk", SV), ("Dansk", DA)):
            for name, path in files.items():
                shown = texts[kinds[name]].format(os.path.abspath(path))
                # The window as the user left it: the duct tab with a flow typed.
                lines = ["separator .", f"about {language}", "start", "messages", "type Flow 77"]
                for how in ("open", "drop"):
                    lines += [f"openfile {path}", "key Ctrl+O"] if how == "open" else [f"drop {path}"]
                    lines += ["messages", "text Flow", "focused"]
                    if name == "changed.pdf":
                        lines += ["tab Kanalber"]
                out = driver("\n".join(lines) + "\n").splitlines()[1:]
                for index, how in enumerate(("open", "drop")):
                    messages, flow, focused = out[3 * index: 3 * index + 3]
                    expected = ("opendialog: " + os.path.expanduser("~/Documents") + " | " if how == "open" else "")
                    expected += "message: " + shown
                    case = f"{name} by {how} in {language}"
                    reason_given = kinds[name] == "missing" and messages.startswith(expected) and \
                        len(messages) > len(expected)
                    if messages != expected and not reason_given:
                        print(f"FAIL {case}: expected '{expected}', got '{messages}'")
                        failed += 1
                    elif name != "changed.pdf" and (flow != "77" or focused != "Flow"):
                        print(f"FAIL {case}: the window changed: flow '{flow}', focus on {focused}")
                        failed += 1
                    else:
                        passed += 1
                        print(f"ok {case}")
        print(f"{passed} passed, {failed} failed")
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
