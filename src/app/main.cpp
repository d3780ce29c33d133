#include "app/core/installpaths.h"
#include "app/ui/interaction.h"
#include "app/ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStyle>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarrakind"));
    // The windows were laid out for a small interface font; message boxes, prompts and
    // the file and colour dialogs get it too.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    // All paths follow from where the launcher lies; there are no options.
    const tk::InstallPaths paths
        = tk::InstallPaths::fromExecutable(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    QtInteraction interaction;
    TForm1 form(paths, interaction);
    form.setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, form.size(), form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}
