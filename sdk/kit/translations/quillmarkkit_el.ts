<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>DevicePlugin</name>
    <message>
        <source>Configuration saved to the device</source>
        <translation>Η διαμόρφωση αποθηκεύτηκε στη συσκευή</translation>
    </message>
    <message>
        <source>The configuration could not be saved to the device</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της διαμόρφωσης στη συσκευή</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Η διαμόρφωση αποθηκεύτηκε στο %1</translation>
    </message>
    <message>
        <source>The configuration could not be saved to %1: %2</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση της διαμόρφωσης στο %1: %2</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Η διαμόρφωση φορτώθηκε από το %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a configuration file (%2); the current configuration is kept</source>
        <translation>Το %1 δεν είναι αρχείο διαμόρφωσης (%2)· η τρέχουσα διαμόρφωση διατηρείται</translation>
    </message>
    <message>
        <source>%1 holds the configuration of another device (%2); the current configuration is kept</source>
        <translation>Το %1 περιέχει τη διαμόρφωση άλλης συσκευής (%2)· η τρέχουσα διαμόρφωση διατηρείται</translation>
    </message>
    <message>
        <source>%1 holds a bad value for &quot;%2&quot;; the current configuration is kept</source>
        <translation>Το %1 περιέχει μη έγκυρη τιμή για «%2»· η τρέχουσα διαμόρφωση διατηρείται</translation>
    </message>
    <message>
        <source>Configuration loaded from the device</source>
        <translation>Η διαμόρφωση φορτώθηκε από τη συσκευή</translation>
    </message>
    <message>
        <source>Discard your changes and load the configuration from the device?</source>
        <translation>Απόρριψη των αλλαγών σας και φόρτωση της διαμόρφωσης από τη συσκευή;</translation>
    </message>
    <message>
        <source>Report created: %1</source>
        <translation>Η αναφορά δημιουργήθηκε: %1</translation>
    </message>
    <message>
        <source>The report could not be created at %1: %2</source>
        <translation>Δεν ήταν δυνατή η δημιουργία της αναφοράς στο %1: %2</translation>
    </message>
    <message>
        <source>Report saved: %1</source>
        <translation>Η αναφορά αποθηκεύτηκε: %1</translation>
    </message>
    <message>
        <source>No report has been created yet</source>
        <translation>Δεν έχει δημιουργηθεί ακόμη αναφορά</translation>
    </message>
    <message>
        <source>Backup written: %1</source>
        <translation>Το αντίγραφο ασφαλείας γράφτηκε: %1</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του αντιγράφου ασφαλείας στο %1: %2</translation>
    </message>
    <message>
        <source>Backup of device %1 restored from %2</source>
        <translation>Το αντίγραφο ασφαλείας της συσκευής %1 επαναφέρθηκε από το %2</translation>
    </message>
    <message>
        <source>There is no backup of device %1</source>
        <translation>Δεν υπάρχει αντίγραφο ασφαλείας της συσκευής %1</translation>
    </message>
    <message>
        <source>The device password has been deleted</source>
        <translation>Ο κωδικός πρόσβασης της συσκευής διαγράφηκε</translation>
    </message>
    <message>
        <source>The device has no password to delete</source>
        <translation>Η συσκευή δεν έχει κωδικό πρόσβασης για διαγραφή</translation>
    </message>
    <message>
        <source>The device is busy; try again when it has finished</source>
        <translation>Η συσκευή είναι απασχολημένη. Δοκιμάστε ξανά όταν ολοκληρώσει</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Γίνεται ενημέρωση του υλικολογισμικού</translation>
    </message>
    <message>
        <source>Firmware updated to version %1</source>
        <translation>Το υλικολογισμικό ενημερώθηκε στην έκδοση %1</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Γίνεται επανεκκίνηση της συσκευής</translation>
    </message>
    <message>
        <source>The device has restarted</source>
        <translation>Η συσκευή επανεκκινήθηκε</translation>
    </message>
    <message>
        <source>Formatting the device memory</source>
        <translation>Γίνεται μορφοποίηση της μνήμης της συσκευής</translation>
    </message>
    <message>
        <source>The device memory is formatted</source>
        <translation>Η μνήμη της συσκευής μορφοποιήθηκε</translation>
    </message>
    <message>
        <source>Resetting the device to factory settings</source>
        <translation>Γίνεται επαναφορά της συσκευής στις εργοστασιακές ρυθμίσεις</translation>
    </message>
    <message>
        <source>The device is back to factory settings</source>
        <translation>Η συσκευή επανήλθε στις εργοστασιακές ρυθμίσεις</translation>
    </message>
    <message>
        <source>Update the device firmware to version %1?</source>
        <translation>Ενημέρωση του υλικολογισμικού της συσκευής στην έκδοση %1;</translation>
    </message>
    <message>
        <source>Restart the device now?</source>
        <translation>Επανεκκίνηση της συσκευής τώρα;</translation>
    </message>
    <message>
        <source>Formatting erases the configuration stored in the device. Go on?</source>
        <translation>Η μορφοποίηση διαγράφει τη διαμόρφωση που είναι αποθηκευμένη στη συσκευή. Συνέχεια;</translation>
    </message>
    <message>
        <source>Reset the device to factory settings? Your configuration is lost.</source>
        <translation>Επαναφορά της συσκευής στις εργοστασιακές ρυθμίσεις; Η διαμόρφωσή σας θα χαθεί.</translation>
    </message>
    <message>
        <source>Restore the last backup of device %1?</source>
        <translation>Επαναφορά του τελευταίου αντιγράφου ασφαλείας της συσκευής %1;</translation>
    </message>
    <message>
        <source>Wi-Fi settings saved to the device</source>
        <translation>Οι ρυθμίσεις Wi-Fi αποθηκεύτηκαν στη συσκευή</translation>
    </message>
    <message>
        <source>This device has no Wi-Fi</source>
        <translation>Αυτή η συσκευή δεν διαθέτει Wi-Fi</translation>
    </message>
    <message>
        <source>The device was removed with unsaved changes. Save them to a file?</source>
        <translation>Η συσκευή αφαιρέθηκε με μη αποθηκευμένες αλλαγές. Αποθήκευσή τους σε αρχείο;</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings to the device?</source>
        <translation>Αποθήκευση των ρυθμίσεων Wi-Fi στη συσκευή;</translation>
    </message>
    <message>
        <source>The device does not accept %1 for &quot;%2&quot;</source>
        <translation>Η συσκευή δεν δέχεται την τιμή %1 για «%2»</translation>
    </message>
    <message>
        <source>Virtual %1 opened</source>
        <translation>Η εικονική συσκευή %1 άνοιξε</translation>
    </message>
    <message>
        <source>The device memory could not be read (%1); it holds the factory settings</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της μνήμης της συσκευής (%1)· περιέχει τις εργοστασιακές ρυθμίσεις</translation>
    </message>
    <message>
        <source>The unsaved changes of the removed device were discarded</source>
        <translation>Οι μη αποθηκευμένες αλλαγές της συσκευής που αφαιρέθηκε απορρίφθηκαν</translation>
    </message>
    <message>
        <source>Configuration report</source>
        <translation>Αναφορά διαμόρφωσης</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Συσκευή</translation>
    </message>
    <message>
        <source>Plug-in version</source>
        <translation>Έκδοση πρόσθετου</translation>
    </message>
    <message>
        <source>Quillmark version</source>
        <translation>Έκδοση Quillmark</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Υλικολογισμικό</translation>
    </message>
    <message>
        <source>Created on</source>
        <translation>Δημιουργήθηκε στις</translation>
    </message>
    <message>
        <source>Cover sheet</source>
        <translation>Εξώφυλλο</translation>
    </message>
    <message>
        <source>Device configuration</source>
        <translation>Διαμόρφωση συσκευής</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Όνομα έργου</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Στοιχεία πελάτη</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Στοιχεία εγκαταστάτη</translation>
    </message>
    <message>
        <source>Service date</source>
        <translation>Ημερομηνία συντήρησης</translation>
    </message>
    <message>
        <source>Service representative</source>
        <translation>Τεχνικός συντήρησης</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Στοιχεία κτιρίου</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ναι</translation>
    </message>
    <message>
        <source>no</source>
        <translation>όχι</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>Files and backups</source>
        <translation>Αρχεία και αντίγραφα ασφαλείας</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Αποθήκευση στη συσκευή</translation>
    </message>
    <message>
        <source>Load from the device</source>
        <translation>Φόρτωση από τη συσκευή</translation>
    </message>
    <message>
        <source>Open a configuration file</source>
        <translation>Άνοιγμα αρχείου διαμόρφωσης</translation>
    </message>
    <message>
        <source>Backup on the SD card</source>
        <translation>Αντίγραφο ασφαλείας στην κάρτα SD</translation>
    </message>
    <message>
        <source>Backup for an SD card</source>
        <translation>Αντίγραφο ασφαλείας για κάρτα SD</translation>
    </message>
    <message>
        <source>Restore the last backup</source>
        <translation>Επαναφορά του τελευταίου αντιγράφου ασφαλείας</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Συντήρηση</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Υλικολογισμικό</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Γίνεται ενημέρωση</translation>
    </message>
    <message>
        <source>Password protection</source>
        <translation>Προστασία με κωδικό πρόσβασης</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ενεργή</translation>
    </message>
    <message>
        <source>off</source>
        <translation>ανενεργή</translation>
    </message>
    <message>
        <source>Update the firmware</source>
        <translation>Ενημέρωση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Επανεκκίνηση συσκευής</translation>
    </message>
    <message>
        <source>Format the device memory</source>
        <translation>Μορφοποίηση μνήμης συσκευής</translation>
    </message>
    <message>
        <source>Factory settings</source>
        <translation>Εργοστασιακές ρυθμίσεις</translation>
    </message>
    <message>
        <source>Forgotten password</source>
        <translation>Ξεχάσατε τον κωδικό πρόσβασης;</translation>
    </message>
    <message>
        <source>Unplug the virtual device</source>
        <translation>Αποσύνδεση της εικονικής συσκευής</translation>
    </message>
</context>
</TS>
