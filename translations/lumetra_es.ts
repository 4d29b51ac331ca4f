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
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
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
</context>
</TS>
