#pragma once

#include <QByteArray>

#include <expat.h>

// One expat parser for one document, with UTF-8 forced whatever the document
// declares (VLC always sends UTF-8; malformed bytes stop the parse).
class ExpatSession {
public:
    explicit ExpatSession(void* userData);
    ~ExpatSession();
    ExpatSession(const ExpatSession&) = delete;
    ExpatSession& operator=(const ExpatSession&) = delete;

    XML_Parser parser() const { return m_parser; }
    // Feeds the whole document; false when the parser stopped on an error
    // (what was read up to that point has already been delivered).
    bool parse(const QByteArray& data);

private:
    XML_Parser m_parser;
};
