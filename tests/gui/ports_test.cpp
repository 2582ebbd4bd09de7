// The Qt ports and the window's own dialogs: real modal boxes, answered by clicking their
// buttons once they are up; the guide that ships with the program; the simulator's dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "app/about_dialog.hpp"
#include "app/guide_dialog.hpp"
#include "app/qt_ports.hpp"
#include "app/sim_dialog.hpp"
#include "harness.hpp"

namespace brisvale::gui_test {
namespace {

// Runs `answer` on the modal box as soon as it is shown.
void whenModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            answer(modal);
        }
    });
    timer->start();
}

TEST(QtPorts, BoxesShowTitleAndTextAndAnswer) {
    app::QtDialogs dialogs;
    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        EXPECT_EQ(box->windowTitle(), "Brisvale");
        EXPECT_EQ(box->text(), "Invalid Wagering Values.\n\nEG: 1,2,3,4,6,Q");
        EXPECT_GE(box->width(), app::titleRoom(box->windowTitle()));  // the title shows whole
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("Invalid Wagering Values.\r\n\r\nEG: 1,2,3,4,6,Q", "Brisvale");
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        whenModal([b = button](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(b)->click(); });
        EXPECT_EQ(dialogs.askYesNo("Confirm Restore Default Settings", "Default Settings"), yes);
    }
    whenModal([](QWidget* modal) {
        qobject_cast<QInputDialog*>(modal)->setTextValue("Harbour");
        qobject_cast<QInputDialog*>(modal)->accept();
    });
    EXPECT_EQ(dialogs.inputBox("Casino name", "Brisvale", ""), "Harbour");
    whenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.inputBox("Casino name", "Brisvale", "x"), std::nullopt);
}

TEST(QtPorts, TheAboutBoxShowsTheDateTheKeysAndATermsLink) {
    int opened = 0;
    app::AboutDialog about(
        "May 23, 2012", [&] { ++opened; }, nullptr);
    EXPECT_TRUE(about.findChild<QLabel*>("build")->text().contains("May 23, 2012"));
    EXPECT_TRUE(about.findChild<QLabel*>("keys")->text().contains("Enter"));
    emit about.findChild<QLabel*>("Label4")->linkActivated("#terms");
    EXPECT_EQ(opened, 1);
    whenModal([](QWidget* m) {
        m->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(Guide, TheShippedGuideShowsWithItsPicturesInOneWindow) {
    const QString file = app::installedGuide();  // the build tree holds it as an install does
    ASSERT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    const app::GuideDialog dialog(file, nullptr);
    const QTextDocument* page = dialog.browser()->document();
    EXPECT_TRUE(page->toPlainText().contains("No progression changes the house edge of 2.70 %"));
    int pictures = 0;
    for (QTextBlock b = page->begin(); b != page->end(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid()) continue;
            const QVariant data = page->resource(QTextDocument::ImageResource, image.name());
            EXPECT_FALSE(data.value<QImage>().isNull() &&
                         QImage::fromData(data.toByteArray()).isNull())
                << image.name().toStdString();
            ++pictures;
        }
    }
    EXPECT_GT(pictures, 0);
    const app::GuideDialog missing("/no/such/guide.md", nullptr);
    EXPECT_TRUE(missing.browser()->document()->toPlainText().contains("/no/such/guide.md"));
    app::QtDialogs dialogs;
    dialogs.showGuide();
    dialogs.showGuide();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != "frmGuide" || !w->isVisible()) continue;
        ++shown;
        w->close();
    }
    EXPECT_EQ(shown, 1);
}

TEST(Simulator, PlaysThePanelsStyleReportsAndCancelsOnClose) {
    Session s;
    s.core("chk7=1 Text18=500");
    s.menu("mnuSimulate");
    app::SimDialog& dialog = *s.window->simDialog();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("bankroll")->text(), "500");
    dialog.findChild<QSpinBox*>("sessions")->setValue(200);
    dialog.findChild<QSpinBox*>("spins")->setValue(300);
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 20000);
    EXPECT_EQ(dialog.findChild<QTableWidget*>("report")->item(0, 1)->text(), "200");
    EXPECT_TRUE(dialog.findChild<QLabel*>("sentence")->text().contains("the house edge is 2.70"));
    for (const QChartView* view : dialog.findChildren<QChartView*>())
        EXPECT_FALSE(view->chart()->series().isEmpty());
    EXPECT_EQ(s.form().Button1.caption, "Start") << "the window's own run is left alone";
    dialog.findChild<QSpinBox*>("sessions")->setValue(10'000'000);
    QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    ASSERT_TRUE(dialog.running());
    dialog.close();
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(dialog.findChild<QLabel*>("sentence")->text(), "Cancelled.");
}

}  // namespace
}  // namespace brisvale::gui_test
