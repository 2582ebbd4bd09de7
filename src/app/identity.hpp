// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program tells the window system and the desktop about itself.

namespace brisvale::app {

// The program's name, version and desktop entry. No display name: the window system would
// append it to every title, and the main window's title is the advisor's caption, exactly.
void setApplicationIdentity(const char* version, const char* desktopId);

}  // namespace brisvale::app
