#include "ui/NavigationController.h"

#include "core/Localization.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationItem.h"
#include "ui/TabOrder.h"
#include "ui/Toolbar.h"
#include "ui/TransitionOverlay.h"
#include "ui/UiPalette.h"

#include <QKeyEvent>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QResizeEvent>

namespace {
constexpr int slideMs = 300;
constexpr int wholeViewMs = 1000;
}

NavigationController::NavigationController(ViewController* root, QWidget* parent)
    : QWidget(parent)
    , m_bar(new NavigationBar(this))
    , m_toolbar(new Toolbar(this))
    , m_content(new QWidget(this))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, UiPalette::background());
    setPalette(pal);
    m_toolbar->hide();
    connect(m_bar, &NavigationBar::backRequested, this, [this] {
        if (!m_transitioning)
            popViewControllerAnimated(true);
    });
    if (root)
        pushScreen(root, false);
}

NavigationController::~NavigationController() = default;

QList<ViewController*> NavigationController::viewControllers() const
{
    QList<ViewController*> out;
    for (const auto& vc : m_stack)
        if (vc)
            out.append(vc);
    return out;
}

ViewController* NavigationController::topViewController() const
{
    return m_stack.isEmpty() ? nullptr : m_stack.last().data();
}

ViewController* NavigationController::rootViewController() const
{
    return m_stack.isEmpty() ? nullptr : m_stack.first().data();
}

void NavigationController::pushViewController(ViewController* controller, bool animated)
{
    pushScreen(controller, animated);
}

ViewController* NavigationController::popViewControllerAnimated(bool animated)
{
    return popScreen(animated);
}

QList<ViewController*> NavigationController::popToViewController(ViewController* controller, bool animated)
{
    QList<ViewController*> popped;
    while (topViewController() && topViewController() != controller && m_stack.size() > 1) {
        const bool last = m_stack.size() >= 2 && m_stack[m_stack.size() - 2] == controller;
        popped.append(popViewControllerAnimated(animated && last));
    }
    return popped;
}

QList<ViewController*> NavigationController::popToRootViewControllerAnimated(bool animated)
{
    return popToViewController(rootViewController(), animated);
}

void NavigationController::pushScreen(ViewController* controller, bool animated)
{
    Q_ASSERT(controller);
    if (!controller || m_stack.contains(controller))
        return;
    ViewController* from = topViewController();
    controller->setNavigationController(this);
    controller->setInterfaceOrientation(m_orientation);
    m_stack.append(controller);
    connect(controller, &ViewController::toolbarItemsChanged, this, &NavigationController::updateBars,
            Qt::UniqueConnection);
    showScreen(from, controller, Direction::Forward, animated, [] {});
    emit stackChanged();
}

ViewController* NavigationController::popScreen(bool animated)
{
    if (m_stack.size() <= 1)
        return nullptr;
    ViewController* top = m_stack.takeLast();
    showScreen(top, topViewController(), Direction::Back, animated, [] {});
    emit stackChanged();
    return top;
}

void NavigationController::showScreen(ViewController* from, ViewController* to, Direction direction, bool animated,
                                      std::function<void()> done)
{
    // A transition still running ends at once; the new one starts from there.
    for (TransitionOverlay* overlay : findChildren<TransitionOverlay*>(Qt::FindDirectChildrenOnly))
        overlay->finishNow();

    if (to && to->parentWidget() != m_content)
        to->setParent(m_content);
    if (from)
        from->beginAppearance(false, animated);
    if (to) {
        to->beginAppearance(true, animated);
        to->setGeometry(m_content->rect());
    }
    updateBars();
    layoutContent();

    auto finish = [from = QPointer<ViewController>(from), to = QPointer<ViewController>(to), this, done] {
        if (from && from != topViewController())
            from->hide();
        if (to)
            to->move(0, 0);
        if (from)
            from->endAppearance();
        if (to)
            to->endAppearance();
        m_transitioning = false;
        done();
    };

    if (!animated || !from || !to || !isVisible()) {
        if (to) {
            to->show();
            to->raise();
        }
        finish();
        return;
    }

    m_transitioning = true;
    const int w = m_content->width();
    const bool forward = direction == Direction::Forward;
    to->move(forward ? w : -w / 3, 0);
    to->show();
    if (forward)
        to->raise();
    else
        from->raise();
    auto* group = new QParallelAnimationGroup(this);
    auto* toMove = new QPropertyAnimation(to, "pos", group);
    toMove->setEndValue(QPoint(0, 0));
    auto* fromMove = new QPropertyAnimation(from, "pos", group);
    fromMove->setEndValue(QPoint(forward ? -w / 3 : w, 0));
    for (QPropertyAnimation* a : { toMove, fromMove }) {
        a->setDuration(slideMs);
        a->setEasingCurve(QEasingCurve::OutCubic);
    }
    connect(group, &QAbstractAnimation::finished, this, [finish, group, from = QPointer<ViewController>(from)] {
        if (from)
            from->move(0, 0);
        finish();
        group->deleteLater();
    });
    group->start();
}

void NavigationController::runWholeViewTransition(int kind, const std::function<void()>& change)
{
    for (TransitionOverlay* overlay : findChildren<TransitionOverlay*>(Qt::FindDirectChildrenOnly))
        overlay->finishNow();
    if (!isVisible() || kind == TransitionOverlay::None) {
        change();
        return;
    }
    const QPixmap before = grab();
    change();
    layoutContent();
    const QPixmap after = grab();
    m_transitioning = true;
    auto* overlay = new TransitionOverlay(this, before, after, kind, wholeViewMs, [this] { m_transitioning = false; });
    overlay->start();
}

void NavigationController::setNavigationBarHidden(bool hidden, bool)
{
    if (m_barHidden == hidden)
        return;
    m_barHidden = hidden;
    layoutContent();
}

void NavigationController::setToolbarHidden(bool hidden)
{
    if (m_toolbarHidden == hidden)
        return;
    m_toolbarHidden = hidden;
    layoutContent();
}

void NavigationController::updateBars()
{
    ViewController* top = topViewController();
    if (!top) {
        m_bar->showItem(nullptr, QString());
        m_toolbar->setItems({});
        setToolbarHidden(true);
        return;
    }
    QString back;
    if (m_stack.size() > 1) {
        ViewController* below = m_stack[m_stack.size() - 2];
        back = below->navigationItem()->backButtonTitle();
        if (back.isEmpty())
            back = below->title();
        if (back.isEmpty())
            back = localizedString("Back");
    }
    m_bar->showItem(top->navigationItem(), back);
    m_toolbar->setItems(top->toolbarItems());
    // The screen on top decides alone: one that goes away cannot take the
    // toolbar of the screen it uncovers with it.
    setToolbarHidden(top->toolbarItems().isEmpty());
}

QSize NavigationController::minimumSizeFor(int orientation) const
{
    ViewController* top = topViewController();
    const QSize view = top ? top->minimumViewSize(orientation) : QSize();
    if (view.isEmpty())
        return {};
    // The bars as they stand in that orientation: the navigation bar is
    // lower in landscape.
    int bars = 0;
    if (!m_barHidden)
        bars += Orientation::isLandscape(orientation) ? NavigationBar::compactHeight : NavigationBar::regularHeight;
    if (!m_toolbarHidden)
        bars += m_toolbar->sizeHint().height();
    return { view.width(), view.height() + bars };
}

void NavigationController::layoutContent()
{
    const bool landscape = Orientation::isLandscape(m_orientation);
    m_bar->setCompact(landscape);
    int top = 0;
    int bottom = height();
    if (!m_barHidden) {
        const int h = m_bar->sizeHint().height();
        m_bar->setGeometry(0, 0, width(), h);
        m_bar->show();
        m_bar->raise();
        top = h;
    } else {
        m_bar->hide();
    }
    if (!m_toolbarHidden) {
        const int h = m_toolbar->sizeHint().height();
        m_toolbar->setGeometry(0, height() - h, width(), h);
        m_toolbar->show();
        m_toolbar->raise();
        bottom -= h;
    } else {
        m_toolbar->hide();
    }
    m_content->setGeometry(0, top, width(), qMax(0, bottom - top));
    for (const auto& vc : m_stack)
        if (vc && vc->parentWidget() == m_content)
            vc->resize(m_content->size());
}

void NavigationController::updateOrientation()
{
    const int orientation = Orientation::forSize(size());
    if (orientation == OrientationUnknown || orientation == m_orientation)
        return;
    m_orientation = orientation;
    for (const auto& vc : m_stack)
        if (vc)
            vc->setInterfaceOrientation(orientation);
    emit orientationChanged(orientation);
}

bool NavigationController::moveFocus(bool next)
{
    return TabOrder::move(this, { m_bar, m_content, m_toolbar }, next);
}

bool NavigationController::focusNextPrevChild(bool next)
{
    return moveFocus(next) || QWidget::focusNextPrevChild(next);
}

void NavigationController::resizeEvent(QResizeEvent*)
{
    updateOrientation();
    layoutContent();
    for (QWidget* overlay : findChildren<TransitionOverlay*>(Qt::FindDirectChildrenOnly))
        overlay->setGeometry(rect());
}

