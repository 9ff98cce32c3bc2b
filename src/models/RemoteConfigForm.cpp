#include "models/RemoteConfigForm.h"

#include "models/RemoteConfigProblem.h"
#include "models/RemotesModel.h"
#include "models/RemotesScreen.h"
#include "vlc/HostAddress.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

RemoteConfigForm::RemoteConfigForm(QObject* parent)
    : QObject(parent)
{
}

void RemoteConfigForm::setRemotes(RemotesScreen* remotes)
{
    if (remotes == m_remotes)
        return;
    if (m_remotes)
        disconnect(&m_remotes->remotes(), nullptr, this, nullptr);
    m_remotes = remotes;
    if (m_remotes)
        connect(&m_remotes->remotes(), &RemotesModel::foundCountChanged, this, &RemoteConfigForm::canChooseFoundChanged);
    emit remotesChanged();
    emit canChooseFoundChanged();
}

bool RemoteConfigForm::canChooseFound() const
{
    return m_remotes && m_remotes->remotes().foundCount() > 0;
}

void RemoteConfigForm::begin()
{
    if (!m_remotes)
        return;
    m_remote = m_remotes->configRemote();
    m_nickname = m_remote ? m_remote->record().nickname : QString();
    m_address = m_remote ? m_remote->record().hostAddress : QString();
    m_password = m_remote ? m_remote->record().password : QString();
    m_isDefault = m_remote && m_remote->record().isDefault;
    emit fieldsChanged();
}

void RemoteConfigForm::showAddressHelp()
{
    if (m_remotes)
        m_remotes->navigator().showBundledPage(QStringLiteral("router"));
}

void RemoteConfigForm::chooseFound()
{
    if (!m_remotes)
        return;
    m_remotes->navigator().chooseFoundComputer([self = QPointer(this)](const std::shared_ptr<VLCController>& remote) {
        if (!self || !remote)
            return;
        self->m_address = remote->record().hostAddress;
        self->m_nickname = remote->record().nickname;
        emit self->fieldsChanged();
    });
}

bool RemoteConfigForm::save()
{
    if (!m_remotes)
        return false;
    // A pasted address often carries a space at its end, which would make
    // every request fail.
    const QString address = m_address.trimmed();
    if (const QString problem = RemoteConfigProblem::describe(m_nickname, address); !problem.isEmpty()) {
        RemoteConfigProblem::show(m_remotes->alerts(), problem);
        return false;
    }
    const std::shared_ptr<VLCController> remote
        = m_remote ? m_remote : std::make_shared<VLCController>(RemoteRecord {}, m_remotes->network());
    remote->setNickname(m_nickname);
    // Kept as the requests use it ("http://host:port/" becomes "host:port").
    remote->setHostAddress(HostAddress::read(address).address.value_or(address));
    // An empty field means no password, as VLC without one knows it.
    remote->setPassword(m_password.isEmpty() ? QString() : m_password);
    remote->setIsDefault(m_isDefault);
    if (m_remotes->saved().indexOf(remote.get()) < 0)
        m_remotes->saved().add(remote);
    // Its state icon is then right when the list shows again.
    remote->searchForPlayerLink();
    return true;
}
