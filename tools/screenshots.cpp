// SPDX-License-Identifier: GPL-2.0-or-later
// Renders the main window with each of its tabs, and the dialogs, into PNG files,
// offscreen, in the desktop's language: tarrakind_screenshots <installation launcher dir>
// <output dir> [fonts]. With "fonts", only the tabs and the dialogs, each named after itself
// and the font DPI it is drawn at (game-144dpi.png), to compare sizes of text: run it with
// QT_FONT_DPI.
#include "app/core/installpaths.h"
#include "app/core/language.h"
#include "app/core/random.h"
#include "app/ui/interaction.h"
#include "app/ui/tform1.h"
#include "app/ui/tform2.h"
#include "bots/ui/botgenerator.h"
#include "bots/ui/tform3.h"
#include "launch/ui/execpreview.h"
#include "player/ui/tform4.h"
#include "profile/ui/gamepage.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>

namespace {

// Answers nothing and shows nothing: the screenshots need no interaction.
class Silent : public QtInteraction {
public:
    void showMessage(QWidget*, const QString& text) override { qWarning("message: %s", qPrintable(text)); }
    int runModal(QDialog*) override { return 0; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tk::useLanguage(QString());
    const bool fonts = argc == 4 && qstrcmp(argv[3], "fonts") == 0;
    if (argc < 3 || (argc > 3 && !fonts)) {
        qWarning("usage: tarrakind_screenshots <launcher dir> <output dir> [fonts]");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    Silent interaction;
    TForm1 form(
        tk::InstallPaths::fromLauncherDir(QDir(QString::fromLocal8Bit(argv[1])).absolutePath()), interaction);
    form.show();
    form.startUp();
    // Layouts settle over several rounds of posted events (a scroll bar appears once
    // the rows it scrolls are laid out), so give each picture a few.
    const auto settle = [] {
        for (int round = 0; round < 5; ++round)
            QApplication::processEvents();
    };
    const QString dpi = QStringLiteral("-%1dpi").arg(qRound(form.screen()->logicalDotsPerInchY()));
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        form.PageControl1->setCurrentIndex(i);
        settle();
        // "Bot &Cfg" is botcfg.
        const QString tab
            = form.PageControl1->tabText(i).remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
        form.grab().save(fonts ? QStringLiteral("%1/%2%3.png").arg(out, tab.toLower(), dpi)
                               : QStringLiteral("%1/tab%2.png").arg(out).arg(i + 1));
    }
    const QList<QPair<QWidget*, QString>> dialogs { { form.Form2, QStringLiteral("about") },
        { form.Form3, QStringLiteral("editbot") }, { form.Form4, QStringLiteral("userentry") } };
    for (const auto& [dialog, name] : dialogs) {
        dialog->show();
        settle();
        dialog->grab().save(QStringLiteral("%1/%2%3.png").arg(out, name, fonts ? dpi : QString()));
        dialog->hide();
    }

    // The generator as it opens, with a fixed draw so that the picture stays the same.
    BotGenerator* generator = form.botGenerator;
    generator->prepare();
    generator->botCount->setValue(12);
    tk::Random::shared().seed(2026);
    generator->drawAgain();
    generator->show();
    settle();
    generator->grab().save(QStringLiteral("%1/generator%2.png").arg(out, fonts ? dpi : QString()));
    generator->hide();
    if (fonts) {
        form.showPreview();
        settle();
        form.preview()->grab().save(QStringLiteral("%1/preview%2.png").arg(out, dpi));
        return 0;
    }

    // A setting changed: the title panel and the Setup tab's profile name show the marker.
    SpinEdit* fraglimit = form.gamePage->fraglimit;
    fraglimit->setValue(fraglimit->value() + fraglimit->increment());
    form.PageControl1->setCurrentIndex(0);
    settle();
    form.grab().save(QStringLiteral("%1/changed.png").arg(out));
    // The exec file preview beside it.
    form.showPreview();
    settle();
    form.preview()->grab().save(QStringLiteral("%1/preview.png").arg(out));
    return 0;
}
