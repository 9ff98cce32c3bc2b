#include "vlc/VlcErrorPage.h"

#include "vlc/ByteSearch.h"

#include <QRegularExpression>

namespace {
constexpr qsizetype maxMessageChars = 300;

QString decodeEntities(const QString& text)
{
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]{1,7}|#x[0-9A-Fa-f]{1,6}|lt|gt|amp|quot|apos);"));
    QString out;
    qsizetype from = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(from, m.capturedStart() - from);
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(QStringLiteral("#x")))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(u'#'))
            code = name.mid(1).toUInt();
        else
            code = name == u"lt" ? U'<' : name == u"gt" ? U'>' : name == u"amp" ? U'&' : name == u"quot" ? U'"' : U'\'';
        if (code == 0 || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            code = 0xfffd;
        out += QString::fromUcs4(&code, 1);
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}
}

QString VlcErrorPage::message(const QByteArray& body)
{
    if (!ByteSearch::containsIgnoringCase(body, "Error loading"))
        return {};
    const qsizetype open = body.indexOf("<pre>");
    if (open < 0)
        return {};
    const qsizetype start = open + 5;
    qsizetype end = body.indexOf("</pre>", start);
    if (end < 0)
        end = body.size();
    QString text = decodeEntities(QString::fromUtf8(body.mid(start, std::min<qsizetype>(end - start, 4096))));
    // One line, nothing a terminal would act on.
    QString line;
    bool space = false;
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) {
            space = !line.isEmpty();
            continue;
        }
        if (space)
            line += u' ';
        space = false;
        line += c;
    }
    // "lua/intf/modules/httprequests.lua:419: cannot open directory ..."
    static const QRegularExpression where(QStringLiteral("^\\S*\\.lua:[0-9]+: "));
    line.remove(where);
    if (line.size() > maxMessageChars) {
        const qsizetype cut = line.at(maxMessageChars - 1).isHighSurrogate() ? maxMessageChars - 1 : maxMessageChars;
        line = line.left(cut) + QStringLiteral("...");
    }
    return line;
}
