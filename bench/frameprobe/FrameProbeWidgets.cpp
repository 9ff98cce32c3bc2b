// Loaded into playerlink by Qt as a generic plugin
// (QT_QPA_GENERIC_PLUGINS=plframeprobewidgets): logs each time a top-level
// window finished painting, and whether the remote screen (the
// MainViewController) stood in its place, shown, in it.
#include "FrameLog.h"

#include <QApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
class WidgetsProbe : public QObject {
public:
    WidgetsProbe() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->inherits("MainViewController"))
            m_remote = static_cast<QWidget*>(watched);
        // A top-level widget paints on its update request; its window on
        // being exposed. Both draw at once, inside the event.
        const bool paints = (event->type() == QEvent::UpdateRequest && watched->isWidgetType()
                             && static_cast<QWidget*>(watched)->isWindow())
            || (event->type() == QEvent::Expose && watched->isWindowType());
        if (!paints || m_inside)
            return false;
        m_inside = true;
        QCoreApplication::sendEvent(watched, event);
        m_inside = false;
        m_log.frame(m_remote && m_remote->isVisible() && m_remote->x() == 0);
        return true;
    }

private:
    FrameLog m_log;
    QPointer<QWidget> m_remote;
    bool m_inside = false;
};
}

class FrameProbeWidgetsPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "plframeprobewidgets.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QLatin1String("plframeprobewidgets"), Qt::CaseInsensitive) == 0 ? new WidgetsProbe : nullptr;
    }
};

#include "FrameProbeWidgets.moc"
