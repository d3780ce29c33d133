// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/prefspage.h"

#include "app/core/language.h"
#include "app/core/version.h"
#include "app/ui/interaction.h"
#include "profile/core/profile.h"
#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/colorswatch.h"
#include "widgets/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QVBoxLayout>

PrefsPage::PrefsPage(QWidget* parent)
    : TabPage(parent)
{
    const tk::Preferences defaults;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);

    QGroupBox* general = controls::group(this, tr("General Options"));
    auto* options = new QVBoxLayout(general);
    options->setContentsMargins(6, 4, 6, 6);
    options->setSpacing(4);
    CheckBox24 = controls::checkBox(general, "CheckBox24", tr("Leave Tarrakind! open when running Quake2"),
        tr("Click here to leave program open when running Quake2"));
    CheckBox24->setChecked(defaults.leaveOpen);
    CheckBox26
        = controls::checkBox(general, "CheckBox26", tr("Always Save current Profile on Program close"));
    CheckBox26->setChecked(defaults.saveOnClose);
    CheckBox25 = controls::checkBox(general, "CheckBox25", tr("Light-up button captions onMouseOver"),
        tr("Light up button caption when cursor is over them"));
    CheckBox25->setChecked(defaults.lightUpButtons);
    options->addWidget(CheckBox24);
    options->addWidget(CheckBox26);
    options->addWidget(CheckBox25);

    // The swatch sits under the light-up box it belongs to, indented to its caption.
    auto* colourRow = new QHBoxLayout;
    colourRow->setSpacing(6);
    colortest = new ColorSwatch(ColorSwatch::fromColorRef(defaults.lightUpColor), general);
    colortest->setObjectName(QStringLiteral("colortest"));
    // The keyboard opens the colour dialog too: Tab to the swatch, then Space or Return.
    colortest->setKeyboardClickable();
    controls::nameAfter(colortest, tr("Light-up colour"));
    colortest->setAccessibleDescription(tr("Use this colour (Click to change)"));
    controls::tellKeys(colortest, { QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return) });
    colourRow->addSpacing(20);
    colourRow->addWidget(colortest);
    colourRow->addWidget(controls::label(general, tr("Use this colour (Click to change)")), 1);
    options->addLayout(colourRow);
    CheckBox50 = controls::checkBox(general, "CheckBox50", tr("Check the match before launching"),
        tr("Before the game starts, show what would make the match go wrong in the engine"));
    CheckBox50->setChecked(defaults.checkMatch);
    options->addWidget(CheckBox50);
    CheckBox51 = controls::checkBox(general, "CheckBox51", tr("Ask before discarding changed settings"),
        tr("Before another profile is loaded or the program closes, offer to save settings that were "
           "changed"));
    CheckBox51->setChecked(defaults.askDiscard);
    options->addWidget(CheckBox51);

    auto* languageRow = new QHBoxLayout;
    languageRow->setSpacing(6);
    languageChoice = new QComboBox(general);
    languageChoice->setObjectName(QStringLiteral("languageChoice"));
    controls::setHint(languageChoice, tr("The language of the launcher's texts; System follows the desktop"));
    languageChoice->addItem(tr("System"), QString());
    for (const QString& code : tk::shippedLanguages())
        languageChoice->addItem(tk::languageName(code), code);
    QLabel* languageLabel = controls::label(general, tr("&Language:"));
    languageLabel->setBuddy(languageChoice);
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(languageChoice);
    languageRow->addStretch(1);
    options->addLayout(languageRow);
    grid->addWidget(general, 0, 0);

    QLabel* note = controls::note(this,
        tr("These preferences are saved with the configuration profile and take effect at once. "
           "The light-up colour is used for the caption of the button under the mouse pointer."));
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note->setIndent(6);
    grid->addWidget(note, 0, 1);

    QLabel* version = controls::label(this, tk::versionTitle());
    version->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    version->setEnabled(false);
    grid->addWidget(version, 2, 0, 1, 2);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    connect(colortest, &ColorSwatch::clicked, this, &PrefsPage::colortestClick);
    connect(languageChoice, &QComboBox::currentIndexChanged, this,
        [this] { tk::useLanguage(languageChoice->currentData().toString()); });
}

void PrefsPage::colortestClick()
{
    if (const std::optional<QColor> chosen = ui().chooseColor(this, colortest->color()))
        colortest->setColor(*chosen);
}

void PrefsPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    // A language this build does not ship is the desktop's.
    languageChoice->setCurrentIndex(qMax(0, languageChoice->findData(read.profile.prefs.language)));
}

void PrefsPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    profile.prefs.language = languageChoice->currentData().toString();
}

tk::Preferences PrefsPage::preferences() const
{
    tk::Profile profile;
    store(profile);
    return profile.prefs;
}
