#include "ui/ViewController.h"

#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"

ViewController::ViewController(QWidget* parent)
    : QWidget(parent)
    , m_navigationItem(new NavigationItem(this))
{
}

ViewController::~ViewController() = default;

QString ViewController::title() const
{
    return m_navigationItem->title();
}

void ViewController::setTitle(const QString& title)
{
    m_navigationItem->setTitle(title);
}

NavigationController* ViewController::navigationController() const
{
    return m_navigationController;
}

void ViewController::setNavigationController(NavigationController* controller)
{
    m_navigationController = controller;
}

void ViewController::setToolbarItems(const QList<BarButtonItem*>& items)
{
    m_toolbarItems = items;
    emit toolbarItemsChanged();
}

void ViewController::loadViewIfNeeded()
{
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
}

void ViewController::beginAppearance(bool appearing, bool animated)
{
    loadViewIfNeeded();
    m_pendingAppear = appearing;
    m_pendingAnimated = animated;
    if (appearing)
        viewWillAppear(animated);
    else
        viewWillDisappear(animated);
}

void ViewController::endAppearance()
{
    m_onScreen = m_pendingAppear;
    if (m_pendingAppear)
        viewDidAppear(m_pendingAnimated);
    else
        viewDidDisappear(m_pendingAnimated);
}

bool ViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    const int locked = m_navigationController ? m_navigationController->rotationLock() : 0;
    return Orientation::allowedByRotationLock(orientation, locked);
}

void ViewController::didRotateFromInterfaceOrientation(int)
{
}

void ViewController::setInterfaceOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    const int from = m_orientation;
    m_orientation = orientation;
    if (m_viewLoaded)
        didRotateFromInterfaceOrientation(from);
}

void ViewController::setBackButtonTitle(const QString& title)
{
    m_navigationItem->setBackButtonTitle(title);
}

QSize ViewController::minimumViewSize(int) const
{
    return {};
}
