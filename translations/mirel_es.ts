<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About Mirel</name>
    <message>
        <source>About Mirel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Mirel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software (GNU GPL 3 or later), no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stupid Programmer Trick...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Angle of View</name>
    <message>
        <source>Angle of View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the angle of view for a lens and film format, at infinity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resulting angle of view :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraChooserWindow</name>
    <message>
        <source>&amp;Use for the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the pages&apos; format with the camera chosen and compute with it (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maker and model: 7d, z6, x-t3, rx100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop factor: the 36 × 24 mm diagonal over the frame&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of confusion by the rule chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The circle of confusion the row takes: the frame&apos;s diagonal over 1730, as the pages suggest, or over 1500 or 1440 for larger circles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CircleOfConfusionWindow</name>
    <message>
        <source>&amp;Classic: diagonal / 1730</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1730: the circle the pages suggest for every format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1500: a larger circle, of other tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;440</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1440: a larger circle, of other tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a p&amp;rint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The blur the eye accepts on the print, seen from its distance, brought back to the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From pi&amp;xels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As many pixels as the circle spans, at the pixels across the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;ges&apos; format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use on the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of Confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work out the circles for a camera&apos;s frame instead of the pages&apos; format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work out the circles for the pages&apos; format again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A print size from the list, or typed as width x height with its unit: 20 x 30 cm, 11 x 14 in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The blur the eye accepts on a print seen from 25 cm; 0.2 mm is usual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the camera&apos;s pictures in pixels: 6000 for 24 megapixels at 3:2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many pixels the circle spans: 2, a line and its gap, is the finest detail the sensor holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of confusion by each rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seen &amp;from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eye blur at 25 cm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle &amp;spans:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera database has no pixel counts: type the width of the camera&apos;s pictures in pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the chosen rule&apos;s circle the pages&apos; circle of confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The circles are worked out for the camera chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   (empty: the print&apos;s diagonal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance the print is seen from, in the unit of the pages; left empty, the print&apos;s diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Defaults</name>
    <message>
        <source>Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film size :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length unit :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus distance :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot percent :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Depth of Field</name>
    <message>
        <source>Depth of Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the depth of the field of acceptable sharpness surrounding the focal plane :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DoF :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DofCard</name>
    <message>
        <source>f-number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each cell: near limit over far limit of acceptable sharpness in %1 when focused at the column&apos;s distance; ∞: sharp to infinity. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DofChart</name>
    <message>
        <source>sharp when focused at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hyperfocal distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diffraction blur above the circle of confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No zone of sharpness: the focus distance is shorter than the focal length, or a value is unusable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 to infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone of sharpness at each aperture when focused at %1 %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DofTableModel</name>
    <message>
        <source>The aperture on the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance nearest the focus on the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DofTableWindow</name>
    <message>
        <source>Depth of Field Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Third stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty: around the focus distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distances of the columns, separated by commas, in the unit of the pages. Empty the field for a set around the focus distance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Distances:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row for every third of a stop, not only the whole stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth of field table: near and far limits by aperture and distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the table as text for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the table as PDF or CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the table and chart on one page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to read and print the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The depth of field table could not be printed: the printer “%1” did not accept it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Field of View</name>
    <message>
        <source>Field of View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resulting FoV :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the maximum subject size, given the subject distance, the focal length of the lens and the film format :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilmFormatsDialog</name>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in mm of format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height in mm of format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CoC (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of confusion in mm of format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The film formats the pages list. A name holds at most 15 characters. A circle of confusion of 0 takes the suggested one, the frame&apos;s diagonal / 1730.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset for format %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera for format %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the row from a camera: its name, frame and circle of confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every row back to the formats Mirel comes with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera chosen fills format %1 of the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FocusPlannerWindow</name>
    <message>
        <source>to &amp;infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use on Depth of Field page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next whole stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next third of a stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the focus distance and the chosen stop on the Depth of Field page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus and aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ocus at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Smallest aperture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole stop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Third stop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a %1 mm lens on %2, circle of confusion %3 mm, as on the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No plan: the %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpFindBar</name>
    <message>
        <source>&amp;Highlight all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Mirel Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hyperfocal Distance</name>
    <message>
        <source>Hyperfocal Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the focusing distance that offers the deepest in-focus field, for a given focal length, aperture and film format :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Express distance in :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Express distance in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperfocal Distance :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Magnification</name>
    <message>
        <source>Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the subject magnification factor for a lens of a given its focal length, and the distance from the lens&apos; optical center to the focal plane :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (So) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnification :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu Help</name>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu Program</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu Settings</name>
    <message>
        <source>&amp;Rounding Rules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Defaults...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Startup Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Film Formats...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu Show</name>
    <message>
        <source>f Numbers Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth of Field Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperfocal Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field of View Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of View Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnification Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot Meter Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu Tools</name>
    <message>
        <source>Depth of Field &amp;Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus &amp;Planner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ircle of Confusion...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Page Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Mirel Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mirel</name>
    <message>
        <source>Mirel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rounding Rules</name>
    <message>
        <source>Rounding Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops to :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest 1/2 stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest 1/3 stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other to :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 decimal place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 decimal places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spot Meter</name>
    <message>
        <source>Spot Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert a &quot;percent of frame&quot; measurement of an in-camera spot meter to a &quot;degrees&quot; measurement, as projected through a given lens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent of frame :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of view :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup Preferences</name>
    <message>
        <source>Startup Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field values become defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with last-used calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or, start with this calculation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth of Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperfocal Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field of View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spot Meter Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status bar</name>
    <message>
        <source>Diffraction: %1 blurs %2 mm, more than the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diffraction: %1 blurs %2 mm, within the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The depth of field table could not be saved as “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window 147</name>
    <message>
        <source>Poor Man&apos;s Light Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window 148</name>
    <message>
        <source>Press Esc to leave this silly thing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>f Numbers</name>
    <message>
        <source>f Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supply two values to calculate the third :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stops :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;f2&apos; as &apos;f1&apos; plus &apos;stops&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;stops&apos; as &apos;f2&apos; minus &apos;f1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
