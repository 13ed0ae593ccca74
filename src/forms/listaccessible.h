#pragma once

// Screen readers should hear a drop-down list by its own name ("1. bant"),
// with the chosen entry as its value. Qt 6.4 on Linux reports the chosen
// entry as the name, so the lists get an accessible interface of their own.
void installListAccessibility();
