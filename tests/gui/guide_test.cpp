// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Instructions: the guide that ships with the program, shown offline with its pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/guide_dialog.hpp"
#include "app/qt_ports.hpp"

namespace brisvale::gui_test {
namespace {

QString plainText(const app::GuideDialog& dialog) {
    return dialog.browser()->document()->toPlainText();
}

TEST(Guide, TheShippedGuideShowsWithEveryPicture) {
    // The build tree holds the guide beside bin/ as an install does.
    const QString file = app::installedGuide();
    ASSERT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    const app::GuideDialog dialog(file, nullptr);
    EXPECT_TRUE(plainText(dialog).contains("No progression changes the house edge of 2.70 %"));

    QFile markdown(file);
    ASSERT_TRUE(markdown.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(markdown.readAll());
    int pictures = 0;
    for (const auto& m : QRegularExpression(R"(!\[[^\]]*\]\(([^)\s]+)\))").globalMatch(text)) {
        const QVariant data = dialog.browser()->document()->resource(QTextDocument::ImageResource,
                                                                     QUrl(m.captured(1)));
        const QImage image =
            data.canConvert<QImage>() ? data.value<QImage>() : QImage::fromData(data.toByteArray());
        EXPECT_FALSE(image.isNull()) << m.captured(1).toStdString();
        ++pictures;
    }
    EXPECT_GT(pictures, 0);
}

TEST(Guide, AMissingGuideSaysWhereItWasLookedFor) {
    const app::GuideDialog dialog("/no/such/folder/guide.md", nullptr);
    EXPECT_TRUE(plainText(dialog).contains("/no/such/folder/guide.md"));
}

TEST(Guide, AskingAgainRaisesTheOneGuideWindow) {
    app::QtDialogs dialogs;
    dialogs.showGuide();
    dialogs.showGuide();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmGuide" && w->isVisible()) {
            ++shown;
            w->close();
        }
    }
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace brisvale::gui_test
