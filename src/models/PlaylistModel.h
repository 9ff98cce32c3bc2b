#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class VLCController;

// VLC's playlist, one row per item. A new playlist whose items are those
// already shown (VLC moved its "current" marker, or renamed an item) keeps
// the rows and tells what changed; only other items reset the model. The
// current row follows the status as well as the playlist. VLC sorts it
// when asked, and the list sorted so tells where the playing item went.
class PlaylistModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The playlist belongs to the remote session")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int currentRow READ currentRow NOTIFY currentRowChanged)
    Q_PROPERTY(bool canRemoveItems READ canRemoveItems NOTIFY canRemoveItemsChanged)
    // VLC's Lua interface sorts by the keys below; the oldest one cannot.
    Q_PROPERTY(bool canSort READ canSort NOTIFY canSortChanged)
public:
    enum Role {
        TitleRole = Qt::UserRole + 1, // the item's title, as the display role
        ItemIdRole,                   // VLC's id of the item
        UriRole,
        DurationRole, // seconds; -1 when VLC does not know it
        CurrentRole,  // the item playing (or paused)
    };
    Q_ENUM(Role)
    enum class SortKey { Title, Artist, Album, Duration, Random };
    Q_ENUM(SortKey)

    explicit PlaylistModel(QObject* parent = nullptr);
    ~PlaylistModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }
    // -1 when no item is current.
    int currentRow() const { return m_currentRow; }
    // The older Lua interface could not delete items; VLC 3's can.
    bool canRemoveItems() const { return m_canRemove; }
    bool canSort() const { return m_canSort; }

    // Plays the row's item from its start.
    Q_INVOKABLE void play(int row);
    // By VLC's id: a row that vanished meanwhile sends a stale id, and the
    // next playlist reply sets the list right.
    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void clear();
    // VLC sorts its playlist by the key, in reverse when asked; the sorted
    // list that then comes is told by sortArrived.
    Q_INVOKABLE void sortBy(SortKey key, bool reverse = false);

signals:
    void countChanged();
    void currentRowChanged();
    void canRemoveItemsChanged();
    void canSortChanged();
    // The playlist sorted as asked is shown; currentRow: where the playing
    // item is now (-1: none plays), for the page to keep it in view.
    void sortArrived(int currentRow);

private:
    struct Row {
        qint64 id = 0;
        size_t fingerprint = 0; // of what the row shows
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> readRows() const;
    void playlistStored();
    void statusStored();
    int currentRowNow() const;
    void updateRemovable();
    void announceRows(int first, int last, const QList<int>& roles = {});
    qint64 idAt(int row) const;
    void followSort(const struct RequestResult& result);

    std::shared_ptr<VLCController> m_remote;
    std::vector<Row> m_rows;
    int m_currentRow = -1;
    bool m_canRemove = false;
    bool m_canSort = false;
    // A sort asked for: its command's reply, then the playlist after it.
    enum class SortStep { None, Command, List };
    SortStep m_sortStep = SortStep::None;
};
