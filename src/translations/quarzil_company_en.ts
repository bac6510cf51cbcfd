<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>The field cannot be longer than %1 characters!</translation>
    </message>
</context>
</TS>
