#pragma once

#include "models/RemoteAnswer.h"
#include "net/BonjourComputer.h"

#include "vlc/RemoteTypes.h"

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <map>
#include <memory>
#include <vector>

class QNetworkAccessManager;
class RemoteWaker;
class SavedRemoteList;
class VLCController;

// The computers of the remotes list: the saved ones, then those found on
// the network, each with what it last answered. While active (the list is
// shown), every listed computer is asked every three seconds, one request
// each: first the probe for VLC, then, of one that answers as VLC, its
// status (so that its row shows what it plays, playing or paused); a row
// whose answer or player changed says so. Inactive, nothing is asked.
class RemotesModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The remotes are made by the program")
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(int savedCount READ savedCount NOTIFY savedCountChanged)
    Q_PROPERTY(int foundCount READ foundCount NOTIFY foundCountChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        AddressRole,
        AnswerRole,     // a RemoteAnswer
        AnswerKeyRole,  // its stable name ("answers", "password-needed", ...)
        AnswerTextRole, // its few words
        SavedRole,
        DefaultRole,
        SectionRole,
        WakingRole,       // a wake-up call went out and the computer has not answered yet
        WakeOfferedRole,  // a saved computer that gives no answer and can be woken
        // Its player at a glance, while it answers as VLC and has told its state:
        PlayerShownRole,
        NowPlayingRole, // the title of what plays; empty when nothing does
        PlaybackRole,   // "playing", "paused", "stopped" (or "other"); empty while not shown
        PlayingRole,
    };
    Q_ENUM(Role)
    static constexpr int probeIntervalMs = 3000;

    // network: what remotes made for found computers go through.
    RemotesModel(SavedRemoteList& saved, QNetworkAccessManager* network, QObject* parent = nullptr);
    ~RemotesModel() override;

    bool isActive() const { return m_probeTimer.isActive(); }
    // Active (while the list is shown): asks at once, then every
    // probeIntervalMs.
    void setActive(bool active);
    int savedCount() const { return int(m_saved.size()); }
    int foundCount() const { return int(m_found.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    std::shared_ptr<VLCController> remoteAt(int row) const;
    int rowOf(const VLCController* remote) const;
    const std::vector<std::shared_ptr<VLCController>>& foundRemotes() const { return m_found; }
    // The saved list the rows follow.
    SavedRemoteList& savedList() const { return m_savedList; }
    bool isSaved(const VLCController& remote) const;
    // Adds the remote to the saved list, through the model's network when
    // it has none of its own.
    void save(const std::shared_ptr<VLCController>& remote);

    // What discovery found: a remote for each new address (probed at once),
    // each named as the computer advertises itself.
    void setDiscovered(const QList<BonjourComputer>& computers);
    // A computer known by other means, listed with the found ones until
    // discovery starts afresh; keepAcrossScans: the one the program was
    // asked to open, which stays listed and keeps its name.
    void addFoundRemote(const std::shared_ptr<VLCController>& remote, bool keepAcrossScans = false);
    // Discovery starts afresh: only the remote kept across scans stays.
    void clearFound();

    // Asks every listed computer once (a found one that was saved, once):
    // one that answers as VLC for its status, any other with the probe.
    Q_INVOKABLE void probe();

    // The row after row (step 1) or before it (step -1), wrapping around,
    // whose computer answers as VLC; a computer listed twice (saved and
    // found) is row's own. -1 when no other computer answers.
    int nextAnswering(int row, int step) const;

    // The row's player pauses, or plays again (or starts, when stopped).
    Q_INVOKABLE void playPause(int row);
    // Every listed player that plays pauses; how many were asked to.
    Q_INVOKABLE int pauseAll();

    // Editing the saved computers: only their rows can be removed or moved,
    // and a move stays among them. True when the saved list changed.
    Q_INVOKABLE bool removeSaved(int row);
    Q_INVOKABLE bool moveSaved(int from, int to);
    // What wakes saved computers (not owned; none: none is offered); it
    // hears every listed remote's answers, and the rows follow its waking
    // and the hardware addresses it learns.
    void setWaker(RemoteWaker* waker);

signals:
    void activeChanged();
    void savedCountChanged();
    void foundCountChanged();
    // A listed remote's probe found VLC's interface.
    void answeredAsVlc(int row);

private:
    void holdSaved();
    void rebuild(std::vector<std::shared_ptr<VLCController>> saved, std::vector<std::shared_ptr<VLCController>> found);
    void watch(const std::shared_ptr<VLCController>& remote);
    void refreshAnswers();
    RemoteAnswer answerAt(int row) const;
    // What a row shows of its player.
    struct Glance {
        bool shown = false;
        QString title;
        PlaybackState playback = PlaybackState::None;
        bool operator==(const Glance&) const = default;
    };
    Glance glanceAt(int row) const;

    SavedRemoteList& m_savedList;
    QPointer<QNetworkAccessManager> m_network;
    std::vector<std::shared_ptr<VLCController>> m_saved; // held so that what probes learn stays
    std::vector<std::shared_ptr<VLCController>> m_found;
    std::shared_ptr<VLCController> m_kept;
    std::vector<RemoteAnswer> m_answers; // as last announced, per row
    std::vector<Glance> m_glances;       // as last announced, per row
    // Per remote: its last reply was the status or the probe, not a refusal
    // or an error page (then the probe asks afresh what answers).
    std::map<const VLCController*, bool> m_understood;
    QPointer<RemoteWaker> m_waker;
    QTimer m_probeTimer;
};
