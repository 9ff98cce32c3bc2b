#pragma once

#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

// A scroll view that moves a page at a time: its content is a row of pages
// as wide as the view. A swipe on the background (or a sideways wheel) goes
// to the next or previous page; controls on the pages keep their own
// touches. It tells its delegate when a swipe has come to rest.
class PagingScrollView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPointF contentOffset READ contentOffset WRITE setContentOffsetValue)
public:
    class Delegate {
    public:
        virtual ~Delegate() = default;
        virtual void scrollViewDidEndDecelerating(PagingScrollView* scrollView) = 0;
    };

    explicit PagingScrollView(QWidget* parent = nullptr);

    // The widget pages are children of.
    QWidget* contentView() const { return m_content; }
    QSizeF contentSize() const { return m_contentSize; }
    void setContentSize(const QSizeF& size);
    QPointF contentOffset() const { return m_offset; }
    void setContentOffset(const QPointF& offset, bool animated);
    bool isPagingEnabled() const { return m_paging; }
    void setPagingEnabled(bool paging) { m_paging = paging; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    void setDelegate(Delegate* delegate) { m_delegate = delegate; }
    Delegate* delegate() const { return m_delegate; }

    int pageCount() const;
    int currentPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setContentOffsetValue(const QPointF& offset);
    void settleOnPage(int page, bool tellDelegate);
    QPointF clamped(QPointF offset) const;

    QWidget* m_content;
    QSizeF m_contentSize;
    QPointF m_offset;
    bool m_paging = false;
    bool m_scrollEnabled = true;
    Delegate* m_delegate = nullptr;
    QPropertyAnimation m_animation;
    bool m_dragging = false;
    QPointF m_pressPos;
    QPointF m_pressOffset;
    qint64 m_pressTime = 0;
    qreal m_wheelAccumulated = 0;
};
