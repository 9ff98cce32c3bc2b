#pragma once

#include <QWidget>

class FitLabel;

// The remote screen's title in the navigation bar: the now-playing title in
// bold white above the remote's name in small grey, both centred and shrunk
// to fit. It is 200 wide and 44 high (33 when made in landscape), and its
// lines keep their share of its height when the bar resizes it.
class TitleView : public QWidget {
    Q_OBJECT
public:
    // The orientation the screen is in when the title is made (an
    // InterfaceOrientation code).
    explicit TitleView(int interfaceOrientation, QWidget* parent = nullptr);

    FitLabel* topLabel() const { return m_topLabel; }
    FitLabel* bottomLabel() const { return m_bottomLabel; }

    QSize sizeHint() const override;

signals:
    // The user clicked the title.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void layoutLabels();

    FitLabel* m_topLabel;
    FitLabel* m_bottomLabel;
    QSize m_initialSize;
};
