<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Window</name>
    <message>
        <source>&amp;Sound</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra 光电效应</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Photon Properties</source>
        <translation>光子属性</translation>
    </message>
    <message>
        <source>Retarding Voltage</source>
        <translation>反向电压</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>光强</translation>
    </message>
    <message>
        <source>Photon Energy</source>
        <translation>光子能量</translation>
    </message>
    <message>
        <source>Light &amp;On</source>
        <translation>开灯(&amp;O)</translation>
    </message>
    <message>
        <source>Light &amp;Off</source>
        <translation>关灯(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>放大(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>缩小(&amp;Z)</translation>
    </message>
    <message>
        <source>Slower Photoelectrons</source>
        <translation>较慢的光电子</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>&amp;1 (1.50 eV)</source>
        <translation>&amp;1 (1.50 eV)</translation>
    </message>
    <message>
        <source>&amp;2 (1.75 eV)</source>
        <translation>&amp;2 (1.75 eV)</translation>
    </message>
    <message>
        <source>&amp;3 (2.10 eV) </source>
        <translation>&amp;3 (2.10 eV) </translation>
    </message>
    <message>
        <source>&amp;4 (2.60 eV)</source>
        <translation>&amp;4 (2.60 eV)</translation>
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
        <translation>未知金属(&amp;U)</translation>
    </message>
    <message>
        <source>Metal 4 number</source>
        <translation>金属 4 编号</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Picture of the apparatus</source>
        <translation>实验装置图</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Show &amp;Wavelength</source>
        <translation>显示波长(&amp;W)</translation>
    </message>
    <message>
        <source>Show &amp;Frequency</source>
        <translation>显示频率(&amp;F)</translation>
    </message>
    <message>
        <source>Show &amp;Energy(eV)</source>
        <translation>显示能量 (eV)(&amp;E)</translation>
    </message>
    <message>
        <source>Show &amp;Photoelectrons</source>
        <translation>显示光电子(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>实验记录(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Show Notebook</source>
        <translation>显示实验记录(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Record Measurement</source>
        <translation>记录测量(&amp;R)</translation>
    </message>
</context>
<context>
    <name>Apparatus</name>
    <message>
        <source>Photocurrent</source>
        <translation>光电流</translation>
    </message>
    <message>
        <source>V =%1 V</source>
        <translation>U =%1 V</translation>
    </message>
    <message>
        <source>The light is off.</source>
        <translation>灯已关闭。</translation>
    </message>
    <message>
        <source>The light is on, wavelength %1 nm.</source>
        <translation>灯已打开，波长 %1 nm。</translation>
    </message>
    <message>
        <source>The light is on.</source>
        <translation>灯已打开。</translation>
    </message>
    <message>
        <source>Zoomed in on the emitting plate.</source>
        <translation>放大显示发射极板。</translation>
    </message>
    <message>
        <source>Metal %1.</source>
        <translation>金属 %1。</translation>
    </message>
    <message>
        <source>Retarding voltage %1 V.</source>
        <translation>反向电压 %1 V。</translation>
    </message>
    <message>
        <source>Photoelectrons leave the emitting plate.</source>
        <translation>光电子离开发射极板。</translation>
    </message>
    <message>
        <source>No photoelectrons leave the emitting plate.</source>
        <translation>没有光电子离开发射极板。</translation>
    </message>
    <message>
        <source>Slower photoelectrons are drawn hollow.</source>
        <translation>较慢的光电子画成空心。</translation>
    </message>
    <message>
        <source>A photocurrent flows.</source>
        <translation>有光电流。</translation>
    </message>
    <message>
        <source>No photocurrent flows.</source>
        <translation>没有光电流。</translation>
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
        <translation>能量 = %1 eV</translation>
    </message>
    <message>
        <source>ƒ = %1e14 Hz</source>
        <translation>ν = %1e14 Hz</translation>
    </message>
</context>
<context>
    <name>UnknownMetals</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的数值</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>无效的浮点运算</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>无法打开剪贴板</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>当前没有选择默认打印机</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>所选打印机无效</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Lumetra Photoelectric Effect</source>
        <translation>Lumetra 光电效应</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Lumetra Developers</source>
        <translation>Lumetra 开发者</translation>
    </message>
    <message>
        <source>A teaching simulation of the photoelectric effect.</source>
        <translation>一个用于课堂教学的光电效应模拟程序。</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>自由软件，依据 GNU 通用公共许可证第 3 版或更高版本发布。</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Axes from &amp;zero</source>
        <translation>坐标轴从零开始(&amp;Z)</translation>
    </message>
    <message>
        <source>; axes from zero</source>
        <translation>；坐标轴从零开始</translation>
    </message>
    <message>
        <source>no straight line passes through every error bar</source>
        <translation>没有一条直线穿过所有误差棒</translation>
    </message>
    <message>
        <source>dashed lines through every error bar from h = %1 J s, W = %2 eV</source>
        <translation>穿过所有误差棒的虚线：h = %1 J s，W = %2 eV</translation>
    </message>
    <message>
        <source>Metal %1: steepest and shallowest lines through every error bar</source>
        <translation>金属 %1：穿过所有误差棒的最陡与最缓直线</translation>
    </message>
    <message>
        <source>, dashed to the frequency axis at f₀ = %1 × 10¹⁴ Hz</source>
        <translation>，虚线延伸至频率轴 f₀ = %1 × 10¹⁴ Hz</translation>
    </message>
    <message>
        <source>, each with its error bar</source>
        <translation>，各带误差棒</translation>
    </message>
    <message>
        <source>The accepted %1 lies %2.</source>
        <translation>公认值 %1 %2。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>beyond two standard errors</source>
        <translation>超出两倍标准误差</translation>
    </message>
    <message>
        <source>within two standard errors</source>
        <translation>在两倍标准误差之内</translation>
    </message>
    <message>
        <source>outside the range of lines</source>
        <translation>在直线范围之外</translation>
    </message>
    <message>
        <source>within the range of lines</source>
        <translation>在直线范围之内</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); cut-off wavelength c/f₀ = %3 nm (lines %4 nm).</source>
        <translation>截止频率 f₀ = W/h = %1 × 10¹⁴ Hz（直线 %2 × 10¹⁴ Hz）；截止波长 c/f₀ = %3 nm（直线 %4 nm）。</translation>
    </message>
    <message>
        <source>Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.</source>
        <translation>截止频率 f₀ = W/h = %1 × 10¹⁴ Hz；截止波长 c/f₀ = %2 nm。</translation>
    </message>
    <message>
        <source>Lines through every error bar: h from %1 J s, W from %2 eV.</source>
        <translation>穿过所有误差棒的直线：h 为 %1 J s，W 为 %2 eV。</translation>
    </message>
    <message>
        <source>No straight line passes through every error bar: the bars of %1 disagree.</source>
        <translation>没有一条直线穿过所有误差棒：%1 的误差棒互相矛盾。</translation>
    </message>
    <message>
        <source>Standard errors need stopping voltages at three frequencies or more.</source>
        <translation>标准误差需要至少三个频率下的遏止电压。</translation>
    </message>
    <message>
        <source>The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.</source>
        <translation>不确定度为最小二乘法的标准误差，自由度为 %1 − 2。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>记录(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>删除行(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>撤销删除(&amp;U)</translation>
    </message>
    <message>
        <source>C&amp;lear…</source>
        <translation>清空(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Measurements:</source>
        <translation>测量(&amp;M)：</translation>
    </message>
    <message>
        <source>Re&amp;sults:</source>
        <translation>结果(&amp;S)：</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Notebook - %1</source>
        <translation>实验记录 - %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear all %n measurements from the notebook? Undo Delete brings them back.</source>
        <translation>
            <numerusform>要从实验记录中清除全部 %n 条测量吗？“撤销删除”可以恢复。</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>波长 (nm)</translation>
    </message>
    <message>
        <source>Frequency (10¹⁴ Hz)</source>
        <translation>频率 (10¹⁴ Hz)</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>能量 (eV)</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>光强</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>电压 (V)</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>unknown %1</source>
        <translation>未知 %1</translation>
    </message>
    <message>
        <source>unknown 4, number %1</source>
        <translation>未知 4，编号 %1</translation>
    </message>
    <message>
        <source>Metal %1 (%2 eV)</source>
        <translation>金属 %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Unknown metal %1</source>
        <translation>未知金属 %1</translation>
    </message>
    <message>
        <source>Unknown metal 4, number %1</source>
        <translation>未知金属 4，编号 %1</translation>
    </message>
    <message>
        <source>Measurement %1: %2</source>
        <translation>测量 %1：%2</translation>
    </message>
    <message>
        <source>current %1</source>
        <translation>电流 %1</translation>
    </message>
    <message>
        <source>no current</source>
        <translation>无电流</translation>
    </message>
    <message>
        <source>stopping voltage %1, between %2 with a current and %3 without</source>
        <translation>遏止电压 %1，介于有电流的 %2 与无电流的 %3 之间</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading with a current</source>
        <translation>尚无遏止电压：没有有电流的读数</translation>
    </message>
    <message>
        <source>no stopping voltage yet: no reading without a current</source>
        <translation>尚无遏止电压：没有无电流的读数</translation>
    </message>
    <message>
        <source>no stopping voltage: the readings contradict each other, a current at %1 but none at %2</source>
        <translation>无遏止电压：读数相互矛盾，%1 时有电流，%2 时却没有</translation>
    </message>
    <message>
        <source>Fit through %1 stopping voltages: Planck&apos;s constant h = %2 J s = %3 eV s (accepted %4 J s, %5); work function W = %6 eV (accepted %7 eV, %8).</source>
        <translation>由 %1 个遏止电压拟合的直线：普朗克常量 h = %2 J s = %3 eV s（公认值 %4 J s，%5）；逸出功 W = %6 eV（公认值 %7 eV，%8）。</translation>
    </message>
    <message>
        <source>Planck&apos;s constant and the work function need stopping voltages at two frequencies or more.</source>
        <translation>求普朗克常量和逸出功需要至少两个频率下的遏止电压。</translation>
    </message>
    <message>
        <source>No results yet. Switch the light on, choose a colour and record measurements at several retarding voltages: with a current and without one. The stopping voltage lies between them.</source>
        <translation>尚无结果。请开灯，选择一种颜色，并在几个反向电压下记录测量：有电流的和无电流的。遏止电压介于两者之间。</translation>
    </message>
    <message>
        <source>The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.</source>
        <translation>实验记录无法保存到 %1（%2）。Lumetra 运行期间，测量数据保留在内存中。</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the notebook starts empty.</source>
        <translation>无法读取实验记录文件 %1（%2）。它已原样移至 %3，实验记录从空白开始。</translation>
    </message>
    <message>
        <source>The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the measurements of this session are kept in memory only.</source>
        <translation>无法读取实验记录文件 %1（%2），也无法将其移开。文件保持原样；本次的测量数据只保存在内存中。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>it is larger than 16 MB</source>
        <translation>文件大于 16 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>文件不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>its first line is not the notebook&apos;s header</source>
        <translation>第一行不是实验记录的表头</translation>
    </message>
    <message numerus="yes">
        <source>line %1 has %n cells, not 9</source>
        <translation>
            <numerusform>第 %1 行有 %n 个单元格，而不是 9 个</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>line %1: a quote that never closes</source>
        <translation>第 %1 行：引号没有闭合</translation>
    </message>
    <message>
        <source>line %1: a stray quote or line end</source>
        <translation>第 %1 行：多余的引号或换行</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is out of range</source>
        <translation>%1“%2”超出范围</translation>
    </message>
    <message>
        <source>Record as I &amp;go</source>
        <translation>随时记录(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Save the Notebook As</source>
        <translation>实验记录另存为</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved as %1 (%2); nothing was written there.</source>
        <translation>实验记录无法另存为 %1（%2）；未写入任何内容。</translation>
    </message>
    <message>
        <source>Stopping voltage against frequency</source>
        <translation>遏止电压与频率的关系</translation>
    </message>
    <message>
        <source>no stopping voltage yet; record readings with and without a current for each colour</source>
        <translation>尚无遏止电压；请为每种颜色记录有电流和无电流的读数</translation>
    </message>
    <message>
        <source>Record readings with and without a current for each colour.</source>
        <translation>请为每种颜色记录有电流和无电流的读数。</translation>
    </message>
    <message>
        <source>Stopping voltage (V)</source>
        <translation>遏止电压 (V)</translation>
    </message>
    <message>
        <source>Wavelength (nm), colours whose frequency was hidden</source>
        <translation>波长 (nm)，频率被隐藏的颜色</translation>
    </message>
    <message>
        <source>line h = %1 J s, W = %2 eV</source>
        <translation>直线 h = %1 J s，W = %2 eV</translation>
    </message>
    <message>
        <source>Photocurrent against retarding voltage</source>
        <translation>光电流与反向电压的关系</translation>
    </message>
    <message>
        <source>Photocurrent against intensity</source>
        <translation>光电流与光强的关系</translation>
    </message>
    <message>
        <source>Record one colour at several retarding voltages.</source>
        <translation>请在几个反向电压下记录同一种颜色。</translation>
    </message>
    <message>
        <source>Record one colour and voltage at several intensities.</source>
        <translation>请在几种光强下记录同一种颜色和电压。</translation>
    </message>
    <message>
        <source>Retarding voltage (V)</source>
        <translation>反向电压 (V)</translation>
    </message>
    <message>
        <source>Photocurrent (meter divisions)</source>
        <translation>光电流（表盘格数）</translation>
    </message>
    <message>
        <source>intensity %1</source>
        <translation>光强 %1</translation>
    </message>
    <message>
        <source>S&amp;topping Voltages</source>
        <translation>遏止电压(&amp;T)</translation>
    </message>
    <message>
        <source>Current and &amp;Voltage</source>
        <translation>电流与电压(&amp;V)</translation>
    </message>
    <message>
        <source>Current and &amp;Intensity</source>
        <translation>电流与光强(&amp;I)</translation>
    </message>
    <message numerus="yes">
        <source>, %n points</source>
        <translation>
            <numerusform>，%n 个点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n points against the wavelength</source>
        <translation>
            <numerusform>，%n 个点（对波长）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1，%n 个点</numerusform>
        </translation>
    </message>
    <message>
        <source>Metal %1: h = %2 J s, W = %3 eV</source>
        <translation>金属 %1：h = %2 J s，W = %3 eV</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>紫色</translation>
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
        <translation>无电流</translation>
    </message>
    <message>
        <source>Current flowing</source>
        <translation>有电流</translation>
    </message>
    <message>
        <source>Zoomed out</source>
        <translation>已缩小</translation>
    </message>
    <message>
        <source>Zoomed in</source>
        <translation>已放大</translation>
    </message>
    <message>
        <source>Light off</source>
        <translation>灯已关闭</translation>
    </message>
    <message>
        <source>Light on</source>
        <translation>灯已打开</translation>
    </message>
</context>
</TS>
