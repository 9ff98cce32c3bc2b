#include "platform/MprisRootAdaptor.h"

#include "platform/MprisService.h"

MprisRootAdaptor::MprisRootAdaptor(QObject* object, MprisService& service)
    : QDBusAbstractAdaptor(object)
    , m_service(service)
{
}

void MprisRootAdaptor::Raise()
{
    m_service.raise();
}
