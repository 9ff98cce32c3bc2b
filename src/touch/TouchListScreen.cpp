#include "touch/TouchListScreen.h"

#include "models/ListTextSize.h"
#include "models/RemoteSession.h"
#include "touch/TouchRemotes.h"
#include "vlc/VLCController.h"

TouchListScreen::TouchListScreen(int pollIntervalMs, QObject* parent)
    : QObject(parent)
{
    m_pollTimer.setInterval(pollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, [this] {
        if (const std::shared_ptr<VLCController> current = remote())
            poll(*current);
    });
}

TouchListScreen::~TouchListScreen() = default;

void TouchListScreen::setRemotes(TouchRemotes* remotes)
{
    if (remotes == m_remotes)
        return;
    TouchRemotes* previous = m_remotes;
    m_remotes = remotes;
    if (m_textSize)
        disconnect(m_textSize, nullptr, this, nullptr);
    m_textSize = remotes ? &textSizeIn(*remotes) : nullptr;
    if (m_textSize)
        connect(m_textSize, &ListTextSize::fontSizeChanged, this, &TouchListScreen::textSizeChanged);
    remotesSet(previous);
    emit remotesChanged();
    emit textSizeChanged();
}

int TouchListScreen::textSize() const
{
    return m_textSize ? m_textSize->fontSize() : ListTextSize::startingSize;
}

void TouchListScreen::beginTextPinch()
{
    if (m_textSize)
        m_textSize->beginPinch();
}

void TouchListScreen::textPinchScaled(qreal scale)
{
    if (m_textSize)
        m_textSize->pinchScaled(scale);
}

void TouchListScreen::endTextPinch()
{
    if (m_textSize)
        m_textSize->endPinch();
}

bool TouchListScreen::textSizeWheel(int angleDelta, int modifiers)
{
    return m_textSize && m_textSize->wheel(angleDelta, Qt::KeyboardModifiers::fromInt(modifiers));
}

bool TouchListScreen::textSizeKey(int key, int modifiers)
{
    return m_textSize && m_textSize->key(key, Qt::KeyboardModifiers::fromInt(modifiers));
}

void TouchListScreen::setActive(bool active)
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

QObject* TouchListScreen::rowsObject() const
{
    return rows();
}

std::shared_ptr<VLCController> TouchListScreen::remote() const
{
    return m_remotes ? m_remotes->session().remote() : nullptr;
}
