// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/random.h"
#include "support/printers.h"
#include "ui/botharness.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using bottest::Launcher;

namespace {

const QByteArray kGrunt = R"("sv" "addbot" "Grunt" "male/grunt" "bots/hunk_c.c" "hunk")";
const QByteArray kSlashes = R"("sv" "addbot" "Slashes" "a/b/c" "bots/bill_c.c" "bill")";
const QByteArray kPlain = R"("sv" "addbot" "Plain" "grunt" "bots/java_c.c" "java")";
const QByteArray kGhost = R"("sv" "addbot" "Ghost" "male/nosuch" "bots/zero_c.c" "zero")";
const QByteArray kBroken = R"("sv" "addbot" "Broken" "bad/skin" "bots/byte_c.c" "byte")";
enum Row { Grunt, Slashes, Plain, Ghost, Broken };

// Image sizes of the test data files used as skins, which tell the previews apart.
const QSize kGruntSize(37, 11); // true37_ppmtopcx.pcx
const QSize kViperSize(7, 5); // ncol7_ppmtopcx24.pcx
const QSize kAthenaSize(256, 128); // skin256_pil.pcx
const QSize kNoPicture(0, 0);

const QString kUnrecognized = QStringLiteral("unrecognized PCX");

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

class BotEditorBehaviour : public bottest::BotWindowTest {
protected:
    void SetUp() override
    {
        QByteArray bots;
        for (const QByteArray& line : { kGrunt, kSlashes, kPlain, kGhost, kBroken })
            bots += line + "\r\n";
        write(QStringLiteral("bots.cfg"), bots);
    }
    void installModels()
    {
        addSkinFile(QStringLiteral("male/grunt.pcx"), "true37_ppmtopcx.pcx");
        addSkinFile(QStringLiteral("male/viper.pcx"), "ncol7_ppmtopcx24.pcx");
        addSkinFile(QStringLiteral("male/grunt_i.pcx"), "one_im.pcx");
        addSkinFile(QStringLiteral("male/weapon.pcx"), "one_im.pcx");
        addSkinFile(QStringLiteral("female/athena.pcx"), "skin256_pil.pcx");
        addSkinFile(QStringLiteral("bad/skin.pcx"), "bad_enc2.pcx");
        addModel(QStringLiteral("Cyborg"));
        // A skin lying loose in the players directory itself.
        addSkinFile(QStringLiteral("loose.pcx"), "one_ppmtopcx24.pcx");
    }
    Launcher& start()
    {
        Launcher& l = BotWindowTest::start();
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
        return l;
    }
    // Highlights row and presses "&Edit Bot"; script plays the user in the editor.
    void edit(int row, std::function<void(TForm3&)> script = {})
    {
        launcher->editorScript = std::move(script);
        launcher->clickRow(row);
        launcher->press(launcher->page->SpeedButton15);
    }
    const Launcher::Seen& lastSeen() const { return launcher->seen.last(); }

    const QStringList models = strings({ "bad", "Cyborg", "female", "male" });
    const QStringList maleSkins = strings({ "grunt", "viper" });
};

TEST_F(BotEditorBehaviour, OpensOnMaleGruntWithTheInstalledModelsMaleSkinsAndItsPreview)
{
    installModels();
    start();
    edit(Grunt);
    ASSERT_EQ(launcher->seen.size(), 1);
    const Launcher::Seen& s = lastSeen();
    EXPECT_EQ(s.name, QStringLiteral("Grunt"));
    EXPECT_EQ(s.model, QStringLiteral("male"));
    EXPECT_EQ(s.skin, QStringLiteral("grunt"));
    EXPECT_EQ(s.profileFile, QStringLiteral("bots/hunk_c.c"));
    EXPECT_EQ(s.profileName, QStringLiteral("hunk"));
    EXPECT_EQ(s.models, models);
    EXPECT_EQ(s.skins, maleSkins);
    EXPECT_EQ(s.preview, kGruntSize);
    EXPECT_TRUE(launcher->ui.messages.isEmpty());
}

TEST_F(BotEditorBehaviour, SplitsModelAndSkinAtTheFirstSlash)
{
    installModels();
    start();
    edit(Slashes);
    EXPECT_EQ(lastSeen().model, QStringLiteral("a"));
    EXPECT_EQ(lastSeen().skin, QStringLiteral("b/c"));
    // No directory "a": the skins are those lying in the players directory itself.
    EXPECT_EQ(lastSeen().skins, QStringList { QStringLiteral("loose") });
    EXPECT_EQ(lastSeen().models, models);
}

TEST_F(BotEditorBehaviour, ValueWithoutSlashGivesAnEmptyModelThatSavingRefuses)
{
    installModels();
    start();
    edit(Plain, [this](TForm3& e) {
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
        EXPECT_EQ(launcher->ui.messages, QStringList { QStringLiteral("You must specify a Bot Model") });
        EXPECT_TRUE(e.isVisible());
        retype(e.ComboBox2, QStringLiteral("male"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    });
    EXPECT_EQ(lastSeen().model, QString());
    EXPECT_EQ(lastSeen().skin, QStringLiteral("grunt"));
    EXPECT_EQ(launcher->ui.messages.size(), 1);
    EXPECT_EQ(launcher->rows()[Plain], QStringLiteral("Plain | male/grunt | java"));
    EXPECT_TRUE(
        read(QStringLiteral("bots.cfg"))
            .contains("\r\n\"sv\" \"addbot\" \"Plain\" \"male/grunt\" \"bots/java_c.c\" \"java\"\r\n"));
}

TEST_F(BotEditorBehaviour, ChoosingTheSpartaFileSetsSpartacusAndIsSaved)
{
    start();
    edit(Grunt, [](TForm3& e) {
        e.ComboBox4->setCurrentIndex(e.ComboBox4->findText(QStringLiteral("bots/sparta_c.c")));
        EXPECT_EQ(e.profileName(), QStringLiteral("spartacus"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    });
    EXPECT_EQ(launcher->rows()[Grunt], QStringLiteral("Grunt | male/grunt | spartacus"));
    EXPECT_TRUE(
        read(QStringLiteral("bots.cfg"))
            .startsWith("\"sv\" \"addbot\" \"Grunt\" \"male/grunt\" \"bots/sparta_c.c\" \"spartacus\"\r\n"));
}

TEST_F(BotEditorBehaviour, ChangingOnlyTheCFileKeepsTheBytesOfTheOtherValues)
{
    // Saved on Windows: name, skin and profile in Windows-1252.
    write(QStringLiteral("bots.cfg"),
        kGrunt + "\r\n\"sv\" \"addbot\" \"Ren\xE9\" \"male/gr\xFCnt\" \"bots/hunk_c.c\" \"h\xFCnk\"\r\n");
    start();
    edit(1, [](TForm3& e) {
        EXPECT_EQ(e.botName(), QString::fromUtf8("Ren\u00e9"));
        retype(e.ComboBox4, QStringLiteral("bots/mine_c.c"));
        QTest::mouseClick(e.BitBtn5, Qt::LeftButton);
    });
    EXPECT_EQ(read(QStringLiteral("bots.cfg")),
        kGrunt + "\r\n\"sv\" \"addbot\" \"Ren\xE9\" \"male/gr\xFCnt\" \"bots/mine_c.c\" \"h\xFCnk\"\r\n");
    EXPECT_EQ(launcher->rows()[1], QString::fromUtf8("Ren\u00e9 | male/gr\u00fcnt | h\u00fcnk"));
}

TEST_F(BotEditorBehaviour, RandomWithoutModelsEmptiesModelAndSkinOnly)
{
    // No players directory at all.
    start();
    edit(Grunt, [](TForm3& e) {
        EXPECT_EQ(e.ComboBox2->count(), 0);
        QTest::mouseClick(e.BitBtn2, Qt::LeftButton);
        EXPECT_EQ(e.botModel(), QString());
        EXPECT_EQ(e.botSkin(), QString());
        EXPECT_EQ(e.botName(), QStringLiteral("Grunt"));
        EXPECT_EQ(e.profileFile(), QStringLiteral("bots/hunk_c.c"));
        EXPECT_EQ(e.profileName(), QStringLiteral("hunk"));
    });
    EXPECT_EQ(lastSeen().preview, kNoPicture);
}

TEST_F(BotEditorBehaviour, RandomPicksAnInstalledModelAndOneOfItsSkins)
{
    installModels();
    start();
    const QMap<QString, QStringList> skinsOf { { "bad", strings({ "skin" }) }, { "Cyborg", {} },
        { "female", strings({ "athena" }) }, { "male", maleSkins } };
    const QMap<QString, QSize> previewOf { { "grunt", kGruntSize }, { "viper", kViperSize },
        { "athena", kAthenaSize } };
    QSet<QString> modelsSeen;
    edit(Ghost, [&](TForm3& e) {
        for (int i = 0; i < 40; ++i) {
            const QSize before = e.preview->image().size();
            launcher->ui.messages.clear();
            QTest::mouseClick(e.BitBtn2, Qt::LeftButton);
            const QString model = e.botModel();
            ASSERT_TRUE(skinsOf.contains(model)) << model.toStdString();
            modelsSeen.insert(model);
            const QStringList skins = itemsOf(e.ComboBox3);
            EXPECT_EQ(skins, skinsOf[model]);
            if (skins.isEmpty())
                EXPECT_EQ(e.botSkin(), QString());
            else
                EXPECT_TRUE(skins.contains(e.botSkin())) << e.botSkin().toStdString();
            // The preview follows the drawn skin; the broken image keeps the old one.
            if (previewOf.contains(e.botSkin()))
                EXPECT_EQ(e.preview->image().size(), previewOf[e.botSkin()]);
            else
                EXPECT_EQ(e.preview->image().size(), before);
            EXPECT_EQ(launcher->ui.messages,
                model == QLatin1String("bad") ? QStringList { kUnrecognized } : QStringList());
            EXPECT_EQ(e.botName(), QStringLiteral("Ghost"));
            EXPECT_EQ(e.profileName(), QStringLiteral("zero"));
        }
    });
    EXPECT_EQ(modelsSeen.size(), 4);
}

TEST_F(BotEditorBehaviour, OpeningReseedsTheRandomDrawFromTheClock)
{
    // No clock seed (milliseconds of the day) is this large.
    tk::Random::shared().seed(0xFFFFFFFFu);
    start();
    tk::Random::shared().seed(0xFFFFFFFFu);
    std::uint32_t seenState = 0xFFFFFFFFu;
    edit(Grunt, [&](TForm3&) { seenState = tk::Random::shared().state(); });
    EXPECT_LT(seenState, 24u * 60 * 60 * 1000);
}

TEST_F(BotEditorBehaviour, MissingSkinImageKeepsThePictureOfTheBotEditedBefore)
{
    installModels();
    start();
    edit(Grunt);
    ASSERT_EQ(lastSeen().preview, kGruntSize);
    edit(Ghost);
    EXPECT_EQ(lastSeen().skin, QStringLiteral("nosuch"));
    EXPECT_EQ(lastSeen().skins, maleSkins);
    EXPECT_EQ(lastSeen().preview, kGruntSize);
    EXPECT_TRUE(launcher->ui.messages.isEmpty());
}

TEST_F(BotEditorBehaviour, CorruptSkinImageSaysUnrecognizedPcxAndKeepsThePicture)
{
    installModels();
    start();
    edit(Broken);
    EXPECT_EQ(launcher->ui.messages, QStringList { kUnrecognized });
    EXPECT_EQ(launcher->seen.size(), 1); // the dialog opens all the same
    EXPECT_EQ(lastSeen().preview, kNoPicture);
    EXPECT_EQ(lastSeen().skins, QStringList { QStringLiteral("skin") });

    edit(Grunt);
    edit(Broken);
    EXPECT_EQ(launcher->ui.messages, (QStringList { kUnrecognized, kUnrecognized }));
    EXPECT_EQ(lastSeen().preview, kGruntSize);
}

TEST_F(BotEditorBehaviour, ModelChangeReplacesTheSkinsOnlyForAnExistingModelDirectory)
{
    installModels();
    start();
    edit(Grunt, [this](TForm3& e) {
        e.ComboBox2->setFocus();
        e.ComboBox2->lineEdit()->selectAll();
        QTest::keyClicks(e.ComboBox2->lineEdit(), QStringLiteral("fem"));
        // No directory "fem": the skins stay those of male.
        EXPECT_EQ(itemsOf(e.ComboBox3), maleSkins);
        QTest::keyClicks(e.ComboBox2->lineEdit(), QStringLiteral("ale"));
        EXPECT_EQ(itemsOf(e.ComboBox3), QStringList { QStringLiteral("athena") });
        // The skin text and the preview stay until a skin is chosen.
        EXPECT_EQ(e.botSkin(), QStringLiteral("grunt"));
        EXPECT_EQ(e.preview->image().size(), kGruntSize);

        e.ComboBox2->setCurrentIndex(e.ComboBox2->findText(QStringLiteral("Cyborg")));
        EXPECT_EQ(e.botModel(), QStringLiteral("Cyborg"));
        EXPECT_TRUE(itemsOf(e.ComboBox3).isEmpty());
        EXPECT_EQ(e.botSkin(), QStringLiteral("grunt"));
        EXPECT_EQ(e.preview->image().size(), kGruntSize);
        EXPECT_TRUE(launcher->ui.messages.isEmpty());
    });
}

TEST_F(BotEditorBehaviour, SkinChangeAndReloadShowTheSkinImage)
{
    installModels();
    start();
    edit(Grunt, [this](TForm3& e) {
        retype(e.ComboBox3, QStringLiteral("viper"));
        EXPECT_EQ(e.preview->image().size(), kViperSize);
        e.ComboBox3->setCurrentIndex(e.ComboBox3->findText(QStringLiteral("grunt")));
        EXPECT_EQ(e.botSkin(), QStringLiteral("grunt"));
        EXPECT_EQ(e.preview->image().size(), kGruntSize);

        // "Reload Picture" reads the file again.
        addSkinFile(QStringLiteral("male/grunt.pcx"), "skin256_pil.pcx");
        QTest::mouseClick(e.BitBtn3, Qt::LeftButton);
        EXPECT_EQ(e.preview->image().size(), kAthenaSize);
        addSkinFile(QStringLiteral("male/grunt.pcx"), "bad_enc2.pcx");
        QTest::mouseClick(e.BitBtn3, Qt::LeftButton);
        EXPECT_EQ(launcher->ui.messages, QStringList { kUnrecognized });
        EXPECT_EQ(e.preview->image().size(), kAthenaSize);
    });
}

TEST_F(BotEditorBehaviour, ItemsPersistWhenThePlayersDirectoryIsGone)
{
    installModels();
    start();
    edit(Grunt);
    ASSERT_TRUE(QDir(players).removeRecursively());
    edit(Slashes);
    EXPECT_EQ(lastSeen().models, models);
    EXPECT_EQ(lastSeen().skins, maleSkins);
    EXPECT_EQ(lastSeen().preview, kGruntSize);
    // The values themselves always come from the bot.
    EXPECT_EQ(lastSeen().name, QStringLiteral("Slashes"));
    EXPECT_EQ(lastSeen().model, QStringLiteral("a"));
}

} // namespace
