#pragma once

#include <QColor>
#include <QWidget>

// A one-line label whose text shrinks to fit its width, down to a smallest
// size, and is otherwise cut with an ellipsis.
class FitLabel : public QWidget {
    Q_OBJECT
public:
    explicit FitLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_color; }
    void setPointSize(qreal size);
    qreal pointSize() const { return m_pointSize; }
    void setAlignment(Qt::Alignment alignment);
    void setBold(bool bold);
    void setMinimumPointSize(qreal size) { m_minimumPointSize = size; }
    // The size the text is drawn at, after shrinking.
    qreal fittedPointSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color = Qt::white;
    qreal m_pointSize = 10;
    qreal m_minimumPointSize = 6;
    bool m_bold = false;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
