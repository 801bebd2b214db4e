#pragma once

#include "windows/common/converter_names.h"
#include "windows/common/window_texts.h"
#include "windows/other_base/other_base_names.h"

namespace radixon::other_base {

// The catalogues' context of every text below.
inline constexpr char context[] = "OtherBaseWindow";

// The window's own texts; the shared options panel's are in converter_texts.h.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("OtherBaseWindow", "Radixon By Zendor")},
    {converter::name::converterFrame, TextRole::Caption,
     QT_TRANSLATE_NOOP("OtherBaseWindow", "Other Numerical System")},
    {name::baseLabel, TextRole::Caption,
     QT_TRANSLATE_NOOP("OtherBaseWindow", "Enter Base Number:")},
    {name::numberLabel, TextRole::Caption, QT_TRANSLATE_NOOP("OtherBaseWindow", "Enter Number:")},
    {name::resultLabel, TextRole::Caption, QT_TRANSLATE_NOOP("OtherBaseWindow", "Result:")},
    {name::calculateButton, TextRole::Caption, QT_TRANSLATE_NOOP("OtherBaseWindow", "Calculate")},
    {name::numberField, TextRole::ToolTip,
     QT_TRANSLATE_NOOP("OtherBaseWindow", "Enter number and press [Calculate] or Enter")},
    {name::calculateButton, TextRole::ToolTip, QT_TRANSLATE_NOOP("OtherBaseWindow", "Calculate")},
};

} // namespace radixon::other_base
