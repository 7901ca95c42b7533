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
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Alarme vent (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Le vent venant de ces directions ferme les fenêtres</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Pluie, gel et Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarme pluie</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarme gel en dessous de</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Enregistrer les paramètres Wi-Fi</translation>
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
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Ouvrir une station météo virtuelle</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Aucune station météo connectée&#xa0;: la station virtuelle fonctionne sans matériel.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Configuration Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Alarme vent</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Directions du vent (bits N à NO)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Alarme pluie</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Alarme gel en dessous de</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Mot de passe Wi-Fi</translation>
    </message>
</context>
</TS>
