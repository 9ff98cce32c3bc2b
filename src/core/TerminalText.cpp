#include "core/TerminalText.h"

namespace {
bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

QString hex(char16_t c, int digits)
{
    return QString::number(c, 16).rightJustified(digits, u'0');
}

qsizetype firstControl(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isControl(text[i].unicode()))
            return i;
    return -1;
}

QString escapedFrom(QStringView text, qsizetype i)
{
    QString out;
    out.reserve(text.size() + 16);
    out += text.left(i);
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isControl(c))
            out += QChar(c);
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c < 0x80)
            out += QLatin1String("\\x") + hex(c, 2);
        else
            out += QLatin1String("\\u") + hex(c, 4);
    }
    return out;
}
}

QString escapedForTerminal(QStringView text)
{
    const qsizetype first = firstControl(text);
    return first < 0 ? text.toString() : escapedFrom(text, first);
}

QString escapedForTerminal(const QString& text)
{
    const qsizetype first = firstControl(text);
    return first < 0 ? text : escapedFrom(text, first);
}
