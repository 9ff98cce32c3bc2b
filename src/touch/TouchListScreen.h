#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

class ListTextSize;
class QAbstractItemModel;
class TouchRemotes;
class VLCController;

// What the list screens over the remote screen share: the session (through
// the remotes), whether the screen shows (active), its rows, and a poll of
// the session's remote at the screen's own pace while it shows, and the
// text size of its rows (a ListTextSize of the remotes) with the events
// that change it.
class TouchListScreen : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_MOC_INCLUDE("touch/TouchRemotes.h")
    Q_PROPERTY(TouchRemotes* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QObject* rows READ rowsObject NOTIFY remotesChanged)
    // The rows' text size in points.
    Q_PROPERTY(int textSize READ textSize NOTIFY textSizeChanged)
public:
    ~TouchListScreen() override;

    TouchRemotes* remotes() const { return m_remotes; }
    void setRemotes(TouchRemotes* remotes);
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
    TouchListScreen(int pollIntervalMs, QObject* parent);

    // The session's remote, null while there is none.
    std::shared_ptr<VLCController> remote() const;
    // The screen's wiring to the session of remotes(); previous is the one
    // it had (null the first time, or when it went).
    virtual void remotesSet(TouchRemotes* previous) = 0;
    // This screen's text size among those the remotes keep.
    virtual ListTextSize& textSizeIn(TouchRemotes& remotes) const = 0;
    virtual void poll(VLCController& remote) = 0;
    // Right after the poll starts or stops.
    virtual void activeSet() {}

private:
    QPointer<TouchRemotes> m_remotes;
    QPointer<ListTextSize> m_textSize;
    bool m_active = false;
    QTimer m_pollTimer;
};
