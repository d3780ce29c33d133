#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif
#include <QGuiApplication>
#include <gtest/gtest.h>

// Every test program gets an application object; widget tests need a QApplication,
// core tests are content with it too. Runs offscreen so that no display is needed.
int main(int argc, char** argv)
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
#ifdef QT_WIDGETS_LIB
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
