#pragma once

#include "models/skin/SkinRoles.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class AddressErrorAlert;
class RemoteScreenNotices;
class RemoteSession;
class SkinScene;
class RemotesScreen;

// The remote screen's wiring: the session's state shown by the skin (by the
// remote screen's rules: neutral before the first status, dimmed while VLC
// does not answer), what the skin's controls ask sent to VLC through the
// session, the title, and when to ask for VLC's password. The session polls
// while the screen polls: from the moment it starts to come into view, so
// that VLC's state is there as it arrives. Once active (arrived) it gives
// the remote screen's notices (a dropped or an older skin, else what is
// new, once).
class RemoteScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("models/RemotesScreen.h")
    Q_MOC_INCLUDE("models/skin/SkinScene.h")
    Q_PROPERTY(RemotesScreen* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(SkinScene* scene READ scene WRITE setScene NOTIFY sceneChanged)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    // Its page is on the stack, on top or under the screens it opened: the
    // session is then the remote screen's (RemotesScreen::shownSession).
    Q_PROPERTY(bool inStack READ isInStack WRITE setInStack NOTIFY inStackChanged)
    Q_PROPERTY(bool polling READ isPolling WRITE setPolling NOTIFY pollingChanged)
    // The title bar's two lines: what plays (or the remote's name), and the
    // remote's name (or why nothing plays).
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString note READ note NOTIFY titleChanged)
    // The password prompt's texts, for the remote shown.
    Q_PROPERTY(QString passwordTitle READ passwordTitle NOTIFY passwordWanted)
    Q_PROPERTY(QString passwordMessage READ passwordMessage NOTIFY passwordWanted)
public:
    explicit RemoteScreen(QObject* parent = nullptr);
    ~RemoteScreen() override;

    RemotesScreen* remotes() const { return m_remotes; }
    void setRemotes(RemotesScreen* remotes);
    SkinScene* scene() const { return m_scene; }
    void setScene(SkinScene* scene);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool isInStack() const { return m_inStack; }
    void setInStack(bool inStack);
    bool isPolling() const { return m_polling; }
    void setPolling(bool polling);
    QString title() const;
    QString note() const;
    QString passwordTitle() const;
    QString passwordMessage() const;

    Q_INVOKABLE void supplyPassword(const QString& password);
    Q_INVOKABLE void declinePassword();
    // The remote screen's bar: the playlist and browse screens.
    Q_INVOKABLE void openPlaylist();
    Q_INVOKABLE void openBrowser();
    // The bar's full-screen button: VLC's video fills its screen.
    Q_INVOKABLE void fullScreen();
    // The title tapped: a remote that wants its password asks for it again,
    // one without a password says again how to set one.
    Q_INVOKABLE void askAgain();

signals:
    void remotesChanged();
    void sceneChanged();
    void activeChanged();
    void inStackChanged();
    void pollingChanged();
    void titleChanged();
    // While the screen is active: VLC asks for a password.
    void passwordWanted();
    // While the screen is active: VLC has no password set, so lets no one in.
    void noticeWanted(const QString& title, const QString& message);

private:
    RemoteSession* session() const;
    void rewire();
    void showAll();
    void showState();
    void showVolume();
    void showTime();
    void showTexts();
    void showPlaylist();
    void showArt();
    void perform(SkinRoles::Action action);
    // A skin that cannot be read gives way to the built-in one.
    void dropUnreadableSkin();
    void showNotices();
    // Tells the remotes whether a remote screen is on the stack.
    void countInStack();

    QPointer<RemotesScreen> m_remotes;
    QPointer<SkinScene> m_scene;
    RemoteScreenNotices* m_notices = nullptr; // child, for m_remotes
    AddressErrorAlert* m_addressAlert = nullptr; // child, for m_remotes' session
    bool m_active = false;
    bool m_inStack = false;
    QPointer<RemotesScreen> m_countedBy; // the remotes told it is on the stack
    bool m_polling = false;
};
