// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tk {

// The languages of the launcher's texts by their codes: "en" (the texts of the sources)
// and each language whose translation is built into the program.
QStringList shippedLanguages();
// The language's own name for itself ("English", "Deutsch"), never translated: a player
// who cannot read the current language still finds his own.
QString languageName(const QString& code);

// The shipped language the desktop asks for, as gettext picks it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set names the locale; "C" or "POSIX" (or none) means the
// texts of the sources; otherwise the first shipped language of LANGUAGE's list, else
// the locale's. "en" where no shipped language matches.
QString desktopLanguage(const std::function<QString(const char*)>& variable);
QString desktopLanguage();

// Shows every text from now on in the language code names; empty: the desktop's. Loads
// Qt's own translations (its dialogs' buttons) of that language where they are installed,
// and makes Qt send every widget QEvent::LanguageChange. Needs the application object.
void useLanguage(const QString& code);
// The language now in use, as a code of shippedLanguages().
QString languageInUse();

// The source that gave the text shown in language: the way back from a translated text to
// its source, for retranslating texts set earlier. Only texts that tr() gave since
// useLanguage() first ran are known.
// A caption's text without its mnemonic marks ("&Save" as "Save", the way accessible names
// take it) leads back to its source too.
struct SourceText {
    QByteArray context;
    QByteArray source;
    QByteArray disambiguation;
    bool withoutMnemonic = false;
    bool isNull() const { return source.isNull(); }
};
SourceText sourceOf(const QString& shown, const QString& language);
// The text of source in the language now in use; empty for a null source.
QString translated(const SourceText& source);
// The caption without its mnemonic marks: "&&" stands for "&", a lone "&" goes.
QString withoutMnemonic(const QString& caption);

} // namespace tk
