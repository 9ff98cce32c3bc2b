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
    // The same alert twice says nothing new: the one on screen answers.
    for (const AlertView* shown : AlertView::visibleAlerts())
        if (shown->window() == host->window() && shown->isSameAlert(request))
            return;
    auto* alert = new AlertView(request, host);
    alert->showAnimated();
}

void WidgetAlertPresenter::withdraw(const QString& title)
{
    for (AlertView* shown : AlertView::visibleAlerts())
        if (shown->title() == title && (!m_host || shown->window() == m_host->window()))
            shown->dismissWithClickedButtonIndex(0, true);
}
