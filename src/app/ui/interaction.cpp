// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/interaction.h"

#include "app/core/version.h"
#include "launch/core/gamestart.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

void QtInteraction::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, tk::applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

int QtInteraction::askChoice(QWidget* parent, const QString& text, const QStringList& buttons)
{
    QMessageBox box(QMessageBox::Question, tk::applicationTitle(), text, QMessageBox::NoButton, parent);
    QList<QPushButton*> added;
    for (const QString& caption : buttons)
        added.append(
            box.addButton(caption, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (!added.isEmpty()) {
        box.setDefaultButton(added.first());
        box.setEscapeButton(added.last());
    }
    box.exec();
    return int(added.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

QString QtInteraction::prompt(
    QWidget* parent, const QString& caption, const QString& text, const QString& proposed, bool* accepted)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, text, QLineEdit::Normal, proposed, &ok);
    if (accepted)
        *accepted = ok;
    return ok ? answer : proposed;
}

QString QtInteraction::openFileName(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent);
    dialog.setNameFilter(filter);
    // Any name may be typed; a missing file loads like an empty one.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtInteraction::saveFileName(
    QWidget* parent, const QString& caption, const QString& filter, const QString& proposed)
{
    QFileDialog dialog(parent, caption);
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtInteraction::chooseColor(QWidget* parent, const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

int QtInteraction::runModal(QDialog* dialog)
{
    return dialog->exec();
}

bool QtInteraction::startDetached(const tk::GameStartCommand& command, QString* reason)
{
    return tk::startGameDetached(command, reason);
}

void QtInteraction::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
