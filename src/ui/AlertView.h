#pragma once

#include "core/AlertPresenter.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// An alert or action sheet shown inside a window, without blocking it: a
// dimmed backdrop with a panel (centred for alerts, at the bottom for action
// sheets), a title, a message, an optional text field and buttons numbered
// from 0 in the order given. Pressing a button closes it and tells the
// completion the index (and what was typed). Wrapped text is given the
// height it needs for the panel's width. In the text field Return presses
// the last button and Escape the first.
class AlertView : public QWidget {
    Q_OBJECT
public:
    AlertView(const AlertRequest& request, QWidget* host);
    ~AlertView() override;

    QString title() const { return m_request.title; }
    QString message() const { return m_request.message; }
    QStringList buttonTitles() const { return m_request.buttons; }
    bool isActionSheet() const { return m_request.actionSheet; }
    // Whether the request asks for what this alert shows.
    bool isSameAlert(const AlertRequest& request) const;
    // The text field, when the request asked for one.
    QLineEdit* textField() const { return m_textField; }
    QLabel* messageLabel() const { return m_message; }
    QWidget* panel() const { return m_panel; }

    void showAnimated();
    // Closes the alert as if the button had been pressed.
    void dismissWithClickedButtonIndex(int index, bool animated);
    // Presses a button, as a tap would.
    void pressButton(int index);

    // Every alert on screen, oldest first; tests find and answer them here.
    static QList<AlertView*> visibleAlerts();
    static AlertView* topAlert();

signals:
    void dismissed(int buttonIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutPanel();

    AlertRequest m_request;
    QWidget* m_panel;
    QLabel* m_title;
    QLabel* m_message;
    QLineEdit* m_textField = nullptr;
    QList<QPushButton*> m_buttons;
    bool m_done = false;
};
