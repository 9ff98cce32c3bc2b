#include "ui/InterfaceHelpers.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "ui/InterfaceOrientation.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>

QLineEdit* InterfaceHelpers::createTextField_Rounded(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->resize(100, 30);
    field->setPlaceholderText(localizedString("<enter text>"));
    field->setClearButtonEnabled(true);
    field->setStyleSheet(QStringLiteral("QLineEdit { color: black; background: white; font-size: 17px;"
                                        " border: 1px solid #8e8e93; border-radius: 7px; padding: 2px 6px; }"));
    field->setAttribute(Qt::WA_InputMethodEnabled);
    field->setInputMethodHints(Qt::ImhNoPredictiveText);
    return field;
}

QLabel* InterfaceHelpers::imageViewWithImageNamed(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QPixmap pixmap(QStringLiteral(":/images/") + name);
    label->setPixmap(pixmap);
    label->resize(pixmap.deviceIndependentSize().toSize());
    return label;
}

QRect InterfaceHelpers::rotatedApplicationFrame(const QRect& frame, int orientation)
{
    if (orientation == OrientationUnknown)
        return {};
    if (Orientation::isLandscape(orientation))
        return QRect(frame.x(), frame.y(), frame.height(), frame.width());
    return frame;
}

void InterfaceHelpers::showActionSheetMessage(AlertPresenter& presenter, const QString& message, const QString& button)
{
    AlertRequest request;
    request.title = message;
    request.buttons = { button };
    request.actionSheet = true;
    request.destructiveButton = 0;
    presenter.present(request);
}

bool InterfaceHelpers::pressesFocusedButton(const QObject* target, const QKeyEvent* event)
{
    const auto* button = qobject_cast<const QAbstractButton*>(target);
    const int key = event->key();
    return button && button->hasFocus() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool InterfaceHelpers::isEditingText(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}
