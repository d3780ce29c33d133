// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/titleddialog.h"

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
