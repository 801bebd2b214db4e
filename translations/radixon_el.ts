<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>The &lt;&lt; Radixon &gt;&gt; is a program created by Zendor.
It was created for educational reasons.

It&apos;s a program for converting decimal numbers to Binary, Octal and Hexademical system and other...

Features:
1. Decimal convertion to Binary, Octal and Hexademical system.
2. Binary, Octal and Hexademical convertion to Decimal.
3. Any base convertion.
4. List with Binary, Octal and Hexademical first 100 numbers.
5. Temporary list.</source>
        <translation>Ο &lt;&lt; Radixon &gt;&gt; είναι ένα πρόγραμμα δημιουργημένο από τον Zendor.
Δημιουργήθηκε για λόγους εκπαιδευτικούς.

Είναι ένα πρόγραμμα για μετατροπή δεκαδικών αριθμών σε Δυαδικό, Οκταδικό και Δεκαεξαδικό σύστημα.

Χαρακτηριστικά:
1. Μετατροπή δεκαδικού αριθμού σε Δυαδικό, Οκταδικό και Δεκαεξαδικό.
2. Μετατροπή Δυαδικού, Οκταδικού και Δεκαεξαδικού αριθμού σε δεκαδικό.
3. Οποιαδήποτε μετατροπή αριθμού.
4. Λίστα με τους πρώτους 100 Δυαδικούς, Οκταδικούς και Δεκαεξαδικούς αριθμούς.
5. Προσωρινή λίστα.</translation>
    </message>
    <message>
        <source>Radixon is free to use for learning and teaching.
It comes without any warranty; you use it at your own risk.</source>
        <translation>Ο Radixon διατίθεται ελεύθερα για μάθηση και διδασκαλία.
Παρέχεται χωρίς καμία εγγύηση· η χρήση του γίνεται με δική σας ευθύνη.</translation>
    </message>
    <message>
        <source>About Radixon</source>
        <translation>Σχετικά Με Τον Radixon</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Άδεια</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Σχετικά:</translation>
    </message>
</context>
<context>
    <name>ConverterWindow</name>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Πάντα Στο Προσκήνιο</translation>
    </message>
    <message>
        <source>Dock</source>
        <translation>Καρφίτσωμα</translation>
    </message>
    <message>
        <source>Ελληνικά/Αγγλικά</source>
        <translation>Greek/English</translation>
    </message>
</context>
<context>
    <name>ListsWindow</name>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>RX Lists:  (Double Click Item To Send To Temorary List)</source>
        <translation>RX Λίστες: (Διπλό Κλικ Σε Στοιχειο Για Να Το Στείλετε Στην Προσ. Λίστα)</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Πάντα Στο Προσκήνιο</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Radixon By Zendor</source>
        <translation>Radixon Από Τον Zendor</translation>
    </message>
    <message>
        <source>Radixon</source>
        <translation>Radixon</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Choose Numerical System:</source>
        <translation>Διάλεξε Αριθμητικό Σύστημα:</translation>
    </message>
    <message>
        <source>Enter Number:</source>
        <translation>Πληκτρολόγισε Αριθμό:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Αποτέλεσμα:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Show Lists</source>
        <translation>Εμφάνιση Λιστών</translation>
    </message>
    <message>
        <source>Ελληνικά/Αγγλικά</source>
        <translation>Greek/English</translation>
    </message>
    <message>
        <source>Temporary List</source>
        <translation>Προσωρινή Λίστα</translation>
    </message>
    <message>
        <source>Convertion To Other</source>
        <translation>Μετατροπή Σε Άλλο</translation>
    </message>
    <message>
        <source>Convertion To Decimal</source>
        <translation>Μετατροπή Σε Δεκαδικό</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Εμφάνιση Όλων</translation>
    </message>
    <message>
        <source>Enter number and press [Calculate] or Enter</source>
        <translation>Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Πάντα Στο Προσκήνιο</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Σχετικά:</translation>
    </message>
    <message>
        <source>Binary - Octal - Hexademical</source>
        <translation>Δυαδικό - Οκταδικό - Δεκαεξαδικό</translation>
    </message>
    <message>
        <source>Thank you for using my program!</source>
        <translation>Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!</translation>
    </message>
</context>
<context>
    <name>NumberSystem</name>
    <message>
        <source>Binary</source>
        <translation>Δυαδικό</translation>
    </message>
    <message>
        <source>Binary System</source>
        <translation>Δυαδικό Σύστημα</translation>
    </message>
    <message>
        <source>Binary </source>
        <translation>Δυαδικό </translation>
    </message>
    <message>
        <source>Bin: </source>
        <translation>Δυαδ: </translation>
    </message>
    <message>
        <source>%1 from decimal to binary (base 2)</source>
        <translation>%1 από το δεκαδικό στο δυαδικό (βάση 2)</translation>
    </message>
    <message>
        <source>%1 from binary (base 2) to decimal</source>
        <translation>%1 από το δυαδικό (βάση 2) στο δεκαδικό</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Οκταδικό</translation>
    </message>
    <message>
        <source>Octal System</source>
        <translation>Οκταδικό Σύστημα</translation>
    </message>
    <message>
        <source>Octal </source>
        <translation>Οκταδικό </translation>
    </message>
    <message>
        <source>Oct: </source>
        <translation>Οκτ: </translation>
    </message>
    <message>
        <source>%1 from decimal to octal (base 8)</source>
        <translation>%1 από το δεκαδικό στο οκταδικό (βάση 8)</translation>
    </message>
    <message>
        <source>%1 from octal (base 8) to decimal</source>
        <translation>%1 από το οκταδικό (βάση 8) στο δεκαδικό</translation>
    </message>
    <message>
        <source>Hexademical</source>
        <translation>Δεκαεξαδικό</translation>
    </message>
    <message>
        <source>Hexademical System</source>
        <translation>Δεκαεξαδικό Σύστημα</translation>
    </message>
    <message>
        <source>Hexademical </source>
        <translation>Δεκαεξαδικό </translation>
    </message>
    <message>
        <source>Hex: </source>
        <translation>Δεκ: </translation>
    </message>
    <message>
        <source>%1 from decimal to hexadecimal (base 16)</source>
        <translation>%1 από το δεκαδικό στο δεκαεξαδικό (βάση 16)</translation>
    </message>
    <message>
        <source>%1 from hexadecimal (base 16) to decimal</source>
        <translation>%1 από το δεκαεξαδικό (βάση 16) στο δεκαδικό</translation>
    </message>
</context>
<context>
    <name>OtherBaseWindow</name>
    <message>
        <source>Radixon By Zendor</source>
        <translation>Radixon Από Τον Zendor</translation>
    </message>
    <message>
        <source>Other Numerical System</source>
        <translation>Άλλο Αριθμητικό Σύστημα</translation>
    </message>
    <message>
        <source>Enter Base Number:</source>
        <translation>Πληκτρολόγισε Βάση:</translation>
    </message>
    <message>
        <source>Enter Number:</source>
        <translation>Πληκτρολόγισε Αριθμό:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Αποτέλεσμα:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Enter number and press [Calculate] or Enter</source>
        <translation>Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>RX Practice:</source>
        <translation>RX Εξάσκηση:</translation>
    </message>
    <message>
        <source>Exercise:</source>
        <translation>Άσκηση:</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Βάση:</translation>
    </message>
    <message>
        <source>Numbers up to:</source>
        <translation>Αριθμοί έως:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Η απάντησή σου:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Δοκίμασε ξανά</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενη</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Άσκηση</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Αποτέλεσμα ελέγχου</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Βαθμολογία</translation>
    </message>
    <message>
        <source>Decimal to binary</source>
        <translation>Δεκαδικό σε δυαδικό</translation>
    </message>
    <message>
        <source>Write %1 in binary.</source>
        <translation>Γράψε το %1 στο δυαδικό.</translation>
    </message>
    <message>
        <source>Decimal to octal</source>
        <translation>Δεκαδικό σε οκταδικό</translation>
    </message>
    <message>
        <source>Write %1 in octal.</source>
        <translation>Γράψε το %1 στο οκταδικό.</translation>
    </message>
    <message>
        <source>Decimal to hexadecimal</source>
        <translation>Δεκαδικό σε δεκαεξαδικό</translation>
    </message>
    <message>
        <source>Write %1 in hexadecimal.</source>
        <translation>Γράψε το %1 στο δεκαεξαδικό.</translation>
    </message>
    <message>
        <source>Decimal to another base</source>
        <translation>Δεκαδικό σε άλλη βάση</translation>
    </message>
    <message>
        <source>Write %1 in base %2.</source>
        <translation>Γράψε το %1 στη βάση %2.</translation>
    </message>
    <message>
        <source>Binary to decimal</source>
        <translation>Δυαδικό σε δεκαδικό</translation>
    </message>
    <message>
        <source>Write %1 (binary) in decimal.</source>
        <translation>Γράψε το %1 (δυαδικό) στο δεκαδικό.</translation>
    </message>
    <message>
        <source>Octal to decimal</source>
        <translation>Οκταδικό σε δεκαδικό</translation>
    </message>
    <message>
        <source>Write %1 (octal) in decimal.</source>
        <translation>Γράψε το %1 (οκταδικό) στο δεκαδικό.</translation>
    </message>
    <message>
        <source>Hexadecimal to decimal</source>
        <translation>Δεκαεξαδικό σε δεκαδικό</translation>
    </message>
    <message>
        <source>Write %1 (hexadecimal) in decimal.</source>
        <translation>Γράψε το %1 (δεκαεξαδικό) στο δεκαδικό.</translation>
    </message>
    <message>
        <source>Binary to octal, by groups</source>
        <translation>Δυαδικό σε οκταδικό, με ομάδες</translation>
    </message>
    <message>
        <source>Write %1 (binary) in octal.</source>
        <translation>Γράψε το %1 (δυαδικό) στο οκταδικό.</translation>
    </message>
    <message>
        <source>Binary to hexadecimal, by groups</source>
        <translation>Δυαδικό σε δεκαεξαδικό, με ομάδες</translation>
    </message>
    <message>
        <source>Write %1 (binary) in hexadecimal.</source>
        <translation>Γράψε το %1 (δυαδικό) στο δεκαεξαδικό.</translation>
    </message>
    <message>
        <source>Octal to binary, by groups</source>
        <translation>Οκταδικό σε δυαδικό, με ομάδες</translation>
    </message>
    <message>
        <source>Write %1 (octal) in binary.</source>
        <translation>Γράψε το %1 (οκταδικό) στο δυαδικό.</translation>
    </message>
    <message>
        <source>Hexadecimal to binary, by groups</source>
        <translation>Δεκαεξαδικό σε δυαδικό, με ομάδες</translation>
    </message>
    <message>
        <source>Write %1 (hexadecimal) in binary.</source>
        <translation>Γράψε το %1 (δεκαεξαδικό) στο δυαδικό.</translation>
    </message>
    <message>
        <source>Decimal fraction to binary</source>
        <translation>Δεκαδικό κλάσμα σε δυαδικό</translation>
    </message>
    <message>
        <source>✓ Right! Enter gives the next exercise.</source>
        <translation>✓ Σωστά! Με το Enter έρχεται η επόμενη άσκηση.</translation>
    </message>
    <message>
        <source>✗ Not right: digit %1 from the left is wrong.</source>
        <translation>✗ Δεν είναι σωστό: το %1ο ψηφίο από αριστερά είναι λάθος.</translation>
    </message>
    <message>
        <source>✗ Not right: digit %1 from the left is missing.</source>
        <translation>✗ Δεν είναι σωστό: λείπει το %1ο ψηφίο από αριστερά.</translation>
    </message>
    <message>
        <source>✗ Not right: the answer has too many digits, from digit %1 on.</source>
        <translation>✗ Δεν είναι σωστό: η απάντηση έχει περισσότερα ψηφία, από το %1ο και μετά.</translation>
    </message>
    <message>
        <source>The working shows the step that gives it, marked.</source>
        <translation>Στα βήματα είναι σημειωμένο το βήμα που το δίνει.</translation>
    </message>
    <message>
        <source>The working shows the sum that gives every digit.</source>
        <translation>Στα βήματα φαίνεται το άθροισμα που δίνει όλα τα ψηφία.</translation>
    </message>
    <message>
        <source>Type your answer first.</source>
        <translation>Γράψε πρώτα την απάντησή σου.</translation>
    </message>
    <message>
        <source>“%1” is not a digit in base %2.</source>
        <translation>Το «%1» δεν είναι ψηφίο στη βάση %2.</translation>
    </message>
    <message>
        <source>The answer is a whole number: it has no point.</source>
        <translation>Η απάντηση είναι ακέραιος αριθμός: δεν έχει υποδιαστολή.</translation>
    </message>
    <message>
        <source>A number has one point at most.</source>
        <translation>Ένας αριθμός έχει το πολύ μία υποδιαστολή.</translation>
    </message>
    <message>
        <source>Spaces may only stand between groups of digits.</source>
        <translation>Κενά επιτρέπονται μόνο ανάμεσα σε ομάδες ψηφίων.</translation>
    </message>
    <message>
        <source>This does not count as an attempt.</source>
        <translation>Δεν μετράει ως προσπάθεια.</translation>
    </message>
    <message>
        <source>Right: %1 of %2 · In a row: %3</source>
        <translation>Σωστές: %1 από %2 · Στη σειρά: %3</translation>
    </message>
</context>
<context>
    <name>TemporaryListWindow</name>
    <message>
        <source>RX Temporary List:</source>
        <translation>RX Προσωρινή Λίστα:</translation>
    </message>
    <message>
        <source>Temporary List</source>
        <translation>Προσωρινή Λίστα</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Save Temporary List</source>
        <translation>Αποθήκευση Προσωρινής Λίστας</translation>
    </message>
    <message>
        <source>Remove Selected Item</source>
        <translation>Αφαίρεση Επιλεγμένου Στοιχείου</translation>
    </message>
    <message>
        <source>Remove Double Items</source>
        <translation>Αφαίρεση Διπλών Στοιχείων</translation>
    </message>
    <message>
        <source>Remove All Items</source>
        <translation>Αφαίρεση Όλων Των Στοιχείων</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Πάντα Στο Προσκήνιο</translation>
    </message>
    <message>
        <source>Radixon_Radixon</source>
        <translation>Radixon_Radixon</translation>
    </message>
    <message>
        <source>There Are No Items In The Temporary List To Save</source>
        <translation>Δεν Υπάρχουν Στοιχεία Στην Προσωρινή Λίστα Για Αποθήκευση</translation>
    </message>
    <message>
        <source>The Temporary List Could Not Be Saved</source>
        <translation>Η Προσωρινή Λίστα Δεν Αποθηκεύτηκε</translation>
    </message>
    <message>
        <source>Radixon List</source>
        <translation>Radixon Λίστα</translation>
    </message>
    <message>
        <source>Radixon_Radixon. Enter a File Name:</source>
        <translation>Radixon_Radixon. Enter a File Name:</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
</context>
<context>
    <name>ToDecimalWindow</name>
    <message>
        <source>Radixon By Zendor</source>
        <translation>Radixon Από Τον Zendor</translation>
    </message>
    <message>
        <source>Conversion To Decimal</source>
        <translation>Μετατροπή Σε Δεκαδικό</translation>
    </message>
    <message>
        <source>Choose Numerical System:</source>
        <translation>Διάλεξε Αριθμητικό Σύστημα:</translation>
    </message>
    <message>
        <source>Enter Number:</source>
        <translation>Πληκτρολόγισε Αριθμό:</translation>
    </message>
    <message>
        <source>Decimal Result:</source>
        <translation>Δεκαδικό Αποτέλεσμα:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Enter number and press [Calculate] or Enter</source>
        <translation>Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter</translation>
    </message>
</context>
<context>
    <name>WorkingSource</name>
    <message>
        <source>Show The Working</source>
        <translation>Εμφάνιση Βημάτων</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Εξάσκηση</translation>
    </message>
    <message>
        <source>F2: Show The Working · F3: Practise</source>
        <translation>F2: Εμφάνιση Βημάτων · F3: Εξάσκηση</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>RX Working:</source>
        <translation>RX Βήματα:</translation>
    </message>
    <message>
        <source>Through binary</source>
        <translation>Μέσω του δυαδικού</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Αριθμός</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Πηλίκο</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Υπόλοιπο</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Ψηφίο</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Θέση</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Value × Weight</source>
        <translation>Τιμή × Βάρος</translation>
    </message>
    <message>
        <source>Calculate first</source>
        <translation>Κάντε πρώτα έναν υπολογισμό</translation>
    </message>
    <message>
        <source>Read the remainders from the last to the first: </source>
        <translation>Διαβάζουμε τα υπόλοιπα από το τελευταίο προς το πρώτο: </translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Άθροισμα</translation>
    </message>
    <message>
        <source>%1…%2 (%3 digits)</source>
        <translation>%1…%2 (%3 ψηφία)</translation>
    </message>
    <message>
        <source>The working is too long to copy</source>
        <translation>Τα βήματα είναι πολύ μεγάλα για αντιγραφή</translation>
    </message>
    <message>
        <source>Fractional part</source>
        <translation>Κλασματικό μέρος</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Κλασματικό μέρος</translation>
    </message>
    <message>
        <source>Fraction × Base</source>
        <translation>Γινόμενο (× βάση)</translation>
    </message>
    <message>
        <source>Next Fraction</source>
        <translation>Νέο κλασματικό μέρος</translation>
    </message>
    <message>
        <source>%1 from decimal to base %2</source>
        <translation>%1 από το δεκαδικό στη βάση %2</translation>
    </message>
    <message>
        <source>Divide by %1 repeatedly: each remainder is a digit.</source>
        <translation>Διαιρούμε διαδοχικά με το %1: κάθε υπόλοιπο είναι ένα ψηφίο.</translation>
    </message>
    <message>
        <source>Each digit times %1 to the power of its position; the products are added.</source>
        <translation>Κάθε ψηφίο επί το %1 υψωμένο στη θέση του· τα γινόμενα προστίθενται.</translation>
    </message>
    <message>
        <source>The fraction %1: multiply by %2 repeatedly; the whole part of each product is the next digit.</source>
        <translation>Το κλασματικό μέρος %1: πολλαπλασιάζουμε διαδοχικά με το %2· το ακέραιο μέρος κάθε γινομένου είναι το επόμενο ψηφίο.</translation>
    </message>
    <message>
        <source>Read the remainders from the last to the first, then the digits of the fraction from the first to the last: </source>
        <translation>Διαβάζουμε τα υπόλοιπα από το τελευταίο προς το πρώτο και μετά τα ψηφία του κλασματικού μέρους από το πρώτο προς το τελευταίο: </translation>
    </message>
    <message>
        <source>The result field holds the whole part only.</source>
        <translation>Το πεδίο του αποτελέσματος δείχνει μόνο το ακέραιο μέρος.</translation>
    </message>
    <message>
        <source>The fraction %1 comes back, so the digits in parentheses repeat for ever (period %2).</source>
        <translation>Το κλασματικό μέρος %1 ξαναεμφανίζεται, άρα τα ψηφία μέσα στην παρένθεση επαναλαμβάνονται επ’ άπειρον (περίοδος %2).</translation>
    </message>
    <message>
        <source>The digits repeat with a period of %1 digits, longer than the %2 rows shown here.</source>
        <translation>Τα ψηφία επαναλαμβάνονται με περίοδο %1 ψηφίων, μεγαλύτερη από τις %2 γραμμές που φαίνονται εδώ.</translation>
    </message>
    <message>
        <source>(Copy gives it in full.)</source>
        <translation>(Η Αντιγραφή το δίνει ολόκληρο.)</translation>
    </message>
    <message>
        <source>Digit values: %1</source>
        <translation>Τιμές ψηφίων: %1</translation>
    </message>
    <message>
        <source>In base %1 a digit may take two or three figures, so the digits are spaced here; the result field writes them run together.</source>
        <translation>Στη βάση %1 ένα ψηφίο μπορεί να γράφεται με δύο ή τρία αριθμητικά ψηφία, γι’ αυτό εδώ τα ψηφία χωρίζονται με κενά· το πεδίο του αποτελέσματος τα γράφει κολλητά.</translation>
    </message>
    <message>
        <source>The last calculation gave no result.</source>
        <translation>Ο τελευταίος υπολογισμός δεν έδωσε αποτέλεσμα.</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>Το «%1» δεν είναι αριθμός.</translation>
    </message>
    <message>
        <source>%1 is negative: only numbers from 0 upwards are converted.</source>
        <translation>Το %1 είναι αρνητικό: μετατρέπονται μόνο αριθμοί από το 0 και πάνω.</translation>
    </message>
    <message>
        <source>%1 is too large: the largest number converted is %2 (2^96 − 1).</source>
        <translation>Το %1 είναι πολύ μεγάλο: ο μεγαλύτερος αριθμός που μετατρέπεται είναι ο %2 (2^96 − 1).</translation>
    </message>
    <message>
        <source>“%1” is not a digit in base %2: its digits are %3.</source>
        <translation>Το «%1» δεν είναι ψηφίο της βάσης %2: τα ψηφία της είναι %3.</translation>
    </message>
    <message>
        <source>“%1” is not a base: a base is a whole number from 2 to 255.</source>
        <translation>Το «%1» δεν είναι βάση: βάση είναι ένας ακέραιος από το 2 έως το 255.</translation>
    </message>
    <message>
        <source>The number has %1 digits: at most 32767 are converted.</source>
        <translation>Ο αριθμός έχει %1 ψηφία: μετατρέπονται το πολύ 32767.</translation>
    </message>
    <message>
        <source>0 and 1</source>
        <translation>0 και 1</translation>
    </message>
    <message>
        <source>0 to %1</source>
        <translation>0 έως %1</translation>
    </message>
    <message>
        <source>0 to 9 and A to %1</source>
        <translation>0 έως 9 και A έως %1</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Εξάσκηση</translation>
    </message>
    <message>
        <source>The marked step gives the first wrong digit of your answer.</source>
        <translation>Το σημειωμένο βήμα δίνει το πρώτο λάθος ψηφίο της απάντησής σου.</translation>
    </message>
    <message>
        <source>The sum gives every digit of the answer: compare them one by one.</source>
        <translation>Το άθροισμα δίνει όλα τα ψηφία της απάντησης: σύγκρινέ τα ένα ένα.</translation>
    </message>
    <message>
        <source>Binary and base %1: each group of %2 binary digits, counted from the right, is one digit in base %1.</source>
        <translation>Δυαδικό και βάση %1: κάθε ομάδα %2 δυαδικών ψηφίων, από τα δεξιά, είναι ένα ψηφίο στη βάση %1.</translation>
    </message>
</context>
</TS>
