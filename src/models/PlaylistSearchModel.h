#pragma once

#include "vlc/PlaylistFilter.h"

#include <QSortFilterProxyModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

class PlaylistModel;

// The playlist as its screen lists it: each row named by the last part of
// its item's title, and only the rows whose names hold every word typed
// into the search field (the rule of PlaylistFilter). The names are folded
// once per playlist, not once per keystroke. And when the list brings the
// item that plays into view: on the next list once asked, and when the
// list sorted as asked comes.
class PlaylistSearchModel : public QSortFilterProxyModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The playlist's search belongs to the playlist screen")
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    // The row of the item that plays, -1 when it is not listed.
    Q_PROPERTY(int currentRow READ currentRow NOTIFY currentRowChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 100, // what the row shows
    };
    Q_ENUM(Role)

    // How often the playlist screen asks for the playlist while it shows
    // (a long one is fetched less often while nothing hints at a change).
    static constexpr int pollIntervalMs = 1000;

    // source: not owned; it outlives this.
    explicit PlaylistSearchModel(PlaylistModel* source, QObject* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Whether the text holds a word, so that not every row may be listed.
    bool isSearching() const { return m_searching; }
    int currentRow() const { return m_currentRow; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The playlist's row for a row listed here; -1 for none.
    int playlistRow(int row) const;
    Q_INVOKABLE void play(int row);
    Q_INVOKABLE void remove(int row);

    // The list came into view: the next playlist to come (a new one, or
    // rows of this one that changed) brings the item that plays into view,
    // once; the one shown may be long out of date.
    Q_INVOKABLE void showCurrentOnNextList();
    // The user moved the list meanwhile: it stays where they put it.
    Q_INVOKABLE void listMoved();
    // VLC sorts the playlist (a PlaylistModel::SortKey); the sorted list
    // brings the item that plays into view (currentToShow).
    Q_INVOKABLE void sortBy(int key, bool reverse = false);

signals:
    void textChanged();
    void currentRowChanged();
    // Bring this row, the item that plays, into view (-1: it is not listed).
    void currentToShow(int row);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void updateCurrentRow();
    void listCame();

    PlaylistModel* m_source;
    QString m_text;
    bool m_searching = false;
    // Made again, lazily, for each new playlist; the rows found again for
    // each new text.
    mutable bool m_filterStale = true;
    mutable PlaylistFilter m_filter;
    mutable bool m_matchesStale = true;
    mutable std::vector<bool> m_matches;
    int m_currentRow = -1;
    bool m_showCurrentOnNextList = false;
};
