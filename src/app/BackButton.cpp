#include "app/BackButton.h"

#include "models/BackButtonTitle.h"

#include <QVariant>

BackButton::BackButton(QObject* parent)
    : QObject(parent)
{
}

QString BackButton::titleOver(const QObject* below)
{
    if (!below)
        return BackButtonTitle::forScreenBelow({}, {});
    return BackButtonTitle::forScreenBelow(below->property("backTitle").toString(), below->property("title").toString());
}
