#pragma once

#include <QAbstractButton>
#include <QPointer>

#include "ui/BarButtonItem.h"

// The widget that shows a BarButtonItem in a bar: a rounded button, an
// arrow-shaped back button, or the highlighted Done style. Tab reaches it
// (a click does not take the focus); it shows the focus ring while focused.
class BarButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Shape { Rounded, Back };

    BarButton(BarButtonItem* item, QWidget* parent = nullptr);
    // A back button that is not backed by an item.
    BarButton(const QString& title, Shape shape, QWidget* parent = nullptr);

    BarButtonItem* item() const { return m_item; }
    Shape shape() const { return m_shape; }
    QSize sizeHint() const override;
    // Smaller type and padding (0 none, up to tightest), for a bar whose
    // buttons would not fit otherwise (long translations).
    static constexpr int tightest = 2;
    void setTightness(int level);
    int tightness() const { return m_tightness; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses a focused button as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void syncFromItem();

    QPointer<BarButtonItem> m_item;
    Shape m_shape = Rounded;
    bool m_done = false;
    bool m_plain = false;
    int m_tightness = 0;
};
