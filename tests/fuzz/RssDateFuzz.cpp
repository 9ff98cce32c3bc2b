// libFuzzer target: feed dates. A date that is read must read the same when
// written back in the RFC 822 form.
#include "core/StringHelpers.h"

#include <QLocale>
#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QDateTime> date = StringHelpers::rssDateValue(text);
    if (!date)
        return 0;
    if (!date->isValid())
        std::abort();
    const int year = date->toUTC().date().year();
    if (year < 1000 || year > 9999)
        return 0; // an offset can carry a date past four digits of year
    const QString written = QLocale::c().toString(date->toUTC(), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss")) + QStringLiteral(" GMT");
    const std::optional<QDateTime> again = StringHelpers::rssDateValue(written);
    if (!again || *again != *date)
        std::abort();
    return 0;
}
