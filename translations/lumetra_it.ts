<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Effetto fotoelettrico</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Dati del fotone</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Tensione frenante</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Energia del fotone</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>&amp;Accendi luce</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>&amp;Spegni luce</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Fotoelettroni lenti</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metallo</translation>
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
        <translation>Metalli i&amp;gnoti</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Numero del metallo 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Immagine dell&apos;apparato</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Mostra &amp;lunghezza d&apos;onda</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Mostra &amp;frequenza</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Mostra &amp;energia (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Mostra f&amp;otoelettroni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Quaderno</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>Mostra &amp;quaderno</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>&amp;Registra misura</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Fotocorrente</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>V =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>La luce è spenta.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>La luce è accesa, lunghezza d&apos;onda %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>La luce è accesa.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Vista ingrandita della piastra emittente.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metallo %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Tensione frenante %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>I fotoelettroni lasciano la piastra emittente.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Nessun fotoelettrone lascia la piastra emittente.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>I fotoelettroni più lenti sono disegnati vuoti.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Circola una fotocorrente.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Non circola fotocorrente.</translation>
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
        <translation>«%1» non è un numero valido</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operazione in virgola mobile non valida</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Impossibile aprire gli appunti</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nessuna stampante predefinita selezionata</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La stampante selezionata non è valida</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Effetto fotoelettrico</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Gli sviluppatori di Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Una simulazione didattica dell&apos;effetto fotoelettrico.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libero sotto la GNU General Public License, versione 3 o successiva.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Assi da &amp;zero</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; assi da zero</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>nessuna retta passa per tutte le barre di errore</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>rette tratteggiate per tutte le barre di errore da h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metallo %1: rette più e meno ripide per tutte le barre di errore</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, tratteggiata fino all’asse delle frequenze in f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, ciascuno con la sua barra di errore</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>Il valore accettato di %1 è %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>oltre due errori standard</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>entro due errori standard</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>fuori dall’intervallo delle rette</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>entro l’intervallo delle rette</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Frequenza di soglia f₀ = W/h = %1 × 10¹⁴ Hz (rette %2 × 10¹⁴ Hz); lunghezza d’onda di soglia c/f₀ = %3 nm (rette %4 nm).</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Frequenza di soglia f₀ = W/h = %1 × 10¹⁴ Hz; lunghezza d’onda di soglia c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Rette per tutte le barre di errore: h da %1 J s, W da %2 eV.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Nessuna retta passa per tutte le barre di errore: le barre di %1 non concordano.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Gli errori standard richiedono potenziali di arresto ad almeno tre frequenze.</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Le incertezze sono gli errori standard dei minimi quadrati, con %1 − 2 gradi di libertà.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registra</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Elimina righe</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Annulla eliminazione</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>S&amp;vuota…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Misure:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Ris&amp;ultati:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Quaderno - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Eliminare %n misura dal quaderno? «Annulla eliminazione» la ripristina.</numerusform>
            <numerusform>Eliminare tutte le %n misure dal quaderno? «Annulla eliminazione» le ripristina.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metallo</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Lunghezza d&apos;onda (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Frequenza (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energia (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Tensione (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>ignoto %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>ignoto 4, numero %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metallo %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Metallo ignoto %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Metallo ignoto 4, numero %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Misura %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>corrente %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>nessuna corrente</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>potenziale di arresto %1, tra %2 con corrente e %3 senza</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>ancora nessun potenziale di arresto: nessuna lettura con corrente</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>ancora nessun potenziale di arresto: nessuna lettura senza corrente</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>nessun potenziale di arresto: le letture si contraddicono, corrente a %1 ma nessuna a %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Retta per %1 potenziali di arresto: costante di Planck h = %2 J s = %3 eV s (valore accettato %4 J s, %5); lavoro di estrazione W = %6 eV (valore accettato %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>La costante di Planck e il lavoro di estrazione richiedono potenziali di arresto ad almeno due frequenze.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Ancora nessun risultato. Accendi la luce, scegli un colore e registra misure a diverse tensioni frenanti: con corrente e senza. Il potenziale di arresto sta tra le due.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Il quaderno non può essere salvato in %1 (%2). Le misure restano in memoria finché Lumetra è aperto.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Il file del quaderno %1 non può essere letto (%2). È stato spostato, invariato, in %3, e il quaderno riparte vuoto.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Il file del quaderno %1 non può essere letto (%2) né spostato. Resta com&apos;è; le misure di questa sessione sono tenute solo in memoria.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>la cartella %1 non può essere creata</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>è più grande di 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>la prima riga non è l&apos;intestazione del quaderno</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>la riga %1 ha %n cella, non 9</numerusform>
            <numerusform>la riga %1 ha %n celle, non 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>riga %1: una virgoletta che non si chiude mai</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>riga %1: una virgoletta o un fine riga fuori posto</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 «%2» è fuori intervallo</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>Registra &amp;di continuo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva c&amp;ome…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Salva il quaderno come</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Il quaderno non può essere salvato come %1 (%2); lì non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Potenziale di arresto in funzione della frequenza</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>ancora nessun potenziale di arresto; registra letture con e senza corrente per ogni colore</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Registra letture con e senza corrente per ogni colore.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Potenziale di arresto (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Lunghezza d&apos;onda (nm), colori con la frequenza nascosta</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>retta h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Fotocorrente in funzione della tensione frenante</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Fotocorrente in funzione dell&apos;intensità</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Registra un colore a diverse tensioni frenanti.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Registra un colore e una tensione a diverse intensità.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Tensione frenante (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Fotocorrente (divisioni della scala)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>intensità %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Po&amp;tenziali di arresto</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Corrente e te&amp;nsione</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Corrente e &amp;intensità</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n punto</numerusform>
            <numerusform>, %n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n punto in funzione della lunghezza d&apos;onda</numerusform>
            <numerusform>, %n punti in funzione della lunghezza d&apos;onda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punto</numerusform>
            <numerusform>%1, %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Metallo %1: h = %2 J s, W = %3 eV</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>viola</translation>
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
        <translation>Nessuna corrente</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Passa corrente</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Vista intera</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Vista ingrandita</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Luce spenta</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>Luce accesa</translation>
    </message>
</context>
</TS>
