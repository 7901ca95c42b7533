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
        <source>Smoke alarm</source>
        <translation>Συναγερμός καπνού</translation>
    </message>
    <message>
        <source>Location (type a new one and press Enter)</source>
        <translation>Θέση εγκατάστασης (πληκτρολογήστε νέα και πατήστε Enter)</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Κλιμακοστάσιο</translation>
    </message>
    <message>
        <source>Atrium</source>
        <translation>Αίθριο</translation>
    </message>
    <message>
        <source>Lift shaft</source>
        <translation>Φρεάτιο ανελκυστήρα</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Επίπεδο συναγερμού</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Τοπικό</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Κτίριο</translation>
    </message>
    <message>
        <source>Fire brigade</source>
        <translation>Πυροσβεστική</translation>
    </message>
    <message>
        <source>Alarm delay in seconds (at most 60)</source>
        <translation>Καθυστέρηση συναγερμού σε δευτερόλεπτα (έως 60)</translation>
    </message>
    <message>
        <source>Relays and power</source>
        <translation>Ρελέ και τροφοδοσία</translation>
    </message>
    <message>
        <source>Opens the windows for the daily ventilation</source>
        <translation>Ανοίγει τα παράθυρα για τον καθημερινό αερισμό</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Ρελέ 1: καθημερινός αερισμός</translation>
    </message>
    <message>
        <source>Reports a fault to the building control</source>
        <translation>Αναφέρει βλάβη στο σύστημα διαχείρισης κτιρίου</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Ρελέ 2: σήμα βλάβης</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Παρακολούθηση μπαταρίας</translation>
    </message>
    <message>
        <source>Checking the battery</source>
        <translation>Γίνεται έλεγχος μπαταρίας</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Μπαταρία</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Σημειώσεις</translation>
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
    <name>PelionPlugin</name>
    <message>
        <source>Pelion configuration</source>
        <translation>Διαμόρφωση Pelion</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Θέση εγκατάστασης</translation>
    </message>
    <message>
        <source>Stairwell</source>
        <translation>Κλιμακοστάσιο</translation>
    </message>
    <message>
        <source>Alarm level</source>
        <translation>Επίπεδο συναγερμού</translation>
    </message>
    <message>
        <source>Alarm delay</source>
        <translation>Καθυστέρηση συναγερμού</translation>
    </message>
    <message>
        <source>Battery monitoring</source>
        <translation>Παρακολούθηση μπαταρίας</translation>
    </message>
    <message>
        <source>Relay 1: daily ventilation</source>
        <translation>Ρελέ 1: καθημερινός αερισμός</translation>
    </message>
    <message>
        <source>Relay 2: fault message</source>
        <translation>Ρελέ 2: σήμα βλάβης</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Σημειώσεις</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Open a virtual control unit</source>
        <translation>Άνοιγμα εικονικής κεντρικής μονάδας</translation>
    </message>
    <message>
        <source>No control unit connected: the virtual one works without hardware.</source>
        <translation>Δεν είναι συνδεδεμένη κεντρική μονάδα: η εικονική λειτουργεί χωρίς υλικό.</translation>
    </message>
</context>
</TS>
