#pragma once

#include "ui/TableViewCell.h"

#include <QFont>

// A list row with an icon at the left (`leftView`, 25 x 25 points) and a
// control at the right (`view`, at its own size): folder and file rows with
// their play button, playlist rows with their remove button, and the rows
// of the remotes list. leftViewPadding indents both sides, for rows that
// sit deeper than their neighbours. Rows without the icon column (the
// playlist's) keep the label where a plain row has it.
//
// A title given by setTitle is laid out again with the label: the playing
// row puts a play mark before it, and a long title gives way as its elide
// mode says.
//
// Views handed to the cell follow CellHostedView: a view made afresh for
// the row is deleted when it is replaced, one a screen keeps goes back to it.
class BrowseCell : public TableViewCell {
    Q_OBJECT
public:
    static constexpr int leftViewSize = 25;

    Q_INVOKABLE explicit BrowseCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QWidget* leftView() const { return m_leftView.view(); }
    // Replaces the icon (nullptr: none) and lays the cell out again.
    void setLeftView(QWidget* view);
    // An icon drawn from an image, scaled to fit the icon's square.
    void setLeftImage(const QPixmap& image);

    QWidget* view() const { return m_view.view(); }
    // Replaces the control (nullptr: none) and lays the cell out again.
    void setView(QWidget* view);

    int leftViewPadding() const { return m_leftViewPadding; }
    void setLeftViewPadding(int padding);

    bool hasIconColumn() const { return m_iconColumn; }
    void setIconColumn(bool iconColumn);

    QString title() const { return m_title; }
    void setTitle(const QString& title, Qt::TextElideMode elide = Qt::ElideNone);
    // The list's current item, marked apart from the chosen row.
    bool isPlaying() const { return isEmphasized(); }
    void setPlaying(bool playing);

protected:
    void layoutSubviews() override;

private:
    CellHostedView m_leftView;
    CellHostedView m_view;
    int m_leftViewPadding = 0;
    bool m_iconColumn = true;
    bool m_titled = false;
    QString m_title;
    Qt::TextElideMode m_elide = Qt::ElideNone;
    // What the label was last given, and from what: a cell is laid out
    // several times as it is filled, and fitting the text is the dear part.
    struct Fitted {
        QString title;
        bool playing = false;
        QFont font;
        int room = -1;
        Qt::TextElideMode elide = Qt::ElideNone;
        QString text;
    };
    Fitted m_fitted;
};
