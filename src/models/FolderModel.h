#pragma once

#include "core/AlertPresenter.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

class UserDefaults;
class VLCController;

// One folder of the computer that runs VLC, in the order VLC lists it, the
// way up first. Opening a folder row lists it; opening a file row plays it,
// or adds it to the playlist when the remote's mode says so. A subtitle
// file is offered as the subtitles of what plays.
class FolderModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The folders belong to the browser")
    Q_PROPERTY(QString folder READ folder NOTIFY folderChanged)
    Q_PROPERTY(bool adds READ adds WRITE setAdds NOTIFY addsChanged)
    // Something plays (or is paused) that subtitles can be added to.
    Q_PROPERTY(bool takesSubtitles READ takesSubtitles NOTIFY takesSubtitlesChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        PathRole,
        FileTypeRole, // "directory", "music", "video", "playlist" or "unknown"
        ParentRole,   // the way up
        PlayableRole, // has a button that plays (or adds) it
        SubtitleFileRole, // a subtitle file (.srt, .ass, .ssa, .sub, .vtt, .idx)
        // "Use as subtitles" is offered: a subtitle file, while something plays
        SubtitlesOfferedRole,
    };
    Q_ENUM(Role)

    // defaults: whether folders play too (BWPlayFolders).
    explicit FolderModel(UserDefaults& defaults, QObject* parent = nullptr);
    ~FolderModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The folder listed; empty before the first listing.
    QString folder() const;
    // The folder as the browse screen's title names it: VLC names the way
    // up by the folder's own path and "..", the real folder also when "~"
    // was asked for; else the folder asked for.
    static QString shownFolder(const VLCController& remote);
    // A folder or file of the computer that runs VLC, with one slash
    // between names and no "." or "..".
    static QString tidyPath(const QString& path);
    // Choosing a file adds it to the playlist rather than playing it.
    bool adds() const;
    void setAdds(bool adds);
    bool takesSubtitles() const { return m_takesSubtitles; }
    // By the name's extension, in any letter case.
    static bool isSubtitleFile(const QString& name);

    Q_INVOKABLE void browse(const QString& folder);
    Q_INVOKABLE void open(int row);
    Q_INVOKABLE void play(int row);
    // The row's subtitle file for what plays: its track joins the subtitle
    // tracks. False (and nothing sent) for another row, or while nothing plays.
    Q_INVOKABLE bool useAsSubtitles(int row);
    Q_INVOKABLE void up();
    Q_INVOKABLE void home();
    // The first drive folder that answers; driveSearchFinished tells.
    Q_INVOKABLE void openDrives();
    // What to tell the user when no drive folder answered.
    static AlertRequest drivesNotFoundNotice();
    // The folder listed becomes where the remote's browsing starts; false
    // for a remote that is not saved (only saved ones keep it).
    Q_INVOKABLE bool makeDefaultFolder();

    // The letter index ("." and A to Z) and the row each letter leads to.
    Q_INVOKABLE QStringList indexTitles() const;
    Q_INVOKABLE int rowForIndexTitle(const QString& title) const;
    // The first row whose name begins with what was typed; -1 for none.
    Q_INVOKABLE int rowForPrefix(const QString& prefix) const;

signals:
    void folderChanged();
    void addsChanged();
    void takesSubtitlesChanged();
    // VLC would not list the folder: the listing shown stays.
    void folderRefused(const QString& folder);
    void driveSearchFinished(bool found);

private:
    void listingStored();
    void statusStored();
    std::optional<QString> entry(const QString& attribute, int row) const;

    UserDefaults& m_defaults;
    std::shared_ptr<VLCController> m_remote;
    int m_rows = 0;
    bool m_takesSubtitles = false;
    QString m_folder;
};
