#include "app/PictureTour.h"

#include <QDir>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

PictureTour::PictureTour(QQuickWindow* window, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_folder(folder)
    , m_portrait(window->height() >= window->width() ? window->size() : window->size().transposed())
{
}

void PictureTour::addStep(const QString& name, std::function<void()> arrange, int settleMs)
{
    m_steps.push_back({ name, std::move(arrange), settleMs });
}

void PictureTour::start()
{
    QDir().mkpath(m_folder);
    if (m_window)
        m_window->resize(m_portrait);
    runStep(0);
}

void PictureTour::runStep(size_t index)
{
    if (index >= m_steps.size() || !m_window) {
        std::printf("Screenshots written to %s\n", qPrintable(QDir(m_folder).absolutePath()));
        std::fflush(stdout);
        emit finished();
        return;
    }
    if (m_steps[index].arrange)
        m_steps[index].arrange();
    QTimer::singleShot(m_steps[index].settleMs, this, [this, index] {
        if (!m_window) {
            runStep(m_steps.size());
            return;
        }
        const QString file = QStringLiteral("%1/%2-%3.png").arg(m_folder).arg(index + 1, 2, 10, QChar(u'0')).arg(m_steps[index].name);
        if (m_window->grabWindow().save(file))
            m_written << file;
        runStep(index + 1);
    });
}

namespace {
QQuickItem* shownItemUnder(QQuickItem* item, const QString& objectName)
{
    if (!item || !item->isVisible())
        return nullptr;
    if (item->objectName() == objectName)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = shownItemUnder(child, objectName))
            return found;
    return nullptr;
}
}

QQuickItem* PictureTour::shownItem(const QString& objectName) const
{
    return m_window ? shownItemUnder(m_window->contentItem(), objectName) : nullptr;
}
