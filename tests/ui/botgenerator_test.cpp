// SPDX-License-Identifier: GPL-2.0-or-later
// "Bot &Generator" on the "Bot &Cfg" tab, driven through the main window as a user does.
#include "app/core/consoletext.h"
#include "bots/core/botgeneration.h"
#include "bots/core/botlist.h"
#include "bots/ui/botgenerator.h"
#include "profile/ui/gamepage.h"
#include "ui/botharness.h"
#include "widgets/spinedit.h"

#include <QAccessible>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <gtest/gtest.h>

using bottest::Launcher;

namespace {

const QByteArray kOldList = QByteArray(R"("sv" "addbot" "old" "male/grunt" "bots/hunk_c.c" "hunk")") + "\r\n";

class Generator : public bottest::BotWindowTest {
protected:
    void SetUp() override
    {
        // Skins the check leaves out ("$", non-ASCII, icons) and models it leaves out (";", "\").
        for (const char* skin : { "male/grunt", "male/grunt_i", "male/viper", "male/night ops", "male/ca$h",
                 "female/athena", "female/j\xC3\xB6rd", "cyborg/oni911", "bad;model/x", "odd\\one/x" }) {
            addModel(QString::fromUtf8(skin).section(QLatin1Char('/'), 0, 0));
            writeAll(players + QLatin1Char('/') + QString::fromUtf8(skin) + ".pcx", {});
        }
        write(QStringLiteral("bots.cfg"), kOldList);
        start();
        generator = form->botGenerator;
        // What the start-up said of these files (the empty images, the model left out).
        ui.messages.clear();
        ui.onModal = [this](QDialog* dialog) {
            EXPECT_EQ(dialog, generator);
            dialog->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            script();
            if (dialog->isVisible())
                dialog->reject();
            return dialog->result();
        };
    }

    void open() { launcher->press(launcher->page->SpeedButton29); }
    QStringList launcherFiles() const { return QDir(dir).entryList(QDir::Files); }

    BotGenerator* generator = nullptr;
    std::function<void()> script;
};

class GeneratorCount : public Generator, public ::testing::WithParamInterface<int> { };

TEST_P(GeneratorCount, CreatesTheListTheDialogShowsAndSwitchesToIt)
{
    const int count = GetParam();
    QStringList shown;
    script = [&] {
        // Focus starts on the file name, its text ready to be typed over.
        EXPECT_EQ(QApplication::focusWidget(), generator->fileName);
        QTest::keyClicks(generator->fileName, QStringLiteral("gen.cfg"));
        QTest::keyClick(generator->fileName, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), generator->botCount);
        generator->botCount->selectAll();
        QTest::keyClicks(generator->botCount, QString::number(count));
        for (int i = 0; i < generator->lines->count(); ++i)
            shown << generator->lines->item(i)->text();
        // Return creates, from the count field too.
        QTest::keyClick(generator->botCount, Qt::Key_Return);
        EXPECT_FALSE(generator->isVisible());
    };
    open();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();

    const QList<QByteArray> lines = read(QStringLiteral("gen.cfg")).split('\n').mid(0, count);
    ASSERT_EQ(read(QStringLiteral("gen.cfg")).count("\r\n"), count);
    ASSERT_EQ(shown.size(), count);
    const QSet<QString> installed { "male/grunt", "male/viper", "male/night ops", "female/athena",
        "cyborg/oni911" };
    QSet<QString> names;
    for (int i = 0; i < count; ++i) {
        const QByteArray line = lines[i].chopped(1);
        EXPECT_EQ(QString::fromUtf8(line), shown[i]);
        const tk::BotLineFields f = tk::parseBotLine(line);
        const tk::ModelSkin look = tk::splitModelSkin(f.modelSkin);
        EXPECT_EQ(line, tk::composeBotLine(f.name, look.model, look.skin, f.profileFile, f.profileName));
        EXPECT_TRUE(installed.contains(f.modelSkin)) << line.toStdString();
        EXPECT_TRUE(tk::isConsoleSafe(f.name) && !f.name.contains('$') && !f.name.contains('\\'));
        names.insert(f.name);
    }
    EXPECT_EQ(names.size(), count);
    // The tab now shows the new file with every bot selected.
    EXPECT_EQ(launcher->page->botfilename->currentText(), QStringLiteral("gen.cfg"));
    EXPECT_TRUE(itemsOf(launcher->page->botfilename).contains(QStringLiteral("gen.cfg")));
    EXPECT_EQ(launcher->rowCount(), count);
    EXPECT_EQ(launcher->tickedRows().size(), count);
    EXPECT_EQ(read(QStringLiteral("bots.cfg")), kOldList);
}

INSTANTIATE_TEST_SUITE_P(Counts, GeneratorCount, ::testing::Values(1, 16, 64));

TEST_F(Generator, AnExistingFileIsReplacedOnlyAfterTheQuestion)
{
    ui.choiceAnswers << 1 << 0; // keep the file, then replace it
    script = [&] {
        generator->namesNumbered->click();
        generator->namePrefix->selectAll();
        QTest::keyClicks(generator->namePrefix, QStringLiteral("Grunt"));
        generator->fileName->setText(QStringLiteral("BOTS.CFG"));
        generator->selectAll->setChecked(false);
        generator->createButton->click();
        EXPECT_EQ(ui.questions.size(), 1);
        EXPECT_TRUE(generator->isVisible());
        EXPECT_EQ(read(QStringLiteral("bots.cfg")), kOldList);
        generator->createButton->click();
    };
    open();
    ASSERT_EQ(ui.questions.size(), 2);
    EXPECT_TRUE(ui.questions[0].text.contains(QStringLiteral("bots.cfg")));
    EXPECT_EQ(generator->bots().first().name, QStringLiteral("Grunt1"));
    EXPECT_EQ(read(QStringLiteral("bots.cfg")), tk::botListContents(generator->bots()));
    EXPECT_EQ(launcher->rows().size(), 8);
    EXPECT_TRUE(launcher->tickedRows().isEmpty());
}

TEST_F(Generator, NothingIsWrittenOnCancelOrARefusedNameAndEveryControlIsNamedAndHinted)
{
    const QStringList before = launcherFiles();
    form->gamePage->maxclients->setValue(6);
    script = [&] {
        int checked = 0;
        for (QWidget* w : generator->findChildren<QWidget*>()) {
            if (!w->focusPolicy() || w->focusProxy() || !w->isVisibleTo(generator))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
            EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << w->objectName().toStdString();
            ++checked;
        }
        EXPECT_EQ(checked, 17);
        EXPECT_TRUE(generator->roomLabel->text().endsWith(QStringLiteral(" 5")));
        // Return tries to create from every kind of control.
        const QList<std::pair<const char*, QWidget*>> tries { { "tark.cfg", generator->fileName },
            { "list.txt", generator->looksRandom }, { "../up.cfg", generator->selectAll } };
        for (const auto& [name, control] : tries) {
            generator->fileName->setText(QLatin1String(name));
            QTest::keyClick(control, Qt::Key_Return);
        }
        EXPECT_TRUE(generator->isVisible());
        QTest::keyClick(generator->lines, Qt::Key_Escape);
        EXPECT_FALSE(generator->isVisible());
    };
    open();
    open();
    EXPECT_EQ(ui.messages.size(), 6);
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(launcherFiles(), before);
    EXPECT_EQ(launcher->page->botfilename->currentText(), QStringLiteral("bots.cfg"));
    // Every name shipped is one the generator takes.
    QFile shipped(QStringLiteral(":/botnames.txt"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = shipped.readAll();
    EXPECT_EQ(BotGenerator::nameList().size(), text.count('\n') - text.count('#'));
    EXPECT_GE(BotGenerator::nameList().size(), 300);
}

} // namespace
