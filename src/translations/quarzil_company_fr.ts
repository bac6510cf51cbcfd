<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>FieldHelpers</name>
    <message>
        <source>Il campo non può essere più lungo di %1 caratteri!</source>
        <translation>Le champ ne peut pas dépasser %1 caractères !</translation>
    </message>
</context>
</TS>
