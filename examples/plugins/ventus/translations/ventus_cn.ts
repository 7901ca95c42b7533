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
        <source>Wind</source>
        <translation>风</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>风报警 (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>来自这些方向的风会关闭窗户</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>风速</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>正在测量</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>雨、霜冻和 Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>雨报警</translation>
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
        <source>Frost alarm below</source>
        <translation>霜冻报警温度低于</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi 网络</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi 密码</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>保存 Wi-Fi 设置</translation>
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
        <source>Open a virtual weather station</source>
        <translation>打开虚拟气象站</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>未连接气象站：虚拟气象站无需硬件即可工作。</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Ventus 配置</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>风报警</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>风向（N 至 NW 的各位）</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>雨报警</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>霜冻报警温度低于</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Wi-Fi 网络</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Wi-Fi 密码</translation>
    </message>
</context>
</TS>
