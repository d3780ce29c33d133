// SPDX-License-Identifier: GPL-2.0-or-later
// Unsaved settings: the marker on the title panel and Panel23, and the question before
// another profile or the program's end replaces them.
#include "app/ui/guard.h"
#include "app/ui/prefspage.h"
#include "maps/ui/mappage.h"
#include "profile/ui/setuppage.h"
#include "ui/matchharness.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

class Unsaved : public MatchWindow {
protected:
    void setFragLimit(const QString& text)
    {
        retype(form->gamePage->fraglimit, text);
        QApplication::processEvents();
    }
    void expectMarker(bool shown)
    {
        const QString name = QFileInfo(form->profiles().currentPath()).fileName();
        EXPECT_EQ(form->titleLabel->text(), shown ? title + " *" : title);
        EXPECT_EQ(form->setupPage->Panel23->text(), shown ? name + " *" : name);
    }
    void open(const QString& name)
    {
        ui.openFileAnswers.enqueue(file(name));
        QTest::mouseClick(form->setupPage->SpeedButton7, Qt::LeftButton);
    }
};

TEST_F(Unsaved, TheMarkerFollowsWhatASaveWouldChange)
{
    expectMarker(false);
    form->PageControl1->setCurrentWidget(form->mapPage); // a tab switched is no change
    QApplication::processEvents();
    expectMarker(false);

    setFragLimit(QStringLiteral("42"));
    expectMarker(true);
    // The name the profile goes by stays without the marker.
    QTest::mouseClick(form->setupPage->SpeedButton10, Qt::LeftButton);
    EXPECT_EQ(form->setupPage->quickLoadCaptions(), (QStringList { "other", "default" }));
    setFragLimit(QStringLiteral("150"));
    expectMarker(false);

    // The rotation lives in its own file.
    form->mapPage->setRotationEntries({ "q2dm3" });
    QApplication::processEvents();
    expectMarker(true);
    QTest::mouseClick(form->setupPage->SpeedButton8, Qt::LeftButton);
    QApplication::processEvents();
    expectMarker(false);

    QTest::mouseClick(form->setupPage->SpeedButton10, Qt::LeftButton);
    form->profiles().load(file("new.tsf")); // a file that does not exist yet
    QApplication::processEvents();
    expectMarker(false);
    setFragLimit(QStringLiteral("3"));
    expectMarker(true);
}

TEST_F(Unsaved, AProfileTheUserDidNotTouchAsksNothing)
{
    const struct {
        const char* name;
        QByteArray contents; // a hand-made profile, one that stops at a bad value, none
    } cases[] = { { "hand.tsf", "[ServerOptions]\r\nDMFlags=16\r\n" },
        { "bad.tsf", "[ServerOptions]\r\nDMFlags=abc\r\n" }, { "missing.tsf", {} } };
    for (const auto& c : cases) {
        if (!c.contents.isNull())
            write(QLatin1String(c.name), c.contents);
        const bool whole = guarded(ui, form.get(), [&] { form->profiles().load(file(c.name)); });
        QApplication::processEvents();
        EXPECT_EQ(whole, QByteArray(c.name) != "bad.tsf") << c.name;
        expectMarker(false);
        EXPECT_FALSE(form->profiles().hasUnsavedChanges()) << c.name;
    }
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_FALSE(QFile::exists(file("missing.tsf")));
}

TEST_F(Unsaved, ClosingOverAReadOnlyProfileAsksOnce)
{
    QFile(file("default.tsf")).setPermissions(QFile::ReadOwner | QFile::ReadGroup);
    setFragLimit(QStringLiteral("42"));
    ui.choiceAnswers.enqueue(1); // Cancel
    form->close();
    EXPECT_TRUE(form->isVisible());
    ui.choiceAnswers.enqueue(0); // Discard
    form->close();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(ui.questions[0].text,
        "The changes to default.tsf cannot be saved: the file is read-only. Discard them? (Save As keeps "
        "them in another file.)");
    EXPECT_EQ(ui.questions[1].buttons, (QStringList { "Discard", "Cancel" }));
    EXPECT_FALSE(readAll(file("default.tsf")).contains("FragLimit=42"));
}

TEST_F(Unsaved, ALaunchThatClosesTheLauncherAsksBeforeTheGameStarts)
{
    form->prefsPage->CheckBox24->setChecked(false); // leave open when running: off
    form->setupPage->exefile->setText(QStringLiteral("yq2"));
    setFragLimit(QStringLiteral("42"));
    ui.choiceAnswers.enqueue(2); // Cancel: no start, the window stays
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    EXPECT_TRUE(ui.starts.isEmpty());
    EXPECT_TRUE(form->isVisible());
    ui.choiceAnswers.enqueue(0); // Save
    QTest::mouseClick(form->SpeedButton18, Qt::LeftButton);
    EXPECT_EQ(ui.starts.size(), 1);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(ui.questions[1].text, "Save changes to default.tsf?");
    EXPECT_TRUE(readAll(file("default.tsf")).contains("FragLimit=42\r\n"));
}

TEST_F(Unsaved, CancelKeepsTheProfileDiscardReplacesItSaveKeepsTheChange)
{
    const QByteArray saved = readAll(file("default.tsf"));
    setFragLimit(QStringLiteral("42"));
    ui.choiceAnswers.enqueue(2); // Cancel
    open(QStringLiteral("other.tsf"));
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_EQ(ui.questions[0].text, "Save changes to default.tsf?");
    EXPECT_EQ(ui.questions[0].buttons, (QStringList { "Save", "Discard", "Cancel" }));
    EXPECT_EQ(form->profiles().currentPath(), file("default.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 42);

    // A quick-load button asks too; closing the question cancels.
    QTest::mouseClick(form->setupPage->quickLoadButtons().first(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(form->profiles().currentPath(), file("default.tsf"));

    ui.choiceAnswers.enqueue(1); // Discard
    open(QStringLiteral("other.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 7);
    EXPECT_EQ(readAll(file("default.tsf")), saved);

    setFragLimit(QStringLiteral("9"));
    ui.choiceAnswers.enqueue(0); // Save
    open(QStringLiteral("default.tsf"));
    EXPECT_EQ(ui.questions.last().text, "Save changes to other.tsf?");
    EXPECT_TRUE(readAll(file("other.tsf")).contains("FragLimit=9\r\n"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 150);
    open(QStringLiteral("other.tsf")); // unchanged: no question
    EXPECT_EQ(ui.questions.size(), 4);
}

TEST_F(Unsaved, SavingAPartlyLoadedProfileStillAsksAboutItsLaterSettings)
{
    const QByteArray bad = "[ServerOptions]\r\nDMFlags=abc\r\n";
    writeAll(file("bad.tsf"), bad);
    open(QStringLiteral("bad.tsf"));
    ASSERT_EQ(ui.messages, QStringList { "'abc' is not a valid integer value" });
    setFragLimit(QStringLiteral("42"));
    ui.choiceAnswers.enqueue(0); // Save
    ui.choiceAnswers.enqueue(1); // Cancel: keep the file as it is
    open(QStringLiteral("other.tsf"));
    ASSERT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(ui.questions[0].text, "Save changes to bad.tsf?");
    EXPECT_TRUE(ui.questions[1].text.startsWith("bad.tsf was only partly loaded."));
    EXPECT_EQ(readAll(file("bad.tsf")), bad);
    EXPECT_EQ(form->profiles().currentPath(), file("bad.tsf"));
}

TEST_F(Unsaved, ClosingAsksWhileChanged)
{
    setFragLimit(QStringLiteral("42"));
    ui.choiceAnswers.enqueue(2); // Cancel
    form->close();
    EXPECT_TRUE(form->isVisible());
    ui.choiceAnswers.enqueue(0); // Save
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(readAll(file("default.tsf")).contains("FragLimit=42\r\n"));
}

TEST_F(Unsaved, WithoutThePreferenceNothingIsAskedOrWritten)
{
    const QByteArray saved = readAll(file("default.tsf"));
    form->prefsPage->CheckBox51->setChecked(false);
    setFragLimit(QStringLiteral("43"));
    open(QStringLiteral("other.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 7);
    form->prefsPage->CheckBox51->setChecked(false); // the profile loaded it checked
    setFragLimit(QStringLiteral("44"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(readAll(file("default.tsf")), saved);
    EXPECT_FALSE(readAll(file("other.tsf")).contains("FragLimit=44"));
}

} // namespace
