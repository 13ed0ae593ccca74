#pragma once

// What every window of the program shares: the default font, the icon,
// accessibility and the rule that only the main window ends the program.
void prepareApplication();
