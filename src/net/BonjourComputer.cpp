#include "net/BonjourComputer.h"

#include <algorithm>

BonjourComputer::BonjourComputer(const QString& name, const QString& ipAddress, bool bwIdentified)
    : m_ipAddress(ipAddress)
    , m_name(name)
    , m_bwIdentified(bwIdentified)
{
}

QString BonjourComputer::description() const
{
    return QStringLiteral("computer: %1 %2").arg(m_name, m_ipAddress);
}

bool BonjourComputer::updateNameIfBetter(const QString& candidate)
{
    if (candidate.isEmpty())
        return false;
    bool better = false;
    if (m_name.isEmpty()) {
        better = true;
    } else {
        const bool currentHex = looksHexadecimal(m_name);
        const bool candidateHex = looksHexadecimal(candidate);
        if (currentHex != candidateHex)
            // A serial number never displaces a readable name: otherwise the
            // two would take turns at every refresh of the browse.
            better = currentHex;
        else
            better = candidate.size() >= 4 && candidate.size() < m_name.size();
    }
    if (better)
        m_name = candidate;
    return better;
}

bool BonjourComputer::looksHexadecimal(const QString& text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'f'; });
}
