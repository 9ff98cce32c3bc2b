#include "models/SetupScreen.h"

#include "models/Navigator.h"
#include "models/SetupInstructions.h"

SetupScreen::SetupScreen(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_instructions(new SetupInstructions(context, this))
{
}

QString SetupScreen::header() const
{
    return SetupInstructions::header();
}

QString SetupScreen::message() const
{
    return SetupInstructions::defaultMessage(m_context.defaults);
}

bool SetupScreen::isServiceConfigured() const
{
    return m_instructions->isServiceConfigured();
}

QStringList SetupScreen::addresses() const
{
    return m_instructions->rememberedAddresses();
}

void SetupScreen::refresh()
{
    emit changed();
}

void SetupScreen::send(const QString& typed, bool subscribe)
{
    if (!m_instructions->send(typed, subscribe))
        return;
    emit changed();
    m_context.navigator.goBack();
}

void SetupScreen::skip()
{
    m_instructions->skip();
    m_context.navigator.goBack();
}

void SetupScreen::openLink(const QString& link)
{
    if (link == SetupInstructions::helpLink)
        m_instructions->showHelp();
}
