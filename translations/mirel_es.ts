<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About Mirel</name>
    <message>
        <source>About Mirel</source>
        <translation>Acerca de Mirel</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Mirel developers</source>
        <translation>Copyright (c) 2026 los desarrolladores de Mirel</translation>
    </message>
    <message>
        <source>Free software (GNU GPL 3 or later), no warranty.</source>
        <translation>Software libre (GNU GPL 3 o posterior), sin garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License...</source>
        <translation>Licencia...</translation>
    </message>
    <message>
        <source>Stupid Programmer Trick...</source>
        <translation>Truco de programador...</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
</context>
<context>
    <name>Angle of View</name>
    <message>
        <source>Angle of View</source>
        <translation>Ángulo de visión</translation>
    </message>
    <message>
        <source>Calculate the angle of view for a lens and film format, at infinity :</source>
        <translation>Calcular el ángulo de visión de un objetivo para un formato, a infinito:</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>Resulting angle of view :</source>
        <translation>Ángulo de visión:</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertical:</translation>
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
        <translation>&amp;Usar en las páginas</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Fill the pages&apos; format with the camera chosen and compute with it (Enter)</source>
        <translation>Rellenar el formato de las páginas con la cámara elegida y calcular con ella (Intro)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>Cí&amp;rculo de confusión:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
    <message>
        <source>maker and model: 7d, z6, x-t3, rx100</source>
        <translation>marca y modelo: 7d, z6, x-t3, rx100</translation>
    </message>
    <message>
        <source>Search cameras</source>
        <translation>Buscar cámaras</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Encuadre</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Crop factor: the 36 × 24 mm diagonal over the frame&apos;s</source>
        <translation>Factor de recorte: la diagonal de 36 × 24 mm entre la del encuadre</translation>
    </message>
    <message>
        <source>Circle of confusion by the rule chosen</source>
        <translation>Círculo de confusión según la regla elegida</translation>
    </message>
    <message>
        <source>The circle of confusion the row takes: the frame&apos;s diagonal over 1730, as the pages suggest, or over 1500 or 1440 for larger circles</source>
        <translation>El círculo de confusión de la fila: la diagonal del encuadre entre 1730, como sugieren las páginas, o entre 1500 o 1440 para círculos mayores</translation>
    </message>
    <message>
        <source>The camera chosen takes the place of %1, in the film table and becomes the pages&apos; format.</source>
        <translation>La cámara elegida ocupa el lugar de %1 en la tabla de formatos y pasa a ser el formato de las páginas.</translation>
    </message>
    <message>
        <source>Loading cameras...</source>
        <translation>Cargando cámaras...</translation>
    </message>
    <message>
        <source>No camera matches “%1”.</source>
        <translation>Ninguna cámara coincide con «%1».</translation>
    </message>
    <message>
        <source>No camera matches “%1”; the nearest names:</source>
        <translation>Ninguna cámara coincide con «%1»; los nombres más parecidos:</translation>
    </message>
    <message>
        <source>diagonal / 1730 (as the pages suggest)</source>
        <translation>diagonal / 1730 (como sugieren las páginas)</translation>
    </message>
    <message>
        <source>diagonal / 1500</source>
        <translation>diagonal / 1500</translation>
    </message>
    <message>
        <source>diagonal / 1440</source>
        <translation>diagonal / 1440</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>Cí&amp;rculo de confusión:</translation>
    </message>
</context>
<context>
    <name>CircleOfConfusionWindow</name>
    <message>
        <source>&amp;Classic: diagonal / 1730</source>
        <translation>&amp;Clásico: diagonal / 1730</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1730: the circle the pages suggest for every format</source>
        <translation>La diagonal del encuadre entre 1730: el círculo que sugieren las páginas para todo formato</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;500</source>
        <translation>Diagonal / 1&amp;500</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1500: a larger circle, of other tables</source>
        <translation>La diagonal del encuadre entre 1500: un círculo mayor, de otras tablas</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;440</source>
        <translation>Diagonal / 1&amp;440</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1440: a larger circle, of other tables</source>
        <translation>La diagonal del encuadre entre 1440: un círculo mayor, de otras tablas</translation>
    </message>
    <message>
        <source>From a p&amp;rint</source>
        <translation>Desde una co&amp;pia</translation>
    </message>
    <message>
        <source>The blur the eye accepts on the print, seen from its distance, brought back to the frame</source>
        <translation>El desenfoque que el ojo acepta en la copia, vista desde su distancia, llevado al encuadre</translation>
    </message>
    <message>
        <source>From pi&amp;xels</source>
        <translation>Desde los pí&amp;xeles</translation>
    </message>
    <message>
        <source>As many pixels as the circle spans, at the pixels across the frame</source>
        <translation>Tantos píxeles como abarca el círculo, según los píxeles a lo ancho del encuadre</translation>
    </message>
    <message>
        <source>Pa&amp;ges&apos; format</source>
        <translation>&amp;Formato de las páginas</translation>
    </message>
    <message>
        <source>&amp;Use on the pages</source>
        <translation>&amp;Usar en las páginas</translation>
    </message>
    <message>
        <source>Circle of Confusion</source>
        <translation>Círculo de confusión</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>Cá&amp;mara...</translation>
    </message>
    <message>
        <source>Work out the circles for a camera&apos;s frame instead of the pages&apos; format</source>
        <translation>Calcular los círculos para el encuadre de una cámara en lugar del formato de las páginas</translation>
    </message>
    <message>
        <source>Work out the circles for the pages&apos; format again</source>
        <translation>Volver a calcular los círculos para el formato de las páginas</translation>
    </message>
    <message>
        <source>A print size from the list, or typed as width x height with its unit: 20 x 30 cm, 11 x 14 in</source>
        <translation>Un tamaño de copia de la lista, o escrito como ancho x alto con su unidad: 20 x 30 cm, 11 x 14 in</translation>
    </message>
    <message>
        <source>The blur the eye accepts on a print seen from 25 cm; 0.2 mm is usual</source>
        <translation>El desenfoque que el ojo acepta en una copia vista a 25 cm; 0.2 mm es lo habitual</translation>
    </message>
    <message>
        <source>The width of the camera&apos;s pictures in pixels: 6000 for 24 megapixels at 3:2</source>
        <translation>El ancho de las fotos de la cámara en píxeles: 6000 para 24 megapíxeles en 3:2</translation>
    </message>
    <message>
        <source>How many pixels the circle spans: 2, a line and its gap, is the finest detail the sensor holds</source>
        <translation>Cuántos píxeles abarca el círculo: 2, una línea y su hueco, es el detalle más fino que guarda el sensor</translation>
    </message>
    <message>
        <source>Circle of confusion by each rule</source>
        <translation>Círculo de confusión según cada regla</translation>
    </message>
    <message>
        <source>Print si&amp;ze:</source>
        <translation>&amp;Tamaño de la copia:</translation>
    </message>
    <message>
        <source>Seen &amp;from:</source>
        <translation>&amp;Vista desde:</translation>
    </message>
    <message>
        <source>&amp;Eye blur at 25 cm:</source>
        <translation>Desenfoque del &amp;ojo a 25 cm:</translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation>Píxeles a lo &amp;ancho:</translation>
    </message>
    <message>
        <source>Circle &amp;spans:</source>
        <translation>El círculo a&amp;barca:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>The camera database has no pixel counts: type the width of the camera&apos;s pictures in pixels.</source>
        <translation>La base de cámaras no tiene recuentos de píxeles: escriba el ancho de las fotos de la cámara en píxeles.</translation>
    </message>
    <message>
        <source>Make the chosen rule&apos;s circle the pages&apos; circle of confusion</source>
        <translation>Hacer del círculo de la regla elegida el círculo de confusión de las páginas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
    <message>
        <source>The circles are worked out for the camera chosen.</source>
        <translation>Los círculos se calculan para la cámara elegida.</translation>
    </message>
    <message>
        <source>   (empty: the print&apos;s diagonal)</source>
        <translation>   (vacío: la diagonal de la copia)</translation>
    </message>
    <message>
        <source>The distance the print is seen from, in the unit of the pages; left empty, the print&apos;s diagonal</source>
        <translation>La distancia desde la que se ve la copia, en la unidad de las páginas; vacía, la diagonal de la copia</translation>
    </message>
    <message>
        <source>The %1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source> (the pages&apos; format)</source>
        <translation> (el formato de las páginas)</translation>
    </message>
</context>
<context>
    <name>Defaults</name>
    <message>
        <source>Defaults</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Default...</source>
        <translation>Valores...</translation>
    </message>
    <message>
        <source>Film size :</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Length unit :</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Diafragma:</translation>
    </message>
    <message>
        <source>Focus distance :</source>
        <translation>Enfoque:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation>Focal:</translation>
    </message>
    <message>
        <source>Spot percent :</source>
        <translation>Spot en %:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Depth of Field</name>
    <message>
        <source>Depth of Field</source>
        <translation>Profundidad de campo</translation>
    </message>
    <message>
        <source>Calculate the depth of the field of acceptable sharpness surrounding the focal plane :</source>
        <translation>Calcular la profundidad de la zona de nitidez aceptable en torno al plano de enfoque:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Distancia al sujeto:</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Diafragma:</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Círculo de confusión (mm):</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Sugerir para:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unidad de la distancia al sujeto</translation>
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
        <translation>PdC:</translation>
    </message>
    <message>
        <source>Near :</source>
        <translation>Cerca:</translation>
    </message>
    <message>
        <source>Far :</source>
        <translation>Lejos:</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>DofCard</name>
    <message>
        <source>f-number</source>
        <translation>Número f</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hiperfocal</translation>
    </message>
    <message>
        <source>Each cell: near limit over far limit of acceptable sharpness in %1 when focused at the column&apos;s distance; ∞: sharp to infinity. %2</source>
        <translation>Cada celda: límite cercano sobre límite lejano de nitidez aceptable en %1 con enfoque a la distancia de la columna; ∞: nítido hasta infinito. %2</translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation>Tabla de profundidad de campo</translation>
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
        <translation>nítido con enfoque a %1 %2</translation>
    </message>
    <message>
        <source>hyperfocal distance</source>
        <translation>distancia hiperfocal</translation>
    </message>
    <message>
        <source>diffraction blur above the circle of confusion</source>
        <translation>desenfoque por difracción mayor que el círculo de confusión</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Diafragma</translation>
    </message>
    <message>
        <source>Subject distance (%1)</source>
        <translation>Distancia al sujeto (%1)</translation>
    </message>
    <message>
        <source>No zone of sharpness: the focus distance is shorter than the focal length, or a value is unusable.</source>
        <translation>Sin zona de nitidez: la distancia de enfoque es menor que la focal, o un valor no sirve.</translation>
    </message>
    <message>
        <source>focus %1 %2</source>
        <translation>enfoque %1 %2</translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation>Gráfico de profundidad de campo</translation>
    </message>
    <message>
        <source>%1 none</source>
        <translation>%1 ninguna</translation>
    </message>
    <message>
        <source>%1 %2 %3 to infinity</source>
        <translation>%1 %2 %3 a infinito</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4</source>
        <translation>%1 %2 a %3 %4</translation>
    </message>
    <message>
        <source>The zone of sharpness at each aperture when focused at %1 %2: %3.</source>
        <translation>La zona de nitidez en cada diafragma con enfoque a %1 %2: %3.</translation>
    </message>
</context>
<context>
    <name>DofTableModel</name>
    <message>
        <source>The aperture on the pages.</source>
        <translation>El diafragma de las páginas.</translation>
    </message>
    <message>
        <source>The distance nearest the focus on the pages.</source>
        <translation>La distancia más cercana al enfoque de las páginas.</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hiperfocal</translation>
    </message>
</context>
<context>
    <name>DofTableWindow</name>
    <message>
        <source>Depth of Field Table</source>
        <translation>Tabla de profundidad de campo</translation>
    </message>
    <message>
        <source>&amp;Third stops</source>
        <translation>&amp;Tercios de paso</translation>
    </message>
    <message>
        <source>empty: around the focus distance</source>
        <translation>vacío: en torno al enfoque</translation>
    </message>
    <message>
        <source>Subject distances of the columns, separated by commas, in the unit of the pages. Empty the field for a set around the focus distance.</source>
        <translation>Distancias al sujeto de las columnas, separadas por comas, en la unidad de las páginas. Vacíe el campo para una serie en torno al enfoque.</translation>
    </message>
    <message>
        <source>&amp;Distances:</source>
        <translation>&amp;Distancias:</translation>
    </message>
    <message>
        <source>A row for every third of a stop, not only the whole stops</source>
        <translation>Una fila por cada tercio de paso, no solo por pasos enteros</translation>
    </message>
    <message>
        <source>Depth of field table: near and far limits by aperture and distance</source>
        <translation>Tabla de profundidad de campo: límites cercano y lejano por diafragma y distancia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the table as text for a spreadsheet</source>
        <translation>Copiar la tabla como texto para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Save the table as PDF or CSV</source>
        <translation>Guardar la tabla como PDF o CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the table and chart on one page</source>
        <translation>Imprimir la tabla y el gráfico en una página</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How to read and print the table</source>
        <translation>Cómo leer e imprimir la tabla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exportar la %1</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimir la %1</translation>
    </message>
    <message>
        <source>The depth of field table could not be printed: the printer “%1” did not accept it.</source>
        <translation>No se pudo imprimir la tabla de profundidad de campo: la impresora «%1» no la aceptó.</translation>
    </message>
    <message>
        <source>Focal length %1 mm, film format %2, circle of confusion %3 mm, distances in %4</source>
        <translation>Distancia focal %1 mm, formato %2, círculo de confusión %3 mm, distancias en %4</translation>
    </message>
    <message>
        <source>Diffraction blurs more than the %1 mm circle of confusion beyond about f/%2: those apertures are marked.</source>
        <translation>Más allá de f/%2 aprox., la difracción desenfoca más que el círculo de confusión de %1 mm: esos diafragmas están marcados.</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
</context>
<context>
    <name>Field of View</name>
    <message>
        <source>Field of View</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unidad de la distancia al sujeto</translation>
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
        <translation>Campo de visión:</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Distancia al sujeto:</translation>
    </message>
    <message>
        <source>Calculate the maximum subject size, given the subject distance, the focal length of the lens and the film format :</source>
        <translation>Calcular el tamaño máximo del sujeto, según la distancia al sujeto, la focal del objetivo y el formato:</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertical:</translation>
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
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Name of format</source>
        <translation>Nombre del formato</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Ancho (mm)</translation>
    </message>
    <message>
        <source>Width in mm of format</source>
        <translation>Ancho en mm del formato</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Alto (mm)</translation>
    </message>
    <message>
        <source>Height in mm of format</source>
        <translation>Alto en mm del formato</translation>
    </message>
    <message>
        <source>CoC (mm)</source>
        <translation>CdC (mm)</translation>
    </message>
    <message>
        <source>Circle of confusion in mm of format</source>
        <translation>Círculo de confusión en mm del formato</translation>
    </message>
    <message>
        <source>Film Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>The film formats the pages list. A name holds at most 15 characters. A circle of confusion of 0 takes the suggested one, the frame&apos;s diagonal / 1730.</source>
        <translation>Los formatos que listan las páginas. Un nombre tiene como máximo 15 caracteres. Un círculo de confusión de 0 toma el sugerido, la diagonal del encuadre / 1730.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Sugerido</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Preset for format %1</source>
        <translation>Modelo para el formato %1</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Camera...</source>
        <translation>Cámara...</translation>
    </message>
    <message>
        <source>Camera for format %1</source>
        <translation>Cámara para el formato %1</translation>
    </message>
    <message>
        <source>Fill the row from a camera: its name, frame and circle of confusion</source>
        <translation>Rellenar la fila a partir de una cámara: nombre, encuadre y círculo de confusión</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Table</source>
        <translation>&amp;Restaurar la tabla original</translation>
    </message>
    <message>
        <source>Every row back to the formats Mirel comes with</source>
        <translation>Todas las filas vuelven a los formatos que trae Mirel</translation>
    </message>
    <message>
        <source>The camera chosen fills format %1 of the table.</source>
        <translation>La cámara elegida rellena el formato %1 de la tabla.</translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation>Cámara: </translation>
    </message>
    <message>
        <source>Format %1: %2</source>
        <translation>Formato %1: %2</translation>
    </message>
    <message>
        <source>“%1” cannot be stored: a name holds only the Western European characters of Windows-1252.</source>
        <translation>«%1» no se puede guardar: un nombre solo admite los caracteres de Europa occidental de Windows-1252.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters; this one has %2.</source>
        <translation>Un nombre tiene como máximo %1 caracteres; este tiene %2.</translation>
    </message>
    <message>
        <source>The circle of confusion must be a number of millimetres from 0.0005 to 1, or 0 for the suggested one: a smaller circle would be smaller than a wavelength of light, and even 20 × 24 inch sheet film needs less than 0.5 mm.</source>
        <translation>El círculo de confusión debe ser un número de milímetros entre 0.0005 y 1, o 0 para el sugerido: un círculo menor sería más pequeño que una longitud de onda de la luz, e incluso la película en hojas de 20 × 24 pulgadas necesita menos de 0.5 mm.</translation>
    </message>
    <message>
        <source>The width must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>El ancho debe ser un número de milímetros entre 1 y 1000: los formatos van de 1 mm aprox. en los sensores de teléfono más pequeños a más de 20 × 24 pulgadas (508 × 610 mm) en película en hojas.</translation>
    </message>
    <message>
        <source>The height must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>El alto debe ser un número de milímetros entre 1 y 1000: los formatos van de 1 mm aprox. en los sensores de teléfono más pequeños a más de 20 × 24 pulgadas (508 × 610 mm) en película en hojas.</translation>
    </message>
    <message>
        <source>The settings keep six decimals, so %1 would be stored as %2.</source>
        <translation>La configuración guarda seis decimales, así que %1 se guardaría como %2.</translation>
    </message>
</context>
<context>
    <name>FocusPlannerWindow</name>
    <message>
        <source>to &amp;infinity</source>
        <translation>a &amp;infinito</translation>
    </message>
    <message>
        <source>&amp;Use on Depth of Field page</source>
        <translation>&amp;Usar en la página Profundidad de campo</translation>
    </message>
    <message>
        <source>Focus Planner</source>
        <translation>Planificador de enfoque</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>La distancia más cercana que debe quedar nítida, en la unidad de las páginas</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages</source>
        <translation>La distancia más lejana que debe quedar nítida, en la unidad de las páginas</translation>
    </message>
    <message>
        <source>The next whole stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>El siguiente paso entero desde el diafragma más cerrado, y la zona que mantiene nítida a la distancia de enfoque</translation>
    </message>
    <message>
        <source>The next third of a stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>El siguiente tercio de paso desde el diafragma más cerrado, y la zona que mantiene nítida a la distancia de enfoque</translation>
    </message>
    <message>
        <source>Put the focus distance and the chosen stop on the Depth of Field page</source>
        <translation>Llevar la distancia de enfoque y el paso elegido a la página Profundidad de campo</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Nítido desde</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>Distancia &amp;mínima:</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>Distancia má&amp;xima:</translation>
    </message>
    <message>
        <source>Focus and aperture</source>
        <translation>Enfoque y diafragma</translation>
    </message>
    <message>
        <source>F&amp;ocus at:</source>
        <translation>&amp;Enfocar a:</translation>
    </message>
    <message>
        <source>&amp;Smallest aperture:</source>
        <translation>&amp;Apertura mínima:</translation>
    </message>
    <message>
        <source>&amp;Whole stop:</source>
        <translation>&amp;Paso entero:</translation>
    </message>
    <message>
        <source>&amp;Third stop:</source>
        <translation>&amp;Tercio de paso:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
    <message>
        <source>For a %1 mm lens on %2, circle of confusion %3 mm, as on the pages</source>
        <translation>Para un objetivo de %1 mm en %2, círculo de confusión de %3 mm, como en las páginas</translation>
    </message>
    <message>
        <source>No plan: the %1.</source>
        <translation>Sin plan: %1.</translation>
    </message>
    <message>
        <source>The f-number at which the blur at the nearest and farthest distance, defocus and diffraction together, is least; that blur, and against the circle of confusion</source>
        <translation>El número f con el que el desenfoque a las distancias más cercana y más lejana, desenfoque y difracción juntos, es mínimo; ese desenfoque, y frente al círculo de confusión</translation>
    </message>
    <message>
        <source>Sh&amp;arpest at:</source>
        <translation>Más &amp;nítido a:</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>f/%1: %2 to %3</source>
        <translation>f/%1: de %2 a %3</translation>
    </message>
    <message>
        <source>f/%1: %2 to infinity</source>
        <translation>f/%1: de %2 a infinito</translation>
    </message>
    <message>
        <source>beyond f/%1</source>
        <translation>más allá de f/%1</translation>
    </message>
    <message>
        <source>%1, blur %2, %3 × the circle of confusion</source>
        <translation>%1, desenfoque %2, %3 × el círculo de confusión</translation>
    </message>
</context>
<context>
    <name>FocusStackWindow</name>
    <message>
        <source>Focus Stack</source>
        <translation>Apilado de enfoque</translation>
    </message>
    <message>
        <source>No plan: %1.</source>
        <translation>Sin plan: %1.</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paisaje</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Macro</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the plan shown as text</source>
        <translation>Copiar el plan mostrado como texto</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Guardar CSV...</translation>
    </message>
    <message>
        <source>Save the plan shown as CSV for a spreadsheet</source>
        <translation>Guardar el plan mostrado como CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the plan shown on one page</source>
        <translation>Imprimir el plan mostrado en una página</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>La distancia más cercana que debe quedar nítida, en la unidad de las páginas</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages; inf for infinity</source>
        <translation>La distancia más lejana que debe quedar nítida, en la unidad de las páginas; inf para infinito</translation>
    </message>
    <message>
        <source>How far each shot&apos;s zone reaches into the one before, in percent of its depth; 0: the zones just meet</source>
        <translation>Cuánto entra la zona de cada toma en la anterior, en porcentaje de su profundidad; 0: las zonas se tocan</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Nítido desde</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>Distancia más c&amp;ercana:</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>Distancia más &amp;lejana:</translation>
    </message>
    <message>
        <source>(inf: to infinity)</source>
        <translation>(inf: hasta infinito)</translation>
    </message>
    <message>
        <source>&amp;Overlap:</source>
        <translation>&amp;Solapamiento:</translation>
    </message>
    <message>
        <source>% of a shot&apos;s depth</source>
        <translation>% de la profundidad de una toma</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tomas</translation>
    </message>
    <message>
        <source>Number of shots</source>
        <translation>Número de tomas</translation>
    </message>
    <message>
        <source>Shots: each one&apos;s focus distance and the zone it keeps sharp</source>
        <translation>Tomas: la distancia de enfoque de cada una y la zona que mantiene nítida</translation>
    </message>
    <message>
        <source>Focus at</source>
        <translation>Enfoque a</translation>
    </message>
    <message>
        <source>Sharp to</source>
        <translation>Nítido hasta</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>Tomas:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <source>The magnification on the sensor: 1 for life size (1:1), 0.5 for 1:2</source>
        <translation>La ampliación en el sensor: 1 para tamaño real (1:1), 0.5 para 1:2</translation>
    </message>
    <message>
        <source>The lens&apos;s exit over its entrance pupil diameter; 1 for a symmetric lens, as most macro lenses nearly are</source>
        <translation>El diámetro de la pupila de salida del objetivo entre el de su pupila de entrada; 1 para un objetivo simétrico, como casi lo son la mayoría de los objetivos macro</translation>
    </message>
    <message>
        <source>The depth of the subject that must be sharp, front to back</source>
        <translation>La profundidad del sujeto que debe quedar nítida, de delante a atrás</translation>
    </message>
    <message>
        <source>How far each shot&apos;s depth reaches into the one before, in percent of its depth</source>
        <translation>Cuánto entra la profundidad de cada toma en la anterior, en porcentaje de su profundidad</translation>
    </message>
    <message>
        <source>&amp;the pages&apos; lens at their focus distance</source>
        <translation>el &amp;objetivo de las páginas a su distancia de enfoque</translation>
    </message>
    <message>
        <source>The magnification f / (s - f) of the pages&apos; focal length f at their focus distance s</source>
        <translation>La ampliación f / (s - f) de la focal f de las páginas a su distancia de enfoque s</translation>
    </message>
    <message>
        <source>Ma&amp;gnification:</source>
        <translation>&amp;Ampliación:</translation>
    </message>
    <message>
        <source>P&amp;upil magnification:</source>
        <translation>Ampliación de p&amp;upila:</translation>
    </message>
    <message>
        <source>Subject &amp;depth:</source>
        <translation>Profun&amp;didad del sujeto:</translation>
    </message>
    <message>
        <source>O&amp;verlap:</source>
        <translation>Solapamien&amp;to:</translation>
    </message>
    <message>
        <source>Effective aperture:</source>
        <translation>Diafragma efectivo:</translation>
    </message>
    <message>
        <source>Depth per shot:</source>
        <translation>Profundidad por toma:</translation>
    </message>
    <message>
        <source>Rail step:</source>
        <translation>Paso del carril:</translation>
    </message>
    <message>
        <source>Save %1 as CSV</source>
        <translation>Guardar el %1 como CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>The focus stack could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar el apilado como «%1»: %2.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimir la %1</translation>
    </message>
    <message>
        <source>The focus stack could not be printed: the printer “%1” did not accept it.</source>
        <translation>No se pudo imprimir el apilado: la impresora «%1» no lo aceptó.</translation>
    </message>
    <message>
        <source>For a %1 mm lens at %2 on %3, circle of confusion %4 mm, as on the pages</source>
        <translation>Para un objetivo de %1 mm a %2 en %3, círculo de confusión %4 mm, como en las páginas</translation>
    </message>
    <message>
        <source>One shot is enough</source>
        <translation>Basta una toma</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 tomas</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>infinito</translation>
    </message>
</context>
<context>
    <name>HelpFindBar</name>
    <message>
        <source>&amp;Highlight all</source>
        <translation>&amp;Resaltar todo</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Phrase not found</source>
        <translation>Frase no encontrada</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Mirel Help</source>
        <translation>Ayuda de Mirel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Adela&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
</context>
<context>
    <name>Hyperfocal Distance</name>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>Calculate the focusing distance that offers the deepest in-focus field, for a given focal length, aperture and film format :</source>
        <translation>Calcular la distancia de enfoque que da la mayor profundidad de campo, para una focal, un diafragma y un formato:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Diafragma:</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Círculo de confusión (mm):</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Sugerir para:</translation>
    </message>
    <message>
        <source>Express distance in :</source>
        <translation>Distancia en:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Express distance in</source>
        <translation>Distancia en</translation>
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
        <translation>Distancia hiperfocal:</translation>
    </message>
</context>
<context>
    <name>Magnification</name>
    <message>
        <source>Magnification</source>
        <translation>Ampliación</translation>
    </message>
    <message>
        <source>Calculate the subject magnification factor for a lens of a given its focal length, and the distance from the lens&apos; optical center to the focal plane :</source>
        <translation>Calcular la ampliación del sujeto para un objetivo, según su focal y la distancia de su centro óptico al plano focal:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>Distance (So) :</source>
        <translation>Distancia (So):</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unidad de la distancia al sujeto</translation>
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
        <translation>Ampliación:</translation>
    </message>
</context>
<context>
    <name>Menu Help</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation>Conte&amp;xto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>Menu Program</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Open Photo...</source>
        <translation>&amp;Abrir foto...</translation>
    </message>
</context>
<context>
    <name>Menu Settings</name>
    <message>
        <source>&amp;Rounding Rules...</source>
        <translation>&amp;Reglas de redondeo...</translation>
    </message>
    <message>
        <source>&amp;Defaults...</source>
        <translation>Valores &amp;predeterminados...</translation>
    </message>
    <message>
        <source>&amp;Startup Preferences...</source>
        <translation>Preferencias de &amp;inicio...</translation>
    </message>
    <message>
        <source>&amp;Film Formats...</source>
        <translation>&amp;Formatos...</translation>
    </message>
</context>
<context>
    <name>Menu Show</name>
    <message>
        <source>f Numbers Page</source>
        <translation>Números f</translation>
    </message>
    <message>
        <source>Depth of Field Page</source>
        <translation>Profundidad de campo</translation>
    </message>
    <message>
        <source>Hyperfocal Page</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>Field of View Page</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>Angle of View Page</source>
        <translation>Ángulo de visión</translation>
    </message>
    <message>
        <source>Magnification Page</source>
        <translation>Ampliación</translation>
    </message>
    <message>
        <source>Spot Meter Page</source>
        <translation>Medición puntual</translation>
    </message>
</context>
<context>
    <name>Menu Tools</name>
    <message>
        <source>Depth of Field &amp;Table...</source>
        <translation>&amp;Tabla de profundidad de campo...</translation>
    </message>
    <message>
        <source>Focus &amp;Planner...</source>
        <translation>&amp;Planificador de enfoque...</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>Cá&amp;mara...</translation>
    </message>
    <message>
        <source>C&amp;ircle of Confusion...</source>
        <translation>&amp;Círculo de confusión...</translation>
    </message>
    <message>
        <source>&amp;Copy Page Results</source>
        <translation>Copiar los &amp;resultados de la página</translation>
    </message>
    <message>
        <source>Focus &amp;Stack...</source>
        <translation>&amp;Apilado de enfoque...</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Mirel Error</source>
        <translation>Error de Mirel</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Mirel found no home folder to keep its settings in: HOME is not an absolute path, and the system names none for this user. The built-in settings are used, and nothing is saved.</source>
        <translation>Mirel no encontró ninguna carpeta personal donde guardar su configuración: HOME no es una ruta absoluta y el sistema no indica ninguna para este usuario. Se usa la configuración integrada y no se guarda nada.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MiB and was not read; the built-in settings are used.</source>
        <translation>El archivo de configuración %1 supera 1 MiB y no se ha leído; se usa la configuración integrada.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read in full; what could be read is used.</source>
        <translation>El archivo de configuración %1 no se pudo leer entero; se usa lo que se pudo leer.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and is left as it is.</source>
        <translation>El archivo de configuración %1 no se pudo leer y se deja como está.</translation>
    </message>
    <message>
        <source>When it can be read again, a copy is kept as %1 and this run&apos;s changes are saved into it.</source>
        <translation>Cuando se pueda leer de nuevo, se guardará una copia como %1 y los cambios de esta sesión se guardarán en él.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>El archivo tal como estaba se guarda como %1.</translation>
    </message>
    <message>
        <source>It could not be copied to %1 (%2), so it will not be replaced.</source>
        <translation>No se pudo copiar a %1 (%2), así que no se reemplazará.</translation>
    </message>
    <message>
        <source>These values in the settings file %1 cannot be used as they are stored, and Mirel uses others in their place: %2.</source>
        <translation>Estos valores del archivo de configuración %1 no se pueden usar tal como están guardados, y Mirel usa otros en su lugar: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was not changed.</source>
        <translation>El archivo de configuración %1 no se ha modificado.</translation>
    </message>
    <message>
        <source>This run&apos;s settings could not be merged into the settings file %1: for %2 seconds another program kept it busy or changed it.</source>
        <translation>La configuración de esta sesión no se pudo combinar con el archivo de configuración %1: durante %2 segundos otro programa lo tuvo ocupado o lo modificó.</translation>
    </message>
    <message>
        <source>They could not be kept beside it as %1 either (%2), so they are lost.</source>
        <translation>Tampoco se pudo guardar junto a él como %1 (%2), así que se ha perdido.</translation>
    </message>
    <message>
        <source>So that neither is lost, the settings file is left as the other saves it, and this run&apos;s settings are kept as %1. To use them instead, put that file in its place.</source>
        <translation>Para que no se pierda ninguna, el archivo de configuración se deja como lo guarda el otro, y la configuración de esta sesión se guarda como %1. Para usarla en su lugar, ponga ese archivo en su sitio.</translation>
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
        <translation>Fotos (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Use on Pages</source>
        <translation>&amp;Usar en las páginas</translation>
    </message>
    <message>
        <source>Put the photo&apos;s focal length, aperture, focus distance and camera on the pages</source>
        <translation>Llevar la distancia focal, el diafragma, la distancia de enfoque y la cámara de la foto a las páginas</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the list as text for a spreadsheet</source>
        <translation>Copiar la lista como texto para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>Save the list, every figure with its source, as CSV</source>
        <translation>Guardar la lista como CSV, cada valor con su origen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Open photos, or drop them here: the depth of field of each shot from its own metadata, with the circle of confusion the pages suggest for its camera.</source>
        <translation>Abra fotos o suéltelas aquí: la profundidad de campo de cada toma a partir de sus propios metadatos, con el círculo de confusión que las páginas sugieren para su cámara.</translation>
    </message>
    <message>
        <source>Photos, one row each with the depth of field of its shot</source>
        <translation>Fotos, una fila cada una con la profundidad de campo de su toma</translation>
    </message>
    <message>
        <source>The focus distance of a photo that records none, in the unit of the pages</source>
        <translation>La distancia de enfoque de una foto que no la registra, en la unidad de las páginas</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open photos to read</source>
        <translation>Abrir fotos para leer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How photos are read</source>
        <translation>Cómo se leen las fotos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Cerrar la ventana (Esc)</translation>
    </message>
    <message>
        <source>Focus &amp;distance (%1):</source>
        <translation>&amp;Distancia de enfoque (%1):</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Abrir foto</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sin imagen</translation>
    </message>
    <message>
        <source>Thumbnail of %1</source>
        <translation>Miniatura de %1</translation>
    </message>
    <message>
        <source>not recorded: type it</source>
        <translation>no registrada: escríbala</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The list of photos could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar la lista de fotos como «%1»: %2.</translation>
    </message>
    <message>
        <source>Save the Photos as CSV</source>
        <translation>Guardar las fotos como CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>f-number</source>
        <translation>Número f</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Distancia de enfoque</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Límite cercano</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Límite lejano</translation>
    </message>
    <message>
        <source>Total depth</source>
        <translation>Profundidad de campo total</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>35 mm equivalent</source>
        <translation>Equivalente en 35 mm</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Círculo de confusión</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>no registrado</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>leyendo...</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>escrita</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>%1 × %2 mm, diagonal %3 mm</source>
        <translation>%1 × %2 mm, diagonal %3 mm</translation>
    </message>
    <message>
        <source>diagonal / 1730, as the pages suggest</source>
        <translation>diagonal / 1730, como sugieren las páginas</translation>
    </message>
    <message>
        <source>Cameras record the focus distance only approximately.</source>
        <translation>Las cámaras registran la distancia de enfoque solo de forma aproximada.</translation>
    </message>
    <message>
        <source>holds no Exif metadata: no camera settings to read</source>
        <translation>no contiene metadatos Exif: ningún ajuste de cámara que leer</translation>
    </message>
    <message>
        <source>an empty file, not a photo</source>
        <translation>un archivo vacío, no una foto</translation>
    </message>
    <message>
        <source>larger than any photo Mirel reads (1 GiB)</source>
        <translation>más grande que cualquier foto que Mirel lee (1 GiB)</translation>
    </message>
    <message>
        <source>not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera&apos;s raw file)</source>
        <translation>no es una imagen que Mirel lea (JPEG, TIFF, PNG, WebP, HEIF o un archivo RAW de cámara)</translation>
    </message>
    <message>
        <source>larger than any JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 photo Mirel reads (128 MiB)</source>
        <translation>más grande que cualquier foto JPEG, HEIF, CR3, PNG, WebP o JPEG 2000 que Mirel lee (128 MiB)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>not readable: permission denied</source>
        <translation>no legible: permiso denegado</translation>
    </message>
    <message>
        <source>a folder, not a photo</source>
        <translation>una carpeta, no una foto</translation>
    </message>
    <message>
        <source>not a regular file, not a photo</source>
        <translation>no es un archivo normal, no una foto</translation>
    </message>
    <message>
        <source>focal length not recorded</source>
        <translation>distancia focal no registrada</translation>
    </message>
    <message>
        <source>f-number not recorded</source>
        <translation>número f no registrado</translation>
    </message>
    <message>
        <source>focus distance not recorded</source>
        <translation>distancia de enfoque no registrada</translation>
    </message>
    <message>
        <source>%1 in the camera database</source>
        <translation>%1 en la base de cámaras</translation>
    </message>
    <message>
        <source>%1 × %2 pixels at the focal-plane resolution of %3 × %4 pixels per mm</source>
        <translation>%1 × %2 píxeles con la resolución del plano focal de %3 × %4 píxeles por mm</translation>
    </message>
    <message>
        <source>the 35 mm equivalent focal length %1 mm at %2 mm: crop factor %3</source>
        <translation>la distancia focal equivalente en 35 mm de %1 mm a %2 mm: factor de recorte %3</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2, which the Exif standard defines as unknown)</source>
        <translation>no registrado (%1 es %2, que el estándar Exif define como desconocido)</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2)</source>
        <translation>no registrado (%1 es %2)</translation>
    </message>
    <message>
        <source>the image&apos;s size</source>
        <translation>el tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>PhotoWindow pages keep</name>
    <message>
        <source>The pages keep their %1: %2.</source>
        <translation>Las páginas mantienen %1: %2.</translation>
    </message>
    <message>
        <source>Nor their %1: %2.</source>
        <translation>Tampoco %1: %2.</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>su distancia focal</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>su diafragma</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>su distancia de enfoque</translation>
    </message>
    <message>
        <source>format</source>
        <translation>su formato</translation>
    </message>
    <message>
        <source>the photo&apos;s is at infinity</source>
        <translation>la de la foto está en el infinito</translation>
    </message>
    <message>
        <source>the photo has none</source>
        <translation>la foto no tiene</translation>
    </message>
    <message>
        <source>the photo gives no frame</source>
        <translation>la foto no da ningún formato</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>focus distance is shorter than the focal length</source>
        <translation>la distancia de enfoque es más corta que la distancia focal</translation>
    </message>
    <message>
        <source>nearest distance is not a finite number</source>
        <translation>la distancia mínima no es un número finito</translation>
    </message>
    <message>
        <source>nearest distance is not greater than the focal length</source>
        <translation>la distancia mínima no es mayor que la distancia focal</translation>
    </message>
    <message>
        <source>farthest distance is not greater than the nearest distance</source>
        <translation>la distancia máxima no es mayor que la mínima</translation>
    </message>
    <message>
        <source>overlap is not a finite number</source>
        <translation>el solapamiento no es un número finito</translation>
    </message>
    <message>
        <source>overlap is less than 0</source>
        <translation>el solapamiento es menor que 0</translation>
    </message>
    <message>
        <source>overlap is not less than 100%</source>
        <translation>el solapamiento no es menor que el 100 %</translation>
    </message>
    <message>
        <source>focal length is not a finite number</source>
        <translation>la distancia focal no es un número finito</translation>
    </message>
    <message>
        <source>focal length is not greater than 0</source>
        <translation>la distancia focal no es mayor que 0</translation>
    </message>
    <message>
        <source>focus distance is not a finite number</source>
        <translation>la distancia de enfoque no es un número finito</translation>
    </message>
    <message>
        <source>focus distance is not greater than 0</source>
        <translation>la distancia de enfoque no es mayor que 0</translation>
    </message>
    <message>
        <source>aperture is not a finite number</source>
        <translation>el diafragma no es un número finito</translation>
    </message>
    <message>
        <source>aperture is not greater than 0</source>
        <translation>el diafragma no es mayor que 0</translation>
    </message>
    <message>
        <source>circle of confusion is not a finite number</source>
        <translation>el círculo de confusión no es un número finito</translation>
    </message>
    <message>
        <source>circle of confusion is not greater than 0</source>
        <translation>el círculo de confusión no es mayor que 0</translation>
    </message>
    <message>
        <source>spot percentage is not a finite number</source>
        <translation>el porcentaje del punto no es un número finito</translation>
    </message>
    <message>
        <source>spot percentage is not greater than 0</source>
        <translation>el porcentaje del punto no es mayor que 0</translation>
    </message>
    <message>
        <source>magnification is not a finite number</source>
        <translation>la ampliación no es un número finito</translation>
    </message>
    <message>
        <source>magnification is not greater than 0</source>
        <translation>la ampliación no es mayor que 0</translation>
    </message>
    <message>
        <source>pupil magnification is not a finite number</source>
        <translation>la ampliación de pupila no es un número finito</translation>
    </message>
    <message>
        <source>pupil magnification is not greater than 0</source>
        <translation>la ampliación de pupila no es mayor que 0</translation>
    </message>
    <message>
        <source>subject depth is not a finite number</source>
        <translation>la profundidad del sujeto no es un número finito</translation>
    </message>
    <message>
        <source>subject depth is not greater than 0</source>
        <translation>la profundidad del sujeto no es mayor que 0</translation>
    </message>
    <message>
        <source>frame width is not a finite number</source>
        <translation>el ancho del formato no es un número finito</translation>
    </message>
    <message>
        <source>frame width is not greater than 0</source>
        <translation>el ancho del formato no es mayor que 0</translation>
    </message>
    <message>
        <source>frame height is not a finite number</source>
        <translation>el alto del formato no es un número finito</translation>
    </message>
    <message>
        <source>frame height is not greater than 0</source>
        <translation>el alto del formato no es mayor que 0</translation>
    </message>
    <message>
        <source>print width is not a finite number</source>
        <translation>el ancho de la copia no es un número finito</translation>
    </message>
    <message>
        <source>print width is not greater than 0</source>
        <translation>el ancho de la copia no es mayor que 0</translation>
    </message>
    <message>
        <source>print height is not a finite number</source>
        <translation>el alto de la copia no es un número finito</translation>
    </message>
    <message>
        <source>print height is not greater than 0</source>
        <translation>el alto de la copia no es mayor que 0</translation>
    </message>
    <message>
        <source>viewing distance is not a finite number</source>
        <translation>la distancia de observación no es un número finito</translation>
    </message>
    <message>
        <source>viewing distance is not greater than 0</source>
        <translation>la distancia de observación no es mayor que 0</translation>
    </message>
    <message>
        <source>eye blur is not a finite number</source>
        <translation>el desenfoque que acepta el ojo no es un número finito</translation>
    </message>
    <message>
        <source>eye blur is not greater than 0</source>
        <translation>el desenfoque que acepta el ojo no es mayor que 0</translation>
    </message>
    <message>
        <source>pixel count is not a finite number</source>
        <translation>el número de píxeles no es un número finito</translation>
    </message>
    <message>
        <source>pixel count is not greater than 0</source>
        <translation>el número de píxeles no es mayor que 0</translation>
    </message>
    <message>
        <source>pixel factor is not a finite number</source>
        <translation>el factor de píxeles no es un número finito</translation>
    </message>
    <message>
        <source>pixel factor is not greater than 0</source>
        <translation>el factor de píxeles no es mayor que 0</translation>
    </message>
    <message>
        <source>inputs give no finite plan</source>
        <translation>los datos no dan un plan finito</translation>
    </message>
    <message>
        <source>the plan would need more than 100 shots</source>
        <translation>el plan necesitaría más de 100 tomas</translation>
    </message>
    <message>
        <source>print size is no size such as A4, 8 x 10 in or 30 x 40 cm</source>
        <translation>el tamaño de la copia no es un tamaño como A4, 8 x 10 in o 30 x 40 cm</translation>
    </message>
    <message>
        <source>nearest distance is not a number</source>
        <translation>la distancia mínima no es un número</translation>
    </message>
    <message>
        <source>farthest distance is not a number nor inf</source>
        <translation>la distancia máxima no es un número ni inf</translation>
    </message>
    <message>
        <source>overlap is not a number</source>
        <translation>el solapamiento no es un número</translation>
    </message>
    <message>
        <source>magnification is not a number</source>
        <translation>la ampliación no es un número</translation>
    </message>
    <message>
        <source>pupil magnification is not a number</source>
        <translation>la ampliación de pupila no es un número</translation>
    </message>
    <message>
        <source>subject depth is not a number</source>
        <translation>la profundidad del sujeto no es un número</translation>
    </message>
</context>
<context>
    <name>Rounding Rules</name>
    <message>
        <source>Rounding Rules</source>
        <translation>Reglas de redondeo</translation>
    </message>
    <message>
        <source>Round...</source>
        <translation>Redondear...</translation>
    </message>
    <message>
        <source>Stops to :</source>
        <translation>Pasos a:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Nearest 1/2 stop</source>
        <translation>1/2 paso más cercano</translation>
    </message>
    <message>
        <source>Nearest 1/3 stop</source>
        <translation>1/3 paso más cercano</translation>
    </message>
    <message>
        <source>Other to :</source>
        <translation>Otros a:</translation>
    </message>
    <message>
        <source>1 decimal place</source>
        <translation>1 decimal</translation>
    </message>
    <message>
        <source>2 decimal places</source>
        <translation>2 decimales</translation>
    </message>
    <message>
        <source>3 decimal places</source>
        <translation>3 decimales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Spot Meter</name>
    <message>
        <source>Spot Meter</source>
        <translation>Medición puntual</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focal (mm):</translation>
    </message>
    <message>
        <source>Convert a &quot;percent of frame&quot; measurement of an in-camera spot meter to a &quot;degrees&quot; measurement, as projected through a given lens.</source>
        <translation>Convertir una medición puntual de la cámara en «porcentaje del encuadre» a una medición en «grados», proyectada a través de un objetivo dado.</translation>
    </message>
    <message>
        <source>Percent of frame :</source>
        <translation>Porcentaje del encuadre:</translation>
    </message>
    <message>
        <source>Angle of view :</source>
        <translation>Ángulo de visión:</translation>
    </message>
</context>
<context>
    <name>Startup Preferences</name>
    <message>
        <source>Startup Preferences</source>
        <translation>Preferencias de inicio</translation>
    </message>
    <message>
        <source>Field values become defaults</source>
        <translation>Valores escritos por defecto</translation>
    </message>
    <message>
        <source>Start with last-used calculation</source>
        <translation>Empezar con el último cálculo usado</translation>
    </message>
    <message>
        <source>Or, start with this calculation :</source>
        <translation>O empezar con este cálculo:</translation>
    </message>
    <message>
        <source>f Numbers</source>
        <translation>Números f</translation>
    </message>
    <message>
        <source>Depth of Field</source>
        <translation>Profundidad de campo</translation>
    </message>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>Field of View</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>Angle of View</source>
        <translation>Ángulo de visión</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Ampliación</translation>
    </message>
    <message>
        <source>Spot Meter Angle</source>
        <translation>Ángulo de medición puntual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Status bar</name>
    <message>
        <source>Diffraction: %1 blurs %2 mm, more than the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Difracción: a %1 desenfoca %2 mm, más que el círculo de confusión de %3 mm; mejor profundidad nítida hasta f/%4 aprox.</translation>
    </message>
    <message>
        <source>Diffraction: %1 blurs %2 mm, within the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Difracción: a %1 desenfoca %2 mm, dentro del círculo de confusión de %3 mm; mejor profundidad nítida hasta f/%4 aprox.</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>The depth of field table could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar la tabla de profundidad de campo como «%1»: %2.</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>no se pudo dibujar la ficha</translation>
    </message>
</context>
<context>
    <name>Window 147</name>
    <message>
        <source>Poor Man&apos;s Light Table</source>
        <translation>Mesa de luz del pobre</translation>
    </message>
</context>
<context>
    <name>Window 148</name>
    <message>
        <source>Press Esc to leave this silly thing...</source>
        <translation>Pulse Esc para salir de esta tontería...</translation>
    </message>
</context>
<context>
    <name>f Numbers</name>
    <message>
        <source>f Numbers</source>
        <translation>Números f</translation>
    </message>
    <message>
        <source>Supply two values to calculate the third :</source>
        <translation>Introducir dos valores para calcular el tercero:</translation>
    </message>
    <message>
        <source>f1 :</source>
        <translation>f1:</translation>
    </message>
    <message>
        <source>stops :</source>
        <translation>pasos:</translation>
    </message>
    <message>
        <source>f2 :</source>
        <translation>f2:</translation>
    </message>
    <message>
        <source>Calculate...</source>
        <translation>Calcular...</translation>
    </message>
    <message>
        <source>&apos;f2&apos; as &apos;f1&apos; plus &apos;stops&apos;</source>
        <translation>«f2» como «f1» más «pasos»</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>&apos;stops&apos; as &apos;f2&apos; minus &apos;f1&apos;</source>
        <translation>«pasos» como «f2» menos «f1»</translation>
    </message>
</context>
</TS>
