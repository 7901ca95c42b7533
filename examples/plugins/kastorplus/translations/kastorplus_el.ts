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
        <source>Drive</source>
        <translation>Μηχανισμός κίνησης</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Όνομα συσκευής</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Εύρος ανοίγματος</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Χρόνος διαδρομής</translation>
    </message>
    <message>
        <source>Opening limit (%)</source>
        <translation>Όριο ανοίγματος (%)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Φορά κίνησης</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Κανονική</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Αντίστροφη</translation>
    </message>
    <message>
        <source>Closing force</source>
        <translation>Δύναμη κλεισίματος</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Χαμηλή</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Κανονική</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Υψηλή</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Νυχτερινός αερισμός</translation>
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
        <source>From</source>
        <translation>Από</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Θέση παραθύρου</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Γίνεται ανάγνωση</translation>
    </message>
</context>
<context>
    <name>KastorPlusPlugin</name>
    <message>
        <source>Kastor+ configuration</source>
        <translation>Διαμόρφωση Kastor+</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Όνομα συσκευής</translation>
    </message>
    <message>
        <source>Window drive</source>
        <translation>Μηχανισμός κίνησης παραθύρου</translation>
    </message>
    <message>
        <source>Opening width</source>
        <translation>Εύρος ανοίγματος</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>Χρόνος διαδρομής</translation>
    </message>
    <message>
        <source>Opening limit</source>
        <translation>Όριο ανοίγματος</translation>
    </message>
    <message>
        <source>Closing force (0 low, 2 high)</source>
        <translation>Δύναμη κλεισίματος (0 χαμηλή, 2 υψηλή)</translation>
    </message>
    <message>
        <source>Direction reversed</source>
        <translation>Αντίστροφη φορά κίνησης</translation>
    </message>
    <message>
        <source>Night ventilation</source>
        <translation>Νυχτερινός αερισμός</translation>
    </message>
    <message>
        <source>Night ventilation from</source>
        <translation>Νυχτερινός αερισμός από</translation>
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
        <source>Open a virtual actuator</source>
        <translation>Άνοιγμα εικονικού μηχανισμού κίνησης</translation>
    </message>
    <message>
        <source>No actuator connected: the virtual one works without hardware.</source>
        <translation>Δεν είναι συνδεδεμένος μηχανισμός κίνησης: ο εικονικός λειτουργεί χωρίς υλικό.</translation>
    </message>
</context>
</TS>
