#include "ui/WidgetAlertPresenter.h"

#include "core/ConsoleLog.h"
#include "ui/AlertView.h"

#include <QApplication>

void WidgetAlertPresenter::present(const AlertRequest& request)
{
    QWidget* host = m_host ? m_host.data() : QApplication::activeWindow();
    if (!host) {
        ConsoleLog::log(QStringLiteral("alert without a window: %@ - %@"), request.title, request.message);
        return;
    }
    auto* alert = new AlertView(request, host);
    alert->showAnimated();
}
