// Loaded into playerlink by Qt as a generic plugin
// (QT_QPA_GENERIC_PLUGINS=plframeprobequick): logs each frame a Qt Quick
// window swapped, and whether the remote screen (the page named
// "remotePage") stood in its place, at rest, in it (its stack, "stack",
// done moving pages).
#include "FrameLog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>

namespace {
QQuickItem* findItem(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem*> children = item->childItems();
    for (QQuickItem* child : children)
        if (QQuickItem* found = findItem(child, name))
            return found;
    return nullptr;
}

class QuickProbe : public QObject {
public:
    QuickProbe() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest) {
            auto* window = qobject_cast<QQuickWindow*>(watched);
            if (window && !m_windows.contains(window)) {
                m_windows.insert(window);
                connect(window, &QQuickWindow::frameSwapped, this, [this, window] { swapped(window); },
                        Qt::DirectConnection);
            }
        }
        return false;
    }

private:
    void swapped(QQuickWindow* window)
    {
        // Looked for afresh each frame: the page comes and goes.
        // A page sliding in stands in its place only once the stack is done.
        QQuickItem* page = findItem(window->contentItem(), QStringLiteral("remotePage"));
        QQuickItem* stack = findItem(window->contentItem(), QStringLiteral("stack"));
        const bool shown = page && page->isVisible() && qFuzzyIsNull(page->x())
            && qFuzzyCompare(page->opacity(), 1.0) && !(stack && stack->property("busy").toBool());
        m_log.frame(shown);
    }

    FrameLog m_log;
    QSet<QQuickWindow*> m_windows;
};
}

class FrameProbeQuickPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "plframeprobequick.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QLatin1String("plframeprobequick"), Qt::CaseInsensitive) == 0 ? new QuickProbe : nullptr;
    }
};

#include "FrameProbeQuick.moc"
