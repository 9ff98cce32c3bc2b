#include "ExpatSession.h"

#include <limits>

ExpatSession::ExpatSession(void* userData)
    : m_parser(XML_ParserCreate("UTF-8"))
{
    XML_SetUserData(m_parser, userData);
}

ExpatSession::~ExpatSession()
{
    XML_ParserFree(m_parser);
}

bool ExpatSession::parse(const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    constexpr qsizetype chunk = std::numeric_limits<int>::max() / 2;
    while (left > chunk) {
        if (XML_Parse(m_parser, p, int(chunk), XML_FALSE) != XML_STATUS_OK)
            return false;
        p += chunk;
        left -= chunk;
    }
    return XML_Parse(m_parser, p, int(left), XML_TRUE) == XML_STATUS_OK;
}
