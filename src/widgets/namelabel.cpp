// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/namelabel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

QString NameLabel::fitted(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    const QString tail = dot > 0 ? text.mid(dot) : QString();
    const QString head = metrics.elidedText(text.left(text.size() - tail.size()), Qt::ElideRight,
        qMax(0, width - metrics.horizontalAdvance(tail)));
    // However narrow, it shows that something is left out.
    return (head.isEmpty() ? QString(QChar(0x2026)) : head) + tail;
}

int NameLabel::textWidth() const
{
    return contentsRect().width() - 2 * margin();
}

bool NameLabel::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > textWidth();
}

QSize NameLabel::minimumSizeHint() const
{
    // Narrower than its text: the text is cut inside instead.
    const QSize hint = QLabel::minimumSizeHint();
    return { qMin(hint.width(),
                 fontMetrics().horizontalAdvance(QStringLiteral("x….tsf *")) + 2 * margin()
                     + 2 * frameWidth()),
        hint.height() };
}

bool NameLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (isCut())
            QToolTip::showText(help->globalPos(), toolTip().isEmpty() ? text() : toolTip(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void NameLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(
        area, int(alignment()) | Qt::TextSingleLine, fitted(text(), fontMetrics(), area.width()));
}
