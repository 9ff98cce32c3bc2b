#pragma once

#include "models/AppContext.h"
#include "models/RemoteLink.h"
#include "screens/Common/ExclamationBadge.h"
#include "ui/ViewController.h"

#include <QPointer>

#include <memory>

class AddressErrorAlert;
class BarButtonItem;
class NewsModel;
class PageControl;
class PagingScrollView;
class RemotePasswordPrompt;
class RemoteScreenKeys;
class RemoteScreenNotices;
class RemoteSkinControls;
class RemoteSession;
class RemoteSkinDisplay;
class Skin;
class TitleView;
class VLCController;

namespace Ui {
class MainView;
}

// The remote-control screen for the session's remote: it hosts the skin for
// the current orientation, scaled to fit the screen, keeping its shape, up
// to twice its size; it keeps the session polling while it is shown and the
// application is active, turns the skin's controls into the session's
// commands, and asks what only the user can answer (VLC's password, the
// notices). Its keys are RemoteScreenKeys'.
class MainViewController : public ViewController {
    Q_OBJECT
public:
    MainViewController(const AppContext& context, RemoteSession& session, NewsModel* news = nullptr,
                       QWidget* parent = nullptr);
    // On its own, with a session of its own (src/app makes it).
    explicit MainViewController(QWidget* parent);
    ~MainViewController() override;

    RemoteSession& session() const { return m_session; }
    std::shared_ptr<VLCController> currentRemote() const;
    void setCurrentRemote(const std::shared_ptr<VLCController>& remote);
    Skin* currentSkin() const { return m_currentSkin.get(); }
    TitleView* titleView() const { return m_titleView; }
    QWidget* displayContainer() const;
    QWidget* displayView() const { return m_displayView; }
    ExclamationBadge* exclamation() const { return m_exclamation; }
    BarButtonItem* newsButton() const { return m_newsButton; }
    bool animatePicker() const;
    bool timersRunning() const;
    RemoteLink link() const;
    PageControl* pageDots() const { return m_pageDots; }
    // How often the connection was shown: once for each change.
    int connectionShownCount() const;

    // The skin is never drawn smaller than this share of its size, which
    // sets the smallest window that shows it whole.
    static constexpr qreal minimumSkinScale = 0.7;
    static constexpr qreal maximumSkinScale = 2.0;
    QSize minimumViewSize(int orientation) const override;

    void newsUpdated();

    // The skin's controls and playlist tables, the notices.
    RemoteSkinControls& skinControls() const { return *m_controls; }
    RemoteScreenNotices& notices() const { return *m_notices; }
    void next();
    void seek(int seconds);

    // The toolbar's.
    void playlist();
    void browse();
    void showNews();
    void actions();
    void actionsSheetDidDismissWithButtonIndex(int index);

    // Skin and notices.
    void loadSkin();
    void clearCurrentSkin();
    void handleRotation();
    // Between the skin's playlist and its wheel.
    void flipTablePicker();
    // The skin notices, as the screen appears: true when one was given.
    bool checkSkinValue();

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;
    void didRotateFromInterfaceOrientation(int fromOrientation) override;

signals:
    void currentRemoteChanged(const std::shared_ptr<VLCController>& remote);
    // The screen has appeared: the setup worked.
    void appeared();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutDisplayView();
    void layoutPageDots();
    QList<BarButtonItem*> makeToolbarItems();
    void showTitle();

    AppContext m_context;
    RemoteSession& m_session;
    QPointer<NewsModel> m_news;
    std::unique_ptr<Ui::MainView> m_ui;
    RemoteScreenKeys* m_keys; // child
    RemoteSkinDisplay* m_display; // child
    std::unique_ptr<RemoteSkinControls> m_controls;
    RemoteScreenNotices* m_notices; // child
    AddressErrorAlert* m_addressAlert; // child
    RemotePasswordPrompt* m_password; // child
    std::unique_ptr<Skin> m_currentSkin;
    QPointer<QWidget> m_displayView;
    TitleView* m_titleView = nullptr;
    BarButtonItem* m_newsButton = nullptr;
    QPointer<ExclamationBadge> m_exclamation; // lives in the toolbar
    PageControl* m_pageDots = nullptr;
    QPointer<PagingScrollView> m_dotsFollow;
};
