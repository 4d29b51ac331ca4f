<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Efecto fotoeléctrico</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Datos del fotón</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Tensión de frenado</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Energía del fotón</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>&amp;Encender</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>Apa&amp;gar</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Acer&amp;car</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Electrones más lentos</translation>
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
        <translation> Metal &amp;problema</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Número del metal 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Imagen del montaje experimental</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Mostrar &amp;longitud de onda</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Mostrar &amp;frecuencia</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Mostrar &amp;energía (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Mostrar f&amp;otoelectrones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>C&amp;uaderno</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>&amp;Mostrar el cuaderno</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>&amp;Registrar medida</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>Fotocorriente</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>V =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>La luz está apagada.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>La luz está encendida, longitud de onda %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>La luz está encendida.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Vista ampliada de la placa emisora.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metal %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Tensión de frenado %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Los fotoelectrones salen de la placa emisora.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Ningún fotoelectrón sale de la placa emisora.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Los fotoelectrones más lentos se dibujan huecos.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Circula una fotocorriente.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>No circula fotocorriente.</translation>
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
        <translation>Energía = %1 eV</translation>
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
        <translation>«%1» no es un número válido</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>No se puede abrir el portapapeles</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Light on</source>
        <translation>Luz encendida</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Luz apagada</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Vista ampliada</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Vista completa</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Circula corriente</translation>
    </message>
    <message>
        <source>No current</source>
        <translation>Sin corriente</translation>
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
        <translation>violeta</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Efecto fotoeléctrico</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Los desarrolladores de Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Una simulación del efecto fotoeléctrico para la enseñanza.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Borrar filas</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Deshacer borrado</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Vaciar…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Medidas:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Resul&amp;tados:</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>Cuaderno - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>¿Borrar la %n medida del cuaderno? «Deshacer borrado» la recupera.</numerusform>
            <numerusform>¿Borrar las %n medidas del cuaderno? «Deshacer borrado» las recupera.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longitud de onda (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Frecuencia (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Tensión (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>desconocido %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>desconocido 4, número %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metal %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Metal desconocido %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Metal desconocido 4, número %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Medida %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>corriente %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>sin corriente</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>tensión de frenado %1, entre %2 con corriente y %3 sin ella</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>aún sin tensión de frenado: ninguna medida con corriente</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>aún sin tensión de frenado: ninguna medida sin corriente</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>sin tensión de frenado: las medidas se contradicen, corriente a %1 pero ninguna a %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Recta ajustada a %1 tensiones de frenado: constante de Planck h = %2 J s = %3 eV s (valor aceptado %4 J s, %5); función de trabajo W = %6 eV (valor aceptado %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>La constante de Planck y la función de trabajo necesitan tensiones de frenado en dos frecuencias o más.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Aún no hay resultados. Encienda la luz, elija un color y registre medidas a varias tensiones de frenado: con corriente y sin ella. La tensión de frenado está entre ambas.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>El cuaderno no se puede guardar en %1 (%2). Sus medidas se conservan en memoria mientras Lumetra esté abierto.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>No se pudo leer el archivo del cuaderno %1 (%2). Se ha movido, sin cambios, a %3, y el cuaderno empieza vacío.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>El archivo del cuaderno %1 no se pudo leer (%2) ni apartar. Se deja como está; las medidas de esta sesión solo se guardan en memoria.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>ocupa más de 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>su primera línea no es la cabecera del cuaderno</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>la línea %1 tiene %n celda, no 9</numerusform>
            <numerusform>la línea %1 tiene %n celdas, no 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>línea %1: unas comillas que no se cierran</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>línea %1: unas comillas o un fin de línea sueltos</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 «%2» está fuera de rango</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>Registro &amp;automático</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Guardar el cuaderno como</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>No se pudo guardar el cuaderno como %1 (%2); no se ha escrito nada allí.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Tensión de frenado frente a la frecuencia</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>aún sin tensión de frenado; registre para cada color medidas con y sin corriente</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Registre para cada color medidas con y sin corriente.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Tensión de frenado (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Longitud de onda (nm), colores con la frecuencia oculta</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>recta h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Fotocorriente frente a la tensión de frenado</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Fotocorriente frente a la intensidad</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Registre un color a varias tensiones de frenado.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Registre un color y una tensión a varias intensidades.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Tensión de frenado (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Fotocorriente (divisiones)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>intensidad %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>Tensiones de &amp;frenado</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Corriente y t&amp;ensión</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Corriente e i&amp;ntensidad</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n punto</numerusform>
            <numerusform>, %n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n punto frente a la longitud de onda</numerusform>
            <numerusform>, %n puntos frente a la longitud de onda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punto</numerusform>
            <numerusform>%1, %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>Metal %1: h = %2 J s, W = %3 eV</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>Las incertidumbres son los errores estándar del ajuste por mínimos cuadrados, con %1 − 2 grados de libertad.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Los errores estándar necesitan tensiones de frenado en tres frecuencias o más.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Ninguna recta pasa por todas las barras de error: las barras de %1 no concuerdan.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Rectas por todas las barras de error: h de %1 J s, W de %2 eV.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Frecuencia umbral f₀ = W/h = %1 × 10¹⁴ Hz; longitud de onda de corte c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Frecuencia umbral f₀ = W/h = %1 × 10¹⁴ Hz (rectas %2 × 10¹⁴ Hz); longitud de onda de corte c/f₀ = %3 nm (rectas %4 nm).</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>dentro del intervalo de las rectas</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>fuera del intervalo de las rectas</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>dentro de dos errores estándar</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>más allá de dos errores estándar</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>El valor aceptado de %1 está %2.</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, cada uno con su barra de error</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, a trazos hasta el eje de frecuencias en f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metal %1: rectas de mayor y menor pendiente por todas las barras de error</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>rectas a trazos por todas las barras de error de h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>ninguna recta pasa por todas las barras de error</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; ejes desde cero</translation>
    </message>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>E&amp;jes desde cero</translation>
    </message>
</context>
</TS>
