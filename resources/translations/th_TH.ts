<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>ภาษาไทย</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>เลือกภาษา</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>ดูบันทึก</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ตกลง</translation>
        </message>
    </context>
</TS>
