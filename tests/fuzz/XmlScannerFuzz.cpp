// libFuzzer target: our XML reader against expat (make fuzz).
#include "ExpatEvents.h"
#include "ScannerEvents.h"

#include <QByteArray>

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray doc(reinterpret_cast<const char*>(data), qsizetype(size));
    const ScannerEvents mine = ScannerEvents::of(std::string_view(doc.constData(), size_t(doc.size())));
    const bool complete = mine.complete;
    const ExpatEvents expat = ExpatEvents::of(doc);
    // Names may use letters beyond ASCII; we take any, expat only those of its
    // tables, so the "no more lenient" check holds for ASCII documents.
    bool ascii = true;
    for (size_t i = 0; i < size; ++i)
        ascii = ascii && data[i] < 0x80;
    if (ascii && complete && !expat.complete)
        std::abort(); // we accepted what expat refuses
    if (complete && expat.complete && mine.events != expat.events)
        std::abort();
    return 0;
}
