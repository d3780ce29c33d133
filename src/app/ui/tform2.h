#pragma once

#include <QDialog>

// The About box: a borderless modal box with the version and the links.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The version panel Panel4, set at start-up.
    void setVersionText(const QString& text);
};
