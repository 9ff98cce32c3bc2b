#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from images, one per state: normal, highlighted (while
// pressed, or when the program holds it highlighted), selected and
// disabled. The image stands centred at its own size, scaled down only when
// it does not fit.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    enum State { Normal, Highlighted, Selected, Disabled };

    explicit ImageButton(QWidget* parent = nullptr);

    void setImage(State state, const QPixmap& image);
    QPixmap image(State state) const { return m_images[state]; }

    // Held highlighted by the program (a mode that is off), apart from presses.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // The state whose image is drawn now.
    State displayedState() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_images[4];
    bool m_highlighted = false;
    bool m_selected = false;
};
