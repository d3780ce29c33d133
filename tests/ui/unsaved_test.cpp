// Unsaved settings: the marker on the title panel and Panel23, and the question before
// another profile or the program's end replaces them.
#include "app/ui/prefspage.h"
#include "app/ui/spinedit.h"
#include "app/ui/tform1.h"
#include "maps/ui/mappage.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Unsaved : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString dir = root.filePath(QStringLiteral("quake2/TARRAKIND"));
    ScriptedInteraction ui;
    std::unique_ptr<TForm1> form;
    QString title;
    QByteArray savedDefault;

    void SetUp() override
    {
        QDir().mkpath(dir);
        writeAll(file("bots.cfg"), "");
        writeAll(file("quikload.ini"), "[QuikLoad]\r\nNumber=1\r\nn0=other\r\n");
        form = std::make_unique<TForm1>(tk::InstallPaths::fromLauncherDir(dir, false), ui);
        form->show();
        form->startUp();
        form->profiles().save(file("default.tsf"));
        savedDefault = readAll(file("default.tsf"));
        // Saved elsewhere from the same settings but fraglimit: a complete profile.
        form->gamePage->fraglimit->setValue(7);
        form->profiles().save(file("other.tsf"));
        form->profiles().load(file("default.tsf"));
        QApplication::processEvents();
        title = form->titleLabel->text();
    }

    QString file(const QString& name) const { return dir + '/' + name; }

    void setFragLimit(const QString& text)
    {
        SpinEdit* spin = form->gamePage->fraglimit;
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
        QApplication::processEvents();
    }
    void expectMarker(bool shown)
    {
        EXPECT_EQ(form->titleLabel->text(), shown ? title + " *" : title);
        const QString name = QFileInfo(form->profiles().currentPath()).fileName();
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
    EXPECT_FALSE(title.endsWith(" *"));

    // Neither a tab switched nor a list scrolled is a change.
    form->PageControl1->setCurrentWidget(form->mapPage);
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
    EXPECT_EQ(readAll(file("maps.lst")), "q2dm3\r\n");

    // A profile file that does not exist yet is a change.
    form->profiles().load(file("new.tsf"));
    QApplication::processEvents();
    expectMarker(true);
}

TEST_F(Unsaved, CancelKeepsTheProfileDiscardReplacesItSaveKeepsTheChange)
{
    setFragLimit(QStringLiteral("42"));

    ui.choiceAnswers.enqueue(2); // Cancel
    open(QStringLiteral("other.tsf"));
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_EQ(ui.questions[0].text, "Save changes to default.tsf?");
    EXPECT_EQ(ui.questions[0].buttons, (QStringList { "Save", "Discard", "Cancel" }));
    EXPECT_EQ(form->profiles().currentPath(), file("default.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 42);

    // A quick-load button asks the same; closing the question cancels too.
    QTest::mouseClick(form->setupPage->quickLoadButtons().first(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_EQ(form->profiles().currentPath(), file("default.tsf"));

    ui.choiceAnswers.enqueue(1); // Discard
    open(QStringLiteral("other.tsf"));
    EXPECT_EQ(form->profiles().currentPath(), file("other.tsf"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 7);
    EXPECT_EQ(readAll(file("default.tsf")), savedDefault);

    setFragLimit(QStringLiteral("9"));
    ui.choiceAnswers.enqueue(0); // Save
    open(QStringLiteral("default.tsf"));
    EXPECT_EQ(ui.questions.last().text, "Save changes to other.tsf?");
    EXPECT_TRUE(readAll(file("other.tsf")).contains("FragLimit=9\r\n"));
    EXPECT_EQ(form->gamePage->fraglimit->value(), 150);

    // Unchanged settings go without a question.
    open(QStringLiteral("other.tsf"));
    EXPECT_EQ(ui.questions.size(), 4);
}

TEST_F(Unsaved, SavingAPartlyLoadedProfileStillAsksAboutItsLaterSettings)
{
    const QByteArray bad = "[ServerOptions]\r\nDMFlags=abc\r\n";
    writeAll(file("bad.tsf"), bad);
    open(QStringLiteral("bad.tsf"));
    ASSERT_EQ(ui.messages, QStringList { "'abc' is not a valid integer value" });

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
    ASSERT_EQ(ui.questions.size(), 1);

    ui.choiceAnswers.enqueue(0); // Save
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(readAll(file("default.tsf")).contains("FragLimit=42\r\n"));
}

TEST_F(Unsaved, WithoutThePreferenceNothingIsAsked)
{
    form->prefsPage->CheckBox51->setChecked(false);
    setFragLimit(QStringLiteral("42"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(readAll(file("default.tsf")), savedDefault);

    form->show();
    form->prefsPage->CheckBox51->setChecked(false);
    open(QStringLiteral("other.tsf"));
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(form->gamePage->fraglimit->value(), 7);
}

} // namespace
