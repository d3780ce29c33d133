// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/consoletext.h"
#include "app/core/installpaths.h"
#include "app/ui/guard.h"

#include <QWidget>

namespace tk {
struct Profile;
struct ProfileRead;
} // namespace tk

// A tab page of the main window. The main window attaches the installation paths, the
// interaction seam and its memory of what the user has been told once, right after it has
// built its pages; a page on its own keeps a memory of its own.
//
// The settings of a page are part of one tk::Profile: a page shows what a load gives and
// stores what it holds into a profile value. The main window loops over its pages.
class TabPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    void attach(const tk::InstallPaths& paths, Interaction& interaction, tk::ToldOnce* told = nullptr)
    {
        m_paths = &paths;
        m_ui = &interaction;
        if (told)
            m_told = told;
    }

    // Shows the values of a profile load and what its steps read; the enable rules then
    // follow the values.
    virtual void load(const tk::ProfileRead& read) = 0;
    // Copies the settings this page holds into profile.
    virtual void store(tk::Profile& profile) const = 0;

protected:
    const tk::InstallPaths& paths() const { return *m_paths; }
    Interaction& ui() const { return *m_ui; }
    tk::ToldOnce& told() const { return *m_told; }
    // The page's actions show their errors over the page; the seam is looked up when
    // an action runs, as the page is connected before it is attached.
    GuardTarget guardTarget()
    {
        return { this, [this]() -> Interaction& { return ui(); } };
    }

private:
    const tk::InstallPaths* m_paths = nullptr;
    Interaction* m_ui = nullptr;
    tk::ToldOnce m_ownTold;
    tk::ToldOnce* m_told = &m_ownTold;
};
