<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>繁體中文</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>選擇語言</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>檢視記錄</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
    </context>
</TS>
