// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"

#include <QWidget>

class Interaction;

// A tab page of the main window. The main window attaches the installation paths
// and the interaction seam once, right after it has built its pages.
class TabPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void attach(const tk::InstallPaths& paths, Interaction& interaction)
    {
        m_paths = &paths;
        m_ui = &interaction;
    }

protected:
    const tk::InstallPaths& paths() const { return *m_paths; }
    Interaction& ui() const { return *m_ui; }

private:
    const tk::InstallPaths* m_paths = nullptr;
    Interaction* m_ui = nullptr;
};
