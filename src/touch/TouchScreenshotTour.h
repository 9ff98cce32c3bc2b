#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QQuickWindow;

// playerlink --screenshots FOLDER: shows states of the running
// program one after the other, writes each window picture as
// NN-name.png (the names playerlink's tour gives them), then quits.
class TouchScreenshotTour : public QObject {
    Q_OBJECT
public:
    TouchScreenshotTour(QQuickWindow* window, const QString& folder, QObject* parent = nullptr);

    // A step: arrange the state, then the picture is taken after settleMs.
    void addStep(const QString& name, std::function<void()> arrange, int settleMs = 600);
    void start();
    QStringList writtenFiles() const { return m_written; }

signals:
    void finished();

private:
    void runStep(size_t index);

    struct Step {
        QString name;
        std::function<void()> arrange;
        int settleMs;
    };
    QPointer<QQuickWindow> m_window;
    QString m_folder;
    std::vector<Step> m_steps;
    QStringList m_written;
};
