#include "models/DefaultRemoteOpening.h"

#include "vlc/VLCController.h"

void DefaultRemoteOpening::setListShowing(bool showing)
{
    if (m_showing && !showing)
        m_over = true;
    m_showing = showing;
}

bool DefaultRemoteOpening::opensByItself(const VLCController& remote, bool saved)
{
    if (m_over || !m_showing || !saved || !remote.record().isDefault)
        return false;
    m_over = true;
    return true;
}
