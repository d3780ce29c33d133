// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>
#include <QTranslator>
#include <memory>

namespace tk {

namespace {

const QString kEnglish = QStringLiteral("en");

// The launcher's translation and Qt's for one language behind one translator that also
// notes, for each text it is asked for, which source gave it: texts set before a change of
// language find their source again through it.
class Catalogue : public QTranslator {
public:
    void use(const QString& code)
    {
        const QMutexLocker lock(&m_mutex);
        m_code = code;
        m_launcher = std::make_unique<QTranslator>();
        m_qt = std::make_unique<QTranslator>();
        if (code == kEnglish)
            return;
        if (!m_launcher->load(QStringLiteral(":/i18n/tarrakind_%1.qm").arg(code)))
            qWarning("The translation into %s is missing from the program", qPrintable(code));
        // Qt's own are optional: its dialogs then keep their English buttons.
        (void)m_qt->load(
            QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }

    QString code() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_code;
    }

    QString translate(
        const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QMutexLocker lock(&m_mutex);
        QString text = m_launcher ? m_launcher->translate(context, source, disambiguation, n) : QString();
        if (text.isEmpty() && m_qt)
            text = m_qt->translate(context, source, disambiguation, n);
        // Plural forms are filled in after this: their texts never come back as given.
        if (source && n < 0) {
            // Where texts of several sources read alike, the launcher's own caption goes
            // before one taken without its mnemonic mark, and both before Qt's own texts
            // (contexts "QShortcut", "QTabBar", ...).
            const bool qtOwn = context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z';
            const QString shown = text.isEmpty() ? QString::fromUtf8(source) : text;
            note(shown, { context, source, disambiguation, false }, qtOwn ? 0 : 2);
            if (const QString plain = withoutMnemonic(shown); plain != shown)
                note(plain, { context, source, disambiguation, true }, qtOwn ? 0 : 1);
        }
        return text;
    }

    bool isEmpty() const override { return false; }

    // Installed into the application it belongs to (a new application gets a new catalogue).
    bool installed = false;

    SourceText sourceOf(const QString& shown, const QString& language) const
    {
        const QMutexLocker lock(&m_mutex);
        return m_seen.value(language).value(shown).source;
    }

private:
    void note(const QString& shown, const SourceText& source, int rank) const
    {
        Seen& seen = m_seen[m_code][shown];
        if (seen.source.isNull() || rank > seen.rank)
            seen = { source, rank };
    }

    struct Seen {
        SourceText source;
        int rank = 0;
    };
    mutable QMutex m_mutex;
    QString m_code = kEnglish;
    std::unique_ptr<QTranslator> m_launcher;
    std::unique_ptr<QTranslator> m_qt;
    mutable QHash<QString, QHash<QString, Seen>> m_seen;
};

Catalogue* catalogue()
{
    static Catalogue* shared = nullptr;
    if (!shared) {
        shared = new Catalogue;
        shared->setParent(QCoreApplication::instance());
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] { shared = nullptr; });
    }
    return shared;
}

QString shippedMatch(const QString& name)
{
    // "de_DE.UTF-8@euro" and "de" both name German.
    QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    language = language.section(QLatin1Char('_'), 0, 0).toLower();
    return shippedLanguages().contains(language) ? language : QString();
}

} // namespace

QStringList shippedLanguages()
{
    QStringList codes { kEnglish };
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("tarrakind_*.qm") });
    for (const QString& file : files)
        codes.append(file.mid(10, file.size() - 13));
    return codes;
}

QString languageName(const QString& code)
{
    if (code == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (code == kEnglish)
        return QStringLiteral("English");
    return code;
}

QString desktopLanguage(const std::function<QString(const char*)>& variable)
{
    QString locale;
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C."))
        || locale == QLatin1String("POSIX"))
        return kEnglish;
    const QStringList wanted = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& name : wanted) {
        if (const QString match = shippedMatch(name); !match.isEmpty())
            return match;
    }
    const QString match = shippedMatch(locale);
    return match.isEmpty() ? kEnglish : match;
}

QString desktopLanguage()
{
    return desktopLanguage([](const char* name) { return qEnvironmentVariable(name); });
}

void useLanguage(const QString& code)
{
    Catalogue* c = catalogue();
    const QString wanted = code.isEmpty() || !shippedLanguages().contains(code) ? desktopLanguage() : code;
    if (c->installed && c->code() == wanted)
        return;
    c->use(wanted);
    if (!c->installed) {
        QCoreApplication::installTranslator(c);
        c->installed = true;
        return;
    }
    // The catalogue stays installed: what changed is the language behind it.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

QString languageInUse()
{
    return catalogue()->code();
}

SourceText sourceOf(const QString& shown, const QString& language)
{
    return catalogue()->sourceOf(shown, language);
}

QString translated(const SourceText& source)
{
    if (source.isNull())
        return {};
    const QString text = QCoreApplication::translate(source.context.constData(), source.source.constData(),
        source.disambiguation.isEmpty() ? nullptr : source.disambiguation.constData());
    return source.withoutMnemonic ? withoutMnemonic(text) : text;
}

QString withoutMnemonic(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain.simplified();
}

} // namespace tk
