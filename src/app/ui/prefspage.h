#pragma once

#include <QWidget>

class QCheckBox;

namespace tk {
struct ExecSettings;
}

// The "Pre&fs" tab: the launcher's own preferences.
class PrefsPage : public QWidget {
    Q_OBJECT
public:
    explicit PrefsPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    QCheckBox* CheckBox24 = nullptr; // leave open when running
    QCheckBox* CheckBox26 = nullptr; // save profile on close
    QCheckBox* CheckBox25 = nullptr; // light-up captions
};
