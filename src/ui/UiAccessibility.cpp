#include "ui/UiAccessibility.h"

#include "ui/TableView.h"
#include "ui/TrackSlider.h"
#include "ui/ViewController.h"
#include "ui/ZoomSlider.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

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
        if (t != QAccessible::Name || !m_table)
            return {};
        return m_table->accessibleTextForRow(indexPath());
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
