#include "ui/NavigationItem.h"

#include "ui/BarButtonItem.h"

NavigationItem::NavigationItem(QObject* parent)
    : QObject(parent)
{
}

void NavigationItem::setTitle(const QString& title)
{
    m_title = title;
    emit changed();
}

void NavigationItem::setTitleView(QWidget* view)
{
    m_titleView = view;
    emit changed();
}

void NavigationItem::setBackButtonTitle(const QString& title)
{
    m_backButtonTitle = title;
    emit changed();
}

void NavigationItem::setLeftBarButtonItem(BarButtonItem* item)
{
    m_left = item;
    emit changed();
}

void NavigationItem::setRightBarButtonItem(BarButtonItem* item)
{
    m_right = item;
    emit changed();
}

void NavigationItem::setHidesBackButton(bool hides)
{
    m_hidesBackButton = hides;
    emit changed();
}
