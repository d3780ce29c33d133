// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/consoleinteraction.h"

#include "launch/core/gamestart.h"

#include <QDialog>
#include <QRegularExpression>
#include <QTextStream>

ConsoleInteraction::ConsoleInteraction(QTextStream& err)
    : m_err(err)
{ }

void ConsoleInteraction::print(const QString& prefix, const QString& text)
{
    // "Error: Path to Quake2.exe is incorrect" breaks its line with CR CR, as the message
    // boxes of Windows did.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd)) {
        if (!line.trimmed().isEmpty())
            m_err << prefix << line << '\n';
    }
    m_err.flush();
}

void ConsoleInteraction::showMessage(QWidget*, const QString& text)
{
    if (m_collecting) {
        m_messages.append(text);
        return;
    }
    print(QStringLiteral("tarrakind: "), text);
}

int ConsoleInteraction::askChoice(QWidget*, const QString& text, const QStringList&)
{
    print(QStringLiteral("tarrakind: warning: "), text);
    if (m_goOn)
        return 0;
    m_declined = true;
    return -1;
}

QString ConsoleInteraction::prompt(
    QWidget*, const QString&, const QString&, const QString& proposed, bool* accepted)
{
    if (accepted)
        *accepted = false;
    return proposed;
}

QString ConsoleInteraction::openFileName(QWidget*, const QString&)
{
    return {};
}

QString ConsoleInteraction::saveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return {};
}

std::optional<QColor> ConsoleInteraction::chooseColor(QWidget*, const QColor&)
{
    return std::nullopt;
}

int ConsoleInteraction::runModal(QDialog*)
{
    return QDialog::Rejected;
}

bool ConsoleInteraction::startDetached(const tk::GameStartCommand& command, QString* reason)
{
    return tk::startGameDetached(command, reason);
}

void ConsoleInteraction::openUrl(const QUrl&)
{ }
