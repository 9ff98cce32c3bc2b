#include "core/AlertPresenter.h"

namespace {
AlertPresenter* installed = nullptr;
}

AlertPresenter* AlertPresenter::current()
{
    return installed;
}

void AlertPresenter::setCurrent(AlertPresenter* presenter)
{
    installed = presenter;
}
