<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Über Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. Alle Rechte vorbehalten.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane und das Brevane-Logo sind Marken von Brevane in den USA und anderen Ländern.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable bietet eine grundlegende Sammlung von Diagnosewerkzeugen in einer Umgebung, die von Ihrem installierten Betriebssystem unabhängig ist. So können Sie Ihre Festplatte testen, diagnostizieren und möglicherweise reparieren, selbst wenn Ihr Betriebssystem nicht zugänglich ist.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Lizenzvereinbarung</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>WARNUNG!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>Das Menü der erweiterten Tests enthält Optionen, die Ihre Daten löschen oder das Laufwerk für Ihr System unbrauchbar machen können. Wenn Sie fortfahren, können Daten verloren gehen.

Sichern Sie alle wichtigen Daten, bevor Sie einen erweiterten Test verwenden.

Brevane ist nicht für verlorene Benutzerdaten verantwortlich.

Bitte lesen Sie die Hilfedateien oder wenden Sie sich an den technischen Support von Brevane, bevor Sie erweiterte Tests verwenden.

Drücken Sie F8, um die erweiterten Tests freizugeben. Klicken Sie auf „Abbrechen“, um zu den grundlegenden Tests zurückzukehren.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Technischen Support von Brevane kontaktieren</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Möchten Sie die Anwendung schließen? (Es laufen noch Tests)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Lizenzvereinbarung</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Ich akzeptiere nicht</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Ich akzeptiere</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fertig</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Bereich löschen</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Max. LBA:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Start:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Ende:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>Zeitlöschung</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Max. LBA:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA-Start:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Zeiteinheit:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>Stunden</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>Minuten</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>Sekunden</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Testdauer:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - Hilfe</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Laufwerksinformationen</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Laufwerksinformationen gespeichert</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Testinformationen und Ergebnisse</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Modellnummer</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Seriennummer</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Firmware-Revision</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>Max. LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Obligatorische Energieverwaltung</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Sicherheitsmodus</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Unterstützung der 48-Bit-Adressierung</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Erweiterte Energieverwaltung</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Unterstützung des SMART-Selbsttests</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Unterstützung der SMART-Fehlerprotokollierung</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Laufwerkstemperatur (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Betriebsstunden</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Cachegröße</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Unterstützung der allgemeinen Protokollierung (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Sicherheitsstatus</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Firmware-Download</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Sicherheitssperre</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Unterstützt</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Nicht unterstützt</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Aktiviert</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Deaktiviert</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Deaktiviert</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>False</source>
            <translation>Nein</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Unbekannt</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Nicht gemeldet</translation>
        </message>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2 </source>
            <translation>%1, %2 </translation>
        </message>
        <message>
            <source>%1, %2, %3</source>
            <translation>%1, %2, %3</translation>
        </message>
        <message>
            <source>Frozen</source>
            <translation>Eingefroren</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Nicht eingefroren</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmentiert</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Nicht segmentiert</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Verzögert</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Nicht verzögert</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Kapazität</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Sektorgröße</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe-Version</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>Namespace-ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Verwendetes LBA-Format</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Geräte-Selbsttest</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>Sanitize</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>Format NVM</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>Kritische Warnung</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Gesamttemperatur (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Verfügbare Reserve</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Schwelle der verfügbaren Reserve</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Prozentsatz verbraucht</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Gelesene Daten</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Geschriebene Daten</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Einschaltvorgänge</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Unsichere Abschaltungen</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Medien- und Datenintegritätsfehler</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Einträge im Fehlerprotokoll</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Zustand und Selbsttest</translation>
        </message>
        <message>
            <source>%1 (%2 GB)</source>
            <translation>%1 (%2 GB)</translation>
        </message>
        <message>
            <source>%1 GB</source>
            <translation>%1 GB</translation>
        </message>
        <message>
            <source>Logical %1 bytes, physical %2 bytes</source>
            <translation>Logisch %1 Byte, physisch %2 Byte</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Nicht verfügbar: Das Laufwerk wird als einfaches Blockgerät angesprochen</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Vor 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Format %1: %2 Byte, %3 Byte Metadaten</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Format %1: %2 Byte</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Blocklöschung</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Kryptografische Löschung</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Überschreiben</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Löschen der Benutzerdaten</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Verfügbare Reserve unter der Schwelle</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Temperatur außerhalb der Schwellen</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Zuverlässigkeit beeinträchtigt</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Medium schreibgeschützt</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Sicherung des flüchtigen Speichers ausgefallen</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Persistenter Speicherbereich unzuverlässig</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Unbekannte Warnung 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>%1 %</source>
            <translation>%1 %</translation>
        </message>
    </context>
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Testfortschritt</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Modell-ID</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Seriennummer</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revision</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Laufwerksliste</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Neu scannen</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>&amp;Grundlegende Tests</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>&amp;Erweiterte Funktionen</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Sprache</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Info</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Protokoll anzeigen</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>Protokoll &amp;speichern...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Protokoll speichern</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;S.M.A.R.T.-Prüfung</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T.-Prüfung</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>Kurzer &amp;Laufwerks-Selbsttest</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>&amp;Kurzer generischer Test</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Kurzer generischer Test</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Langer &amp;generischer Test</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Schnell</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Lang</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Spin-down</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Max. LBA festlegen</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Vollständig überschreiben</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Spur NULL löschen</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Bereich</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Überschreiben</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Krypto</translation>
        </message>
        <message>
            <source>IDD 70</source>
            <translation>IDD 70</translation>
        </message>
        <message>
            <source>IDD 71</source>
            <translation>IDD 71</translation>
        </message>
        <message>
            <source>Powering off once the running operations have stopped</source>
            <translation>Ausschalten, sobald die laufenden Vorgänge beendet sind</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Sprache auswählen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Die Datei kann nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Ihr USB-Stick ist möglicherweise voll.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Diese Aktion verändert die ausgewählten Laufwerke und kann Ihre Daten überschreiben. Brevane ist nicht für Datenverluste verantwortlich. Drücken Sie F8, um fortzufahren.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Diese Aktion verändert die ausgewählten Laufwerke und kann Ihre Daten überschreiben. Brevane ist nicht für Datenverluste verantwortlich. Drücken Sie F8, um fortzufahren.

Sobald dieser Test startet, müssen Sie warten, bis die Ausführung abgeschlossen ist. Er dauert mehrere Stunden.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NICHT AUSFÜHRBAR</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>BESTANDEN</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FEHLER</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NICHT AUSFÜHRBAR</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>LÄUFT</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ABGEBROCHEN</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Außenbereich</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Innenbereich</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Zufallslesen</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>BEREINIGUNG FEHLGESCHLAGEN</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Prüfung</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Laufwerksinformationen gespeichert</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Max. LBA festlegen</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>Aktuelle max. LBA:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Neue maximale LBA-Anzahl:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Native Kapazität wiederherstellen</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Prüflesen: Sektoren nicht gelöscht</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Prüflesen: das Laufwerk antwortet nicht mehr</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Kurzer generischer Test</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Langer generischer Test</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Kurzer Laufwerks-Selbsttest</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T.-Prüfung</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Kurzer Laufwerks-Selbsttest</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T.-Prüfung</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Außenbereich</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Innenbereich</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Zufallslesen</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Vollständiges Löschen</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Behoben</translation>
        </message>
        <message>
            <source>started</source>
            <translation>gestartet</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Ja</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FEHLER</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ABGEBROCHEN</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>BESTANDEN</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NICHT AUSFÜHRBAR</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>LÄUFT</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Test vom Benutzer abgebrochen</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Laufwerksinformationen gespeichert</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Max. LBA festlegen</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Aktuelle maximale LBA-Anzahl:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Neue max.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Native Kapazität wiederherstellen</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Start:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Ende:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Lang</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Schnell</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Bereinigung fehlgeschlagen: das Laufwerk braucht eine neue Bereinigung</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Konnte nicht schreiben:</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>Das Laufwerk bietet diesen Vorgang nicht an</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>Das Laufwerk antwortet nicht mehr</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>Das Laufwerk antwortet nicht mehr ab LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>Das Laufwerk hat das Lesen verweigert bei LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Unlesbare Sektoren:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>Das Laufwerk konnte die Sektoren nicht lesen ab LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>Das Laufwerk hat das Schreiben verweigert bei LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>Das Laufwerk hat das Schreiben verweigert</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>Das Laufwerk meldet einen Fehler, Bibliothekscode:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>SMART-Attribut über seinem Schwellenwert:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>Der SMART-Status des Laufwerks sagt einen Ausfall voraus</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>Das Zustandsprotokoll des Laufwerks meldet eine kritische Warnung:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>Der Selbsttest ist fehlgeschlagen:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>Der Selbsttest wurde nicht rechtzeitig beendet</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>Das Laufwerk hat den Abschluss der Arbeit nicht gemeldet</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>Das Laufwerk meldet keine Kapazität</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>Der Bereich enthält keinen Sektor</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>Das Laufwerk macht keinen Fortschritt mehr</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>Das Selbsttestprotokoll nennt keine fehlerhafte LBA</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Zu viele Sektoren zu reparieren:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>Falsche PSID</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>Die laufwerksinterne Diagnose meldet einen Fehler:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Grund:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Neu geschrieben</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Programm gestartet</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Programm beendet</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>UNTERBROCHEN: Das Programm endete vor dem Vorgang</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Protokoll anzeigen</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Bild ändern</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>Rest</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>fertig</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Neue max.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Protokolle nur im Arbeitsspeicher</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Das Startmedium ist nicht beschreibbar. Die Laufwerksprotokolle werden daher im Arbeitsspeicher gehalten und gehen beim Ausschalten verloren.

Um sie zu behalten, drücken Sie im Hauptfenster Alt+F4 für ein Terminal und kopieren Sie die Dateien in /logs auf ein anderes Medium.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Startmedium</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>Das Programm läuft von diesem Laufwerk und schreibt seine Protokolle darauf. Vorgänge, die ein Laufwerk verändern oder anhalten, werden darauf nicht ausgeführt.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>Das Laufwerk %1 ist das Medium, von dem dieses Programm läuft, und enthält die Protokolle. Vorgänge, die ein Laufwerk verändern oder anhalten, werden darauf nicht ausgeführt.

Entfernen Sie das Häkchen und wählen Sie den Vorgang für die anderen Laufwerke erneut.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Es wurde kein Laufwerk gefunden.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Schließen Sie das Laufwerk an und drücken Sie „Neu scannen“; ein gerade eingeschaltetes Laufwerk braucht eventuell einige Sekunden.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Prüfen Sie, ob Daten- und Stromkabel des Laufwerks an beiden Enden fest sitzen, oder versuchen Sie einen anderen Anschluss oder ein anderes Kabel.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Ist das Laufwerk angeschlossen, aber nicht aufgeführt, kann der Speichermodus der Firmware es verbergen: Stellen Sie im Firmware-Setup den SATA-Modus von RAID auf AHCI um und starten Sie den Rechner neu.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Außer dem Startmedium wurde kein Laufwerk gefunden.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Ergebnisse: Verbindung zu %1 wird aufgebaut</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Ergebnisse: alle an %1 gesendet</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Ergebnisse: %1 warten auf das Senden an %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Ergebnisse: Senden an %1 fehlgeschlagen (%2); %3 warten, neuer Versuch folgt</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Ergebnisse bleiben nur in lokalen Dateien: %1 ist keine gültige http://- oder https://-Adresse</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Ergebnisse bleiben nur in lokalen Dateien: das Zertifikat von %1 wurde abgelehnt (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>Die Liste der zu sendenden Ergebnisse konnte nicht gespeichert werden: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Ergebnisse: %1 ist nicht erreichbar (%2); neuer Versuch folgt</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Löschzertifikat</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Durchführende Person</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Bediener</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organisation</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Angaben zum Datenträger</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Hersteller</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modell</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Seriennummer</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Datenträgertyp</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Herkunft</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Angaben zur Löschung</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Kategorie</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Bereinigen</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Tilgen</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Verwendete Methode</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Überschreiben</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Kryptografisches Löschen</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Einzelheiten der Methode</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Verwendetes Werkzeug</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Prüfmethode</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Vollständig: jeder Sektor zurückgelesen</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Stichprobe: Sektoren zurückgelesen</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Prüfergebnis</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>nicht geprüft</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Gelesene Sektoren</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Abweichungen</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Begonnen</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 des Ergebnisdatensatzes</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Unterschrift</translation>
        </message>
    </context>
</TS>
