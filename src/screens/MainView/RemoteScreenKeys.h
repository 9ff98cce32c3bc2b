#pragma once

#include <QObject>

class QKeyEvent;
class RemoteSession;
class ViewController;

// The remote screen's keys, wherever the focus is in its window: space
// play/pause, left/right skip, up/down volume, N/P next/previous, F full
// screen, Ctrl+left/right or Page Up/Down turn the skin's pages. A text
// field being edited, a button reached by Tab (space presses it) and an
// alert over the screen keep their keys.
class RemoteScreenKeys : public QObject {
    Q_OBJECT
public:
    RemoteScreenKeys(ViewController& screen, RemoteSession& session);
    ~RemoteScreenKeys() override;

    // While the screen is shown the keys reach the remote before the
    // control with focus (a list, a wheel, a slider) turns them to its use.
    void listen(bool on);
    // Acts on a documented key while the screen is on top; false when it
    // is not one.
    bool handle(const QKeyEvent* event);

signals:
    // -1 back, 1 on.
    void pageTurned(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewController& m_screen;
    RemoteSession& m_session;
};
