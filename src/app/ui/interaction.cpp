// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/interaction.h"

#include "app/core/version.h"
#include "launch/core/gamestart.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace {

// The window a dialog belongs to: that of the widget asking, or the active one.
QWidget* owner(QWidget* parent)
{
    return parent ? parent->window() : QApplication::activeWindow();
}

} // namespace

std::unique_ptr<QMessageBox> QtInteraction::messageBox(QWidget* parent, const QString& text)
{
    return std::make_unique<QMessageBox>(
        QMessageBox::NoIcon, tk::applicationTitle(), text, QMessageBox::NoButton, owner(parent));
}

std::unique_ptr<QInputDialog> QtInteraction::promptDialog(
    QWidget* parent, const QString& caption, const QString& text, const QString& proposed)
{
    auto dialog = std::make_unique<QInputDialog>(owner(parent));
    dialog->setWindowTitle(caption);
    dialog->setLabelText(text);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextValue(proposed);
    // The small interface font makes a narrow prompt, and the title bar would cut the
    // caption. Title bars use a larger bold font and carry the window's buttons.
    QFont title = dialog->font();
    title.setBold(true);
    title.setPointSizeF(qMax<qreal>(title.pointSizeF(), 11));
    const int needed = QFontMetrics(title).horizontalAdvance(caption) + 120;
    // The prompt takes its size from its layout: the entry field is what widens it.
    const QMargins margins = dialog->layout() ? dialog->layout()->contentsMargins() : QMargins();
    if (auto* entry = dialog->findChild<QLineEdit*>())
        entry->setMinimumWidth(needed - margins.left() - margins.right());
    return dialog;
}

void QtInteraction::showMessage(QWidget* parent, const QString& text)
{
    const std::unique_ptr<QMessageBox> box = messageBox(parent, text);
    box->setStandardButtons(QMessageBox::Ok);
    box->exec();
}

int QtInteraction::askChoice(QWidget* parent, const QString& text, const QStringList& buttons)
{
    const std::unique_ptr<QMessageBox> box = messageBox(parent, text);
    box->setIcon(QMessageBox::Question);
    QList<QPushButton*> added;
    for (const QString& caption : buttons)
        added.append(
            box->addButton(caption, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (!added.isEmpty()) {
        box->setDefaultButton(added.first());
        box->setEscapeButton(added.last());
    }
    box->exec();
    return int(added.indexOf(qobject_cast<QPushButton*>(box->clickedButton())));
}

QString QtInteraction::prompt(
    QWidget* parent, const QString& caption, const QString& text, const QString& proposed, bool* accepted)
{
    const std::unique_ptr<QInputDialog> dialog = promptDialog(parent, caption, text, proposed);
    const bool ok = dialog->exec() == QDialog::Accepted;
    if (accepted)
        *accepted = ok;
    return ok ? dialog->textValue() : proposed;
}

QString QtInteraction::openFileName(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(owner(parent));
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
    const QColor c = QColorDialog::getColor(initial, owner(parent));
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
