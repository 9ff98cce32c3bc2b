#include "models/OpenAddressModel.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/VLCController.h"

OpenAddressModel::OpenAddressModel(QObject* parent)
    : QObject(parent)
    , m_checked(StreamAddress::check(QString()))
{
}

void OpenAddressModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    m_remote = remote;
}

void OpenAddressModel::setAddress(const QString& address)
{
    if (address == m_address)
        return;
    m_address = address;
    const StreamAddress::Problem before = m_checked.problem;
    const QString schemeBefore = m_checked.scheme;
    m_checked = StreamAddress::check(address);
    emit addressChanged();
    if (m_checked.problem != before || m_checked.scheme != schemeBefore)
        emit problemChanged();
}

QString OpenAddressModel::problemText() const
{
    return describe(m_checked.problem, m_checked.scheme);
}

QString OpenAddressModel::describe(StreamAddress::Problem problem, const QString& scheme)
{
    using P = StreamAddress::Problem;
    switch (problem) {
    case P::None:
        return QString();
    case P::Empty:
        return localizedString("Enter the address of a stream, such as https:// and the rest of it.");
    case P::TooLong:
        return fmt(localizedString("The address is too long: at most %d characters."), int(StreamAddress::maxLength));
    case P::Whitespace:
        return localizedString("An address has no spaces (a space in a name is written %20).");
    case P::ControlCharacter:
        return localizedString("The address holds a line break, a tab or another invisible character.");
    case P::NoScheme:
        return localizedString("The address must begin with its kind, such as http:// or rtsp://.");
    case P::UnsupportedScheme:
        return fmt(localizedString("VLC cannot be sent \"%@\" addresses from here; it takes %@."), scheme,
                   StreamAddress::schemes().join(QStringLiteral(", ")));
    case P::NoHost:
        return localizedString("The address names no computer after its kind, such as example.com in http://example.com/.");
    case P::Malformed:
        break;
    }
    return localizedString("This is not an address VLC can open.");
}

bool OpenAddressModel::play()
{
    if (!m_remote || !isAcceptable())
        return false;
    m_remote->playFilename(m_checked.address);
    return true;
}

bool OpenAddressModel::enqueue()
{
    if (!m_remote || !isAcceptable())
        return false;
    m_remote->enqueueFilename(m_checked.address);
    return true;
}
