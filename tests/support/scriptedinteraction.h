// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/interaction.h"
#include "launch/core/gamestart.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <functional>

// Answers the launcher's questions from a script and records what it showed.
class ScriptedInteraction : public Interaction {
public:
    struct ProcessStart {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };
    struct Prompt {
        QString caption;
        QString text;
        QString proposed;
    };

    struct Question {
        QString text;
        QStringList buttons;
    };

    QStringList messages;
    QList<Question> questions;
    QQueue<int> choiceAnswers; // index of the button; when empty, the box is closed (-1)
    QList<Prompt> prompts;
    QQueue<std::optional<QString>> promptAnswers; // nullopt: the user cancels
    QQueue<QString> openFileAnswers; // empty: the user cancels
    QQueue<QString> saveFileAnswers; // empty: the user cancels
    QStringList saveFileProposals; // the name each save dialog proposed
    QQueue<std::optional<QColor>> colorAnswers; // nullopt: the user cancels
    QList<QColor> colorsOffered; // the colour each colour dialog started from
    QList<ProcessStart> starts;
    QList<QUrl> openedUrls;
    QList<QDialog*> modalDialogs;
    // Plays the user's part while a modal dialog is shown; returns the dialog's result.
    std::function<int(QDialog*)> onModal;
    int modalResult = QDialog::Rejected; // without onModal

    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
    int askChoice(QWidget*, const QString& text, const QStringList& buttons) override
    {
        questions.append({ text, buttons });
        return choiceAnswers.isEmpty() ? -1 : choiceAnswers.dequeue();
    }
    QString prompt(QWidget*, const QString& caption, const QString& text, const QString& proposed,
        bool* accepted) override
    {
        prompts.append({ caption, text, proposed });
        const std::optional<QString> answer
            = promptAnswers.isEmpty() ? std::nullopt : promptAnswers.dequeue();
        if (accepted)
            *accepted = answer.has_value();
        return answer.value_or(proposed);
    }
    QString openFileName(QWidget*, const QString&) override
    {
        return openFileAnswers.isEmpty() ? QString() : openFileAnswers.dequeue();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& proposed) override
    {
        saveFileProposals.append(proposed);
        return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.dequeue();
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override
    {
        colorsOffered.append(initial);
        return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
    }
    int runModal(QDialog* dialog) override
    {
        modalDialogs.append(dialog);
        return onModal ? onModal(dialog) : modalResult;
    }
    // Records each start; with realStarts the game is started for real (and a start that
    // fails is not recorded).
    bool realStarts = false;
    bool startDetached(const tk::GameStartCommand& command, QString* reason) override
    {
        if (realStarts && !tk::startGameDetached(command, reason))
            return false;
        starts.append({ command.program, command.arguments, command.workingDirectory });
        return true;
    }
    void openUrl(const QUrl& url) override { openedUrls.append(url); }
};
