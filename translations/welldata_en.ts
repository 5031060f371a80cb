<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CDataFileReader</name>
    <message>
        <source>打开文件失败。</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>加载井曲线数据时，指定了非法的数据文件，请确认之后重试。</source>
        <translation>The file given for the well log data is not a valid data file: no line names the depth. Please check it and try again.</translation>
    </message>
</context>
<context>
    <name>CDlgAddWellHead</name>
    <message>
        <source>添加新井位</source>
        <translation>Add New Well Head</translation>
    </message>
    <message>
        <source>井名</source>
        <translation>Well name</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X coordinate</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y coordinate</translation>
    </message>
    <message>
        <source>补心海拔</source>
        <translation>KB elevation</translation>
    </message>
    <message>
        <source>井别</source>
        <translation>Well type</translation>
    </message>
    <message>
        <source>测量井段</source>
        <translation>Measured interval</translation>
    </message>
    <message>
        <source>顶深</source>
        <translation>Top depth</translation>
    </message>
    <message>
        <source>底深</source>
        <translation>Bottom depth</translation>
    </message>
    <message>
        <source>单位转换</source>
        <translation>Unit conversion</translation>
    </message>
    <message>
        <source>转换为系统坐标</source>
        <translation>Convert to system coordinates</translation>
    </message>
    <message>
        <source>输入数据类型（XY）</source>
        <translation>Input unit (X, Y)</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>“%1坐标”不能为空；</source>
        <translation>“%1 coordinate” must not be empty;</translation>
    </message>
    <message>
        <source>“%1坐标”不能为0值；</source>
        <translation>“%1 coordinate” must not be 0;</translation>
    </message>
    <message>
        <source>“井名”不能为空；</source>
        <translation>“Well name” must not be empty;</translation>
    </message>
</context>
<context>
    <name>CDlgBatchLoadWellLogUnitShow</name>
    <message>
        <source>单位转换设置</source>
        <translation>Unit Conversion Settings</translation>
    </message>
    <message>
        <source>系统中坐标单位：</source>
        <translation>System coordinate unit:</translation>
    </message>
    <message>
        <source>系统中深度坐标单位：</source>
        <translation>System depth unit:</translation>
    </message>
    <message>
        <source>文件中使用的坐标单位与系统不同</source>
        <translation>The file&apos;s units differ from the system&apos;s</translation>
    </message>
    <message>
        <source>坐标单位：</source>
        <translation>Coordinate unit:</translation>
    </message>
    <message>
        <source>深度坐标单位：</source>
        <translation>Depth unit:</translation>
    </message>
    <message>
        <source> 所有文件中同类曲线单位相同, 以后不再提示.</source>
        <translation> Curves of one kind have the same units in all files: do not ask again.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>单位转换设置 - %1</source>
        <translation>Unit Conversion Settings - %1</translation>
    </message>
</context>
<context>
    <name>CDlgImportMultiWellLogs</name>
    <message>
        <source>导入多井数据</source>
        <translation>Import Multi-Well Data</translation>
    </message>
    <message>
        <source>数据文件信息（前10行）</source>
        <translation>Data file (first 10 lines)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>设置井数据类型</source>
        <translation>Data Types</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>深度数据问题</source>
        <translation>Depth Data Problem</translation>
    </message>
</context>
<context>
    <name>CDlgImportSingleWellLog</name>
    <message>
        <source>导入井数据</source>
        <translation>Import Well Data</translation>
    </message>
    <message>
        <source>数据文件信息（前10行）</source>
        <translation>Data file (first 10 lines)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>CDlgImportSingleWellPath</name>
    <message>
        <source>导入井轨迹</source>
        <translation>Import Well Path</translation>
    </message>
    <message>
        <source>数据文件信息（前10行）</source>
        <translation>Data file (first 10 lines)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>在设置用户数据时，出现异常。</source>
        <translation>An error occurred while setting the user&apos;s data.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
选择YES重新选择，选择NO退出加载程序。</source>
        <translation><byte value="xd"/>
Choose Yes to choose again, No to leave the load.</translation>
    </message>
    <message>
        <source>设定的空值不是有效的数值，请重新输入。</source>
        <translation>The null value given is not a valid number. Please enter it again.</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>CDlgImportWellHeads</name>
    <message>
        <source>导入井位数据</source>
        <translation>Import Well Heads</translation>
    </message>
    <message>
        <source>数据文件信息（前10行）</source>
        <translation>Data file (first 10 lines)</translation>
    </message>
    <message>
        <source>设置井位数据</source>
        <translation>Well head data</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>选择单位</source>
        <translation>Choose units</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>井名</source>
        <translation>Well name</translation>
    </message>
    <message>
        <source>井名必须唯一</source>
        <translation>Well names must be unique</translation>
    </message>
    <message>
        <source>横坐标</source>
        <translation>X coordinate</translation>
    </message>
    <message>
        <source>米</source>
        <translation>m</translation>
    </message>
    <message>
        <source>英寸</source>
        <translation>in</translation>
    </message>
    <message>
        <source>英尺</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>分米</source>
        <translation>dm</translation>
    </message>
    <message>
        <source>厘米</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>纵坐标</source>
        <translation>Y coordinate</translation>
    </message>
    <message>
        <source>补心海拔（KB）</source>
        <translation>Kelly bushing elevation (KB)</translation>
    </message>
    <message>
        <source>不选，KB=0</source>
        <translation>Not used: KB = 0</translation>
    </message>
    <message>
        <source>井类型</source>
        <translation>Well type</translation>
    </message>
    <message>
        <source>不选，为空</source>
        <translation>Not used: empty</translation>
    </message>
    <message>
        <source>井口深度（KB）</source>
        <translation>Wellhead depth (KB)</translation>
    </message>
    <message>
        <source>井底深度（MD）</source>
        <translation>Bottom depth (MD)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgImportWellLogBase</name>
    <message>
        <source>设置用户数据时，程序异常。</source>
        <translation>The program failed while setting the user&apos;s data.</translation>
    </message>
</context>
<context>
    <name>CDlgMultiWellLogInputData</name>
    <message>
        <source>设置要加载井数据类型</source>
        <translation>Choose the types of the well data to load</translation>
    </message>
</context>
<context>
    <name>CDlgRockCoreAnalyse</name>
    <message>
        <source>加载岩心分析数据</source>
        <translation>Load Rock Core Analysis Data</translation>
    </message>
    <message>
        <source>离散数据文件</source>
        <translation>Discrete data file</translation>
    </message>
    <message>
        <source>双击列头可以编辑该列的标题</source>
        <translation>Double-click a column&apos;s heading to edit its title</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgRockCoreDescribe</name>
    <message>
        <source>加载岩心描述数据</source>
        <translation>Load Rock Core Description Data</translation>
    </message>
    <message>
        <source>设置数据属性</source>
        <translation>Data attributes</translation>
    </message>
    <message>
        <source>顶深</source>
        <translation>Top depth</translation>
    </message>
    <message>
        <source>底深</source>
        <translation>Bottom depth</translation>
    </message>
    <message>
        <source>文本描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>文件信息（前100行）</source>
        <translation>File (first 100 lines)</translation>
    </message>
    <message>
        <source>可以选择顶、底以及文本描述载文件中对应的列，可以修改文本描述的列名。</source>
        <translation>Choose the file&apos;s columns of the top, the bottom and the description; the description column&apos;s name can be changed.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDlgSingleWellLogHints</name>
    <message>
        <source>（1）、首先选择井，然后才可以加载井曲线数据，如果没有选择井请选择，如果没有井请首先加载井位数据。
（2）、如果文件中有空值，请务必指定，否则系统可能工作异常。</source>
        <translation>(1) Choose a well first: well log data load into the chosen well. If no well is chosen, choose one; if there is no well yet, load the well heads first.
(2) If the file holds null values, be sure to give them, or the system may not work properly.</translation>
    </message>
</context>
<context>
    <name>CDlgSingleWellLogInputData</name>
    <message>
        <source>设置要加载井数据类型</source>
        <translation>Choose the types of the well data to load</translation>
    </message>
    <message>
        <source>跳过未定义的值</source>
        <translation>Skip undefined values</translation>
    </message>
    <message>
        <source>加载井轨迹</source>
        <translation>Load the well path</translation>
    </message>
    <message>
        <source>输入数据类型</source>
        <translation>Input data type</translation>
    </message>
    <message>
        <source>MD ，INCL，AZIM</source>
        <translation>MD, INCL, AZIM</translation>
    </message>
    <message>
        <source>TVD，DX，DY</source>
        <translation>TVD, DX, DY</translation>
    </message>
    <message>
        <source>TVD，X，Y</source>
        <translation>TVD, X, Y</translation>
    </message>
    <message>
        <source>X，Y，Z</source>
        <translation>X, Y, Z</translation>
    </message>
    <message>
        <source>转换Z坐标值</source>
        <translation>Convert Z values</translation>
    </message>
</context>
<context>
    <name>CDlgSingleWellLogSetting</name>
    <message>
        <source>参照海拔</source>
        <translation>Reference elevation</translation>
    </message>
    <message>
        <source>补心海拔</source>
        <translation>Kelly bushing</translation>
    </message>
    <message>
        <source>平均海拔</source>
        <translation>Mean sea level</translation>
    </message>
    <message>
        <source>其它参照</source>
        <translation>Other reference</translation>
    </message>
    <message>
        <source>其它</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>创建新曲线组</source>
        <translation>Create a new curve group</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>合并首曲线组</source>
        <translation>Merge into the first curve group</translation>
    </message>
    <message>
        <source>Treat log as continuous curve</source>
        <translation>Treat the log as a continuous curve</translation>
    </message>
    <message>
        <source>If treat log as continuous curve is specified interal with the same log value will only be stored with end points</source>
        <translation>If the log is treated as a continuous curve, an interval of one value is stored by its end points only</translation>
    </message>
    <message>
        <source>未定义的井数据值</source>
        <translation>Undefined well data values</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>设定值</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>CDlgSingleWellPathHints</name>
    <message>
        <source>（1）、首先选择井，然后才可以加载井轨迹数据，如果没有选择井请选择，如果没有井请首先加载井位数据。
（2）、如果文件中有空值，请务必指定，否则系统可能工作异常。</source>
        <translation>(1) Choose a well first: well path data load into the chosen well. If no well is chosen, choose one; if there is no well yet, load the well heads first.
(2) If the file holds null values, be sure to give them, or the system may not work properly.</translation>
    </message>
</context>
<context>
    <name>CDlgSingleWellPathInputData</name>
    <message>
        <source>输入数据类型</source>
        <translation>Input data type</translation>
    </message>
    <message>
        <source>MD ，INCL，AZIM</source>
        <translation>MD, INCL, AZIM</translation>
    </message>
    <message>
        <source>TVD，DX，DY</source>
        <translation>TVD, DX, DY</translation>
    </message>
    <message>
        <source>TVD，X，Y</source>
        <translation>TVD, X, Y</translation>
    </message>
    <message>
        <source>X，Y，Z</source>
        <translation>X, Y, Z</translation>
    </message>
    <message>
        <source>请选择数据对应的列</source>
        <translation>Choose the column of each quantity</translation>
    </message>
    <message>
        <source>存在MD</source>
        <translation>MD present</translation>
    </message>
    <message>
        <source>文件中存在空值</source>
        <translation>The file holds null values</translation>
    </message>
    <message>
        <source>设定空值为</source>
        <translation>Null value</translation>
    </message>
    <message>
        <source>MD，TVD参考海拔</source>
        <translation>Reference elevation of MD and TVD</translation>
    </message>
    <message>
        <source>补心海拔（KB）</source>
        <translation>Kelly bushing (KB)</translation>
    </message>
    <message>
        <source>平均海平面（MSL）</source>
        <translation>Mean sea level (MSL)</translation>
    </message>
    <message>
        <source>其它</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>方位角指向正北</source>
        <translation>Azimuths point to true north</translation>
    </message>
</context>
<context>
    <name>CDlgWellDataUnit</name>
    <message>
        <source>数据的单位以系统单位为标准，若单位与系统不同，请在此指定</source>
        <translation>Data are taken in the system&apos;s units. If the file&apos;s units differ, give them here.</translation>
    </message>
    <message>
        <source>系统中坐标单位</source>
        <translation>System coordinate unit</translation>
    </message>
    <message>
        <source>系统中深度坐标单位</source>
        <translation>System depth unit</translation>
    </message>
    <message>
        <source>文件中使用的坐标单位与系统不同</source>
        <translation>The file&apos;s units differ from the system&apos;s</translation>
    </message>
    <message>
        <source>坐标单位</source>
        <translation>Coordinate unit</translation>
    </message>
    <message>
        <source>深度坐标单位</source>
        <translation>Depth unit</translation>
    </message>
    <message>
        <source>文件中坐标、深度坐标将被转换</source>
        <translation>The file&apos;s coordinates and depths will be converted</translation>
    </message>
    <message>
        <source>角度单位</source>
        <translation>Angle unit</translation>
    </message>
    <message>
        <source>度</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>弧度</source>
        <translation>Radians</translation>
    </message>
</context>
<context>
    <name>CDlgWellLogDataBase</name>
    <message>
        <source>曲线名称</source>
        <translation>Curve name</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>曲线类型</source>
        <translation>Curve type</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>CEditListCtrl</name>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>清除选择(&amp;C)</source>
        <translation>&amp;Clear selection</translation>
    </message>
    <message>
        <source>添加记录</source>
        <translation>Add record</translation>
    </message>
    <message>
        <source>删除记录</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>删除全部</source>
        <translation>Delete all</translation>
    </message>
</context>
<context>
    <name>CFileDialogExt</name>
    <message>
        <source>请要加载选择文件</source>
        <translation>Choose the file to load</translation>
    </message>
</context>
<context>
    <name>CInteractiveLoad</name>
    <message>
        <source>加载井位</source>
        <translation>Load Well Heads</translation>
    </message>
    <message>
        <source>井位 (*.txt)|*.txt||</source>
        <translation>Well heads (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>加载井数据</source>
        <translation>Load Well Data</translation>
    </message>
    <message>
        <source>井轨迹 (*.txt)|*.txt||</source>
        <translation>Well paths (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>井曲线 (*.txt)|*.txt|岩心分析数据(*.txt)|*.txt|岩心描述数据(*.txt)|*.txt|井曲线 las ver 2.0格式(*.las)|*.las||</source>
        <translation>Well logs (*.txt)|*.txt|Rock core analysis data (*.txt)|*.txt|Rock core description data (*.txt)|*.txt|LAS 2.0 well logs (*.las)|*.las||</translation>
    </message>
    <message>
        <source>轨迹 (*.txt)|*.txt||</source>
        <translation>Well paths (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>加载轨迹</source>
        <translation>Load Well Paths</translation>
    </message>
    <message>
        <source>下列数据没有找到对应的井,请确认之后重试:</source>
        <translation>No well was found for the files below. Please check them and try again:</translation>
    </message>
    <message>
        <source>加载wis格式曲线数据 (*.wis)|*.wis||</source>
        <translation>WIS well logs (*.wis)|*.wis||</translation>
    </message>
</context>
<context>
    <name>CLoadData</name>
    <message>
        <source>此版本的库不含导入对话框，不能交互加载数据；请按文件名加载。</source>
        <translation>This build of the library has no import dialogs and cannot load data interactively; load the file by its name.</translation>
    </message>
</context>
<context>
    <name>CWellPath</name>
    <message>
        <source>轨迹数据中含有空值，请检查之后重试。</source>
        <translation>The well path data hold a null value. Please check them and try again.</translation>
    </message>
</context>
<context>
    <name>CWorkflowPanel</name>
    <message>
        <source>导入井位数据</source>
        <translation>Import well heads</translation>
    </message>
    <message>
        <source>创建新井</source>
        <translation>Create a new well</translation>
    </message>
    <message>
        <source>导入井轨迹</source>
        <translation>Import well paths</translation>
    </message>
    <message>
        <source>导入井数据</source>
        <translation>Import well data</translation>
    </message>
    <message>
        <source>工作流程</source>
        <translation>Workflow</translation>
    </message>
</context>
<context>
    <name>CurveTable</name>
    <message>
        <source>深度</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>垂深</source>
        <translation>True vertical depth</translation>
    </message>
    <message>
        <source>井径</source>
        <translation>Caliper</translation>
    </message>
    <message>
        <source>声波时差</source>
        <translation>Sonic</translation>
    </message>
    <message>
        <source>自然伽马</source>
        <translation>Gamma ray</translation>
    </message>
    <message>
        <source>自然伽马能谱</source>
        <translation>Spectral gamma ray</translation>
    </message>
    <message>
        <source>自然电位</source>
        <translation>Spontaneous potential</translation>
    </message>
    <message>
        <source>补偿中子</source>
        <translation>Compensated neutron</translation>
    </message>
    <message>
        <source>补偿密度</source>
        <translation>Compensated density</translation>
    </message>
    <message>
        <source>电导率</source>
        <translation>Conductivity</translation>
    </message>
    <message>
        <source>微球形聚焦</source>
        <translation>Micro-spherically focused</translation>
    </message>
    <message>
        <source>深侧向</source>
        <translation>Deep laterolog</translation>
    </message>
    <message>
        <source>浅侧向</source>
        <translation>Shallow laterolog</translation>
    </message>
    <message>
        <source>地层电阻率</source>
        <translation>Formation resistivity</translation>
    </message>
    <message>
        <source>冲洗带电阻率</source>
        <translation>Flushed zone resistivity</translation>
    </message>
    <message>
        <source>侵入带电阻率</source>
        <translation>Invaded zone resistivity</translation>
    </message>
    <message>
        <source>微侧向</source>
        <translation>Microlaterolog</translation>
    </message>
    <message>
        <source>中感应</source>
        <translation>Medium induction</translation>
    </message>
    <message>
        <source>深感应</source>
        <translation>Deep induction</translation>
    </message>
    <message>
        <source>井壁中子</source>
        <translation>Sidewall neutron</translation>
    </message>
    <message>
        <source>4米梯度</source>
        <translation>4 m lateral</translation>
    </message>
    <message>
        <source>0.5米电位</source>
        <translation>0.5 m normal</translation>
    </message>
    <message>
        <source>0.45米电位</source>
        <translation>0.45 m normal</translation>
    </message>
    <message>
        <source>无铀伽马</source>
        <translation>Uranium-free gamma ray</translation>
    </message>
    <message>
        <source>八侧向</source>
        <translation>Laterolog 8</translation>
    </message>
    <message>
        <source>中子寿命</source>
        <translation>Neutron lifetime</translation>
    </message>
    <message>
        <source>微梯度</source>
        <translation>Micro-inverse</translation>
    </message>
    <message>
        <source>微电位</source>
        <translation>Micro-normal</translation>
    </message>
    <message>
        <source>2.5米梯度</source>
        <translation>2.5 m lateral</translation>
    </message>
    <message>
        <source>泥质含量</source>
        <translation>Shale volume</translation>
    </message>
    <message>
        <source>含水饱和度</source>
        <translation>Water saturation</translation>
    </message>
    <message>
        <source>孔隙度</source>
        <translation>Porosity</translation>
    </message>
    <message>
        <source>渗透率</source>
        <translation>Permeability</translation>
    </message>
    <message>
        <source>砂岩含量</source>
        <translation>Sandstone fraction</translation>
    </message>
    <message>
        <source>灰岩含量</source>
        <translation>Limestone fraction</translation>
    </message>
</context>
<context>
    <name>CurveUnitNormalizer</name>
    <message>
        <source>添加井曲线时,必须有深度,请确认之后重试。</source>
        <translation>A well log needs a depth curve. Please check the curves and try again.</translation>
    </message>
    <message>
        <source>添加井曲线时,有且仅有一个深度道,请确认之后重试。</source>
        <translation>A well log must have exactly one depth curve. Please check the curves and try again.</translation>
    </message>
</context>
<context>
    <name>IGlyphShelf</name>
    <message>
        <source>油井</source>
        <translation>Oil well</translation>
    </message>
    <message>
        <source>气井</source>
        <translation>Gas well</translation>
    </message>
    <message>
        <source>油气井</source>
        <translation>Oil and gas well</translation>
    </message>
    <message>
        <source>水井</source>
        <translation>Water well</translation>
    </message>
    <message>
        <source>干井</source>
        <translation>Dry well</translation>
    </message>
    <message>
        <source>注水井</source>
        <translation>Water injector</translation>
    </message>
    <message>
        <source>注气井</source>
        <translation>Gas injector</translation>
    </message>
    <message>
        <source>观察井</source>
        <translation>Observation well</translation>
    </message>
    <message>
        <source>设计井</source>
        <translation>Planned well</translation>
    </message>
    <message>
        <source>废弃油井</source>
        <translation>Abandoned oil well</translation>
    </message>
    <message>
        <source>废弃气井</source>
        <translation>Abandoned gas well</translation>
    </message>
    <message>
        <source>油水同出井</source>
        <translation>Oil and water well</translation>
    </message>
    <message>
        <source>报废井</source>
        <translation>Scrapped well</translation>
    </message>
</context>
<context>
    <name>LasParser</name>
    <message>
        <source>解释数据时没有找到相应的数据段<byte value="xd"/>
原因：<byte value="xd"/>
  (1)、不是LAS格式文件；<byte value="xd"/>
  (2)、LAS文件数据格式有缺失。<byte value="xd"/>
  请检查数据，确保无误之后重试。</source>
        <translation>No section was found while reading the data.<byte value="xd"/>
Reasons:<byte value="xd"/>
  (1) the file is not a LAS file;<byte value="xd"/>
  (2) the LAS file is incomplete.<byte value="xd"/>
  Please check the data and try again.</translation>
    </message>
    <message>
        <source>解释数据时没有找到数据开始标记“~A”，请检查数据，确保无误之后重试。</source>
        <translation>No data start mark “~A” was found while reading the data. Please check the data and try again.</translation>
    </message>
    <message>
        <source>非法的Las格式文件。</source>
        <translation>Not a valid LAS file: its ~V or ~C section is missing.</translation>
    </message>
    <message>
        <source>文件数据有问题，请检查数据，确保无误之后重试！</source>
        <translation>The file&apos;s data are faulty: its wrapped rows do not make whole records. Please check the data and try again!</translation>
    </message>
    <message>
        <source>下列深度的数据有问题，请检查数据，确保无误之后重试：
</source>
        <translation>The data at the following depths are faulty (another number of values than curves). Please check the data and try again:
</translation>
    </message>
</context>
<context>
    <name>LoadChoices</name>
    <message>
        <source>井轨迹数据不完整，请重新选择或校正数据文件。</source>
        <translation>The well path data are incomplete. Please choose the columns again or correct the data file.</translation>
    </message>
    <message>
        <source>请指定井名称。</source>
        <translation>Please give the well name&apos;s column.</translation>
    </message>
    <message>
        <source>请指定井的X坐标。</source>
        <translation>Please give the column of the well&apos;s X coordinate.</translation>
    </message>
    <message>
        <source>请指定井的Y坐标。</source>
        <translation>Please give the column of the well&apos;s Y coordinate.</translation>
    </message>
</context>
<context>
    <name>LoadFailure</name>
    <message>
        <source>文件中没有文本行：文件是空的，或只有空行。</source>
        <translation>The file holds no line of text: it is empty, or holds blank lines only.</translation>
    </message>
</context>
<context>
    <name>MultiWellHeader</name>
    <message>
        <source>以下文件存在错误，将不会被加载，请检查文件数据！<byte value="xd"/>
</source>
        <translation>The files below have errors and will not be loaded. Please check their data!<byte value="xd"/>
</translation>
    </message>
</context>
</TS>
