#include "touch/TouchAlerts.h"

TouchAlerts::TouchAlerts(QObject* parent)
    : QObject(parent)
{
}

void TouchAlerts::present(const AlertRequest& request)
{
    m_waiting.push_back(request);
    if (m_waiting.size() == 1)
        emit changed();
}

QString TouchAlerts::title() const
{
    return m_waiting.empty() ? QString() : m_waiting.front().title;
}

QString TouchAlerts::message() const
{
    return m_waiting.empty() ? QString() : m_waiting.front().message;
}

void TouchAlerts::dismiss()
{
    if (m_waiting.empty())
        return;
    const AlertRequest request = m_waiting.front();
    m_waiting.pop_front();
    emit changed();
    if (request.completion)
        request.completion(0);
    if (request.textCompletion)
        request.textCompletion(0, QString());
}
