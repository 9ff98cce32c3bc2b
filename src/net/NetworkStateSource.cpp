#include "net/NetworkStateSource.h"

NetworkStateSource::NetworkStateSource(QObject* parent)
    : QObject(parent)
{
}

NetworkStateSource::~NetworkStateSource() = default;
