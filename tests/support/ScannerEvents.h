#pragma once

#include "vlc/XmlScanner.h"

#include <string>

// Our reader's events in the canonical text of ExpatEvents, for comparing
// the two.
struct ScannerEvents {
    std::string events;
    bool complete = false;

    static ScannerEvents of(std::string_view document)
    {
        Collector collector;
        ScannerEvents result;
        result.complete = XmlScanner::scan(document, collector);
        collector.flush();
        result.events = collector.out;
        return result;
    }

private:
    struct Collector {
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
};
