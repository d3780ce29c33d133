// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/random.h"

#include <QDateTime>
#include <QTime>

namespace tk {

Random& Random::shared()
{
    static Random generator;
    return generator;
}

void Random::seedFromClock()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    m_seed = static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

} // namespace tk
