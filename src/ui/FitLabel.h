#pragma once

#include <QColor>
#include <QWidget>

// A one-line label whose text shrinks to fit its width, never below a
// legible size; past that it is cut with "…" and the whole text becomes
// the label's tooltip. The size is given in points and drawn at the
// content scale, but never smaller than the legible size unless the label
// asks for less. A disabled label is drawn faded.
class FitLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
public:
    // The smallest size a label shrinks to, or is scaled down to.
    static constexpr qreal legiblePointSize = 11;

    explicit FitLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_color; }
    void setPointSize(qreal size);
    qreal pointSize() const { return m_pointSize; }
    void setAlignment(Qt::Alignment alignment);
    void setBold(bool bold);
    // Where a text too long even at the legible size is cut (the end unless set).
    void setElideMode(Qt::TextElideMode mode);
    qreal contentScale() const { return m_contentScale; }
    void setContentScale(qreal scale);
    // The size the text is drawn at, after scaling and shrinking.
    qreal fittedPointSize() const;
    // The text as drawn: whole, or cut with an ellipsis.
    QString shownText() const;
    bool isElided() const { return shownText() != m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The size before shrinking: the label's own, scaled, held at the
    // legible size where scaling would take it below.
    qreal scaledPointSize() const;
    qreal smallestPointSize() const;
    void textOrRoomChanged();

    QString m_text;
    QColor m_color = Qt::white;
    qreal m_pointSize = 10;
    qreal m_contentScale = 1;
    bool m_bold = false;
    Qt::TextElideMode m_elideMode = Qt::ElideRight;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
