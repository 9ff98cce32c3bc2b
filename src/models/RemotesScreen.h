#pragma once

#include "models/AppContext.h"
#include "models/Navigator.h"
#include "models/PlatformServices.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class FoundComputersModel;
class ListTextSize;
class LocalFileCast;
class OpenAddressModel;
class RemoteSwitch;
class PageNavigation;
class QNetworkAccessManager;
class RemotesDiscovery;
class RemotesListModel;
class RemoteWaker;
class RemoteSession;
class RemotesModel;
class RemoteChoiceFlow;
class SavedRemoteList;
class AdvancedScreens;
class SettingsScreen;
class SkinsScreen;
class HelpScreen;
class NewsScreen;
class SetupScreen;
class UserDefaults;
class VLCController;

// The program's remotes: the saved ones, the remotes list's model over them
// and the found computers, and the one session the remote screen shows;
// the screens over them (settings, skins, help, news, setup, the advanced
// controls), and the navigation between them. Choosing a remote in the list
// follows RemoteChoiceFlow.
class RemotesScreen : public QObject, private Navigator {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The remotes are made by the program")
    Q_MOC_INCLUDE("models/SettingsScreen.h")
    Q_MOC_INCLUDE("models/AdvancedScreens.h")
    Q_MOC_INCLUDE("models/SkinsScreen.h")
    Q_MOC_INCLUDE("models/HelpScreen.h")
    Q_MOC_INCLUDE("models/NewsScreen.h")
    Q_MOC_INCLUDE("models/SetupScreen.h")
    Q_MOC_INCLUDE("models/OpenAddressModel.h")
    Q_MOC_INCLUDE("models/LocalFileCast.h")
    Q_MOC_INCLUDE("models/PageNavigation.h")
    // The remotes list's rows (a RemotesListModel): the computers and the
    // fixed rows, in their sections.
    Q_PROPERTY(QObject* list READ list CONSTANT)
    Q_PROPERTY(bool probing READ isProbing WRITE setProbing NOTIFY probingChanged)
    // The found computers alone, for the chooser of the configuration form.
    Q_PROPERTY(QObject* found READ found CONSTANT)
    // What discovery is doing ("Scanning..."), empty when idle.
    Q_PROPERTY(QString discoveryStatus READ discoveryStatus NOTIFY discoveryStatusChanged)
    Q_PROPERTY(int savedCount READ savedCount NOTIFY savedCountChanged)
    Q_PROPERTY(SettingsScreen* settings READ settings CONSTANT)
    Q_PROPERTY(AdvancedScreens* advanced READ advanced CONSTANT)
    Q_PROPERTY(SkinsScreen* skins READ skins CONSTANT)
    // The web page viewer of the help pages.
    Q_PROPERTY(HelpScreen* help READ help CONSTANT)
    Q_PROPERTY(NewsScreen* news READ news CONSTANT)
    Q_PROPERTY(SetupScreen* setup READ setup CONSTANT)
    // "Open address..." and a link dropped on the window, for the session's remote.
    Q_PROPERTY(OpenAddressModel* openAddress READ openAddress CONSTANT)
    // Files of this computer chosen or dropped, served to the session's VLC.
    Q_PROPERTY(LocalFileCast* cast READ cast CONSTANT)
    // The screens the models ask for.
    Q_PROPERTY(PageNavigation* navigation READ navigation CONSTANT)
public:
    // network, defaults, alerts and the platform's services: not owned,
    // they outlive this.
    RemotesScreen(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                  const PlatformServices& platform, QObject* parent = nullptr);
    ~RemotesScreen() override;

    QObject* list() const;
    RemotesModel& remotes() const { return *m_model; }
    SavedRemoteList& saved() const { return *m_saved; }
    QNetworkAccessManager* network() const { return m_network; }
    UserDefaults& defaults() const { return m_defaults; }
    AlertPresenter& alerts() const { return m_alerts; }
    RemoteSession& session() const { return *m_session; }
    // The text sizes of the browse and the playlist screen: kept while the
    // program runs, each screen its own.
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
    SettingsScreen* settings() const { return m_settings; }
    AdvancedScreens* advanced() const { return m_advanced; }
    SkinsScreen* skins() const { return m_skins; }
    HelpScreen* help() const { return m_help; }
    NewsScreen* news() const { return m_news; }
    SetupScreen* setup() const { return m_setup; }
    OpenAddressModel* openAddress() const { return m_openAddress; }
    LocalFileCast* cast() const { return m_cast; }
    // The remote screen goes to the next (step 1) or previous (-1) listed
    // computer whose VLC answers; it stays when none does.
    Q_INVOKABLE void switchRemote(int step);
    PageNavigation* navigation() const { return m_navigation; }
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

private:
    void showRemote(const std::shared_ptr<VLCController>& remote) override;
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


private:
    QNetworkAccessManager* m_network;
    SavedRemoteList* m_saved; // child
    RemotesModel* m_model;    // child
    RemoteSession* m_session; // child
    RemotesDiscovery* m_discovery;    // child
    RemotesListModel* m_rows;         // child
    FoundComputersModel* m_foundOnly; // child
    RemoteWaker* m_waker;             // child
    SettingsScreen* m_settings;        // child
    AdvancedScreens* m_advanced;        // child
    SkinsScreen* m_skins;              // child
    HelpScreen* m_help;                // child
    NewsScreen* m_news;                // child
    SetupScreen* m_setup;              // child
    ListTextSize* m_browserTextSize;  // child
    ListTextSize* m_playlistTextSize; // child
    OpenAddressModel* m_openAddress;  // child
    LocalFileCast* m_cast;            // child
    RemoteSwitch* m_switch;           // child
    PageNavigation* m_navigation;     // child
    RemoteChoiceFlow* m_choice;       // child
    std::shared_ptr<VLCController> m_configRemote;
    std::function<void(const std::shared_ptr<VLCController>&)> m_foundChosen;
    UserDefaults& m_defaults;
    AlertPresenter& m_alerts;
    PlatformServices m_platform;
    bool m_scannedOnce = false;
    int m_remoteScreens = 0;
};
