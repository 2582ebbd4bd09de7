// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_ports.hpp"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

#include "app/about_dialog.hpp"
#include "app/guide_dialog.hpp"
#include "util/windows1252.hpp"

namespace brisvale::app {
namespace {

constexpr int kMinimumBoxWidth = 280;

}  // namespace

QString toQt(std::string_view text) {
    const std::string utf8 = utf8FromWindows1252(text);
    QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // Message texts use CR LF; Qt lays out lines on LF alone.
    s.remove(QLatin1Char('\r'));
    return s;
}

std::string fromQt(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return windows1252FromUtf8(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

int titleRoom(const QString& title) {
    // The title bar's font is the window manager's; a bold, larger one errs on the safe side,
    // and the bar keeps room for its icon and buttons.
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return std::max(kMinimumBoxWidth, QFontMetrics(font).horizontalAdvance(title) + 160);
}

void QtDialogs::message(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, toQt(title), toQt(text), QMessageBox::Ok, parent_);
    widenForTitle(box);
    box.exec();
}

void messageAboveAll(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Warning, toQt(title), toQt(text), QMessageBox::Ok);
    // In this order: a message box's modality sets its window flags anew.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    widenForTitle(box);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}

bool QtDialogs::askYesNo(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, toQt(title), toQt(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    widenForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

void widenForTitle(QMessageBox& box) {
    // A message box sizes itself to its text; a spacer across its grid sets the least width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(titleRoom(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

std::optional<std::string> QtDialogs::inputBox(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) {
    QInputDialog box(parent_);
    box.setWindowTitle(toQt(title));
    box.setLabelText(toQt(prompt));
    box.setTextValue(toQt(defaultText));
    box.setMinimumWidth(titleRoom(box.windowTitle()));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return fromQt(box.textValue());
}

void QtDialogs::about(std::string_view buildDate, const std::function<void()>& openTerms) {
    AboutDialog dialog(toQt(buildDate), openTerms, parent_);
    dialog.exec();
}

void QtDialogs::showGuide() {
    if (!guide_) {
        guide_ = new GuideDialog(installedGuide(), parent_);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

namespace {

constexpr const char* kSpinFiles = "Spin files (*.txt *.csv);;All files (*)";

std::optional<std::filesystem::path> chosen(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace

std::optional<std::filesystem::path> QtDialogs::askOpenFile(std::string_view title) {
    return chosen(QFileDialog::getOpenFileName(parent_, toQt(title), QString(), kSpinFiles));
}

std::optional<std::filesystem::path> QtDialogs::askSaveFile(std::string_view title,
                                                            std::string_view suggested) {
    return chosen(QFileDialog::getSaveFileName(parent_, toQt(title), toQt(suggested), kSpinFiles));
}

bool QtBrowser::open(std::string_view address) {
    return QDesktopServices::openUrl(QUrl(toQt(address)));
}

std::int64_t SystemClock::nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace brisvale::app
