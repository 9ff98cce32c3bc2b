#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A line of text that shares its row with a mark (the item that plays)
// keeps the whole of a text that would fit the row without it: it takes a
// smaller size instead, measured.
class TextFit : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit TextFit(QObject* parent = nullptr);

    // The size to draw text at in room, in the font's own unit (its pixel
    // size when it has one, else its point size): the font's own where the
    // text fits, or where it would not fit even with spare more room (it is
    // cut as it would be without the mark); else the largest smaller size,
    // down to half, at which it fits.
    Q_INVOKABLE static qreal sizeToFit(const QString& text, const QFont& font, qreal room, qreal spare);
    // A line's width as Qt Quick lays it out (with the fonts that stand in
    // for glyphs the font lacks).
    Q_INVOKABLE static qreal lineWidth(const QString& text, const QFont& font);
};
