#pragma once

#include "skin/SkinInstallResult.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <memory>

class AlertPresenter;
class QNetworkAccessManager;
class QNetworkReply;

// Fetches one skin archive named by a skin link and installs it (through
// SkinArchiveInstaller, all or nothing), telling the user how it went; also
// deletes an installed skin.
//
// A link from anywhere is a download from anywhere: only http and https
// addresses are fetched, redirects stay on the first scheme and stop after
// five, the body stops at 50 MB, the whole download at two minutes (a
// server that trickles a byte now and then keeps no one waiting for ever;
// 50 MB fit in two minutes at 3.5 Mbit/s), and the temporary file never
// outlives the install.
class SkinDownloader : public QObject {
    Q_OBJECT
public:
    // The longest silence between two bytes.
    static constexpr int timeoutMs = 5000;
    // The longest whole download, redirects included.
    static constexpr int deadlineMs = 120 * 1000;
    static constexpr int maxRedirects = 5;
    static constexpr qint64 maxBodyBytes = 50LL * 1024 * 1024;
    // The seven-letter scheme of skin links ("plskins://host/path").
    static constexpr const char* skinLinkScheme = "plskins";

    explicit SkinDownloader(QObject* parent = nullptr);
    ~SkinDownloader() override;

    // "http" followed by the link without its seven-letter scheme; an
    // invalid address unless that makes an http or https address with a host.
    static QUrl downloadAddressForLink(const QString& link);

    void downloadSkin(const QString& link);
    // Removes an installed skin ("Documents/Skins/<name>"); never anything
    // else. True when the skin is gone.
    bool deleteSkin(const QString& identifier);

    bool isDownloading() const { return !m_reply.isNull(); }
    // The alerts that say how it went (not owned; it outlives this); none
    // where the command line prints instead.
    void setAlerts(AlertPresenter* alerts) { m_alerts = alerts; }
    // The downloader goes once its download has ended, like a connection
    // that keeps its delegate alive until it finishes.
    void setDeletesWhenDone(bool deletes) { m_deletesWhenDone = deletes; }
    const QByteArray& downloadData() const { return m_downloadData; }
    // For tests: another limit for the whole download.
    void setDeadlineMs(int ms) { m_deadlineMs = ms; }

signals:
    // total is -1 while unknown.
    void progressChanged(qint64 received, qint64 total);
    void finished(const SkinInstallResult& result);

private:
    void start(const QUrl& url);
    void onMetaDataChanged();
    void onReadyRead();
    void onFinished();
    void install();
    void finish(const SkinInstallResult& result);
    static void showAlertFor(AlertPresenter& alerts, const SkinInstallResult& result);
    void stopForSize();
    void stopForTime();

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_downloadData;
    QString m_scheme;
    int m_redirects = 0;
    QTimer m_deadline;
    int m_deadlineMs = deadlineMs;
    bool m_tooLarge = false;
    bool m_tooLong = false;
    AlertPresenter* m_alerts = nullptr;
    bool m_deletesWhenDone = false;
};
