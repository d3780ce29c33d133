// SPDX-License-Identifier: GPL-2.0-or-later
#include "bots/ui/tform3.h"

#include "app/core/fileutil.h"
#include "app/core/random.h"
#include "app/core/usererror.h"
#include "app/ui/interaction.h"
#include "bots/core/botlist.h"
#include "bots/core/botprofiles.h"
#include "imaging/ui/imageview.h"
#include "player/core/skincatalogue.h"
#include "widgets/drawnicon.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"
#include "widgets/widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* editableCombo(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    // Any text is accepted as typed: no completion, no items added by Enter.
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : TitledDialog(QStringLiteral("Form3"), tr("Edit Bot"), parent)
{
    buildLayout();
    buildHints();

    ComboBox4->addItems(tk::botProfileFiles());
    ComboBox4->setCurrentIndex(-1);

    connect(ComboBox2, &QComboBox::currentTextChanged, this, &TForm3::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentTextChanged, this, &TForm3::ComboBox3Change);
    connect(ComboBox4, &QComboBox::currentTextChanged, this, &TForm3::ComboBox4Change);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm3::reloadPreview);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm3::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &QDialog::reject);
    controls::finishWithReturn(this, BitBtn5);
    new Mnemonics(this);
}

void TForm3::buildLayout()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    // A fixed size, whatever the font makes of the controls.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    outer->addWidget(Panel1);
    auto* client = new QVBoxLayout(Panel1);
    client->setContentsMargins(6, 4, 6, 6);
    client->setSpacing(4);

    Label1 = titleLabel(Panel1, tr("Tarrakind Bot-Ed v0.11"));
    client->addWidget(Label1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    client->addLayout(columns);

    // The preview keeps its size; the left column takes what the status bar's width leaves.
    auto* left = new QVBoxLayout;
    left->setSpacing(1);
    columns->addLayout(left, 1);
    Edit1 = controls::edit(Panel1, "Edit1");
    ComboBox2 = editableCombo(Panel1, "ComboBox2");
    ComboBox3 = editableCombo(Panel1, "ComboBox3");
    ComboBox4 = editableCombo(Panel1, "ComboBox4");
    ComboBox1 = editableCombo(Panel1, "ComboBox1");
    namePanel = controls::labelPanel(Panel1, tr("Bot Name"), {}, "namePanel");
    modelPanel = controls::labelPanel(Panel1, tr("Bot Model"), {}, "modelPanel");
    skinPanel = controls::labelPanel(Panel1, tr("Bot Skin"), {}, "skinPanel");
    filePanel = controls::labelPanel(Panel1, tr("C File"), {}, "filePanel");
    profilePanel = controls::labelPanel(Panel1, tr("Profile"), {}, "profilePanel");
    const QList<QPair<QLabel*, QWidget*>> fields { { namePanel, Edit1 }, { modelPanel, ComboBox2 },
        { skinPanel, ComboBox3 }, { filePanel, ComboBox4 }, { profilePanel, ComboBox1 } };
    for (const auto& [panel, field] : fields) {
        panel->setBuddy(field);
        left->addWidget(panel);
        left->addWidget(field);
        left->addSpacing(3);
    }
    left->addStretch(1);
    BitBtn2 = controls::button(Panel1, "BitBtn2", tr("&Random Mdl/Skin"));
    left->addWidget(BitBtn2);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    columns->addLayout(right);
    Panel10 = new QFrame(Panel1);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    Panel10->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel10->setLineWidth(2);
    auto* frame = new QVBoxLayout(Panel10);
    frame->setContentsMargins(2, 2, 2, 2);
    preview = new ImageView(Panel10);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFixedSize(controls::scaled(QSize(320, 200)));
    controls::nameAfter(preview, tr("Preview of Bot's Skin"));
    preview->setAccessibleDescription(tr("Preview window for Bot's Skin"));
    frame->addWidget(preview);
    Panel10->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    right->addWidget(Panel10);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(3);
    right->addLayout(tools);
    BitBtn3 = controls::button(Panel1, "BitBtn3", {});
    BitBtn3->setIcon(icons::refresh(QColor(0, 110, 0)));
    BitBtn3->setToolTip(tr("Reload Picture"));
    // The button shows a picture only; screen readers say what it does.
    controls::nameAfter(BitBtn3, BitBtn3->toolTip());
    BitBtn4 = controls::button(Panel1, "BitBtn4", tr("&Edit Picture"));
    // Picture editing is not offered; the button only keeps the tool bar's shape.
    BitBtn4->setEnabled(false);
    BitBtn6 = controls::button(Panel1, "BitBtn6", tr("&Cancel"));
    BitBtn5 = controls::button(Panel1, "BitBtn5", tr("&Save Bot and Close"));
    for (QPushButton* b : { BitBtn3, BitBtn4, BitBtn6, BitBtn5 })
        tools->addWidget(b);
    BitBtn3->setFixedWidth(BitBtn3->sizeHint().height() + 4);
    tools->insertStretch(1, 1);

    StatusBar1 = new QWidget(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    auto* panels = new QHBoxLayout(StatusBar1);
    panels->setContentsMargins(2, 1, 2, 2);
    panels->setSpacing(2);
    hintPanel = new QLabel(StatusBar1);
    hintPanel->setObjectName(QStringLiteral("hintPanel"));
    versionPanel = new QLabel(tr("Tarrakind Bot-Ed v0.1"), StatusBar1);
    versionPanel->setObjectName(QStringLiteral("versionPanel"));
    for (QLabel* l : { hintPanel, versionPanel }) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMargin(1);
        l->setIndent(2);
    }
    hintPanel->setFixedWidth(controls::scaled(450));
    versionPanel->setAlignment(Qt::AlignCenter);
    versionPanel->setMinimumWidth(versionPanel->fontMetrics().horizontalAdvance(versionPanel->text()) + 16);
    panels->addWidget(hintPanel);
    panels->addWidget(versionPanel, 1);
    outer->addWidget(StatusBar1);
}

void TForm3::buildHints()
{
    m_hints = {
        { this, Trigger::Move, tr("Tarrakind Bot-Ed - by the Tarrakind team") },
        { Panel1, Trigger::Move, tr("Tarrakind Bot-Ed - by the Tarrakind team") },
        { namePanel, Trigger::Click, tr("Name of Bot") },
        { Edit1, Trigger::Move, tr("Name of Bot") },
        { modelPanel, Trigger::Click, tr("Model of Bot") },
        { modelPanel, Trigger::Move, tr("Select the Model the Bot uses") },
        { skinPanel, Trigger::Release, tr("Select the Skin the Bot uses") },
        { filePanel, Trigger::Move, tr("Select the source C file Bot info. is in") },
        { profilePanel, Trigger::Click, tr("The Bot profile / behaviour") },
        { profilePanel, Trigger::Move, tr("Select the Bot's profile / behaviour") },
        { preview, Trigger::Move, tr("Preview window for Bot's Skin") },
        { Panel10, Trigger::Move, tr("Preview window for Bot's Skin") },
        { BitBtn2, Trigger::Move, tr("Click to generate Bot with random Model and Skin") },
        { BitBtn3, Trigger::Move, tr("Click to refresh / reload Skin preview") },
        { BitBtn6, Trigger::Move, tr("Cancel and Close without saving changes") },
        { BitBtn5, Trigger::Move, tr("Save Bot changes and Close window") },
    };
    // Keyboard users read the hint of the field they are in; screen readers read it too.
    const QList<QPair<QWidget*, QString>> focusHints {
        { Edit1, tr("Name of Bot") },
        { ComboBox2, tr("Select the Model the Bot uses") },
        { ComboBox3, tr("Select the Skin the Bot uses") },
        { ComboBox4, tr("Select the source C file Bot info. is in") },
        { ComboBox1, tr("Select the Bot's profile / behaviour") },
        { BitBtn2, tr("Click to generate Bot with random Model and Skin") },
        { BitBtn3, tr("Click to refresh / reload Skin preview") },
        { BitBtn6, tr("Cancel and Close without saving changes") },
        { BitBtn5, tr("Save Bot changes and Close window") },
    };
    for (const auto& [widget, hint] : focusHints) {
        if (widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(hint);
        m_focusHints.insert(widget, hint);
        widget->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
            m_focusHints.insert(combo->lineEdit(), hint);
            combo->lineEdit()->installEventFilter(this);
        }
    }
    for (const Hint& h : m_hints) {
        // Plain moves reach only widgets that track the mouse; the others must stay
        // silent, so only the parts with a hint track it.
        if (h.trigger == Trigger::Move)
            h.widget->setMouseTracking(true);
        h.widget->installEventFilter(this);
    }
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
        if (const auto hint = m_focusHints.constFind(watched); hint != m_focusHints.cend())
            hintPanel->setText(*hint);
    }
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // An event a child ignored comes up to its parent; only the part directly
        // under the pointer sets its hint, so a panel never overwrites its child's.
        if (static_cast<QWidget*>(watched)->childAt(mouse->position().toPoint()))
            return QDialog::eventFilter(watched, event);
        for (const Hint& h : m_hints) {
            if (h.widget != watched)
                continue;
            bool fires = false;
            switch (h.trigger) {
            case Trigger::Move:
                fires = type == QEvent::MouseMove;
                break;
            case Trigger::Release:
                fires = type == QEvent::MouseButtonRelease;
                break;
            case Trigger::Click:
                // A click ends with the left button released over the part it began on.
                fires = type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton
                    && h.widget->rect().contains(mouse->position().toPoint());
                break;
            }
            if (fires)
                hintPanel->setText(h.text);
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TForm3::statusHint() const
{
    return hintPanel->text();
}

void TForm3::setValues(const QString& name, const QString& model, const QString& skin,
    const QString& profileFile, const QString& profileName)
{
    m_settingValues = true;
    Edit1->setText(name);
    ComboBox2->setEditText(model);
    ComboBox3->setEditText(skin);
    ComboBox4->setEditText(profileFile);
    ComboBox1->setEditText(profileName);
    m_settingValues = false;
}

QString TForm3::botName() const
{
    return Edit1->text();
}

QString TForm3::botModel() const
{
    return ComboBox2->currentText();
}

QString TForm3::botSkin() const
{
    return ComboBox3->currentText();
}

QString TForm3::profileFile() const
{
    return ComboBox4->currentText();
}

QString TForm3::profileName() const
{
    return ComboBox1->currentText();
}

bool TForm3::editBot(const tk::BotList& bots, qsizetype target)
{
    if (target < 0 || target >= bots.size())
        return false;
    m_target = target;
    tk::Random::shared().seedFromClock();

    // The values come from the stored line, the text the game gets, rather than from
    // fields kept beside it.
    const tk::BotLineFields fields = tk::parseBotLine(bots.line(target));
    const tk::ModelSkin modelSkin = tk::splitModelSkin(fields.modelSkin);
    setValues(fields.name, modelSkin.model, modelSkin.skin, fields.profileFile, fields.profileName);

    // Without a players directory the items stay as the last opening left them.
    QStringList leftOut;
    if (const std::optional<QStringList> models = tk::listModels(m_paths.quake2Dir, &leftOut)) {
        replaceItems(ComboBox2, *models);
        const QString players = tk::playersDirectory(m_paths.quake2Dir);
        QStringList looseSkins;
        for (const QString& file : tk::listFiles(players, QStringLiteral("*.pcx"))) {
            const std::optional<QString> skin = tk::usableSkinName(file);
            if (skin && tk::isConsoleSafe(*skin))
                looseSkins.append(*skin);
            else if (skin)
                leftOut.append(*skin);
        }
        replaceItems(ComboBox3, looseSkins);
        applyModelChange();
    }
    reloadPreview();

    tellLeftOut(leftOut);

    const int result = m_ui ? m_ui->runModal(this) : exec();
    return result == QDialog::Accepted;
}

void TForm3::ComboBox2Change()
{
    if (!m_settingValues)
        applyModelChange();
}

void TForm3::ComboBox3Change()
{
    if (!m_settingValues)
        reloadPreview();
}

void TForm3::applyModelChange()
{
    // Unlike the Player tab, a model without a directory keeps the skins last offered.
    const QString model = botModel();
    if (!tk::directoryExists(tk::playersDirectory(m_paths.quake2Dir) + QLatin1Char('/') + model))
        return;
    QStringList leftOut;
    replaceItems(ComboBox3, tk::listSkins(m_paths.quake2Dir, model, &leftOut));
    tellLeftOut(leftOut);
}

void TForm3::tellLeftOut(const QStringList& names)
{
    const QStringList untold = m_leftOut.untold(names);
    if (!untold.isEmpty() && m_ui)
        m_ui->showMessage(
            this, tk::leftOutMessage(tr("These player models and skins are left out of the lists:"), untold));
}

void TForm3::reloadPreview()
{
    try {
        if (const std::optional<QImage> image = tk::loadSkinImage(m_paths.quake2Dir, botModel(), botSkin()))
            preview->setImage(*image);
    } catch (const tk::UserError& e) {
        // The preview keeps the picture it had.
        if (m_ui)
            m_ui->showMessage(this, e.message());
    }
}

void TForm3::replaceItems(QComboBox* combo, const QStringList& items)
{
    const QString text = combo->currentText();
    const bool quiet = m_settingValues;
    m_settingValues = true;
    combo->clear();
    combo->addItems(items);
    // Filling an empty combo makes its first item current; the text stays the user's.
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    m_settingValues = quiet;
}

void TForm3::setTextQuietly(QComboBox* combo, const QString& text)
{
    const bool quiet = m_settingValues;
    m_settingValues = true;
    combo->setEditText(text);
    m_settingValues = quiet;
}

void TForm3::BitBtn2Click()
{
    // Each step runs its rule even when the drawn item equals the current text.
    tk::Random& random = tk::Random::shared();
    const auto models = std::uint32_t(ComboBox2->count());
    const int r = int(random.below(models));
    setTextQuietly(ComboBox2, models ? ComboBox2->itemText(r) : QString());
    applyModelChange();
    const auto skins = std::uint32_t(ComboBox3->count());
    const int s = int(random.below(skins));
    setTextQuietly(ComboBox3, skins ? ComboBox3->itemText(s) : QString());
    reloadPreview();
}

void TForm3::ComboBox4Change(const QString& text)
{
    if (m_settingValues)
        return;
    if (const std::optional<QString> name = tk::profileNameForFile(text))
        ComboBox1->setEditText(*name);
}

void TForm3::BitBtn5Click()
{
    const QList<QPair<QString, QString>> required {
        { botName(), tr("You must specify a Bot Name") },
        { botModel(), tr("You must specify a Bot Model") },
        { botSkin(), tr("You must specify a Bot Skin") },
        { profileName(), tr("You must specify a Bot Profile") },
    };
    bool complete = true;
    for (const auto& [value, message] : required) {
        if (value.isEmpty()) {
            complete = false;
            if (m_ui)
                m_ui->showMessage(this, message);
        }
    }
    if (complete)
        accept();
}

void TForm3::showEvent(QShowEvent* event)
{
    TitledDialog::showEvent(event);
    // Every opening starts at the bot's name, whichever field the last one ended in.
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}
