<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Photoelektrischer Effekt</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienelemente</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Photonendaten</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Gegenspannung</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Photonenenergie</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>Licht &amp;an</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>Licht au&amp;s</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Langsame Elektronen</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
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
        <translation>Metall &amp;unbekannt</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Nummer für Metall 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Bild der Versuchsanordnung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>&amp;Wellenlänge anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>&amp;Frequenz anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>&amp;Energie (eV) anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>&amp;Photoelektronen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Lumetra</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Messprotokoll</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>Protokoll &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>Messung &amp;erfassen</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Photostrom</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>U =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>Das Licht ist aus.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>Das Licht ist an, Wellenlänge %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>Das Licht ist an.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Vergrößerte Ansicht der emittierenden Platte.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metall %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Gegenspannung %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Photoelektronen verlassen die emittierende Platte.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Keine Photoelektronen verlassen die emittierende Platte.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Langsamere Photoelektronen sind hohl gezeichnet.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Es fließt ein Photostrom.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Es fließt kein Photostrom.</translation>
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
        <translation>Energie = %1 eV</translation>
    </message>
    <message>
        <source>ƒ = %1e14 Hz</source>
        <translation>ƒ = %1e14 Hz</translation>
    </message>
</context>
<context>
    <name>UnknownMetals</name>
    <message>
        <source>'%1' is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Die Zwischenablage kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Zurzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der ausgewählte Drucker ist ungültig</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Light on</source>
        <translation>Licht an</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Licht aus</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Vergrößert</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Gesamtansicht</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Strom fließt</translation>
    </message>
    <message>
        <source>No current</source>
        <translation>Kein Strom</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>%1 × 10¹⁴ Hz</source>
        <translation>%1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>%1 eV</source>
        <translation>%1 eV</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über Lumetra</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Photoelektrischer Effekt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Die Lumetra-Entwickler</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Eine Simulation des Photoeffekts für den Unterricht.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Erfassen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>Löschen &amp;rückgängig</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Alle löschen…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Messungen:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Er&amp;gebnisse:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Messprotokoll - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Die %n Messung aus dem Protokoll löschen? „Löschen rückgängig“ holt sie zurück.</numerusform>
            <numerusform>Alle %n Messungen aus dem Protokoll löschen? „Löschen rückgängig“ holt sie zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Frequenz (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>unbekannt %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>unbekannt 4, Zahl %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metall %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Unbekanntes Metall %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Unbekanntes Metall 4, Zahl %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Messung %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>Strom %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>kein Strom</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>Grenzspannung %1, zwischen %2 mit Strom und %3 ohne</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>noch keine Grenzspannung: keine Messung mit Strom</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>noch keine Grenzspannung: keine Messung ohne Strom</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>keine Grenzspannung: die Messungen widersprechen sich, Strom bei %1, aber keiner bei %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Ausgleichsgerade durch %1 Grenzspannungen: Plancksches Wirkungsquantum h = %2 J s = %3 eV s (Literaturwert %4 J s, %5); Austrittsarbeit W = %6 eV (Literaturwert %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>Für Wirkungsquantum und Austrittsarbeit braucht es Grenzspannungen bei mindestens zwei Frequenzen.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Noch keine Ergebnisse. Schalten Sie das Licht ein, wählen Sie eine Farbe und erfassen Sie Messungen bei mehreren Gegenspannungen: mit Strom und ohne. Die Grenzspannung liegt dazwischen.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Das Messprotokoll kann nicht in %1 gespeichert werden (%2). Die Messungen bleiben erhalten, solange Lumetra läuft.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Die Protokolldatei %1 konnte nicht gelesen werden (%2). Sie wurde unverändert nach %3 verschoben; das Messprotokoll beginnt leer.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Die Protokolldatei %1 konnte weder gelesen (%2) noch beiseitegelegt werden. Sie bleibt unverändert; die Messungen dieser Sitzung werden nur im Speicher gehalten.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>sie ist größer als 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>ihre erste Zeile ist nicht die Kopfzeile des Protokolls</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>Zeile %1 hat %n Zelle statt 9</numerusform>
            <numerusform>Zeile %1 hat %n Zellen statt 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>Zeile %1: ein Anführungszeichen, das nie schließt</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>Zeile %1: ein verirrtes Anführungszeichen oder Zeilenende</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 „%2“ liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>&amp;Fortlaufend erfassen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Messprotokoll speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Das Messprotokoll konnte nicht als %1 gespeichert werden (%2); dort wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Grenzspannung über der Frequenz</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>noch keine Grenzspannung; erfassen Sie für jede Farbe Messungen mit und ohne Strom</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Erfassen Sie für jede Farbe Messungen mit und ohne Strom.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Grenzspannung (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Wellenlänge (nm), Farben mit verborgener Frequenz</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>Gerade h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Photostrom über der Gegenspannung</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Photostrom über der Intensität</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Erfassen Sie eine Farbe bei mehreren Gegenspannungen.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Erfassen Sie eine Farbe und Spannung bei mehreren Intensitäten.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Gegenspannung (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Photostrom (Skalenteile)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>Intensität %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Grenz&amp;spannungen</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Strom und Span&amp;nung</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Strom und &amp;Intensität</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n Punkt</numerusform>
            <numerusform>, %n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n Punkt über der Wellenlänge</numerusform>
            <numerusform>, %n Punkte über der Wellenlänge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n Punkt</numerusform>
            <numerusform>%1, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Metall %1: h = %2 J s, W = %3 eV</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Die Unsicherheiten sind die Standardfehler der Ausgleichsrechnung, mit %1 − 2 Freiheitsgraden.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Standardfehler brauchen Grenzspannungen bei drei oder mehr Frequenzen.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Keine Gerade geht durch jeden Fehlerbalken: die Balken bei %1 widersprechen sich.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Geraden durch jeden Fehlerbalken: h von %1 J s, W von %2 eV.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Grenzfrequenz f₀ = W/h = %1 × 10¹⁴ Hz; Grenzwellenlänge c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Grenzfrequenz f₀ = W/h = %1 × 10¹⁴ Hz (Geraden %2 × 10¹⁴ Hz); Grenzwellenlänge c/f₀ = %3 nm (Geraden %4 nm).</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>innerhalb des Bereichs der Geraden</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>außerhalb des Bereichs der Geraden</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>innerhalb von zwei Standardfehlern</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>jenseits von zwei Standardfehlern</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>Der Literaturwert von %1 liegt %2.</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, jeder mit seinem Fehlerbalken</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, gestrichelt bis zur Frequenzachse bei f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metall %1: steilste und flachste Gerade durch jeden Fehlerbalken</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>gestrichelte Geraden durch jeden Fehlerbalken von h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>keine Gerade geht durch jeden Fehlerbalken</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; Achsen ab null</translation>
    </message>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Achsen a&amp;b null</translation>
    </message>
</context>
</TS>
