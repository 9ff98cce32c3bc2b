#include "ui/NavTransition.h"

NavTransition::NavTransition(int barVisibility, int appearTransition, int disappearTransition)
    : m_barVisibility(barVisibility)
    , m_appearTransition(appearTransition)
    , m_disappearTransition(disappearTransition)
{
    if (disappearTransition == -1 && appearTransition != -1)
        m_disappearTransition = mirrorOf(appearTransition);
}

int NavTransition::mirrorOf(int transition)
{
    switch (transition) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return 0;
    }
}
