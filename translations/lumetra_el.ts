<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>Ή&amp;χος</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Φωτοηλεκτρικό φαινόμενο</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Χειριστήρια</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Ιδιότητες φωτονίου</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Ανάστροφη τάση</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Ένταση</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Ενέργεια φωτονίου</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>Ά&amp;ναμμα</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>&amp;Σβήσιμο</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Μεγέθυνση</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Σ&amp;μίκρυνση</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Αργά φωτοηλεκτρόνια</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Μέταλλο</translation>
    </message>
    <message>
        <source>&amp;1 (1.50 eV)</source>
        <translation>&amp;1 (1,50 eV)</translation>
    </message>
    <message>
        <source>&amp;2 (1.75 eV)</source>
        <translation>&amp;2 (1,75 eV)</translation>
    </message>
    <message>
        <source>&amp;3 (2.10 eV) </source>
        <translation>&amp;3 (2,10 eV) </translation>
    </message>
    <message>
        <source>&amp;4 (2.60 eV)</source>
        <translation>&amp;4 (2,60 eV)</translation>
    </message>
    <message>
        <source>&amp;%1 (%2 eV)</source>
        <translation>&amp;%1 (%2 eV)</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <source> &amp;Unknown Metals</source>
        <translation>Ά&amp;γνωστα</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Αριθμός μετάλλου 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Εικόνα της διάταξης</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Επι&amp;λογές</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Εμφάνιση &amp;μήκους κύματος</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Εμφάνιση &amp;συχνότητας</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Εμφάνιση &amp;ενέργειας (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Εμφάνιση &amp;φωτοηλεκτρονίων</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Τετράδιο</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>Εμ&amp;φάνιση τετραδίου</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>&amp;Καταγραφή μέτρησης</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Φωτόρευμα</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>V =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>Το φως είναι σβηστό.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>Το φως είναι αναμμένο, μήκος κύματος %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>Το φως είναι αναμμένο.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Μεγέθυνση στην πλάκα εκπομπής.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Μέταλλο %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Ανάστροφη τάση %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Φωτοηλεκτρόνια φεύγουν από την πλάκα εκπομπής.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Κανένα φωτοηλεκτρόνιο δεν φεύγει από την πλάκα εκπομπής.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Τα πιο αργά φωτοηλεκτρόνια σχεδιάζονται κούφια.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Διαρρέει φωτόρευμα.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Δεν διαρρέει φωτόρευμα.</translation>
    </message>
</context>
<context>
    <name>Light</name>
    <message>
        <source>lambda = %1 nm</source>
        <translation>λ = %1 nm</translation>
    </message>
    <message>
        <source>Energy = %1 eV</source>
        <translation>Ενέργεια = %1 eV</translation>
    </message>
    <message>
        <source>ƒ = %1e14 Hz</source>
        <translation>ƒ = %1e14 Hz</translation>
    </message>
</context>
<context>
    <name>UnknownMetals</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>Το «%1» δεν είναι έγκυρος αριθμός</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Μη έγκυρη πράξη κινητής υποδιαστολής</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του προχείρου</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Δεν έχει επιλεγεί προεπιλεγμένος εκτυπωτής</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Ο επιλεγμένος εκτυπωτής δεν είναι έγκυρος</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Φωτοηλεκτρικό φαινόμενο</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Οι προγραμματιστές του Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Μια διδακτική προσομοίωση του φωτοηλεκτρικού φαινομένου.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Ελεύθερο λογισμικό με την άδεια GNU General Public License, έκδοση 3 ή νεότερη.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Άξ&amp;ονες από το μηδέν</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>· άξονες από το μηδέν</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>καμία ευθεία δεν περνά από όλες τις ράβδους σφάλματος</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>διακεκομμένες ευθείες από όλες τις ράβδους σφάλματος από h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Μέταλλο %1: η πιο απότομη και η πιο ήπια ευθεία από όλες τις ράβδους σφάλματος</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, διακεκομμένη έως τον άξονα συχνοτήτων στο f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, καθεμία με τη ράβδο σφάλματός της</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>Η αποδεκτή τιμή %1 βρίσκεται %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 και %2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>πέρα από δύο τυπικά σφάλματα</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>εντός δύο τυπικών σφαλμάτων</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>εκτός του εύρους των ευθειών</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>εντός του εύρους των ευθειών</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Συχνότητα κατωφλίου f₀ = W/h = %1 × 10¹⁴ Hz (ευθείες %2 × 10¹⁴ Hz)· μήκος κύματος κατωφλίου c/f₀ = %3 nm (ευθείες %4 nm).</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Συχνότητα κατωφλίου f₀ = W/h = %1 × 10¹⁴ Hz· μήκος κύματος κατωφλίου c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Ευθείες από όλες τις ράβδους σφάλματος: h από %1 J s, W από %2 eV.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Καμία ευθεία δεν περνά από όλες τις ράβδους σφάλματος: οι ράβδοι για %1 διαφωνούν.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Τα τυπικά σφάλματα χρειάζονται τάσεις αποκοπής σε τρεις ή περισσότερες συχνότητες.</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Οι αβεβαιότητες είναι τα τυπικά σφάλματα ελαχίστων τετραγώνων, με %1 − 2 βαθμούς ελευθερίας.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 έως %2</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Καταγραφή</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Διαγραφή γραμμών</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>Α&amp;ναίρεση διαγραφής</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Εκκαθάριση…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Μετρήσεις:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>&amp;Αποτελέσματα:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Μετρήσεις</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Αποτελέσματα</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Τετράδιο - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Διαγραφή της %n μέτρησης από το τετράδιο; Η «Αναίρεση διαγραφής» την επαναφέρει.</numerusform>
            <numerusform>Διαγραφή και των %n μετρήσεων από το τετράδιο; Η «Αναίρεση διαγραφής» τις επαναφέρει.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Μέταλλο</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Μήκος κύματος (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Συχνότητα (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Ενέργεια (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Ένταση</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Τάση (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Ρεύμα</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>άγνωστο %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>άγνωστο 4, αριθμός %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Μέταλλο %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Άγνωστο μέταλλο %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Άγνωστο μέταλλο 4, αριθμός %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Μέτρηση %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>ρεύμα %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>χωρίς ρεύμα</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>τάση αποκοπής %1, μεταξύ %2 με ρεύμα και %3 χωρίς</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>δεν υπάρχει ακόμη τάση αποκοπής: καμία μέτρηση με ρεύμα</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>δεν υπάρχει ακόμη τάση αποκοπής: καμία μέτρηση χωρίς ρεύμα</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>δεν υπάρχει τάση αποκοπής: οι μετρήσεις αντιφάσκουν, ρεύμα στα %1 αλλά κανένα στα %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Ευθεία προσαρμογής σε %1 τάσεις αποκοπής: σταθερά του Planck h = %2 J s = %3 eV s (αποδεκτή τιμή %4 J s, %5)· έργο εξαγωγής W = %6 eV (αποδεκτή τιμή %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>Η σταθερά του Planck και το έργο εξαγωγής χρειάζονται τάσεις αποκοπής σε δύο τουλάχιστον συχνότητες.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Δεν υπάρχουν ακόμη αποτελέσματα. Ανάψτε το φως, διαλέξτε ένα χρώμα και καταγράψτε μετρήσεις σε διάφορες ανάστροφες τάσεις: με ρεύμα και χωρίς. Η τάση αποκοπής βρίσκεται ανάμεσά τους.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Το τετράδιο δεν μπορεί να αποθηκευτεί στο %1 (%2). Οι μετρήσεις του κρατούνται στη μνήμη όσο τρέχει το Lumetra.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Το αρχείο του τετραδίου %1 δεν διαβάστηκε (%2). Μετακινήθηκε αμετάβλητο στο %3 και το τετράδιο ξεκινά άδειο.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Το αρχείο του τετραδίου %1 δεν διαβάστηκε (%2) ούτε μετακινήθηκε. Μένει ως έχει· οι μετρήσεις αυτής της συνεδρίας κρατούνται μόνο στη μνήμη.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>ο φάκελος %1 δεν μπορεί να δημιουργηθεί</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>είναι μεγαλύτερο από 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>δεν είναι κείμενο UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>η πρώτη του γραμμή δεν είναι η κεφαλίδα του τετραδίου</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>η γραμμή %1 έχει %n κελί, όχι 9</numerusform>
            <numerusform>η γραμμή %1 έχει %n κελιά, όχι 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>γραμμή %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>γραμμή %1: εισαγωγικό που δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>γραμμή %1: περιττό εισαγωγικό ή τέλος γραμμής</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 «%2» εκτός ορίων</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>Καταγραφή &amp;συνεχώς</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Αποθήκευση &amp;ως…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Εκ&amp;τύπωση…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Αποθήκευση του τετραδίου ως</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Το τετράδιο δεν αποθηκεύτηκε ως %1 (%2)· δεν γράφτηκε τίποτα εκεί.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Τάση αποκοπής σε συνάρτηση με τη συχνότητα</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>δεν υπάρχει ακόμη τάση αποκοπής· καταγράψτε μετρήσεις με και χωρίς ρεύμα για κάθε χρώμα</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Καταγράψτε μετρήσεις με και χωρίς ρεύμα για κάθε χρώμα.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Τάση αποκοπής (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Μήκος κύματος (nm), χρώματα με κρυφή συχνότητα</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>ευθεία h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Φωτόρευμα σε συνάρτηση με την ανάστροφη τάση</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Φωτόρευμα σε συνάρτηση με την ένταση</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Καταγράψτε ένα χρώμα σε διάφορες ανάστροφες τάσεις.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Καταγράψτε ένα χρώμα και μία τάση σε διάφορες εντάσεις.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Ανάστροφη τάση (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Φωτόρευμα (υποδιαιρέσεις κλίμακας)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>ένταση %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Τάσεις αποκο&amp;πής</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>&amp;Ρεύμα και τάση</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Ρεύμα και έντασ&amp;η</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n σημείο</numerusform>
            <numerusform>, %n σημεία</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n σημείο σε συνάρτηση με το μήκος κύματος</numerusform>
            <numerusform>, %n σημεία σε συνάρτηση με το μήκος κύματος</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n σημείο</numerusform>
            <numerusform>%1, %n σημεία</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Μέταλλο %1: h = %2 J s, W = %3 eV</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>red</source>
        <translation>κόκκινο</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>πορτοκαλί</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>κίτρινο</translation>
    </message>
    <message>
        <source>green</source>
        <translation>πράσινο</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>μπλε</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>ιώδες</translation>
    </message>
    <message>
        <source>%1 eV</source>
        <translation>%1 eV</translation>
    </message>
    <message>
        <source>%1 × 10¹⁴ Hz</source>
        <translation>%1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>No current</source>
        <translation>Δεν ρέει ρεύμα</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Ρέει ρεύμα</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Πλήρης προβολή</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Φως σβηστό</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>Φως αναμμένο</translation>
    </message>
</context>
</TS>
