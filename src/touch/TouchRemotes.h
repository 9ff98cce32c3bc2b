#pragma once

#include "models/AppContext.h"
#include "models/DefaultRemoteOpening.h"
#include "models/ListPasswordPrompt.h"
#include "models/Navigator.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class FoundComputersModel;
class ListTextSize;
class OpenAddressModel;
class QNetworkAccessManager;
class RemotesDiscovery;
class RemotesListModel;
class RemoteWaker;
class RemoteSession;
class RemotesModel;
struct RemoteChoice;
class SavedRemoteList;
class TouchAdvanced;
class TouchSettings;
class TouchSkins;
class TouchHelp;
class TouchNews;
class TouchSetup;
class UserDefaults;
class VLCController;

// The remotes of playerlink: the saved ones (the same file as
// playerlink's), the remotes list's model over them and the found
// computers, and the one session the remote screen shows. Choosing a remote
// in the list follows RemoteChoice: one that answers becomes the session's
// remote and the window shows the remote screen (one found through the
// setup helper is first offered for saving); one that asks for its password
// is asked for it on the list (ListPasswordPrompt), and opens once it
// answers; for any other the alerts explain why not, offering to wake a
// saved computer that can be woken (RemoteWaker). The saved default opens
// by itself as it first answers (DefaultRemoteOpening). A model's intent
// opens the remote screen directly.
class TouchRemotes : public QObject, private Navigator {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The remotes are made by the program")
    Q_MOC_INCLUDE("touch/TouchSettings.h")
    Q_MOC_INCLUDE("touch/TouchAdvanced.h")
    Q_MOC_INCLUDE("touch/TouchSkins.h")
    Q_MOC_INCLUDE("touch/TouchHelp.h")
    Q_MOC_INCLUDE("touch/TouchNews.h")
    Q_MOC_INCLUDE("touch/TouchSetup.h")
    Q_MOC_INCLUDE("models/OpenAddressModel.h")
    // The remotes list's rows (a RemotesListModel): the computers and the
    // fixed rows, in their sections.
    Q_PROPERTY(QObject* list READ list CONSTANT)
    Q_PROPERTY(bool probing READ isProbing WRITE setProbing NOTIFY probingChanged)
    // The found computers alone, for the chooser of the configuration form.
    Q_PROPERTY(QObject* found READ found CONSTANT)
    // What discovery is doing ("Scanning..."), empty when idle.
    Q_PROPERTY(QString discoveryStatus READ discoveryStatus NOTIFY discoveryStatusChanged)
    Q_PROPERTY(int savedCount READ savedCount NOTIFY savedCountChanged)
    Q_PROPERTY(TouchSettings* settings READ settings CONSTANT)
    Q_PROPERTY(TouchAdvanced* advanced READ advanced CONSTANT)
    Q_PROPERTY(TouchSkins* skins READ skins CONSTANT)
    // The web page viewer of the help pages.
    Q_PROPERTY(TouchHelp* help READ help CONSTANT)
    Q_PROPERTY(TouchNews* news READ news CONSTANT)
    Q_PROPERTY(TouchSetup* setup READ setup CONSTANT)
    // "Open address..." and a link dropped on the window, for the session's remote.
    Q_PROPERTY(OpenAddressModel* openAddress READ openAddress CONSTANT)
public:
    // network, defaults and alerts: not owned, they outlive this.
    TouchRemotes(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                 QObject* parent = nullptr);
    ~TouchRemotes() override;

    QObject* list() const;
    RemotesModel& remotes() const { return *m_model; }
    SavedRemoteList& saved() const { return *m_saved; }
    QNetworkAccessManager* network() const { return m_network; }
    UserDefaults& defaults() const { return m_defaults; }
    AlertPresenter& alerts() const { return m_alerts; }
    RemoteSession& session() const { return *m_session; }
    // The text sizes of the browse and the playlist screen: kept while the
    // program runs, as each of playerlink's screens keeps its own.
    ListTextSize& browserTextSize() const { return *m_browserTextSize; }
    ListTextSize& playlistTextSize() const { return *m_playlistTextSize; }
    bool isProbing() const;
    // The remotes list probes its computers and refreshes discovery while it
    // shows; the first time it shows, discovery starts when the user's
    // preference asks for it.
    void setProbing(bool probing);
    QObject* found() const;
    RemotesDiscovery& discovery() const { return *m_discovery; }
    QString discoveryStatus() const;
    // The computer the configuration form shows (a new one when adding).
    std::shared_ptr<VLCController> configRemote() const { return m_configRemote; }

    // Reads the saved-remotes file (nothing when there is none), and from
    // then on writes it whenever the saved list changes, so that a crash or
    // a kill loses nothing the user entered.
    void load();
    bool save() const;

    // The remote at an address given on the command line: the saved one
    // there, or a new one listed with the found computers. A password given
    // (not null) is set before anything asks VLC.
    void connectTo(const QString& hostAddress, const QString& password);
    // A row of RemotesModel.
    Q_INVOKABLE void open(int row);
    // A row of list(), chosen in or out of edit mode (see RemotesListModel::pick).
    Q_INVOKABLE void chooseRow(int row, bool editing);
    // "Wake computer" on a saved row (edit mode) or in the sheet.
    Q_INVOKABLE void wake(int row);
    // The configuration form for a new computer, or for a saved row.
    Q_INVOKABLE void addComputer();
    Q_INVOKABLE void edit(int row);
    // A fresh discovery run (F5, Ctrl+R, Scan).
    Q_INVOKABLE void scan();
    // The found computer of a row of found() chosen in the chooser.
    Q_INVOKABLE void chooseFound(int row);
    // Editing the saved rows of the list (see RemotesModel).
    Q_INVOKABLE bool removeSaved(int row);
    Q_INVOKABLE bool moveSaved(int from, int to);
    // A computer's player at a glance, from its row in RemotesModel: it
    // pauses or plays again; and every one that plays pauses.
    Q_INVOKABLE void playPause(int row);
    Q_INVOKABLE void pauseAll();
    int savedCount() const;
    TouchSettings* settings() const { return m_settings; }
    TouchAdvanced* advanced() const { return m_advanced; }
    TouchSkins* skins() const { return m_skins; }
    TouchHelp* help() const { return m_help; }
    TouchNews* news() const { return m_news; }
    TouchSetup* setup() const { return m_setup; }
    OpenAddressModel* openAddress() const { return m_openAddress; }
    // The news, from the bars of the remotes list and the remote screen.
    Q_INVOKABLE void openNews() { showNews(); }
    // The settings, setup and help screens, from the list's bar.
    Q_INVOKABLE void openSettings() { showSettings(); }
    Q_INVOKABLE void openSetup() { showSetupInstructions(); }
    Q_INVOKABLE void openHelp() { showHelp(QStringLiteral("help")); }
    // The gallery, from the skins screen's bar.
    Q_INVOKABLE void openSkinGallery() { showSkinGallery(); }

    Navigator& navigator() { return *this; }

    // The session while a remote screen is on the stack, on top or under
    // the screens it opened; null while none is. Each remote screen counts
    // itself in as it gets these remotes and out as it goes.
    RemoteSession* shownSession() const { return m_remoteScreens > 0 ? m_session : nullptr; }
    void remoteScreenCame();
    void remoteScreenWent();

signals:
    void probingChanged();
    void shownSessionChanged();
    void discoveryStatusChanged();
    void savedCountChanged();
    // The session has its remote: the remote screen is wanted.
    void remoteShown();
    // The configuration form is wanted, for configRemote().
    void configShown();
    // The found-computers chooser is wanted.
    void foundChooserShown();
    // The screen on top is done.
    void backWanted();
    void settingsShown();
    void skipDistanceShown();

private:
    void showRemote(const std::shared_ptr<VLCController>& remote) override;
    void choose(const std::shared_ptr<VLCController>& remote);
    // The sheet that says why a chosen remote cannot be used.
    void explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice);
    void wakeComputer(const std::shared_ptr<VLCController>& remote);
    void offerToSave(const std::shared_ptr<VLCController>& remote);
    void askPassword(const std::shared_ptr<VLCController>& remote);
    // The password was given at the prompt: opens the remote once it answers.
    void awaitAnswer(const std::shared_ptr<VLCController>& remote, const QString& password);
    void stopAwaiting();
    void showRemoteConfig(const std::shared_ptr<VLCController>& remote) override;
    void chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen) override;
    void goBack() override;
    void showSettings() override;
    void showSkipDistance() override;
    void showPlaylist() override;
    void showBrowser() override;
    void showAdvancedControls() override;
    void showKeyCommands() override;
    void showDvdNavigation() override;
    void showChapterTitle() override;
    void showAudioVideoTracks() override;
    void showSubtitleTracks() override;
    void showAudioDelay() override;
    void showAspectRatio() override;
    void showSpeed() override;
    void showEqualizer() override;
    void openExternalUrl(const QUrl& url) override;

    void showSkins() override;
    void showSkinGallery() override;
    void showHelp(const QString& page) override;
    void showBundledPage(const QString& page) override;
    void showAbout() override;
    void showNewsletter() override;
    void showNewsItem(const QString& html) override;
    void showNews() override;
    void showSetupInstructions() override;
    void composeMail(const QString& to, const QString& subject, const QString& body) override;

signals:
    // A model's intent for a screen over the one on top: "playlist",
    // "browser", "skins", "skinGallery", "web" (the help viewer), "news",
    // "setup", and the
    // advanced controls by their pictures' names ("menu-lua", "menu-plain",
    // "dvd", "chapters", "audio-video-tracks", "subtitle-tracks",
    // "audio-delay", "aspect-ratio", "speed", "equalizer").
    void pageWanted(const QString& page);
    // The same for a screen that the stack holds once at most, as
    // playerlink's help viewer and setup screen: the window goes back to it
    // where the stack holds it, else shows it over the one on top.
    void pageRecalled(const QString& page);

private:
    QNetworkAccessManager* m_network;
    SavedRemoteList* m_saved; // child
    RemotesModel* m_model;    // child
    RemoteSession* m_session; // child
    RemotesDiscovery* m_discovery;    // child
    RemotesListModel* m_rows;         // child
    FoundComputersModel* m_foundOnly; // child
    RemoteWaker* m_waker;             // child
    ListPasswordPrompt m_passwordPrompt;
    DefaultRemoteOpening m_defaultOpening;
    QMetaObject::Connection m_awaiting;
    TouchSettings* m_settings;        // child
    TouchAdvanced* m_advanced;        // child
    TouchSkins* m_skins;              // child
    TouchHelp* m_help;                // child
    TouchNews* m_news;                // child
    TouchSetup* m_setup;              // child
    ListTextSize* m_browserTextSize;  // child
    ListTextSize* m_playlistTextSize; // child
    OpenAddressModel* m_openAddress;  // child
    std::shared_ptr<VLCController> m_configRemote;
    std::function<void(const std::shared_ptr<VLCController>&)> m_foundChosen;
    UserDefaults& m_defaults;
    AlertPresenter& m_alerts;
    bool m_scannedOnce = false;
    int m_remoteScreens = 0;
};
