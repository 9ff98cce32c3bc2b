#include "touch/RemoteConfigForm.h"

#include "core/Localization.h"
#include "models/RemoteAddressProblem.h"
#include "touch/TouchRemotes.h"
#include "vlc/HostAddress.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

RemoteConfigForm::RemoteConfigForm(QObject* parent)
    : QObject(parent)
{
}

void RemoteConfigForm::setRemotes(TouchRemotes* remotes)
{
    if (remotes == m_remotes)
        return;
    m_remotes = remotes;
    emit remotesChanged();
}

void RemoteConfigForm::setProblem(const QString& problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged();
}

bool RemoteConfigForm::save()
{
    if (!m_remotes)
        return false;
    // A pasted address often carries a space at its end, which would make
    // every request fail.
    const QString address = m_address.trimmed();
    if (m_nickname.isEmpty() || address.isEmpty()) {
        setProblem(localizedString("Please enter a name as well as an address for the new remote."));
        return false;
    }
    if (const QString problem = RemoteAddressProblem::describe(address); !problem.isEmpty()) {
        setProblem(problem);
        return false;
    }
    setProblem(QString());
    RemoteRecord record;
    record.nickname = m_nickname;
    // Kept as the requests use it ("http://host:port/" becomes "host:port").
    record.hostAddress = HostAddress::read(address).address.value_or(address);
    // An empty field means no password, as VLC without one knows it.
    record.password = m_password.isEmpty() ? QString() : m_password;
    auto remote = std::make_shared<VLCController>(record, m_remotes->network());
    m_remotes->saved().add(remote);
    // Its state icon is then right when the list shows again.
    remote->searchForPlayerLink();
    return true;
}
