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
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Lumetra</translation>
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
</context>
</TS>
