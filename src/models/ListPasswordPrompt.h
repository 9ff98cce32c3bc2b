#pragma once

#include "core/AlertPresenter.h"

#include <QString>

#include <functional>
#include <memory>

class VLCController;

// The remotes list asks for the password of a chosen computer whose VLC
// wants one, on the list itself: the prompt says whether one is needed or
// was refused, masks what is typed and has Cancel, Help and Ok. Ok gives
// the remote the password (a saved one is written again with it) and asks
// VLC again; the remote is then awaited: it opens once it answers, and a
// refusal brings the prompt back. Cancel leaves the list as it is. Every
// front end's list keeps one of these.
class ListPasswordPrompt {
public:
    enum class Answer { Cancel, Help, Ok };
    // What the awaited remote's latest answer calls for; after Open or
    // AskAgain it is no longer awaited.
    enum class Next { Wait, Open, AskAgain };

    // The prompt for the remote; answered hears the button and the text.
    static AlertRequest request(const VLCController& remote,
                                std::function<void(Answer, const QString& password)> answered);

    // Ok: sets the password, asks VLC again and awaits the remote.
    void supply(const std::shared_ptr<VLCController>& remote, const QString& password);
    std::shared_ptr<VLCController> awaited() const { return m_awaited.lock(); }
    // For the awaited remote (any other: Wait), by what it last answered.
    Next next(const VLCController& remote);
    // The list is left: nothing opens by itself later.
    void forget() { m_awaited.reset(); }

private:
    std::weak_ptr<VLCController> m_awaited;
};
