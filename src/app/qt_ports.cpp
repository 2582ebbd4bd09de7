#include "app/qt_ports.hpp"

#include <QDateTime>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/about_dialog.hpp"
#include "app/guide_dialog.hpp"
#include "util/windows1252.hpp"

namespace brisvale::app {

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

void QtDialogs::message(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, toQt(title), toQt(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::askYesNo(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, toQt(title), toQt(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(std::string_view prompt, std::string_view title,
                                               std::string_view defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, toQt(title), toQt(prompt),
                                                 QLineEdit::Normal, toQt(defaultText), &ok);
    if (!ok) return std::nullopt;
    return fromQt(answer);
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

bool QtBrowser::open(std::string_view address) {
    return QDesktopServices::openUrl(QUrl(toQt(address)));
}

std::int64_t SystemClock::nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace brisvale::app
