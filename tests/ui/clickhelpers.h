// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

// Clicks a check box or radio button on its indicator: a layout may make the button
// wider than its caption, and a click beside the caption does not toggle it.
inline void clickIndicator(QAbstractButton* button, Qt::MouseButton mouse = Qt::LeftButton)
{
    QStyleOptionButton opt;
    opt.initFrom(button);
    const QStyle::SubElement element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonIndicator
                                                                           : QStyle::SE_CheckBoxIndicator;
    QTest::mouseClick(button, mouse, {}, button->style()->subElementRect(element, &opt, button).center());
}

// Replaces the whole text of an edit, the edit of a combo box, a spin edit or the memo as a
// user does: the focus, the text selected, then the new text typed (Delete for none).
inline void retype(QWidget* w, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        w = combo->lineEdit();
    w->setFocus();
    // Selected as Ctrl+A does, also where a key filter lets no shortcut through.
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        spin->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->selectAll();
    if (text.isEmpty())
        QTest::keyClick(w, Qt::Key_Delete);
    else
        QTest::keyClicks(w, text);
}

// The items of a combo box's list, in order.
inline QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

// Picks an entry from the combo box's drop-down list with the mouse, as a user does:
// unlike setting the current index, this also makes the box report the choice.
inline void chooseFromDropDown(QComboBox* combo, const QString& text)
{
    const int row = combo->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_FALSE(view->isVisible());
    ASSERT_EQ(combo->currentText(), text);
}
