#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class RemotesModel;
class VLCController;

// The remote screen switched to the next (or previous) listed computer
// whose VLC answers, without going back to the list. The list asks its
// computers only while it shows, so each other computer is asked afresh;
// once every one has answered or given up, the next in the list's order
// that answers as VLC is chosen, wrapping around. None answering: nothing
// is chosen.
class RemoteSwitch : public QObject {
    Q_OBJECT
public:
    // Longer than a request's own time-out: every probe has ended by then.
    static constexpr int waitMs = 2500;

    explicit RemoteSwitch(RemotesModel& model, QObject* parent = nullptr);

    // current: the remote shown; step: 1 for the next, -1 for the previous.
    // A switch asked for while one is under way replaces it.
    void start(const std::shared_ptr<VLCController>& current, int step,
               std::function<void(const std::shared_ptr<VLCController>&)> chosen);
    bool isAsking() const { return m_wait.isActive(); }

private:
    void concluded(VLCController* remote);
    void finish();

    RemotesModel& m_model;
    std::shared_ptr<VLCController> m_current;
    int m_step = 1;
    std::function<void(const std::shared_ptr<VLCController>&)> m_chosen;
    std::vector<std::shared_ptr<VLCController>> m_asked; // not yet concluded
    QTimer m_wait;
};
