#include "core/AlertPresenter.h"

#include "core/ConsoleLog.h"

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

void AlertPresenter::show(const QString& title, const QString& message, const QStringList& buttons,
                          std::function<void(int)> completion)
{
    AlertRequest request { title, message, buttons, std::move(completion) };
    if (installed) {
        installed->present(request);
        return;
    }
    ConsoleLog::log(QStringLiteral("alert: %@ - %@"), title, message);
}
