#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <optional>

// The kernel's IPv4 neighbour (ARP) table as /proc presents it (net/arp),
// read in the calling thread's network namespace: which hardware address
// answered for an address of the local network.
class NeighbourTable {
public:
    // The hardware address of a complete entry for address ("aa:bb:cc:dd:ee:ff"),
    // from the text of the table; none for incomplete or all-zero entries.
    static std::optional<QString> hardwareAddressIn(const QByteArray& table, const QHostAddress& address);
    static std::optional<QString> hardwareAddressFor(const QHostAddress& address);
};
