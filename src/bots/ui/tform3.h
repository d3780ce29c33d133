#pragma once

#include <QDialog>

// The bot editor "Edit Bot": name, model, skin and profile of one bot.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
