#include "screens/Setup/SetupInstructionsVC.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "net/SetupRequestService.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/UiPalette.h"
#include "ui_SetupInstructions.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QPainter>
#include <QPropertyAnimation>

namespace {
constexpr int maximumRememberedAddresses = 5;
constexpr int shiftDurationMs = 300;
const QString helpLink = QStringLiteral("help");

QIcon findIcon()
{
    QPixmap image(48, 48);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QRectF(5, 5, 10, 10));
    p.drawLine(QPointF(13.5, 13.5), QPointF(19, 19));
    return QIcon(image);
}
}

SetupInstructionsVC::SetupInstructionsVC(const AppContext& context, const QString& header, const QString& message,
                                         QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_ui(std::make_unique<Ui::SetupInstructions>())
    , m_header(header)
    , m_message(message)
    , m_service(new SetupRequestService(context.defaults, context.network, this))
{
    m_ui->setupUi(this);
    setTitle(localizedString("Setup"));
    connect(m_ui->subscribeCheckbox, &QCheckBox::toggled, this, [this](bool on) { m_subscribe = on; });
    connect(m_service, &SetupRequestService::successReported, this, [this](bool ok) {
        if (ok)
            m_context.defaults.setBool(PreferenceKeys::haveReportedSuccesfullSetup, true);
    });
}

void SetupInstructionsVC::alert(const QString& message)
{
    m_context.alerts.present({ localizedString("Please check your email"), message, { localizedString("Ok") } });
}

SetupInstructionsVC::~SetupInstructionsVC() = default;

QLabel* SetupInstructionsVC::headerLabel() const
{
    return m_ui->headerLabel;
}

QLabel* SetupInstructionsVC::messageField() const
{
    return m_ui->messageField;
}

QLineEdit* SetupInstructionsVC::emailField() const
{
    return m_ui->emailField;
}

QToolButton* SetupInstructionsVC::findButton() const
{
    return m_ui->findButton;
}

QCheckBox* SetupInstructionsVC::subscribeCheckbox() const
{
    return m_ui->subscribeCheckbox;
}

QString SetupInstructionsVC::defaultMessage(const UserDefaults& defaults)
{
    const QString how = localizedString(
        "To use PlayerLink, you'll need to switch on VLC's web interface and give it a password, on each computer "
        "you want to control. The <a href=\"help\">help page</a> shows how, step by step.");
    const QString mail = SetupRequestService::isConfigured(defaults)
        ? localizedString("If you enter your email address, we'll send you an email with the setup instructions.")
        : localizedString("If you enter your email address, your mail program opens an email to you with the setup "
                          "instructions, so that you can follow them on your computer.");
    return how + QStringLiteral("<br><br>") + mail;
}

QString SetupInstructionsVC::instructionsMailSubject()
{
    return localizedString("Setting up VLC for PlayerLink");
}

QString SetupInstructionsVC::instructionsMailBody()
{
    return localizedString(
        "PlayerLink controls VLC through VLC's web interface. That interface is switched off until you switch it on, "
        "and VLC 3 opens it only with a password. Do this once on each computer you want to control.\n"
        "\n"
        "1. Switch on VLC's web interface\n"
        "- Open VLC and choose Tools > Preferences (on a Mac: VLC > Preferences).\n"
        "- At the bottom left, under Show settings, choose All.\n"
        "- In the list on the left, click Interface > Main interfaces. On the right, tick Web.\n"
        "- Open Main interfaces and click Lua. Under Lua HTTP, type a password into Password.\n"
        "- Click Save, quit VLC and start it again.\n"
        "\n"
        "Or start VLC with the web interface on, putting your own password in place of SECRET:\n"
        "vlc --extraintf http --http-password SECRET\n"
        "\n"
        "To check: open a web browser on the computer at http://localhost:8080, leave the user name empty and type "
        "your password. VLC's own web remote appears.\n"
        "\n"
        "2. Let VLC through the firewall\n"
        "- Windows: when Windows asks whether VLC may communicate on networks, tick Private networks and click "
        "Allow access.\n"
        "- macOS: if you are asked whether VLC may accept incoming network connections, click Allow.\n"
        "- Linux: most desktops have no firewall switched on. With ufw, run: sudo ufw allow 8080/tcp\n"
        "\n"
        "3. Add the computer to PlayerLink\n"
        "PlayerLink looks for computers on your network by itself. Choose yours and type the password you set in "
        "VLC. If it is not in the list, add it by hand with its address, such as 192.168.1.20.\n");
}

// --- The screen ------------------------------------------------------------------

void SetupInstructionsVC::viewDidLoad()
{
    setStyleSheet(QStringLiteral(
        "#contentView { background: #16171a; }"
        "QToolButton { background: #2a2c32; border: 1px solid #0c0c0e; border-radius: 7px; }"
        "QToolButton:pressed { background: #3a3d44; }"));
    // Light text on the dark ground.
    QPalette text = palette();
    text.setColor(QPalette::WindowText, UiPalette::text());
    for (QLabel* label : { m_ui->headerLabel, m_ui->messageField, m_ui->sendDetailsLabel })
        label->setPalette(text);
    m_ui->headerLabel->setText(m_header);
    m_ui->headerLabel->setFont(UiPalette::boldFont(21));
    // A label's links take their colour from markup, not from its palette.
    QString message = m_message;
    message.replace(QStringLiteral("<a "), QStringLiteral("<a style=\"color:#6cb4ff\" "));
    m_ui->messageField->setText(message);
    m_ui->messageField->setFont(UiPalette::font(16));
    connect(m_ui->messageField, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == helpLink)
            showHelp();
    });

    QLineEdit* field = m_ui->emailField;
    field->setPlaceholderText(localizedString("Your email address"));
    field->setClearButtonEnabled(true);
    field->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    field->setStyleSheet(QStringLiteral("QLineEdit { color: black; background: white; font-size: 17px;"
                                        " border: 1px solid #8e8e93; border-radius: 7px; padding: 2px 6px; }"));
    field->installEventFilter(this);
    connect(field, &QLineEdit::returnPressed, this, &SetupInstructionsVC::textFieldShouldReturn);

    m_ui->findButton->setIcon(findIcon());
    m_ui->findButton->setIconSize(QSize(24, 24));
    m_ui->findButton->setToolTip(localizedString("Addresses you typed before"));
    connect(m_ui->findButton, &QToolButton::clicked, this, &SetupInstructionsVC::findContact);

    m_ui->sendDetailsLabel->setText(localizedString("Send me info on updates and new iPhone apps"));
    m_ui->sendDetailsLabel->setFont(UiPalette::font(15));
    m_ui->sendDetailsLabel->installEventFilter(this); // the label ticks the box too
    m_subscribe = m_ui->subscribeCheckbox->isChecked();

    m_skipButton = new BarButtonItem(localizedString("Skip"), BarButtonItem::Bordered, this);
    m_sendButton = new BarButtonItem(localizedString("Send"), BarButtonItem::Done, this);
    connect(m_skipButton, &BarButtonItem::triggered, this, &SetupInstructionsVC::skip);
    connect(m_sendButton, &BarButtonItem::triggered, this, &SetupInstructionsVC::send);
    m_ui->toolbar->setItems({ m_skipButton, BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this), m_sendButton });

    connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, this, [this] {
        if (m_ui->emailField->hasFocus() && QGuiApplication::inputMethod()->isVisible())
            textFieldShouldBeginEditing();
        else if (!QGuiApplication::inputMethod()->isVisible())
            textFieldDidEndEditing();
    });
    layoutContent();
}

void SetupInstructionsVC::viewWillAppear(bool)
{
    updateForConfiguration();
}

void SetupInstructionsVC::updateForConfiguration()
{
    // The tick box asks the maker's service for news; without one it means nothing.
    m_ui->subscribeCheckbox->setVisible(SetupRequestService::isConfigured(m_context.defaults));
    m_ui->sendDetailsLabel->setVisible(SetupRequestService::isConfigured(m_context.defaults));
    m_ui->findButton->setVisible(!rememberedAddresses().isEmpty());
}

bool SetupInstructionsVC::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return orientation == OrientationPortrait;
}

void SetupInstructionsVC::resizeEvent(QResizeEvent* event)
{
    ViewController::resizeEvent(event);
    layoutContent();
}

void SetupInstructionsVC::layoutContent()
{
    const int shift = m_tableMovedUp ? keyboardShift : 0;
    m_ui->contentView->setGeometry(0, -shift, width(), height() + shift);
}

void SetupInstructionsVC::presentOn(NavigationController* navigation)
{
    if (!navigation)
        return;
    if (navigation->viewControllers().contains(this)) {
        navigation->popToViewController(this, true);
        return;
    }
    if (auto* bw = qobject_cast<BWNavigationController*>(navigation)) {
        bw->queueTransitionType(4, 3); // curl down, and up again on the way back
        bw->pushViewControllerVisibility(this, true, 1);
    } else {
        navigation->pushViewController(this, true);
    }
}

void SetupInstructionsVC::showHelp()
{
    m_context.navigator.showHelp(helpLink);
}

void SetupInstructionsVC::leave()
{
    m_ui->emailField->clearFocus();
    if (navigationController() && navigationController()->topViewController() == this)
        navigationController()->popViewControllerAnimated(true);
}

// --- Actions -----------------------------------------------------------------------

bool SetupInstructionsVC::validEmail()
{
    const QString text = m_ui->emailField->text().trimmed();
    if (text.isEmpty()) {
        // The find button is there only when it has something to offer.
        alert(!rememberedAddresses().isEmpty()
                  ? localizedString("It looks like your email is blank. Please enter your email address, or use the "
                                    "find icon to pick one you typed before.\n\nOr just tap the skip button to skip "
                                    "this entirely.")
                  : localizedString("It looks like your email is blank. Please enter your email address.\n\nOr just "
                                    "tap the skip button to skip this entirely."));
        return false;
    }
    // The plus sign is the maker's server's limit, not the address's.
    if (SetupRequestService::isConfigured(m_context.defaults) && text.contains(u'+')) {
        alert(localizedString("Annoyingly, my ruby on rails server can't handle the plus sign. Sorry"));
        return false;
    }
    if (text.size() > 8) {
        ConsoleLog::log(QStringLiteral("length ok"));
        if (text.contains(u'@')) {
            ConsoleLog::log(QStringLiteral("@ ok"));
            if (text.contains(u'.')) {
                ConsoleLog::log(QStringLiteral(". ok"));
                return true;
            }
        }
    }
    alert(localizedString("That doesn't look like a valid email address.\n\n(Just tap the skip button to skip this "
                          "entirely.)"));
    return false;
}

void SetupInstructionsVC::send()
{
    if (!validEmail())
        return;
    const QString address = m_ui->emailField->text().trimmed();
    const bool viaService = m_service->requestInstructions(address, m_subscribe);
    setHaveSeenSetupPage();
    rememberAddress(address);
    leave();
    Analytics::event(m_context.defaults, QStringLiteral("requestedSetupEmail"));
    if (viaService)
        m_context.alerts.present({ localizedString("Request Sent"),
                                   localizedString("Setup details should arrive by email shortly"), { localizedString("Ok") } });
    else
        m_context.navigator.composeMail(address, instructionsMailSubject(), instructionsMailBody());
}

void SetupInstructionsVC::skip()
{
    setHaveSeenSetupPage();
    leave();
}

void SetupInstructionsVC::subscribePressed()
{
    m_ui->subscribeCheckbox->setChecked(!m_subscribe); // the box tells m_subscribe
}

void SetupInstructionsVC::findContact()
{
    const QStringList addresses = rememberedAddresses();
    if (addresses.isEmpty())
        return;
    AlertRequest sheet;
    sheet.title = localizedString("Addresses you typed before");
    sheet.buttons = addresses;
    sheet.buttons.append(localizedString("Cancel"));
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<SetupInstructionsVC>(this), addresses](int index) {
        if (self && index >= 0 && index < addresses.size())
            self->m_ui->emailField->setText(addresses[index]);
    };
    m_context.alerts.present(sheet);
}

QStringList SetupInstructionsVC::rememberedAddresses() const
{
    return m_context.defaults.objectForKey(PreferenceKeys::setupEmailAddresses).toStringList();
}

void SetupInstructionsVC::rememberAddress(const QString& address)
{
    QStringList addresses = rememberedAddresses();
    addresses.removeIf([&](const QString& known) { return known.compare(address, Qt::CaseInsensitive) == 0; });
    addresses.prepend(address);
    while (addresses.size() > maximumRememberedAddresses)
        addresses.removeLast();
    m_context.defaults.setObject(PreferenceKeys::setupEmailAddresses, addresses);
    m_ui->findButton->setVisible(true);
}

// --- What the preferences remember -------------------------------------------------

void SetupInstructionsVC::setHaveSeenSetupPage()
{
    m_context.defaults.setBool(PreferenceKeys::haveSeenSetupPage, true);
}

bool SetupInstructionsVC::haveSeenSetupPage(const UserDefaults& defaults)
{
    return defaults.boolForKey(PreferenceKeys::haveSeenSetupPage);
}

void SetupInstructionsVC::setHaveSetupSuccesfully()
{
    UserDefaults& defaults = m_context.defaults;
    defaults.setBool(PreferenceKeys::haveSetupSuccesfully, true);
    if (!defaults.boolForKey(PreferenceKeys::haveReportedSuccesfullSetup))
        m_service->reportSuccess();
}

bool SetupInstructionsVC::haveSetupSuccesfully(const UserDefaults& defaults)
{
    return defaults.boolForKey(PreferenceKeys::haveSetupSuccesfully);
}

// --- Typing ---------------------------------------------------------------------------

void SetupInstructionsVC::setViewMovedUp(bool movedUp)
{
    if (movedUp == m_tableMovedUp)
        return;
    m_tableMovedUp = movedUp;
    const int shift = movedUp ? keyboardShift : 0;
    auto* animation = new QPropertyAnimation(m_ui->contentView, "geometry", this);
    animation->setDuration(shiftDurationMs);
    animation->setEndValue(QRect(0, -shift, width(), height() + shift));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void SetupInstructionsVC::textFieldShouldBeginEditing()
{
    // Only an on-screen keyboard covers the field; a desktop's does not.
    const int fieldY = m_ui->emailField->mapTo(m_ui->contentView, QPoint(0, 0)).y();
    if (fieldY > keyboardShift && QGuiApplication::inputMethod()->isVisible())
        setViewMovedUp(true);
}

void SetupInstructionsVC::textFieldDidEndEditing()
{
    if (m_tableMovedUp)
        setViewMovedUp(false);
}

void SetupInstructionsVC::textFieldShouldReturn()
{
    m_ui->emailField->clearFocus();
}

bool SetupInstructionsVC::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->sendDetailsLabel && event->type() == QEvent::MouseButtonRelease) {
        m_ui->subscribeCheckbox->click();
        return true;
    }
    if (watched == m_ui->emailField) {
        if (event->type() == QEvent::FocusIn)
            textFieldShouldBeginEditing();
        else if (event->type() == QEvent::FocusOut)
            textFieldDidEndEditing();
    }
    return ViewController::eventFilter(watched, event);
}
