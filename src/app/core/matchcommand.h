// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/core/commandline.h"
#include "app/core/installpaths.h"

#include <QString>

class QTextStream;

namespace tk {

struct GameStartCommand;

// The user of the command line: what it is told goes to standard error, and the game it
// starts runs on its own.
class Console {
public:
    explicit Console(QTextStream& err);
    virtual ~Console() = default;

    // Prints text, each of its lines (ended by CR LF, CR or LF) behind prefix; blank lines
    // are left out.
    void print(const QString& prefix, const QString& text);
    virtual bool startDetached(const GameStartCommand& command, QString* reason);

private:
    QTextStream& m_err;
};

// --write-cfg, --check and --launch: the profile loaded as the window loads it, and
// LAUNCH! (or its check) run on the settings it gives, with no window and no question.
// What the load tells counts as a finding: --check lists it, and the other commands stop
// on it unless forced. Never writes a profile or the quick-load list file. Returns the
// exit status: 0 done, 1 stopped.
int runMatchCommand(const CommandLine& command, const InstallPaths& paths, const QString& currentDir,
    Console& console, QTextStream& out);

} // namespace tk
