#!/usr/bin/python3
"""A stand-in screen reader for the end-to-end benchmark.

Registers for the events a screen reader follows while the user types
(text changed, caret moved, focus) and asks what one asks to announce them:
the caret's offset and the character there. Writes the counts on standard
output after each event and when it ends (SIGTERM), so a run can tell that
the editor was heard even if the listener has to be killed inside a call.
"""
import signal
import sys

import pyatspi
from gi.repository import GLib

counts = {"text-changed": 0, "caret-moved": 0, "focus": 0, "answered": 0}


def tell():
    print(" ".join(f"{k}={v}" for k, v in counts.items()), flush=True)


def on_event(event):
    kind = event.type
    try:
        if kind.startswith("object:text-changed"):
            counts["text-changed"] += 1
        elif kind.startswith("object:text-caret-moved"):
            counts["caret-moved"] += 1
            text = event.source.queryText()
            offset = text.caretOffset
            text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_CHAR)
            counts["answered"] += 1
        else:
            counts["focus"] += 1
    except Exception as error:  # an object gone meanwhile: not ours to judge
        print("error:", error, file=sys.stderr)
    tell()


def stop(*_):
    tell()
    pyatspi.Registry.stop()
    return False


# The main loop runs in C: a GLib source, not a Python handler, sees the signal.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
pyatspi.Registry.registerEventListener(
    on_event, "object:text-changed", "object:text-caret-moved", "object:state-changed:focused")
print("listening", flush=True)
pyatspi.Registry.start()
