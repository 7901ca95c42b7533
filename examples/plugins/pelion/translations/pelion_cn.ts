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
        <source>Smoke alarm</source>
        <translation>烟雾报警</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>安装位置（输入新位置后按 Enter）</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>楼梯间</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>中庭</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>电梯井</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>报警级别</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>建筑物</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>消防队</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>报警延时（秒，最多 60）</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>继电器和电源</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>打开窗户进行日常通风</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>继电器 1：日常通风</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>向楼宇控制系统报告故障</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>继电器 2：故障信息</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>蓄电池监控</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>正在检查蓄电池</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>蓄电池</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion 配置</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>安装位置</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>楼梯间</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>报警级别</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>报警延时</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>蓄电池监控</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>继电器 1：日常通风</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>继电器 2：故障信息</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>打开虚拟控制器</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>未连接控制器：虚拟控制器无需硬件即可工作。</translation>
    </message>
</context>
</TS>
