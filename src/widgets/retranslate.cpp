// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/retranslate.h"

#include "widgets/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

class Walk {
public:
    explicit Walk(const Retranslation& retranslation)
        : m_retranslation(retranslation)
    { }

    // The text's new text; the text itself where it has none.
    QString operator()(const QString& shown) const
    {
        if (shown.isEmpty())
            return shown;
        if (const QString text = m_retranslation(shown); !text.isNull())
            return text;
        // A caption of two lines, each a text of its own.
        if (shown.contains(QLatin1Char('\n'))) {
            QStringList lines = shown.split(QLatin1Char('\n'));
            for (QString& line : lines)
                line = (*this)(line);
            return lines.join(QLatin1Char('\n'));
        }
        return shown;
    }

    template <typename Get, typename Set> void apply(Get get, Set set) const
    {
        const QString shown = get();
        const QString text = (*this)(shown);
        if (text != shown)
            set(text);
    }

private:
    const Retranslation& m_retranslation;
};

void retranslateWidget(QWidget* w, const Walk& walk)
{
    walk.apply([w] { return w->windowTitle(); }, [w](const QString& t) { w->setWindowTitle(t); });
    walk.apply([w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); });
    walk.apply([w] { return w->whatsThis(); }, [w](const QString& t) { w->setWhatsThis(t); });
    walk.apply([w] { return w->accessibleName(); }, [w](const QString& t) { w->setAccessibleName(t); });
    // A hint with keys is made anew below, once the caption that may name one is.
    const bool keys = controls::toldKeys(w);
    if (!keys) {
        walk.apply([w] { return w->statusTip(); }, [w](const QString& t) { w->setStatusTip(t); });
        walk.apply([w] { return w->accessibleDescription(); },
            [w](const QString& t) { w->setAccessibleDescription(t); });
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        walk.apply([button] { return button->text(); }, [button](const QString& t) { button->setText(t); });
    else if (auto* label = qobject_cast<QLabel*>(w))
        walk.apply([label] { return label->text(); }, [label](const QString& t) { label->setText(t); });
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        walk.apply([group] { return group->title(); }, [group](const QString& t) { group->setTitle(t); });
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        walk.apply([edit] { return edit->placeholderText(); },
            [edit](const QString& t) { edit->setPlaceholderText(t); });
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
        for (int i = 0; i < combo->count(); ++i)
            walk.apply([combo, i] { return combo->itemText(i); },
                [combo, i](const QString& t) { combo->setItemText(i, t); });
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            walk.apply([tabs, i] { return tabs->tabText(i); },
                [tabs, i](const QString& t) { tabs->setTabText(i, t); });
            walk.apply([tabs, i] { return tabs->tabToolTip(i); },
                [tabs, i](const QString& t) { tabs->setTabToolTip(i, t); });
        }
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        QTreeWidgetItem* header = tree->headerItem();
        for (int c = 0; c < header->columnCount(); ++c)
            walk.apply([header, c] { return header->text(c); },
                [header, c](const QString& t) { header->setText(c, t); });
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        // A model of our own asks tr() for its headers and tips each time it is asked.
        QAbstractItemModel* model = view->model();
        if (const int columns = model->columnCount(); columns > 0)
            Q_EMIT model->headerDataChanged(Qt::Horizontal, 0, columns - 1);
        view->viewport()->update();
    }
    if (keys)
        controls::retellKeys(w, walk);
    for (QAction* action : w->actions()) {
        walk.apply([action] { return action->text(); }, [action](const QString& t) { action->setText(t); });
        walk.apply([action] { return action->statusTip(); },
            [action](const QString& t) { action->setStatusTip(t); });
    }
}

} // namespace

void retranslateTree(QWidget* root, const Retranslation& retranslation)
{
    const Walk walk(retranslation);
    retranslateWidget(root, walk);
    for (QWidget* w : root->findChildren<QWidget*>())
        retranslateWidget(w, walk);
}
