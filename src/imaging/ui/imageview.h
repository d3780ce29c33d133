// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// Shows one image fitted inside the widget, keeping its aspect ratio and centred;
// the rest of the area stays in the background colour. Blank until an image is set.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect fittedRect() const;

    QImage m_image;
    // The image scaled for the current size, rebuilt only when the image or size changes.
    QPixmap m_scaled;
};
