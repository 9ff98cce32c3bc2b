// libFuzzer target: the addresses given to "Open address..." and to the
// command line's open. An address that is accepted goes to VLC bounded,
// with a scheme of the list, without white space or control characters,
// and is accepted again as it is.
#include "vlc/StreamAddress.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const StreamAddress::Checked checked = StreamAddress::check(text);
    if (checked.problem != StreamAddress::Problem::None) {
        if (!checked.address.isEmpty())
            std::abort();
        return 0;
    }
    const QString& address = checked.address;
    if (address.isEmpty() || address.size() > StreamAddress::maxLength
        || !StreamAddress::schemes().contains(checked.scheme))
        std::abort();
    for (const QChar c : address)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            std::abort();
    const StreamAddress::Checked again = StreamAddress::check(address);
    if (again.problem != StreamAddress::Problem::None || again.address != address)
        std::abort();
    return 0;
}
