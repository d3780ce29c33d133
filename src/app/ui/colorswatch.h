#pragma once

#include <QColor>
#include <QFrame>

// A small sunken box filled with one colour; a click on it asks for another.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(const QColor& colour, QWidget* parent = nullptr);

    QColor color() const { return m_colour; }
    void setColor(const QColor& colour);

    QSize sizeHint() const override { return { 36, 18 }; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_colour;
};
