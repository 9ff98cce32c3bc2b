#include "models/SkinGalleryAddress.h"

#include "core/BundledPages.h"
#include "core/ServiceHosts.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {
// A typed host that a "www." would break: an IP address, a bracketed IPv6
// address, "localhost", one with a port, or a name without a dot.
bool isPlainHost(const QString& typed)
{
    const QString authority = typed.section(QRegularExpression(QStringLiteral("[/?#]")), 0, 0);
    if (authority.startsWith(u'['))
        return true;
    const qsizetype colon = authority.lastIndexOf(u':');
    const QString host = colon >= 0 ? authority.left(colon) : authority;
    return colon >= 0 || !host.contains(u'.') || host.compare(u"localhost", Qt::CaseInsensitive) == 0
        || !QHostAddress(host).isNull();
}
}

QUrl SkinGalleryAddress::galleryAddress(const UserDefaults& defaults)
{
    const QUrl site = ServiceHosts::serviceAddress(defaults, ServiceHosts::skinGalleryKey, galleryPath);
    return site.isEmpty()
        ? BundledPages::address(defaults, bundledGalleryPage, BundledPages::pageType, BundledPages::pageDirectory)
        : site;
}

QString SkinGalleryAddress::completedAddress(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.startsWith(u"http", Qt::CaseInsensitive))
        return text;
    if (text.startsWith(u"www", Qt::CaseInsensitive) || isPlainHost(text))
        return QStringLiteral("http://") + text;
    return QStringLiteral("http://www.") + text;
}

QString SkinGalleryAddress::loadFailureTitle()
{
    return QStringLiteral("Error loading page.");
}

QString SkinGalleryAddress::loadFailureMessage(const QUrl& url)
{
    QString message = QStringLiteral("Sorry, we weren't able to load the requested page.");
    if (url.isEmpty())
        return message;
    constexpr qsizetype longest = 120;
    const QString text = url.toDisplayString(QUrl::RemoveUserInfo);
    return message + QStringLiteral("\n\n")
        + (text.size() <= longest ? text : text.left(longest / 2) + QStringLiteral("…") + text.right(longest / 2 - 1));
}
