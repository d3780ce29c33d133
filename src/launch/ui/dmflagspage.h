#pragma once

#include <QWidget>

namespace tk {
struct ExecSettings;
}

// The "&DM Flags" tab: the flag boxes, the flag total, presets and limits.
class DmFlagsPage : public QWidget {
    Q_OBJECT
public:
    explicit DmFlagsPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;
};
