#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>

// The images of the folder browser and the playlist screen: file-type
// icons, the rows' play, add and remove buttons, and the toolbar icons.
namespace BrowseArt {
using Drawing = std::function<void(QPainter&, QSizeF)>;
using Save = std::function<void(const QString& name, QSize size, const Drawing& draw)>;

void drawAll(const Save& save);
}
