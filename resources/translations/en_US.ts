<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Erase Track ZERO</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fast</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Long</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Set Max LBA</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Select Language</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>View Log</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>I Accept</source>
            <translation>I accept</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>License agreement</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>CAUTION</source>
            <translation>WARNING!</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Hours</source>
            <translation>hours</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>New Maximum LBA:</source>
            <translation>New maximum LBA count:</translation>
        </message>
    </context>
</TS>
