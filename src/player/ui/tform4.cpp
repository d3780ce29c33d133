// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ui/tform4.h"

#include "app/ui/interaction.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"
#include "widgets/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString newTarget = QStringLiteral("New");

QStringList keyNames()
{
    QStringList keys;
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("F%1").arg(i);
    for (char c = '1'; c <= '9'; ++c)
        keys << QString(QLatin1Char(c));
    keys << QStringLiteral("0");
    for (char c = 'a'; c <= 'z'; ++c)
        keys << QString(QLatin1Char(c));
    keys << QStringList { QStringLiteral("-"), QStringLiteral("="), QStringLiteral("["), QStringLiteral("]"),
        QStringLiteral(";"), QStringLiteral("'"), QStringLiteral("`"), QStringLiteral(","),
        QStringLiteral("."), QStringLiteral("\\"), QStringLiteral("/"), QStringLiteral("SHIFT"),
        QStringLiteral("SPACE"), QStringLiteral("ENTER"), QStringLiteral("CTRL"), QStringLiteral("ALT"),
        QStringLiteral("INS"), QStringLiteral("DEL"), QStringLiteral("HOME"), QStringLiteral("END"),
        QStringLiteral("PGUP"), QStringLiteral("PGDN"), QStringLiteral("*"), QStringLiteral("KP_MINUS"),
        QStringLiteral("KP_PLUS"), QStringLiteral("KP_ENTER"), QStringLiteral("KP_HOME"),
        QStringLiteral("KP_UPARROW"), QStringLiteral("KP_PGUP"), QStringLiteral("KP_LEFTARROW"),
        QStringLiteral("KP_5"), QStringLiteral("KP_RIGHTARROW"), QStringLiteral("KP_END"),
        QStringLiteral("KP_DOWNARROW"), QStringLiteral("KP_PGDN"), QStringLiteral("KP_INS"),
        QStringLiteral("KP_DEL") };
    return keys;
}

// The bot mod's observer and team commands, and leaving the game.
QStringList commandNames()
{
    return { QStringLiteral("observer"), QStringLiteral("observerhelp"), QStringLiteral("cyclecam"),
        QStringLiteral("autocam"), QStringLiteral("teamhelp"), QStringLiteral("teamaccompany"),
        QStringLiteral("mstart"), QStringLiteral("mstop"), QStringLiteral("quit") };
}

QComboBox* editableCombo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    // Texts are taken as typed: no completion, no items added by Enter.
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

} // namespace

TForm4::TForm4(QWidget* parent)
    : TitledDialog(QStringLiteral("Form4"), tr("User Entry"), parent)
{

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    GroupBox1 = controls::group(this, tr("Bind Information"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* fields = new QVBoxLayout(GroupBox1);
    fields->setContentsMargins(6, 4, 6, 6);
    fields->setSpacing(1);
    ComboBox1 = editableCombo(GroupBox1, "ComboBox1", keyNames());
    ComboBox1->setMaxVisibleItems(16);
    edit1 = editableCombo(GroupBox1, "edit1", commandNames());
    edit1->setMinimumWidth(controls::scaled(220));
    QLabel* keyLabel = controls::label(GroupBox1, tr("Key:"));
    keyLabel->setBuddy(ComboBox1);
    QLabel* commandLabel = controls::label(GroupBox1, tr("Command"));
    commandLabel->setBuddy(edit1);
    fields->addWidget(keyLabel);
    fields->addWidget(ComboBox1);
    fields->addSpacing(4);
    fields->addWidget(commandLabel);
    fields->addWidget(edit1);
    outer->addWidget(GroupBox1);

    itemnum = controls::edit(this, "itemnum", newTarget);
    itemnum->hide();

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    SpeedButton1 = controls::button(this, "SpeedButton1", tr("Add to List"));
    SpeedButton2 = controls::button(this, "SpeedButton2", tr("&Cancel"));
    // Both captions fit whichever the apply button shows.
    const int width = qMax(SpeedButton1->sizeHint().width(),
        SpeedButton1->fontMetrics().horizontalAdvance(tr("Make Changes")) + 24);
    SpeedButton1->setFixedWidth(width);
    SpeedButton2->setFixedWidth(width);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    outer->addLayout(buttons);
    // Unlike the main window's speed buttons, the dialog's are reached with Tab.
    for (QPushButton* b : { SpeedButton1, SpeedButton2 })
        b->setFocusPolicy(Qt::StrongFocus);
    controls::finishWithReturn(this, SpeedButton1);
    new Mnemonics(this);

    connect(SpeedButton1, &QPushButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::prepareAdd()
{
    ComboBox1->setEditText(QStringLiteral("F1"));
    edit1->setEditText(QString());
    itemnum->setText(newTarget);
    SpeedButton1->setText(tr("Add to List"));
    setWindowTitle(tr("User Entry - Add Bind"));
}

void TForm4::prepareEdit(int row, const QString& key, const QString& command)
{
    ComboBox1->setEditText(key);
    edit1->setEditText(command);
    itemnum->setText(QString::number(row));
    SpeedButton1->setText(tr("Make Changes"));
    setWindowTitle(tr("User Entry - Edit Bind"));
}

QString TForm4::keyText() const
{
    return ComboBox1->currentText();
}

QString TForm4::commandText() const
{
    return edit1->currentText();
}

std::optional<int> TForm4::target() const
{
    bool ok = false;
    const int row = itemnum->text().toInt(&ok);
    if (!ok || row < 0)
        return std::nullopt;
    return row;
}

void TForm4::SpeedButton1Click()
{
    const QString message = tr("Error: Some fields not correctly filled in");
    if (keyText().isEmpty() || commandText().isEmpty()) {
        if (m_ui)
            m_ui->showMessage(this, message);
        return;
    }
    accept();
}
