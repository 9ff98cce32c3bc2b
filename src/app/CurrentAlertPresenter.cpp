#include "app/CurrentAlertPresenter.h"

#include "core/ConsoleLog.h"

void CurrentAlertPresenter::present(const AlertRequest& request)
{
    if (AlertPresenter* presenter = AlertPresenter::current(); presenter && presenter != this)
        presenter->present(request);
    else
        ConsoleLog::log(QStringLiteral("alert: %@ - %@"), request.title, request.message);
}

void CurrentAlertPresenter::withdraw(const QString& title)
{
    if (AlertPresenter* presenter = AlertPresenter::current(); presenter && presenter != this)
        presenter->withdraw(title);
}
