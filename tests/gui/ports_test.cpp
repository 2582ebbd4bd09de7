// The Qt ports and the window's own dialogs: real modal boxes, answered by clicking their
// buttons once they are up; the guide that ships with the program; the simulator's dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

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
        EXPECT_EQ(box->text(), "Invalid Wagering Values.\n\nEG: 1,2,3,4,6,Q");
        EXPECT_GE(box->width(), app::titleRoom(box->windowTitle()));  // the title shows whole
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("Invalid Wagering Values.\r\n\r\nEG: 1,2,3,4,6,Q", "Brisvale");
    for (auto [button, yes] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        whenModal([b = button](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(b)->click(); });
        EXPECT_EQ(dialogs.askYesNo("Confirm Restore Default Settings", "Default Settings"), yes);
    }
    whenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.inputBox("Casino name", "Brisvale", "x"), std::nullopt);
}

// The guide that ships with the program shows its pictures, in one window however often it is
// asked for.
TEST(QtPorts, TheShippedGuide) {
    const app::GuideDialog dialog(app::installedGuide(), nullptr);
    const QTextDocument* page = dialog.browser()->document();
    EXPECT_TRUE(page->toPlainText().contains("No progression changes the house edge of 2.70 %"));
    int pictures = 0;
    for (QTextBlock b = page->begin(); b != page->end(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            const QVariant data = page->resource(QTextDocument::ImageResource, image.name());
            pictures += image.isValid() && !(data.value<QImage>().isNull() &&
                                             QImage::fromData(data.toByteArray()).isNull());
        }
    }
    EXPECT_GT(pictures, 0);
    app::QtDialogs dialogs;
    dialogs.showGuide();
    dialogs.showGuide();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmGuide" && w->isVisible()) ++shown, w->close();
    }
    EXPECT_EQ(shown, 1);
}

TEST(Simulator, PlaysThePanelsStyleReportsAndCancelsOnClose) {
    Session s;
    s.core("chk7=1 Text18=500");
    s.menu("mnuSimulate");
    app::SimDialog& dialog = *s.window->simDialog();
    const auto run = [&](int sessions) {
        dialog.findChild<QSpinBox*>("sessions")->setValue(sessions);
        QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
    };
    const auto sentence = [&] { return dialog.findChild<QLabel*>("sentence")->text(); };
    EXPECT_EQ(dialog.findChild<QLineEdit*>("bankroll")->text(), "500");
    dialog.findChild<QSpinBox*>("spins")->setValue(300);
    run(200);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 20000);
    EXPECT_EQ(dialog.findChild<QTableWidget*>("report")->item(0, 1)->text(), "200");
    EXPECT_TRUE(sentence().contains("the house edge is 2.70"));
    for (const QChartView* view : dialog.findChildren<QChartView*>())
        EXPECT_FALSE(view->chart()->series().isEmpty());
    EXPECT_EQ(s.form().Button1.caption, "Start") << "the window's own run is left alone";
    run(10'000'000);
    ASSERT_TRUE(dialog.running());
    dialog.close();
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(sentence(), "Cancelled.");
}

}  // namespace
}  // namespace brisvale::gui_test
