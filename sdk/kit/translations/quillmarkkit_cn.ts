<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>配置已保存到设备</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>无法将配置保存到设备</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>配置已保存到 %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>无法将配置保存到 %1：%2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>已从 %1 加载配置</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 不是配置文件（%2）；保留当前配置</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 包含其他设备的配置（%2）；保留当前配置</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 中“%2”的值无效；保留当前配置</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>已从设备加载配置</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>放弃您的更改并从设备加载配置？</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>报告已创建：%1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>无法在 %1 创建报告：%2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>报告已保存：%1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>尚未创建报告</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>备份已写入：%1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>无法将备份写入 %1：%2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>已从 %2 恢复设备 %1 的备份</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>设备 %1 没有备份</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>设备密码已删除</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>设备没有可删除的密码</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>设备忙；请在其完成后重试</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>正在更新固件</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>固件已更新到版本 %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>正在重新启动设备</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>设备已重新启动</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>正在格式化设备存储器</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>设备存储器已格式化</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>正在将设备恢复出厂设置</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>设备已恢复出厂设置</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>将设备固件更新到版本 %1？</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>立即重新启动设备？</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>格式化将清除设备中存储的配置。是否继续？</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>将设备恢复出厂设置？您的配置将丢失。</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>恢复设备 %1 的最新备份？</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi 设置已保存到设备</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>此设备没有 Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>设备在有未保存更改时被移除。是否将更改保存到文件？</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>将 Wi-Fi 设置保存到设备？</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>设备不接受“%2”的值 %1</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>已打开虚拟 %1</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>无法读取设备存储器（%1）；其中为出厂设置</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>已移除设备的未保存更改已被放弃</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>配置报告</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>插件版本</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark 版本</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>设备配置</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>项目名称</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>客户数据</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>安装商数据</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>维护日期</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>服务技术员</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>建筑物数据</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>文件和备份</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>保存到设备</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>从设备加载</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>SD 卡上的备份</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>用于 SD 卡的备份</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>恢复最新备份</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>维护</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>正在更新</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>密码保护</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>更新固件</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>重新启动设备</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>格式化设备存储器</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>出厂设置</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>忘记密码</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>拔出虚拟设备</translation>
    </message>
</context>
</TS>
