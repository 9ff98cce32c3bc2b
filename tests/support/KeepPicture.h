#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// With PLAYERLINK_RENDER_DIR set, writes the widget's picture there as
// <name>.png, for a person to look at.
inline void keepPicture(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("PLAYERLINK_RENDER_DIR");
    if (!dir.isEmpty() && QDir().mkpath(dir))
        widget->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}
