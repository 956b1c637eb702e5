#pragma once

#include "core/Settings.h"
#include "platform/Platform.h"

namespace kz {

// The three check boxes of the options window (ticked means on).
struct OptionsForm {
    bool backUp = true;    // chkBackUp
    bool sound = true;     // chkSound
    bool exitConf = true;  // chkExitConf
};

OptionsForm LoadOpt(const AppSettings& settings);
void SaveOpt(const OptionsForm& form, AppSettings& settings);

// The user unticked chkBackUp: warns and asks. True when the box may stay
// unticked; anything but Yes ticks it again.
bool ConfirmBackUpOff(Platform& ui);

}  // namespace kz
