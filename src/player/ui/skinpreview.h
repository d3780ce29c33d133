#pragma once

#include <QFrame>
#include <QImage>

// Shows a skin image fitted into its area with the image's proportions kept, centred;
// blank until an image is set. The area is 320 by 200 pixels inside a sunken frame.
class SkinPreview : public QFrame {
    Q_OBJECT
public:
    explicit SkinPreview(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

    // Where the image is drawn: the largest rectangle of the image's proportions that
    // fits the area, centred in it; empty without an image.
    QRect imageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
