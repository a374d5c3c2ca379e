<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Analyser</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Den Anschluss %1 gibt es nicht. Ist der Analysator angesteckt und eingeschaltet?</source>
        <translation>The port %1 does not exist. Is the analyser plugged in and switched on?</translation>
    </message>
    <message>
        <source>Keine Berechtigung für den Anschluss %1. Bitte der Gruppe dialout beitreten (sudo adduser $USER dialout) und sich danach neu anmelden.</source>
        <translation>No permission for the port %1. Please join the group dialout (sudo adduser $USER dialout) and log in again afterwards.</translation>
    </message>
    <message>
        <source>Der Anschluss %1 ist belegt: ein anderes Programm verwendet ihn. Bitte das andere Programm beenden und noch einmal messen.</source>
        <translation>The port %1 is busy: another program is using it. Please close the other program and measure again.</translation>
    </message>
    <message>
        <source>Der Anschluss %1 lässt sich nicht öffnen: %2.</source>
        <translation>The port %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Der Analysator an %1 spricht das Binärprotokoll einer anderen Gerätefamilie, deren Messwerte über USB nicht kalibriert sind. Bitte die Messung auf dem Gerät als Touchstone-Datei speichern und mit „Messung auswerten“ öffnen.</source>
        <translation>The analyser at %1 speaks the binary protocol of another family of devices, whose values over USB are not calibrated. Please save the sweep on the device as a Touchstone file and open it with “Evaluate a sweep”.</translation>
    </message>
    <message>
        <source>Der Analysator an %1 meldet sich nicht: keine Eingabeaufforderung „ch&gt;“ innerhalb von 3 s. Ist es eingeschaltet, und ist es ein Analysator mit Textbefehlen?</source>
        <translation>The analyser at %1 does not answer: no prompt “ch&gt;” within 3 s. Is it switched on, and is it an analyser with text commands?</translation>
    </message>
    <message>
        <source>Der Analysator an %1 schweigt seit 3 s. Die Messung ist abgebrochen.</source>
        <translation>The analyser at %1 has been silent for 3 s. The sweep is cancelled.</translation>
    </message>
    <message>
        <source>Der Analysator an %1 hat nicht innerhalb von 10 s zu Ende geantwortet. Die Messung ist abgebrochen.</source>
        <translation>The analyser at %1 did not finish its answer within 10 s. The sweep is cancelled.</translation>
    </message>
    <message>
        <source>Der Analysator an %1 hat eine unverständliche Zeile geschickt: %2</source>
        <translation>The analyser at %1 sent a line that cannot be understood: %2</translation>
    </message>
    <message>
        <source>Der Analysator an %1 hat den Messbefehl nicht angenommen: %2</source>
        <translation>The analyser at %1 did not accept the sweep command: %2</translation>
    </message>
    <message>
        <source>Der Analysator an %1 hat weniger Zeilen als Messpunkte geschickt (%2).</source>
        <translation>The analyser at %1 sent fewer lines than sweep points (%2).</translation>
    </message>
    <message>
        <source>Die Verbindung zum Analysator an %1 ist abgerissen (Gerät abgezogen?).</source>
        <translation>The connection to the analyser at %1 was lost (device unplugged?).</translation>
    </message>
    <message>
        <source>Die Verbindung zum Analysator an %1 ist abgerissen (Gerät abgezogen?): %2.</source>
        <translation>The connection to the analyser at %1 was lost (device unplugged?): %2.</translation>
    </message>
</context>
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
    <message>
        <source> Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen</source>
        <translation> Please enter a velocity factor from 0 - 1.0 ! (typically 0.946)</translation>
    </message>
    <message>
        <source>Ist die Eingabe der relative Dielektrizitätszahl korrekt ?</source>
        <translation>Is the relative permittivity entered correctly ?</translation>
    </message>
    <message>
        <source> Schlechtes Isoliermaterial ?</source>
        <translation> Poor insulation material ?</translation>
    </message>
    <message>
        <source>Hinweis: Durchmesser zu gering!</source>
        <translation>Note: diameter too small!</translation>
    </message>
</context>
<context>
    <name>CoupledDipolWindow</name>
    <message>
        <source> Bedingungen für die Richtigkeit der Berechnung:</source>
        <translation> Conditions for the calculation to hold:</translation>
    </message>
    <message>
        <source> · Der Erreger-Dipol muss auf der Frequenz des Zusatz-Dipol eine hochohmige </source>
        <translation> · On the additional dipole&apos;s frequency the driven dipole must show a high </translation>
    </message>
    <message>
        <source>   Impedanz aufweisen.</source>
        <translation>   impedance.</translation>
    </message>
    <message>
        <source> · Es kann nur ein zusätzlicher Dipol ausreichend genau berechnet werden. Solle zwei  </source>
        <translation> · Only one additional dipole can be calculated accurately enough. If two  </translation>
    </message>
    <message>
        <source>   oder mehr Zusatz-Dipole hinzu gefügt werden, so reichen die Abstandsberechnungen   </source>
        <translation>   or more additional dipoles are added, the calculated spacings serve   </translation>
    </message>
    <message>
        <source>   nur als grober Anhaltspunkt. Eigene Experimente sind dann notwendig.  </source>
        <translation>   only as a rough guide. Then your own experiments are needed.  </translation>
    </message>
    <message>
        <source> Hinweis:</source>
        <translation> Note:</translation>
    </message>
    <message>
        <source> · Die Eingaben zur Drahtisolierung und zur Berechnung des VF werden zur </source>
        <translation> · The entries for the wire insulation and for the VF calculation are </translation>
    </message>
    <message>
        <source>   Berechnung mit übernommen.</source>
        <translation>   taken over into the calculation.</translation>
    </message>
    <message>
        <source> · Der Zusatz-Dipol muss sich mittig und symmetrisch zum Speisepunkt befinden.        </source>
        <translation> · The additional dipole must sit centred and symmetrical about the feed point.        </translation>
    </message>
    <message>
        <source> · Der Zusatz-Dipol muss immer kürzer als der Erreger-Dipol sein und darf auch nicht  </source>
        <translation> · The additional dipole must always be shorter than the driven dipole and must not  </translation>
    </message>
    <message>
        <source>   über dessen Ende hinaus ragen.</source>
        <translation>   reach beyond its ends.</translation>
    </message>
    <message>
        <source>gewünschte Resonanz&amp;frequenz [MHz]:</source>
        <translation>Wanted resonance &amp;frequency [MHz]:</translation>
    </message>
    <message>
        <source>&amp;unterste Resonanzfrequenz [MHz]:</source>
        <translation>L&amp;owest resonance frequency [MHz]:</translation>
    </message>
    <message>
        <source>gewünschte &amp;Impedanz im Speisepunkt [Ohm]:</source>
        <translation>Wanted &amp;impedance at the feed point [Ohm]:</translation>
    </message>
    <message>
        <source>&amp;Draht-Durchmesser [mm]:</source>
        <translation>Wire &amp;diameter [mm]:</translation>
    </message>
    <message>
        <source>Dra&amp;ht-Durchmesser [mm]:</source>
        <translation>Wi&amp;re diameter [mm]:</translation>
    </message>
    <message>
        <source>&amp;Verkürzungsfaktor:</source>
        <translation>&amp;Velocity factor:</translation>
    </message>
    <message>
        <source>Strahlungsgekoppelten Dipol berechnen</source>
        <translation>Calculate a radiation-coupled dipole</translation>
    </message>
    <message>
        <source>&amp;Abstand zwischen den Antennendrähten [mm]:</source>
        <translation>&amp;Spacing between the antenna wires [mm]:</translation>
    </message>
    <message>
        <source>&amp;Länge Zusatzdipol [m]:</source>
        <translation>Additional dipole &amp;length [m]:</translation>
    </message>
    <message>
        <source> Info zur Berechnung eines strahlungsgekoppelten Dipol </source>
        <translation> About calculating a radiation-coupled dipole </translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Diese Datei ist nicht vorhanden.</source>
        <translation>This file does not exist.</translation>
    </message>
    <message>
        <source>Soll sie erstellt werden?</source>
        <translation>Shall it be created?</translation>
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
    <message>
        <source>Laufzeitfehler </source>
        <translation>Run-time error </translation>
    </message>
    <message>
        <source>Die Datei </source>
        <translation>The file </translation>
    </message>
    <message>
        <source>ist nicht vorhanden!</source>
        <translation>does not exist!</translation>
    </message>
    <message>
        <source>Bitte selbst nach der Datei suchen.</source>
        <translation>Please look for the file yourself.</translation>
    </message>
    <message>
        <source> Datei nicht gefunden</source>
        <translation> File not found</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Kann die Zeichnung gedruckt werden? </source>
        <translation>Can the drawing be printed? </translation>
    </message>
    <message>
        <source> Zeichnung </source>
        <translation> Drawing </translation>
    </message>
    <message>
        <source>Berechnung eines Zelvar-Beam nach Kalvex %1 am %2</source>
        <translation>Calculation of a Zelvar-Beam nach Kalvex %1 on %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>CW-Band: </source>
        <translation>for the CW segment: </translation>
    </message>
    <message>
        <source>für SSB-Band: </source>
        <translation>for the SSB segment: </translation>
    </message>
    <message>
        <source>für Bandmitte: </source>
        <translation>for mid-band: </translation>
    </message>
    <message>
        <source>Antenne berechnet </source>
        <translation>Antenna calculated </translation>
    </message>
    <message>
        <source>Resonanzfrequenz: </source>
        <translation>Resonance frequency: </translation>
    </message>
    <message>
        <source>Drahtdurchmesser: </source>
        <translation>Wire diameter: </translation>
    </message>
    <message>
        <source>Antennenhöhe: </source>
        <translation>Antenna height: </translation>
    </message>
    <message>
        <source>Verkürzungsfaktor des Drahtes: </source>
        <translation>Velocity factor of the wire: </translation>
    </message>
    <message>
        <source> (Zusatz-Vf durch Drahtisolierung: </source>
        <translation> (extra VF from the wire insulation: </translation>
    </message>
    <message>
        <source>Größte Antennenbreite: ~ </source>
        <translation>Largest antenna width: ~ </translation>
    </message>
    <message>
        <source>Gesamte Boomlänge: ~ </source>
        <translation>Overall boom length: ~ </translation>
    </message>
    <message>
        <source>Aufbauvariante: drei Querträger ohne Spannseil</source>
        <translation>Variant: three spreaders without tensioning line</translation>
    </message>
    <message>
        <source>Aufbauvariante: zwei Querträger mit Spannseil</source>
        <translation>Variant: two spreaders with tensioning line</translation>
    </message>
    <message>
        <source>Drahtlängen:</source>
        <translation>Wire lengths:</translation>
    </message>
    <message>
        <source> Direktor:</source>
        <translation> Director:</translation>
    </message>
    <message>
        <source> Dipol (Strahler):</source>
        <translation> Dipole (driven element):</translation>
    </message>
    <message>
        <source> Reflektor:</source>
        <translation> Reflector:</translation>
    </message>
    <message>
        <source> Alle Winkel der drei Elemente betragen 45° bzw. 90°.</source>
        <translation> All angles of the three elements are 45° or 90°.</translation>
    </message>
    <message>
        <source>Abstände:</source>
        <translation>Spacings:</translation>
    </message>
    <message>
        <source>Breitenmaße:</source>
        <translation>Widths:</translation>
    </message>
    <message>
        <source>Querträger 3 = </source>
        <translation>Spreader 3 = </translation>
    </message>
    <message>
        <source>(für den Direktor)</source>
        <translation>(for the director)</translation>
    </message>
    <message>
        <source>Querträger 2 = </source>
        <translation>Spreader 2 = </translation>
    </message>
    <message>
        <source>(für den Dipol)</source>
        <translation>(for the dipole)</translation>
    </message>
    <message>
        <source>Querträger 1 = </source>
        <translation>Spreader 1 = </translation>
    </message>
    <message>
        <source>(für den Reflektor)</source>
        <translation>(for the reflector)</translation>
    </message>
    <message>
        <source>(vorne)</source>
        <translation>(front)</translation>
    </message>
    <message>
        <source>(hinten)</source>
        <translation>(rear)</translation>
    </message>
    <message>
        <source>Boom:</source>
        <translation>Boom:</translation>
    </message>
    <message>
        <source>Mindestabstände zu anderen Antennen/Metallflächen/Erdboden o.Ä.:</source>
        <translation>Minimum clearances to other antennas/metal surfaces/ground etc.:</translation>
    </message>
    <message>
        <source> oberhalb/unterhalb = </source>
        <translation> above/below = </translation>
    </message>
    <message>
        <source> nach hinten        = </source>
        <translation> behind      = </translation>
    </message>
    <message>
        <source>Technische Antennendaten:</source>
        <translation>Technical antenna data:</translation>
    </message>
    <message>
        <source> Gewinn G: </source>
        <translation> Gain G: </translation>
    </message>
    <message>
        <source> Vor-Rück-Verhältnis: min 22 dB bis max 61 dB (frequenzabhängig)</source>
        <translation> Front-to-back ratio: min 22 dB to max 61 dB (depending on frequency)</translation>
    </message>
    <message>
        <source> Speise-Pkt.: </source>
        <translation> Feed point: </translation>
    </message>
    <message>
        <source> Ohm / 50 Ohm über 4:1-Balun an der N-Buchse</source>
        <translation> Ohm / 50 Ohm via a 4:1 balun at the N socket</translation>
    </message>
    <message>
        <source>Berechnung am </source>
        <translation>Calculated on </translation>
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
    <message>
        <source>Statusanzeige</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Computerzeit</source>
        <translation>Computer time</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>drei Querträger ohne Spannseil</source>
        <translation>three spreaders without tensioning line</translation>
    </message>
    <message>
        <source>zwei Querträger mit Spannseil</source>
        <translation>two spreaders with tensioning line</translation>
    </message>
    <message>
        <source>Berechnet für die Resonanzfrequenz = </source>
        <translation>Calculated for the resonance frequency = </translation>
    </message>
    <message>
        <source> MHz / Bauvariante: </source>
        <translation> MHz / variant: </translation>
    </message>
    <message>
        <source>Tabelle liegt als Textfile &apos;Zelvar-Beam.txt&apos; vor.  </source>
        <translation>The table is in the text file &apos;Zelvar-Beam.txt&apos;.  </translation>
    </message>
</context>
<context>
    <name>Sweep</name>
    <message>
        <source>Blindwiderstand null</source>
        <translation>reactance zero</translation>
    </message>
    <message>
        <source>beim kleinsten SWR, kein Nulldurchgang des Blindwiderstands</source>
        <translation>at the lowest SWR, no zero crossing of the reactance</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>unbestimmt</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>nicht erreicht</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>%1%2 bis %3%4 MHz</source>
        <translation>%1%2 to %3%4 MHz</translation>
    </message>
    <message>
        <source> (Messbereichsanfang)</source>
        <translation> (start of sweep)</translation>
    </message>
    <message>
        <source> (Messbereichsende)</source>
        <translation> (end of sweep)</translation>
    </message>
    <message>
        <source>Resonanz unterhalb des Messbereichs – bitte tiefer messen</source>
        <translation>Resonance below the sweep – please sweep lower</translation>
    </message>
    <message>
        <source>Resonanz oberhalb des Messbereichs – bitte höher messen</source>
        <translation>Resonance above the sweep – please sweep higher</translation>
    </message>
    <message>
        <source>%1 MHz (%2)</source>
        <translation>%1 MHz (%2)</translation>
    </message>
    <message>
        <source>Messpunkte:</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>%1 von %2 bis %3 MHz</source>
        <translation>%1 from %2 to %3 MHz</translation>
    </message>
    <message>
        <source>Resonanz:</source>
        <translation>Resonance:</translation>
    </message>
    <message>
        <source>Kleinstes SWR:</source>
        <translation>Lowest SWR:</translation>
    </message>
    <message>
        <source>%1 bei %2 MHz</source>
        <translation>%1 at %2 MHz</translation>
    </message>
    <message>
        <source>Wirkwiderstand R bei Resonanz [Ω]:</source>
        <translation>Resistance R at resonance [Ω]:</translation>
    </message>
    <message>
        <source>Blindwiderstand X bei Resonanz [Ω]:</source>
        <translation>Reactance X at resonance [Ω]:</translation>
    </message>
    <message>
        <source>ohne Optionszeile: GHz, S, MA, R 50 angenommen</source>
        <translation>no option line: GHz, S, MA, R 50 assumed</translation>
    </message>
</context>
<context>
    <name>SweepChart</name>
    <message>
        <source>Frequenz [MHz]</source>
        <translation>Frequency [MHz]</translation>
    </message>
    <message>
        <source>vorher: Resonanz außerhalb</source>
        <translation>before: resonance outside</translation>
    </message>
    <message>
        <source>vorher: Resonanz %1 MHz</source>
        <translation>before: resonance %1 MHz</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Messwerte.</source>
        <translation>The file holds no measured values.</translation>
    </message>
    <message>
        <source>[Number of Frequencies] nennt %1 Frequenzen, die Datei enthält aber %2.</source>
        <translation>[Number of Frequencies] names %1 frequencies, but the file holds %2.</translation>
    </message>
    <message>
        <source>Werte außerhalb von [Network Data]: %1.</source>
        <translation>Values outside [Network Data]: %1.</translation>
    </message>
    <message>
        <source>Dem Schlüsselwort %1 fehlt &quot;]&quot;.</source>
        <translation>The keyword %1 lacks &quot;]&quot;.</translation>
    </message>
    <message>
        <source>Das Schlüsselwort %1 gehört zu Touchstone 2.0, die Datei beginnt aber nicht mit [Version] 2.0.</source>
        <translation>The keyword %1 belongs to Touchstone 2.0, but the file does not begin with [Version] 2.0.</translation>
    </message>
    <message>
        <source>Zu [Reference] fehlen Widerstände.</source>
        <translation>[Reference] lacks impedances.</translation>
    </message>
    <message>
        <source>Touchstone-Version %1 wird nicht gelesen (nur 1.x, 2.0 und 2.1).</source>
        <translation>Touchstone version %1 is not read (only 1.x, 2.0 and 2.1).</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] ist 12_21 oder 21_12, nicht %1.</source>
        <translation>[Two-Port Data Order] is 12_21 or 21_12, not %1.</translation>
    </message>
    <message>
        <source>[Number of Frequencies] braucht eine ganze Zahl ab 1, nicht %1.</source>
        <translation>[Number of Frequencies] needs a whole number from 1, not %1.</translation>
    </message>
    <message>
        <source>[Matrix Format] ist Full, Lower oder Upper, nicht %1.</source>
        <translation>[Matrix Format] is Full, Lower or Upper, not %1.</translation>
    </message>
    <message>
        <source>Gemischte Moden ([Mixed-Mode Order]) werden nicht gelesen.</source>
        <translation>Mixed modes ([Mixed-Mode Order]) are not read.</translation>
    </message>
    <message>
        <source>%1 steht vor [Number of Ports].</source>
        <translation>%1 comes before [Number of Ports].</translation>
    </message>
    <message>
        <source>[Reference] nennt mehr Widerstände als die Datei Tore hat.</source>
        <translation>[Reference] names more impedances than the file has ports.</translation>
    </message>
    <message>
        <source>Der Bezugswiderstand muss größer als 0 sein, nicht %1.</source>
        <translation>The reference impedance must be greater than 0, not %1.</translation>
    </message>
    <message>
        <source>Die Optionszeile steht nach den ersten Messwerten.</source>
        <translation>The option line comes after the first measured values.</translation>
    </message>
    <message>
        <source>%1-Parameter werden nicht gelesen; die Datei muss S-, Z- oder Y-Parameter enthalten.</source>
        <translation>%1 parameters are not read; the file must hold S, Z or Y parameters.</translation>
    </message>
    <message>
        <source>Nach R fehlt in der Optionszeile der Bezugswiderstand.</source>
        <translation>The option line lacks the reference impedance after R.</translation>
    </message>
    <message>
        <source>%1 ist in der Optionszeile unbekannt.</source>
        <translation>%1 is unknown in the option line.</translation>
    </message>
    <message>
        <source>Eine Messzeile hat 3 Werte (Eintor) oder 9 Werte (Zweitor), diese hat %1.</source>
        <translation>A data line has 3 values (one-port) or 9 values (two-port); this one has %1.</translation>
    </message>
    <message>
        <source>Zu wenige Werte: %1 erwartet, %2 gefunden.</source>
        <translation>Too few values: %1 expected, %2 found.</translation>
    </message>
    <message>
        <source>Zu viele Werte: %1 erwartet, %2 gefunden.</source>
        <translation>Too many values: %1 expected, %2 found.</translation>
    </message>
    <message>
        <source>Die Frequenz %1 ist zu groß.</source>
        <translation>The frequency %1 is too large.</translation>
    </message>
    <message>
        <source>Die Frequenz darf nicht negativ sein.</source>
        <translation>The frequency must not be negative.</translation>
    </message>
    <message>
        <source>Die Frequenzen steigen nicht an: %1 folgt auf %2.</source>
        <translation>The frequencies do not rise: %1 follows %2.</translation>
    </message>
    <message>
        <source>Die Werte ergeben keinen endlichen Reflexionsfaktor.</source>
        <translation>The values give no finite reflection coefficient.</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht lesen.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 50 MB und wird nicht gelesen.</source>
        <translation>The file is larger than 50 MB and is not read.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl.</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>%1 ist keine endliche Zahl.</source>
        <translation>%1 is not a finite number.</translation>
    </message>
    <message>
        <source>[Number of Ports] braucht eine ganze Zahl, nicht %1.</source>
        <translation>[Number of Ports] needs a whole number, not %1.</translation>
    </message>
    <message>
        <source>[Number of Ports] muss mindestens 1 sein.</source>
        <translation>[Number of Ports] must be at least 1.</translation>
    </message>
    <message>
        <source>Die Datei beschreibt ein %1-Tor; gelesen werden nur Eintore und Zweitore (.s1p, .s2p).</source>
        <translation>The file describes a %1-port; only one-ports and two-ports are read (.s1p, .s2p).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Zelvar-Beam-Berechnung nach Kalvex</source>
        <translation>Zelvar-Beam nach Kalvex calculation</translation>
    </message>
    <message>
        <source>Zelvar-Beam-Antennen-Berechnung</source>
        <translation>Zelvar-Beam antenna calculation</translation>
    </message>
    <message>
        <source>© 2026 Zelvar-Beam-Projekt</source>
        <translation>© 2026 Zelvar-Beam project</translation>
    </message>
    <message>
        <source>Freie Software für Funkamateure; Nutzung auf eigene Gefahr,</source>
        <translation>Free software for radio amateurs; use at your own risk,</translation>
    </message>
    <message>
        <source>ohne Gewähr für die Richtigkeit der berechneten Maße.</source>
        <translation>without warranty that the calculated dimensions are right.</translation>
    </message>
</context>
<context>
    <name>VfWindow</name>
    <message>
        <source>Zelvar-Beam Vf errechnen</source>
        <translation>Zelvar-Beam: estimating the VF</translation>
    </message>
    <message>
        <source>Verkürzung in % durch </source>
        <translation>Shortening in % by </translation>
    </message>
    <message>
        <source>&amp;Frequenz [MHz]:</source>
        <translation>&amp;Frequency [MHz]:</translation>
    </message>
    <message>
        <source>&amp;Antennenhöhe [m]:</source>
        <translation>Antenna &amp;height [m]:</translation>
    </message>
    <message>
        <source>&amp;Drahtdurchmesser [mm]:</source>
        <translation>Wire &amp;diameter [mm]:</translation>
    </message>
    <message>
        <source>Antennenhöhe:</source>
        <translation>Antenna height:</translation>
    </message>
    <message>
        <source>Schlangheitsgrad:</source>
        <translation>Slenderness ratio:</translation>
    </message>
    <message>
        <source>voraussichtlicher Verkürzungsfaktor:</source>
        <translation>Expected velocity factor:</translation>
    </message>
    <message>
        <source>Länge lR ändern um [mm]:</source>
        <translation>Change length lR by [mm]:</translation>
    </message>
    <message>
        <source>Länge lD ändern um [mm]:</source>
        <translation>Change length lD by [mm]:</translation>
    </message>
    <message>
        <source> Verhältnis Antennenhöhe/Wellenlänge </source>
        <translation> Ratio of antenna height to wavelength </translation>
    </message>
    <message>
        <source> Verhältnis Wellenlänge/Drahtdurchmesser </source>
        <translation> Ratio of wavelength to wire diameter </translation>
    </message>
    <message>
        <source> Vk </source>
        <translation> VF </translation>
    </message>
    <message>
        <source> Resonanzfrequenz der Antenne </source>
        <translation> Resonance frequency of the antenna </translation>
    </message>
    <message>
        <source> Höhe über Erdboden </source>
        <translation> Height above ground </translation>
    </message>
    <message>
        <source> Leiterstärke </source>
        <translation> Conductor diameter </translation>
    </message>
    <message>
        <source> % </source>
        <translation> % </translation>
    </message>
    <message>
        <source> Vk 0 - 1 </source>
        <translation> VF 0 - 1 </translation>
    </message>
    <message>
        <source> Vk berechnen </source>
        <translation> Calculate the VF </translation>
    </message>
    <message>
        <source>Zelvar-Beam Pruning/Optimieren</source>
        <translation>Zelvar-Beam pruning/trimming</translation>
    </message>
    <message>
        <source> Neu: </source>
        <translation> New: </translation>
    </message>
    <message>
        <source>ist Antennenlänge lS[m]:</source>
        <translation>Measured antenna length lS [m]:</translation>
    </message>
    <message>
        <source>ist Resonanzfrequenz [MHz]:</source>
        <translation>Measured resonance frequency [MHz]:</translation>
    </message>
    <message>
        <source>soll Resonanzfrequenz [MHz]:</source>
        <translation>Wanted resonance frequency [MHz]:</translation>
    </message>
    <message>
        <source>VF gesamt:</source>
        <translation>Overall VF:</translation>
    </message>
    <message>
        <source>Antennenlänge lS:</source>
        <translation>Antenna length lS:</translation>
    </message>
    <message>
        <source>Länge lS ändern um [mm]:</source>
        <translation>Change length lS by [mm]:</translation>
    </message>
    <message>
        <source>gemessene Antennenlänge</source>
        <translation>measured antenna length</translation>
    </message>
    <message>
        <source>gemessene Resonanzfrequenz der Antenne</source>
        <translation>measured resonance frequency of the antenna</translation>
    </message>
    <message>
        <source>gewünschte Resonanzfrequenz der Antenne</source>
        <translation>wanted resonance frequency of the antenna</translation>
    </message>
    <message>
        <source>vorhandener Verkürzungsfaktor</source>
        <translation>present velocity factor</translation>
    </message>
    <message>
        <source>Neu berechnete Antennenlänge lS</source>
        <translation>newly calculated antenna length lS</translation>
    </message>
    <message>
        <source>Längen-Änderung</source>
        <translation>change of length</translation>
    </message>
    <message>
        <source>Längenänderung berechnen</source>
        <translation>Calculate the change of length</translation>
    </message>
    <message>
        <source> VF berechnen </source>
        <translation> Calculate the VF </translation>
    </message>
    <message>
        <source> Antennen-Pruning/Optimieren </source>
        <translation> Antenna pruning/trimming </translation>
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
    <message>
        <source>Acrobat Reader o.ä. nicht gefunden!</source>
        <translation>No PDF viewer (Acrobat Reader or similar) found!</translation>
    </message>
    <message>
        <source>Hilfe finden Sie in der Datei </source>
        <translation>You will find the help in the file </translation>
    </message>
    <message>
        <source> Hilfe</source>
        <translation> Help</translation>
    </message>
    <message>
        <source>Zelvar-Beam_Hilfe.pdf</source>
        <translation>Zelvar-Beam_Help.pdf</translation>
    </message>
</context>
<context>
    <name>zb::ui::ZusatzDipol</name>
    <message>
        <source>&amp;Zusatzdipol</source>
        <translation>&amp;Additional dipole</translation>
    </message>
    <message>
        <source>strahlungsgekoppelt</source>
        <translation>radiation-coupled</translation>
    </message>
    <message>
        <source>für beide Dipole gleichen Wert verwenden!</source>
        <translation>use the same value for both dipoles!</translation>
    </message>
    <message>
        <source>Leiterdurchmesser</source>
        <translation>conductor diameter</translation>
    </message>
    <message>
        <source>Ergebnis A</source>
        <translation>result A</translation>
    </message>
    <message>
        <source>Ergebnis Drahtlänge</source>
        <translation>result: wire length</translation>
    </message>
    <message>
        <source>&amp;Erreger-Dipol (Stromsummenantenne o.ä.)</source>
        <translation>Driv&amp;en dipole (fan dipole or similar)</translation>
    </message>
    <message>
        <source>mit Speisepunkt</source>
        <translation>with feed point</translation>
    </message>
    <message>
        <source>tiefste Resonanzfrequenz</source>
        <translation>lowest resonance frequency</translation>
    </message>
    <message>
        <source>Vk</source>
        <translation>VF</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>&amp;Rechnen</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
</context>
<context>
    <name>zb::ui::frmAnalysator</name>
    <message>
        <source>Messung am Analysator</source>
        <translation>Measuring at the analyser</translation>
    </message>
    <message>
        <source>Anschluss:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Von [MHz]:</source>
        <translation>From [MHz]:</translation>
    </message>
    <message>
        <source>Bis [MHz]:</source>
        <translation>To [MHz]:</translation>
    </message>
    <message>
        <source>Punkte:</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>Fortschritt der Messung</source>
        <translation>Progress of the sweep</translation>
    </message>
    <message>
        <source>%v von %m Punkten</source>
        <translation>%v of %m points</translation>
    </message>
    <message>
        <source>&amp;Messen</source>
        <translation>&amp;Measure</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bitte den Anschluss des Analysators wählen oder eingeben.</source>
        <translation>Please choose or type the analyser&apos;s port.</translation>
    </message>
    <message>
        <source>Von [MHz]: bitte eine Frequenz in MHz eingeben.</source>
        <translation>From [MHz]: please enter a frequency in MHz.</translation>
    </message>
    <message>
        <source>Bis [MHz]: bitte eine Frequenz in MHz eingeben.</source>
        <translation>To [MHz]: please enter a frequency in MHz.</translation>
    </message>
    <message>
        <source>Die Frequenz „Bis“ muss größer sein als „Von“.</source>
        <translation>The frequency “To” must be higher than “From”.</translation>
    </message>
    <message>
        <source>Punkte: bitte eine ganze Zahl von %1 bis %2 eingeben.</source>
        <translation>Points: please enter a whole number from %1 to %2.</translation>
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
<context>
    <name>zb::ui::frmMessung</name>
    <message>
        <source>Messung auswerten</source>
        <translation>Evaluate a sweep</translation>
    </message>
    <message>
        <source>SWR-Verlauf</source>
        <translation>SWR curve</translation>
    </message>
    <message>
        <source>Wirk- und Blindwiderstand</source>
        <translation>Resistance and reactance</translation>
    </message>
    <message>
        <source>An Pruning über&amp;geben</source>
        <translation>&amp;Hand over to pruning</translation>
    </message>
    <message>
        <source>Bild s&amp;peichern…</source>
        <translation>Save &amp;picture…</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Repeat</translation>
    </message>
    <message>
        <source>Fort&amp;laufend</source>
        <translation>&amp;Continuous</translation>
    </message>
    <message>
        <source>Fortschritt der Messung</source>
        <translation>Progress of the sweep</translation>
    </message>
    <message>
        <source>Messung: %v von %m Punkten</source>
        <translation>Sweep: %v of %m points</translation>
    </message>
    <message>
        <source>Als &amp;Touchstone speichern…</source>
        <translation>Save as &amp;Touchstone…</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Messung öffnen</source>
        <translation>Open a sweep</translation>
    </message>
    <message>
        <source>Touchstone-Datei (*.s1p *.s2p *.ts)|*.s1p;*.s2p;*.ts|Alle Dateien (*.*)|*.*</source>
        <translation>Touchstone file (*.s1p *.s2p *.ts)|*.s1p;*.s2p;*.ts|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Resonanz %1 MHz</source>
        <translation>Resonance %1 MHz</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg</source>
        <translation>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:</source>
        <translation>The picture could not be saved:</translation>
    </message>
    <message>
        <source>Messung am Analysator</source>
        <translation>Measuring at the analyser</translation>
    </message>
    <message>
        <source>Als Touchstone speichern</source>
        <translation>Save as Touchstone</translation>
    </message>
    <message>
        <source>Touchstone-Datei (*.s1p)|*.s1p</source>
        <translation>Touchstone file (*.s1p)|*.s1p</translation>
    </message>
</context>
<context>
    <name>zb::ui::frmRTF</name>
    <message>
        <source>Schnellansicht/Drucken</source>
        <translation>Quick view/print</translation>
    </message>
    <message>
        <source>Schnellansicht wirklich schliessen ?</source>
        <translation>Really close the quick view ?</translation>
    </message>
    <message>
        <source> Beenden</source>
        <translation> Close</translation>
    </message>
    <message>
        <source>Soll der Text gespeichert werden ?</source>
        <translation>Save the text ?</translation>
    </message>
    <message>
        <source> Text speichern ?</source>
        <translation> Save text ?</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Bitte Suchtext eingeben.</source>
        <translation>Please enter the text to find.</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Leider keine (weitere) Fundstelle</source>
        <translation>Sorry, no (further) match</translation>
    </message>
    <message>
        <source> Suchen</source>
        <translation> Find</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>S&amp;uchen</source>
        <translation>F&amp;ind</translation>
    </message>
    <message>
        <source>&amp;weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Schrift</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Formatvorlage</source>
        <translation>St&amp;yle</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Listing</source>
        <translation>&amp;Listing</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Öffnen *.RTF</source>
        <translation>Open *.RTF</translation>
    </message>
    <message>
        <source>Speichern als RTF</source>
        <translation>Save as RTF</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Format: Schrift</source>
        <translation>Format: font</translation>
    </message>
    <message>
        <source>Format: Fett</source>
        <translation>Format: bold</translation>
    </message>
    <message>
        <source>Format: Kursiv</source>
        <translation>Format: italic</translation>
    </message>
    <message>
        <source>Format: Unterstreichen</source>
        <translation>Format: underline</translation>
    </message>
    <message>
        <source>Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   </source>
        <translation>With the keys Home, End, Page Up, Page Down, the cursor keys   </translation>
    </message>
    <message>
        <source>oder mit der Maus  läßt sich der Text verschieben und betrachten. </source>
        <translation>or with the mouse you can move through the text and read it. </translation>
    </message>
    <message>
        <source>Der Text kann wie in einem Textverarbeitungs-Programm formatiert und   </source>
        <translation>The text can be formatted and edited as in a word   </translation>
    </message>
    <message>
        <source>bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   </source>
        <translation>processor. Then the text can be saved and printed in its   </translation>
    </message>
    <message>
        <source>gespeichert und gedruckt werden.</source>
        <translation>edited form, too.</translation>
    </message>
    <message>
        <source>Eine Suchfunktion ermöglicht es bestimmte Textstellen schnell zu finden.</source>
        <translation>A search finds particular places in the text quickly.</translation>
    </message>
    <message>
        <source>Letzteres ist alles im Menü &apos;Datei&apos; zu finden.</source>
        <translation>All of this is in the &apos;File&apos; menu.</translation>
    </message>
    <message>
        <source> Kurzhilfe</source>
        <translation> Quick help</translation>
    </message>
</context>
<context>
    <name>zb::ui::frmVk</name>
    <message>
        <source>&amp;Rechnen</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Vk übernehmen</source>
        <translation>&amp;Take over the VF</translation>
    </message>
    <message>
        <source>&amp;Erdbodenkorrektur</source>
        <translation>&amp;Ground correction</translation>
    </message>
</context>
</TS>
