#include "screens/Remotes/RemoteStateIcon.h"

#include "models/RemoteStateDrawing.h"
#include "ui/ImageView.h"

#include <QHash>
#include <QPainter>

namespace {
constexpr qreal scale = 2.0; // drawn for high-density screens too

QPixmap draw(RemoteAnswer answer)
{
    QPixmap image(QSize(RemoteStateIcon::size, RemoteStateIcon::size) * scale);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    RemoteStateDrawing::draw(p, answer);
    return image;
}
}

QPixmap RemoteStateIcon::pixmap(RemoteAnswer answer)
{
    static QHash<int, QPixmap> drawn;
    auto found = drawn.constFind(int(answer));
    if (found != drawn.constEnd())
        return *found;
    return *drawn.insert(int(answer), draw(answer));
}

QWidget* RemoteStateIcon::view(RemoteAnswer answer)
{
    auto* icon = new ImageView;
    icon->setImage(pixmap(answer));
    icon->resize(size, size);
    icon->setObjectName(QStringLiteral("state-") + RemoteAnswers::key(answer));
    icon->setToolTip(RemoteAnswers::describe(answer));
    icon->setAccessibleName(RemoteAnswers::describe(answer));
    return icon;
}
