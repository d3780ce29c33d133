// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/installpaths.h"
#include "widgets/guard.h"

#include <QWidget>

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
    // The page's actions show their errors over the page; the seam is looked up when
    // an action runs, as the page is connected before it is attached.
    GuardTarget guardTarget()
    {
        return { this, [this]() -> Interaction& { return ui(); } };
    }

private:
    const tk::InstallPaths* m_paths = nullptr;
    Interaction* m_ui = nullptr;
};
