// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace tk {

// An error the user is told about in a message box, after which the action that
// raised it stops ("Cannot create file %s", "'%s' is not a valid integer value", ...).
// Thrown by the core and by handlers; caught by the one guard around every user action.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace tk
