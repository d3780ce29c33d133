// SPDX-License-Identifier: GPL-2.0-or-later
// What the controls of the Game, Misc., Player and Binds tabs make of the exec file,
// through the main window's settings record.
#include "app/core/installpaths.h"
#include "app/ui/tform1.h"
#include "launch/core/execfile.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"
#include "widgets/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ExecFileFromTheWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        for (const char* name : { "bots.cfg", "extra.cfg", "tark.cfg" })
            touch(dir + '/' + QLatin1String(name));
        openWindow();
        ASSERT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    }

    static void touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QStringList lines() const
    {
        const QByteArray file = tk::generateExecFile(form->gatherExecSettings(), form->paths());
        EXPECT_TRUE(file.endsWith("\r\n"));
        QStringList out = QString::fromUtf8(file).split(QStringLiteral("\r\n"));
        out.removeLast();
        return out;
    }

    // The lines after the heading, up to the first blank line.
    QStringList block(const QString& heading) const
    {
        const QStringList all = lines();
        const qsizetype start = all.indexOf(heading);
        EXPECT_GE(start, 0) << heading.toStdString();
        QStringList out;
        for (qsizetype i = start + 1; i < all.size() && !all.at(i).isEmpty(); ++i)
            out.append(all.at(i));
        return out;
    }

    // The lines between the second "set deathmatch 1" and the map heading.
    QStringList modBlock() const
    {
        const QStringList all = lines();
        const qsizetype first = all.indexOf(QStringLiteral("set deathmatch 1"));
        const qsizetype second = all.indexOf(QStringLiteral("set deathmatch 1"), first + 1);
        const qsizetype map = all.indexOf(QStringLiteral("//Map to play on"));
        EXPECT_TRUE(first >= 0 && second > first && map > second);
        return all.mid(second + 1, map - second - 1);
    }
};

TEST_F(ExecFileFromTheWindow, PlayerLinesFollowTheHandAndCrosshairWords)
{
    PlayerPage* p = form->playerPage;
    showPage(p);
    EXPECT_EQ(block(QStringLiteral("//Player Setup")), (QStringList { "set lag 0", "set lagvariance 0" }));

    // The texts of a profile without a "Player" section (start-up found none).
    clickIndicator(p->CheckBox28);
    EXPECT_EQ(block(QStringLiteral("//Player Setup")),
        (QStringList {
            "name Player", "skin male/grunt", "hand 0", "crosshair 1", "set lag 0", "set lagvariance 0" }));

    retype(p->Edit2, QStringLiteral("Ranger"));
    retype(p->ComboBox2, QStringLiteral("cyborg"));
    retype(p->ComboBox3, QString());
    EXPECT_EQ(
        block(QStringLiteral("//Player Setup")).mid(0, 2), (QStringList { "name Ranger", "skin male/grunt" }))
        << "an empty skin gives the default skin";
    retype(p->ComboBox2, QString());
    retype(p->ComboBox3, QStringLiteral("oni911"));
    EXPECT_EQ(
        block(QStringLiteral("//Player Setup")).mid(0, 2), (QStringList { "name Ranger", "skin male/grunt" }))
        << "and so does an empty model";
    retype(p->Edit2, QString());
    EXPECT_EQ(block(QStringLiteral("//Player Setup")).first(), QStringLiteral("skin male/grunt"))
        << "an empty name is left out";
    retype(p->Edit2, QStringLiteral("Ranger"));
    retype(p->ComboBox2, QStringLiteral("cyborg"));
    retype(p->ComboBox3, QStringLiteral("oni 911"));

    struct Case {
        const char* hand;
        const char* crosshair;
        QStringList expected; // between the skin line and the lag lines
    };
    const Case cases[] = {
        { "Left", "No Crosshair", { "hand 1", "crosshair 0" } },
        { "center", "cross", { "hand 2", "crosshair 1" } },
        { "RIGHT", "DOT", { "hand 0", "crosshair 2" } },
        { "", "Angle", { "crosshair 3" } },
        { "Right", "", { "hand 0" } },
        { "Right ", "Crosshairs", {} }, // other words write no line
        { "", "", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hand) + "|" + c.crosshair);
        retype(p->ComboBox4, QLatin1String(c.hand));
        retype(p->ComboBox5, QLatin1String(c.crosshair));
        const QStringList expected = QStringList { "name Ranger", "skin \"cyborg/oni 911\"" } + c.expected
            + QStringList { "set lag 0", "set lagvariance 0" };
        EXPECT_EQ(block(QStringLiteral("//Player Setup")), expected);
    }

    // The other groups do not depend on the player set-up.
    clickIndicator(p->CheckBox28);
    clickIndicator(p->CheckBox31);
    retype(p->SpinEdit2, QStringLiteral("500"));
    clickIndicator(p->CheckBox32);
    retype(p->Edit3, QStringLiteral("25"));
    clickIndicator(p->CheckBox30);
    retype(p->SpinEdit1, QStringLiteral("100"));
    retype(p->SpinEdit4, QStringLiteral("20"));
    EXPECT_EQ(block(QStringLiteral("//Player Setup")),
        (QStringList { "cl_maxfps 500", "sensitivity 25", "set lag 100", "set lagvariance 20" }));
}

TEST_F(ExecFileFromTheWindow, BindLinesQuoteTheTextsAsHeld)
{
    BindsPage* b = form->bindsPage;
    showPage(b);
    b->addBindRow(QStringLiteral("F1"), QStringLiteral("say \"hi\""));
    b->addBindRow(QStringLiteral("F2 "), QStringLiteral("cyclecam"));
    b->addBindRow(QString(), QStringLiteral("quit"));
    b->addBindRow(QStringLiteral("KP_5"), QString());
    b->addBindRow(QStringLiteral("'"), QStringLiteral("echo a b "));
    EXPECT_EQ(block(QStringLiteral("//Key Bindings")), QStringList()) << "\"Specify Binds\" is unchecked";

    clickIndicator(b->CheckBox29);
    EXPECT_EQ(block(QStringLiteral("//Key Bindings")), (QStringList { R"(bind "'" "echo a b ")" }))
        << "a command with quotes in it and a key the engine does not know are left out";
}

TEST_F(ExecFileFromTheWindow, CaptureTheFlagBlockFollowsTheTeamChoice)
{
    GamePage* g = form->gamePage;
    showPage(g);
    EXPECT_EQ(modBlock(), (QStringList { "", "" })) << "Regular Deathmatch writes no block";
    clickIndicator(g->RadioButton4);
    g->PageControl2->setCurrentIndex(1);
    QApplication::processEvents();

    EXPECT_EQ(modBlock(), (QStringList { "", "set ctf 1", "", "set botctfteam 0", "", "" }));
    clickIndicator(g->RadioButton7);
    EXPECT_EQ(modBlock(), (QStringList { "", "set ctf 1", "", "set botctfteam 1", "", "" }));
    clickIndicator(g->CheckBox35);
    EXPECT_EQ(modBlock(), (QStringList { "", "set ctf 1", "", "set botctfteam 2", "", "" }));
    clickIndicator(g->CheckBox35);
    EXPECT_EQ(modBlock(), (QStringList { "", "set ctf 1", "", "set botctfteam 1", "", "" }));
    clickIndicator(g->CheckBox34);
    clickIndicator(g->RadioButton6);
    EXPECT_EQ(modBlock(), (QStringList { "", "set ctf 1", "", "set botctfteam 0", "", "" }))
        << "a greyed-out colour choice is not written";
}

TEST_F(ExecFileFromTheWindow, RocketArenaBlockCarriesEveryOptionAndStat)
{
    GamePage* g = form->gamePage;
    showPage(g);
    clickIndicator(g->RadioButton5);
    for (QCheckBox* box : { g->CheckBox36, g->CheckBox38, g->CheckBox48, g->CheckBox49 })
        clickIndicator(box);
    retype(g->SpinEdit6, QStringLiteral("-5"));
    retype(g->SpinEdit9, QStringLiteral("0"));
    retype(g->SpinEdit13, QStringLiteral("5000"));
    const QStringList expected {
        "",
        "set rocketarena 1",
        "",
        "set mstart_auto 0",
        "set noitems 1",
        "set selfdamage 1",
        "set healthprotect 1",
        "set armorprotect 1",
        "set shotgun 1",
        "set supershotgun 1",
        "set machinegun 1",
        "set chaingun 1",
        "set grenadelauncher 1",
        "set rocketlauncher 1",
        "set hyperblaster 0",
        "set railgun 0",
        "set bfg 1",
        "set armor -5",
        "set health 100",
        "set shells 100",
        "set bullets 0",
        "set slugs 50",
        "set grenades 50",
        "set rockets 50",
        "set cells 5000",
        "",
        "",
    };
    EXPECT_EQ(modBlock(), expected);

    clickIndicator(g->RadioButton8);
    EXPECT_EQ(modBlock(), (QStringList { "", "set xatrix 1", "", "" }));
    clickIndicator(g->RadioButton9);
    EXPECT_EQ(modBlock(), (QStringList { "", "set rogue 1", "", "" }));
}

TEST_F(ExecFileFromTheWindow, DemoRecordingWithSequentialNames)
{
    MiscPage* m = form->miscPage;
    showPage(m);
    ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/demos")));
    touch(dir + QStringLiteral("/demos/tarkdemo.dm2"));
    touch(dir + QStringLiteral("/demos/tarkdemo2.dm2"));
    EXPECT_EQ(lines().last(), QStringLiteral("//Demo Options"));

    clickIndicator(m->CheckBox21);
    EXPECT_EQ(lines().last(), QStringLiteral("record tarkdemo")) << "overwrite is the default";
    clickIndicator(m->RadioButton2);
    EXPECT_EQ(lines().last(), QStringLiteral("record tarkdemo3"));
    retype(m->Edit1, QStringLiteral("duel"));
    EXPECT_EQ(lines().last(), QStringLiteral("record duel")) << "never duel1";
    touch(dir + QStringLiteral("/demos/duel.dm2"));
    EXPECT_EQ(lines().last(), QStringLiteral("record duel2"));
    clickIndicator(m->RadioButton1);
    EXPECT_EQ(lines().last(), QStringLiteral("record duel"));
    retype(m->Edit1, QString());
    EXPECT_EQ(lines().last(), QStringLiteral("//Demo Options")) << "no name, no record line";
    retype(m->Edit1, QStringLiteral("tarkdemo"));
    clickIndicator(m->CheckBox21);
    EXPECT_EQ(lines().last(), QStringLiteral("//Demo Options"));
}

TEST_F(ExecFileFromTheWindow, ExtraConfigFileLine)
{
    MiscPage* m = form->miscPage;
    showPage(m);
    const QString heading = QStringLiteral("//Additional Exec. File");
    // The list holds the launcher directory's config files; the first is shown.
    EXPECT_EQ(m->ComboBox1->currentText(), QStringLiteral("bots.cfg"));
    EXPECT_EQ(block(heading), QStringList());

    clickIndicator(m->CheckBox27);
    EXPECT_EQ(block(heading), QStringList { "exec bots.cfg" });
    m->ComboBox1->setCurrentIndex(m->ComboBox1->findText(QStringLiteral("tark.cfg")));
    EXPECT_EQ(block(heading), QStringList { "exec tark.cfg" });
    // The engine would split a name with a blank: it goes in quotes.
    retype(m->ComboBox1, QStringLiteral("my setup.cfg"));
    EXPECT_EQ(block(heading), QStringList { "exec \"my setup.cfg\"" });
    retype(m->ComboBox1, QString());
    EXPECT_EQ(block(heading), QStringList());
    retype(m->ComboBox1, QStringLiteral("extra.cfg"));
    clickIndicator(m->CheckBox27);
    EXPECT_EQ(block(heading), QStringList());
}

} // namespace
