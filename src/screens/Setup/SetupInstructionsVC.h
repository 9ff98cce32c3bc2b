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
class SetupRequestService;

namespace Ui {
class SetupInstructions;
}

// The screen that greets a new user: it says how to prepare VLC (its web
// interface and password) and sends those steps to the user's e-mail
// address, through the maker's setup-request service when one is
// configured, else as a message the user's own mail program opens. It also
// records, once per installation, that a remote worked, and tells the
// service so once. It keeps a portrait shape.
class SetupInstructionsVC : public ViewController {
    Q_OBJECT
public:
    // header and message (rich text; a link to "help" opens the help page).
    SetupInstructionsVC(const AppContext& context, const QString& header, const QString& message,
                        QWidget* parent = nullptr);
    ~SetupInstructionsVC() override;

    // The message the application shows, for the configuration in use.
    static QString defaultMessage(const UserDefaults& defaults);
    // The instructions the e-mail carries when there is no service.
    static QString instructionsMailSubject();
    static QString instructionsMailBody();

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

    void setHaveSeenSetupPage();
    static bool haveSeenSetupPage(const UserDefaults& defaults);
    void setHaveSetupSuccesfully();
    static bool haveSetupSuccesfully(const UserDefaults& defaults);

    // Shifts the content up by 150 points (or back) for an on-screen keyboard.
    void setViewMovedUp(bool movedUp);
    bool tableMovedUp() const { return m_tableMovedUp; }
    void textFieldShouldBeginEditing();
    void textFieldDidEndEditing();
    void textFieldShouldReturn();

    QStringList rememberedAddresses() const;

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
    SetupRequestService* service() const { return m_service; }

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;

    static constexpr int keyboardShift = 150;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leave();
    void rememberAddress(const QString& address);
    void showHelp();
    void layoutContent();
    void updateForConfiguration();
    void alert(const QString& message);

    AppContext m_context;
    std::unique_ptr<Ui::SetupInstructions> m_ui;
    QString m_header;
    QString m_message;
    bool m_subscribe = false;
    bool m_tableMovedUp = false;
    SetupRequestService* m_service;
    BarButtonItem* m_skipButton = nullptr;
    BarButtonItem* m_sendButton = nullptr;
};
