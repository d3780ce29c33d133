// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace tk {

// The mouse sensitivity is a text and a track bar of ten steps to the unit.
inline constexpr int kMaxSensitivityPosition = 200;

// The track bar position for a sensitivity text, or none when it is no number: the value
// times ten, rounded half to even and pulled into 0..200.
std::optional<int> sensitivityPosition(const QString& text);
// The sensitivity text for a track bar position: position / 10 with one decimal.
QString sensitivityText(int position);
// The message for a sensitivity text that is no number.
QString notAFloatingPointValueMessage(const QString& text);

} // namespace tk
