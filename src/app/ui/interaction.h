// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tk {
struct GameStartCommand;
}

class QDialog;
class QInputDialog;
class QMessageBox;
class QUrl;
class QWidget;

// Everything that blocks on the user or reaches outside the launcher goes through
// this interface, so that tests can script the answers and record what was shown.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A plain message box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A question answered by one of buttons (their captions, the first the default);
    // returns the index of the button chosen, or -1 when the box was closed otherwise.
    virtual int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    // A text prompt; cancelling returns the proposed answer and sets *accepted to false.
    virtual QString prompt(QWidget* parent, const QString& caption, const QString& text,
        const QString& proposed, bool* accepted = nullptr)
        = 0;
    // An open-file dialog; an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // A save-file dialog proposing the file name proposed; an empty result means cancelled.
    virtual QString saveFileName(
        QWidget* parent, const QString& caption, const QString& filter, const QString& proposed)
        = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Shows a modal dialog and returns its result code.
    virtual int runModal(QDialog* dialog) = 0;
    // Starts a program without waiting for it; the launcher does not own the process.
    // False, with the reason, when it could not be started.
    virtual bool startDetached(const tk::GameStartCommand& command, QString* reason) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

// The real thing: Qt dialogs, QProcess and QDesktopServices. Every dialog is a child of
// the window of the widget that asks, so that the desktop shows it over that window (a
// Wayland compositor places a dialog without a parent where it likes, often at the pointer).
class QtInteraction : public Interaction {
public:
    // The message box and the text prompt as they are shown.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& text);
    static std::unique_ptr<QInputDialog> promptDialog(
        QWidget* parent, const QString& caption, const QString& text, const QString& proposed);

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
};
