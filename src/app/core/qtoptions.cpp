// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/qtoptions.h"

#include <QCoreApplication>

namespace tk {

namespace {

enum Takes : unsigned {
    Nothing = 0,
    NextArgument = 1, // "-platform xcb"
    AfterEquals = 2, // "-qmljsdebugger=port:1234"
};

struct QtOption {
    const char* name;
    unsigned takes;
};

// As QApplication and QGuiApplication document them, the X11 ones included.
const QtOption kQtOptions[] = {
    { "style", NextArgument | AfterEquals },
    { "stylesheet", NextArgument | AfterEquals },
    { "widgetcount", Nothing },
    { "reverse", Nothing },
    { "qmljsdebugger", AfterEquals },
    { "platform", NextArgument },
    { "platformpluginpath", NextArgument },
    { "platformtheme", NextArgument },
    { "plugin", NextArgument },
    { "qwindowgeometry", NextArgument },
    { "qwindowicon", NextArgument },
    { "qwindowtitle", NextArgument },
    { "session", NextArgument },
    { "display", NextArgument },
    { "geometry", NextArgument },
};

const QtOption* findQtOption(const QString& name)
{
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

} // namespace

QStringList withoutQtOptions(const QStringList& arguments, QString* error)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--")) {
            rest += arguments.mid(i);
            break;
        }
        const qsizetype dashes = arg.startsWith(QLatin1String("--")) ? 2
            : arg.startsWith(QLatin1Char('-'))                       ? 1
                                                                     : 0;
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QtOption* option
            = dashes ? findQtOption(arg.mid(dashes, equals < 0 ? -1 : equals - dashes)) : nullptr;
        // Qt leaves the forms it does not know ("-platform=xcb") to the program.
        if (!option || (equals < 0 ? option->takes == AfterEquals : !(option->takes & AfterEquals))) {
            rest.append(arg);
        } else if (equals < 0 && (option->takes & NextArgument) && ++i == arguments.size()) {
            *error = QCoreApplication::translate("CommandLine", "%1 needs a value").arg(arg);
            return {};
        }
    }
    return rest;
}

QString qtOptionsHelpText()
{
    return QCoreApplication::translate("CommandLine",
        "Qt's standard options (-style, -platform, -display and the others that QApplication\n"
        "documents) apply to the window; the commands without a window ignore them.\n");
}

} // namespace tk
