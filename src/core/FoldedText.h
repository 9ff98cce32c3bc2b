#pragma once

#include <QString>
#include <QStringView>

// Text as a search compares it: letter case, accents and other marks
// ignored ("Émile" and "emile" are the same), a few letters written as
// their usual plain spelling ("ß" as "ss", "æ" as "ae"). Both the text
// searched and the text typed are folded the same way.
namespace FoldedText {
QString fold(QStringView text);
}
