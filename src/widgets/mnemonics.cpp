// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/mnemonics.h"

#include "widgets/accessibility.h"
#include "widgets/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaObject>
#include <QProxyStyle>
#include <QTabWidget>

namespace {

const char* const kDestructive = "tarrakindDestructive";

Qt::KeyboardModifiers plainModifiers(const QKeyEvent* key)
{
    return key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
}

QKeySequence altKey(int key)
{
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
}

// Draws captions without the underline of their letter: the letter does nothing there.
class NoUnderlineStyle : public accessibility::ReadableStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        if (hint == SH_UnderlineShortcut)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

Mnemonics::Mnemonics(QWidget* window, QTabWidget* tabs)
    : QObject(window)
    , m_window(window)
    , m_tabs(tabs)
{
    qApp->installEventFilter(this);
    markLetters();
}

void Mnemonics::markLetters()
{
    for (QAbstractButton* b : m_window->findChildren<QAbstractButton*>()) {
        if (b->window() != m_window)
            continue;
        const bool answering = answers(b);
        // The letter is in the hint too, where the keys of the other buttons are.
        controls::tellMnemonic(b, answering);
        if (!answering && !QKeySequence::mnemonic(b->text()).isEmpty()) {
            if (!m_noUnderline) {
                m_noUnderline = new NoUnderlineStyle;
                m_noUnderline->setParent(this);
            }
            b->setStyle(m_noUnderline);
        } else if (m_noUnderline && b->style() == m_noUnderline) {
            b->setStyle(nullptr);
        }
    }
}

void Mnemonics::markDestructive(QAbstractButton* button)
{
    button->setProperty(kDestructive, true);
}

bool Mnemonics::tabLetter(int key) const
{
    if (!m_tabs)
        return false;
    const QKeySequence wanted = altKey(key);
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (QKeySequence::mnemonic(m_tabs->tabText(i)) == wanted)
            return true;
    }
    return false;
}

bool Mnemonics::answers(const QAbstractButton* button) const
{
    const QKeySequence letter = QKeySequence::mnemonic(button->text());
    if (letter.isEmpty() || button->property(kDestructive).toBool())
        return false;
    return !tabLetter(letter[0].key());
}

bool Mnemonics::isMnemonic(const QKeyEvent* key)
{
    const int k = key->key();
    return plainModifiers(key) == Qt::AltModifier
        && ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9));
}

bool Mnemonics::isTabSwitch(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = plainModifiers(key) & ~Qt::ShiftModifier;
    return mods == Qt::ControlModifier && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
}

bool Mnemonics::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the application passes here: decide on the type first.
    const QEvent::Type type = event->type();
    // Other captions have other letters: once the window has its new texts, after this
    // event, the letters are looked at again.
    if (type == QEvent::LanguageChange && watched == m_window)
        QMetaObject::invokeMethod(this, &Mnemonics::markLetters, Qt::QueuedConnection);
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // Taken from the toolkit's shortcuts: the key press that follows is handled below.
        if (isMnemonic(key)) {
            key->accept();
            return true;
        }
        return false;
    }
    if (isMnemonic(key)) {
        trigger(key);
        return true;
    }
    if (m_tabs && isTabSwitch(key) && watched != m_tabs) {
        // The tab widget switches and moves the focus as it does for its own Ctrl+Tab.
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(m_tabs, &copy);
        return true;
    }
    return false;
}

void Mnemonics::trigger(const QKeyEvent* key)
{
    const QKeySequence wanted = altKey(key->key());
    if (m_tabs) {
        for (int i = 0; i < m_tabs->count(); ++i) {
            if (m_tabs->isTabEnabled(i) && QKeySequence::mnemonic(m_tabs->tabText(i)) == wanted) {
                m_tabs->setCurrentIndex(i);
                return;
            }
        }
    }
    QWidget* scope = m_tabs ? m_tabs->currentWidget() : m_window;
    if (!scope)
        return;
    for (QAbstractButton* b : scope->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled() && QKeySequence::mnemonic(b->text()) == wanted && answers(b)) {
            // A check box or a button that takes the focus gets it, as its own letter gives it.
            if (b->focusPolicy() & Qt::TabFocus)
                b->setFocus(Qt::ShortcutFocusReason);
            b->click();
            return;
        }
    }
}
