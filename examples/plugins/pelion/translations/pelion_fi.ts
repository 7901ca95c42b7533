<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Tallenna määritykset tiedostoon</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Luo raportti</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Savuhälytys</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Asennuspaikka (kirjoita uusi ja paina Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Porraskäytävä</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Hissikuilu</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Hälytystaso</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Paikallinen</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Rakennus</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Palokunta</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Hälytysviive sekunteina (enintään 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Releet ja virransyöttö</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Avaa ikkunat päivittäistä tuuletusta varten</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Rele 1: päivittäinen tuuletus</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Ilmoittaa viasta rakennusautomaatioon</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Rele 2: vikailmoitus</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akun valvonta</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Tarkistetaan akkua</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistiinpanot</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Huolto</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Pelion-määritykset</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Asennuspaikka</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Porraskäytävä</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Hälytystaso</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Hälytysviive</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Akun valvonta</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Rele 1: päivittäinen tuuletus</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Rele 2: vikailmoitus</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistiinpanot</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Avaa virtuaalinen keskus</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Keskusta ei ole liitetty: virtuaalinen keskus toimii ilman laitteistoa.</translation>
    </message>
</context>
</TS>
