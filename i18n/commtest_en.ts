<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
    <context>
        <name>commtest</name>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>通讯测试软件</source>
            <translation>Communication Test</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>通讯测试软件   Ver 6.23</source>
            <translation>Communication Test   Ver 6.23</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>无法读取通讯设置文件 %1（%2）。
本次使用默认设置：COM1，9600bps。请通过“通讯口设置”重新设定。</source>
            <translation>Cannot read the communication settings file %1 (%2).
Using the defaults this time: COM1, 9600 bps. Please set the port again through “Port Settings”.</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../config/config_texts.h"/>
            <source>提示</source>
            <translation>Notice</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>无法完全读取通讯设置文件 %1（%2）。
本次使用：COM%3，9600bps。请通过“通讯口设置”重新设定。</source>
            <translation>Cannot read all of the communication settings file %1 (%2).
Using COM%3 at 9600 bps this time. Please set the port again through “Port Settings”.</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>实时趋势正在使用通讯口，请先关闭实时趋势窗口。</source>
            <translation>The live trend is using the port. Please close the live trend window first.</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>仪表列表 (*.csv);;所有文件 (*)</source>
            <translation>Instrument list (*.csv);;All files (*)</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>打开仪表列表</source>
            <translation>Open Instrument List</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>保存仪表列表</source>
            <translation>Save Instrument List</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>无法打开仪表列表 %1：
%2

当前列表保持不变。</source>
            <translation>Cannot open the instrument list %1:
%2

The current list is unchanged.</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>无法保存仪表列表 %1：
%2</source>
            <translation>Cannot save the instrument list %1:
%2</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>列表中没有仪表，请先搜索。</source>
            <translation>The list holds no instruments; search first.</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>打印预览 - 仪表调试报告</source>
            <translation>Print Preview - Commissioning Report</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>文件(&amp;F)</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>打开(&amp;O)...</source>
            <translation>&amp;Open...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>保存(&amp;S)...</source>
            <translation>&amp;Save...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>打印(&amp;P)...</source>
            <translation>&amp;Print...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>退出(&amp;X)</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>通讯(&amp;C)</source>
            <translation>&amp;Communication</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>通讯口设置(&amp;S)...</source>
            <translation>Port &amp;Settings...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>搜索(&amp;S)...</source>
            <translation>&amp;Search...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>操作(&amp;O)</source>
            <translation>&amp;Operation</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>终端(&amp;T)</source>
            <translation>&amp;Terminal</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>配置(&amp;S)...</source>
            <translation>&amp;Configuration...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>数据诊断(&amp;D)</source>
            <translation>&amp;Data Diagnosis</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>实时趋势(&amp;C)</source>
            <translation>&amp;Live Trend</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>历史趋势(&amp;H)</source>
            <translation>&amp;History Trend</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>窗口(&amp;W)</source>
            <translation>&amp;Window</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>拆分(&amp;S)</source>
            <translation>&amp;Split</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>水平平铺(&amp;H)</source>
            <translation>Tile &amp;Horizontally</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>垂直平铺(&amp;P)</source>
            <translation>Tile &amp;Vertically</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>层叠(&amp;C)</source>
            <translation>&amp;Cascade</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>搜索列表</source>
            <translation>Search List</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>帮助(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>帮助主题(&amp;T)</source>
            <translation>Help &amp;Topics</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>联机手册(&amp;A)</source>
            <translation>Online &amp;Manual</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>获得技术支持(&amp;G)</source>
            <translation>&amp;Get Technical Support</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>公司简介(&amp;S)</source>
            <translation>Company &amp;Profile</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>选型目录(&amp;C)</source>
            <translation>Product &amp;Catalogue</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>产品介绍(&amp;I)</source>
            <translation>Product &amp;Introduction</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>软件下载(&amp;D)</source>
            <translation>Software &amp;Download</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>网上订购(&amp;B)</source>
            <translation>&amp;Buy Online</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>搜索(&amp;F)...</source>
            <translation>&amp;Find...</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>主页(&amp;H)</source>
            <translation>&amp;Home Page</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>关于通讯测试软件(&amp;A)</source>
            <translation>&amp;About Communication Test</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../help/help_texts.h"/>
            <location filename="../search/search_dialog_texts.h"/>
            <source>搜索</source>
            <translation>Search</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>终端</source>
            <translation>Terminal</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>通讯口设置</source>
            <translation>Port Settings</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../config/config_dialog_texts.h"/>
            <source>配置</source>
            <translation>Configuration</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../trends/live_trend_texts.h"/>
            <source>实时趋势</source>
            <translation>Live Trend</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <location filename="../trends/history_window_texts.h"/>
            <source>历史趋势</source>
            <translation>History Trend</translation>
        </message>
        <message>
            <location filename="../app/main_window_texts.h"/>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <location filename="../search/search_dialog_texts.h"/>
            <source>快速搜索</source>
            <translation>Fast Scan</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>应答超时：</source>
            <translation>Reply time-out:</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>快速搜索时，请求发出后等待仪表开始应答的最长时间</source>
            <translation>In a fast scan, the longest wait after a request for an instrument to begin its reply</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <source>数据诊断</source>
            <translation>Data Diagnosis</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>刷新周期：</source>
            <translation>Poll interval:</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>通讯口对应的设备</source>
            <translation>Device of each port</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>COM%1：</source>
            <translation>COM%1:</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>自动</source>
            <translation>Automatic</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>%1（未连接）</source>
            <translation>%1 (not connected)</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>界面</source>
            <translation>Interface</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>语言：</source>
            <translation>Language:</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>跟随系统</source>
            <translation>Follow the system</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>中文</source>
            <translation>中文</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <source>新的语言在程序下次启动时生效。</source>
            <translation>A new language takes effect the next time the program starts.</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <location filename="../link/port_settings_texts.h"/>
            <location filename="../search/search_dialog_texts.h"/>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <location filename="../config/config_dialog_texts.h"/>
            <location filename="../link/port_settings_texts.h"/>
            <location filename="../search/search_dialog_texts.h"/>
            <location filename="../trends/history_window_texts.h"/>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>应用程序设置文件 %1 中有无法使用的设置，已改用默认值：
%2</source>
            <translation>The application settings file %1 holds settings that cannot be used; their defaults are used instead:
%2</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>新的设置已生效，但无法保存到文件 %1：%2
原来的设置文件保持不变。</source>
            <translation>The new settings are in effect, but they could not be saved to the file %1: %2
The old settings file is unchanged.</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <location filename="../link/port_settings_texts.h"/>
            <location filename="../search/diagnosis_gate.cpp"/>
            <location filename="../search/port_messages.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>错误</source>
            <translation>Error</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>第 %1 行：%2</source>
            <translation>Line %1: %2</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>无法读取（%1）</source>
            <translation>cannot be read (%1)</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>文件过大（%1 字节），不是本程序的设置文件</source>
            <translation>the file is too large (%1 bytes) to be this program's settings file</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <location filename="../search/list_file_texts.h"/>
            <source>文件不是 UTF-8 文本</source>
            <translation>the file is not UTF-8 text</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>“%1”不是“名称=值”形式</source>
            <translation>“%1” is not of the form “name=value”</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>%1 的值“%2”不是整数</source>
            <translation>the value “%2” of %1 is not a whole number</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>%1 的值 %2 超出范围 %3–%4</source>
            <translation>the value %2 of %1 is outside the range %3–%4</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>%1 的值“%2”应为 0 或 1</source>
            <translation>the value “%2” of %1 should be 0 or 1</translation>
        </message>
        <message>
            <location filename="../config/config_texts.h"/>
            <source>%1 的值“%2”无法使用</source>
            <translation>the value “%2” of %1 cannot be used</translation>
        </message>
        <message>
            <location filename="../config/settings_format.cpp"/>
            <source># commtest 的应用程序设置（UTF-8）。通讯口与波特率保存在 Communicate.txt 中。
</source>
            <translation># commtest application settings (UTF-8). The port and baud rate are kept in Communicate.txt.
</translation>
        </message>
        <message>
            <location filename="../config/settings_format.cpp"/>
            <source>]
# 两项都为空：自动
</source>
            <translation>]
# both empty: automatic
</translation>
        </message>
        <message>
            <location filename="../config/settings_format.cpp"/>
            <source>
[history]
# 空：程序的 data 文件夹
</source>
            <translation>
[history]
# empty: the program's data folder
</translation>
        </message>
        <message>
            <location filename="../config/settings_format.cpp"/>
            <source>
[interface]
# 空：跟随系统
</source>
            <translation>
[interface]
# empty: follow the system
</translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <source>退出</source>
            <translation>Exit</translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <source>趋势</source>
            <translation>Trend</translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <location filename="../trends/live_trend_texts.h"/>
            <source>记录</source>
            <translation>Record</translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <source>通讯口： COM</source>
            <translation>Port: COM</translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <source>波特率： </source>
            <translation>Baud rate: </translation>
        </message>
        <message>
            <location filename="../diagnosis/dynamic_texts.h"/>
            <location filename="../tools/decode/decode_session.cpp"/>
            <source>仪表类型：</source>
            <translation>Instrument type: </translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>通讯测试软件 帮助</source>
            <translation>Communication Test Help</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>目录</source>
            <translation>Contents</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>输入要查找的词</source>
            <translation>Type a word to find</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>没有找到“%1”</source>
            <translation>No match for &quot;%1&quot;</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>找不到手册：%1</source>
            <translation>Manual not found: %1</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>手册缺少页面：%1</source>
            <translation>The manual lacks a page: %1</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>获得技术支持</source>
            <translation>Get Technical Support</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>请求技术支持时，请把下面的内容连同问题的描述一起发给我们：</source>
            <translation>When you ask for technical support, send us the following together with a description of the problem:</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>复制</source>
            <translation>Copy</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>程序：通讯测试软件 %1</source>
            <translation>Program: Communication Test %1</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>Qt：运行 %1，编译 %2</source>
            <translation>Qt: running %1, built with %2</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>系统：%1（%2 %3，%4）</source>
            <translation>System: %1 (%2 %3, %4)</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>通讯口：COM%1，%2bps，%3</source>
            <translation>Port: COM%1, %2 bps, %3</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>设备 %1</source>
            <translation>device %1</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>默认设备</source>
            <translation>default device</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>最近的通讯（最新的在最后）：</source>
            <translation>Recent traffic (newest last):</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>（本次运行还没有通讯）</source>
            <translation>(no traffic in this run yet)</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>关于通讯测试软件</source>
            <translation>About Communication Test</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>&lt;h3&gt;通讯测试软件&lt;/h3&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;在一条 RS-485/RS-232 线路上调试和诊断数字面板仪表：搜索总线地址、列出仪表、实时诊断。&lt;/p&gt;&lt;p&gt;版权所有 © commtest 的作者们。保留所有权利。&lt;br&gt;未经许可，不得复制、修改或分发本软件。&lt;/p&gt;&lt;p&gt;使用 Qt %2（LGPL v3）。&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Communication Test&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Commission and troubleshoot digital panel instruments on one RS-485/RS-232 line: scan bus addresses, list the instruments, diagnose them live.&lt;/p&gt;&lt;p&gt;Copyright © the commtest authors. All rights reserved.&lt;br&gt;Copying, changing or distributing this software without permission is not allowed.&lt;/p&gt;&lt;p&gt;Uses Qt %2 (LGPL v3).&lt;/p&gt;</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>发送</source>
            <translation>Sent</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>接收</source>
            <translation>Received</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>应答</source>
            <translation>Reply</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>校验错</source>
            <translation>Bad check</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>回显</source>
            <translation>Echo</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>丢弃 %1 字节</source>
            <translation>%1 bytes dropped</translation>
        </message>
        <message>
            <location filename="../help/help_texts.h"/>
            <source>无应答 地址 %1</source>
            <translation>No reply, address %1</translation>
        </message>
        <message>
            <location filename="../help/manual_index.cpp"/>
            <source>，</source>
            <translation>, </translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>还没有历史记录文件“%1”。</source>
            <translation>There is no history file “%1” yet.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>无法创建历史记录文件“%1”：%2</source>
            <translation>Cannot create the history file “%1”: %2</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>“%1”不是本程序的历史记录文件，未作任何改动。</source>
            <translation>“%1” is not a history file of this program; nothing was changed.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>历史记录文件“%1”由更新版本的程序创建，未作任何改动。</source>
            <translation>The history file “%1” was made by a newer version of the program; nothing was changed.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>历史记录文件“%1”已损坏，未作任何改动：%2</source>
            <translation>The history file “%1” is damaged; nothing was changed: %2</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>无法写入历史记录文件“%1”，记录已停止：%2</source>
            <translation>Cannot write to the history file “%1”; recording has stopped: %2</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>磁盘已满，无法写入历史记录文件“%1”，记录已停止。</source>
            <translation>The disk is full: cannot write to the history file “%1”; recording has stopped.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>无法读取历史记录文件“%1”：%2</source>
            <translation>Cannot read the history file “%1”: %2</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>历史记录文件未打开。</source>
            <translation>No history file is open.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>历史记录文件“%1”以只读方式打开，不能记录。</source>
            <translation>The history file “%1” is open read-only and cannot record.</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>这是一个文件夹</source>
            <translation>it is a folder</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>无法建立文件夹“%1”</source>
            <translation>cannot create the folder “%1”</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>文件比其内容所需的短</source>
            <translation>the file is shorter than its contents need</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>文件头已损坏</source>
            <translation>the file header is damaged</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>缺少记录表</source>
            <translation>the table of records is missing</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>时间</source>
            <translation>Time</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>毫秒时间戳</source>
            <translation>Timestamp (ms)</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>判定</source>
            <translation>Verdict</translation>
        </message>
        <message>
            <location filename="../history/history_texts.h"/>
            <source>无法写入导出文件“%1”：%2</source>
            <translation>Cannot write the export file “%1”: %2</translation>
        </message>
        <message>
            <location filename="../link/port_names.cpp"/>
            <source>序列号 %1</source>
            <translation>serial number %1</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>通讯端口设置</source>
            <translation>Port Settings</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <location filename="../report/report_texts.h"/>
            <source>通讯口</source>
            <translation>Port</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>波特率</source>
            <translation>Baud Rate</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>数据位</source>
            <translation>Data Bits</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>停止位</source>
            <translation>Stop Bits</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>校验</source>
            <translation>Parity</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>无</source>
            <translation>None</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>该通讯口已被其他设备占用！</source>
            <translation>This port is in use by another device!</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>新的通讯口设置已生效，但无法保存到文件 %1：%2
原来的设置文件保持不变。</source>
            <translation>The new port settings are in effect, but they could not be saved to the file %1: %2
The old settings file is unchanged.</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>设备：%1</source>
            <translation>Device: %1</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>设备：%1（自动）</source>
            <translation>Device: %1 (automatic)</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>设备：%1（由环境变量 COMMTEST_COM%2 指定）</source>
            <translation>Device: %1 (set by the environment variable COMMTEST_COM%2)</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>所配置的设备 %1 未连接</source>
            <translation>The configured device %1 is not connected</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>系统中没有这个通讯口</source>
            <translation>The system has no such port</translation>
        </message>
        <message>
            <location filename="../link/port_settings_texts.h"/>
            <source>保留当前波特率 %1bps</source>
            <translation>Keeping the current rate of %1 bps</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>设备已拔出</source>
            <translation>device removed</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>无权访问或已被占用</source>
            <translation>access denied or in use</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>设备不存在</source>
            <translation>no such device</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>通讯口已打开</source>
            <translation>port already open</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>通讯口未打开</source>
            <translation>port not open</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>读数据出错</source>
            <translation>read error</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>写数据出错</source>
            <translation>write error</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>操作超时</source>
            <translation>timed out</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>不支持的操作</source>
            <translation>unsupported operation</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>未知错误</source>
            <translation>unknown error</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>（</source>
            <translation> (</translation>
        </message>
        <message>
            <location filename="../link/qt_serial_link.cpp"/>
            <source>）</source>
            <translation>)</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>文件为空</source>
            <translation>the file is empty</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>通讯口“%1”无法识别</source>
            <translation>the port “%1” is not recognised</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>缺少波特率</source>
            <translation>the baud rate is missing</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>波特率“%1”无法使用</source>
            <translation>the baud rate “%1” cannot be used</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>找不到文件</source>
            <translation>the file does not exist</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>无法创建文件夹 %1</source>
            <translation>cannot create the folder %1</translation>
        </message>
        <message>
            <location filename="../link/settings_file.cpp"/>
            <source>写入失败</source>
            <translation>writing failed</translation>
        </message>
        <message>
            <location filename="../mqtt/publish_bench.cpp"/>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——四位双报警单显表</source>
            <translation>LED series — 4-digit single display, 2 alarms</translation>
        </message>
        <message>
            <location filename="../report/report_html.cpp"/>
            <source>&lt;p&gt;%1：%2&lt;br&gt;%3：%4&lt;/p&gt;</source>
            <translation>&lt;p&gt;%1: %2&lt;br&gt;%3: %4&lt;/p&gt;</translation>
        </message>
        <message>
            <location filename="../report/report_print.cpp"/>
            <location filename="../search/list_file_texts.h"/>
            <source>无法写入文件：%1</source>
            <translation>Cannot write the file: %1</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>仪表调试报告</source>
            <translation>Commissioning Report</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>日期时间</source>
            <translation>Date and time</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>COM%1，%2bps</source>
            <translation>COM%1, %2 bps</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>仪表列表</source>
            <translation>Instrument list</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>列表中没有仪表。</source>
            <translation>The list holds no instruments.</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>诊断读数</source>
            <translation>Diagnosed readings</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>本次运行没有诊断过仪表。</source>
            <translation>No instrument was diagnosed in this run.</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>读取时间 %1</source>
            <translation>Read at %1</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>未知类型 %1</source>
            <translation>Unknown type %1</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>序号</source>
            <translation>No.</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <location filename="../search/list_file_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>地址</source>
            <translation>Address</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <location filename="../search/list_file_texts.h"/>
            <source>型号</source>
            <translation>Model</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <location filename="../search/list_file_texts.h"/>
            <source>往返时间(ms)</source>
            <translation>Round trip (ms)</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <location filename="../search/list_file_texts.h"/>
            <source>发现时间</source>
            <translation>Found at</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>项目</source>
            <translation>Item</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>读数</source>
            <translation>Reading</translation>
        </message>
        <message>
            <location filename="../report/report_texts.h"/>
            <source>单位</source>
            <translation>Unit</translation>
        </message>
        <message>
            <location filename="../search/diagnosis_gate.cpp"/>
            <source>未搜索到仪表</source>
            <translation>No instrument found</translation>
        </message>
        <message>
            <location filename="../search/diagnosis_gate.cpp"/>
            <source>无法显示实时数据</source>
            <translation>Cannot show live data</translation>
        </message>
        <message>
            <location filename="../search/diagnosis_gate.cpp"/>
            <source>未知设备</source>
            <translation>Unknown device</translation>
        </message>
        <message>
            <location filename="../search/instrument_list.cpp"/>
            <source>序 号</source>
            <translation>No.</translation>
        </message>
        <message>
            <location filename="../search/instrument_list.cpp"/>
            <source>地 址</source>
            <translation>Address</translation>
        </message>
        <message>
            <location filename="../search/instrument_list.cpp"/>
            <source>仪 表 类 型</source>
            <translation>Instrument Type</translation>
        </message>
        <message>
            <location filename="../search/instrument_list.cpp"/>
            <source>备  注</source>
            <translation>Remarks</translation>
        </message>
        <message>
            <location filename="../search/instrument_list.cpp"/>
            <source>%1（0x%2H）</source>
            <translation>%1（0x%2H）</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>地址字符</source>
            <translation>Address characters</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>类型代码</source>
            <translation>Type code</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>文件是空的</source>
            <translation>The file is empty</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>文件太大，不是仪表列表</source>
            <translation>The file is too large to be an instrument list</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 1 行不是仪表列表的标题行</source>
            <translation>Line 1 is not the header of an instrument list</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行应有 %2 列，实有 %3 列</source>
            <translation>Line %1 should have %2 columns but has %3</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的地址“%2”不是 0 到 255 的数</source>
            <translation>The address &quot;%2&quot; on line %1 is not a number from 0 to 255</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的地址字符“%2”不是两个字符</source>
            <translation>The address characters &quot;%2&quot; on line %1 are not two characters</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的类型代码“%2”不是两位十六进制数</source>
            <translation>The type code &quot;%2&quot; on line %1 is not two hexadecimal digits</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的往返时间“%2”不是毫秒数</source>
            <translation>The round trip &quot;%2&quot; on line %1 is not a number of milliseconds</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的发现时间“%2”无法识别</source>
            <translation>The time found &quot;%2&quot; on line %1 cannot be read</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的地址 %2 已在前面出现</source>
            <translation>The address %2 on line %1 appeared on an earlier line</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>第 %1 行的引号没有结束</source>
            <translation>A quote on line %1 is not closed</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>文件中没有仪表</source>
            <translation>The file holds no instruments</translation>
        </message>
        <message>
            <location filename="../search/list_file_texts.h"/>
            <source>无法打开文件：%1</source>
            <translation>Cannot open the file: %1</translation>
        </message>
        <message>
            <location filename="../search/port_messages.cpp"/>
            <source>系统无设定的通讯端口，请重新设定通信端口！</source>
            <translation>The system has no such port. Please set the port again!</translation>
        </message>
        <message>
            <location filename="../search/port_messages.cpp"/>
            <source>所设定的通讯端口已被其他设备占用，请重新设定通信端口！</source>
            <translation>The port is in use by another device. Please set the port again!</translation>
        </message>
        <message>
            <location filename="../search/port_messages.cpp"/>
            <source>数据溢出，检查仪表类型设置是否正确！</source>
            <translation>Data overflow: check that the instrument type setting is right!</translation>
        </message>
        <message>
            <location filename="../search/port_messages.cpp"/>
            <source>未知的错误产生！</source>
            <translation>An unknown error occurred!</translation>
        </message>
        <message>
            <location filename="../search/port_messages.cpp"/>
            <source>通讯口已断开：</source>
            <translation>The port was disconnected: </translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>搜索所有在线的数字仪表，点击确定开</source>
            <translation>To search for every digital instrument on the line,</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>始操作。</source>
            <translation>click OK.</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>若需重新设置通讯口，请点击取消键以</source>
            <translation>To set up the port first, click Cancel</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>跳过此步骤。</source>
            <translation>to skip this step.</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <location filename="../search/searching_texts.h"/>
            <source>通讯口：</source>
            <translation>Port:</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <location filename="../search/searching_texts.h"/>
            <source>波特率：</source>
            <translation>Baud rate:</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>搜索地址从</source>
            <translation>Search addresses from</translation>
        </message>
        <message>
            <location filename="../search/search_dialog_texts.h"/>
            <source>到</source>
            <translation>to</translation>
        </message>
        <message>
            <location filename="../search/searching_texts.h"/>
            <source>已经搜索地址：</source>
            <translation>Addresses searched:</translation>
        </message>
        <message>
            <location filename="../search/searching_texts.h"/>
            <source>已找到：</source>
            <translation>Found:</translation>
        </message>
        <message>
            <location filename="../search/searching_texts.h"/>
            <source>已用时间：</source>
            <translation>Elapsed:</translation>
        </message>
        <message>
            <location filename="../search/searching_texts.h"/>
            <source>剩余时间：</source>
            <translation>Left:</translation>
        </message>
        <message>
            <location filename="../search/searching_texts.h"/>
            <location filename="../terminal/terminal_texts.h"/>
            <source>停止</source>
            <translation>Stop</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>发</source>
            <translation>Out</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>收</source>
            <translation>In</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>读请求 地址 %1</source>
            <translation>Read request, address %1</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>接受 地址 %1 类型 %2 %3</source>
            <translation>Accepted, address %1 type %2 %3</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>他址回复 地址 %1（所问 %2，前一请求迟到的回复）</source>
            <translation>Reply from another address %1 (asked %2; a late reply to an earlier request)</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>校验错 带 %1 应为 %2</source>
            <translation>Bad check: carries %1, should be %2</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>自身回显，已跳过</source>
            <translation>Own echo, skipped</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>&quot;@&quot;前噪声 %1 字节，已丢弃</source>
            <translation>Noise before &quot;@&quot;: %1 bytes dropped</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>不属任何行的字节 %1 个</source>
            <translation>%1 bytes that belong to no line</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>地址 %1 在下一请求前无完整回复</source>
            <translation>No complete reply from address %1 before the next request</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>下一请求前无完整回复</source>
            <translation>No complete reply before the next request</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>手动发送</source>
            <translation>Send by hand</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>方向</source>
            <translation>Direction</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>内容</source>
            <translation>Content</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>往返 ms</source>
            <translation>Round trip ms</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>请求</source>
            <translation>Requests</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>接受</source>
            <translation>Accepted</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>无回复</source>
            <translation>No reply</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>最短 ms</source>
            <translation>Min ms</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>平均 ms</source>
            <translation>Mean ms</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>最长 ms</source>
            <translation>Max ms</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>无法保存到 %1：%2</source>
            <translation>Cannot save to %1: %2</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>请输入要发送的内容。</source>
            <translation>Type what to send.</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>第 %1 个字符处的转义无效：只可用 \r、\n、\\ 和 \xNN（两位十六进制）。</source>
            <translation>Invalid escape at character %1: only \r, \n, \\ and \xNN (two hexadecimal digits) are allowed.</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>第 %1 个字符不是单字节字符，无法发送（可用 \xNN 写出字节）。</source>
            <translation>Character %1 is not a single-byte character and cannot be sent (write bytes as \xNN).</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>地址“%1”无效：请输入 0 到 255 的十进制数或 0x00 到 0xFF 的十六进制数。</source>
            <translation>The address &quot;%1&quot; is not valid: type a decimal number from 0 to 255 or a hexadecimal one from 0x00 to 0xFF.</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>重复间隔 %1 ms 超出范围：应在 100 到 60000 ms 之间。</source>
            <translation>The repeat interval %1 ms is out of range: it must be from 100 to 60000 ms.</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>十六进制</source>
            <translation>Hex</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>暂停</source>
            <translation>Pause</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>清除</source>
            <translation>Clear</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <location filename="../trends/live_trend_texts.h"/>
            <source>跟随最新</source>
            <translation>Follow newest</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>只看地址：</source>
            <translation>Only address:</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>全部</source>
            <translation>All</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>存为文本...</source>
            <translation>Save as text...</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>存为 CSV...</source>
            <translation>Save as CSV...</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>复位统计</source>
            <translation>Reset figures</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>总线状况</source>
            <translation>Bus health</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>读请求，地址：</source>
            <translation>Read request, address:</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>自由文本：</source>
            <translation>Free text:</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>附加校验和回车</source>
            <translation>Append check and CR</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>每隔（ms）重复：</source>
            <translation>Repeat every (ms):</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>发送(&amp;S)</source>
            <translation>&amp;Send</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>只听</source>
            <translation>Listen only</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>搜索或数据诊断正在使用通讯口，请结束后再发送。</source>
            <translation>A search or a data diagnosis is using the port; send when it has ended.</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>%1 行（已暂停，%2 行未显示）</source>
            <translation>%1 lines (paused, %2 lines not shown)</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>%1 行</source>
            <translation>%1 lines</translation>
        </message>
        <message>
            <location filename="../terminal/terminal_texts.h"/>
            <source>文本 (*.txt)</source>
            <translation>Text (*.txt)</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>仪表与记录</source>
            <translation>Instruments and recordings</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>地址 %1  %2</source>
            <translation>Address %1  %2</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>%1 — %2（%3 次）</source>
            <translation>%1 — %2 (%3 polls)</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <location filename="../trends/live_trend_texts.h"/>
            <source>显示的读数</source>
            <translation>Readings shown</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>从：</source>
            <translation>From:</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>到：</source>
            <translation>To:</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>显示</source>
            <translation>Show</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>整段记录</source>
            <translation>Whole recording</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>刷新</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>导出 CSV…</source>
            <translation>Export CSV…</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>保存图片…</source>
            <translation>Save picture…</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>CSV 文件 (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>PNG 图片 (*.png)</source>
            <translation>PNG pictures (*.png)</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>正在导出 CSV…</source>
            <translation>Exporting CSV…</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>历史记录中还没有数据。</source>
            <translation>The history holds no data yet.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>%1 次采样，其中无应答 %2 次</source>
            <translation>%1 polls, %2 without a reply</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>已导出 %1 行到“%2”。</source>
            <translation>Exported %1 rows to &quot;%2&quot;.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>已取消导出。</source>
            <translation>Export cancelled.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>图片已保存到“%1”。</source>
            <translation>Picture saved to &quot;%1&quot;.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>请至少选择一个读数。</source>
            <translation>Choose at least one reading.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>开始时间须早于结束时间。</source>
            <translation>The start must be before the end.</translation>
        </message>
        <message>
            <location filename="../trends/history_window_texts.h"/>
            <source>无法保存图片“%1”：%2</source>
            <translation>Cannot save the picture &quot;%1&quot;: %2</translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>地址 </source>
            <translation>Address </translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>时间跨度：</source>
            <translation>Span:</translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>清除光标</source>
            <translation>Clear cursors</translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>采样 %1 次，无应答 %2 次</source>
            <translation>%1 polls, %2 without a reply</translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>，最新 %1</source>
            <translation>, newest %1</translation>
        </message>
        <message>
            <location filename="../trends/live_trend_texts.h"/>
            <source>等待数据…</source>
            <translation>Waiting for data…</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>1 分钟</source>
            <translation>1 minute</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>5 分钟</source>
            <translation>5 minutes</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>10 分钟</source>
            <translation>10 minutes</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>30 分钟</source>
            <translation>30 minutes</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>1 小时</source>
            <translation>1 hour</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>2 小时</source>
            <translation>2 hours</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>6 小时</source>
            <translation>6 hours</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>12 小时</source>
            <translation>12 hours</translation>
        </message>
        <message>
            <location filename="../trends/span_choices.cpp"/>
            <source>24 小时</source>
            <translation>24 hours</translation>
        </message>
        <message>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>最小</source>
            <translation>Min</translation>
        </message>
        <message>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>最大</source>
            <translation>Max</translation>
        </message>
        <message>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>平均</source>
            <translation>Mean</translation>
        </message>
        <message>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>光标</source>
            <translation>Cursor</translation>
        </message>
        <message>
            <location filename="../trends/trend_chart_texts.h"/>
            <source>滚轮：缩放时间　拖动：平移　单击：放置光标 A/B　右键：清除光标</source>
            <translation>Wheel: zoom time   Drag: pan   Click: place cursor A/B   Right click: clear cursors</translation>
        </message>
        <message>
            <location filename="../trends/value_text.cpp"/>
            <source>天 </source>
            <translation>d </translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——四位四报警单显表</source>
            <translation>LED series — 4-digit single display, 4 alarms</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——五位四报警单显表</source>
            <translation>LED series — 5-digit single display, 4 alarms</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——双路显示控制仪</source>
            <translation>LED series — dual-channel display controller</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——手动操作器</source>
            <translation>LED series — manual operator station</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——PID显示控制仪</source>
            <translation>LED series — PID display controller</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——32段PID控制仪</source>
            <translation>LED series — 32-segment PID program controller</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——流量积算仪</source>
            <translation>LED series — flow totalizer</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——多路巡检仪</source>
            <translation>LED series — multi-channel scanner</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——频率表</source>
            <translation>LED series — frequency meter</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LED系列——三相电量表</source>
            <translation>LED series — three-phase power meter</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>MODEL系列——三相电量模块</source>
            <translation>MODEL series — three-phase power module</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——流量/热能积算记录仪</source>
            <translation>LCD series — flow/heat totalizing recorder</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——3路流量/热能积算记录仪</source>
            <translation>LCD series — 3-channel flow/heat totalizing recorder</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——热量积算记录仪</source>
            <translation>LCD series — heat totalizing recorder</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——PID控制仪</source>
            <translation>LCD series — PID controller</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——3路无纸记录仪表</source>
            <translation>LCD series — 3-channel paperless recorder</translation>
        </message>
        <message>
            <location filename="../views/instrument_types.cpp"/>
            <source>LCD系列——多路巡检仪</source>
            <translation>LCD series — multi-channel scanner</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>上排显示值</source>
            <translation>Upper display value</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>下排显示值</source>
            <translation>Lower display value</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>PID输出</source>
            <translation>PID output</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>状态灯</source>
            <translation>Status lamp</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>控制输出</source>
            <translation>Control output</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>SV设定值</source>
            <translation>SV set point</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>第二输入值</source>
            <translation>Second input value</translation>
        </message>
        <message>
            <location filename="../views/led/controller_views.cpp"/>
            <source>段号</source>
            <translation>Segment number</translation>
        </message>
        <message>
            <location filename="../views/led/flow_totalizer_view.cpp"/>
            <source>补偿温度值</source>
            <translation>Compensation temperature</translation>
        </message>
        <message>
            <location filename="../views/led/flow_totalizer_view.cpp"/>
            <source>补偿压力值</source>
            <translation>Compensation pressure</translation>
        </message>
        <message>
            <location filename="../views/led/flow_totalizer_view.cpp"/>
            <source>主显示值</source>
            <translation>Main display value</translation>
        </message>
        <message>
            <location filename="../views/led/flow_totalizer_view.cpp"/>
            <source>瞬时流量值</source>
            <translation>Instantaneous flow</translation>
        </message>
        <message>
            <location filename="../views/led/flow_totalizer_view.cpp"/>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>累积流量</source>
            <translation>Total flow</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>控制输出:</source>
            <translation>Control output:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>SV设定值:</source>
            <translation>SV set value:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>第二输入值:</source>
            <translation>Second input:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>PID输出:</source>
            <translation>PID output:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>补偿温度值:</source>
            <translation>Compensation temperature:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>，补偿压力值:</source>
            <translation>, compensation pressure:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>瞬时流量值:</source>
            <translation>Flow rate:</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>有功功率P</source>
            <translation>Active power P</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>无功功率Q</source>
            <translation>Reactive power Q</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>频率F</source>
            <translation>Frequency F</translation>
        </message>
        <message>
            <location filename="../views/led/led_captions.h"/>
            <source>仪表类型：LED系列——三相电量表</source>
            <translation>Instrument type: LED series — three-phase power meter</translation>
        </message>
        <message>
            <location filename="../views/led/power_views.cpp"/>
            <source>，A</source>
            <translation>, A</translation>
        </message>
        <message>
            <location filename="../views/led/power_views.cpp"/>
            <source>，Cos</source>
            <translation>, Cos</translation>
        </message>
        <message>
            <location filename="../views/led/power_views.cpp"/>
            <source>%1相电压</source>
            <translation>Phase %1 voltage</translation>
        </message>
        <message>
            <location filename="../views/led/power_views.cpp"/>
            <source>%1相电流</source>
            <translation>Phase %1 current</translation>
        </message>
        <message>
            <location filename="../views/led/power_views.cpp"/>
            <source>%1相功率因数</source>
            <translation>Phase %1 power factor</translation>
        </message>
        <message>
            <location filename="../views/led/single_display_view.cpp"/>
            <source>测量值</source>
            <translation>Measured value</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>1路    </source>
            <translation>Ch 1    </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>2路    </source>
            <translation>Ch 2    </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>3路    </source>
            <translation>Ch 3    </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>掉电   </source>
            <translation>Power failures   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>瞬时    </source>
            <translation>Flow rate    </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>瞬热    </source>
            <translation>Heat rate    </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>累积流量   </source>
            <translation>Total flow   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>累积热量   </source>
            <translation>Total heat   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>瞬时流量1   </source>
            <translation>Flow rate 1   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>瞬时流量2   </source>
            <translation>Flow rate 2   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>瞬时流量3   </source>
            <translation>Flow rate 3   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>累积流量1   </source>
            <translation>Total flow 1   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>累积流量2   </source>
            <translation>Total flow 2   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>累积流量3   </source>
            <translation>Total flow 3   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>设定   </source>
            <translation>Set point   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>手动输出   </source>
            <translation>Manual output   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_captions.h"/>
            <source>自动输出   </source>
            <translation>Auto output   </translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>1路</source>
            <translation>Channel 1</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>2路</source>
            <translation>Channel 2</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>设定</source>
            <translation>Set point</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>输出</source>
            <translation>Output</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>手动输出</source>
            <translation>Manual output</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_pid_view.cpp"/>
            <source>编号</source>
            <translation>Number</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_recorder_view.cpp"/>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <location filename="../views/multi/led_channel_views.cpp"/>
            <source>%1路</source>
            <translation>Channel %1</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>掉电次数</source>
            <translation>Power failures</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>掉电时间</source>
            <translation>Power failure time</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>瞬时</source>
            <translation>Instantaneous</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>瞬热</source>
            <translation>Instantaneous heat</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>累积热量</source>
            <translation>Total heat</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>瞬时流量%1</source>
            <translation>Instantaneous flow %1</translation>
        </message>
        <message>
            <location filename="../views/multi/lcd_totalizer_views.cpp"/>
            <source>累积流量%1</source>
            <translation>Total flow %1</translation>
        </message>
        <message>
            <location filename="../views/reading_table.cpp"/>
            <source>报警%1</source>
            <translation>Alarm %1</translation>
        </message>
        <message>
            <source>相</source>
            <translation type="vanished">phase</translation>
        </message>
        <message>
            <source>电压</source>
            <translation type="vanished">voltage</translation>
        </message>
        <message>
            <source>电流</source>
            <translation type="vanished">current</translation>
        </message>
        <message>
            <source>功率因数</source>
            <translation type="vanished">power factor</translation>
        </message>
    </context>
</TS>
