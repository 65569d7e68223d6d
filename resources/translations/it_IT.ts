<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Informazioni su Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. Tutti i diritti riservati.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane e il logo Brevane sono marchi di Brevane negli Stati Uniti e in altri paesi.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable offre una serie di base di utilità diagnostiche in un ambiente indipendente dal sistema operativo installato. Consente di testare, diagnosticare ed eventualmente riparare il disco rigido, anche se l’ambiente del sistema operativo non è accessibile.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Contratto di licenza</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fine</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>ATTENZIONE!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>Il menu dei test avanzati contiene opzioni che possono cancellare i dati o rendere l’unità inutilizzabile per il sistema. Se si continua, si potrebbero perdere dati.

Eseguire il backup di tutti i dati importanti prima di usare un test avanzato.

Brevane non è responsabile della perdita di dati dell’utente.

Leggere i file della guida o contattare l’assistenza tecnica Brevane prima di usare i test avanzati.

Premere F8 per abilitare i test avanzati. Fare clic su Annulla per tornare ai test di base.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Contattare l’assistenza tecnica Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Chiudere l’applicazione? (Ci sono test in corso)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Contratto di licenza</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Non accetto</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Accetto</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Fine</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Cancella intervallo</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA massimo:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Inizio:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fine:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
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
            <translation>Cancellazione a tempo</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA massimo:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA iniziale:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Unità di tempo:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>ore</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>minuti</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>secondi</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Durata:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
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
            <translation>Kestrova - Guida</translation>
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
            <translation>Modulo</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Informazioni sull’unità</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informazioni sull’unità salvate</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Informazioni e risultati dei test</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Numero di modello</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Numero di serie</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Revisione firmware</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA massimo</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Gestione energetica obbligatoria</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Modalità di sicurezza</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Supporto indirizzamento a 48 bit</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Gestione energetica avanzata</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Supporto autotest SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Supporto registrazione errori SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Temperatura dell’unità (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Ore di accensione</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Dimensione cache</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Supporto registrazione generica (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Stato di sicurezza</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Download del microcodice</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Blocco di sicurezza</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Supportato</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Non supportato</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Attivato</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Disattivato</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Disattivato</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sì</translation>
        </message>
        <message>
            <source>False</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Sconosciuto</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Non indicato</translation>
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
            <translation>Congelato</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Non congelato</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmentato</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Non segmentato</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Differito</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Non differito</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacità</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Dimensione del settore</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Versione NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID dello spazio dei nomi</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Formato LBA in uso</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Autotest del dispositivo</translation>
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
            <translation>Avviso critico</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Temperatura composita (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Riserva disponibile</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Soglia della riserva disponibile</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Percentuale utilizzata</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Dati letti</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Dati scritti</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Cicli di accensione</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Spegnimenti non sicuri</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Errori del supporto e di integrità dei dati</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Voci del registro errori</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Stato e autotest</translation>
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
            <translation>Logico %1 byte, fisico %2 byte</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Non disponibile: l'unità è raggiunta come semplice dispositivo a blocchi</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Precedente alla 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Formato %1: %2 byte, %3 byte di metadati</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Formato %1: %2 byte</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Cancellazione dei blocchi</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Cancellazione crittografica</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sovrascrittura</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Cancellazione dei dati utente</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Riserva disponibile sotto la soglia</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Temperatura fuori dalle soglie</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Affidabilità ridotta</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Supporto in sola lettura</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Guasto del backup della memoria volatile</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Regione di memoria persistente inaffidabile</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Avviso sconosciuto 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nessuno</translation>
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
            <translation>italiano</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Avanzamento test</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Modello</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Numero di serie</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisione</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Elenco unità</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Nuova scansione</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>Test di &amp;base</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>Funzioni &amp;avanzate</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Lingua</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Guida</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Esci</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Informazioni</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Visualizza log</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Salva log...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Salva log</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;Controllo S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Controllo S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Autotest breve dell’unità</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Test generico &amp;breve</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Test generico breve</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Test generico &amp;lungo</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Rapida</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Lunga</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Arresto dischi</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Imposta LBA massimo</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Cancella</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Sovrascrittura completa</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Cancella traccia ZERO</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Intervallo</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tempo</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sovrascrivi</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Cripto</translation>
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
            <translation>Spegnimento appena le operazioni in corso si saranno fermate</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Seleziona la lingua</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
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
            <translation>Avviso</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Impossibile salvare il file.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>La chiavetta USB potrebbe essere piena.</translation>
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
            <translation>Avviso</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Questa azione modificherà le unità selezionate e potrebbe sovrascrivere i dati. Brevane non è responsabile della perdita di dati. Premere F8 per continuare.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Questa azione modificherà le unità selezionate e potrebbe sovrascrivere i dati. Brevane non è responsabile della perdita di dati. Premere F8 per continuare.

Una volta avviato questo test, è necessario attendere la fine dell’esecuzione. Durerà diverse ore.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON ESEGUIBILE</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>SUPERATO</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>NON SUPERATO</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON ESEGUIBILE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>IN CORSO</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROTTO</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zona esterna</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zona interna</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lettura casuale</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>SANIFICAZIONE NON RIUSCITA</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Verifica</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informazioni sull’unità salvate</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Imposta LBA massimo</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA massimo attuale:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Nuovo numero massimo di LBA:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Ripristina capacità nativa</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Verifica in rilettura: settori non cancellati</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Verifica in rilettura: l'unità ha smesso di rispondere</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Test generico breve</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Test generico lungo</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Autotest breve dell’unità</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Controllo S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Autotest breve dell’unità</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Controllo S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zona esterna</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zona interna</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lettura casuale</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Cancellazione completa</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Riparato</translation>
        </message>
        <message>
            <source>started</source>
            <translation>avviato</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sì</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>NON SUPERATO</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROTTO</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>SUPERATO</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON ESEGUIBILE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>IN CORSO</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Test interrotto dall’utente</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informazioni sull’unità salvate</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Imposta LBA massimo</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Numero massimo di LBA attuale:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nuovo max.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Ripristina capacità nativa</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Inizio:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fine:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Lunga</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Rapida</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Sanificazione non riuscita: l'unità necessita di una nuova sanificazione</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Impossibile scrivere</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>L'unità non offre questa operazione</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>L'unità ha smesso di rispondere</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>L'unità ha smesso di rispondere al LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>L'unità ha rifiutato la lettura al LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Settori illeggibili:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>L'unità non ha potuto leggere i settori dal LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>L'unità ha rifiutato la scrittura al LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>L'unità ha rifiutato la scrittura</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>L'unità ha segnalato un errore, codice di libreria:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Attributo SMART oltre la soglia:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>Lo stato SMART dell'unità prevede un guasto</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>Il registro di salute dell'unità segnala un avviso critico:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>L'autotest non è riuscito:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>L'autotest non è terminato in tempo</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>L'unità non ha segnalato il completamento del lavoro</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>L'unità non indica alcuna capacità</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>L'intervallo non contiene alcun settore</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>L'unità ha smesso di avanzare</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>Il registro degli autotest non indica alcun LBA guasto</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Troppi settori da riparare:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID errato</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>La diagnostica interna dell'unità ha segnalato un errore:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Motivo:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Riscritto</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Programma avviato</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Programma terminato</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>INTERROTTA: il programma è terminato prima dell'operazione</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Visualizza log</translation>
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
            <translation>Modulo</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Cambia immagine</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>mancano</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>completato</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nuovo max.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Registri conservati in memoria</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Il supporto di avvio non è scrivibile: i registri delle unità sono conservati in memoria e andranno persi allo spegnimento.

Per conservarli, premere Alt+F4 nella finestra principale per aprire un terminale e copiare i file di /logs su un altro supporto.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Supporto di avvio</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>Il programma viene eseguito da questa unità e vi scrive i suoi log. Le operazioni che modificano o arrestano un'unità non vengono eseguite su di essa.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>L'unità %1 è il supporto da cui viene eseguito questo programma e contiene i log. Le operazioni che modificano o arrestano un'unità non vengono eseguite su di essa.

Deselezionala e scegli di nuovo l'operazione per le altre unità.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Nessuna unità trovata.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Collega l'unità e premi «Nuova scansione»; un'unità appena accesa può richiedere alcuni secondi.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Verifica che i cavi dati e di alimentazione dell'unità siano ben collegati a entrambe le estremità, oppure prova un'altra porta o un altro cavo.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Se l'unità è collegata ma non compare, la modalità di archiviazione del firmware può nasconderla: imposta la modalità SATA da RAID ad AHCI nella configurazione del firmware e riavvia la macchina.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Nessuna unità trovata oltre al supporto di avvio.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Risultati: connessione a %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Risultati: tutti inviati a %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Risultati: %1 in attesa di invio a %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Risultati: invio a %1 non riuscito (%2); %3 in attesa, nuovo tentativo in corso</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>I risultati restano solo nei file locali: %1 non è un indirizzo http:// o https:// valido</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>I risultati restano solo nei file locali: il certificato di %1 è stato rifiutato (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>Impossibile salvare l'elenco dei risultati da inviare: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Risultati: %1 non raggiungibile (%2); nuovo tentativo in corso</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Certificato di sanificazione</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Persona che ha eseguito la sanificazione</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Operatore</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organizzazione</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Informazioni sul supporto</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Produttore</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modello</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Numero di serie</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Tipo di supporto</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Provenienza</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Dettagli della sanificazione</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoria</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Pulizia</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Eliminazione</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Metodo utilizzato</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sovrascrittura</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Cancellazione crittografica</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Dettagli del metodo</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Strumento utilizzato</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Metodo di verifica</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Completa: ogni settore riletto</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Campionamento rapido: settori riletti</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nessuno</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Esito della verifica</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>non verificato</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Settori letti</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Discordanze</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Iniziato</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 del record dei risultati</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Firma</translation>
        </message>
    </context>
</TS>
