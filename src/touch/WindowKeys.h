#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QQuickWindow;
class SkinScene;

// The keys of the whole window, seen before the item with the focus turns
// them to its own use: Escape (and a phone's back key) goes back a screen;
// while a remote screen shows, space, the arrows, N, P, F and the page keys
// drive it. Keys typed into a text field, those of an open popup, and
// Space or Enter on a button reached by Tab are left alone.
class WindowKeys : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The window's keys are installed by the program")
    Q_MOC_INCLUDE("touch/skin/SkinScene.h")
    // The remote screen's skin while it shows; none otherwise.
    Q_PROPERTY(SkinScene* remote READ remote WRITE setRemote NOTIFY remoteChanged)
    // Whether there is a screen to go back to; without one, the back key is
    // the platform's (on a phone it leaves the program).
    Q_PROPERTY(bool canGoBack READ canGoBack WRITE setCanGoBack NOTIFY canGoBackChanged)
public:
    explicit WindowKeys(QObject* parent = nullptr);

    void install(QQuickWindow* window);
    SkinScene* remote() const;
    void setRemote(SkinScene* remote);
    bool canGoBack() const { return m_canGoBack; }
    void setCanGoBack(bool canGoBack);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void remoteChanged();
    void canGoBackChanged();
    void backRequested();

private:
    // Held as an object: events reach the filter while the window is
    // being destroyed, when it is a QQuickWindow no longer.
    QPointer<QObject> m_window;
    QPointer<SkinScene> m_remote;
    bool m_canGoBack = false;
};
