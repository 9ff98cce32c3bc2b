#include "core/DictionaryHelpers.h"

int DictionaryHelpers::intForKey(const QVariantMap& dict, const QString& key)
{
    return dict.value(key).toInt();
}

float DictionaryHelpers::floatForKey(const QVariantMap& dict, const QString& key)
{
    return dict.value(key).toFloat();
}

const void* DictionaryHelpers::classForKey(const QVariantMap& dict, const QString& key)
{
    return reinterpret_cast<const void*>(dict.value(key).value<quintptr>());
}

void DictionaryHelpers::setInt(QVariantMap& dict, int value, const QString& key)
{
    dict.insert(key, value);
}

void DictionaryHelpers::setFloat(QVariantMap& dict, float value, const QString& key)
{
    dict.insert(key, value);
}

void DictionaryHelpers::setClass(QVariantMap& dict, const void* cls, const QString& key)
{
    dict.insert(key, QVariant::fromValue(reinterpret_cast<quintptr>(cls)));
}
