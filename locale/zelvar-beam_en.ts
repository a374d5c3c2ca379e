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
    <name>CommandLine</name>
    <message>
        <source>Unbekanntes Band: %1</source>
        <translation>Unknown band: %1</translation>
    </message>
    <message>
        <source>Unbekannter Bandbereich: %1 (cw, ssb oder mitte)</source>
        <translation>Unknown band segment: %1 (cw, ssb or mitte)</translation>
    </message>
    <message>
        <source>Unbekannte Isolierung: %1 (bekannt: %2)</source>
        <translation>Unknown insulation: %1 (known: %2)</translation>
    </message>
    <message>
        <source>Bauvariante 2 oder 3 angeben, nicht %1</source>
        <translation>Give construction variant 2 or 3, not %1</translation>
    </message>
    <message>
        <source>Resonanzfrequenz in MHz eintippen (höchstens 7 Zeichen)</source>
        <translation>type the resonance frequency in MHz (at most 7 characters)</translation>
    </message>
    <message>
        <source>Bandknopf anklicken: 1.8 3.5 7.0 10 14 18 21 24 28 50 andere</source>
        <translation>click a band button: 1.8 3.5 7.0 10 14 18 21 24 28 50 andere (also other)</translation>
    </message>
    <message>
        <source>Resonanz im Band für CW-Bereich, SSB-Bereich oder Bandmitte</source>
        <translation>resonance in the band for the CW segment, the SSB segment or mid-band (mitte)</translation>
    </message>
    <message>
        <source>Verkürzungsfaktor eintippen und das Feld verlassen</source>
        <translation>type the velocity factor and leave the box</translation>
    </message>
    <message>
        <source>relative Dielektrizitätszahl: Zahl oder Listeneintrag, z. B. &quot;2,2   PTFE GY&quot; oder kurz &quot;PTFE GY&quot; (auch &quot;ptfe gy&quot;; ein Name, der nicht in der Liste steht, ist ein falscher Aufruf)</source>
        <translation>relative permittivity: a number or a list entry, e.g. &quot;2.2   PTFE GY&quot; or just &quot;PTFE GY&quot; (also &quot;ptfe gy&quot;; English and German material names both work; a name not on the list is a wrong call)</translation>
    </message>
    <message>
        <source>Außendurchmesser des isolierten Drahtes in mm</source>
        <translation>outer diameter of the insulated wire in mm</translation>
    </message>
    <message>
        <source>Leiterdurchmesser in mm (der Außendurchmesser bleibt mindestens 0,1 mm größer)</source>
        <translation>conductor diameter in mm (the outer diameter stays at least 0.1 mm larger)</translation>
    </message>
    <message>
        <source>Bauvariante: 2 Querträger mit Spannseil oder 3 Querträger ohne Spannseil (Vorgabe)</source>
        <translation>construction variant: 2 spreaders with a tensioning line or 3 spreaders without one (default)</translation>
    </message>
    <message>
        <source>wie ein Verkürzungsfaktor-Fenster mit fertiger Berechnung: Antennenhöhe in m (nur zusammen mit --vf-durchmesser)</source>
        <translation>as a velocity-factor window with a finished estimate: antenna height in m (only together with --vf-durchmesser)</translation>
    </message>
    <message>
        <source>dazu der Drahtdurchmesser in mm</source>
        <translation>with the wire diameter in mm</translation>
    </message>
    <message>
        <source>dazu mit Erdbodenkorrektur</source>
        <translation>and with ground correction</translation>
    </message>
    <message>
        <source>Frage nach einer Dielektrizitätszahl über 20 mit Ja beantworten (sonst Nein)</source>
        <translation>answer Yes to the question about a permittivity above 20 (otherwise No)</translation>
    </message>
    <message>
        <source>statt der Zusammenfassung alle Werte als JSON ausgeben</source>
        <translation>print every value as JSON instead of the summary</translation>
    </message>
    <message>
        <source>Eingaben ablehnen (Rückgabewert 2), von denen das Fenster Zeichen verwerfen oder abschneiden würde</source>
        <translation>refuse entries (exit status 2) of which the window would drop or cut off characters</translation>
    </message>
    <message>
        <source>diese Hilfe</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Berechnet einen Zelvar-Beam nach Kalvex wie das Eingabefenster &quot;Berechnung eines Zelvar-Beam nach Kalvex&quot;: Die Optionen wirken wie Eingaben in ein frisch geöffnetes Fenster, in der angegebenen Reihenfolge; danach wird einmal &quot;Rechnen&quot; gedrückt. Die Ergebnistabelle wird als &quot;Zelvar-Beam.txt&quot; (Windows-1252) ins Arbeitsverzeichnis geschrieben, die Zusammenfassung erscheint auf der Standardausgabe.</source>
        <translation>Calculates a Zelvar-Beam nach Kalvex as the input window &quot;Calculating a Zelvar-Beam nach Kalvex&quot; does: the options act like entries in a freshly opened window, in the order given; then &quot;Calculate&quot; is pressed once. The result table is written as &quot;Zelvar-Beam.txt&quot; (Windows-1252) to the working folder, the summary appears on standard output.</translation>
    </message>
    <message>
        <source>In die Zahlenfelder lassen sich wie im Fenster nur Ziffern, Komma und Punkt tippen; andere Zeichen werden verworfen, und was über die Länge des Feldes hinausgeht, wird abgeschnitten. Welche Option dabei Zeichen verloren hat und was stattdessen getippt wurde, steht auf der Fehlerausgabe (z. B. --frequenz: „1e3“ getippt als „13“); --streng lehnt solche Eingaben mit Rückgabewert 2 ab. Ein leerer Text leert das Feld.</source>
        <translation>As in the window, only digits, comma and point can be typed into the number boxes; other characters are dropped, and what goes beyond the length of the box is cut off. Which option lost characters and what was typed instead is shown on standard error (e.g. --frequenz: “1e3” typed as “13”); --streng refuses such entries with exit status 2. An empty text empties the box.</translation>
    </message>
    <message>
        <source>Jeder Hinweis, den eine Feldregel oder die Berechnung in das Hinweisfeld des Fensters schreibt (z. B. &quot;Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen&quot;), steht auf der Fehlerausgabe. Was das Fenster rot zeigt (ein Verkürzungsfaktor unter 0,8), ist in der Textausgabe markiert, z. B. &quot;(rot: unter 0,8)&quot;.</source>
        <translation>Every note that a box rule or the calculation writes into the window&apos;s note area (e.g. &quot;Please enter a velocity factor from 0 - 1.0 ! (typically 0.946)&quot;) is shown on standard error. What the window shows in red (a velocity factor below 0.8) is marked in the text output, e.g. &quot;(red: below 0.8)&quot;.</translation>
    </message>
    <message>
        <source>Das Dezimaltrennzeichen folgt der Spracheinstellung (LC_ALL, LC_NUMERIC, LANG).</source>
        <translation>The decimal separator follows the locale (LC_ALL, LC_NUMERIC, LANG).</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 Berechnung vollständig, 1 Berechnung vorzeitig beendet (Hinweis oder Frage auf der Fehlerausgabe), 2 falscher Aufruf oder mit --streng eine verworfene Eingabe, 3 Laufzeitfehler (Nummer und Beschreibung auf der Fehlerausgabe; es wird nichts halb geschrieben).</source>
        <translation>Exit status: 0 calculation complete, 1 calculation ended early (note or question on standard error), 2 wrong call or, with --streng, a dropped entry, 3 run-time error (number and description on standard error; nothing is left half written).</translation>
    </message>
    <message>
        <source>Die Nebenrechner sind eigene Befehle: vk (Verkürzungsfaktor schätzen), pruning (Antennen-Pruning/Optimieren), zusatzdipol (strahlungsgekoppelter Zusatzdipol) und messung (Messdatei eines Antennenanalysators auswerten); ihre Optionen zeigt zelvar-beam-cli BEFEHL --help.</source>
        <translation>The side calculators are commands of their own: vk (estimate the velocity factor), pruning (antenna pruning/trimming), zusatzdipol (radiation-coupled additional dipole) and messung (evaluate an antenna analyser&apos;s sweep file); zelvar-beam-cli COMMAND --help shows their options.</translation>
    </message>
    <message>
        <source>geraete listet die angeschlossenen Antennenanalysatoren; mit messung --geraet misst einer selbst.</source>
        <translation>geraete lists the connected antenna analysers; with messung --geraet one of them measures itself.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Zur Option %1 fehlt der Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>%1: „%2“ getippt als „%3“</source>
        <translation>%1: “%2” typed as “%3”</translation>
    </message>
    <message>
        <source>--streng: Eingabe abgelehnt.</source>
        <translation>--streng: entry refused.</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Verkürzungsfaktor: %1 (rot: unter 0,8)</source>
        <translation>Velocity factor: %1 (red: below 0.8)</translation>
    </message>
    <message>
        <source>anderes Protokoll, nicht unterstützt</source>
        <translation>other protocol, not supported</translation>
    </message>
    <message>
        <source>keine Auskunft: %1</source>
        <translation>no answer: %1</translation>
    </message>
    <message>
        <source>unbekannte Platine</source>
        <translation>unknown board</translation>
    </message>
    <message>
        <source>Firmware ohne Versionsnummer</source>
        <translation>firmware without version number</translation>
    </message>
    <message>
        <source>Kein Antennenanalysator angeschlossen.</source>
        <translation>No antenna analyser connected.</translation>
    </message>
    <message>
        <source>Listet die angeschlossenen Antennenanalysatoren, an ihrer USB-Kennung erkannt (0483:5740 mit Textbefehlen, 04b4:0008 mit einem anderen, nicht unterstützten Protokoll), eines je Zeile: Anschluss, USB-Kennung, Platine und in Klammern die Firmware, wie das Gerät sie nennt. Ein Gerät, das keine Auskunft gibt, steht mit dem Grund in Klammern da.</source>
        <translation>Lists the connected antenna analysers, recognised by their USB id (0483:5740 with text commands, 04b4:0008 with another protocol that is not supported), one per line: port, USB id, board and, in brackets, the firmware as the device names it. A device that gives no answer is listed with the reason in brackets.</translation>
    </message>
    <message>
        <source>die Geräte als JSON-Liste ausgeben (port, usbId, family, board, firmware, fault)</source>
        <translation>print the devices as a JSON list (port, usbId, family, board, firmware, fault)</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 gesucht (auch wenn keines angeschlossen ist; das steht dann auf der Fehlerausgabe), 2 falscher Aufruf.</source>
        <translation>Exit status: 0 searched (also when none is connected; standard error says so), 2 wrong call.</translation>
    </message>
    <message>
        <source>%1 und --geraet schließen einander aus.</source>
        <translation>%1 and --geraet exclude each other.</translation>
    </message>
    <message>
        <source>%1 gilt nur mit --geraet.</source>
        <translation>%1 only applies with --geraet.</translation>
    </message>
    <message>
        <source>Wertet den Frequenzdurchlauf eines Antennen- oder Netzwerkanalysators aus, gespeichert als Touchstone-Datei (.s1p, .s2p; Version 1 oder 2.0; S-, Z- oder Y-Parameter, bei Zweitoren gilt S11): die Resonanz (wo der Blindwiderstand von kapazitiv zu induktiv wechselt, sonst beim kleinsten SWR), das kleinste SWR, die Bereiche mit SWR bis 2 und bis 1,5 sowie Wirk- und Blindwiderstand bei der Resonanz.</source>
        <translation>Evaluates the frequency sweep of an antenna or network analyser, saved as a Touchstone file (.s1p, .s2p; version 1 or 2.0; S, Z or Y parameters, for two-ports S11 counts): the resonance (where the reactance changes from capacitive to inductive, otherwise at the lowest SWR), the lowest SWR, the ranges with SWR up to 2 and up to 1.5, and resistance and reactance at resonance.</translation>
    </message>
    <message>
        <source>Ist der Blindwiderstand im ganzen Durchlauf induktiv, liegt die Resonanz darunter (&quot;Resonanz unterhalb des Messbereichs – bitte tiefer messen&quot;, JSON resonanceKind belowSweep), ist er durchweg kapazitiv, darüber (&quot;Resonanz oberhalb des Messbereichs – bitte höher messen&quot;, aboveSweep). Einer Datei ohne Optionszeile gelten GHz, S, MA, R 50; die Fehlerausgabe sagt das.</source>
        <translation>If the reactance is inductive over the whole sweep, the resonance lies below it (&quot;Resonance below the sweep – please sweep lower&quot;, JSON resonanceKind belowSweep); if it is capacitive throughout, above it (&quot;Resonance above the sweep – please sweep higher&quot;, aboveSweep). A file without an option line is read as GHz, S, MA, R 50; standard error says so.</translation>
    </message>
    <message>
        <source>Die Resonanz lässt sich mit zelvar-beam-cli pruning --messung DATEI gleich an das Pruning weitergeben.</source>
        <translation>zelvar-beam-cli pruning --messung FILE passes the resonance straight on to pruning.</translation>
    </message>
    <message>
        <source>die Touchstone-Datei (höchstens 50 MB)</source>
        <translation>the Touchstone file (at most 50 MB)</translation>
    </message>
    <message>
        <source>alle Werte als JSON ausgeben (Zahlen in kürzester Schreibweise, ein unendliches SWR als null)</source>
        <translation>print every value as JSON (numbers in their shortest form, an infinite SWR as null)</translation>
    </message>
    <message>
        <source>statt DATEI den Durchlauf selbst messen, mit dem Antennenanalysator an diesem Anschluss (z. B. /dev/ttyACM0) oder mit auto dem ersten angeschlossenen (USB-Kennung 0483:5740)</source>
        <translation>instead of FILE, measure the sweep, with the antenna analyser at this port (e.g. /dev/ttyACM0) or with auto the first one connected (USB id 0483:5740)</translation>
    </message>
    <message>
        <source>mit --geraet: Anfang des Durchlaufs in MHz (Komma oder Punkt)</source>
        <translation>with --geraet: start of the sweep in MHz (comma or point)</translation>
    </message>
    <message>
        <source>mit --geraet: Ende des Durchlaufs in MHz, über --von</source>
        <translation>with --geraet: end of the sweep in MHz, above --von</translation>
    </message>
    <message>
        <source>mit --geraet: Zahl der Messpunkte, 2 bis 10001 (Vorgabe 201)</source>
        <translation>with --geraet: number of points, 2 to 10001 (default 201)</translation>
    </message>
    <message>
        <source>mit --geraet: den Durchlauf auch als Touchstone-Datei speichern</source>
        <translation>with --geraet: also save the sweep as a Touchstone file</translation>
    </message>
    <message>
        <source>Das Dezimaltrennzeichen der Ausgabe folgt der Spracheinstellung (LC_ALL, LC_NUMERIC, LANG).</source>
        <translation>The decimal separator of the output follows the locale (LC_ALL, LC_NUMERIC, LANG).</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 ausgewertet, 2 falscher Aufruf, 4 Datei nicht lesbar (der Grund, bei fehlerhaftem Inhalt mit der Zeilennummer, steht auf der Fehlerausgabe).</source>
        <translation>Exit status: 0 evaluated, 2 wrong call, 4 file not readable (the reason, for faulty content with the line number, is on standard error).</translation>
    </message>
    <message>
        <source>Mit --geraet misst zelvar-beam-cli über die Textbefehle des Analysators in Stücken von höchstens 101 Punkten und gibt dasselbe aus wie für eine Datei mit diesem Durchlauf; fehlt das Gerät, ist es belegt, antwortet es nicht oder bricht die Messung ab, ist der Rückgabewert 4 (der Grund mit dem Anschluss auf der Fehlerausgabe), und es wird keine Datei geschrieben.</source>
        <translation>With --geraet, zelvar-beam-cli measures through the analyser&apos;s text commands in pieces of at most 101 points and prints the same as for a file holding that sweep; if the device is missing or busy, does not answer or breaks off the measurement, the exit status is 4 (the reason with the port on standard error) and no file is written.</translation>
    </message>
    <message>
        <source>%1 erwartet eine Frequenz in MHz über 0, nicht %2</source>
        <translation>%1 expects a frequency in MHz above 0, not %2</translation>
    </message>
    <message>
        <source>--punkte erwartet eine ganze Zahl von %1 bis %2, nicht %3</source>
        <translation>--punkte expects a whole number from %1 to %2, not %3</translation>
    </message>
    <message>
        <source>--von muss unter --bis liegen.</source>
        <translation>--von must lie below --bis.</translation>
    </message>
    <message>
        <source>Zwischen --von und --bis liegen weniger Hertz als Messpunkte.</source>
        <translation>There are fewer hertz between --von and --bis than points.</translation>
    </message>
    <message>
        <source>Kein Antennenanalysator gefunden (USB-Kennung %1); bitte anschließen oder den Anschluss mit --geraet angeben.</source>
        <translation>No antenna analyser found (USB id %1); please connect one or give its port with --geraet.</translation>
    </message>
    <message>
        <source> (rot: über 1)</source>
        <translation> (red: above 1)</translation>
    </message>
    <message>
        <source>Entweder --ist oder --messung angeben.</source>
        <translation>Give either --ist or --messung.</translation>
    </message>
    <message>
        <source>Rechnet wie das Fenster &quot;Antennen-Pruning/Optimieren&quot; aus der gemessenen Strahlerlänge und der gemessenen und gewünschten Resonanzfrequenz den tatsächlichen Verkürzungsfaktor, die neue Länge lS und die Längenänderungen von lS, lR und lD. Die Texte kommen wie eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird einmal &quot;Rechnen&quot; gedrückt.</source>
        <translation>Calculates as the window &quot;Antenna pruning/trimming&quot; does, from the measured length of the driven element and the measured and wanted resonance frequencies: the actual velocity factor, the new length lS and the length changes of lS, lR and lD. The texts go into the boxes of a freshly opened window as if typed or pasted, then &quot;Calculate&quot; is pressed once.</translation>
    </message>
    <message>
        <source>gemessene Antennenlänge lS in m</source>
        <translation>measured antenna length lS in m</translation>
    </message>
    <message>
        <source>gemessene Resonanzfrequenz in MHz (oder --messung)</source>
        <translation>measured resonance frequency in MHz (or --messung)</translation>
    </message>
    <message>
        <source>statt --ist: die Resonanz aus dieser Touchstone-Datei wie bei zelvar-beam-cli messung, als Text mit bis zu drei Nachkommastellen</source>
        <translation>instead of --ist: the resonance from this Touchstone file as zelvar-beam-cli messung finds it, as a text with up to three decimals</translation>
    </message>
    <message>
        <source>gewünschte Resonanzfrequenz in MHz</source>
        <translation>wanted resonance frequency in MHz</translation>
    </message>
    <message>
        <source>Feldtexte, Farbe und Ergebnis als JSON ausgeben</source>
        <translation>print the box texts, colour and result as JSON</translation>
    </message>
    <message>
        <source>Eine Länge oder Frequenz von 0 oder darunter gilt als fehlend. Ein &quot;VF gesamt&quot; über 1 zeigt das Fenster rot; die Textausgabe markiert ihn mit &quot;(rot: über 1)&quot;.</source>
        <translation>A length or frequency of 0 or below counts as missing. The window shows an &quot;Overall VF&quot; above 1 in red; the text output marks it with &quot;(red: above 1)&quot;.</translation>
    </message>
    <message>
        <source>JSON-Namen: vfGesamt, vfGesamtColour, lengthNew, changeS, changeR, changeD (die Texte des Fensters) und result (die Zahlen). Veraltet: die Schlüssel nach den Steuerelementen des Fensters (Label5, Label5Colour, Label7, Label9, Label11, Label13) stehen noch für eine Version mit denselben Werten daneben.</source>
        <translation>JSON names: vfGesamt, vfGesamtColour, lengthNew, changeS, changeR, changeD (the window&apos;s texts) and result (the numbers). Deprecated: the keys named after the window&apos;s controls (Label5, Label5Colour, Label7, Label9, Label11, Label13) stay beside them with the same values for one more release.</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die Fehlerausgabe mit seiner Beschriftung, z. B. Feld „soll Resonanzfrequenz [MHz]:“), 2 falscher Aufruf, 4 Messdatei nicht lesbar oder ihre Resonanz außerhalb des Messbereichs (der Grund auf der Fehlerausgabe).</source>
        <translation>Exit status: 0 calculated, 1 ended early (standard error names the box that has the focus by its caption, e.g. box “Wanted resonance frequency [MHz]:”), 2 wrong call, 4 sweep file not readable or its resonance outside the sweep (the reason on standard error).</translation>
    </message>
    <message>
        <source>Überzähliges Argument: %1</source>
        <translation>Surplus argument: %1</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl, nicht %2</source>
        <translation>%1 expects a number, not %2</translation>
    </message>
    <message>
        <source>Die Option %1 fehlt.</source>
        <translation>The option %1 is missing.</translation>
    </message>
    <message>
        <source>Das Argument %1 fehlt.</source>
        <translation>The argument %1 is missing.</translation>
    </message>
    <message>
        <source>--vf-hoehe und --vf-durchmesser gehören zusammen (--erdbodenkorrektur nur mit ihnen).</source>
        <translation>--vf-hoehe and --vf-durchmesser go together (--erdbodenkorrektur only with them).</translation>
    </message>
    <message>
        <source>Feld „%1“</source>
        <translation>box “%1”</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>ZAHL</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>DATEI.s1p</source>
        <translation>FILE.s1p</translation>
    </message>
    <message>
        <source>Aufruf: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source> (rot: %1)</source>
        <translation> (red: %1)</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>limited</translation>
    </message>
    <message>
        <source>Verkürzung durch Schlankheitsgrad [%]:</source>
        <translation>Shortening by slenderness ratio [%]:</translation>
    </message>
    <message>
        <source>außerhalb 2 - 9 %</source>
        <translation>outside 2 - 9 %</translation>
    </message>
    <message>
        <source>Verkürzung durch Antennenhöhe [%]:</source>
        <translation>Shortening by antenna height [%]:</translation>
    </message>
    <message>
        <source>außerhalb 2 - 10 %</source>
        <translation>outside 2 - 10 %</translation>
    </message>
    <message>
        <source>%1, das Feld enthält jetzt &quot;%2&quot;</source>
        <translation>%1, the box now holds &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Schätzt den Verkürzungsfaktor eines blanken Drahtdipols wie das Fenster &quot;VF berechnen&quot;: Die Texte kommen wie eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird einmal &quot;Rechnen&quot; gedrückt. Ausgegeben werden die Zeilen des Fensters nach der Rechnung.</source>
        <translation>Estimates the velocity factor of a bare wire dipole as the window &quot;Calculate the VF&quot; does: the texts go into the boxes of a freshly opened window as if typed or pasted, then &quot;Calculate&quot; is pressed once. The output is the window&apos;s rows after the calculation.</translation>
    </message>
    <message>
        <source>Resonanzfrequenz in MHz</source>
        <translation>resonance frequency in MHz</translation>
    </message>
    <message>
        <source>Antennenhöhe über Erdboden in m (mindestens 0,01)</source>
        <translation>antenna height above ground in m (at least 0.01)</translation>
    </message>
    <message>
        <source>Drahtdurchmesser in mm</source>
        <translation>wire diameter in mm</translation>
    </message>
    <message>
        <source>mit Erdbodenkorrektur</source>
        <translation>with ground correction</translation>
    </message>
    <message>
        <source>Feldtexte, Farben und Schätzwerte als JSON ausgeben</source>
        <translation>print the box texts, colours and estimates as JSON</translation>
    </message>
    <message>
        <source>Was das Fenster rot zeigt, ist in der Textausgabe markiert: ein begrenzter Drahtdurchmesser &quot;(rot: begrenzt)&quot;, ein Anteil außerhalb seines üblichen Bereichs &quot;(rot: außerhalb 2 - 9 %)&quot; bzw. &quot;(rot: außerhalb 2 - 10 %)&quot;. Die beiden Anteile heißen in der Textausgabe &quot;Verkürzung durch Schlankheitsgrad [%]&quot; und &quot;Verkürzung durch Antennenhöhe [%]&quot;.</source>
        <translation>What the window shows in red is marked in the text output: a limited wire diameter &quot;(red: limited)&quot;, a share outside its usual range &quot;(red: outside 2 - 9 %)&quot; or &quot;(red: outside 2 - 10 %)&quot;. In the text output the two shares are called &quot;Shortening by slenderness ratio [%]&quot; and &quot;Shortening by antenna height [%]&quot;.</translation>
    </message>
    <message>
        <source>JSON-Namen: frequencyText, heightText, diameterText, diameterColour, slendernessPercentText, slendernessPercentColour, heightPercentText, heightPercentColour, vfText und estimate. Veraltet: die Schlüssel nach den Steuerelementen des Fensters (Text1, Text2, Text3, Text3Colour, Label7, Label7Colour, Label5, Label5Colour, Label9) stehen noch für eine Version mit denselben Werten daneben.</source>
        <translation>JSON names: frequencyText, heightText, diameterText, diameterColour, slendernessPercentText, slendernessPercentColour, heightPercentText, heightPercentColour, vfText and estimate. Deprecated: the keys named after the window&apos;s controls (Text1, Text2, Text3, Text3Colour, Label7, Label7Colour, Label5, Label5Colour, Label9) stay beside them with the same values for one more release.</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die Fehlerausgabe mit seiner Beschriftung, z. B. Feld „Antennenhöhe [m]:“), 2 falscher Aufruf.</source>
        <translation>Exit status: 0 calculated, 1 ended early (standard error names the box that has the focus by its caption, e.g. box “Antenna height [m]:”), 2 wrong call.</translation>
    </message>
    <message>
        <source>%1, das Feld enthält &quot;%2&quot;</source>
        <translation>%1, the box holds &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Rechnet wie das Fenster &quot;Strahlungsgekoppelten Dipol berechnen&quot; Drahtlänge und Abstand eines strahlungsgekoppelten Zusatzdipols neben einem gespeisten Erreger-Dipol. Die Texte kommen wie eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird einmal &quot;Rechnen&quot; gedrückt.</source>
        <translation>Calculates as the window &quot;Calculate a radiation-coupled dipole&quot; does the wire length and spacing of a radiation-coupled additional dipole beside a fed driven dipole. The texts go into the boxes of a freshly opened window as if typed or pasted, then &quot;Calculate&quot; is pressed once.</translation>
    </message>
    <message>
        <source>unterste Resonanzfrequenz des Erreger-Dipols in MHz</source>
        <translation>lowest resonance frequency of the driven dipole in MHz</translation>
    </message>
    <message>
        <source>gewünschte Resonanzfrequenz des Zusatzdipols in MHz</source>
        <translation>wanted resonance frequency of the additional dipole in MHz</translation>
    </message>
    <message>
        <source>gewünschte Impedanz im Speisepunkt in Ohm</source>
        <translation>wanted impedance at the feed point in ohms</translation>
    </message>
    <message>
        <source>Drahtdurchmesser des Erreger-Dipols in mm</source>
        <translation>wire diameter of the driven dipole in mm</translation>
    </message>
    <message>
        <source>Drahtdurchmesser des Zusatzdipols in mm</source>
        <translation>wire diameter of the additional dipole in mm</translation>
    </message>
    <message>
        <source>Verkürzungsfaktor des Erreger-Drahtes</source>
        <translation>velocity factor of the driven dipole&apos;s wire</translation>
    </message>
    <message>
        <source>zusätzliche Verkürzung durch die Isolierung als Anteil (Vorgabe 0)</source>
        <translation>additional shortening by the insulation as a fraction (default 0)</translation>
    </message>
    <message>
        <source>wie ein Verkürzungsfaktor-Fenster mit fertiger Berechnung:</source>
        <translation>as a velocity-factor window with a finished estimate:</translation>
    </message>
    <message>
        <source>Antennenhöhe in m und Drahtdurchmesser in mm</source>
        <translation>antenna height in m and wire diameter in mm</translation>
    </message>
    <message>
        <source>Feldtexte und Ergebnis als JSON ausgeben</source>
        <translation>print the box texts and the result as JSON</translation>
    </message>
    <message>
        <source>JSON-Namen: diameterText, exciterDiameterText, vfText, spacingText, lengthText (die Texte des Fensters) und result (die Zahlen). Veraltet: die Schlüssel nach den Steuerelementen des Fensters (Text4, Text5, Text6, Label8, Label10) stehen noch für eine Version mit denselben Werten daneben.</source>
        <translation>JSON names: diameterText, exciterDiameterText, vfText, spacingText, lengthText (the window&apos;s texts) and result (the numbers). Deprecated: the keys named after the window&apos;s controls (Text4, Text5, Text6, Label8, Label10) stay beside them with the same values for one more release.</translation>
    </message>
    <message>
        <source>Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die Fehlerausgabe mit seiner Beschriftung), 2 falscher Aufruf, 3 Laufzeitfehler (Nummer und Beschreibung auf der Fehlerausgabe).</source>
        <translation>Exit status: 0 calculated, 1 ended early (standard error names the box that has the focus by its caption), 2 wrong call, 3 run-time error (number and description on standard error).</translation>
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
    <name>Drawing</name>
    <message>
        <source>Zelvar3_Quer_klein.wmf</source>
        <translation>Zelvar3_Quer_klein_en.wmf</translation>
    </message>
    <message>
        <source>Zelvar2_Quer_klein.wmf</source>
        <translation>Zelvar2_Quer_klein_en.wmf</translation>
    </message>
    <message>
        <source>Zelvar3_klein.wmf</source>
        <translation>Zelvar3_klein_en.wmf</translation>
    </message>
    <message>
        <source>Zelvar2_klein.wmf</source>
        <translation>Zelvar2_klein_en.wmf</translation>
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
    <name>ManualPage</name>
    <message>
        <source>Benutzerbefehle</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>Zelvar-Beam nach Kalvex ohne Fenster berechnen</source>
        <translation>calculate a Zelvar-Beam nach Kalvex without a window</translation>
    </message>
    <message>
        <source>ÜBERSICHT</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>BESCHREIBUNG</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>OPTIONEN</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>BEFEHL</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>DATEIEN</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>Die Ergebnistabelle im Arbeitsverzeichnis, bei jeder vollständigen Berechnung ersetzt.</source>
        <translation>The result table in the working folder, replaced by every complete calculation.</translation>
    </message>
    <message>
        <source>SIEHE AUCH</source>
        <translation>SEE ALSO</translation>
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
    <name>QuickViewIcons</name>
    <message>
        <source>F</source>
        <translation>B</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
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
    <name>Rtf</name>
    <message>
        <source>Die Datei ist keine RTF-Datei.</source>
        <translation>The file is not an RTF file.</translation>
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
    <message>
        <source>Resonanz</source>
        <translation>Resonance</translation>
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
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>! Zelvar-Beam: Messung am Analysator</source>
        <translation>! Zelvar-Beam: measured at the analyser</translation>
    </message>
    <message>
        <source>! Analysator: %1</source>
        <translation>! Analyser: %1</translation>
    </message>
    <message>
        <source>! Firmware: %1</source>
        <translation>! Firmware: %1</translation>
    </message>
    <message>
        <source>! Anschluss: %1</source>
        <translation>! Port: %1</translation>
    </message>
    <message>
        <source>! Datum: %1</source>
        <translation>! Date: %1</translation>
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
