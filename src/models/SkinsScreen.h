#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class AlertPresenter;
class SkinDownloader;
class SkinListModel;
class WebPageScreen;
class UserDefaults;

// The skins screens of playerlink: the installed skins to choose from
// or delete, the gallery browser, and the question before a skin
// link is downloaded, with the download's progress while it runs. Skin
// links wait their turn: one that comes while another is asked about or
// downloads is asked about after it.
class SkinsScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The skins are made by the program")
    Q_MOC_INCLUDE("models/WebPageScreen.h")
    // A SkinListModel.
    Q_PROPERTY(QObject* list READ list CONSTANT)
    // The skin in use (BWSKin's value).
    Q_PROPERTY(QString chosen READ chosen NOTIFY chosenChanged)
    Q_PROPERTY(WebPageScreen* gallery READ gallery CONSTANT)
    // The question about the first link waiting for an answer; empty when
    // none waits, or while a download runs.
    Q_PROPERTY(QString question READ question NOTIFY questionChanged)
    Q_PROPERTY(bool downloading READ isDownloading NOTIFY downloadChanged)
    // From 0 to 1; -1 while the size is unknown.
    Q_PROPERTY(double progress READ progress NOTIFY downloadChanged)
public:
    SkinsScreen(UserDefaults& defaults, AlertPresenter& alerts, QObject* parent = nullptr);
    ~SkinsScreen() override;

    QObject* list() const;
    QString chosen() const;
    WebPageScreen* gallery() const { return m_gallery; }
    QString question() const;
    bool isDownloading() const { return !m_downloader.isNull(); }
    double progress() const { return m_progress; }

    Q_INVOKABLE void reload();
    // While the list is shown it follows the skins folder.
    Q_INVOKABLE void setListShown(bool shown);
    Q_INVOKABLE void choose(int row);
    Q_INVOKABLE bool remove(int row);
    // The gallery's page, afresh.
    Q_INVOKABLE void openGallery();
    // What the gallery's address bar holds: a skin link asks, an address
    // is completed and loaded.
    Q_INVOKABLE void enterAddress(const QString& typed);
    // A skin link, from a page or from outside: asks whether to download it,
    // once the links before it are answered and no download runs.
    Q_INVOKABLE void ask(const QString& link);
    Q_INVOKABLE void answer(bool download);

signals:
    void chosenChanged();
    void questionChanged();
    void downloadChanged();

private:
    bool mayLoad(const QUrl& url);

    UserDefaults& m_defaults;
    AlertPresenter& m_alerts;
    SkinListModel* m_list;    // child
    WebPageScreen* m_gallery;  // child
    // More links than anyone means to send at once are a page or a program
    // flooding the question.
    static constexpr int maxWaitingLinks = 8;

    // The links waiting to be asked about, in the order they came.
    QStringList m_waiting;
    QPointer<SkinDownloader> m_downloader;
    double m_progress = -1;
};
