#!/usr/bin/python3
"""Orca walk: are the results heard without moving? Keyboard only.
   Run it with the Orca walk tools, giving the program and this script."""
import os
import re
import sys

from walklib import Walk, heard  # on the path through orca-session.sh

w = Walk()
app = w.launch([os.path.abspath(sys.argv[1])])


def expect(said, pattern, what):
    if not heard(pattern, said):
        w.note("NOT HEARD: " + what)


def once(said, pattern, what):
    """The result is heard exactly once for one action."""
    count = sum(1 for s in said if re.search(pattern, s))
    if count != 1:
        w.note(f"HEARD {count} TIMES, NOT ONCE: {what}")


COLOURS = ["Siyah", "Kahverengi", "Kırmızı", "Turuncu", "Sarı", "Yeşil", "Mavi", "Mor", "Gri",
           "Beyaz"]


def hold(key, seconds, label):
    """Holds a key down, so that the keyboard repeats it as a user's does."""
    return w.act(label, ["xdotool", "keydown", key, "sleep", str(seconds), "keyup", key])


def spoken_colours(said):
    return [s.strip(" .") for s in said if s.strip(" .") in COLOURS]


try:
    w.section("Hold Down in a closed list: each step heard with its own colour")
    w.tab_to(r"^Birinci bant\b")
    expect(w.key("Home", "key Home (first entry)"), r"\bSiyah\b", "Siyah after Home")
    steps = spoken_colours(hold("Down", 0.9, "hold Down for 0,9 s (the key repeats)"))
    w.key("Tab")
    now = spoken_colours(w.key("shift+Tab", "key shift+Tab (back: the list's entry now)"))
    # Each repeat moves one entry on from Siyah: Kahverengi, Kırmızı, ...
    if len(steps) < 2:
        w.note(f"NOT REPEATED: {steps}")
    elif steps != COLOURS[1:1 + len(steps)]:
        w.note(f"WRONG COLOURS WHILE HELD: {steps}")
    elif now != steps[-1:]:
        w.note(f"LAST HEARD {steps[-1]}, BUT THE LIST SHOWS {now}")
    else:
        w.note(f"{len(steps)} steps, each its own colour: {', '.join(steps)}")

    w.section("Lists: names, and arrows in a closed list")
    w.until("s", r"\bSarı\b", limit=3)
    expect(w.key("Down", "key Down (closed list)"), r"\bYeşil\b", "Yeşil after Down")
    expect(w.key("Up", "key Up (closed list)"), r"\bSarı\b", "Sarı after Up")
    w.key("Tab")
    w.until("m", r"\bMor\b", limit=3)
    w.key("Tab")
    w.key("alt+Down", "key alt+Down (open the list)")
    w.arrow_to("Kırmızı")
    w.key("Return", "key Return (take Kırmızı)")
    w.key("Tab")
    expect(w.key("Down", "key Down (Altın)"), r"\bAltın\b", "Altın after Down")

    w.section("Hesapla: Enter, then Space on the button")
    result = r"Sarı, Mor, Kırmızı, Altın\. 4,7 Kilo Ohm"
    once(w.key("Return", "key Return (Hesapla)", wait=2), result, "bands and result after Enter")
    w.tab_to(r"^Hesapla\b")
    once(w.key("space", "key space (Hesapla)", wait=2), result, "bands and result after Space")
    w.key("KP_Enter", "key KP_Enter (Orca: where am I; focus stayed?)")

    w.section("No standard value: the nearest ones end what is heard, and Tab reads them")
    w.tab_to(r"^İkinci bant\b")
    w.until("g", r"\bGri\b", limit=3)
    once(w.key("Return", "key Return (Hesapla)", wait=3),
         r"Sarı, Gri, Kırmızı, Altın\. 4,8 Kilo Ohm .*E24 değil; en yakın: 4,7 Kilo Ohm",
         "bands, result and the nearest standard values after Enter")
    expect(w.tab_to(r"E24 değil"), r"5,1 Kilo Ohm", "the line, read by Tab")
    w.tab_to(r"^İkinci bant\b")
    w.until("m", r"\bMor\b", limit=3)
    once(w.key("Return", "key Return (Hesapla)", wait=3), r"E24 standart değeri",
         "a standard value said so")

    w.section("The picture, by flat review")
    w.until("KP_Right", r"Direnç", limit=40)
    expect(w.key("KP_Insert+KP_Begin", "key Orca+KP_Begin (the object under review)"),
           r"Sarı, Mor, Kırmızı, Altın", "the bands in the picture's description")
    w.key("KP_Subtract", "key KP_Subtract (leave flat review)")

    w.section("Value entry: 47, Kohm, % 10, Tamam")
    w.tab_to("Değer Vererek")
    w.key("space", "key space (open Değer Giriniz)", wait=2)
    w.type("47")
    w.key("Tab")
    expect(w.key("Tab"), r"Birim", "the unit group's name")
    expect(w.key("Down", "key Down (next unit)"), r"\bKohm\b", "Kohm after Down")
    expect(w.key("Tab"), r"Tolerans", "the tolerance group's name")
    expect(w.key("Down", "key Down (next tolerance)"), r"% 10\b", "% 10 after Down")
    w.tab_to(r"\bTamam\b")
    said = w.key("Return", "key Return (Tamam)", wait=3)
    once(said, r"Sarı, Mor, Turuncu, Gümüş\. 47 Kilo Ohm", "bands and result after Tamam")
    once(said, r"47 Kilo Ohm", "the result after Tamam")

    w.section("About window: open and close")
    w.tab_to("HAKKINDA")
    expect(w.key("space", "key space (HAKKINDA)", wait=3), r"GÜLE GÜLE", "the about text")
    expect(w.key("KP_Add KP_Add", "key KP_Add twice (Orca: read the whole window)", wait=3),
           r"HER TÜRLÜ", "the about text, read whole")
    w.key("space", "key space (KAPAT)", wait=2)
finally:
    w.finish(app)
