#include "ui/CellHostedView.h"

#include "ui/TableViewCell.h"

namespace {
const char* const homeProperty = "playerlinkCellHome";

// The widget a view belongs to outside the cells, if any.
QWidget* homeOutsideCells(QWidget* parent)
{
    for (QWidget* ancestor = parent; ancestor; ancestor = ancestor->parentWidget()) {
        if (qobject_cast<TableViewCell*>(ancestor))
            return nullptr;
    }
    return parent;
}
}

bool CellHostedView::set(QWidget* view, QWidget* host)
{
    if (view == m_view && host == m_host) {
        if (view && view->parentWidget() != host) {
            view->setParent(host);
            view->show();
        }
        return false;
    }
    // A view another cell has taken over since is no longer ours to give back.
    if (m_view && m_view != view && m_view->parentWidget() == m_host)
        giveBack(m_view);
    m_view = view;
    m_host = host;
    if (!view)
        return true;
    if (!view->property(homeProperty).isValid())
        view->setProperty(homeProperty, QVariant::fromValue(QPointer<QWidget>(homeOutsideCells(view->parentWidget()))));
    if (view->parentWidget() != host)
        view->setParent(host);
    view->show();
    return true;
}

void CellHostedView::giveBack(QWidget* view)
{
    const auto home = view->property(homeProperty).value<QPointer<QWidget>>();
    view->setProperty(homeProperty, QVariant());
    view->hide();
    if (home)
        view->setParent(home);
    else
        view->deleteLater();
}
