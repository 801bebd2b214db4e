#pragma once

#include "windows/common/converter_names.h"
#include "windows/common/window_texts.h"

namespace radixon::converter {

// The catalogues' context of every text below.
inline constexpr char context[] = "ConverterWindow";

// The options panel both conversion windows share; each window adds its own rows.
inline constexpr TextRow texts[] = {
    {name::optionsPanel, TextRole::Caption, QT_TRANSLATE_NOOP("ConverterWindow", "Options")},
    {name::optionsBox, TextRole::Caption, QT_TRANSLATE_NOOP("ConverterWindow", "Options")},
    {name::onTopBox, TextRole::Caption, QT_TRANSLATE_NOOP("ConverterWindow", "Always On Top")},
    {name::dockBox, TextRole::Caption, QT_TRANSLATE_NOOP("ConverterWindow", "Dock")},
    // The language box names the languages in the language that is not shown.
    {name::languageBox, TextRole::Caption,
     QT_TRANSLATE_NOOP("ConverterWindow", "Ελληνικά/Αγγλικά")},
};

} // namespace radixon::converter
