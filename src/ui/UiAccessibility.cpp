#include "ui/UiAccessibility.h"

#include "ui/FitLabel.h"
#include "ui/PickerView.h"
#include "ui/PickerViewDelegate.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"
#include "ui/ViewController.h"
#include "ui/ZoomSlider.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <vector>

namespace {
// A slider: the zoom slider or the track slider, read through value(),
// minimumValue() (0 for the track slider) and maximumValue().
template <typename Slider>
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(Slider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(slider()->value(), 'f', 0);
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toDouble()); }
    QVariant maximumValue() const override { return slider()->maximumValue(); }
    QVariant minimumValue() const override
    {
        if constexpr (requires(const Slider& s) { s.minimumValue(); })
            return slider()->minimumValue();
        return 0.0;
    }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    Slider* slider() const { return static_cast<Slider*>(widget()); }
};

class TableAccessible;

// One row of a table; it has no widget of its own (cells come and go as the
// table scrolls).
class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(TableView* table, int index)
        : m_table(table)
        , m_index(index)
    {
    }
    bool isValid() const override { return m_table && indexPath().isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_table ? m_table->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_table.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!m_table || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        return m_table->accessibleTextForRow(indexPath(), t == QAccessible::Name ? TableView::RowText::Name
                                                                                 : TableView::RowText::Description);
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!m_table)
            return {};
        const QRect local = m_table->rectForRowAtIndexPath(indexPath()).translated(0, -m_table->contentOffset().y());
        return QRect(m_table->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        if (m_table) {
            state.selected = m_table->indexPathForSelectedRow() == indexPath();
            state.invisible = !m_table->viewport()->rect().intersects(rect().translated(
                -m_table->viewport()->mapToGlobal(QPoint())));
            state.offscreen = state.invisible;
        }
        return state;
    }
    // Rows count across sections, in order.
    IndexPath indexPath() const
    {
        int left = m_index;
        for (int section = 0; m_table && section < m_table->numberOfSections(); ++section) {
            const int rows = m_table->numberOfRowsInSection(section);
            if (left < rows)
                return IndexPath(section, left);
            left -= rows;
        }
        return {};
    }

private:
    QPointer<TableView> m_table;
    int m_index;
};

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView* table)
        : QAccessibleWidget(table, QAccessible::List)
    {
    }
    ~TableAccessible() override
    {
        for (const auto& [index, id] : m_rows)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override
    {
        int rows = 0;
        for (int section = 0; section < table()->numberOfSections(); ++section)
            rows += table()->numberOfRowsInSection(section);
        return rows;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_rows.find(index);
        if (found == m_rows.end())
            found = m_rows.emplace(index, QAccessible::registerAccessibleInterface(new RowAccessible(table(), index))).first;
        return QAccessible::accessibleInterface(found->second);
    }
    // A table with no name of its own is called after its screen.
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty())
            return text;
        for (QWidget* w = table()->parentWidget(); w; w = w->parentWidget())
            if (auto* screen = qobject_cast<ViewController*>(w))
                return screen->title();
        return text;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : m_rows)
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        return -1;
    }

private:
    TableView* table() const { return static_cast<TableView*>(widget()); }
    mutable std::map<int, QAccessible::Id> m_rows;
};

// A label reads as its text; what it is for (its accessible name, such as
// "Time Elapsed") becomes its description.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(FitLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->text();
        if (t == QAccessible::Description) {
            const QString description = widget()->accessibleDescription();
            return description.isEmpty() ? widget()->accessibleName() : description;
        }
        return QAccessibleWidget::text(t);
    }

    // Read only, nothing to select.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int start, int end) const override
    {
        const QString all = label()->text();
        if (end < 0 || end > all.size())
            end = int(all.size());
        return start >= 0 && start < end ? all.mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    FitLabel* label() const { return static_cast<FitLabel*>(widget()); }
};

// One wheel of a picker, as a spin box: the delegate names it and says
// what each row is worth and reads. It has no widget of its own.
class WheelAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    WheelAccessible(PickerView* picker, int component)
        : m_picker(picker)
        , m_component(component)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    }
    bool isValid() const override { return m_picker && m_component < m_picker->numberOfComponents(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_picker ? m_picker->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_picker.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        PickerViewDelegate* d = delegate();
        if (!d)
            return {};
        if (t == QAccessible::Name)
            return d->accessibleNameForComponent(m_picker, m_component);
        const int row = m_picker->selectedRowInComponent(m_component);
        if (t == QAccessible::Value && row >= 0)
            return d->titleForRow(m_picker, row, m_component);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!m_picker)
            return {};
        const QRect local = m_picker->rectForComponent(m_component).toAlignedRect();
        return QRect(m_picker->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::SpinBox; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        if (m_picker) {
            state.focused = m_picker->hasFocus() && m_picker->keyboardComponent() == m_component;
            state.disabled = !m_picker->isEnabled();
            state.invisible = !m_picker->isVisible();
        }
        return state;
    }

    QVariant currentValue() const override
    {
        const int row = m_picker ? m_picker->selectedRowInComponent(m_component) : -1;
        return row >= 0 && delegate() ? QVariant(delegate()->valueForRow(m_picker, row, m_component)) : QVariant();
    }
    // Turned as the user would turn it, to the row of that value nearest
    // the one shown.
    void setCurrentValue(const QVariant& value) override
    {
        const QVariant current = currentValue();
        if (current.isValid())
            m_picker->turnToRow(m_picker->selectedRowInComponent(m_component) + value.toInt() - current.toInt(),
                                m_component);
    }
    QVariant maximumValue() const override { return valueOfRow(m_picker ? m_picker->numberOfRowsInComponent(m_component) - 1 : -1); }
    QVariant minimumValue() const override { return valueOfRow(0); }
    QVariant minimumStepSize() const override { return 1; }

private:
    PickerViewDelegate* delegate() const { return m_picker ? m_picker->delegate() : nullptr; }
    QVariant valueOfRow(int row) const
    {
        if (!delegate() || row < 0 || row >= m_picker->numberOfRowsInComponent(m_component))
            return {};
        return delegate()->valueForRow(m_picker, row, m_component);
    }

    QPointer<PickerView> m_picker;
    int m_component;
};

// A picker holds one spin box per wheel that shows (the row views are
// drawings of the wheel, not controls of their own).
class PickerAccessible : public QAccessibleWidget {
public:
    explicit PickerAccessible(PickerView* picker)
        : QAccessibleWidget(picker, QAccessible::Grouping)
    {
    }
    ~PickerAccessible() override
    {
        for (const auto& [component, id] : m_wheels)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return int(shownWheels().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<int> shown = shownWheels();
        if (index < 0 || index >= int(shown.size()))
            return nullptr;
        return wheel(shown[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<int> shown = shownWheels();
        for (size_t i = 0; i < shown.size(); ++i)
            if (const auto found = m_wheels.find(shown[i]);
                found != m_wheels.end() && QAccessible::accessibleInterface(found->second) == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPointF local = picker()->mapFromGlobal(QPoint(x, y));
        const int component = picker()->componentAt(local);
        return component >= 0 ? wheel(component) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return picker()->hasFocus() ? wheel(picker()->keyboardComponent()) : nullptr;
    }

private:
    PickerView* picker() const { return static_cast<PickerView*>(widget()); }
    std::vector<int> shownWheels() const
    {
        std::vector<int> shown;
        for (int c = 0; c < picker()->numberOfComponents(); ++c)
            if (!picker()->rectForComponent(c).isEmpty() && picker()->numberOfRowsInComponent(c) > 0)
                shown.push_back(c);
        return shown;
    }
    QAccessibleInterface* wheel(int component) const
    {
        auto found = m_wheels.find(component);
        if (found == m_wheels.end())
            found = m_wheels
                        .emplace(component, QAccessible::registerAccessibleInterface(new WheelAccessible(picker(), component)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    mutable std::map<int, QAccessible::Id> m_wheels;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == u"TableView")
        return new TableAccessible(static_cast<TableView*>(object));
    if (className == u"ZoomSlider")
        return new SliderAccessible<ZoomSlider>(static_cast<ZoomSlider*>(object));
    if (className == u"TrackSlider")
        return new SliderAccessible<TrackSlider>(static_cast<TrackSlider*>(object));
    if (className == u"FitLabel")
        return new LabelAccessible(static_cast<FitLabel*>(object));
    if (className == u"PickerView")
        return new PickerAccessible(static_cast<PickerView*>(object));
    return nullptr;
}
}

void UiAccessibility::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(factory);
    installed = true;
}
