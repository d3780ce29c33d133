#pragma once

#include <QAbstractButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

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
