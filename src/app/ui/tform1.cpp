// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/tform1.h"

#include "app/core/fileutil.h"
#include "app/core/language.h"
#include "app/core/random.h"
#include "app/core/textcodec.h"
#include "app/core/usererror.h"
#include "app/core/version.h"
#include "app/ui/guard.h"
#include "app/ui/interaction.h"
#include "app/ui/prefspage.h"
#include "app/ui/tform2.h"
#include "bots/ui/botcfgpage.h"
#include "bots/ui/botgenerator.h"
#include "bots/ui/tform3.h"
#include "launch/core/execfile.h"
#include "launch/core/gamestart.h"
#include "launch/core/launchsequence.h"
#include "launch/ui/dmflagspage.h"
#include "launch/ui/execpreview.h"
#include "maps/ui/mappage.h"
#include "player/ui/bindspage.h"
#include "player/ui/playerpage.h"
#include "player/ui/tform4.h"
#include "profile/core/profile.h"
#include "profile/ui/gamepage.h"
#include "profile/ui/miscpage.h"
#include "profile/ui/profilebinding.h"
#include "profile/ui/profilecommands.h"
#include "profile/ui/profilestore.h"
#include "profile/ui/setuppage.h"
#include "widgets/accessibility.h"
#include "widgets/fontscale.h"
#include "widgets/lightup.h"
#include "widgets/logo.h"
#include "widgets/mnemonics.h"
#include "widgets/placement.h"
#include "widgets/retranslate.h"
#include "widgets/settingswatch.h"
#include "widgets/statushints.h"
#include "widgets/titledrag.h"
#include "widgets/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

namespace {

// The tab bar's look. Nine tabs and the logo share one row of 594 pixels: tighter
// tab padding than the desktop style's makes them fit with ordinary interface fonts.
// A tab under the mouse is drawn lighter; the desktop style draws no hover on tabs.
class TabBarStyle : public accessibility::ReadableStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return controls::scaled(16);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void polish(QWidget* widget) override
    {
        QProxyStyle::polish(widget);
        if (qobject_cast<QTabBar*>(widget))
            widget->setAttribute(Qt::WA_Hover);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element == CE_TabBarTabShape && tab && (tab->state & State_MouseOver)
            && !(tab->state & State_Selected) && (tab->state & State_Enabled)) {
            // A lighter face with a line of the highlight colour along its top edge.
            QStyleOptionTab lit(*tab);
            lit.palette.setColor(QPalette::Button, lit.palette.color(QPalette::Button).lighter(120));
            QProxyStyle::drawControl(element, &lit, painter, widget);
            // Tabs behind the current one are drawn 2 pixels lower, inside a 1-pixel border.
            if (tab->shape == QTabBar::RoundedNorth || tab->shape == QTabBar::TriangularNorth)
                painter->fillRect(QRect(tab->rect.left() + 2, tab->rect.top() + 3, tab->rect.width() - 4, 2),
                    tab->palette.color(QPalette::Highlight));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A button of the title panel as wide as its caption in the current language needs, and at
// least as wide as least.
void fitTitleButton(QPushButton* button, int least)
{
    button->setFixedSize(
        qMax(controls::scaled(least), button->fontMetrics().horizontalAdvance(button->text()) + 12),
        controls::scaled(16));
}

// The application's look is set before the window exists, so that every widget of it
// starts with the readable colours.
QWidget* withReadableLook(QWidget* parent)
{
    accessibility::installReadableLook();
    return parent;
}

} // namespace

TForm1::TForm1(const tk::InstallPaths& paths, Interaction& interaction, QWidget* parent)
    : QWidget(withReadableLook(parent), Qt::Window | Qt::FramelessWindowHint)
    , m_paths(paths)
    , m_ui(interaction)
    , m_textsLanguage(tk::languageInUse())
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tk::applicationTitle());
    // The window has a fixed size and its tabs fixed places: at the platform's font size
    // captions are cut ("Rocket Launcher", "Grenade Launcher"), so it keeps the small font,
    // and grows with it where the desktop draws text larger (controls::scaled).
    // Windows of their own that may be resized (message boxes, prompts, the file dialog,
    // the preview) keep the platform's.
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    buildShell();

    // Every setting lives in a control of the tabs; the rotation file's name and writes
    // are the only changes no control shows.
    m_watch = new SettingsWatch(this);
    m_watch->watch(PageControl1);
    connect(mapPage, &MapPage::rotationFileChanged, m_watch, &SettingsWatch::touch);
    connect(m_watch, &SettingsWatch::changed, this, &TForm1::settingsChanged);

    m_profiles = std::make_unique<ProfileStore>(
        m_paths, m_ui, this, ProfilePages { PageControl1, pages(), setupPage, mapPage }, m_told);
    connect(m_profiles.get(), &ProfileStore::filesChanged, m_watch, &SettingsWatch::touch);
    m_commands = new ProfileCommands(*m_profiles, *setupPage, m_paths, m_ui, this, [this] { launch(); });

    // The dialogs exist for the whole run and are shown when needed.

    Form2 = new TForm2(this);
    Form3 = new TForm3(this);
    Form4 = new TForm4(this);
    Form2->setInteraction(&m_ui);
    Form3->setInteraction(&m_ui);
    Form4->setInteraction(&m_ui);
    bindsPage->setBindDialog(Form4);
    Form3->setInstallPaths(m_paths);
    botCfgPage->setEditor(Form3);
    botGenerator = new BotGenerator(this);
    botGenerator->setInteraction(&m_ui);
    botGenerator->setInstallPaths(m_paths);
    botGenerator->setSettingsSource([this] { return gatherExecSettings(); });
    botCfgPage->setGenerator(botGenerator);
}

TForm1::~TForm1() = default;

void TForm1::buildShell()
{
    setFixedSize(controls::scaled(QSize(594, 441)));
    QVBoxLayout* column = controls::framedBody(this, 2, 2);
    QWidget* body = column->parentWidget();

    Panel7 = new QFrame(body);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    controls::useCaptionColours(Panel7);
    Panel7->setFixedHeight(controls::scaled(20));
    auto* title = new QHBoxLayout(Panel7);
    title->setContentsMargins(4, 1, 2, 1);
    title->setSpacing(2);
    titleLabel = new QLabel(Panel7);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    title->addWidget(titleLabel, 1);
    Button3 = new QPushButton(tr("Preview"), Panel7);
    Button3->setObjectName(QStringLiteral("Button3"));
    controls::setHint(Button3, tr("Show the exec file that LAUNCH! will write"));
    fitTitleButton(Button3, 0);
    Button2 = new QPushButton(tr("?"), Panel7);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFixedSize(controls::scaled(QSize(18, 16)));
    Button1 = new QPushButton(tr("Close"), Panel7);
    Button1->setObjectName(QStringLiteral("Button1"));
    fitTitleButton(Button1, 44);
    for (QPushButton* b : { Button3, Button2, Button1 }) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        title->addWidget(b);
    }
    controls::setHint(Button2, tr("About Tarrakind!"));
    controls::nameAfter(Button2, Button2->statusTip());
    controls::addShortcuts(Button2, { QKeySequence(Qt::Key_F1) });
    controls::addShortcuts(Button3, { QKeySequence(Qt::CTRL | Qt::Key_P) });
    controls::setHint(Button1, tr("Close Tarrakind!"));
    controls::addShortcuts(Button1, { QKeySequence(Qt::CTRL | Qt::Key_Q) });
    column->addWidget(Panel7);

    PageControl1 = new QTabWidget(body);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);
    auto* tabStyle = new TabBarStyle;
    tabStyle->setParent(PageControl1);
    PageControl1->tabBar()->setStyle(tabStyle);
    Image2 = new Logo(Logo::Shape::Badge, PageControl1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(controls::scaled(QSize(96, 20)));
    PageControl1->setCornerWidget(Image2, Qt::TopRightCorner);

    setupPage = new SetupPage(PageControl1);
    botCfgPage = new BotCfgPage(PageControl1);
    dmFlagsPage = new DmFlagsPage(PageControl1);
    gamePage = new GamePage(PageControl1);
    mapPage = new MapPage(PageControl1);
    miscPage = new MiscPage(PageControl1);
    playerPage = new PlayerPage(PageControl1);
    bindsPage = new BindsPage(PageControl1);
    prefsPage = new PrefsPage(PageControl1);
    PageControl1->addTab(setupPage, tr("&Setup"));
    PageControl1->addTab(botCfgPage, tr("Bot &Cfg"));
    PageControl1->addTab(dmFlagsPage, tr("&DM Flags"));
    PageControl1->addTab(gamePage, tr("&Game"));
    PageControl1->addTab(mapPage, tr("&Map"));
    PageControl1->addTab(miscPage, tr("M&isc."));
    PageControl1->addTab(playerPage, tr("&Player"));
    PageControl1->addTab(bindsPage, tr("&Binds"));
    PageControl1->addTab(prefsPage, tr("Pre&fs"));
    for (TabPage* page : pages())
        page->attach(m_paths, m_ui, &m_told);
    mapPage->setExecutableSource([this] { return setupPage->exefile->text(); });
    column->addWidget(PageControl1, 1);

    auto* strip = new QHBoxLayout;
    strip->setSpacing(2);
    Panel5 = new QLabel(body);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    controls::useCaptionColours(Panel5);
    Panel5->setFixedHeight(controls::scaled(24));
    strip->addWidget(Panel5, 1);
    SpeedButton18 = new QPushButton(tr("LAUNCH!"), body);
    SpeedButton18->setObjectName(QStringLiteral("SpeedButton18"));
    controls::setHint(SpeedButton18, tr("Launch Quake2 and Tarrakind Bot with these settings"));
    // LAUNCH! has no mnemonic and never takes the focus: these keys press it from every tab.
    controls::addShortcuts(
        SpeedButton18, { QKeySequence(Qt::ControlModifier | Qt::Key_Return), QKeySequence(Qt::Key_F9) });
    SpeedButton18->setAutoDefault(false);
    SpeedButton18->setFocusPolicy(Qt::NoFocus);
    SpeedButton18->setFixedSize(controls::scaled(QSize(110, 24)));
    QFont launchFont = SpeedButton18->font();
    launchFont.setBold(true);
    SpeedButton18->setFont(launchFont);
    strip->addWidget(SpeedButton18);
    column->addLayout(strip);

    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(Button2, &QPushButton::clicked, this, &TForm1::showAbout);
    const GuardTarget target(this, m_ui);
    connectGuarded(Button3, &QPushButton::clicked, this, &TForm1::showPreview, target);
    // The logos open the About box as "?" does; F1 is the keyboard's way.
    for (Logo* logo : { Image2, setupPage->Image1 }) {
        controls::nameAfter(logo, Button2->accessibleName());
        logo->setAccessibleDescription(Button2->accessibleDescription());
    }
    connect(Image2, &Logo::clicked, this, &TForm1::showAbout);
    connect(setupPage->Image1, &Logo::clicked, this, &TForm1::showAbout);
    // launch() guards itself as well: the command line and a quick load call it directly.
    connectGuarded(
        SpeedButton18, &QPushButton::clicked, this, [this] { launch(); }, target);
    connect(dmFlagsPage, &DmFlagsPage::presetApplied, gamePage, &GamePage::applyPresetLimits);
    connectShellBehaviour();
}

void TForm1::connectShellBehaviour()
{
    m_statusHints = new StatusHints(this, Panel5);
    m_mnemonics = new Mnemonics(this, PageControl1);
    m_titleDrag = new TitleDrag(this, Panel7);
    m_titleDrag->addHandle(titleLabel);

    // The buttons whose captions light up, by tab.
    const SetupPage* setup = setupPage;
    const BotCfgPage* bots = botCfgPage;
    const MapPage* map = mapPage;
    const BindsPage* binds = bindsPage;
    const std::initializer_list<QAbstractButton*> lighting[] = {
        { setup->SpeedButton7, setup->SpeedButton8, setup->SpeedButton9, setup->SpeedButton10,
            setup->SpeedButton11, setup->SpeedButton12 },
        { bots->SpeedButton30, bots->SpeedButton14, bots->SpeedButton15, bots->SpeedButton16,
            bots->SpeedButton29 },
        { dmFlagsPage->SpeedButton13 },
        { map->SpeedButton26, map->SpeedButton31, map->SpeedButton27, map->SpeedButton22, map->SpeedButton23,
            map->SpeedButton24, map->SpeedButton25, map->SpeedButton28 },
        { binds->SpeedButton17, binds->SpeedButton19, binds->SpeedButton20, binds->SpeedButton21 },
        { SpeedButton18 },
    };
    m_lightUp = new LightUp(prefsPage->CheckBox25, prefsPage->colortest, this);
    for (const auto& buttons : lighting) {
        for (QAbstractButton* button : buttons)
            m_lightUp->addButton(button);
    }

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
}

QAbstractButton* TForm1::litButton() const
{
    return m_lightUp->litButton();
}

QTimer* TForm1::lightUpTimer() const
{
    return m_lightUp->timer();
}

void TForm1::PageControl1Change(int index)
{
    if (PageControl1->widget(index) == botCfgPage)
        botCfgPage->ListView1->setFocus();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Start-up work runs once the window is on screen, so that its messages appear
    // over a drawn window.
    const auto startUpWithDefaultProfile = [this] { startUp(); };
    if (!m_startedUp)
        QMetaObject::invokeMethod(this, startUpWithDefaultProfile, Qt::QueuedConnection);
}

bool TForm1::startUp(const QString& profilePath, QString* loadError)
{
    if (m_startedUp)
        return true;
    m_startedUp = true;

    tk::Random::shared().seedFromClock();

    m_title = tk::versionTitle() + tr(" - by the Tarrakind team");
    titleLabel->setText(m_title);
    Form2->setVersionText(tk::versionTitle());

    setupPage->currdirpanel->setText(m_paths.displayedLauncherDir());
    setupPage->currgamepanel->setText(m_paths.gameDirName);
    setupPage->quakepathpanel->setText(m_paths.quake2Dir);

    m_lightUp->setLitButton(SpeedButton18);

    // A profile that stops at a bad value stops only its own load: the lists below
    // are filled all the same.
    const QString profile
        = profilePath.isEmpty() ? m_paths.inLauncherDir(QStringLiteral("default.tsf")) : profilePath;
    const bool loaded = guarded(m_ui, this, [&] {
        try {
            m_profiles->load(profile);
        } catch (const tk::UserError& e) {
            if (loadError)
                *loadError = e.message();
            throw;
        }
    });

    const QStringList cfgFiles = tk::listFiles(m_paths.launcherDir, QStringLiteral("*.cfg"));
    miscPage->fillExtraConfigList(cfgFiles);
    playerPage->fillModelList();
    botCfgPage->setBotListFiles(cfgFiles);
    botCfgPage->refreshCountLabel();
    // What the window shows now is unchanged: a missing profile and one loaded only in
    // part too, until the user changes a setting.
    m_profiles->markUnchanged();
    return loaded;
}

void TForm1::settingsChanged()
{
    if (m_preview && m_preview->isVisible())
        m_preview->refresh();
    if (m_startedUp)
        showChangedMarker(m_profiles->hasUnsavedChanges());
}

void TForm1::showChangedMarker(bool changed)
{
    const QString marker = changed ? QStringLiteral(" *") : QString();
    titleLabel->setText(m_title + marker);
    // The task bar and screen readers read the window's own title.
    setWindowTitle(tk::applicationTitle() + marker);
    setupPage->setChangedMarker(changed);
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Back from the game: the next free demo name and the files may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_watch->touch();
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void TForm1::retranslate()
{
    // Every widget of the window and its dialogs hears of the change: the window answers
    // once for all of them.
    const QString language = tk::languageInUse();
    if (language == m_textsLanguage)
        return;
    const QString shownIn = std::exchange(m_textsLanguage, language);
    retranslateTree(
        this, [&shownIn](const QString& shown) { return tk::translated(tk::sourceOf(shown, shownIn)); });
    fitTitleButton(Button3, 0);
    fitTitleButton(Button1, 44);
    for (Logo* logo : { Image2, setupPage->Image1 })
        logo->setAccessibleDescription(Button2->accessibleDescription());
    if (m_startedUp) {
        m_title = tk::versionTitle() + tr(" - by the Tarrakind team");
        showChangedMarker(m_profiles->hasUnsavedChanges());
    }
    botCfgPage->refreshCountLabel();
    // The tab names are in the new language now: which letters they take decides which
    // buttons answer theirs.
    m_mnemonics->markLetters();
    m_statusHints->refresh();
    if (m_preview && m_preview->isVisible())
        m_preview->refresh();
}

void TForm1::showPreview()
{
    if (!m_preview) {
        m_preview = new ExecPreview(
            m_paths, m_ui, [this] { return gatherExecSettings(); }, this);
        connect(m_preview, &ExecPreview::lineActivated, this, &TForm1::showSettingOf);
        // Beside the main window, so that both can be seen; where it then stays for the run,
        // wherever the user moves it.
        m_preview->winId();
        QMargins frame = m_preview->windowHandle()->frameMargins();
        if (frame.isNull()) // not known before the window system has shown it once
            frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
        m_preview->setGeometry(placeBeside(screen()->availableGeometry(), frameGeometry(),
            ExecPreview::preferredSize(), ExecPreview::minimumUsableSize(), frame));
    }
    m_preview->refresh();
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

TabPage* TForm1::pageOf(tk::SettingsTab tab) const
{
    switch (tab) {
    case tk::SettingsTab::BotCfg:
        return botCfgPage;
    case tk::SettingsTab::DmFlags:
        return dmFlagsPage;
    case tk::SettingsTab::Game:
        return gamePage;
    case tk::SettingsTab::Map:
        return mapPage;
    case tk::SettingsTab::Misc:
        return miscPage;
    case tk::SettingsTab::Player:
        return playerPage;
    case tk::SettingsTab::Binds:
        return bindsPage;
    case tk::SettingsTab::None:
        break;
    }
    return nullptr;
}

void TForm1::showSettingOf(const tk::ExecLineOrigin& origin)
{
    TabPage* page = pageOf(origin.tab);
    if (!page)
        return;
    PageControl1->setCurrentWidget(page);
    raise();
    activateWindow();
    QWidget* control = origin.key.isEmpty() ? nullptr : settingWidget(pages(), origin.section, origin.key);
    if (!control || !page->isAncestorOf(control))
        return;
    // A Rocket Arena or CTF setting lies on a tab of the Game tab.
    controls::revealInTabs(control);
    qsizetype row = origin.item;
    if (control == botCfgPage->ListView1) {
        // The item counts the selected bots only.
        const tk::BotList& bots = botCfgPage->botList();
        qsizetype selected = -1;
        row = -1;
        for (qsizetype i = 0; i < bots.size() && row < 0; ++i) {
            if (bots.isSelected(i) && ++selected == origin.item)
                row = i;
        }
    }
    if (row >= 0) {
        if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            const QModelIndex index = view->model()->index(int(row), 0);
            view->setCurrentIndex(index);
            view->scrollTo(index);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
            memo->setTextCursor(QTextCursor(memo->document()->findBlockByNumber(int(row))));
            memo->ensureCursorVisible();
        }
    }
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void TForm1::showAbout()
{
    m_ui.runModal(Form2);
}

QList<TabPage*> TForm1::pages() const
{
    return { setupPage, botCfgPage, dmFlagsPage, gamePage, mapPage, miscPage, playerPage, bindsPage,
        prefsPage };
}

tk::ExecSettings TForm1::gatherExecSettings() const
{
    return m_profiles->current().execSettings();
}

bool TForm1::launch(LaunchUntil until)
{
    bool completed = false;
    guarded(m_ui, this, [&] { completed = runLaunch(until); });
    return completed;
}

namespace {

// LAUNCH! in the window: questions and messages in boxes over it, the rotation file
// written by the map tab.
class WindowLaunch : public tk::LaunchSeam {
public:
    WindowLaunch(QWidget* window, Interaction& ui, MapPage& map)
        : m_window(window)
        , m_ui(ui)
        , m_map(map)
    { }
    bool goOnDespite(const QString& findings) override
    {
        return m_ui.askChoice(m_window, findings, { TForm1::tr("Launch anyway"), TForm1::tr("Cancel") }) == 0;
    }
    void tell(const QString& message) override { m_ui.showMessage(m_window, message); }
    void writeRotationFile() override { m_map.saveRotationFile(); }
    bool startDetached(const tk::GameStartCommand& command, QString* reason) override
    {
        return m_ui.startDetached(command, reason);
    }

private:
    QWidget* m_window;
    Interaction& m_ui;
    MapPage& m_map;
};

} // namespace

bool TForm1::runLaunch(LaunchUntil until)
{
    const tk::Profile profile = m_profiles->current();
    // A launch that closes the launcher settles the changed settings first, as closing
    // does, so that no question comes up while the game starts.
    const bool closes = until == LaunchUntil::GameStarted && !profile.prefs.leaveOpen;
    if (closes && !mayClose())
        return false;
    WindowLaunch seam(this, m_ui, *mapPage);
    if (!tk::runLaunch(profile.execSettings(), profile.prefs.checkMatch, m_paths,
            until == LaunchUntil::FilesWritten ? tk::LaunchUntil::FilesWritten : tk::LaunchUntil::GameStarted,
            m_told.rotation, seam))
        return false;
    if (closes) {
        m_closed = true;
        close();
    }
    return true;
}

bool TForm1::saveOnClose()
{
    const QString path = m_profiles->currentPath();
    if (!m_profiles->confirmSave(path))
        return false;
    try {
        m_profiles->saveOnClose(path);
        return true;
    } catch (const tk::UserError& e) {
        // The settings could not be kept; the user decides whether to leave them.
        const int choice = m_ui.askChoice(this,
            e.message() + QStringLiteral("\n\n") + tr("The current settings were not saved."),
            { tr("Close without Saving"), tr("Cancel") });
        return choice == 0;
    }
}

bool TForm1::mayClose()
{
    if (prefsPage->preferences().saveOnClose)
        return saveOnClose();
    return !m_startedUp || m_profiles->mayDiscardSettings([this] { return saveOnClose(); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!m_closed && !mayClose()) {
        event->ignore();
        return;
    }
    // Nothing to unload: the archive listing needs no outside library.
    m_closed = true;
    if (m_preview)
        m_preview->close();
    event->accept();
}
