#include <gtest/gtest.h>

#include <QApplication>

// Tests run headless unless the caller chose a platform; the same main serves every test
// program, so widget tests and engine tests start the same way.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
