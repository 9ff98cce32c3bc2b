#include "models/RemoteSwitch.h"

#include "models/RemotesModel.h"
#include "vlc/VLCController.h"

#include <algorithm>

RemoteSwitch::RemoteSwitch(RemotesModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &RemoteSwitch::finish);
}

void RemoteSwitch::start(const std::shared_ptr<VLCController>& current, int step,
                         std::function<void(const std::shared_ptr<VLCController>&)> chosen)
{
    for (const auto& remote : m_asked)
        remote->disconnect(this);
    m_asked.clear();
    m_current = current;
    m_step = step;
    m_chosen = std::move(chosen);
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const std::shared_ptr<VLCController> remote = m_model.remoteAt(row);
        // The shown one is asked by its own screen; one listed twice, once.
        if (!remote || remote == current || std::find(m_asked.begin(), m_asked.end(), remote) != m_asked.end())
            continue;
        m_asked.push_back(remote);
        connect(remote.get(), &VLCController::requestConcluded, this, [this, r = remote.get()] { concluded(r); });
    }
    m_wait.start(waitMs);
    // After the connections: a refusal may come back at once.
    const auto asking = m_asked;
    for (const auto& remote : asking)
        remote->searchForPlayerLink();
    if (m_asked.empty())
        finish();
}

void RemoteSwitch::concluded(VLCController* remote)
{
    const auto it = std::find_if(m_asked.begin(), m_asked.end(), [&](const auto& r) { return r.get() == remote; });
    if (it == m_asked.end())
        return;
    remote->disconnect(this);
    m_asked.erase(it);
    if (m_asked.empty())
        finish();
}

void RemoteSwitch::finish()
{
    m_wait.stop();
    for (const auto& remote : m_asked)
        remote->disconnect(this);
    m_asked.clear();
    auto chosen = std::exchange(m_chosen, nullptr);
    const int next = m_model.nextAnswering(m_model.rowOf(m_current.get()), m_step);
    m_current.reset();
    if (next >= 0 && chosen)
        chosen(m_model.remoteAt(next));
}
