// GoogleTest with a QApplication, as widgets need one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "qt/swedish.h"

int main(int argc, char* argv[]) {
    // Test discovery runs without the tests' environment; no test ever
    // needs a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The save dialog keeps its history in Qt's settings: a test run keeps
    // it out of the configuration of whoever runs it.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // As the program itself starts: what the tests read is what users see.
    if (!stenvik::qt::SpeakSwedish(app)) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
