<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VI">
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>Tiếng Việt</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Chọn ngôn ngữ</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Đồng ý</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Xem nhật ký</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Đồng ý</translation>
        </message>
    </context>
</TS>
