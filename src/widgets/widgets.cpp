// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/widgets.h"

#include "widgets/spinedit.h"
#include "widgets/statushints.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace controls {

namespace {

template <typename W> W* named(W* w, const char* name, const QString& hint)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        setHint(w, hint);
    return w;
}

} // namespace

void setHint(QWidget* w, const QString& hint)
{
    w->setStatusTip(hint);
    w->setAccessibleDescription(hint);
}

QString plainCaption(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one ampersand; a single one marks the mnemonic.
        if (caption.at(i) == QLatin1Char('&') && ++i == caption.size())
            break;
        plain += caption.at(i);
    }
    return plain.simplified();
}

void nameAfter(QWidget* field, const QString& caption)
{
    field->setAccessibleName(plainCaption(caption));
}

// Shows the hint with its keys, from what tell() kept.
void showKeys(QWidget* w);

namespace {

void bindKeys(QAbstractButton* button, const QList<QKeySequence>& keys, QWidget* area)
{
    for (const QKeySequence& key : keys) {
        QList<QKeySequence> bound { key };
        // Return on the keypad is Enter: it does the same, unmentioned.
        if (key.count() == 1 && key[0].key() == Qt::Key_Return)
            bound.append(QKeySequence(key[0].keyboardModifiers() | Qt::Key_Enter));
        for (const QKeySequence& k : bound) {
            if (!area) {
                // A shortcut belongs to the button: it works only while the button is visible
                // and enabled, so the same keys may serve other buttons on other tabs.
                auto* shortcut = new QShortcut(k, button);
                QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
                continue;
            }
            auto* shortcut = new QShortcut(k, area);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isVisible() && button->isEnabled())
                    button->click();
            });
        }
    }
}

// What the hint is made of: the hint before the keys, and for each time keys were told
// the keys (as "&" the mnemonic of the caption), the separator before where they work and
// where. Kept apart, so that a change of language can name them anew.
const char* const kHintBase = "tarrakindHintBase";
const char* const kHintKeys = "tarrakindHintKeys";
const QLatin1Char kField('\t');
const QString kMnemonic = QStringLiteral("&");

void tell(QWidget* w, const QString& keys, const QString& separator, const QString& where)
{
    // Keys told before stay; every key stands in one pair of brackets after the hint.
    QString hint = w->property(kHintBase).toString();
    if (hint.isEmpty())
        hint = StatusHints::hintOf(w);
    if (hint.isEmpty())
        hint = w->accessibleDescription();
    if (hint.isEmpty())
        hint = w->accessibleName();
    if (auto* button = qobject_cast<QAbstractButton*>(w); hint.isEmpty() && button)
        hint = plainCaption(button->text());
    w->setProperty(kHintBase, hint);
    w->setProperty(
        kHintKeys, w->property(kHintKeys).toStringList() << keys + kField + separator + kField + where);
    showKeys(w);
}

QString portable(const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys)
        names.append(key.toString(QKeySequence::PortableText));
    return names.join(QLatin1Char('\n'));
}

} // namespace

void showKeys(QWidget* w)
{
    QStringList told;
    for (const QString& entry : w->property(kHintKeys).toStringList()) {
        const QString keys = entry.section(kField, 0, 0);
        QStringList names;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && keys == kMnemonic) {
            names.append(QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText));
        } else {
            for (const QString& key : keys.split(QLatin1Char('\n')))
                names.append(QKeySequence::fromString(key, QKeySequence::PortableText)
                                 .toString(QKeySequence::NativeText));
        }
        told.append(
            names.join(QStringLiteral(", ")) + entry.section(kField, 1, 1) + entry.section(kField, 2));
    }
    setHint(w,
        w->property(kHintBase).toString() + QStringLiteral(" (") + told.join(QStringLiteral(", "))
            + QLatin1Char(')'));
}

bool toldKeys(const QWidget* w)
{
    return w->property(kHintKeys).isValid();
}

void retellKeys(QWidget* w, const std::function<QString(const QString&)>& retranslate)
{
    w->setProperty(kHintBase, retranslate(w->property(kHintBase).toString()));
    QStringList told = w->property(kHintKeys).toStringList();
    for (QString& entry : told)
        entry = entry.section(kField, 0, 1) + kField + retranslate(entry.section(kField, 2));
    w->setProperty(kHintKeys, told);
    showKeys(w);
}

void tellKeys(QWidget* w, const QList<QKeySequence>& keys, const QString& where)
{
    tell(w, portable(keys), QString(), where);
}

void tellMnemonic(QAbstractButton* button, bool told)
{
    QStringList entries = button->property(kHintKeys).toStringList();
    const QString entry = kMnemonic + kField + kField;
    if (told == entries.contains(entry))
        return;
    if (told) {
        tell(button, kMnemonic, QString(), QString());
        return;
    }
    entries.removeAll(entry);
    if (entries.isEmpty()) {
        setHint(button, button->property(kHintBase).toString());
        button->setProperty(kHintKeys, QVariant());
        return;
    }
    button->setProperty(kHintKeys, entries);
    showKeys(button);
}

void addShortcuts(QAbstractButton* button, const QList<QKeySequence>& keys)
{
    bindKeys(button, keys, nullptr);
    tell(button, portable(keys), QString(), QString());
}

void addShortcuts(
    QAbstractButton* button, const QList<QKeySequence>& keys, QWidget* area, const QString& where)
{
    bindKeys(button, keys, area);
    tell(button, portable(keys), QStringLiteral(" "), where);
}

void finishWithReturn(QWidget* dialog, QAbstractButton* action)
{
    if (auto* push = qobject_cast<QPushButton*>(action))
        push->setDefault(true);
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter }) {
        auto* shortcut = new QShortcut(QKeySequence(key), dialog);
        QObject::connect(shortcut, &QShortcut::activated, action, [dialog, action] {
            // Return on another button of the dialog presses that one, as Space does.
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QAbstractButton* pressed = focused && focused->window() == dialog ? focused : action;
            if (pressed->isVisible() && pressed->isEnabled())
                pressed->click();
        });
    }
}

void compact(QLayout* layout)
{
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    return named(new QCheckBox(caption, parent), name, hint);
}

QRadioButton* radioButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    return named(new QRadioButton(caption, parent), name, hint);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* b = named(new QPushButton(caption, parent), name, hint);
    b->setAutoDefault(false);
    // Speed buttons never take the focus: pressing one leaves it where the user was
    // typing, so that a half-typed value is read as typed.
    const QLatin1String component(name ? name : "");
    if (component.startsWith(QLatin1String("SpeedButton"))
        || component.startsWith(QLatin1String("RxSpeedButton")))
        b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QGroupBox* group(QWidget* parent, const QString& caption, const QString& hint)
{
    return named(new QGroupBox(caption, parent), nullptr, hint);
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    return named(new QLineEdit(text, parent), name, hint);
}

SpinEdit* spinEdit(QWidget* parent, const char* name, int minimum, int maximum, int step, int value,
    int maxLength, const QString& hint)
{
    auto* s = named(new SpinEdit(parent), name, hint);
    s->setRange(minimum, maximum);
    s->setIncrement(step);
    if (maxLength > 0)
        s->setMaxLength(maxLength);
    s->setValue(value);
    return s;
}

QLabel* labelPanel(QWidget* parent, const QString& caption, const QString& hint, const char* name)
{
    auto* l = named(new QLabel(caption, parent), name, hint);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    l->setMargin(1);
    return l;
}

QLabel* displayPanel(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    return asDisplayPanel(new QLabel(text, parent), name, hint);
}

QLabel* asDisplayPanel(QLabel* label, const char* name, const QString& hint)
{
    auto* l = named(label, name, hint);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMargin(1);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    return l;
}

QLabel* label(QWidget* parent, const QString& text, const char* name)
{
    return named(new QLabel(text, parent), name, {});
}

namespace {

// Paints the window black before its children: the one-pixel frame shows around the body.
class BlackFrame : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(watched);
            QPainter(w).fillRect(w->rect(), Qt::black);
        }
        return false;
    }
};

} // namespace

QVBoxLayout* framedBody(QWidget* window, int margin, int spacing)
{
    window->installEventFilter(new BlackFrame(window));
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(1, 1, 1, 1);
    auto* body = new QFrame(window);
    body->setFrameStyle(QFrame::Panel | QFrame::Raised);
    body->setAutoFillBackground(true);
    outer->addWidget(body);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(spacing);
    return column;
}

void useCaptionColours(QWidget* widget)
{
    QPalette caption = widget->palette();
    caption.setColor(QPalette::Window, QColor(0, 0, 128));
    caption.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(caption);
    widget->setAutoFillBackground(true);
}

QLabel* note(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

void revealInTabs(QWidget* w)
{
    // A tab's page lies in the stack of its tab widget.
    for (QWidget* child = w; child; child = child->parentWidget()) {
        QWidget* stack = child->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(child) >= 0)
            tabs->setCurrentWidget(child);
    }
}

} // namespace controls
