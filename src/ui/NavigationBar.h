#pragma once

#include <QPointer>
#include <QWidget>

class BarButton;
class NavigationItem;
class QLabel;

// The bar above the screens: the top screen's title (or title view), a back
// button titled by the screen below, and the top screen's bar buttons.
class NavigationBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int regularHeight = 44;
    static constexpr int compactHeight = 32; // landscape

    explicit NavigationBar(QWidget* parent = nullptr);

    // Shows the item of the top screen; backTitle empty means no back button.
    void showItem(NavigationItem* item, const QString& backTitle);
    BarButton* backButton() const { return m_backButton; }
    BarButton* leftButton() const { return m_leftButton; }
    BarButton* rightButton() const { return m_rightButton; }
    QString titleText() const;
    void setCompact(bool compact);

    QSize sizeHint() const override;

signals:
    void backRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void rebuild();
    void layoutChildren();

    QPointer<NavigationItem> m_item;
    QString m_backTitle;
    QLabel* m_title;
    QPointer<QWidget> m_titleView;
    BarButton* m_backButton = nullptr;
    BarButton* m_leftButton = nullptr;
    BarButton* m_rightButton = nullptr;
    bool m_compact = false;
};
