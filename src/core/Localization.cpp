#include "core/Localization.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

QString Localization::localized(const char* englishText)
{
    return qtTrId(englishText);
}

QString Localization::localized(const QString& englishText)
{
    const QByteArray utf8 = englishText.toUtf8();
    return qtTrId(utf8.constData());
}

bool Localization::installTranslations(const QLocale& locale)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("playerlink"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}
