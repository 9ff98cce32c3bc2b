#include "ui/AlertView.h"

#include "ui/FocusRing.h"
#include "ui/UiPalette.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QList<QPointer<AlertView>>& registry()
{
    static QList<QPointer<AlertView>> alerts;
    return alerts;
}

QString buttonStyle(bool destructive, bool cancel)
{
    const QString top = destructive ? "#d9443b" : (cancel ? "#4a4d55" : "#3b3e46");
    const QString bottom = destructive ? "#a8231d" : (cancel ? "#2a2c31" : "#24262b");
    return QStringLiteral("QPushButton { color: #f2f2f2; font-weight: bold; font-size: 15px; border: 1px solid #0b0b0d;"
                          " border-radius: 8px; padding: 9px 12px;"
                          " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2); }"
                          " QPushButton:pressed { background: #1b1c20; } ")
        .arg(top, bottom)
        + FocusRing::styleSheetRule(QStringLiteral("QPushButton"));
}
}

AlertView::AlertView(const AlertRequest& request, QWidget* host)
    : QWidget(host)
    , m_request(request)
    , m_panel(new QWidget(this))
    , m_title(new QLabel(m_panel))
    , m_message(new QLabel(m_panel))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("AlertView"));
    m_panel->setObjectName(QStringLiteral("AlertPanel"));
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(QStringLiteral("#AlertPanel { background: rgba(34, 36, 41, 245); border: 1px solid #5a5d66;"
                                          " border-radius: 12px; }"));
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    for (QLabel* label : { m_title, m_message }) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: #f2f2f2; background: transparent;"));
        layout->addWidget(label);
    }
    m_title->setFont(UiPalette::boldFont(request.actionSheet ? 14 : 17));
    m_message->setFont(UiPalette::font(14));
    m_title->setText(request.title);
    m_title->setVisible(!request.title.isEmpty());
    m_message->setText(request.message);
    m_message->setVisible(!request.message.isEmpty());
    if (request.actionSheet)
        m_title->setStyleSheet(QStringLiteral("color: #c8cad0; background: transparent;"));
    if (request.hasTextField) {
        m_textField = new QLineEdit(m_panel);
        m_textField->setObjectName(QStringLiteral("AlertTextField"));
        m_textField->setPlaceholderText(request.textPlaceholder);
        m_textField->setEchoMode(request.secureTextEntry ? QLineEdit::Password : QLineEdit::Normal);
        m_textField->setFont(UiPalette::font(15));
        m_textField->setStyleSheet(QStringLiteral("QLineEdit { color: #f2f2f2; background: #15161a; border: 1px solid"
                                                  " #5a5d66; border-radius: 6px; padding: 6px 8px; }"));
        m_textField->installEventFilter(this);
        layout->addWidget(m_textField);
    }

    // Two short buttons of an alert stand side by side, like a phone's.
    const bool sideBySide = !request.actionSheet && request.buttons.size() == 2;
    QHBoxLayout* row = sideBySide ? new QHBoxLayout : nullptr;
    if (row)
        row->setSpacing(8);
    for (int i = 0; i < request.buttons.size(); ++i) {
        auto* button = new QPushButton(request.buttons[i], m_panel);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(true); // Enter presses the focused button
        const bool cancel = !request.actionSheet && request.buttons.size() > 1 && i == 0;
        button->setStyleSheet(buttonStyle(i == request.destructiveButton, cancel));
        connect(button, &QPushButton::clicked, this, [this, i] { pressButton(i); });
        m_buttons.append(button);
        if (sideBySide)
            row->addWidget(button);
        else
            layout->addWidget(button);
    }
    if (sideBySide)
        layout->addLayout(row);

    host->installEventFilter(this);
    setGeometry(host->rect());
    registry().append(this);
}

AlertView::~AlertView()
{
    registry().removeAll(this);
}

QList<AlertView*> AlertView::visibleAlerts()
{
    QList<AlertView*> out;
    for (const auto& alert : registry())
        if (alert && !alert->m_done)
            out.append(alert);
    return out;
}

AlertView* AlertView::topAlert()
{
    const QList<AlertView*> alerts = visibleAlerts();
    return alerts.isEmpty() ? nullptr : alerts.last();
}

bool AlertView::isSameAlert(const AlertRequest& request) const
{
    return request.title == m_request.title && request.message == m_request.message
        && request.buttons == m_request.buttons && request.actionSheet == m_request.actionSheet
        && request.hasTextField == m_request.hasTextField;
}

void AlertView::showAnimated()
{
    setGeometry(parentWidget()->rect());
    layoutPanel();
    raise();
    show();
    if (m_textField)
        m_textField->setFocus();
}

void AlertView::pressButton(int index)
{
    dismissWithClickedButtonIndex(index, true);
}

void AlertView::dismissWithClickedButtonIndex(int index, bool)
{
    if (m_done)
        return;
    m_done = true;
    hide();
    auto completion = m_request.completion;
    auto textCompletion = m_request.textCompletion;
    const QString text = m_textField ? m_textField->text() : QString();
    emit dismissed(index);
    close();
    if (completion)
        completion(index);
    if (textCompletion)
        textCompletion(index, text);
}

void AlertView::layoutPanel()
{
    const int w = m_request.actionSheet ? width() - 16 : qMax(200, qMin(width() - 32, 300));
    // Wrapped labels need the height they take at this width, not the one
    // their unwrapped size hint suggests.
    QLayout* layout = m_panel->layout();
    const int wanted = layout->hasHeightForWidth() ? layout->totalHeightForWidth(w) : layout->totalSizeHint().height();
    m_panel->setFixedSize(w, qMax(0, qMin(wanted, height() - 16)));
    if (m_request.actionSheet)
        m_panel->move(8, height() - m_panel->height() - 8);
    else
        m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void AlertView::resizeEvent(QResizeEvent*)
{
    layoutPanel();
}

bool AlertView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    if (watched == m_textField && event->type() == QEvent::KeyPress && !m_buttons.isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pressButton(int(m_buttons.size()) - 1);
            return true;
        }
        if (key == Qt::Key_Escape) {
            pressButton(0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AlertView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 0, 150));
}
