#pragma once

#include "windows/common/bilingual.h"
#include "windows/common/converter_names.h"

namespace radixon::converter {

// The options panel both conversion windows share; each window adds its own rows.
inline constexpr TextRow texts[] = {
    {name::optionsPanel, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::optionsBox, TextRole::Caption, {"Options", "Επιλογές"}},
    {name::onTopBox, TextRole::Caption, {"Always On Top", "Πάντα Στο Προσκήνιο"}},
    {name::dockBox, TextRole::Caption, {"Dock", "Καρφίτσωμα"}},
    // The language box names the languages in the language that is not shown.
    {name::languageBox, TextRole::Caption, {"Ελληνικά/Αγγλικά", "Greek/English"}},
};

} // namespace radixon::converter
