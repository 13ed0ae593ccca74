#pragma once

// What a screen reader is told about the program's windows and lists.
//
// A drop-down list should be heard by its own name ("1. bant"), with the
// chosen entry as its value; Qt 6.4 on Linux reports the chosen entry as the
// name. The program's own windows are plain widgets, which Qt reports as
// fillers; they are windows (or dialogs) to a screen reader.
void installAccessibility();
