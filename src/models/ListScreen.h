#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

class ListTextSize;
class QAbstractItemModel;
class RemotesScreen;
class VLCController;

// What the list screens over the remote screen share: the session (through
// the remotes), whether the screen shows (active), its rows, and a poll of
// the session's remote at the screen's own pace while it shows, and the
// text size of its rows (a ListTextSize of the remotes) with the events
// that change it.
class ListScreen : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_MOC_INCLUDE("models/RemotesScreen.h")
    Q_PROPERTY(RemotesScreen* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QObject* rows READ rowsObject NOTIFY remotesChanged)
    // The rows' text size in points.
    Q_PROPERTY(int textSize READ textSize NOTIFY textSizeChanged)
public:
    ~ListScreen() override;

    RemotesScreen* remotes() const { return m_remotes; }
    void setRemotes(RemotesScreen* remotes);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    virtual QAbstractItemModel* rows() const = 0;
    QObject* rowsObject() const;
    int textSize() const;

    // A pinch on the list: begin, the scale so far, end.
    Q_INVOKABLE void beginTextPinch();
    Q_INVOKABLE void textPinchScaled(qreal scale);
    Q_INVOKABLE void endTextPinch();
    // The wheel and keys that size the text; true when they did.
    Q_INVOKABLE bool textSizeWheel(int angleDelta, int modifiers);
    Q_INVOKABLE bool textSizeKey(int key, int modifiers);

signals:
    void remotesChanged();
    void activeChanged();
    void textSizeChanged();

protected:
    ListScreen(int pollIntervalMs, QObject* parent);

    // The session's remote, null while there is none.
    std::shared_ptr<VLCController> remote() const;
    // The screen's wiring to the session of remotes(); previous is the one
    // it had (null the first time, or when it went).
    virtual void remotesSet(RemotesScreen* previous) = 0;
    // This screen's text size among those the remotes keep.
    virtual ListTextSize& textSizeIn(RemotesScreen& remotes) const = 0;
    virtual void poll(VLCController& remote) = 0;
    // Right after the poll starts or stops.
    virtual void activeSet() {}

private:
    QPointer<RemotesScreen> m_remotes;
    QPointer<ListTextSize> m_textSize;
    bool m_active = false;
    QTimer m_pollTimer;
};
