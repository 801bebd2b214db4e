#include "main_window/companion_list.h"

#include "main_window/main_window_names.h"
#include "windows/about/about_names.h"
#include "windows/about/about_window.h"
#include "windows/lists/lists_names.h"
#include "windows/lists/lists_window.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_window.h"
#include "windows/practice/practice_names.h"
#include "windows/practice/practice_window.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_window.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_window.h"
#include "windows/working/working_names.h"
#include "windows/working/working_window.h"

#include <algorithm>
#include <iterator>

namespace radixon {

namespace {

template <class Window>
CompanionWindow *make(CompanionHost &host)
{
    return new Window(host);
}

constexpr QRgb red = 0xffff0000;
constexpr QRgb blue = 0xff0000ff;

template <class Window>
constexpr const QMetaObject *classOf = &Window::staticMetaObject;

namespace name = main_window::name;

// The main window's own controls take the tab positions in between (main_window.cpp).
// A table, each box's place in twips on a line of its own.
// clang-format off
constexpr CompanionEntry rows[] = {
    {classOf<TemporaryListWindow>, temporary_list::name::window, &make<TemporaryListWindow>, false,
     name::temporaryListBox, 210, 2310, // the box's top and width in twips
     QT_TRANSLATE_NOOP("MainWindow", "Temporary List"), red, 4},
    {classOf<ToDecimalWindow>, to_decimal::name::window, &make<ToDecimalWindow>, false,
     name::toDecimalBox, 420, 2480, // twips
     QT_TRANSLATE_NOOP("MainWindow", "Convertion To Decimal"), blue, 9},
    {classOf<OtherBaseWindow>, other_base::name::window, &make<OtherBaseWindow>, false,
     name::otherBaseBox, 630, 2400, // twips
     QT_TRANSLATE_NOOP("MainWindow", "Convertion To Other"), blue, 8},
    {classOf<ListsWindow>, lists::name::window, &make<ListsWindow>, false,
     name::listsBox, 840, 2310, // twips
     QT_TRANSLATE_NOOP("MainWindow", "Show Lists"), blue, 6},
    {classOf<AboutWindow>, about::name::window, &make<AboutWindow>},
    {classOf<WorkingWindow>, working::name::window, &make<WorkingWindow>, true},
    {classOf<PracticeWindow>, practice::name::window, &make<PracticeWindow>, true},
};
// clang-format on

} // namespace

constexpr CompanionList companionList{rows, std::size(rows)};

const CompanionEntry &companionEntry(const QMetaObject &window)
{
    return *std::find_if(
        companionList.begin(), companionList.end(),
        [&window](const CompanionEntry &entry) { return entry.window == &window; });
}

} // namespace radixon
