// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary installation: the launcher directory dir in the Quake2 directory quake2, both
// empty until a test writes its files.
struct TestInstallation {
    explicit TestInstallation(const QString& quake2Name = QStringLiteral("quake2"),
        const QString& gameName = QStringLiteral("TARRAKIND"))
        : quake2(root.filePath(quake2Name))
        , dir(quake2 + QLatin1Char('/') + gameName)
        , players(quake2 + QStringLiteral("/baseq2/players"))
    {
        QDir().mkpath(dir);
    }

    QTemporaryDir root;
    QString quake2;
    QString dir; // the launcher directory
    QString players; // the models and skins of the game

    tk::InstallPaths paths() const { return tk::InstallPaths::fromLauncherDir(dir, false); }
    // A file of the launcher directory.
    QString file(const QString& name) const { return dir + QLatin1Char('/') + name; }
    void write(const QString& name, const QByteArray& data) const { writeAll(file(name), data); }
    QByteArray read(const QString& name) const { return readAll(file(name)); }

    void addModel(const QString& model) const { QDir().mkpath(players + QLatin1Char('/') + model); }
    // Copies a PCX file of the test data to players/<fileName> (a path below players).
    void addSkinFile(const QString& fileName, const char* dataFile) const
    {
        const QString target = players + QLatin1Char('/') + fileName;
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TARRAKIND_TEST_DATA "/pcx/") + QLatin1String(dataFile), target))
            << dataFile;
    }
};
