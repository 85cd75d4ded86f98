<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FrameRecorder</name>
    <message>
        <source>Cannot record to &quot;%1&quot;: %2.</source>
        <translation>Aufzeichnung in „%1“ nicht möglich: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Recording to &quot;%1&quot; stopped: %2. The %n frame(s) recorded before are kept in the file.</source>
        <translation>
            <numerusform>Aufzeichnung in „%1“ beendet: %2. Das zuvor aufgezeichnete %n Paket bleibt in der Datei.</numerusform>
            <numerusform>Aufzeichnung in „%1“ beendet: %2. Die zuvor aufgezeichneten %n Pakete bleiben in der Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>the file could not take any more (is the disk full?)</source>
        <translation>die Datei nimmt nichts mehr auf (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>HelpPicture</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Dashed: helicopter types only.</source>
        <translation>Gestrichelt: nur Heli-Typen.</translation>
    </message>
    <message>
        <source>switch to USER1,
read its settings</source>
        <translation>USER1 wählen,
Werte lesen</translation>
    </message>
    <message>
        <source>pick the port,
read settings</source>
        <translation>Port wählen,
Werte lesen</translation>
    </message>
    <message>
        <source>show this
picture</source>
        <translation>dieses Bild
zeigen</translation>
    </message>
    <message>
        <source>settings to
a file</source>
        <translation>Werte in
eine Datei</translation>
    </message>
    <message>
        <source>load a file and
send it</source>
        <translation>Datei laden
und senden</translation>
    </message>
    <message>
        <source>servo travel
left / right</source>
        <translation>Servoweg
links / rechts</translation>
    </message>
    <message>
        <source>servo direction
per channel</source>
        <translation>Servorichtung
je Kanal</translation>
    </message>
    <message>
        <source>centre offset
per channel</source>
        <translation>Mittenversatz
je Kanal</translation>
    </message>
    <message>
        <source>dual rates
CH1, CH2, CH4</source>
        <translation>Dual Rates
CH1, CH2, CH4</translation>
    </message>
    <message>
        <source>stick mode
MODEL1 .. 4</source>
        <translation>Knüppelmodus
MODEL1 .. 4</translation>
    </message>
    <message>
        <source>model type
ACRO / HELI</source>
        <translation>Modelltyp
ACRO / HELI</translation>
    </message>
    <message>
        <source>throttle curve
NOR and ID</source>
        <translation>Gaskurve
NOR und ID</translation>
    </message>
    <message>
        <source>pitch curve
NOR and ID</source>
        <translation>Pitchkurve
NOR und ID</translation>
    </message>
    <message>
        <source>swash mixing
CH1, CH2, CH6</source>
        <translation>TS-Mischung
CH1, CH2, CH6</translation>
    </message>
    <message>
        <source>three program
mixes</source>
        <translation>drei Programm-
mischer</translation>
    </message>
    <message>
        <source>function: DR,
ThroCut, NOR/ID</source>
        <translation>Funktion: DR,
Gas aus, NOR/ID</translation>
    </message>
    <message>
        <source>knob function:
Pith Adjust</source>
        <translation>Drehknopf:
Pitch-Trimm</translation>
    </message>
    <message>
        <source>Right click or
Shift+F10:</source>
        <translation>Rechtsklick,
Umschalt+F10:</translation>
    </message>
    <message>
        <source>CH1..CH6 above: the bars follow the sticks.</source>
        <translation>CH1..CH6 oben: Die Balken folgen den Knüppeln.</translation>
    </message>
    <message>
        <source>Each editor sends the settings on OK.</source>
        <translation>Jeder Editor sendet die Einstellungen bei OK.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Fields that differ</source>
        <translation>Abweichende Felder</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutDialog</name>
    <message>
        <source>Licence: GNU GPL, version 3 or later</source>
        <translation>Lizenz: GNU GPL, Version 3 oder neuer</translation>
    </message>
    <message>
        <source>About Pelorin</source>
        <translation>Über Pelorin</translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation>Pelorin-Symbol</translation>
    </message>
    <message>
        <source>Pelorin Version 1.0</source>
        <translation>Pelorin Version 1.0</translation>
    </message>
    <message>
        <source>Transmitter setup © 2026</source>
        <translation>Sender-Einstellung © 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::BlockSender</name>
    <message>
        <source>The settings are kept in the history: History… (Ctrl+H) sends them once the transmitter is connected.</source>
        <translation>Die Einstellungen bleiben im Verlauf erhalten: Verlauf… (Strg+H) sendet sie, sobald der Sender verbunden ist.</translation>
    </message>
    <message>
        <source>the transmitter or its memory changed while the question was open</source>
        <translation>der Sender oder sein Speicher hat sich geändert, während die Frage offen war</translation>
    </message>
    <message>
        <source>the transmitter&apos;s settings changed while the question was open</source>
        <translation>die Einstellungen des Senders haben sich geändert, während die Frage offen war</translation>
    </message>
    <message>
        <source>Nothing was sent: %1. Look at what it holds now and try again.</source>
        <translation>Nichts wurde gesendet: %1. Sehen Sie nach, was er jetzt enthält, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>pelorin::Channel</name>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
</context>
<context>
    <name>pelorin::ChannelDisplay</name>
    <message>
        <source>Live channels</source>
        <translation>Live-Kanäle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pelorin::ChannelTrace</name>
    <message>
        <source>Channel trace</source>
        <translation>Kanalverlauf</translation>
    </message>
    <message>
        <source>The last 10 seconds of CH1 to CH6 as lines over time</source>
        <translation>Die letzten 10 Sekunden von CH1 bis CH6 als Linien über der Zeit</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>pelorin::CommandLineTexts</name>
    <message>
        <source>Sets up a six-channel radio-control transmitter over its serial cable.
Qt&apos;s options for graphical programs (-platform, -style, ...) are accepted too.</source>
        <translation>Stellt einen Sechskanal-Fernsteuersender über sein serielles Kabel ein.
Qts Optionen für grafische Programme (-platform, -style, ...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Start on port P instead of probing: a COM number (3, COM3), a device path (%1) or a virtual transmitter&apos;s name.</source>
        <translation>Mit Port P starten statt zu suchen: eine COM-Nummer (3, COM3), ein Gerätepfad (%1) oder der Name eines virtuellen Senders.</translation>
    </message>
    <message>
        <source>Try &apos;pelorin --help&apos;.</source>
        <translation>Siehe „pelorin --help“.</translation>
    </message>
    <message>
        <source>Usage: pelorin [options]</source>
        <translation>Aufruf: pelorin [Optionen]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; pelorin takes no files.</source>
        <translation>unerwartetes Argument „%1“; pelorin nimmt keine Dateien.</translation>
    </message>
    <message>
        <source>--port needs a port: a COM number, a device path or a name.</source>
        <translation>--port braucht einen Anschluss: eine COM-Nummer, einen Gerätepfad oder einen Namen.</translation>
    </message>
    <message>
        <source>Open the Models window at start: models are edited, printed and saved as PDF there, with or without the transmitter.</source>
        <translation>Beim Start das Fenster „Modelle“ öffnen: Dort werden Modelle bearbeitet, gedruckt und als PDF gespeichert, mit oder ohne Sender.</translation>
    </message>
</context>
<context>
    <name>pelorin::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>The transmitter</source>
        <translation>Der Sender</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Vergleiche:</translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation>&amp;mit:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>Kein Feld weicht ab.</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation>
            <numerusform>%n Feld weicht ab.</numerusform>
            <numerusform>%n Felder weichen ab.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::CurveDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>MODEL</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>EP%1</source>
        <translation>EP%1</translation>
    </message>
    <message>
        <source>Curve graph</source>
        <translation>Kurvengrafik</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>%1 curve: %2; live marker at %3 (0 to 1023).</source>
        <translation>%1-Kurve: %2; Live-Markierung bei %3 (0 bis 1023).</translation>
    </message>
    <message>
        <source>Which curve the points show and edit: NOR the normal curve, ID the idle-up curve (a switch set to NOR/ID picks it on the transmitter).</source>
        <translation>Welche Kurve die Punkte zeigen und ändern: NOR die normale Kurve, ID die Idle-up-Kurve (ein auf NOR/ID gestellter Schalter wählt sie am Sender).</translation>
    </message>
    <message>
        <source>%1 of the shown curve, %2 to %3 %: 0 is the graph&apos;s bottom edge, 100 its top; %4 is at the left, %5 at the right.</source>
        <translation>%1 der gezeigten Kurve, %2 bis %3 %: 0 ist der untere Rand des Diagramms, 100 der obere; %4 liegt links, %5 rechts.</translation>
    </message>
</context>
<context>
    <name>pelorin::DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>pelorin::DualRateDialog</name>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>DR ON</source>
        <translation>DR EIN</translation>
    </message>
    <message>
        <source>DR OFF</source>
        <translation>DR AUS</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>%1 DR ON</source>
        <translation>%1 DR EIN</translation>
    </message>
    <message>
        <source>%1 DR OFF</source>
        <translation>%1 DR AUS</translation>
    </message>
    <message>
        <source>%1 travel while the dual-rate switch is on, %2 to %3 %.</source>
        <translation>Weg von %1, solange der Dual-Rate-Schalter an ist, %2 bis %3 %.</translation>
    </message>
    <message>
        <source>%1 travel while the dual-rate switch is off, %2 to %3 %.</source>
        <translation>Weg von %1, solange der Dual-Rate-Schalter aus ist, %2 bis %3 %.</translation>
    </message>
</context>
<context>
    <name>pelorin::EndPointDialog</name>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>%1 left end point</source>
        <translation>%1 linker Endpunkt</translation>
    </message>
    <message>
        <source>%1 right end point</source>
        <translation>%1 rechter Endpunkt</translation>
    </message>
    <message>
        <source>%1 left end point: how far the servo travels to the left, %2 to %3 %.</source>
        <translation>Linker Endpunkt von %1: wie weit das Servo nach links läuft, %2 bis %3 %.</translation>
    </message>
    <message>
        <source>%1 right end point: how far the servo travels to the right, %2 to %3 %.</source>
        <translation>Rechter Endpunkt von %1: wie weit das Servo nach rechts läuft, %2 bis %3 %.</translation>
    </message>
</context>
<context>
    <name>pelorin::HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The main window&apos;s buttons</source>
        <translation>Die Schaltflächen des Hauptfensters</translation>
    </message>
    <message>
        <source>A picture of the main window with a note on each button. System Option: GetUser switches the transmitter to USER1 and reads its settings, Setting chooses the serial port and reads the memory last chosen, Help shows this picture, Save writes the settings to a file, Open loads a file and sends it. System Setting: EndPoint (servo travel left and right), Reverse (servo direction), SubTrim (centre offset), DR (dual rates of CH1, CH2 and CH4), Mode (stick mode), Type (model type), Thro Cuv and Pitch Cuv (throttle and pitch curves, NOR and ID), Swash Afr (swash mixing of CH1, CH2 and CH6) and MIX. (three program mixes); the two curves and Swash Afr are for helicopter types only. Switch Program: Switch A and Switch B choose DR, ThroCut or NOR/ID, VR(A) and VR(B) choose Pith Adjust. The live display shows CH1 to CH6 as bars that follow the sticks. Every editor sends the settings to the transmitter when it is closed with OK. The window&apos;s context menu (right click, the Menu key or Shift+F10) holds Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z), which name the write they take back or make again, Print setup sheet… (Ctrl+P) and Save setup sheet as PDF… for the transmitter&apos;s settings, Models… (Ctrl+L), Monitor… (Ctrl+M), History… (Ctrl+H), Transmitter memory… (switches the transmitter to USER1 or USER2), Close, and Pelorin, which opens About.</source>
        <translation>Ein Bild des Hauptfensters mit einer Notiz zu jeder Schaltfläche. Systemoptionen: Holen schaltet den Sender auf USER1 und liest dessen Einstellungen, Port wählt den seriellen Port und liest den zuletzt gewählten Speicher, Hilfe zeigt dieses Bild, Sichern schreibt die Einstellungen in eine Datei, Öffnen lädt eine Datei und sendet sie. Systemeinstellungen: Endpunkt (Servoweg links und rechts), Umkehr (Servorichtung), Subtrim (Mittenversatz), DR (Dual Rates von CH1, CH2 und CH4), Modus (Knüppelmodus), Typ (Modelltyp), Gaskurve und Pitchkv. (Gas- und Pitchkurve, NOR und ID), TS-AFR (Taumelscheibenmischung von CH1, CH2 und CH6) und Mischer (drei Programmmischer); die beiden Kurven und TS-AFR gibt es nur für Hubschraubertypen. Schalterprogramm: Schalt. A und Schalt. B wählen DR, Gas aus oder NOR/ID, VR(A) und VR(B) wählen Pitch-Trimm. Die Live-Anzeige zeigt CH1 bis CH6 als Balken, die den Knüppeln folgen. Jeder Editor sendet die Einstellungen an den Sender, wenn er mit OK geschlossen wird. Das Kontextmenü des Fensters (Rechtsklick, Menütaste oder Umschalt+F10) enthält Rückgängig (Strg+Z) und Wiederholen (Strg+Umschalt+Z), die das Schreiben nennen, das sie zurücknehmen oder erneut ausführen, Einstellungen drucken… (Strg+P) und Als PDF speichern… für das Einrichtungsblatt der Einstellungen des Senders, Modelle… (Strg+L), Monitor… (Strg+M), Verlauf… (Strg+H), Senderspeicher… (schaltet den Sender auf USER1 oder USER2), Schließen und Pelorin, das „Über“ öffnet.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code</comment>
        <extracomment>The code of the language of this translation (&quot;de&quot;, &quot;zh_CN&quot;): the Help window shows the picture help_&lt;code&gt;.pic drawn from it.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryModel</name>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>(the first entry)</source>
        <translation>(der erste Eintrag)</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>Fields changed</source>
        <translation>Geänderte Felder</translation>
    </message>
    <message>
        <source>(a damaged entry)</source>
        <translation>(ein beschädigter Eintrag)</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryRecorder</name>
    <message>
        <source>Pelorin goes on working, but does not record what it sends and receives.</source>
        <translation>Pelorin arbeitet weiter, zeichnet aber nicht auf, was es sendet und empfängt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Nothing to redo: no write was taken back since the last one.</source>
        <translation>Nichts zu wiederholen: Seit dem letzten Schreiben wurde keines zurückgenommen.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Nothing to undo: the history holds no write to this transmitter and memory that can be taken back.</source>
        <translation>Nichts rückgängig zu machen: Der Verlauf enthält für diesen Sender und diesen Speicher kein Schreiben, das sich zurücknehmen lässt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>Send back what the transmitter held before %1?</source>
        <translation>Zurücksenden, was der Sender vor %1 hatte?</translation>
    </message>
    <message>
        <source>What the transmitter held before %1</source>
        <translation>Was der Sender vor %1 hatte</translation>
    </message>
    <message>
        <source>Send %1 again?</source>
        <translation>%1 erneut senden?</translation>
    </message>
    <message>
        <source>Redo (nothing to redo)</source>
        <translation>Wiederholen (nichts zu wiederholen)</translation>
    </message>
    <message>
        <source>Undo (nothing to undo)</source>
        <translation>Rückgängig (nichts rückgängig zu machen)</translation>
    </message>
    <message>
        <source>Redo “%1”</source>
        <translation>„%1“ wiederholen</translation>
    </message>
    <message>
        <source>Undo “%1”</source>
        <translation>„%1“ rückgängig machen</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryWindow</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Newest first. Select one entry to see its fields; two to compare them.</source>
        <translation>Neueste zuerst. Einen Eintrag wählen, um seine Felder zu sehen; zwei, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>Fields of the selected entry</source>
        <translation>Felder des gewählten Eintrags</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Vergleichen…</translation>
    </message>
    <message>
        <source>Lists the fields that differ between the two selected entries, or between the selected entry and what the transmitter holds now.</source>
        <translation>Listet die Felder, in denen sich die zwei gewählten Einträge unterscheiden, oder der gewählte Eintrag und das, was der Sender jetzt hat.</translation>
    </message>
    <message>
        <source>&amp;Keep as model…</source>
        <translation>Als &amp;Modell behalten…</translation>
    </message>
    <message>
        <source>Keeps the selected entry&apos;s settings as a model of the library.</source>
        <translation>Behält die Einstellungen des gewählten Eintrags als Modell der Bibliothek.</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>An Sender &amp;senden…</translation>
    </message>
    <message>
        <source>Shows what changes, then sends the selected entry&apos;s settings to the transmitter, as Open does.</source>
        <translation>Zeigt, was sich ändert, und sendet dann die Einstellungen des gewählten Eintrags an den Sender, wie Öffnen es tut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the history (Escape).</source>
        <translation>Schließt den Verlauf (Escape).</translation>
    </message>
    <message>
        <source>Close the history</source>
        <translation>Verlauf schließen</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n damaged line(s) skipped)</source>
        <translation>
            <numerusform>(%n beschädigte Zeile übersprungen)</numerusform>
            <numerusform>(%n beschädigte Zeilen übersprungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Transmitter now</source>
        <translation>Sender jetzt</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same settings.</source>
        <translation>%1 und %2 haben dieselben Einstellungen.</translation>
    </message>
    <message>
        <source>Fields that differ between %1 and %2:</source>
        <translation>Felder, in denen sich %1 und %2 unterscheiden:</translation>
    </message>
    <message>
        <source>Fields that differ</source>
        <translation>Abweichende Felder</translation>
    </message>
    <message>
        <source>Keep as model</source>
        <translation>Als Modell behalten</translation>
    </message>
    <message>
        <source>Send to transmitter</source>
        <translation>An Sender senden</translation>
    </message>
    <message>
        <source>Send the settings of %1 to the transmitter?</source>
        <translation>Die Einstellungen von %1 an den Sender senden?</translation>
    </message>
    <message>
        <source>%1, memory %2</source>
        <translation>%1, Speicher %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>%1 belongs to %2, but the transmitter connected now is %3.

Send it there anyway?</source>
        <translation>%1 gehört zu %2, verbunden ist aber %3.

Trotzdem dorthin senden?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>The newest %n entries; older ones are read as you scroll down.</source>
        <translation>
            <numerusform>Der neueste %n Eintrag; ältere werden beim Herunterscrollen gelesen.</numerusform>
            <numerusform>Die neuesten %n Einträge; ältere werden beim Herunterscrollen gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Older history…</source>
        <translation>Ä&amp;lterer Verlauf…</translation>
    </message>
    <message>
        <source>Shows a history kept aside when the file grew full (history-&lt;date&gt;.jsonl beside the current one). Choose history.jsonl to come back to the current history.</source>
        <translation>Zeigt einen Verlauf, der beiseitegelegt wurde, als die Datei voll war (history-&lt;Datum&gt;.jsonl neben dem aktuellen). Wählen Sie history.jsonl, um zum aktuellen Verlauf zurückzukehren.</translation>
    </message>
    <message>
        <source>Older history</source>
        <translation>Älterer Verlauf</translation>
    </message>
    <message>
        <source>History files (*.jsonl)</source>
        <translation>Verlaufsdateien (*.jsonl)</translation>
    </message>
    <message>
        <source>History — %1</source>
        <translation>Verlauf — %1</translation>
    </message>
    <message>
        <source>the model “%1” of the library</source>
        <translation>das Modell „%1“ der Bibliothek</translation>
    </message>
</context>
<context>
    <name>pelorin::MainDialog</name>
    <message>
        <source>Models…</source>
        <translation>Modelle…</translation>
    </message>
    <message>
        <source>Monitor…</source>
        <translation>Monitor…</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>System Option</source>
        <translation>Systemoptionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message>
        <source>Switch Program</source>
        <translation>Schalterprogramm</translation>
    </message>
    <message>
        <source>Choose USER1 or USER2: the transmitter switches to that memory and sends its settings, which the window then shows and edits.</source>
        <translation>USER1 oder USER2 wählen: Der Sender schaltet auf diesen Speicher und sendet dessen Einstellungen, die das Fenster dann zeigt und bearbeitet.</translation>
    </message>
    <message>
        <source>About %1: its version and licence</source>
        <translation>Über %1: Version und Lizenz</translation>
    </message>
    <message>
        <source>The window shows: %1</source>
        <translation>Das Fenster zeigt: %1</translation>
    </message>
    <message>
        <source>Switches the transmitter to USER1 and reads its settings.</source>
        <translation>Schaltet den Sender auf USER1 und liest dessen Einstellungen.</translation>
    </message>
    <message>
        <source>Closes the port, lets you choose a serial port, opens it, then switches the transmitter to %1 (the memory last chosen) and reads its settings.</source>
        <translation>Schließt den Port, lässt einen seriellen Port wählen, öffnet ihn, schaltet dann den Sender auf %1 (den zuletzt gewählten Speicher) und liest dessen Einstellungen.</translation>
    </message>
    <message>
        <source>Transmitter memory…</source>
        <translation>Senderspeicher…</translation>
    </message>
    <message>
        <source>%1 already exists and is not a settings file.
Replace it with the transmitter&apos;s settings?</source>
        <translation>%1 gibt es schon, und es ist keine Einstellungsdatei.
Durch die Einstellungen des Senders ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>GetUser</source>
        <translation>Holen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>EndPoint</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>SubTrim</source>
        <translation>Subtrim</translation>
    </message>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Thro Cuv</source>
        <translation>Gaskurve</translation>
    </message>
    <message>
        <source>Pitch Cuv</source>
        <translation>Pitchkv.</translation>
    </message>
    <message>
        <source>Swash Afr</source>
        <translation>TS-AFR</translation>
    </message>
    <message>
        <source>MIX.</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>Switch A</source>
        <translation>Schalt. A</translation>
    </message>
    <message>
        <source>Switch B</source>
        <translation>Schalt. B</translation>
    </message>
    <message>
        <source>VR(A)</source>
        <translation>VR(A)</translation>
    </message>
    <message>
        <source>VR(B)</source>
        <translation>VR(B)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>StartAdjust</source>
        <translation>Justieren</translation>
    </message>
    <message>
        <source>StopAdjust</source>
        <translation>Just. Ende</translation>
    </message>
    <message>
        <source>Sends back what the transmitter held before the last write to it, after showing what changes.</source>
        <translation>Sendet zurück, was der Sender vor dem letzten Schreiben hielt, nachdem es gezeigt hat, was sich ändert.</translation>
    </message>
    <message>
        <source>Sends the write that Undo took back again, after showing what changes.</source>
        <translation>Sendet das Schreiben, das Rückgängig zurückgenommen hat, erneut, nachdem es gezeigt hat, was sich ändert.</translation>
    </message>
    <message>
        <source>A one-page setup sheet of the transmitter&apos;s settings, for the flight box.</source>
        <translation>Ein einseitiges Einrichtungsblatt der Einstellungen des Senders, für die Flugkiste.</translation>
    </message>
    <message>
        <source>Saves the setup sheet of the transmitter&apos;s settings as a PDF file.</source>
        <translation>Speichert das Einrichtungsblatt der Einstellungen des Senders als PDF-Datei.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Print setup sheet…</source>
        <translation>Einstellungen drucken…</translation>
    </message>
    <message>
        <source>Save setup sheet as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
</context>
<context>
    <name>pelorin::ModelWindow</name>
    <message>
        <source>Opens the editor on this model&apos;s settings; its OK stores the model.</source>
        <translation>Öffnet den Editor mit den Einstellungen dieses Modells; sein OK speichert das Modell.</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>An den &amp;Sender senden…</translation>
    </message>
    <message>
        <source>Shows what changes, then sends this model&apos;s settings to the transmitter.</source>
        <translation>Zeigt, was sich ändert, und sendet dann die Einstellungen dieses Modells an den Sender.</translation>
    </message>
    <message>
        <source>C&amp;ompare with transmitter</source>
        <translation>Mit dem Sender &amp;vergleichen</translation>
    </message>
    <message>
        <source>Lists the fields in which this model differs from what the transmitter holds now.</source>
        <translation>Listet die Felder, in denen sich dieses Modell von dem unterscheidet, was der Sender jetzt enthält.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the model (Escape).</source>
        <translation>Schließt das Modell (Esc).</translation>
    </message>
    <message>
        <source>Close the model</source>
        <translation>Das Modell schließen</translation>
    </message>
    <message>
        <source>%1 — Pelorin</source>
        <translation>%1 — Pelorin</translation>
    </message>
    <message>
        <source>No transmitter is connected, or its settings have not arrived: there is nothing to compare this model with yet.</source>
        <translation>Kein Sender ist verbunden, oder seine Einstellungen sind noch nicht eingetroffen: Es gibt noch nichts, womit sich dieses Modell vergleichen ließe.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Druc&amp;ken…</translation>
    </message>
    <message>
        <source>Prints this model&apos;s setup sheet, after a preview.</source>
        <translation>Druckt das Einrichtungsblatt dieses Modells, nach einer Vorschau.</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Saves this model&apos;s setup sheet as a PDF file.</source>
        <translation>Speichert das Einrichtungsblatt dieses Modells als PDF-Datei.</translation>
    </message>
    <message>
        <source>Cop&amp;y as text</source>
        <translation>Als Te&amp;xt kopieren</translation>
    </message>
    <message>
        <source>Puts this model&apos;s setup sheet on the clipboard as plain text, for a forum post or an e-mail.</source>
        <translation>Legt das Einrichtungsblatt dieses Modells als reinen Text in die Zwischenablage, für einen Forumsbeitrag oder eine E-Mail.</translation>
    </message>
</context>
<context>
    <name>pelorin::ModelsWindow</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Readable model (*.json)</source>
        <translation>Lesbares Modell (*.json)</translation>
    </message>
    <message>
        <source>Settings file, 67 bytes (*)</source>
        <translation>Einstellungsdatei, 67 Byte (*)</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Stick mode</source>
        <translation>Knüppelmodus</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Free text kept with the selected model</source>
        <translation>Freier Text zum gewählten Modell</translation>
    </message>
    <message>
        <source>&amp;Keep transmitter&apos;s settings…</source>
        <translation>&amp;Sendereinstellungen behalten…</translation>
    </message>
    <message>
        <source>Store the transmitter&apos;s current settings as a new model</source>
        <translation>Die aktuellen Einstellungen des Senders als neues Modell ablegen</translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation>An Sender &amp;senden…</translation>
    </message>
    <message>
        <source>Show what changes, then send the selected model</source>
        <translation>Zeigen, was sich ändert, dann das gewählte Modell senden</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Vergleichen…</translation>
    </message>
    <message>
        <source>List the fields in which two models, or a model and the transmitter, differ</source>
        <translation>Die Felder auflisten, in denen zwei Modelle oder ein Modell und der Sender abweichen</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Give the selected model another name</source>
        <translation>Dem gewählten Modell einen anderen Namen geben</translation>
    </message>
    <message>
        <source>D&amp;uplicate…</source>
        <translation>&amp;Duplizieren…</translation>
    </message>
    <message>
        <source>Copy the selected model under a new name</source>
        <translation>Das gewählte Modell unter neuem Namen kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Add settings files (67-byte or readable) to the library</source>
        <translation>Einstellungsdateien (67 Byte oder lesbar) zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Write the selected model as a readable or a 67-byte file</source>
        <translation>Das gewählte Modell als lesbare oder als 67-Byte-Datei schreiben</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 cannot be read; hover over them for the reason.</source>
        <translation>
            <numerusform>%n Datei in %1 ist nicht lesbar; der Grund erscheint, wenn der Mauszeiger darauf ruht.</numerusform>
            <numerusform>%n Dateien in %1 sind nicht lesbar; der Grund erscheint, wenn der Mauszeiger darauf ruht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Models are kept in %1</source>
        <translation>Die Modelle liegen in %1</translation>
    </message>
    <message>
        <source>✔ holds this</source>
        <translation>✔ hat dieses</translation>
    </message>
    <message>
        <source>The transmitter&apos;s settings equal this model&apos;s</source>
        <translation>Die Einstellungen des Senders gleichen denen dieses Modells</translation>
    </message>
    <message>
        <source>Name of the model:</source>
        <translation>Name des Modells:</translation>
    </message>
    <message>
        <source>Keep transmitter&apos;s settings</source>
        <translation>Sendereinstellungen behalten</translation>
    </message>
    <message>
        <source>Send to transmitter</source>
        <translation>An Sender senden</translation>
    </message>
    <message>
        <source>Sending &quot;%1&quot; changes these settings of the transmitter:</source>
        <translation>Das Senden von „%1“ ändert diese Einstellungen des Senders:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Move the selected models to the trash (asks first)</source>
        <translation>Die gewählten Modelle in den Papierkorb verschieben (fragt vorher)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Escape)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the models window</source>
        <translation>Modellfenster schließen</translation>
    </message>
    <message>
        <source>%1
This model&apos;s name is also in %2. Rename one of them, so that each name is one model&apos;s.</source>
        <translation>%1
Denselben Modellnamen trägt auch %2. Benennen Sie eines davon um, damit jeder Name zu genau einem Modell gehört.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) name a model that another file names too; they are marked. Rename one of each.</source>
        <translation>
            <numerusform>%n Datei trägt einen Modellnamen, den auch eine andere Datei trägt; sie ist markiert. Benennen Sie jeweils eine um.</numerusform>
            <numerusform>%n Dateien tragen einen Modellnamen, den auch eine andere Datei trägt; sie sind markiert. Benennen Sie jeweils eine um.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace settings</source>
        <translation>Einstellungen ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>Move %n model(s) to the trash?</source>
        <translation>
            <numerusform>%n Modell in den Papierkorb verschieben?</numerusform>
            <numerusform>%n Modelle in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>A model named &quot;%1&quot; is kept already. Replace its settings with these? Its notes are kept.</source>
        <translation>Ein Modell namens „%1“ gibt es bereits. Seine Einstellungen durch diese ersetzen? Seine Notizen bleiben erhalten.</translation>
    </message>
    <message>
        <source>The model &quot;%1&quot;</source>
        <translation>Das Modell „%1“</translation>
    </message>
    <message>
        <source>Edit the selected model without the transmitter: the editors of the main window, each OK stored in the library (also double-click or Return)</source>
        <translation>Das gewählte Modell ohne Sender bearbeiten: die Editoren des Hauptfensters, jedes OK in der Bibliothek gespeichert (auch Doppelklick oder Eingabetaste)</translation>
    </message>
    <message>
        <source>&amp;New model…</source>
        <translation>&amp;Neues Modell…</translation>
    </message>
    <message>
        <source>Make a model from the transmitter&apos;s settings, or a blank one of a type, and edit it</source>
        <translation>Ein Modell aus den Einstellungen des Senders oder ein leeres eines Typs anlegen und bearbeiten</translation>
    </message>
    <message>
        <source>New model</source>
        <translation>Neues Modell</translation>
    </message>
    <message>
        <source>Name of the model</source>
        <translation>Name des Modells</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Start from</source>
        <translation>Ausgehen von</translation>
    </message>
    <message>
        <source>A blank model has end points 100, nothing reversed, sub trims 0, dual rates 100, straight curves and no mixes.</source>
        <translation>Ein leeres Modell hat Endpunkte 100, nichts umgekehrt, Subtrimm 0, Dual Rates 100, gerade Kurven und keine Mischer.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s settings now</source>
        <translation>Den jetzigen Einstellungen des Senders</translation>
    </message>
    <message>
        <source>A blank %1 model</source>
        <translation>Einem leeren %1-Modell</translation>
    </message>
    <message>
        <source>&amp;Start from:</source>
        <translation>Ausgehen &amp;von:</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Druc&amp;ken…</translation>
    </message>
    <message>
        <source>Show the selected model&apos;s setup sheet, one page with all its settings, and print it</source>
        <translation>Das Einrichtungsblatt des gewählten Modells zeigen (eine Seite mit allen Einstellungen) und drucken</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Write the selected model&apos;s setup sheet to a PDF file</source>
        <translation>Das Einrichtungsblatt des gewählten Modells als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Copy the selected model&apos;s setup sheet as plain text, for an e-mail or a forum post</source>
        <translation>Das Einrichtungsblatt des gewählten Modells als reinen Text kopieren, für eine E-Mail oder einen Forumsbeitrag</translation>
    </message>
    <message>
        <source>The setup sheet of “%1” is on the clipboard.</source>
        <translation>Das Einrichtungsblatt von „%1“ liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Edi&amp;t…</source>
        <translation>Bearbei&amp;ten…</translation>
    </message>
    <message>
        <source>Cop&amp;y as text</source>
        <translation>Als Te&amp;xt kopieren</translation>
    </message>
</context>
<context>
    <name>pelorin::MonitorWindow</name>
    <message>
        <source>Record to CSV File</source>
        <translation>In CSV-Datei aufzeichnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>Word: as received (1000..2100). Value: word - 1512. Percent: value as a share of 512 (word 1000 is -100 %, 2024 is +100 %). AUX is a raw word without a centre: its place in 0..1023.</source>
        <translation>Wort: wie empfangen (1000..2100). Wert: Wort - 1512. Prozent: Wert als Anteil von 512 (Wort 1000 ist -100 %, 2024 ist +100 %). AUX ist ein Rohwert ohne Mitte: seine Stelle in 0..1023.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>AUX</source>
        <translation>AUX</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>–</source>
        <comment>no value yet</comment>
        <translation>–</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Good frames</source>
        <translation>Gute Pakete</translation>
    </message>
    <message>
        <source>Dropped frames</source>
        <translation>Verworfene Pakete</translation>
    </message>
    <message>
        <source>Settings frames</source>
        <translation>Einstellungspakete</translation>
    </message>
    <message>
        <source>Last good frame</source>
        <translation>Letztes gutes Paket</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&quot;No data&quot; when no good frame has come for a second</source>
        <translation>„Keine Daten“, wenn eine Sekunde lang kein gutes Paket kam</translation>
    </message>
    <message>
        <source>Good live frames per second</source>
        <translation>Gute Live-Pakete je Sekunde</translation>
    </message>
    <message>
        <source>Live frames dropped since this window opened (a bad checksum or a channel word above 2100), and how many per second</source>
        <translation>Seit dem Öffnen dieses Fensters verworfene Live-Pakete (falsche Prüfsumme oder ein Kanalwort über 2100) und wie viele je Sekunde</translation>
    </message>
    <message>
        <source>Settings frames received since this window opened</source>
        <translation>Seit dem Öffnen dieses Fensters empfangene Einstellungspakete</translation>
    </message>
    <message>
        <source>Time since the last good live frame</source>
        <translation>Zeit seit dem letzten guten Live-Paket</translation>
    </message>
    <message>
        <source>The port in use and its device</source>
        <translation>Der benutzte Port und sein Gerät</translation>
    </message>
    <message>
        <source>Last 10 seconds</source>
        <translation>Letzte 10 Sekunden</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the monitor</source>
        <translation>Den Monitor schließen</translation>
    </message>
    <message>
        <source>%1 /s</source>
        <translation>%1 /s</translation>
    </message>
    <message>
        <source>– /s</source>
        <translation>– /s</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Receiving</source>
        <translation>Empfang läuft</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>Warte auf Daten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keines</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>vor %1 s</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>%1, no device</source>
        <translation>%1, kein Gerät</translation>
    </message>
    <message>
        <source>%1, not open
%2</source>
        <translation>%1, nicht geöffnet
%2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation>Keine Aufzeichnung</translation>
    </message>
    <message numerus="yes">
        <source>Recording to %1: %n frame(s)</source>
        <translation>
            <numerusform>Aufzeichnung in %1: %n Paket</numerusform>
            <numerusform>Aufzeichnung in %1: %n Pakete</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation>&amp;Aufzeichnen…</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Record to a CSV file</source>
        <translation>In eine CSV-Datei aufzeichnen</translation>
    </message>
    <message>
        <source>Stop recording; the file keeps every frame so far</source>
        <translation>Aufzeichnung beenden; die Datei behält alle bisherigen Pakete</translation>
    </message>
    <message>
        <source>Write every good frame to a CSV file: time in ms, the six channel words and the auxiliary word</source>
        <translation>Jedes gute Paket in eine CSV-Datei schreiben: Zeit in ms, die sechs Kanalwörter und das Zusatzwort</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Resume the trace</source>
        <translation>Den Verlauf fortsetzen</translation>
    </message>
    <message>
        <source>Pause the trace</source>
        <translation>Den Verlauf anhalten</translation>
    </message>
    <message>
        <source>Let the trace run again</source>
        <translation>Den Verlauf wieder laufen lassen</translation>
    </message>
    <message>
        <source>Hold the trace still to look at it</source>
        <translation>Den Verlauf anhalten, um ihn zu betrachten</translation>
    </message>
    <message>
        <source>Which of the transmitter&apos;s memories (USER1, USER2) the main window&apos;s settings are; Transmitter memory… in its menu switches</source>
        <translation>Aus welchem Senderspeicher (USER1, USER2) die Einstellungen des Hauptfensters stammen; Senderspeicher… in dessen Menü schaltet um</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
</context>
<context>
    <name>pelorin::PitchCurveDialog</name>
    <message>
        <source>Pitch Curv</source>
        <translation>Pitchkurve</translation>
    </message>
</context>
<context>
    <name>pelorin::PortAdviceTexts</name>
    <message>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>ModemManager looks at every new serial adapter for a few seconds after it is plugged in. Wait a moment and try again, or stop it:
    sudo systemctl stop ModemManager</source>
        <translation>ModemManager untersucht jeden neu eingesteckten seriellen Adapter einige Sekunden lang. Kurz warten und erneut versuchen, oder ihn beenden:
    sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty takes some USB serial adapters for Braille displays. If no Braille display is used on this computer, remove it:
    sudo apt remove brltty</source>
        <translation>brltty hält manche seriellen USB-Adapter für Braillezeilen. Wird an diesem Rechner keine Braillezeile benutzt, entfernen Sie es:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>%1 schließen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.

Your user account is not allowed to use serial ports. Add it to the dialout group:
    sudo usermod -aG dialout $USER
then log out and log in again.</source>
        <translation>%1 lässt sich nicht öffnen: %2.

Ihr Benutzerkonto darf keine seriellen Ports benutzen. Fügen Sie es der Gruppe dialout hinzu:
    sudo usermod -aG dialout $USER
und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>The port is also held by %1.</source>
        <translation>Der Port wird außerdem von %1 gehalten.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use (%2).</source>
        <translation>%1 lässt sich nicht öffnen: der Port ist belegt (%2).</translation>
    </message>
    <message>
        <source>It is held by %1.</source>
        <translation>Er wird von %1 gehalten.</translation>
    </message>
    <message>
        <source>Another program holds it open, for example ModemManager or a serial terminal. Close that program (or stop ModemManager) and try again.</source>
        <translation>Ein anderes Programm hält ihn offen, zum Beispiel ModemManager oder ein serielles Terminal. Schließen Sie dieses Programm (oder beenden Sie ModemManager) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>To see which program it is:
    sudo fuser -v %1</source>
        <translation>Welches Programm es ist, zeigt:
    sudo fuser -v %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1: the connection was lost (%2).</source>
        <translation>%1: die Verbindung ist abgerissen (%2).</translation>
    </message>
    <message>
        <source>name its port with --port (pelorin-cli ports lists them)</source>
        <translation>nennen Sie dann seinen Port mit --port (pelorin-cli ports listet sie auf)</translation>
    </message>
    <message>
        <source>choose its port with the Setting button</source>
        <translation>wählen Sie dann seinen Port mit der Schaltfläche Port</translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter (or start the virtual transmitter pelorin-txsim), then %2.</source>
        <translation>%1 lässt sich nicht öffnen: kein serieller Port dieses Rechners hat diese Nummer.

Schließen Sie den Sender an (oder starten Sie den virtuellen Sender pelorin-txsim) und %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist (%2).

Check that the transmitter is plugged in, then %3.</source>
        <translation>%1 lässt sich nicht öffnen: das Gerät existiert nicht (%2).

Prüfen Sie, ob der Sender eingesteckt ist, und %3.</translation>
    </message>
    <message>
        <source>Pelorin opens the port again by itself as soon as the device is back; the Setting button chooses another one.</source>
        <translation>Pelorin öffnet den Port von selbst wieder, sobald das Gerät zurück ist; mit der Schaltfläche Port wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter, then %2.</source>
        <translation>%1 lässt sich nicht öffnen: Kein serieller Port dieses Computers hat diese Nummer.

Schließen Sie den Sender an, dann %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Windows has no such port (%2).

Check that the transmitter&apos;s cable is plugged in, then %3. A USB serial cable needs the driver of its chip (CH340 or CH341, CP210x, FTDI, PL2303): when the Device Manager lists the cable under “Other devices” instead of “Ports (COM &amp; LPT)”, install the driver from the chip maker&apos;s website.</source>
        <translation>%1 lässt sich nicht öffnen: Windows kennt diesen Port nicht (%2).

Prüfen Sie, ob das Kabel des Senders eingesteckt ist, dann %3. Ein USB-Seriell-Kabel braucht den Treiber seines Chips (CH340 oder CH341, CP210x, FTDI, PL2303): Führt der Geräte-Manager das Kabel unter „Andere Geräte“ statt unter „Anschlüsse (COM &amp; LPT)“, installieren Sie den Treiber von der Website des Chipherstellers.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use (%2).

It is held by %3. Close it, then try again.</source>
        <translation>%1 lässt sich nicht öffnen: Der Port ist belegt (%2).

%3 hält ihn. Schließen Sie das Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use by another program (%2).

Windows does not say which one. Close the program that uses the port (a serial terminal, another configuration program, a second Pelorin), then try again.</source>
        <translation>%1 lässt sich nicht öffnen: Ein anderes Programm belegt den Port (%2).

Windows sagt nicht, welches. Schließen Sie das Programm, das den Port benutzt (ein serielles Terminal, ein anderes Konfigurationsprogramm, ein zweites Pelorin), und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>pelorin::PortDiscoveryTexts</name>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>Virtual transmitter on %1</source>
        <translation>Virtueller Sender auf %1</translation>
    </message>
    <message>
        <source>Virtual transmitter (gone: %1)</source>
        <translation>Virtueller Sender (verschwunden: %1)</translation>
    </message>
</context>
<context>
    <name>pelorin::PortSpecTexts</name>
    <message>
        <source>There is no port COM%1; the port numbers are COM1 to COM%2.</source>
        <translation>Es gibt keinen Port COM%1; die Portnummern sind COM1 bis COM%2.</translation>
    </message>
    <message>
        <source>COM%1 has no device: no serial port was found on this computer.</source>
        <translation>COM%1 hat kein Gerät: an diesem Rechner wurde kein serieller Port gefunden.</translation>
    </message>
    <message>
        <source>COM%1 has no device on this computer; the ports found are COM1 to COM%2.</source>
        <translation>COM%1 hat an diesem Rechner kein Gerät; gefunden wurden die Ports COM1 bis COM%2.</translation>
    </message>
    <message>
        <source>%1 leads to %2, which does not exist.</source>
        <translation>%1 führt zu %2, das nicht existiert.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not among the serial ports found on this computer.</source>
        <translation>%1 ist keiner der seriellen Ports, die an diesem Rechner gefunden wurden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a port number (COM1 to COM%2), a device path, nor the name of a serial port or virtual transmitter found on this computer.</source>
        <translation>„%1“ ist weder eine Portnummer (COM1 bis COM%2) noch ein Gerätepfad noch der Name eines seriellen Ports oder virtuellen Senders dieses Rechners.</translation>
    </message>
    <message>
        <source>No port given: write a port number such as COM1, a device path such as %1, or the name of a virtual transmitter.</source>
        <translation>Kein Port angegeben: eine Portnummer wie COM1, ein Gerätepfad wie %1 oder der Name eines virtuellen Senders.</translation>
    </message>
</context>
<context>
    <name>pelorin::ProgramMixDialog</name>
    <message>
        <source>PROGRAM MIX</source>
        <translation>PROGRAMMMISCHER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Mix Num</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>MIX 1</source>
        <translation>MIX 1</translation>
    </message>
    <message>
        <source>MIX 2</source>
        <translation>MIX 2</translation>
    </message>
    <message>
        <source>MIX 3</source>
        <translation>MIX 3</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Des</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Up Rate</source>
        <translation>Rate auf</translation>
    </message>
    <message>
        <source>Down Rate</source>
        <translation>Rate ab</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>SW A</source>
        <translation>SW A</translation>
    </message>
    <message>
        <source>SW B</source>
        <translation>SW B</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>VR A</source>
        <translation>VR A</translation>
    </message>
    <message>
        <source>VR B</source>
        <translation>VR B</translation>
    </message>
    <message>
        <source>How far the destination moves as the source moves up, %1 to %2 %.</source>
        <translation>Wie weit sich das Ziel bewegt, wenn die Quelle nach oben geht, %1 bis %2 %.</translation>
    </message>
    <message>
        <source>How far the destination moves as the source moves down, %1 to %2 %.</source>
        <translation>Wie weit sich das Ziel bewegt, wenn die Quelle nach unten geht, %1 bis %2 %.</translation>
    </message>
</context>
<context>
    <name>pelorin::QtSerialControl</name>
    <message>
        <source>%1 is already open.</source>
        <translation>%1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>the link leads to %1, which is gone</source>
        <translation>der Link führt zu %1, das verschwunden ist</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>%1: nothing can be sent, the port is not open.</source>
        <translation>%1: nichts kann gesendet werden, der Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1: nothing was sent, the output buffer is full (the device takes no data).</source>
        <translation>%1: nichts wurde gesendet, der Ausgangspuffer ist voll (das Gerät nimmt keine Daten an).</translation>
    </message>
    <message>
        <source>%1: the data could not be sent: %2.</source>
        <translation>%1: die Daten ließen sich nicht senden: %2.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the device was removed</source>
        <translation>das Gerät wurde entfernt</translation>
    </message>
    <message>
        <source>the other end hung up</source>
        <translation>die Gegenseite hat aufgelegt</translation>
    </message>
    <message>
        <source>opened exclusively by another program</source>
        <translation>von einem anderen Programm exklusiv geöffnet</translation>
    </message>
</context>
<context>
    <name>pelorin::ReverseDialog</name>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>%1 NOR</source>
        <translation>%1 NOR</translation>
    </message>
    <message>
        <source>Ticked: %1 is reversed. Clear: %1 runs normal.</source>
        <translation>Angehakt: %1 ist umgekehrt. Leer: %1 läuft normal.</translation>
    </message>
</context>
<context>
    <name>pelorin::SaveFileTexts</name>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation>„%1“ lässt sich nicht sichern: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is write-protected</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The folder does not allow new files, which saving needs</source>
        <translation>Der Ordner lässt keine neuen Dateien zu, das Sichern braucht aber eine</translation>
    </message>
    <message>
        <source>the disk is full. Free some space on it (or choose a file on another disk), then try again</source>
        <translation>der Datenträger ist voll. Schaffen Sie dort Platz (oder wählen Sie eine Datei auf einem anderen Datenträger) und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>it is not a regular file but a folder, a pipe or a device</source>
        <translation>es ist keine gewöhnliche Datei, sondern ein Ordner, eine Pipe oder ein Gerät</translation>
    </message>
</context>
<context>
    <name>pelorin::SendConfirmation</name>
    <message>
        <source>Model type and stick mode</source>
        <translation>Modelltyp und Knüppelmodus</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>Endpunkte</translation>
    </message>
    <message>
        <source>Sub trim</source>
        <translation>Subtrim</translation>
    </message>
    <message>
        <source>Dual rates</source>
        <translation>Dual Rates</translation>
    </message>
    <message>
        <source>Swash AFR</source>
        <translation>TS-AFR</translation>
    </message>
    <message>
        <source>Throttle curve</source>
        <translation>Gaskurve</translation>
    </message>
    <message>
        <source>Pitch curve</source>
        <translation>Pitchkurve</translation>
    </message>
    <message>
        <source>Program mixes</source>
        <translation>Programmmischer</translation>
    </message>
    <message>
        <source>Switches and VRs</source>
        <translation>Schalter und VRs</translation>
    </message>
    <message>
        <source>No setting changes: the transmitter holds this already.</source>
        <translation>Keine Einstellung ändert sich: Der Sender hat diese bereits.</translation>
    </message>
    <message>
        <source>Only the ticked groups change; the others stay as the transmitter holds them.</source>
        <translation>Nur die angekreuzten Gruppen ändern sich; die anderen bleiben, wie der Sender sie hat.</translation>
    </message>
    <message>
        <source>Fields that change, by group</source>
        <translation>Felder, die sich ändern, nach Gruppen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Transmitter now</source>
        <translation>Sender jetzt</translation>
    </message>
    <message>
        <source>After sending</source>
        <translation>Nach dem Senden</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nothing was sent: no group was ticked.</source>
        <translation>Nichts wurde gesendet: Keine Gruppe war angekreuzt.</translation>
    </message>
    <message>
        <source>%1: %2 (the editor makes %3 to %4)</source>
        <translation>%1: %2 (der Editor erlaubt %3 bis %4)</translation>
    </message>
    <message>
        <source>%1 holds values that none of Pelorin&apos;s editors could make:

%2

Sending it may leave the transmitter in a state no editor can show or correct. Send it anyway?</source>
        <translation>%1 enthält Werte, die kein Editor von Pelorin erzeugen kann:

%2

Nach dem Senden ist der Sender womöglich in einem Zustand, den kein Editor anzeigen oder korrigieren kann. Trotzdem senden?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
</context>
<context>
    <name>pelorin::SerialErrorReporter</name>
    <message>
        <source>One more serial error followed.</source>
        <translation>Ein weiterer Fehler der seriellen Verbindung folgte.</translation>
    </message>
    <message>
        <source>%1 more serial errors followed.</source>
        <translation>%1 weitere Fehler der seriellen Verbindung folgten.</translation>
    </message>
</context>
<context>
    <name>pelorin::SerialSettingDialog</name>
    <message>
        <source>Serial Setting</source>
        <translation>Port-Einstellung</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>No serial port can be opened now. Connect the transmitter and open this window again, or press Cancel to keep the port used so far.</source>
        <translation>Zurzeit lässt sich kein serieller Anschluss öffnen. Schließen Sie den Sender an und öffnen Sie dieses Fenster erneut, oder behalten Sie mit „Abbruch“ den bisherigen Anschluss.</translation>
    </message>
    <message>
        <source>“%1” is not a port that can be opened now. Choose one of the list: %2.</source>
        <translation>„%1“ ist kein Anschluss, der sich jetzt öffnen lässt. Wählen Sie einen aus der Liste: %2.</translation>
    </message>
</context>
<context>
    <name>pelorin::SetupSheet</name>
    <message>
        <source>EP%1</source>
        <translation>EP%1</translation>
    </message>
    <message>
        <source>NOR</source>
        <translation>NOR</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Unnamed model</source>
        <translation>Unbenanntes Modell</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Stick mode</source>
        <translation>Knüppelmodus</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>USER1</source>
        <translation>USER1</translation>
    </message>
    <message>
        <source>USER2</source>
        <translation>USER2</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>End point L</source>
        <translation>Endpunkt L</translation>
    </message>
    <message>
        <source>End point R</source>
        <translation>Endpunkt R</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Sub trim</source>
        <translation>Subtrim</translation>
    </message>
    <message>
        <source>Dual rate ON</source>
        <translation>Dual Rate EIN</translation>
    </message>
    <message>
        <source>Dual rate OFF</source>
        <translation>Dual Rate AUS</translation>
    </message>
    <message>
        <source>Swash AFR</source>
        <translation>Taumelscheibe AFR</translation>
    </message>
    <message>
        <source>Throttle curve</source>
        <translation>Gaskurve</translation>
    </message>
    <message>
        <source>Pitch curve</source>
        <translation>Pitchkurve</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mischer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Up rate</source>
        <translation>Rate oben</translation>
    </message>
    <message>
        <source>Down rate</source>
        <translation>Rate unten</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Switch A</source>
        <translation>Schalter A</translation>
    </message>
    <message>
        <source>Switch B</source>
        <translation>Schalter B</translation>
    </message>
    <message>
        <source>VR A</source>
        <translation>VR A</translation>
    </message>
    <message>
        <source>VR B</source>
        <translation>VR B</translation>
    </message>
    <message>
        <source>Made on %1 with Pelorin %2</source>
        <translation>Erstellt am %1 mit Pelorin %2</translation>
    </message>
    <message>
        <source>Settings checksum: %1</source>
        <translation>Prüfsumme der Einstellungen: %1</translation>
    </message>
    <message>
        <source>Setup sheet: %1</source>
        <translation>Einrichtungsblatt: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Program mixes</source>
        <translation>Programmmischer</translation>
    </message>
    <message>
        <source>Switches and knobs</source>
        <translation>Schalter und Drehknöpfe</translation>
    </message>
    <message>
        <source>Pelorin setup sheet</source>
        <translation>Pelorin-Einrichtungsblatt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Cannot write the setup sheet “%1”: %2. Choose a folder you may write to, or another file name.</source>
        <translation>Das Einrichtungsblatt „%1“ kann nicht geschrieben werden: %2. Wählen Sie einen Ordner, in den Sie schreiben dürfen, oder einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF ließ sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>pelorin::SetupSheetView</name>
    <message>
        <source>Setup sheet</source>
        <translation>Einrichtungsblatt</translation>
    </message>
    <message>
        <source>setup sheet</source>
        <translation>Einrichtungsblatt</translation>
    </message>
    <message>
        <source>Print setup sheet</source>
        <translation>Einrichtungsblatt drucken</translation>
    </message>
    <message>
        <source>Save setup sheet as PDF</source>
        <translation>Einrichtungsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Sender</translation>
    </message>
</context>
<context>
    <name>pelorin::StickModeDialog</name>
    <message>
        <source>Stick Select</source>
        <translation>Knüppelmodus</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>MODEL1</source>
        <translation>MODEL1</translation>
    </message>
    <message>
        <source>MODEL2</source>
        <translation>MODEL2</translation>
    </message>
    <message>
        <source>MODEL3</source>
        <translation>MODEL3</translation>
    </message>
    <message>
        <source>MODEL4</source>
        <translation>MODEL4</translation>
    </message>
    <message>
        <source>Sticks</source>
        <translation>Knüppel</translation>
    </message>
    <message>
        <source>Left stick: elevator and rudder. Right stick: throttle and aileron.</source>
        <translation>Linker Knüppel: Höhenruder und Seitenruder. Rechter Knüppel: Gas und Querruder.</translation>
    </message>
    <message>
        <source>Left stick: throttle and rudder. Right stick: elevator and aileron.</source>
        <translation>Linker Knüppel: Gas und Seitenruder. Rechter Knüppel: Höhenruder und Querruder.</translation>
    </message>
    <message>
        <source>Left stick: elevator and aileron. Right stick: throttle and rudder.</source>
        <translation>Linker Knüppel: Höhenruder und Querruder. Rechter Knüppel: Gas und Seitenruder.</translation>
    </message>
    <message>
        <source>Left stick: throttle and aileron. Right stick: elevator and rudder.</source>
        <translation>Linker Knüppel: Gas und Querruder. Rechter Knüppel: Höhenruder und Seitenruder.</translation>
    </message>
</context>
<context>
    <name>pelorin::SubTrimDialog</name>
    <message>
        <source>SubTrim</source>
        <translation>Subtrim</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>%1 sub trim: moves the servo&apos;s centre, %2 to %3.</source>
        <translation>Subtrim von %1: verschiebt die Mitte des Servos, %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>pelorin::SwashAfrDialog</name>
    <message>
        <source>Swash AFR</source>
        <translation>Taumelscheibe AFR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>aileron</source>
        <translation>Querruder</translation>
    </message>
    <message>
        <source>elevator</source>
        <translation>Höhenruder</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>%1, %2: the swash plate&apos;s travel for %2, %3 to %4 %; below 0 reverses it.</source>
        <translation>%1, %2: Weg der Taumelscheibe für %2, %3 bis %4 %; unter 0 umgekehrt.</translation>
    </message>
</context>
<context>
    <name>pelorin::SwitchSelectDialog</name>
    <message>
        <source>Switch Selector</source>
        <translation>Schalterfunktion</translation>
    </message>
    <message>
        <source>Please Select Function For  Switch</source>
        <translation>Bitte Funktion für den Schalter wählen</translation>
    </message>
    <message>
        <source>SW On:</source>
        <translation>SW an:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>DR</source>
        <translation>DR</translation>
    </message>
    <message>
        <source>ThroCut</source>
        <translation>Gas aus</translation>
    </message>
    <message>
        <source>NOR/ID</source>
        <translation>NOR/ID</translation>
    </message>
    <message>
        <source>What switch %1 on the transmitter does when it is on: NULL nothing, DR the dual rates, ThroCut cuts the throttle, NOR/ID picks the idle-up curves (helicopter types only).</source>
        <translation>Was Schalter %1 am Sender tut, wenn er an ist: KEINE nichts, DR die Dual Rates, Gas aus nimmt das Gas weg, NOR/ID wählt die Idle-up-Kurven (nur Hubschraubertypen).</translation>
    </message>
</context>
<context>
    <name>pelorin::SystemMenu</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pelorin::ThrottleCurveDialog</name>
    <message>
        <source>Thro Curv</source>
        <translation>Gaskurve</translation>
    </message>
</context>
<context>
    <name>pelorin::TransmitterConnection</name>
    <message>
        <source>No serial port of this computer opens. Connect the transmitter (or start the virtual transmitter pelorin-txsim), or name its port with --port; &quot;pelorin-cli ports&quot; shows every port and why it does not open.</source>
        <translation>Kein serieller Port dieses Rechners lässt sich öffnen. Schließen Sie den Sender an (oder starten Sie den virtuellen Sender pelorin-txsim) oder nennen Sie seinen Port mit --port; „pelorin-cli ports“ zeigt jeden Port und warum er sich nicht öffnet.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s.</source>
        <translation>%1 hat nicht innerhalb von %2 s geantwortet.</translation>
    </message>
    <message>
        <source>Live channel frames arrive, so the transmitter is there but did not send its settings.</source>
        <translation>Live-Kanalpakete kommen an; der Sender ist also da, hat aber seine Einstellungen nicht gesendet.</translation>
    </message>
    <message>
        <source>Nothing arrived: check that the transmitter is switched on and connected to this port.</source>
        <translation>Nichts ist angekommen: prüfen Sie, ob der Sender eingeschaltet und mit diesem Port verbunden ist.</translation>
    </message>
    <message>
        <source>COM%1 closed</source>
        <translation>COM%1 geschlossen</translation>
    </message>
    <message>
        <source>not known: the memory the transmitter had active</source>
        <translation>unbekannt: der Speicher, den der Sender aktiv hatte</translation>
    </message>
    <message>
        <source>%1, its settings not received yet</source>
        <translation>%1, Einstellungen noch nicht empfangen</translation>
    </message>
    <message>
        <source>No serial port was found: no transmitter is connected to this computer and no virtual transmitter (pelorin-txsim) is running.</source>
        <translation>Kein serieller Port gefunden: an diesem Rechner ist kein Sender angeschlossen, und kein virtueller Sender (pelorin-txsim) läuft.</translation>
    </message>
    <message>
        <source>No serial port could be opened. Tried:</source>
        <translation>Kein serieller Port ließ sich öffnen. Versucht:</translation>
    </message>
    <message>
        <source>Pelorin connects by itself when the transmitter appears: plug it in and switch it on (or start pelorin-txsim). The Setting button chooses a port by hand.</source>
        <translation>Pelorin verbindet sich von selbst, sobald der Sender erscheint: stecken Sie ihn ein und schalten Sie ihn ein (oder starten Sie pelorin-txsim). Mit der Schaltfläche Port wählen Sie einen Port von Hand.</translation>
    </message>
    <message>
        <source>Waiting for COM%1 (%2)</source>
        <translation>Warte auf COM%1 (%2)</translation>
    </message>
    <message>
        <source>Waiting for %1 or a new transmitter</source>
        <translation>Warte auf %1 oder einen neuen Sender</translation>
    </message>
    <message>
        <source>No port: waiting for a transmitter</source>
        <translation>Kein Port: warte auf einen Sender</translation>
    </message>
    <message>
        <source>COM%1 open, no frames yet</source>
        <translation>COM%1 offen, noch keine Pakete</translation>
    </message>
    <message numerus="yes">
        <source>%n settings frame(s) arrived with a wrong checksum: the line is disturbed (cable, plug, or another program sending on it).</source>
        <translation>
            <numerusform>%n Einstellungspaket kam mit falscher Prüfsumme an: die Leitung ist gestört (Kabel, Stecker oder ein anderes Programm sendet darauf).</numerusform>
            <numerusform>%n Einstellungspakete kamen mit falscher Prüfsumme an: die Leitung ist gestört (Kabel, Stecker oder ein anderes Programm sendet darauf).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::TypeDialog</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>ACRO</source>
        <translation>ACRO</translation>
    </message>
    <message>
        <source>HELI-120</source>
        <translation>HELI-120</translation>
    </message>
    <message>
        <source>HELI-90</source>
        <translation>HELI-90</translation>
    </message>
    <message>
        <source>HELI-140</source>
        <translation>HELI-140</translation>
    </message>
</context>
<context>
    <name>pelorin::UserSelectDialog</name>
    <message>
        <source>Type Select</source>
        <translation>Benutzerwahl</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>USER1</source>
        <translation>USER1</translation>
    </message>
    <message>
        <source>USER2</source>
        <translation>USER2</translation>
    </message>
    <message>
        <source>USER1 or USER2: the transmitter&apos;s two memories, each holding a whole model.</source>
        <translation>USER1 oder USER2: die zwei Speicher des Senders, jeder mit einem ganzen Modell.</translation>
    </message>
</context>
<context>
    <name>pelorin::VrSelectDialog</name>
    <message>
        <source>VR Selector</source>
        <translation>VR-Funktion</translation>
    </message>
    <message>
        <source>Please Select Function For  VR</source>
        <translation>Bitte Funktion für den Drehregler wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>VR function</source>
        <translation>VR-Funktion</translation>
    </message>
    <message>
        <source>NULL</source>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>Pith Adjust</source>
        <translation>Pitch-Trimm</translation>
    </message>
    <message>
        <source>What knob VR(%1) on the transmitter adjusts: NULL nothing, Pith Adjust the pitch (helicopter types only).</source>
        <translation>Was Drehknopf VR(%1) am Sender verstellt: KEINE nichts, Pitch-Trimm den Pitch (nur Hubschraubertypen).</translation>
    </message>
</context>
<context>
    <name>pelorin::Win32SerialControl</name>
    <message>
        <source>%1 is already open.</source>
        <translation>%1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: nothing can be sent, the port is not open.</source>
        <translation>%1: nichts kann gesendet werden, der Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1: the data could not be sent: %2.</source>
        <translation>%1: die Daten ließen sich nicht senden: %2.</translation>
    </message>
</context>
<context>
    <name>pelorin::models::HistoryTexts</name>
    <message>
        <source>Received from the transmitter</source>
        <translation>Vom Sender empfangen</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>OK in %1</source>
        <translation>OK in %1</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Model “%1” sent</source>
        <translation>Modell „%1“ gesendet</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Sent again from the history</source>
        <translation>Aus dem Verlauf erneut gesendet</translation>
    </message>
    <message>
        <source>pelorin-cli write from standard input</source>
        <translation>pelorin-cli write von der Standardeingabe</translation>
    </message>
    <message>
        <source>pelorin-cli write %1</source>
        <translation>pelorin-cli write %1</translation>
    </message>
    <message>
        <source>%1 (not sent)</source>
        <translation>%1 (nicht gesendet)</translation>
    </message>
    <message>
        <source>The history cannot be kept: the folder %1 cannot be made.</source>
        <translation>Der Verlauf kann nicht geführt werden: Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The history cannot be kept in %1: %2.</source>
        <translation>Der Verlauf kann nicht in %1 geführt werden: %2.</translation>
    </message>
    <message>
        <source>no line of it is a record of the history</source>
        <translation>keine Zeile darin ist ein Eintrag des Verlaufs</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read (%2). It was moved to %3, and a new history begins.</source>
        <translation>Die Verlaufsdatei %1 kann nicht gelesen werden (%2). Sie wurde nach %3 verschoben, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read (%2), nor moved aside. Nothing of it can be shown.</source>
        <translation>Die Verlaufsdatei %1 kann weder gelesen (%2) noch beiseitegelegt werden. Nichts davon kann gezeigt werden.</translation>
    </message>
    <message>
        <source>The history file %1 is not a regular file but a folder, a pipe or a device, so no history is kept or shown. Remove it, or put a regular file in its place.</source>
        <translation>Die Verlaufsdatei %1 ist keine gewöhnliche Datei, sondern ein Ordner, eine Pipe oder ein Gerät; daher wird kein Verlauf geführt oder gezeigt. Entfernen Sie sie, oder legen Sie eine gewöhnliche Datei an ihre Stelle.</translation>
    </message>
    <message>
        <source>The history file %1 is larger than %2 MiB: only its newest entries are shown. Move it aside to begin a new history.</source>
        <translation>Die Verlaufsdatei %1 ist größer als %2 MiB: Nur ihre neuesten Einträge werden gezeigt. Legen Sie sie beiseite, um einen neuen Verlauf zu beginnen.</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
    <message>
        <source>Sent again from the history: %1</source>
        <translation>Aus dem Verlauf erneut gesendet: %1</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2.</source>
        <translation>Die Verlaufsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Model “%1”: %2</source>
        <translation>Modell „%1“: %2</translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelFormatTexts</name>
    <message>
        <source>a whole number %1..%2</source>
        <translation>eine ganze Zahl %1..%2</translation>
    </message>
    <message>
        <source>one of %1, or %2</source>
        <translation>eines von %1 oder %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of this field; expected %2</source>
        <translation>„%1“ ist kein Wert dieses Feldes; erwartet: %2</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is out of range; expected %2</source>
        <translation>%1 liegt außerhalb des Bereichs; erwartet: %2</translation>
    </message>
    <message>
        <source>expected a text in double quotes</source>
        <translation>erwartet: ein Text in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: field &quot;%2&quot;: %3</source>
        <translation>%1: Feld „%2“: %3</translation>
    </message>
    <message>
        <source>not valid JSON at line %1, column %2: %3</source>
        <translation>kein gültiges JSON in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>not a model: the JSON is not an object</source>
        <translation>kein Modell: das JSON ist kein Objekt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>erwartet: „%1“</translation>
    </message>
    <message>
        <source>expected the number %1</source>
        <translation>erwartet: die Zahl %1</translation>
    </message>
    <message>
        <source>unknown format version %1; this program reads version %2</source>
        <translation>unbekannte Formatversion %1; dieses Programm liest Version %2</translation>
    </message>
    <message>
        <source>expected an object with one key per field</source>
        <translation>erwartet: ein Objekt mit einem Schlüssel je Feld</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>not a settings file: it is %1 bytes long, and a settings file is exactly %2 bytes or a model in JSON</source>
        <translation>keine Einstellungsdatei: sie ist %1 Byte lang, eine Einstellungsdatei hat genau %2 Byte oder ist ein Modell in JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read: not a regular file</source>
        <translation>%1: nicht lesbar: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1: not a settings file: larger than 1 MiB</source>
        <translation>%1: keine Einstellungsdatei: größer als 1 MiB</translation>
    </message>
    <message>
        <source>given more than once; each key once</source>
        <translation>mehr als einmal angegeben; jeder Schlüssel nur einmal</translation>
    </message>
    <message>
        <source>this looks like a readable model file that was cut short: its text breaks off after %1 bytes. Open the complete file, or save the model again</source>
        <translation>dies sieht nach einer gekürzten lesbaren Modelldatei aus: Ihr Text bricht nach %1 Bytes ab. Öffnen Sie die vollständige Datei, oder sichern Sie das Modell erneut</translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelLibrary</name>
    <message>
        <source>The model folder %1 cannot be created.</source>
        <translation>Der Modellordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The model folder %1 cannot be read.</source>
        <translation>Der Modellordner %1 ist nicht lesbar.</translation>
    </message>
    <message>
        <source>%1: not a model in JSON</source>
        <translation>%1: kein Modell in JSON</translation>
    </message>
    <message>
        <source>A model needs a name.</source>
        <translation>Ein Modell braucht einen Namen.</translation>
    </message>
    <message>
        <source>A model named &quot;%1&quot; already exists (%2).</source>
        <translation>Ein Modell namens „%1“ gibt es bereits (%2).</translation>
    </message>
    <message>
        <source>%1: the model is no longer in the library.</source>
        <translation>%1: das Modell ist nicht mehr in der Bibliothek.</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2); the file is kept.</source>
        <translation>%1 lässt sich nicht in den Papierkorb verschieben (%2); die Datei bleibt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
