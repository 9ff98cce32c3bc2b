#include "touch/TouchSetup.h"

#include "models/Navigator.h"
#include "models/SetupInstructions.h"

TouchSetup::TouchSetup(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_instructions(new SetupInstructions(context, this))
{
}

QString TouchSetup::header() const
{
    return SetupInstructions::header();
}

QString TouchSetup::message() const
{
    return SetupInstructions::defaultMessage(m_context.defaults);
}

bool TouchSetup::isServiceConfigured() const
{
    return m_instructions->isServiceConfigured();
}

QStringList TouchSetup::addresses() const
{
    return m_instructions->rememberedAddresses();
}

void TouchSetup::refresh()
{
    emit changed();
}

void TouchSetup::send(const QString& typed, bool subscribe)
{
    if (!m_instructions->send(typed, subscribe))
        return;
    emit changed();
    m_context.navigator.goBack();
}

void TouchSetup::skip()
{
    m_instructions->skip();
    m_context.navigator.goBack();
}

void TouchSetup::openLink(const QString& link)
{
    if (link == SetupInstructions::helpLink)
        m_instructions->showHelp();
}
