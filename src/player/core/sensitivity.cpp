// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/core/sensitivity.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tk {

std::optional<int> sensitivityPosition(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The default rounding mode sends a half to the even neighbour: 2.5 gives 2, 7.5 gives 8.
    const double position = std::nearbyint(value * 10.0);
    return int(std::clamp(position, 0.0, double(kMaxSensitivityPosition)));
}

QString sensitivityText(int position)
{
    return QStringLiteral("%1.%2").arg(position / 10).arg(position % 10);
}

QString notAFloatingPointValueMessage(const QString& text)
{
    return QCoreApplication::translate("Sensitivity", "'%1' is not a valid floating point value").arg(text);
}

} // namespace tk
