#include "core/LogText.h"

namespace {
bool needsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x2028 || c == 0x2029 || (c >= 0x202a && c <= 0x202e)
        || (c >= 0x2066 && c <= 0x2069);
}
}

QString LogText::escaped(QStringView text, qsizetype limit)
{
    QStringView kept = text.left(limit);
    if (kept.size() < text.size() && !kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1); // never half a character

    QString out;
    out.reserve(kept.size() + 16);
    for (const QChar qc : kept) {
        const char16_t c = qc.unicode();
        if (!needsEscape(c)) {
            out += qc;
            continue;
        }
        switch (c) {
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        default:
            out += c < 0x80 ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                            : QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        }
    }
    if (text.size() > limit)
        out += QStringLiteral("... (%1 characters)").arg(text.size());
    return out;
}
