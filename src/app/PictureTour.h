#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QQuickItem;
class QQuickWindow;

// playerlink --screenshots FOLDER: shows states of the running
// program one after the other, writes each window picture as
// NN-name.png (each named after its screen), then quits.
// The pictures are taken at the window's size as it opened (the default
// window, or -qwindowgeometry WxH, Qt's option, for another phone), that
// size turned, and the smallest windows the program is made for.
class PictureTour : public QObject {
    Q_OBJECT
public:
    PictureTour(QQuickWindow* window, const QString& folder, QObject* parent = nullptr);

    // A step: arrange the state, then the picture is taken after settleMs.
    void addStep(const QString& name, std::function<void()> arrange, int settleMs = 600);
    void start();
    QStringList writtenFiles() const { return m_written; }
    QSize portrait() const { return m_portrait; }
    QSize landscape() const { return m_portrait.transposed(); }
    // The item of that name the window shows (a sheet's button stands in
    // the window's overlay, and hidden twins may share its name); none
    // when none shows.
    QQuickItem* shownItem(const QString& objectName) const;

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
    QSize m_portrait;
    std::vector<Step> m_steps;
    QStringList m_written;
};
