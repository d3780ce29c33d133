#pragma once

#include <QStringList>
#include <QWidget>

namespace tk {
struct ExecSettings;
}

// The "M&isc." tab: additional commands, demo recording, an extra config file.
class MiscPage : public QWidget {
    Q_OBJECT
public:
    explicit MiscPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // Fills the extra config list once at start-up.
    void fillExtraConfigList(const QStringList& cfgFiles);
};
