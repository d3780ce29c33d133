// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tk {

// Qt's standard options (-style, -platform, -display, ...) are read by QApplication from
// the same arguments; the launcher's own parser lets them pass.

// arguments without the options QApplication documents and their values, taken as Qt
// takes them: with one dash or two, a value as the next argument ("-style fusion") or,
// where Qt allows it, after "=" ("-style=fusion"). Nothing after "--" is an option. An
// option whose value is missing sets error.
QStringList withoutQtOptions(const QStringList& arguments, QString* error);

// The lines of --help about them.
QString qtOptionsHelpText();

} // namespace tk
