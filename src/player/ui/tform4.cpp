#include "player/ui/tform4.h"

TForm4::TForm4(QWidget* parent)
    : QDialog(parent)
{ }
