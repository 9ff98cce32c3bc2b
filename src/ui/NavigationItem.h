#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/BarButtonItem.h"

// What a screen shows in the navigation bar while it is on top: a title (or
// a title view), the back button that returns to it, and bar buttons.
class NavigationItem : public QObject {
    Q_OBJECT
public:
    explicit NavigationItem(QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QWidget* titleView() const { return m_titleView; }
    void setTitleView(QWidget* view);
    // The title of the back button shown on the screen above this one; empty
    // means this screen's title.
    QString backButtonTitle() const { return m_backButtonTitle; }
    void setBackButtonTitle(const QString& title);
    BarButtonItem* leftBarButtonItem() const { return m_left; }
    void setLeftBarButtonItem(BarButtonItem* item);
    BarButtonItem* rightBarButtonItem() const { return m_right; }
    void setRightBarButtonItem(BarButtonItem* item);
    bool hidesBackButton() const { return m_hidesBackButton; }
    void setHidesBackButton(bool hides);

signals:
    void changed();

private:
    QString m_title;
    QPointer<QWidget> m_titleView;
    QString m_backButtonTitle;
    QPointer<BarButtonItem> m_left;
    QPointer<BarButtonItem> m_right;
    bool m_hidesBackButton = false;
};
