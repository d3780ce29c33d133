// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/setuppage.h"

#include "app/ui/guard.h"
#include "launch/core/gamestart.h"
#include "profile/core/inifile.h"
#include "profile/core/profileread.h"
#include "profile/core/quickloadlist.h"
#include "profile/ui/profilebinding.h"
#include "widgets/accessibility.h"
#include "widgets/drawnicon.h"
#include "widgets/flowlayout.h"
#include "widgets/fontscale.h"
#include "widgets/logo.h"
#include "widgets/mnemonics.h"
#include "widgets/namelabel.h"
#include "widgets/widgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using controls::compact;
using controls::kMargin;
using controls::kSpacing;
const char* const kCaptionProperty = "quickLoadCaption";
constexpr QSize kQuickLoadButtonSize(100, 86);

// Path and profile names can be longer than their panels; they must never widen
// the page beyond the window.
QLabel* elastic(QLabel* panel)
{
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return panel;
}

// A floppy disk with a written label, on a 48-unit canvas: the profile a button loads.
void drawDisk(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath body;
    body.moveTo(6, 4);
    body.lineTo(38, 4);
    body.lineTo(44, 10);
    body.lineTo(44, 42);
    body.quadTo(44, 44, 42, 44);
    body.lineTo(6, 44);
    body.quadTo(4, 44, 4, 42);
    body.lineTo(4, 6);
    body.quadTo(4, 4, 6, 4);
    QLinearGradient blue(0, 4, 0, 44);
    blue.setColorAt(0, QColor(70, 110, 180));
    blue.setColorAt(1, QColor(30, 55, 110));
    p.setPen(QPen(QColor(15, 30, 70), 1.5));
    p.setBrush(blue);
    p.drawPath(body);

    // Metal shutter with its window.
    QLinearGradient metal(0, 4, 0, 18);
    metal.setColorAt(0, QColor(235, 235, 240));
    metal.setColorAt(1, QColor(165, 170, 180));
    p.setPen(QPen(QColor(90, 95, 105), 1));
    p.setBrush(metal);
    p.drawRect(QRectF(13, 5, 21, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 45, 60));
    p.drawRect(QRectF(27, 7.5, 4.5, 8));

    // Paper label with two lines of writing.
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(252, 252, 245));
    p.drawRoundedRect(QRectF(9, 24, 30, 17), 1.5, 1.5);
    p.setPen(QPen(QColor(200, 40, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 29.5), QPointF(35, 29.5));
    p.setPen(QPen(QColor(60, 80, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 35.5), QPointF(29, 35.5));
}

} // namespace

SetupPage::SetupPage(QWidget* parent)
    : TabPage(parent)
{
    auto* page = new QVBoxLayout(this);
    compact(page);

    // Installation paths.
    auto* dirs = controls::group(this, tr("Tarrakind Directory"));
    auto* dirGrid = new QGridLayout(dirs);
    compact(dirGrid);
    currdirpanel = elastic(controls::displayPanel(dirs, "currdirpanel", {}, tr("Path to current directory")));
    currgamepanel
        = elastic(controls::displayPanel(dirs, "currgamepanel", {}, tr("Tarrakind game directory")));
    quakepathpanel
        = elastic(controls::displayPanel(dirs, "quakepathpanel", {}, tr("Path to Quake2 executable")));
    exefile = controls::edit(
        dirs, "exefile", tk::defaultExecutableName(), tr("Quake2 executable to run. Can be altered"));
    exefile->setFixedWidth(controls::scaled(130));
    QLabel* exeLabel = controls::labelPanel(dirs, tr("Path to Executable"), quakepathpanel->statusTip());
    exeLabel->setBuddy(exefile);
    dirGrid->addWidget(controls::labelPanel(dirs, tr("Current Directory"), currdirpanel->statusTip()), 0, 0);
    dirGrid->addWidget(currdirpanel, 0, 1, 1, 2);
    dirGrid->addWidget(controls::labelPanel(dirs, tr("Game Directory"), currgamepanel->statusTip()), 1, 0);
    dirGrid->addWidget(currgamepanel, 1, 1, 1, 2);
    dirGrid->addWidget(exeLabel, 2, 0);
    dirGrid->addWidget(quakepathpanel, 2, 1);
    dirGrid->addWidget(exefile, 2, 2);
    dirGrid->setColumnStretch(1, 1);
    dirGrid->setColumnMinimumWidth(0, 120);
    page->addWidget(dirs);

    // Profile commands.
    auto* config = controls::group(this, tr("Config. Control"), tr("Config. Control"));
    auto* configRow = new QHBoxLayout(config);
    compact(configRow);
    const QString currentHint = tr("Name of Config. currently loaded");
    auto* currentLabel = controls::labelPanel(config, tr("Currently Loaded Config"), currentHint);
    currentLabel->setMinimumWidth(controls::scaled(120));
    // A long profile name keeps its extension and the changed marker in sight.
    Panel23 = elastic(controls::asDisplayPanel(new NameLabel(config), "Panel23", currentHint));
    SpeedButton7 = controls::button(config, "SpeedButton7", tr("&Open"), tr("Open existing Config."));
    SpeedButton8 = controls::button(config, "SpeedButton8", tr("&Save"), tr("Save currently loaded Config."));
    SpeedButton9 = controls::button(
        config, "SpeedButton9", tr("Save &As"), tr("Save currently loaded Config. as new File"));
    configRow->addWidget(currentLabel);
    configRow->addWidget(Panel23, 1);
    for (QPushButton* b : { SpeedButton7, SpeedButton8, SpeedButton9 }) {
        b->setMinimumWidth(controls::scaled(64));
        configRow->addWidget(b);
    }
    page->addWidget(config);

    // Quick-load bar with its commands beside it.
    auto* quick = controls::group(this, tr("User Defined Config. Quik-Loader"),
        tr("Click buttons to load that Config. New buttons may be added for convenience"));
    auto* quickRow = new QHBoxLayout(quick);
    compact(quickRow);
    // The buttons wrap into rows; rows that do not fit are reached by scrolling, so
    // that every bound profile keeps a button the user can see and click.
    quickLoadArea = new QScrollArea(quick);
    quickLoadArea->setObjectName(QStringLiteral("quickLoadArea"));
    quickLoadArea->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    quickLoadArea->setWidgetResizable(true);
    quickLoadArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    quickLoadArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The buttons never take the focus. The bar is one stop of the Tab key while it
    // has buttons: there the arrow keys choose a button and Space or Return clicks it.
    quickLoadArea->setFocusPolicy(Qt::NoFocus);
    quickLoadArea->installEventFilter(this);
    quickLoadArea->verticalScrollBar()->setSingleStep(kQuickLoadButtonSize.height() / 2);
    ToolBar1 = new QWidget;
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setBackgroundRole(QPalette::Base);
    m_quickLoadLayout = new FlowLayout(ToolBar1);
    m_quickLoadLayout->setContentsMargins(1, 1, 1, 1);
    quickLoadArea->setWidget(ToolBar1);
    quickLoadArea->setMinimumHeight(
        controls::scaled(kQuickLoadButtonSize.height()) + 2 * quickLoadArea->frameWidth() + 2);
    quickRow->addWidget(quickLoadArea, 1);

    auto* quickCommands = new QVBoxLayout;
    quickCommands->setSpacing(kSpacing);
    SpeedButton10 = controls::button(
        quick, "SpeedButton10", tr("Add &Current Config"), tr("Add new button for current Config."));
    SpeedButton11 = controls::button(quick, "SpeedButton11", tr("&Remove a Button"), tr("Remove a button"));
    SpeedButton12
        = controls::button(quick, "SpeedButton12", tr("R&emove all Buttons"), tr("Remove all buttons"));
    CheckBox23 = controls::checkBox(quick, "CheckBox23", tr("Run game on click"),
        tr("Check this box to auto-load and run Quake2 when a button is clicked"));
    for (QPushButton* b : { SpeedButton10, SpeedButton11, SpeedButton12 })
        quickCommands->addWidget(b);
    // "&Save" and "Add &Current Config" have the letters of tabs, and the removals none:
    // keys of their own, the removals' only while the bar has the focus.
    controls::addShortcuts(SpeedButton8, { QKeySequence(Qt::CTRL | Qt::Key_S) });
    controls::addShortcuts(SpeedButton10, { QKeySequence(Qt::CTRL | Qt::Key_B) });
    Mnemonics::markDestructive(SpeedButton11);
    Mnemonics::markDestructive(SpeedButton12);
    const QString onBar = tr("on the buttons");
    controls::addShortcuts(SpeedButton11, { QKeySequence(Qt::Key_Delete) }, quickLoadArea, onBar);
    controls::addShortcuts(SpeedButton12, { QKeySequence(Qt::SHIFT | Qt::Key_Delete) }, quickLoadArea, onBar);
    // Every change of the box, by the user or by a rebuild, is kept in the list file.
    connectGuarded(CheckBox23, &QCheckBox::toggled, this, &SetupPage::saveQuickLoadList, guardTarget());
    quickCommands->addWidget(CheckBox23);
    quickCommands->addStretch(1);
    quickRow->addLayout(quickCommands);
    page->addWidget(quick, 1);

    Image1 = new Logo(Logo::Shape::Strip, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(controls::scaled(34));
    Image1->setMinimumWidth(controls::scaled(200));
    page->addWidget(Image1);
}

void SetupPage::setProfileName(const QString& name, const QString& path)
{
    m_profileName = name;
    Panel23->setToolTip(QDir::toNativeSeparators(path));
    showProfileName();
}

void SetupPage::setChangedMarker(bool changed)
{
    m_changedMarker = changed;
    showProfileName();
}

void SetupPage::showProfileName()
{
    Panel23->setText(m_changedMarker ? m_profileName + QStringLiteral(" *") : m_profileName);
}

QIcon SetupPage::quickLoadIcon()
{
    static const QIcon icon = icons::drawn(QSizeF(48, 48), drawDisk);
    return icon;
}

QToolButton* SetupPage::addQuickLoadButton(const QString& caption)
{
    auto* b = new QToolButton(ToolBar1);
    b->setProperty(kCaptionProperty, caption);
    // A profile name is shown as it is, not read for a mnemonic.
    b->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    b->setIcon(quickLoadIcon());
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFixedSize(controls::scaled(kQuickLoadButtonSize));
    b->setFocusPolicy(Qt::NoFocus);
    controls::setHint(
        b, tr("Click this button to load ") + QLatin1Char('"') + caption + QLatin1Char('"') + tr(" config."));
    m_quickLoadLayout->addWidget(b);
    m_quickLoad.append(b);
    connect(b, &QToolButton::clicked, this, [this, b] { Q_EMIT quickLoadClicked(quickLoadCaption(b)); });
    showChosenQuickLoadButton();
    return b;
}

void SetupPage::removeQuickLoadButton(QToolButton* button)
{
    if (!m_quickLoad.removeOne(button))
        return;
    m_quickLoadLayout->removeWidget(button);
    button->hide();
    // The button may still be inside its own click.
    button->deleteLater();
    showChosenQuickLoadButton();
}

bool SetupPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != quickLoadArea)
        return TabPage::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showChosenQuickLoadButton();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || m_quickLoad.isEmpty())
            break;
        const qsizetype last = m_quickLoad.size() - 1;
        qsizetype chosen = qBound<qsizetype>(0, m_chosenQuickLoad, last);
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            chosen = qMax<qsizetype>(0, chosen - 1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            chosen = qMin(last, chosen + 1);
            break;
        case Qt::Key_Home:
            chosen = 0;
            break;
        case Qt::Key_End:
            chosen = last;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_quickLoad.at(chosen)->click();
            return true;
        default:
            return TabPage::eventFilter(watched, event);
        }
        m_chosenQuickLoad = chosen;
        showChosenQuickLoadButton();
        return true;
    }
    default:
        break;
    }
    return TabPage::eventFilter(watched, event);
}

void SetupPage::showChosenQuickLoadButton()
{
    quickLoadArea->setFocusPolicy(m_quickLoad.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    const bool focused = quickLoadArea->hasFocus();
    QToolButton* chosen = nullptr;
    if (!m_quickLoad.isEmpty()) {
        m_chosenQuickLoad = qBound<qsizetype>(0, m_chosenQuickLoad, m_quickLoad.size() - 1);
        if (focused)
            chosen = m_quickLoad.at(m_chosenQuickLoad);
    }
    // The chosen button stands out raised while the bar has the focus.
    for (QToolButton* b : std::as_const(m_quickLoad)) {
        if (b->autoRaise() != (b != chosen))
            b->setAutoRaise(b != chosen);
        // Raised alone stands out too little: the chosen one is framed as focus is.
        accessibility::showChosen(b, b == chosen);
    }
    if (!chosen)
        return;
    quickLoadArea->ensureWidgetVisible(chosen, 0, 0);
    // The status panel and screen readers follow the chosen button.
    QStatusTipEvent tip(chosen->statusTip());
    QCoreApplication::sendEvent(quickLoadArea, &tip);
    QAccessibleEvent focus(chosen, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void SetupPage::removeAllQuickLoadButtons()
{
    const QList<QToolButton*> buttons = m_quickLoad;
    for (QToolButton* b : buttons)
        removeQuickLoadButton(b);
}

QStringList SetupPage::quickLoadCaptions() const
{
    QStringList captions;
    captions.reserve(m_quickLoad.size());
    for (const QToolButton* b : m_quickLoad)
        captions.append(quickLoadCaption(b));
    return captions;
}

QString SetupPage::quickLoadCaption(const QToolButton* button)
{
    return button ? button->property(kCaptionProperty).toString() : QString();
}

void SetupPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    if (read.quickLoad)
        showQuickLoadList(*read.quickLoad);
}

void SetupPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
}

void SetupPage::showQuickLoadList(const tk::QuickLoadList& list)
{
    removeAllQuickLoadButtons();
    for (const QString& caption : list.captions)
        addQuickLoadButton(caption);
    CheckBox23->setChecked(list.runOnClick);
}

void SetupPage::saveQuickLoadList() const
{
    tk::writeQuickLoadList(paths(), { quickLoadCaptions(), CheckBox23->isChecked() });
}
