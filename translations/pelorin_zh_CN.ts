<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FrameRecorder</name>
    <message>
        <source>Cannot record to &quot;%1&quot;: %2.</source>
        <translation>无法录制到“%1”：%2。</translation>
    </message>
    <message numerus="yes">
        <source>Recording to &quot;%1&quot; stopped: %2. The %n frame(s) recorded before are kept in the file.</source>
        <translation>
            <numerusform>录制到“%1”已停止：%2。之前录制的 %n 个数据帧保留在文件中。</numerusform>
        </translation>
    </message>
    <message>
        <source>the file could not take any more (is the disk full?)</source>
        <translation>文件无法再写入（磁盘已满？）</translation>
    </message>
</context>
<context>
    <name>HelpPicture</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Dashed: helicopter types only.</source>
        <translation>虚线: 仅限直升机类型。</translation>
    </message>
    <message>
        <source>switch to USER1,
read its settings</source>
        <translation>切换到 USER1,
读取其设置</translation>
    </message>
    <message>
        <source>pick the port,
read settings</source>
        <translation>选择端口,
读取设置</translation>
    </message>
    <message>
        <source>show this
picture</source>
        <translation>显示本图</translation>
    </message>
    <message>
        <source>settings to
a file</source>
        <translation>设置存入
文件</translation>
    </message>
    <message>
        <source>load a file and
send it</source>
        <translation>载入文件
并发送</translation>
    </message>
    <message>
        <source>servo travel
left / right</source>
        <translation>舵机行程
左 / 右</translation>
    </message>
    <message>
        <source>servo direction
per channel</source>
        <translation>各通道的
舵机方向</translation>
    </message>
    <message>
        <source>centre offset
per channel</source>
        <translation>各通道的
中立偏移</translation>
    </message>
    <message>
        <source>dual rates
CH1, CH2, CH4</source>
        <translation>大小舵
CH1, CH2, CH4</translation>
    </message>
    <message>
        <source>stick mode
MODEL1 .. 4</source>
        <translation>摇杆模式
MODEL1 .. 4</translation>
    </message>
    <message>
        <source>model type
ACRO / HELI</source>
        <translation>模型类型
ACRO / HELI</translation>
    </message>
    <message>
        <source>throttle curve
NOR and ID</source>
        <translation>油门曲线
NOR 和 ID</translation>
    </message>
    <message>
        <source>pitch curve
NOR and ID</source>
        <translation>螺距曲线
NOR 和 ID</translation>
    </message>
    <message>
        <source>swash mixing
CH1, CH2, CH6</source>
        <translation>十字盘混控
CH1, CH2, CH6</translation>
    </message>
    <message>
        <source>three program
mixes</source>
        <translation>三组
程序混控</translation>
    </message>
    <message>
        <source>function: DR,
ThroCut, NOR/ID</source>
        <translation>功能: DR,
油门锁定, NOR/ID</translation>
    </message>
    <message>
        <source>knob function:
Pith Adjust</source>
        <translation>旋钮功能:
螺距调整</translation>
    </message>
    <message>
        <source>Right click or
Shift+F10:</source>
        <translation>右键单击或
Shift+F10：</translation>
    </message>
    <message>
        <source>CH1..CH6 above: the bars follow the sticks.</source>
        <translation>上方 CH1..CH6：条形跟随摇杆。</translation>
    </message>
    <message>
        <source>Each editor sends the settings on OK.</source>
        <translation>每个编辑窗口按 OK 即发送设置。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Fields that differ</source>
        <translation>不同的字段</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutDialog</name>
    <message>
        <source>Licence: GNU GPL, version 3 or later</source>
        <translation>许可证：GNU GPL 第 3 版或更高版本</translation>
    </message>
    <message>
        <source>About Pelorin</source>
        <translation>关于 Pelorin</translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation>Pelorin 图标</translation>
    </message>
    <message>
        <source>Pelorin Version 1.0</source>
        <translation>Pelorin 版本 1.0</translation>
    </message>
    <message>
        <source>Transmitter setup © 2026</source>
        <translation>遥控器设置 © 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>pelorin::BlockSender</name>
    <message>
        <source>The settings are kept in the history: History… (Ctrl+H) sends them once the transmitter is connected.</source>
        <translation>这些设置已保存在历史记录中：连接发射机后，可通过“历史记录…”（Ctrl+H）发送。</translation>
    </message>
    <message>
        <source>the transmitter or its memory changed while the question was open</source>
        <translation>在询问期间，发射机或其存储已改变</translation>
    </message>
    <message>
        <source>the transmitter&apos;s settings changed while the question was open</source>
        <translation>在询问期间，发射机的设置已改变</translation>
    </message>
    <message>
        <source>Nothing was sent: %1. Look at what it holds now and try again.</source>
        <translation>未发送任何内容：%1。请查看它现在保存的设置，然后重试。</translation>
    </message>
</context>
<context>
    <name>pelorin::Channel</name>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
</context>
<context>
    <name>pelorin::ChannelDisplay</name>
    <message>
        <source>Live channels</source>
        <translation>实时通道</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>pelorin::ChannelTrace</name>
    <message>
        <source>Channel trace</source>
        <translation>通道曲线</translation>
    </message>
    <message>
        <source>The last 10 seconds of CH1 to CH6 as lines over time</source>
        <translation>CH1 至 CH6 最近 10 秒随时间变化的曲线</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>pelorin::CommandLineTexts</name>
    <message>
        <source>Sets up a six-channel radio-control transmitter over its serial cable.
Qt&apos;s options for graphical programs (-platform, -style, ...) are accepted too.</source>
        <translation>通过串口线设置六通道遥控器。
也接受 Qt 图形程序的选项（-platform、-style 等）。</translation>
    </message>
    <message>
        <source>Start on port P instead of probing: a COM number (3, COM3), a device path (%1) or a virtual transmitter&apos;s name.</source>
        <translation>使用端口 P 启动而不探测：COM 编号（3、COM3）、设备路径（%1）或虚拟遥控器的名称。</translation>
    </message>
    <message>
        <source>Try &apos;pelorin --help&apos;.</source>
        <translation>请尝试“pelorin --help”。</translation>
    </message>
    <message>
        <source>Usage: pelorin [options]</source>
        <translation>用法：pelorin [选项]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; pelorin takes no files.</source>
        <translation>意外的参数“%1”；pelorin 不接受文件。</translation>
    </message>
    <message>
        <source>--port needs a port: a COM number, a device path or a name.</source>
        <translation>--port 需要一个端口：COM 编号、设备路径或名称。</translation>
    </message>
    <message>
        <source>Open the Models window at start: models are edited, printed and saved as PDF there, with or without the transmitter.</source>
        <translation>启动时打开“模型”窗口：可在其中编辑、打印模型并保存为 PDF，无论是否连接发射机。</translation>
    </message>
</context>
<context>
    <name>pelorin::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>The transmitter</source>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>比较(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation>与(&amp;W)：</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>没有不同的字段。</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n 个字段不同。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::CurveDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>MODEL</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>EP%1</source>
        <translation>EP%1</translation>
    </message>
    <message>
        <source>Curve graph</source>
        <translation>曲线图</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1：%2 %</translation>
    </message>
    <message>
        <source>%1 curve: %2; live marker at %3 (0 to 1023).</source>
        <translation>%1 曲线：%2；实时标记位于 %3（0 至 1023）。</translation>
    </message>
    <message>
        <source>Which curve the points show and edit: NOR the normal curve, ID the idle-up curve (a switch set to NOR/ID picks it on the transmitter).</source>
        <translation>这些点显示并编辑哪条曲线: NOR 为普通曲线, ID 为特技(怠速提升)曲线(在遥控器上由设为 NOR/ID 的开关选择)。</translation>
    </message>
    <message>
        <source>%1 of the shown curve, %2 to %3 %: 0 is the graph&apos;s bottom edge, 100 its top; %4 is at the left, %5 at the right.</source>
        <translation>所显示曲线的 %1, %2 到 %3 %: 0 为图的下边, 100 为上边; %4 在左, %5 在右。</translation>
    </message>
</context>
<context>
    <name>pelorin::DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>pelorin::DualRateDialog</name>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>DR ON</source>
        <translation>DR 开</translation>
    </message>
    <message>
        <source>DR OFF</source>
        <translation>DR 关</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 DR ON</source>
        <translation>%1 DR 开</translation>
    </message>
    <message>
        <source>%1 DR OFF</source>
        <translation>%1 DR 关</translation>
    </message>
    <message>
        <source>%1 travel while the dual-rate switch is on, %2 to %3 %.</source>
        <translation>大小舵开关打开时 %1 的行程, %2 到 %3 %。</translation>
    </message>
    <message>
        <source>%1 travel while the dual-rate switch is off, %2 to %3 %.</source>
        <translation>大小舵开关关闭时 %1 的行程, %2 到 %3 %。</translation>
    </message>
</context>
<context>
    <name>pelorin::EndPointDialog</name>
    <message>
        <source>End Point</source>
        <translation>行程量</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 left end point</source>
        <translation>%1 左行程量</translation>
    </message>
    <message>
        <source>%1 right end point</source>
        <translation>%1 右行程量</translation>
    </message>
    <message>
        <source>%1 left end point: how far the servo travels to the left, %2 to %3 %.</source>
        <translation>%1 左行程量: 舵机向左转动的幅度, %2 到 %3 %。</translation>
    </message>
    <message>
        <source>%1 right end point: how far the servo travels to the right, %2 to %3 %.</source>
        <translation>%1 右行程量: 舵机向右转动的幅度, %2 到 %3 %。</translation>
    </message>
</context>
<context>
    <name>pelorin::HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The main window&apos;s buttons</source>
        <translation>主窗口的按钮</translation>
    </message>
    <message>
        <source>A picture of the main window with a note on each button. System Option: GetUser switches the transmitter to USER1 and reads its settings, Setting chooses the serial port and reads the memory last chosen, Help shows this picture, Save writes the settings to a file, Open loads a file and sends it. System Setting: EndPoint (servo travel left and right), Reverse (servo direction), SubTrim (centre offset), DR (dual rates of CH1, CH2 and CH4), Mode (stick mode), Type (model type), Thro Cuv and Pitch Cuv (throttle and pitch curves, NOR and ID), Swash Afr (swash mixing of CH1, CH2 and CH6) and MIX. (three program mixes); the two curves and Swash Afr are for helicopter types only. Switch Program: Switch A and Switch B choose DR, ThroCut or NOR/ID, VR(A) and VR(B) choose Pith Adjust. The live display shows CH1 to CH6 as bars that follow the sticks. Every editor sends the settings to the transmitter when it is closed with OK. The window&apos;s context menu (right click, the Menu key or Shift+F10) holds Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z), which name the write they take back or make again, Print setup sheet… (Ctrl+P) and Save setup sheet as PDF… for the transmitter&apos;s settings, Models… (Ctrl+L), Monitor… (Ctrl+M), History… (Ctrl+H), Transmitter memory… (switches the transmitter to USER1 or USER2), Close, and Pelorin, which opens About.</source>
        <translation>主窗口的示意图, 每个按钮都有说明。系统选项: 读取 把遥控器切换到 USER1 并读取其设置, 端口 选择串口并读取上次选择的存储, 帮助 显示本图, 保存 把设置写入文件, 打开 载入文件并发送。系统设置: 行程量(左右舵机行程), 反向(舵机方向), 中立微调(中立偏移), DR(CH1、CH2 和 CH4 的大小舵), 模式(摇杆模式), 类型(模型类型), 油门曲线和螺距曲线(NOR 和 ID), 十字盘(CH1、CH2 和 CH6 的十字盘混控)以及 混控(三组程序混控); 两条曲线和十字盘仅用于直升机类型。开关程序: 开关 A 和开关 B 选择 DR、油门锁定或 NOR/ID, VR(A) 和 VR(B) 选择螺距调整。实时显示以跟随摇杆的条形显示 CH1 到 CH6。每个编辑窗口按 OK 关闭时都会把设置发送到遥控器。窗口的右键菜单(右键单击、菜单键或 Shift+F10)包含 撤销(Ctrl+Z)和重做(Ctrl+Shift+Z), 它们会写明要撤回或重新执行的写入；打印设置单…(Ctrl+P)和将设置单保存为 PDF…, 用于遥控器当前的设置；模型…(Ctrl+L)、监视器…(Ctrl+M)、历史记录…(Ctrl+H)、遥控器存储…(把遥控器切换到 USER1 或 USER2)、关闭, 以及打开“关于”的 Pelorin。</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of the language of this translation (&quot;de&quot;, &quot;zh_CN&quot;): the Help window shows the picture help_&lt;code&gt;.pic drawn from it.</extracomment>
        <translation>zh_CN</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryModel</name>
    <message>
        <source>no change</source>
        <translation>无变化</translation>
    </message>
    <message>
        <source>(the first entry)</source>
        <translation>（第一条记录）</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>设备：%1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>发生了什么</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>更改的字段</translation>
    </message>
    <message>
        <source>(a damaged entry)</source>
        <translation>（已损坏的记录）</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryRecorder</name>
    <message>
        <source>Pelorin goes on working, but does not record what it sends and receives.</source>
        <translation>Pelorin 继续工作，但不再记录它发送和接收的内容。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Nothing to redo: no write was taken back since the last one.</source>
        <translation>没有可重做的操作：自上次写入以来没有撤回任何写入。</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Nothing to undo: the history holds no write to this transmitter and memory that can be taken back.</source>
        <translation>没有可撤销的操作：历史记录中没有写入此发射机及此存储、可以撤回的设置。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1”（%2）</translation>
    </message>
    <message>
        <source>Send back what the transmitter held before %1?</source>
        <translation>发回发射机在%1之前保存的设置？</translation>
    </message>
    <message>
        <source>What the transmitter held before %1</source>
        <translation>发射机在%1之前保存的设置</translation>
    </message>
    <message>
        <source>Send %1 again?</source>
        <translation>再次发送%1？</translation>
    </message>
    <message>
        <source>Redo (nothing to redo)</source>
        <translation>重做（没有可重做的）</translation>
    </message>
    <message>
        <source>Undo (nothing to undo)</source>
        <translation>撤销（没有可撤销的）</translation>
    </message>
    <message>
        <source>Redo “%1”</source>
        <translation>重做“%1”</translation>
    </message>
    <message>
        <source>Undo “%1”</source>
        <translation>撤销“%1”</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryWindow</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Newest first. Select one entry to see its fields; two to compare them.</source>
        <translation>最新的在前。选择一条记录查看其字段；选择两条进行比较。</translation>
    </message>
    <message>
        <source>Fields of the selected entry</source>
        <translation>所选记录的字段</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>比较(&amp;C)…</translation>
    </message>
    <message>
        <source>Lists the fields that differ between the two selected entries, or between the selected entry and what the transmitter holds now.</source>
        <translation>列出两条所选记录之间、或所选记录与发射机当前设置之间不同的字段。</translation>
    </message>
    <message>
        <source>&amp;Keep as model…</source>
        <translation>保存为模型(&amp;K)…</translation>
    </message>
    <message>
        <source>Keeps the selected entry&apos;s settings as a model of the library.</source>
        <translation>将所选记录的设置保存为模型库中的模型。</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>发送到发射机(&amp;S)…</translation>
    </message>
    <message>
        <source>Shows what changes, then sends the selected entry&apos;s settings to the transmitter, as Open does.</source>
        <translation>先显示将改变的内容，然后像“打开”一样把所选记录的设置发送到发射机。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes the history (Escape).</source>
        <translation>关闭历史记录（Esc）。</translation>
    </message>
    <message>
        <source>Close the history</source>
        <translation>关闭历史记录</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n damaged line(s) skipped)</source>
        <translation>
            <numerusform>（跳过 %n 行损坏的内容）</numerusform>
        </translation>
    </message>
    <message>
        <source>Transmitter now</source>
        <translation>发射机当前</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same settings.</source>
        <translation>%1 与 %2 的设置相同。</translation>
    </message>
    <message>
        <source>Fields that differ between %1 and %2:</source>
        <translation>%1 与 %2 之间不同的字段：</translation>
    </message>
    <message>
        <source>Fields that differ</source>
        <translation>不同的字段</translation>
    </message>
    <message>
        <source>Keep as model</source>
        <translation>保存为模型</translation>
    </message>
    <message>
        <source>Send to transmitter</source>
        <translation>发送到发射机</translation>
    </message>
    <message>
        <source>Send the settings of %1 to the transmitter?</source>
        <translation>将 %1 的设置发送到发射机？</translation>
    </message>
    <message>
        <source>%1, memory %2</source>
        <translation>%1，存储 %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>无设备</translation>
    </message>
    <message>
        <source>%1 belongs to %2, but the transmitter connected now is %3.

Send it there anyway?</source>
        <translation>%1 属于 %2，但现在连接的发射机是 %3。

仍然发送到那里？</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>仍然发送</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>The newest %n entries; older ones are read as you scroll down.</source>
        <translation>
            <numerusform>最新的 %n 条记录；向下滚动时读取更早的记录。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Older history…</source>
        <translation>较早的历史记录(&amp;O)…</translation>
    </message>
    <message>
        <source>Shows a history kept aside when the file grew full (history-&lt;date&gt;.jsonl beside the current one). Choose history.jsonl to come back to the current history.</source>
        <translation>显示文件写满时另存的历史（当前历史旁的 history-&lt;日期&gt;.jsonl）。选择 history.jsonl 可回到当前历史。</translation>
    </message>
    <message>
        <source>Older history</source>
        <translation>较早的历史记录</translation>
    </message>
    <message>
        <source>History files (*.jsonl)</source>
        <translation>历史文件 (*.jsonl)</translation>
    </message>
    <message>
        <source>History — %1</source>
        <translation>历史记录 — %1</translation>
    </message>
    <message>
        <source>the model “%1” of the library</source>
        <translation>模型库中的模型“%1”</translation>
    </message>
</context>
<context>
    <name>pelorin::MainDialog</name>
    <message>
        <source>Models…</source>
        <translation>模型…</translation>
    </message>
    <message>
        <source>Monitor…</source>
        <translation>监视器…</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>System Option</source>
        <translation>系统选项</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Switch Program</source>
        <translation>开关程序</translation>
    </message>
    <message>
        <source>Choose USER1 or USER2: the transmitter switches to that memory and sends its settings, which the window then shows and edits.</source>
        <translation>选择 USER1 或 USER2: 遥控器切换到该存储并发送其设置, 窗口随后显示并编辑这些设置。</translation>
    </message>
    <message>
        <source>About %1: its version and licence</source>
        <translation>关于 %1: 版本和许可证</translation>
    </message>
    <message>
        <source>The window shows: %1</source>
        <translation>窗口显示: %1</translation>
    </message>
    <message>
        <source>Switches the transmitter to USER1 and reads its settings.</source>
        <translation>把遥控器切换到 USER1 并读取其设置。</translation>
    </message>
    <message>
        <source>Closes the port, lets you choose a serial port, opens it, then switches the transmitter to %1 (the memory last chosen) and reads its settings.</source>
        <translation>关闭端口, 让您选择串口并打开它, 然后把遥控器切换到 %1(上次选择的存储)并读取其设置。</translation>
    </message>
    <message>
        <source>Transmitter memory…</source>
        <translation>遥控器存储…</translation>
    </message>
    <message>
        <source>%1 already exists and is not a settings file.
Replace it with the transmitter&apos;s settings?</source>
        <translation>%1 已存在，且不是设置文件。
要用发射机的设置替换它吗？</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>历史记录…</translation>
    </message>
    <message>
        <source>GetUser</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>EndPoint</source>
        <translation>行程量</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>SubTrim</source>
        <translation>中立微调</translation>
    </message>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Thro Cuv</source>
        <translation>油门曲线</translation>
    </message>
    <message>
        <source>Pitch Cuv</source>
        <translation>螺距曲线</translation>
    </message>
    <message>
        <source>Swash Afr</source>
        <translation>十字盘</translation>
    </message>
    <message>
        <source>MIX.</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Switch A</source>
        <translation>开关 A</translation>
    </message>
    <message>
        <source>Switch B</source>
        <translation>开关 B</translation>
    </message>
    <message>
        <source>VR(A)</source>
        <translation>VR(A)</translation>
    </message>
    <message>
        <source>VR(B)</source>
        <translation>VR(B)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>StartAdjust</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>StopAdjust</source>
        <translation>停止校准</translation>
    </message>
    <message>
        <source>Sends back what the transmitter held before the last write to it, after showing what changes.</source>
        <translation>显示将要改变的内容后，发回发射机在上次写入之前保存的设置。</translation>
    </message>
    <message>
        <source>Sends the write that Undo took back again, after showing what changes.</source>
        <translation>显示将要改变的内容后，再次发送被撤销的写入。</translation>
    </message>
    <message>
        <source>A one-page setup sheet of the transmitter&apos;s settings, for the flight box.</source>
        <translation>发射机设置的单页设置单，可放在飞行箱中。</translation>
    </message>
    <message>
        <source>Saves the setup sheet of the transmitter&apos;s settings as a PDF file.</source>
        <translation>将发射机设置的设置单保存为 PDF 文件。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Print setup sheet…</source>
        <translation>打印设置单…</translation>
    </message>
    <message>
        <source>Save setup sheet as PDF…</source>
        <translation>将设置单保存为 PDF…</translation>
    </message>
</context>
<context>
    <name>pelorin::ModelWindow</name>
    <message>
        <source>Opens the editor on this model&apos;s settings; its OK stores the model.</source>
        <translation>用此模型的设置打开编辑器；点击确定即保存模型。</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>发送到发射机(&amp;S)…</translation>
    </message>
    <message>
        <source>Shows what changes, then sends this model&apos;s settings to the transmitter.</source>
        <translation>显示将改变的内容，然后将此模型的设置发送到发射机。</translation>
    </message>
    <message>
        <source>C&amp;ompare with transmitter</source>
        <translation>与发射机比较(&amp;O)</translation>
    </message>
    <message>
        <source>Lists the fields in which this model differs from what the transmitter holds now.</source>
        <translation>列出此模型与发射机当前设置不同的字段。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes the model (Escape).</source>
        <translation>关闭此模型（Esc）。</translation>
    </message>
    <message>
        <source>Close the model</source>
        <translation>关闭模型</translation>
    </message>
    <message>
        <source>%1 — Pelorin</source>
        <translation>%1 — Pelorin</translation>
    </message>
    <message>
        <source>No transmitter is connected, or its settings have not arrived: there is nothing to compare this model with yet.</source>
        <translation>未连接发射机，或其设置尚未收到：目前没有可与此模型比较的内容。</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Prints this model&apos;s setup sheet, after a preview.</source>
        <translation>预览后打印此模型的设置单。</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>另存为 PDF(&amp;A)…</translation>
    </message>
    <message>
        <source>Saves this model&apos;s setup sheet as a PDF file.</source>
        <translation>将此模型的设置单保存为 PDF 文件。</translation>
    </message>
    <message>
        <source>Cop&amp;y as text</source>
        <translation>复制为文本(&amp;Y)</translation>
    </message>
    <message>
        <source>Puts this model&apos;s setup sheet on the clipboard as plain text, for a forum post or an e-mail.</source>
        <translation>将此模型的设置单以纯文本放到剪贴板，便于发帖或发送电子邮件。</translation>
    </message>
</context>
<context>
    <name>pelorin::ModelsWindow</name>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Readable model (*.json)</source>
        <translation>可读模型 (*.json)</translation>
    </message>
    <message>
        <source>Settings file, 67 bytes (*)</source>
        <translation>设置文件，67 字节 (*)</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Stick mode</source>
        <translation>摇杆模式</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>遥控器</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Free text kept with the selected model</source>
        <translation>随所选模型保存的自由文本</translation>
    </message>
    <message>
        <source>&amp;Keep transmitter&apos;s settings…</source>
        <translation>保存遥控器设置(&amp;K)…</translation>
    </message>
    <message>
        <source>Store the transmitter&apos;s current settings as a new model</source>
        <translation>将遥控器的当前设置存为新模型</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>发送到遥控器(&amp;S)…</translation>
    </message>
    <message>
        <source>Show what changes, then send the selected model</source>
        <translation>显示将改变的内容，然后发送所选模型</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>比较(&amp;C)…</translation>
    </message>
    <message>
        <source>List the fields in which two models, or a model and the transmitter, differ</source>
        <translation>列出两个模型之间或模型与遥控器之间不同的字段</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>重命名(&amp;R)…</translation>
    </message>
    <message>
        <source>Give the selected model another name</source>
        <translation>为所选模型改名</translation>
    </message>
    <message>
        <source>D&amp;uplicate…</source>
        <translation>复制(&amp;U)…</translation>
    </message>
    <message>
        <source>Copy the selected model under a new name</source>
        <translation>以新名称复制所选模型</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>导入(&amp;I)…</translation>
    </message>
    <message>
        <source>Add settings files (67-byte or readable) to the library</source>
        <translation>将设置文件（67 字节或可读格式）添加到模型库</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>Write the selected model as a readable or a 67-byte file</source>
        <translation>将所选模型写为可读文件或 67 字节文件</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 cannot be read; hover over them for the reason.</source>
        <translation>
            <numerusform>%1 中有 %n 个文件无法读取；将鼠标悬停其上可查看原因。</numerusform>
        </translation>
    </message>
    <message>
        <source>Models are kept in %1</source>
        <translation>模型保存在 %1</translation>
    </message>
    <message>
        <source>✔ holds this</source>
        <translation>✔ 当前使用</translation>
    </message>
    <message>
        <source>The transmitter&apos;s settings equal this model&apos;s</source>
        <translation>遥控器的设置与此模型相同</translation>
    </message>
    <message>
        <source>Name of the model:</source>
        <translation>模型名称：</translation>
    </message>
    <message>
        <source>Keep transmitter&apos;s settings</source>
        <translation>保存遥控器设置</translation>
    </message>
    <message>
        <source>Send to transmitter</source>
        <translation>发送到遥控器</translation>
    </message>
    <message>
        <source>Sending &quot;%1&quot; changes these settings of the transmitter:</source>
        <translation>发送“%1”将改变遥控器的以下设置：</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1（副本）</translation>
    </message>
    <message>
        <source>Move the selected models to the trash (asks first)</source>
        <translation>将所选模型移到回收站（会先询问）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the window (Escape)</source>
        <translation>关闭窗口（Esc）</translation>
    </message>
    <message>
        <source>Close the models window</source>
        <translation>关闭模型窗口</translation>
    </message>
    <message>
        <source>%1
This model&apos;s name is also in %2. Rename one of them, so that each name is one model&apos;s.</source>
        <translation>%1
%2 也使用这个模型名称。请重命名其中一个，使每个名称只属于一个模型。</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) name a model that another file names too; they are marked. Rename one of each.</source>
        <translation>
            <numerusform>%n 个文件的模型名称与其他文件重复，已作标记。请各重命名其中一个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace settings</source>
        <translation>替换设置</translation>
    </message>
    <message numerus="yes">
        <source>Move %n model(s) to the trash?</source>
        <translation>
            <numerusform>要将 %n 个模型移到回收站吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>移到回收站</translation>
    </message>
    <message>
        <source>A model named &quot;%1&quot; is kept already. Replace its settings with these? Its notes are kept.</source>
        <translation>名为“%1”的模型已存在。要用这些设置替换它的设置吗？其备注将保留。</translation>
    </message>
    <message>
        <source>The model &quot;%1&quot;</source>
        <translation>模型“%1”</translation>
    </message>
    <message>
        <source>Edit the selected model without the transmitter: the editors of the main window, each OK stored in the library (also double-click or Return)</source>
        <translation>无需发射机即可编辑所选模型：使用主窗口的编辑器，每次确定都保存到模型库（也可双击或按回车）</translation>
    </message>
    <message>
        <source>&amp;New model…</source>
        <translation>新建模型(&amp;N)…</translation>
    </message>
    <message>
        <source>Make a model from the transmitter&apos;s settings, or a blank one of a type, and edit it</source>
        <translation>根据发射机的设置或某一类型的空白模型新建模型并编辑</translation>
    </message>
    <message>
        <source>New model</source>
        <translation>新建模型</translation>
    </message>
    <message>
        <source>Name of the model</source>
        <translation>模型名称</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Start from</source>
        <translation>起始于</translation>
    </message>
    <message>
        <source>A blank model has end points 100, nothing reversed, sub trims 0, dual rates 100, straight curves and no mixes.</source>
        <translation>空白模型：端点 100，无反向，微调 0，双比率 100，直线曲线，无混控。</translation>
    </message>
    <message>
        <source>The transmitter&apos;s settings now</source>
        <translation>发射机当前的设置</translation>
    </message>
    <message>
        <source>A blank %1 model</source>
        <translation>空白 %1 模型</translation>
    </message>
    <message>
        <source>&amp;Start from:</source>
        <translation>起始于(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Show the selected model&apos;s setup sheet, one page with all its settings, and print it</source>
        <translation>显示所选模型的设置单（一页，包含全部设置）并打印</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>另存为 PDF(&amp;A)…</translation>
    </message>
    <message>
        <source>Write the selected model&apos;s setup sheet to a PDF file</source>
        <translation>将所选模型的设置单保存为 PDF 文件</translation>
    </message>
    <message>
        <source>Copy the selected model&apos;s setup sheet as plain text, for an e-mail or a forum post</source>
        <translation>将所选模型的设置单复制为纯文本，用于电子邮件或论坛帖子</translation>
    </message>
    <message>
        <source>The setup sheet of “%1” is on the clipboard.</source>
        <translation>“%1”的设置单已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Edi&amp;t…</source>
        <translation>编辑(&amp;T)…</translation>
    </message>
    <message>
        <source>Cop&amp;y as text</source>
        <translation>复制为文本(&amp;Y)</translation>
    </message>
</context>
<context>
    <name>pelorin::MonitorWindow</name>
    <message>
        <source>Record to CSV File</source>
        <translation>录制到 CSV 文件</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监视器</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>Word: as received (1000..2100). Value: word - 1512. Percent: value as a share of 512 (word 1000 is -100 %, 2024 is +100 %). AUX is a raw word without a centre: its place in 0..1023.</source>
        <translation>原始值：接收到的值（1000..2100）。数值：原始值 - 1512。百分比：数值占 512 的比例（原始值 1000 为 -100 %，2024 为 +100 %）。AUX 是没有中点的原始值：显示其在 0..1023 中的位置。</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>原始值</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>AUX</source>
        <translation>AUX</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>–</source>
        <comment>no value yet</comment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Good frames</source>
        <translation>有效数据帧</translation>
    </message>
    <message>
        <source>Dropped frames</source>
        <translation>丢弃的数据帧</translation>
    </message>
    <message>
        <source>Settings frames</source>
        <translation>设置数据帧</translation>
    </message>
    <message>
        <source>Last good frame</source>
        <translation>最后有效数据帧</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>&quot;No data&quot; when no good frame has come for a second</source>
        <translation>一秒内没有有效数据帧时显示“无数据”</translation>
    </message>
    <message>
        <source>Good live frames per second</source>
        <translation>每秒有效实时数据帧</translation>
    </message>
    <message>
        <source>Live frames dropped since this window opened (a bad checksum or a channel word above 2100), and how many per second</source>
        <translation>自此窗口打开以来丢弃的实时数据帧（校验和错误或通道值超过 2100）以及每秒数量</translation>
    </message>
    <message>
        <source>Settings frames received since this window opened</source>
        <translation>自此窗口打开以来收到的设置数据帧</translation>
    </message>
    <message>
        <source>Time since the last good live frame</source>
        <translation>距最后一个有效实时数据帧的时间</translation>
    </message>
    <message>
        <source>The port in use and its device</source>
        <translation>正在使用的端口及其设备</translation>
    </message>
    <message>
        <source>Last 10 seconds</source>
        <translation>最近 10 秒</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the monitor</source>
        <translation>关闭监视器</translation>
    </message>
    <message>
        <source>%1 /s</source>
        <translation>%1 /秒</translation>
    </message>
    <message>
        <source>– /s</source>
        <translation>– /秒</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Receiving</source>
        <translation>正在接收</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>等待数据</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>尚无</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>%1, no device</source>
        <translation>%1，无设备</translation>
    </message>
    <message>
        <source>%1, not open
%2</source>
        <translation>%1，未打开
%2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>未在录制</translation>
    </message>
    <message numerus="yes">
        <source>Recording to %1: %n frame(s)</source>
        <translation>
            <numerusform>正在录制到 %1：%n 个数据帧</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation>录制(&amp;R)…</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Record to a CSV file</source>
        <translation>录制到 CSV 文件</translation>
    </message>
    <message>
        <source>Stop recording; the file keeps every frame so far</source>
        <translation>停止录制；文件保留目前为止的所有数据帧</translation>
    </message>
    <message>
        <source>Write every good frame to a CSV file: time in ms, the six channel words and the auxiliary word</source>
        <translation>将每个有效数据帧写入 CSV 文件：以毫秒计的时间、六个通道原始值和辅助值</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>继续(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Resume the trace</source>
        <translation>继续曲线</translation>
    </message>
    <message>
        <source>Pause the trace</source>
        <translation>暂停曲线</translation>
    </message>
    <message>
        <source>Let the trace run again</source>
        <translation>让曲线继续运行</translation>
    </message>
    <message>
        <source>Hold the trace still to look at it</source>
        <translation>暂停曲线以便查看</translation>
    </message>
    <message>
        <source>Which of the transmitter&apos;s memories (USER1, USER2) the main window&apos;s settings are; Transmitter memory… in its menu switches</source>
        <translation>主窗口的设置来自遥控器的哪个存储(USER1、USER2); 其菜单中的 遥控器存储… 可切换</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
</context>
<context>
    <name>pelorin::PitchCurveDialog</name>
    <message>
        <source>Pitch Curv</source>
        <translation>螺距曲线</translation>
    </message>
</context>
<context>
    <name>pelorin::PortAdviceTexts</name>
    <message>
        <source>process %1</source>
        <translation>进程 %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>ModemManager looks at every new serial adapter for a few seconds after it is plugged in. Wait a moment and try again, or stop it:
    sudo systemctl stop ModemManager</source>
        <translation>ModemManager 会在每个新串口适配器插入后检查它几秒钟。请稍候再试，或停止它：
    sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty takes some USB serial adapters for Braille displays. If no Braille display is used on this computer, remove it:
    sudo apt remove brltty</source>
        <translation>brltty 会把某些 USB 串口适配器当作盲文显示器。如果这台电脑不使用盲文显示器，请卸载它：
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>请关闭 %1，然后重试。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.

Your user account is not allowed to use serial ports. Add it to the dialout group:
    sudo usermod -aG dialout $USER
then log out and log in again.</source>
        <translation>无法打开 %1：%2。

您的用户帐户无权使用串口。请将其加入 dialout 组：
    sudo usermod -aG dialout $USER
然后注销并重新登录。</translation>
    </message>
    <message>
        <source>The port is also held by %1.</source>
        <translation>该端口还被 %1 占用。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use (%2).</source>
        <translation>无法打开 %1：端口正被占用（%2）。</translation>
    </message>
    <message>
        <source>It is held by %1.</source>
        <translation>它被 %1 占用。</translation>
    </message>
    <message>
        <source>Another program holds it open, for example ModemManager or a serial terminal. Close that program (or stop ModemManager) and try again.</source>
        <translation>另一个程序（例如 ModemManager 或串口终端）正打开着它。请关闭该程序（或停止 ModemManager）后重试。</translation>
    </message>
    <message>
        <source>To see which program it is:
    sudo fuser -v %1</source>
        <translation>查看是哪个程序：
    sudo fuser -v %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>%1: the connection was lost (%2).</source>
        <translation>%1：连接已断开（%2）。</translation>
    </message>
    <message>
        <source>name its port with --port (pelorin-cli ports lists them)</source>
        <translation>用 --port 指定其端口（pelorin-cli ports 会列出端口）</translation>
    </message>
    <message>
        <source>choose its port with the Setting button</source>
        <translation>用“端口”按钮选择其端口</translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter (or start the virtual transmitter pelorin-txsim), then %2.</source>
        <translation>无法打开 %1：这台电脑没有该编号的串口。

请连接遥控器（或启动虚拟遥控器 pelorin-txsim），然后%2。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist (%2).

Check that the transmitter is plugged in, then %3.</source>
        <translation>无法打开 %1：设备不存在（%2）。

请检查遥控器是否已插入，然后%3。</translation>
    </message>
    <message>
        <source>Pelorin opens the port again by itself as soon as the device is back; the Setting button chooses another one.</source>
        <translation>设备恢复后 Pelorin 会自动重新打开端口；也可以用“端口”按钮选择其他端口。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter, then %2.</source>
        <translation>无法打开 %1：本计算机没有该编号的串口。

请连接发射机，然后%2。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Windows has no such port (%2).

Check that the transmitter&apos;s cable is plugged in, then %3. A USB serial cable needs the driver of its chip (CH340 or CH341, CP210x, FTDI, PL2303): when the Device Manager lists the cable under “Other devices” instead of “Ports (COM &amp; LPT)”, install the driver from the chip maker&apos;s website.</source>
        <translation>无法打开 %1：Windows 中没有此端口（%2）。

请检查发射机的数据线是否已插好，然后%3。USB 串口线需要其芯片的驱动程序（CH340 或 CH341、CP210x、FTDI、PL2303）：如果设备管理器将该数据线列在“其他设备”下而不是“端口 (COM 和 LPT)”下，请从芯片厂商的网站安装驱动程序。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use (%2).

It is held by %3. Close it, then try again.</source>
        <translation>无法打开 %1：端口正被占用（%2）。

占用者为 %3。请关闭它，然后重试。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use by another program (%2).

Windows does not say which one. Close the program that uses the port (a serial terminal, another configuration program, a second Pelorin), then try again.</source>
        <translation>无法打开 %1：端口正被另一个程序占用（%2）。

Windows 不会告知是哪个程序。请关闭使用该端口的程序（串口终端、其他配置程序或另一个 Pelorin），然后重试。</translation>
    </message>
</context>
<context>
    <name>pelorin::PortDiscoveryTexts</name>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Virtual transmitter on %1</source>
        <translation>位于 %1 的虚拟遥控器</translation>
    </message>
    <message>
        <source>Virtual transmitter (gone: %1)</source>
        <translation>虚拟遥控器（已消失：%1）</translation>
    </message>
</context>
<context>
    <name>pelorin::PortSpecTexts</name>
    <message>
        <source>There is no port COM%1; the port numbers are COM1 to COM%2.</source>
        <translation>没有端口 COM%1；端口编号为 COM1 至 COM%2。</translation>
    </message>
    <message>
        <source>COM%1 has no device: no serial port was found on this computer.</source>
        <translation>COM%1 没有设备：这台电脑上未找到串口。</translation>
    </message>
    <message>
        <source>COM%1 has no device on this computer; the ports found are COM1 to COM%2.</source>
        <translation>COM%1 在这台电脑上没有设备；找到的端口为 COM1 至 COM%2。</translation>
    </message>
    <message>
        <source>%1 leads to %2, which does not exist.</source>
        <translation>%1 指向不存在的 %2。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not among the serial ports found on this computer.</source>
        <translation>%1 不在这台电脑找到的串口之中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a port number (COM1 to COM%2), a device path, nor the name of a serial port or virtual transmitter found on this computer.</source>
        <translation>“%1”既不是端口编号（COM1 至 COM%2），也不是设备路径，也不是这台电脑上找到的串口或虚拟遥控器的名称。</translation>
    </message>
    <message>
        <source>No port given: write a port number such as COM1, a device path such as %1, or the name of a virtual transmitter.</source>
        <translation>未指定端口：请写端口编号（如 COM1）、设备路径（如 %1）或虚拟遥控器的名称。</translation>
    </message>
</context>
<context>
    <name>pelorin::ProgramMixDialog</name>
    <message>
        <source>PROGRAM MIX</source>
        <translation>程序混控</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Mix Num</source>
        <translation>混控号</translation>
    </message>
    <message>
        <source>MIX 1</source>
        <translation>混控 1</translation>
    </message>
    <message>
        <source>MIX 2</source>
        <translation>混控 2</translation>
    </message>
    <message>
        <source>MIX 3</source>
        <translation>混控 3</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>主通道</translation>
    </message>
    <message>
        <source>Des</source>
        <translation>从通道</translation>
    </message>
    <message>
        <source>Up Rate</source>
        <translation>上比率</translation>
    </message>
    <message>
        <source>Down Rate</source>
        <translation>下比率</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>SW A</source>
        <translation>SW A</translation>
    </message>
    <message>
        <source>SW B</source>
        <translation>SW B</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>VR A</source>
        <translation>VR A</translation>
    </message>
    <message>
        <source>VR B</source>
        <translation>VR B</translation>
    </message>
    <message>
        <source>How far the destination moves as the source moves up, %1 to %2 %.</source>
        <translation>源向上移动时目标移动的幅度, %1 到 %2 %。</translation>
    </message>
    <message>
        <source>How far the destination moves as the source moves down, %1 to %2 %.</source>
        <translation>源向下移动时目标移动的幅度, %1 到 %2 %。</translation>
    </message>
</context>
<context>
    <name>pelorin::QtSerialControl</name>
    <message>
        <source>%1 is already open.</source>
        <translation>%1 已经打开。</translation>
    </message>
    <message>
        <source>the link leads to %1, which is gone</source>
        <translation>链接指向已不存在的 %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有该文件</translation>
    </message>
    <message>
        <source>%1: nothing can be sent, the port is not open.</source>
        <translation>%1：无法发送，端口未打开。</translation>
    </message>
    <message>
        <source>%1: nothing was sent, the output buffer is full (the device takes no data).</source>
        <translation>%1：未发送任何内容，输出缓冲区已满（设备不接收数据）。</translation>
    </message>
    <message>
        <source>%1: the data could not be sent: %2.</source>
        <translation>%1：无法发送数据：%2。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>the device was removed</source>
        <translation>设备已被移除</translation>
    </message>
    <message>
        <source>the other end hung up</source>
        <translation>对端已挂断</translation>
    </message>
    <message>
        <source>opened exclusively by another program</source>
        <translation>已被另一个程序独占打开</translation>
    </message>
</context>
<context>
    <name>pelorin::ReverseDialog</name>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 NOR</source>
        <translation>%1 NOR</translation>
    </message>
    <message>
        <source>Ticked: %1 is reversed. Clear: %1 runs normal.</source>
        <translation>勾选: %1 反向。不勾选: %1 正常。</translation>
    </message>
</context>
<context>
    <name>pelorin::SaveFileTexts</name>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation>无法保存“%1”：%2。</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>该文件受写保护</translation>
    </message>
    <message>
        <source>The folder does not allow new files, which saving needs</source>
        <translation>该文件夹不允许新建文件，而保存需要新建文件</translation>
    </message>
    <message>
        <source>the disk is full. Free some space on it (or choose a file on another disk), then try again</source>
        <translation>磁盘已满。请在该磁盘上释放一些空间（或选择其他磁盘上的文件），然后重试</translation>
    </message>
    <message>
        <source>it is not a regular file but a folder, a pipe or a device</source>
        <translation>它不是普通文件，而是文件夹、管道或设备</translation>
    </message>
</context>
<context>
    <name>pelorin::SendConfirmation</name>
    <message>
        <source>Model type and stick mode</source>
        <translation>模型类型和摇杆模式</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>行程量</translation>
    </message>
    <message>
        <source>Sub trim</source>
        <translation>中立微调</translation>
    </message>
    <message>
        <source>Dual rates</source>
        <translation>大小舵</translation>
    </message>
    <message>
        <source>Swash AFR</source>
        <translation>十字盘 AFR</translation>
    </message>
    <message>
        <source>Throttle curve</source>
        <translation>油门曲线</translation>
    </message>
    <message>
        <source>Pitch curve</source>
        <translation>螺距曲线</translation>
    </message>
    <message>
        <source>Program mixes</source>
        <translation>程序混控</translation>
    </message>
    <message>
        <source>Switches and VRs</source>
        <translation>开关和 VR</translation>
    </message>
    <message>
        <source>No setting changes: the transmitter holds this already.</source>
        <translation>没有设置会改变：发射机已保存这些设置。</translation>
    </message>
    <message>
        <source>Only the ticked groups change; the others stay as the transmitter holds them.</source>
        <translation>只有勾选的组会改变；其他组保持发射机当前的设置。</translation>
    </message>
    <message>
        <source>Fields that change, by group</source>
        <translation>将改变的字段（按组）</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Transmitter now</source>
        <translation>发射机当前</translation>
    </message>
    <message>
        <source>After sending</source>
        <translation>发送后</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>发送(&amp;S)</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Nothing was sent: no group was ticked.</source>
        <translation>未发送任何内容：没有勾选任何组。</translation>
    </message>
    <message>
        <source>%1: %2 (the editor makes %3 to %4)</source>
        <translation>%1：%2（编辑窗口允许 %3 到 %4）</translation>
    </message>
    <message>
        <source>%1 holds values that none of Pelorin&apos;s editors could make:

%2

Sending it may leave the transmitter in a state no editor can show or correct. Send it anyway?</source>
        <translation>%1 含有 Pelorin 的任何编辑窗口都无法产生的数值：

%2

发送后，发射机可能处于任何编辑窗口都无法显示或更正的状态。仍要发送吗？</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>仍然发送</translation>
    </message>
</context>
<context>
    <name>pelorin::SerialErrorReporter</name>
    <message>
        <source>One more serial error followed.</source>
        <translation>随后又出现了一个串口错误。</translation>
    </message>
    <message>
        <source>%1 more serial errors followed.</source>
        <translation>随后又出现了 %1 个串口错误。</translation>
    </message>
</context>
<context>
    <name>pelorin::SerialSettingDialog</name>
    <message>
        <source>Serial Setting</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No serial port can be opened now. Connect the transmitter and open this window again, or press Cancel to keep the port used so far.</source>
        <translation>当前无法打开任何串口。请连接发射机后重新打开此窗口，或按“取消”保留目前使用的端口。</translation>
    </message>
    <message>
        <source>“%1” is not a port that can be opened now. Choose one of the list: %2.</source>
        <translation>“%1”不是当前可以打开的端口。请从列表中选择：%2。</translation>
    </message>
</context>
<context>
    <name>pelorin::SetupSheet</name>
    <message>
        <source>EP%1</source>
        <translation>EP%1</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Unnamed model</source>
        <translation>未命名模型</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Stick mode</source>
        <translation>摇杆模式</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>USER1</source>
        <translation>USER1</translation>
    </message>
    <message>
        <source>USER2</source>
        <translation>USER2</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>End point L</source>
        <translation>行程量 左</translation>
    </message>
    <message>
        <source>End point R</source>
        <translation>行程量 右</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Sub trim</source>
        <translation>中立微调</translation>
    </message>
    <message>
        <source>Dual rate ON</source>
        <translation>双比率 开</translation>
    </message>
    <message>
        <source>Dual rate OFF</source>
        <translation>双比率 关</translation>
    </message>
    <message>
        <source>Swash AFR</source>
        <translation>十字盘 AFR</translation>
    </message>
    <message>
        <source>Throttle curve</source>
        <translation>油门曲线</translation>
    </message>
    <message>
        <source>Pitch curve</source>
        <translation>螺距曲线</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Up rate</source>
        <translation>上比率</translation>
    </message>
    <message>
        <source>Down rate</source>
        <translation>下比率</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>Switch A</source>
        <translation>开关 A</translation>
    </message>
    <message>
        <source>Switch B</source>
        <translation>开关 B</translation>
    </message>
    <message>
        <source>VR A</source>
        <translation>VR A</translation>
    </message>
    <message>
        <source>VR B</source>
        <translation>VR B</translation>
    </message>
    <message>
        <source>Made on %1 with Pelorin %2</source>
        <translation>%1 由 Pelorin %2 生成</translation>
    </message>
    <message>
        <source>Settings checksum: %1</source>
        <translation>设置校验和：%1</translation>
    </message>
    <message>
        <source>Setup sheet: %1</source>
        <translation>设置单：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Program mixes</source>
        <translation>程序混控</translation>
    </message>
    <message>
        <source>Switches and knobs</source>
        <translation>开关和旋钮</translation>
    </message>
    <message>
        <source>Pelorin setup sheet</source>
        <translation>Pelorin 设置单</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Cannot write the setup sheet “%1”: %2. Choose a folder you may write to, or another file name.</source>
        <translation>无法写入设置单“%1”：%2。请选择可写入的文件夹或其他文件名。</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>无法创建 PDF</translation>
    </message>
</context>
<context>
    <name>pelorin::SetupSheetView</name>
    <message>
        <source>Setup sheet</source>
        <translation>设置单</translation>
    </message>
    <message>
        <source>setup sheet</source>
        <translation>设置单</translation>
    </message>
    <message>
        <source>Print setup sheet</source>
        <translation>打印设置单</translation>
    </message>
    <message>
        <source>Save setup sheet as PDF</source>
        <translation>将设置单保存为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>发射机</translation>
    </message>
</context>
<context>
    <name>pelorin::StickModeDialog</name>
    <message>
        <source>Stick Select</source>
        <translation>摇杆模式</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>MODEL1</source>
        <translation>模式1</translation>
    </message>
    <message>
        <source>MODEL2</source>
        <translation>模式2</translation>
    </message>
    <message>
        <source>MODEL3</source>
        <translation>模式3</translation>
    </message>
    <message>
        <source>MODEL4</source>
        <translation>模式4</translation>
    </message>
    <message>
        <source>Sticks</source>
        <translation>摇杆</translation>
    </message>
    <message>
        <source>Left stick: elevator and rudder. Right stick: throttle and aileron.</source>
        <translation>左摇杆：升降舵和方向舵。右摇杆：油门和副翼。</translation>
    </message>
    <message>
        <source>Left stick: throttle and rudder. Right stick: elevator and aileron.</source>
        <translation>左摇杆：油门和方向舵。右摇杆：升降舵和副翼。</translation>
    </message>
    <message>
        <source>Left stick: elevator and aileron. Right stick: throttle and rudder.</source>
        <translation>左摇杆：升降舵和副翼。右摇杆：油门和方向舵。</translation>
    </message>
    <message>
        <source>Left stick: throttle and aileron. Right stick: elevator and rudder.</source>
        <translation>左摇杆：油门和副翼。右摇杆：升降舵和方向舵。</translation>
    </message>
</context>
<context>
    <name>pelorin::SubTrimDialog</name>
    <message>
        <source>SubTrim</source>
        <translation>中立微调</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 sub trim: moves the servo&apos;s centre, %2 to %3.</source>
        <translation>%1 中立微调: 移动舵机的中立点, %2 到 %3。</translation>
    </message>
</context>
<context>
    <name>pelorin::SwashAfrDialog</name>
    <message>
        <source>Swash AFR</source>
        <translation>十字盘 AFR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <source>elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>螺距</translation>
    </message>
    <message>
        <source>%1, %2: the swash plate&apos;s travel for %2, %3 to %4 %; below 0 reverses it.</source>
        <translation>%1, %2: 十字盘对%2的行程, %3 到 %4 %; 小于 0 则反向。</translation>
    </message>
</context>
<context>
    <name>pelorin::SwitchSelectDialog</name>
    <message>
        <source>Switch Selector</source>
        <translation>开关功能</translation>
    </message>
    <message>
        <source>Please Select Function For  Switch</source>
        <translation>请选择开关的功能</translation>
    </message>
    <message>
        <source>SW On:</source>
        <translation>开启：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>无</translation>
    </message>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>ThroCut</source>
        <translation>油门锁定</translation>
    </message>
    <message>
        <source>NOR/ID</source>
        <translation>NOR/ID</translation>
    </message>
    <message>
        <source>What switch %1 on the transmitter does when it is on: NULL nothing, DR the dual rates, ThroCut cuts the throttle, NOR/ID picks the idle-up curves (helicopter types only).</source>
        <translation>遥控器上开关 %1 打开时的作用: 无 不起作用, DR 大小舵, 油门锁定 切断油门, NOR/ID 选择特技曲线(仅直升机类型)。</translation>
    </message>
</context>
<context>
    <name>pelorin::SystemMenu</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>pelorin::ThrottleCurveDialog</name>
    <message>
        <source>Thro Curv</source>
        <translation>油门曲线</translation>
    </message>
</context>
<context>
    <name>pelorin::TransmitterConnection</name>
    <message>
        <source>No serial port of this computer opens. Connect the transmitter (or start the virtual transmitter pelorin-txsim), or name its port with --port; &quot;pelorin-cli ports&quot; shows every port and why it does not open.</source>
        <translation>这台电脑的串口都无法打开。请连接遥控器（或启动虚拟遥控器 pelorin-txsim），或用 --port 指定其端口；“pelorin-cli ports”会显示每个端口及其无法打开的原因。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s.</source>
        <translation>%1 在 %2 秒内没有应答。</translation>
    </message>
    <message>
        <source>Live channel frames arrive, so the transmitter is there but did not send its settings.</source>
        <translation>收到了实时通道数据帧，说明遥控器在线，但没有发送其设置。</translation>
    </message>
    <message>
        <source>Nothing arrived: check that the transmitter is switched on and connected to this port.</source>
        <translation>没有收到任何数据：请检查遥控器是否已开机并连接到此端口。</translation>
    </message>
    <message>
        <source>COM%1 closed</source>
        <translation>COM%1 已关闭</translation>
    </message>
    <message>
        <source>not known: the memory the transmitter had active</source>
        <translation>未知: 遥控器当时使用的存储</translation>
    </message>
    <message>
        <source>%1, its settings not received yet</source>
        <translation>%1, 尚未收到其设置</translation>
    </message>
    <message>
        <source>No serial port was found: no transmitter is connected to this computer and no virtual transmitter (pelorin-txsim) is running.</source>
        <translation>未找到串口：这台电脑没有连接遥控器，也没有运行虚拟遥控器（pelorin-txsim）。</translation>
    </message>
    <message>
        <source>No serial port could be opened. Tried:</source>
        <translation>无法打开任何串口。已尝试：</translation>
    </message>
    <message>
        <source>Pelorin connects by itself when the transmitter appears: plug it in and switch it on (or start pelorin-txsim). The Setting button chooses a port by hand.</source>
        <translation>遥控器出现时 Pelorin 会自动连接：请插入并打开遥控器（或启动 pelorin-txsim）。也可以用“端口”按钮手动选择端口。</translation>
    </message>
    <message>
        <source>Waiting for COM%1 (%2)</source>
        <translation>正在等待 COM%1（%2）</translation>
    </message>
    <message>
        <source>Waiting for %1 or a new transmitter</source>
        <translation>正在等待 %1 或新的遥控器</translation>
    </message>
    <message>
        <source>No port: waiting for a transmitter</source>
        <translation>无端口：正在等待遥控器</translation>
    </message>
    <message>
        <source>COM%1 open, no frames yet</source>
        <translation>COM%1 已打开，尚无数据帧</translation>
    </message>
    <message numerus="yes">
        <source>%n settings frame(s) arrived with a wrong checksum: the line is disturbed (cable, plug, or another program sending on it).</source>
        <translation>
            <numerusform>%n 个设置数据帧的校验和错误：线路受到干扰（线缆、插头，或另一个程序在其上发送）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::TypeDialog</name>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ACRO</source>
        <translation>ACRO</translation>
    </message>
    <message>
        <source>HELI-120</source>
        <translation>HELI-120</translation>
    </message>
    <message>
        <source>HELI-90</source>
        <translation>HELI-90</translation>
    </message>
    <message>
        <source>HELI-140</source>
        <translation>HELI-140</translation>
    </message>
</context>
<context>
    <name>pelorin::UserSelectDialog</name>
    <message>
        <source>Type Select</source>
        <translation>用户选择</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>USER1</source>
        <translation>USER1</translation>
    </message>
    <message>
        <source>USER2</source>
        <translation>USER2</translation>
    </message>
    <message>
        <source>USER1 or USER2: the transmitter&apos;s two memories, each holding a whole model.</source>
        <translation>USER1 或 USER2: 遥控器的两个存储, 各保存一个完整模型。</translation>
    </message>
</context>
<context>
    <name>pelorin::VrSelectDialog</name>
    <message>
        <source>VR Selector</source>
        <translation>VR 功能</translation>
    </message>
    <message>
        <source>Please Select Function For  VR</source>
        <translation>请选择旋钮的功能</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>VR function</source>
        <translation>VR 功能</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Pith Adjust</source>
        <translation>螺距调整</translation>
    </message>
    <message>
        <source>What knob VR(%1) on the transmitter adjusts: NULL nothing, Pith Adjust the pitch (helicopter types only).</source>
        <translation>遥控器上旋钮 VR(%1) 调整的内容: 无 不调整, 螺距调整 调整螺距(仅直升机类型)。</translation>
    </message>
</context>
<context>
    <name>pelorin::Win32SerialControl</name>
    <message>
        <source>%1 is already open.</source>
        <translation>%1 已经打开。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1: nothing can be sent, the port is not open.</source>
        <translation>%1：无法发送，端口未打开。</translation>
    </message>
    <message>
        <source>%1: the data could not be sent: %2.</source>
        <translation>%1：无法发送数据：%2。</translation>
    </message>
</context>
<context>
    <name>pelorin::models::HistoryTexts</name>
    <message>
        <source>Received from the transmitter</source>
        <translation>从发射机接收</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>OK in %1</source>
        <translation>在 %1 中确定</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Model “%1” sent</source>
        <translation>已发送模型“%1”</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Sent again from the history</source>
        <translation>从历史记录再次发送</translation>
    </message>
    <message>
        <source>pelorin-cli write from standard input</source>
        <translation>pelorin-cli 从标准输入写入</translation>
    </message>
    <message>
        <source>pelorin-cli write %1</source>
        <translation>pelorin-cli 写入 %1</translation>
    </message>
    <message>
        <source>%1 (not sent)</source>
        <translation>%1（未发送）</translation>
    </message>
    <message>
        <source>The history cannot be kept: the folder %1 cannot be made.</source>
        <translation>无法保存历史记录：无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The history cannot be kept in %1: %2.</source>
        <translation>无法在 %1 中保存历史记录：%2。</translation>
    </message>
    <message>
        <source>no line of it is a record of the history</source>
        <translation>其中没有任何一行是历史记录条目</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read (%2). It was moved to %3, and a new history begins.</source>
        <translation>无法读取历史记录文件 %1（%2）。它已被移到 %3，新的历史记录从现在开始。</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read (%2), nor moved aside. Nothing of it can be shown.</source>
        <translation>无法读取历史记录文件 %1（%2），也无法将其移开。无法显示其中任何内容。</translation>
    </message>
    <message>
        <source>The history file %1 is not a regular file but a folder, a pipe or a device, so no history is kept or shown. Remove it, or put a regular file in its place.</source>
        <translation>历史记录文件 %1 不是普通文件，而是文件夹、管道或设备，因此不会保存或显示历史记录。请删除它，或在其位置放一个普通文件。</translation>
    </message>
    <message>
        <source>The history file %1 is larger than %2 MiB: only its newest entries are shown. Move it aside to begin a new history.</source>
        <translation>历史记录文件 %1 大于 %2 MiB：只显示其中最新的条目。请将其移开，以开始新的历史记录。</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Sent again from the history: %1</source>
        <translation>从历史记录再次发送：%1</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>无法读取历史记录文件 %1：%2。</translation>
    </message>
    <message>
        <source>Model “%1”: %2</source>
        <translation>模型“%1”：%2</translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelFormatTexts</name>
    <message>
        <source>a whole number %1..%2</source>
        <translation>整数 %1..%2</translation>
    </message>
    <message>
        <source>one of %1, or %2</source>
        <translation>%1 之一，或 %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of this field; expected %2</source>
        <translation>“%1”不是此字段的值；应为 %2</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>应为 %1</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 不是整数</translation>
    </message>
    <message>
        <source>%1 is out of range; expected %2</source>
        <translation>%1 超出范围；应为 %2</translation>
    </message>
    <message>
        <source>expected a text in double quotes</source>
        <translation>应为双引号中的文本</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: field &quot;%2&quot;: %3</source>
        <translation>%1：字段“%2”：%3</translation>
    </message>
    <message>
        <source>not valid JSON at line %1, column %2: %3</source>
        <translation>第 %1 行第 %2 列不是有效的 JSON：%3</translation>
    </message>
    <message>
        <source>not a model: the JSON is not an object</source>
        <translation>不是模型：该 JSON 不是对象</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>应为“%1”</translation>
    </message>
    <message>
        <source>expected the number %1</source>
        <translation>应为数字 %1</translation>
    </message>
    <message>
        <source>unknown format version %1; this program reads version %2</source>
        <translation>未知的格式版本 %1；本程序读取版本 %2</translation>
    </message>
    <message>
        <source>expected an object with one key per field</source>
        <translation>应为每个字段一个键的对象</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>未知字段</translation>
    </message>
    <message>
        <source>not a settings file: it is %1 bytes long, and a settings file is exactly %2 bytes or a model in JSON</source>
        <translation>不是设置文件：它有 %1 字节，而设置文件恰好为 %2 字节或为 JSON 格式的模型</translation>
    </message>
    <message>
        <source>%1: cannot be read: not a regular file</source>
        <translation>%1：无法读取：不是普通文件</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1：无法读取：%2</translation>
    </message>
    <message>
        <source>%1: not a settings file: larger than 1 MiB</source>
        <translation>%1：不是设置文件：大于 1 MiB</translation>
    </message>
    <message>
        <source>given more than once; each key once</source>
        <translation>出现了不止一次；每个键只能出现一次</translation>
    </message>
    <message>
        <source>this looks like a readable model file that was cut short: its text breaks off after %1 bytes. Open the complete file, or save the model again</source>
        <translation>这看起来是一个被截断的可读模型文件：其文本在 %1 字节后中断。请打开完整的文件，或重新保存该模型</translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelLibrary</name>
    <message>
        <source>The model folder %1 cannot be created.</source>
        <translation>无法创建模型文件夹 %1。</translation>
    </message>
    <message>
        <source>The model folder %1 cannot be read.</source>
        <translation>无法读取模型文件夹 %1。</translation>
    </message>
    <message>
        <source>%1: not a model in JSON</source>
        <translation>%1：不是 JSON 格式的模型</translation>
    </message>
    <message>
        <source>A model needs a name.</source>
        <translation>模型需要一个名称。</translation>
    </message>
    <message>
        <source>A model named &quot;%1&quot; already exists (%2).</source>
        <translation>名为“%1”的模型已存在（%2）。</translation>
    </message>
    <message>
        <source>%1: the model is no longer in the library.</source>
        <translation>%1：该模型已不在模型库中。</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2); the file is kept.</source>
        <translation>无法将 %1 移到回收站（%2）；文件已保留。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
