#!/usr/bin/python3
# Dumps the accessible tree of the running Tavlora as AT-SPI exposes it.
import pyatspi, sys, time
def dump(acc, depth=0, maxdepth=6):
    if depth > maxdepth: return
    try:
        role = acc.getRoleName(); name = acc.name
    except Exception as e:
        return
    extra = ""
    try:
        t = acc.queryText(); extra = " text=%r" % t.getText(0, -1)
    except Exception: pass
    if role not in ("filler",) or name:
        print("  " * depth + f"[{role}] {name!r}{extra}")
    for i in range(acc.childCount):
        c = acc.getChildAtIndex(i)
        if c is not None and role != "list":
            dump(c, depth + 1, maxdepth)
desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app and app.name and "tavlora" in app.name.lower():
        dump(app)
