<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Salva la configurazione su file</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Crea un rapporto</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Smoke alarm</source>
        <translation>Allarme fumo</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Luogo di installazione (digitarne uno nuovo e premere Invio)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Vano scala</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Atrio</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Vano ascensore</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Livello di allarme</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Vigili del fuoco</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Ritardo di allarme in secondi (al massimo 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Relè e alimentazione</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Apre le finestre per la ventilazione giornaliera</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relè 1: ventilazione giornaliera</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Segnala un guasto al sistema di supervisione dell&apos;edificio</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relè 2: segnalazione di guasto</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Monitoraggio della batteria</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Controllo della batteria in corso</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Assistenza</translation>
    </message>
</context>
<context>
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Configurazione Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo di installazione</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Vano scala</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Livello di allarme</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Ritardo di allarme</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Monitoraggio della batteria</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Relè 1: ventilazione giornaliera</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Relè 2: segnalazione di guasto</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Apri una centrale virtuale</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Nessuna centrale collegata: quella virtuale funziona senza hardware.</translation>
    </message>
</context>
</TS>
