#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What core code asks of the user interface when it must tell the user
// something: a title, a message and buttons, numbered from 0 in the order
// given. The interface installs a presenter; tests install one that captures.
struct AlertRequest {
    QString title;
    QString message;
    QStringList buttons;
    std::function<void(int buttonIndex)> completion; // may be empty
    bool actionSheet = false;
    int destructiveButton = -1;
    // An optional line the user types into (a password, say), shown under
    // the message; textCompletion hears the button and what was typed.
    bool hasTextField = false;
    bool secureTextEntry = false;
    QString textPlaceholder;
    std::function<void(int buttonIndex, const QString& text)> textCompletion; // may be empty

    // A plain notice with one "Ok" button.
    static AlertRequest notice(const QString& title, const QString& message);
};

class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    virtual void present(const AlertRequest& request) = 0;
    // Takes back the alerts of this title, shown or waiting, as if their
    // first button was pressed: what they said no longer holds. A presenter
    // that keeps nothing on screen has nothing to take back.
    virtual void withdraw(const QString& title) { Q_UNUSED(title) }

    // The presenter in use (not owned); nullptr means alerts only reach the
    // console log.
    static AlertPresenter* current();
    static void setCurrent(AlertPresenter* presenter);
};
