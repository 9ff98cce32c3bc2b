#include "models/AdvancedScreens.h"

#include "core/Localization.h"
#include "models/AdvancedControlsModel.h"
#include "models/AspectRatioModel.h"
#include "models/AudioDelayKnob.h"
#include "models/ChapterTitleModel.h"
#include "models/EqualizerModel.h"
#include "models/MoreActions.h"
#include "models/RemoteSession.h"
#include "models/SpeedKnob.h"
#include "models/TrackModel.h"
#include "models/ChoiceRows.h"
#include "vlc/VLCController.h"

AdvancedScreens::AdvancedScreens(const AppContext& context, RemoteSession& session, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_session(session)
    , m_keyCommands(new AdvancedControlsModel(AdvancedControlsModel::Kind::KeyCommands, context, session, this))
    , m_screens(new AdvancedControlsModel(AdvancedControlsModel::Kind::Screens, context, session, this))
    , m_audioVideoModel(new TrackModel({ TrackModel::Kind::Audio, TrackModel::Kind::Video }, this))
    , m_subtitleModel(new TrackModel({ TrackModel::Kind::Subtitle }, this))
    , m_ratioModel(new AspectRatioModel(this))
    , m_chapterModel(new ChapterTitleModel(this))
    , m_audioVideo(new ChoiceRows(m_audioVideoModel, TrackModel::SelectedRole, TrackModel::SectionRole,
                                  TrackModel::DetailsRole, QString(), this))
    , m_subtitles(new ChoiceRows(m_subtitleModel, TrackModel::SelectedRole, TrackModel::SectionRole,
                                 TrackModel::DetailsRole, QString(), this))
    , m_ratios(new ChoiceRows(m_ratioModel, AspectRatioModel::CurrentRole, -1, -1, localizedString("Ratios"), this))
    , m_chapters(new ChoiceRows(m_chapterModel, ChapterTitleModel::CurrentRole, ChapterTitleModel::SectionRole, -1,
                                QString(), this))
    , m_speed(new SpeedKnob(session, context.clock, this))
    , m_delay(new AudioDelayKnob(session, this))
    , m_equalizer(new EqualizerModel(this))
{
    followRemote();
    connect(&session, &RemoteSession::remoteChanged, this, &AdvancedScreens::followRemote);
    connect(m_chapterModel, &ChapterTitleModel::activeChanged, this, &AdvancedScreens::chaptersActiveChanged);
    connect(m_equalizer, &EqualizerModel::activeChanged, this, &AdvancedScreens::equalizerActiveChanged);
    connect(m_speed, &SpeedKnob::changed, this, &AdvancedScreens::speedChanged);
    connect(m_delay, &AudioDelayKnob::changed, this, &AdvancedScreens::delayChanged);
}

AdvancedScreens::~AdvancedScreens() = default;

void AdvancedScreens::followRemote()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    m_audioVideoModel->setRemote(remote);
    m_subtitleModel->setRemote(remote);
    m_ratioModel->setRemote(remote);
    m_chapterModel->setRemote(remote);
    m_equalizer->setRemote(remote);
}

QString AdvancedScreens::moreTitle() const
{
    return MoreActions::title();
}

QStringList AdvancedScreens::moreButtons() const
{
    return MoreActions::buttons();
}

void AdvancedScreens::chooseMore(int index)
{
    MoreActions::choose(index, m_session, m_context.navigator);
}

QObject* AdvancedScreens::keyCommands() const
{
    return m_keyCommands;
}

QObject* AdvancedScreens::screens() const
{
    return m_screens;
}

void AdvancedScreens::activate(bool screens, int row)
{
    (screens ? m_screens : m_keyCommands)->activate(row);
}

void AdvancedScreens::showKeyCommands()
{
    m_screens->showKeyCommands();
}

bool AdvancedScreens::chaptersActive() const
{
    return m_chapterModel->isActive();
}

void AdvancedScreens::setChaptersActive(bool active)
{
    m_chapterModel->setActive(active);
}

bool AdvancedScreens::equalizerActive() const
{
    return m_equalizer->isActive();
}

void AdvancedScreens::setEqualizerActive(bool active)
{
    m_equalizer->setActive(active);
}

void AdvancedScreens::refreshStatus()
{
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        remote->updateStatus();
}

double AdvancedScreens::speedValue() const
{
    return m_speed->value();
}

QString AdvancedScreens::speedText() const
{
    return m_speed->text();
}

void AdvancedScreens::loadSpeed()
{
    m_speed->load();
}

void AdvancedScreens::turnSpeed(double value, bool release)
{
    m_speed->turnTo(value, release);
}

void AdvancedScreens::slower()
{
    m_speed->slower();
}

void AdvancedScreens::normalSpeed()
{
    m_speed->normal();
}

void AdvancedScreens::faster()
{
    m_speed->faster();
}

double AdvancedScreens::delayValue() const
{
    return m_delay->value();
}

QString AdvancedScreens::delayText() const
{
    return m_delay->text();
}

void AdvancedScreens::loadDelay()
{
    m_delay->load();
}

void AdvancedScreens::turnDelay(double value, bool release)
{
    m_delay->turnTo(value, release);
}

void AdvancedScreens::delayMinusOne()
{
    m_delay->minusOne();
}

void AdvancedScreens::delayZero()
{
    m_delay->zero();
}

void AdvancedScreens::delayAddOne()
{
    m_delay->addOne();
}

void AdvancedScreens::dvdUp() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdUp); }
void AdvancedScreens::dvdDown() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdDown); }
void AdvancedScreens::dvdLeft() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdLeft); }
void AdvancedScreens::dvdRight() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdRight); }
void AdvancedScreens::dvdSelect() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdSelect); }
void AdvancedScreens::dvdMenu() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdMenu); }
