#pragma once

#include "models/AppContext.h"
#include "models/Navigator.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class QNetworkAccessManager;
class RemoteSession;
class RemotesModel;
class SavedRemoteList;
class UserDefaults;
class VLCController;

// The remotes of playerlink-touch: the saved ones (the same file as
// playerlink's), the remotes list's model over them and the found
// computers, and the one session the remote screen shows. Choosing a remote,
// here or by a model's intent, makes it the session's remote and asks the
// window to show the remote screen.
class TouchRemotes : public QObject, private Navigator {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The remotes are made by the program")
    // The remotes list's model (a RemotesModel).
    Q_PROPERTY(QObject* list READ list CONSTANT)
    Q_PROPERTY(bool probing READ isProbing WRITE setProbing NOTIFY probingChanged)
public:
    // network, defaults and alerts: not owned, they outlive this.
    TouchRemotes(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                 QObject* parent = nullptr);
    ~TouchRemotes() override;

    QObject* list() const;
    RemotesModel& remotes() const { return *m_model; }
    SavedRemoteList& saved() const { return *m_saved; }
    QNetworkAccessManager* network() const { return m_network; }
    RemoteSession& session() const { return *m_session; }
    bool isProbing() const;
    // The remotes list probes its computers while it shows.
    void setProbing(bool probing);

    // Reads the saved-remotes file (nothing when there is none), and writes it.
    void load();
    bool save() const;

    // The remote at an address given on the command line: the saved one
    // there, or a new one listed with the found computers. A password given
    // (not null) is set before anything asks VLC.
    void connectTo(const QString& hostAddress, const QString& password);
    // A row of the remotes list.
    Q_INVOKABLE void open(int row);

signals:
    void probingChanged();
    // The session has its remote: the remote screen is wanted.
    void remoteShown();
    // A model's intent for a screen over the remote screen: "playlist",
    // "browser".
    void pageWanted(const QString& page);

private:
    void showRemote(const std::shared_ptr<VLCController>& remote) override;
    void showPlaylist() override;
    void showBrowser() override;

    QNetworkAccessManager* m_network;
    SavedRemoteList* m_saved; // child
    RemotesModel* m_model;    // child
    RemoteSession* m_session; // child
};
