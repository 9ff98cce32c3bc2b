#pragma once

#include "models/AppContext.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class BarButtonItem;
class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class NavigationController;
class SetupInstructions;

namespace Ui {
class SetupInstructions;
}

// The screen that greets a new user, over SetupInstructions: it says how to
// prepare VLC and sends those steps to the user's e-mail address. It keeps
// a portrait shape.
class SetupInstructionsVC : public ViewController {
    Q_OBJECT
public:
    // header and message (rich text; a link to "help" opens the help page).
    SetupInstructionsVC(const AppContext& context, const QString& header, const QString& message,
                        QWidget* parent = nullptr);
    ~SetupInstructionsVC() override;

    // Shows this screen on the stack with its page-curl transition, or goes
    // back to it when it is on the stack already.
    void presentOn(NavigationController* navigation);

    // Actions.
    void send();
    void skip();
    void subscribePressed();
    // Offers the addresses typed here before; the button shows only when
    // there are some.
    void findContact();

    // Shows its own alert when the address will not do.
    bool validEmail();

    // Shifts the content up by 150 points (or back) for an on-screen keyboard.
    void setViewMovedUp(bool movedUp);
    bool tableMovedUp() const { return m_tableMovedUp; }
    void textFieldShouldBeginEditing();
    void textFieldDidEndEditing();
    void textFieldShouldReturn();

    QString header() const { return m_header; }
    QString message() const { return m_message; }
    bool subscribe() const { return m_subscribe; }
    QLabel* headerLabel() const;
    QLabel* messageField() const;
    QLineEdit* emailField() const;
    QToolButton* findButton() const;
    QCheckBox* subscribeCheckbox() const;
    BarButtonItem* skipButton() const { return m_skipButton; }
    BarButtonItem* sendButton() const { return m_sendButton; }
    SetupInstructions& instructions() const { return *m_instructions; }

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;

    static constexpr int keyboardShift = 150;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leave();
    void layoutContent();
    void updateForConfiguration();

    AppContext m_context;
    std::unique_ptr<Ui::SetupInstructions> m_ui;
    QString m_header;
    QString m_message;
    bool m_subscribe = false;
    bool m_tableMovedUp = false;
    SetupInstructions* m_instructions; // child
    BarButtonItem* m_skipButton = nullptr;
    BarButtonItem* m_sendButton = nullptr;
};
