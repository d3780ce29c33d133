// SPDX-License-Identifier: GPL-2.0-or-later
#include "imaging/ui/imageview.h"

#include <QPainter>

ImageView::ImageView(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

void ImageView::setImage(const QImage& image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

QSize ImageView::sizeHint() const
{
    return QSize(320, 200);
}

QRect ImageView::fittedRect() const
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return {};
    const QSize fitted = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void ImageView::paintEvent(QPaintEvent*)
{
    const QRect target = fittedRect();
    if (target.isEmpty())
        return;
    if (m_scaled.size() != target.size())
        m_scaled = QPixmap::fromImage(
            m_image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter p(this);
    p.drawPixmap(target.topLeft(), m_scaled);
}
