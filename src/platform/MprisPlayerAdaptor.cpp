#include "platform/MprisPlayerAdaptor.h"

#include "platform/MprisService.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* object, MprisService& service)
    : QDBusAbstractAdaptor(object)
    , m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const { return m_service.state().playbackStatus; }
QString MprisPlayerAdaptor::loopStatus() const { return m_service.state().loopStatus; }
void MprisPlayerAdaptor::setLoopStatus(const QString& status) { m_service.setLoopStatus(status); }
double MprisPlayerAdaptor::rate() const { return m_service.state().rate; }
void MprisPlayerAdaptor::setRate(double rate) { m_service.setRate(rate); }
double MprisPlayerAdaptor::minimumRate() const { return MprisService::minimumRate; }
double MprisPlayerAdaptor::maximumRate() const { return MprisService::maximumRate; }
bool MprisPlayerAdaptor::shuffle() const { return m_service.state().shuffle; }
void MprisPlayerAdaptor::setShuffle(bool shuffle) { m_service.setShuffle(shuffle); }
QVariantMap MprisPlayerAdaptor::metadata() const { return m_service.state().metadata(); }
double MprisPlayerAdaptor::volume() const { return m_service.state().volume; }
void MprisPlayerAdaptor::setVolume(double volume) { m_service.setVolume(volume); }
qlonglong MprisPlayerAdaptor::position() const { return m_service.currentPosition(); }
bool MprisPlayerAdaptor::canGoNext() const { return m_service.state().canGoNext; }
bool MprisPlayerAdaptor::canGoPrevious() const { return m_service.state().canGoPrevious; }
bool MprisPlayerAdaptor::canPlay() const { return m_service.state().canPlay; }
bool MprisPlayerAdaptor::canPause() const { return m_service.state().canPause; }
bool MprisPlayerAdaptor::canSeek() const { return m_service.state().canSeek; }

void MprisPlayerAdaptor::Play() { m_service.play(); }
void MprisPlayerAdaptor::Pause() { m_service.pause(); }
void MprisPlayerAdaptor::PlayPause() { m_service.playPause(); }
void MprisPlayerAdaptor::Stop() { m_service.stop(); }
void MprisPlayerAdaptor::Next() { m_service.next(); }
void MprisPlayerAdaptor::Previous() { m_service.previous(); }
void MprisPlayerAdaptor::Seek(qlonglong offset) { m_service.seekBy(offset); }
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    m_service.setPosition(trackId.path(), position);
}
void MprisPlayerAdaptor::OpenUri(const QString& uri) { m_service.openUri(uri); }
