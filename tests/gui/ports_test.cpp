// The Qt ports: real modal boxes, answered here by clicking their buttons once they are up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/about_dialog.hpp"
#include "app/qt_ports.hpp"

namespace brisvale::gui_test {
namespace {

// Runs `answer` on the modal box as soon as it is shown.
void whenModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

TEST(QtPorts, MessageBoxCarriesTitleAndTextWithLineBreaks) {
    app::QtDialogs dialogs;
    QString title, text;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_GE(box->width(), app::titleRoom(title));  // wide enough to show its title
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message("Invalid Wagering Values.\r\n\r\nEG: 1,2,3,4,6,Q", "Brisvale");
    EXPECT_EQ(title, "Brisvale");
    EXPECT_EQ(text, "Invalid Wagering Values.\n\nEG: 1,2,3,4,6,Q");
}

TEST(QtPorts, YesNoQuestion) {
    app::QtDialogs dialogs;
    for (auto [button, expected] : {std::pair{QMessageBox::Yes, true}, {QMessageBox::No, false}}) {
        whenModal([button = button](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(button)->click();
        });
        EXPECT_EQ(dialogs.askYesNo("Confirm Restore Default Settings", "Default Settings"),
                  expected);
    }
}

TEST(QtPorts, InputBoxGivesTheTextOrNothingOnCancel) {
    app::QtDialogs dialogs;
    whenModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        input->setTextValue("Harbour Casino");
        input->accept();
    });
    EXPECT_EQ(dialogs.inputBox("Casino name", "Brisvale", ""),
              std::optional<std::string>("Harbour Casino"));
    whenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.inputBox("Casino name", "Brisvale", "x"), std::nullopt);
}

TEST(QtPorts, AboutBoxShowsTheBuildDateAndItsTermsLinkRunsTheAction) {
    int opened = 0;
    app::AboutDialog about(
        "May 23, 2012", [&] { ++opened; }, nullptr);
    EXPECT_NE(about.findChild<QLabel*>("build")->text().indexOf("May 23, 2012"), -1);
    EXPECT_NE(about.findChild<QLabel*>("keys")->text().indexOf("Enter"), -1);
    auto* terms = about.findChild<QLabel*>("Label4");
    ASSERT_NE(terms, nullptr);
    EXPECT_NE(terms->text().indexOf("Terms and Conditions"), -1);
    emit terms->linkActivated("#terms");
    EXPECT_EQ(opened, 1);
    whenModal([](QWidget* modal) {
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace brisvale::gui_test
