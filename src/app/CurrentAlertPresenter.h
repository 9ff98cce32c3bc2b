#pragma once

#include "core/AlertPresenter.h"

// Whatever presenter is installed when an alert comes: the remote screen
// speaks through it, so that a test's presenter (or none: the console log)
// hears what the screen has to say.
class CurrentAlertPresenter : public AlertPresenter {
public:
    void present(const AlertRequest& request) override;
    void withdraw(const QString& title) override;
};
