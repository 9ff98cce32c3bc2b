#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <set>

// VLC passwords in the desktop's keyring (a Secret Service, through
// QtKeychain). Writes go in the background; the keyring is trusted with a
// password only once it confirmed the write, so that whoever keeps the
// password elsewhere until then loses nothing. When no keyring answers, it
// says so once in the log and refuses from then on.
class PasswordKeyring : public QObject {
    Q_OBJECT
public:
    explicit PasswordKeyring(const QString& service = QStringLiteral("PlayerLink"), QObject* parent = nullptr);
    ~PasswordKeyring() override;
    // The application's keyring.
    static PasswordKeyring& standard();

    // False once the keyring failed for lack of a Secret Service.
    bool isAvailable() const { return m_available; }

    // Reads the passwords under these keys, waiting at most timeoutMs in
    // all (this runs at launch, before any window). Keys the keyring has no
    // entry for, or could not read, are left out; those it could not read
    // are remembered (unreadable()), so that their entries are not dropped.
    std::map<QString, QString> read(const QStringList& keys, int timeoutMs = 5000);
    bool unreadable(const QString& key) const { return m_unreadable.count(key) > 0; }

    // Whether the keyring confirmed that it holds this password under key.
    bool holds(const QString& key, const QString& password) const;
    // Stores in the background; stored() follows once the keyring confirms.
    void store(const QString& key, const QString& password);
    // Deletes the entry in the background, after a write of it that is
    // still under way; removed() follows once the keyring has no entry.
    void remove(const QString& key);

signals:
    void stored(const QString& key);
    void removed(const QString& key);

private:
    void noKeyring(const QString& why);

    QString m_service;
    bool m_available = true;
    std::map<QString, QString> m_confirmed;
    std::map<QString, QString> m_writing;
    std::map<QString, QString> m_queued;
    std::set<QString> m_removeAfterWrite;
    std::set<QString> m_removing;
    std::set<QString> m_unreadable;
};
