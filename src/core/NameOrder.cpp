#include "core/NameOrder.h"

#include <QCollator>
#include <QLocale>

namespace {
const QCollator& collator()
{
    // The C locale compares code points, which puts "Zebra" before "alpha".
    static const QCollator shared = [] {
        const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
        QCollator c(locale);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return shared;
}
}

int NameOrder::compare(QStringView a, QStringView b)
{
    return collator().compare(a, b);
}
