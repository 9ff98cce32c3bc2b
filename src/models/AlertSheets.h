#pragma once

#include "core/AlertPresenter.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <deque>

// What the layers below ask to tell the user, shown by the window one at a
// time as a notice with its title and message. An action sheet shows its
// buttons, and dismissing it chooses none of them; dismissing any other
// answers with its first button, the one that does nothing ("Cancel", "Ok").
// A prompt with a text field shows its buttons too, and hears what was typed.
// One withdrawn leaves the window (or the queue) without the user.
class AlertSheets : public QObject, public AlertPresenter {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The alerts are made by the program")
    Q_PROPERTY(bool showing READ isShowing NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
    // An action sheet's buttons, in order; empty for a plain notice.
    Q_PROPERTY(QStringList buttons READ buttons NOTIFY changed)
    // The button among them that cannot be undone; -1 when none.
    Q_PROPERTY(int destructiveButton READ destructiveButton NOTIFY changed)
    // A line to type into under the message (masked when secret).
    Q_PROPERTY(bool textField READ hasTextField NOTIFY changed)
    Q_PROPERTY(bool secret READ isSecret NOTIFY changed)
    Q_PROPERTY(QString placeholder READ placeholder NOTIFY changed)
public:
    explicit AlertSheets(QObject* parent = nullptr);

    void present(const AlertRequest& request) override;
    void withdraw(const QString& title) override;
    bool isShowing() const { return !m_waiting.empty(); }
    QString title() const;
    QString message() const;
    QStringList buttons() const;
    int destructiveButton() const;
    bool hasTextField() const;
    bool isSecret() const;
    QString placeholder() const;
    Q_INVOKABLE void dismiss();
    // An action sheet's button was pressed.
    Q_INVOKABLE void choose(int index);
    // A prompt's button was pressed with the text typed.
    Q_INVOKABLE void chooseWithText(int index, const QString& text);

signals:
    void changed();

private:
    void answer(int index, const QString& text = {});

    std::deque<AlertRequest> m_waiting;
};
