<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Efeito fotoelétrico</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>Dados do fóton</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>Tensão de retardo</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>Energia do fóton</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>&amp;Ligar luz</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>&amp;Desligar luz</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Am&amp;pliar</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>Fotoelétrons lentos</translation>
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
        <translation>De&amp;sconhecidos</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>Número do metal 4</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>Imagem do aparato</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>Mostrar &amp;comprimento de onda</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>Mostrar &amp;frequência</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>Mostrar &amp;energia (eV)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>Mostrar f&amp;otoelétrons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Caderno</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>&amp;Mostrar caderno</translation>
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
        <translation>Fotocorrente</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>V =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>A luz está desligada.</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>A luz está ligada, comprimento de onda %1 nm.</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>A luz está ligada.</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>Vista ampliada da placa emissora.</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>Metal %1.</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>Tensão de retardo %1 V.</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>Fotoelétrons saem da placa emissora.</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>Nenhum fotoelétron sai da placa emissora.</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>Os fotoelétrons mais lentos são desenhados vazados.</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>Passa uma fotocorrente.</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>Não passa fotocorrente.</translation>
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
        <translation>“%1” não é um número válido</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Não é possível abrir a área de transferência</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nenhuma impressora padrão está selecionada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>A impressora selecionada não é válida</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra Efeito fotoelétrico</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Os desenvolvedores do Lumetra</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>Uma simulação didática do efeito fotoelétrico.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software livre sob a GNU General Public License, versão 3 ou posterior.</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>Eixos a partir do &amp;zero</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>; eixos a partir do zero</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>nenhuma reta passa por todas as barras de erro</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>retas tracejadas por todas as barras de erro de h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>Metal %1: retas mais e menos inclinadas por todas as barras de erro</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>, tracejada até o eixo da frequência em f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>, cada uma com sua barra de erro</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>O valor aceito de %1 está %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>além de dois erros padrão</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>dentro de dois erros padrão</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>fora da faixa das retas</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>dentro da faixa das retas</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>Frequência de corte f₀ = W/h = %1 × 10¹⁴ Hz (retas %2 × 10¹⁴ Hz); comprimento de onda de corte c/f₀ = %3 nm (retas %4 nm).</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>Frequência de corte f₀ = W/h = %1 × 10¹⁴ Hz; comprimento de onda de corte c/f₀ = %2 nm.</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>Retas por todas as barras de erro: h de %1 J s, W de %2 eV.</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>Nenhuma reta passa por todas as barras de erro: as barras de %1 não concordam.</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>Os erros padrão exigem tensões de corte em três frequências ou mais.</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>As incertezas são os erros padrão dos mínimos quadrados, com %1 − 2 graus de liberdade.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Excluir linhas</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Desfazer exclusão</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>&amp;Limpar…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>&amp;Medidas:</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>Res&amp;ultados:</translation>
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
        <translation>Caderno - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>Apagar %n medida do caderno? “Desfazer exclusão” a traz de volta.</numerusform>
            <numerusform>Apagar todas as %n medidas do caderno? “Desfazer exclusão” as traz de volta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Comprimento de onda (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>Frequência (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energia (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Tensão (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>desconhecido %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>desconhecido 4, número %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>Metal %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>Metal desconhecido %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>Metal desconhecido 4, número %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>Medida %1: %2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>corrente %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>sem corrente</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>tensão de corte %1, entre %2 com corrente e %3 sem</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>ainda sem tensão de corte: nenhuma leitura com corrente</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>ainda sem tensão de corte: nenhuma leitura sem corrente</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>sem tensão de corte: as leituras se contradizem, corrente em %1 mas nenhuma em %2</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>Reta ajustada a %1 tensões de corte: constante de Planck h = %2 J s = %3 eV s (valor aceito %4 J s, %5); função trabalho W = %6 eV (valor aceito %7 eV, %8).</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>A constante de Planck e a função trabalho precisam de tensões de corte em duas frequências ou mais.</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>Ainda sem resultados. Ligue a luz, escolha uma cor e registre medidas em várias tensões de retardo: com corrente e sem. A tensão de corte fica entre elas.</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>O caderno não pode ser salvo em %1 (%2). Suas medidas ficam na memória enquanto o Lumetra estiver aberto.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>O arquivo do caderno %1 não pôde ser lido (%2). Ele foi movido, sem alterações, para %3, e o caderno começa vazio.</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>O arquivo do caderno %1 não pôde ser lido (%2) nem movido. Ele fica como está; as medidas desta sessão ficam só na memória.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>a pasta %1 não pode ser criada</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>ele tem mais de 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ele não é texto UTF-8</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>a primeira linha não é o cabeçalho do caderno</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>a linha %1 tem %n célula, não 9</numerusform>
            <numerusform>a linha %1 tem %n células, não 9</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>linha %1: uma aspa que nunca fecha</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>linha %1: uma aspa ou fim de linha fora do lugar</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1 “%2” está fora do intervalo</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>Registrar &amp;automaticamente</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Sal&amp;var como…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>Salvar o caderno como</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>O caderno não pôde ser salvo como %1 (%2); nada foi escrito lá.</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>Tensão de corte em função da frequência</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>ainda sem tensão de corte; registre leituras com e sem corrente para cada cor</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>Registre leituras com e sem corrente para cada cor.</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>Tensão de corte (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>Comprimento de onda (nm), cores com a frequência oculta</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>reta h = %1 J s, W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>Fotocorrente em função da tensão de retardo</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>Fotocorrente em função da intensidade</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>Registre uma cor em várias tensões de retardo.</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>Registre uma cor e uma tensão em várias intensidades.</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>Tensão de retardo (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>Fotocorrente (divisões da escala)</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>intensidade %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>&amp;Tensões de corte</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>Corrente e te&amp;nsão</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>Corrente e &amp;intensidade</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>, %n ponto</numerusform>
            <numerusform>, %n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>, %n ponto em função do comprimento de onda</numerusform>
            <numerusform>, %n pontos em função do comprimento de onda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n ponto</numerusform>
            <numerusform>%1, %n pontos</numerusform>
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
        <translation>vermelho</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
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
        <translation>Sem corrente</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>Há corrente</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>Vista completa</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>Vista ampliada</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>Luz desligada</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>Luz ligada</translation>
    </message>
</context>
</TS>
