#pragma once

#include <QDialog>

// The bind entry dialog "User Entry": one key and its console command.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};
