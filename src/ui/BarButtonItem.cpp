#include "ui/BarButtonItem.h"

BarButtonItem::BarButtonItem(const QString& title, Style style, QObject* parent)
    : QObject(parent)
    , m_title(title)
    , m_style(style)
{
}

BarButtonItem::BarButtonItem(const QIcon& icon, Style style, QObject* parent)
    : QObject(parent)
    , m_icon(icon)
    , m_style(style)
{
}

BarButtonItem* BarButtonItem::space(SystemItem kind, int width, QObject* parent)
{
    auto* item = new BarButtonItem(QString(), Plain, parent);
    item->m_systemItem = kind;
    item->m_width = width;
    return item;
}

void BarButtonItem::setTitle(const QString& title)
{
    m_title = title;
    emit changed();
}

void BarButtonItem::setPossibleTitles(const QStringList& titles)
{
    m_possibleTitles = titles;
    emit changed();
}

void BarButtonItem::setIcon(const QIcon& icon)
{
    m_icon = icon;
    emit changed();
}

void BarButtonItem::setToolTip(const QString& toolTip)
{
    m_toolTip = toolTip;
    emit changed();
}

void BarButtonItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    emit changed();
}

BarButtonItem* BarButtonItem::buttonWithChangedTitle(const QString& title, QObject* parent) const
{
    auto* item = new BarButtonItem(title, m_style, parent);
    item->m_tag = m_tag;
    // The same action: pressing the new button presses this one's receivers.
    connect(item, &BarButtonItem::triggered, this, [self = const_cast<BarButtonItem*>(this)] { emit self->triggered(self); });
    return item;
}

void BarButtonItem::trigger()
{
    if (m_enabled)
        emit triggered(this);
}
