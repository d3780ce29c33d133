// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/accessibility.h"

#include "widgets/checkablerows.h"
#include "widgets/clickableframe.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QSlider>
#include <QStyleOption>
#include <QToolButton>
#include <QTreeView>
#include <QVariant>
#include <cmath>

namespace {

// On Linux the toolkit names a combo box by its text and leaves the caption to a label
// relation, which a reader that looks at names only never hears. This one reads the
// caption as the name and the text as the value; its parts (the list and, when it is
// editable, the edit field) and its action stay as the toolkit has them.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == combo()->view())
            return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return { showMenuAction(), pressAction() }; }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

const char* const kLink = "tarrakindLink";
const char* const kChosen = "tarrakindChosen";

// The selection of the desktop style, #308CC6, holds white text at 3.7:1 only.
const QColor kSelection(0x2A, 0x6B, 0xA8);

const char* const kValueScale = "tarrakindValueScale";
const char* const kCheckableRows = "tarrakindCheckableRows";

// Labels the keyboard opens, and frames clicked as buttons are (the logos, the colour
// swatch): their press action does what a click does.
class Pressable : public QAccessibleWidget {
public:
    Pressable(QWidget* w, QAccessible::Role role)
        : QAccessibleWidget(w, role)
    { }

    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return;
        if (auto* frame = qobject_cast<ClickableFrame*>(widget())) {
            frame->click();
            return;
        }
        // A link opens on a key press, as the keyboard opens it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

// A slider that shows a value times its scale reads the value itself.
class ScaledSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScaledSlider(QSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    { }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(currentValue().toDouble(), 'f', 1);
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value() / scale(); }
    void setCurrentValue(const QVariant& value) override
    {
        slider()->setValue(qRound(value.toDouble() * scale()));
    }
    QVariant maximumValue() const override { return slider()->maximum() / scale(); }
    QVariant minimumValue() const override { return slider()->minimum() / scale(); }
    QVariant minimumStepSize() const override { return slider()->singleStep() / scale(); }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    double scale() const { return qMax(1, slider()->property(kValueScale).toInt()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (auto* rows = qobject_cast<QTreeView*>(object); rows && object->property(kCheckableRows).toBool())
        return new CheckableRows(rows);
    if (className == QLatin1String("QLabel") && object->property(kLink).toBool())
        return new Pressable(w, QAccessible::Link);
    if (qobject_cast<ClickableFrame*>(object))
        return new Pressable(w, QAccessible::Button);
    if (className == QLatin1String("QSlider") && object->property(kValueScale).isValid())
        return new ScaledSlider(static_cast<QSlider*>(object));
    if (className == QLatin1String("QComboBox"))
        return new NamedComboBox(static_cast<QComboBox*>(object));
    if (className == QLatin1String("TForm1"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace accessibility {

namespace {

// An interface made before the property was set (a label's text sends an event while it
// is built) is dropped, so that the next query makes the right one.
void forgetInterface(QWidget* w)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

std::function<void(QAccessibleEvent*)>& eventHook()
{
    static std::function<void(QAccessibleEvent*)> hook;
    return hook;
}

void send(QAccessibleEvent& event)
{
    if (eventHook())
        eventHook()(&event);
    QAccessible::updateAccessibility(&event);
}

bool listened()
{
    return QAccessible::isActive() || eventHook();
}

} // namespace

void markLink(QWidget* label)
{
    label->setProperty(kLink, true);
    forgetInterface(label);
}

void setValueScale(QSlider* slider, int scale)
{
    slider->setProperty(kValueScale, scale);
    forgetInterface(slider);
}

void markCheckableRows(QTreeView* view)
{
    view->setProperty(kCheckableRows, true);
    forgetInterface(view);
}

void setEventHook(std::function<void(QAccessibleEvent*)> hook)
{
    eventHook() = std::move(hook);
}

void checkStateChanged(QAbstractItemView* view, const QModelIndex& index)
{
    if (!listened())
        return;
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view)->tableInterface();
    if (QAccessibleInterface* cell = table ? table->cellAt(index.row(), index.column()) : nullptr) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(cell, changed);
        send(event);
    }
}

void announce(QWidget* shown)
{
    if (!listened())
        return;
    QAccessibleEvent event(shown, QAccessible::NameChanged);
    send(event);
}

void announce(QAbstractItemView* view, const QModelIndex& index)
{
    if (!listened() || !index.isValid())
        return;
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view)->tableInterface();
    if (QAccessibleInterface* cell = table ? table->cellAt(index.row(), index.column()) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        send(event);
    }
}

} // namespace accessibility

namespace accessibility {

void ReadableStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool onSelection = option->state & State_Selected;
    frame(painter, option->rect,
        option->palette.color(onSelection ? QPalette::HighlightedText : QPalette::Highlight));
}

void ReadableStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && widget && widget->property(kChosen).toBool())
        frame(painter, option->rect, option->palette.color(QPalette::Highlight));
}

void ReadableStyle::frame(QPainter* painter, const QRect& rect, const QColor& colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(colour, 1));
    const QRect r = rect.adjusted(0, 0, -1, -1);
    painter->drawRect(r);
    painter->drawRect(r.adjusted(1, 1, -1, -1));
    painter->restore();
}

void installReadableLook()
{
    static const bool installed = [] {
        QApplication::setStyle(new ReadableStyle);
        QPalette pal = QApplication::palette();
        for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
            pal.setColor(group, QPalette::Highlight, kSelection);
            pal.setColor(group, QPalette::HighlightedText, Qt::white);
        }
        QApplication::setPalette(pal);
        return true;
    }();
    Q_UNUSED(installed);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel
            = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        const QColor rgb = c.toRgb();
        return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

void showChosen(QWidget* button, bool chosen)
{
    if (button->property(kChosen).toBool() == chosen)
        return;
    button->setProperty(kChosen, chosen);
    button->update();
}

} // namespace accessibility
