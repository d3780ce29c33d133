// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

class QSlider;

// Numbers under a horizontal slider, each centred below the handle position of its
// value, so that the scale lines up with the ticks whatever the style.
class SliderScale : public QWidget {
    Q_OBJECT
public:
    // marks: slider value and the text shown under it.
    SliderScale(QSlider* slider, const QList<QPair<int, QString>>& marks, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The x position, in this widget's coordinates, below which a value's text is centred.
    int centreOf(int value) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSlider* m_slider;
    QList<QPair<int, QString>> m_marks;
};
