#include <QCoreApplication>

#include <gtest/gtest.h>

// The fetcher needs an application object for its event loop, as in the front ends.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
