#include "ExpatEvents.h"

#include <expat.h>

namespace {
struct State {
    std::string out;
    std::string text;
    bool inCdata = false;
    void flush()
    {
        if (!text.empty())
            out += "[" + text + "]";
        text.clear();
    }
};
}

ExpatEvents ExpatEvents::of(const QByteArray& document)
{
    State state;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* s, const char* name, const char** attributes) {
            auto* st = static_cast<State*>(s);
            st->flush();
            st->out += std::string("<") + name;
            for (const char** a = attributes; a[0]; a += 2)
                st->out += std::string(" ") + a[0] + "='" + a[1] + "'";
            st->out += ">";
        },
        [](void* s, const char*) {
            auto* st = static_cast<State*>(s);
            st->flush();
            st->out += "</>";
        });
    XML_SetCharacterDataHandler(parser, [](void* s, const char* text, int length) {
        auto* st = static_cast<State*>(s);
        if (!st->inCdata)
            st->text.append(text, size_t(length));
    });
    XML_SetCdataSectionHandler(
        parser, [](void* s) { static_cast<State*>(s)->inCdata = true; },
        [](void* s) { static_cast<State*>(s)->inCdata = false; });
    ExpatEvents result;
    result.complete = XML_Parse(parser, document.constData(), int(document.size()), XML_TRUE) == XML_STATUS_OK;
    state.flush();
    XML_ParserFree(parser);
    result.events = state.out;
    return result;
}
