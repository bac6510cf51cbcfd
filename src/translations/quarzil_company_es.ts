<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>¡El campo no puede tener más de %1 caracteres!</translation>
    </message>
</context>
</TS>
