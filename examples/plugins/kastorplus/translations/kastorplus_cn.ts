<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>将配置保存到文件</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>创建报告</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Drive</source>
        <translation>驱动装置</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>开启宽度</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>开启限制 (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>运行方向</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>关闭力</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>夜间通风</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>From</source>
        <translation>起始时间</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>窗户位置</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>正在读取</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Kastor+ 配置</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>开窗器</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>开启宽度</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>开启限制</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>关闭力（0 低，2 高）</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>运行方向反向</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>夜间通风</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>夜间通风起始时间</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>服务</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual actuator</source>
        <translation>打开虚拟开窗器</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>未连接开窗器：虚拟开窗器无需硬件即可工作。</translation>
    </message>
</context>
</TS>
