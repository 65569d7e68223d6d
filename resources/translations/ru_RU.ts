<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>О программе Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>© Brevane, 2016. Все права защищены.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane и логотип Brevane являются товарными знаками Brevane в США и других странах.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable предоставляет базовый набор диагностических утилит в среде, не зависящей от установленной операционной системы. Это позволяет тестировать, диагностировать и, возможно, восстанавливать жёсткий диск, даже если среда операционной системы недоступна.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Лицензия</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Готово</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>ВНИМАНИЕ!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>Меню расширенных тестов содержит функции, которые могут стереть ваши данные или сделать диск непригодным для работы в системе. Продолжая, вы можете потерять данные.

Перед использованием любого расширенного теста создайте резервную копию всех важных данных.

Brevane не несёт ответственности за потерю данных пользователя.

Перед использованием расширенных тестов прочтите файлы справки или обратитесь в службу технической поддержки Brevane.

Нажмите F8, чтобы включить расширенные тесты. Нажмите «Отмена», чтобы вернуться к базовым тестам.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Обратитесь в службу технической поддержки Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Закрыть приложение? (Выполняются тесты)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Лицензионное соглашение</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Не принимаю</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Принимаю</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Готово</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Стереть диапазон</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Макс. LBA:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Начало:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Конец:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>Стирание по времени</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Макс. LBA:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>Начальный LBA:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Единица времени:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>часы</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>минуты</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>секунды</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Длительность:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - Справка</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Сведения о диске</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Сведения о диске сохранены</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Сведения и результаты тестов</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Номер модели</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Серийный номер</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Версия микропрограммы</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>Макс. LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Обязательное управление питанием</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Режим безопасности</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Поддержка 48-битной адресации</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Расширенное управление питанием</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Поддержка самотеста SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Поддержка журнала ошибок SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Температура диска (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Часы работы</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Размер кэша</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Поддержка журналов общего назначения (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Состояние безопасности</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Загрузка микрокода</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Блокировка безопасности</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Поддерживается</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Не поддерживается</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Включено</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Отключено</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Отключено</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>False</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Неизвестно</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Не сообщается</translation>
        </message>
        <message>
            <source>%1 MB</source>
            <translation>%1 МБ</translation>
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
            <translation>Заморожено</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Не заморожено</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Посегментная</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Не посегментная</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Отложенная</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Не отложенная</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Ёмкость</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Размер сектора</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Версия NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID пространства имён</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Используемый формат LBA</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Самотестирование устройства</translation>
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
            <translation>Критическое предупреждение</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Общая температура (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Доступный резерв</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Порог доступного резерва</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Израсходовано ресурса</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Прочитано данных</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Записано данных</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Циклы включения</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Небезопасные отключения</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Ошибки носителя и целостности данных</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Записи журнала ошибок</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Состояние и самотестирование</translation>
        </message>
        <message>
            <source>%1 (%2 GB)</source>
            <translation>%1 (%2 ГБ)</translation>
        </message>
        <message>
            <source>%1 GB</source>
            <translation>%1 ГБ</translation>
        </message>
        <message>
            <source>Logical %1 bytes, physical %2 bytes</source>
            <translation>Логический %1 байт, физический %2 байт</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Недоступно: доступ к диску идёт как к простому блочному устройству</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>До 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Формат %1: %2 байт, %3 байт метаданных</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Формат %1: %2 байт</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Стирание блоков</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Криптографическое стирание</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Перезапись</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Стирание пользовательских данных</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Доступный резерв ниже порога</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Температура вне пороговых значений</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Надёжность снижена</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Носитель только для чтения</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Сбой резервирования энергозависимой памяти</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Область постоянной памяти ненадёжна</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Неизвестное предупреждение 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Нет</translation>
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
            <translation>русский</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Ход теста</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Модель</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Серийный номер</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Версия</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Список дисков</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Файл</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Повторный поиск</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>&amp;Базовые тесты</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>&amp;Расширенные функции</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Язык</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Справка</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Выход</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;О программе</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Просмотр журнала</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Сохранить журнал...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Сохранить журнал</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>Проверка &amp;S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Проверка S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Краткий самотест диска</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Краткий &amp;общий тест</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Краткий общий тест</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>&amp;Полный общий тест</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Быстрое</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Полное</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Остановка вращения</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Задать макс. LBA</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Стирание</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Полная перезапись</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Стереть дорожку НОЛЬ</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Время</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Перезапись</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Крипто</translation>
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
            <translation>Выключение после остановки выполняемых операций</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Выбор языка</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Не удаётся сохранить файл.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Возможно, USB-накопитель заполнен.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Это действие изменит выбранные диски и может перезаписать ваши данные. Brevane не несёт ответственности за потерю данных. Нажмите F8, чтобы продолжить.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Это действие изменит выбранные диски и может перезаписать ваши данные. Brevane не несёт ответственности за потерю данных. Нажмите F8, чтобы продолжить.

После запуска этого теста необходимо дождаться окончания его выполнения. Он продлится несколько часов.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>НЕВЫПОЛНИМ</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>ПРОЙДЕН</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ОШИБКА</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>НЕВЫПОЛНИМ</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>ВЫПОЛНЯЕТСЯ</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ПРЕРВАН</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Внешняя зона</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Внутренняя зона</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Случайное чтение</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>ОЧИСТКА НЕ УДАЛАСЬ</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Проверка</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Сохранение</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Сведения о диске сохранены</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Задать макс. LBA</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>Текущий макс. LBA:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Новое максимальное число LBA:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Восстановить исходную ёмкость</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Проверка чтением: секторы не стёрты</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Проверка чтением: диск перестал отвечать</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Краткий общий тест</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Полный общий тест</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Краткий самотест диска</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Проверка S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Краткий самотест диска</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Проверка S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Внешняя зона</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Внутренняя зона</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Случайное чтение</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Полное стирание</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Исправлено</translation>
        </message>
        <message>
            <source>started</source>
            <translation>запущен</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ОШИБКА</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ПРЕРВАН</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>ПРОЙДЕН</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>НЕВЫПОЛНИМ</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>ВЫПОЛНЯЕТСЯ</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Тест прерван пользователем</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Сведения о диске сохранены</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Задать макс. LBA</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Текущее максимальное число LBA:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Новый макс.</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Восстановить исходную ёмкость</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Начало:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Конец:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Полное</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Быстрое</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Очистка не удалась: диску нужна новая очистка</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Не удалось записать</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>Накопитель не поддерживает эту операцию</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>Накопитель перестал отвечать</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>Накопитель перестал отвечать на LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>Накопитель отказал в чтении на LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Нечитаемые секторы:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>Накопитель не смог прочитать секторы начиная с LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>Накопитель отказал в записи на LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>Накопитель отказал в записи</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>Накопитель сообщил об ошибке, код библиотеки:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Атрибут SMART за пределом порога:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>Состояние SMART накопителя предсказывает отказ</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>Журнал состояния накопителя содержит критическое предупреждение:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>Самотест не пройден:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>Самотест не завершился вовремя</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>Накопитель не сообщил о завершении работы</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>Накопитель не сообщает ёмкость</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>В диапазоне нет ни одного сектора</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>Накопитель перестал продвигаться</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>В журнале самотестов нет сбойного LBA</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Слишком много секторов для восстановления:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>Неверный PSID</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>Встроенная диагностика накопителя сообщила об ошибке:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Причина:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Перезаписано</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Программа запущена</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Программа завершена</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>ПРЕРВАНО: программа завершилась раньше операции</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Просмотр журнала</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ОК</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Изменить изображение</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>осталось</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>выполнено</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Новый макс.</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Журналы хранятся только в памяти</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Загрузочный носитель недоступен для записи, поэтому журналы дисков хранятся в памяти и будут потеряны при выключении компьютера.

Чтобы сохранить их, нажмите Alt+F4 в главном окне, чтобы открыть терминал, и скопируйте файлы из /logs на другой носитель.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Загрузочный носитель</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>Программа запущена с этого накопителя и записывает на него журналы. Операции, изменяющие или останавливающие накопитель, на нём не выполняются.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>Накопитель %1 — это носитель, с которого запущена программа, и на нём хранятся журналы. Операции, изменяющие или останавливающие накопитель, на нём не выполняются.

Снимите с него отметку и выберите операцию заново для остальных накопителей.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Накопители не найдены.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Подключите накопитель и нажмите «Повторный поиск»; только что включённому накопителю может понадобиться несколько секунд.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Убедитесь, что кабели данных и питания накопителя надёжно подключены с обеих сторон, или попробуйте другой порт или кабель.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Если накопитель подключён, но не отображается, его может скрывать режим хранения микропрограммы: переключите режим SATA с RAID на AHCI в настройках микропрограммы и снова включите компьютер.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Кроме загрузочного носителя, накопители не найдены.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Результаты: подключение к %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Результаты: все отправлены на %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Результаты: %1 ожидают отправки на %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Результаты: не удалось отправить на %1 (%2); ожидают: %3, будет новая попытка</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Результаты остаются только в локальных файлах: %1 не является допустимым адресом http:// или https://</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Результаты остаются только в локальных файлах: сертификат %1 отклонён (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>Не удалось сохранить список результатов для отправки: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Результаты: %1 недоступен (%2); будет новая попытка</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Сертификат уничтожения данных</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Лицо, выполнившее уничтожение</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Оператор</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Организация</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Сведения о носителе</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Производитель</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Модель</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Серийный номер</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Микропрограмма</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Тип носителя</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Источник</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Сведения об уничтожении</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Категория</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Очистка</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Полное удаление</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Использованный метод</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Перезапись</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Криптографическое стирание</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Подробности метода</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Использованное средство</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Метод проверки</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Полная: каждый сектор прочитан заново</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Быстрая выборка: секторы прочитаны заново</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Результат проверки</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>не проверено</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Прочитано секторов</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Несовпадения</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Начато</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 записи результатов</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Подпись</translation>
        </message>
    </context>
</TS>
