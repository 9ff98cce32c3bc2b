#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class QQuickTextDocument;

// What the web viewer reads off its text item's document once it is laid
// out: where the page's anchor starts, and the table cell borders that
// Qt Quick's text does not draw (see CellBorders.h).
class WebTextDocument : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_MOC_INCLUDE(<QQuickTextDocument>)
public:
    using QObject::QObject;

    // Where the anchor of that name starts, -1 when the document has none
    // (or no name is asked for).
    Q_INVOKABLE int anchorPosition(QQuickTextDocument* document, const QString& name) const;
    Q_INVOKABLE QVariantList cellBorders(QQuickTextDocument* document) const;
};
