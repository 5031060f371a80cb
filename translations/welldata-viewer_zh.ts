<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ByNameLoader</name>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>cannot read this file</source>
        <translation>无法读取此文件</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>no well path layout is complete among its columns</source>
        <translation>各列中没有一种完整的井轨迹数据格式</translation>
    </message>
</context>
<context>
    <name>LithologyColumn</name>
    <message>
        <source>No interval</source>
        <translation>没有岩心段</translation>
    </message>
    <message>
        <source>Depth (m)</source>
        <translation>深度 (m)</translation>
    </message>
</context>
<context>
    <name>LoadedData</name>
    <message>
        <source>well heads</source>
        <translation>井位</translation>
    </message>
    <message>
        <source>new well head</source>
        <translation>新井位</translation>
    </message>
    <message>
        <source>well path</source>
        <translation>井轨迹</translation>
    </message>
    <message>
        <source>well paths</source>
        <translation>多条井轨迹</translation>
    </message>
    <message>
        <source>well log</source>
        <translation>测井曲线</translation>
    </message>
    <message>
        <source>rock core analysis</source>
        <translation>岩心分析</translation>
    </message>
    <message>
        <source>rock core description</source>
        <translation>岩心描述</translation>
    </message>
    <message>
        <source>multi-well curve settings</source>
        <translation>多井曲线设置</translation>
    </message>
    <message>
        <source>WIS file</source>
        <translation>WIS 文件</translation>
    </message>
    <message>
        <source>data</source>
        <translation>数据</translation>
    </message>
</context>
<context>
    <name>LogTrackArea</name>
    <message>
        <source>The depth curve holds no values</source>
        <translation>深度曲线没有数值</translation>
    </message>
    <message>
        <source>No curve holds values</source>
        <translation>所有曲线都没有数值</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Half the depths (+)</source>
        <translation>深度范围减半 (+)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Twice the depths (-)</source>
        <translation>深度范围加倍 (-)</translation>
    </message>
    <message>
        <source>Whole log</source>
        <translation>全井段</translation>
    </message>
    <message>
        <source>Every depth of the log</source>
        <translation>显示曲线的全部深度</translation>
    </message>
    <message>
        <source>Mnemonics only</source>
        <translation>只显示助记符</translation>
    </message>
    <message>
        <source>Curve names as the file gives them, without display names</source>
        <translation>按文件中的曲线名显示，不用显示名称</translation>
    </message>
    <message>
        <source>depth %1 %2</source>
        <translation>深度 %1 %2</translation>
    </message>
    <message>
        <source>Mnemonic</source>
        <translation>助记符</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>%1 samples; showing %2 – %3 %4</source>
        <translation>共 %1 个采样点；显示 %2 – %3 %4</translation>
    </message>
</context>
<context>
    <name>PathPlotWidget</name>
    <message>
        <source>No station to draw</source>
        <translation>没有可绘制的测点</translation>
    </message>
    <message>
        <source>East of the head (m)</source>
        <translation>井口以东 (m)</translation>
    </message>
    <message>
        <source>North of the head (m)</source>
        <translation>井口以北 (m)</translation>
    </message>
    <message>
        <source>Plan view, map coordinates</source>
        <translation>平面图，大地坐标</translation>
    </message>
    <message>
        <source>Plan view, offsets from the well head</source>
        <translation>平面图，相对井口的位移</translation>
    </message>
    <message>
        <source>Displacement along %1° (m)</source>
        <translation>沿 %1° 方向的水平位移 (m)</translation>
    </message>
    <message>
        <source>TVD (m)</source>
        <translation>垂深 (m)</translation>
    </message>
    <message>
        <source>Section along the well&apos;s main azimuth, %1°</source>
        <translation>沿井的主方位 %1° 的剖面图</translation>
    </message>
</context>
<context>
    <name>ViewFactory</name>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶深</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底深</translation>
    </message>
    <message>
        <source>Curve settings for a batch of %1 files (the library loads no data here): curve group &quot;%2&quot;, %3, null values %4.
Files: %5</source>
        <translation>%1 个文件的批量曲线设置（库在此不加载数据）：曲线组“%2”，%3，空值 %4。
文件：%5</translation>
    </message>
    <message>
        <source>a new curve group</source>
        <translation>创建新曲线组</translation>
    </message>
    <message>
        <source>merged into the first curve group</source>
        <translation>合并首曲线组</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>对数</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>WIS file picked:
%1

The library only lets the user pick a WIS file; a host reads it itself. The viewer does not read WIS files.</source>
        <translation>已选择 WIS 文件：
%1

库只让用户选择 WIS 文件，由宿主程序自己读取。本查看器不读取 WIS 文件。</translation>
    </message>
</context>
<context>
    <name>ViewerWindow</name>
    <message>
        <source>&lt;h2&gt;WellData viewer&lt;/h2&gt;&lt;p&gt;Load well data with the &lt;b&gt;Load&lt;/b&gt; menu, as a host application does: the library&apos;s file dialog, then its import dialog.&lt;/p&gt;&lt;p&gt;Or open files by name with &lt;b&gt;File &amp;gt; Open&lt;/b&gt;, drop them on this window, or give them on the command line: LAS files, and text tables of well heads, well paths, well logs, rock core analysis and rock core descriptions.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;WellData 查看器&lt;/h2&gt;&lt;p&gt;用&lt;b&gt;加载&lt;/b&gt;菜单加载井数据，与宿主程序的做法相同：先是库的文件对话框，然后是它的导入对话框。&lt;/p&gt;&lt;p&gt;也可以用&lt;b&gt;文件 &amp;gt; 打开&lt;/b&gt;按文件名打开文件、把文件拖放到本窗口，或在命令行中给出文件：LAS 文件，以及井位、井轨迹、测井曲线、岩心分析和岩心描述的文本表格。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>WellData viewer</source>
        <translation>WellData 查看器</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;as</source>
        <translation>打开为(&amp;A)</translation>
    </message>
    <message>
        <source>Well heads table...</source>
        <translation>井位表格...</translation>
    </message>
    <message>
        <source>Well path table...</source>
        <translation>井轨迹表格...</translation>
    </message>
    <message>
        <source>Well log (LAS or table)...</source>
        <translation>测井曲线（LAS 或表格）...</translation>
    </message>
    <message>
        <source>Rock core analysis table...</source>
        <translation>岩心分析表格...</translation>
    </message>
    <message>
        <source>Rock core description table...</source>
        <translation>岩心描述表格...</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>最近打开的文件(&amp;R)</translation>
    </message>
    <message>
        <source>Save &amp;screenshot...</source>
        <translation>保存截图(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close tab</source>
        <translation>关闭标签页(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>加载(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Well heads...</source>
        <translation>井位(&amp;W)...</translation>
    </message>
    <message>
        <source>well heads</source>
        <translation>井位</translation>
    </message>
    <message>
        <source>&amp;New well head...</source>
        <translation>新井位(&amp;N)...</translation>
    </message>
    <message>
        <source>a new well head</source>
        <translation>新井位</translation>
    </message>
    <message>
        <source>Well &amp;path...</source>
        <translation>井轨迹(&amp;P)...</translation>
    </message>
    <message>
        <source>a well path</source>
        <translation>井轨迹</translation>
    </message>
    <message>
        <source>&amp;Many well paths...</source>
        <translation>多条井轨迹(&amp;M)...</translation>
    </message>
    <message>
        <source>Well &amp;log / rock core / LAS...</source>
        <translation>测井曲线 / 岩心 / LAS(&amp;L)...</translation>
    </message>
    <message>
        <source>well data</source>
        <translation>井数据</translation>
    </message>
    <message>
        <source>LAS file &amp;by name...</source>
        <translation>按文件名加载 LAS 文件(&amp;B)...</translation>
    </message>
    <message>
        <source>M&amp;ulti-well logs...</source>
        <translation>多井测井曲线(&amp;U)...</translation>
    </message>
    <message>
        <source>Pick W&amp;IS file...</source>
        <translation>选择 WIS 文件(&amp;I)...</translation>
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
        <source>Loading %1 ...</source>
        <translation>正在加载 %1 ...</translation>
    </message>
    <message>
        <source>Nothing loaded: %1</source>
        <translation>未加载任何数据：%1</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>无法加载 %1：%2</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>已加载 %1</translation>
    </message>
    <message>
        <source>Cannot load %1:
%2</source>
        <translation>无法加载 %1：
%2</translation>
    </message>
    <message>
        <source>%1 well paths</source>
        <translation>%1 条井轨迹</translation>
    </message>
    <message>
        <source>Open well data</source>
        <translation>打开井数据</translation>
    </message>
    <message>
        <source>Well data (*.las *.LAS *.txt *.TXT *.csv);;All files (*)</source>
        <translation>井数据 (*.las *.LAS *.txt *.TXT *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>well paths</source>
        <translation>多条井轨迹</translation>
    </message>
    <message>
        <source>Loading well path %1 of %2 ...</source>
        <translation>正在加载第 %1 条井轨迹（共 %2 条）...</translation>
    </message>
    <message>
        <source>LAS file by name</source>
        <translation>按文件名加载 LAS 文件</translation>
    </message>
    <message>
        <source>LAS 2.0 files (*.las *.LAS);;All files (*)</source>
        <translation>LAS 2.0 文件 (*.las *.LAS);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Multi-well logs: the log files of the wells</source>
        <translation>多井测井曲线：各井的曲线文件</translation>
    </message>
    <message>
        <source>LAS files (*.las *.LAS);;Log tables (*.txt *.TXT);;All files (*)</source>
        <translation>LAS 文件 (*.las *.LAS);;曲线表格 (*.txt *.TXT);;所有文件 (*)</translation>
    </message>
    <message>
        <source>multi-well logs</source>
        <translation>多井测井曲线</translation>
    </message>
    <message>
        <source>a WIS file</source>
        <translation>WIS 文件</translation>
    </message>
    <message>
        <source>Save screenshot</source>
        <translation>保存截图</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>WellData viewer: loads well data with the WellData library as a host application does, and shows what was loaded.</source>
        <translation>WellData 查看器：像宿主程序一样用 WellData 库加载井数据，并显示加载了什么。</translation>
    </message>
</context>
<context>
    <name>WellHeadView</name>
    <message>
        <source>Well</source>
        <translation>井名</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>补心海拔</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶深</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底深</translation>
    </message>
</context>
<context>
    <name>WellMapWidget</name>
    <message>
        <source>%1 (%2)
X %3  Y %4
KB %5  depth %6 to %7 m</source>
        <translation>%1（%2）
X %3  Y %4
补心海拔 %5  深度 %6 至 %7 m</translation>
    </message>
</context>
<context>
    <name>WellPathView</name>
    <message>
        <source>Section</source>
        <translation>剖面</translation>
    </message>
    <message>
        <source>a null value</source>
        <translation>空值</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>不是数值</translation>
    </message>
    <message>
        <source>MD does not go on down the hole</source>
        <translation>斜深没有沿井筒向下增加</translation>
    </message>
    <message>
        <source>a path layout the viewer does not know</source>
        <translation>查看器不认识的井轨迹格式</translation>
    </message>
    <message>
        <source>Positions from well head:</source>
        <translation>坐标依据的井位：</translation>
    </message>
    <message>
        <source>none (offsets from the first point)</source>
        <translation>无（相对第一个点的位移）</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>平面</translation>
    </message>
    <message>
        <source>TVD (computed)</source>
        <translation>垂深（计算）</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北向</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东向</translation>
    </message>
    <message>
        <source>DLS (°/30 m)</source>
        <translation>狗腿度 (°/30 m)</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>point %1: %2</source>
        <translation>第 %1 点：%2</translation>
    </message>
    <message>
        <source>%1 points, %2 drawn.</source>
        <translation>共 %1 个点，绘制了 %2 个。</translation>
    </message>
    <message>
        <source> MD summed from the chords between the points (the file has none).</source>
        <translation>斜深由相邻点之间的弦长累加得出（文件中没有斜深）。</translation>
    </message>
    <message>
        <source> Skipped: </source>
        <translation>跳过：</translation>
    </message>
    <message>
        <source>; and %1 more.</source>
        <translation>；另有 %1 个。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
</context>
</TS>
