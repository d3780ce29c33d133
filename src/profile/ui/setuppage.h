#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tk {
struct ExecSettings;
}

// The "&Setup" tab: installation paths, profile commands and the quick-load bar.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    explicit SetupPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // Installation paths (display only) and the executable name.
    QLabel* currdirpanel = nullptr;
    QLabel* currgamepanel = nullptr;
    QLabel* quakepathpanel = nullptr;
    QLineEdit* exefile = nullptr;
    QLabel* Panel23 = nullptr; // current profile
};
