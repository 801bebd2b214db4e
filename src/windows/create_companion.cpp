#include "windows/create_companion.h"

#include "windows/about/about_window.h"
#include "windows/lists/lists_window.h"
#include "windows/other_base/other_base_window.h"
#include "windows/temporary_list/temporary_list_window.h"
#include "windows/to_decimal/to_decimal_window.h"

namespace radixon {

CompanionWindow *createCompanion(Companion which, CompanionHost &host)
{
    switch (which) {
    case Companion::TemporaryList:
        return new TemporaryListWindow(host);
    case Companion::ToDecimal:
        return new ToDecimalWindow(host);
    case Companion::OtherBase:
        return new OtherBaseWindow(host);
    case Companion::Lists:
        return new ListsWindow(host);
    case Companion::About:
        return new AboutWindow(host);
    }
    return nullptr;
}

} // namespace radixon
