#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class BarButton;
class BarButtonItem;

// The bar below the screens, showing the top screen's toolbar items with
// their flexible and fixed spaces.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    void setItems(const QList<BarButtonItem*>& items);
    QList<BarButton*> buttons() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();

    QList<QPointer<BarButtonItem>> m_items;
    QList<QWidget*> m_widgets; // one per item; spaces have a null widget
};
