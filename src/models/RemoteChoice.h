#pragma once

#include "models/RemoteAnswer.h"

#include <QString>

#include <vector>

class VLCController;

// What choosing a computer in the remotes list does, by what it last
// answered: open its remote screen (offering first to save one found through
// the setup helper), ask for its password, or explain in a sheet why it
// cannot be used, with the sheet's buttons in their order. Every front end
// takes the rule from here, so their lists behave alike.
struct RemoteChoice {
    enum class Outcome { OpenRemote, OfferToSave, AskPassword, Explain };
    // What a sheet's button does; None closes the sheet.
    enum class Action { None, Help, CantSee, WakeComputer, ChangeAddress };
    struct Button {
        QString title;
        Action action = Action::None;
    };

    Outcome outcome = Outcome::OpenRemote;
    QString message; // for Explain
    std::vector<Button> buttons;

    // canWake: whether the front end can wake this computer (see RemoteWaker).
    static RemoteChoice of(const VLCController& remote, bool canWake);
};
