#pragma once

#include "net/CastPlaylistWatch.h"

#include <QAbstractListModel>
#include <QHostAddress>
#include <QList>
#include <QMetaObject>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <memory>
#include <vector>

class CastServer;
class RemoteSession;
class VLCController;
struct RequestResult;

// Files of this computer played on the shown remote's VLC, which may be in
// another room: each file the user chooses (from a file dialog, or dropped
// on the window) is served from here by a CastServer, at an address only
// that VLC may fetch, and handed to VLC to play or to add to its playlist.
// The rows are the files being served.
//
// Serving stops for a file whose item has left VLC's playlist (or never came
// into it), for every file when another remote is shown, on stopAll(), and
// when this model goes with the application. Nothing is served afterwards:
// the address answers "404 Not Found", or the port is closed once no file is
// left, and transfers under way are cut off. VLC's playlist is left as it is.
//
// While it serves, the playlist is read every few seconds if the session's
// own polls are not running, so that a file removed in VLC stops being
// served even while no screen is shown.
class LocalFileCast : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool serving READ isServing NOTIFY servingChanged)
    Q_PROPERTY(Problem problem READ problem NOTIFY problemChanged)
    // Why, in a sentence; empty while nothing was refused.
    Q_PROPERTY(QString problemText READ problemText NOTIFY problemChanged)
public:
    // Why the last file asked for is not being served; stays until the
    // next request.
    enum class Problem {
        None,
        NoRemote,      // no remote is shown
        NotAFile,      // not a local file: a folder, a remote URL, or gone
        Unreadable,    // no permission to read it
        HostNotFound,  // the remote's host name resolves to no address
        NoRoute,       // this computer has no route to the remote's
        CannotListen,  // no port could be opened on the address towards it
        NotTaken,      // VLC did not put it in its playlist
        CommandFailed, // VLC did not answer the command that hands it over
    };
    Q_ENUM(Problem)

    enum class FileState {
        Sending, // the command that hands it to VLC is on its way
        Offered, // VLC answered the command; not yet seen in its playlist
        Listed,  // in VLC's playlist
        Playing, // VLC's current item
    };
    Q_ENUM(FileState)

    enum Role {
        NameRole = Qt::UserRole + 1, // the file's name (as the display role)
        PathRole,                    // its path on this computer
        UrlRole,                     // the address VLC fetches it from
        StateRole,                   // a FileState ("fileState": a delegate has a state of its own)
    };
    Q_ENUM(Role)

    // A file given to VLC's in_play waits this long before the next
    // command: VLC 3.0's web interface can crash when asked for its status
    // while it switches items.
    static constexpr int settleMs = 600;
    static constexpr int playlistPollMs = 3000;

    explicit LocalFileCast(RemoteSession& session, QObject* parent = nullptr);
    ~LocalFileCast() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }
    bool isServing() const;
    Problem problem() const { return m_problem; }
    QString problemText() const { return describe(m_problem); }
    static QString describe(Problem problem);

    // Whether what was dropped holds a file of this computer (a file: URL),
    // to be served rather than opened as an address.
    Q_INVOKABLE static bool holdsLocalFile(const QList<QUrl>& urls);
    // The names of the files among urls, to ask about them.
    Q_INVOKABLE static QStringList fileNames(const QList<QUrl>& urls);

    // Local files (file: URLs, as a file dialog or a drop gives them): the
    // first is played at once, the others follow it in VLC's playlist.
    Q_INVOKABLE void play(const QList<QUrl>& files);
    // Local files added to the end of VLC's playlist.
    Q_INVOKABLE void enqueue(const QList<QUrl>& files);
    // Stops serving the file of a row (VLC's item stays, and fails to play).
    Q_INVOKABLE void withdraw(int row);
    // Stops serving every file.
    Q_INVOKABLE void stopAll();

    const CastServer& server() const { return *m_server; }

signals:
    void countChanged();
    void servingChanged();
    void problemChanged();

private:
    struct Pending {
        QString path;
        bool play = false;
    };
    struct Row {
        QString name;
        QString path;
        QUrl url;
        FileState state = FileState::Sending;
    };

    void hand(const QList<QUrl>& files, bool play);
    void proceed();
    void startServer(const QList<QHostAddress>& addresses);
    void sendNext();
    void commandConcluded(const RequestResult& result);
    void requestConcluded(const RequestResult& result);
    void playlistRead();
    void refreshStates();
    void removeRow(const QUrl& url);
    void stopIfIdle();
    void attach();
    void setProblem(Problem problem);
    void setServing(bool serving);
    int rowOf(const QUrl& url) const;

    RemoteSession& m_session;
    std::shared_ptr<VLCController> m_remote;
    CastServer* m_server; // child
    CastPlaylistWatch m_watch;
    std::deque<Pending> m_pending;
    std::vector<Row> m_rows;
    QUrl m_sending;      // the file whose command is on its way
    bool m_sendingPlay = false;
    bool m_resolving = false;
    int m_lookupId = -1;
    bool m_serving = false;
    Problem m_problem = Problem::None;
    QTimer m_settle;
    QTimer m_playlistPoll;
    QMetaObject::Connection m_concluded;
    QMetaObject::Connection m_statusChanged;
};
