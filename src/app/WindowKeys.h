#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QQuickItem;
class QQuickWindow;
class SkinScene;

// The keys of the whole window, seen before the item with the focus turns
// them to its own use: Escape (and a phone's back key) goes back a screen;
// while a remote screen shows, space, the arrows, N, P, F and the page keys
// drive it; on another screen Up, Down, Enter and Delete go to its list
// (the first one shown) wherever the focus is. Keys typed into a text
// field, those of an open popup, Space or Enter on a button reached by Tab,
// and the arrows, page keys, Home and End on a wheel or a slider with the
// focus are left alone.
class WindowKeys : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window's keys are installed by the program")
    Q_MOC_INCLUDE("models/skin/SkinScene.h")
    // The remote screen's skin while it shows; none otherwise.
    Q_PROPERTY(SkinScene* remote READ remote WRITE setRemote NOTIFY remoteChanged)
    // Whether there is a screen to go back to; without one, the back key is
    // the platform's (on a phone it leaves the program).
    Q_PROPERTY(bool canGoBack READ canGoBack WRITE setCanGoBack NOTIFY canGoBackChanged)
    // The screen on top, whose list the list keys drive.
    Q_PROPERTY(QQuickItem* page READ page WRITE setPage NOTIFY pageChanged)
public:
    explicit WindowKeys(QObject* parent = nullptr);

    void install(QQuickWindow* window);
    SkinScene* remote() const;
    void setRemote(SkinScene* remote);
    bool canGoBack() const { return m_canGoBack; }
    void setCanGoBack(bool canGoBack);
    QQuickItem* page() const;
    void setPage(QQuickItem* page);
    // The list the list keys drive: the page's first one shown.
    QQuickItem* list() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void remoteChanged();
    void canGoBackChanged();
    void pageChanged();
    void backRequested();

private:
    // Held as an object: events reach the filter while the window is
    // being destroyed, when it is a QQuickWindow no longer.
    QPointer<QObject> m_window;
    QPointer<SkinScene> m_remote;
    QPointer<QQuickItem> m_page;
    bool m_canGoBack = false;
};
