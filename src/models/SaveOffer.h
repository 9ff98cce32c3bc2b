#pragma once

#include "core/AlertPresenter.h"

#include <functional>

class SavedRemoteList;
class VLCController;

// A computer found through the setup helper is offered for saving when
// chosen in the remotes list, unless one at its address is saved already
// (then it simply opens). Yes saves it and says so; No opens it.
namespace SaveOffer {
bool isSavedAlready(const SavedRemoteList& saved, const VLCController& remote);
// The offer; answered hears whether the user said Yes.
AlertRequest offer(std::function<void(bool yes)> answered);
// Told once the remote is saved.
AlertRequest savedNotice();
}
