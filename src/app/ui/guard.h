// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/usererror.h"
#include "app/ui/interaction.h"

#include <QObject>
#include <functional>
#include <type_traits>
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

// Where a guarded action shows its error: over which window, through which seam. The
// seam may be looked up only when the action runs, since a tab page is given its seam
// after it has been built and connected.
struct GuardTarget {
    GuardTarget(QWidget* window, Interaction& seam)
        : parent(window)
        , ui([&seam]() -> Interaction& { return seam; })
    { }
    GuardTarget(QWidget* window, std::function<Interaction&()> seam)
        : parent(window)
        , ui(std::move(seam))
    { }

    QWidget* parent;
    std::function<Interaction&()> ui;
};

// Connects a user action: every emission of signal runs slot inside guarded(). The slot
// is a member function of receiver or a callable, taking the signal's arguments or none.
// Every connect of an action that can fail goes through here.
template <typename Sender, typename SignalOwner, typename... Args, typename Receiver, typename Slot>
QMetaObject::Connection connectGuarded(const Sender* sender, void (SignalOwner::*signal)(Args...),
    Receiver* receiver, Slot slot, GuardTarget target, Qt::ConnectionType type = Qt::AutoConnection)
{
    const auto run = [receiver, slot, target = std::move(target)](Args... args) {
        static_cast<void>(receiver); // only member functions use it; the connection is tied to it
        guarded(target.ui(), target.parent, [&] {
            if constexpr (std::is_member_function_pointer_v<Slot>) {
                if constexpr (std::is_invocable_v<const Slot&, Receiver*, Args...>)
                    std::invoke(slot, receiver, std::forward<Args>(args)...);
                else
                    std::invoke(slot, receiver);
            } else if constexpr (std::is_invocable_v<const Slot&, Args...>) {
                std::invoke(slot, std::forward<Args>(args)...);
            } else {
                std::invoke(slot);
            }
        });
    };
    return QObject::connect(sender, signal, receiver, run, type);
}
