#pragma once

#include "vlc/RemoteRecord.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class VLCController;

// The saved remotes: records (plain values), each with a remote made for it
// only while something uses one. The rule of one default remote lives here:
// when one becomes default (VLCController::becameDefault), every other saved
// record stops being it.
class SavedRemoteList : public QObject {
    Q_OBJECT
public:
    explicit SavedRemoteList(QNetworkAccessManager* network = nullptr, QObject* parent = nullptr);
    ~SavedRemoteList() override;

    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const RemoteRecord& recordAt(size_t index) const { return m_entries[index].record; }
    std::vector<RemoteRecord> records() const;

    // Replaces the list, as read from the saved-remotes file: when several
    // records were stored as default, the last one keeps it.
    void setRecords(std::vector<RemoteRecord> records);
    // Adds a remote in use (its record joins the list, and it stays the
    // list's remote for that record).
    void add(const std::shared_ptr<VLCController>& remote);
    void remove(const VLCController* remote);
    void removeAt(size_t index);
    // Moves the entry at from to the position to, shifting those between
    // (as a dragged row moves in a list); out-of-range indexes do nothing.
    void move(size_t from, size_t to);
    // The remote for a record: the one in use, or one made now on the list's
    // network access. It lives as long as someone holds it.
    std::shared_ptr<VLCController> remoteAt(size_t index);
    std::shared_ptr<VLCController> operator[](size_t index) { return remoteAt(index); }
    // The index of a remote of this list, or -1.
    int indexOf(const VLCController* remote) const;

signals:
    // A record was added, removed or changed: the list must be saved again.
    void changed();

private:
    struct Entry {
        RemoteRecord record;
        std::weak_ptr<VLCController> remote;
    };
    void bind(Entry& entry, const std::shared_ptr<VLCController>& remote);
    void makeDefault(size_t index);

    QPointer<QNetworkAccessManager> m_network;
    std::vector<Entry> m_entries;
};
