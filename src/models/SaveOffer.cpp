#include "models/SaveOffer.h"

#include "core/Localization.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

bool SaveOffer::isSavedAlready(const SavedRemoteList& saved, const VLCController& remote)
{
    for (size_t i = 0; i < saved.size(); ++i)
        if (saved.recordAt(i).hostAddress == remote.record().hostAddress)
            return true;
    return false;
}

AlertRequest SaveOffer::offer(std::function<void(bool yes)> answered)
{
    AlertRequest sheet;
    sheet.title = localizedString("Would you like to save this Remote to your 'Saved Remotes' list?");
    sheet.actionSheet = true;
    sheet.buttons = { localizedString("Yes"), localizedString("No") };
    sheet.destructiveButton = 0;
    sheet.completion = [answered = std::move(answered)](int index) {
        if (answered)
            answered(index == 0);
    };
    return sheet;
}

AlertRequest SaveOffer::savedNotice()
{
    AlertRequest saved;
    saved.title = localizedString("Remote Saved");
    saved.message = localizedString("If you want to make this your default remote, then just click the edit button, "
                                    "select your remote and select the 'default remote' option.");
    saved.buttons = { localizedString("Ok") };
    return saved;
}
