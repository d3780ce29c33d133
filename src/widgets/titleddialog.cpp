// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/titleddialog.h"

#include <QLabel>
#include <QScreen>
#include <QStyle>

TitledDialog::TitledDialog(const QString& name, const QString& title, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(title);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    setModal(true);
}

QLabel* TitledDialog::titleLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1"));
    QFont title = label->font();
    title.setBold(true);
    title.setItalic(true);
    title.setPointSize(title.pointSize() + 2);
    label->setFont(title);
    return label;
}

void TitledDialog::showEvent(QShowEvent* event)
{
    if (const QScreen* s = screen())
        move(QStyle::alignedRect(
            Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(), s->availableGeometry())
                 .topLeft());
    QDialog::showEvent(event);
}
