// SPDX-License-Identifier: GPL-2.0-or-later
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif
#include "app/core/language.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program gets an application object; widget tests need a QApplication,
// core tests are content with it too. Runs offscreen so that no display is needed.
int main(int argc, char** argv)
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The engine's per-user folders lie below the home directory: no test may find the
    // developer's demos or scripts there, so every run gets an empty home of its own.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    // The texts the tests expect are the sources', whatever the developer's desktop speaks;
    // some tests run again on a desktop in another language.
    const QByteArray language = qgetenv("TARRAKIND_TEST_LANGUAGE");
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", language.isEmpty() ? QByteArray("C") : language);
    ::testing::InitGoogleTest(&argc, argv);
#ifdef QT_WIDGETS_LIB
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    // From the first text on, so that a test may switch the language of widgets it made.
    tk::useLanguage(QString());
    return RUN_ALL_TESTS();
}
