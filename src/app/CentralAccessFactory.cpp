#include "app/CentralAccessFactory.h"

#include "core/FileHelpers.h"
#include "core/HomePaths.h"
#include "core/StringHelpers.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "vlc/VLCController.h"

#include <QDateTime>
#include "ui/UrlOpener.h"
#include <QDir>
#include <QFile>
#include <QUrl>

std::mutex CentralAccessFactory::s_lock;
CentralAccessFactory* CentralAccessFactory::s_instance = nullptr;

CentralAccessFactory& CentralAccessFactory::sharedFactory()
{
    // The only lock of the application: creation may be asked for from
    // anywhere, once.
    std::lock_guard<std::mutex> guard(s_lock);
    if (!s_instance) {
        s_instance = new CentralAccessFactory;
        s_instance->createLogFile();
    }
    return *s_instance;
}

void CentralAccessFactory::shutdown()
{
    std::lock_guard<std::mutex> guard(s_lock);
    delete s_instance;
    s_instance = nullptr;
}

CentralAccessFactory::CentralAccessFactory() = default;

CentralAccessFactory::~CentralAccessFactory()
{
    // Screens never shown have no parent to take them along.
    for (QWidget* screen : std::initializer_list<QWidget*> { m_remotesViewController, m_mainViewController })
        if (screen && !screen->parent())
            delete screen;
}

void CentralAccessFactory::watch(const std::shared_ptr<VLCController>& remote)
{
    connect(remote.get(), &VLCController::recordChanged, this, &CentralAccessFactory::savedRemotesChanged,
            Qt::UniqueConnection);
}

void CentralAccessFactory::setSavedRemotes(RemoteList remotes)
{
    for (const auto& old : m_savedRemotes)
        disconnect(old.get(), nullptr, this, nullptr);
    m_savedRemotes = std::move(remotes);
    for (const auto& remote : m_savedRemotes)
        watch(remote);
    emit savedRemotesChanged();
}

void CentralAccessFactory::addSavedRemote(const std::shared_ptr<VLCController>& remote)
{
    remote->setIsSaved(true);
    m_savedRemotes.push_back(remote);
    watch(remote);
    emit savedRemotesChanged();
}

void CentralAccessFactory::removeSavedRemote(const std::shared_ptr<VLCController>& given)
{
    // The caller may hand in an element of the list itself.
    const std::shared_ptr<VLCController> remote = given;
    const auto before = m_savedRemotes.size();
    std::erase(m_savedRemotes, remote);
    if (before == m_savedRemotes.size())
        return;
    disconnect(remote.get(), nullptr, this, nullptr);
    remote->setIsSaved(false);
    emit savedRemotesChanged();
}

std::shared_ptr<VLCController> CentralAccessFactory::currentRemote() const
{
    // Asked of the remote screen only once it exists: asking never creates it.
    return m_mainViewController ? m_mainViewController->currentRemote() : nullptr;
}

MainViewController* CentralAccessFactory::mainViewController()
{
    if (!m_mainViewController)
        m_mainViewController = new MainViewController;
    return m_mainViewController;
}

RemotesViewController* CentralAccessFactory::remotesViewController()
{
    if (!m_remotesViewController)
        m_remotesViewController = new RemotesViewController;
    return m_remotesViewController;
}

QString CentralAccessFactory::logFilePath() const
{
    return HomePaths::documents() + QStringLiteral("/log.txt");
}

void CentralAccessFactory::createLogFile()
{
    const QString path = logFilePath();
    if (QFile::exists(path))
        return;
    FileHelpers::makeDirectory(HomePaths::documents(), FileAccess::OwnerOnly);
    QFile file(path);
    // Only its owner reads the diagnostic log; the user mails it on purpose.
    if (file.open(QIODevice::WriteOnly))
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void CentralAccessFactory::logStringToFile(const QString& text)
{
    QFile file(logFilePath());
    if (!file.exists() || !file.open(QIODevice::Append))
        return;
    file.write(QStringLiteral("%1 %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), text).toUtf8());
}

void CentralAccessFactory::emailLog()
{
    QFile file(logFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString body = StringHelpers::fullyEscapedStringForUrl(QString::fromUtf8(file.readAll()));
    UrlOpener::open(QUrl(QStringLiteral("mailto:?subject=subject&body=%1").arg(body), QUrl::TolerantMode));
}

void CentralAccessFactory::removeLogFile()
{
    QFile::remove(logFilePath());
}
