<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Effet photoélectrique</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Le photon</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Tension de freinage</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Énergie du photon</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>A&amp;llumer</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>É&amp;teindre</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Zoom arrière</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Électrons plus lents</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
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
        <translation> Métal &amp;inconnu</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Numéro du métal 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Image du dispositif expérimental</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Afficher la &amp;longueur d'onde</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Afficher la &amp;fréquence</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Afficher l'é&amp;nergie (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Afficher les &amp;photoélectrons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Photocourant</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>U =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>La lumière est éteinte.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>La lumière est allumée, longueur d'onde %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>La lumière est allumée.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Vue agrandie de la plaque émettrice.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Métal %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Tension de freinage %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Des photoélectrons quittent la plaque émettrice.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Aucun photoélectron ne quitte la plaque émettrice.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Les photoélectrons plus lents sont dessinés creux.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Un photocourant circule.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Aucun photocourant ne circule.</translation>
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
        <translation>Énergie = %1 eV</translation>
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
        <translation>« %1 » n'est pas un nombre valide</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Impossible d'ouvrir le presse-papiers</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n'est sélectionnée</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L'imprimante sélectionnée n'est pas valide</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Effet photoélectrique</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Les développeurs de Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Une simulation de l'effet photoélectrique pour l'enseignement.</translation>
    </message>
</context>
</TS>
