// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's own preferences: where it stood and how large, the board's view, Always on Top
// and the statistics panel. They live in window.conf in the user's configuration folder, so
// the data folder's files stay exactly as the advisor writes them.

#include <QByteArray>
#include <QRect>
#include <filesystem>
#include <optional>

namespace brisvale::app {

struct WindowConf {
    std::optional<QRect> place;  // the window's position (frame included) and size
    bool maximized = false;
    bool flipped = false;
    bool onTop = false;
    bool statsVisible = false;
    bool statsFloating = false;
    QByteArray statsGeometry;    // the floating panel's place, as Qt saves it
    bool tablesVisible = false;  // View > Tables
    bool alertSound = true;      // View > Alerts > Sound
    bool alertNotify = true;     // View > Alerts > Notifications
    bool operator==(const WindowConf&) const = default;
};

// <configuration folder>/brisvale/window.conf ($XDG_CONFIG_HOME on Linux).
std::filesystem::path windowConfPath();

// What the file holds; a missing file, line or value that cannot be read keeps the default.
WindowConf readWindowConf(const std::filesystem::path& path);
// Writes the whole file at once (atomically); false when it could not be written.
bool writeWindowConf(const std::filesystem::path& path, const WindowConf& conf);

}  // namespace brisvale::app
