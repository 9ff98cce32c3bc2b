#pragma once

#include "core/AlertPresenter.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <deque>

// What the layers below ask to tell the user, shown by the window one at a
// time as a notice with its title and message. Dismissing it answers with
// the first button, which is the one that does nothing ("Cancel", "Ok").
class TouchAlerts : public QObject, public AlertPresenter {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The alerts are made by the program")
    Q_PROPERTY(bool showing READ isShowing NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
public:
    explicit TouchAlerts(QObject* parent = nullptr);

    void present(const AlertRequest& request) override;
    bool isShowing() const { return !m_waiting.empty(); }
    QString title() const;
    QString message() const;
    Q_INVOKABLE void dismiss();

signals:
    void changed();

private:
    std::deque<AlertRequest> m_waiting;
};
