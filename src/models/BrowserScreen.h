#pragma once

#include "models/FolderTypeAhead.h"
#include "models/ListScreen.h"

#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class FolderModel;
class UserDefaults;

// The browse screen's wiring: the folder listing of the session's remote
// (a FolderModel), its title, the notices it shows for a while ("Can't open
// this folder", what was added to the playlist), and the sheets of the
// default folder and of the drive search. While active it asks for VLC's
// status every second, as adding to a stopped player needs to know.
class BrowserScreen : public ListScreen {
    Q_OBJECT
    QML_ELEMENT
    // The title bar's second line: the folder shown.
    Q_PROPERTY(QString folder READ folder NOTIFY folderChanged)
    // Choosing a file adds it to the playlist rather than playing it.
    Q_PROPERTY(bool adds READ adds WRITE setAdds NOTIFY addsChanged)
    Q_PROPERTY(bool folderRefused READ folderRefused NOTIFY noticesChanged)
    // "Added to the playlist: …" for a while after an add; empty otherwise.
    Q_PROPERTY(QString addedNotice READ addedNotice NOTIFY noticesChanged)
    Q_PROPERTY(QStringList indexTitles READ indexTitles CONSTANT)
public:
    static constexpr int statusIntervalMs = 1000;
    static constexpr int refusedNoticeMs = 4000;
    static constexpr int addedNoticeMs = 2000;

    explicit BrowserScreen(QObject* parent = nullptr);
    ~BrowserScreen() override;

    QAbstractItemModel* rows() const override;
    FolderModel* folderModel() const { return m_folder; }
    QString folder() const;
    bool adds() const;
    void setAdds(bool adds);
    bool folderRefused() const { return m_refusedTimer.isActive(); }
    QString addedNotice() const { return m_addedTimer.isActive() ? m_added : QString(); }
    QStringList indexTitles() const;

    // A row: a folder opens, a file plays (or is added).
    Q_INVOKABLE void open(int row);
    // A row's play (or add) button.
    Q_INVOKABLE void play(int row);
    // A subtitle file's row, while something plays: its subtitles join
    // what plays, and the notice says so.
    Q_INVOKABLE void useAsSubtitles(int row);
    Q_INVOKABLE void up();
    Q_INVOKABLE void home();
    Q_INVOKABLE void openDrives();
    Q_INVOKABLE void makeDefaultFolder();
    Q_INVOKABLE void fullScreen();
    Q_INVOKABLE int rowForIndexTitle(const QString& title) const;
    // A letter of the index: its row is chosen (rowChosen).
    Q_INVOKABLE void jumpToIndexTitle(const QString& title);
    // The keys of the list beyond moving and opening: Backspace or Alt+Up
    // goes up, Ctrl with plus, minus or 0 sizes the text, and what is typed
    // chooses a row (FolderTypeAhead). True when the key was one of them.
    Q_INVOKABLE bool keyPressed(int key, int modifiers, const QString& text);

signals:
    // The list's choice moves to this row, at the top of the view.
    void rowChosen(int row);
    void folderChanged();
    void addsChanged();
    void noticesChanged();

protected:
    void remotesSet(RemotesScreen* previous) override;
    void poll(VLCController& remote) override;
    void activeSet() override;
    ListTextSize& textSizeIn(RemotesScreen& remotes) const override;

private:
    void makeFolderModel(UserDefaults& defaults);
    void rewire();
    void hideNotices();

    FolderModel* m_folder = nullptr; // child, made with the remotes
    QTimer m_refusedTimer;
    QTimer m_addedTimer;
    QString m_added;
    FolderTypeAhead m_typeAhead;
};
