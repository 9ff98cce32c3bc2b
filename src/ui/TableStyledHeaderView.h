#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

// A section header of the list screens: the stretched header image with a
// label over its whole area whose text shrinks to fit the width.
class TableStyledHeaderView : public QWidget {
    Q_OBJECT
public:
    TableStyledHeaderView(const QPixmap& image, int leftCapWidth, int topCapHeight, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QString text() const { return m_label->text(); }
    void setText(const QString& text);
    // The text's size when it fits; smaller only as far as needed.
    void setFont(const QFont& font);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();

    QPixmap m_image;
    int m_leftCapWidth;
    int m_topCapHeight;
    QLabel* m_label;
    QFont m_font;
};
