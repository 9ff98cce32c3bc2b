#include "platform/PasswordKeyring.h"

#include "core/ConsoleLog.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

PasswordKeyring::PasswordKeyring(const QString& service, QObject* parent)
    : QObject(parent)
    , m_service(service)
{
}

PasswordKeyring::~PasswordKeyring() = default;

PasswordKeyring& PasswordKeyring::standard()
{
    static PasswordKeyring keyring;
    return keyring;
}

void PasswordKeyring::noKeyring(const QString& why)
{
    if (!m_available)
        return;
    m_available = false;
    ConsoleLog::log(logPlatform, QStringLiteral("passwords: no keyring (%@); they stay in the saved-remotes file, readable by "
                                   "its owner alone"),
                    why);
}

namespace {
// Errors that mean "there is no usable keyring", as opposed to "no entry".
bool meansNoKeyring(QKeychain::Error error)
{
    return error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented
        || error == QKeychain::AccessDeniedByUser || error == QKeychain::AccessDenied
        || error == QKeychain::OtherError;
}
}

std::map<QString, QString> PasswordKeyring::read(const QStringList& keys, int timeoutMs)
{
    std::map<QString, QString> found;
    if (keys.isEmpty() || !m_available)
        return found;
    QEventLoop loop;
    int open = 0;
    for (const QString& key : keys) {
        // Deletes itself once finished; the connection ends with the loop,
        // so a job that outlives the wait finishes into nothing.
        auto* job = new QKeychain::ReadPasswordJob(m_service);
        job->setKey(key);
        ++open;
        connect(job, &QKeychain::Job::finished, &loop, [&, key](QKeychain::Job* done) {
            --open;
            if (done->error() == QKeychain::NoError) {
                const QString password = static_cast<QKeychain::ReadPasswordJob*>(done)->textData();
                found[key] = password;
                m_confirmed[key] = password;
            } else if (done->error() != QKeychain::EntryNotFound) {
                m_unreadable.insert(key);
                if (meansNoKeyring(done->error()))
                    noKeyring(done->errorString());
            }
            if (open == 0)
                loop.quit();
        });
        job->start();
    }
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    // Nothing the user does can reach a window that does not exist yet, but
    // keep input out all the same.
    if (open > 0)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (open > 0) {
        for (const QString& key : keys)
            if (!found.count(key))
                m_unreadable.insert(key);
        noKeyring(QStringLiteral("it did not answer"));
    }
    return found;
}

bool PasswordKeyring::holds(const QString& key, const QString& password) const
{
    const auto it = m_confirmed.find(key);
    return m_available && it != m_confirmed.end() && it->second == password;
}

void PasswordKeyring::store(const QString& key, const QString& password)
{
    if (!m_available)
        return;
    m_removeAfterWrite.erase(key);
    if (holds(key, password))
        return;
    if (m_removing.count(key)) {
        m_queued[key] = password; // written once the deletion is through
        return;
    }
    // One write per key at a time, so that an older password can never land
    // after a newer one; the newest waits its turn.
    if (m_writing.count(key)) {
        if (m_writing[key] != password)
            m_queued[key] = password;
        else
            m_queued.erase(key);
        return;
    }
    m_writing[key] = password;
    auto* job = new QKeychain::WritePasswordJob(m_service, this);
    job->setKey(key);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, key, password](QKeychain::Job* done) {
        m_writing.erase(key);
        if (done->error() == QKeychain::NoError) {
            m_confirmed[key] = password;
            m_unreadable.erase(key);
        } else if (meansNoKeyring(done->error())) {
            noKeyring(done->errorString());
        }
        if (m_removeAfterWrite.erase(key)) {
            remove(key);
            return;
        }
        const auto next = m_queued.find(key);
        if (next != m_queued.end()) {
            const QString newer = next->second;
            m_queued.erase(next);
            store(key, newer);
        } else if (done->error() == QKeychain::NoError) {
            emit stored(key);
        }
    });
    job->start();
}

void PasswordKeyring::remove(const QString& key)
{
    if (!m_available)
        return;
    m_confirmed.erase(key);
    m_queued.erase(key);
    // After the write under way, which would otherwise put it back.
    if (m_writing.count(key)) {
        m_removeAfterWrite.insert(key);
        return;
    }
    if (!m_removing.insert(key).second)
        return;
    auto* job = new QKeychain::DeletePasswordJob(m_service, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this, key](QKeychain::Job* done) {
        m_removing.erase(key);
        const bool gone = done->error() == QKeychain::NoError || done->error() == QKeychain::EntryNotFound;
        if (gone)
            m_unreadable.erase(key);
        else if (meansNoKeyring(done->error()))
            noKeyring(done->errorString());
        const auto next = m_queued.find(key);
        if (next != m_queued.end()) {
            const QString password = next->second;
            m_queued.erase(next);
            store(key, password);
        } else if (gone) {
            emit removed(key);
        }
    });
    job->start();
}
