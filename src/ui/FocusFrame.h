#pragma once

#include <QPointer>
#include <QWidget>

// The focus ring over a control whose own children cover it (a list's rows,
// a slider made of layers): a see-through widget on top of the control,
// shown while the control holds the focus moved there by keyboard. Clicks
// pass through it.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_control;
};
