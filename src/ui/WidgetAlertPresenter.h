#pragma once

#include "core/AlertPresenter.h"

#include <QPointer>
#include <QWidget>

// Shows the alerts core code asks for as AlertViews over the window, one
// copy of each at a time.
class WidgetAlertPresenter : public AlertPresenter {
public:
    explicit WidgetAlertPresenter(QWidget* host) : m_host(host) { }
    void present(const AlertRequest& request) override;
    void withdraw(const QString& title) override;
    void setHost(QWidget* host) { m_host = host; }

private:
    QPointer<QWidget> m_host;
};
