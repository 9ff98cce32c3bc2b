#pragma once

#include <QString>

// A computer found on the local network: an IPv4 address, which is its
// identity, with the most readable name any of its services was advertised
// under.
class BonjourComputer {
public:
    BonjourComputer(const QString& name, const QString& ipAddress, bool bwIdentified);

    QString ipAddress() const { return m_ipAddress; }
    QString name() const { return m_name; }
    // Some service of this address had a type containing "bw-ident".
    bool bwIdentified() const { return m_bwIdentified; }
    void setBwIdentified(bool identified) { m_bwIdentified = identified; }

    // "computer: <name> <address>"
    QString description() const;

    // Takes the candidate when it is the better name; true when it did.
    // A readable name beats one that looks like a device address or serial
    // number; between two of a kind the shorter wins if it has at least 4
    // characters.
    bool updateNameIfBetter(const QString& candidate);

    // Non-empty and made only of characters from '0' to 'f' in character
    // order: digits, capitals, a to f, and signs between them such as ':'
    // and '@'.
    static bool looksHexadecimal(const QString& text);

private:
    QString m_ipAddress;
    QString m_name;
    bool m_bwIdentified = false;
};
