#include "skin/SkinDownloader.h"

#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "skin/SkinArchiveInstaller.h"
#include "core/SkinFolders.h"
#include "skin/SkinWorkLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace {
bool isFetchable(const QUrl& url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}
}

SkinDownloader::SkinDownloader(QObject* parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &SkinDownloader::stopForTime);
}

SkinDownloader::~SkinDownloader()
{
    // Ended quietly: nobody is left to hear how it went.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

QUrl SkinDownloader::downloadAddressForLink(const QString& link)
{
    // The skin-link scheme has seven letters: "plskins://host/path" becomes
    // "http://host/path".
    const QUrl url(QStringLiteral("http%1").arg(link.mid(7)));
    return isFetchable(url) ? url : QUrl();
}

void SkinDownloader::downloadSkin(const QString& link)
{
    const QUrl url = downloadAddressForLink(link);
    if (!url.isValid()) {
        ConsoleLog::log(logSkin, QStringLiteral("failed to create skin download"));
        finish(SkinInstallResult::failed(SkinInstallFailure::DownloadFailed, link));
        return;
    }
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();
    m_scheme = url.scheme();
    m_redirects = 0;
    m_tooLarge = false;
    m_tooLong = false;
    m_deadline.start(m_deadlineMs);
    start(url);
}

void SkinDownloader::start(const QUrl& url)
{
    // Every request starts with an empty buffer: what a redirecting reply
    // said is no part of the archive.
    m_downloadData.clear();
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &SkinDownloader::onMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &SkinDownloader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &SkinDownloader::onFinished);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        emit progressChanged(received, total > 0 ? total : -1);
    });
}

void SkinDownloader::stopForSize()
{
    m_tooLarge = true;
    m_downloadData.clear();
    m_reply->abort();
}

void SkinDownloader::stopForTime()
{
    if (!m_reply)
        return;
    m_tooLong = true;
    m_downloadData.clear();
    m_reply->abort();
}

void SkinDownloader::onMetaDataChanged()
{
    // Refused at once when the server says how much is coming.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBodyBytes)
        stopForSize();
}

void SkinDownloader::onReadyRead()
{
    if (!m_reply || m_tooLarge || m_tooLong)
        return;
    if (m_downloadData.size() + m_reply->bytesAvailable() > maxBodyBytes) {
        stopForSize();
        return;
    }
    m_downloadData += m_reply->readAll();
}

void SkinDownloader::onFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_tooLarge) {
        finish(SkinInstallResult::failed(SkinInstallFailure::TooLarge, QStringLiteral("download")));
        return;
    }
    if (m_tooLong) {
        ConsoleLog::log(logSkin, QStringLiteral("skin download failed: not done after %d s"), m_deadlineMs / 1000);
        finish(SkinInstallResult::failed(SkinInstallFailure::DownloadFailed, QStringLiteral("too slow")));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (status >= 300 && status < 400 && location.isValid()) {
        const QUrl target = reply->url().resolved(location);
        if (++m_redirects > maxRedirects || target.scheme() != m_scheme || !isFetchable(target)) {
            ConsoleLog::log(logSkin, QStringLiteral("skin download: redirect refused to %@"), target.toString());
            finish(SkinInstallResult::failed(SkinInstallFailure::DownloadFailed, target.toString()));
            return;
        }
        start(target);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        ConsoleLog::log(logSkin, QStringLiteral("skin download failed: %@"), reply->errorString());
        finish(SkinInstallResult::failed(SkinInstallFailure::DownloadFailed, reply->errorString()));
        return;
    }
    onReadyRead();
    if (m_tooLarge) {
        finish(SkinInstallResult::failed(SkinInstallFailure::TooLarge, QStringLiteral("download")));
        return;
    }
    install();
}

void SkinDownloader::install()
{
    const QString folder = HomePaths::tmp();
    QDir().mkpath(folder);
    SkinArchiveInstaller installer(SkinFolders::installedSkins());
    installer.sweepLeftovers();
    if (m_downloadData.isEmpty()) {
        ConsoleLog::log(logSkin, QStringLiteral("attempted to save an empty file : %@"), folder + u'/' + SkinFolders::downloadTemplate);
        finish(SkinInstallResult::failed(SkinInstallFailure::NotSkinArchive, QStringLiteral("empty download")));
        return;
    }
    SkinInstallResult result;
    {
        // Held while the file exists, so that no other run clears it.
        const SkinWorkLock working;
        // Removed when it goes out of scope, whatever the install did.
        QTemporaryFile file(folder + u'/' + SkinFolders::downloadTemplate);
        if (!file.open() || file.write(m_downloadData) != m_downloadData.size() || !file.flush())
            result = SkinInstallResult::failed(SkinInstallFailure::WriteFailed, file.fileName());
        else
            result = installer.installFile(file.fileName());
    }
    m_downloadData.clear();
    finish(result);
}

void SkinDownloader::finish(const SkinInstallResult& result)
{
    m_deadline.stop();
    if (result.ok())
        ConsoleLog::log(logSkin, QStringLiteral("installed skin %@"), result.installed.join(QStringLiteral(", ")));
    else
        ConsoleLog::log(logSkin, QStringLiteral("skin not installed: %@ (%@)"), result.reason(), result.detail);
    emit finished(result);
    if (m_alerts)
        showAlertFor(*m_alerts, result);
    if (m_deletesWhenDone)
        deleteLater();
}

void SkinDownloader::showAlertFor(AlertPresenter& alerts, const SkinInstallResult& result)
{
    if (result.ok())
        alerts.present(AlertRequest::notice(localizedString("Success"), localizedString("Skin downloaded succesfully")));
    else if (result.failure == SkinInstallFailure::DownloadFailed)
        alerts.present(AlertRequest::notice(localizedString("Couldn't download"),
                                            localizedString("There was a problem downloading the skin.")));
    else
        alerts.present(AlertRequest::notice(localizedString("Couldn't install skin"),
                                            fmt(localizedString("The skin was not installed: %@."), result.reason())));
}

bool SkinDownloader::deleteSkin(const QString& identifier)
{
    const QString path = HomePaths::home() + u'/' + identifier;
    const QString name = identifier.mid(SkinFolders::installedPrefix.size());
    // Only a folder of the skins folder, named by one component: the skin
    // that ships, or anything reached through "..", is never removed.
    const bool installed = identifier.startsWith(SkinFolders::installedPrefix) && !name.isEmpty()
        && !name.contains(u'/') && name != u"." && name != u"..";
    const QFileInfo info(path);
    if (!installed || (!info.exists() && !info.isSymLink())) {
        ConsoleLog::log(logSkin, QStringLiteral("failed to delete skin at %@"), path);
        return false;
    }
    if (info.isSymLink())
        return QFile::remove(path) || (ConsoleLog::log(logSkin, QStringLiteral("failed to delete skin at %@"), path), false);
    // The skin leaves the list in one step by moving into an unlisted work
    // folder; a removal that then stops half-way leaves no half skin behind.
    const SkinWorkLock working;
    QTemporaryDir aside(SkinFolders::installedSkins() + u'/'
                        + SkinArchiveInstaller::workFolderTemplate(QStringLiteral("delete")));
    if (!aside.isValid() || !QDir().rename(path, aside.filePath(name))) {
        ConsoleLog::log(logSkin, QStringLiteral("failed to delete skin at %@"), path);
        return false;
    }
    return true;
}
