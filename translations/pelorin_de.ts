<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutAuthor</name>
    <message>
        <source>About Author</source>
        <translation>Über den Autor</translation>
    </message>
    <message>
        <source>To find out about the author, you can visit the web site:</source>
        <translation>Mehr über den Autor erfahren Sie auf der Website:</translation>
    </message>
    <message>
        <source>     https://example.org/pelorin</source>
        <translation>     https://example.org/pelorin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutPelorin</name>
    <message>
        <source>About Pelorin</source>
        <translation>Über Pelorin</translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation>Pelorin-Symbol</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>Symbol von Quorvel Software</translation>
    </message>
    <message>
        <source>Pelorin version 1.0</source>
        <translation>Pelorin Version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Quorvel Software</source>
        <translation>Copyright (C) Quorvel Software</translation>
    </message>
    <message>
        <source>Written by the Pelorin developers</source>
        <translation>Geschrieben von den Pelorin-Entwicklern</translation>
    </message>
    <message>
        <source>If you have any comments or thoughts on this program, please send them to pelorin@example.org</source>
        <translation>Anmerkungen und Gedanken zu diesem Programm senden Sie bitte an pelorin@example.org</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::AboutQuorvel</name>
    <message>
        <source>About Quorvel Software</source>
        <translation>Über Quorvel Software</translation>
    </message>
    <message>
        <source>Quorvel Software icon</source>
        <translation>Symbol von Quorvel Software</translation>
    </message>
    <message>
        <source>To find out more about Quorvel Software and about other programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: </source>
        <translation>Mehr über Quorvel Software und ihre anderen Programme erfahren Sie auf unserer Website. Sie ist über diese Adresse erreichbar: </translation>
    </message>
    <message>
        <source>      https://example.com/quorvel</source>
        <translation>      https://example.com/quorvel</translation>
    </message>
    <message>
        <source> Or, we will send you the current URL of Quorvel Software&apos;s home pae if you send an e-mail to:</source>
        <translation> Oder schreiben Sie eine E-Mail an die folgende Adresse, und wir senden Ihnen die aktuelle Adresse der Homepage von Quorvel Software:</translation>
    </message>
    <message>
        <source>      quorvel@example.com</source>
        <translation>      quorvel@example.com</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::BoardDelegate</name>
    <message>
        <source>Parent</source>
        <translation>Elter</translation>
    </message>
</context>
<context>
    <name>pelorin::CellGridView</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, geschlossen</translation>
    </message>
</context>
<context>
    <name>pelorin::EmbeddedCode</name>
    <message>
        <source>zlib cannot start</source>
        <translation>zlib kann nicht starten</translation>
    </message>
    <message>
        <source>its text chunk inflates to more than %1 KiB</source>
        <translation>der entpackte Textblock ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>its text chunk&apos;s compressed data is damaged</source>
        <translation>die komprimierten Daten des Textblocks sind beschädigt</translation>
    </message>
    <message>
        <source>its text chunk is damaged</source>
        <translation>der Textblock ist beschädigt</translation>
    </message>
    <message>
        <source>it has more than %1 chunks</source>
        <translation>die Datei hat mehr als %1 Blöcke</translation>
    </message>
    <message>
        <source>the PNG file ends before its last chunk</source>
        <translation>die PNG-Datei endet vor ihrem letzten Block</translation>
    </message>
    <message>
        <source>the PNG file is damaged at byte %1</source>
        <translation>die PNG-Datei ist bei Byte %1 beschädigt</translation>
    </message>
    <message>
        <source>the PNG file ends inside its %1 chunk</source>
        <translation>die PNG-Datei endet mitten in ihrem %1-Block</translation>
    </message>
    <message>
        <source>its text chunk is larger than %1 KiB</source>
        <translation>der Textblock ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>the PNG file ends early</source>
        <translation>die PNG-Datei endet zu früh</translation>
    </message>
    <message>
        <source>its text chunk fails its CRC check</source>
        <translation>der Textblock besteht die CRC-Prüfung nicht</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>die Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>none in its first %1 KiB</source>
        <translation>keiner in den ersten %1 KiB</translation>
    </message>
    <message>
        <source>its XML is not well-formed in line %1: %2</source>
        <translation>das XML ist in Zeile %1 nicht wohlgeformt: %2</translation>
    </message>
</context>
<context>
    <name>pelorin::ErrorMR</name>
    <message>
        <source>ErrorMR</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The Mutation Rate must be a number.</source>
        <translation>Die Mutationsrate muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::Failure</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message>
        <source>Invalid arithmetic operation</source>
        <translation>Ungültige Rechenoperation</translation>
    </message>
    <message>
        <source>No Pelorin genetic code</source>
        <translation>Kein Pelorin-Gencode</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 holds no Pelorin genetic code.</source>
        <translation>%1 enthält keinen Pelorin-Gencode.</translation>
    </message>
    <message>
        <source>%1 holds no readable Pelorin genetic code: %2.</source>
        <translation>%1 enthält keinen lesbaren Pelorin-Gencode: %2.</translation>
    </message>
    <message>
        <source>%1 in line %2</source>
        <translation>%1 in Zeile %2</translation>
    </message>
    <message>
        <source>%1 in line %2 of %3</source>
        <translation>%1 in Zeile %2 von %3</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>pelorin::FamilyTreeView</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1, run of %2</source>
        <translation>%1, Sitzung vom %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, geschlossen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Parent: %1</source>
        <translation>Elter: %1</translation>
    </message>
    <message>
        <source>Child: %1</source>
        <translation>Kind: %1</translation>
    </message>
</context>
<context>
    <name>pelorin::FileAccess</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeFile</name>
    <message>
        <source>separator</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>%1 of gene %2</source>
        <translation>%1 von Gen %2</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeModel</name>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1: 1 trait (%2%)</source>
        <translation>%1: 1 Merkmal (%2 %)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n traits (%2%)</source>
        <translation>
            <numerusform>%1: %n Merkmal (%2 %)</numerusform>
            <numerusform>%1: %n Merkmale (%2 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>from picture %1</source>
        <translation>von Bild %1</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>mutated</source>
        <translation>mutiert</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>from the clipboard</source>
        <translation>aus der Zwischenablage</translation>
    </message>
    <message>
        <source>from the file %1</source>
        <translation>aus der Datei %1</translation>
    </message>
    <message>
        <source>not in the file</source>
        <translation>nicht in der Datei</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 (not drawn)</source>
        <translation>%1 (nicht gezeichnet)</translation>
    </message>
</context>
<context>
    <name>pelorin::GeneticCodeWindow</name>
    <message>
        <source>Grey italic rows: 1 gene not drawn.</source>
        <translation>Graue kursive Zeilen: 1 Gen nicht gezeichnet.</translation>
    </message>
    <message numerus="yes">
        <source>Grey italic rows: %n genes not drawn.</source>
        <translation>
            <numerusform>Graue kursive Zeilen: %n Gen nicht gezeichnet.</numerusform>
            <numerusform>Graue kursive Zeilen: %n Gene nicht gezeichnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Genetic code of picture %1</source>
        <translation>Gencode von Bild %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellDelegate</name>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryCellsModel</name>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>Bild %1: beschädigt, %2</translation>
    </message>
    <message>
        <source>Damaged: %1</source>
        <translation>Beschädigt: %1</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, geschlossen</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryKeeper</name>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>reopening picture %1</source>
        <translation>Erneutes Öffnen von Bild %1</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin, so it cannot be resumed.</source>
        <translation>Die letzte Sitzung wird noch von einem anderen Pelorin aufgezeichnet und kann daher nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>The last run is still being recorded by another Pelorin: this resumes the run of %1.</source>
        <translation>Die letzte Sitzung wird noch von einem anderen Pelorin aufgezeichnet: Fortgesetzt wird die Sitzung vom %1.</translation>
    </message>
    <message>
        <source>making picture %1 from %2</source>
        <translation>Erstellen von Bild %1 aus %2</translation>
    </message>
    <message>
        <source>bringing back picture %1</source>
        <translation>Zurückholen von Bild %1</translation>
    </message>
    <message>
        <source>picture %1 (%2)</source>
        <translation>Bild %1 (%2)</translation>
    </message>
    <message>
        <source>a picture (%1)</source>
        <translation>ein Bild (%1)</translation>
    </message>
    <message>
        <source>The history %1 holds a record that cannot be read: %2. It was left out; the history goes on recording.</source>
        <translation>Der Verlauf %1 enthält einen Eintrag, der nicht gelesen werden kann: %2. Er wurde ausgelassen; der Verlauf zeichnet weiter auf.</translation>
    </message>
    <message>
        <source>The history %1 holds records that cannot be read: %2. They were left out; the history goes on recording.</source>
        <translation>Der Verlauf %1 enthält Einträge, die nicht gelesen werden können: %2. Sie wurden ausgelassen; der Verlauf zeichnet weiter auf.</translation>
    </message>
</context>
<context>
    <name>pelorin::HistoryRunsModel</name>
    <message>
        <source> (this run)</source>
        <translation> (diese Sitzung)</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (fortgesetzt)</translation>
    </message>
    <message>
        <source>This run, started %1, ended %2: %3, %4 open</source>
        <translation>Diese Sitzung, begonnen am %1, beendet am %2: %3, %4 offen</translation>
    </message>
    <message>
        <source>This run, started %1: %2, %3 open</source>
        <translation>Diese Sitzung, begonnen am %1: %2, %3 offen</translation>
    </message>
    <message>
        <source>The run started %1, ended %2: %3, %4 open</source>
        <translation>Die Sitzung vom %1, beendet am %2: %3, %4 offen</translation>
    </message>
    <message>
        <source>The run started %1, never ended (the program was stopped, or is still running): %2, %3 open</source>
        <translation>Die Sitzung vom %1, nie beendet (das Programm wurde abgebrochen oder läuft noch): %2, %3 offen</translation>
    </message>
    <message>
        <source>%1; this run continues it</source>
        <translation>%1; diese Sitzung setzt sie fort</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
</context>
<context>
    <name>pelorin::Info</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Pelorin is a program that makes pictures using a Genetic Algorithm. When the you create a new picture, this program  creates a &quot;Genetic Code&quot; for that picture. This genetic code comes from two places: mutations, and the parents. When a gene mutates, it takes on a random value. If a gene doesn&apos;t mutate, it is taken randomly from one of the parents (a picture with the parent check box selected. It also is possible to save a picture (by typing the place where it is to be saved in the Name text box) and open a picture (by typing in the name of the file containing the &quot;Genetic Code&quot; into the text box to the right of the Open button. When saving a picture however, be careful because if the file you named exists, it will be overwritten.</source>
        <translation>Pelorin ist ein Programm, das Bilder mit einem genetischen Algorithmus erzeugt. Wenn Sie ein neues Bild erstellen, erzeugt das Programm einen „Gencode“ für dieses Bild. Dieser Gencode hat zwei Quellen: Mutationen und die Eltern. Mutiert ein Gen, nimmt es einen zufälligen Wert an. Mutiert es nicht, wird es zufällig von einem der Eltern übernommen (einem Bild, dessen Kontrollkästchen „Elter“ angekreuzt ist). Sie können ein Bild auch speichern (indem Sie den Speicherort in das Textfeld „Name“ eingeben) und ein Bild öffnen (indem Sie den Namen der Datei mit dem „Gencode“ in das Textfeld rechts neben der Schaltfläche „Öffnen“ eingeben). Vorsicht beim Speichern: Gibt es die genannte Datei schon, wird sie überschrieben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::License</name>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The current License Agreement, and Registration Information are available  from the Quorvel Software Home Page (see Info-&gt;About-&gt;Quorvel)</source>
        <translation>Der aktuelle Lizenzvertrag und die Hinweise zur Registrierung stehen auf der Homepage von Quorvel Software (siehe Info-&gt;Über-&gt;Quorvel).</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureExport</name>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>The image could not be encoded as PNG</source>
        <translation>Das Bild konnte nicht als PNG kodiert werden</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureMime</name>
    <message>
        <source>dragging picture %1</source>
        <translation>Ziehen von Bild %1</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureOrigin</name>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n Elter</numerusform>
            <numerusform>%n Eltern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Picture %1: not made</source>
        <translation>Bild %1: nicht erstellt</translation>
    </message>
    <message>
        <source>Picture %1: random at mutation rate %2</source>
        <translation>Bild %1: zufällig bei Mutationsrate %2</translation>
    </message>
    <message>
        <source>Picture %1: random</source>
        <translation>Bild %1: zufällig</translation>
    </message>
    <message>
        <source>Picture %1: bred from %2 at mutation rate %3</source>
        <translation>Bild %1: gezüchtet aus %2 bei Mutationsrate %3</translation>
    </message>
    <message>
        <source>Picture %1: read from %2, saved from %3, at mutation rate %4</source>
        <translation>Bild %1: gelesen aus %2, gespeichert von %3, bei Mutationsrate %4</translation>
    </message>
    <message>
        <source>Picture %1: read from %2 at mutation rate %3</source>
        <translation>Bild %1: gelesen aus %2 bei Mutationsrate %3</translation>
    </message>
    <message>
        <source>Picture %1: pasted from the clipboard at mutation rate %2</source>
        <translation>Bild %1: aus der Zwischenablage eingefügt bei Mutationsrate %2</translation>
    </message>
    <message>
        <source>Picture %1: from %2</source>
        <translation>Bild %1: von %2</translation>
    </message>
    <message>
        <source>Picture %1: from a recorded picture</source>
        <translation>Bild %1: von einem aufgezeichneten Bild</translation>
    </message>
    <message>
        <source>%1; %2 of %3 traits mutated</source>
        <translation>%1; %2 von %3 Merkmalen mutiert</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>picture %1 of the run of %2</source>
        <translation>Bild %1 der Sitzung vom %2</translation>
    </message>
</context>
<context>
    <name>pelorin::PictureView</name>
    <message>
        <source>Nothing drawn</source>
        <translation>Nichts gezeichnet</translation>
    </message>
    <message>
        <source>%1 of %2 segments drawn</source>
        <translation>%1 von %2 Segmenten gezeichnet</translation>
    </message>
</context>
<context>
    <name>pelorin::PicturesText</name>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::RunDate</name>
    <message>
        <source>d MMM yyyy HH:mm:ss</source>
        <comment>date format</comment>
        <translation>dd.MM.yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>date format</comment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>pelorin::UserMessages</name>
    <message>
        <source>Pelorin could not finish what it was doing: not enough memory.</source>
        <translation>Pelorin konnte nicht beenden, was es gerade tat: Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>Pelorin could not finish what it was doing: an unexpected error occurred.</source>
        <translation>Pelorin konnte nicht beenden, was es gerade tat: Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Could not finish %1: not enough memory.</source>
        <translation>%1 konnte nicht abgeschlossen werden: Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>Could not finish %1: an unexpected error occurred.</source>
        <translation>%1 konnte nicht abgeschlossen werden: Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
</context>
<context>
    <name>pelorin::frmBoard</name>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a picture as the main window&apos;s Open does (Ctrl+O)</source>
        <translation>Ein Bild öffnen wie „Öffnen“ im Hauptfenster (Strg+O)</translation>
    </message>
    <message>
        <source>Open pictures</source>
        <translation>Offene Bilder</translation>
    </message>
    <message>
        <source>Close Picture Window</source>
        <translation>Bildfenster schließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;Ganze Pfade</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
</context>
<context>
    <name>pelorin::frmFamilyTree</name>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>PNG-Bild, 2x (*.png)</translation>
    </message>
    <message>
        <source>&amp;Whole Paths</source>
        <translation>&amp;Ganze Pfade</translation>
    </message>
    <message>
        <source>Show each picture&apos;s whole path, framed to its cell</source>
        <translation>Den ganzen Pfad jedes Bildes zeigen, in seine Zelle eingepasst</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Family Tree of This Picture</source>
        <translation>Stammbaum dieses Bildes</translation>
    </message>
    <message>
        <source>Export Family Tree...</source>
        <translation>Stammbaum exportieren...</translation>
    </message>
    <message>
        <source>Whole Tree</source>
        <translation>Ganzer Baum</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Family tree of picture %1</source>
        <translation>Stammbaum von Bild %1</translation>
    </message>
    <message>
        <source>Family tree of picture %1, run of %2</source>
        <translation>Stammbaum von Bild %1, Sitzung vom %2</translation>
    </message>
    <message>
        <source>Another program is writing the history: the tree is read once it is done.</source>
        <translation>Ein anderes Programm schreibt gerade den Verlauf: Der Baum wird gelesen, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>Der Verlauf ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>This picture is not in the history.</source>
        <translation>Dieses Bild ist nicht im Verlauf.</translation>
    </message>
    <message>
        <source>Laying out the family tree...</source>
        <translation>Stammbaum wird angeordnet...</translation>
    </message>
    <message>
        <source>Picture %1: damaged, %2</source>
        <translation>Bild %1: beschädigt, %2</translation>
    </message>
    <message>
        <source>%1, closed</source>
        <translation>%1, geschlossen</translation>
    </message>
    <message>
        <source>From %1 to %2: %3% of its traits; %4 of %5 traits mutated</source>
        <translation>Von %1 zu %2: %3 % seiner Merkmale; %4 von %5 Merkmalen mutiert</translation>
    </message>
    <message>
        <source>The family could not be read from the history.</source>
        <translation>Die Familie konnte nicht aus dem Verlauf gelesen werden.</translation>
    </message>
    <message>
        <source>laying out the family tree</source>
        <translation>Anordnen des Stammbaums</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>family-tree-%1.svg</source>
        <translation>family-tree-%1.svg</translation>
    </message>
    <message>
        <source>Export Family Tree</source>
        <translation>Stammbaum exportieren</translation>
    </message>
    <message>
        <source>exporting the family tree to &quot;%1&quot;</source>
        <translation>Exportieren des Stammbaums nach „%1“</translation>
    </message>
</context>
<context>
    <name>pelorin::frmHistory</name>
    <message>
        <source>This run</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>The run of %1</source>
        <translation>Die Sitzung vom %1</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Keep history</source>
        <translation>&amp;Verlauf führen</translation>
    </message>
    <message>
        <source>Record every picture made, and what becomes of it, in the history</source>
        <translation>Jedes erstellte Bild, und was aus ihm wird, im Verlauf aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Fort&amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Forget Run</source>
        <translation>Sitzung ver&amp;gessen</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Forget Run</source>
        <translation>Sitzung vergessen</translation>
    </message>
    <message>
        <source>Pictures of the chosen run</source>
        <translation>Bilder der gewählten Sitzung</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>Stammbaum...</translation>
    </message>
    <message>
        <source>The chosen run is still being recorded by another Pelorin</source>
        <translation>Die gewählte Sitzung wird noch von einem anderen Pelorin aufgezeichnet</translation>
    </message>
    <message>
        <source>Continue the chosen run: its open pictures come back, and numbering goes on after its last</source>
        <translation>Die gewählte Sitzung fortsetzen: Ihre offenen Bilder kehren zurück, und die Nummerierung geht nach ihrem letzten Bild weiter</translation>
    </message>
    <message>
        <source>Remove the chosen run and its pictures from the history (Delete)</source>
        <translation>Die gewählte Sitzung und ihre Bilder aus dem Verlauf entfernen (Entf)</translation>
    </message>
    <message>
        <source>%1: no pictures</source>
        <translation>%1: keine Bilder</translation>
    </message>
    <message>
        <source>%1: %2, %3 open</source>
        <translation>%1: %2, %3 offen</translation>
    </message>
    <message>
        <source>The history is not available.</source>
        <translation>Der Verlauf ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Another program is writing the history: what this one records waits for it, and the history is shown again once it is done.</source>
        <translation>Ein anderes Programm schreibt gerade den Verlauf: Was dieses aufzeichnet, wartet darauf, und der Verlauf wird wieder gezeigt, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>Keep history is off: nothing more is recorded.</source>
        <translation>„Verlauf führen“ ist aus: Es wird nichts mehr aufgezeichnet.</translation>
    </message>
    <message>
        <source>Forget the run of %1? It holds no pictures.</source>
        <translation>Die Sitzung vom %1 vergessen? Sie enthält keine Bilder.</translation>
    </message>
    <message>
        <source>Forget the run of %1 and the %2 it holds? They cannot be brought back.</source>
        <translation>Die Sitzung vom %1 mit ihren Bildern (%2) vergessen? Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>pelorin::frmMain</name>
    <message>
        <source>Main</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Mutation Rate</source>
        <translation>Mutationsrate</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Picture from Clipboard</source>
        <translation>Neues Bild aus der Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Reopen Closed Picture</source>
        <translation>Geschlossenes Bild &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>Resume &amp;Last Run</source>
        <translation>&amp;Letzte Sitzung fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tafel</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>showing %1</source>
        <translation>Anzeigen von %1</translation>
    </message>
    <message>
        <source>About &amp;Pelorin</source>
        <translation>Über &amp;Pelorin</translation>
    </message>
    <message>
        <source>About &amp;Quorvel</source>
        <translation>Über &amp;Quorvel</translation>
    </message>
    <message>
        <source>About &amp;Author</source>
        <translation>Über den &amp;Autor</translation>
    </message>
    <message>
        <source>&amp;License</source>
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>making picture %1</source>
        <translation>Erstellen von Bild %1</translation>
    </message>
    <message>
        <source>making picture %1 named &quot;%2&quot;</source>
        <translation>Erstellen von Bild %1 namens „%2“</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>These dropped items made no picture:</source>
        <translation>Aus diesen abgelegten Elementen entstand kein Bild:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file on this computer; nothing was fetched.</source>
        <translation>„%1“ ist keine Datei auf diesem Computer; es wurde nichts abgerufen.</translation>
    </message>
    <message>
        <source>making a picture of &quot;%1&quot;</source>
        <translation>Erstellen eines Bildes aus „%1“</translation>
    </message>
    <message>
        <source>making a picture of dropped text</source>
        <translation>Erstellen eines Bildes aus abgelegtem Text</translation>
    </message>
    <message>
        <source>the dropped text</source>
        <translation>der abgelegte Text</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Another program is writing the history: try again once it is done.</source>
        <translation>Ein anderes Programm schreibt gerade den Verlauf: Versuchen Sie es erneut, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>Picture %1 is not in the history, so its family is not known.</source>
        <translation>Bild %1 ist nicht im Verlauf, daher ist seine Familie unbekannt.</translation>
    </message>
    <message>
        <source>No picture was made: the clipboard holds no text.</source>
        <translation>Es wurde kein Bild erstellt: Die Zwischenablage enthält keinen Text.</translation>
    </message>
    <message>
        <source>the clipboard text</source>
        <translation>der Text der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>pelorin::frmObject</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 2x (*.png)</source>
        <translation>PNG-Bild, 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 4x (*.png)</source>
        <translation>PNG-Bild, 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG image, whole path (*.png)</source>
        <translation>PNG-Bild, ganzer Pfad (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 2x (*.png)</source>
        <translation>PNG-Bild, ganzer Pfad, 2x (*.png)</translation>
    </message>
    <message>
        <source>PNG image, whole path, 4x (*.png)</source>
        <translation>PNG-Bild, ganzer Pfad, 4x (*.png)</translation>
    </message>
    <message>
        <source>SVG image, whole path (*.svg)</source>
        <translation>SVG-Bild, ganzer Pfad (*.svg)</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Elter</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Genetic Code...</source>
        <translation>Gencode...</translation>
    </message>
    <message>
        <source>Family Tree...</source>
        <translation>Stammbaum...</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation>Pelorin</translation>
    </message>
    <message>
        <source>saving picture %1 to &quot;%2&quot;</source>
        <translation>Speichern von Bild %1 unter „%2“</translation>
    </message>
    <message>
        <source>Nothing was saved: picture %1 could not be created.</source>
        <translation>Es wurde nichts gespeichert: Bild %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>copying picture %1</source>
        <translation>Kopieren von Bild %1</translation>
    </message>
    <message>
        <source>Nothing was copied: picture %1 could not be created.</source>
        <translation>Es wurde nichts kopiert: Bild %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>exporting picture %1</source>
        <translation>Exportieren von Bild %1</translation>
    </message>
    <message>
        <source>Nothing was exported: picture %1 could not be created.</source>
        <translation>Es wurde nichts exportiert: Bild %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Pelorin %1</source>
        <translation>Pelorin %1</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Nothing was shown: picture %1 could not be created.</source>
        <translation>Es wurde nichts angezeigt: Bild %1 konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>pelorin::history::CodeBlob</name>
    <message>
        <source>empty record</source>
        <translation>leerer Eintrag</translation>
    </message>
    <message>
        <source>unreadable record</source>
        <translation>unlesbarer Eintrag</translation>
    </message>
    <message>
        <source>genetic code of wrong size</source>
        <translation>Gencode falscher Größe</translation>
    </message>
    <message>
        <source>trait sources of wrong size</source>
        <translation>Merkmalsquellen falscher Größe</translation>
    </message>
</context>
<context>
    <name>pelorin::history::HistoryStore</name>
    <message>
        <source>its number is not a picture number</source>
        <translation>seine Nummer ist keine Bildnummer</translation>
    </message>
    <message>
        <source>how it was made is unreadable</source>
        <translation>wie es entstand, ist unlesbar</translation>
    </message>
    <message>
        <source>its genetic code is unreadable</source>
        <translation>sein Gencode ist unlesbar</translation>
    </message>
    <message>
        <source>the sources of its traits are unreadable</source>
        <translation>die Quellen seiner Merkmale sind unlesbar</translation>
    </message>
    <message>
        <source>its number was given to an earlier picture</source>
        <translation>seine Nummer wurde schon einem früheren Bild gegeben</translation>
    </message>
    <message>
        <source>a parent&apos;s number is not a picture number</source>
        <translation>die Nummer eines Elters ist keine Bildnummer</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds but cannot record this run.</source>
        <translation>Der Datenträger ist voll: Der Verlauf %1 behält, was er enthält, kann diese Sitzung aber nicht aufzeichnen.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 keeps what it holds; nothing is recorded until there is room again.</source>
        <translation>Der Datenträger ist voll: Der Verlauf %1 behält, was er enthält; bis wieder Platz ist, wird nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 cannot be written (%2); this run is not recorded.</source>
        <translation>Der Verlauf %1 kann nicht geschrieben werden (%2); diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 failed (%2); nothing more of this run is recorded.</source>
        <translation>Der Verlauf %1 ist ausgefallen (%2); von dieser Sitzung wird nichts mehr aufgezeichnet.</translation>
    </message>
    <message>
        <source>The folder of the history %1 cannot be made (%2); this run is not recorded.</source>
        <translation>Der Ordner des Verlaufs %1 kann nicht angelegt werden (%2); diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be made (%2); this run is not recorded.</source>
        <translation>Die Sperrdatei des Verlaufs %1 kann nicht angelegt werden (%2); diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 comes from a newer Pelorin (version %2); it is left as it is and this run is not recorded.</source>
        <translation>Der Verlauf %1 stammt von einem neueren Pelorin (Version %2); er bleibt unverändert, und diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 is another program&apos;s database; it is left as it is and this run is not recorded.</source>
        <translation>Der Verlauf %1 ist die Datenbank eines anderen Programms; er bleibt unverändert, und diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 is not a regular file; it is left as it is and this run is not recorded.</source>
        <translation>Der Verlauf %1 ist keine gewöhnliche Datei; er bleibt unverändert, und diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The disk is full: the history %1 cannot be made; this run is not recorded.</source>
        <translation>Der Datenträger ist voll: Der Verlauf %1 kann nicht angelegt werden; diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>it is not a Pelorin history</source>
        <translation>es ist kein Pelorin-Verlauf</translation>
    </message>
    <message>
        <source>it failed its check: %1</source>
        <translation>die Prüfung schlug fehl: %1</translation>
    </message>
    <message>
        <source>it is not a database: %1</source>
        <translation>es ist keine Datenbank: %1</translation>
    </message>
    <message>
        <source>The history %1 cannot be begun afresh.</source>
        <translation>Der Verlauf %1 kann nicht neu begonnen werden.</translation>
    </message>
    <message>
        <source>The history %1 cannot be used (%2) nor moved aside (%3); this run is not recorded.</source>
        <translation>Der Verlauf %1 kann weder benutzt (%2) noch beiseitegelegt werden (%3); diese Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history %1 could not be used (%2); it was moved aside to %3 and a new history begins.</source>
        <translation>Der Verlauf %1 konnte nicht benutzt werden (%2); er wurde nach %3 verschoben, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>not a Pelorin history</source>
        <translation>kein Pelorin-Verlauf</translation>
    </message>
</context>
</TS>
