<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Configuração guardada no dispositivo</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Não foi possível guardar a configuração no dispositivo</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuração guardada em %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Não foi possível guardar a configuração em %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuração carregada de %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>%1 não é um ficheiro de configuração (%2); a configuração atual é mantida</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>%1 contém a configuração de outro dispositivo (%2); a configuração atual é mantida</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>%1 contém um valor inválido para «%2»; a configuração atual é mantida</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Configuração carregada do dispositivo</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Descartar as alterações e carregar a configuração do dispositivo?</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Relatório criado: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Não foi possível criar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Relatório guardado: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Ainda não foi criado nenhum relatório</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Cópia de segurança escrita: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Não foi possível escrever a cópia de segurança em %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Cópia de segurança do dispositivo %1 restaurada a partir de %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Não existe nenhuma cópia de segurança do dispositivo %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>A palavra-passe do dispositivo foi eliminada</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>O dispositivo não tem nenhuma palavra-passe para eliminar</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>O dispositivo está ocupado; tente novamente quando terminar</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>A atualizar o firmware</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Firmware atualizado para a versão %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>A reiniciar o dispositivo</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>O dispositivo foi reiniciado</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>A formatar a memória do dispositivo</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>A memória do dispositivo está formatada</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>A repor as definições de fábrica do dispositivo</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>O dispositivo voltou às definições de fábrica</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Atualizar o firmware do dispositivo para a versão %1?</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Reiniciar o dispositivo agora?</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>A formatação apaga a configuração guardada no dispositivo. Continuar?</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Repor as definições de fábrica do dispositivo? A sua configuração será perdida.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Restaurar a última cópia de segurança do dispositivo %1?</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Definições de Wi-Fi guardadas no dispositivo</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Este dispositivo não tem Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>O dispositivo foi removido com alterações não guardadas. Guardá-las num ficheiro?</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Guardar as definições de Wi-Fi no dispositivo?</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>O dispositivo não aceita %1 para «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Dispositivo virtual %1 aberto</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Não foi possível ler a memória do dispositivo (%1); contém as definições de fábrica</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>As alterações não guardadas do dispositivo removido foram descartadas</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Relatório de configuração</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Versão do plug-in</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Versão do Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Criado em</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Folha de rosto</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Configuração do dispositivo</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome do projeto</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Dados do cliente</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Dados do instalador</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Data de manutenção</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Técnico de assistência</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Dados do edifício</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Ficheiros e cópias de segurança</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Guardar no dispositivo</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Carregar do dispositivo</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Abrir um ficheiro de configuração</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Cópia de segurança no cartão SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Cópia de segurança para um cartão SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Restaurar a última cópia de segurança</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Manutenção</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>A atualizar</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Proteção por palavra-passe</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ativada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desativada</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Atualizar o firmware</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Reiniciar o dispositivo</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Formatar a memória do dispositivo</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Definições de fábrica</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Palavra-passe esquecida</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Desligar o dispositivo virtual</translation>
    </message>
</context>
</TS>
