<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About Mirel</name>
    <message>
        <source>About Mirel</source>
        <translation>Über Mirel</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Mirel developers</source>
        <translation>Copyright (c) 2026 die Mirel-Entwickler</translation>
    </message>
    <message>
        <source>Free software (GNU GPL 3 or later), no warranty.</source>
        <translation>Freie Software (GNU GPL 3 oder neuer), ohne Gewährleistung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License...</source>
        <translation>Lizenz...</translation>
    </message>
    <message>
        <source>Stupid Programmer Trick...</source>
        <translation>Dummer Programmierertrick...</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
</context>
<context>
    <name>Angle of View</name>
    <message>
        <source>Angle of View</source>
        <translation>Bildwinkel</translation>
    </message>
    <message>
        <source>Calculate the angle of view for a lens and film format, at infinity :</source>
        <translation>Den Bildwinkel eines Objektivs für ein Filmformat berechnen, bei Unendlich:</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Filmformat:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Resulting angle of view :</source>
        <translation>Bildwinkel:</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertikal:</translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>Diagonal :</source>
        <translation>Diagonal:</translation>
    </message>
</context>
<context>
    <name>CameraChooserWindow</name>
    <message>
        <source>&amp;Use for the pages</source>
        <translation>Für die Seiten &amp;übernehmen</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Fill the pages&apos; format with the camera chosen and compute with it (Enter)</source>
        <translation>Das Format der Seiten mit der gewählten Kamera füllen und damit rechnen (Enter)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>&amp;Zerstreuungskreis:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>maker and model: 7d, z6, x-t3, rx100</source>
        <translation>Hersteller und Modell: 7d, z6, x-t3, rx100</translation>
    </message>
    <message>
        <source>Search cameras</source>
        <translation>Kameras suchen</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Crop factor: the 36 × 24 mm diagonal over the frame&apos;s</source>
        <translation>Cropfaktor: die Diagonale von 36 × 24 mm durch die des Bildformats</translation>
    </message>
    <message>
        <source>Circle of confusion by the rule chosen</source>
        <translation>Zerstreuungskreis nach der gewählten Regel</translation>
    </message>
    <message>
        <source>The circle of confusion the row takes: the frame&apos;s diagonal over 1730, as the pages suggest, or over 1500 or 1440 for larger circles</source>
        <translation>Der Zerstreuungskreis der Zeile: die Bilddiagonale durch 1730, wie die Seiten vorschlagen, oder durch 1500 oder 1440 für größere Kreise</translation>
    </message>
    <message>
        <source>The camera chosen takes the place of %1, in the film table and becomes the pages&apos; format.</source>
        <translation>Die gewählte Kamera tritt an die Stelle von %1 in der Filmformattabelle und wird zum Format der Seiten.</translation>
    </message>
    <message>
        <source>Loading cameras...</source>
        <translation>Kameras werden geladen...</translation>
    </message>
    <message>
        <source>No camera matches “%1”.</source>
        <translation>Keine Kamera passt zu „%1“.</translation>
    </message>
    <message>
        <source>No camera matches “%1”; the nearest names:</source>
        <translation>Keine Kamera passt zu „%1“; die ähnlichsten Namen:</translation>
    </message>
    <message>
        <source>diagonal / 1730 (as the pages suggest)</source>
        <translation>Diagonale / 1730 (wie die Seiten vorschlagen)</translation>
    </message>
    <message>
        <source>diagonal / 1500</source>
        <translation>Diagonale / 1500</translation>
    </message>
    <message>
        <source>diagonal / 1440</source>
        <translation>Diagonale / 1440</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>&amp;Zerstreuungskreis:</translation>
    </message>
</context>
<context>
    <name>CircleOfConfusionWindow</name>
    <message>
        <source>&amp;Classic: diagonal / 1730</source>
        <translation>K&amp;lassisch: Diagonale / 1730</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1730: the circle the pages suggest for every format</source>
        <translation>Die Bilddiagonale durch 1730: der Kreis, den die Seiten für jedes Format vorschlagen</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;500</source>
        <translation>Diagonale / 1&amp;500</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1500: a larger circle, of other tables</source>
        <translation>Die Bilddiagonale durch 1500: ein größerer Kreis, aus anderen Tabellen</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;440</source>
        <translation>Diagonale / 1&amp;440</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1440: a larger circle, of other tables</source>
        <translation>Die Bilddiagonale durch 1440: ein größerer Kreis, aus anderen Tabellen</translation>
    </message>
    <message>
        <source>From a p&amp;rint</source>
        <translation>Aus einem Abzu&amp;g</translation>
    </message>
    <message>
        <source>The blur the eye accepts on the print, seen from its distance, brought back to the frame</source>
        <translation>Die Unschärfe, die das Auge auf dem Abzug aus seiner Entfernung hinnimmt, auf das Bildformat zurückgerechnet</translation>
    </message>
    <message>
        <source>From pi&amp;xels</source>
        <translation>Aus Pi&amp;xeln</translation>
    </message>
    <message>
        <source>As many pixels as the circle spans, at the pixels across the frame</source>
        <translation>So viele Pixel, wie der Kreis umfasst, bei der Pixelzahl in der Bildbreite</translation>
    </message>
    <message>
        <source>Pa&amp;ges&apos; format</source>
        <translation>&amp;Format der Seiten</translation>
    </message>
    <message>
        <source>&amp;Use on the pages</source>
        <translation>Auf den Seiten &amp;verwenden</translation>
    </message>
    <message>
        <source>Circle of Confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>&amp;Kamera...</translation>
    </message>
    <message>
        <source>Work out the circles for a camera&apos;s frame instead of the pages&apos; format</source>
        <translation>Die Kreise für das Bildformat einer Kamera statt für das Format der Seiten berechnen</translation>
    </message>
    <message>
        <source>Work out the circles for the pages&apos; format again</source>
        <translation>Die Kreise wieder für das Format der Seiten berechnen</translation>
    </message>
    <message>
        <source>A print size from the list, or typed as width x height with its unit: 20 x 30 cm, 11 x 14 in</source>
        <translation>Eine Abzugsgröße aus der Liste, oder getippt als Breite x Höhe mit Einheit: 20 x 30 cm, 11 x 14 in</translation>
    </message>
    <message>
        <source>The blur the eye accepts on a print seen from 25 cm; 0.2 mm is usual</source>
        <translation>Die Unschärfe, die das Auge auf einem Abzug aus 25 cm hinnimmt; 0.2 mm ist üblich</translation>
    </message>
    <message>
        <source>The width of the camera&apos;s pictures in pixels: 6000 for 24 megapixels at 3:2</source>
        <translation>Die Bildbreite der Kamera in Pixeln: 6000 bei 24 Megapixeln im Format 3:2</translation>
    </message>
    <message>
        <source>How many pixels the circle spans: 2, a line and its gap, is the finest detail the sensor holds</source>
        <translation>Wie viele Pixel der Kreis umfasst: 2, eine Linie und ihre Lücke, ist das feinste Detail, das der Sensor hält</translation>
    </message>
    <message>
        <source>Circle of confusion by each rule</source>
        <translation>Zerstreuungskreis nach jeder Regel</translation>
    </message>
    <message>
        <source>Print si&amp;ze:</source>
        <translation>&amp;Druckgröße:</translation>
    </message>
    <message>
        <source>Seen &amp;from:</source>
        <translation>&amp;Betrachtet aus:</translation>
    </message>
    <message>
        <source>&amp;Eye blur at 25 cm:</source>
        <translation>&amp;Augenunschärfe bei 25 cm:</translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation>&amp;Pixel in der Breite:</translation>
    </message>
    <message>
        <source>Circle &amp;spans:</source>
        <translation>Kreis &amp;umfasst:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>The camera database has no pixel counts: type the width of the camera&apos;s pictures in pixels.</source>
        <translation>Die Kameradatenbank kennt keine Pixelzahlen: Die Bildbreite der Kamera in Pixeln eintippen.</translation>
    </message>
    <message>
        <source>Make the chosen rule&apos;s circle the pages&apos; circle of confusion</source>
        <translation>Den Kreis der gewählten Regel zum Zerstreuungskreis der Seiten machen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>The circles are worked out for the camera chosen.</source>
        <translation>Die Kreise werden für die gewählte Kamera berechnet.</translation>
    </message>
    <message>
        <source>   (empty: the print&apos;s diagonal)</source>
        <translation>   (leer: die Diagonale des Abzugs)</translation>
    </message>
    <message>
        <source>The distance the print is seen from, in the unit of the pages; left empty, the print&apos;s diagonal</source>
        <translation>Die Entfernung, aus der der Abzug betrachtet wird, in der Einheit der Seiten; leer gelassen die Diagonale des Abzugs</translation>
    </message>
    <message>
        <source>The %1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source> (the pages&apos; format)</source>
        <translation> (das Format der Seiten)</translation>
    </message>
</context>
<context>
    <name>Defaults</name>
    <message>
        <source>Defaults</source>
        <translation>Vorgaben</translation>
    </message>
    <message>
        <source>Default...</source>
        <translation>Vorgaben...</translation>
    </message>
    <message>
        <source>Film size :</source>
        <translation>Filmformat:</translation>
    </message>
    <message>
        <source>Length unit :</source>
        <translation>Längeneinheit:</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>Focus distance :</source>
        <translation>Fokusentfernung:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation>Brennweite:</translation>
    </message>
    <message>
        <source>Spot percent :</source>
        <translation>Spotanteil in %:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Depth of Field</name>
    <message>
        <source>Depth of Field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>Calculate the depth of the field of acceptable sharpness surrounding the focal plane :</source>
        <translation>Die Schärfentiefe berechnen, den Bereich akzeptabler Schärfe um die Fokusebene:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Motiventfernung:</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Zerstreuungskreis (mm):</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Vorschlag für:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Einheit der Motiventfernung</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>DoF :</source>
        <translation>Tiefe:</translation>
    </message>
    <message>
        <source>Near :</source>
        <translation>Nah:</translation>
    </message>
    <message>
        <source>Far :</source>
        <translation>Fern:</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Gesamt:</translation>
    </message>
</context>
<context>
    <name>DofCard</name>
    <message>
        <source>f-number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfokal</translation>
    </message>
    <message>
        <source>Each cell: near limit over far limit of acceptable sharpness in %1 when focused at the column&apos;s distance; ∞: sharp to infinity. %2</source>
        <translation>Jede Zelle: Nahgrenze über Ferngrenze akzeptabler Schärfe in %1 bei Fokus auf die Entfernung der Spalte; ∞: scharf bis unendlich. %2</translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation>Schärfentiefetabelle</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
</context>
<context>
    <name>DofChart</name>
    <message>
        <source>sharp when focused at %1 %2</source>
        <translation>scharf bei Fokus auf %1 %2</translation>
    </message>
    <message>
        <source>hyperfocal distance</source>
        <translation>hyperfokale Distanz</translation>
    </message>
    <message>
        <source>diffraction blur above the circle of confusion</source>
        <translation>Beugungsunschärfe über dem Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Subject distance (%1)</source>
        <translation>Motiventfernung (%1)</translation>
    </message>
    <message>
        <source>No zone of sharpness: the focus distance is shorter than the focal length, or a value is unusable.</source>
        <translation>Kein Schärfebereich: Die Fokusentfernung ist kürzer als die Brennweite, oder ein Wert ist unbrauchbar.</translation>
    </message>
    <message>
        <source>focus %1 %2</source>
        <translation>Fokus %1 %2</translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation>Schärfentiefediagramm</translation>
    </message>
    <message>
        <source>%1 none</source>
        <translation>%1 keine</translation>
    </message>
    <message>
        <source>%1 %2 %3 to infinity</source>
        <translation>%1 %2 %3 bis unendlich</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4</source>
        <translation>%1 %2 bis %3 %4</translation>
    </message>
    <message>
        <source>The zone of sharpness at each aperture when focused at %1 %2: %3.</source>
        <translation>Der Schärfebereich jeder Blende bei Fokus auf %1 %2: %3.</translation>
    </message>
</context>
<context>
    <name>DofTableModel</name>
    <message>
        <source>The aperture on the pages.</source>
        <translation>Die Blende der Seiten.</translation>
    </message>
    <message>
        <source>The distance nearest the focus on the pages.</source>
        <translation>Die Entfernung, die dem Fokus der Seiten am nächsten liegt.</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfokal</translation>
    </message>
</context>
<context>
    <name>DofTableWindow</name>
    <message>
        <source>Depth of Field Table</source>
        <translation>Schärfentiefetabelle</translation>
    </message>
    <message>
        <source>&amp;Third stops</source>
        <translation>Dri&amp;ttelstufen</translation>
    </message>
    <message>
        <source>empty: around the focus distance</source>
        <translation>leer: um die Fokusentfernung</translation>
    </message>
    <message>
        <source>Subject distances of the columns, separated by commas, in the unit of the pages. Empty the field for a set around the focus distance.</source>
        <translation>Motiventfernungen der Spalten, durch Kommas getrennt, in der Einheit der Seiten. Ein leeres Feld ergibt eine Reihe um die Fokusentfernung.</translation>
    </message>
    <message>
        <source>&amp;Distances:</source>
        <translation>&amp;Entfernungen:</translation>
    </message>
    <message>
        <source>A row for every third of a stop, not only the whole stops</source>
        <translation>Eine Zeile für jede Drittelstufe, nicht nur für ganze Stufen</translation>
    </message>
    <message>
        <source>Depth of field table: near and far limits by aperture and distance</source>
        <translation>Schärfentiefetabelle: Nah- und Ferngrenze nach Blende und Entfernung</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the table as text for a spreadsheet</source>
        <translation>Die Tabelle als Text für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the table as PDF or CSV</source>
        <translation>Die Tabelle als PDF oder CSV speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the table and chart on one page</source>
        <translation>Tabelle und Diagramm auf eine Seite drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to read and print the table</source>
        <translation>Wie man die Tabelle liest und druckt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>The depth of field table could not be printed: the printer “%1” did not accept it.</source>
        <translation>Die Schärfentiefetabelle konnte nicht gedruckt werden: Der Drucker „%1“ hat sie nicht angenommen.</translation>
    </message>
    <message>
        <source>Focal length %1 mm, film format %2, circle of confusion %3 mm, distances in %4</source>
        <translation>Brennweite %1 mm, Filmformat %2, Zerstreuungskreis %3 mm, Entfernungen in %4</translation>
    </message>
    <message>
        <source>Diffraction blurs more than the %1 mm circle of confusion beyond about f/%2: those apertures are marked.</source>
        <translation>Ab etwa f/%2 macht die Beugung unschärfer als der Zerstreuungskreis von %1 mm: diese Blenden sind markiert.</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>Field of View</name>
    <message>
        <source>Field of View</source>
        <translation>Bildfeld</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Einheit der Motiventfernung</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Resulting FoV :</source>
        <translation>Bildfeld:</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Motiventfernung:</translation>
    </message>
    <message>
        <source>Calculate the maximum subject size, given the subject distance, the focal length of the lens and the film format :</source>
        <translation>Die größte Motivgröße berechnen, aus Motiventfernung, Brennweite des Objektivs und Filmformat:</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Filmformat:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertikal:</translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation>Horizontal:</translation>
    </message>
</context>
<context>
    <name>FilmFormatsDialog</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Name of format</source>
        <translation>Name von Format</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Breite (mm)</translation>
    </message>
    <message>
        <source>Width in mm of format</source>
        <translation>Breite in mm von Format</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Höhe (mm)</translation>
    </message>
    <message>
        <source>Height in mm of format</source>
        <translation>Höhe in mm von Format</translation>
    </message>
    <message>
        <source>CoC (mm)</source>
        <translation>Z-Kreis (mm)</translation>
    </message>
    <message>
        <source>Circle of confusion in mm of format</source>
        <translation>Zerstreuungskreis in mm von Format</translation>
    </message>
    <message>
        <source>Film Formats</source>
        <translation>Filmformate</translation>
    </message>
    <message>
        <source>The film formats the pages list. A name holds at most 15 characters. A circle of confusion of 0 takes the suggested one, the frame&apos;s diagonal / 1730.</source>
        <translation>Die Filmformate, die die Seiten anbieten. Ein Name hat höchstens 15 Zeichen. Ein Zerstreuungskreis von 0 nimmt den vorgeschlagenen, die Bilddiagonale / 1730.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Preset for format %1</source>
        <translation>Vorlage für Format %1</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Camera...</source>
        <translation>Kamera...</translation>
    </message>
    <message>
        <source>Camera for format %1</source>
        <translation>Kamera für Format %1</translation>
    </message>
    <message>
        <source>Fill the row from a camera: its name, frame and circle of confusion</source>
        <translation>Die Zeile aus einer Kamera füllen: Name, Bildformat und Zerstreuungskreis</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Table</source>
        <translation>&amp;Mitgelieferte Tabelle wiederherstellen</translation>
    </message>
    <message>
        <source>Every row back to the formats Mirel comes with</source>
        <translation>Jede Zeile zurück auf die Formate, die Mirel mitbringt</translation>
    </message>
    <message>
        <source>The camera chosen fills format %1 of the table.</source>
        <translation>Die gewählte Kamera füllt Format %1 der Tabelle.</translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation>Kamera: </translation>
    </message>
    <message>
        <source>Format %1: %2</source>
        <translation>Format %1: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be stored: a name holds only the Western European characters of Windows-1252.</source>
        <translation>„%1“ kann nicht gespeichert werden: Ein Name enthält nur die westeuropäischen Zeichen von Windows-1252.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters; this one has %2.</source>
        <translation>Ein Name hat höchstens %1 Zeichen; dieser hat %2.</translation>
    </message>
    <message>
        <source>The circle of confusion must be a number of millimetres from 0.0005 to 1, or 0 for the suggested one: a smaller circle would be smaller than a wavelength of light, and even 20 × 24 inch sheet film needs less than 0.5 mm.</source>
        <translation>Der Zerstreuungskreis muss eine Zahl von Millimetern zwischen 0.0005 und 1 sein, oder 0 für den vorgeschlagenen: Ein kleinerer Kreis wäre kleiner als eine Lichtwellenlänge, und selbst 20 × 24 Zoll Planfilm braucht weniger als 0.5 mm.</translation>
    </message>
    <message>
        <source>The width must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>Die Breite muss eine Zahl von Millimetern zwischen 1 und 1000 sein: Formate reichen von etwa 1 mm bei den kleinsten Handysensoren bis über 20 × 24 Zoll (508 × 610 mm) Planfilm.</translation>
    </message>
    <message>
        <source>The height must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>Die Höhe muss eine Zahl von Millimetern zwischen 1 und 1000 sein: Formate reichen von etwa 1 mm bei den kleinsten Handysensoren bis über 20 × 24 Zoll (508 × 610 mm) Planfilm.</translation>
    </message>
    <message>
        <source>The settings keep six decimals, so %1 would be stored as %2.</source>
        <translation>Die Einstellungen speichern sechs Nachkommastellen, %1 würde also als %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>FocusPlannerWindow</name>
    <message>
        <source>to &amp;infinity</source>
        <translation>bis &amp;unendlich</translation>
    </message>
    <message>
        <source>&amp;Use on Depth of Field page</source>
        <translation>Auf der Seite Schärfentiefe ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Focus Planner</source>
        <translation>Fokusplaner</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>Die nächste Entfernung, die scharf sein muss, in der Einheit der Seiten</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages</source>
        <translation>Die weiteste Entfernung, die scharf sein muss, in der Einheit der Seiten</translation>
    </message>
    <message>
        <source>The next whole stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>Die nächste ganze Stufe bei oder über der kleinsten Blende, und der Bereich, den sie bei der Fokusentfernung scharf hält</translation>
    </message>
    <message>
        <source>The next third of a stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>Die nächste Drittelstufe bei oder über der kleinsten Blende, und der Bereich, den sie bei der Fokusentfernung scharf hält</translation>
    </message>
    <message>
        <source>Put the focus distance and the chosen stop on the Depth of Field page</source>
        <translation>Fokusentfernung und gewählte Stufe auf die Seite Schärfentiefe übernehmen</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Scharf von</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>&amp;Nächste Entfernung:</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>&amp;Weiteste Entfernung:</translation>
    </message>
    <message>
        <source>Focus and aperture</source>
        <translation>Fokus und Blende</translation>
    </message>
    <message>
        <source>F&amp;ocus at:</source>
        <translation>&amp;Fokus auf:</translation>
    </message>
    <message>
        <source>&amp;Smallest aperture:</source>
        <translation>&amp;Kleinste Blende:</translation>
    </message>
    <message>
        <source>&amp;Whole stop:</source>
        <translation>&amp;Ganze Stufe:</translation>
    </message>
    <message>
        <source>&amp;Third stop:</source>
        <translation>&amp;Drittelstufe:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>For a %1 mm lens on %2, circle of confusion %3 mm, as on the pages</source>
        <translation>Für ein %1-mm-Objektiv an %2, Zerstreuungskreis %3 mm, wie auf den Seiten</translation>
    </message>
    <message>
        <source>No plan: the %1.</source>
        <translation>Kein Plan: %1.</translation>
    </message>
    <message>
        <source>The f-number at which the blur at the nearest and farthest distance, defocus and diffraction together, is least; that blur, and against the circle of confusion</source>
        <translation>Die Blendenzahl, bei der die Unschärfe an der nächsten und weitesten Entfernung, Defokus und Beugung zusammen, am kleinsten ist; diese Unschärfe, und im Vergleich zum Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Sh&amp;arpest at:</source>
        <translation>Am &amp;schärfsten bei:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>f/%1: %2 to %3</source>
        <translation>f/%1: %2 bis %3</translation>
    </message>
    <message>
        <source>f/%1: %2 to infinity</source>
        <translation>f/%1: %2 bis unendlich</translation>
    </message>
    <message>
        <source>beyond f/%1</source>
        <translation>jenseits von f/%1</translation>
    </message>
    <message>
        <source>%1, blur %2, %3 × the circle of confusion</source>
        <translation>%1, Unschärfe %2, %3 × der Zerstreuungskreis</translation>
    </message>
</context>
<context>
    <name>FocusStackWindow</name>
    <message>
        <source>Focus Stack</source>
        <translation>Fokusstapel</translation>
    </message>
    <message>
        <source>No plan: %1.</source>
        <translation>Kein Plan: %1.</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landschaft</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the plan shown as text</source>
        <translation>Den gezeigten Plan als Text kopieren</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the plan shown as CSV for a spreadsheet</source>
        <translation>Den gezeigten Plan als CSV für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the plan shown on one page</source>
        <translation>Den gezeigten Plan auf eine Seite drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>Die nächste Entfernung, die scharf sein muss, in der Einheit der Seiten</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages; inf for infinity</source>
        <translation>Die weiteste Entfernung, die scharf sein muss, in der Einheit der Seiten; inf für unendlich</translation>
    </message>
    <message>
        <source>How far each shot&apos;s zone reaches into the one before, in percent of its depth; 0: the zones just meet</source>
        <translation>Wie weit der Bereich jeder Aufnahme in den vorigen reicht, in Prozent seiner Tiefe; 0: die Bereiche stoßen gerade aneinander</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Scharf von</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>&amp;Nächste Entfernung:</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>&amp;Weiteste Entfernung:</translation>
    </message>
    <message>
        <source>(inf: to infinity)</source>
        <translation>(inf: bis unendlich)</translation>
    </message>
    <message>
        <source>&amp;Overlap:</source>
        <translation>Ü&amp;berlappung:</translation>
    </message>
    <message>
        <source>% of a shot&apos;s depth</source>
        <translation>% der Tiefe einer Aufnahme</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Number of shots</source>
        <translation>Anzahl der Aufnahmen</translation>
    </message>
    <message>
        <source>Shots: each one&apos;s focus distance and the zone it keeps sharp</source>
        <translation>Aufnahmen: die Fokusentfernung jeder und der Bereich, den sie scharf hält</translation>
    </message>
    <message>
        <source>Focus at</source>
        <translation>Fokus auf</translation>
    </message>
    <message>
        <source>Sharp to</source>
        <translation>Scharf bis</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>Aufnahmen:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>The magnification on the sensor: 1 for life size (1:1), 0.5 for 1:2</source>
        <translation>Der Abbildungsmaßstab auf dem Sensor: 1 für natürliche Größe (1:1), 0.5 für 1:2</translation>
    </message>
    <message>
        <source>The lens&apos;s exit over its entrance pupil diameter; 1 for a symmetric lens, as most macro lenses nearly are</source>
        <translation>Der Durchmesser der Austritts- durch den der Eintrittspupille; 1 für ein symmetrisches Objektiv, wie es die meisten Makroobjektive fast sind</translation>
    </message>
    <message>
        <source>The depth of the subject that must be sharp, front to back</source>
        <translation>Die Tiefe des Motivs, die scharf sein muss, von vorn nach hinten</translation>
    </message>
    <message>
        <source>How far each shot&apos;s depth reaches into the one before, in percent of its depth</source>
        <translation>Wie weit die Tiefe jeder Aufnahme in die vorige reicht, in Prozent ihrer Tiefe</translation>
    </message>
    <message>
        <source>&amp;the pages&apos; lens at their focus distance</source>
        <translation>&amp;Objektiv der Seiten bei ihrer Fokusentfernung</translation>
    </message>
    <message>
        <source>The magnification f / (s - f) of the pages&apos; focal length f at their focus distance s</source>
        <translation>Der Abbildungsmaßstab f / (s - f) der Brennweite f der Seiten bei ihrer Fokusentfernung s</translation>
    </message>
    <message>
        <source>Ma&amp;gnification:</source>
        <translation>Abbildungsm&amp;aßstab:</translation>
    </message>
    <message>
        <source>P&amp;upil magnification:</source>
        <translation>&amp;Pupillenmaßstab:</translation>
    </message>
    <message>
        <source>Subject &amp;depth:</source>
        <translation>Motiv&amp;tiefe:</translation>
    </message>
    <message>
        <source>O&amp;verlap:</source>
        <translation>Überlappun&amp;g:</translation>
    </message>
    <message>
        <source>Effective aperture:</source>
        <translation>Effektive Blende:</translation>
    </message>
    <message>
        <source>Depth per shot:</source>
        <translation>Tiefe je Aufnahme:</translation>
    </message>
    <message>
        <source>Rail step:</source>
        <translation>Schlittenschritt:</translation>
    </message>
    <message>
        <source>Save %1 as CSV</source>
        <translation>%1 als CSV speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>The focus stack could not be saved as “%1”: %2.</source>
        <translation>Der Fokusstapel konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>%1 drucken</translation>
    </message>
    <message>
        <source>The focus stack could not be printed: the printer “%1” did not accept it.</source>
        <translation>Der Fokusstapel konnte nicht gedruckt werden: Der Drucker „%1“ hat ihn nicht angenommen.</translation>
    </message>
    <message>
        <source>For a %1 mm lens at %2 on %3, circle of confusion %4 mm, as on the pages</source>
        <translation>Für ein %1-mm-Objektiv bei %2 an %3, Zerstreuungskreis %4 mm, wie auf den Seiten</translation>
    </message>
    <message>
        <source>One shot is enough</source>
        <translation>Eine Aufnahme genügt</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 Aufnahmen</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
</context>
<context>
    <name>HelpFindBar</name>
    <message>
        <source>&amp;Highlight all</source>
        <translation>&amp;Alle hervorheben</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Phrase not found</source>
        <translation>Ausdruck nicht gefunden</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Mirel Help</source>
        <translation>Mirel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
</context>
<context>
    <name>Hyperfocal Distance</name>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Calculate the focusing distance that offers the deepest in-focus field, for a given focal length, aperture and film format :</source>
        <translation>Die Fokusentfernung mit der größten Schärfentiefe berechnen, für Brennweite, Blende und Filmformat:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Zerstreuungskreis (mm):</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Vorschlag für:</translation>
    </message>
    <message>
        <source>Express distance in :</source>
        <translation>Entfernung in:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Express distance in</source>
        <translation>Entfernung in</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Hyperfocal Distance :</source>
        <translation>Hyperfokale Distanz:</translation>
    </message>
</context>
<context>
    <name>Magnification</name>
    <message>
        <source>Magnification</source>
        <translation>Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>Calculate the subject magnification factor for a lens of a given its focal length, and the distance from the lens&apos; optical center to the focal plane :</source>
        <translation>Den Abbildungsmaßstab eines Objektivs berechnen, aus seiner Brennweite und dem Abstand von seinem optischen Mittelpunkt zur Fokusebene:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Distance (So) :</source>
        <translation>Entfernung (So):</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Einheit der Motiventfernung</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Magnification :</source>
        <translation>Abbildungsmaßstab:</translation>
    </message>
</context>
<context>
    <name>Menu Help</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation>&amp;Kontext</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>Menu Program</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Open Photo...</source>
        <translation>&amp;Foto öffnen...</translation>
    </message>
</context>
<context>
    <name>Menu Settings</name>
    <message>
        <source>&amp;Rounding Rules...</source>
        <translation>&amp;Rundungsregeln...</translation>
    </message>
    <message>
        <source>&amp;Defaults...</source>
        <translation>&amp;Vorgaben...</translation>
    </message>
    <message>
        <source>&amp;Startup Preferences...</source>
        <translation>&amp;Starteinstellungen...</translation>
    </message>
    <message>
        <source>&amp;Film Formats...</source>
        <translation>&amp;Filmformate...</translation>
    </message>
</context>
<context>
    <name>Menu Show</name>
    <message>
        <source>f Numbers Page</source>
        <translation>Blendenzahlen</translation>
    </message>
    <message>
        <source>Depth of Field Page</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>Hyperfocal Page</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Field of View Page</source>
        <translation>Bildfeld</translation>
    </message>
    <message>
        <source>Angle of View Page</source>
        <translation>Bildwinkel</translation>
    </message>
    <message>
        <source>Magnification Page</source>
        <translation>Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>Spot Meter Page</source>
        <translation>Spotmessung</translation>
    </message>
</context>
<context>
    <name>Menu Tools</name>
    <message>
        <source>Depth of Field &amp;Table...</source>
        <translation>Schärfentiefe&amp;tabelle...</translation>
    </message>
    <message>
        <source>Focus &amp;Planner...</source>
        <translation>Fokus&amp;planer...</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>&amp;Kamera...</translation>
    </message>
    <message>
        <source>C&amp;ircle of Confusion...</source>
        <translation>&amp;Zerstreuungskreis...</translation>
    </message>
    <message>
        <source>&amp;Copy Page Results</source>
        <translation>Seitenergebnisse k&amp;opieren</translation>
    </message>
    <message>
        <source>Focus &amp;Stack...</source>
        <translation>Fokus&amp;stapel...</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Mirel Error</source>
        <translation>Mirel-Fehler</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Mirel found no home folder to keep its settings in: HOME is not an absolute path, and the system names none for this user. The built-in settings are used, and nothing is saved.</source>
        <translation>Mirel hat keinen persönlichen Ordner für seine Einstellungen gefunden: HOME ist kein absoluter Pfad, und das System nennt keinen für diesen Benutzer. Die eingebauten Einstellungen werden verwendet, und nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MiB and was not read; the built-in settings are used.</source>
        <translation>Die Einstellungsdatei %1 ist größer als 1 MiB und wurde nicht gelesen; die eingebauten Einstellungen werden verwendet.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read in full; what could be read is used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht vollständig gelesen werden; was gelesen werden konnte, wird verwendet.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and is left as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>When it can be read again, a copy is kept as %1 and this run&apos;s changes are saved into it.</source>
        <translation>Sobald sie wieder gelesen werden kann, wird eine Kopie als %1 aufbewahrt und die Änderungen dieser Sitzung werden in sie gespeichert.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Die Datei, wie sie war, wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>It could not be copied to %1 (%2), so it will not be replaced.</source>
        <translation>Sie konnte nicht nach %1 kopiert werden (%2) und wird daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>These values in the settings file %1 cannot be used as they are stored, and Mirel uses others in their place: %2.</source>
        <translation>Diese Werte in der Einstellungsdatei %1 können so, wie sie gespeichert sind, nicht verwendet werden, und Mirel verwendet andere an ihrer Stelle: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was not changed.</source>
        <translation>Die Einstellungsdatei %1 wurde nicht geändert.</translation>
    </message>
    <message>
        <source>This run&apos;s settings could not be merged into the settings file %1: for %2 seconds another program kept it busy or changed it.</source>
        <translation>Die Einstellungen dieser Sitzung konnten nicht in die Einstellungsdatei %1 übernommen werden: %2 Sekunden lang hielt ein anderes Programm sie belegt oder änderte sie.</translation>
    </message>
    <message>
        <source>They could not be kept beside it as %1 either (%2), so they are lost.</source>
        <translation>Sie konnten auch nicht daneben als %1 aufbewahrt werden (%2) und sind daher verloren.</translation>
    </message>
    <message>
        <source>So that neither is lost, the settings file is left as the other saves it, and this run&apos;s settings are kept as %1. To use them instead, put that file in its place.</source>
        <translation>Damit keine verloren gehen, bleibt die Einstellungsdatei so, wie das andere Programm sie speichert, und die Einstellungen dieser Sitzung werden als %1 aufbewahrt. Um stattdessen sie zu verwenden, diese Datei an ihre Stelle setzen.</translation>
    </message>
</context>
<context>
    <name>Mirel</name>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
</context>
<context>
    <name>PhotoWindow</name>
    <message>
        <source>Photos (%1);;All files (*)</source>
        <translation>Fotos (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Use on Pages</source>
        <translation>Auf Seiten &amp;übernehmen</translation>
    </message>
    <message>
        <source>Put the photo&apos;s focal length, aperture, focus distance and camera on the pages</source>
        <translation>Brennweite, Blende, Fokusdistanz und Kamera des Fotos auf die Seiten übernehmen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the list as text for a spreadsheet</source>
        <translation>Liste als Text für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the list, every figure with its source, as CSV</source>
        <translation>Liste als CSV speichern, jeden Wert mit seiner Quelle</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Open photos, or drop them here: the depth of field of each shot from its own metadata, with the circle of confusion the pages suggest for its camera.</source>
        <translation>Fotos öffnen oder hierher ziehen: die Schärfentiefe jeder Aufnahme aus ihren eigenen Metadaten, mit dem Zerstreuungskreis, den die Seiten für ihre Kamera vorschlagen.</translation>
    </message>
    <message>
        <source>Photos, one row each with the depth of field of its shot</source>
        <translation>Fotos, je eine Zeile mit der Schärfentiefe ihrer Aufnahme</translation>
    </message>
    <message>
        <source>The focus distance of a photo that records none, in the unit of the pages</source>
        <translation>Die Fokusdistanz eines Fotos, das keine aufzeichnet, in der Einheit der Seiten</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open photos to read</source>
        <translation>Fotos zum Auslesen öffnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How photos are read</source>
        <translation>Wie Fotos ausgelesen werden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>Focus &amp;distance (%1):</source>
        <translation>Fokus&amp;distanz (%1):</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>Thumbnail of %1</source>
        <translation>Vorschaubild von %1</translation>
    </message>
    <message>
        <source>not recorded: type it</source>
        <translation>nicht aufgezeichnet: eingeben</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The list of photos could not be saved as “%1”: %2.</source>
        <translation>Die Fotoliste konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save the Photos as CSV</source>
        <translation>Fotos als CSV speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>f-number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Fokusdistanz</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Nahgrenze</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Ferngrenze</translation>
    </message>
    <message>
        <source>Total depth</source>
        <translation>Gesamte Schärfentiefe</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>35 mm equivalent</source>
        <translation>Kleinbildäquivalent</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>wird gelesen...</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>eingegeben</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>%1 × %2 mm, diagonal %3 mm</source>
        <translation>%1 × %2 mm, Diagonale %3 mm</translation>
    </message>
    <message>
        <source>diagonal / 1730, as the pages suggest</source>
        <translation>Diagonale / 1730, wie die Seiten vorschlagen</translation>
    </message>
    <message>
        <source>Cameras record the focus distance only approximately.</source>
        <translation>Kameras zeichnen die Fokusdistanz nur ungefähr auf.</translation>
    </message>
    <message>
        <source>holds no Exif metadata: no camera settings to read</source>
        <translation>enthält keine Exif-Metadaten: keine Kameraeinstellungen zu lesen</translation>
    </message>
    <message>
        <source>an empty file, not a photo</source>
        <translation>eine leere Datei, kein Foto</translation>
    </message>
    <message>
        <source>larger than any photo Mirel reads (1 GiB)</source>
        <translation>größer als jedes Foto, das Mirel liest (1 GiB)</translation>
    </message>
    <message>
        <source>not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera&apos;s raw file)</source>
        <translation>kein Bild, das Mirel liest (JPEG, TIFF, PNG, WebP, HEIF oder eine Rohdatei einer Kamera)</translation>
    </message>
    <message>
        <source>larger than any JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 photo Mirel reads (128 MiB)</source>
        <translation>größer als jedes JPEG-, HEIF-, CR3-, PNG-, WebP- oder JPEG-2000-Foto, das Mirel liest (128 MiB)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>not readable: permission denied</source>
        <translation>nicht lesbar: Zugriff verweigert</translation>
    </message>
    <message>
        <source>a folder, not a photo</source>
        <translation>ein Ordner, kein Foto</translation>
    </message>
    <message>
        <source>not a regular file, not a photo</source>
        <translation>keine gewöhnliche Datei, kein Foto</translation>
    </message>
    <message>
        <source>focal length not recorded</source>
        <translation>Brennweite nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>f-number not recorded</source>
        <translation>Blendenzahl nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>focus distance not recorded</source>
        <translation>Fokusdistanz nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>%1 in the camera database</source>
        <translation>%1 in der Kameradatenbank</translation>
    </message>
    <message>
        <source>%1 × %2 pixels at the focal-plane resolution of %3 × %4 pixels per mm</source>
        <translation>%1 × %2 Pixel bei einer Fokalebenenauflösung von %3 × %4 Pixeln pro mm</translation>
    </message>
    <message>
        <source>the 35 mm equivalent focal length %1 mm at %2 mm: crop factor %3</source>
        <translation>Kleinbildäquivalente Brennweite %1 mm bei %2 mm: Cropfaktor %3</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2, which the Exif standard defines as unknown)</source>
        <translation>nicht aufgezeichnet (%1 ist %2, was der Exif-Standard als unbekannt festlegt)</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2)</source>
        <translation>nicht aufgezeichnet (%1 ist %2)</translation>
    </message>
    <message>
        <source>the image&apos;s size</source>
        <translation>die Bildgröße</translation>
    </message>
</context>
<context>
    <name>PhotoWindow pages keep</name>
    <message>
        <source>The pages keep their %1: %2.</source>
        <translation>Die Seiten behalten %1: %2.</translation>
    </message>
    <message>
        <source>Nor their %1: %2.</source>
        <translation>Auch nicht %1: %2.</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>ihre Brennweite</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>ihre Blende</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>ihre Fokusdistanz</translation>
    </message>
    <message>
        <source>format</source>
        <translation>ihr Format</translation>
    </message>
    <message>
        <source>the photo&apos;s is at infinity</source>
        <translation>die des Fotos liegt bei unendlich</translation>
    </message>
    <message>
        <source>the photo has none</source>
        <translation>das Foto hat keine</translation>
    </message>
    <message>
        <source>the photo gives no frame</source>
        <translation>das Foto gibt kein Format an</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>focus distance is shorter than the focal length</source>
        <translation>die Fokusdistanz ist kürzer als die Brennweite</translation>
    </message>
    <message>
        <source>nearest distance is not a finite number</source>
        <translation>die nächste Entfernung ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>nearest distance is not greater than the focal length</source>
        <translation>die nächste Entfernung ist nicht größer als die Brennweite</translation>
    </message>
    <message>
        <source>farthest distance is not greater than the nearest distance</source>
        <translation>die weiteste Entfernung ist nicht größer als die nächste</translation>
    </message>
    <message>
        <source>overlap is not a finite number</source>
        <translation>die Überlappung ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>overlap is less than 0</source>
        <translation>die Überlappung ist kleiner als 0</translation>
    </message>
    <message>
        <source>overlap is not less than 100%</source>
        <translation>die Überlappung ist nicht kleiner als 100 %</translation>
    </message>
    <message>
        <source>focal length is not a finite number</source>
        <translation>die Brennweite ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>focal length is not greater than 0</source>
        <translation>die Brennweite ist nicht größer als 0</translation>
    </message>
    <message>
        <source>focus distance is not a finite number</source>
        <translation>die Fokusdistanz ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>focus distance is not greater than 0</source>
        <translation>die Fokusdistanz ist nicht größer als 0</translation>
    </message>
    <message>
        <source>aperture is not a finite number</source>
        <translation>die Blende ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>aperture is not greater than 0</source>
        <translation>die Blende ist nicht größer als 0</translation>
    </message>
    <message>
        <source>circle of confusion is not a finite number</source>
        <translation>der Zerstreuungskreis ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>circle of confusion is not greater than 0</source>
        <translation>der Zerstreuungskreis ist nicht größer als 0</translation>
    </message>
    <message>
        <source>spot percentage is not a finite number</source>
        <translation>der Spotanteil ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>spot percentage is not greater than 0</source>
        <translation>der Spotanteil ist nicht größer als 0</translation>
    </message>
    <message>
        <source>magnification is not a finite number</source>
        <translation>der Abbildungsmaßstab ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>magnification is not greater than 0</source>
        <translation>der Abbildungsmaßstab ist nicht größer als 0</translation>
    </message>
    <message>
        <source>pupil magnification is not a finite number</source>
        <translation>der Pupillenmaßstab ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>pupil magnification is not greater than 0</source>
        <translation>der Pupillenmaßstab ist nicht größer als 0</translation>
    </message>
    <message>
        <source>subject depth is not a finite number</source>
        <translation>die Motivtiefe ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>subject depth is not greater than 0</source>
        <translation>die Motivtiefe ist nicht größer als 0</translation>
    </message>
    <message>
        <source>frame width is not a finite number</source>
        <translation>die Formatbreite ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>frame width is not greater than 0</source>
        <translation>die Formatbreite ist nicht größer als 0</translation>
    </message>
    <message>
        <source>frame height is not a finite number</source>
        <translation>die Formathöhe ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>frame height is not greater than 0</source>
        <translation>die Formathöhe ist nicht größer als 0</translation>
    </message>
    <message>
        <source>print width is not a finite number</source>
        <translation>die Abzugsbreite ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>print width is not greater than 0</source>
        <translation>die Abzugsbreite ist nicht größer als 0</translation>
    </message>
    <message>
        <source>print height is not a finite number</source>
        <translation>die Abzugshöhe ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>print height is not greater than 0</source>
        <translation>die Abzugshöhe ist nicht größer als 0</translation>
    </message>
    <message>
        <source>viewing distance is not a finite number</source>
        <translation>die Betrachtungsentfernung ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>viewing distance is not greater than 0</source>
        <translation>die Betrachtungsentfernung ist nicht größer als 0</translation>
    </message>
    <message>
        <source>eye blur is not a finite number</source>
        <translation>die Augenunschärfe ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>eye blur is not greater than 0</source>
        <translation>die Augenunschärfe ist nicht größer als 0</translation>
    </message>
    <message>
        <source>pixel count is not a finite number</source>
        <translation>die Pixelzahl ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>pixel count is not greater than 0</source>
        <translation>die Pixelzahl ist nicht größer als 0</translation>
    </message>
    <message>
        <source>pixel factor is not a finite number</source>
        <translation>der Pixelfaktor ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>pixel factor is not greater than 0</source>
        <translation>der Pixelfaktor ist nicht größer als 0</translation>
    </message>
    <message>
        <source>inputs give no finite plan</source>
        <translation>die Eingaben ergeben keinen endlichen Plan</translation>
    </message>
    <message>
        <source>the plan would need more than 100 shots</source>
        <translation>der Plan bräuchte mehr als 100 Aufnahmen</translation>
    </message>
    <message>
        <source>print size is no size such as A4, 8 x 10 in or 30 x 40 cm</source>
        <translation>die Druckgröße ist keine Größe wie A4, 8 x 10 in oder 30 x 40 cm</translation>
    </message>
    <message>
        <source>nearest distance is not a number</source>
        <translation>die nächste Entfernung ist keine Zahl</translation>
    </message>
    <message>
        <source>farthest distance is not a number nor inf</source>
        <translation>die weiteste Entfernung ist weder eine Zahl noch inf</translation>
    </message>
    <message>
        <source>overlap is not a number</source>
        <translation>die Überlappung ist keine Zahl</translation>
    </message>
    <message>
        <source>magnification is not a number</source>
        <translation>der Abbildungsmaßstab ist keine Zahl</translation>
    </message>
    <message>
        <source>pupil magnification is not a number</source>
        <translation>der Pupillenmaßstab ist keine Zahl</translation>
    </message>
    <message>
        <source>subject depth is not a number</source>
        <translation>die Motivtiefe ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>Rounding Rules</name>
    <message>
        <source>Rounding Rules</source>
        <translation>Rundungsregeln</translation>
    </message>
    <message>
        <source>Round...</source>
        <translation>Runden...</translation>
    </message>
    <message>
        <source>Stops to :</source>
        <translation>Stufen auf:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Nearest 1/2 stop</source>
        <translation>Auf 1/2 Stufe</translation>
    </message>
    <message>
        <source>Nearest 1/3 stop</source>
        <translation>Auf 1/3 Stufe</translation>
    </message>
    <message>
        <source>Other to :</source>
        <translation>Andere auf:</translation>
    </message>
    <message>
        <source>1 decimal place</source>
        <translation>1 Nachkommastelle</translation>
    </message>
    <message>
        <source>2 decimal places</source>
        <translation>2 Nachkommastellen</translation>
    </message>
    <message>
        <source>3 decimal places</source>
        <translation>3 Nachkommastellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Spot Meter</name>
    <message>
        <source>Spot Meter</source>
        <translation>Spotmessung</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Filmformat:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Brennweite (mm):</translation>
    </message>
    <message>
        <source>Convert a &quot;percent of frame&quot; measurement of an in-camera spot meter to a &quot;degrees&quot; measurement, as projected through a given lens.</source>
        <translation>Die Messung eines Kamera-Spotmessers in „Prozent des Bildes“ in „Grad“ umrechnen, wie sie durch ein gegebenes Objektiv projiziert wird.</translation>
    </message>
    <message>
        <source>Percent of frame :</source>
        <translation>Prozent des Bildes:</translation>
    </message>
    <message>
        <source>Angle of view :</source>
        <translation>Bildwinkel:</translation>
    </message>
</context>
<context>
    <name>Startup Preferences</name>
    <message>
        <source>Startup Preferences</source>
        <translation>Starteinstellungen</translation>
    </message>
    <message>
        <source>Field values become defaults</source>
        <translation>Feldwerte werden zu Vorgaben</translation>
    </message>
    <message>
        <source>Start with last-used calculation</source>
        <translation>Mit der zuletzt benutzten Berechnung starten</translation>
    </message>
    <message>
        <source>Or, start with this calculation :</source>
        <translation>Oder mit dieser Berechnung starten:</translation>
    </message>
    <message>
        <source>f Numbers</source>
        <translation>Blendenzahlen</translation>
    </message>
    <message>
        <source>Depth of Field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Field of View</source>
        <translation>Bildfeld</translation>
    </message>
    <message>
        <source>Angle of View</source>
        <translation>Bildwinkel</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>Spot Meter Angle</source>
        <translation>Spotmesswinkel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Status bar</name>
    <message>
        <source>Diffraction: %1 blurs %2 mm, more than the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Beugung: %1 ergibt %2 mm Unschärfe, mehr als der Zerstreuungskreis von %3 mm; beste Schärfentiefe bis etwa f/%4</translation>
    </message>
    <message>
        <source>Diffraction: %1 blurs %2 mm, within the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Beugung: %1 ergibt %2 mm Unschärfe, innerhalb des Zerstreuungskreises von %3 mm; beste Schärfentiefe bis etwa f/%4</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>The depth of field table could not be saved as “%1”: %2.</source>
        <translation>Die Schärfentiefetabelle konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>die Karte konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>Window 147</name>
    <message>
        <source>Poor Man&apos;s Light Table</source>
        <translation>Leuchttisch des kleinen Mannes</translation>
    </message>
</context>
<context>
    <name>Window 148</name>
    <message>
        <source>Press Esc to leave this silly thing...</source>
        <translation>Esc drücken, um diesen Unfug zu verlassen...</translation>
    </message>
</context>
<context>
    <name>f Numbers</name>
    <message>
        <source>f Numbers</source>
        <translation>Blendenzahlen</translation>
    </message>
    <message>
        <source>Supply two values to calculate the third :</source>
        <translation>Zwei Werte angeben, um den dritten zu berechnen:</translation>
    </message>
    <message>
        <source>f1 :</source>
        <translation>f1:</translation>
    </message>
    <message>
        <source>stops :</source>
        <translation>Stufen:</translation>
    </message>
    <message>
        <source>f2 :</source>
        <translation>f2:</translation>
    </message>
    <message>
        <source>Calculate...</source>
        <translation>Berechnen...</translation>
    </message>
    <message>
        <source>&apos;f2&apos; as &apos;f1&apos; plus &apos;stops&apos;</source>
        <translation>„f2“ als „f1“ plus „Stufen“</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>&apos;stops&apos; as &apos;f2&apos; minus &apos;f1&apos;</source>
        <translation>„Stufen“ als „f2“ minus „f1“</translation>
    </message>
</context>
</TS>
