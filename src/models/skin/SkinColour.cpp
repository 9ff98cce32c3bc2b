#include "models/skin/SkinColour.h"

#include "core/StringHelpers.h"

#include <QStringList>

QColor SkinColour::fromString(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (text.isEmpty() || parts.size() < 4)
        return QColor::fromRgbF(1, 1, 1, 1);
    auto component = [&](int i) { return float(qBound(0.0, StringHelpers::doubleValue(parts[i]), 1.0)); };
    return QColor::fromRgbF(component(0), component(1), component(2), component(3));
}
