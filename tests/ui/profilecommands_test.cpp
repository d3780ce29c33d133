// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"
#include "app/ui/tform1.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class ProfileCommands : public MainWindowTest {
protected:
    SetupPage* setup = nullptr;

    void SetUp() override
    {
        write(QStringLiteral("bots.cfg"), "");
        writeAll(quake2 + "/quake2", "");
    }
    void start()
    {
        openWindow(Shown::Yes);
        setup = form->setupPage;
        // The commands on their own: no question about changed settings.
        form->prefsPage->CheckBox51->setChecked(false);
    }
    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

TEST_F(ProfileCommands, ASaveOverAPartlyLoadedProfileAsksFirst)
{
    // The skin image is damaged: the load stops there and never reads the binds.
    QDir().mkpath(quake2 + "/baseq2/players/male");
    writeAll(quake2 + "/baseq2/players/male/grunt.pcx", "not a picture");
    const QByteArray profile = "[Binds]\r\nEnabled=1\r\nCount=1\r\nn0=\"\"x\" \"say hi\"\"\r\n";
    writeAll(file("p.tsf"), profile);
    start();
    ui.openFileAnswers.enqueue(file("p.tsf"));
    click(setup->SpeedButton7);
    ASSERT_EQ(ui.messages.last(), "unrecognized PCX");

    ui.choiceAnswers.enqueue(1); // Cancel
    click(setup->SpeedButton8);
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_EQ(ui.questions[0].text,
        "p.tsf was only partly loaded. Saving now replaces its later settings with the values shown. Save "
        "anyway?");
    EXPECT_EQ(ui.questions[0].buttons, (QStringList { "Save", "Cancel" }));
    EXPECT_EQ(readAll(file("p.tsf")), profile);

    // Under another name nothing is asked.
    ui.promptAnswers.enqueue(QStringLiteral("other"));
    click(setup->SpeedButton9);
    EXPECT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(QFile::exists(file("other.tsf")));

    // Saved over on purpose, the file holds what is shown and a later save asks nothing.
    ui.openFileAnswers.enqueue(file("p.tsf"));
    click(setup->SpeedButton7);
    ui.choiceAnswers.enqueue(0);
    click(setup->SpeedButton8);
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_NE(readAll(file("p.tsf")), profile);
    click(setup->SpeedButton8);
    EXPECT_EQ(ui.questions.size(), 2);
}

TEST_F(ProfileCommands, SaveAsCutsTheNameAtItsFirstFullStop)
{
    start();
    ui.promptAnswers.enqueue(QStringLiteral("my.game.cfg"));
    click(setup->SpeedButton9);
    ASSERT_EQ(ui.prompts.size(), 1);
    EXPECT_EQ(ui.prompts[0].caption, "Save Config. File");
    EXPECT_EQ(ui.prompts[0].text, "Enter Filename for Config. File");
    EXPECT_EQ(ui.prompts[0].proposed, "");
    EXPECT_TRUE(QFile::exists(file("my.tsf")));
    EXPECT_EQ(setup->Panel23->text(), "my.tsf");
    EXPECT_EQ(form->profiles().currentPath(), file("my.tsf"));

    // An empty name saves as "maps"; a plain Save then writes to that file again.
    ui.promptAnswers.enqueue(QString());
    click(setup->SpeedButton9);
    EXPECT_TRUE(QFile::exists(file("maps.tsf")));
    EXPECT_EQ(setup->Panel23->text(), "maps.tsf");
    QFile::remove(file("maps.tsf"));
    click(setup->SpeedButton8);
    EXPECT_TRUE(QFile::exists(file("maps.tsf")));
}

TEST_F(ProfileCommands, CancellingSaveAsAbandonsTheCommand)
{
    start();
    ui.promptAnswers.enqueue(std::nullopt);
    click(setup->SpeedButton9);
    EXPECT_FALSE(QFile::exists(file("maps.tsf")));
    EXPECT_EQ(setup->Panel23->text(), "default.tsf");
}

TEST_F(ProfileCommands, OpenLoadsTheChosenProfileAndCancelDoesNothing)
{
    writeAll(root.filePath("elsewhere.tsf"), "[ServerOptions]\r\nFragLimit=33\r\n");
    start();
    ui.openFileAnswers.enqueue(QString());
    click(setup->SpeedButton7);
    EXPECT_EQ(form->profiles().currentPath(), file("default.tsf"));
    ui.openFileAnswers.enqueue(root.filePath("elsewhere.tsf"));
    click(setup->SpeedButton7);
    EXPECT_EQ(form->gamePage->fraglimit->value(), 33);
    EXPECT_EQ(setup->Panel23->text(), "elsewhere.tsf");
}

TEST_F(ProfileCommands, AddCurrentRefusesASecondButtonOfTheSameName)
{
    start();
    click(setup->SpeedButton10);
    EXPECT_EQ(setup->quickLoadCaptions(), QStringList { "default" });
    EXPECT_TRUE(readAll(file("quikload.ini")).contains("Number=1\r\nn0=default\r\n"));
    click(setup->SpeedButton10);
    EXPECT_EQ(ui.messages, QStringList { "A QuikLoad button already exists with the name 'default'" });
    EXPECT_EQ(setup->quickLoadCaptions(), QStringList { "default" });
    // The button's hint names its profile.
    EXPECT_EQ(
        setup->quickLoadButtons().first()->statusTip(), "Click this button to load \"default\" config.");
}

TEST_F(ProfileCommands, RemoveOneMatchesTheCaptionExactlyAndSavesEitherWay)
{
    writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=3\r\nn0=Duel\r\nn1=ctf\r\nn2=Duel\r\n");
    start();
    ui.promptAnswers.enqueue(QStringLiteral("duel"));
    click(setup->SpeedButton11);
    EXPECT_EQ(ui.prompts.last().caption, "QuikLoad Input");
    EXPECT_EQ(ui.prompts.last().text, "Enter caption of button to remove");
    EXPECT_EQ(setup->quickLoadCaptions(), (QStringList { "Duel", "ctf", "Duel" }));
    EXPECT_TRUE(readAll(file("quikload.ini")).contains("OnClick=0"));

    ui.promptAnswers.enqueue(QStringLiteral("Duel"));
    click(setup->SpeedButton11);
    EXPECT_EQ(setup->quickLoadCaptions(), (QStringList { "Duel", "ctf" }));
    // Captions beyond "Number" stay in the file and are not read.
    EXPECT_EQ(readAll(file("quikload.ini")),
        "[QuikLoad]\r\nNumber=2\r\nn0=Duel\r\nn1=ctf\r\nn2=Duel\r\nOnClick=0\r\n");

    click(setup->SpeedButton12);
    EXPECT_TRUE(setup->quickLoadCaptions().isEmpty());
    EXPECT_TRUE(readAll(file("quikload.ini")).startsWith("[QuikLoad]\r\nNumber=0\r\n"));
}

TEST_F(ProfileCommands, AMissingCaptionReadsAsX)
{
    writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=3\r\nn0=a\r\nn2=c\r\nOnClick=1\r\n");
    start();
    EXPECT_EQ(setup->quickLoadCaptions(), (QStringList { "a", "x", "c" }));
    EXPECT_TRUE(setup->CheckBox23->isChecked());
}

TEST_F(ProfileCommands, AQuickLoadButtonLoadsItsProfileAndLaunchesWithIt)
{
    writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=1\r\nn0=duel\r\nOnClick=1\r\n");
    writeAll(file("duel.tsf"), "[ServerOptions]\r\nFragLimit=10\r\nDedicated=1\r\n");
    start();
    QToolButton* button = setup->quickLoadButtons().first();
    click(button);
    QApplication::processEvents(); // the click is handled once the button's signal returned
    EXPECT_EQ(form->profiles().currentPath(), file("duel.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 10);
    // The bar was rebuilt from the list file during the click.
    EXPECT_EQ(setup->quickLoadCaptions(), QStringList { "duel" });
    ASSERT_EQ(ui.starts.size(), 1);
    EXPECT_EQ(ui.starts[0].arguments.at(2), "1"); // launched with the settings just loaded
    EXPECT_TRUE(readAll(file("tark.cfg")).contains("set fraglimit 10\r\n"));
}

TEST_F(ProfileCommands, AQuickLoadButtonWithoutRunOnClickOnlyLoads)
{
    writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=1\r\nn0=gone\r\n");
    start();
    click(setup->quickLoadButtons().first());
    QApplication::processEvents();
    // A profile that no longer exists loads the defaults and becomes the current one.
    EXPECT_EQ(form->profiles().currentPath(), file("gone.tsf"));
    EXPECT_TRUE(ui.starts.isEmpty());
}

TEST_F(ProfileCommands, ARefusedQuickLoadListWriteIsReported)
{
    start();
    QDir(dir).mkdir(QStringLiteral("quikload.ini"));
    click(setup->SpeedButton10);
    EXPECT_THAT(ui.messages, testing::ElementsAre(IsWriteError("Unable to write to ", file("quikload.ini"))));
}

// Every quick-load button can be scrolled into view and clicked where the user sees
// it: the click is delivered to whatever lies at that point of the window.
class QuickLoadBarReach : public ProfileCommands, public ::testing::WithParamInterface<int> { };

TEST_P(QuickLoadBarReach, EveryButtonCanBeBroughtIntoViewAndLoadsItsProfile)
{
    const int count = GetParam();
    QByteArray list = "[QuikLoad]\r\nNumber=" + QByteArray::number(count) + "\r\n";
    for (int k = 0; k < count; ++k) {
        list += "n" + QByteArray::number(k) + "=p" + QByteArray::number(k) + "\r\n";
        writeAll(file(QStringLiteral("p%1.tsf").arg(k)),
            "[ServerOptions]\r\nFragLimit=" + QByteArray::number(100 + k)
                + "\r\n[Launcher]\r\nAskDiscard=0\r\n");
    }
    writeAll(file("quikload.ini"), list);
    start();
    ASSERT_EQ(setup->quickLoadButtons().size(), count);

    for (int k = 0; k < count; ++k) {
        SCOPED_TRACE(k);
        QApplication::processEvents(); // the previous click's rebuild is laid out
        QToolButton* button = setup->quickLoadButtons().at(k);
        for (QWidget* w = button->parentWidget(); w; w = w->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(w))
                area->ensureWidgetVisible(button, 0, 0);
        ASSERT_TRUE(button->isVisible());
        for (QWidget* w = button->parentWidget(); w != form.get(); w = w->parentWidget())
            ASSERT_TRUE(w->rect().contains(QRect(button->mapTo(w, QPoint()), button->size())))
                << "clipped by " << qPrintable(w->metaObject()->className());

        const QPoint centre = button->mapTo(form.get(), button->rect().center());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, centre);
        QApplication::processEvents();
        const QString name = QStringLiteral("p%1.tsf").arg(k);
        EXPECT_EQ(form->profiles().currentPath(), file(name));
        // Just loaded, although a save would add the keys it lacks.
        EXPECT_EQ(setup->Panel23->text(), name);
        EXPECT_EQ(form->gamePage->fraglimit->value(), 100 + k);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bars, QuickLoadBarReach, ::testing::Values(7, 40), [](const ::testing::TestParamInfo<int>& paramInfo) {
        return std::to_string(paramInfo.param) + "Buttons";
    });

} // namespace
