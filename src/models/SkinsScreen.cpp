#include "models/SkinsScreen.h"

#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/SkinGalleryAddress.h"
#include "models/SkinListModel.h"
#include "skin/SkinDownloader.h"
#include "models/WebPageScreen.h"

#include <QDesktopServices>

namespace {
bool isSkinLink(const QString& text)
{
    return text.startsWith(QString::fromLatin1(SkinDownloader::skinLinkScheme) + u':', Qt::CaseInsensitive);
}
}

SkinsScreen::SkinsScreen(UserDefaults& defaults, AlertPresenter& alerts, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_alerts(alerts)
    , m_list(new SkinListModel(defaults, this))
    , m_gallery(new WebPageScreen(this))
{
    connect(m_list, &SkinListModel::chosenChanged, this, &SkinsScreen::chosenChanged);
    m_gallery->setPolicy([this](const QUrl& url) { return mayLoad(url); });
    connect(m_gallery, &WebPageScreen::failed, this, [this](const WebLoadError& error) {
        ConsoleLog::log(logModels, QStringLiteral("could not load %@: %@"), error.url.toString(), error.description);
        AlertRequest alert;
        alert.title = SkinGalleryAddress::loadFailureTitle();
        alert.message = SkinGalleryAddress::loadFailureMessage(error.url);
        alert.buttons = { QStringLiteral("Ok") };
        m_alerts.present(alert);
    });
}

SkinsScreen::~SkinsScreen() = default;

QObject* SkinsScreen::list() const
{
    return m_list;
}

QString SkinsScreen::chosen() const
{
    return m_list->chosen();
}

QString SkinsScreen::question() const
{
    if (m_waiting.isEmpty() || isDownloading())
        return {};
    return fmt(localizedString("Do you want to download a skin from:\n%@"), m_waiting.first());
}

void SkinsScreen::reload()
{
    m_list->reload();
}

void SkinsScreen::setListShown(bool shown)
{
    m_list->setFollowsFolder(shown);
}

void SkinsScreen::choose(int row)
{
    m_list->choose(row);
}

bool SkinsScreen::remove(int row)
{
    return m_list->remove(row);
}

void SkinsScreen::openGallery()
{
    m_gallery->load(SkinGalleryAddress::galleryAddress(m_defaults));
}

void SkinsScreen::enterAddress(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return;
    if (isSkinLink(text)) {
        ask(text);
        return;
    }
    m_gallery->load(QUrl(SkinGalleryAddress::completedAddress(text), QUrl::TolerantMode));
}

bool SkinsScreen::mayLoad(const QUrl& url)
{
    const QString address = url.toString();
    ConsoleLog::log(logModels, QStringLiteral("load: %@"), address);
    if (isSkinLink(address)) {
        ask(address);
        return false;
    }
    if (url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0) {
        QDesktopServices::openUrl(url);
        return false;
    }
    return true;
}

void SkinsScreen::ask(const QString& link)
{
    ConsoleLog::log(logModels, QStringLiteral("launched with url: %@"), link);
    if (m_waiting.contains(link))
        return;
    if (m_waiting.size() >= maxWaitingLinks) {
        ConsoleLog::log(logModels, QStringLiteral("too many skin links at once; not asking about %@"), link);
        return;
    }
    m_waiting.append(link);
    if (m_waiting.size() == 1 && !isDownloading())
        emit questionChanged();
}

void SkinsScreen::answer(bool download)
{
    if (question().isEmpty())
        return;
    const QString link = m_waiting.takeFirst();
    if (!download) {
        emit questionChanged();
        return;
    }
    auto* downloader = new SkinDownloader(this);
    downloader->setAlerts(&m_alerts);
    downloader->setDeletesWhenDone(true);
    m_downloader = downloader;
    m_progress = -1;
    connect(downloader, &SkinDownloader::progressChanged, this, [this](qint64 received, qint64 total) {
        m_progress = total > 0 ? double(received) / double(total) : -1;
        emit downloadChanged();
    });
    // The downloader tells how it went; the list shows what is installed now.
    // The next link is asked about once this one is in.
    connect(downloader, &SkinDownloader::finished, this, [this] {
        m_downloader = nullptr;
        m_list->reload();
        emit downloadChanged();
        if (!m_waiting.isEmpty())
            emit questionChanged();
    });
    emit downloadChanged();
    emit questionChanged();
    downloader->downloadSkin(link);
}
