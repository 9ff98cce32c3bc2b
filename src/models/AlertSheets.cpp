#include "models/AlertSheets.h"

#include <vector>

AlertSheets::AlertSheets(QObject* parent)
    : QObject(parent)
{
}

void AlertSheets::present(const AlertRequest& request)
{
    m_waiting.push_back(request);
    if (m_waiting.size() == 1)
        emit changed();
}

void AlertSheets::withdraw(const QString& title)
{
    // The waiting ones first, taken out before any completion can add one.
    std::vector<AlertRequest> taken;
    for (size_t i = m_waiting.size(); i-- > 1;)
        if (m_waiting[i].title == title) {
            taken.push_back(m_waiting[i]);
            m_waiting.erase(m_waiting.begin() + std::ptrdiff_t(i));
        }
    const bool shown = !m_waiting.empty() && m_waiting.front().title == title;
    for (const AlertRequest& request : taken)
        if (request.completion)
            request.completion(0);
    // Answering the shown one brings the next on.
    if (shown && !m_waiting.empty() && m_waiting.front().title == title)
        answer(0);
}

QString AlertSheets::title() const
{
    return m_waiting.empty() ? QString() : m_waiting.front().title;
}

QString AlertSheets::message() const
{
    return m_waiting.empty() ? QString() : m_waiting.front().message;
}

QStringList AlertSheets::buttons() const
{
    if (m_waiting.empty() || !(m_waiting.front().actionSheet || m_waiting.front().hasTextField))
        return {};
    return m_waiting.front().buttons;
}

int AlertSheets::destructiveButton() const
{
    const int index = buttons().isEmpty() ? -1 : m_waiting.front().destructiveButton;
    return index < buttons().size() ? index : -1;
}

bool AlertSheets::hasTextField() const
{
    return !m_waiting.empty() && m_waiting.front().hasTextField;
}

bool AlertSheets::isSecret() const
{
    return !m_waiting.empty() && m_waiting.front().secureTextEntry;
}

QString AlertSheets::placeholder() const
{
    return m_waiting.empty() ? QString() : m_waiting.front().textPlaceholder;
}

void AlertSheets::dismiss()
{
    if (!m_waiting.empty())
        answer(m_waiting.front().actionSheet ? -1 : 0);
}

void AlertSheets::choose(int index)
{
    if (!m_waiting.empty() && index >= 0 && index < m_waiting.front().buttons.size())
        answer(index);
}

void AlertSheets::chooseWithText(int index, const QString& text)
{
    if (!m_waiting.empty() && index >= 0 && index < m_waiting.front().buttons.size())
        answer(index, text);
}

void AlertSheets::answer(int index, const QString& text)
{
    const AlertRequest request = m_waiting.front();
    m_waiting.pop_front();
    emit changed();
    if (request.completion)
        request.completion(index);
    if (request.textCompletion)
        request.textCompletion(index, text);
}
