#include "screens/MainView/MainViewController.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"
#include "models/MoreActions.h"
#include "models/Navigator.h"
#include "models/NewsModel.h"
#include "models/RemoteSession.h"
#include "screens/Common/RotationLock.h"
#include "screens/MainView/RemotePasswordPrompt.h"
#include "screens/MainView/RemoteScreenKeys.h"
#include "models/AddressErrorAlert.h"
#include "models/RemoteScreenNotices.h"
#include "screens/MainView/RemoteSkinControls.h"
#include "screens/MainView/RemoteSkinDisplay.h"
#include "skin/Skin.h"
#include "skin/SkinProperties.h"
#include "skin/TitleView.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/FitLabel.h"
#include "ui/NavigationItem.h"
#include "ui/PageControl.h"
#include "ui/PagingScrollView.h"
#include "ui_MainView.h"
#include "vlc/VLCController.h"

#include <QIcon>
#include <QKeyEvent>

#include <cmath>

namespace {
const QString analyticsName = QStringLiteral("remote view");

QString orientationName(int orientation)
{
    return Orientation::isLandscape(orientation) ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
}
}

MainViewController::MainViewController(const AppContext& context, RemoteSession& session, NewsModel* news, QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_session(session)
    , m_news(news)
    , m_ui(std::make_unique<Ui::MainView>())
    , m_keys(new RemoteScreenKeys(*this, session))
    , m_display(new RemoteSkinDisplay(session, this))
    , m_controls(std::make_unique<RemoteSkinControls>(session, *m_display))
    , m_notices(new RemoteScreenNotices(context, this))
    , m_addressAlert(new AddressErrorAlert(session, context.alerts, this))
    , m_password(new RemotePasswordPrompt(context, session, *this))
{
    m_ui->setupUi(this);
    // Holds the focus for the window's keys, but Tab passes it by: it has
    // no ring of its own.
    setFocusPolicy(Qt::ClickFocus);
    m_pageDots = new PageControl(m_ui->displayContainer);
    m_pageDots->setObjectName(QStringLiteral("pageDots"));
    m_pageDots->hide();
    connect(m_pageDots, &PageControl::pageChosen, this, [this](int page) {
        if (m_dotsFollow)
            m_dotsFollow->scrollToPage(page, true);
    });
    connect(m_keys, &RemoteScreenKeys::pageTurned, this, [this](int step) {
        if (m_currentSkin)
            m_currentSkin->turnPage(step);
    });
    connect(&session, &RemoteSession::nowPlayingChanged, this, &MainViewController::showTitle);
    connect(&session, &RemoteSession::nowPlayingNoteChanged, this, &MainViewController::showTitle);
    connect(&session, &RemoteSession::setupNoticeWanted, m_notices, &RemoteScreenNotices::dvdWarning);
    if (m_news)
        connect(m_news, &NewsModel::hasUnreadChanged, this, &MainViewController::newsUpdated);
}

MainViewController::~MainViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    delete m_exclamation;
    // The skin's views live in this screen's tree; the skin goes first.
    m_display->setSkin(nullptr);
    m_currentSkin.reset();
}

QWidget* MainViewController::displayContainer() const { return m_ui->displayContainer; }

std::shared_ptr<VLCController> MainViewController::currentRemote() const { return m_session.remote(); }

bool MainViewController::animatePicker() const { return m_display->animatesPicker(); }

bool MainViewController::timersRunning() const { return m_session.pollsRunning(); }

RemoteLink MainViewController::link() const
{
    return m_session.remote() ? m_session.remote()->connectionState() : RemoteLink::Connecting;
}

int MainViewController::connectionShownCount() const { return m_display->connectionShown(); }

void MainViewController::setCurrentRemote(const std::shared_ptr<VLCController>& remote)
{
    m_session.setRemote(remote);
    emit currentRemoteChanged(remote);
}

// --- Life cycle -------------------------------------------------------------

void MainViewController::viewDidLoad()
{
    auto& center = NotificationCenter::defaultCenter();
    center.addObserver(this, NotificationNames::applicationWillResignActive,
                       [this](const Notification&) { m_session.setActive(false); });
    center.addObserver(this, NotificationNames::applicationDidBecomeActive,
                       [this](const Notification&) { m_session.setActive(true); });

    // Kept by this screen until the navigation bar takes it in.
    m_titleView = new TitleView(interfaceOrientation(), this);
    m_titleView->hide();
    navigationItem()->setTitleView(m_titleView);
    m_titleView->topLabel()->setText(localizedString("Connecting..."));
    connect(m_titleView, &TitleView::clicked, m_password, &RemotePasswordPrompt::askAgain);

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
    full->setToolTip(localizedString("Full screen"));
    connect(full, &BarButtonItem::triggered, &m_session, &RemoteSession::fullScreen);
    navigationItem()->setRightBarButtonItem(full);
    setBackButtonTitle(localizedString("Remote"));
    setToolbarItems(makeToolbarItems());
    newsUpdated();
}

QList<BarButtonItem*> MainViewController::makeToolbarItems()
{
    auto item = [this](const char* title, void (MainViewController::*action)()) {
        auto* button = new BarButtonItem(localizedString(title), BarButtonItem::Bordered, this);
        connect(button, &BarButtonItem::triggered, this, action);
        return button;
    };
    m_newsButton = item(L10N_NOOP("News"), &MainViewController::showNews);
    return { item(L10N_NOOP("Playlist"), &MainViewController::playlist), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item(L10N_NOOP("Browse"), &MainViewController::browse), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             m_newsButton, BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item(L10N_NOOP("More..."), &MainViewController::actions) };
}

void MainViewController::viewWillAppear(bool)
{
    // The remote's keys work wherever the focus is in the window.
    m_keys->listen(true);
    m_session.setActive(true);
    Analytics::viewEntered(m_context.defaults, analyticsName);
    loadSkin();
    showTitle();
}

void MainViewController::viewDidAppear(bool)
{
    const bool setUp = m_context.defaults.boolForKey(PreferenceKeys::haveSetupSuccesfully);
    const bool noticeShown = checkSkinValue();
    if (!noticeShown && setUp)
        m_notices->showWhatsNewIfNeeded();
    emit appeared();
    newsUpdated();
    setFocus();
}

void MainViewController::viewDidDisappear(bool)
{
    m_keys->listen(false);
    Analytics::viewLeft(m_context.defaults, analyticsName);
    m_session.setActive(false);
}

bool MainViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation, lockedRotation(m_context.defaults));
}

void MainViewController::didRotateFromInterfaceOrientation(int)
{
    if (m_currentSkin)
        handleRotation();
}

void MainViewController::keyPressEvent(QKeyEvent* event)
{
    if (m_keys->handle(event))
        event->accept();
    else
        ViewController::keyPressEvent(event);
}

// --- Title and prompts -------------------------------------------------------------

void MainViewController::showTitle()
{
    // Before a remote is shown it says it is connecting.
    if (!m_titleView || !m_session.remote())
        return;
    m_titleView->topLabel()->setText(m_session.nowPlaying());
    m_titleView->bottomLabel()->setText(m_session.nowPlayingNote());
}

void MainViewController::newsUpdated()
{
    const bool news = m_news && m_news->hasUnread();
    if (!m_exclamation && news && navigationController())
        m_exclamation = new ExclamationBadge;
    if (!m_exclamation)
        return;
    if (navigationController())
        m_exclamation->attach(m_newsButton, navigationController()->toolbar());
    m_exclamation->setWanted(news);
}

// --- Actions ---------------------------------------------------------------------
void MainViewController::next() { m_session.next(); }
void MainViewController::seek(int seconds) { m_controls->seek(seconds); }
void MainViewController::playlist() { m_session.openPlaylist(); }
void MainViewController::browse() { m_session.openBrowser(); }
void MainViewController::showNews() { m_context.navigator.showNews(); }

// --- Sheets and notices ----------------------------------------------------------

void MainViewController::actions()
{
    AlertRequest sheet;
    sheet.title = MoreActions::title();
    sheet.buttons = MoreActions::buttons();
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<MainViewController>(this)](int index) {
        if (self)
            self->actionsSheetDidDismissWithButtonIndex(index);
    };
    m_context.alerts.present(sheet);
}

void MainViewController::actionsSheetDidDismissWithButtonIndex(int index)
{
    MoreActions::choose(index, m_session, m_context.navigator);
}

bool MainViewController::checkSkinValue()
{
    return m_notices->checkSkinValue(m_currentSkin ? std::optional<double>(m_currentSkin->skinApiVersion()) : std::nullopt);
}

// --- Skin ----------------------------------------------------------------------

void MainViewController::loadSkin()
{
    const QString directory = m_context.defaults.stringForKey(PreferenceKeys::skin);
    if (m_currentSkin)
        m_currentSkin->setDirectory(directory);
    else
        m_currentSkin = std::make_unique<Skin>(directory, m_controls.get(), m_context.defaults);
    if (!m_currentSkin->isLoaded() && directory != SkinFolders::builtInSkin) {
        // A skin that cannot be read would leave an empty screen: the
        // built-in skin takes its place, becomes the choice, and the user
        // is told which skin was dropped when the screen appears.
        ConsoleLog::log(QStringLiteral("skin %@ could not be loaded; using the built-in skin"), directory);
        m_notices->skinDropped(directory);
        m_context.defaults.setObject(PreferenceKeys::skin, SkinFolders::builtInSkin);
        m_currentSkin->setDirectory(SkinFolders::builtInSkin);
    }
    m_display->setSkin(m_currentSkin.get());
    handleRotation();
}

void MainViewController::clearCurrentSkin()
{
    m_display->setSkin(nullptr);
    m_currentSkin.reset();
}

void MainViewController::flipTablePicker()
{
    if (m_currentSkin)
        m_currentSkin->flipScrollView();
}

void MainViewController::handleRotation()
{
    const bool portrait = !Orientation::isLandscape(interfaceOrientation());
    m_ui->pickerContainer->setVisible(portrait);
    QWidget* root = m_currentSkin->viewNamed(orientationName(interfaceOrientation()));
    if (m_displayView && m_displayView != root) {
        m_displayView->hide();
        m_displayView->setParent(nullptr);
    }
    const bool otherRoot = root != m_displayView;
    m_displayView = root;
    if (root) {
        root->setParent(m_ui->displayContainer);
        root->show();
        layoutDisplayView();
    }
    if (otherRoot)
        m_display->showAll(); // the other orientation's controls and tables
}

void MainViewController::layoutDisplayView()
{
    // A skin lays its controls out in points for one screen size: it is
    // scaled to fit the area, keeping its shape, and stands centred.
    if (!m_displayView || !m_currentSkin)
        return;
    // The area as the screen's layout gives it now, not as it stood before
    // the screen was first laid out: a passing tiny size would squeeze the
    // skin's scales past their zoom limits.
    layout()->activate();
    const QSize area = m_ui->displayContainer->size();
    const QSize points = m_displayView->property(SkinProperties::pointFrame).toRect().size();
    if (!points.isEmpty() && !area.isEmpty()) {
        const qreal fit = qMin(qreal(area.width()) / points.width(), qreal(area.height()) / points.height());
        m_currentSkin->setContentScale(qBound(0.05, fit, maximumSkinScale));
    }
    const QSize size = m_displayView->size();
    m_displayView->move(qMax(0, (area.width() - size.width()) / 2), qMax(0, (area.height() - size.height()) / 2));
    layoutPageDots();
}

void MainViewController::layoutPageDots()
{
    PagingScrollView* pages = m_currentSkin ? m_currentSkin->mainScrollView() : nullptr;
    if (pages != m_dotsFollow) {
        if (m_dotsFollow)
            disconnect(m_dotsFollow, nullptr, m_pageDots, nullptr);
        m_dotsFollow = pages;
        if (pages)
            connect(pages, &PagingScrollView::visiblePageChanged, m_pageDots, &PageControl::setCurrentPage);
    }
    if (!pages || !m_displayView || pages->pageCount() <= 1) {
        m_pageDots->hide();
        return;
    }
    // Just below the pages, inside the skin.
    const qreal scale = m_currentSkin->contentScale();
    m_pageDots->setDotSize(qMax(5, int(std::lround(7 * scale))));
    m_pageDots->setNumberOfPages(pages->pageCount());
    m_pageDots->setCurrentPage(pages->visiblePage());
    const QRect area(pages->mapTo(m_ui->displayContainer, QPoint(0, 0)), pages->size());
    const QSize hint = m_pageDots->sizeHint();
    const QRect skin = m_displayView->geometry();
    const int top = qMin(area.bottom() + 1 + int(std::lround(2 * scale)), skin.bottom() + 1 - hint.height());
    m_pageDots->setGeometry(area.center().x() - hint.width() / 2, top, hint.width(), hint.height());
    m_pageDots->show();
    m_pageDots->raise();
}

QSize MainViewController::minimumViewSize(int orientation) const
{
    if (!m_currentSkin)
        return {};
    const QSize points = m_currentSkin->pointSizeOf(orientationName(orientation));
    if (points.isEmpty())
        return {};
    return { int(std::ceil(points.width() * minimumSkinScale)), int(std::ceil(points.height() * minimumSkinScale)) };
}

void MainViewController::resizeEvent(QResizeEvent* event)
{
    ViewController::resizeEvent(event);
    layoutDisplayView();
}
