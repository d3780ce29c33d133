// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLabel>

// A one-line label for a file name that may not fit: it leaves out characters inside the
// name rather than at its end, so that what follows its last full stop (the extension and
// any marker behind it, "tsf *") stays in sight. text() stays whole, for screen readers;
// while cut, the label shows its tool tip when asked, the whole text by default.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // text as it fits width in metrics.
    static QString fitted(const QString& text, const QFontMetrics& metrics, int width);
    // Whether the text is shown cut now.
    bool isCut() const;

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int textWidth() const;
};
