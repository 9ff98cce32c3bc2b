#include "models/ListScreen.h"

#include "models/ListTextSize.h"
#include "models/RemoteSession.h"
#include "models/RemotesScreen.h"
#include "vlc/VLCController.h"

ListScreen::ListScreen(int pollIntervalMs, QObject* parent)
    : QObject(parent)
{
    m_pollTimer.setInterval(pollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, [this] {
        if (const std::shared_ptr<VLCController> current = remote())
            poll(*current);
    });
}

ListScreen::~ListScreen() = default;

void ListScreen::setRemotes(RemotesScreen* remotes)
{
    if (remotes == m_remotes)
        return;
    RemotesScreen* previous = m_remotes;
    m_remotes = remotes;
    if (m_textSize)
        disconnect(m_textSize, nullptr, this, nullptr);
    m_textSize = remotes ? &textSizeIn(*remotes) : nullptr;
    if (m_textSize)
        connect(m_textSize, &ListTextSize::fontSizeChanged, this, &ListScreen::textSizeChanged);
    remotesSet(previous);
    emit remotesChanged();
    emit textSizeChanged();
}

int ListScreen::textSize() const
{
    return m_textSize ? m_textSize->fontSize() : ListTextSize::startingSize;
}

void ListScreen::beginTextPinch()
{
    if (m_textSize)
        m_textSize->beginPinch();
}

void ListScreen::textPinchScaled(qreal scale)
{
    if (m_textSize)
        m_textSize->pinchScaled(scale);
}

void ListScreen::endTextPinch()
{
    if (m_textSize)
        m_textSize->endPinch();
}

bool ListScreen::textSizeWheel(int angleDelta, int modifiers)
{
    return m_textSize && m_textSize->wheel(angleDelta, Qt::KeyboardModifiers::fromInt(modifiers));
}

bool ListScreen::textSizeKey(int key, int modifiers)
{
    return m_textSize && m_textSize->key(key, Qt::KeyboardModifiers::fromInt(modifiers));
}

void ListScreen::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        m_pollTimer.start();
    else
        m_pollTimer.stop();
    activeSet();
    emit activeChanged();
}

QObject* ListScreen::rowsObject() const
{
    return rows();
}

std::shared_ptr<VLCController> ListScreen::remote() const
{
    return m_remotes ? m_remotes->session().remote() : nullptr;
}
