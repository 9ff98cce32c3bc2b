#include "core/Localization.h"

#include <QCoreApplication>

QString Localization::localized(const char* englishText)
{
    return QCoreApplication::translate("Localizable", englishText);
}

QString Localization::localized(const QString& englishText)
{
    const QByteArray utf8 = englishText.toUtf8();
    return QCoreApplication::translate("Localizable", utf8.constData());
}
