// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for the game executable in the demo installation. It is not Quake II:
// it shows what the launcher handed it (program path, arguments, working directory
// and the exec file the arguments name) and notes each start in "standin.log".
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString cwd = QDir::currentPath();

    QString game, exec;
    for (int i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "+set" && i + 2 < args.size() && args[i + 1] == "game")
            game = args[i + 2];
        // The engine reads the value as a console line does: one pair of quotes goes.
        if (game.size() >= 2 && game.startsWith('"') && game.endsWith('"'))
            game = game.mid(1, game.size() - 2);
        if (args[i] == "+exec")
            exec = args[i + 1];
    }
    const QString execPath = QDir(cwd).filePath(game + '/' + exec);
    QFile execFile(execPath);
    const QString execText = execFile.open(QIODevice::ReadOnly)
        ? QString::fromUtf8(execFile.readAll()).replace("\r\n", "\n")
        : QStringLiteral("(cannot read %1)").arg(execPath);

    QString report;
    report += "Program:           " + QCoreApplication::applicationFilePath() + '\n';
    report += "Arguments:         " + args.join(' ') + '\n';
    for (int i = 0; i < args.size(); ++i)
        report += QStringLiteral("  argv[%1] = %2\n").arg(i + 1).arg(args[i]);
    report += "Working directory: " + cwd + '\n';
    report += "Exec file:         " + execPath + "\n\n";
    std::fputs(qPrintable(report), stdout);
    std::fflush(stdout);

    QFile log(QDir(cwd).filePath("standin.log"));
    if (log.open(QIODevice::Append)) {
        log.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n' + report.toUtf8());
        log.close();
    }

    QWidget window;
    window.setWindowTitle("Quake II demo stand-in");
    auto* layout = new QVBoxLayout(&window);
    auto* banner = new QLabel("DEMO STAND-IN - this is not Quake II.\n"
                              "The launcher started this program in place of the game.");
    QFont bold = banner->font();
    bold.setBold(true);
    banner->setFont(bold);
    layout->addWidget(banner);
    auto* text = new QPlainTextEdit(report + "---- " + exec + " ----\n" + execText);
    text->setReadOnly(true);
    text->setFont(QFont("DejaVu Sans Mono", 9));
    layout->addWidget(text);
    auto* close = new QPushButton("Close");
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    layout->addWidget(close);
    window.resize(640, 560);
    window.show();
    return app.exec();
}
