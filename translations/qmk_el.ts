<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>QTranslator</name>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Delete Plugin</source>
        <translation>Διαγραφή πρόσθετου</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Μορφοποίηση</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Αποθήκευση σε αρχείο</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Show What&apos;s new</source>
        <translation>Εμφάνιση νέων λειτουργιών</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Επανεκκίνηση</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Η λήψη απέτυχε</translation>
    </message>
    <message>
        <source>Cancel loading</source>
        <translation>Ακύρωση φόρτωσης</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>The Plugin didn&apos;t load.
There could be a module missing (e.g. a driver).

Please check the Brennhof Website for more information.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση του πρόσθετου.
Ενδέχεται να λείπει κάποιο στοιχείο (π.χ. ένα πρόγραμμα οδήγησης).

Για περισσότερες πληροφορίες επισκεφθείτε τον ιστότοπο της Brennhof.</translation>
    </message>
    <message>
        <source>Downloading changelog</source>
        <translation>Λήψη αρχείου αλλαγών</translation>
    </message>
    <message>
        <source>Downloading plugin</source>
        <translation>Λήψη πρόσθετου</translation>
    </message>
    <message>
        <source>Downloading update</source>
        <translation>Λήψη ενημέρωσης</translation>
    </message>
    <message>
        <source>Install update</source>
        <translation>Εγκατάσταση ενημέρωσης</translation>
    </message>
    <message>
        <source>Please close the software. Then move the update to the Program Files folder and restart QMK.</source>
        <translation>Κλείστε το λογισμικό. Στη συνέχεια μετακινήστε την ενημέρωση στον φάκελο Program Files και επανεκκινήστε το QMK.</translation>
    </message>
    <message>
        <source>Open assembly instructions</source>
        <translation>Άνοιγμα οδηγιών εγκατάστασης</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Έξοδος από την εφαρμογή</translation>
    </message>
    <message>
        <source>Software version information</source>
        <translation>Πληροφορίες έκδοσης λογισμικού</translation>
    </message>
    <message>
        <source>You leave the open plugin.</source>
        <translation>Εγκαταλείπετε το ανοιχτό πρόσθετο.</translation>
    </message>
    <message>
        <source>Only becomes active after restarting QMK!</source>
        <comment>Wird erst nach Neustart von QMK aktiv!</comment>
        <translation>Ενεργοποιείται μόνο μετά την επανεκκίνηση του QMK!</translation>
    </message>
    <message>
        <source>Opens the software help pages.</source>
        <translation>Ανοίγει τις σελίδες βοήθειας του λογισμικού.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>User settings</source>
        <translation>Ρυθμίσεις χρήστη</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version %1 available</source>
        <translation>Διαθέσιμη η έκδοση %1</translation>
    </message>
    <message>
        <source>back</source>
        <translation>πίσω</translation>
    </message>
    <message>
        <source>Constructor data</source>
        <translation>Στοιχεία εγκαταστάτη</translation>
    </message>
    <message>
        <source>Please pass this code on to your support contact.</source>
        <translation>Δώστε αυτόν τον κωδικό στον αρμόδιο της τεχνικής υποστήριξης.</translation>
    </message>
    <message>
        <source>To unlock and delete the password, please enter the code you received</source>
        <translation>Για να ξεκλειδώσετε και να διαγράψετε τον κωδικό πρόσβασης, εισαγάγετε τον κωδικό που λάβατε</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Στοιχεία πελάτη</translation>
    </message>
    <message>
        <source>Activate dark mode</source>
        <comment>Dark Mode aktivieren</comment>
        <translation>Ενεργοποίηση σκοτεινής λειτουργίας</translation>
    </message>
    <message>
        <source>Download failed. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Η λήψη απέτυχε. Προσπαθήστε ξανά. Αν το πρόβλημα παραμένει, κατεβάστε την τελευταία έκδοση από τη διεύθυνση www.brennhof.de.</translation>
    </message>
    <message>
        <source>Download incomplete. Please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Η λήψη δεν ολοκληρώθηκε. Προσπαθήστε ξανά. Αν το πρόβλημα παραμένει, κατεβάστε την τελευταία έκδοση από τη διεύθυνση www.brennhof.de.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Γίνεται λήψη</translation>
    </message>
    <message>
        <source>General settings</source>
        <comment>allgemeine Einstellungen</comment>
        <translation>Γενικές ρυθμίσεις</translation>
    </message>
    <message>
        <source>Generate master password</source>
        <translation>Δημιουργία κύριου κωδικού πρόσβασης</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Υπόδειξη</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>είναι ενημερωμένο</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Κλειδί</translation>
    </message>
    <message>
        <source>Language selection</source>
        <translation>Επιλογή γλώσσας</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>Υποχρεωτικό πεδίο</translation>
    </message>
    <message>
        <source>Codes don&apos;t match!</source>
        <translation>Οι κωδικοί δεν ταιριάζουν!</translation>
    </message>
    <message>
        <source>next</source>
        <translation>επόμενο</translation>
    </message>
    <message>
        <source>Connection not available. Please check your connection and try it again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Η σύνδεση δεν είναι διαθέσιμη. Ελέγξτε τη σύνδεσή σας και προσπαθήστε ξανά. Αν το πρόβλημα παραμένει, επικοινωνήστε με τον υπεύθυνο πωλήσεων ή κατεβάστε την τελευταία έκδοση από τον ιστότοπό μας.</translation>
    </message>
    <message>
        <source>Update file not available. Please try again. If the problem persists, please contact your account manager or download the latest version from the homepage.</source>
        <translation>Το αρχείο ενημέρωσης δεν είναι διαθέσιμο. Προσπαθήστε ξανά. Αν το πρόβλημα παραμένει, επικοινωνήστε με τον υπεύθυνο πωλήσεων ή κατεβάστε την τελευταία έκδοση από τον ιστότοπό μας.</translation>
    </message>
    <message>
        <source>Object data</source>
        <translation>Στοιχεία κτιρίου</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Όνομα έργου</translation>
    </message>
    <message>
        <source>Show tooltips</source>
        <comment>Tooltips anzeigen</comment>
        <translation>Εμφάνιση επεξηγήσεων</translation>
    </message>
    <message>
        <source>Unlock Code</source>
        <translation>Κωδικός ξεκλειδώματος</translation>
    </message>
    <message>
        <source>Update could not be carried out correctly, please try again. If the problem persists, please download the latest version from www.brennhof.de.</source>
        <translation>Δεν ήταν δυνατή η σωστή εκτέλεση της ενημέρωσης. Προσπαθήστε ξανά. Αν το πρόβλημα παραμένει, κατεβάστε την τελευταία έκδοση από τη διεύθυνση www.brennhof.de.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <source>Do you want to return to the home screen?</source>
        <translation>Θέλετε να επιστρέψετε στην αρχική οθόνη;</translation>
    </message>
    <message>
        <source>All unsaved changes will be lost.</source>
        <translation>Όλες οι μη αποθηκευμένες αλλαγές θα χαθούν.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the plugin?

The plugin can only be reinstalled after restarting QMK.</source>
        <translation>Θέλετε σίγουρα να διαγράψετε το πρόσθετο;

Το πρόσθετο μπορεί να εγκατασταθεί ξανά μόνο μετά την επανεκκίνηση του QMK.</translation>
    </message>
    <message>
        <source>Do you want to leave the software?</source>
        <translation>Θέλετε να κλείσετε το λογισμικό;</translation>
    </message>
    <message>
        <source>If there are connected devices, creating the PDF report may take some time.
The time period varies depending on the type and number of connected devices</source>
        <comment>Bei angeschlossenen Geräten kann das Erstellen des PDF Reports einige Zeit in Anspruch nehmen.
Die Zeitspanne variiert je nach Typ und Menge der angeschlossenen Geräte</comment>
        <translation>Αν υπάρχουν συνδεδεμένες συσκευές, η δημιουργία της αναφοράς PDF μπορεί να διαρκέσει αρκετή ώρα.
Η διάρκεια εξαρτάται από τον τύπο και τον αριθμό των συνδεδεμένων συσκευών.</translation>
    </message>
    <message>
        <source>There are unsaved changes.
Do you want to save the changes?</source>
        <translation>Υπάρχουν μη αποθηκευμένες αλλαγές.
Θέλετε να αποθηκεύσετε τις αλλαγές;</translation>
    </message>
    <message>
        <source>Assembly instructions</source>
        <translation>Οδηγίες εγκατάστασης</translation>
    </message>
    <message>
        <source>Create backup</source>
        <translation>Δημιουργία αντιγράφου ασφαλείας</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Επαναφορά εργοστασιακών ρυθμίσεων</translation>
    </message>
    <message>
        <source>KNX assembly instructions</source>
        <translation>Οδηγίες εγκατάστασης KNX</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Επαναφορά αντιγράφου ασφαλείας</translation>
    </message>
    <message>
        <source>Error while creating the configuration file.</source>
        <translation>Σφάλμα κατά τη δημιουργία του αρχείου διαμόρφωσης.</translation>
    </message>
    <message>
        <source>There was an error creating the PDF.Please restart the control unit.</source>
        <translation>Παρουσιάστηκε σφάλμα κατά τη δημιουργία του PDF. Επανεκκινήστε την κεντρική μονάδα.</translation>
    </message>
    <message>
        <source>While reseting to factory settings an error has occurred. Please restart the control unit.</source>
        <translation>Παρουσιάστηκε σφάλμα κατά την επαναφορά των εργοστασιακών ρυθμίσεων. Επανεκκινήστε την κεντρική μονάδα.</translation>
    </message>
    <message>
        <source>Creating configuration file finished</source>
        <translation>Η δημιουργία του αρχείου διαμόρφωσης ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Creating configuration file started</source>
        <translation>Η δημιουργία του αρχείου διαμόρφωσης ξεκίνησε</translation>
    </message>
    <message>
        <source>Creating PDF report finished</source>
        <translation>Η δημιουργία της αναφοράς PDF ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Creating PDF report started</source>
        <translation>Η δημιουργία της αναφοράς PDF ξεκίνησε</translation>
    </message>
    <message>
        <source>Device removed</source>
        <translation>Η συσκευή αφαιρέθηκε</translation>
    </message>
    <message>
        <source>Firmware update finished</source>
        <translation>Η ενημέρωση υλικολογισμικού ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Firmware update started</source>
        <translation>Η ενημέρωση υλικολογισμικού ξεκίνησε</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Εγγραφή υλικολογισμικού</translation>
    </message>
    <message>
        <source>Flashing finished</source>
        <translation>Η εγγραφή υλικολογισμικού ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Loading configuration</source>
        <translation>Φόρτωση διαμόρφωσης</translation>
    </message>
    <message>
        <source>Reset configuration</source>
        <translation>Επαναφορά διαμόρφωσης</translation>
    </message>
    <message>
        <source>Start loading configurations from file</source>
        <translation>Έναρξη φόρτωσης διαμορφώσεων από αρχείο</translation>
    </message>
    <message>
        <source>Save the configuration as PDF file</source>
        <translation>Αποθήκευση της διαμόρφωσης ως αρχείο PDF</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the factory settings?</source>
        <translation>Θέλετε σίγουρα να επαναφέρετε τις εργοστασιακές ρυθμίσεις;</translation>
    </message>
    <message>
        <source>Load configuration from the connected control unit or composite system</source>
        <translation>Φόρτωση διαμόρφωσης από τη συνδεδεμένη κεντρική μονάδα ή το διασυνδεδεμένο σύστημα</translation>
    </message>
    <message>
        <source>Store the configuration in the control unit or composite system</source>
        <translation>Αποθήκευση της διαμόρφωσης στην κεντρική μονάδα ή στο διασυνδεδεμένο σύστημα</translation>
    </message>
    <message>
        <source>Save configuration as %1 file</source>
        <translation>Αποθήκευση διαμόρφωσης ως αρχείο %1</translation>
    </message>
    <message>
        <source>Actuators</source>
        <translation>Μηχανισμοί κίνησης</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>short form of april</comment>
        <translation>Απρ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Απρίλιος</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>short form of august</comment>
        <translation>Αύγ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Αύγουστος</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Διαμόρφωση</translation>
    </message>
    <message>
        <source>Constructor</source>
        <translation>Εγκαταστάτης</translation>
    </message>
    <message>
        <source>created on</source>
        <translation>δημιουργήθηκε στις</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Πελάτης</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Απενεργοποιημένο</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>short form of december</comment>
        <translation>Δεκ</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Δεκέμβριος</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>Drive line</source>
        <translation>Γραμμή μηχανισμών κίνησης</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>short form of february</comment>
        <translation>Φεβ</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Φεβρουάριος</translation>
    </message>
    <message>
        <source>Fill cover sheet</source>
        <translation>Συμπλήρωση εξωφύλλου</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>short form of friday</comment>
        <translation>Παρ</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Παρασκευή</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>short form of january</comment>
        <translation>Ιαν</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Ιανουάριος</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>short form of july</comment>
        <translation>Ιούλ</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Ιούλιος</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>short form of june</comment>
        <translation>Ιούν</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Ιούνιος</translation>
    </message>
    <message>
        <source>Live data</source>
        <translation>Δεδομένα σε πραγματικό χρόνο</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Φόρτωση</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>short form of march</comment>
        <translation>Μάρ</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Μάρτιος</translation>
    </message>
    <message>
        <source>May</source>
        <comment>short form of may</comment>
        <translation>Μάι</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Μάιος</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>short form of monday</comment>
        <translation>Δευ</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Δευτέρα</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>short form of november</comment>
        <translation>Νοέ</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Νοέμβριος</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <translation>η ώρα</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Κτίριο</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>short form of october</comment>
        <translation>Οκτ</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Οκτώβριος</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>On</source>
        <comment>dt: An</comment>
        <translation>Ενεργό</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Operation mode</source>
        <translation>Τρόπος λειτουργίας</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Σελίδα %1 από %2</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>Plugin Version Number</source>
        <translation>Αριθμός έκδοσης πρόσθετου</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Προτεραιότητα</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Βροχή</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Αναφορά</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>short form of saturday</comment>
        <translation>Σάβ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Σάββατο</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Γίνεται αποθήκευση</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Αισθητήρες</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>short form of september</comment>
        <translation>Σεπ</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Σεπτέμβριος</translation>
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
        <source>Set title</source>
        <translation>Ορισμός τίτλου</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Κανονική λειτουργία</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Διακόπηκε</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>short form of sunday</comment>
        <translation>Κυρ</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Κυριακή</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Θερμοκρασία</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>short form of thursday</comment>
        <translation>Πέμ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Πέμπτη</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>short form of tuesday</comment>
        <translation>Τρί</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <source>User signed in</source>
        <translation>Ο χρήστης συνδέθηκε</translation>
    </message>
    <message>
        <source>Ventilation runtime</source>
        <translation>Διάρκεια αερισμού</translation>
    </message>
    <message>
        <source>Version number</source>
        <translation>Αριθμός έκδοσης</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Voltage power supply</source>
        <translation>Τάση τροφοδοσίας</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>short form of wednesday</comment>
        <translation>Τετ</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Τετάρτη</translation>
    </message>
    <message>
        <source>What do you want to do?</source>
        <translation>Τι θέλετε να κάνετε;</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Άνεμος</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
</context>
</TS>
