#include "core/TextFormat.h"

QString TextFormat::format(const QString& pattern, const QVariantList& args)
{
    QString out;
    out.reserve(pattern.size() + 16 * args.size());
    qsizetype next = 0;
    auto takeArg = [&]() -> QVariant { return next < args.size() ? args.at(next++) : QVariant(); };

    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 >= pattern.size()) {
            out.append(c);
            continue;
        }
        qsizetype j = i + 1;
        if (pattern.at(j) == u'%') {
            out.append(u'%');
            i = j;
            continue;
        }
        // Flags, width and precision: [0][width][.precision]
        bool zeroPad = false;
        if (pattern.at(j) == u'0') {
            zeroPad = true;
            ++j;
        }
        int width = 0;
        while (j < pattern.size() && pattern.at(j).isDigit())
            width = width * 10 + pattern.at(j++).digitValue();
        int precision = -1;
        if (j < pattern.size() && pattern.at(j) == u'.') {
            ++j;
            precision = 0;
            while (j < pattern.size() && pattern.at(j).isDigit())
                precision = precision * 10 + pattern.at(j++).digitValue();
        }
        // Length modifiers are accepted and ignored.
        while (j < pattern.size() && (pattern.at(j) == u'l' || pattern.at(j) == u'h' || pattern.at(j) == u'q'))
            ++j;
        if (j >= pattern.size()) {
            out.append(pattern.mid(i));
            break;
        }
        const QChar conv = pattern.at(j);
        const QChar pad = zeroPad ? u'0' : u' ';
        if (conv == u'@') {
            out.append(takeArg().toString().rightJustified(width, u' '));
        } else if (conv == u'd' || conv == u'i' || conv == u'u') {
            const qlonglong v = takeArg().toLongLong();
            QString digits = QString::number(v < 0 ? -v : v);
            const int signWidth = v < 0 ? 1 : 0;
            if (zeroPad)
                digits = digits.rightJustified(width - signWidth, u'0');
            QString text = (v < 0 ? QStringLiteral("-") : QString()) + digits;
            out.append(text.rightJustified(width, pad));
        } else if (conv == u'f') {
            out.append(QString::number(takeArg().toDouble(), 'f', precision < 0 ? 6 : precision)
                           .rightJustified(width, pad));
        } else if (conv == u'C' || conv == u'c') {
            const QVariant v = takeArg();
            out.append(v.typeId() == QMetaType::QChar ? v.toChar() : QChar(char16_t(v.toUInt())));
        } else if (conv == u's') {
            out.append(takeArg().toString());
        } else {
            out.append(pattern.mid(i, j - i + 1));
        }
        i = j;
    }
    return out;
}
