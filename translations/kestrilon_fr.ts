<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CamExportText</name>
    <message>
        <source> (from %1° to %2°)</source>
        <translation> (de %1° à %2°)</translation>
    </message>
    <message>
        <source>The cam has no segments, so it has no outline to cut.</source>
        <translation>La came n’a aucun segment, donc aucun contour à découper.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°, so the outline does not go once round.</source>
        <translation>Les angles des segments totalisent %1° et non 360°, donc le contour ne fait pas un tour.</translation>
    </message>
    <message>
        <source>The rises and returns leave the follower %1 mm from where it started, so the outline does not close.</source>
        <translation>Les montées et les descentes laissent le poussoir à %1 mm de son départ, donc le contour ne se ferme pas.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below where it started, inside the base circle.</source>
        <translation>Le segment %1 fait descendre le poussoir sous son départ, dans le cercle de base.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm puts it outside the prime circle, so it never touches the cam.</source>
        <translation>Un désaxage de %1 mm place le poussoir hors du cercle primitif&#x202f;: il ne touche jamais la came.</translation>
    </message>
    <message>
        <source>The roller is larger than the sharpest bend of its path%1, so the cam would be undercut there.</source>
        <translation>Le galet est plus grand que la courbure la plus serrée de sa trajectoire%1&#x202f;: la came y serait détalonnée.</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself%1; a larger base circle removes the cusp.</source>
        <translation>La face plane demanderait un contour qui se replie sur lui-même%1&#x202f;; un cercle de base plus grand supprime le point de rebroussement.</translation>
    </message>
    <message>
        <source>A kerf of %1 mm leaves nothing of a %2 mm shaft hole.</source>
        <translation>Une saignée de %1 mm ne laisse rien d’un trou d’arbre de %2 mm.</translation>
    </message>
    <message>
        <source>A flat %1 mm deep cuts away the whole of a %2 mm shaft hole.</source>
        <translation>Un méplat de %1 mm de profondeur supprime tout un trou d’arbre de %2 mm.</translation>
    </message>
    <message>
        <source>The shaft hole reaches %1 mm from the centre but the outline comes within %2 mm of it, leaving less than %3 mm of material.</source>
        <translation>Le trou d’arbre s’étend à %1 mm du centre, mais le contour s’en approche à %2 mm&#x202f;: il reste moins de %3 mm de matière.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the limit of %2°, so the follower may stick.</source>
        <translation>L’angle de pression atteint %1°, au-delà de la limite de %2°&#x202f;: le poussoir risque de se coincer.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Impossible d’écrire %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .svg, .dxf or .pdf.</source>
        <translation>Impossible d’exporter vers «&#x202f;%1&#x202f;»&#x202f;: le nom doit finir par .svg, .dxf ou .pdf.</translation>
    </message>
    <message>
        <source>rise %1 mm over %2° (%3)</source>
        <translation>montée de %1 mm sur %2° (%3)</translation>
    </message>
    <message>
        <source>return %1 mm over %2° (%3)</source>
        <translation>descente de %1 mm sur %2° (%3)</translation>
    </message>
    <message>
        <source>dwell %1°</source>
        <translation>repos %1°</translation>
    </message>
    <message>
        <source>Motion: %1</source>
        <translation>Mouvement&#x202f;: %1</translation>
    </message>
    <message>
        <source>knife-edge follower, offset %1 mm</source>
        <translation>poussoir à pointe, désaxage %1 mm</translation>
    </message>
    <message>
        <source>roller follower of radius %1 mm, offset %2 mm</source>
        <translation>poussoir à galet de rayon %1 mm, désaxage %2 mm</translation>
    </message>
    <message>
        <source>flat-faced follower</source>
        <translation>poussoir à plateau</translation>
    </message>
    <message>
        <source>round shaft hole of %1 mm</source>
        <translation>trou d’arbre rond de %1 mm</translation>
    </message>
    <message>
        <source>shaft hole of %1 mm with a flat %2 mm deep</source>
        <translation>trou d’arbre de %1 mm avec un méplat de %2 mm</translation>
    </message>
    <message>
        <source>square shaft hole of %1 mm across the flats</source>
        <translation>trou d’arbre carré de %1 mm sur plats</translation>
    </message>
    <message>
        <source>Follower at the start</source>
        <translation>Poussoir au départ</translation>
    </message>
    <message>
        <source>The cam measures %1 × %2 mm, more than the %3 × %4 mm a %5 page has room for; a template is printed only at true size, so export it as SVG or DXF instead.</source>
        <translation>La came mesure %1 × %2 mm, plus que les %3 × %4 mm qu’offre une page %5&#x202f;; un gabarit ne s’imprime qu’en grandeur réelle&#x202f;: exportez-la plutôt en SVG ou en DXF.</translation>
    </message>
    <message>
        <source>Untitled cam</source>
        <translation>Came sans titre</translation>
    </message>
    <message>
        <source>Lift %1 mm, base circle radius %2 mm, largest pressure angle %3° (limit %4°).</source>
        <translation>Levée %1 mm, rayon du cercle de base %2 mm, plus grand angle de pression %3° (limite %4°).</translation>
    </message>
    <message>
        <source>turns clockwise</source>
        <translation>tourne dans le sens horaire</translation>
    </message>
    <message>
        <source>turns anticlockwise</source>
        <translation>tourne dans le sens antihoraire</translation>
    </message>
    <message>
        <source>A %1; the cam %2 and has a %3. It is drawn as it stands at the start, with the 0° mark under the follower.</source>
        <translation>Un %1&#x202f;; la came %2 et a un %3. Elle est dessinée telle qu’elle est au départ, le repère 0° sous le poussoir.</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>Print at 100 %: this bar must measure %1 mm</source>
        <translation>Imprimer à 100 %&#x202f;: cette barre doit mesurer %1 mm</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself at %1, where a constant-velocity segment makes the follower&apos;s speed jump; no base circle removes that cusp, so give the segment a law that starts and stops gently.</source>
        <translation>La face plane demanderait un contour qui se replie sur lui-même à %1, où un segment à vitesse constante fait sauter la vitesse du poussoir&#x202f;; aucun cercle de base ne supprime ce point de rebroussement, donnez donc au segment une loi qui démarre et s’arrête en douceur.</translation>
    </message>
    <message>
        <source>The outline would cross itself near %1°, so it cannot be cut; a gentler motion or a larger base circle there avoids it.</source>
        <translation>Le contour se croiserait lui-même vers %1°, il ne peut donc pas être découpé&#x202f;; un mouvement plus doux ou un cercle de base plus grand à cet endroit l’évite.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the field &quot;%1&quot; is missing.</source>
        <translation>le champ «&#x202f;%1&#x202f;» manque.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>«&#x202f;%1&#x202f;» doit être un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 %4; it must be from %3 to %5 %4.</source>
        <translation>«&#x202f;%1&#x202f;» vaut %2 %4&#x202f;; il doit être compris entre %3 et %5 %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>«&#x202f;%1&#x202f;» doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot;; it must be one of %3.</source>
        <translation>«&#x202f;%1&#x202f;» vaut «&#x202f;%2&#x202f;»&#x202f;; il doit être l’un de %3.</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not part of a design.</source>
        <translation>le champ «&#x202f;%1&#x202f;» ne fait pas partie d’une conception.</translation>
    </message>
    <message>
        <source>Segment %1: </source>
        <translation>Segment %1&#x202f;: </translation>
    </message>
    <message>
        <source>it must be an object with a kind and an angle.</source>
        <translation>il doit être un objet avec un type et un angle.</translation>
    </message>
    <message>
        <source>The follower: </source>
        <translation>Le poussoir&#x202f;: </translation>
    </message>
    <message>
        <source>it must be an object with a type and an offset.</source>
        <translation>il doit être un objet avec un type et un désaxage.</translation>
    </message>
    <message>
        <source>This is not a Kestrilon cam design (its format is &quot;%1&quot;).</source>
        <translation>Ce n’est pas une conception de came Kestrilon (son format est «&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number.</source>
        <translation>«&#x202f;version&#x202f;» doit être un nombre entier.</translation>
    </message>
    <message>
        <source>This design was saved by a newer Kestrilon (format version %1); this one reads version %2.</source>
        <translation>Cette conception a été enregistrée par un Kestrilon plus récent (version de format %1)&#x202f;; celui-ci lit la version %2.</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1; it must be %2.</source>
        <translation>«&#x202f;version&#x202f;» vaut %1&#x202f;; elle doit valoir %2.</translation>
    </message>
    <message>
        <source>&quot;name&quot; is %1 characters long; at most %2 fit.</source>
        <translation>«&#x202f;name&#x202f;» compte %1 caractères&#x202f;; %2 au plus sont permis.</translation>
    </message>
    <message>
        <source>&quot;segments&quot; must be a list of segments.</source>
        <translation>«&#x202f;segments&#x202f;» doit être une liste de segments.</translation>
    </message>
    <message>
        <source>The design has %1 segments; at most %2 fit in a turn.</source>
        <translation>La conception a %1 segments&#x202f;; un tour en contient %2 au plus.</translation>
    </message>
    <message>
        <source>The design has no segments; a turn needs at least one.</source>
        <translation>La conception n’a aucun segment&#x202f;; un tour en demande au moins un.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°; a turn is 360°.</source>
        <translation>Les angles des segments totalisent %1°&#x202f;; un tour fait 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm from where it started.</source>
        <translation>Les montées et les descentes ne s’annulent pas&#x202f;: le poussoir finit à %1 mm de son départ.</translation>
    </message>
    <message>
        <source>Segment %1: the follower would return below where it started.</source>
        <translation>Segment %1&#x202f;: le poussoir redescendrait plus bas que son départ.</translation>
    </message>
    <message>
        <source>The shaft hole (%1 mm across) does not fit inside the base circle (radius %2 mm).</source>
        <translation>Le trou d’arbre (%1 mm de diamètre) ne tient pas dans le cercle de base (rayon %2 mm).</translation>
    </message>
    <message>
        <source>The shaft hole&apos;s flat (%1 mm deep) cuts past its centre.</source>
        <translation>Le méplat du trou d’arbre (%1 mm de profondeur) dépasse son centre.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is not a design: it holds no JSON object.</source>
        <translation>Le fichier n’est pas une conception&#x202f;: il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#x202f;: %1.</translation>
    </message>
    <message>
        <source>The file is %1 bytes; a design is never larger than %2 bytes.</source>
        <translation>Le fichier fait %1 octets&#x202f;; une conception ne dépasse jamais %2 octets.</translation>
    </message>
    <message>
        <source>The design cannot be saved as %1: %2.</source>
        <translation>La conception ne peut pas être enregistrée sous %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>The file holds more than %1 bytes; a design is never that large.</source>
        <translation>Le fichier dépasse %1 octets&#x202f;; une conception n’est jamais aussi grande.</translation>
    </message>
    <message>
        <source>the file starts with a byte-order mark; save it as UTF-8 without one.</source>
        <translation>le fichier commence par une marque d’ordre des octets (BOM)&#x202f;; enregistrez-le en UTF-8 sans BOM.</translation>
    </message>
    <message>
        <source>the JSON has already ended here, yet &quot;%1&quot; follows.</source>
        <translation>le JSON est déjà terminé ici, mais «&#x202f;%1&#x202f;» suit.</translation>
    </message>
    <message>
        <source>Line %1, column %2: </source>
        <translation>Ligne %1, colonne %2&#x202f;: </translation>
    </message>
    <message>
        <source>the file ends before its JSON is complete.</source>
        <translation>le fichier se termine avant que son JSON soit complet.</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text here; save it as UTF-8.</source>
        <translation>le fichier n’est pas du texte UTF-8 à cet endroit&#x202f;; enregistrez-le en UTF-8.</translation>
    </message>
    <message>
        <source>a value is expected here, not &quot;%1&quot;.</source>
        <translation>une valeur est attendue ici, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>lists and objects nest more than %1 deep here.</source>
        <translation>les listes et les objets sont imbriqués ici sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>a key in double quotes is expected here, not &quot;%1&quot;.</source>
        <translation>une clé entre guillemets doubles est attendue ici, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice in one object.</source>
        <translation>la clé «&#x202f;%1&#x202f;» apparaît deux fois dans un même objet.</translation>
    </message>
    <message>
        <source>&quot;:&quot; is expected after a key, not &quot;%1&quot;.</source>
        <translation>«&#x202f;:&#x202f;» est attendu après une clé, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>«&#x202f;,&#x202f;» ou «&#x202f;}&#x202f;» est attendu ici, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>«&#x202f;,&#x202f;» ou «&#x202f;]&#x202f;» est attendu ici, et non «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits.</source>
        <translation>\u doit être suivi de quatre chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>a text holds a control character as it is; write it as an escape such as \n or \t.</source>
        <translation>un texte contient un caractère de contrôle tel quel&#x202f;; écrivez-le sous forme d’échappement, comme \n ou \t.</translation>
    </message>
    <message>
        <source>&quot;\%1&quot; is not an escape JSON knows; write a backslash as \\.</source>
        <translation>«&#x202f;\%1&#x202f;» n’est pas un échappement que JSON connaît&#x202f;; écrivez une barre oblique inverse sous la forme \\.</translation>
    </message>
    <message>
        <source>a number needs a digit before its decimal point (&quot;%1&quot;).</source>
        <translation>un nombre doit avoir un chiffre avant son point décimal («&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>a number needs a digit after its minus sign (&quot;%1&quot;).</source>
        <translation>un nombre doit avoir un chiffre après son signe moins («&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>a number may not begin with 0 followed by more digits (&quot;%1&quot;).</source>
        <translation>un nombre ne peut pas commencer par un 0 suivi d’autres chiffres («&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>a number needs a digit after its decimal point (&quot;%1&quot;).</source>
        <translation>un nombre doit avoir un chiffre après son point décimal («&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>a number needs a digit in its exponent (&quot;%1&quot;).</source>
        <translation>un nombre doit avoir un chiffre dans son exposant («&#x202f;%1&#x202f;»).</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <translation>le nombre %1 est trop grand.</translation>
    </message>
</context>
<context>
    <name>LiftGraph</name>
    <message numerus="yes">
        <source>Each cycle has %n step.</source>
        <translation>
            <numerusform>Chaque cycle compte %n pas.</numerusform>
            <numerusform>Chaque cycle compte %n pas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each cycle has %n steps.</source>
        <translation>
            <numerusform>Chaque cycle compte %n pas.</numerusform>
            <numerusform>Chaque cycle compte %n pas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The follower starts at its highest lift.</source>
        <translation>Le poussoir part de sa levée maximale.</translation>
    </message>
    <message>
        <source>The follower starts at %1 percent of its highest lift.</source>
        <translation>Le poussoir part à %1 pour cent de sa levée maximale.</translation>
    </message>
    <message>
        <source>It rests</source>
        <translation>Il reste immobile</translation>
    </message>
    <message numerus="yes">
        <source>for %n step</source>
        <translation>
            <numerusform>pendant %n pas</numerusform>
            <numerusform>pendant %n pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>for %n steps</source>
        <translation>
            <numerusform>pendant %n pas</numerusform>
            <numerusform>pendant %n pas</numerusform>
        </translation>
    </message>
    <message>
        <source>It rises quickly</source>
        <translation>Il monte rapidement</translation>
    </message>
    <message>
        <source>It rises slowly</source>
        <translation>Il monte lentement</translation>
    </message>
    <message>
        <source>It falls quickly</source>
        <translation>Il descend rapidement</translation>
    </message>
    <message>
        <source>It falls slowly</source>
        <translation>Il descend lentement</translation>
    </message>
    <message>
        <source>to its highest lift</source>
        <translation>jusqu’à sa levée maximale</translation>
    </message>
    <message>
        <source>to %1 percent of its highest lift</source>
        <translation>jusqu’à %1 pour cent de sa levée maximale</translation>
    </message>
    <message numerus="yes">
        <source>over %n step</source>
        <translation>
            <numerusform>en %n pas</numerusform>
            <numerusform>en %n pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>over %n steps</source>
        <translation>
            <numerusform>en %n pas</numerusform>
            <numerusform>en %n pas</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing traced yet.</source>
        <translation>Rien n’est encore tracé.</translation>
    </message>
    <message numerus="yes">
        <source>%n cycle traced.</source>
        <translation>
            <numerusform>%n cycle tracé.</numerusform>
            <numerusform>%n cycles tracés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles traced.</source>
        <translation>
            <numerusform>%n cycle tracé.</numerusform>
            <numerusform>%n cycles tracés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MotionTableText</name>
    <message>
        <source>The follower&apos;s offset (%1 mm) does not fit inside the prime circle (radius %2 mm).</source>
        <translation>Le désaxage du poussoir (%1 mm) sort du cercle primitif (rayon %2 mm).</translation>
    </message>
    <message>
        <source>The motion table cannot be written to %1: %2.</source>
        <translation>Le tableau du mouvement ne peut pas être écrit dans %1&#x202f;: %2.</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>The picture cannot be written to %1: %2.</source>
        <translation>L’image ne peut pas être écrite dans %1&#x202f;: %2.</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Cam Simulation by the Kestrilon team</source>
        <translation>Simulation de cames par l’équipe Kestrilon</translation>
    </message>
    <message>
        <source>Start the pear cam</source>
        <translation>Démarrer la came en poire</translation>
    </message>
    <message>
        <source>Start the double lobe cam</source>
        <translation>Démarrer la came à double lobe</translation>
    </message>
    <message>
        <source>Start the snail cam</source>
        <translation>Démarrer la came en escargot</translation>
    </message>
    <message>
        <source>Stop the pear cam</source>
        <translation>Arrêter la came en poire</translation>
    </message>
    <message>
        <source>Stop the double lobe cam</source>
        <translation>Arrêter la came à double lobe</translation>
    </message>
    <message>
        <source>Stop the snail cam</source>
        <translation>Arrêter la came en escargot</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The menu entry that opens the ten-question test on the cams</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Time between pictures</source>
        <translation>Temps entre les images</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>en poire</translation>
    </message>
    <message>
        <source>double lobe</source>
        <translation>à double lobe</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>en escargot</translation>
    </message>
    <message>
        <source>Lift graph of the %1 cam</source>
        <translation>Courbe de levée de la came %1</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n milliseconde</numerusform>
            <numerusform>%n millisecondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TestWindow</name>
    <message>
        <source>Kestrilon Test by the Kestrilon team</source>
        <translation>Test Kestrilon par l’équipe Kestrilon</translation>
    </message>
    <message>
        <source>You Scored</source>
        <extracomment>Beside the score, which is drawn as &quot;2 / 10&quot;</extracomment>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Please click on the start button to begin the test</source>
        <translation>Cliquez sur «&#x202f;Commencer&#x202f;» pour lancer le test.</translation>
    </message>
    <message>
        <source>Click to Start</source>
        <extracomment>The button that poses the first question</extracomment>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Snail cam</source>
        <translation>Came en escargot</translation>
    </message>
    <message>
        <source>Double lobe cam</source>
        <translation>Came à double lobe</translation>
    </message>
    <message>
        <source>Pear cam</source>
        <translation>Came en poire</translation>
    </message>
    <message>
        <source>Another Go ?</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Click on the snail cam.</source>
        <extracomment>Question 1. The learner must pick the snail cam by its shape (a spiral with one step).</extracomment>
        <translation>Cliquez sur la came en escargot.</translation>
    </message>
    <message>
        <source>Click on the double lobe cam.</source>
        <extracomment>Question 2. The learner must pick the double lobe cam by its shape (two equal bumps).</extracomment>
        <translation>Cliquez sur la came à double lobe.</translation>
    </message>
    <message>
        <source>Click on the Pear shaped cam.</source>
        <extracomment>Question 3. The learner must pick the pear shaped cam by its shape.</extracomment>
        <translation>Cliquez sur la came en forme de poire.</translation>
    </message>
    <message>
        <source>Click on the cam which gives a slow lift and a fast drop.</source>
        <extracomment>Question 4. Which cam raises its follower slowly and then lets it fall suddenly? (The snail: a long gradual rise, then a sudden drop at its step.)</extracomment>
        <translation>Cliquez sur la came à levée lente et chute rapide.</translation>
    </message>
    <message>
        <source>Click on the cam which produces the fastest cycle.</source>
        <extracomment>Question 5. Which cam makes the follower go up and down most often per turn? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Cliquez sur la came qui donne le cycle le plus rapide.</translation>
    </message>
    <message>
        <source>Click on the cam which can only go in one direction.</source>
        <extracomment>Question 6. Which cam may only be turned one way round, not backwards? (The snail: its step would jam the follower if it turned the other way.)</extracomment>
        <translation>Cliquez sur la came à un seul sens de rotation.</translation>
    </message>
    <message>
        <source>Click on the cam with the longest time with no lift.</source>
        <extracomment>Question 7. Which cam leaves the follower resting, not lifted at all, for the longest part of a turn? (The pear: a long circular part where the follower stays down.)</extracomment>
        <translation>Cliquez sur la came à la plus longue phase de repos.</translation>
    </message>
    <message>
        <source>Click on the cam with the lowest start.</source>
        <extracomment>Question 8. On the lift graphs, which cam&apos;s trace starts lowest? (The snail.)</extracomment>
        <translation>Cliquez sur la came dont la courbe part le plus bas.</translation>
    </message>
    <message>
        <source>Click on the cam which works hardest.</source>
        <extracomment>Question 9. Which cam moves its follower up and down the most, so does the most work? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Cliquez sur la came qui travaille le plus.</translation>
    </message>
    <message>
        <source>Click on the cam which gives the smoothest lift.</source>
        <extracomment>Question 10. Which cam lifts its follower most gently, without sudden changes? (The snail: its rise is steady all the way round.)</extracomment>
        <translation>Cliquez sur la came dont la montée est la plus douce.</translation>
    </message>
    <message>
        <source>You scored %1 out of %2</source>
        <translation>Vous avez obtenu %1 sur %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file could not be finished</source>
        <translation>le fichier n’a pas pu être terminé</translation>
    </message>
</context>
<context>
    <name>camdesign::Choices</name>
    <message>
        <source>constant velocity</source>
        <translation>vitesse constante</translation>
    </message>
    <message>
        <source>simple harmonic</source>
        <translation>harmonique simple</translation>
    </message>
    <message>
        <source>cycloidal</source>
        <translation>cycloïdal</translation>
    </message>
    <message>
        <source>3-4-5 polynomial</source>
        <translation>polynôme 3-4-5</translation>
    </message>
    <message>
        <source>4-5-6-7 polynomial</source>
        <translation>polynôme 4-5-6-7</translation>
    </message>
    <message>
        <source>modified trapezoid</source>
        <translation>trapèze modifié</translation>
    </message>
    <message>
        <source>modified sine</source>
        <translation>sinus modifié</translation>
    </message>
    <message>
        <source>double harmonic</source>
        <translation>double harmonique</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Dwell</source>
        <translation>Repos</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>Knife-edge</source>
        <translation>Couteau</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Galet</translation>
    </message>
    <message>
        <source>Flat-faced</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>D flat</source>
        <translation>Méplat en D</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
</context>
<context>
    <name>workshop::CamView</name>
    <message>
        <source>Cam</source>
        <translation>Came</translation>
    </message>
    <message>
        <source>This cam cannot be made.</source>
        <translation>Cette came ne peut pas être fabriquée.</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Turned %1°, lift %2 mm</source>
        <translation>Tournée de %1°, levée %2 mm</translation>
    </message>
</context>
<context>
    <name>workshop::EditorColumn</name>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Ajouter un segment</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the segment</source>
        <translation>Supprimer le segment</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the segment up</source>
        <translation>Monter le segment</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the segment down</source>
        <translation>Descendre le segment</translation>
    </message>
    <message>
        <source>Fill the rest of the turn with a dwell</source>
        <translation>Compléter le tour par un repos</translation>
    </message>
    <message>
        <source>Segment kind</source>
        <translation>Type de segment</translation>
    </message>
    <message>
        <source> °</source>
        <translation> °</translation>
    </message>
    <message>
        <source>Segment angle</source>
        <translation>Angle du segment</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Segment height</source>
        <translation>Hauteur du segment</translation>
    </message>
    <message>
        <source>Motion law</source>
        <translation>Loi de mouvement</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Loi</translation>
    </message>
    <message>
        <source>Follower</source>
        <translation>Poussoir</translation>
    </message>
    <message>
        <source>Follower type</source>
        <translation>Type de poussoir</translation>
    </message>
    <message>
        <source>Roller radius</source>
        <translation>Rayon du galet</translation>
    </message>
    <message>
        <source>Follower offset</source>
        <translation>Désaxage du poussoir</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Désaxage</translation>
    </message>
    <message>
        <source>Cam</source>
        <translation>Came</translation>
    </message>
    <message>
        <source>Base circle radius</source>
        <translation>Rayon du cercle de base</translation>
    </message>
    <message>
        <source>Direction of rotation</source>
        <translation>Sens de rotation</translation>
    </message>
    <message>
        <source>Shaft hole shape</source>
        <translation>Forme de l&apos;alésage</translation>
    </message>
    <message>
        <source>Shaft hole diameter</source>
        <translation>Diamètre de l&apos;alésage</translation>
    </message>
    <message>
        <source>Depth of the flat</source>
        <translation>Profondeur du méplat</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Shaft hole</source>
        <translation>Alésage</translation>
    </message>
    <message>
        <source>Hole diameter</source>
        <translation>Diamètre de l&apos;alésage</translation>
    </message>
    <message>
        <source>Speed and limit</source>
        <translation>Vitesse et limite</translation>
    </message>
    <message>
        <source> rpm</source>
        <translation> tr/min</translation>
    </message>
    <message>
        <source>Cam speed</source>
        <translation>Vitesse de la came</translation>
    </message>
    <message>
        <source>Pressure angle limit</source>
        <translation>Limite de l&apos;angle de pression</translation>
    </message>
    <message>
        <source>No segment</source>
        <translation>Aucun segment</translation>
    </message>
    <message>
        <source>Segment %1 of %2</source>
        <translation>Segment %1 sur %2</translation>
    </message>
</context>
<context>
    <name>workshop::ExportText</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .%2.</source>
        <translation>Impossible d’exporter vers «&#x202f;%1&#x202f;»&#x202f;: le nom doit finir par l’une de ces extensions&#x202f;: .%2.</translation>
    </message>
</context>
<context>
    <name>workshop::GraphView</name>
    <message>
        <source>Lift graph</source>
        <translation>Graphique de la levée</translation>
    </message>
    <message>
        <source>Velocity graph</source>
        <translation>Graphique de la vitesse</translation>
    </message>
    <message>
        <source>Acceleration graph</source>
        <translation>Graphique de l&apos;accélération</translation>
    </message>
    <message>
        <source>Jerk graph</source>
        <translation>Graphique du jerk</translation>
    </message>
    <message>
        <source>Pressure angle graph</source>
        <translation>Graphique de l&apos;angle de pression</translation>
    </message>
    <message>
        <source>Lift</source>
        <translation>Levée</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Jerk</source>
        <translation>Jerk</translation>
    </message>
    <message>
        <source>Pressure angle</source>
        <translation>Angle de pression</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>mm/s</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>mm/s²</source>
        <translation>mm/s²</translation>
    </message>
    <message>
        <source>mm/s³</source>
        <translation>mm/s³</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Nothing to show. %1</source>
        <translation>Rien à montrer. %1</translation>
    </message>
    <message>
        <source>%1 in %2 against cam angle, from %3 at %4 degrees to %5 at %6 degrees.</source>
        <translation>%1 en %2 selon l&apos;angle de la came, de %3 à %4 degrés à %5 à %6 degrés.</translation>
    </message>
    <message>
        <source>Past the %1 degree limit at %2.</source>
        <translation>Au-delà de la limite de %1 degrés à %2.</translation>
    </message>
    <message>
        <source>Within the %1 degree limit.</source>
        <translation>Dans la limite de %1 degrés.</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>limit %1°</source>
        <translation>limite %1°</translation>
    </message>
    <message>
        <source>No pressure angle without a cam.</source>
        <translation>Pas d&apos;angle de pression sans came.</translation>
    </message>
    <message>
        <source>No motion to show.</source>
        <translation>Aucun mouvement à montrer.</translation>
    </message>
    <message>
        <source>%1° at %2°</source>
        <translation>%1° à %2°</translation>
    </message>
    <message>
        <source>%1 %2 at %3°</source>
        <translation>%1 %2 à %3°</translation>
    </message>
</context>
<context>
    <name>workshop::StartingDesign</name>
    <message>
        <source>Pear</source>
        <translation>Poire</translation>
    </message>
    <message>
        <source>Double lobe</source>
        <translation>Double lobe</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Escargot</translation>
    </message>
</context>
<context>
    <name>workshop::Wording</name>
    <message>
        <source>%1. Rise %2 mm over %3°, %4</source>
        <translation>%1. Montée de %2 mm sur %3°, %4</translation>
    </message>
    <message>
        <source>%1. Return %2 mm over %3°, %4</source>
        <translation>%1. Descente de %2 mm sur %3°, %4</translation>
    </message>
    <message>
        <source>%1. Dwell over %2°</source>
        <translation>%1. Repos sur %2°</translation>
    </message>
    <message>
        <source>%1° to %2°</source>
        <translation>%1° à %2°</translation>
    </message>
    <message>
        <source>The motion has no segments: add one.</source>
        <translation>Le mouvement n&apos;a aucun segment : ajoutez-en un.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°.</source>
        <translation>Les angles des segments font %1° au total, pas 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm above where it starts.</source>
        <translation>Les montées et les descentes ne se compensent pas : le poussoir finit %1 mm plus haut qu’au départ.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm below where it starts.</source>
        <translation>Les montées et les descentes ne se compensent pas : le poussoir finit %1 mm plus bas qu’au départ.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below the base circle.</source>
        <translation>Le segment %1 fait descendre le poussoir sous le cercle de base.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm does not lie inside the prime circle of radius %2 mm: the follower cannot stand on the cam.</source>
        <translation>Le désaxage du poussoir, %1 mm, n&apos;est pas à l&apos;intérieur du cercle primitif de rayon %2 mm : le poussoir ne peut pas reposer sur la came.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the %2° limit, at %3.</source>
        <translation>L&apos;angle de pression atteint %1°, au-delà de la limite de %2°, à %3.</translation>
    </message>
    <message>
        <source>Undercut at %1: the roller&apos;s radius of %2 mm is not smaller than the pitch curve&apos;s sharpest bend, %3 mm.</source>
        <translation>Contre-dépouille à %1 : le rayon du galet, %2 mm, n’est pas plus petit que la courbure la plus forte de la courbe primitive, %3 mm.</translation>
    </message>
    <message>
        <source>Cusp at %1: the flat face would need the outline to fold over itself. A base circle larger than %2 mm avoids it.</source>
        <translation>Point de rebroussement à %1 : le plateau exigerait que le contour se replie sur lui-même. Un cercle de base de plus de %2 mm l’évite.</translation>
    </message>
    <message>
        <source>No cam can be made: %1</source>
        <translation>Aucune came ne peut être fabriquée : %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>The flat face needs to be %1 mm wide.</source>
        <translation>Le plateau doit avoir %1 mm de large.</translation>
    </message>
    <message>
        <source>No cusp.</source>
        <translation>Aucun point de rebroussement.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, past the %3 degree limit.</source>
        <translation>Plus grand angle de pression %1 degrés à %2 degrés, au-delà de la limite de %3 degrés.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, within the %3 degree limit.</source>
        <translation>Plus grand angle de pression %1 degrés à %2 degrés, dans la limite de %3 degrés.</translation>
    </message>
    <message>
        <source>No undercut.</source>
        <translation>Aucune contre-dépouille.</translation>
    </message>
    <message numerus="yes">
        <source>%n warning:</source>
        <translation>
            <numerusform>%n avertissement :</numerusform>
            <numerusform>%n avertissements :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings:</source>
        <translation>
            <numerusform>%n avertissement :</numerusform>
            <numerusform>%n avertissements :</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cam. Turning: %2. Base circle radius %3 mm, lift %4 mm. Follower: %5.</source>
        <translation>Came %1. Rotation : %2. Rayon du cercle de base %3 mm, levée %4 mm. Poussoir : %5.</translation>
    </message>
    <message>
        <source>The shaft hole of %1 mm leaves less than %2 mm of cam around it: make it smaller or the base circle larger.</source>
        <translation>Le trou d’arbre de %1 mm laisse moins de %2 mm de came autour de lui&#x202f;: réduisez-le ou agrandissez le cercle de base.</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopModel</name>
    <message>
        <source>Change the segment&apos;s angle</source>
        <translation>Changer l&apos;angle du segment</translation>
    </message>
    <message>
        <source>Change the segment&apos;s height</source>
        <translation>Changer la hauteur du segment</translation>
    </message>
    <message>
        <source>Change the roller&apos;s radius</source>
        <translation>Changer le rayon du galet</translation>
    </message>
    <message>
        <source>Change the follower&apos;s offset</source>
        <translation>Changer le désaxage du poussoir</translation>
    </message>
    <message>
        <source>Change the base circle</source>
        <translation>Changer le cercle de base</translation>
    </message>
    <message>
        <source>Change the shaft hole</source>
        <translation>Changer l&apos;alésage</translation>
    </message>
    <message>
        <source>Change the depth of the flat</source>
        <translation>Changer la profondeur du méplat</translation>
    </message>
    <message>
        <source>Change the cam speed</source>
        <translation>Changer la vitesse de la came</translation>
    </message>
    <message>
        <source>Change the pressure angle limit</source>
        <translation>Changer la limite de l&apos;angle de pression</translation>
    </message>
    <message>
        <source>Change the segment&apos;s kind</source>
        <translation>Changer le type du segment</translation>
    </message>
    <message>
        <source>Change the motion law</source>
        <translation>Changer la loi de mouvement</translation>
    </message>
    <message>
        <source>Change the follower</source>
        <translation>Changer le poussoir</translation>
    </message>
    <message>
        <source>Change the direction of rotation</source>
        <translation>Changer le sens de rotation</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Ajouter un segment</translation>
    </message>
    <message>
        <source>Remove a segment</source>
        <translation>Supprimer un segment</translation>
    </message>
    <message>
        <source>Move a segment up</source>
        <translation>Monter un segment</translation>
    </message>
    <message>
        <source>Move a segment down</source>
        <translation>Descendre un segment</translation>
    </message>
    <message>
        <source>Fill the turn with a dwell</source>
        <translation>Compléter le tour par un repos</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Utiliser le plus petit cercle de base</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopWindow</name>
    <message>
        <source>Cam designs (*.%1)</source>
        <translation>Conceptions de cames (*.%1)</translation>
    </message>
    <message>
        <source>Open a cam design</source>
        <translation>Ouvrir une conception de came</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the cam design</source>
        <translation>Enregistrer la conception de came</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New from a &amp;simulation cam</source>
        <translation>Nouvelle à partir d’une came de la &amp;simulation</translation>
    </message>
    <message>
        <source>&amp;Pear</source>
        <translation>&amp;Poire</translation>
    </message>
    <message>
        <source>&amp;Double lobe</source>
        <translation>&amp;Double lobe</translation>
    </message>
    <message>
        <source>&amp;Snail</source>
        <translation>&amp;Escargot</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Turning</source>
        <translation>&amp;Rotation</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>One degree &amp;forward</source>
        <translation>Un degré en &amp;avant</translation>
    </message>
    <message>
        <source>One degree &amp;back</source>
        <translation>Un degré en a&amp;rrière</translation>
    </message>
    <message>
        <source>Back to &amp;0°</source>
        <translation>Retour à &amp;0°</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Cam angle</source>
        <translation>Angle de la came</translation>
    </message>
    <message>
        <source>Turning speed</source>
        <translation>Vitesse de rotation</translation>
    </message>
    <message>
        <source>Does it work?</source>
        <translation>Fonctionne-t-elle ?</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Utiliser le plus petit cercle de base</translation>
    </message>
    <message>
        <source>No numbers: this cam cannot be made.</source>
        <translation>Aucun chiffre : cette came ne peut pas être fabriquée.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Pressure angle: 0° everywhere, the face being square to its motion.</source>
        <translation>Angle de pression : 0° partout, le plateau étant perpendiculaire à son mouvement.</translation>
    </message>
    <message>
        <source>Smallest radius of curvature of the outline: %1</source>
        <translation>Plus petit rayon de courbure du contour : %1</translation>
    </message>
    <message>
        <source>Face width needed: %1 mm</source>
        <translation>Largeur de plateau nécessaire : %1 mm</translation>
    </message>
    <message>
        <source>Smallest base circle without a cusp: above %1 mm</source>
        <translation>Plus petit cercle de base sans point de rebroussement : plus de %1 mm</translation>
    </message>
    <message>
        <source>Largest pressure angle: %1° at %2°</source>
        <translation>Plus grand angle de pression : %1° à %2°</translation>
    </message>
    <message>
        <source>Smallest radius of curvature: %1 of the pitch curve, %2 of the outline</source>
        <translation>Plus petit rayon de courbure : %1 pour la courbe primitive, %2 pour le contour</translation>
    </message>
    <message>
        <source>Smallest base circle for the %1° limit: %2 mm</source>
        <translation>Plus petit cercle de base pour la limite de %1° : %2 mm</translation>
    </message>
    <message>
        <source>Use a base circle of %1 mm</source>
        <translation>Utiliser un cercle de base de %1 mm</translation>
    </message>
    <message>
        <source>No warnings: this cam works within its limits.</source>
        <translation>Aucun avertissement : cette came fonctionne dans ses limites.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] – Kestrilon cam workshop</source>
        <translation>%1[*] – Atelier de cames Kestrilon</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Cannot open the design</source>
        <translation>Impossible d’ouvrir la conception</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before opening %1?</source>
        <translation>La conception a des modifications non enregistrées. Les enregistrer avant d’ouvrir %1 ?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before starting another?</source>
        <translation>La conception a des modifications non enregistrées. Les enregistrer avant d’en commencer une autre ?</translation>
    </message>
    <message>
        <source>cam</source>
        <translation>came</translation>
    </message>
    <message>
        <source>Cannot save the design</source>
        <translation>Impossible d’enregistrer la conception</translation>
    </message>
    <message>
        <source>This design cannot be saved yet: %1</source>
        <translation>Cette conception ne peut pas encore être enregistrée : %1</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n&apos;a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before closing?</source>
        <translation>La conception a des modifications non enregistrées. Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>Export the cam</source>
        <translation>Exporter la came</translation>
    </message>
    <message>
        <source>Laser cutter, SVG (*.svg)</source>
        <translation>Découpe laser, SVG (*.svg)</translation>
    </message>
    <message>
        <source>Laser cutter, DXF (*.dxf)</source>
        <translation>Découpe laser, DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Paper template at true size, PDF (*.pdf)</source>
        <translation>Gabarit papier en grandeur réelle, PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Picture of the cam and its graphs, PNG (*.png)</source>
        <translation>Image de la came et de ses courbes, PNG (*.png)</translation>
    </message>
    <message>
        <source>Motion table, CSV (*.csv)</source>
        <translation>Tableau du mouvement, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Taille de l’image</translation>
    </message>
    <message>
        <source>Width of the picture in pixels:</source>
        <translation>Largeur de l’image en pixels&#x202f;:</translation>
    </message>
    <message>
        <source>Construction lines in cut files</source>
        <translation>Lignes de construction dans les fichiers de découpe</translation>
    </message>
    <message>
        <source>Cannot export the cam</source>
        <translation>Impossible d’exporter la came</translation>
    </message>
    <message>
        <source>Exported, with a warning</source>
        <translation>Exportée, avec un avertissement</translation>
    </message>
    <message>
        <source>%1 is written. %2</source>
        <translation>%1 est écrit. %2</translation>
    </message>
    <message>
        <source>Cannot print the cam</source>
        <translation>Impossible d’imprimer la came</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L’imprimante n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Replace the file?</source>
        <translation>Remplacer le fichier&#x202f;?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>%1 is the design itself; exporting over it would lose the design. Choose another name.</source>
        <translation>%1 est la conception elle-même&#x202f;; l’exporter par-dessus effacerait la conception. Choisissez un autre nom.</translation>
    </message>
</context>
</TS>
