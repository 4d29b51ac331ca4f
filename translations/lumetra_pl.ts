<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>Dźwię&amp;k</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Zjawisko fotoelektryczne</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Właściwości fotonu</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Napięcie hamujące</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Natężenie</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Energia fotonu</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>&amp;Włącz światło</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>Wyłą&amp;cz światło</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>P&amp;omniejsz</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Wolne fotoelektrony</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
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
        <translation>&amp;Nieznane metale</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Numer metalu 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Obraz układu doświadczalnego</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Pokaż &amp;długość fali</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Pokaż &amp;częstotliwość</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Pokaż &amp;energię (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Pokaż &amp;fotoelektrony</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>No&amp;tatnik</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>&amp;Pokaż notatnik</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>&amp;Zapisz pomiar</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Fotoprąd</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>U =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>Światło jest wyłączone.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>Światło jest włączone, długość fali %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>Światło jest włączone.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Powiększony widok płytki emitującej.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metal %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Napięcie hamujące %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Fotoelektrony opuszczają płytkę emitującą.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Żadne fotoelektrony nie opuszczają płytki emitującej.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Wolniejsze fotoelektrony są rysowane jako puste.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Płynie fotoprąd.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Fotoprąd nie płynie.</translation>
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
        <translation>Energia = %1 eV</translation>
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
        <translation>„%1” nie jest poprawną liczbą</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Niepoprawna operacja zmiennoprzecinkowa</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Nie można otworzyć schowka</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano drukarki domyślnej</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Wybrana drukarka jest niepoprawna</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Zjawisko fotoelektryczne</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Twórcy programu Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Symulacja zjawiska fotoelektrycznego do nauki w szkole.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Osie od ze&amp;ra</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; osie od zera</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>żadna prosta nie przechodzi przez wszystkie słupki błędów</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>proste przerywane przez wszystkie słupki błędów od h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metal %1: najbardziej i najmniej stroma prosta przez wszystkie słupki błędów</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, przerywaną do osi częstotliwości w f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, każde ze słupkiem błędu</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>Wartość tablicowa %1 leży %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>poza dwoma błędami standardowymi</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>w granicach dwóch błędów standardowych</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>poza zakresem prostych</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>w zakresie prostych</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Częstotliwość graniczna f₀ = W/h = %1 × 10¹⁴ Hz (proste %2 × 10¹⁴ Hz); graniczna długość fali c/f₀ = %3 nm (proste %4 nm).</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Częstotliwość graniczna f₀ = W/h = %1 × 10¹⁴ Hz; graniczna długość fali c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Proste przez wszystkie słupki błędów: h od %1 J s, W od %2 eV.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Żadna prosta nie przechodzi przez wszystkie słupki błędów: słupki dla %1 są sprzeczne.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Błędy standardowe wymagają napięć hamowania dla co najmniej trzech częstotliwości.</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Niepewności to błędy standardowe metody najmniejszych kwadratów, przy %1 − 2 stopniach swobody.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Usuń wiersze</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Cofnij usunięcie</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Wyczyść…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Pomiary:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Wy&amp;niki:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Pomiary</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Notatnik - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Usunąć %n pomiar z notatnika? „Cofnij usunięcie” go przywróci.</numerusform>
            <numerusform>Usunąć wszystkie %n pomiary z notatnika? „Cofnij usunięcie” je przywróci.</numerusform>
            <numerusform>Usunąć wszystkie %n pomiarów z notatnika? „Cofnij usunięcie” je przywróci.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Długość fali (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Częstotliwość (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energia (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Natężenie</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Napięcie (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>nieznany %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>nieznany 4, liczba %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metal %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Nieznany metal %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Nieznany metal 4, liczba %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Pomiar %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>prąd %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>brak prądu</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>napięcie hamowania %1, między %2 z prądem a %3 bez prądu</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>jeszcze brak napięcia hamowania: żadnego odczytu z prądem</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>jeszcze brak napięcia hamowania: żadnego odczytu bez prądu</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>brak napięcia hamowania: odczyty są sprzeczne, prąd przy %1, ale brak przy %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Prosta dopasowana do napięć hamowania (liczba: %1): stała Plancka h = %2 J s = %3 eV s (wartość przyjęta %4 J s, %5); praca wyjścia W = %6 eV (wartość przyjęta %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>Do stałej Plancka i pracy wyjścia potrzeba napięć hamowania przy co najmniej dwóch częstotliwościach.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Brak wyników. Włącz światło, wybierz barwę i zapisz pomiary przy kilku napięciach hamujących: z prądem i bez prądu. Napięcie hamowania leży między nimi.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Nie można zapisać notatnika w %1 (%2). Pomiary są przechowywane w pamięci, dopóki Lumetra działa.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Nie można odczytać pliku notatnika %1 (%2). Przeniesiono go bez zmian do %3, a notatnik zaczyna się pusty.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Nie można odczytać pliku notatnika %1 (%2) ani go przenieść. Pozostaje bez zmian; pomiary z tej sesji są tylko w pamięci.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>jest większy niż 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>jego pierwszy wiersz nie jest nagłówkiem notatnika</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>wiersz %1 ma %n komórkę, a nie 9</numerusform>
            <numerusform>wiersz %1 ma %n komórki, a nie 9</numerusform>
            <numerusform>wiersz %1 ma %n komórek, a nie 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>wiersz %1: cudzysłów, który się nie zamyka</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>wiersz %1: zbędny cudzysłów lub koniec wiersza</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 „%2” jest poza zakresem</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>Zapisuj na &amp;bieżąco</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Zapisz notatnik jako</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Nie można zapisać notatnika jako %1 (%2); nic tam nie zapisano.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Napięcie hamowania w zależności od częstotliwości</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>jeszcze brak napięcia hamowania; zapisz odczyty z prądem i bez prądu dla każdej barwy</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Zapisz odczyty z prądem i bez prądu dla każdej barwy.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Napięcie hamowania (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Długość fali (nm), barwy z ukrytą częstotliwością</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>prosta h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Fotoprąd w zależności od napięcia hamującego</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Fotoprąd w zależności od natężenia</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Zapisz jedną barwę przy kilku napięciach hamujących.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Zapisz jedną barwę i napięcie przy kilku natężeniach.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Napięcie hamujące (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Fotoprąd (działki skali)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>natężenie %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Napięcia &amp;hamowania</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Prąd i napięci&amp;e</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Prąd i na&amp;tężenie</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n punkt</numerusform>
            <numerusform>, %n punkty</numerusform>
            <numerusform>, %n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n punkt w zależności od długości fali</numerusform>
            <numerusform>, %n punkty w zależności od długości fali</numerusform>
            <numerusform>, %n punktów w zależności od długości fali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punkt</numerusform>
            <numerusform>%1, %n punkty</numerusform>
            <numerusform>%1, %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Metal %1: h = %2 J s, W = %3 eV</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>fioletowy</translation>
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
        <translation>Brak prądu</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Płynie prąd</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Widok całości</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Widok powiększony</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Światło wyłączone</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>Światło włączone</translation>
    </message>
</context>
</TS>
