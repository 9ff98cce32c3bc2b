#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QString>

class AlertPresenter;
class QKeyEvent;
class QObject;
class QWidget;

// Small helpers the screens share.
class InterfaceHelpers {
public:
    // A rounded text field, 100 by 30, black 17-point text on white, the
    // placeholder "<enter text>", a clear button while editing.
    static QLineEdit* createTextField_Rounded(QWidget* parent = nullptr);
    // A label showing the named image of the bundle.
    static QLabel* imageViewWithImageNamed(const QString& name, QWidget* parent = nullptr);
    // The frame with width and height exchanged in landscape; empty when the
    // orientation is unknown.
    static QRect rotatedApplicationFrame(const QRect& frame, int orientation);
    // An action sheet with the message as its title and one destructive
    // button, shown by the presenter of the screen that asks.
    static void showActionSheetMessage(AlertPresenter& presenter, const QString& message, const QString& button);
    // Whether the widget is a text field the user can type in (which keeps
    // every key, Escape included).
    static bool isEditingText(const QWidget* widget);
    // Whether the key presses a button that holds the focus (Space or
    // Enter, as on any desktop): screens that take keys window-wide leave
    // these to the button.
    static bool pressesFocusedButton(const QObject* target, const QKeyEvent* event);
};
