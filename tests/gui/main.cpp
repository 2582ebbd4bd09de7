// The window tests run with a QApplication on the offscreen platform.

#include <gtest/gtest.h>
#include <QApplication>

#include "app/identity.hpp"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    brisvale::app::setApplicationIdentity("0", "brisvale-test");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
