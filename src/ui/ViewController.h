#pragma once

#include "ui/InterfaceOrientation.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class BarButtonItem;
class NavigationController;
class NavigationItem;

// A screen: a widget with the life-cycle hooks the navigation stack drives
// (loaded once, then will/did appear and disappear on every visit), a
// navigation item for the bar, toolbar items, and the rotation rule.
class ViewController : public QWidget {
    Q_OBJECT
public:
    explicit ViewController(QWidget* parent = nullptr);
    ~ViewController() override;

    NavigationItem* navigationItem() const { return m_navigationItem; }
    QString title() const;
    void setTitle(const QString& title);

    NavigationController* navigationController() const;
    void setNavigationController(NavigationController* controller);

    QList<BarButtonItem*> toolbarItems() const { return m_toolbarItems; }
    void setToolbarItems(const QList<BarButtonItem*>& items);

    // Builds the screen's content the first time it is needed.
    void loadViewIfNeeded();
    bool isViewLoaded() const { return m_viewLoaded; }
    bool isVisibleOnStack() const { return m_onScreen; }

    // Called by the navigation stack.
    void beginAppearance(bool appearing, bool animated);
    void endAppearance();

    // The rotation rule: all orientations while the lock its navigation
    // stack was given is 0, otherwise only the one it names.
    virtual bool shouldAutorotateToInterfaceOrientation(int orientation) const;
    virtual void didRotateFromInterfaceOrientation(int fromOrientation);
    int interfaceOrientation() const { return m_orientation; }
    void setInterfaceOrientation(int orientation);
    // The smallest size the screen's own area (between the bars) needs in
    // an orientation to show its content whole; empty when any will do.
    virtual QSize minimumViewSize(int orientation) const;

    // Sets the back button shown on the screen above this one.
    void setBackButtonTitle(const QString& title);

signals:
    void toolbarItemsChanged();

protected:
    virtual void viewDidLoad() { }
    virtual void viewWillAppear(bool animated) { Q_UNUSED(animated); }
    virtual void viewDidAppear(bool animated) { Q_UNUSED(animated); }
    virtual void viewWillDisappear(bool animated) { Q_UNUSED(animated); }
    virtual void viewDidDisappear(bool animated) { Q_UNUSED(animated); }

private:
    NavigationItem* m_navigationItem;
    QPointer<NavigationController> m_navigationController;
    QList<BarButtonItem*> m_toolbarItems;
    bool m_viewLoaded = false;
    bool m_onScreen = false;
    bool m_pendingAppear = false;
    bool m_pendingAnimated = false;
    int m_orientation = OrientationPortrait;
};
