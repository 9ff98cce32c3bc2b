#pragma once

#include <QVariantList>

class QTextDocument;

// The borders a page's style gives its table cells (a rule under each row),
// which Qt Quick's text leaves out: it draws a table's own border alone.
// Each as a map of x, y, width, height (in the document's coordinates) and
// color, for the text item to draw over its text.
QVariantList cellBorders(const QTextDocument& document);
