#include "core/AlertPresenter.h"

#include "core/Localization.h"

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

AlertRequest AlertRequest::notice(const QString& title, const QString& message)
{
    AlertRequest request;
    request.title = title;
    request.message = message;
    request.buttons = { localizedString("Ok") };
    return request;
}
