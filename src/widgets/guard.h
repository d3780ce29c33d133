// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/usererror.h"
#include "widgets/interaction.h"

#include <utility>

// Runs one user action; an error it raises is shown in a message box and ends that
// action only. Returns false when the action stopped at an error.
template <typename Action> bool guarded(Interaction& ui, QWidget* parent, Action&& action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const tk::UserError& e) {
        ui.showMessage(parent, e.message());
        return false;
    }
}
