// SPDX-License-Identifier: GPL-2.0-or-later
// The language the desktop asks for, picked as gettext picks it.
#include "app/core/language.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

TEST(DesktopLanguage, FollowsTheLocaleVariablesAsGettextDoes)
{
    ASSERT_TRUE(tk::shippedLanguages().contains(QStringLiteral("de")));
    const struct {
        QHash<QString, QString> variables;
        const char* language;
    } cases[] = {
        { {}, "en" },
        { { { "LANG", "de_DE.UTF-8" } }, "de" },
        { { { "LANG", "C" } }, "en" },
        { { { "LANG", "C.UTF-8" }, { "LANGUAGE", "de" } }, "en" }, // "C" ignores LANGUAGE
        { { { "LANG", "en_US.UTF-8" }, { "LANGUAGE", "fr:de:en" } }, "de" },
        { { { "LANG", "de_DE.UTF-8" }, { "LANGUAGE", "en:de" } }, "en" },
        { { { "LANG", "de_DE.UTF-8" }, { "LC_ALL", "POSIX" } }, "en" },
        { { { "LANG", "C" }, { "LC_MESSAGES", "de_AT" } }, "de" },
        { { { "LC_MESSAGES", "C" }, { "LC_ALL", "de_CH.UTF-8@euro" } }, "de" },
        { { { "LANG", "fr_FR.UTF-8" } }, "en" },
    };
    for (const auto& c : cases) {
        const QString picked = tk::desktopLanguage(
            [&c](const char* name) { return c.variables.value(QString::fromLatin1(name)); });
        EXPECT_EQ(picked, QLatin1String(c.language))
            << qPrintable(QStringList(c.variables.keys()).join(' ')) << " "
            << qPrintable(QStringList(c.variables.values()).join(' '));
    }
}

} // namespace
