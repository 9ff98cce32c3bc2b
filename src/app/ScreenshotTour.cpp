#include "app/ScreenshotTour.h"

#include "app/AppWindow.h"
#include "app/PlayerLinkAppDelegate.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

ScreenshotTour::ScreenshotTour(PlayerLinkAppDelegate& app, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_app(app)
    , m_folder(folder)
{
}

void ScreenshotTour::addStep(const QString& name, std::function<void()> arrange, int settleMs)
{
    m_steps.push_back({ name, std::move(arrange), settleMs });
}

void ScreenshotTour::start()
{
    QDir().mkpath(m_folder);
    runStep(0);
}

void ScreenshotTour::runStep(size_t index)
{
    if (index >= m_steps.size()) {
        std::printf("Screenshots written to %s\n", qPrintable(QDir(m_folder).absolutePath()));
        std::fflush(stdout);
        QCoreApplication::quit();
        return;
    }
    if (m_steps[index].arrange)
        m_steps[index].arrange();
    QTimer::singleShot(m_steps[index].settleMs, this, [this, index] {
        const QString file = QStringLiteral("%1/%2-%3.png").arg(m_folder).arg(index + 1, 2, 10, QChar(u'0')).arg(m_steps[index].name);
        m_app.window()->grab().save(file);
        runStep(index + 1);
    });
}
