// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/core/installpaths.h"
#include "app/core/usererror.h"
#include "app/ui/tform1.h"
#include "imaging/ui/imageview.h"
#include "launch/core/execsettings.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "support/mainwindow.h"
#include "support/printers.h"
#include "support/scriptedinteraction.h"
#include "ui/clickhelpers.h"
#include "ui/pagetesting.h"
#include "widgets/spinedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kUnrecognizedPcx = QStringLiteral("unrecognized PCX");

QString notAFloat(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString pcxData(const char* name)
{
    return QStringLiteral(TARRAKIND_TEST_DATA "/pcx/") + QLatin1String(name);
}

// The decoded picture of a skin, from the PPM that independent decoders made of it.
QImage groundTruth(const char* ppmName)
{
    QImage image(pcxData(ppmName));
    EXPECT_FALSE(image.isNull()) << ppmName;
    return image.convertToFormat(QImage::Format_RGB32);
}

// "" when the preview shows exactly the expected picture, else the first difference.
std::string differenceFrom(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return "size " + std::to_string(shown.width()) + "x" + std::to_string(shown.height());
    const QImage rgb = shown.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (rgb.pixel(x, y) != expected.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

// A Quake2 directory with the launcher's game directory and a players directory:
// male (grunt, its icon and weapon skin, Viper, a broken image, a text file),
// female (athena) and Cyborg (no skins).
// The players of an installation: male (grunt, its icon and weapon skin, Viper, a broken
// image, a text file), female (athena) and Cyborg (no skins).
void makePlayers(const TestInstallation& inst)
{
    for (const char* model : { "male", "female", "Cyborg" })
        inst.addModel(QLatin1String(model));
    inst.addSkinFile(QStringLiteral("male/grunt.pcx"), "skin296_ppmtopcx.pcx");
    inst.addSkinFile(QStringLiteral("male/grunt_i.pcx"), "skin296_ppmtopcx.pcx");
    inst.addSkinFile(QStringLiteral("male/weapon.pcx"), "skin296_ppmtopcx.pcx");
    inst.addSkinFile(QStringLiteral("male/Viper.PCX"), "skin256_pil.pcx");
    inst.addSkinFile(QStringLiteral("male/broken.pcx"), "bad_manuf11.pcx");
    inst.addSkinFile(QStringLiteral("female/athena.pcx"), "skin256_pil.pcx");
    writeAll(inst.players + QStringLiteral("/male/skin.txt"), "");
    inst.write(QStringLiteral("bots.cfg"), "");
}

class PlayerBehaviour : public ::testing::Test {
protected:
    void SetUp() override
    {
        makePlayers(inst);
        page = std::make_unique<PlayerPage>();
        paths = inst.paths();
        page->attach(paths, ui);
        page->resize(584, 355);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        clickIndicator(page->CheckBox28);
        clickIndicator(page->CheckBox32);
    }

    int position() const { return page->TrackBar1->value(); }
    QString sensitivity() const { return page->Edit3->text(); }

    // Replaces the sensitivity text by typing: the user selects it all and types.
    void typeSensitivity(const QString& keys) { retype(page->Edit3, keys); }

    static void type(QComboBox* combo, const QString& keys)
    {
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), keys);
    }

    TestInstallation inst;
    tk::InstallPaths paths;
    ScriptedInteraction ui;
    std::unique_ptr<PlayerPage> page;
};

TEST_F(PlayerBehaviour, TypedSensitivitySetsTheTrackBarAndStaysAsTyped)
{
    struct Case {
        const char* typed;
        int position;
    };
    const Case cases[] = {
        { "3.5", 35 },
        { "0.25", 2 }, // a half goes to the even neighbour
        { "0.75", 8 },
        { "12", 120 },
        { "20", 200 },
        { "25", 200 }, // pulled into the range; the text stays
        { "0", 0 },
        { "7.", 70 },
    };
    for (const Case& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        page->TrackBar1->setValue(100);
        typeSensitivity(typed);
        EXPECT_EQ(position(), c.position) << c.typed;
        EXPECT_EQ(sensitivity(), typed);
        EXPECT_TRUE(page->TrackBar1->isEnabled());
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_EQ(s.sensitivityText, QStringLiteral("7.")) << "the launch writes the text as typed";
}

TEST_F(PlayerBehaviour, MovingTheTrackBarWritesTheTextWithOneDecimal)
{
    // Dragging the handle.
    const std::pair<int, const char*> drags[]
        = { { 120, "12.0" }, { 35, "3.5" }, { 5, "0.5" }, { 0, "0.0" }, { 200, "20.0" }, { 101, "10.1" } };
    for (const auto& [to, text] : drags) {
        page->TrackBar1->setSliderDown(true);
        page->TrackBar1->setSliderPosition(to);
        page->TrackBar1->setSliderDown(false);
        EXPECT_EQ(sensitivity(), QLatin1String(text)) << to;
        EXPECT_EQ(position(), to);
    }

    // The keyboard: page steps of 10, single steps of 1, the ends.
    page->TrackBar1->setFocus();
    QTest::keyClick(page->TrackBar1, Qt::Key_Home);
    EXPECT_EQ(sensitivity(), QStringLiteral("0.0"));
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(page->TrackBar1, Qt::Key_PageUp);
    EXPECT_EQ(position(), 120);
    EXPECT_EQ(sensitivity(), QStringLiteral("12.0"));
    QTest::keyClick(page->TrackBar1, Qt::Key_Right);
    EXPECT_EQ(sensitivity(), QStringLiteral("12.1"));
    QTest::keyClick(page->TrackBar1, Qt::Key_End);
    EXPECT_EQ(sensitivity(), QStringLiteral("20.0"));

    // A position set from the text does not write the text back.
    typeSensitivity(QStringLiteral("25"));
    EXPECT_EQ(position(), 200);
    EXPECT_EQ(sensitivity(), QStringLiteral("25"));
    page->TrackBar1->setValue(40);
    EXPECT_EQ(sensitivity(), QStringLiteral("25"));
}

TEST_F(PlayerBehaviour, ClearingTheTextMakesItZero)
{
    typeSensitivity(QStringLiteral("3.5"));
    ASSERT_EQ(position(), 35);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(page->Edit3, Qt::Key_Backspace);
    EXPECT_EQ(sensitivity(), QStringLiteral("0"));
    EXPECT_EQ(position(), 0);

    typeSensitivity(QStringLiteral("12"));
    typeSensitivity(QString()); // select all, Delete
    EXPECT_EQ(sensitivity(), QStringLiteral("0"));
    EXPECT_EQ(position(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayerBehaviour, TheKeyFilterLetThroughOnlyDigitsOneDotAndBackspace)
{
    typeSensitivity(QStringLiteral("3.5"));
    QTest::keyClicks(page->Edit3, QStringLiteral(".a,- x+e"));
    EXPECT_EQ(sensitivity(), QStringLiteral("3.5")) << "a second '.', letters, signs and blanks are refused";
    QTest::keyClick(page->Edit3, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(sensitivity(), QStringLiteral("3.55"));

    typeSensitivity(QStringLiteral("1a2.b3.4"));
    EXPECT_EQ(sensitivity(), QStringLiteral("12.34"));
    EXPECT_EQ(position(), 123);

    // Navigation and deletion still work.
    QTest::keyClick(page->Edit3, Qt::Key_Home);
    QTest::keyClick(page->Edit3, Qt::Key_Delete);
    QTest::keyClick(page->Edit3, Qt::Key_End);
    QTest::keyClick(page->Edit3, Qt::Key_Left);
    QTest::keyClick(page->Edit3, Qt::Key_Backspace);
    EXPECT_EQ(sensitivity(), QStringLiteral("2.4"));
    EXPECT_EQ(position(), 24);

    // The clipboard shortcuts are control combinations: dropped.
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QTest::keyClick(page->Edit3, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(page->Edit3, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(sensitivity(), QStringLiteral("2.4"));
    page->Edit3->selectAll();
    QTest::keyClick(page->Edit3, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(page->Edit3, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("9"));
    EXPECT_EQ(sensitivity(), QStringLiteral("2.4"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayerBehaviour, ALoneDotIsNoNumber)
{
    typeSensitivity(QStringLiteral("4"));
    ASSERT_EQ(position(), 40);
    typeSensitivity(QStringLiteral("."));
    EXPECT_EQ(ui.messages, QStringList { notAFloat(".") });
    EXPECT_EQ(sensitivity(), QStringLiteral("."));
    EXPECT_EQ(position(), 40);
    QTest::keyClick(page->Edit3, Qt::Key_5);
    EXPECT_EQ(position(), 5);
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(PlayerBehaviour, APastedTextThatIsNoNumberIsReportedAndTheTrackBarStays)
{
    typeSensitivity(QStringLiteral("3.5"));
    page->Edit3->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    page->Edit3->paste(); // the context menu's Paste
    EXPECT_EQ(ui.messages, QStringList { notAFloat("abc") });
    EXPECT_EQ(sensitivity(), QStringLiteral("abc"));
    EXPECT_EQ(position(), 35);

    page->Edit3->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
    page->Edit3->paste();
    EXPECT_EQ(position(), 15);
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(PlayerBehaviour, ApplyingTheSensitivityTextThrowsForNoNumber)
{
    struct Case {
        const char* text;
        int position; // -1: not a number
        const char* after;
    };
    const Case cases[] = {
        { ".", -1, "." },
        { "abc", -1, "abc" },
        { "3,5", -1, "3,5" }, // the decimal point is "."
        { "1.2.3", -1, "1.2.3" },
        { "nan", -1, "nan" },
        { "", 0, "0" },
        { "2.5", 25, nullptr },
        { "0.25", 2, nullptr },
        { "0.75", 8, nullptr },
        { ".5", 5, nullptr },
        { "1000", 200, nullptr },
        { "-1", 0, nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        page->TrackBar1->setValue(77);
        page->Edit3->setText(QLatin1String(c.text));
        if (c.position < 0) {
            try {
                page->applySensitivityText();
                ADD_FAILURE() << "no error";
            } catch (const tk::UserError& e) {
                EXPECT_EQ(e.message(), notAFloat(QLatin1String(c.text)));
            }
            EXPECT_EQ(position(), 77);
        } else {
            EXPECT_NO_THROW(page->applySensitivityText());
            EXPECT_EQ(position(), c.position);
        }
        EXPECT_EQ(sensitivity(), QLatin1String(c.after ? c.after : c.text));
    }
    // Setting the text from code shows nothing by itself: the caller applies it.
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayerBehaviour, ModelsAndSkinsComeFromThePlayersDirectory)
{
    page->ComboBox2->setEditText(QStringLiteral("male"));
    page->ComboBox3->setEditText(QStringLiteral("mine"));
    page->fillModelList();
    EXPECT_EQ(itemsOf(page->ComboBox2), (QStringList { "Cyborg", "female", "male" }));
    EXPECT_EQ(page->ComboBox2->currentText(), QStringLiteral("male"));
    // Icons, the weapon skin and other files are no skins.
    EXPECT_EQ(itemsOf(page->ComboBox3), (QStringList { "broken", "grunt", "Viper" }));
    EXPECT_EQ(page->ComboBox3->currentText(), QStringLiteral("mine"));
    EXPECT_TRUE(page->ImageEnDBView1->image().isNull()) << "filling the lists shows no preview";
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayerBehaviour, NamesThatWouldBreakAConsoleLineAreLeftOutAndToldOnce)
{
    ASSERT_TRUE(QDir().mkpath(inst.players + QStringLiteral("/evil;quit")));
    inst.addSkinFile(QStringLiteral("male/sk\"x.pcx"), "skin256_pil.pcx");
    page->ComboBox2->setEditText(QStringLiteral("male"));
    for (int fill = 0; fill < 2; ++fill)
        page->fillModelList();
    EXPECT_EQ(itemsOf(page->ComboBox2), (QStringList { "Cyborg", "female", "male" }));
    EXPECT_EQ(itemsOf(page->ComboBox3), (QStringList { "broken", "grunt", "Viper" }));
    // Each name once, however often the lists are filled.
    ui.messages.sort();
    ASSERT_EQ(ui.messages.size(), 2) << ui.messages.join('|').toStdString();
    EXPECT_TRUE(ui.messages[0].startsWith("These player models are left out of the model list:"));
    EXPECT_TRUE(ui.messages[0].endsWith("\nevil;quit"));
    EXPECT_TRUE(ui.messages[1].startsWith("These skins are left out of the skin list:"));
    EXPECT_TRUE(ui.messages[1].endsWith("\nmale/sk\"x"));
}

TEST_F(PlayerBehaviour, WithoutAPlayersDirectoryTheListsStayAsTheyAre)
{
    QDir(inst.quake2 + QStringLiteral("/baseq2")).removeRecursively();
    page->ComboBox2->addItem(QStringLiteral("kept"));
    page->ComboBox2->setEditText(QStringLiteral("male"));
    page->ComboBox3->setEditText(QStringLiteral("grunt"));
    page->fillModelList();
    EXPECT_EQ(itemsOf(page->ComboBox2), QStringList { "kept" });
    EXPECT_EQ(page->ComboBox2->currentText(), QStringLiteral("male"));
    EXPECT_EQ(page->ComboBox3->currentText(), QStringLiteral("grunt"));
}

TEST_F(PlayerBehaviour, TypingAModelLetterByLetterListsSkinsOnlyForAWholeName)
{
    page->fillModelList();
    const std::pair<const char*, QStringList> steps[] = {
        { "f", {} },
        { "e", {} },
        { "m", {} },
        { "a", {} },
        { "l", {} },
        { "e", { "athena" } },
        { "s", {} },
    };
    for (const auto& [letter, skins] : steps) {
        type(page->ComboBox2, QLatin1String(letter));
        EXPECT_EQ(itemsOf(page->ComboBox3), skins) << page->ComboBox2->currentText().toStdString();
    }
    EXPECT_EQ(page->ComboBox2->currentText(), QStringLiteral("females")) << "typed text is not completed";
    QTest::keyClick(page->ComboBox2->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(itemsOf(page->ComboBox3), QStringList { "athena" });
    // Letter case counts: the directory is "male".
    page->ComboBox2->lineEdit()->selectAll();
    type(page->ComboBox2, QStringLiteral("MALE"));
    EXPECT_EQ(itemsOf(page->ComboBox3), QStringList());
}

TEST_F(PlayerBehaviour, ChoosingASkinShowsItAndChoosingAModelKeepsSkinAndPreview)
{
    page->fillModelList();
    chooseFromDropDown(page->ComboBox2, QStringLiteral("male"));
    EXPECT_EQ(itemsOf(page->ComboBox3), (QStringList { "broken", "grunt", "Viper" }));
    EXPECT_TRUE(page->ImageEnDBView1->image().isNull());

    chooseFromDropDown(page->ComboBox3, QStringLiteral("grunt"));
    const QImage grunt = groundTruth("skin296_ppmtopcx.ppm");
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "");

    chooseFromDropDown(page->ComboBox2, QStringLiteral("female"));
    EXPECT_EQ(itemsOf(page->ComboBox3), QStringList { "athena" });
    EXPECT_EQ(page->ComboBox3->currentText(), QStringLiteral("grunt")) << "the old skin name stays";
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "")
        << "no preview until a skin is chosen";

    chooseFromDropDown(page->ComboBox3, QStringLiteral("athena"));
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), groundTruth("skin256_pil.ppm")), "");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
}

TEST_F(PlayerBehaviour, TypingASkinShowsItOnceItNamesAFile)
{
    page->fillModelList();
    type(page->ComboBox2, QStringLiteral("male"));
    type(page->ComboBox3, QStringLiteral("gru"));
    EXPECT_TRUE(page->ImageEnDBView1->image().isNull());
    type(page->ComboBox3, QStringLiteral("nt"));
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), groundTruth("skin296_ppmtopcx.ppm")), "");
    // A skin whose file is not there leaves the picture ("viper" names no file: the
    // skin name matches exactly) ...
    page->ComboBox3->lineEdit()->selectAll();
    type(page->ComboBox3, QStringLiteral("viper"));
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), groundTruth("skin296_ppmtopcx.ppm")), "");
    // ... while "Viper", listed from Viper.PCX, is shown from that file.
    page->ComboBox3->lineEdit()->selectAll();
    type(page->ComboBox3, QStringLiteral("Viper"));
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), groundTruth("skin256_pil.ppm")), "");

    // A skin typed for one model and then chosen from the list of another is shown
    // for that other model.
    page->ComboBox3->lineEdit()->selectAll();
    type(page->ComboBox3, QStringLiteral("athena"));
    page->ComboBox2->setFocus();
    QApplication::processEvents();
    chooseFromDropDown(page->ComboBox2, QStringLiteral("female"));
    chooseFromDropDown(page->ComboBox3, QStringLiteral("athena"));
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), groundTruth("skin256_pil.ppm")), "");
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PlayerBehaviour, ARejectedSkinImageIsReportedOnceAndThePictureStays)
{
    page->fillModelList();
    chooseFromDropDown(page->ComboBox2, QStringLiteral("male"));
    chooseFromDropDown(page->ComboBox3, QStringLiteral("grunt"));
    const QImage grunt = groundTruth("skin296_ppmtopcx.ppm");

    chooseFromDropDown(page->ComboBox3, QStringLiteral("broken"));
    EXPECT_EQ(ui.messages, QStringList { kUnrecognizedPcx });
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "");

    // Typed: once, when the text names the file; leaving the box, which makes the
    // typed entry the current one, shows it no second time.
    chooseFromDropDown(page->ComboBox3, QStringLiteral("grunt"));
    ui.messages.clear();
    page->ComboBox3->lineEdit()->selectAll();
    type(page->ComboBox3, QStringLiteral("broken"));
    page->Edit2->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(page->ComboBox3->currentIndex(), page->ComboBox3->findText(QStringLiteral("broken")));
    EXPECT_EQ(ui.messages, QStringList { kUnrecognizedPcx });
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "");

    // The call the profile load makes throws instead.
    ui.messages.clear();
    EXPECT_THROW(page->showSkinPreview(), tk::UserError);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "");
    // And a missing file changes nothing.
    page->ComboBox3->setEditText(QStringLiteral("nobody"));
    EXPECT_NO_THROW(page->showSkinPreview());
    EXPECT_EQ(differenceFrom(page->ImageEnDBView1->image(), grunt), "");
}

TEST_F(PlayerBehaviour, UncheckingTheSetupKeepsTheTextsAndThePreview)
{
    page->fillModelList();
    type(page->ComboBox2, QStringLiteral("male"));
    chooseFromDropDown(page->ComboBox3, QStringLiteral("grunt"));
    page->Edit2->setText(QStringLiteral("Player"));
    chooseFromDropDown(page->ComboBox4, QStringLiteral("Right"));
    chooseFromDropDown(page->ComboBox5, QStringLiteral("Dot"));
    const QImage shown = page->ImageEnDBView1->image();
    ASSERT_FALSE(shown.isNull());

    clickIndicator(page->CheckBox28);
    for (QWidget* w : std::initializer_list<QWidget*> {
             page->Edit2, page->ComboBox2, page->ComboBox3, page->ComboBox4, page->ComboBox5 })
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(page->ImageEnDBView1->isEnabled());
    EXPECT_EQ(page->ImageEnDBView1->image(), shown);
    tk::ExecSettings s;
    s = pagetest::gathered(*page, s);
    EXPECT_FALSE(s.playerSetup);
    EXPECT_EQ(s.playerName, QStringLiteral("Player"));
    EXPECT_EQ(s.model, QStringLiteral("male"));
    EXPECT_EQ(s.skin, QStringLiteral("grunt"));
    EXPECT_EQ(s.hand, QStringLiteral("Right"));
    EXPECT_EQ(s.crosshair, QStringLiteral("Dot"));
}

// Start-up and the profile load, through the main window.
class PlayerStartUp : public MainWindowTest {
protected:
    void SetUp() override { makePlayers(*this); }

    void start() { openWindow(Shown::No); }
    PlayerPage* page() const { return form->playerPage; }
};

const QByteArray kGoodPlayer = "[Player]\r\nEnabled=1\r\nName=Ranger\r\nModel=female\r\nSkin=athena\r\n"
                               "SpecifySens=1\r\nSens=3.5\r\nLagEnabled=1\r\nLagVal=120\r\nLagVar=30\r\n";

TEST_F(PlayerStartUp, TheProfilesModelAndSkinAreShownAndListed)
{
    write(QStringLiteral("default.tsf"), kGoodPlayer);
    start();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('\n').toStdString();
    EXPECT_EQ(itemsOf(page()->ComboBox2), (QStringList { "Cyborg", "female", "male" }));
    EXPECT_EQ(page()->ComboBox2->currentText(), QStringLiteral("female"));
    EXPECT_EQ(itemsOf(page()->ComboBox3), QStringList { "athena" });
    EXPECT_EQ(page()->ComboBox3->currentText(), QStringLiteral("athena"));
    EXPECT_EQ(differenceFrom(page()->ImageEnDBView1->image(), groundTruth("skin256_pil.ppm")), "");
    EXPECT_EQ(page()->TrackBar1->value(), 35);
    EXPECT_EQ(page()->Edit3->text(), QStringLiteral("3.5"));
    EXPECT_TRUE(page()->TrackBar1->isEnabled());
    EXPECT_TRUE(page()->ComboBox2->isEnabled());
    EXPECT_EQ(page()->SpinEdit1->value(), 120);
    EXPECT_TRUE(page()->SpinEdit1->isEnabled());
}

TEST_F(PlayerStartUp, ASensitivityThatIsNoNumberStopsTheLoadThere)
{
    QByteArray profile = kGoodPlayer;
    profile.replace("Sens=3.5", "Sens=fast");
    profile += "[Binds]\r\nEnabled=1\r\n";
    write(QStringLiteral("default.tsf"), profile);
    start();
    // The start-up goes on after the stopped load: the model list is filled.
    EXPECT_EQ(ui.messages, QStringList { notAFloat("fast") });
    EXPECT_EQ(itemsOf(page()->ComboBox2), (QStringList { "Cyborg", "female", "male" }));
    EXPECT_EQ(page()->Edit3->text(), QStringLiteral("fast"));
    EXPECT_EQ(page()->TrackBar1->value(), 0);
    EXPECT_EQ(page()->Edit2->text(), QStringLiteral("Ranger"));
    EXPECT_TRUE(page()->Edit2->isEnabled()) << "the rule of an earlier key ran";
    EXPECT_TRUE(page()->ImageEnDBView1->image().isNull()) << "the preview comes after the sensitivity";
    EXPECT_FALSE(page()->CheckBox30->isChecked()) << "later keys keep their values";
    EXPECT_EQ(page()->SpinEdit1->value(), 0);
    EXPECT_FALSE(form->bindsPage->CheckBox29->isChecked());

    // Loading it by hand throws the same message.
    try {
        form->profiles().load(dir + QStringLiteral("/default.tsf"));
        ADD_FAILURE() << "no error";
    } catch (const tk::UserError& e) {
        EXPECT_EQ(e.message(), notAFloat("fast"));
    }
}

TEST_F(PlayerStartUp, ARejectedSkinImageStopsTheLoadAfterThePreview)
{
    QByteArray profile = kGoodPlayer;
    profile.replace("Model=female\r\nSkin=athena", "Model=male\r\nSkin=broken");
    write(QStringLiteral("default.tsf"), profile);
    start();
    EXPECT_EQ(ui.messages, QStringList { kUnrecognizedPcx });
    EXPECT_EQ(page()->TrackBar1->value(), 35) << "the sensitivity comes before the preview";
    EXPECT_TRUE(page()->ImageEnDBView1->image().isNull());
    EXPECT_FALSE(page()->CheckBox30->isChecked());
    EXPECT_EQ(itemsOf(page()->ComboBox3), (QStringList { "broken", "grunt", "Viper" }));

    // A profile whose skin file is missing loads on and keeps the picture.
    profile.replace("Skin=broken", "Skin=grunt");
    write(QStringLiteral("good.tsf"), profile);
    form->profiles().load(dir + QStringLiteral("/good.tsf"));
    const QImage grunt = groundTruth("skin296_ppmtopcx.ppm");
    EXPECT_EQ(differenceFrom(page()->ImageEnDBView1->image(), grunt), "");
    profile.replace("Skin=grunt", "Skin=gone");
    write(QStringLiteral("gone.tsf"), profile);
    form->profiles().load(dir + QStringLiteral("/gone.tsf"));
    EXPECT_EQ(differenceFrom(page()->ImageEnDBView1->image(), grunt), "");
    EXPECT_TRUE(page()->CheckBox30->isChecked());
    EXPECT_EQ(page()->SpinEdit4->value(), 30);
}

} // namespace
