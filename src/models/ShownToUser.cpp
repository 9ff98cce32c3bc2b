#include "models/ShownToUser.h"

bool ShownToUser::isActive(Qt::ApplicationState state, bool windowShown, bool sessionLocked)
{
    const bool putAway = state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended;
    return windowShown && !putAway && !sessionLocked;
}
