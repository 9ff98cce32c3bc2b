#include "models/skin/SkinPagesControl.h"

#include "core/Clock.h"
#include "core/PreferenceKeys.h"
#include "models/skin/SkinRoles.h"
#include "models/skin/SkinScene.h"

#include <algorithm>
#include <cmath>

SkinPagesControl::SkinPagesControl(std::shared_ptr<const SkinDocument> document, const SkinElement& element,
                                   SkinScene* scene, SkinControl* parent)
    : SkinControl(std::move(document), element, scene, parent)
{
    if (isMain() && pageCount() > 0)
        m_currentPage = scene->preference(PreferenceKeys::slideScreenPosition).toInt() % pageCount();
    if (m_currentPage < 0)
        m_currentPage += pageCount();
}

bool SkinPagesControl::isMain() const
{
    return skinId() == SkinRoles::mainScrollView;
}

bool SkinPagesControl::isSlidable() const
{
    if (!isMain())
        return true;
    return scene()->preference(PreferenceKeys::slideRemoteScreens).toBool();
}

bool SkinPagesControl::showsPageDots() const
{
    return isMain() && pageCount() > 1;
}

qreal SkinPagesControl::roomBelow() const
{
    qreal top = 0;
    const SkinControl* root = this;
    for (; root->parentControl(); root = root->parentControl())
        top += root->rect().y();
    return root->rect().height() - top - rect().height();
}

void SkinPagesControl::setCurrentPage(int page)
{
    if (pageCount() <= 0)
        return;
    page = std::clamp(page, 0, pageCount() - 1);
    if (isMain())
        scene()->keepPreference(PreferenceKeys::slideScreenPosition, page);
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit currentPageChanged();
}

int SkinPagesControl::pageAfterRelease(qreal contentX, qreal velocity) const
{
    const qreal width = rect().width();
    if (pageCount() <= 0 || width <= 0)
        return 0;
    // A throw goes on to the next page in its direction; a slow release
    // settles on the page that shows the most.
    constexpr qreal throwSpeed = 300;
    const qreal position = contentX / width;
    int page = int(std::lround(position));
    if (velocity > throwSpeed)
        page = int(std::floor(position)) + 1;
    else if (velocity < -throwSpeed)
        page = int(std::ceil(position)) - 1;
    return std::clamp(page, 0, pageCount() - 1);
}

bool SkinPagesControl::wheelSwiped(QPointF angleDelta, QPointF pixelDelta)
{
    const QPointF delta = angleDelta.isNull() ? pixelDelta : angleDelta;
    // Up and down belong to the controls on the pages.
    if (!isSlidable() || pageCount() <= 0 || std::abs(delta.x()) <= std::abs(delta.y()))
        return false;
    if (const int turn = m_wheelTurn.swiped(int(delta.x()), Clock::current().now()))
        setCurrentPage(m_currentPage + turn);
    return true;
}
