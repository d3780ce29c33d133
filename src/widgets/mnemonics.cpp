// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTabWidget>

namespace {

Qt::KeyboardModifiers plainModifiers(const QKeyEvent* key)
{
    return key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
}

} // namespace

Mnemonics::Mnemonics(QWidget* window, QTabWidget* tabs)
    : QObject(window)
    , m_window(window)
    , m_tabs(tabs)
{
    qApp->installEventFilter(this);
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
    if (isTabSwitch(key) && watched != m_tabs) {
        // The tab widget switches and moves the focus as it does for its own Ctrl+Tab.
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(m_tabs, &copy);
        return true;
    }
    return false;
}

void Mnemonics::trigger(const QKeyEvent* key)
{
    const QKeySequence wanted(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    if (QWidget* page = m_tabs->currentWidget()) {
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && b->isEnabled() && QKeySequence::mnemonic(b->text()) == wanted) {
                b->click();
                return;
            }
        }
    }
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (m_tabs->isTabEnabled(i) && QKeySequence::mnemonic(m_tabs->tabText(i)) == wanted) {
            m_tabs->setCurrentIndex(i);
            return;
        }
    }
}
