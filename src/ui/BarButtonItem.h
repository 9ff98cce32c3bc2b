#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>

// A button of the navigation bar or the bottom toolbar: a title or an icon,
// a style, a tag, and what happens when it is pressed.
class BarButtonItem : public QObject {
    Q_OBJECT
public:
    enum Style { Plain, Bordered, Done };
    enum SystemItem { NoSystemItem, FlexibleSpace, FixedSpace };

    explicit BarButtonItem(const QString& title, Style style = Bordered, QObject* parent = nullptr);
    BarButtonItem(const QIcon& icon, Style style, QObject* parent = nullptr);
    static BarButtonItem* space(SystemItem kind, int width = 0, QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    // Every title the button may show: it is as wide as the widest, so that
    // changing between them neither cuts one off nor moves the bar.
    QStringList possibleTitles() const { return m_possibleTitles; }
    void setPossibleTitles(const QStringList& titles);
    QIcon icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    // What the button does, in words: its tooltip, and its accessible name
    // when it shows no title.
    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString& toolTip);
    Style style() const { return m_style; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    SystemItem systemItem() const { return m_systemItem; }
    int width() const { return m_width; }

    // A new button with another title and this one's style, tag and action.
    BarButtonItem* buttonWithChangedTitle(const QString& title, QObject* parent = nullptr) const;

    // Presses the button as a tap would.
    void trigger();

signals:
    void triggered(BarButtonItem* item);
    void changed();

private:
    QString m_title;
    QStringList m_possibleTitles;
    QIcon m_icon;
    QString m_toolTip;
    Style m_style = Bordered;
    SystemItem m_systemItem = NoSystemItem;
    int m_tag = 0;
    int m_width = 0;
    bool m_enabled = true;
};
