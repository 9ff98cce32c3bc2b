#include "app/WebTextDocument.h"

#include "models/CellBorders.h"

#include <QQuickTextDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>

int WebTextDocument::anchorPosition(QQuickTextDocument* document, const QString& name) const
{
    if (!document || !document->textDocument() || name.isEmpty())
        return -1;
    for (QTextBlock block = document->textDocument()->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorNames().contains(name))
                return it.fragment().position();
        }
    return -1;
}

QVariantList WebTextDocument::cellBorders(QQuickTextDocument* document) const
{
    return document && document->textDocument() ? ::cellBorders(*document->textDocument()) : QVariantList();
}
