<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../ControlPanel.qml" line="10"/>
        <source>Save the configuration to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ControlPanel.qml" line="11"/>
        <source>Create a report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicePlugin</name>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="77"/>
        <source>Configuration saved to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="78"/>
        <source>The configuration could not be saved to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="79"/>
        <source>Configuration saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="80"/>
        <source>The configuration could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="81"/>
        <source>Configuration loaded from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="82"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="83"/>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="84"/>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="85"/>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="86"/>
        <source>Configuration loaded from the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="87"/>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="88"/>
        <source>Report created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="89"/>
        <source>The report could not be created at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="90"/>
        <source>Report saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="91"/>
        <source>No report has been created yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="92"/>
        <source>Backup written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="93"/>
        <source>The backup could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="94"/>
        <source>Backup of device %1 restored from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="95"/>
        <source>There is no backup of device %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="96"/>
        <source>The device password has been deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="97"/>
        <source>The device has no password to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="98"/>
        <source>The device is busy; try again when it has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="99"/>
        <source>Updating the firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="100"/>
        <source>Firmware updated to version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="101"/>
        <source>Restarting the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="102"/>
        <source>The device has restarted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="103"/>
        <source>Formatting the device memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="104"/>
        <source>The device memory is formatted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="105"/>
        <source>Resetting the device to factory settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="106"/>
        <source>The device is back to factory settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="107"/>
        <source>Update the device firmware to version %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="108"/>
        <source>Restart the device now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="109"/>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="110"/>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="111"/>
        <source>Restore the last backup of device %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="112"/>
        <source>Wi-Fi settings saved to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="113"/>
        <source>This device has no Wi-Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="114"/>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="115"/>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="116"/>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="117"/>
        <source>Virtual %1 opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="118"/>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="119"/>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="120"/>
        <source>Configuration report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="121"/>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="122"/>
        <source>Plug-in version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="123"/>
        <source>Quillmark version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="124"/>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="125"/>
        <source>Created on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="126"/>
        <source>Cover sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="127"/>
        <source>Device configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="128"/>
        <source>Project name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="129"/>
        <source>Customer data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="130"/>
        <source>Constructor data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="131"/>
        <source>Service date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="132"/>
        <source>Service representative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="133"/>
        <source>Object data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="134"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="135"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../../../build/sdk-stage/include/quillmark/devicetexts.h" line="136"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Kastor+ chain actuator</source>
        <translation type="vanished">Kastor+ Kettenantrieb</translation>
    </message>
    <message>
        <source>Opening width (mm)</source>
        <translation type="vanished">Öffnungsweite (mm)</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation type="vanished">Konfiguration speichern</translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="73"/>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="82"/>
        <source>Device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="90"/>
        <source>Opening width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="101"/>
        <source>Run time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="113"/>
        <source>Opening limit (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="121"/>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="122"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="123"/>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="131"/>
        <source>Closing force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="134"/>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="138"/>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="142"/>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="155"/>
        <location filename="../DeviceView.qml" line="164"/>
        <source>Night ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="165"/>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="166"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="173"/>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="181"/>
        <source>Window position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../DeviceView.qml" line="182"/>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <location filename="../kastorplusplugin.cpp" line="15"/>
        <source>Kastor+ configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="25"/>
        <source>Device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="26"/>
        <source>Window drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="27"/>
        <source>Opening width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="29"/>
        <source>Run time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="31"/>
        <source>Opening limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="33"/>
        <source>Closing force (0 low, 2 high)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="35"/>
        <source>Direction reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="37"/>
        <source>Night ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../kastorplusplugin.cpp" line="39"/>
        <source>Night ventilation from</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <location filename="../NavigationBar.qml" line="18"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../NavigationBar.qml" line="26"/>
        <source>Services</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open virtual actuator</source>
        <translation type="vanished">Virtuellen Antrieb öffnen</translation>
    </message>
    <message>
        <source>Connect actuator</source>
        <translation type="vanished">Antrieb verbinden</translation>
    </message>
    <message>
        <location filename="../StartOptions.qml" line="21"/>
        <source>Open a virtual actuator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../StartOptions.qml" line="30"/>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
