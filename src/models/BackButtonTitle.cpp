#include "models/BackButtonTitle.h"

#include "core/Localization.h"

QString BackButtonTitle::forScreenBelow(const QString& ownBackTitle, const QString& title)
{
    if (!ownBackTitle.isEmpty())
        return ownBackTitle;
    if (!title.isEmpty())
        return title;
    return localizedString("Back");
}
