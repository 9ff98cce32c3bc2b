#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QPointF>

#include <optional>

// A button drawn from images, one per state: normal, highlighted (while
// pressed, or when the program holds it highlighted), selected and
// disabled. The image stands centred at its own size times the content
// scale, scaled down further only when it does not fit. A disabled button
// is always drawn dimmed, so it never reads as one that can be pressed.
// Tab reaches it (a click does not take the focus, so that the window's
// keys stay with the window), and it shows the focus ring while focused.
class ImageButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
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
    // How strongly the drawn image is faded (1 for a usable button).
    qreal drawnOpacity() const;

    // Images are drawn at their own size times this.
    qreal contentScale() const { return m_contentScale; }
    void setContentScale(qreal scale);

    // A short text drawn over the image in bold, its centre at a point of
    // the button (points from its top left; by default its middle), shrunk
    // to fit a width when one is given. Sizes are points, drawn at the
    // content scale; the text fades with the image.
    struct CaptionStyle {
        qreal pointSize = 10;
        QColor colour = Qt::white;
        QColor disabledColour = Qt::white;
        std::optional<QPointF> centre;
        qreal maximumWidth = 0; // 0: as wide as it is
    };
    void setCaption(const QString& text);
    QString caption() const { return m_caption; }
    void setCaptionStyle(const CaptionStyle& style);
    const CaptionStyle& captionStyle() const { return m_captionStyle; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses a focused button as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintCaption(QPainter& p);

    QPixmap m_images[4];
    QString m_caption;
    CaptionStyle m_captionStyle;
    bool m_highlighted = false;
    bool m_selected = false;
    qreal m_contentScale = 1;
};
