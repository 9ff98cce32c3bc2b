#pragma once

#include <QPointer>
#include <QWidget>

// A view a cell shows for its screen: an accessory view, a control, a text
// field. Handing a view over moves it into the cell. When another view
// replaces it, it goes back to the widget it came from (a screen keeping its
// text fields across reloads), or is deleted when it came from nowhere or
// from a cell (a button made afresh for every row).
class CellHostedView {
public:
    CellHostedView() = default;
    CellHostedView(const CellHostedView&) = delete;
    CellHostedView& operator=(const CellHostedView&) = delete;

    QWidget* view() const { return m_view; }
    // Puts the view into host (replacing the previous one); false when it
    // already held this view.
    bool set(QWidget* view, QWidget* host);

private:
    static void giveBack(QWidget* view);

    QPointer<QWidget> m_view;
    QPointer<QWidget> m_host;
};
