// Takes the window's screenshots for docs/screenshots: gui_screenshots OUTDIR.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

#include <QProgressBar>
#include <QSpinBox>

#include "app/sim_dialog.hpp"
#include "app/wagering_dialog.hpp"
#include "harness.hpp"

using brisvale::gui_test::Session;

namespace {

void save(QWidget& widget, const QString& dir, const char* name) {
    QApplication::processEvents();
    const QString path = QDir(dir).filePath(name);
    if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

void report(const Session& s) {
    std::printf("  Label1=\"%s\" CurrentBet=%s chips:", s.form().Label1.caption.c_str(),
                std::string(s.state().CurrentBet.listText()).c_str());
    for (const auto& chip : s.form().chips) {
        if (chip.visible) std::printf(" [%s %s]", chip.caption.c_str(), chip.tooltip.c_str());
    }
    std::printf("\n");
}

// Low thresholds so that bets come within a few spins.
void quickThresholds(Session& s, int families) {
    s.click("cmdMore");
    const char* lows[] = {"Text2",  "Text4",  "Text6",  "Text8",
                          "Text10", "Text12", "Text14", "Text16"};
    const char* randoms[] = {"Check1", "Check2", "Check3", "Check4",
                             "Check5", "Check6", "Check7", "Check9"};
    for (int k = 0; k < families; ++k) {
        if (s.widget<QCheckBox>(randoms[k])->isChecked()) s.click(randoms[k]);
        s.type(lows[k], "1");
    }
    s.click("cmdMore");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    {
        Session s;
        save(*s.window, dir, "01-fresh-start.png");
        s.click("cmdMore");
        save(*s.window, dir, "02-advanced-panel.png");
    }
    {
        Session s;
        quickThresholds(s, 1);
        s.click("chk7_1");
        s.type("Text18", "1000");
        s.pressButton1();
        s.waitSpinInterval();
        for (int n : {2, 4}) {
            if (s.state().BetOpen) break;
            s.clickCell(n);
            s.pressButton1();
            s.waitSpinInterval();
        }
        s.clickCell(17);
        report(s);
        save(*s.window, dir, "03-classic-bet.png");
    }
    {
        Session s;
        s.click("BetStyle3");
        quickThresholds(s, 8);
        s.click("cmdMore");
        for (const char* list :
             {"cboDozen", "cboLine", "cboCorner", "cboTrio", "cboSplit", "cboSingle"}) {
            s.choose(list, "2");
        }
        s.click("cmdMore");
        for (const char* box : {"chk6", "chk2", "chk3", "chk4", "chk5", "Chk8"}) {
            if (!s.widget<QCheckBox>(box)->isChecked()) s.click(box);
        }
        s.type("Text18", "1000");
        s.pressButton1();
        s.waitSpinInterval();
        for (int n : {5, 30, 11}) {
            s.clickCell(n);
            s.pressButton1();
            s.waitSpinInterval();
        }
        report(s);
        save(*s.window, dir, "04-super-chips.png");
        s.flip();
        save(*s.window, dir, "05-flipped.png");
        s.menu("mnuProg");
        save(*s.window->wageringDialog(), dir, "06-custom-wagering.png");
    }
    {
        Session s;
        quickThresholds(s, 3);
        for (const char* box : {"chk7", "chk6", "chk1"}) s.click(box);
        s.type("Text18", "1000");
        s.menu("mnuSimulate");
        auto& dialog = *s.window->simDialog();
        dialog.resize(1100, 520);
        dialog.findChild<QSpinBox*>("sessions")->setValue(400000);
        dialog.findChild<QLineEdit*>("seed")->setText("2026");
        QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
        auto* progress = dialog.findChild<QProgressBar*>("progress");
        while (dialog.running() && progress->value() < progress->maximum() / 3) QTest::qWait(20);
        save(dialog, dir, "07-simulate-running.png");
        while (dialog.running()) QTest::qWait(50);
        save(dialog, dir, "08-simulate-report.png");
    }
    return 0;
}
