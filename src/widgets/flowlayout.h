// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and wraps them into further rows when the width
// runs out, so that a bar of equal buttons grows downwards instead of cutting
// buttons off. Its height follows its width; inside a scroll area that resizes its
// widget, rows that do not fit are reached with the vertical scroll bar.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 0);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect (only when apply) and returns the height they take.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
};
