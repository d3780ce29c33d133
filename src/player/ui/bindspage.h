#pragma once

#include <QWidget>

namespace tk {
struct ExecSettings;
}

// The "&Binds" tab: key binds written into the exec file.
class BindsPage : public QWidget {
    Q_OBJECT
public:
    explicit BindsPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;
};
