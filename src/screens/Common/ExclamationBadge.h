#pragma once

#include "ui/BarButtonItem.h"
#include "ui/Toolbar.h"

#include <QPointer>
#include <QWidget>

// The exclamation mark over a toolbar's news button that says there is
// unread news. It lives in the toolbar and shows only while it is wanted
// and its button is on the toolbar (another screen's buttons hide it), and
// it follows the button when the toolbar is laid out again.
//
//     m_badge = new ExclamationBadge;
//     m_badge->attach(newsButton, navigationController()->toolbar());
//     m_badge->setWanted(news.hasUnread());
class ExclamationBadge : public QWidget {
    Q_OBJECT
public:
    explicit ExclamationBadge(QWidget* parent = nullptr);

    void attach(BarButtonItem* button, Toolbar* toolbar);
    void setWanted(bool wanted);
    bool isWanted() const { return m_wanted; }
    BarButtonItem* button() const { return m_button; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void placeSoon();

    QPointer<BarButtonItem> m_button;
    QPointer<Toolbar> m_toolbar;
    bool m_wanted = false;
    bool m_placePending = false;
};
