#pragma once

#include "models/PlaylistSearchModel.h"
#include "models/ListScreen.h"

#include <QString>
#include <QtQml/qqmlregistration.h>

class RemoteSession;

// The playlist screen's wiring: the session's playlist as the screen lists
// it (searched by the field's text), the title bar's second line (the item
// that plays), the loop, repeat and shuffle modes, and the polls: the
// playlist every second while active, hinted at once as it appears.
// Its rows are a PlaylistSearchModel, once the remotes are set.
class PlaylistScreen : public ListScreen {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    // The row of the item that plays, -1 when none is listed.
    Q_PROPERTY(int currentRow READ currentRow NOTIFY currentRowChanged)
    Q_PROPERTY(QString nowPlaying READ nowPlaying NOTIFY currentRowChanged)
    Q_PROPERTY(bool canRemoveItems READ canRemoveItems NOTIFY canRemoveItemsChanged)
    Q_PROPERTY(bool loop READ isLooping NOTIFY modesChanged)
    Q_PROPERTY(bool repeat READ isRepeating NOTIFY modesChanged)
    Q_PROPERTY(bool random READ isRandom NOTIFY modesChanged)
    // VLC sorts the playlist when asked (not the oldest interface).
    Q_PROPERTY(bool canSort READ canSort NOTIFY canSortChanged)
public:
    static constexpr int playlistIntervalMs = PlaylistSearchModel::pollIntervalMs;

    explicit PlaylistScreen(QObject* parent = nullptr);
    ~PlaylistScreen() override;

    QAbstractItemModel* rows() const override;
    QString searchText() const;
    void setSearchText(const QString& text);
    int currentRow() const;
    QString nowPlaying() const;
    bool canRemoveItems() const;
    bool isLooping() const;
    bool isRepeating() const;
    bool isRandom() const;
    bool canSort() const;

    Q_INVOKABLE void play(int row);
    Q_INVOKABLE void remove(int row);
    // After the user confirmed it.
    Q_INVOKABLE void empty();
    Q_INVOKABLE void toggleLoop();
    Q_INVOKABLE void toggleRepeat();
    Q_INVOKABLE void toggleRandom();
    Q_INVOKABLE void fullScreen();
    // VLC sorts the playlist by a PlaylistModel::SortKey; the item that
    // plays comes into view in the sorted list (currentToShow).
    Q_INVOKABLE void sortBy(int key, bool reverse);
    // The page came into view, and the user moved the list: when the item
    // that plays is brought into view (currentToShow).
    Q_INVOKABLE void showCurrentOnNextList();
    Q_INVOKABLE void listMoved();

signals:
    void currentToShow(int row);
    void searchTextChanged();
    void currentRowChanged();
    void canRemoveItemsChanged();
    void modesChanged();
    void canSortChanged();

protected:
    void remotesSet(RemotesScreen* previous) override;
    void poll(VLCController& remote) override;
    void activeSet() override;
    ListTextSize& textSizeIn(RemotesScreen& remotes) const override;

private:
    void wire(RemoteSession& session);

    PlaylistSearchModel* m_search = nullptr; // child, over the session's playlist
};
