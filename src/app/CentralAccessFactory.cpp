#include "app/CentralAccessFactory.h"

#include "core/HomePaths.h"
#include "core/StringHelpers.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "vlc/VLCController.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include "ui/UrlOpener.h"
#include <QCoreApplication>
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

CentralAccessFactory::CentralAccessFactory()
    : m_network(new QNetworkAccessManager(this))
    , m_savedRemotes(new SavedRemoteList(m_network, this))
{
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    connect(m_savedRemotes, &SavedRemoteList::changed, this, &CentralAccessFactory::savedRemotesChanged);
}

CentralAccessFactory::~CentralAccessFactory()
{
    // Screens never shown have no parent to take them along.
    for (QWidget* screen : std::initializer_list<QWidget*> { m_remotesViewController, m_mainViewController })
        if (screen && !screen->parent())
            delete screen;
    // Replies still queued for deletion go before their manager does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CentralAccessFactory::setSavedRemotes(std::vector<RemoteRecord> records)
{
    m_savedRemotes->setRecords(std::move(records));
}

void CentralAccessFactory::addSavedRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote->network())
        remote->setNetwork(m_network);
    m_savedRemotes->add(remote);
}

void CentralAccessFactory::removeSavedRemote(const std::shared_ptr<VLCController>& given)
{
    // The caller may hand in the list's own remote.
    const std::shared_ptr<VLCController> remote = given;
    m_savedRemotes->remove(remote.get());
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
    QDir().mkpath(HomePaths::documents());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
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
