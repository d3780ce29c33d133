// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/botgenerator.h"

#include "app/core/consoletext.h"
#include "app/core/fileutil.h"
#include "app/core/random.h"
#include "app/ui/interaction.h"
#include "bots/core/botlist.h"
#include "bots/core/botprofiles.h"
#include "launch/core/execsettings.h"
#include "launch/core/prelaunchcheck.h"
#include "widgets/fontscale.h"
#include "widgets/spinedit.h"
#include "widgets/statushints.h"
#include "widgets/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The resource lives in the user interface library, which is static: its registration
// must be asked for, or the linker may drop it.
static void initResources()
{
    Q_INIT_RESOURCE(tarrakind);
}

namespace {

constexpr int kLeftWidth = 236;
constexpr int kLinesWidth = 440;

// Return presses the dialog's default button wherever the focus is: the spin edit keeps
// the key from the dialog, as it does on the tabs.
class ReturnCreates : public QObject {
public:
    ReturnCreates(QPushButton* button, QObject* parent)
        : QObject(parent)
        , m_button(button)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_button;
};

QHBoxLayout* row(QWidget* first, QWidget* second)
{
    auto* layout = new QHBoxLayout;
    layout->setSpacing(4);
    layout->addWidget(first);
    layout->addWidget(second, 1);
    return layout;
}

} // namespace

BotGenerator::BotGenerator(QWidget* parent)
    : TitledDialog(QStringLiteral("BotGenerator"), tr("Bot Generator"), parent)
{
    buildLayout();
    new StatusHints(this, hintPanel);

    for (const tk::BotProfile& p : tk::kBotProfiles)
        profileChoice->addItem(QString(p.name));

    const auto redraw = [this] {
        applyEnableRules();
        regenerate();
    };
    connect(botCount, &SpinEdit::textEdited, this, redraw);
    connect(namePrefix, &QLineEdit::textChanged, this, redraw);
    for (QRadioButton* r : { namesFromList, namesNumbered, looksRandom, looksOneModel, looksPlayer,
             profilesRandom, profilesOne })
        connect(r, &QRadioButton::toggled, this, [redraw](bool on) {
            // Of the two buttons a switch toggles, one redraw is enough.
            if (on)
                redraw();
        });
    connect(lookModel, &QComboBox::currentIndexChanged, this, redraw);
    connect(profileChoice, &QComboBox::currentIndexChanged, this, redraw);
    connect(drawButton, &QPushButton::clicked, this, &BotGenerator::drawAgain);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(createButton, &QPushButton::clicked, this, &BotGenerator::createClick);
    applyEnableRules();
}

void BotGenerator::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    auto* body = new QFrame(this);
    outer->addWidget(body);
    auto* client = new QVBoxLayout(body);
    client->setContentsMargins(6, 4, 6, 6);
    client->setSpacing(4);

    Label1 = titleLabel(body, tr("Tarrakind Bot Generator"));
    client->addWidget(Label1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    client->addLayout(columns);

    auto* leftColumn = new QWidget(body);
    leftColumn->setFixedWidth(controls::scaled(kLeftWidth));
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(1);
    columns->addWidget(leftColumn);

    filePanel = controls::labelPanel(leftColumn, tr("&File Name"), {}, "filePanel");
    fileName = controls::edit(
        leftColumn, "fileName", {}, tr("Name of the new bot list file in the launcher directory"));
    filePanel->setBuddy(fileName);
    controls::nameAfter(fileName, filePanel->text());
    left->addWidget(filePanel);
    left->addWidget(fileName);
    left->addSpacing(3);

    countPanel = controls::labelPanel(leftColumn, tr("Number of &Bots"), {}, "countPanel");
    botCount = controls::spinEdit(
        leftColumn, "botCount", tk::kMinGeneratedBots, tk::kMaxGeneratedBots, 1, 8, 2, countHint());
    botCount->setFixedWidth(controls::scaled(52));
    countPanel->setBuddy(botCount);
    controls::nameAfter(botCount, countPanel->text());
    roomLabel = controls::label(leftColumn, {}, "roomLabel");
    left->addWidget(countPanel);
    left->addLayout(row(botCount, roomLabel));
    left->addSpacing(3);

    namesGroup = controls::group(leftColumn, tr("Names"));
    auto* names = new QVBoxLayout(namesGroup);
    controls::compact(names);
    namesFromList = controls::radioButton(namesGroup, "namesFromList", tr("From the name &list"),
        tr("Draw each name from the launcher's list of bot names, none twice"));
    namesNumbered = controls::radioButton(namesGroup, "namesNumbered", tr("Numbered, &prefix:"),
        tr("Number the bots after a prefix: Grunt1, Grunt2, ..."));
    namePrefix = controls::edit(
        namesGroup, "namePrefix", QStringLiteral("Bot"), tr("The prefix the numbered names start with"));
    controls::nameAfter(namePrefix, tr("Name prefix"));
    names->addWidget(namesFromList);
    names->addLayout(row(namesNumbered, namePrefix));
    left->addWidget(namesGroup);

    looksGroup = controls::group(leftColumn, tr("Looks"));
    auto* looks = new QVBoxLayout(looksGroup);
    controls::compact(looks);
    looksRandom = controls::radioButton(looksGroup, "looksRandom", tr("&Random model and skin"),
        tr("Give each bot a random installed model and skin"));
    looksOneModel = controls::radioButton(looksGroup, "looksOneModel", tr("One &model:"),
        tr("Give every bot this model, each with a random skin"));
    lookModel = new QComboBox(looksGroup);
    lookModel->setObjectName(QStringLiteral("lookModel"));
    controls::setHint(lookModel, tr("The model every bot wears"));
    controls::nameAfter(lookModel, tr("Model"));
    looksPlayer = controls::radioButton(looksGroup, "looksPlayer", tr("&Your model and skin"),
        tr("Give every bot your own model and skin, as the Player tab sets them"));
    looks->addWidget(looksRandom);
    looks->addLayout(row(looksOneModel, lookModel));
    looks->addWidget(looksPlayer);
    left->addWidget(looksGroup);

    profilesGroup = controls::group(leftColumn, tr("Profiles"));
    auto* profiles = new QVBoxLayout(profilesGroup);
    controls::compact(profiles);
    profilesRandom = controls::radioButton(
        profilesGroup, "profilesRandom", tr("R&andom profile"), tr("Give each bot a random bot profile"));
    profilesOne = controls::radioButton(
        profilesGroup, "profilesOne", tr("&One profile:"), tr("Give every bot this profile"));
    profileChoice = new QComboBox(profilesGroup);
    profileChoice->setObjectName(QStringLiteral("profileChoice"));
    controls::setHint(profileChoice, tr("The profile every bot gets"));
    controls::nameAfter(profileChoice, tr("Profile"));
    profiles->addWidget(profilesRandom);
    profiles->addLayout(row(profilesOne, profileChoice));
    left->addWidget(profilesGroup);

    // Each group's buttons exclude one another; the groups are independent.
    for (const auto& group : { QList<QRadioButton*> { namesFromList, namesNumbered },
             QList<QRadioButton*> { looksRandom, looksOneModel, looksPlayer },
             QList<QRadioButton*> { profilesRandom, profilesOne } }) {
        auto* buttons = new QButtonGroup(this);
        for (QRadioButton* r : group)
            buttons->addButton(r);
        group.first()->setChecked(true);
    }

    selectAll = controls::checkBox(
        leftColumn, "selectAll", tr("&Select all new bots"), tr("Select every new bot for the next game"));
    selectAll->setChecked(true);
    left->addSpacing(3);
    left->addWidget(selectAll);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->setSpacing(1);
    columns->addLayout(right);
    linesPanel = controls::labelPanel(body, tr("L&ines to Write"), {}, "linesPanel");
    lines = new QListWidget(body);
    lines->setObjectName(QStringLiteral("lines"));
    controls::setHint(lines, tr("The lines the new bot list file will hold"));
    controls::nameAfter(lines, linesPanel->text());
    lines->setFixedWidth(controls::scaled(kLinesWidth));
    lines->setUniformItemSizes(true);
    lines->setSelectionMode(QAbstractItemView::NoSelection);
    linesPanel->setBuddy(lines);
    right->addWidget(linesPanel);
    right->addWidget(lines, 1);
    problemLabel = controls::note(body, {});
    problemLabel->setObjectName(QStringLiteral("problemLabel"));
    problemLabel->setFixedWidth(controls::scaled(kLinesWidth));
    problemLabel->setMinimumHeight(2 * problemLabel->fontMetrics().lineSpacing() + 2);
    QPalette warning = problemLabel->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    problemLabel->setPalette(warning);
    right->addSpacing(3);
    right->addWidget(problemLabel);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(3);
    right->addSpacing(3);
    right->addLayout(tools);
    drawButton
        = controls::button(body, "drawButton", tr("&Draw Again"), tr("Draw other names, looks and profiles"));
    cancelButton = controls::button(
        body, "cancelButton", tr("&Cancel"), tr("Cancel and Close without writing a file"));
    createButton = controls::button(
        body, "createButton", tr("Cr&eate"), tr("Write the bot list file and use it on the Bot Cfg tab"));
    createButton->setDefault(true);
    tools->addWidget(drawButton);
    tools->addStretch(1);
    tools->addWidget(cancelButton);
    tools->addWidget(createButton);
    botCount->installEventFilter(new ReturnCreates(createButton, this));

    auto* statusBar = new QWidget(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    auto* panels = new QHBoxLayout(statusBar);
    panels->setContentsMargins(2, 1, 2, 2);
    hintPanel = new QLabel(statusBar);
    hintPanel->setObjectName(QStringLiteral("hintPanel"));
    hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintPanel->setMargin(1);
    panels->addWidget(hintPanel, 1);
    outer->addWidget(statusBar);
}

const QStringList& BotGenerator::nameList()
{
    static const QStringList names = [] {
        initResources();
        QFile file(QStringLiteral(":/botnames.txt"));
        return file.open(QIODevice::ReadOnly) ? tk::parseBotNameList(file.readAll()) : QStringList();
    }();
    return names;
}

QString BotGenerator::countHint()
{
    return tr("How many bots the new list holds, %1 to %2")
        .arg(tk::kMinGeneratedBots)
        .arg(tk::kMaxGeneratedBots);
}

void BotGenerator::changeEvent(QEvent* event)
{
    TitledDialog::changeEvent(event);
    // The language changes on the main window's Prefs tab, never while this one is open:
    // the next opening tells the server's room anew.
    if (event->type() == QEvent::LanguageChange)
        controls::setHint(botCount, countHint());
}

void BotGenerator::applyEnableRules()
{
    namePrefix->setEnabled(namesNumbered->isChecked());
    lookModel->setEnabled(looksOneModel->isChecked());
    profileChoice->setEnabled(profilesOne->isChecked());
}

void BotGenerator::prepare()
{
    m_created.clear();
    const tk::ExecSettings current = m_settings ? m_settings() : tk::ExecSettings();
    const int room = tk::botRoom(current.maxclients);
    roomLabel->setText(tr("the server has room for %1").arg(room));
    const QString why = current.dedicated
        ? tr("Max. Clients %1, less one for the first player, who enters before the bots join")
              .arg(current.maxclients)
        : tr("Max. Clients %1, less one for you").arg(current.maxclients);
    controls::setHint(
        roomLabel, tr("How many bots join a game with the current server settings: %1").arg(why));
    controls::setHint(botCount,
        tr("How many bots the new list holds, %1 to %2; the server has room for %3 (%4)")
            .arg(tk::kMinGeneratedBots)
            .arg(tk::kMaxGeneratedBots)
            .arg(room)
            .arg(why));

    m_playerModel = current.model;
    m_playerSkin = current.skin;
    looksPlayer->setText(tr("&Your model and skin: %1")
                             .arg(tk::printableName(m_playerModel + QLatin1Char('/') + m_playerSkin)));

    m_wardrobe = tk::loadBotWardrobe(m_paths.quake2Dir);
    const QString model = lookModel->currentText();
    {
        const QSignalBlocker quiet(lookModel);
        lookModel->clear();
        for (const tk::ModelSkins& m : std::as_const(m_wardrobe))
            lookModel->addItem(m.model);
        lookModel->setCurrentIndex(qMax(0, lookModel->findText(model)));
    }

    fileName->setText(tk::freeBotListName(m_paths.launcherDir));
    applyEnableRules();

    tk::Random::shared().seedFromClock();
    m_seed = tk::Random::shared().state();
    regenerate();
    fileName->selectAll();
    fileName->setFocus(Qt::OtherFocusReason);
}

bool BotGenerator::createBotList()
{
    prepare();
    const int result = m_ui ? m_ui->runModal(this) : exec();
    return result == QDialog::Accepted && !m_created.isEmpty();
}

bool BotGenerator::selectsAllBots() const
{
    return selectAll->isChecked();
}

tk::BotGenerationSettings BotGenerator::generationSettings() const
{
    using S = tk::BotGenerationSettings;
    S s;
    // A typed number out of range is read as the field shows it once left.
    s.count = qBound(tk::kMinGeneratedBots, botCount->value(), tk::kMaxGeneratedBots);
    s.names = namesNumbered->isChecked() ? S::Names::Numbered : S::Names::FromList;
    s.prefix = namePrefix->text();
    s.looks = looksOneModel->isChecked() ? S::Looks::OneModel
        : looksPlayer->isChecked()       ? S::Looks::PlayerModel
                                         : S::Looks::RandomModel;
    s.model = lookModel->currentText();
    s.playerModel = m_playerModel;
    s.playerSkin = m_playerSkin;
    s.profile = profilesOne->isChecked() ? profileChoice->currentIndex() : -1;
    return s;
}

void BotGenerator::drawAgain()
{
    m_seed = tk::Random::shared().state();
    regenerate();
}

void BotGenerator::regenerate()
{
    // Every redraw starts from the same seed, so that a changed setting changes only what
    // it governs: one more bot keeps the others as they were.
    tk::Random& random = tk::Random::shared();
    random.seed(m_seed);
    const tk::BotGenerationSettings settings = generationSettings();
    const QString problem = tk::botGenerationProblem(settings, m_wardrobe, nameList());
    m_bots = tk::generateBots(settings, m_wardrobe, nameList(), random);
    problemLabel->setText(problem);
    lines->setUpdatesEnabled(false);
    lines->clear();
    for (const tk::GeneratedBot& bot : std::as_const(m_bots))
        lines->addItem(QString::fromUtf8(bot.line));
    lines->setUpdatesEnabled(true);
}

void BotGenerator::createClick()
{
    // The count as it is written, also when typed out of range and not yet left.
    botCount->setValue(botCount->value());
    const QString name = fileName->text();
    if (const QString problem = tk::newBotListNameProblem(name, m_paths.launcherDir); !problem.isEmpty()) {
        if (m_ui)
            m_ui->showMessage(this, problem);
        fileName->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (const QString problem = tk::botGenerationProblem(generationSettings(), m_wardrobe, nameList());
        !problem.isEmpty()) {
        if (m_ui)
            m_ui->showMessage(this, problem);
        return;
    }
    if (writeList(name))
        accept();
}

bool BotGenerator::writeList(const QString& name)
{
    // A name typed in other letter case finds the file made on Windows, as an open does.
    const QString actual = tk::existingFileName(m_paths.launcherDir, name);
    const QString path = m_paths.inLauncherDir(actual);
    const auto refuse = [this](const QString& message) {
        if (m_ui)
            m_ui->showMessage(this, message + tr(" Choose another name."));
        fileName->setFocus(Qt::OtherFocusReason);
        return false;
    };
    QByteArray current;
    const tk::FileCheck check = tk::readFile(path, &current, tk::BotList::kMaxFileSize);
    switch (check.state) {
    case tk::FileState::Missing:
        break;
    case tk::FileState::Directory:
        return refuse(tr("%1 is a folder.").arg(actual));
    case tk::FileState::NotRegular:
        return refuse(tk::BotList::notRegularFileMessage(actual));
    case tk::FileState::TooLarge:
        return refuse(tk::BotList::tooLargeMessage(actual, check.size));
    case tk::FileState::Failed:
        return refuse(tr("%1 cannot be read: %2.").arg(actual, check.reason));
    case tk::FileState::Readable:
        // Never a file that is no bot list (a program, a UTF-16 text) with bot lines.
        if (current.contains('\0'))
            return refuse(tk::BotList::notBotListMessage(actual));
        if (!m_ui
            || m_ui->askChoice(this,
                   tr("The file %1 already exists. Replace it with the new list of %n bot(s)?", nullptr,
                       int(m_bots.size()))
                       .arg(actual),
                   { tr("&Replace"), tr("Keep the File") })
                != 0) {
            fileName->setFocus(Qt::OtherFocusReason);
            return false;
        }
        break;
    }
    QString reason;
    if (!tk::writeFileAtomically(path, tk::botListContents(m_bots), &reason)) {
        if (m_ui)
            m_ui->showMessage(this, tk::cannotCreateFileMessage(path, reason));
        return false;
    }
    m_created = actual;
    return true;
}
