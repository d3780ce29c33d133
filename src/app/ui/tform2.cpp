// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/tform2.h"

#include "app/ui/interaction.h"
#include "widgets/accessibility.h"
#include "widgets/fontscale.h"
#include "widgets/mnemonics.h"
#include "widgets/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    setModal(true);
    setFixedSize(controls::scaled(QSize(268, 207)));

    QVBoxLayout* column = controls::framedBody(this, 3, 4);
    QWidget* body = column->parentWidget();

    titleStrip = new QLabel(tr("About Tarrakind!"), body);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    controls::useCaptionColours(titleStrip);
    QFont bold = titleStrip->font();
    bold.setBold(true);
    titleStrip->setFont(bold);
    titleStrip->setFixedHeight(controls::scaled(18));
    titleStrip->setIndent(4);
    column->addWidget(titleStrip);

    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(6);
    Panel4 = controls::displayPanel(body, "Panel4");
    Panel4->setFont(bold);
    Panel4->setAlignment(Qt::AlignCenter);
    Panel4->setMinimumHeight(controls::scaled(36));
    Panel4->setMargin(4);
    versionRow->addWidget(Panel4);
    versionRow->addWidget(controls::note(body, tr("Launch Utility for the v. cool Tarrakind Bot!")), 1);
    column->addLayout(versionRow);

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(4);
    links->setVerticalSpacing(2);
    links->addWidget(controls::label(body, tr(" Web:")), 0, 0);
    webLink = makeLink(body, "webLink", QStringLiteral(TARRAKIND_WEB_URL));
    links->addWidget(webLink, 0, 1);
    links->addWidget(controls::label(body, tr(" Email:")), 1, 0);
    mailLink = makeLink(body, "mailLink", QStringLiteral(TARRAKIND_EMAIL));
    links->addWidget(mailLink, 1, 1);
    links->setColumnStretch(1, 1);
    column->addLayout(links);

    auto* separator = new QFrame(body);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    column->addWidget(separator);

    column->addWidget(controls::label(body, tr("Tarrakind Bot available from:")));
    botLink = makeLink(body, "botLink", QStringLiteral(TARRAKIND_BOT_URL));
    botLink->setIndent(8);
    column->addWidget(botLink);
    nameLinks();
    column->addStretch(1);
    column->addWidget(controls::note(body, tr("Free software: GNU GPL, version 2 or later")));

    okButton = controls::button(body, "okButton", tr("OK"));
    okButton->setDefault(true);
    column->addWidget(okButton);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // Return presses "OK" as the default button, unless a link has the focus.
    new Mnemonics(this);
}

QLabel* TForm2::makeLink(QWidget* parent, const char* name, const QString& target)
{
    QLabel* link = controls::label(parent, target, name);
    // Plain text: the caption is the target and must never be read as markup.
    link->setTextFormat(Qt::PlainText);
    link->setCursor(Qt::PointingHandCursor);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Link));
    link->setPalette(pal);
    // The keyboard reaches the links too: Tab to one, Return or Space opens it.
    link->setFocusPolicy(Qt::StrongFocus);
    showLinkFocus(link, false);
    accessibility::markLink(link);
    link->setAccessibleDescription(tr("Press Return to open"));
    link->installEventFilter(this);
    return link;
}

void TForm2::setVersionText(const QString& text)
{
    Panel4->setText(text);
}

void TForm2::showLinkFocus(QLabel* link, bool focused)
{
    // A frame in the link's colour, without moving its text.
    link->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    const int margin = focused ? 0 : link->lineWidth();
    link->setContentsMargins(margin, margin, margin, margin);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    for (QLabel* link : { webLink, mailLink, botLink }) {
        if (watched != link)
            continue;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            showLinkFocus(link, event->type() == QEvent::FocusIn);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                openLink(link);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QLabel* link : { webLink, mailLink, botLink }) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (watched == link && mouse->button() == Qt::LeftButton
                && link->rect().contains(mouse->position().toPoint())) {
                openLink(link);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::openLink(QLabel* link)
{
    if (!m_ui)
        return;
    const QString target = link->text();
    // Whether a handler exists is the platform's business: the result is not checked.
    m_ui->openUrl(link == mailLink ? QUrl(QStringLiteral("mailto:") + target) : QUrl(target));
}

void TForm2::nameLinks()
{
    controls::nameAfter(webLink, tr("Web: %1").arg(webLink->text()));
    controls::nameAfter(mailLink, tr("Email: %1").arg(mailLink->text()));
    controls::nameAfter(botLink, tr("Tarrakind Bot available from: %1").arg(botLink->text()));
}

void TForm2::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        nameLinks();
}

void TForm2::showEvent(QShowEvent* event)
{
    if (const QScreen* s = screen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), s->availableGeometry()).topLeft());
    QDialog::showEvent(event);
    // Return closes the box as "OK" does; Tab goes on to the links.
    okButton->setFocus(Qt::OtherFocusReason);
}
