#pragma once

#include <QString>

class QWidget;
class TableStyledHeaderView;
class TableViewCell;

// The look the list screens share.
class StylingHelpers {
public:
    // The standard row: the stretched row background, white text and the
    // grey selection.
    static void setVLCBackground(TableViewCell* cell);
    // The standard section header showing the text (indented by six spaces).
    static TableStyledHeaderView* styledHeaderForText(const QString& text);
};
