<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BeamForm</name>
    <message>
        <source>andere</source>
        <translation>other</translation>
    </message>
    <message>
        <source>&amp;CW-Bereich</source>
        <translation>C&amp;W segment</translation>
    </message>
    <message>
        <source>&amp;SSB-Bereich</source>
        <translation>&amp;SSB segment</translation>
    </message>
    <message>
        <source>Band&amp;mitte</source>
        <translation>Mid-ba&amp;nd</translation>
    </message>
    <message>
        <source>Hinweis: </source>
        <translation>Note: </translation>
    </message>
</context>
<context>
    <name>Insulation</name>
    <message>
        <source>   Vakuum</source>
        <translation>   Vacuum</translation>
    </message>
    <message>
        <source> Luft</source>
        <translation> Air</translation>
    </message>
    <message>
        <source>   Papier</source>
        <translation>   Paper</translation>
    </message>
    <message>
        <source>   PTFE GY</source>
        <translation>   PTFE GY</translation>
    </message>
    <message>
        <source>   Polyethylen PE</source>
        <translation>   Polyethylene PE</translation>
    </message>
    <message>
        <source> Öl</source>
        <translation> Oil</translation>
    </message>
    <message>
        <source> PTFE GX</source>
        <translation> PTFE GX</translation>
    </message>
    <message>
        <source>   Polystyrol</source>
        <translation>   Polystyrene</translation>
    </message>
    <message>
        <source>   Gummi</source>
        <translation>   Rubber</translation>
    </message>
    <message>
        <source>   Silikon SIR</source>
        <translation>   Silicone SIR</translation>
    </message>
    <message>
        <source>   Holz</source>
        <translation>   Wood</translation>
    </message>
    <message>
        <source>   Plexiglas</source>
        <translation>   Acrylic glass</translation>
    </message>
    <message>
        <source>   Polyamid PA</source>
        <translation>   Polyamide PA</translation>
    </message>
    <message>
        <source>   PVC</source>
        <translation>   PVC</translation>
    </message>
    <message>
        <source>   Epoxyd FR4</source>
        <translation>   Epoxy FR4</translation>
    </message>
    <message>
        <source>   Cevausit</source>
        <translation>   Cevausit</translation>
    </message>
    <message>
        <source>   Pertinax</source>
        <translation>   Pertinax (SRBP)</translation>
    </message>
    <message>
        <source>   Igelit</source>
        <translation>   Igelit</translation>
    </message>
    <message>
        <source>   Vinidur</source>
        <translation>   Vinidur</translation>
    </message>
    <message>
        <source>   Porzellan</source>
        <translation>   Porcelain</translation>
    </message>
    <message>
        <source>   Glas</source>
        <translation>   Glass</translation>
    </message>
    <message>
        <source> PTFE 3006</source>
        <translation> PTFE 3006</translation>
    </message>
    <message>
        <source>   Calit</source>
        <translation>   Calit</translation>
    </message>
    <message>
        <source>   Glimmer</source>
        <translation>   Mica</translation>
    </message>
</context>
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
    <name>Status</name>
    <message>
        <source>Status: Berechnung eines Zelvar-Beam</source>
        <translation>Status: Calculating a Zelvar-Beam</translation>
    </message>
    <message>
        <source>Status: Bereit zum Anzeigen der Berechnungsergebnisse</source>
        <translation>Status: Ready to show the results</translation>
    </message>
    <message>
        <source>Status: Bereit für Antennen-Berechnungen</source>
        <translation>Status: Ready for antenna calculations</translation>
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
        <translation>&amp;Design</translation>
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
        <translation>&amp;Calculate</translation>
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
    <message>
        <source>Kalvex Zelvar-Beam-Berechnung</source>
        <translation>Kalvex Zelvar-Beam calculation</translation>
    </message>
</context>
<context>
    <name>zb::ui::frmHauptform</name>
    <message>
        <source>Berechnung eines Zelvar-Beam nach Kalvex</source>
        <translation>Calculating a Zelvar-Beam nach Kalvex</translation>
    </message>
    <message>
        <source>Resonanzfrequenz [MHz]:</source>
        <translation>Resonance frequency [MHz]:</translation>
    </message>
    <message>
        <source>Gesamt Beam :</source>
        <translation>Whole beam :</translation>
    </message>
    <message>
        <source>Antenne berechnen für &amp;Band [MHz]:</source>
        <translation>Calculate the antenna for &amp;band [MHz]:</translation>
    </message>
    <message>
        <source>&amp;Resonanz im Band für:</source>
        <translation>&amp;Resonance in the band for:</translation>
    </message>
    <message>
        <source>&amp;Verkürzungsfaktor:</source>
        <translation>&amp;Velocity factor:</translation>
    </message>
    <message>
        <source> aus Schlankheitsgrad u. Antennenhöhe </source>
        <translation> from slenderness ratio and antenna height </translation>
    </message>
    <message>
        <source>Draht&amp;isolierung:</source>
        <translation>Wire &amp;insulation:</translation>
    </message>
    <message>
        <source>für zusätzlichen Verkürzungsfaktor bei isoliertem Draht</source>
        <translation>for the extra velocity factor of insulated wire</translation>
    </message>
    <message>
        <source>relative &amp;Dielektrizitätszahl :</source>
        <translation>relative &amp;permittivity :</translation>
    </message>
    <message>
        <source> Isolier-Material </source>
        <translation> Insulation material </translation>
    </message>
    <message>
        <source>Durchmesser [mm]</source>
        <translation>Diameter [mm]</translation>
    </message>
    <message>
        <source>Aussen:</source>
        <translation>Outer:</translation>
    </message>
    <message>
        <source> Gesamtdurchmesser </source>
        <translation> Overall diameter </translation>
    </message>
    <message>
        <source>Leiter:</source>
        <translation>Conductor:</translation>
    </message>
    <message>
        <source> Drahtdurchmesser </source>
        <translation> Wire diameter </translation>
    </message>
    <message>
        <source>&amp;Rechnen</source>
        <translation>Ca&amp;lculate</translation>
    </message>
    <message>
        <source> Berechnung durchführen  </source>
        <translation> Run the calculation  </translation>
    </message>
    <message>
        <source>&amp;Anzeigen</source>
        <translation>Sh&amp;ow</translation>
    </message>
    <message>
        <source> Ergebnisse anzeigen </source>
        <translation> Show the results </translation>
    </message>
</context>
</TS>
