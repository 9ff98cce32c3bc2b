#include "core/FoldedText.h"

namespace {
bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// Letters that no decomposition takes apart.
const char* plainSpelling(char16_t c)
{
    switch (c) {
    case u'ß': return "ss";
    case u'æ': case u'Æ': return "ae";
    case u'œ': case u'Œ': return "oe";
    case u'ø': case u'Ø': return "o";
    case u'ł': case u'Ł': return "l";
    case u'đ': case u'Đ': return "d";
    case u'þ': case u'Þ': return "th";
    case u'ı': return "i";
    default: return nullptr;
    }
}
}

QString FoldedText::fold(QStringView text)
{
    // Most names are plain ASCII: no decomposition needed.
    if (isAscii(text))
        return text.toString().toLower();
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            continue;
        if (const char* plain = plainSpelling(c.unicode()))
            out += QLatin1String(plain);
        else
            out += c;
    }
    return out.toCaseFolded();
}
