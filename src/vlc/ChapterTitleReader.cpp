#include "vlc/ChapterTitleReader.h"

#include "vlc/RequestChannel.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

#include <QUrl>

ChapterTitleReader::ChapterTitleReader(QObject* parent)
    : QObject(parent)
    , m_channel(new RequestChannel(nullptr, this))
{
    connect(m_channel, &RequestChannel::finished, this, [this](int, const HttpReply& reply) {
        std::optional<ChapterTitleInfo> info;
        if (reply.httpStatus == 200)
            info = ChapterTitleInfo::fromStatusJson(reply.body);
        if (info && *info != m_info) {
            m_info = std::move(*info);
            emit changed();
        }
        emit answered();
    });
    connect(m_channel, &RequestChannel::failed, this, &ChapterTitleReader::answered);
}

ChapterTitleReader::~ChapterTitleReader() = default;

void ChapterTitleReader::refresh(const VLCController& remote)
{
    if (!remote.state().dialect().isModern())
        return;
    if (remote.record().baseAddress() != m_baseAddress) {
        clear();
        m_baseAddress = remote.record().baseAddress();
    }
    const QUrl url(remote.record().baseAddress() + QStringLiteral("requests/status.json"), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return;
    m_channel->setNetwork(remote.network());
    m_channel->setPassword(remote.record().password);
    m_channel->send(url, 0);
}

ChapterTitleInfo ChapterTitleReader::info(const VLCController& remote) const
{
    if (!remote.state().dialect().isModern())
        return ChapterTitleInfo::fromStatus(remote);
    return remote.record().baseAddress() == m_baseAddress ? m_info : ChapterTitleInfo();
}

void ChapterTitleReader::clear()
{
    m_info = ChapterTitleInfo();
    m_baseAddress.clear();
}
