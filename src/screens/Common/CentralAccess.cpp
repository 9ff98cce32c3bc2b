#include "screens/Common/CentralAccess.h"

CentralAccess* CentralAccess::s_instance = nullptr;

CentralAccess::CentralAccess()
{
    s_instance = this;
}

CentralAccess::~CentralAccess()
{
    if (s_instance == this)
        s_instance = nullptr;
}

CentralAccess& CentralAccess::shared()
{
    Q_ASSERT_X(s_instance, "CentralAccess", "the application has not created its shared access point");
    return *s_instance;
}
