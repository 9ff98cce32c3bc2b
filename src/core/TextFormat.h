#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Fills a printf-style pattern as the fixed texts of the system write them:
// %@ (any value as text), %d / %i (integer, with optional zero padding and
// width such as %02d), %f / %.Nf (decimal number), %C (a character), %%.
// Missing arguments leave their placeholder empty.
class TextFormat {
public:
    static QString format(const QString& pattern, const QVariantList& args);
};

template <typename... Args>
QString fmt(const QString& pattern, const Args&... args)
{
    return TextFormat::format(pattern, QVariantList { QVariant::fromValue(args)... });
}
