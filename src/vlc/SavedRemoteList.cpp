#include "vlc/SavedRemoteList.h"

#include "vlc/VLCController.h"

SavedRemoteList::SavedRemoteList(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent)
    , m_network(network)
{
}

SavedRemoteList::~SavedRemoteList() = default;

std::vector<RemoteRecord> SavedRemoteList::records() const
{
    std::vector<RemoteRecord> out;
    out.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        out.push_back(entry.record);
    return out;
}

void SavedRemoteList::setRecords(std::vector<RemoteRecord> records)
{
    for (Entry& entry : m_entries)
        if (auto remote = entry.remote.lock())
            disconnect(remote.get(), nullptr, this, nullptr);
    m_entries.clear();
    int lastDefault = -1;
    for (RemoteRecord& record : records) {
        record.isSaved = true;
        if (record.isDefault)
            lastDefault = int(m_entries.size());
        m_entries.push_back({ std::move(record), {} });
    }
    if (lastDefault >= 0)
        makeDefault(size_t(lastDefault));
    emit changed();
}

void SavedRemoteList::add(const std::shared_ptr<VLCController>& remote)
{
    remote->setIsSaved(true);
    m_entries.push_back({ remote->record(), {} });
    bind(m_entries.back(), remote);
    if (remote->record().isDefault)
        makeDefault(m_entries.size() - 1);
    emit changed();
}

void SavedRemoteList::remove(const VLCController* remote)
{
    const int index = indexOf(remote);
    if (index >= 0)
        removeAt(size_t(index));
}

void SavedRemoteList::removeAt(size_t index)
{
    if (index >= m_entries.size())
        return;
    if (auto remote = m_entries[index].remote.lock()) {
        disconnect(remote.get(), nullptr, this, nullptr);
        remote->setIsSaved(false);
    }
    m_entries.erase(m_entries.begin() + qsizetype(index));
    emit changed();
}

void SavedRemoteList::move(size_t from, size_t to)
{
    if (from >= m_entries.size() || to >= m_entries.size() || from == to)
        return;
    Entry moving = std::move(m_entries[from]);
    m_entries.erase(m_entries.begin() + qsizetype(from));
    m_entries.insert(m_entries.begin() + qsizetype(to), std::move(moving));
    emit changed();
}

std::shared_ptr<VLCController> SavedRemoteList::remoteAt(size_t index)
{
    if (index >= m_entries.size())
        return nullptr;
    Entry& entry = m_entries[index];
    if (auto remote = entry.remote.lock())
        return remote;
    auto remote = std::make_shared<VLCController>(entry.record, m_network);
    bind(entry, remote);
    return remote;
}

int SavedRemoteList::indexOf(const VLCController* remote) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].remote.lock().get() == remote && remote)
            return int(i);
    return -1;
}

void SavedRemoteList::bind(Entry& entry, const std::shared_ptr<VLCController>& remote)
{
    entry.remote = remote;
    if (!remote->network())
        remote->setNetwork(m_network);
    VLCController* raw = remote.get();
    connect(raw, &VLCController::recordChanged, this, [this, raw] {
        const int index = indexOf(raw);
        if (index < 0)
            return;
        m_entries[size_t(index)].record = raw->record();
        emit changed();
    });
    connect(raw, &VLCController::becameDefault, this, [this, raw] {
        if (const int index = indexOf(raw); index >= 0)
            makeDefault(size_t(index));
    });
}

void SavedRemoteList::makeDefault(size_t index)
{
    bool cleared = false;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        Entry& entry = m_entries[i];
        const bool wanted = i == index;
        if (entry.record.isDefault == wanted)
            continue;
        entry.record.isDefault = wanted;
        cleared = true;
        if (auto remote = entry.remote.lock())
            remote->setIsDefault(wanted ? true : false);
    }
    if (cleared)
        emit changed();
}
