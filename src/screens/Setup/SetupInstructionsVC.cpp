#include "screens/Setup/SetupInstructionsVC.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "models/SetupInstructions.h"
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
constexpr int shiftDurationMs = 300;

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
    , m_instructions(new SetupInstructions(context, this))
{
    m_ui->setupUi(this);
    setTitle(localizedString("Setup"));
    connect(m_ui->subscribeCheckbox, &QCheckBox::toggled, this, [this](bool on) { m_subscribe = on; });
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
        if (link == SetupInstructions::helpLink)
            m_instructions->showHelp();
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
    m_ui->subscribeCheckbox->setVisible(m_instructions->isServiceConfigured());
    m_ui->sendDetailsLabel->setVisible(m_instructions->isServiceConfigured());
    m_ui->findButton->setVisible(!m_instructions->rememberedAddresses().isEmpty());
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

void SetupInstructionsVC::leave()
{
    m_ui->emailField->clearFocus();
    if (navigationController() && navigationController()->topViewController() == this)
        navigationController()->popViewControllerAnimated(true);
}

// --- Actions -----------------------------------------------------------------------

bool SetupInstructionsVC::validEmail()
{
    return m_instructions->check(m_ui->emailField->text());
}

void SetupInstructionsVC::send()
{
    if (!m_instructions->send(m_ui->emailField->text(), m_subscribe))
        return;
    m_ui->findButton->setVisible(true);
    leave();
}

void SetupInstructionsVC::skip()
{
    m_instructions->skip();
    leave();
}

void SetupInstructionsVC::subscribePressed()
{
    m_ui->subscribeCheckbox->setChecked(!m_subscribe); // the box tells m_subscribe
}

void SetupInstructionsVC::findContact()
{
    const QStringList addresses = m_instructions->rememberedAddresses();
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
