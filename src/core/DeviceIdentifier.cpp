#include "core/DeviceIdentifier.h"

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QUuid>

QString DeviceIdentifier::uniqueIdentifier(UserDefaults& defaults)
{
    QString identifier = defaults.stringForKey(PreferenceKeys::deviceIdentifier);
    if (QUuid::fromString(identifier).isNull()) {
        identifier = QUuid::createUuid().toString(QUuid::WithoutBraces);
        defaults.setObject(PreferenceKeys::deviceIdentifier, identifier);
    }
    return identifier;
}
