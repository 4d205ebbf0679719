<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ptListDataModel</name>
    <message>
        <source>Uncategorised</source>
        <translation>Без категории</translation>
    </message>
    <message>
        <source>item</source>
        <translation>шт</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
</context>
</TS>
