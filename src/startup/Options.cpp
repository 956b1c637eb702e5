#include "startup/Options.h"

namespace kz {

OptionsForm LoadOpt(const AppSettings& settings) {
    return {settings.BackUp, settings.Sound, settings.ExitConf};
}

void SaveOpt(const OptionsForm& form, AppSettings& settings) {
    settings.BackUp = form.backUp;
    settings.Sound = form.sound;
    settings.ExitConf = form.exitConf;
}

bool ConfirmBackUpOff(Platform& ui) {
    return ui.MessageBox(JoinParagraphs("Эта функция очень рекомендуется. Ее выключение может "
                                        "привести к потере данных в некоторых случаях!",
                                        "Вы уверены, что хотите выключить ее?"),
                         Icon::Exclamation, Buttons::YesNo, "Предупреждение") == Answer::Yes;
}

}  // namespace kz
