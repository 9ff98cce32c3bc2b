#include "models/SkipDistances.h"

#include "core/Localization.h"
#include "core/TextFormat.h"

#include <algorithm>

const std::vector<int>& SkipDistances::offered()
{
    static const std::vector<int> distances { 5, 10, 15, 20, 30, 45, 60, 120, 180, 240, 300, 600, 900 };
    return distances;
}

QString SkipDistances::seconds(int count)
{
    return fmt(QStringLiteral("%d %@"), count, localizedString("Seconds"));
}

QString SkipDistances::minutes(int count)
{
    if (count == 1)
        return localizedString("1 Minute");
    return fmt(QStringLiteral("%d %@"), count, localizedString("Minutes"));
}

QString SkipDistances::wordForDistance(int distance)
{
    const std::vector<int>& distances = offered();
    if (std::find(distances.begin(), distances.end(), distance) == distances.end())
        return QString();
    return distance < 60 ? seconds(distance) : minutes(distance / 60);
}
