#pragma once

#include <QWidget>

class QCheckBox;

namespace tk {
struct ExecSettings;
}

// The "&Game" tab: server limits, the mod choice, Rocket Arena and CTF options.
class GamePage : public QWidget {
    Q_OBJECT
public:
    explicit GamePage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    QCheckBox* dedicated = nullptr;
};
