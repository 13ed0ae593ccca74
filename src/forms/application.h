#pragma once

// What every window of the program shares: the default font, accessibility
// and the rule that only the main window ends the program.
void prepareApplication();
