// The section index strip of TableView.
#include "ui/TableView.h"

#include "ui/TableIndexBar.h"

int TableView::sectionIndexWidth() const
{
    return m_indexBar && m_indexBar->isVisible() ? m_indexBar->width() : 0;
}

void TableView::updateSectionIndex()
{
    const QStringList titles = m_dataSource ? m_dataSource->sectionIndexTitlesForTableView(this) : QStringList();
    if (titles.isEmpty()) {
        if (m_indexBar)
            m_indexBar->hide();
        return;
    }
    if (!m_indexBar) {
        m_indexBar = new TableIndexBar(viewport());
        connect(m_indexBar, &TableIndexBar::titleChosen, this, &TableView::sectionIndexChosen);
    }
    m_indexBar->setTitles(titles);
    m_indexBar->setGeometry(viewport()->width() - TableIndexBar::preferredWidth, 0, TableIndexBar::preferredWidth,
                            viewport()->height());
    m_indexBar->show();
    m_indexBar->raise();
}

void TableView::sectionIndexChosen(const QString& title, int index)
{
    if (!m_dataSource)
        return;
    const int section = m_dataSource->sectionForSectionIndexTitle(this, title, index);
    if (section < 0 || section >= m_layout.sectionCount())
        return;
    setContentOffset(QPoint(0, m_layout.sectionTop(section)));
}
