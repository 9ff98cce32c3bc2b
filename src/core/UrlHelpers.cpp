#include "core/UrlHelpers.h"

#include "core/ConsoleLog.h"

namespace {
QString hostAndPath(const QUrl& url)
{
    return url.host() + url.path();
}
}

int UrlHelpers::lastSlash(const QString& text)
{
    const qsizetype at = text.lastIndexOf(u'/');
    return at < 0 ? 0 : int(at);
}

QString UrlHelpers::resourceSpecifier(const QUrl& url)
{
    // Everything after the scheme's colon.
    const QString full = url.toString();
    const qsizetype colon = full.indexOf(u':');
    return colon < 0 ? full : full.mid(colon + 1);
}

QString UrlHelpers::fileName(const QUrl& url)
{
    const QString p = hostAndPath(url);
    if (p.endsWith(u'/') || resourceSpecifier(url).endsWith(u'/'))
        return QStringLiteral("sqIndex.htm");
    return p.mid(p.lastIndexOf(u'/') + 1);
}

QString UrlHelpers::directory(const QUrl& url)
{
    const QString p = hostAndPath(url);
    QString result;
    if (!p.endsWith(u'/') && !resourceSpecifier(url).endsWith(u'/')) {
        const qsizetype at = p.lastIndexOf(u'/');
        result = at < 0 ? p : p.left(at);
    } else if (p.endsWith(u'/')) {
        result = p.left(p.size() - 1);
    } else {
        result = p;
    }
    // A host and path ending in two slashes would still end with one; the
    // folder is meant without it.
    if (result.endsWith(u'/')) {
        ConsoleLog::log(logCore, QStringLiteral("directory shouldn't end with /"));
        while (result.endsWith(u'/'))
            result.chop(1);
    }
    return result;
}

void UrlHelpers::dump(const QUrl& url, const QString& label)
{
    ConsoleLog::log(logCore, QStringLiteral("%@ absString %@\nfragment %@\nhost:%@\npath %@\npaaram %@\nquery %@\nrelativepath "
                                   "%@\nrelative string %@\nresource specifier %@\nscheme %@"),
                    label, url.toString(), url.fragment(), url.host(), url.path(), QString(), url.query(), url.path(),
                    url.toString(), resourceSpecifier(url), url.scheme());
}
