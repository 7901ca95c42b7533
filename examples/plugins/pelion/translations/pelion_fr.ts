<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Enregistrer la configuration dans un fichier</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Créer un rapport</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Alarme fumée</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Emplacement (saisissez-en un nouveau et appuyez sur Entrée)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Cage d&apos;escalier</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrium</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Gaine d&apos;ascenseur</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Niveau d&apos;alarme</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Sapeurs-pompiers</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Temporisation d&apos;alarme en secondes (60 au maximum)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relais et alimentation</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Ouvre les fenêtres pour l&apos;aération quotidienne</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1&#xa0;: aération quotidienne</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Signale un défaut à la gestion technique du bâtiment</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2&#xa0;: signalisation de défaut</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Surveillance de la batterie</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Contrôle de la batterie</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Configuration Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Cage d&apos;escalier</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Niveau d&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Temporisation d&apos;alarme</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Surveillance de la batterie</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relais 1&#xa0;: aération quotidienne</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relais 2&#xa0;: signalisation de défaut</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Ouvrir une centrale virtuelle</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Aucune centrale connectée&#xa0;: la centrale virtuelle fonctionne sans matériel.</translation>
    </message>
</context>
</TS>
