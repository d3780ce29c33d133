#pragma once

#include <QString>

namespace tk {

inline QString versionTitle()
{
    return QStringLiteral("TARRAKIND! [v0.6.1]");
}

inline QString applicationTitle()
{
    return QStringLiteral("Tarrakind!");
}

} // namespace tk
