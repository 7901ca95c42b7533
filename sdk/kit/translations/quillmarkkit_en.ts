<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configuration saved to the device</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>The configuration could not be saved to the device</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuration saved to %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>The configuration could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuration loaded from %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 is not a configuration file (%2); the current configuration is kept</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 holds the configuration of another device (%2); the current configuration is kept</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configuration loaded from the device</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Discard your changes and load the configuration from the device?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Report created: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>The report could not be created at %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>No report has been created yet</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Backup written: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>The backup could not be written to %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Backup of device %1 restored from %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>There is no backup of device %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>The device password has been deleted</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>The device has no password to delete</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>The device is busy; try again when it has finished</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Updating the firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware updated to version %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Restarting the device</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>The device has restarted</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formatting the device memory</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>The device memory is formatted</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Resetting the device to factory settings</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>The device is back to factory settings</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Update the device firmware to version %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Restart the device now?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Formatting erases the configuration stored in the device. Go on?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Reset the device to factory settings? Your configuration is lost.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Restore the last backup of device %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Wi-Fi settings saved to the device</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>This device has no Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>The device was removed with unsaved changes. Save them to a file?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Save the Wi-Fi settings to the device?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>The device does not accept %1 for &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Virtual %1 opened</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>The device memory could not be read (%1); it holds the factory settings</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>The unsaved changes of the removed device were discarded</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Configuration report</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Plug-in version</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Quillmark version</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Created on</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Cover sheet</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Device configuration</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Customer data</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Constructor data</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Service date</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Service representative</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Object data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Files and backups</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Save to the device</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Load from the device</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Open a configuration file</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Backup on the SD card</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Backup for an SD card</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Restore the last backup</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Updating</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Password protection</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Update the firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Restart the device</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Format the device memory</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Forgotten password</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Unplug the virtual device</translation>
    </message>
</context>
</TS>
