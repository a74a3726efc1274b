#!/usr/bin/env python3
"""What a blind pupil hears under Orca: a result, a worked fraction, a message box and an
exercise option, each checked in what Orca said after the key that should bring it."""
import os
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(root, "..", "shared", "screen-reader"))
from listen import listen  # noqa: E402

numeria = os.path.join(root, "build", "numeria", "numeria")
to_practice = ["Return", "shift+Tab", "space", "wait:2"]
to_fraction_practice = ["Tab", "Return", "shift+Tab", "space", "wait:2"]

# (what is checked, keys, step whose speech is checked, expected words, how often)
checks = [
    ("integer practice: 7 + -2 is heard with its result",
     to_practice + ["Tab", "type:7", "Tab", "Tab", "Tab", "Tab", "type:-2", "Tab", "Tab", "space"],
     -1, "سبعة زائد سالب اثنان يساوي خمسة", None),
    ("fraction practice: 3/4 - 5/6 is heard ending in -1/12",
     to_fraction_practice + ["type:6", "Tab", "type:3", "Tab", "type:4", "Tab", "type:5", "Tab", "Tab",
                             "space", "space", "space", "space"],
     -1, "يساوي سالب واحد على اثنا عشر", None),
    # The first example's box explains the sign of the result, whichever signs were drawn.
    ("a message box is heard once",
     ["Return", "wait:2", "Tab", "space"], -1, "إشارة الناتج", 1),
    ("an exercise option is heard as a radio button",
     ["Tab", "Tab", "Tab", "Tab", "Return", "wait:2"], -2, "زر مذياع", None),
]


def said(record):
    return [u for u, echo in zip(record["said"], record.get("echo", [False] * len(record["said"]))) if not echo]


def run(keys):
    # A run that could not start (the program slow to reach the accessibility bus) is tried
    # once more; a run that started is never repeated to turn a failure into a pass.
    for attempt in (1, 2):
        try:
            # Orca may still be speaking when the checked step ends: a quiet spell after it lets
            # what it says then be heard with it.
            return listen([numeria], keys + ["wait:2"])
        except Exception as error:  # noqa: BLE001
            if attempt == 2:
                raise
            print(f"  could not start ({error}); trying once more")


failed = 0
for title, keys, step, expected, times in checks:
    records = [r for r in run(keys) if not r["step"].startswith("(")]
    # What Orca says late lands under the next step, the quiet spell at the end for the last.
    step %= len(records) - 1
    heard = said(records[step]) + (said(records[step + 1]) if step + 1 < len(records) else [])
    text = " ".join(heard)
    count = text.count(expected)
    ok = count >= 1 if times is None else count == times
    print(("ok    " if ok else "FAIL  ") + title)
    if not ok:
        failed += 1
        print("      heard: " + " | ".join(heard))
sys.exit(1 if failed else 0)
