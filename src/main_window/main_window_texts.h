#pragma once

#include "main_window/main_window_names.h"
#include "windows/common/window_texts.h"

namespace radixon::main_window {

// The catalogues' context of every text below.
inline constexpr char context[] = "MainWindow";

// The main window's texts, in the order the language switch writes them.
inline constexpr TextRow texts[] = {
    {name::window, TextRole::Title, QT_TRANSLATE_NOOP("MainWindow", "Radixon By Zendor")},
    {name::converterFrame, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Radixon")},
    {name::optionsPanel, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Options")},
    {name::systemLabel, TextRole::Caption,
     QT_TRANSLATE_NOOP("MainWindow", "Choose Numerical System:")},
    {name::numberLabel, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Enter Number:")},
    {name::resultLabel, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Result:")},
    {name::calculateButton, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Calculate")},
    {name::calculateButton, TextRole::ToolTip, QT_TRANSLATE_NOOP("MainWindow", "Calculate")},
    // The language box names the languages in the language that is not active.
    {name::languageBox, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Ελληνικά/Αγγλικά")},
    {name::optionsBox, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Options")},
    {name::showAllBox, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Show All")},
    {name::numberField, TextRole::ToolTip,
     QT_TRANSLATE_NOOP("MainWindow", "Enter number and press [Calculate] or Enter")},
    {name::onTopBox, TextRole::Caption, QT_TRANSLATE_NOOP("MainWindow", "Always On Top")},
    {name::aboutPicture, TextRole::ToolTip, QT_TRANSLATE_NOOP("MainWindow", "About:")},
    // Screen readers find the fields by the label that stands above them.
    {name::systemList, TextRole::AccessibleName,
     QT_TRANSLATE_NOOP("MainWindow", "Choose Numerical System:")},
    {name::numberField, TextRole::AccessibleName, QT_TRANSLATE_NOOP("MainWindow", "Enter Number:")},
    {name::resultField, TextRole::AccessibleName, QT_TRANSLATE_NOOP("MainWindow", "Result:")},
    {name::previewField, TextRole::AccessibleName,
     QT_TRANSLATE_NOOP("MainWindow", "Binary - Octal - Hexademical")},
};

} // namespace radixon::main_window

namespace radixon::main_window {

// Asked before any language is chosen, so in both at once.
inline constexpr const char *anotherCopyTitle = "Radixon";
inline constexpr const char *anotherCopyQuestion = "Το πρόγραμμα είναι ανοιχτό.\n"
                                                   "Θέλετε να ξεκινήσετε ένα καινούργιο ;\n"
                                                   "Program is already open.\n"
                                                   "Want to start a new one ?";

inline constexpr const char *farewellTitle = "Radixon";
inline constexpr const char *farewell =
    QT_TRANSLATE_NOOP("MainWindow", "Thank you for using my program!");
inline constexpr const char *author = "Zendor";

} // namespace radixon::main_window
