#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class PlayerLinkAppDelegate;

// For the demo on machines without a display: shows a few states of the
// running application and writes each window picture as a PNG into a
// folder, then quits.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(PlayerLinkAppDelegate& app, const QString& folder, QObject* parent = nullptr);

    // A step: arrange the state, then the picture is taken after settleMs.
    void addStep(const QString& name, std::function<void()> arrange, int settleMs = 600);
    void start();

private:
    void runStep(size_t index);

    struct Step {
        QString name;
        std::function<void()> arrange;
        int settleMs;
    };
    PlayerLinkAppDelegate& m_app;
    QString m_folder;
    std::vector<Step> m_steps;
};
