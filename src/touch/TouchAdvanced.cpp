#include "touch/TouchAdvanced.h"

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
#include "touch/ChoiceRows.h"
#include "vlc/VLCController.h"

TouchAdvanced::TouchAdvanced(const AppContext& context, RemoteSession& session, QObject* parent)
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
    connect(&session, &RemoteSession::remoteChanged, this, &TouchAdvanced::followRemote);
    connect(m_chapterModel, &ChapterTitleModel::activeChanged, this, &TouchAdvanced::chaptersActiveChanged);
    connect(m_equalizer, &EqualizerModel::activeChanged, this, &TouchAdvanced::equalizerActiveChanged);
    connect(m_speed, &SpeedKnob::changed, this, &TouchAdvanced::speedChanged);
    connect(m_delay, &AudioDelayKnob::changed, this, &TouchAdvanced::delayChanged);
}

TouchAdvanced::~TouchAdvanced() = default;

void TouchAdvanced::followRemote()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    m_audioVideoModel->setRemote(remote);
    m_subtitleModel->setRemote(remote);
    m_ratioModel->setRemote(remote);
    m_chapterModel->setRemote(remote);
    m_equalizer->setRemote(remote);
}

QString TouchAdvanced::moreTitle() const
{
    return MoreActions::title();
}

QStringList TouchAdvanced::moreButtons() const
{
    return MoreActions::buttons();
}

void TouchAdvanced::chooseMore(int index)
{
    MoreActions::choose(index, m_session, m_context.navigator);
}

QObject* TouchAdvanced::keyCommands() const
{
    return m_keyCommands;
}

QObject* TouchAdvanced::screens() const
{
    return m_screens;
}

void TouchAdvanced::activate(bool screens, int row)
{
    (screens ? m_screens : m_keyCommands)->activate(row);
}

void TouchAdvanced::showKeyCommands()
{
    m_screens->showKeyCommands();
}

bool TouchAdvanced::chaptersActive() const
{
    return m_chapterModel->isActive();
}

void TouchAdvanced::setChaptersActive(bool active)
{
    m_chapterModel->setActive(active);
}

bool TouchAdvanced::equalizerActive() const
{
    return m_equalizer->isActive();
}

void TouchAdvanced::setEqualizerActive(bool active)
{
    m_equalizer->setActive(active);
}

void TouchAdvanced::refreshStatus()
{
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        remote->updateStatus();
}

double TouchAdvanced::speedValue() const
{
    return m_speed->value();
}

QString TouchAdvanced::speedText() const
{
    return m_speed->text();
}

void TouchAdvanced::loadSpeed()
{
    m_speed->load();
}

void TouchAdvanced::turnSpeed(double value, bool release)
{
    m_speed->turnTo(value, release);
}

void TouchAdvanced::slower()
{
    m_speed->slower();
}

void TouchAdvanced::normalSpeed()
{
    m_speed->normal();
}

void TouchAdvanced::faster()
{
    m_speed->faster();
}

double TouchAdvanced::delayValue() const
{
    return m_delay->value();
}

QString TouchAdvanced::delayText() const
{
    return m_delay->text();
}

void TouchAdvanced::loadDelay()
{
    m_delay->load();
}

void TouchAdvanced::turnDelay(double value, bool release)
{
    m_delay->turnTo(value, release);
}

void TouchAdvanced::delayMinusOne()
{
    m_delay->minusOne();
}

void TouchAdvanced::delayZero()
{
    m_delay->zero();
}

void TouchAdvanced::delayAddOne()
{
    m_delay->addOne();
}

void TouchAdvanced::dvdUp() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdUp); }
void TouchAdvanced::dvdDown() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdDown); }
void TouchAdvanced::dvdLeft() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdLeft); }
void TouchAdvanced::dvdRight() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdRight); }
void TouchAdvanced::dvdSelect() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdSelect); }
void TouchAdvanced::dvdMenu() { m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdMenu); }
