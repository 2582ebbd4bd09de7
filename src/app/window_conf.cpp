// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_conf.hpp"

#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <string>
#include <system_error>
#include <vector>

#include "storage/properties.hpp"

namespace brisvale::app {
namespace {

// "key: value" lines, as the program's other settings files.
std::optional<std::string> valueOf(const std::vector<std::string>& lines, std::string_view key) {
    for (const std::string& line : lines) {
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 &&
            line[key.size()] == ':') {
            return QString::fromStdString(line.substr(key.size() + 1)).trimmed().toStdString();
        }
    }
    return std::nullopt;
}

std::optional<bool> flag(const std::vector<std::string>& lines, std::string_view key) {
    const auto value = valueOf(lines, key);
    if (value == "1") return true;
    if (value == "0") return false;
    return std::nullopt;
}

// "x,y,width,height" with a size of at least one pixel each way.
std::optional<QRect> place(const std::vector<std::string>& lines) {
    const auto value = valueOf(lines, "place");
    if (!value) return std::nullopt;
    const QStringList parts = QString::fromStdString(*value).split(',');
    if (parts.size() != 4) return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (n[2] < 1 || n[3] < 1) return std::nullopt;
    return QRect(n[0], n[1], n[2], n[3]);
}

std::string bit(bool b) {
    return b ? "1" : "0";
}

}  // namespace

std::filesystem::path windowConfPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(folder.toStdString()) / "brisvale" / "window.conf";
}

WindowConf readWindowConf(const std::filesystem::path& path) {
    WindowConf conf;
    const auto lines = readLines(path);
    if (!lines) return conf;
    conf.place = place(*lines);
    conf.maximized = flag(*lines, "maximized").value_or(false);
    conf.flipped = flag(*lines, "flipped").value_or(false);
    conf.onTop = flag(*lines, "onTop").value_or(false);
    conf.statsVisible = flag(*lines, "statistics.visible").value_or(false);
    conf.statsFloating = flag(*lines, "statistics.floating").value_or(false);
    conf.tablesVisible = flag(*lines, "tables.visible").value_or(false);
    conf.alertSound = flag(*lines, "alerts.sound").value_or(true);
    conf.alertNotify = flag(*lines, "alerts.notifications").value_or(true);
    if (const auto geometry = valueOf(*lines, "statistics.geometry")) {
        conf.statsGeometry = QByteArray::fromBase64(QByteArray::fromStdString(*geometry));
    }
    return conf;
}

bool writeWindowConf(const std::filesystem::path& path, const WindowConf& conf) {
    std::vector<std::string> lines;
    if (conf.place) {
        const QRect& r = *conf.place;
        lines.push_back("place: " + std::to_string(r.x()) + "," + std::to_string(r.y()) + "," +
                        std::to_string(r.width()) + "," + std::to_string(r.height()));
    }
    lines.push_back("maximized: " + bit(conf.maximized));
    lines.push_back("flipped: " + bit(conf.flipped));
    lines.push_back("onTop: " + bit(conf.onTop));
    lines.push_back("statistics.visible: " + bit(conf.statsVisible));
    lines.push_back("tables.visible: " + bit(conf.tablesVisible));
    lines.push_back("alerts.sound: " + bit(conf.alertSound));
    lines.push_back("alerts.notifications: " + bit(conf.alertNotify));
    lines.push_back("statistics.floating: " + bit(conf.statsFloating));
    if (!conf.statsGeometry.isEmpty()) {
        lines.push_back("statistics.geometry: " + conf.statsGeometry.toBase64().toStdString());
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return writeLines(path, lines);
}

}  // namespace brisvale::app
