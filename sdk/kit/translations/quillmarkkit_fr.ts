<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configuration enregistrée dans l&apos;appareil</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Impossible d&apos;enregistrer la configuration dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuration enregistrée dans %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Impossible d&apos;enregistrer la configuration dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuration chargée depuis %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 n&apos;est pas un fichier de configuration (%2)&#xa0;; la configuration actuelle est conservée</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 contient la configuration d&apos;un autre appareil (%2)&#xa0;; la configuration actuelle est conservée</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 contient une valeur non valide pour «&#xa0;%2&#xa0;»&#xa0;; la configuration actuelle est conservée</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configuration chargée depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Abandonner vos modifications et charger la configuration depuis l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Rapport créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Impossible de créer le rapport dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Rapport enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Aucun rapport n&apos;a encore été créé</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Sauvegarde écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Impossible d&apos;écrire la sauvegarde dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Sauvegarde de l&apos;appareil %1 restaurée depuis %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Il n&apos;existe aucune sauvegarde de l&apos;appareil %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Le mot de passe de l&apos;appareil a été supprimé</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>L&apos;appareil n&apos;a pas de mot de passe à supprimer</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>L&apos;appareil est occupé&#xa0;; réessayez lorsqu&apos;il aura terminé</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware mis à jour vers la version %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Redémarrage de l&apos;appareil</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>L&apos;appareil a redémarré</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formatage de la mémoire de l&apos;appareil</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>La mémoire de l&apos;appareil est formatée</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Réinitialisation de l&apos;appareil aux paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>L&apos;appareil est revenu aux paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Mettre à jour le firmware de l&apos;appareil vers la version %1&#xa0;?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Redémarrer l&apos;appareil maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Le formatage efface la configuration enregistrée dans l&apos;appareil. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Réinitialiser l&apos;appareil aux paramètres d&apos;usine&#xa0;? Votre configuration sera perdue.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Restaurer la dernière sauvegarde de l&apos;appareil %1&#xa0;?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Paramètres Wi-Fi enregistrés dans l&apos;appareil</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Cet appareil n&apos;a pas de Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>L&apos;appareil a été retiré avec des modifications non enregistrées. Les enregistrer dans un fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Enregistrer les paramètres Wi-Fi dans l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>L&apos;appareil n&apos;accepte pas %1 pour «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Appareil virtuel %1 ouvert</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Impossible de lire la mémoire de l&apos;appareil (%1)&#xa0;; elle contient les paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Les modifications non enregistrées de l&apos;appareil retiré ont été abandonnées</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Rapport de configuration</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Version du plug-in</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Version de Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Page de garde</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Configuration de l&apos;appareil</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Données client</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Données de l&apos;installateur</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Date de maintenance</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Technicien de maintenance</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Données du bâtiment</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Fichiers et sauvegardes</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Enregistrer dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Charger depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Sauvegarde sur la carte SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Sauvegarde pour une carte SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Restaurer la dernière sauvegarde</translation>
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
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Protection par mot de passe</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Mettre à jour le firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Redémarrer l&apos;appareil</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formater la mémoire de l&apos;appareil</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Mot de passe oublié</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Débrancher l&apos;appareil virtuel</translation>
    </message>
</context>
</TS>
