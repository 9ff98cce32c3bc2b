#pragma once

#include <QWidget>

// A row of dots, one per page, the current one lit: tells that there are
// more pages than the one shown. Clicking a dot asks for its page.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    int numberOfPages() const { return m_pages; }
    void setNumberOfPages(int pages);
    int currentPage() const { return m_current; }
    void setCurrentPage(int page);
    // The dots' diameter and the gap between them, in pixels.
    void setDotSize(int diameter);
    QRect dotRect(int page) const;

    QSize sizeHint() const override;

signals:
    void pageChosen(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pages = 0;
    int m_current = 0;
    int m_dot = 7;
};
