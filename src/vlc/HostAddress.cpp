#include "vlc/HostAddress.h"

#include <QHostAddress>
#include <QUrl>

namespace {
bool validPort(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    const int port = text.toInt();
    return port >= 1 && port <= 65535;
}

bool validHostName(const QString& host)
{
    // What a URL takes as its host, and nothing that ends a host in one.
    for (const QChar c : host)
        if (c.isSpace() || c.isNull() || c == u'@' || c == u'/' || c == u'\\' || c == u'?' || c == u'#'
            || c == u'%' || c == u'[' || c == u']' || c == u':')
            return false;
    const QUrl url(QStringLiteral("http://") + host + u'/', QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

bool isIpv6(const QString& text)
{
    // Hex digits, colons and dots only: QHostAddress reads past a NUL, and a
    // zone ("%eth0") would need escaping in the address VLC is asked at.
    for (const QChar c : text)
        if (!(c.isDigit() && c.unicode() < 0x80) && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F')
            && c != u':' && c != u'.')
            return false;
    const QHostAddress address(text);
    return !address.isNull() && address.protocol() == QAbstractSocket::IPv6Protocol;
}
}

HostAddress::Reading HostAddress::read(const QString& text)
{
    Reading reading;
    QString rest = text.trimmed();
    // Echoed in the reason: short, and nothing a terminal would act on.
    reading.shown = rest.left(80);
    for (QChar& c : reading.shown)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u'?';
    auto refuse = [&reading](Problem problem) {
        reading.problem = problem;
        return reading;
    };
    if (rest.isEmpty())
        return refuse(Problem::NoHost);
    if (const qsizetype scheme = rest.indexOf(QStringLiteral("://")); scheme >= 0) {
        if (rest.left(scheme).compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0)
            return refuse(Problem::NotHttp);
        rest = rest.mid(scheme + 3);
    }
    while (rest.endsWith(u'/'))
        rest.chop(1);
    if (rest.contains(u'/') || rest.contains(u'?') || rest.contains(u'#'))
        return refuse(Problem::NamesAPage);
    if (rest.contains(u'@'))
        return refuse(Problem::CarriesUserName);

    QString host;
    QString port;
    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0 || !isIpv6(rest.mid(1, close - 1)))
            return refuse(Problem::NotIpv6InBrackets);
        host = rest.left(close + 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(u':'))
                return refuse(Problem::NotAHost);
            port = after.mid(1);
        }
    } else if (rest.count(u':') > 1) {
        // A bare IPv6 address names no port; it goes in brackets.
        if (!isIpv6(rest))
            return refuse(Problem::NotAHost);
        host = u'[' + rest + u']';
    } else {
        const qsizetype colon = rest.indexOf(u':');
        host = colon < 0 ? rest : rest.left(colon);
        if (colon >= 0)
            port = rest.mid(colon + 1);
        if (!validHostName(host))
            return refuse(Problem::NotAHost);
    }
    if (!port.isNull() && !validPort(port))
        return refuse(Problem::BadPort);
    reading.address = port.isNull() ? host : host + u':' + port;
    return reading;
}

std::optional<QString> HostAddress::fromUserText(const QString& text, QString* problem)
{
    const Reading reading = read(text);
    if (reading.address || !problem)
        return reading.address;
    const QString& shown = reading.shown;
    switch (reading.problem) {
    case Problem::None:
    case Problem::NoHost:
        *problem = QStringLiteral("no host given");
        break;
    case Problem::NotHttp:
        *problem = QStringLiteral("'%1': VLC's web interface speaks plain http; give HOST[:PORT] or http://HOST[:PORT]")
                       .arg(shown);
        break;
    case Problem::NamesAPage:
        *problem = QStringLiteral("'%1' names a page; give only HOST[:PORT]").arg(shown);
        break;
    case Problem::CarriesUserName:
        *problem = QStringLiteral("'%1' carries a user name; give the password with --password").arg(shown);
        break;
    case Problem::NotIpv6InBrackets:
        *problem = QStringLiteral("'%1' is not an IPv6 address in brackets").arg(shown);
        break;
    case Problem::NotAHost:
        *problem = QStringLiteral("'%1' is not a host name or address").arg(shown);
        break;
    case Problem::BadPort:
        *problem = QStringLiteral("'%1': the port must be a number from 1 to 65535").arg(shown);
        break;
    }
    return std::nullopt;
}
