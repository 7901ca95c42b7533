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
        <source>Drive</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Course d&apos;ouverture</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Durée de course</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Limite d&apos;ouverture (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens de marche</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Force de fermeture</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilation nocturne</translation>
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
        <source>From</source>
        <translation>À partir de</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Position de la fenêtre</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Configuration Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Moteur de fenêtre</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Course d&apos;ouverture</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Durée de course</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Limite d&apos;ouverture</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Force de fermeture (0 faible, 2 élevée)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Sens de marche inversé</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Ventilation nocturne</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Ventilation nocturne à partir de</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Ouvrir un moteur virtuel</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Aucun moteur connecté&#xa0;: le moteur virtuel fonctionne sans matériel.</translation>
    </message>
</context>
</TS>
