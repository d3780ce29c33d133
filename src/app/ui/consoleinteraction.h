// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/interaction.h"

#include <QStringList>
#include <utility>

class QTextStream;

// The launcher's dialogs on a console, for the commands that run without a display:
// every message goes to standard error, each line prefixed with "tarrakind: "; a
// question is printed as a warning and answered without a user.
class ConsoleInteraction : public Interaction {
public:
    explicit ConsoleInteraction(QTextStream& err);

    // Questions are answered with their first button (go on) or, by default, closed
    // without an answer, as a user who walks away would.
    void setGoOn(bool goOn) { m_goOn = goOn; }
    bool declinedQuestion() const { return m_declined; }

    // While collecting, messages are kept instead of printed, for the command to decide
    // what they mean; takeMessages() hands them over, in the order shown.
    void setCollecting(bool collecting) { m_collecting = collecting; }
    QStringList takeMessages() { return std::exchange(m_messages, {}); }

    // Prints text, each of its lines (ended by CR LF, CR or LF) behind prefix; blank lines
    // are left out.
    void print(const QString& prefix, const QString& text);

    void showMessage(QWidget* parent, const QString& text) override;
    int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) override;
    QString prompt(QWidget* parent, const QString& caption, const QString& text, const QString& proposed,
        bool* accepted) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(
        QWidget* parent, const QString& caption, const QString& filter, const QString& proposed) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    int runModal(QDialog* dialog) override;
    bool startDetached(const tk::GameStartCommand& command, QString* reason) override;
    void openUrl(const QUrl& url) override;

private:
    QTextStream& m_err;
    bool m_goOn = false;
    bool m_declined = false;
    bool m_collecting = false;
    QStringList m_messages;
};
