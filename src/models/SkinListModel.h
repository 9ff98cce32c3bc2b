#pragma once

#include <QAbstractListModel>
#include <QStringList>

class QFileSystemWatcher;
class UserDefaults;

// The skins to choose from: the one that ships, first, then those installed
// in the skins folder, by name. Choosing a row makes its skin the one the
// remote screen shows (BWSKin).
class SkinListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QString chosen READ chosen NOTIFY chosenChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // the skin's folder name, as the display role
        IdentifierRole,              // its path under the home folder, as BWSKin names it
        ChosenRole,
        DeletableRole, // every skin but the one that ships
    };
    Q_ENUM(Role)

    explicit SkinListModel(UserDefaults& defaults, QObject* parent = nullptr);
    ~SkinListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString chosen() const { return m_chosen; }
    const QStringList& identifiers() const { return m_skins; }

    // Reads the skins folder again (after an install or a removal).
    Q_INVOKABLE void reload();
    // While true (while the list is shown) the list follows the skins
    // folder: a skin added or removed on disk, by a download, another
    // program or by hand, comes and goes at once.
    void setFollowsFolder(bool follows);
    bool followsFolder() const { return m_watcher != nullptr; }
    Q_INVOKABLE void choose(int row);
    // Deletes a downloaded skin (never the one that ships); the skin in use
    // gives way to the shipped one first. The list is read again from disk,
    // so a skin that could not be removed keeps its row. True when it is gone.
    Q_INVOKABLE bool remove(int row);

signals:
    void chosenChanged();

private:
    void noteChoice();
    void watchFolder();

    UserDefaults& m_defaults;
    QFileSystemWatcher* m_watcher = nullptr; // child while following
    QStringList m_skins;
    QString m_chosen;
};
