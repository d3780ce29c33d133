#include "player/ui/skinpreview.h"

#include <QPainter>

namespace {

constexpr QSize kArea(320, 200);

} // namespace

SkinPreview::SkinPreview(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(kArea + QSize(2 * frameWidth(), 2 * frameWidth()));
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

void SkinPreview::setImage(const QImage& image)
{
    m_image = image;
    update();
}

QRect SkinPreview::imageRect() const
{
    if (m_image.isNull())
        return {};
    const QRect area = contentsRect();
    const QSize fitted = m_image.size().scaled(area.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(area.center());
    return target;
}

void SkinPreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(imageRect(), m_image);
}
