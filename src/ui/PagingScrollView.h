#pragma once

#include <QPointer>
#include <QPropertyAnimation>
#include <QTimer>
#include <QWidget>

class QMouseEvent;
class QPointingDevice;
class QWheelEvent;

// A scroll view that moves a page at a time: its content is a row of pages
// as wide as the view. A mostly sideways drag turns the page wherever it
// starts, on the background or on a control of a page (a list or a wheel
// keeps its own vertical drags, and a tap still reaches it); so does a
// sideways wheel or trackpad swipe, one page per swipe. It tells its
// delegate when a page turn has come to rest.
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
    ~PagingScrollView() override;

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
    // The page most of the view shows, also in the middle of a turn.
    int visiblePage() const;
    // Turns to a page (held within the pages) as a swipe would, telling the
    // delegate when it comes to rest.
    void scrollToPage(int page, bool animated);

signals:
    // The page most of the view shows changed.
    void visiblePageChanged(int page);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A press on a control of a page, held back until its direction shows.
    struct HeldPress {
        QPointer<QWidget> receiver;
        QPointF local;
        QPointF scene;
        QPointF global;
        Qt::MouseButton button = Qt::NoButton;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        quint64 timestamp = 0;
        const QPointingDevice* device = nullptr;
    };
    enum class ContentGesture { None, Held, Paging };

    void setContentOffsetValue(const QPointF& offset);
    void settleOnPage(int page, bool tellDelegate);
    QPointF clamped(QPointF offset) const;
    bool swipeable() const;
    void beginDrag(const QPointF& position);
    void moveDrag(const QPointF& position);
    void endDrag(const QPointF& position);
    bool turnByWheel(QWheelEvent* event);
    bool filterContentMouse(QWidget* receiver, QMouseEvent* event);
    void handHeldPressToControl();

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
    int m_visiblePage = 0;

    qreal m_wheelAccumulated = 0;
    // One swipe of a trackpad (or one tilt of a wheel) turns one page: the
    // rest of its stream is ignored until it pauses.
    bool m_wheelSpent = false;
    QTimer m_wheelPause;

    ContentGesture m_contentGesture = ContentGesture::None;
    HeldPress m_held;
    QTimer m_holdTimer;
    bool m_replaying = false;
};
