<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About Mirel</name>
    <message>
        <source>About Mirel</source>
        <translation>À propos de Mirel</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Mirel developers</source>
        <translation>Copyright (c) 2026 les développeurs de Mirel</translation>
    </message>
    <message>
        <source>Free software (GNU GPL 3 or later), no warranty.</source>
        <translation>Logiciel libre (GNU GPL 3 ou ultérieure), sans garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License...</source>
        <translation>Licence...</translation>
    </message>
    <message>
        <source>Stupid Programmer Trick...</source>
        <translation>Astuce de programmeur...</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
</context>
<context>
    <name>Angle of View</name>
    <message>
        <source>Angle of View</source>
        <translation>Angle de champ</translation>
    </message>
    <message>
        <source>Calculate the angle of view for a lens and film format, at infinity :</source>
        <translation>Calculer l&apos;angle de champ d&apos;un objectif pour un format, à l&apos;infini :</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Resulting angle of view :</source>
        <translation>Angle de champ :</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertical :</translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation>Horizontal :</translation>
    </message>
    <message>
        <source>Diagonal :</source>
        <translation>Diagonal :</translation>
    </message>
</context>
<context>
    <name>CameraChooserWindow</name>
    <message>
        <source>&amp;Use for the pages</source>
        <translation>&amp;Utiliser pour les pages</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Fill the pages&apos; format with the camera chosen and compute with it (Enter)</source>
        <translation>Remplir le format des pages avec le boîtier choisi et calculer avec lui (Entrée)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>&amp;Cercle de confusion :</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
    <message>
        <source>maker and model: 7d, z6, x-t3, rx100</source>
        <translation>marque et modèle : 7d, z6, x-t3, rx100</translation>
    </message>
    <message>
        <source>Search cameras</source>
        <translation>Rechercher des boîtiers</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Boîtiers</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Crop factor: the 36 × 24 mm diagonal over the frame&apos;s</source>
        <translation>Coefficient de recadrage : la diagonale de 36 × 24 mm sur celle de l&apos;image</translation>
    </message>
    <message>
        <source>Circle of confusion by the rule chosen</source>
        <translation>Cercle de confusion selon la règle choisie</translation>
    </message>
    <message>
        <source>The circle of confusion the row takes: the frame&apos;s diagonal over 1730, as the pages suggest, or over 1500 or 1440 for larger circles</source>
        <translation>Le cercle de confusion de la ligne : la diagonale de l&apos;image sur 1730, comme le suggèrent les pages, ou sur 1500 ou 1440 pour des cercles plus grands</translation>
    </message>
    <message>
        <source>The camera chosen takes the place of %1, in the film table and becomes the pages&apos; format.</source>
        <translation>L&apos;appareil choisi prend la place de %1 dans la table des formats et devient le format des pages.</translation>
    </message>
    <message>
        <source>Loading cameras...</source>
        <translation>Chargement des appareils...</translation>
    </message>
    <message>
        <source>No camera matches “%1”.</source>
        <translation>Aucun appareil ne correspond à « %1 ».</translation>
    </message>
    <message>
        <source>No camera matches “%1”; the nearest names:</source>
        <translation>Aucun appareil ne correspond à « %1 » ; les noms les plus proches :</translation>
    </message>
    <message>
        <source>diagonal / 1730 (as the pages suggest)</source>
        <translation>diagonale / 1730 (comme le proposent les pages)</translation>
    </message>
    <message>
        <source>diagonal / 1500</source>
        <translation>diagonale / 1500</translation>
    </message>
    <message>
        <source>diagonal / 1440</source>
        <translation>diagonale / 1440</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Ci&amp;rcle of confusion:</source>
        <translation>&amp;Cercle de confusion :</translation>
    </message>
</context>
<context>
    <name>CircleOfConfusionWindow</name>
    <message>
        <source>&amp;Classic: diagonal / 1730</source>
        <translation>&amp;Classique : diagonale / 1730</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1730: the circle the pages suggest for every format</source>
        <translation>La diagonale de l&apos;image sur 1730 : le cercle que les pages suggèrent pour tout format</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;500</source>
        <translation>Diagonale / 1&amp;500</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1500: a larger circle, of other tables</source>
        <translation>La diagonale de l&apos;image sur 1500 : un cercle plus grand, d&apos;autres tables</translation>
    </message>
    <message>
        <source>Diagonal / 1&amp;440</source>
        <translation>Diagonale / 1&amp;440</translation>
    </message>
    <message>
        <source>The frame&apos;s diagonal over 1440: a larger circle, of other tables</source>
        <translation>La diagonale de l&apos;image sur 1440 : un cercle plus grand, d&apos;autres tables</translation>
    </message>
    <message>
        <source>From a p&amp;rint</source>
        <translation>D&apos;après un ti&amp;rage</translation>
    </message>
    <message>
        <source>The blur the eye accepts on the print, seen from its distance, brought back to the frame</source>
        <translation>Le flou que l&apos;œil accepte sur le tirage, vu de sa distance, ramené à l&apos;image</translation>
    </message>
    <message>
        <source>From pi&amp;xels</source>
        <translation>D&apos;après les pi&amp;xels</translation>
    </message>
    <message>
        <source>As many pixels as the circle spans, at the pixels across the frame</source>
        <translation>Autant de pixels que le cercle en couvre, selon les pixels sur la largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Pa&amp;ges&apos; format</source>
        <translation>&amp;Format des pages</translation>
    </message>
    <message>
        <source>&amp;Use on the pages</source>
        <translation>&amp;Utiliser sur les pages</translation>
    </message>
    <message>
        <source>Circle of Confusion</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>&amp;Boîtier...</translation>
    </message>
    <message>
        <source>Work out the circles for a camera&apos;s frame instead of the pages&apos; format</source>
        <translation>Calculer les cercles pour l&apos;image d&apos;un boîtier au lieu du format des pages</translation>
    </message>
    <message>
        <source>Work out the circles for the pages&apos; format again</source>
        <translation>Calculer à nouveau les cercles pour le format des pages</translation>
    </message>
    <message>
        <source>A print size from the list, or typed as width x height with its unit: 20 x 30 cm, 11 x 14 in</source>
        <translation>Une taille de tirage de la liste, ou saisie en largeur x hauteur avec son unité : 20 x 30 cm, 11 x 14 in</translation>
    </message>
    <message>
        <source>The blur the eye accepts on a print seen from 25 cm; 0.2 mm is usual</source>
        <translation>Le flou que l&apos;œil accepte sur un tirage vu à 25 cm ; 0.2 mm est l&apos;usage</translation>
    </message>
    <message>
        <source>The width of the camera&apos;s pictures in pixels: 6000 for 24 megapixels at 3:2</source>
        <translation>La largeur des images du boîtier en pixels : 6000 pour 24 mégapixels en 3:2</translation>
    </message>
    <message>
        <source>How many pixels the circle spans: 2, a line and its gap, is the finest detail the sensor holds</source>
        <translation>Combien de pixels le cercle couvre : 2, une ligne et son intervalle, est le plus fin détail que le capteur restitue</translation>
    </message>
    <message>
        <source>Circle of confusion by each rule</source>
        <translation>Cercle de confusion selon chaque règle</translation>
    </message>
    <message>
        <source>Print si&amp;ze:</source>
        <translation>&amp;Taille du tirage :</translation>
    </message>
    <message>
        <source>Seen &amp;from:</source>
        <translation>&amp;Vu à :</translation>
    </message>
    <message>
        <source>&amp;Eye blur at 25 cm:</source>
        <translation>Flou acc&amp;epté par l&apos;œil à 25 cm :</translation>
    </message>
    <message>
        <source>Pixels &amp;across:</source>
        <translation>Pixels en &amp;largeur :</translation>
    </message>
    <message>
        <source>Circle &amp;spans:</source>
        <translation>Le cercle c&amp;ouvre :</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>The camera database has no pixel counts: type the width of the camera&apos;s pictures in pixels.</source>
        <translation>La base des boîtiers ne connaît pas les pixels : saisissez la largeur des images du boîtier en pixels.</translation>
    </message>
    <message>
        <source>Make the chosen rule&apos;s circle the pages&apos; circle of confusion</source>
        <translation>Faire du cercle de la règle choisie le cercle de confusion des pages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
    <message>
        <source>The circles are worked out for the camera chosen.</source>
        <translation>Les cercles sont calculés pour le boîtier choisi.</translation>
    </message>
    <message>
        <source>   (empty: the print&apos;s diagonal)</source>
        <translation>   (vide : la diagonale du tirage)</translation>
    </message>
    <message>
        <source>The distance the print is seen from, in the unit of the pages; left empty, the print&apos;s diagonal</source>
        <translation>La distance d&apos;où le tirage est vu, dans l&apos;unité des pages ; laissée vide, la diagonale du tirage</translation>
    </message>
    <message>
        <source>The %1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source> (the pages&apos; format)</source>
        <translation> (le format des pages)</translation>
    </message>
</context>
<context>
    <name>Defaults</name>
    <message>
        <source>Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Default...</source>
        <translation>Par défaut...</translation>
    </message>
    <message>
        <source>Film size :</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Length unit :</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>Focus distance :</source>
        <translation>Mise au point :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Focal length :</source>
        <translation>Focale :</translation>
    </message>
    <message>
        <source>Spot percent :</source>
        <translation>Spot en % :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Depth of Field</name>
    <message>
        <source>Depth of Field</source>
        <translation>Profondeur de champ</translation>
    </message>
    <message>
        <source>Calculate the depth of the field of acceptable sharpness surrounding the focal plane :</source>
        <translation>Calculer la profondeur de la zone de netteté acceptable autour du plan de mise au point :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Distance du sujet :</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Cercle de confusion (mm) :</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Suggérer pour :</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unité de la distance du sujet</translation>
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
        <translation>PdC :</translation>
    </message>
    <message>
        <source>Near :</source>
        <translation>Près :</translation>
    </message>
    <message>
        <source>Far :</source>
        <translation>Loin :</translation>
    </message>
    <message>
        <source>Total :</source>
        <translation>Total :</translation>
    </message>
</context>
<context>
    <name>DofCard</name>
    <message>
        <source>f-number</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>Each cell: near limit over far limit of acceptable sharpness in %1 when focused at the column&apos;s distance; ∞: sharp to infinity. %2</source>
        <translation>Chaque case : limite proche sur limite lointaine de netteté acceptable en %1, mise au point à la distance de la colonne ; ∞ : net jusqu&apos;à l&apos;infini. %2</translation>
    </message>
    <message>
        <source>Depth of Field Table</source>
        <translation>Table de profondeur de champ</translation>
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
        <translation>net avec mise au point à %1 %2</translation>
    </message>
    <message>
        <source>hyperfocal distance</source>
        <translation>distance hyperfocale</translation>
    </message>
    <message>
        <source>diffraction blur above the circle of confusion</source>
        <translation>flou de diffraction au-delà du cercle de confusion</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Subject distance (%1)</source>
        <translation>Distance du sujet (%1)</translation>
    </message>
    <message>
        <source>No zone of sharpness: the focus distance is shorter than the focal length, or a value is unusable.</source>
        <translation>Aucune zone de netteté : la distance de mise au point est plus courte que la focale, ou une valeur est inutilisable.</translation>
    </message>
    <message>
        <source>focus %1 %2</source>
        <translation>mise au point %1 %2</translation>
    </message>
    <message>
        <source>Depth of field chart</source>
        <translation>Graphique de profondeur de champ</translation>
    </message>
    <message>
        <source>%1 none</source>
        <translation>%1 aucune</translation>
    </message>
    <message>
        <source>%1 %2 %3 to infinity</source>
        <translation>%1 %2 %3 à l&apos;infini</translation>
    </message>
    <message>
        <source>%1 %2 to %3 %4</source>
        <translation>%1 %2 à %3 %4</translation>
    </message>
    <message>
        <source>The zone of sharpness at each aperture when focused at %1 %2: %3.</source>
        <translation>La zone de netteté à chaque ouverture, mise au point à %1 %2 : %3.</translation>
    </message>
</context>
<context>
    <name>DofTableModel</name>
    <message>
        <source>The aperture on the pages.</source>
        <translation>L&apos;ouverture des pages.</translation>
    </message>
    <message>
        <source>The distance nearest the focus on the pages.</source>
        <translation>La distance la plus proche de la mise au point des pages.</translation>
    </message>
    <message>
        <source>Hyperfocal</source>
        <translation>Hyperfocale</translation>
    </message>
</context>
<context>
    <name>DofTableWindow</name>
    <message>
        <source>Depth of Field Table</source>
        <translation>Table de profondeur de champ</translation>
    </message>
    <message>
        <source>&amp;Third stops</source>
        <translation>&amp;Tiers de diaphragme</translation>
    </message>
    <message>
        <source>empty: around the focus distance</source>
        <translation>vide : autour de la mise au point</translation>
    </message>
    <message>
        <source>Subject distances of the columns, separated by commas, in the unit of the pages. Empty the field for a set around the focus distance.</source>
        <translation>Distances du sujet des colonnes, séparées par des virgules, dans l’unité des pages. Videz le champ pour une série autour de la mise au point.</translation>
    </message>
    <message>
        <source>&amp;Distances:</source>
        <translation>&amp;Distances :</translation>
    </message>
    <message>
        <source>A row for every third of a stop, not only the whole stops</source>
        <translation>Une ligne par tiers de diaphragme, pas seulement par diaphragme entier</translation>
    </message>
    <message>
        <source>Depth of field table: near and far limits by aperture and distance</source>
        <translation>Table de profondeur de champ : limites proche et lointaine par ouverture et distance</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the table as text for a spreadsheet</source>
        <translation>Copier la table en texte pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Save the table as PDF or CSV</source>
        <translation>Enregistrer la table en PDF ou CSV</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the table and chart on one page</source>
        <translation>Imprimer la table et le graphique sur une page</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to read and print the table</source>
        <translation>Comment lire et imprimer la table</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exporter la %1</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer la %1</translation>
    </message>
    <message>
        <source>The depth of field table could not be printed: the printer “%1” did not accept it.</source>
        <translation>La table de profondeur de champ n&apos;a pas pu être imprimée : l&apos;imprimante « %1 » l&apos;a refusée.</translation>
    </message>
    <message>
        <source>Focal length %1 mm, film format %2, circle of confusion %3 mm, distances in %4</source>
        <translation>Focale %1 mm, format %2, cercle de confusion %3 mm, distances en %4</translation>
    </message>
    <message>
        <source>Diffraction blurs more than the %1 mm circle of confusion beyond about f/%2: those apertures are marked.</source>
        <translation>Au-delà d&apos;environ f/%2, la diffraction floute plus que le cercle de confusion de %1 mm : ces ouvertures sont marquées.</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
</context>
<context>
    <name>Field of View</name>
    <message>
        <source>Field of View</source>
        <translation>Champ couvert</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unité de la distance du sujet</translation>
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
        <translation>Champ couvert :</translation>
    </message>
    <message>
        <source>Subject distance :</source>
        <translation>Distance du sujet :</translation>
    </message>
    <message>
        <source>Calculate the maximum subject size, given the subject distance, the focal length of the lens and the film format :</source>
        <translation>Calculer la taille maximale du sujet, selon la distance du sujet, la focale de l&apos;objectif et le format :</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Vertical :</source>
        <translation>Vertical :</translation>
    </message>
    <message>
        <source>Horizontal :</source>
        <translation>Horizontal :</translation>
    </message>
</context>
<context>
    <name>FilmFormatsDialog</name>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Name of format</source>
        <translation>Nom du format</translation>
    </message>
    <message>
        <source>Width (mm)</source>
        <translation>Largeur (mm)</translation>
    </message>
    <message>
        <source>Width in mm of format</source>
        <translation>Largeur en mm du format</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hauteur (mm)</translation>
    </message>
    <message>
        <source>Height in mm of format</source>
        <translation>Hauteur en mm du format</translation>
    </message>
    <message>
        <source>CoC (mm)</source>
        <translation>CdC (mm)</translation>
    </message>
    <message>
        <source>Circle of confusion in mm of format</source>
        <translation>Cercle de confusion en mm du format</translation>
    </message>
    <message>
        <source>Film Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>The film formats the pages list. A name holds at most 15 characters. A circle of confusion of 0 takes the suggested one, the frame&apos;s diagonal / 1730.</source>
        <translation>Les formats que listent les pages. Un nom compte au plus 15 caractères. Un cercle de confusion de 0 prend celui suggéré, la diagonale de l&apos;image / 1730.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggéré</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Preset for format %1</source>
        <translation>Modèle pour le format %1</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Camera...</source>
        <translation>Boîtier...</translation>
    </message>
    <message>
        <source>Camera for format %1</source>
        <translation>Boîtier pour le format %1</translation>
    </message>
    <message>
        <source>Fill the row from a camera: its name, frame and circle of confusion</source>
        <translation>Remplir la ligne d&apos;après un boîtier : nom, format d&apos;image et cercle de confusion</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Table</source>
        <translation>&amp;Rétablir la table d’origine</translation>
    </message>
    <message>
        <source>Every row back to the formats Mirel comes with</source>
        <translation>Toutes les lignes reviennent aux formats fournis avec Mirel</translation>
    </message>
    <message>
        <source>The camera chosen fills format %1 of the table.</source>
        <translation>Le boîtier choisi remplit le format %1 de la table.</translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation>Boîtier : </translation>
    </message>
    <message>
        <source>Format %1: %2</source>
        <translation>Format %1 : %2</translation>
    </message>
    <message>
        <source>“%1” cannot be stored: a name holds only the Western European characters of Windows-1252.</source>
        <translation>« %1 » ne peut pas être enregistré : un nom ne contient que les caractères d&apos;Europe occidentale de Windows-1252.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters; this one has %2.</source>
        <translation>Un nom compte au plus %1 caractères ; celui-ci en a %2.</translation>
    </message>
    <message>
        <source>The circle of confusion must be a number of millimetres from 0.0005 to 1, or 0 for the suggested one: a smaller circle would be smaller than a wavelength of light, and even 20 × 24 inch sheet film needs less than 0.5 mm.</source>
        <translation>Le cercle de confusion doit être un nombre de millimètres entre 0.0005 et 1, ou 0 pour celui proposé : un cercle plus petit serait plus petit qu&apos;une longueur d&apos;onde de la lumière, et même le plan-film 20 × 24 pouces demande moins de 0.5 mm.</translation>
    </message>
    <message>
        <source>The width must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>La largeur doit être un nombre de millimètres entre 1 et 1000 : les formats vont d&apos;environ 1 mm sur les plus petits capteurs de téléphone à plus de 20 × 24 pouces (508 × 610 mm) en plan-film.</translation>
    </message>
    <message>
        <source>The height must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone sensors to past 20 × 24 inch (508 × 610 mm) sheet film.</source>
        <translation>La hauteur doit être un nombre de millimètres entre 1 et 1000 : les formats vont d&apos;environ 1 mm sur les plus petits capteurs de téléphone à plus de 20 × 24 pouces (508 × 610 mm) en plan-film.</translation>
    </message>
    <message>
        <source>The settings keep six decimals, so %1 would be stored as %2.</source>
        <translation>Les réglages gardent six décimales : %1 serait donc enregistré comme %2.</translation>
    </message>
</context>
<context>
    <name>FocusPlannerWindow</name>
    <message>
        <source>to &amp;infinity</source>
        <translation>à l&apos;&amp;infini</translation>
    </message>
    <message>
        <source>&amp;Use on Depth of Field page</source>
        <translation>&amp;Utiliser sur la page Profondeur de champ</translation>
    </message>
    <message>
        <source>Focus Planner</source>
        <translation>Planificateur de netteté</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>La distance la plus proche qui doit être nette, dans l&apos;unité des pages</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages</source>
        <translation>La distance la plus lointaine qui doit être nette, dans l&apos;unité des pages</translation>
    </message>
    <message>
        <source>The next whole stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>Le diaphragme entier suivant, à partir de la plus petite ouverture, et la zone qu’il garde nette à la distance de mise au point</translation>
    </message>
    <message>
        <source>The next third of a stop at or above the smallest aperture, and the zone it keeps sharp at the focus distance</source>
        <translation>Le tiers de diaphragme suivant, à partir de la plus petite ouverture, et la zone qu’il garde nette à la distance de mise au point</translation>
    </message>
    <message>
        <source>Put the focus distance and the chosen stop on the Depth of Field page</source>
        <translation>Reporter la distance de mise au point et le diaphragme choisi sur la page Profondeur de champ</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Net de</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>Distance la plus &amp;proche :</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>Distance la plus &amp;lointaine :</translation>
    </message>
    <message>
        <source>Focus and aperture</source>
        <translation>Mise au point et ouverture</translation>
    </message>
    <message>
        <source>F&amp;ocus at:</source>
        <translation>&amp;Mise au point à :</translation>
    </message>
    <message>
        <source>&amp;Smallest aperture:</source>
        <translation>Plus petite &amp;ouverture :</translation>
    </message>
    <message>
        <source>&amp;Whole stop:</source>
        <translation>&amp;Diaphragme entier :</translation>
    </message>
    <message>
        <source>&amp;Third stop:</source>
        <translation>&amp;Tiers de diaphragme :</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
    <message>
        <source>For a %1 mm lens on %2, circle of confusion %3 mm, as on the pages</source>
        <translation>Pour un objectif de %1 mm sur %2, cercle de confusion de %3 mm, comme sur les pages</translation>
    </message>
    <message>
        <source>No plan: the %1.</source>
        <translation>Pas de plan : %1.</translation>
    </message>
    <message>
        <source>The f-number at which the blur at the nearest and farthest distance, defocus and diffraction together, is least; that blur, and against the circle of confusion</source>
        <translation>L&apos;ouverture à laquelle le flou aux distances la plus proche et la plus lointaine, défocalisation et diffraction ensemble, est le plus faible ; ce flou, et face au cercle de confusion</translation>
    </message>
    <message>
        <source>Sh&amp;arpest at:</source>
        <translation>La plus &amp;nette à :</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>f/%1: %2 to %3</source>
        <translation>f/%1 : de %2 à %3</translation>
    </message>
    <message>
        <source>f/%1: %2 to infinity</source>
        <translation>f/%1 : de %2 à l&apos;infini</translation>
    </message>
    <message>
        <source>beyond f/%1</source>
        <translation>au-delà de f/%1</translation>
    </message>
    <message>
        <source>%1, blur %2, %3 × the circle of confusion</source>
        <translation>%1, flou %2, %3 × le cercle de confusion</translation>
    </message>
</context>
<context>
    <name>FocusStackWindow</name>
    <message>
        <source>Focus Stack</source>
        <translation>Empilement de mise au point</translation>
    </message>
    <message>
        <source>No plan: %1.</source>
        <translation>Pas de plan : %1.</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Paysage</translation>
    </message>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Macro</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the plan shown as text</source>
        <translation>Copier le plan affiché en texte</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>Enregistrer en C&amp;SV...</translation>
    </message>
    <message>
        <source>Save the plan shown as CSV for a spreadsheet</source>
        <translation>Enregistrer le plan affiché en CSV pour un tableur</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the plan shown on one page</source>
        <translation>Imprimer le plan affiché sur une page</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp, in the unit of the pages</source>
        <translation>La distance la plus proche qui doit être nette, dans l&apos;unité des pages</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp, in the unit of the pages; inf for infinity</source>
        <translation>La distance la plus lointaine qui doit être nette, dans l&apos;unité des pages ; inf pour l&apos;infini</translation>
    </message>
    <message>
        <source>How far each shot&apos;s zone reaches into the one before, in percent of its depth; 0: the zones just meet</source>
        <translation>Combien la zone de chaque vue empiète sur la précédente, en pourcentage de sa profondeur ; 0 : les zones se touchent</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Net de</translation>
    </message>
    <message>
        <source>&amp;Nearest distance:</source>
        <translation>Distance la plus p&amp;roche :</translation>
    </message>
    <message>
        <source>&amp;Farthest distance:</source>
        <translation>Distance la plus &amp;lointaine :</translation>
    </message>
    <message>
        <source>(inf: to infinity)</source>
        <translation>(inf : à l&apos;infini)</translation>
    </message>
    <message>
        <source>&amp;Overlap:</source>
        <translation>C&amp;hevauchement :</translation>
    </message>
    <message>
        <source>% of a shot&apos;s depth</source>
        <translation>% de la profondeur d&apos;une vue</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Number of shots</source>
        <translation>Nombre de vues</translation>
    </message>
    <message>
        <source>Shots: each one&apos;s focus distance and the zone it keeps sharp</source>
        <translation>Vues : la mise au point de chacune et la zone qu’elle garde nette</translation>
    </message>
    <message>
        <source>Focus at</source>
        <translation>Mise au point à</translation>
    </message>
    <message>
        <source>Sharp to</source>
        <translation>Net jusqu&apos;à</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>Vues :</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>The magnification on the sensor: 1 for life size (1:1), 0.5 for 1:2</source>
        <translation>Le grandissement sur le capteur : 1 pour la taille réelle (1:1), 0.5 pour 1:2</translation>
    </message>
    <message>
        <source>The lens&apos;s exit over its entrance pupil diameter; 1 for a symmetric lens, as most macro lenses nearly are</source>
        <translation>Le diamètre de la pupille de sortie de l&apos;objectif sur celui de sa pupille d&apos;entrée ; 1 pour un objectif symétrique, comme le sont presque la plupart des objectifs macro</translation>
    </message>
    <message>
        <source>The depth of the subject that must be sharp, front to back</source>
        <translation>La profondeur du sujet qui doit être nette, de l&apos;avant à l&apos;arrière</translation>
    </message>
    <message>
        <source>How far each shot&apos;s depth reaches into the one before, in percent of its depth</source>
        <translation>Combien la profondeur de chaque vue empiète sur la précédente, en pourcentage de sa profondeur</translation>
    </message>
    <message>
        <source>&amp;the pages&apos; lens at their focus distance</source>
        <translation>l&apos;&amp;objectif des pages à leur mise au point</translation>
    </message>
    <message>
        <source>The magnification f / (s - f) of the pages&apos; focal length f at their focus distance s</source>
        <translation>Le grandissement f / (s - f) de la focale f des pages à leur distance de mise au point s</translation>
    </message>
    <message>
        <source>Ma&amp;gnification:</source>
        <translation>&amp;Grandissement :</translation>
    </message>
    <message>
        <source>P&amp;upil magnification:</source>
        <translation>Grandissement p&amp;upillaire :</translation>
    </message>
    <message>
        <source>Subject &amp;depth:</source>
        <translation>Pro&amp;fondeur du sujet :</translation>
    </message>
    <message>
        <source>O&amp;verlap:</source>
        <translation>Chevauchemen&amp;t :</translation>
    </message>
    <message>
        <source>Effective aperture:</source>
        <translation>Ouverture effective :</translation>
    </message>
    <message>
        <source>Depth per shot:</source>
        <translation>Profondeur par vue :</translation>
    </message>
    <message>
        <source>Rail step:</source>
        <translation>Pas du rail :</translation>
    </message>
    <message>
        <source>Save %1 as CSV</source>
        <translation>Enregistrer l&apos;%1 en CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>The focus stack could not be saved as “%1”: %2.</source>
        <translation>L&apos;empilement n&apos;a pas pu être enregistré sous « %1 » : %2.</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimer la %1</translation>
    </message>
    <message>
        <source>The focus stack could not be printed: the printer “%1” did not accept it.</source>
        <translation>L&apos;empilement n&apos;a pas pu être imprimé : l&apos;imprimante « %1 » l&apos;a refusé.</translation>
    </message>
    <message>
        <source>For a %1 mm lens at %2 on %3, circle of confusion %4 mm, as on the pages</source>
        <translation>Pour un objectif de %1 mm à %2 sur %3, cercle de confusion %4 mm, comme sur les pages</translation>
    </message>
    <message>
        <source>One shot is enough</source>
        <translation>Une prise de vue suffit</translation>
    </message>
    <message>
        <source>%1 shots</source>
        <translation>%1 prises de vue</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>infini</translation>
    </message>
</context>
<context>
    <name>HelpFindBar</name>
    <message>
        <source>&amp;Highlight all</source>
        <translation>Tout &amp;surligner</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Suiva&amp;nt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Phrase not found</source>
        <translation>Expression introuvable</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Mirel Help</source>
        <translation>Aide de Mirel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Chercher</translation>
    </message>
</context>
<context>
    <name>Hyperfocal Distance</name>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>Calculate the focusing distance that offers the deepest in-focus field, for a given focal length, aperture and film format :</source>
        <translation>Calculer la distance de mise au point qui donne la plus grande profondeur de champ, pour une focale, une ouverture et un format :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Aperture :</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>Circle of confusion (mm) :</source>
        <translation>Cercle de confusion (mm) :</translation>
    </message>
    <message>
        <source>Suggest CoC for :</source>
        <translation>Suggérer pour :</translation>
    </message>
    <message>
        <source>Express distance in :</source>
        <translation>Distance en :</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Express distance in</source>
        <translation>Distance en</translation>
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
        <translation>Distance hyperfocale :</translation>
    </message>
</context>
<context>
    <name>Magnification</name>
    <message>
        <source>Magnification</source>
        <translation>Grandissement</translation>
    </message>
    <message>
        <source>Calculate the subject magnification factor for a lens of a given its focal length, and the distance from the lens&apos; optical center to the focal plane :</source>
        <translation>Calculer le grandissement du sujet pour un objectif, d&apos;après sa focale et la distance de son centre optique au plan focal :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Distance (So) :</source>
        <translation>Distance (So) :</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Subject distance unit</source>
        <translation>Unité de la distance du sujet</translation>
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
        <translation>Grandissement :</translation>
    </message>
</context>
<context>
    <name>Menu Help</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation>Con&amp;texte</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>Menu Program</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Open Photo...</source>
        <translation>&amp;Ouvrir une photo...</translation>
    </message>
</context>
<context>
    <name>Menu Settings</name>
    <message>
        <source>&amp;Rounding Rules...</source>
        <translation>Règles d&apos;&amp;arrondi...</translation>
    </message>
    <message>
        <source>&amp;Defaults...</source>
        <translation>Valeurs par &amp;défaut...</translation>
    </message>
    <message>
        <source>&amp;Startup Preferences...</source>
        <translation>Préférences de dé&amp;marrage...</translation>
    </message>
    <message>
        <source>&amp;Film Formats...</source>
        <translation>&amp;Formats...</translation>
    </message>
</context>
<context>
    <name>Menu Show</name>
    <message>
        <source>f Numbers Page</source>
        <translation>Nombres f</translation>
    </message>
    <message>
        <source>Depth of Field Page</source>
        <translation>Profondeur de champ</translation>
    </message>
    <message>
        <source>Hyperfocal Page</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>Field of View Page</source>
        <translation>Champ couvert</translation>
    </message>
    <message>
        <source>Angle of View Page</source>
        <translation>Angle de champ</translation>
    </message>
    <message>
        <source>Magnification Page</source>
        <translation>Grandissement</translation>
    </message>
    <message>
        <source>Spot Meter Page</source>
        <translation>Mesure spot</translation>
    </message>
</context>
<context>
    <name>Menu Tools</name>
    <message>
        <source>Depth of Field &amp;Table...</source>
        <translation>&amp;Table de profondeur de champ...</translation>
    </message>
    <message>
        <source>Focus &amp;Planner...</source>
        <translation>&amp;Planificateur de netteté...</translation>
    </message>
    <message>
        <source>Ca&amp;mera...</source>
        <translation>&amp;Boîtier...</translation>
    </message>
    <message>
        <source>C&amp;ircle of Confusion...</source>
        <translation>&amp;Cercle de confusion...</translation>
    </message>
    <message>
        <source>&amp;Copy Page Results</source>
        <translation>Copier les &amp;résultats de la page</translation>
    </message>
    <message>
        <source>Focus &amp;Stack...</source>
        <translation>&amp;Empilement de mise au point...</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>Affic&amp;her</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Pa&amp;ramètres</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Mirel Error</source>
        <translation>Erreur de Mirel</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Mirel found no home folder to keep its settings in: HOME is not an absolute path, and the system names none for this user. The built-in settings are used, and nothing is saved.</source>
        <translation>Mirel n&apos;a trouvé aucun dossier personnel où garder ses réglages : HOME n&apos;est pas un chemin absolu, et le système n&apos;en indique aucun pour cet utilisateur. Les réglages intégrés sont utilisés, et rien n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MiB and was not read; the built-in settings are used.</source>
        <translation>Le fichier de réglages %1 dépasse 1 Mio et n&apos;a pas été lu ; les réglages intégrés sont utilisés.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read in full; what could be read is used.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu en entier ; ce qui a pu être lu est utilisé.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and is left as it is.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu et reste tel quel.</translation>
    </message>
    <message>
        <source>When it can be read again, a copy is kept as %1 and this run&apos;s changes are saved into it.</source>
        <translation>Quand il pourra de nouveau être lu, une copie sera gardée sous %1 et les modifications de cette session y seront enregistrées.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Le fichier tel qu&apos;il était est gardé sous %1.</translation>
    </message>
    <message>
        <source>It could not be copied to %1 (%2), so it will not be replaced.</source>
        <translation>Il n&apos;a pas pu être copié vers %1 (%2) ; il ne sera donc pas remplacé.</translation>
    </message>
    <message>
        <source>These values in the settings file %1 cannot be used as they are stored, and Mirel uses others in their place: %2.</source>
        <translation>Ces valeurs du fichier de réglages %1 ne peuvent pas être utilisées telles qu&apos;elles sont enregistrées, et Mirel en utilise d&apos;autres à leur place : %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was not changed.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>This run&apos;s settings could not be merged into the settings file %1: for %2 seconds another program kept it busy or changed it.</source>
        <translation>Les réglages de cette session n&apos;ont pas pu être fusionnés dans le fichier de réglages %1 : pendant %2 secondes, un autre programme l&apos;a occupé ou modifié.</translation>
    </message>
    <message>
        <source>They could not be kept beside it as %1 either (%2), so they are lost.</source>
        <translation>Ils n&apos;ont pas pu non plus être gardés à côté sous %1 (%2) ; ils sont donc perdus.</translation>
    </message>
    <message>
        <source>So that neither is lost, the settings file is left as the other saves it, and this run&apos;s settings are kept as %1. To use them instead, put that file in its place.</source>
        <translation>Pour que rien ne soit perdu, le fichier de réglages reste tel que l&apos;autre l&apos;enregistre, et les réglages de cette session sont gardés sous %1. Pour les utiliser à la place, mettez ce fichier à sa place.</translation>
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
        <translation>Photos (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Use on Pages</source>
        <translation>&amp;Utiliser sur les pages</translation>
    </message>
    <message>
        <source>Put the photo&apos;s focal length, aperture, focus distance and camera on the pages</source>
        <translation>Reporter la focale, l&apos;ouverture, la distance de mise au point et l&apos;appareil de la photo sur les pages</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the list as text for a spreadsheet</source>
        <translation>Copier la liste en texte pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Save the list, every figure with its source, as CSV</source>
        <translation>Enregistrer la liste en CSV, chaque valeur avec sa source</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Open photos, or drop them here: the depth of field of each shot from its own metadata, with the circle of confusion the pages suggest for its camera.</source>
        <translation>Ouvrez des photos ou déposez-les ici : la profondeur de champ de chaque prise de vue d&apos;après ses propres métadonnées, avec le cercle de confusion que les pages proposent pour son appareil.</translation>
    </message>
    <message>
        <source>Photos, one row each with the depth of field of its shot</source>
        <translation>Photos, une ligne chacune avec la profondeur de champ de sa prise de vue</translation>
    </message>
    <message>
        <source>The focus distance of a photo that records none, in the unit of the pages</source>
        <translation>La distance de mise au point d&apos;une photo qui n&apos;en enregistre pas, dans l&apos;unité des pages</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open photos to read</source>
        <translation>Ouvrir des photos à lire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How photos are read</source>
        <translation>Comment les photos sont lues</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the window (Esc)</source>
        <translation>Fermer la fenêtre (Échap)</translation>
    </message>
    <message>
        <source>Focus &amp;distance (%1):</source>
        <translation>&amp;Distance de mise au point (%1) :</translation>
    </message>
    <message>
        <source>Open Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>pas d&apos;image</translation>
    </message>
    <message>
        <source>Thumbnail of %1</source>
        <translation>Vignette de %1</translation>
    </message>
    <message>
        <source>not recorded: type it</source>
        <translation>non enregistrée : saisissez-la</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The list of photos could not be saved as “%1”: %2.</source>
        <translation>La liste des photos n&apos;a pas pu être enregistrée sous « %1 » : %2.</translation>
    </message>
    <message>
        <source>Save the Photos as CSV</source>
        <translation>Enregistrer les photos en CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>f-number</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Distance de mise au point</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Limite proche</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Limite lointaine</translation>
    </message>
    <message>
        <source>Total depth</source>
        <translation>Profondeur de champ totale</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distance hyperfocale</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>35 mm equivalent</source>
        <translation>Équivalent 24 × 36</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>lecture...</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>saisie</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>%1 × %2 mm, diagonal %3 mm</source>
        <translation>%1 × %2 mm, diagonale %3 mm</translation>
    </message>
    <message>
        <source>diagonal / 1730, as the pages suggest</source>
        <translation>diagonale / 1730, comme le proposent les pages</translation>
    </message>
    <message>
        <source>Cameras record the focus distance only approximately.</source>
        <translation>Les appareils n&apos;enregistrent la distance de mise au point qu&apos;approximativement.</translation>
    </message>
    <message>
        <source>holds no Exif metadata: no camera settings to read</source>
        <translation>ne contient aucune métadonnée Exif : aucun réglage de l&apos;appareil à lire</translation>
    </message>
    <message>
        <source>an empty file, not a photo</source>
        <translation>un fichier vide, pas une photo</translation>
    </message>
    <message>
        <source>larger than any photo Mirel reads (1 GiB)</source>
        <translation>plus grand que toute photo que Mirel lit (1 Gio)</translation>
    </message>
    <message>
        <source>not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera&apos;s raw file)</source>
        <translation>pas une image que Mirel lit (JPEG, TIFF, PNG, WebP, HEIF ou fichier RAW d&apos;un appareil)</translation>
    </message>
    <message>
        <source>larger than any JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 photo Mirel reads (128 MiB)</source>
        <translation>plus grand que toute photo JPEG, HEIF, CR3, PNG, WebP ou JPEG 2000 que Mirel lit (128 Mio)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not readable: permission denied</source>
        <translation>illisible : permission refusée</translation>
    </message>
    <message>
        <source>a folder, not a photo</source>
        <translation>un dossier, pas une photo</translation>
    </message>
    <message>
        <source>not a regular file, not a photo</source>
        <translation>pas un fichier ordinaire, pas une photo</translation>
    </message>
    <message>
        <source>focal length not recorded</source>
        <translation>focale non enregistrée</translation>
    </message>
    <message>
        <source>f-number not recorded</source>
        <translation>ouverture non enregistrée</translation>
    </message>
    <message>
        <source>focus distance not recorded</source>
        <translation>distance de mise au point non enregistrée</translation>
    </message>
    <message>
        <source>%1 in the camera database</source>
        <translation>%1 dans la base des appareils</translation>
    </message>
    <message>
        <source>%1 × %2 pixels at the focal-plane resolution of %3 × %4 pixels per mm</source>
        <translation>%1 × %2 pixels à la résolution du plan focal de %3 × %4 pixels par mm</translation>
    </message>
    <message>
        <source>the 35 mm equivalent focal length %1 mm at %2 mm: crop factor %3</source>
        <translation>la focale équivalente 24 × 36 de %1 mm à %2 mm : facteur de recadrage %3</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2, which the Exif standard defines as unknown)</source>
        <translation>non enregistré (%1 vaut %2, que la norme Exif définit comme inconnu)</translation>
    </message>
    <message>
        <source>not recorded (%1 is %2)</source>
        <translation>non enregistré (%1 vaut %2)</translation>
    </message>
    <message>
        <source>the image&apos;s size</source>
        <translation>la taille de l&apos;image</translation>
    </message>
</context>
<context>
    <name>PhotoWindow pages keep</name>
    <message>
        <source>The pages keep their %1: %2.</source>
        <translation>Les pages gardent %1 : %2.</translation>
    </message>
    <message>
        <source>Nor their %1: %2.</source>
        <translation>Ni %1 : %2.</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>leur focale</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>leur ouverture</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>leur distance de mise au point</translation>
    </message>
    <message>
        <source>format</source>
        <translation>leur format</translation>
    </message>
    <message>
        <source>the photo&apos;s is at infinity</source>
        <translation>celle de la photo est à l&apos;infini</translation>
    </message>
    <message>
        <source>the photo has none</source>
        <translation>la photo n&apos;en a pas</translation>
    </message>
    <message>
        <source>the photo gives no frame</source>
        <translation>la photo ne donne aucun format</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>focus distance is shorter than the focal length</source>
        <translation>la distance de mise au point est plus courte que la focale</translation>
    </message>
    <message>
        <source>nearest distance is not a finite number</source>
        <translation>la distance la plus proche n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>nearest distance is not greater than the focal length</source>
        <translation>la distance la plus proche n&apos;est pas supérieure à la focale</translation>
    </message>
    <message>
        <source>farthest distance is not greater than the nearest distance</source>
        <translation>la distance la plus lointaine n&apos;est pas supérieure à la plus proche</translation>
    </message>
    <message>
        <source>overlap is not a finite number</source>
        <translation>le chevauchement n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>overlap is less than 0</source>
        <translation>le chevauchement est inférieur à 0</translation>
    </message>
    <message>
        <source>overlap is not less than 100%</source>
        <translation>le chevauchement n&apos;est pas inférieur à 100 %</translation>
    </message>
    <message>
        <source>focal length is not a finite number</source>
        <translation>la focale n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>focal length is not greater than 0</source>
        <translation>la focale n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>focus distance is not a finite number</source>
        <translation>la distance de mise au point n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>focus distance is not greater than 0</source>
        <translation>la distance de mise au point n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>aperture is not a finite number</source>
        <translation>l&apos;ouverture n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>aperture is not greater than 0</source>
        <translation>l&apos;ouverture n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>circle of confusion is not a finite number</source>
        <translation>le cercle de confusion n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>circle of confusion is not greater than 0</source>
        <translation>le cercle de confusion n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>spot percentage is not a finite number</source>
        <translation>le pourcentage du spot n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>spot percentage is not greater than 0</source>
        <translation>le pourcentage du spot n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>magnification is not a finite number</source>
        <translation>le grandissement n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>magnification is not greater than 0</source>
        <translation>le grandissement n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>pupil magnification is not a finite number</source>
        <translation>le grandissement pupillaire n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>pupil magnification is not greater than 0</source>
        <translation>le grandissement pupillaire n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>subject depth is not a finite number</source>
        <translation>la profondeur du sujet n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>subject depth is not greater than 0</source>
        <translation>la profondeur du sujet n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>frame width is not a finite number</source>
        <translation>la largeur du format n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>frame width is not greater than 0</source>
        <translation>la largeur du format n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>frame height is not a finite number</source>
        <translation>la hauteur du format n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>frame height is not greater than 0</source>
        <translation>la hauteur du format n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>print width is not a finite number</source>
        <translation>la largeur du tirage n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>print width is not greater than 0</source>
        <translation>la largeur du tirage n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>print height is not a finite number</source>
        <translation>la hauteur du tirage n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>print height is not greater than 0</source>
        <translation>la hauteur du tirage n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>viewing distance is not a finite number</source>
        <translation>la distance d&apos;observation n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>viewing distance is not greater than 0</source>
        <translation>la distance d&apos;observation n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>eye blur is not a finite number</source>
        <translation>le flou accepté par l&apos;œil n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>eye blur is not greater than 0</source>
        <translation>le flou accepté par l&apos;œil n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>pixel count is not a finite number</source>
        <translation>le nombre de pixels n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>pixel count is not greater than 0</source>
        <translation>le nombre de pixels n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>pixel factor is not a finite number</source>
        <translation>le facteur de pixels n&apos;est pas un nombre fini</translation>
    </message>
    <message>
        <source>pixel factor is not greater than 0</source>
        <translation>le facteur de pixels n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>inputs give no finite plan</source>
        <translation>les saisies ne donnent aucun plan fini</translation>
    </message>
    <message>
        <source>the plan would need more than 100 shots</source>
        <translation>le plan demanderait plus de 100 prises de vue</translation>
    </message>
    <message>
        <source>print size is no size such as A4, 8 x 10 in or 30 x 40 cm</source>
        <translation>la taille du tirage n&apos;est pas une taille comme A4, 8 x 10 in ou 30 x 40 cm</translation>
    </message>
    <message>
        <source>nearest distance is not a number</source>
        <translation>la distance la plus proche n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>farthest distance is not a number nor inf</source>
        <translation>la distance la plus lointaine n&apos;est ni un nombre ni inf</translation>
    </message>
    <message>
        <source>overlap is not a number</source>
        <translation>le chevauchement n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>magnification is not a number</source>
        <translation>le grandissement n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>pupil magnification is not a number</source>
        <translation>le grandissement pupillaire n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>subject depth is not a number</source>
        <translation>la profondeur du sujet n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>Rounding Rules</name>
    <message>
        <source>Rounding Rules</source>
        <translation>Règles d&apos;arrondi</translation>
    </message>
    <message>
        <source>Round...</source>
        <translation>Arrondir...</translation>
    </message>
    <message>
        <source>Stops to :</source>
        <translation>IL au :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Nearest 1/2 stop</source>
        <translation>1/2 IL le plus proche</translation>
    </message>
    <message>
        <source>Nearest 1/3 stop</source>
        <translation>1/3 IL le plus proche</translation>
    </message>
    <message>
        <source>Other to :</source>
        <translation>Autres à :</translation>
    </message>
    <message>
        <source>1 decimal place</source>
        <translation>1 décimale</translation>
    </message>
    <message>
        <source>2 decimal places</source>
        <translation>2 décimales</translation>
    </message>
    <message>
        <source>3 decimal places</source>
        <translation>3 décimales</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Spot Meter</name>
    <message>
        <source>Spot Meter</source>
        <translation>Mesure spot</translation>
    </message>
    <message>
        <source>Film format :</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Focal length (mm) :</source>
        <translation>Focale (mm) :</translation>
    </message>
    <message>
        <source>Convert a &quot;percent of frame&quot; measurement of an in-camera spot meter to a &quot;degrees&quot; measurement, as projected through a given lens.</source>
        <translation>Convertir une mesure spot de l&apos;appareil en « pourcentage de l&apos;image » en une mesure en « degrés », projetée à travers un objectif donné.</translation>
    </message>
    <message>
        <source>Percent of frame :</source>
        <translation>Pourcentage de l&apos;image :</translation>
    </message>
    <message>
        <source>Angle of view :</source>
        <translation>Angle de champ :</translation>
    </message>
</context>
<context>
    <name>Startup Preferences</name>
    <message>
        <source>Startup Preferences</source>
        <translation>Préférences de démarrage</translation>
    </message>
    <message>
        <source>Field values become defaults</source>
        <translation>Retenir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Start with last-used calculation</source>
        <translation>Démarrer sur le dernier calcul utilisé</translation>
    </message>
    <message>
        <source>Or, start with this calculation :</source>
        <translation>Ou démarrer sur ce calcul :</translation>
    </message>
    <message>
        <source>f Numbers</source>
        <translation>Nombres f</translation>
    </message>
    <message>
        <source>Depth of Field</source>
        <translation>Profondeur de champ</translation>
    </message>
    <message>
        <source>Hyperfocal Distance</source>
        <translation>Hyperfocale</translation>
    </message>
    <message>
        <source>Field of View</source>
        <translation>Champ couvert</translation>
    </message>
    <message>
        <source>Angle of View</source>
        <translation>Angle de champ</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Grandissement</translation>
    </message>
    <message>
        <source>Spot Meter Angle</source>
        <translation>Angle de la mesure spot</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Status bar</name>
    <message>
        <source>Diffraction: %1 blurs %2 mm, more than the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Diffraction : à %1, flou de %2 mm, plus que le cercle de confusion de %3 mm ; meilleure profondeur nette jusqu’à f/%4 environ</translation>
    </message>
    <message>
        <source>Diffraction: %1 blurs %2 mm, within the %3 mm circle of confusion; sharpest depth up to about f/%4</source>
        <translation>Diffraction : à %1, flou de %2 mm, dans le cercle de confusion de %3 mm ; meilleure profondeur nette jusqu’à f/%4 environ</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>The depth of field table could not be saved as “%1”: %2.</source>
        <translation>La table de profondeur de champ n&apos;a pas pu être enregistrée sous « %1 » : %2.</translation>
    </message>
    <message>
        <source>the card could not be drawn</source>
        <translation>la fiche n&apos;a pas pu être dessinée</translation>
    </message>
</context>
<context>
    <name>Window 147</name>
    <message>
        <source>Poor Man&apos;s Light Table</source>
        <translation>Table lumineuse du pauvre</translation>
    </message>
</context>
<context>
    <name>Window 148</name>
    <message>
        <source>Press Esc to leave this silly thing...</source>
        <translation>Appuyez sur Échap pour quitter cette bêtise...</translation>
    </message>
</context>
<context>
    <name>f Numbers</name>
    <message>
        <source>f Numbers</source>
        <translation>Nombres f</translation>
    </message>
    <message>
        <source>Supply two values to calculate the third :</source>
        <translation>Saisir deux valeurs pour calculer la troisième :</translation>
    </message>
    <message>
        <source>f1 :</source>
        <translation>f1 :</translation>
    </message>
    <message>
        <source>stops :</source>
        <translation>IL :</translation>
    </message>
    <message>
        <source>f2 :</source>
        <translation>f2 :</translation>
    </message>
    <message>
        <source>Calculate...</source>
        <translation>Calculer...</translation>
    </message>
    <message>
        <source>&apos;f2&apos; as &apos;f1&apos; plus &apos;stops&apos;</source>
        <translation>« f2 » comme « f1 » plus « IL »</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>&apos;stops&apos; as &apos;f2&apos; minus &apos;f1&apos;</source>
        <translation>« IL » comme « f2 » moins « f1 »</translation>
    </message>
</context>
</TS>
