#pragma once

#include <QString>

// A service instance as a browse reports it: where it was seen (the
// interface index and protocol, as Avahi numbers them) and its three names.
struct DnsSdService {
    int interfaceIndex = -1;
    int protocol = -1;
    QString name;
    QString type;
    QString domain;
};
