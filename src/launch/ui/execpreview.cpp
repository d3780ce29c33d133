// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/ui/execpreview.h"

#include "app/core/fileutil.h"
#include "app/ui/guard.h"
#include "app/ui/interaction.h"
#include "launch/core/prelaunchcheck.h"
#include "launch/ui/execlinesmodel.h"
#include "widgets/accessibility.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

ExecPreview::ExecPreview(
    const tk::InstallPaths& paths, Interaction& interaction, SettingsSource settings, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_paths(paths)
    , m_ui(interaction)
    , m_settings(std::move(settings))
{
    setObjectName(QStringLiteral("ExecPreview"));
    setWindowTitle(tr("Exec File Preview"));
    // A window of its own that may be resized: it keeps the platform's font sizes.
    resize(preferredSize());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);

    findings = new QLabel(this);
    findings->setObjectName(QStringLiteral("findings"));
    findings->setWordWrap(true);
    findings->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    findings->setMargin(3);
    findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(findings);

    m_model = new ExecLinesModel(this);
    m_model->setTextFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lines = new QTreeView(this);
    lines->setObjectName(QStringLiteral("lines"));
    lines->setModel(m_model);
    lines->setRootIsDecorated(false);
    lines->setItemsExpandable(false);
    lines->setUniformRowHeights(true);
    lines->setAllColumnsShowFocus(true);
    lines->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines->setStatusTip(tr("Double-click a line, or press Return on it, to go to the setting it comes from"));
    lines->setToolTip(lines->statusTip());
    // Lines are shown whole: the view scrolls sideways rather than cut an addbot line.
    lines->setTextElideMode(Qt::ElideNone);
    lines->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lines->setAccessibleName(tr("Exec file lines"));
    QHeaderView* header = lines->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->resizeSection(ExecLinesModel::TabColumn, controls::scaled(64));
    header->resizeSection(ExecLinesModel::NumberColumn, controls::scaled(36));
    column->addWidget(lines, 1);

    auto* buttons = new QHBoxLayout;
    copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    saveButton = new QPushButton(tr("Save As..."), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* b : { copyButton, saveButton, closeButton })
        b->setAutoDefault(false);
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(copyButton, &QPushButton::clicked, this, &ExecPreview::copyClick);
    connectGuarded(saveButton, &QPushButton::clicked, this, &ExecPreview::saveAsClick, { this, m_ui });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    const auto activate = [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT lineActivated(m_model->origin(index.row()));
    };
    connect(lines, &QTreeView::doubleClicked, this, activate);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter }) {
        auto* go = new QShortcut(QKeySequence(key), lines);
        go->setContext(Qt::WidgetShortcut);
        connect(go, &QShortcut::activated, this, [this, activate] { activate(lines->currentIndex()); });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    new Mnemonics(this);
}

void ExecPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!lines->currentIndex().isValid())
        lines->setCurrentIndex(m_model->index(0, 0));
    lines->setFocus(Qt::ActiveWindowFocusReason);
    accessibility::announce(findings);
}

void ExecPreview::refresh()
{
    const tk::ExecSettings settings = m_settings();
    QList<tk::ExecLineOrigin> origins;
    const QByteArray script = tk::generateExecFile(settings, m_paths, &origins);
    ++m_generations;
    const QList<tk::LaunchFinding> found = tk::checkLaunch(settings, script, m_paths);
    findings->setText(found.isEmpty() ? tr("No problems found") : tk::launchFindingsText(found));
    // The list has the focus when the window opens: its description reads the findings.
    lines->setAccessibleDescription(findings->text() + QLatin1Char('\n') + lines->statusTip());

    // A script of another length is shown anew; the view stays where the user was.
    const int scrolled = lines->verticalScrollBar()->value();
    m_model->setScript(script, origins);
    lines->verticalScrollBar()->setValue(scrolled);
    fitTextColumn();
}

void ExecPreview::fitTextColumn()
{
    // A fixed-width font: every character takes the same room.
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QHeaderView* header = lines->header();
    const int others
        = header->sectionSize(ExecLinesModel::TabColumn) + header->sectionSize(ExecLinesModel::NumberColumn);
    const int needed = metrics.horizontalAdvance(QString(m_model->longestLine(), QLatin1Char('M')))
        + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    header->resizeSection(ExecLinesModel::TextColumn, qMax(needed, lines->viewport()->width() - others));
}

void ExecPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitTextColumn();
}

const QByteArray& ExecPreview::script() const
{
    return m_model->script();
}

QString ExecPreview::text() const
{
    QString out;
    out.reserve(script().size());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        out += m_model->lineText(row);
        out += QLatin1Char('\n');
    }
    return out;
}

void ExecPreview::copyClick()
{
    QGuiApplication::clipboard()->setText(text());
}

void ExecPreview::saveAsClick()
{
    const QString path = m_ui.saveFileName(
        this, tr("Save Exec File As"), tr("Console scripts (*.cfg);;All files (*)"), tk::execFileName());
    if (path.isEmpty())
        return;
    QString reason;
    if (!tk::writeFileAtomically(path, script(), &reason))
        m_ui.showMessage(this, tk::cannotCreateFileMessage(path, reason));
}
