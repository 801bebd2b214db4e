#pragma once

#include "windows/about/about_names.h"
#include "windows/common/bilingual.h"

namespace radixon::about {

// The window's texts, in the order the window writes them. Lines are separated by
// a bare line feed: a plain-text label breaks there, while a carriage return would
// be drawn as a glyph of its own.
inline constexpr TextRow texts[] = {
    {name::aboutText,
     TextRole::Caption,
     {"The << Radixon >> is a program created by Zendor.\n"
      "It was created for educational reasons.\n"
      "\n"
      "It's a program for converting decimal numbers to Binary, Octal and Hexademical system and "
      "other...\n"
      "\n"
      "Features:\n"
      "1. Decimal convertion to Binary, Octal and Hexademical system.\n"
      "2. Binary, Octal and Hexademical convertion to Decimal.\n"
      "3. Any base convertion.\n"
      "4. List with Binary, Octal and Hexademical first 100 numbers.\n"
      "5. Temporary list.",
      "Ο << Radixon >> είναι ένα πρόγραμμα δημιουργημένο από τον Zendor.\n"
      "Δημιουργήθηκε για λόγους εκπαιδευτικούς.\n"
      "\n"
      "Είναι ένα πρόγραμμα για μετατροπή δεκαδικών αριθμών σε Δυαδικό, Οκταδικό και Δεκαεξαδικό "
      "σύστημα.\n"
      "\n"
      "Χαρακτηριστικά:\n"
      "1. Μετατροπή δεκαδικού αριθμού σε Δυαδικό, Οκταδικό και Δεκαεξαδικό.\n"
      "2. Μετατροπή Δυαδικού, Οκταδικού και Δεκαεξαδικού αριθμού σε δεκαδικό.\n"
      "3. Οποιαδήποτε μετατροπή αριθμού.\n"
      "4. Λίστα με τους πρώτους 100 Δυαδικούς, Οκταδικούς και Δεκαεξαδικούς αριθμούς.\n"
      "5. Προσωρινή λίστα."}},
    {name::licenceText,
     TextRole::Caption,
     {"Radixon is free to use for learning and teaching.\n"
      "It comes without any warranty; you use it at your own risk.",
      "Ο Radixon διατίθεται ελεύθερα για μάθηση και διδασκαλία.\n"
      "Παρέχεται χωρίς καμία εγγύηση· η χρήση του γίνεται με δική σας ευθύνη."}},
    {name::aboutFrame, TextRole::Caption, {"About Radixon", "Σχετικά Με Τον Radixon"}},
    {name::licenceFrame, TextRole::Caption, {"License", "Άδεια"}},
    {name::window, TextRole::Title, {"About:", "Σχετικά:"}},
};

} // namespace radixon::about
