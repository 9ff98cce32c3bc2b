#pragma once

#include <QWidget>

// The header a table shows for a titled section when its delegate gives no
// view of its own: a dark bar in a plain list, a quiet caption above a
// grouped one.
class TableSectionTitleView : public QWidget {
    Q_OBJECT
public:
    TableSectionTitleView(const QString& title, bool grouped, QWidget* parent = nullptr);
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    bool m_grouped;
};
