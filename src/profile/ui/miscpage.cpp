// SPDX-License-Identifier: GPL-2.0-or-later
#include "profile/ui/miscpage.h"

#include "profile/core/profileread.h"
#include "profile/ui/profilebinding.h"
#include "widgets/fontscale.h"
#include "widgets/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Every group of this tab has a few words beside it saying what it is for.
constexpr int kGroupWidth = 300;

QLabel* besideNote(QWidget* parent, const QString& text)
{
    QLabel* note = controls::note(parent, text);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note->setIndent(6);
    return note;
}

// A field's caption with the field's hint; screen readers name the field by it.
QLabel* hintedLabel(QWidget* parent, const QString& text, const QString& hint, QWidget* field)
{
    QLabel* l = controls::label(parent, text);
    controls::setHint(l, hint);
    l->setBuddy(field);
    return l;
}

// Characters that the text document takes as the end of a line wherever they stand.
bool endsBlock(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

// A line that the memo cannot hold as one line of the document: it shows the line with a
// line separator for each such character, and keeps the line itself beside that block for
// as long as the block shows it unchanged. So with a line the profile reader cut.
struct HeldLine : QTextBlockUserData {
    HeldLine(QString held, QString display, bool wasCut)
        : line(std::move(held))
        , shown(std::move(display))
        , cut(wasCut)
    { }
    QString line;
    QString shown;
    bool cut = false;
};

// The line a block holds while it shows it unchanged, else null.
const HeldLine* heldLine(const QTextBlock& block)
{
    const auto* held = dynamic_cast<const HeldLine*>(block.userData());
    return held && held->shown == block.text() ? held : nullptr;
}

// Each line of the memo is one console command. Shift+Enter would put a line separator
// inside a line, which looks like a new line but reaches the game as part of the line
// before it; here it starts a new line as Enter does.
class CommandMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->matches(QKeySequence::InsertLineSeparator)) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent enter(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
            event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
    }
};

} // namespace

MiscPage::MiscPage(QWidget* parent)
    : TabPage(parent)
{
    const tk::ExecSettings defaults;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setColumnMinimumWidth(0, controls::scaled(kGroupWidth));
    grid->setColumnStretch(1, 1);

    QGroupBox* commands = controls::group(this, tr("Additional Parameters/Commands"));
    auto* commandsLayout = new QVBoxLayout(commands);
    commandsLayout->setContentsMargins(4, 3, 4, 4);
    Memo1 = new CommandMemo(commands);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    controls::setHint(Memo1, tr("Additional Parameters to exec. at console when game starts"));
    controls::nameAfter(Memo1, commands->title());
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    commandsLayout->addWidget(Memo1);
    grid->addWidget(commands, 0, 0);
    grid->addWidget(
        besideNote(this,
            tr("Here you can specify any additional console commands / Configs. you want to exec. "
               "when Quake2 starts that Tarrakind! does not have a specific option for.")),
        0, 1);

    QGroupBox* demo = controls::group(this, tr("Demo Control"), tr("Demo recording settings"));
    auto* demoLayout = new QGridLayout(demo);
    demoLayout->setContentsMargins(4, 3, 4, 4);
    demoLayout->setHorizontalSpacing(4);
    demoLayout->setVerticalSpacing(3);
    CheckBox21
        = controls::checkBox(demo, "CheckBox21", tr("Record a Demo"), tr("Check box to record a Demo"));
    demoLayout->addWidget(CheckBox21, 0, 0, 1, 2);
    Edit1 = controls::edit(demo, "Edit1", defaults.demoName, tr("Filename of Demo"));
    demoLayout->addWidget(hintedLabel(demo, tr("Filename"), tr("Filename of Demo"), Edit1), 1, 0);
    demoLayout->addWidget(Edit1, 1, 1);
    RadioButton1 = controls::radioButton(
        demo, "RadioButton1", tr("Overwrite existing File"), tr("Overwrites existing Demo file"));
    RadioButton2 = controls::radioButton(demo, "RadioButton2", tr("Use sequential Filenames"),
        tr("Alters Demo filename so no File is overwritten"));
    (defaults.sequentialDemo ? RadioButton2 : RadioButton1)->setChecked(true);
    auto* demoNames = new QButtonGroup(demo);
    demoNames->addButton(RadioButton1);
    demoNames->addButton(RadioButton2);
    demoLayout->addWidget(RadioButton1, 2, 1);
    demoLayout->addWidget(RadioButton2, 3, 1);
    demoLayout->setColumnStretch(1, 1);
    grid->addWidget(demo, 1, 0);
    grid->addWidget(besideNote(this,
                        tr("Here you can specify to auto-record a demo. If you wish to keep demos, tick the "
                           "Sequential Filenames box and Tarrakind! will check for existing demos with that "
                           "filename and make sure it is not overwritten.")),
        1, 1);

    QGroupBox* extra
        = controls::group(this, tr("Extra Config. File"), tr("Allows user to specify extra .cfg file"));
    auto* extraLayout = new QGridLayout(extra);
    extraLayout->setContentsMargins(4, 3, 4, 4);
    extraLayout->setHorizontalSpacing(4);
    extraLayout->setVerticalSpacing(3);
    CheckBox27 = controls::checkBox(
        extra, "CheckBox27", tr("Use extra config. file"), tr("Check to specify external .cfg file to exec"));
    extraLayout->addWidget(CheckBox27, 0, 0, 1, 2);
    ComboBox1 = new QComboBox(extra);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    controls::setHint(ComboBox1, tr("Name of config. file"));
    extraLayout->addWidget(hintedLabel(extra, tr("Select"), tr("Name of config. file"), ComboBox1), 1, 0);
    ComboBox1->setEditable(true);
    // The list is the directory's config files; a typed name must not join it.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // The name is taken as typed: no completion to a listed file.
    ComboBox1->setCompleter(nullptr);
    extraLayout->addWidget(ComboBox1, 1, 1);
    // Its label says only "Select": read it by the name of what it selects.
    controls::nameAfter(ComboBox1, extra->title());
    extraLayout->setColumnStretch(1, 1);
    grid->addWidget(extra, 2, 0);
    grid->addWidget(besideNote(this,
                        tr("Here you can specify an additional config (.cfg) file you want Tarrakind! to "
                           "automatically exec. for you when the game is run.")),
        2, 1);

    grid->setRowStretch(0, 1);

    // The labels of the two rows share one column, so their boxes line up.
    const int labelWidth = qMax(demoLayout->itemAtPosition(1, 0)->widget()->sizeHint().width(),
        extraLayout->itemAtPosition(1, 0)->widget()->sizeHint().width());
    demoLayout->setColumnMinimumWidth(0, labelWidth);
    extraLayout->setColumnMinimumWidth(0, labelWidth);

    connect(CheckBox21, &QCheckBox::clicked, this, &MiscPage::CheckBox21Click);
    connect(CheckBox27, &QCheckBox::clicked, this, &MiscPage::CheckBox27Click);
    applyEnableRules();
}

void MiscPage::CheckBox21Click()
{
    const bool on = CheckBox21->isChecked();
    Edit1->setEnabled(on);
    RadioButton1->setEnabled(on);
    RadioButton2->setEnabled(on);
}

void MiscPage::CheckBox27Click()
{
    ComboBox1->setEnabled(CheckBox27->isChecked());
}

void MiscPage::applyEnableRules()
{
    CheckBox21Click();
    CheckBox27Click();
}

QStringList MiscPage::additionalLines() const
{
    // Read block by block: the plain text of the document would turn a no-break space
    // into a blank and a line separator into a line break.
    const QTextDocument* doc = Memo1->document();
    if (doc->isEmpty())
        return {};
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const HeldLine* held = heldLine(block);
        lines.append(held ? held->line : block.text());
    }
    return lines;
}

QList<qsizetype> MiscPage::cutAdditionalLines() const
{
    QList<qsizetype> cut;
    qsizetype index = 0;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next(), ++index) {
        if (const HeldLine* held = heldLine(block); held && held->cut)
            cut.append(index);
    }
    return cut;
}

void MiscPage::setAdditionalLines(const QStringList& lines, const QList<qsizetype>& cut)
{
    QStringList shown = lines;
    for (QString& line : shown) {
        for (QChar& c : line) {
            if (endsBlock(c))
                c = QChar::LineSeparator;
        }
    }
    Memo1->setPlainText(shown.join(QLatin1Char('\n')));
    QTextBlock block = Memo1->document()->begin();
    for (qsizetype i = 0; i < lines.size() && block.isValid(); ++i, block = block.next()) {
        if (shown[i] != lines[i] || cut.contains(i))
            block.setUserData(new HeldLine(lines[i], shown[i], cut.contains(i)));
    }
}

void MiscPage::load(const tk::ProfileRead& read)
{
    loadBoundControls(*this, read.profile);
    if (read.profile.additionalLines != additionalLines()
        || read.profile.exec.cutAdditionalLines != cutAdditionalLines())
        setAdditionalLines(read.profile.additionalLines, read.profile.exec.cutAdditionalLines);
    applyEnableRules();
}

void MiscPage::store(tk::Profile& profile) const
{
    storeBoundControls(*this, profile);
    profile.additionalLines = additionalLines();
    profile.exec.cutAdditionalLines = cutAdditionalLines();
}

void MiscPage::fillExtraConfigList(const QStringList& cfgFiles)
{
    const QString text = ComboBox1->currentText();
    // Adding items to an empty combo box would show the first of them; the text shown
    // follows its own rule.
    ComboBox1->addItems(cfgFiles);
    if (text.isEmpty() && ComboBox1->count() > 0) {
        ComboBox1->setCurrentIndex(0);
    } else {
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(text);
    }
}
