#include "ui/InterfaceHelpers.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "ui/InterfaceOrientation.h"

#include <QPixmap>

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

void InterfaceHelpers::showActionSheetMessage(const QString& message, const QString& button)
{
    AlertRequest request;
    request.title = message;
    request.buttons = { button };
    request.actionSheet = true;
    request.destructiveButton = 0;
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(request);
}
