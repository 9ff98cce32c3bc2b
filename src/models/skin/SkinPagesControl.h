#pragma once

#include "models/skin/SkinControl.h"
#include "models/skin/WheelPageTurn.h"

#include <QPointF>

// A scroll view of a skin: pages side by side (its children), one shown at
// a time, turned by a swipe, the wheel or the keys. The main scroll view
// remembers its page across runs, slides only when the preferences say so,
// and shows dots for its pages below itself.
class SkinPagesControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(int pageCount READ pageCount CONSTANT)
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(bool slidable READ isSlidable CONSTANT)
    Q_PROPERTY(bool showsPageDots READ showsPageDots CONSTANT)
    Q_PROPERTY(qreal roomBelow READ roomBelow NOTIFY geometryChanged)
public:
    SkinPagesControl(std::shared_ptr<const SkinDocument> document, const SkinElement& element, SkinScene* scene,
                     SkinControl* parent);

    bool isMain() const;
    int pageCount() const { return element().pageCount; }
    int currentPage() const { return m_currentPage; }
    // Moves to a page (held within the pages); the main scroll view
    // remembers it across runs.
    void setCurrentPage(int page);
    bool isSlidable() const;
    // The main scroll view shows which of its pages is shown, when it has
    // more than one.
    bool showsPageDots() const;
    // Pixels between the control's bottom and the skin's (where the page
    // dots go).
    qreal roomBelow() const;
    // Where a swipe released at contentX (the pages' left edge offset)
    // with velocity (pixels per second, positive towards later pages)
    // comes to rest: the next page when it was thrown, else the nearest.
    Q_INVOKABLE int pageAfterRelease(qreal contentX, qreal velocity) const;
    // A wheel or trackpad event over the pages (its deltas in eighths of a
    // degree and in pixels): a sideways one turns them, by one page a
    // swipe. False for one that is not theirs.
    Q_INVOKABLE bool wheelSwiped(QPointF angleDelta, QPointF pixelDelta);

signals:
    void currentPageChanged();

private:
    int m_currentPage = 0;
    WheelPageTurn m_wheelTurn;
};
