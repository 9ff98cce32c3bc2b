#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class SkinDownloader;

// A small panel at the bottom of a window that shows how far a skin
// download has come; it goes when the download ends.
class SkinDownloadProgressView : public QWidget {
    Q_OBJECT
public:
    // Shows the downloader's progress over host (neither is owned).
    static SkinDownloadProgressView* follow(SkinDownloader* downloader, QWidget* host);

    QProgressBar* bar() const { return m_bar; }
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    SkinDownloadProgressView(SkinDownloader* downloader, QWidget* host);
    void setProgress(qint64 received, qint64 total);
    void place();

    QPointer<QWidget> m_host;
    QLabel* m_label;
    QProgressBar* m_bar;
};
