<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Acerca de Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. Todos los derechos reservados.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane y el logotipo de Brevane son marcas comerciales de Brevane en Estados Unidos y otros países.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable ofrece un conjunto básico de utilidades de diagnóstico en un entorno independiente del sistema operativo instalado. Le permite probar, diagnosticar y, posiblemente, reparar su disco duro, incluso si no puede acceder a su sistema operativo.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Acuerdo de licencia</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Listo</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>¡ADVERTENCIA!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>El menú de pruebas avanzadas tiene opciones que pueden borrar sus datos o dejar la unidad inutilizable para su sistema. Si continúa, podría perder datos.

Asegúrese de hacer una copia de seguridad de todos los datos importantes antes de usar cualquier prueba avanzada.

Brevane no se hace responsable de la pérdida de datos del usuario.

Lea los archivos de ayuda o póngase en contacto con el soporte técnico de Brevane antes de usar las pruebas avanzadas.

Pulse F8 para habilitar las pruebas avanzadas. Haga clic en Cancelar para volver a las pruebas básicas.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Contacte con el soporte técnico de Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>¿Desea cerrar la aplicación? (Hay pruebas en ejecución)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Acuerdo de licencia</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>No acepto</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Acepto</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Listo</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Borrar rango</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA máximo:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Inicio:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fin:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>Borrado por tiempo</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA máximo:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA inicial:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Unidad de tiempo:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>horas</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>minutos</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>segundos</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Duración:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - Ayuda</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Información de la unidad</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Información de la unidad guardada</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Información y resultados de las pruebas</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Número de modelo</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Revisión de firmware</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA máximo</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Gestión de energía obligatoria</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Modo de seguridad</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Compatibilidad con direcciones de 48 bits</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Gestión avanzada de energía</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Compatibilidad con autoprueba SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Compatibilidad con registro de errores SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Temperatura de la unidad (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Horas de funcionamiento</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Tamaño de caché</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Compatibilidad con registro de uso general (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Estado de seguridad</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Descarga de microcódigo</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Bloqueo de seguridad</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Compatible</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>No compatible</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Activado</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>False</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Desconocido</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>No indicado</translation>
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
            <translation>Congelado</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>No congelado</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmentado</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>No segmentado</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Diferido</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>No diferido</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacidad</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Tamaño de sector</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Versión de NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID de espacio de nombres</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Formato LBA en uso</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Autoprueba del dispositivo</translation>
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
            <translation>Advertencia crítica</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Temperatura compuesta (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Reserva disponible</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Umbral de la reserva disponible</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Porcentaje usado</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Datos leídos</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Datos escritos</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Ciclos de encendido</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Apagados inseguros</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Errores de medio y de integridad de datos</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Entradas del registro de errores</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Estado y autoprueba</translation>
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
            <translation>Lógico %1 bytes, físico %2 bytes</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>No disponible: se accede a la unidad como un dispositivo de bloques simple</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Anterior a 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Formato %1: %2 bytes, %3 bytes de metadatos</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Formato %1: %2 bytes</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Borrado de bloques</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Borrado criptográfico</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescritura</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Borrado de datos de usuario</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Reserva disponible por debajo del umbral</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Temperatura fuera de sus umbrales</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Fiabilidad degradada</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Medio en solo lectura</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Falló la copia de seguridad de la memoria volátil</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Región de memoria persistente poco fiable</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Advertencia desconocida 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguna</translation>
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
            <translation>español</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Progreso de la prueba</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisión</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Lista de unidades</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Volver a buscar</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>Pruebas &amp;básicas</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>&amp;Funciones avanzadas</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Idioma</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Acerca de</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Ver registro</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Guardar registro...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Guardar registro</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;Comprobación S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Comprobación S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Autoprueba corta de la unidad</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Prueba &amp;genérica corta</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Prueba genérica corta</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Prueba genérica &amp;larga</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Rápida</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Larga</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Detener discos</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Establecer LBA máximo</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Borrar</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Sobrescritura completa</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Borrar pista CERO</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rango</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tiempo</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescribir</translation>
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
            <translation>Apagando cuando se detengan las operaciones en curso</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Seleccionar idioma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>No se puede guardar el archivo.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Es posible que su memoria USB esté llena.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Esta acción modificará las unidades seleccionadas y puede sobrescribir sus datos. Brevane no se hace responsable de la pérdida de datos. Pulse F8 para continuar.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Alerta</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Esta acción modificará las unidades seleccionadas y puede sobrescribir sus datos. Brevane no se hace responsable de la pérdida de datos. Pulse F8 para continuar.

Cuando comience esta prueba, deberá esperar a que termine la ejecución. Durará varias horas.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NO EJECUTABLE</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>CORRECTO</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ERROR</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NO EJECUTABLE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EN CURSO</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>CANCELADO</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zona exterior</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zona interior</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lectura aleatoria</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>SANEAMIENTO FALLIDO</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Verificación</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Información de la unidad guardada</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Establecer LBA máximo</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA máximo actual:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Nuevo número máximo de LBA:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Restaurar capacidad nativa</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Verificación por lectura: sectores no borrados</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Verificación por lectura: la unidad dejó de responder</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Prueba genérica corta</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Prueba genérica larga</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Autoprueba corta de la unidad</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Comprobación S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Autoprueba corta de la unidad</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Comprobación S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Zona exterior</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Zona interior</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Lectura aleatoria</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Borrado completo</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Reparado</translation>
        </message>
        <message>
            <source>started</source>
            <translation>iniciada</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ERROR</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>CANCELADO</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>CORRECTO</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>NO EJECUTABLE</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>EN CURSO</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Prueba cancelada por el usuario</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Información de la unidad guardada</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Establecer LBA máximo</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Número máximo de LBA actual:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nuevo máx.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Restaurar capacidad nativa</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Inicio:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Fin:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Larga</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Rápida</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Saneamiento fallido: la unidad necesita un nuevo saneamiento</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>No se pudo escribir</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>La unidad no ofrece esta operación</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>La unidad dejó de responder</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>La unidad dejó de responder en el LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>La unidad rechazó la lectura en el LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Sectores ilegibles:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>La unidad no pudo leer los sectores desde el LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>La unidad rechazó la escritura en el LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>La unidad rechazó la escritura</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>La unidad informó de un fallo, código de biblioteca:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Atributo SMART por encima de su umbral:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>El estado SMART de la unidad predice un fallo</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>El registro de salud de la unidad indica una advertencia crítica:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>La autoprueba falló:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>La autoprueba no terminó a tiempo</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>La unidad no informó de que el trabajo se completara</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>La unidad no informa de ninguna capacidad</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>El rango no contiene ningún sector</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>La unidad dejó de avanzar</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>El registro de autopruebas no indica ningún LBA con fallo</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Demasiados sectores para reparar:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID incorrecto</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>El diagnóstico interno de la unidad informó de un fallo:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Motivo:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Reescrito</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Programa iniciado</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Programa finalizado</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>INTERRUMPIDA: el programa terminó antes que la operación</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Ver registro</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Cambiar imagen</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>quedan</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>completado</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Nuevo máx.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Registros guardados en memoria</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>No se puede escribir en el medio de arranque, así que los registros de las unidades se guardan en memoria y se pierden al apagar el equipo.

Para conservarlos, pulse Alt+F4 en la ventana principal para abrir un terminal y copie los archivos de /logs a otro medio.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Medio de arranque</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>El programa se ejecuta desde esta unidad y escribe en ella sus registros. Las operaciones que modifican o detienen una unidad no se ejecutan en ella.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>La unidad %1 es el medio desde el que se ejecuta este programa y contiene los registros. Las operaciones que modifican o detienen una unidad no se ejecutan en ella.

Desmárquela y vuelva a elegir la operación para las demás unidades.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>No se encontró ninguna unidad.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Conecte la unidad y pulse «Volver a buscar»; una unidad recién encendida puede necesitar unos segundos.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Compruebe que los cables de datos y de alimentación de la unidad estén bien conectados en ambos extremos, o pruebe otro puerto u otro cable.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Si la unidad está conectada pero no aparece, puede ocultarla el modo de almacenamiento del firmware: cambie el modo SATA de RAID a AHCI en la configuración del firmware y vuelva a encender el equipo.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>No se encontró ninguna unidad aparte del medio de arranque.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Resultados: conectando con %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Resultados: todos enviados a %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Resultados: %1 pendientes de envío a %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Resultados: falló el envío a %1 (%2); %3 pendientes, se volverá a intentar</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Los resultados quedan solo en archivos locales: %1 no es una dirección http:// o https:// válida</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Los resultados quedan solo en archivos locales: se rechazó el certificado de %1 (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>No se pudo guardar la lista de resultados por enviar: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Resultados: no se puede acceder a %1 (%2); se volverá a intentar</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Certificado de saneamiento</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Persona que realiza el saneamiento</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Operador</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organización</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Información del soporte</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Fabricante</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Tipo de soporte</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Origen</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Detalles del saneamiento</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Limpieza</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Purga</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Método utilizado</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescritura</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Borrado criptográfico</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Detalles del método</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Herramienta utilizada</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Método de verificación</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Completa: se releyó cada sector</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Muestreo rápido: sectores releídos</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguno</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Resultado de la verificación</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>no verificado</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Sectores leídos</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Discrepancias</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Iniciado</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 del registro de resultados</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Firma</translation>
        </message>
    </context>
</TS>
