#pragma once

#include <QString>
#include <QVariantMap>

// Typed access to the row dictionaries that describe list screens.
class DictionaryHelpers {
public:
    static int intForKey(const QVariantMap& dict, const QString& key);
    static float floatForKey(const QVariantMap& dict, const QString& key);
    static const void* classForKey(const QVariantMap& dict, const QString& key);
    static void setInt(QVariantMap& dict, int value, const QString& key);
    static void setFloat(QVariantMap& dict, float value, const QString& key);
    // Classes are kept as opaque pointer values (for example a QMetaObject).
    static void setClass(QVariantMap& dict, const void* cls, const QString& key);
};
