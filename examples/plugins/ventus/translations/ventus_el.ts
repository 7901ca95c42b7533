<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>ControlPanel</name>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Αποθήκευση της διαμόρφωσης σε αρχείο</translation>
    </message>
    <message>
        <source>Create a report</source>
        <translation>Δημιουργία αναφοράς</translation>
    </message>
</context>
<context>
    <name>DeviceView</name>
    <message>
        <source>Wind</source>
        <translation>Άνεμος</translation>
    </message>
    <message>
        <source>Wind alarm (m/s)</source>
        <translation>Συναγερμός ανέμου (m/s)</translation>
    </message>
    <message>
        <source>Wind from these directions closes the windows</source>
        <translation>Ο άνεμος από αυτές τις κατευθύνσεις κλείνει τα παράθυρα</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Ταχύτητα ανέμου</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Γίνεται μέτρηση</translation>
    </message>
    <message>
        <source>Rain, frost and Wi-Fi</source>
        <translation>Βροχή, παγετός και Wi-Fi</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Συναγερμός βροχής</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Συναγερμός παγετού κάτω από</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Δίκτυο Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Κωδικός πρόσβασης Wi-Fi</translation>
    </message>
    <message>
        <source>Save the Wi-Fi settings</source>
        <translation>Αποθήκευση ρυθμίσεων Wi-Fi</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Υπηρεσίες</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual weather station</source>
        <translation>Άνοιγμα εικονικού μετεωρολογικού σταθμού</translation>
    </message>
    <message>
        <source>No weather station connected: the virtual one works without hardware.</source>
        <translation>Δεν είναι συνδεδεμένος μετεωρολογικός σταθμός: ο εικονικός λειτουργεί χωρίς υλικό.</translation>
    </message>
</context>
<context>
    <name>VentusPlugin</name>
    <message>
        <source>Ventus configuration</source>
        <translation>Διαμόρφωση Ventus</translation>
    </message>
    <message>
        <source>Wind alarm</source>
        <translation>Συναγερμός ανέμου</translation>
    </message>
    <message>
        <source>Wind directions (bits N to NW)</source>
        <translation>Κατευθύνσεις ανέμου (bit Β έως ΒΔ)</translation>
    </message>
    <message>
        <source>Rain alarm</source>
        <translation>Συναγερμός βροχής</translation>
    </message>
    <message>
        <source>Frost alarm below</source>
        <translation>Συναγερμός παγετού κάτω από</translation>
    </message>
    <message>
        <source>Wi-Fi network</source>
        <translation>Δίκτυο Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi password</source>
        <translation>Κωδικός πρόσβασης Wi-Fi</translation>
    </message>
</context>
</TS>
