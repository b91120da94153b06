<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Copyright © XXXX TAVIRON. All rights reserved.</source>
        <translation>Copyright © XXXX TAVIRON. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Go to the TAVIRON website...</source>
        <translation>Zur Website von TAVIRON...</translation>
    </message>
    <message>
        <source>Quendrix makes printed covers and labels for your CDs.

Scan a picture or open a picture file, crop, turn and retouch it, put texts, notes and shapes over it, centre it on a sheet of label blanks and print as many copies as you need, corrected for your printer.

Designs are saved as .cov documents and can be printed again at any time.</source>
        <translation>Quendrix gestaltet gedruckte Cover und Etiketten für Ihre CDs.

Scannen Sie ein Bild oder öffnen Sie eine Bilddatei, schneiden Sie es zu, drehen und bearbeiten Sie es, setzen Sie Texte, Notizen und Formen darauf, zentrieren Sie es auf einem Bogen Etiketten und drucken Sie so viele Exemplare, wie Sie brauchen, passend für Ihren Drucker.

Entwürfe werden als .cov-Dokumente gespeichert und lassen sich jederzeit wieder drucken.</translation>
    </message>
</context>
<context>
    <name>AlbumDesign</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
</context>
<context>
    <name>AlbumTexts</name>
    <message>
        <source>Total time:</source>
        <translation>Gesamtdauer:</translation>
    </message>
</context>
<context>
    <name>ApplyEffect</name>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>Do you want to maintain the result=</source>
        <translation>Möchten Sie das Ergebnis behalten?</translation>
    </message>
    <message>
        <source>Is the result okay?</source>
        <translation>Ist das Ergebnis in Ordnung?</translation>
    </message>
    <message>
        <source>The number of colors have to be changed to 16,7 million.</source>
        <translation>Die Anzahl der Farben muss auf 16,7 Millionen geändert werden.</translation>
    </message>
    <message>
        <source>Change the number of colors?</source>
        <translation>Anzahl der Farben ändern?</translation>
    </message>
    <message>
        <source>Can not change number of colors</source>
        <translation>Die Anzahl der Farben kann nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>AudioTags</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>not an audio file that can be read</source>
        <translation>keine lesbare Audiodatei</translation>
    </message>
    <message>
        <source>its sample rate or channels are not believable</source>
        <translation>ihre Abtastrate oder Kanäle sind nicht glaubhaft</translation>
    </message>
    <message>
        <source>its length is not believable (</source>
        <translation>ihre Länge ist nicht glaubhaft (</translation>
    </message>
    <message>
        <source>its tags are not believable (a text of </source>
        <translation>ihre Tags sind nicht glaubhaft (ein Text von </translation>
    </message>
    <message>
        <source> bytes)</source>
        <translation> Bytes)</translation>
    </message>
</context>
<context>
    <name>BatchAlbum</name>
    <message>
        <source>usage: quendrix album PATH [--preset NAME] --out DESIGN.cov [--background RRGGBB]</source>
        <translation>Aufruf: quendrix album PATH [--preset NAME] --out DESIGN.cov [--background RRGGBB]</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for %2</source>
        <translation>ungültiger Wert &apos;%1&apos; für %2</translation>
    </message>
    <message>
        <source>skipped %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>skipped the picture in %1</source>
        <translation>Bild übersprungen in %1</translation>
    </message>
    <message>
        <source>the cover cannot hold these characters and shows them replaced: </source>
        <translation>das Cover kann diese Zeichen nicht darstellen und zeigt sie ersetzt: </translation>
    </message>
    <message>
        <source>%1 tracks did not fit on the back</source>
        <translation>%1 Titel passten nicht auf die Rückseite</translation>
    </message>
</context>
<context>
    <name>BatchCalibration</name>
    <message>
        <source>missing value after </source>
        <translation>Wert fehlt nach </translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>unbekannte Option </translation>
    </message>
    <message>
        <source> must be a number from </source>
        <translation> muss eine Zahl sein von </translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>--remove needs --printer NAME</source>
        <translation>--remove braucht --printer NAME</translation>
    </message>
    <message>
        <source>--remove takes no values</source>
        <translation>--remove nimmt keine Werte</translation>
    </message>
    <message>
        <source>default calibration</source>
        <translation>Standardkalibrierung</translation>
    </message>
    <message>
        <source>: own calibration</source>
        <translation>: eigene Kalibrierung</translation>
    </message>
    <message>
        <source>: default calibration</source>
        <translation>: Standardkalibrierung</translation>
    </message>
    <message>
        <source>%1
left %2 mm
top %3 mm
width %4 mm
height %5 mm
</source>
        <translation>%1
links %2 mm
oben %3 mm
Breite %4 mm
Höhe %5 mm
</translation>
    </message>
    <message>
        <source>--disc-shift takes X,Y: mm right and down, each from -10 to 10: </source>
        <translation>--disc-shift nimmt X,Y: mm nach rechts und nach unten, jeweils von -10 bis 10: </translation>
    </message>
    <message>
        <source>--disc-shift and --disc-test need --printer NAME</source>
        <translation>--disc-shift und --disc-test brauchen --printer NAME</translation>
    </message>
    <message>
        <source>disc tray %1 mm right, %2 mm down
</source>
        <translation>Rohlingschublade %1 mm nach rechts, %2 mm nach unten
</translation>
    </message>
</context>
<context>
    <name>BatchCatalogue</name>
    <message>
        <source>--add takes MAKER:PART</source>
        <translation>--add nimmt HERSTELLER:TEIL</translation>
    </message>
    <message>
        <source>no product </source>
        <translation>kein Produkt </translation>
    </message>
    <message>
        <source> in the catalogue</source>
        <translation> im Katalog</translation>
    </message>
    <message>
        <source> cannot be printed: </source>
        <translation> kann nicht gedruckt werden: </translation>
    </message>
    <message>
        <source>no category </source>
        <translation>keine Kategorie </translation>
    </message>
    <message>
        <source>--paper takes A4, Letter or Other</source>
        <translation>--paper nimmt A4, Letter oder Other</translation>
    </message>
    <message>
        <source>catalogue takes [TEXT] [--category NAME] [--paper A4|Letter] or --add MAKER:PART</source>
        <translation>catalogue nimmt [TEXT] [--category NAME] [--paper A4|Letter] oder --add HERSTELLER:TEIL</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>%1 per sheet</source>
        <translation>%1 pro Bogen</translation>
    </message>
</context>
<context>
    <name>BatchCommands</name>
    <message>
        <source>Usage: quendrix [FILE.cov]
       quendrix COMMAND ARGS...

Commands:
</source>
        <translation>Aufruf: quendrix [FILE.cov]
        quendrix COMMAND ARGS...

Befehle:
</translation>
    </message>
    <message>
        <source>Shows this list.</source>
        <translation>Zeigt diese Liste.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Gibt die Version des Programms aus.</translation>
    </message>
    <message>
        <source>Converts a picture file; the format comes from OUT&apos;s extension or CODE (3 bmp ... 14 png).</source>
        <translation>Wandelt eine Bilddatei um; das Format ergibt sich aus der Endung von OUT oder aus CODE (3 bmp ... 14 png).</translation>
    </message>
    <message>
        <source>Prints the picture&apos;s width, height and bits per pixel.</source>
        <translation>Gibt Breite, Höhe und Bits pro Pixel des Bildes aus.</translation>
    </message>
    <message>
        <source>Scans a picture (area in millimetres) into the picture file OUT, setting any scanner option (yes/no, numbers in the option&apos;s unit, list entries, arrays as a,b,c); or lists the scanners or a scanner&apos;s options.</source>
        <translation>Scannt ein Bild (Bereich in Millimetern) in die Bilddatei OUT und setzt dabei beliebige Scanner-Optionen (yes/no, Zahlen in der Einheit der Option, Listeneinträge, Felder als a,b,c); oder listet die Scanner bzw. die Optionen eines Scanners auf.</translation>
    </message>
    <message>
        <source>Applies retouch operations to a picture file in the order given.</source>
        <translation>Wendet Retusche-Schritte in der angegebenen Reihenfolge auf eine Bilddatei an.</translation>
    </message>
    <message>
        <source>Prints the track list of a folder of audio files, a cue sheet or a playlist (pattern fields %n %N %t %a %d %%).</source>
        <translation>Gibt die Titelliste eines Ordners mit Audiodateien, eines Cue-Sheets oder einer Wiedergabeliste aus (Musterfelder %n %N %t %a %d %%).</translation>
    </message>
    <message>
        <source>unknown command &apos;</source>
        <translation>unbekannter Befehl &apos;</translation>
    </message>
    <message>
        <source>&apos; (see quendrix --help)</source>
        <translation>&apos; (siehe quendrix --help)</translation>
    </message>
    <message>
        <source>Lists the label and cover products that match (maker, part, description, paper, shape, element size, elements per sheet), or adds one to the paper formats.</source>
        <translation>Listet die passenden Etiketten- und Cover-Produkte auf (Hersteller, Teilenummer, Beschreibung, Papier, Form, Elementgröße, Elemente pro Bogen) oder fügt eines zu den Papierformaten hinzu.</translation>
    </message>
    <message>
        <source>Places a picture over the design in the box given in pixels of the design&apos;s picture and saves the design (or OUT.cov).</source>
        <translation>Legt ein Bild in den Rahmen, der in Pixeln des Bildes des Entwurfs angegeben ist, über den Entwurf und speichert den Entwurf (oder OUT.cov).</translation>
    </message>
    <message>
        <source>Shows the calibration for every printer without its own, or the one a printer uses; sets the values given (for that printer only with --printer); --remove drops its own. --disc-shift sets how far the printer&apos;s disc prints land right and down (mm), --disc-test prints the disc centring test on it.</source>
        <translation>Zeigt die Kalibrierung für alle Drucker ohne eigene oder die, die ein Drucker verwendet; setzt die angegebenen Werte (mit --printer nur für diesen Drucker); --remove entfernt seine eigene. --disc-shift legt fest, wie weit die Rohlingdrucke des Druckers nach rechts und nach unten versetzt landen (mm), --disc-test druckt auf ihm den Zentriertest für Rohlinge.</translation>
    </message>
    <message>
        <source>Lists the parts of a design (number, name, paper format, picture size, objects), or adds, renames, removes or extracts one, or makes a new design from a preset (&quot;CD jewel case&quot;, &quot;CD slim case&quot;, &quot;DVD case&quot;, &quot;Paper sleeve&quot;).</source>
        <translation>Listet die Teile eines Entwurfs (Nummer, Name, Papierformat, Bildgröße, Objekte) oder fügt einen hinzu, benennt ihn um, entfernt ihn oder speichert ihn einzeln, oder legt einen neuen Entwurf nach einer Vorlage an (&quot;CD jewel case&quot;, &quot;CD slim case&quot;, &quot;DVD case&quot;, &quot;Paper sleeve&quot;).</translation>
    </message>
    <message>
        <source>Prints copies of a cover (or of the part given, or of every part in one job, each on its own paper format unless --paper is given) on a paper format, into a PDF file or on a printer; a printable disc goes into the printer&apos;s disc tray, or with --dry-run-on-paper on plain paper when its driver has no disc mode. With --jpeg-pictures the PDF holds photographs as JPEG: a much smaller file, with slight losses.</source>
        <translation>Druckt Exemplare eines Covers (oder des angegebenen Teils oder aller Teile in einem Auftrag, ohne --paper jeweils auf dem eigenen Papierformat) auf ein Papierformat, in eine PDF-Datei oder auf einen Drucker; ein bedruckbarer Rohling geht in die Rohlingschublade des Druckers, oder mit --dry-run-on-paper auf Normalpapier, wenn sein Treiber keinen Rohlingmodus hat. Mit --jpeg-pictures enthält die PDF-Datei Fotos als JPEG: eine viel kleinere Datei, mit geringen Verlusten.</translation>
    </message>
    <message>
        <source>Saves the cover (or the part given) as the Texts tab shows it (100 % unless given) as a PNG file.</source>
        <translation>Speichert das Cover (oder den angegebenen Teil) so, wie die Registerkarte Texte es zeigt (100 %, wenn nicht angegeben), als PNG-Datei.</translation>
    </message>
    <message>
        <source>Makes a design of every part of a preset (&quot;CD jewel case&quot; unless named) from a folder of music, a cue sheet or a playlist: the cover art (or a plain colour) with album and artist on the front, the track list and both spines on the back, album and artist on the disc&apos;s arcs.</source>
        <translation>Erstellt ein Design aus allen Teilen einer Vorlage (&quot;CD jewel case&quot;, wenn keine genannt ist) aus einem Ordner mit Musik, einer Cue-Datei oder einer Wiedergabeliste: das Cover-Bild (oder eine einfache Farbe) mit Album und Interpret auf der Vorderseite, die Titelliste und beide Rücken auf der Rückseite, Album und Interpret auf den Bögen der CD.</translation>
    </message>
    <message>
        <source>Lists the paper formats (number, name, element size in mm, grids, guides), or imports or exports a label template file.</source>
        <translation>Listet die Papierformate auf (Nummer, Name, Elementgröße in mm, Raster, Hilfslinien) oder importiert bzw. exportiert eine Etikettenvorlage.</translation>
    </message>
</context>
<context>
    <name>BatchConvert</name>
    <message>
        <source>--format needs a code from 3 (bmp) to 14 (png)</source>
        <translation>--format braucht einen Code von 3 (bmp) bis 14 (png)</translation>
    </message>
    <message>
        <source>usage: quendrix convert IN OUT [--format CODE]</source>
        <translation>Aufruf: quendrix convert IN OUT [--format CODE]</translation>
    </message>
    <message>
        <source>cannot tell the format from the name </source>
        <translation>das Format lässt sich nicht aus dem Namen ablesen: </translation>
    </message>
    <message>
        <source>; add --format CODE</source>
        <translation>; geben Sie --format CODE an</translation>
    </message>
    <message>
        <source>usage: quendrix info FILE</source>
        <translation>Aufruf: quendrix info FILE</translation>
    </message>
</context>
<context>
    <name>BatchFormats</name>
    <message>
        <source>no paper format </source>
        <translation>kein Papierformat </translation>
    </message>
    <message>
        <source>formats takes no arguments, import FILE or export NUMBER FILE</source>
        <translation>formats nimmt keine Argumente, import DATEI oder export NUMMER DATEI</translation>
    </message>
    <message>
        <source>%1	%2	%3 x %4 mm	%5
</source>
        <translation>%1	%2	%3 x %4 mm	%5
</translation>
    </message>
    <message>
        <source>line %1/%2 to %3/%4</source>
        <translation>Linie %1/%2 bis %3/%4</translation>
    </message>
    <message>
        <source>margin %1</source>
        <translation>Rand %1</translation>
    </message>
    <message>
        <source>circle at %1/%2, radius %3</source>
        <translation>Kreis um %1/%2, Radius %3</translation>
    </message>
</context>
<context>
    <name>BatchParts</name>
    <message>
        <source>: the file could not be opened</source>
        <translation>: die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no paper format </source>
        <translation>kein Papierformat </translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>unbekannte Option </translation>
    </message>
    <message>
        <source>missing value after </source>
        <translation>fehlender Wert nach </translation>
    </message>
    <message>
        <source>usage: see quendrix --help</source>
        <translation>Aufruf: siehe quendrix --help</translation>
    </message>
    <message>
        <source>the design has no part </source>
        <translation>der Entwurf hat keinen Teil </translation>
    </message>
    <message>
        <source>no preset </source>
        <translation>keine Vorlage </translation>
    </message>
</context>
<context>
    <name>BatchPlacePicture</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>bad value &apos;%1&apos; for %2</source>
        <translation>ungültiger Wert &apos;%1&apos; für %2</translation>
    </message>
    <message>
        <source>--box X,Y,W,H is needed</source>
        <translation>--box X,Y,B,H wird benötigt</translation>
    </message>
    <message>
        <source>place-picture needs a design and a picture file</source>
        <translation>place-picture braucht einen Entwurf und eine Bilddatei</translation>
    </message>
    <message>
        <source>: the file could not be opened</source>
        <translation>: die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the box lies too far out</source>
        <translation>der Rahmen liegt zu weit außen</translation>
    </message>
    <message>
        <source>the design has no free object</source>
        <translation>der Entwurf hat kein freies Objekt</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>print needs a cover file (see quendrix --help)</source>
        <translation>print braucht eine Cover-Datei (siehe quendrix --help)</translation>
    </message>
    <message>
        <source>missing value after </source>
        <translation>Wert fehlt nach </translation>
    </message>
    <message>
        <source>not a number: </source>
        <translation>keine Zahl: </translation>
    </message>
    <message>
        <source>unknown option or value out of range: </source>
        <translation>unbekannte Option oder Wert außerhalb des Bereichs: </translation>
    </message>
    <message>
        <source>print needs --paper NAME or NUMBER</source>
        <translation>print braucht --paper NAME oder NUMMER</translation>
    </message>
    <message>
        <source>print needs either --pdf FILE or --printer NAME</source>
        <translation>print braucht entweder --pdf DATEI oder --printer NAME</translation>
    </message>
    <message>
        <source>no paper format </source>
        <translation>kein Papierformat </translation>
    </message>
    <message>
        <source>cannot open the cover </source>
        <translation>das Cover lässt sich nicht öffnen: </translation>
    </message>
    <message>
        <source>1 page printed
</source>
        <translation>1 Seite gedruckt
</translation>
    </message>
    <message>
        <source>%1 pages printed
</source>
        <translation>%1 Seiten gedruckt
</translation>
    </message>
    <message>
        <source> of a sheet of </source>
        <translation> eines Bogens mit </translation>
    </message>
    <message>
        <source> positions leave none to print on</source>
        <translation> Positionen lassen keine zum Drucken übrig</translation>
    </message>
    <message>
        <source>the table has no line to print</source>
        <translation>die Tabelle hat keine Zeile zum Drucken</translation>
    </message>
    <message>
        <source> (--dry-run-on-paper prints it on paper)</source>
        <translation> (--dry-run-on-paper druckt sie auf Papier)</translation>
    </message>
    <message>
        <source>--part all prints whole sheets: without --used, --skip, --pages and --merge</source>
        <translation>--part all druckt ganze Bögen: ohne --used, --skip, --pages und --merge</translation>
    </message>
    <message>
        <source>the design has no part </source>
        <translation>der Entwurf hat keinen Teil </translation>
    </message>
    <message>
        <source>no such part</source>
        <translation>kein solcher Teil</translation>
    </message>
</context>
<context>
    <name>BatchRender</name>
    <message>
        <source>--zoom needs a percentage above 0 and up to 10000</source>
        <translation>--zoom braucht einen Prozentwert über 0 und bis 10000</translation>
    </message>
    <message>
        <source>: the file could not be opened</source>
        <translation>: die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>--part needs a part&apos;s name or number</source>
        <translation>--part braucht den Namen oder die Nummer eines Teils</translation>
    </message>
    <message>
        <source>usage: quendrix render FILE.cov OUT.png [--zoom PERCENT] [--part NAME]</source>
        <translation>Aufruf: quendrix render DATEI.cov AUS.png [--zoom PROZENT] [--part NAME]</translation>
    </message>
    <message>
        <source>: the design has no part </source>
        <translation>: der Entwurf hat keinen Teil </translation>
    </message>
</context>
<context>
    <name>BatchRetouch</name>
    <message>
        <source>unknown option &apos;</source>
        <translation>unbekannte Option &apos;</translation>
    </message>
    <message>
        <source> needs a value</source>
        <translation> braucht einen Wert</translation>
    </message>
    <message>
        <source>bad value &apos;</source>
        <translation>ungültiger Wert &apos;</translation>
    </message>
    <message>
        <source>&apos; for </source>
        <translation>&apos; für </translation>
    </message>
    <message>
        <source> (X,Y,W,H with W and H at least 1)</source>
        <translation> (X,Y,W,H mit W und H mindestens 1)</translation>
    </message>
    <message>
        <source> (left or right)</source>
        <translation> (left oder right)</translation>
    </message>
    <message>
        <source> (h or v)</source>
        <translation> (h oder v)</translation>
    </message>
    <message>
        <source> (-127 to 127)</source>
        <translation> (-127 bis 127)</translation>
    </message>
    <message>
        <source> (0 to 200)</source>
        <translation> (0 bis 200)</translation>
    </message>
    <message>
        <source> (an effect name such as &quot;Soften&quot;)</source>
        <translation> (ein Effektname wie „Soften“)</translation>
    </message>
    <message>
        <source>the crop area lies outside the picture of </source>
        <translation>der Zuschneidebereich liegt außerhalb des Bildes von </translation>
    </message>
    <message>
        <source>Can not change number of colors</source>
        <translation>Die Anzahl der Farben kann nicht geändert werden</translation>
    </message>
    <message>
        <source>unknown effect</source>
        <translation>unbekannter Effekt</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>retouch needs an input and an output file</source>
        <translation>retouch braucht eine Eingabe- und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>unknown picture format of </source>
        <translation>unbekanntes Bildformat von </translation>
    </message>
</context>
<context>
    <name>BatchScan</name>
    <message>
        <source>quendrix: no scanner was found
</source>
        <translation>quendrix: es wurde kein Scanner gefunden
</translation>
    </message>
    <message>
        <source>option </source>
        <translation>Option </translation>
    </message>
    <message>
        <source> needs a value</source>
        <translation> braucht einen Wert</translation>
    </message>
    <message>
        <source>the resolution must be a whole number from </source>
        <translation>die Auflösung muss eine ganze Zahl sein von </translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>the mode must be color, gray or lineart</source>
        <translation>der Modus muss color, gray oder lineart sein</translation>
    </message>
    <message>
        <source>the area must be X,Y,W,H in millimetres (W and H above 0)</source>
        <translation>der Bereich muss X,Y,W,H in Millimetern sein (W und H über 0)</translation>
    </message>
    <message>
        <source>--option needs NAME=VALUE, not </source>
        <translation>--option braucht NAME=WERT, nicht </translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>unbekannte Option </translation>
    </message>
    <message>
        <source>scan needs the name of the picture file to write (or --list)</source>
        <translation>scan braucht den Namen der zu schreibenden Bilddatei (oder --list)</translation>
    </message>
    <message>
        <source>unknown picture type of </source>
        <translation>unbekannter Bildtyp von </translation>
    </message>
    <message>
        <source> (use .bmp, .dib, .gif, .iff, .jif, .jpg, .lbm, .pcx, .rle, .tga, .tif or .png)</source>
        <translation> (verwenden Sie .bmp, .dib, .gif, .iff, .jif, .jpg, .lbm, .pcx, .rle, .tga, .tif oder .png)</translation>
    </message>
    <message>
        <source>Options of %1:
%2</source>
        <translation>Optionen von %1:
%2</translation>
    </message>
    <message>
        <source>scanning: %1%</source>
        <translation>Scannen: %1%</translation>
    </message>
    <message>
        <source>quendrix: the scanner adjusted the %1
</source>
        <translation>quendrix: der Scanner hat %1 angepasst
</translation>
    </message>
    <message>
        <source> What can be read is used, the defaults for the rest.</source>
        <translation> Was lesbar ist, wird verwendet, für den Rest die Standardwerte.</translation>
    </message>
</context>
<context>
    <name>BatchTracks</name>
    <message>
        <source>--pattern needs a pattern such as &quot;%n. %t&quot;</source>
        <translation>--pattern braucht ein Muster wie &quot;%n. %t&quot;</translation>
    </message>
    <message>
        <source>usage: quendrix tracks PATH [--pattern P]</source>
        <translation>Aufruf: quendrix tracks PATH [--pattern P]</translation>
    </message>
    <message>
        <source>quendrix: skipped %1
</source>
        <translation>quendrix: übersprungen: %1
</translation>
    </message>
</context>
<context>
    <name>BmpDirect</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
</context>
<context>
    <name>BmpFormat</name>
    <message>
        <source>the bitmap header size </source>
        <translation>die Größe des Bitmap-Kopfes </translation>
    </message>
    <message>
        <source> is not one of the known sizes</source>
        <translation> ist keine der bekannten Größen</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>this kind of bitmap compression or depth is not supported</source>
        <translation>diese Art der Bitmap-Kompression oder Farbtiefe wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the pixel data would begin inside the bitmap header</source>
        <translation>die Pixeldaten würden innerhalb des Bitmap-Kopfes beginnen</translation>
    </message>
    <message>
        <source>the colour masks of the bitmap are all zero</source>
        <translation>die Farbmasken der Bitmap sind alle null</translation>
    </message>
    <message>
        <source>the bitmap declares </source>
        <translation>die Bitmap gibt </translation>
    </message>
    <message>
        <source> colours, more than </source>
        <translation> Farben an, mehr als </translation>
    </message>
    <message>
        <source> bits per pixel can address</source>
        <translation> Bit pro Pixel darstellen können</translation>
    </message>
    <message>
        <source>the colour table is missing</source>
        <translation>die Farbtabelle fehlt</translation>
    </message>
    <message>
        <source>the compressed picture data runs outside the picture</source>
        <translation>die komprimierten Bilddaten reichen über das Bild hinaus</translation>
    </message>
    <message>
        <source>the file is not a bitmap</source>
        <translation>die Datei ist keine Bitmap</translation>
    </message>
    <message>
        <source>there is not enough memory to reduce the colours</source>
        <translation>es ist nicht genug Speicher vorhanden, um die Farben zu verringern</translation>
    </message>
    <message>
        <source>the compressed picture data runs past its last row</source>
        <translation>die komprimierten Bilddaten reichen über die letzte Zeile hinaus</translation>
    </message>
</context>
<context>
    <name>BoundedXml</name>
    <message>
        <source>elements are nested deeper than </source>
        <translation>Elemente sind tiefer verschachtelt als </translation>
    </message>
    <message>
        <source>an element has more than </source>
        <translation>ein Element hat mehr als </translation>
    </message>
    <message>
        <source> attributes</source>
        <translation> Attribute</translation>
    </message>
</context>
<context>
    <name>BrightnessContrast</name>
    <message>
        <source>Can not create the bitamp</source>
        <translation>Die Bitmap kann nicht erzeugt werden</translation>
    </message>
</context>
<context>
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Brightness and contrast...</source>
        <translation>Helligkeit und Kontrast...</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Set to default values</source>
        <translation>Auf Standardwerte setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>The printer calibration </source>
        <translation>Die Druckerkalibrierung </translation>
    </message>
    <message>
        <source> is shorter than 32 bytes; the values </source>
        <translation> ist kürzer als 32 Byte; die Werte, </translation>
    </message>
    <message>
        <source>it lacks are set to their defaults.</source>
        <translation>die ihr fehlen, werden auf ihre Standardwerte gesetzt.</translation>
    </message>
    <message>
        <source> holds values outside their ranges; they are set to the nearest allowed value.</source>
        <translation> enthält Werte außerhalb ihrer Bereiche; sie werden auf den nächsten erlaubten Wert gesetzt.</translation>
    </message>
    <message>
        <source>This printer can not be used!</source>
        <translation>Dieser Drucker kann nicht verwendet werden!</translation>
    </message>
    <message>
        <source> cannot be read (</source>
        <translation> kann nicht gelesen werden (</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibrate printer...</source>
        <translation>Drucker kalibrieren...</translation>
    </message>
    <message>
        <source>This settings can correct wrong printouts. Make this test print for every new printer. This settings has NOTTING todo with the FORM. Only with the PRINTER MODELL.</source>
        <translation>Diese Einstellungen können fehlerhafte Ausdrucke korrigieren. Machen Sie diesen Testdruck für jeden neuen Drucker. Diese Einstellungen haben NICHTS mit dem FORMULAR zu tun, nur mit dem DRUCKERMODELL.</translation>
    </message>
    <message>
        <source>Print test rectangle...</source>
        <translation>Testrechteck drucken...</translation>
    </message>
    <message>
        <source>Enter the values as printed out. The test printout remains the same. But the form printout will be changed with this settings.</source>
        <translation>Geben Sie die Werte so ein, wie sie gedruckt wurden. Der Testausdruck bleibt gleich, aber der Ausdruck der Formulare wird mit diesen Einstellungen geändert.</translation>
    </message>
    <message>
        <source>Distance rectangle and page&apos;s left side:</source>
        <translation>Abstand zwischen Rechteck und linkem Seitenrand:</translation>
    </message>
    <message>
        <source>Distance rectangle and page&apos;s top side:</source>
        <translation>Abstand zwischen Rechteck und oberem Seitenrand:</translation>
    </message>
    <message>
        <source>Width of the rectangle:</source>
        <translation>Breite des Rechtecks:</translation>
    </message>
    <message>
        <source>Height of the rectangle:</source>
        <translation>Höhe des Rechtecks:</translation>
    </message>
    <message>
        <source>Only for this printer</source>
        <translation>Nur für diesen Drucker</translation>
    </message>
    <message>
        <source>Print disc centring test</source>
        <translation>Zentriertest für Rohlinge drucken</translation>
    </message>
    <message>
        <source>Disc prints land right of the centre by:</source>
        <translation>Rohlingdrucke liegen rechts der Mitte um:</translation>
    </message>
    <message>
        <source>Disc prints land below the centre by:</source>
        <translation>Rohlingdrucke liegen unterhalb der Mitte um:</translation>
    </message>
</context>
<context>
    <name>CopyFields</name>
    <message>
        <source>These fields name no column of %1:</source>
        <translation>Diese Felder nennen keine Spalte von %1:</translation>
    </message>
    <message>
        <source>the merge table</source>
        <translation>der Serientabelle</translation>
    </message>
    <message>
        <source>The cover cannot hold these characters of the merge table and prints them replaced: %1</source>
        <translation>Das Cover kann diese Zeichen der Serientabelle nicht aufnehmen und druckt sie ersetzt: %1</translation>
    </message>
</context>
<context>
    <name>CopyToPartsDialog</name>
    <message>
        <source>Copy to parts</source>
        <translation>In Teile kopieren</translation>
    </message>
</context>
<context>
    <name>CoverImage</name>
    <message>
        <source>the cover is empty at this zoom</source>
        <translation>das Cover ist bei diesem Zoom leer</translation>
    </message>
    <message>
        <source>the cover would be </source>
        <translation>das Cover wäre </translation>
    </message>
    <message>
        <source> pixels, more than a picture may have</source>
        <translation> Pixel groß, mehr als ein Bild haben darf</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
</context>
<context>
    <name>CoverParts</name>
    <message>
        <source>a part&apos;s record is damaged</source>
        <translation>der Eintrag eines Teils ist beschädigt</translation>
    </message>
    <message>
        <source>a part holds parts itself</source>
        <translation>ein Teil enthält selbst Teile</translation>
    </message>
    <message>
        <source>the parts were written in a later version</source>
        <translation>die Teile wurden von einer neueren Version geschrieben</translation>
    </message>
    <message>
        <source>a design holds 2 to %1 parts</source>
        <translation>ein Entwurf hat 2 bis %1 Teile</translation>
    </message>
    <message>
        <source>the paper format of %1 is damaged</source>
        <translation>das Papierformat von %1 ist beschädigt</translation>
    </message>
    <message>
        <source>the part %1 is damaged (%2)</source>
        <translation>der Teil %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>the parts&apos; places come before the parts</source>
        <translation>die Lagen der Teile stehen vor den Teilen</translation>
    </message>
    <message>
        <source>the parts&apos; places do not match the parts</source>
        <translation>die Lagen der Teile passen nicht zu den Teilen</translation>
    </message>
    <message>
        <source>the place of %1 is impossible</source>
        <translation>die Lage von %1 ist unmöglich</translation>
    </message>
</context>
<context>
    <name>CoverPictures</name>
    <message>
        <source>a record is damaged</source>
        <translation>ein Eintrag ist beschädigt</translation>
    </message>
    <message>
        <source>a picture belongs to no rectangle</source>
        <translation>ein Bild gehört zu keinem Rechteck</translation>
    </message>
    <message>
        <source>a picture&apos;s settings are out of range</source>
        <translation>die Einstellungen eines Bildes liegen außerhalb des erlaubten Bereichs</translation>
    </message>
</context>
<context>
    <name>CoverReader</name>
    <message>
        <source>The file </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source> could not be opened!</source>
        <translation> konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The picture in the file </source>
        <translation>Das Bild in der Datei </translation>
    </message>
    <message>
        <source> is too large!</source>
        <translation> ist zu groß!</translation>
    </message>
    <message>
        <source>There is not enough memory for the picture in the file </source>
        <translation>Nicht genug Speicher für das Bild in der Datei </translation>
    </message>
    <message>
        <source>The curved texts in the file </source>
        <translation>Die gebogenen Texte in der Datei </translation>
    </message>
    <message>
        <source> are damaged!</source>
        <translation> sind beschädigt!</translation>
    </message>
    <message>
        <source>This is not a valid CD Cover file!</source>
        <translation>Dies ist keine gültige CD-Cover-Datei!</translation>
    </message>
    <message>
        <source>The picture header in the file </source>
        <translation>Der Bildkopf in der Datei </translation>
    </message>
    <message>
        <source> is damaged: its size is not 40 bytes!</source>
        <translation> ist beschädigt: seine Größe ist nicht 40 Bytes!</translation>
    </message>
    <message>
        <source> is damaged: it claims to be compressed!</source>
        <translation> ist beschädigt: es gibt an, komprimiert zu sein!</translation>
    </message>
    <message>
        <source>The page size and zoom in the file </source>
        <translation>Seitengröße und Zoom in der Datei </translation>
    </message>
    <message>
        <source> are damaged: the view would be too large!</source>
        <translation> sind beschädigt: die Ansicht wäre zu groß!</translation>
    </message>
    <message>
        <source>The placed pictures in the file %1 are damaged: %2!</source>
        <translation>Die platzierten Bilder in der Datei %1 sind beschädigt: %2!</translation>
    </message>
    <message>
        <source>The parts in the file %1 are damaged: %2!</source>
        <translation>Die Teile in der Datei %1 sind beschädigt: %2!</translation>
    </message>
</context>
<context>
    <name>CoverSaveCheck</name>
    <message>
        <source> of object </source>
        <translation> von Objekt </translation>
    </message>
    <message>
        <source> is longer than </source>
        <translation> ist länger als </translation>
    </message>
    <message>
        <source> holds a zero character</source>
        <translation> enthält ein Nullzeichen</translation>
    </message>
    <message>
        <source>the page size is not positive</source>
        <translation>die Seitengröße ist nicht positiv</translation>
    </message>
    <message>
        <source>the scale of the Texts view is not positive</source>
        <translation>der Maßstab der Texte-Ansicht ist nicht positiv</translation>
    </message>
    <message>
        <source>the text</source>
        <translation>der Text</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> Zeichen</translation>
    </message>
    <message>
        <source>the font name</source>
        <translation>der Schriftname</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Byte</translation>
    </message>
    <message>
        <source>the picture&apos;s size or colour depth cannot be stored</source>
        <translation>die Größe oder Farbtiefe des Bildes kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the settings of the picture of object %1 are out of range</source>
        <translation>die Einstellungen des Bildes von Objekt %1 liegen außerhalb des erlaubten Bereichs</translation>
    </message>
    <message>
        <source>the placed pictures are larger than 1 GiB together</source>
        <translation>die platzierten Bilder sind zusammen größer als 1 GiB</translation>
    </message>
    <message>
        <source>the parts are larger than 4 GiB together</source>
        <translation>die Teile sind zusammen größer als 4 GiB</translation>
    </message>
</context>
<context>
    <name>CoverTail</name>
    <message>
        <source>the block is there twice</source>
        <translation>der Block ist doppelt vorhanden</translation>
    </message>
</context>
<context>
    <name>CoverWriter</name>
    <message>
        <source>The file </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source> was not saved: </source>
        <translation> wurde nicht gespeichert: </translation>
    </message>
    <message>
        <source> could not be created!</source>
        <translation> konnte nicht angelegt werden!</translation>
    </message>
</context>
<context>
    <name>Crop</name>
    <message>
        <source>Select an area with the mouse first!</source>
        <translation>Wählen Sie zuerst mit der Maus einen Bereich aus!</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>line </source>
        <translation>Zeile </translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE ohne Namen</translation>
    </message>
    <message>
        <source>TRACK without a number</source>
        <translation>TRACK ohne Nummer</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK vor jedem FILE</translation>
    </message>
    <message>
        <source>more than 999 tracks</source>
        <translation>mehr als 999 Titel</translation>
    </message>
    <message>
        <source>INDEX needs a number and a time mm:ss:ff</source>
        <translation>INDEX braucht eine Nummer und eine Zeit mm:ss:ff</translation>
    </message>
    <message>
        <source>INDEX outside a TRACK</source>
        <translation>INDEX außerhalb eines TRACK</translation>
    </message>
    <message>
        <source>no TRACK</source>
        <translation>kein TRACK</translation>
    </message>
    <message>
        <source>track </source>
        <translation>Titel </translation>
    </message>
    <message>
        <source> has no INDEX 01</source>
        <translation> hat kein INDEX 01</translation>
    </message>
    <message>
        <source>; the length of its last track is unknown</source>
        <translation>; die Länge des letzten Titels ist unbekannt</translation>
    </message>
    <message>
        <source>Track </source>
        <translation>Titel </translation>
    </message>
</context>
<context>
    <name>CurvedTextControls</name>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Along the top arc</source>
        <translation>Am oberen Bogen entlang</translation>
    </message>
    <message>
        <source>Along the bottom arc</source>
        <translation>Am unteren Bogen entlang</translation>
    </message>
    <message>
        <source>Arc:</source>
        <translation>Bogen:</translation>
    </message>
    <message>
        <source>Letter spacing:</source>
        <translation>Zeichenabstand:</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Letter spacing</source>
        <translation>Zeichenabstand</translation>
    </message>
</context>
<context>
    <name>DesignParts</name>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>a part needs a name</source>
        <translation>ein Teil braucht einen Namen</translation>
    </message>
    <message>
        <source>a part&apos;s name has at most %1 bytes</source>
        <translation>der Name eines Teils hat höchstens %1 Bytes</translation>
    </message>
    <message>
        <source>there is already a part called %1</source>
        <translation>es gibt schon einen Teil namens %1</translation>
    </message>
</context>
<context>
    <name>DetailsFile</name>
    <message>
        <source>it is no paper format details file.</source>
        <translation>sie ist keine Datei mit Papierformat-Details.</translation>
    </message>
    <message>
        <source>it claims </source>
        <translation>sie gibt an: </translation>
    </message>
    <message>
        <source> entries.</source>
        <translation> Einträge.</translation>
    </message>
    <message>
        <source>it ends within entry </source>
        <translation>sie endet innerhalb von Eintrag </translation>
    </message>
    <message>
        <source>entry </source>
        <translation>Eintrag </translation>
    </message>
    <message>
        <source> is damaged.</source>
        <translation> ist beschädigt.</translation>
    </message>
    <message>
        <source>The paper format details file </source>
        <translation>Die Datei mit den Papierformat-Details </translation>
    </message>
    <message>
        <source> is damaged: </source>
        <translation> ist beschädigt: </translation>
    </message>
    <message>
        <source> cannot be read (</source>
        <translation> kann nicht gelesen werden (</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The font name is too long: a font name may hold at most 256 bytes.</source>
        <translation>Der Schriftname ist zu lang: ein Schriftname darf höchstens 256 Byte umfassen.</translation>
    </message>
</context>
<context>
    <name>DibRows</name>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>the picture is too large (</source>
        <translation>das Bild ist zu groß (</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
</context>
<context>
    <name>DiscShifts</name>
    <message>
        <source>The disc tray centrings %1 are damaged (%2); the printers after the damage print discs without correction.</source>
        <translation>Die Zentrierungen der Rohlingschublade %1 sind beschädigt (%2); die Drucker nach der Beschädigung drucken Rohlinge ohne Korrektur.</translation>
    </message>
    <message>
        <source>not a disc tray centrings file</source>
        <translation>keine Datei mit Zentrierungen der Rohlingschublade</translation>
    </message>
    <message>
        <source>impossible number of printers</source>
        <translation>unmögliche Anzahl von Druckern</translation>
    </message>
    <message>
        <source>entry %1 has no readable name</source>
        <translation>Eintrag %1 hat keinen lesbaren Namen</translation>
    </message>
    <message>
        <source>entry %1 is damaged</source>
        <translation>Eintrag %1 ist beschädigt</translation>
    </message>
    <message>
        <source>bytes after the last entry</source>
        <translation>Bytes nach dem letzten Eintrag</translation>
    </message>
    <message>
        <source>The printer name %1 is longer than 255 bytes; its disc tray centring cannot be kept.</source>
        <translation>Der Druckername %1 ist länger als 255 Byte; seine Zentrierung der Rohlingschublade kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>DiscTestPage</name>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The print job could not be completed.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>DiscTray</name>
    <message>
        <source>a disc page size and a disc tray slot</source>
        <translation>ein Seitenformat für Rohlinge und ein Schacht für die Rohlingschublade</translation>
    </message>
    <message>
        <source>a disc page size that holds the disc</source>
        <translation>ein Seitenformat für Rohlinge, in das der Rohling passt</translation>
    </message>
    <message>
        <source>a disc tray slot</source>
        <translation>ein Schacht für die Rohlingschublade</translation>
    </message>
    <message>
        <source>The printer %1 cannot print on discs: its driver lacks %2. Choose a printer with a disc tray, or print the same page on plain paper to try the layout.</source>
        <translation>Der Drucker %1 kann nicht auf Rohlinge drucken: seinem Treiber fehlt %2. Wählen Sie einen Drucker mit Rohlingschublade, oder drucken Sie dieselbe Seite zur Probe auf Normalpapier.</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Save Cover as</source>
        <translation>Cover speichern unter</translation>
    </message>
    <message>
        <source>Open Cover</source>
        <translation>Cover öffnen</translation>
    </message>
    <message>
        <source>CD cover files (*.cov)|*.cov</source>
        <translation>CD-Cover-Dateien (*.cov)|*.cov</translation>
    </message>
    <message>
        <source>Be sure that everything is saved that you want to maintain!</source>
        <translation>Stellen Sie sicher, dass alles gespeichert ist, was Sie behalten möchten!</translation>
    </message>
    <message>
        <source>File/New</source>
        <translation>Datei/Neu</translation>
    </message>
    <message>
        <source>File/Open</source>
        <translation>Datei/Öffnen</translation>
    </message>
    <message>
        <source>File/New from music</source>
        <translation>Datei/Neu aus Musik</translation>
    </message>
    <message>
        <source>New from music</source>
        <translation>Neu aus Musik</translation>
    </message>
    <message>
        <source>Music, cue sheets and playlists (*.flac *.mp3 *.ogg *.opus *.m4a *.wav *.cue *.m3u *.m3u8)|*.flac;*.mp3;*.ogg;*.opus;*.m4a;*.wav;*.cue;*.m3u;*.m3u8</source>
        <translation>Musik, Cue-Dateien und Wiedergabelisten (*.flac *.mp3 *.ogg *.opus *.m4a *.wav *.cue *.m3u *.m3u8)|*.flac;*.mp3;*.ogg;*.opus;*.m4a;*.wav;*.cue;*.m3u;*.m3u8</translation>
    </message>
</context>
<context>
    <name>DocumentMusic</name>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Skipped the picture in: %1</source>
        <translation>Bild übersprungen in: %1</translation>
    </message>
    <message>
        <source>The cover shows these characters replaced: %1</source>
        <translation>Das Cover zeigt diese Zeichen ersetzt: %1</translation>
    </message>
    <message>
        <source>%1 tracks did not fit on the back.</source>
        <translation>%1 Titel passten nicht auf die Rückseite.</translation>
    </message>
</context>
<context>
    <name>DrawDib</name>
    <message>
        <source>Can not create the bitmap!</source>
        <translation>Die Bitmap kann nicht erzeugt werden!</translation>
    </message>
    <message>
        <source>The device do not support this function!</source>
        <translation>Das Gerät unterstützt diese Funktion nicht!</translation>
    </message>
</context>
<context>
    <name>EffectFilters</name>
    <message>
        <source>Soften</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Less soften</source>
        <translation>Leicht weichzeichnen</translation>
    </message>
    <message>
        <source>More soften</source>
        <translation>Stark weichzeichnen</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>More sharpen</source>
        <translation>Stark schärfen</translation>
    </message>
    <message>
        <source>Grease</source>
        <translation>Verschmieren</translation>
    </message>
    <message>
        <source>Lithograph</source>
        <translation>Lithografie</translation>
    </message>
    <message>
        <source>Psychdist</source>
        <translation>Psychedelisch</translation>
    </message>
    <message>
        <source>Highlight edges</source>
        <translation>Kanten hervorheben</translation>
    </message>
    <message>
        <source>Find edges</source>
        <translation>Kanten finden</translation>
    </message>
    <message>
        <source>Find edges horizontal</source>
        <translation>Waagerechte Kanten finden</translation>
    </message>
    <message>
        <source>Find edges vertical</source>
        <translation>Senkrechte Kanten finden</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Prägen</translation>
    </message>
    <message>
        <source>Emboss vertical</source>
        <translation>Senkrecht prägen</translation>
    </message>
</context>
<context>
    <name>FilledTexts</name>
    <message>
        <source>object %1, line %2: {%3}</source>
        <translation>Objekt %1, Zeile %2: {%3}</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
</context>
<context>
    <name>FormatDetails</name>
    <message>
        <source>unknown shape</source>
        <translation>unbekannte Form</translation>
    </message>
    <message>
        <source>impossible shape lengths</source>
        <translation>unmögliche Längen der Form</translation>
    </message>
    <message>
        <source>the corner radius is larger than half the element</source>
        <translation>der Eckenradius ist größer als das halbe Element</translation>
    </message>
    <message>
        <source>the hole is not smaller than the disc</source>
        <translation>das Loch ist nicht kleiner als die Scheibe</translation>
    </message>
    <message>
        <source>the element is larger than the disc</source>
        <translation>das Element ist größer als die Scheibe</translation>
    </message>
    <message>
        <source>impossible sheet size or bleed</source>
        <translation>unmögliche Bogengröße oder Beschnittzugabe</translation>
    </message>
    <message>
        <source>too many grids</source>
        <translation>zu viele Raster</translation>
    </message>
    <message>
        <source>impossible grid</source>
        <translation>unmögliches Raster</translation>
    </message>
    <message>
        <source>a printable disc is one disc</source>
        <translation>ein bedruckbarer Rohling ist eine einzelne Scheibe</translation>
    </message>
    <message>
        <source>a printable disc is 76 to 120 mm wide</source>
        <translation>ein bedruckbarer Rohling ist 76 bis 120 mm breit</translation>
    </message>
    <message>
        <source>a printable disc&apos;s hub is at most 46 mm wide</source>
        <translation>der Innenring eines bedruckbaren Rohlings ist höchstens 46 mm breit</translation>
    </message>
    <message>
        <source>a printable disc&apos;s page does not hold the disc</source>
        <translation>die Seite eines bedruckbaren Rohlings fasst den Rohling nicht</translation>
    </message>
    <message>
        <source>impossible element size of a grid</source>
        <translation>unmögliche Elementgröße eines Rasters</translation>
    </message>
    <message>
        <source>too many guides</source>
        <translation>zu viele Hilfslinien</translation>
    </message>
    <message>
        <source>impossible guide</source>
        <translation>unmögliche Hilfslinie</translation>
    </message>
    <message>
        <source>a margin guide is not inside the element</source>
        <translation>ein Rand liegt nicht innerhalb des Elements</translation>
    </message>
    <message>
        <source>a circle guide has no radius</source>
        <translation>ein Hilfskreis hat keinen Radius</translation>
    </message>
    <message>
        <source>unknown guide</source>
        <translation>unbekannte Hilfslinie</translation>
    </message>
</context>
<context>
    <name>FormatShapeEditor</name>
    <message>
        <source>Printer&apos;s page</source>
        <translation>Seite des Druckers</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Shape of the elements</source>
        <translation>Form der Elemente</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Form:</translation>
    </message>
    <message>
        <source>Corner radius:</source>
        <translation>Eckenradius:</translation>
    </message>
    <message>
        <source>Disc diameter:</source>
        <translation>Scheibendurchmesser:</translation>
    </message>
    <message>
        <source>Hole diameter:</source>
        <translation>Lochdurchmesser:</translation>
    </message>
    <message>
        <source>Bleed:</source>
        <translation>Beschnittzugabe:</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>More grids of elements (mm)</source>
        <translation>Weitere Raster von Elementen (mm)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Step across</source>
        <translation>Schritt nach rechts</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Schritt nach unten</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Untereinander</translation>
    </message>
    <message>
        <source>Add grid</source>
        <translation>Raster hinzufügen</translation>
    </message>
    <message>
        <source>Remove grid</source>
        <translation>Raster entfernen</translation>
    </message>
    <message>
        <source>left and right</source>
        <translation>links und rechts</translation>
    </message>
    <message>
        <source>top and bottom</source>
        <translation>oben und unten</translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>Printable disc</source>
        <translation>Bedruckbarer Rohling</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>%1 x %2, %3</source>
        <translation>%1 x %2, %3</translation>
    </message>
    <message>
        <source>as the first grid</source>
        <translation>wie das erste Raster</translation>
    </message>
    <message>
        <source>Guides (mm)</source>
        <translation>Hilfslinien (mm)</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Hilfslinie</translation>
    </message>
    <message>
        <source>To X</source>
        <translation>Bis X</translation>
    </message>
    <message>
        <source>To Y</source>
        <translation>Bis Y</translation>
    </message>
    <message>
        <source>Lines drawn over the element, never printed but with the outlines: a line from X, Y to To X, To Y; a margin X wide inside the outline; a circle around X, Y with the radius To X</source>
        <translation>Linien über dem Element, nur mit den Umrissen gedruckt: eine Linie von X, Y bis Bis X, Bis Y; ein Rand, X breit, innerhalb des Umrisses; ein Kreis um X, Y mit dem Radius Bis X</translation>
    </message>
    <message>
        <source>Add guide</source>
        <translation>Hilfslinie hinzufügen</translation>
    </message>
    <message>
        <source>Remove guide</source>
        <translation>Hilfslinie entfernen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
</context>
<context>
    <name>GifFormat</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>this is not a GIF file</source>
        <translation>dies ist keine GIF-Datei</translation>
    </message>
    <message>
        <source>the file holds no picture</source>
        <translation>die Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>the GIF data is damaged (</source>
        <translation>die GIF-Daten sind beschädigt (</translation>
    </message>
    <message>
        <source>the colour table is missing</source>
        <translation>die Farbtabelle fehlt</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>there is not enough memory to convert the picture</source>
        <translation>es ist nicht genug Speicher vorhanden, um das Bild umzuwandeln</translation>
    </message>
    <message>
        <source>the picture is too large for a GIF file</source>
        <translation>das Bild ist zu groß für eine GIF-Datei</translation>
    </message>
    <message>
        <source>the picture could not be written as GIF</source>
        <translation>das Bild konnte nicht als GIF geschrieben werden</translation>
    </message>
    <message>
        <source>the GIF version is neither 87a nor 89a</source>
        <translation>die GIF-Version ist weder 87a noch 89a</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>%1 cannot be undone</source>
        <translation>%1 kann nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
    <message>
        <source>Crop to selection</source>
        <translation>Auf Auswahl zuschneiden</translation>
    </message>
    <message>
        <source>Rotate to the left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate to the right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Mirror vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Helligkeit und Kontrast</translation>
    </message>
    <message>
        <source>Change to 16,7 million colors</source>
        <translation>Umwandlung in 16,7 Millionen Farben</translation>
    </message>
    <message>
        <source>Text layout</source>
        <translation>Textverlauf</translation>
    </message>
    <message>
        <source>Text entry</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Resize object</source>
        <translation>Objektgröße ändern</translation>
    </message>
    <message>
        <source>Move object</source>
        <translation>Objekt verschieben</translation>
    </message>
    <message>
        <source>Text effects</source>
        <translation>Texteffekte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Border color</source>
        <translation>Randfarbe</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Create object</source>
        <translation>Objekt anlegen</translation>
    </message>
    <message>
        <source>Create objects</source>
        <translation>Objekte anlegen</translation>
    </message>
    <message>
        <source>Delete object</source>
        <translation>Objekt löschen</translation>
    </message>
    <message>
        <source>Delete objects</source>
        <translation>Objekte löschen</translation>
    </message>
    <message>
        <source>Stacking order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Change objects</source>
        <translation>Objekte ändern</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Picture object</source>
        <translation>Bildobjekt</translation>
    </message>
    <message>
        <source>New design</source>
        <translation>Neues Design</translation>
    </message>
    <message>
        <source>New from music</source>
        <translation>Neu aus Musik</translation>
    </message>
</context>
<context>
    <name>IffFormat</name>
    <message>
        <source>the file is not an IFF picture</source>
        <translation>die Datei ist kein IFF-Bild</translation>
    </message>
    <message>
        <source>the chunk &quot;</source>
        <translation>der Block &quot;</translation>
    </message>
    <message>
        <source>&quot; is longer than the rest of the file</source>
        <translation>&quot; ist länger als der Rest der Datei</translation>
    </message>
    <message>
        <source>the colour map holds no colours</source>
        <translation>die Farbtabelle enthält keine Farben</translation>
    </message>
    <message>
        <source>the IFF picture has no pixel data</source>
        <translation>das IFF-Bild hat keine Pixeldaten</translation>
    </message>
    <message>
        <source>the IFF picture has no header</source>
        <translation>das IFF-Bild hat keinen Kopf</translation>
    </message>
    <message>
        <source>this kind of IFF picture is not supported</source>
        <translation>diese Art von IFF-Bild wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>the picture is too large for an IFF file</source>
        <translation>das Bild ist zu groß für eine IFF-Datei</translation>
    </message>
</context>
<context>
    <name>JobPrinterKey</name>
    <message>
        <source>Printer: none, printing into a PDF file</source>
        <translation>Drucker: keiner, Druck in eine PDF-Datei</translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Drucker: </translation>
    </message>
</context>
<context>
    <name>JpegFormat</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>too many scans</source>
        <translation>zu viele Scans</translation>
    </message>
    <message>
        <source>the JPEG data is damaged (</source>
        <translation>die JPEG-Daten sind beschädigt (</translation>
    </message>
    <message>
        <source>the picture could not be compressed (</source>
        <translation>das Bild konnte nicht komprimiert werden (</translation>
    </message>
    <message>
        <source>this is not a JPEG file</source>
        <translation>dies ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>there is not enough memory to convert the picture</source>
        <translation>es ist nicht genug Speicher vorhanden, um das Bild umzuwandeln</translation>
    </message>
</context>
<context>
    <name>KeptFiles</name>
    <message>
        <source>Changes are not saved, because a newer version wrote </source>
        <translation>Änderungen werden nicht gespeichert, weil eine neuere Version folgende Datei schrieb: </translation>
    </message>
    <message>
        <source>Changes are not saved, because </source>
        <translation>Änderungen werden nicht gespeichert, weil </translation>
    </message>
    <message>
        <source> cannot be read.</source>
        <translation> nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The damaged file </source>
        <translation>Die beschädigte Datei </translation>
    </message>
    <message>
        <source> cannot be kept aside; it is not replaced.</source>
        <translation> kann nicht beiseitegelegt werden; sie wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>it is too large.</source>
        <translation>sie ist zu groß.</translation>
    </message>
    <message>
        <source>
It is kept as </source>
        <translation>
Sie wird als </translation>
    </message>
    <message>
        <source>.damaged before it is written again.</source>
        <translation>.damaged aufbewahrt, bevor sie neu geschrieben wird.</translation>
    </message>
    <message>
        <source>
The file is left as it is; changes last until the program ends.</source>
        <translation>
Die Datei bleibt, wie sie ist; Änderungen gelten, bis das Programm endet.</translation>
    </message>
    <message>
        <source>The file </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <source> was written by a newer version; it is left as it is.</source>
        <translation> wurde von einer neueren Version geschrieben; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Cannot remove </source>
        <translation>Kann nicht entfernen: </translation>
    </message>
</context>
<context>
    <name>LabelTemplateReader</name>
    <message>
        <source>a free outline (path) cannot be printed</source>
        <translation>ein freier Umriss (Pfad) kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>a continuous roll cannot be printed</source>
        <translation>eine Endlosrolle kann nicht bedruckt werden</translation>
    </message>
    <message>
        <source>the label shape </source>
        <translation>die Etikettenform </translation>
    </message>
    <message>
        <source> cannot be used</source>
        <translation> kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>no length: </source>
        <translation>keine Länge: </translation>
    </message>
    <message>
        <source>too many layouts</source>
        <translation>zu viele Anordnungen</translation>
    </message>
    <message>
        <source>a layout has no usable nx or ny</source>
        <translation>eine Anordnung hat kein brauchbares nx oder ny</translation>
    </message>
    <message>
        <source>it copies the unknown part </source>
        <translation>sie kopiert das unbekannte Teil </translation>
    </message>
    <message>
        <source>it has no label</source>
        <translation>sie hat kein Etikett</translation>
    </message>
    <message>
        <source>too many templates</source>
        <translation>zu viele Vorlagen</translation>
    </message>
    <message>
        <source>template </source>
        <translation>Vorlage </translation>
    </message>
    <message>
        <source>it is no template file (</source>
        <translation>sie ist keine Vorlagendatei (</translation>
    </message>
    <message>
        <source>it holds no template</source>
        <translation>sie enthält keine Vorlage</translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>Kann nicht lesen: </translation>
    </message>
    <message>
        <source>The template file </source>
        <translation>Die Vorlagendatei </translation>
    </message>
    <message>
        <source> is too large.</source>
        <translation> ist zu groß.</translation>
    </message>
    <message>
        <source> cannot be used: </source>
        <translation> kann nicht verwendet werden: </translation>
    </message>
    <message>
        <source>its first label has no layout</source>
        <translation>ihr erstes Etikett hat keine Anordnung</translation>
    </message>
    <message>
        <source>too many markups</source>
        <translation>zu viele Markierungen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Scan cover - choose scanner and click on &quot;Go scan!&quot;</source>
        <translation>Cover scannen - Scanner wählen und auf &quot;Scannen!&quot; klicken</translation>
    </message>
    <message>
        <source>Print - choose number of elemets and click on &quot;Go!&quot;</source>
        <translation>Drucken - Anzahl der Elemente wählen und auf &quot;Los!&quot; klicken</translation>
    </message>
    <message>
        <source>Scan cover</source>
        <translation>Cover scannen</translation>
    </message>
    <message>
        <source>Retouch - crop to selection and use filters</source>
        <translation>Retuschieren - auf die Auswahl zuschneiden und Filter anwenden</translation>
    </message>
    <message>
        <source>Retouch picture</source>
        <translation>Bild retuschieren</translation>
    </message>
    <message>
        <source>Texts - add text objects or geometric objects</source>
        <translation>Texte - Textobjekte oder geometrische Objekte hinzufügen</translation>
    </message>
    <message>
        <source>Center - choose the paper format and center the scan</source>
        <translation>Zentrieren - Papierformat wählen und den Scan zentrieren</translation>
    </message>
    <message>
        <source>Center cover</source>
        <translation>Cover zentrieren</translation>
    </message>
    <message>
        <source>Print cover</source>
        <translation>Cover drucken</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Retouch</source>
        <translation>Retuschieren</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Create new Cover</source>
        <translation>Neues Cover anlegen</translation>
    </message>
    <message>
        <source>Open Cover..</source>
        <translation>Cover öffnen...</translation>
    </message>
    <message>
        <source>Save Cover</source>
        <translation>Cover speichern</translation>
    </message>
    <message>
        <source>Save Cover as...</source>
        <translation>Cover speichern unter...</translation>
    </message>
    <message>
        <source>Go to the TAVIRON website...</source>
        <translation>Zur Website von TAVIRON...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Information about the program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You are going to leave the program.</source>
        <translation>Sie sind dabei, das Programm zu verlassen.</translation>
    </message>
    <message>
        <source>Go scan!</source>
        <translation>Scannen!</translation>
    </message>
    <message>
        <source>Start to scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Scanner...</source>
        <translation>Scanner...</translation>
    </message>
    <message>
        <source>Select the scanner</source>
        <translation>Scanner auswählen</translation>
    </message>
    <message>
        <source>Cancel scan</source>
        <translation>Scan abbrechen</translation>
    </message>
    <message>
        <source>Stops the running scan (Esc)</source>
        <translation>Hält den laufenden Scan an (Esc)</translation>
    </message>
    <message>
        <source>You leave the program now.</source>
        <translation>Sie verlassen jetzt das Programm.</translation>
    </message>
    <message>
        <source>Quit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Copy to parts...</source>
        <translation>In Teile kopieren...</translation>
    </message>
    <message>
        <source>New from music...</source>
        <translation>Neu aus Musik...</translation>
    </message>
    <message>
        <source>Make a new design from a folder of music, a cue sheet or a playlist</source>
        <translation>Ein neues Design aus einem Ordner mit Musik, einer Cue-Datei oder einer Wiedergabeliste erstellen</translation>
    </message>
</context>
<context>
    <name>MergeDialog</name>
    <message>
        <source>Merge</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>No table: the copies are numbered, every one with the same texts</source>
        <translation>Keine Tabelle: die Exemplare werden nummeriert, jedes mit denselben Texten</translation>
    </message>
    <message>
        <source>Table...</source>
        <translation>Tabelle...</translation>
    </message>
    <message>
        <source>No table</source>
        <translation>Keine Tabelle</translation>
    </message>
    <message>
        <source>The number {n} has on the first copy; {N} is the number of copies</source>
        <translation>Die Nummer {n} des ersten Exemplars; {N} ist die Zahl der Exemplare</translation>
    </message>
    <message>
        <source>First number:</source>
        <translation>Erste Nummer:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open merge table</source>
        <translation>Serientabelle öffnen</translation>
    </message>
    <message>
        <source>Tables (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt</source>
        <translation>Tabellen (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt</translation>
    </message>
    <message>
        <source>%1 lines, one copy each. </source>
        <translation>%1 Zeilen, je ein Exemplar. </translation>
    </message>
</context>
<context>
    <name>MergeTable</name>
    <message>
        <source>has no header line</source>
        <translation>hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields</source>
        <translation>Zeile %1 hat mehr als %2 Felder</translation>
    </message>
    <message>
        <source>the quoted field on line %1 never ends</source>
        <translation>das Feld in Anführungszeichen in Zeile %1 endet nie</translation>
    </message>
    <message>
        <source>line %1 has %2 fields, the header names %3</source>
        <translation>Zeile %1 hat %2 Felder, die Kopfzeile nennt %3</translation>
    </message>
    <message>
        <source>holds more than %1 fields</source>
        <translation>enthält mehr als %1 Felder</translation>
    </message>
</context>
<context>
    <name>NextPosition</name>
    <message>
        <source>The remembered print positions </source>
        <translation>Die gemerkten Druckpositionen </translation>
    </message>
    <message>
        <source> are damaged (</source>
        <translation> sind beschädigt (</translation>
    </message>
    <message>
        <source>); every sheet starts fresh.</source>
        <translation>); jeder Bogen beginnt neu.</translation>
    </message>
    <message>
        <source>not a file of print positions</source>
        <translation>keine Datei mit Druckpositionen</translation>
    </message>
    <message>
        <source>impossible number of formats</source>
        <translation>unmögliche Anzahl von Formaten</translation>
    </message>
    <message>
        <source> ends early</source>
        <translation> endet zu früh</translation>
    </message>
    <message>
        <source> holds impossible positions</source>
        <translation> enthält unmögliche Positionen</translation>
    </message>
    <message>
        <source>bytes after the last entry</source>
        <translation>Bytes nach dem letzten Eintrag</translation>
    </message>
    <message>
        <source>The remembered print positions %1 are damaged (%2); the formats after the damage start fresh.</source>
        <translation>Die gemerkten Druckpositionen %1 sind beschädigt (%2); die Formate nach der beschädigten Stelle beginnen neu.</translation>
    </message>
</context>
<context>
    <name>ObjectMenu</name>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>The object is a circle</source>
        <translation>Das Objekt ist ein Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>The object is an ellipse</source>
        <translation>Das Objekt ist eine Ellipse</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>The object is a square</source>
        <translation>Das Objekt ist ein Quadrat</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>The object is a rectangle</source>
        <translation>Das Objekt ist ein Rechteck</translation>
    </message>
    <message>
        <source>Square rounded</source>
        <translation>Abgerundetes Quadrat</translation>
    </message>
    <message>
        <source>The object is a rounded square</source>
        <translation>Das Objekt ist ein abgerundetes Quadrat</translation>
    </message>
    <message>
        <source>Rectangle rounded</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>The object is a rounded rectangle</source>
        <translation>Das Objekt ist ein abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Line horizontal</source>
        <translation>Waagerechte Linie</translation>
    </message>
    <message>
        <source>The object is a horizontal line</source>
        <translation>Das Objekt ist eine waagerechte Linie</translation>
    </message>
    <message>
        <source>Line vertical</source>
        <translation>Senkrechte Linie</translation>
    </message>
    <message>
        <source>The object is a vertical line</source>
        <translation>Das Objekt ist eine senkrechte Linie</translation>
    </message>
    <message>
        <source>Line slanted up</source>
        <translation>Linie schräg nach oben</translation>
    </message>
    <message>
        <source>Line slanted down</source>
        <translation>Linie schräg nach unten</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Remove the object</source>
        <translation>Das Objekt entfernen</translation>
    </message>
    <message>
        <source>To the front</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>Brings the object in front of all others</source>
        <translation>Bringt das Objekt vor alle anderen</translation>
    </message>
    <message>
        <source>To the back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Brings the object behind all others</source>
        <translation>Bringt das Objekt hinter alle anderen</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Cange to color of the object</source>
        <translation>Die Farbe des Objekts ändern</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Changes to font</source>
        <translation>Ändert die Schrift</translation>
    </message>
    <message>
        <source>Text effects...</source>
        <translation>Texteffekte...</translation>
    </message>
    <message>
        <source>Left aligned</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right aligned</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Rotate to the left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate to the right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Track list...</source>
        <translation>Titelliste...</translation>
    </message>
    <message>
        <source>Place picture...</source>
        <translation>Bild platzieren...</translation>
    </message>
    <message>
        <source>Places a picture file where the menu opened</source>
        <translation>Platziert eine Bilddatei dort, wo das Menü geöffnet wurde</translation>
    </message>
</context>
<context>
    <name>ObjectTable</name>
    <message>
        <source>The are to many objects</source>
        <translation>Es gibt zu viele Objekte</translation>
    </message>
    <message>
        <source>No free object</source>
        <translation>Kein freies Objekt</translation>
    </message>
    <message>
        <source>Do you want to remove the object?</source>
        <translation>Möchten Sie das Objekt entfernen?</translation>
    </message>
    <message>
        <source>Delete object</source>
        <translation>Objekt löschen</translation>
    </message>
</context>
<context>
    <name>PageRange</name>
    <message>
        <source>&quot;%1&quot; is no list of pages such as 2-3,5</source>
        <translation>&quot;%1&quot; ist keine Liste von Seiten wie 2-3,5</translation>
    </message>
    <message>
        <source>no page given</source>
        <translation>keine Seite angegeben</translation>
    </message>
    <message>
        <source>there is no page %1; the pages are 1 to %2</source>
        <translation>es gibt keine Seite %1; die Seiten sind 1 bis %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of positions such as 2-3,5</source>
        <translation>&quot;%1&quot; ist keine Liste von Positionen wie 2-3,5</translation>
    </message>
    <message>
        <source>no position given</source>
        <translation>keine Position angegeben</translation>
    </message>
    <message>
        <source>there is no position %1; the positions are 1 to %2</source>
        <translation>es gibt keine Position %1; die Positionen sind 1 bis %2</translation>
    </message>
</context>
<context>
    <name>PaperFile</name>
    <message>
        <source>The paper format file </source>
        <translation>Die Papierformat-Datei </translation>
    </message>
    <message>
        <source> is damaged: </source>
        <translation> ist beschädigt: </translation>
    </message>
    <message>
        <source> cannot be read (</source>
        <translation> kann nicht gelesen werden (</translation>
    </message>
    <message>
        <source>it is too short.</source>
        <translation>sie ist zu kurz.</translation>
    </message>
    <message>
        <source>it is no paper format file.</source>
        <translation>sie ist keine Papierformat-Datei.</translation>
    </message>
    <message>
        <source>it claims </source>
        <translation>sie gibt an: </translation>
    </message>
    <message>
        <source> paper formats.</source>
        <translation> Papierformate.</translation>
    </message>
    <message>
        <source>paper format </source>
        <translation>Papierformat </translation>
    </message>
    <message>
        <source> holds impossible values.</source>
        <translation> enthält unmögliche Werte.</translation>
    </message>
    <message>
        <source>it holds only </source>
        <translation>sie enthält nur </translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
</context>
<context>
    <name>PaperFormat</name>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
</context>
<context>
    <name>PaperFormatDialog</name>
    <message>
        <source>Edit paper format</source>
        <translation>Papierformat bearbeiten</translation>
    </message>
    <message>
        <source>Description of the paper format</source>
        <translation>Beschreibung des Papierformats</translation>
    </message>
    <message>
        <source>Margins in inch</source>
        <translation>Ränder in Zoll</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Extents in inch</source>
        <translation>Abmessungen in Zoll</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Space between the elements</source>
        <translation>Abstand zwischen den Elementen</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>Waagerecht:</translation>
    </message>
    <message>
        <source>Vertical:</source>
        <translation>Senkrecht:</translation>
    </message>
    <message>
        <source>Number of elements per Sheet</source>
        <translation>Anzahl der Elemente pro Bogen</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>Einheiten:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Margins in </source>
        <translation>Ränder in </translation>
    </message>
    <message>
        <source>Extents in </source>
        <translation>Abmessungen in </translation>
    </message>
</context>
<context>
    <name>PaperFormatList</name>
    <message>
        <source>: the list would hold more than </source>
        <translation>: die Liste hätte mehr als </translation>
    </message>
    <message>
        <source> paper formats.</source>
        <translation> Papierformate.</translation>
    </message>
    <message>
        <source>its sizes or positions are impossible.</source>
        <translation>seine Größen oder Positionen sind unmöglich.</translation>
    </message>
    <message>
        <source>: the label </source>
        <translation>: das Etikett </translation>
    </message>
    <message>
        <source> cannot be kept: </source>
        <translation> kann nicht übernommen werden: </translation>
    </message>
</context>
<context>
    <name>PaperFormatPanel</name>
    <message>
        <source>Paper format</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Catalogue...</source>
        <translation>Katalog...</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Displacement left/right:</source>
        <translation>Verschiebung links/rechts:</translation>
    </message>
    <message>
        <source>Displacement top/bottom:</source>
        <translation>Verschiebung oben/unten:</translation>
    </message>
    <message>
        <source>
The file is kept as </source>
        <translation>
Die Datei wird beim Speichern der Liste aufbewahrt als </translation>
    </message>
    <message>
        <source>.damaged when the list is saved.</source>
        <translation>.damaged.</translation>
    </message>
    <message>
        <source>
The file is left as it is.</source>
        <translation>
Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The paper format list cannot be saved, because </source>
        <translation>Die Liste der Papierformate kann nicht gespeichert werden, weil </translation>
    </message>
    <message>
        <source>
The change is kept until the program ends.</source>
        <translation>
Die Änderung bleibt bis zum Ende des Programms erhalten.</translation>
    </message>
    <message>
        <source>No name%1</source>
        <translation>Kein Name%1</translation>
    </message>
    <message>
        <source>Do you want to remove this paper format?</source>
        <translation>Möchten Sie dieses Papierformat entfernen?</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The paper format cannot be used: </source>
        <translation>Das Papierformat kann nicht verwendet werden: </translation>
    </message>
    <message>
        <source>Import paper formats</source>
        <translation>Papierformate importieren</translation>
    </message>
    <message>
        <source>Label templates (*.xml;*.template)|*.xml;*.template|All files (*)|*</source>
        <translation>Etikettenvorlagen (*.xml;*.template)|*.xml;*.template|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>Export the paper format</source>
        <translation>Das Papierformat exportieren</translation>
    </message>
    <message>
        <source>Label templates (*.xml)|*.xml</source>
        <translation>Etikettenvorlagen (*.xml)|*.xml</translation>
    </message>
    <message>
        <source> cannot be read.</source>
        <translation> nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>
The changes are kept until the program ends.</source>
        <translation>
Die Änderungen bleiben bis zum Ende des Programms erhalten.</translation>
    </message>
</context>
<context>
    <name>PartBar</name>
    <message>
        <source>The parts of the design: right click to add, duplicate or remove one, double click to rename it</source>
        <translation>Die Teile des Entwurfs: Rechtsklick zum Hinzufügen, Duplizieren oder Entfernen, Doppelklick zum Umbenennen</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>Do you want to remove the part %1?</source>
        <translation>Möchten Sie den Teil %1 entfernen?</translation>
    </message>
    <message>
        <source>Remove part</source>
        <translation>Teil entfernen</translation>
    </message>
    <message>
        <source>Add part</source>
        <translation>Teil hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate part</source>
        <translation>Teil duplizieren</translation>
    </message>
    <message>
        <source>Rename part</source>
        <translation>Teil umbenennen</translation>
    </message>
    <message>
        <source>New design from preset</source>
        <translation>Neuer Entwurf nach Vorlage</translation>
    </message>
</context>
<context>
    <name>PartEdits</name>
    <message>
        <source>a design holds at most %1 parts</source>
        <translation>ein Entwurf hat höchstens %1 Teile</translation>
    </message>
    <message>
        <source>the only part of a design cannot be removed</source>
        <translation>der einzige Teil eines Entwurfs kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>the part %1 has no free object</source>
        <translation>der Teil %1 hat kein freies Objekt</translation>
    </message>
</context>
<context>
    <name>PartPresets</name>
    <message>
        <source>CD jewel case</source>
        <translation>CD-Jewel-Case</translation>
    </message>
    <message>
        <source>Booklet front</source>
        <translation>Booklet-Vorderseite</translation>
    </message>
    <message>
        <source>Tray inlay</source>
        <translation>Tray-Inlay</translation>
    </message>
    <message>
        <source>Disc label</source>
        <translation>Disc-Etikett</translation>
    </message>
    <message>
        <source>CD slim case</source>
        <translation>CD-Slim-Case</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>DVD case</source>
        <translation>DVD-Hülle</translation>
    </message>
    <message>
        <source>Wrap-around cover</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Paper sleeve</source>
        <translation>Papierhülle</translation>
    </message>
</context>
<context>
    <name>PartPrints</name>
    <message>
        <source>%1: the part has no paper format</source>
        <translation>%1: der Teil hat kein Papierformat</translation>
    </message>
</context>
<context>
    <name>PcxFormat</name>
    <message>
        <source>the file is not a PCX picture</source>
        <translation>die Datei ist kein PCX-Bild</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>this kind of PCX picture is not supported</source>
        <translation>diese Art von PCX-Bild wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the PCX row length is too short for the picture</source>
        <translation>die PCX-Zeilenlänge ist zu kurz für das Bild</translation>
    </message>
    <message>
        <source>the colour table at the end of the PCX file is missing</source>
        <translation>die Farbtabelle am Ende der PCX-Datei fehlt</translation>
    </message>
</context>
<context>
    <name>PictureBuild</name>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>the picture is empty or of an unknown depth</source>
        <translation>das Bild ist leer oder hat eine unbekannte Farbtiefe</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the run-length data runs past the end of the picture</source>
        <translation>die lauflängenkodierten Daten reichen über das Ende des Bildes hinaus</translation>
    </message>
    <message>
        <source>a pixel refers to a colour the colour table does not hold</source>
        <translation>ein Pixel verweist auf eine Farbe, die die Farbtabelle nicht enthält</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Open picture...</source>
        <translation>Bild öffnen...</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The file &quot;</source>
        <translation>Die Datei &quot;</translation>
    </message>
    <message>
        <source>&quot; already exists. Do you want to replace it?</source>
        <translation>&quot; ist bereits vorhanden. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Place picture</source>
        <translation>Bild platzieren</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened: %2.</source>
        <translation>Das Bild &quot;%1&quot; konnte nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>All pictures|*.BMP;*.DIB;*.GIF;*.IFF;*.JIF;*.JPG;*.LBM;*.PCX;*.RLE;*.TGA;*.TIF;*.PNG|BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|JIF - JPEG - JFIF Compilant|*.JIF|JPG - JPEG - JFIF Compilant|*.JPG|LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|TGA - Truevision Targa|*.TGA|TIF - Tagged image file Format|*.TIF|PNG - Portable Graphics Network|*.PNG|All files (*.*)|*.*</source>
        <translation>Alle Bilder|*.BMP;*.DIB;*.GIF;*.IFF;*.JIF;*.JPG;*.LBM;*.PCX;*.RLE;*.TGA;*.TIF;*.PNG|BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|JIF - JPEG - JFIF|*.JIF|JPG - JPEG - JFIF|*.JPG|LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|TGA - Truevision Targa|*.TGA|TIF - Tagged Image File Format|*.TIF|PNG - Portable Network Graphics|*.PNG|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|JIF - JPEG - JFIF Compilant|*.JIF|JPG - JPEG - JFIF Compilant|*.JPG|LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|TGA - Truevision Targa|*.TGA|TIF - Tagged image file Format|*.TIF|PNG - Portable Graphics Network|*.PNG</source>
        <translation>BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|JIF - JPEG - JFIF|*.JIF|JPG - JPEG - JFIF|*.JPG|LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|TGA - Truevision Targa|*.TGA|TIF - Tagged Image File Format|*.TIF|PNG - Portable Network Graphics|*.PNG</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file</source>
        <translation>es ist nicht genug Speicher vorhanden, um die Datei zu lesen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not a picture of a known format</source>
        <translation>die Datei ist kein Bild eines bekannten Formats</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>das Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the file format is unknown</source>
        <translation>das Dateiformat ist unbekannt</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>there is not enough memory to save the picture</source>
        <translation>es ist nicht genug Speicher vorhanden, um das Bild zu speichern</translation>
    </message>
    <message>
        <source>The picture &quot;</source>
        <translation>Das Bild &quot;</translation>
    </message>
    <message>
        <source>&quot; could not be opened: </source>
        <translation>&quot; konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;</source>
        <translation>Das Bild konnte nicht gespeichert werden als &quot;</translation>
    </message>
</context>
<context>
    <name>PictureObject</name>
    <message>
        <source>the picture cannot be placed</source>
        <translation>das Bild kann nicht platziert werden</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>a placed picture is not a PNG picture</source>
        <translation>ein platziertes Bild ist kein PNG-Bild</translation>
    </message>
    <message>
        <source>a placed picture is too large</source>
        <translation>ein platziertes Bild ist zu groß</translation>
    </message>
    <message>
        <source>the placed pictures are too large together</source>
        <translation>die platzierten Bilder sind zusammen zu groß</translation>
    </message>
    <message>
        <source>a placed picture is damaged</source>
        <translation>ein platziertes Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the transparency of a placed picture is damaged</source>
        <translation>die Transparenz eines platzierten Bildes ist beschädigt</translation>
    </message>
    <message>
        <source>a placed picture is damaged: %1</source>
        <translation>ein platziertes Bild ist beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Replace picture...</source>
        <translation>Bild ersetzen...</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Ausfüllen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>The whole picture in the box, in its proportions</source>
        <translation>Das ganze Bild im Rahmen, in seinen Proportionen</translation>
    </message>
    <message>
        <source>The box filled in the picture&apos;s proportions, the rest cut off</source>
        <translation>Der Rahmen in den Proportionen des Bildes gefüllt, der Rest abgeschnitten</translation>
    </message>
    <message>
        <source>The picture stretched to the box</source>
        <translation>Das Bild auf den Rahmen gestreckt</translation>
    </message>
    <message>
        <source>Turn a quarter</source>
        <translation>Um eine Vierteldrehung drehen</translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation>Links und rechts spiegeln</translation>
    </message>
    <message>
        <source>Mirror top to bottom</source>
        <translation>Oben und unten spiegeln</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Transparent colour</source>
        <translation>Transparente Farbe</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Toleranz:</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Frame color...</source>
        <translation>Rahmenfarbe...</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>Linienstärke:</translation>
    </message>
    <message>
        <source>Leaves out one colour of the picture (at first the colour of its top left corner), so the cover shows through</source>
        <translation>Lässt eine Farbe des Bildes weg (zuerst die Farbe seiner linken oberen Ecke), sodass das Cover durchscheint</translation>
    </message>
    <message>
        <source>Pick colour...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>Shows the picture: a click chooses the colour left out</source>
        <translation>Zeigt das Bild: ein Klick wählt die Farbe, die wegfällt</translation>
    </message>
    <message>
        <source>Shadow colour...</source>
        <translation>Schattenfarbe...</translation>
    </message>
    <message>
        <source>Shadow offset:</source>
        <translation>Schattenversatz:</translation>
    </message>
</context>
<context>
    <name>PicturePointDialog</name>
    <message>
        <source>Pick colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Click the colour to leave out.</source>
        <translation>Klicken Sie auf die Farbe, die wegfallen soll.</translation>
    </message>
</context>
<context>
    <name>PngAlpha</name>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
</context>
<context>
    <name>PngFormat</name>
    <message>
        <source>the chunk &quot;</source>
        <translation>der Block &quot;</translation>
    </message>
    <message>
        <source>&quot; is longer than the rest of the file</source>
        <translation>&quot; ist länger als der Rest der Datei</translation>
    </message>
    <message>
        <source>the palette is missing</source>
        <translation>die Palette fehlt</translation>
    </message>
    <message>
        <source>this is not a PNG file</source>
        <translation>dies ist keine PNG-Datei</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the picture&apos;s depth is not supported</source>
        <translation>die Farbtiefe des Bildes wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The print job could not be completed.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The paper format&apos;s element is too large to print.</source>
        <translation>Das Element des Papierformats ist zu groß zum Drucken.</translation>
    </message>
    <message>
        <source>Print into a PDF file</source>
        <translation>In eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The print job could not be started: </source>
        <translation>Der Druckauftrag konnte nicht gestartet werden: </translation>
    </message>
</context>
<context>
    <name>PrintPanel</name>
    <message>
        <source>Positions that are already printed</source>
        <translation>Positionen, die bereits bedruckt sind</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Exemplare</translation>
    </message>
    <message>
        <source>Already used:</source>
        <translation>Bereits benutzt:</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Exemplare:</translation>
    </message>
    <message>
        <source>Current page:</source>
        <translation>Aktuelle Seite:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Continue where the last print ended</source>
        <translation>Dort weitermachen, wo der letzte Druck endete</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Prints only these sheets of the job again, such as 2-3,5</source>
        <translation>Druckt nur diese Bögen des Auftrags noch einmal, etwa 2-3,5</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Umrisse</translation>
    </message>
    <message>
        <source>Prints each element&apos;s outline, for a dry run on plain paper</source>
        <translation>Druckt den Umriss jedes Elements, für einen Probelauf auf Normalpapier</translation>
    </message>
    <message>
        <source>Crop marks</source>
        <translation>Schnittmarken</translation>
    </message>
    <message>
        <source>Prints marks outside the corners of rectangular elements</source>
        <translation>Druckt Marken außerhalb der Ecken rechteckiger Elemente</translation>
    </message>
    <message>
        <source>Photos as JPEG</source>
        <translation>Fotos als JPEG</translation>
    </message>
    <message>
        <source>A PDF file holds photographs as JPEG: a much smaller file, with slight losses</source>
        <translation>Eine PDF-Datei enthält Fotos als JPEG: eine viel kleinere Datei, mit geringen Verlusten</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Printer setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Start the print process!</source>
        <translation>Den Druckvorgang starten!</translation>
    </message>
    <message>
        <source>Calibrate printer...</source>
        <translation>Drucker kalibrieren...</translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>Seiten: </translation>
    </message>
    <message>
        <source>You have to select a paper format under &quot;Center&quot; first.</source>
        <translation>Wählen Sie zuerst unter „Zentrieren“ ein Papierformat aus.</translation>
    </message>
    <message>
        <source>Merge...</source>
        <translation>Serie...</translation>
    </message>
    <message>
        <source>Prints one copy per line of a table, or numbers the copies</source>
        <translation>Druckt ein Exemplar je Tabellenzeile oder nummeriert die Exemplare</translation>
    </message>
    <message>
        <source>%1: a copy for each of its %2 lines</source>
        <translation>%1: ein Exemplar für jede ihrer %2 Zeilen</translation>
    </message>
    <message>
        <source>Print the same page on plain paper as a dry run?</source>
        <translation>Dieselbe Seite zur Probe auf Normalpapier drucken?</translation>
    </message>
    <message>
        <source>Print all parts</source>
        <translation>Alle Teile drucken</translation>
    </message>
    <message>
        <source>Prints every part of the design on its own paper format in one job, in part order</source>
        <translation>Druckt jeden Teil des Entwurfs auf seinem eigenen Papierformat in einem Auftrag, in der Reihenfolge der Teile</translation>
    </message>
</context>
<context>
    <name>PrinterCalibrations</name>
    <message>
        <source>The printer calibrations </source>
        <translation>Die Druckerkalibrierungen </translation>
    </message>
    <message>
        <source> are damaged (</source>
        <translation> sind beschädigt (</translation>
    </message>
    <message>
        <source>); every printer uses the calibration of options.dat.</source>
        <translation>); jeder Drucker verwendet die Kalibrierung aus options.dat.</translation>
    </message>
    <message>
        <source>not a printer calibrations file</source>
        <translation>keine Datei mit Druckerkalibrierungen</translation>
    </message>
    <message>
        <source>impossible number of printers</source>
        <translation>unmögliche Anzahl von Druckern</translation>
    </message>
    <message>
        <source> has no readable printer name</source>
        <translation> hat keinen lesbaren Druckernamen</translation>
    </message>
    <message>
        <source> ends early</source>
        <translation> endet zu früh</translation>
    </message>
    <message>
        <source> holds values outside their ranges</source>
        <translation> enthält Werte außerhalb ihrer Bereiche</translation>
    </message>
    <message>
        <source>bytes after the last entry</source>
        <translation>Bytes nach dem letzten Eintrag</translation>
    </message>
    <message>
        <source>The printer name </source>
        <translation>Der Druckername </translation>
    </message>
    <message>
        <source> is longer than 255 bytes; its calibration cannot be kept.</source>
        <translation> ist länger als 255 Bytes; seine Kalibrierung kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The printer calibrations %1 are damaged (%2); the printers after the damage use the calibration of options.dat.</source>
        <translation>Die Druckerkalibrierungen %1 sind beschädigt (%2); die Drucker nach der beschädigten Stelle verwenden die Kalibrierung aus options.dat.</translation>
    </message>
</context>
<context>
    <name>ProductCatalogue</name>
    <message>
        <source>The label template database is not installed. Install the package glabels-data (sudo apt-get install glabels-data) and open the catalogue again.
</source>
        <translation>Die Datenbank der Etikettenvorlagen ist nicht installiert. Installieren Sie das Paket glabels-data (sudo apt-get install glabels-data) und öffnen Sie den Katalog erneut.
</translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>Kann nicht lesen: </translation>
    </message>
    <message>
        <source>The template file </source>
        <translation>Die Vorlagendatei </translation>
    </message>
    <message>
        <source> cannot be used</source>
        <translation> kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>There are more than </source>
        <translation>Es gibt mehr als </translation>
    </message>
    <message>
        <source> templates; the rest are left out.
</source>
        <translation> Vorlagen; der Rest wird ausgelassen.
</translation>
    </message>
    <message>
        <source>unknown paper</source>
        <translation>unbekanntes Papier</translation>
    </message>
    <message>
        <source>not printable: </source>
        <translation>nicht druckbar: </translation>
    </message>
    <message>
        <source>rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>round</source>
        <translation>rund</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>disc</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>a sheet shaped like a disc tray, for printers whose driver has no disc mode; with one, print on a printable disc format instead</source>
        <translation>ein Bogen in der Form einer Rohlingschublade, für Drucker, deren Treiber keinen Rohlingmodus hat; mit einem solchen drucken Sie stattdessen auf ein Format für bedruckbare Rohlinge</translation>
    </message>
    <message>
        <source>all parts</source>
        <translation>alle Teile</translation>
    </message>
</context>
<context>
    <name>ProductCatalogueDialog</name>
    <message>
        <source>Catalogue of label and cover products</source>
        <translation>Katalog der Etiketten- und Cover-Produkte</translation>
    </message>
    <message>
        <source>Maker, part number or description</source>
        <translation>Hersteller, Teilenummer oder Beschreibung</translation>
    </message>
    <message>
        <source>Any category</source>
        <translation>Jede Kategorie</translation>
    </message>
    <message>
        <source>Any paper</source>
        <translation>Jedes Papier</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Any shape</source>
        <translation>Jede Form</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> (cannot be printed)</source>
        <translation> (nicht druckbar)</translation>
    </message>
    <message>
        <source>No product matches.</source>
        <translation>Kein Produkt passt.</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papier: %1</translation>
    </message>
    <message>
        <source> (%1 x %2 mm)</source>
        <translation> (%1 x %2 mm)</translation>
    </message>
    <message>
        <source>
Cannot be added: %1.</source>
        <translation>
Kann nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>
Element: %1 x %2 mm, %3</source>
        <translation>
Element: %1 x %2 mm, %3</translation>
    </message>
    <message>
        <source>, corners %1 mm</source>
        <translation>, Ecken %1 mm</translation>
    </message>
    <message>
        <source>, cut from a disc of %1 mm</source>
        <translation>, aus einer Scheibe von %1 mm geschnitten</translation>
    </message>
    <message>
        <source>, hole %1 mm</source>
        <translation>, Loch %1 mm</translation>
    </message>
    <message>
        <source>
Per sheet: %1</source>
        <translation>
Pro Bogen: %1</translation>
    </message>
    <message>
        <source> in %1 groups</source>
        <translation> in %1 Gruppen</translation>
    </message>
    <message>
        <source>
First element: %1 mm from the left, %2 mm from the top</source>
        <translation>
Erstes Element: %1 mm von links, %2 mm von oben</translation>
    </message>
    <message>
        <source>
Steps: %1 mm across, %2 mm down</source>
        <translation>
Abstände: %1 mm waagerecht, %2 mm senkrecht</translation>
    </message>
    <message>
        <source>
Note: %1.</source>
        <translation>
Hinweis: %1.</translation>
    </message>
    <message>
        <source>
The parts of one sheet: %1</source>
        <translation>
Die Teile eines Bogens: %1</translation>
    </message>
</context>
<context>
    <name>PropertyPages</name>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Square rounded</source>
        <translation>Abgerundetes Quadrat</translation>
    </message>
    <message>
        <source>Rectangle rounded</source>
        <translation>Abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Line horizontal</source>
        <translation>Waagerechte Linie</translation>
    </message>
    <message>
        <source>Line vertical</source>
        <translation>Senkrechte Linie</translation>
    </message>
    <message>
        <source>Line slanted up</source>
        <translation>Linie schräg nach oben</translation>
    </message>
    <message>
        <source>Line slanted down</source>
        <translation>Linie schräg nach unten</translation>
    </message>
    <message>
        <source>Kind of object</source>
        <translation>Art des Objekts</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Border color...</source>
        <translation>Rahmenfarbe...</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source>Only boder</source>
        <translation>Nur Rahmen</translation>
    </message>
    <message>
        <source>Filled with border</source>
        <translation>Gefüllt mit Rahmen</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>Linienstärke:</translation>
    </message>
    <message>
        <source>Enter texts...</source>
        <translation>Texte eingeben...</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Text effects...</source>
        <translation>Texteffekte...</translation>
    </message>
    <message>
        <source>Left aligned</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right aligned</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Rotate to the left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate to the right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>To the front</source>
        <translation>Nach vorne</translation>
    </message>
    <message>
        <source>To the back</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Click an object to change it here, or choose Object, Text, Note or Picture and click on the picture to place one.</source>
        <translation>Klicken Sie auf ein Objekt, um es hier zu ändern, oder wählen Sie Objekt, Text, Notiz oder Bild und klicken Sie auf das Bild, um eines zu platzieren.</translation>
    </message>
</context>
<context>
    <name>QueueOptions</name>
    <message>
        <source>its driver description cannot be read: </source>
        <translation>seine Treiberbeschreibung kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>CUPS gives no driver description for it (</source>
        <translation>CUPS liefert keine Treiberbeschreibung dafür (</translation>
    </message>
    <message>
        <source>the CUPS library (libcups.so.2) cannot be loaded</source>
        <translation>die CUPS-Bibliothek (libcups.so.2) kann nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>der Zugriff wird verweigert</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the medium is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is not a file but a device or a pipe</source>
        <translation>es ist keine Datei, sondern ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>the folder </source>
        <translation>der Ordner </translation>
    </message>
    <message>
        <source> does not exist</source>
        <translation> existiert nicht</translation>
    </message>
    <message>
        <source> cannot be reached: </source>
        <translation> ist nicht erreichbar: </translation>
    </message>
    <message>
        <source> is not a folder</source>
        <translation> ist kein Ordner</translation>
    </message>
    <message>
        <source> cannot be written in: </source>
        <translation> kann nicht beschrieben werden: </translation>
    </message>
</context>
<context>
    <name>RetouchMenus</name>
    <message>
        <source>Brightness and contrast...</source>
        <translation>Helligkeit und Kontrast...</translation>
    </message>
    <message>
        <source>Change the brightness and contrast</source>
        <translation>Helligkeit und Kontrast ändern</translation>
    </message>
    <message>
        <source>Rotate 90 degrees to the left</source>
        <translation>Um 90 Grad nach links drehen</translation>
    </message>
    <message>
        <source>Rotate the picture 90 degrees to the left</source>
        <translation>Das Bild um 90 Grad nach links drehen</translation>
    </message>
    <message>
        <source>Rotate 90 degrees to the right</source>
        <translation>Um 90 Grad nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate the picture 90 degrees to the right</source>
        <translation>Das Bild um 90 Grad nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Mirror horizontal</source>
        <translation>Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Mirror vertical</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <source>Crop to selection</source>
        <translation>Auf Auswahl zuschneiden</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the picture to a file</source>
        <translation>Das Bild in einer Datei speichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Opens the file menu</source>
        <translation>Öffnet das Dateimenü</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Use effect filter ...</source>
        <translation>Effektfilter anwenden ...</translation>
    </message>
    <message>
        <source>Retouch</source>
        <translation>Retuschieren</translation>
    </message>
    <message>
        <source>Retouch pictures</source>
        <translation>Bilder retuschieren</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom in and zoom out the picture</source>
        <translation>Das Bild vergrößern und verkleinern</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Macht die letzte Änderung rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Wiederholt die zuletzt rückgängig gemachte Änderung</translation>
    </message>
</context>
<context>
    <name>SaneDevice</name>
    <message>
        <source>The scanner refused the setting &quot;</source>
        <translation>Der Scanner hat die Einstellung abgelehnt: &quot;</translation>
    </message>
    <message>
        <source>The scanner library cannot be started: </source>
        <translation>Die Scanner-Bibliothek kann nicht gestartet werden: </translation>
    </message>
    <message>
        <source>The scanner library (libsane.so.1) cannot be loaded</source>
        <translation>Die Scanner-Bibliothek (libsane.so.1) kann nicht geladen werden</translation>
    </message>
    <message>
        <source>The scanners cannot be listed: </source>
        <translation>Die Scanner können nicht aufgelistet werden: </translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Es wurde kein Scanner gefunden.</translation>
    </message>
    <message>
        <source>The scanner &quot;</source>
        <translation>Der Scanner &quot;</translation>
    </message>
    <message>
        <source>&quot; cannot be opened: </source>
        <translation>&quot; kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source> It is not connected any more or is switched off; choose it again with &quot;Select the scanner&quot;.</source>
        <translation> Er ist nicht mehr angeschlossen oder ausgeschaltet; wählen Sie ihn mit &quot;Scanner auswählen&quot; erneut.</translation>
    </message>
    <message>
        <source>The scanner has no setting &quot;</source>
        <translation>Der Scanner hat keine Einstellung &quot;</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting &quot;</source>
        <translation>Die Einstellung des Scanners &quot;</translation>
    </message>
    <message>
        <source>&quot; cannot be changed now.</source>
        <translation>&quot; kann jetzt nicht geändert werden.</translation>
    </message>
    <message>
        <source>The scanner does not offer &quot;</source>
        <translation>Der Scanner bietet nicht &quot;</translation>
    </message>
    <message>
        <source>&quot; for &quot;</source>
        <translation>&quot; für &quot;</translation>
    </message>
</context>
<context>
    <name>ScanFrames</name>
    <message>
        <source>The scanner sent a frame after its last frame.</source>
        <translation>Der Scanner hat nach seinem letzten Bild noch ein Bild gesendet.</translation>
    </message>
    <message>
        <source>The scanner sent </source>
        <translation>Der Scanner hat </translation>
    </message>
    <message>
        <source> bits per sample; only 1, 8 and 16 are supported.</source>
        <translation> Bit pro Abtastwert gesendet; nur 1, 8 und 16 werden unterstützt.</translation>
    </message>
    <message>
        <source>The scanned picture is empty or too large.</source>
        <translation>Das gescannte Bild ist leer oder zu groß.</translation>
    </message>
    <message>
        <source>The scanner announced a line length that does not fit its width.</source>
        <translation>Der Scanner hat eine Zeilenlänge angekündigt, die nicht zu seiner Breite passt.</translation>
    </message>
    <message>
        <source>The scanned picture would be larger than the program can hold.</source>
        <translation>Das gescannte Bild wäre größer, als das Programm aufnehmen kann.</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>Es ist nicht genug Speicher für das gescannte Bild vorhanden.</translation>
    </message>
    <message>
        <source>The scanner sent colour frames that do not match.</source>
        <translation>Der Scanner hat Farbbilder gesendet, die nicht zusammenpassen.</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>Der Scanner hat Daten außerhalb eines Bildes gesendet.</translation>
    </message>
    <message>
        <source>The scanner sent no picture data.</source>
        <translation>Der Scanner hat keine Bilddaten gesendet.</translation>
    </message>
</context>
<context>
    <name>ScanSettings</name>
    <message>
        <source>The scanner options file </source>
        <translation>Die Datei der Scanner-Optionen </translation>
    </message>
    <message>
        <source> is damaged (too large or unreadable).</source>
        <translation> ist beschädigt (zu groß oder unlesbar).</translation>
    </message>
    <message>
        <source> is damaged (line </source>
        <translation> ist beschädigt (Zeile </translation>
    </message>
    <message>
        <source>The scanner settings file </source>
        <translation>Die Datei der Scanner-Einstellungen </translation>
    </message>
    <message>
        <source> cannot be read.</source>
        <translation> kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ScanView</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>The scan area lies outside the scanner&apos;s glass.</source>
        <translation>Der Scanbereich liegt außerhalb des Scannerglases.</translation>
    </message>
    <message>
        <source>scan area limited to the scanner&apos;s glass</source>
        <translation>Scanbereich auf das Scannerglas begrenzt</translation>
    </message>
    <message>
        <source>The scan cannot start: </source>
        <translation>Der Scan kann nicht beginnen: </translation>
    </message>
    <message>
        <source>The scanner gives no picture format: </source>
        <translation>Der Scanner nennt kein Bildformat: </translation>
    </message>
    <message>
        <source>The scanner sends a picture format the program cannot read.</source>
        <translation>Der Scanner sendet ein Bildformat, das das Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The scan failed: </source>
        <translation>Der Scan ist fehlgeschlagen: </translation>
    </message>
    <message>
        <source>The scanner delivered no data for %1 seconds.</source>
        <translation>Der Scanner hat %1 Sekunden lang keine Daten geliefert.</translation>
    </message>
</context>
<context>
    <name>ScannerDialog</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Line art</source>
        <translation>Strichzeichnung</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>CD booklet 120 x 120 mm</source>
        <translation>CD-Booklet 120 x 120 mm</translation>
    </message>
    <message>
        <source>Unfolded booklet 240 x 120 mm</source>
        <translation>Aufgeklapptes Booklet 240 x 120 mm</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>&lt;b&gt;No scanner was found.&lt;/b&gt;&lt;p&gt;Please check:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;the scanner is switched on and connected;&lt;/li&gt;&lt;li&gt;the package &lt;i&gt;sane-utils&lt;/i&gt; is installed: &lt;tt&gt;scanimage -L&lt;/tt&gt; in a terminal lists the scanners SANE finds;&lt;/li&gt;&lt;li&gt;you may use the scanner: your user belongs to the groups &lt;i&gt;scanner&lt;/i&gt; and &lt;i&gt;lp&lt;/i&gt; (&lt;tt&gt;sudo adduser $USER scanner&lt;/tt&gt;, then log in again) and the udev rules of the scanner&apos;s driver are installed;&lt;/li&gt;&lt;li&gt;a network scanner is named in &lt;tt&gt;/etc/sane.d/net.conf&lt;/tt&gt; and the &lt;i&gt;net&lt;/i&gt; backend is enabled in &lt;tt&gt;/etc/sane.d/dll.conf&lt;/tt&gt;.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Then click Refresh.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Es wurde kein Scanner gefunden.&lt;/b&gt;&lt;p&gt;Bitte prüfen Sie:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Der Scanner ist eingeschaltet und angeschlossen;&lt;/li&gt;&lt;li&gt;das Paket &lt;i&gt;sane-utils&lt;/i&gt; ist installiert: &lt;tt&gt;scanimage -L&lt;/tt&gt; listet in einem Terminal die Scanner auf, die SANE findet;&lt;/li&gt;&lt;li&gt;Sie dürfen den Scanner benutzen: Ihr Benutzer gehört zu den Gruppen &lt;i&gt;scanner&lt;/i&gt; und &lt;i&gt;lp&lt;/i&gt; (&lt;tt&gt;sudo adduser $USER scanner&lt;/tt&gt;, dann neu anmelden) und die udev-Regeln des Scanner-Treibers sind installiert;&lt;/li&gt;&lt;li&gt;ein Netzwerkscanner ist in &lt;tt&gt;/etc/sane.d/net.conf&lt;/tt&gt; eingetragen und das Backend &lt;i&gt;net&lt;/i&gt; ist in &lt;tt&gt;/etc/sane.d/dll.conf&lt;/tt&gt; aktiviert.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Klicken Sie dann auf Aktualisieren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Select the scanner</source>
        <translation>Scanner auswählen</translation>
    </message>
    <message>
        <source>A scan is running; the preview is available when it has ended.</source>
        <translation>Ein Scan läuft; die Vorschau ist verfügbar, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>Scanners:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Scan area:</source>
        <translation>Scanbereich:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Scans the whole glass at a low resolution; then drag the scan area on it.</source>
        <translation>Scannt das ganze Glas mit niedriger Auflösung; ziehen Sie dann den Scanbereich darauf auf.</translation>
    </message>
    <message>
        <source>Find cover</source>
        <translation>Cover finden</translation>
    </message>
    <message>
        <source>Selects the cover lying on the glass in the preview.</source>
        <translation>Wählt das Cover, das auf dem Glas liegt, in der Vorschau aus.</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; chosen before was not found.</source>
        <translation>Der zuvor gewählte Scanner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The scanner offers %1 dpi.</source>
        <translation>Der Scanner bietet %1 dpi.</translation>
    </message>
</context>
<context>
    <name>ScannerDialogAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>A scan is running; the options are shown when it has ended.</source>
        <translation>Ein Scan läuft; die Optionen werden gezeigt, wenn er beendet ist.</translation>
    </message>
</context>
<context>
    <name>ScannerDialogCover</name>
    <message>
        <source>No cover was found on the preview. Lay the cover on the glass, close the lid and click &quot;Preview&quot; again, or drag the scan area by hand.</source>
        <translation>Auf der Vorschau wurde kein Cover gefunden. Legen Sie das Cover auf das Glas, schließen Sie den Deckel und klicken Sie erneut auf „Vorschau“, oder ziehen Sie den Scanbereich von Hand auf.</translation>
    </message>
    <message>
        <source>Find cover</source>
        <translation>Cover finden</translation>
    </message>
</context>
<context>
    <name>ScannerOptions</name>
    <message>
        <source>&quot; is not a number</source>
        <translation>&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot; is not a whole number</source>
        <translation>&quot; ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot; is too large</source>
        <translation>&quot; ist zu groß</translation>
    </message>
    <message>
        <source> lies outside </source>
        <translation> liegt außerhalb von </translation>
    </message>
    <message>
        <source> is not one of </source>
        <translation> ist keiner der Werte </translation>
    </message>
    <message>
        <source> (in steps of </source>
        <translation> (in Schritten von </translation>
    </message>
    <message>
        <source>option &quot;</source>
        <translation>Option &quot;</translation>
    </message>
    <message>
        <source>the scanner describes it wrongly</source>
        <translation>der Scanner beschreibt sie falsch</translation>
    </message>
    <message>
        <source>&quot; is not one of </source>
        <translation>&quot; ist keiner der Werte </translation>
    </message>
    <message>
        <source>the text is longer than </source>
        <translation>der Text ist länger als </translation>
    </message>
    <message>
        <source>give 1 or </source>
        <translation>geben Sie 1 oder </translation>
    </message>
    <message>
        <source> comma-separated values, not </source>
        <translation> durch Kommas getrennte Werte an, nicht </translation>
    </message>
    <message>
        <source>&quot; is neither yes nor no</source>
        <translation>&quot; ist weder yes noch no</translation>
    </message>
    <message>
        <source>The scanner has no option &quot;</source>
        <translation>Der Scanner hat keine Option &quot;</translation>
    </message>
    <message>
        <source>The scanner&apos;s option &quot;</source>
        <translation>Die Option des Scanners &quot;</translation>
    </message>
    <message>
        <source>&quot; is read-only.</source>
        <translation>&quot; ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>&quot; is inactive now.</source>
        <translation>&quot; ist jetzt inaktiv.</translation>
    </message>
    <message>
        <source>The scanner&apos;s </source>
        <translation>Scanner: </translation>
    </message>
    <message>
        <source>The scanner refused &quot;</source>
        <translation>Der Scanner hat &quot;</translation>
    </message>
    <message>
        <source>&quot; for its option &quot;</source>
        <translation>&quot; für seine Option abgelehnt: &quot;</translation>
    </message>
</context>
<context>
    <name>ScannerOptionsPanel</name>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Gives every option the scanner&apos;s own value again.</source>
        <translation>Gibt jeder Option wieder den eigenen Wert des Scanners.</translation>
    </message>
    <message>
        <source> It is not used.</source>
        <translation> Sie wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The scanner took %1 for &quot;%2&quot;.</source>
        <translation>Der Scanner hat %1 für &quot;%2&quot; übernommen.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>
Set in the main part of this dialog.</source>
        <translation>
Wird im Hauptteil dieses Dialogs eingestellt.</translation>
    </message>
    <message>
        <source>
The scanner sets this itself.</source>
        <translation>
Der Scanner setzt dies selbst.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Cannot write </source>
        <translation>Kann nicht schreiben: </translation>
    </message>
    <message>
        <source>: it is not a regular file.</source>
        <translation>: es ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>SheetPreview</name>
    <message>
        <source>Part at position %1</source>
        <translation>Teil an Position %1</translation>
    </message>
</context>
<context>
    <name>SourceText</name>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>is not a text file</source>
        <translation>ist keine Textdatei</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>ist größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>TextEffectsDialog</name>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Distance horizontal:</source>
        <translation>Abstand waagerecht:</translation>
    </message>
    <message>
        <source>Distance vertical:</source>
        <translation>Abstand senkrecht:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TextEntryDialog</name>
    <message>
        <source>Enter texts...</source>
        <translation>Texte eingeben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <source>The text is too long: a text may hold at most 65536 characters, line breaks included.</source>
        <translation>Der Text ist zu lang: ein Text darf höchstens 65536 Zeichen umfassen, Zeilenumbrüche eingeschlossen.</translation>
    </message>
</context>
<context>
    <name>TextsToolBar</name>
    <message>
        <source>Pointer</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Edits the objects</source>
        <translation>Bearbeitet die Objekte</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom in and zoom out</source>
        <translation>Vergrößern und verkleinern</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Selects the visible area</source>
        <translation>Wählt den sichtbaren Bereich</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Adds a geometric object</source>
        <translation>Fügt ein geometrisches Objekt hinzu</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Add text - double click on the test field to enter text</source>
        <translation>Text hinzufügen - doppelt auf das Textfeld klicken, um Text einzugeben</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Track list...</source>
        <translation>Titelliste...</translation>
    </message>
    <message>
        <source>Adds the track list of audio files, a cue sheet or a playlist</source>
        <translation>Fügt die Titelliste von Audiodateien, eines Cue-Sheets oder einer Wiedergabeliste hinzu</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Shows where the element&apos;s outline falls on the cover</source>
        <translation>Zeigt, wo der Umriss des Elements auf dem Cover liegt</translation>
    </message>
    <message>
        <source>The selected object as it prints with the current paper format</source>
        <translation>Das gewählte Objekt, wie es mit dem aktuellen Papierformat gedruckt wird</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Places a picture file: choose it, then click where it goes</source>
        <translation>Platziert eine Bilddatei: wählen Sie sie aus und klicken Sie dann, wohin sie kommt</translation>
    </message>
    <message>
        <source>Show values</source>
        <translation>Werte zeigen</translation>
    </message>
    <message>
        <source>Shows fields such as {n} with the values of the first printed copy</source>
        <translation>Zeigt Felder wie {n} mit den Werten des ersten gedruckten Exemplars</translation>
    </message>
</context>
<context>
    <name>TextsView</name>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>, font %1 mm (%2 pt)</source>
        <translation>, Schrift %1 mm (%2 pt)</translation>
    </message>
</context>
<context>
    <name>TgaAlpha</name>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher vorhanden</translation>
    </message>
</context>
<context>
    <name>TgaFormat</name>
    <message>
        <source>the file is not a TGA picture of a supported kind</source>
        <translation>die Datei ist kein TGA-Bild einer unterstützten Art</translation>
    </message>
    <message>
        <source>the picture has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>the picture is too large for a TGA file</source>
        <translation>das Bild ist zu groß für eine TGA-Datei</translation>
    </message>
    <message>
        <source>the colour map begins beyond the indices the pixels can hold</source>
        <translation>die Farbtabelle beginnt jenseits der Indizes, die die Pixel fassen können</translation>
    </message>
</context>
<context>
    <name>TiffAlpha</name>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>the picture data is damaged</source>
        <translation>die Bilddaten sind beschädigt</translation>
    </message>
</context>
<context>
    <name>TiffFormat</name>
    <message>
        <source>the colour map is missing</source>
        <translation>die Farbtabelle fehlt</translation>
    </message>
    <message>
        <source>this TIFF layout is not supported (</source>
        <translation>diese TIFF-Anordnung wird nicht unterstützt (</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the TIFF picture has no pixel data</source>
        <translation>das TIFF-Bild hat keine Pixeldaten</translation>
    </message>
    <message>
        <source>tile </source>
        <translation>Kachel </translation>
    </message>
    <message>
        <source>strip </source>
        <translation>Streifen </translation>
    </message>
    <message>
        <source> of the TIFF picture is missing or cut short</source>
        <translation> des TIFF-Bildes fehlt oder ist abgeschnitten</translation>
    </message>
    <message>
        <source>this is not a TIFF file</source>
        <translation>dies ist keine TIFF-Datei</translation>
    </message>
    <message>
        <source>the TIFF header is damaged</source>
        <translation>der TIFF-Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>the TIFF data is damaged</source>
        <translation>die TIFF-Daten sind beschädigt</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>es ist nicht genug Speicher für das Bild vorhanden</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the TIFF file could not be started</source>
        <translation>die TIFF-Datei konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the picture could not be written as TIFF</source>
        <translation>das Bild konnte nicht als TIFF geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TrackList</name>
    <message>
        <source>Disc </source>
        <translation>CD </translation>
    </message>
</context>
<context>
    <name>TrackListDialog</name>
    <message>
        <source>Track list</source>
        <translation>Titelliste</translation>
    </message>
    <message>
        <source>Choose a folder of audio files, a cue sheet or a playlist</source>
        <translation>Wählen Sie einen Ordner mit Audiodateien, ein Cue-Sheet oder eine Wiedergabeliste</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>Cue sheet...</source>
        <translation>Cue-Sheet...</translation>
    </message>
    <message>
        <source>Playlist...</source>
        <translation>Wiedergabeliste...</translation>
    </message>
    <message>
        <source>%n number, %N number with two digits, %t title, %a artist, %d time, %% a percent sign</source>
        <translation>%n Nummer, %N Nummer mit zwei Ziffern, %t Titel, %a Interpret, %d Dauer, %% ein Prozentzeichen</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Gesamtdauer:</translation>
    </message>
    <message>
        <source>Title text (album and album artist)</source>
        <translation>Titeltext (Album und Album-Interpret)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder of audio files</source>
        <translation>Ordner mit Audiodateien</translation>
    </message>
    <message>
        <source>Open cue sheet</source>
        <translation>Cue-Sheet öffnen</translation>
    </message>
    <message>
        <source>Cue sheets (*.cue)|*.cue</source>
        <translation>Cue-Sheets (*.cue)|*.cue</translation>
    </message>
    <message>
        <source>Open playlist</source>
        <translation>Wiedergabeliste öffnen</translation>
    </message>
    <message>
        <source>Playlists (*.m3u;*.m3u8)|*.m3u;*.m3u8</source>
        <translation>Wiedergabelisten (*.m3u;*.m3u8)|*.m3u;*.m3u8</translation>
    </message>
    <message>
        <source>These files cannot be read and are left out:</source>
        <translation>Diese Dateien können nicht gelesen werden und werden ausgelassen:</translation>
    </message>
    <message>
        <source>No track list can be made from </source>
        <translation>Aus folgender Quelle kann keine Titelliste erstellt werden: </translation>
    </message>
    <message>
        <source>: it </source>
        <translation>: sie </translation>
    </message>
    <message>
        <source> (%1 without a time)</source>
        <translation> (%1 ohne Dauer)</translation>
    </message>
    <message>
        <source>The cover cannot hold these characters and shows them replaced: </source>
        <translation>Das Cover kann diese Zeichen nicht darstellen und zeigt sie ersetzt: </translation>
    </message>
</context>
<context>
    <name>TrackSource</name>
    <message>
        <source>holds no audio files</source>
        <translation>enthält keine Audiodateien</translation>
    </message>
    <message>
        <source>holds no audio file that can be read</source>
        <translation>enthält keine lesbare Audiodatei</translation>
    </message>
    <message>
        <source>holds more than 10000 audio files</source>
        <translation>enthält mehr als 10000 Audiodateien</translation>
    </message>
    <message>
        <source>cannot be read (</source>
        <translation>kann nicht gelesen werden (</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>is neither a folder, a cue sheet (.cue) nor a playlist (.m3u, .m3u8)</source>
        <translation>ist weder ein Ordner noch ein Cue-Sheet (.cue) noch eine Wiedergabeliste (.m3u, .m3u8)</translation>
    </message>
    <message>
        <source>holds more than 10000 entries</source>
        <translation>enthält mehr als 10000 Einträge</translation>
    </message>
</context>
<context>
    <name>UnitsChoice</name>
    <message>
        <source>The unit file </source>
        <translation>Die Einheitendatei </translation>
    </message>
    <message>
        <source> cannot be read (</source>
        <translation> kann nicht gelesen werden (</translation>
    </message>
    <message>
        <source> is damaged; inches are shown.</source>
        <translation> ist beschädigt; es werden Zoll angezeigt.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>usage: quendrix screenshots FOLDER [FILE.cov]</source>
        <translation>Aufruf: quendrix screenshots FOLDER [FILE.cov]</translation>
    </message>
    <message>
        <source>cannot write into </source>
        <translation>kann nicht schreiben in </translation>
    </message>
    <message>
        <source>unexpected arguments (see quendrix --help)</source>
        <translation>unerwartete Argumente (siehe quendrix --help)</translation>
    </message>
    <message>
        <source>quendrix: no display found (DISPLAY is not set); start it in a desktop session, or see quendrix --help for the commands that need none.
</source>
        <translation>quendrix: keine Anzeige gefunden (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer Desktop-Sitzung oder lesen Sie in quendrix --help, welche Befehle keine brauchen.
</translation>
    </message>
    <message>
        <source>%1 pictures written into %2
</source>
        <translation>%1 Bilder geschrieben in %2
</translation>
    </message>
</context>
</TS>
