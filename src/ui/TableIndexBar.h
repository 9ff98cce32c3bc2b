#pragma once

#include <QStringList>
#include <QWidget>

// The strip of short titles along a table's right edge; pressing or
// dragging over it chooses the title under the pointer.
class TableIndexBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int preferredWidth = 22;

    explicit TableIndexBar(QWidget* parent = nullptr);
    void setTitles(const QStringList& titles);
    QStringList titles() const { return m_titles; }

signals:
    void titleChosen(const QString& title, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void chooseAt(int y);
    QRect titlesArea() const;

    QStringList m_titles;
    int m_lastChosen = -1;
    bool m_pressed = false;
};
