<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>À propos de Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. Tous droits réservés.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane et le logo Brevane sont des marques de Brevane aux États-Unis et dans d’autres pays.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable fournit une suite de base d’utilitaires de diagnostic dans un environnement indépendant du système d’exploitation installé. Vous pouvez ainsi tester, diagnostiquer et éventuellement réparer votre disque dur, même si votre système d’exploitation est inaccessible.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Contrat de licence</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Alerte</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>AVERTISSEMENT !</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>Le menu des tests avancés propose des options qui peuvent effacer vos données ou rendre le disque inutilisable pour votre système. Si vous continuez, vous risquez de perdre des données.

Sauvegardez toutes vos données importantes avant d’utiliser un test avancé.

Brevane décline toute responsabilité en cas de perte de données utilisateur.

Veuillez lire les fichiers d’aide ou contacter le support technique de Brevane avant d’utiliser les tests avancés.

Appuyez sur F8 pour activer les tests avancés. Cliquez sur Annuler pour revenir aux tests de base.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Contacter le support technique de Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Voulez-vous fermer l’application ? (Des tests sont en cours)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrat de licence</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Je n’accepte pas</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>J’accepte</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Effacer une plage</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA max :</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Début :</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fin :</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
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
            <translation>Effacement minuté</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA max :</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA de départ :</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Unité de temps :</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>heures</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>minutes</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>secondes</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Durée :</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
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
            <translation>Kestrova - Aide</translation>
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
            <translation>Formulaire</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Informations sur le disque</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informations du disque enregistrées</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Informations et résultats des tests</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Numéro de modèle</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Numéro de série</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Révision du micrologiciel</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA max</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Gestion d’alimentation obligatoire</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Mode de sécurité</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Prise en charge de l’adressage 48 bits</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Gestion avancée de l’alimentation</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Prise en charge de l’autotest SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Prise en charge de la journalisation des erreurs SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Température du disque (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Heures de fonctionnement</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Taille du cache</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Prise en charge de la journalisation générale (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>État de sécurité</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Téléchargement de microcode</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Verrouillage de sécurité</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Pris en charge</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Non pris en charge</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Activé</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Oui</translation>
        </message>
        <message>
            <source>False</source>
            <translation>Non</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Inconnu</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Non indiqué</translation>
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
            <translation>Gelé</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Non gelé</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmenté</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Non segmenté</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Différé</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Non différé</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacité</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Taille de secteur</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Version NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID d'espace de noms</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Format LBA utilisé</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Autotest du périphérique</translation>
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
            <translation>Avertissement critique</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Température composite (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Réserve disponible</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Seuil de la réserve disponible</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Pourcentage utilisé</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Données lues</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Données écrites</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Cycles d'alimentation</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Arrêts non sécurisés</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Erreurs de support et d'intégrité des données</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Entrées du journal d'erreurs</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>État et autotest</translation>
        </message>
        <message>
            <source>%1 (%2 GB)</source>
            <translation>%1 (%2 Go)</translation>
        </message>
        <message>
            <source>%1 GB</source>
            <translation>%1 Go</translation>
        </message>
        <message>
            <source>Logical %1 bytes, physical %2 bytes</source>
            <translation>Logique %1 octets, physique %2 octets</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Non disponible : le disque est accédé comme un simple périphérique bloc</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Antérieure à 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Format %1 : %2 octets, %3 octets de métadonnées</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Format %1 : %2 octets</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Effacement par blocs</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Effacement cryptographique</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Écrasement</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Effacement des données utilisateur</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Réserve disponible sous le seuil</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Température hors de ses seuils</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Fiabilité dégradée</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Support en lecture seule</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Échec de la sauvegarde de la mémoire volatile</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Région de mémoire persistante peu fiable</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Avertissement inconnu 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucun</translation>
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
            <translation>français</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Progression du test</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Modèle</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Numéro de série</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Révision</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Liste des disques</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Nouvelle analyse</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>Tests de &amp;base</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>Fonctions &amp;avancées</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Langue</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>Ai&amp;de</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>À &amp;propos</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Afficher le journal</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Enregistrer le journal...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Enregistrer le journal</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;Contrôle S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Contrôle S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Autotest court du disque</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Test &amp;générique court</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Test générique court</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Test générique &amp;long</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Rapide</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Longue</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Arrêt de rotation</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Définir le LBA max</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Effacer</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Écrasement complet</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Effacer la piste ZÉRO</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Plage</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Durée</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Écraser</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Crypto</translation>
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
            <translation>Extinction dès l'arrêt des opérations en cours</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Choisir la langue</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
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
            <translation>Alerte</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Impossible d’enregistrer le fichier.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Votre clé USB est peut-être pleine.</translation>
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
            <translation>Alerte</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Cette action va modifier le ou les disques sélectionnés et peut écraser vos données. Brevane décline toute responsabilité en cas de perte de données. Appuyez sur F8 pour continuer.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Alerte</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Cette action va modifier le ou les disques sélectionnés et peut écraser vos données. Brevane décline toute responsabilité en cas de perte de données. Appuyez sur F8 pour continuer.

Une fois ce test lancé, vous devez attendre la fin de son exécution. Il durera plusieurs heures.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON EXÉCUTABLE</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>RÉUSSI</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ÉCHEC</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON EXÉCUTABLE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EN COURS</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROMPU</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zone extérieure</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zone intérieure</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lecture aléatoire</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>ASSAINISSEMENT ÉCHOUÉ</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Vérification</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informations du disque enregistrées</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Définir le LBA max</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA max actuel :</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Nouveau nombre maximal de LBA :</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Restaurer la capacité native</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Vérification par relecture : secteurs non effacés</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Vérification par relecture : le disque ne répond plus</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Test générique court</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Test générique long</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Autotest court du disque</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Contrôle S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Autotest court du disque</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Contrôle S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zone extérieure</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zone intérieure</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lecture aléatoire</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Effacement complet</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Réparé</translation>
        </message>
        <message>
            <source>started</source>
            <translation>démarré</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Oui</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ÉCHEC</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>INTERROMPU</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>RÉUSSI</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NON EXÉCUTABLE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EN COURS</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Test interrompu par l’utilisateur</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Informations du disque enregistrées</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Définir le LBA max</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Nombre maximal de LBA actuel :</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nouveau max.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Restaurer la capacité native</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Début :</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fin :</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Longue</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Rapide</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Assainissement échoué : le disque doit être assaini de nouveau</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Impossible d'écrire</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>Le disque ne propose pas cette opération</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>Le disque ne répond plus</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>Le disque ne répond plus au LBA :</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>Le disque a refusé la lecture au LBA :</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Secteurs illisibles :</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>Le disque n'a pas pu lire les secteurs à partir du LBA :</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>Le disque a refusé l'écriture au LBA :</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>Le disque a refusé l'écriture</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>Le disque a signalé un échec, code de bibliothèque :</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Attribut SMART au-delà de son seuil :</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>L'état SMART du disque prévoit une panne</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>Le journal de santé du disque signale un avertissement critique :</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>L'autotest a échoué :</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>L'autotest ne s'est pas terminé à temps</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>Le disque n'a pas signalé la fin du travail</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>Le disque n'indique aucune capacité</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>La plage ne contient aucun secteur</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>Le disque ne progresse plus</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>Le journal d'autotest n'indique aucun LBA défaillant</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Trop de secteurs à réparer :</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID incorrect</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>Le diagnostic interne du disque a signalé un échec :</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Raison :</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Réécrit</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Programme démarré</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Programme terminé</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>INTERROMPUE : le programme s'est arrêté avant la fin de l'opération</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Afficher le journal</translation>
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
            <translation>Formulaire</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Changer l’image</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>reste</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>terminé</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nouveau max.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Journaux conservés en mémoire</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Le support de démarrage n’est pas inscriptible : les journaux des disques sont conservés en mémoire et seront perdus à l’extinction de la machine.

Pour les garder, appuyez sur Alt+F4 dans la fenêtre principale pour obtenir un terminal et copiez les fichiers de /logs sur un autre support.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Support de démarrage</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>Le programme s'exécute depuis ce disque et y écrit ses journaux. Les opérations qui modifient ou arrêtent un disque n'y sont pas exécutées.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>Le disque %1 est le support depuis lequel ce programme s'exécute, et il contient les journaux. Les opérations qui modifient ou arrêtent un disque n'y sont pas exécutées.

Décochez-le et choisissez de nouveau l'opération pour les autres disques.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Aucun disque n'a été trouvé.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Branchez le disque et appuyez sur « Nouvelle analyse » ; un disque qui vient d'être mis sous tension peut demander quelques secondes.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Vérifiez que les câbles de données et d'alimentation du disque sont bien branchés aux deux extrémités, ou essayez un autre port ou un autre câble.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Si le disque est branché mais n'apparaît pas, le mode de stockage du micrologiciel peut le masquer : passez le mode SATA de RAID à AHCI dans la configuration du micrologiciel et redémarrez la machine.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Aucun disque n'a été trouvé en dehors du support de démarrage.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Résultats : connexion à %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Résultats : tous envoyés à %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Résultats : %1 en attente d'envoi à %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Résultats : échec de l'envoi à %1 (%2) ; %3 en attente, nouvel essai à venir</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Les résultats restent dans les fichiers locaux : %1 n'est pas une adresse http:// ou https:// valide</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Les résultats restent dans les fichiers locaux : le certificat de %1 a été refusé (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>La liste des résultats à envoyer n'a pas pu être enregistrée : %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Résultats : %1 est injoignable (%2) ; nouvel essai à venir</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Certificat d'effacement</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Personne ayant effectué l'effacement</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Opérateur</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organisation</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Informations sur le support</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Fabricant</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modèle</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Numéro de série</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Micrologiciel</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Type de support</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Provenance</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Détails de l'effacement</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Nettoyage</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Purge</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Méthode utilisée</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Écrasement</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Effacement cryptographique</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Détails de la méthode</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Outil utilisé</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Méthode de vérification</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Complète : chaque secteur relu</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Échantillonnage rapide : secteurs relus</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucune</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Résultat de la vérification</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>non vérifié</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Secteurs lus</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Écarts</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Commencé</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 de l'enregistrement des résultats</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Signature</translation>
        </message>
    </context>
</TS>
