<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configuración guardada en el dispositivo</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>No se ha podido guardar la configuración en el dispositivo</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuración guardada en %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>No se ha podido guardar la configuración en %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuración cargada desde %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 no es un archivo de configuración (%2); se mantiene la configuración actual</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 contiene la configuración de otro dispositivo (%2); se mantiene la configuración actual</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 contiene un valor no válido para «%2»; se mantiene la configuración actual</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configuración cargada desde el dispositivo</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>¿Descartar los cambios y cargar la configuración desde el dispositivo?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Informe creado: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>No se ha podido crear el informe en %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Informe guardado: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Todavía no se ha creado ningún informe</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Copia de seguridad escrita: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>No se ha podido escribir la copia de seguridad en %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Copia de seguridad del dispositivo %1 restaurada desde %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>No hay ninguna copia de seguridad del dispositivo %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Se ha eliminado la contraseña del dispositivo</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>El dispositivo no tiene ninguna contraseña que eliminar</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>El dispositivo está ocupado; vuelva a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Actualizando el firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware actualizado a la versión %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Reiniciando el dispositivo</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>El dispositivo se ha reiniciado</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Formateando la memoria del dispositivo</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>La memoria del dispositivo está formateada</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Restableciendo los ajustes de fábrica del dispositivo</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>El dispositivo ha vuelto a los ajustes de fábrica</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>¿Actualizar el firmware del dispositivo a la versión %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>¿Reiniciar el dispositivo ahora?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>El formateo borra la configuración guardada en el dispositivo. ¿Continuar?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>¿Restablecer los ajustes de fábrica del dispositivo? Se perderá su configuración.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>¿Restaurar la última copia de seguridad del dispositivo %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Ajustes de Wi-Fi guardados en el dispositivo</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Este dispositivo no tiene Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>El dispositivo se ha retirado con cambios sin guardar. ¿Guardarlos en un archivo?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>¿Guardar los ajustes de Wi-Fi en el dispositivo?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>El dispositivo no acepta %1 para «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Dispositivo virtual %1 abierto</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>No se ha podido leer la memoria del dispositivo (%1); contiene los ajustes de fábrica</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Se han descartado los cambios sin guardar del dispositivo retirado</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Informe de configuración</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Versión del plugin</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Versión de Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Creado el</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Configuración del dispositivo</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Datos del cliente</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Datos del instalador</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Fecha de mantenimiento</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Técnico de servicio</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Datos del edificio</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
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
        <translation>Archivos y copias de seguridad</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Guardar en el dispositivo</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Cargar desde el dispositivo</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Abrir un archivo de configuración</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Copia de seguridad en la tarjeta SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Copia de seguridad para una tarjeta SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Restaurar la última copia de seguridad</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Actualizando</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Protección por contraseña</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Actualizar el firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Reiniciar el dispositivo</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formatear la memoria del dispositivo</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Ajustes de fábrica</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Contraseña olvidada</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Desconectar el dispositivo virtual</translation>
    </message>
</context>
</TS>
