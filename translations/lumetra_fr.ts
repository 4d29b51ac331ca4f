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
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Cahier</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>&amp;Afficher le cahier</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>&amp;Relever la mesure</translation>
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
    <name>Speech</name>
    <message>
        <source>Light on</source>
        <translation>Lumière allumée</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Lumière éteinte</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Vue agrandie</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Le courant passe</translation>
    </message>
    <message>
        <source>No current</source>
        <translation>Pas de courant</translation>
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
        <translation>violet</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
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
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Relever</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Annuler la suppression</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Tout effacer…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Mesures :</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Résu&amp;ltats :</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Cahier - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Effacer la mesure du cahier (%n) ? « Annuler la suppression » la rétablit.</numerusform>
            <numerusform>Effacer les %n mesures du cahier ? « Annuler la suppression » les rétablit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longueur d&apos;onde (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Fréquence (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Énergie (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Tension (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>inconnu %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>inconnu 4, nombre %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Métal %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Métal inconnu %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Métal inconnu 4, nombre %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Mesure %1 : %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>courant %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>pas de courant</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>tension d&apos;arrêt %1, entre %2 avec courant et %3 sans</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>pas encore de tension d&apos;arrêt : aucune mesure avec courant</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>pas encore de tension d&apos;arrêt : aucune mesure sans courant</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>pas de tension d&apos;arrêt : les mesures se contredisent, du courant à %1 mais aucun à %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Droite ajustée sur %1 tensions d&apos;arrêt : constante de Planck h = %2 J s = %3 eV s (valeur admise %4 J s, %5) ; travail de sortie W = %6 eV (valeur admise %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>La constante de Planck et le travail de sortie demandent des tensions d&apos;arrêt à deux fréquences au moins.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Pas encore de résultats. Allumez la lumière, choisissez une couleur et relevez des mesures à plusieurs tensions retardatrices : avec courant et sans. La tension d&apos;arrêt se trouve entre les deux.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>Le cahier ne peut pas être enregistré dans %1 (%2). Ses mesures sont gardées en mémoire tant que Lumetra tourne.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>Le fichier du cahier %1 n&apos;a pas pu être lu (%2). Il a été déplacé, intact, vers %3, et le cahier commence vide.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>Le fichier du cahier %1 n&apos;a pu être ni lu (%2) ni mis de côté. Il reste tel quel ; les mesures de cette séance ne sont gardées qu&apos;en mémoire.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>il dépasse 16 Mo</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>sa première ligne n&apos;est pas l&apos;en-tête du cahier</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>la ligne %1 a %n cellule au lieu de 9</numerusform>
            <numerusform>la ligne %1 a %n cellules au lieu de 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>ligne %1 : un guillemet jamais fermé</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>ligne %1 : un guillemet ou une fin de ligne égarés</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 « %2 » est hors limites</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>&amp;Noter en continu</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Enregistrer le cahier sous</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>Le cahier n&apos;a pas pu être enregistré sous %1 (%2) ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Tension d&apos;arrêt en fonction de la fréquence</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>pas encore de tension d&apos;arrêt ; relevez pour chaque couleur des mesures avec et sans courant</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Relevez pour chaque couleur des mesures avec et sans courant.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Tension d&apos;arrêt (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Longueur d&apos;onde (nm), couleurs à fréquence masquée</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>droite h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Photocourant en fonction de la tension retardatrice</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Photocourant en fonction de l&apos;intensité</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Relevez une couleur à plusieurs tensions retardatrices.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Relevez une couleur et une tension à plusieurs intensités.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Tension retardatrice (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Photocourant (graduations)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>intensité %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>T&amp;ensions d&apos;arrêt</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Courant et tensi&amp;on</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Courant et &amp;intensité</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n point</numerusform>
            <numerusform>, %n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n point en fonction de la longueur d&apos;onde</numerusform>
            <numerusform>, %n points en fonction de la longueur d&apos;onde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n point</numerusform>
            <numerusform>%1, %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Métal %1 : h = %2 J s, W = %3 eV</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Les incertitudes sont les écarts-types de la régression, avec %1 − 2 degrés de liberté.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Les écarts-types demandent des tensions d&apos;arrêt à trois fréquences ou plus.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Aucune droite ne passe par toutes les barres d&apos;erreur : les barres de %1 se contredisent.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Droites passant par toutes les barres d&apos;erreur : h de %1 J s, W de %2 eV.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Fréquence seuil f₀ = W/h = %1 × 10¹⁴ Hz ; longueur d&apos;onde seuil c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Fréquence seuil f₀ = W/h = %1 × 10¹⁴ Hz (droites %2 × 10¹⁴ Hz) ; longueur d&apos;onde seuil c/f₀ = %3 nm (droites %4 nm).</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>dans l&apos;intervalle des droites</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>hors de l&apos;intervalle des droites</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>à moins de deux écarts-types</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>à plus de deux écarts-types</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>La valeur admise de %1 se trouve %2.</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, chacun avec sa barre d&apos;erreur</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, en tirets jusqu&apos;à l&apos;axe des fréquences en f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Métal %1 : droites la plus raide et la moins raide par toutes les barres d&apos;erreur</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>droites en tirets par toutes les barres d&apos;erreur de h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>aucune droite ne passe par toutes les barres d&apos;erreur</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; axes depuis zéro</translation>
    </message>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Axes depuis &amp;zéro</translation>
    </message>
</context>
</TS>
