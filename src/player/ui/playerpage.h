#pragma once

#include <QWidget>

namespace tk {
struct ExecSettings;
}

// The "&Player" tab: the player's appearance and client options.
class PlayerPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayerPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;
};
