#!/usr/bin/python3
"""Orca walk: are the results heard without moving? Keyboard only.
   ../shared/tools/orca/run-walk.sh build/src/tavlora scripts/walk-heard.py"""
import os
import sys

from walklib import Walk, heard  # on the path through orca-session.sh

w = Walk()
app = w.launch([os.path.abspath(sys.argv[1])])


def expect(said, pattern, what):
    if not heard(pattern, said):
        w.note("NOT HEARD: " + what)


try:
    w.section("Lists: names, and arrows in a closed list")
    w.tab_to(r"^Birinci bant\b")
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
    expect(w.key("Return", "key Return (Hesapla)", wait=2), r"4,7 Kilo Ohm", "result after Enter")
    w.tab_to(r"^Hesapla\b")
    expect(w.key("space", "key space (Hesapla)", wait=2), r"4,7 Kilo Ohm", "result after Space")
    w.key("KP_Enter", "key KP_Enter (Orca: where am I; focus stayed?)")

    w.section("The picture, by flat review")
    w.until("KP_Right", r"Direnç", limit=20)
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
    expect(w.key("Return", "key Return (Tamam)", wait=3), r"Sarı, Mor, Turuncu, Gümüş",
           "the colours after Tamam")

    w.section("About window: open and close")
    w.tab_to("HAKKINDA")
    expect(w.key("space", "key space (HAKKINDA)", wait=3), r"GÜLE GÜLE", "the about text")
    expect(w.key("KP_Add KP_Add", "key KP_Add twice (Orca: read the whole window)", wait=3),
           r"HER TÜRLÜ", "the about text, read whole")
    w.key("space", "key space (KAPAT)", wait=2)
finally:
    w.finish(app)
