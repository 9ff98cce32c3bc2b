// libFuzzer target: our XML reader against expat. Build and run with
// tests/fuzz/run.sh; it is not part of make test.
#include "ExpatEvents.h"
#include "XmlScanner.h"

#include <QByteArray>

#include <cstdlib>
#include <string>

namespace {
struct Events {
    std::string out, pending, scratch;
    void flush()
    {
        if (!pending.empty())
            out += "[" + pending + "]";
        pending.clear();
    }
    void start(std::string_view name, const XmlAttribute* attributes, size_t count)
    {
        flush();
        out += "<" + std::string(name);
        for (size_t i = 0; i < count; ++i) {
            scratch.clear();
            if (attributes[i].needsDecoding)
                XmlScanner::decodeAttribute(attributes[i].value, scratch);
            else
                scratch = attributes[i].value;
            out += " " + std::string(attributes[i].name) + "='" + scratch + "'";
        }
        out += ">";
    }
    void end()
    {
        flush();
        out += "</>";
    }
    void text(std::string_view t) { pending += t; }
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray doc(reinterpret_cast<const char*>(data), qsizetype(size));
    Events events;
    const bool complete = XmlScanner::scan(std::string_view(doc.constData(), size_t(doc.size())), events);
    events.flush();
    const ExpatEvents expat = ExpatEvents::of(doc);
    // Names may use letters beyond ASCII; we take any, expat only those of its
    // tables, so the "no more lenient" check holds for ASCII documents.
    bool ascii = true;
    for (size_t i = 0; i < size; ++i)
        ascii = ascii && data[i] < 0x80;
    if (ascii && complete && !expat.complete)
        std::abort(); // we accepted what expat refuses
    if (complete && expat.complete && events.out != expat.events)
        std::abort();
    return 0;
}
