<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Messages</name>
    <message>
        <source> Fehler </source>
        <translation> Error </translation>
    </message>
    <message>
        <source> Druck-Fehler </source>
        <translation> Print error </translation>
    </message>
    <message>
        <source>Bitte kleinere Werte verwenden.</source>
        <translation>Please use smaller values.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Ungültiger Prozeduraufruf oder ungültiges Argument</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Index außerhalb des gültigen Bereichs</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>Division durch Null</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf Pfad/Datei</source>
        <translation>Path/file access error</translation>
    </message>
    <message>
        <source>Pfad nicht gefunden</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>Ungültiges Bild</source>
        <translation>Invalid picture</translation>
    </message>
    <message>
        <source>Anwendungs- oder objektdefinierter Fehler</source>
        <translation>Application-defined or object-defined error</translation>
    </message>
</context>
<context>
    <name>zb::ui::MDIForm1</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Anzeigen/Drucken</source>
        <translation>&amp;Show/Print</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Antennen&amp;zeichnung </source>
        <translation>Antenna &amp;drawing </translation>
    </message>
    <message>
        <source>&amp;Eingaben</source>
        <translation>&amp;Input data</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Bau&amp;variante</source>
        <translation>&amp;Construction</translation>
    </message>
    <message>
        <source>&amp;2 Querträger (mit Spannseil)</source>
        <translation>&amp;2 spreaders (with tensioning line)</translation>
    </message>
    <message>
        <source>&amp;3 Querträger (ohne Spannseil)</source>
        <translation>&amp;3 spreaders (without tensioning line)</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>C&amp;alculate</translation>
    </message>
    <message>
        <source>1. &amp;Verkürzungsfaktor</source>
        <translation>1. &amp;Velocity factor</translation>
    </message>
    <message>
        <source>2. &amp;Zelvar-Beam</source>
        <translation>2. &amp;Zelvar-Beam</translation>
    </message>
    <message>
        <source>3. Pruning / Optimieren</source>
        <translation>3. Pruning / trimming</translation>
    </message>
    <message>
        <source>4. &amp;Messung auswerten…</source>
        <translation>4. Evaluate a &amp;sweep…</translation>
    </message>
    <message>
        <source>5. Am &amp;Analysator messen…</source>
        <translation>5. Measure at the &amp;analyser…</translation>
    </message>
    <message>
        <source>&amp;Zusatzdipol (strahlungsgekoppelt)</source>
        <translation>Extra &amp;dipole (radiation-coupled)</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
</context>
</TS>
