<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CamExportText</name>
    <message>
        <source> (from %1° to %2°)</source>
        <translation> (von %1° bis %2°)</translation>
    </message>
    <message>
        <source>The cam has no segments, so it has no outline to cut.</source>
        <translation>Die Kurvenscheibe hat keine Abschnitte und damit keinen Umriss zum Schneiden.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°, so the outline does not go once round.</source>
        <translation>Die Winkel der Abschnitte ergeben %1° statt 360°, also geht der Umriss nicht einmal herum.</translation>
    </message>
    <message>
        <source>The rises and returns leave the follower %1 mm from where it started, so the outline does not close.</source>
        <translation>Hübe und Rückhübe lassen den Stößel %1 mm von seinem Anfang entfernt, also schließt sich der Umriss nicht.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below where it started, inside the base circle.</source>
        <translation>Abschnitt %1 führt den Stößel tiefer als seinen Anfang, in den Grundkreis hinein.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm puts it outside the prime circle, so it never touches the cam.</source>
        <translation>Mit %1 mm Exzentrizität liegt der Stößel außerhalb des Rollkreises und berührt die Kurvenscheibe nie.</translation>
    </message>
    <message>
        <source>The roller is larger than the sharpest bend of its path%1, so the cam would be undercut there.</source>
        <translation>Die Rolle ist größer als die engste Krümmung ihrer Bahn%1, dort würde die Kurvenscheibe unterschnitten.</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself%1; a larger base circle removes the cusp.</source>
        <translation>Der Flachstößel bräuchte einen Umriss, der sich selbst überschlägt%1; ein größerer Grundkreis beseitigt die Spitze.</translation>
    </message>
    <message>
        <source>A kerf of %1 mm leaves nothing of a %2 mm shaft hole.</source>
        <translation>Eine Schnittbreite von %1 mm lässt von einer Wellenbohrung mit %2 mm nichts übrig.</translation>
    </message>
    <message>
        <source>A flat %1 mm deep cuts away the whole of a %2 mm shaft hole.</source>
        <translation>Eine %1 mm tiefe Abflachung nimmt eine Wellenbohrung von %2 mm ganz weg.</translation>
    </message>
    <message>
        <source>The shaft hole reaches %1 mm from the centre but the outline comes within %2 mm of it, leaving less than %3 mm of material.</source>
        <translation>Die Wellenbohrung reicht %1 mm von der Mitte, der Umriss kommt ihr aber auf %2 mm nahe; es bleiben weniger als %3 mm Material.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the limit of %2°, so the follower may stick.</source>
        <translation>Der Druckwinkel erreicht %1° und überschreitet die Grenze von %2°; der Stößel kann klemmen.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .svg, .dxf or .pdf.</source>
        <translation>Export nach „%1“ nicht möglich: Der Name muss auf .svg, .dxf oder .pdf enden.</translation>
    </message>
    <message>
        <source>rise %1 mm over %2° (%3)</source>
        <translation>Hub %1 mm über %2° (%3)</translation>
    </message>
    <message>
        <source>return %1 mm over %2° (%3)</source>
        <translation>Rückhub %1 mm über %2° (%3)</translation>
    </message>
    <message>
        <source>dwell %1°</source>
        <translation>Rast %1°</translation>
    </message>
    <message>
        <source>Motion: %1</source>
        <translation>Bewegung: %1</translation>
    </message>
    <message>
        <source>knife-edge follower, offset %1 mm</source>
        <translation>Spitzenstößel, Exzentrizität %1 mm</translation>
    </message>
    <message>
        <source>roller follower of radius %1 mm, offset %2 mm</source>
        <translation>Rollenstößel mit Radius %1 mm, Exzentrizität %2 mm</translation>
    </message>
    <message>
        <source>flat-faced follower</source>
        <translation>Flachstößel</translation>
    </message>
    <message>
        <source>round shaft hole of %1 mm</source>
        <translation>runde Wellenbohrung von %1 mm</translation>
    </message>
    <message>
        <source>shaft hole of %1 mm with a flat %2 mm deep</source>
        <translation>Wellenbohrung von %1 mm mit einer %2 mm tiefen Abflachung</translation>
    </message>
    <message>
        <source>square shaft hole of %1 mm across the flats</source>
        <translation>quadratische Wellenbohrung mit %1 mm Schlüsselweite</translation>
    </message>
    <message>
        <source>Follower at the start</source>
        <translation>Stößel am Anfang</translation>
    </message>
    <message>
        <source>The cam measures %1 × %2 mm, more than the %3 × %4 mm a %5 page has room for; a template is printed only at true size, so export it as SVG or DXF instead.</source>
        <translation>Die Kurvenscheibe misst %1 × %2 mm, mehr als die %3 × %4 mm, die eine %5-Seite bietet; eine Vorlage wird nur in wahrer Größe gedruckt, exportiere sie also als SVG oder DXF.</translation>
    </message>
    <message>
        <source>Untitled cam</source>
        <translation>Unbenannte Kurvenscheibe</translation>
    </message>
    <message>
        <source>Lift %1 mm, base circle radius %2 mm, largest pressure angle %3° (limit %4°).</source>
        <translation>Hub %1 mm, Grundkreisradius %2 mm, größter Druckwinkel %3° (Grenze %4°).</translation>
    </message>
    <message>
        <source>turns clockwise</source>
        <translation>dreht sich im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>turns anticlockwise</source>
        <translation>dreht sich gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>A %1; the cam %2 and has a %3. It is drawn as it stands at the start, with the 0° mark under the follower.</source>
        <translation>%1; die Kurvenscheibe %2 und hat eine %3. Sie ist so gezeichnet, wie sie am Anfang steht, mit der 0°-Marke unter dem Stößel.</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>Print at 100 %: this bar must measure %1 mm</source>
        <translation>Mit 100 % drucken: Dieser Balken muss %1 mm messen</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself at %1, where a constant-velocity segment makes the follower&apos;s speed jump; no base circle removes that cusp, so give the segment a law that starts and stops gently.</source>
        <translation>Der Flachstößel bräuchte bei %1 einen Umriss, der sich selbst überschlägt, denn dort springt die Geschwindigkeit des Stößels am Ende eines Abschnitts mit konstanter Geschwindigkeit; kein Grundkreis beseitigt diese Spitze, also gib dem Abschnitt ein Gesetz, das sanft anfährt und anhält.</translation>
    </message>
    <message>
        <source>The outline would cross itself near %1°, so it cannot be cut; a gentler motion or a larger base circle there avoids it.</source>
        <translation>Der Umriss würde sich bei etwa %1° selbst überschneiden und lässt sich so nicht schneiden; eine sanftere Bewegung oder ein größerer Grundkreis dort vermeidet das.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the field &quot;%1&quot; is missing.</source>
        <translation>das Feld „%1“ fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>„%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 %4; it must be from %3 to %5 %4.</source>
        <translation>„%1“ ist %2 %4; erlaubt sind %3 bis %5 %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>„%1“ muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot;; it must be one of %3.</source>
        <translation>„%1“ ist „%2“; erlaubt ist eines von %3.</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not part of a design.</source>
        <translation>das Feld „%1“ gehört nicht zu einem Entwurf.</translation>
    </message>
    <message>
        <source>Segment %1: </source>
        <translation>Abschnitt %1: </translation>
    </message>
    <message>
        <source>it must be an object with a kind and an angle.</source>
        <translation>er muss ein Objekt mit Art und Winkel sein.</translation>
    </message>
    <message>
        <source>The follower: </source>
        <translation>Der Stößel: </translation>
    </message>
    <message>
        <source>it must be an object with a type and an offset.</source>
        <translation>er muss ein Objekt mit Art und Exzentrizität sein.</translation>
    </message>
    <message>
        <source>This is not a Kestrilon cam design (its format is &quot;%1&quot;).</source>
        <translation>Dies ist kein Kurvenscheibenentwurf von Kestrilon (sein Format ist „%1“).</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number.</source>
        <translation>„version“ muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>This design was saved by a newer Kestrilon (format version %1); this one reads version %2.</source>
        <translation>Dieser Entwurf wurde von einem neueren Kestrilon gespeichert (Formatversion %1); dieses liest Version %2.</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1; it must be %2.</source>
        <translation>„version“ ist %1; sie muss %2 sein.</translation>
    </message>
    <message>
        <source>&quot;name&quot; is %1 characters long; at most %2 fit.</source>
        <translation>„name“ ist %1 Zeichen lang; höchstens %2 passen.</translation>
    </message>
    <message>
        <source>&quot;segments&quot; must be a list of segments.</source>
        <translation>„segments“ muss eine Liste von Abschnitten sein.</translation>
    </message>
    <message>
        <source>The design has %1 segments; at most %2 fit in a turn.</source>
        <translation>Der Entwurf hat %1 Abschnitte; in eine Umdrehung passen höchstens %2.</translation>
    </message>
    <message>
        <source>The design has no segments; a turn needs at least one.</source>
        <translation>Der Entwurf hat keine Abschnitte; eine Umdrehung braucht mindestens einen.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°; a turn is 360°.</source>
        <translation>Die Winkel der Abschnitte ergeben zusammen %1°; eine Umdrehung hat 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm from where it started.</source>
        <translation>Hübe und Rückhübe heben sich nicht auf: Der Stößel endet %1 mm von seinem Anfang entfernt.</translation>
    </message>
    <message>
        <source>Segment %1: the follower would return below where it started.</source>
        <translation>Abschnitt %1: Der Stößel würde tiefer zurückgehen, als er begonnen hat.</translation>
    </message>
    <message>
        <source>The shaft hole (%1 mm across) does not fit inside the base circle (radius %2 mm).</source>
        <translation>Die Wellenbohrung (%1 mm Durchmesser) passt nicht in den Grundkreis (Radius %2 mm).</translation>
    </message>
    <message>
        <source>The shaft hole&apos;s flat (%1 mm deep) cuts past its centre.</source>
        <translation>Die Abflachung der Wellenbohrung (%1 mm tief) reicht über ihre Mitte hinaus.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not a design: it holds no JSON object.</source>
        <translation>Die Datei ist kein Entwurf: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is %1 bytes; a design is never larger than %2 bytes.</source>
        <translation>Die Datei ist %1 Byte groß; ein Entwurf ist nie größer als %2 Byte.</translation>
    </message>
    <message>
        <source>The design cannot be saved as %1: %2.</source>
        <translation>Der Entwurf kann nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The file holds more than %1 bytes; a design is never that large.</source>
        <translation>Die Datei ist größer als %1 Byte; so groß ist ein Entwurf nie.</translation>
    </message>
    <message>
        <source>the file starts with a byte-order mark; save it as UTF-8 without one.</source>
        <translation>Die Datei beginnt mit einer Byte-Order-Mark (BOM); speichere sie als UTF-8 ohne BOM.</translation>
    </message>
    <message>
        <source>the JSON has already ended here, yet &quot;%1&quot; follows.</source>
        <translation>Das JSON ist hier schon zu Ende, doch es folgt noch „%1“.</translation>
    </message>
    <message>
        <source>Line %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>the file ends before its JSON is complete.</source>
        <translation>Die Datei endet, bevor ihr JSON vollständig ist.</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text here; save it as UTF-8.</source>
        <translation>Die Datei ist hier kein UTF-8-Text; speichere sie als UTF-8.</translation>
    </message>
    <message>
        <source>a value is expected here, not &quot;%1&quot;.</source>
        <translation>Hier wird ein Wert erwartet, nicht „%1“.</translation>
    </message>
    <message>
        <source>lists and objects nest more than %1 deep here.</source>
        <translation>Listen und Objekte sind hier mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>a key in double quotes is expected here, not &quot;%1&quot;.</source>
        <translation>Hier wird ein Schlüssel in doppelten Anführungszeichen erwartet, nicht „%1“.</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice in one object.</source>
        <translation>Der Schlüssel „%1“ kommt in einem Objekt zweimal vor.</translation>
    </message>
    <message>
        <source>&quot;:&quot; is expected after a key, not &quot;%1&quot;.</source>
        <translation>Nach einem Schlüssel wird „:“ erwartet, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>Hier wird „,“ oder „}“ erwartet, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>Hier wird „,“ oder „]“ erwartet, nicht „%1“.</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits.</source>
        <translation>Auf \u müssen vier Hexadezimalziffern folgen.</translation>
    </message>
    <message>
        <source>a text holds a control character as it is; write it as an escape such as \n or \t.</source>
        <translation>Ein Text enthält ein Steuerzeichen unmaskiert; schreibe es als Escape-Sequenz wie \n oder \t.</translation>
    </message>
    <message>
        <source>&quot;\%1&quot; is not an escape JSON knows; write a backslash as \\.</source>
        <translation>„\%1“ ist keine Escape-Sequenz, die JSON kennt; schreibe einen Backslash als \\.</translation>
    </message>
    <message>
        <source>a number needs a digit before its decimal point (&quot;%1&quot;).</source>
        <translation>Eine Zahl braucht eine Ziffer vor ihrem Dezimalpunkt („%1“).</translation>
    </message>
    <message>
        <source>a number needs a digit after its minus sign (&quot;%1&quot;).</source>
        <translation>Eine Zahl braucht eine Ziffer nach ihrem Minuszeichen („%1“).</translation>
    </message>
    <message>
        <source>a number may not begin with 0 followed by more digits (&quot;%1&quot;).</source>
        <translation>Eine Zahl darf nicht mit einer 0 beginnen, auf die weitere Ziffern folgen („%1“).</translation>
    </message>
    <message>
        <source>a number needs a digit after its decimal point (&quot;%1&quot;).</source>
        <translation>Eine Zahl braucht eine Ziffer nach ihrem Dezimalpunkt („%1“).</translation>
    </message>
    <message>
        <source>a number needs a digit in its exponent (&quot;%1&quot;).</source>
        <translation>Eine Zahl braucht eine Ziffer in ihrem Exponenten („%1“).</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <translation>Die Zahl %1 ist zu groß.</translation>
    </message>
</context>
<context>
    <name>LiftGraph</name>
    <message numerus="yes">
        <source>Each cycle has %n step.</source>
        <translation>
            <numerusform>Jeder Zyklus hat einen Schritt.</numerusform>
            <numerusform>Jeder Zyklus hat %n Schritte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each cycle has %n steps.</source>
        <translation>
            <numerusform>Jeder Zyklus hat einen Schritt.</numerusform>
            <numerusform>Jeder Zyklus hat %n Schritte.</numerusform>
        </translation>
    </message>
    <message>
        <source>The follower starts at its highest lift.</source>
        <translation>Der Stößel beginnt in seiner höchsten Stellung.</translation>
    </message>
    <message>
        <source>The follower starts at %1 percent of its highest lift.</source>
        <translation>Der Stößel beginnt bei %1 Prozent des maximalen Hubs.</translation>
    </message>
    <message>
        <source>It rests</source>
        <translation>Er ruht</translation>
    </message>
    <message numerus="yes">
        <source>for %n step</source>
        <translation>
            <numerusform>einen Schritt lang</numerusform>
            <numerusform>%n Schritte lang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>for %n steps</source>
        <translation>
            <numerusform>einen Schritt lang</numerusform>
            <numerusform>%n Schritte lang</numerusform>
        </translation>
    </message>
    <message>
        <source>It rises quickly</source>
        <translation>Er steigt schnell</translation>
    </message>
    <message>
        <source>It rises slowly</source>
        <translation>Er steigt langsam</translation>
    </message>
    <message>
        <source>It falls quickly</source>
        <translation>Er fällt schnell</translation>
    </message>
    <message>
        <source>It falls slowly</source>
        <translation>Er fällt langsam</translation>
    </message>
    <message>
        <source>to its highest lift</source>
        <translation>bis zum maximalen Hub</translation>
    </message>
    <message>
        <source>to %1 percent of its highest lift</source>
        <translation>auf %1 Prozent des maximalen Hubs</translation>
    </message>
    <message numerus="yes">
        <source>over %n step</source>
        <translation>
            <numerusform>in einem Schritt</numerusform>
            <numerusform>in %n Schritten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>over %n steps</source>
        <translation>
            <numerusform>in einem Schritt</numerusform>
            <numerusform>in %n Schritten</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing traced yet.</source>
        <translation>Noch nichts gezeichnet.</translation>
    </message>
    <message numerus="yes">
        <source>%n cycle traced.</source>
        <translation>
            <numerusform>%n Zyklus gezeichnet.</numerusform>
            <numerusform>%n Zyklen gezeichnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles traced.</source>
        <translation>
            <numerusform>%n Zyklus gezeichnet.</numerusform>
            <numerusform>%n Zyklen gezeichnet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MotionTableText</name>
    <message>
        <source>The follower&apos;s offset (%1 mm) does not fit inside the prime circle (radius %2 mm).</source>
        <translation>Die Exzentrizität des Stößels (%1 mm) liegt nicht innerhalb des Rollkreises (Radius %2 mm).</translation>
    </message>
    <message>
        <source>The motion table cannot be written to %1: %2.</source>
        <translation>Die Bewegungstabelle kann nicht nach %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>The picture cannot be written to %1: %2.</source>
        <translation>Das Bild kann nicht nach %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Cam Simulation by the Kestrilon team</source>
        <translation>Kurvenscheiben-Simulation vom Kestrilon-Team</translation>
    </message>
    <message>
        <source>Start the pear cam</source>
        <translation>Birnen-Kurvenscheibe starten</translation>
    </message>
    <message>
        <source>Start the double lobe cam</source>
        <translation>Doppelnocken-Kurvenscheibe starten</translation>
    </message>
    <message>
        <source>Start the snail cam</source>
        <translation>Schnecken-Kurvenscheibe starten</translation>
    </message>
    <message>
        <source>Stop the pear cam</source>
        <translation>Birnen-Kurvenscheibe anhalten</translation>
    </message>
    <message>
        <source>Stop the double lobe cam</source>
        <translation>Doppelnocken-Kurvenscheibe anhalten</translation>
    </message>
    <message>
        <source>Stop the snail cam</source>
        <translation>Schnecken-Kurvenscheibe anhalten</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The menu entry that opens the ten-question test on the cams</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Time between pictures</source>
        <translation>Zeit zwischen den Bildern</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>Birnen</translation>
    </message>
    <message>
        <source>double lobe</source>
        <translation>Doppelnocken</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>Schnecken</translation>
    </message>
    <message>
        <source>Lift graph of the %1 cam</source>
        <translation>Hubdiagramm der %1-Kurvenscheibe</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n Millisekunde</numerusform>
            <numerusform>%n Millisekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TestWindow</name>
    <message>
        <source>Kestrilon Test by the Kestrilon team</source>
        <translation>Kestrilon-Test vom Kestrilon-Team</translation>
    </message>
    <message>
        <source>You Scored</source>
        <extracomment>Beside the score, which is drawn as &quot;2 / 10&quot;</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Please click on the start button to begin the test</source>
        <translation>Klicke auf „Test starten“, um den Test zu beginnen.</translation>
    </message>
    <message>
        <source>Click to Start</source>
        <extracomment>The button that poses the first question</extracomment>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Snail cam</source>
        <translation>Schnecken-Kurvenscheibe</translation>
    </message>
    <message>
        <source>Double lobe cam</source>
        <translation>Doppelnocken-Kurvenscheibe</translation>
    </message>
    <message>
        <source>Pear cam</source>
        <translation>Birnen-Kurvenscheibe</translation>
    </message>
    <message>
        <source>Another Go ?</source>
        <translation>Noch einmal?</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Click on the snail cam.</source>
        <extracomment>Question 1. The learner must pick the snail cam by its shape (a spiral with one step).</extracomment>
        <translation>Klicke auf die Schnecken-Kurvenscheibe.</translation>
    </message>
    <message>
        <source>Click on the double lobe cam.</source>
        <extracomment>Question 2. The learner must pick the double lobe cam by its shape (two equal bumps).</extracomment>
        <translation>Klicke auf die Doppelnocken-Kurvenscheibe.</translation>
    </message>
    <message>
        <source>Click on the Pear shaped cam.</source>
        <extracomment>Question 3. The learner must pick the pear shaped cam by its shape.</extracomment>
        <translation>Klicke auf die birnenförmige Kurvenscheibe.</translation>
    </message>
    <message>
        <source>Click on the cam which gives a slow lift and a fast drop.</source>
        <extracomment>Question 4. Which cam raises its follower slowly and then lets it fall suddenly? (The snail: a long gradual rise, then a sudden drop at its step.)</extracomment>
        <translation>Welche Kurvenscheibe hebt langsam und senkt rasch?</translation>
    </message>
    <message>
        <source>Click on the cam which produces the fastest cycle.</source>
        <extracomment>Question 5. Which cam makes the follower go up and down most often per turn? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Welche Kurvenscheibe hat den kürzesten Zyklus?</translation>
    </message>
    <message>
        <source>Click on the cam which can only go in one direction.</source>
        <extracomment>Question 6. Which cam may only be turned one way round, not backwards? (The snail: its step would jam the follower if it turned the other way.)</extracomment>
        <translation>Welche Kurvenscheibe erlaubt nur eine Drehrichtung?</translation>
    </message>
    <message>
        <source>Click on the cam with the longest time with no lift.</source>
        <extracomment>Question 7. Which cam leaves the follower resting, not lifted at all, for the longest part of a turn? (The pear: a long circular part where the follower stays down.)</extracomment>
        <translation>Welche Kurvenscheibe hat die längste Rast?</translation>
    </message>
    <message>
        <source>Click on the cam with the lowest start.</source>
        <extracomment>Question 8. On the lift graphs, which cam&apos;s trace starts lowest? (The snail.)</extracomment>
        <translation>Welche Kurvenscheibe hat den tiefsten Startpunkt?</translation>
    </message>
    <message>
        <source>Click on the cam which works hardest.</source>
        <extracomment>Question 9. Which cam moves its follower up and down the most, so does the most work? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Welche Kurvenscheibe leistet die meiste Arbeit?</translation>
    </message>
    <message>
        <source>Click on the cam which gives the smoothest lift.</source>
        <extracomment>Question 10. Which cam lifts its follower most gently, without sudden changes? (The snail: its rise is steady all the way round.)</extracomment>
        <translation>Welche Kurvenscheibe hebt am gleichmäßigsten an?</translation>
    </message>
    <message>
        <source>You scored %1 out of %2</source>
        <translation>Du hast %1 von %2 Punkten erreicht</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <translation>dort liegt ein Ordner</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>dort liegt keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file could not be finished</source>
        <translation>die Datei konnte nicht fertig geschrieben werden</translation>
    </message>
</context>
<context>
    <name>camdesign::Choices</name>
    <message>
        <source>constant velocity</source>
        <translation>konstante Geschwindigkeit</translation>
    </message>
    <message>
        <source>simple harmonic</source>
        <translation>einfach harmonisch</translation>
    </message>
    <message>
        <source>cycloidal</source>
        <translation>zykloidisch</translation>
    </message>
    <message>
        <source>3-4-5 polynomial</source>
        <translation>Polynom 3-4-5</translation>
    </message>
    <message>
        <source>4-5-6-7 polynomial</source>
        <translation>Polynom 4-5-6-7</translation>
    </message>
    <message>
        <source>modified trapezoid</source>
        <translation>modifiziertes Trapez</translation>
    </message>
    <message>
        <source>modified sine</source>
        <translation>modifizierter Sinus</translation>
    </message>
    <message>
        <source>double harmonic</source>
        <translation>doppelt harmonisch</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Dwell</source>
        <translation>Rast</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rückhub</translation>
    </message>
    <message>
        <source>Knife-edge</source>
        <translation>Schneide</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Flat-faced</source>
        <translation>Flachstößel</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>D flat</source>
        <translation>D-Abflachung</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
</context>
<context>
    <name>workshop::CamView</name>
    <message>
        <source>Cam</source>
        <translation>Kurvenscheibe</translation>
    </message>
    <message>
        <source>This cam cannot be made.</source>
        <translation>Diese Kurvenscheibe lässt sich nicht herstellen.</translation>
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
        <translation>Gedreht um %1°, Hub %2 mm</translation>
    </message>
</context>
<context>
    <name>workshop::EditorColumn</name>
    <message>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the segment</source>
        <translation>Abschnitt entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the segment up</source>
        <translation>Abschnitt nach oben schieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the segment down</source>
        <translation>Abschnitt nach unten schieben</translation>
    </message>
    <message>
        <source>Fill the rest of the turn with a dwell</source>
        <translation>Rest der Umdrehung mit einer Rast füllen</translation>
    </message>
    <message>
        <source>Segment kind</source>
        <translation>Art des Abschnitts</translation>
    </message>
    <message>
        <source> °</source>
        <translation> °</translation>
    </message>
    <message>
        <source>Segment angle</source>
        <translation>Winkel des Abschnitts</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Segment height</source>
        <translation>Höhe des Abschnitts</translation>
    </message>
    <message>
        <source>Motion law</source>
        <translation>Bewegungsgesetz</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Gesetz</translation>
    </message>
    <message>
        <source>Follower</source>
        <translation>Stößel</translation>
    </message>
    <message>
        <source>Follower type</source>
        <translation>Stößelart</translation>
    </message>
    <message>
        <source>Roller radius</source>
        <translation>Rollenradius</translation>
    </message>
    <message>
        <source>Follower offset</source>
        <translation>Exzentrizität des Stößels</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Exzentrizität</translation>
    </message>
    <message>
        <source>Cam</source>
        <translation>Kurvenscheibe</translation>
    </message>
    <message>
        <source>Base circle radius</source>
        <translation>Grundkreisradius</translation>
    </message>
    <message>
        <source>Direction of rotation</source>
        <translation>Drehrichtung</translation>
    </message>
    <message>
        <source>Shaft hole shape</source>
        <translation>Form der Wellenbohrung</translation>
    </message>
    <message>
        <source>Shaft hole diameter</source>
        <translation>Durchmesser der Wellenbohrung</translation>
    </message>
    <message>
        <source>Depth of the flat</source>
        <translation>Tiefe der Abflachung</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehrichtung</translation>
    </message>
    <message>
        <source>Shaft hole</source>
        <translation>Wellenbohrung</translation>
    </message>
    <message>
        <source>Hole diameter</source>
        <translation>Bohrungsdurchmesser</translation>
    </message>
    <message>
        <source>Speed and limit</source>
        <translation>Drehzahl und Grenze</translation>
    </message>
    <message>
        <source> rpm</source>
        <translation> 1/min</translation>
    </message>
    <message>
        <source>Cam speed</source>
        <translation>Drehzahl der Kurvenscheibe</translation>
    </message>
    <message>
        <source>Pressure angle limit</source>
        <translation>Grenze des Druckwinkels</translation>
    </message>
    <message>
        <source>No segment</source>
        <translation>Kein Abschnitt</translation>
    </message>
    <message>
        <source>Segment %1 of %2</source>
        <translation>Abschnitt %1 von %2</translation>
    </message>
</context>
<context>
    <name>workshop::ExportText</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .%2.</source>
        <translation>Export nach „%1“ nicht möglich: Der Name muss eine dieser Endungen haben: .%2.</translation>
    </message>
</context>
<context>
    <name>workshop::GraphView</name>
    <message>
        <source>Lift graph</source>
        <translation>Hubdiagramm</translation>
    </message>
    <message>
        <source>Velocity graph</source>
        <translation>Geschwindigkeitsdiagramm</translation>
    </message>
    <message>
        <source>Acceleration graph</source>
        <translation>Beschleunigungsdiagramm</translation>
    </message>
    <message>
        <source>Jerk graph</source>
        <translation>Ruckdiagramm</translation>
    </message>
    <message>
        <source>Pressure angle graph</source>
        <translation>Druckwinkeldiagramm</translation>
    </message>
    <message>
        <source>Lift</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Jerk</source>
        <translation>Ruck</translation>
    </message>
    <message>
        <source>Pressure angle</source>
        <translation>Druckwinkel</translation>
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
        <translation>Nichts zu zeigen. %1</translation>
    </message>
    <message>
        <source>%1 in %2 against cam angle, from %3 at %4 degrees to %5 at %6 degrees.</source>
        <translation>%1 in %2 über dem Drehwinkel, von %3 bei %4 Grad bis %5 bei %6 Grad.</translation>
    </message>
    <message>
        <source>Past the %1 degree limit at %2.</source>
        <translation>Über der Grenze von %1 Grad bei %2.</translation>
    </message>
    <message>
        <source>Within the %1 degree limit.</source>
        <translation>Innerhalb der Grenze von %1 Grad.</translation>
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
        <translation>Grenze %1°</translation>
    </message>
    <message>
        <source>No pressure angle without a cam.</source>
        <translation>Ohne Kurvenscheibe kein Druckwinkel.</translation>
    </message>
    <message>
        <source>No motion to show.</source>
        <translation>Keine Bewegung zu zeigen.</translation>
    </message>
    <message>
        <source>%1° at %2°</source>
        <translation>%1° bei %2°</translation>
    </message>
    <message>
        <source>%1 %2 at %3°</source>
        <translation>%1 %2 bei %3°</translation>
    </message>
</context>
<context>
    <name>workshop::StartingDesign</name>
    <message>
        <source>Pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>Double lobe</source>
        <translation>Doppelnocken</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Schnecke</translation>
    </message>
</context>
<context>
    <name>workshop::Wording</name>
    <message>
        <source>%1. Rise %2 mm over %3°, %4</source>
        <translation>%1. Hub %2 mm über %3°, %4</translation>
    </message>
    <message>
        <source>%1. Return %2 mm over %3°, %4</source>
        <translation>%1. Rückhub %2 mm über %3°, %4</translation>
    </message>
    <message>
        <source>%1. Dwell over %2°</source>
        <translation>%1. Rast über %2°</translation>
    </message>
    <message>
        <source>%1° to %2°</source>
        <translation>%1° bis %2°</translation>
    </message>
    <message>
        <source>The motion has no segments: add one.</source>
        <translation>Die Bewegung hat keine Abschnitte: Fügen Sie einen hinzu.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°.</source>
        <translation>Die Winkel der Abschnitte ergeben zusammen %1°, nicht 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm above where it starts.</source>
        <translation>Hübe und Rückhübe heben sich nicht auf: Der Stößel endet %1 mm über seinem Anfang.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm below where it starts.</source>
        <translation>Hübe und Rückhübe heben sich nicht auf: Der Stößel endet %1 mm unter seinem Anfang.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below the base circle.</source>
        <translation>Abschnitt %1 führt den Stößel unter den Grundkreis.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm does not lie inside the prime circle of radius %2 mm: the follower cannot stand on the cam.</source>
        <translation>Die Exzentrizität des Stößels von %1 mm liegt nicht innerhalb des Rollkreises mit Radius %2 mm: Der Stößel kann nicht auf der Kurvenscheibe stehen.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the %2° limit, at %3.</source>
        <translation>Der Druckwinkel erreicht %1°, über der Grenze von %2°, bei %3.</translation>
    </message>
    <message>
        <source>Undercut at %1: the roller&apos;s radius of %2 mm is not smaller than the pitch curve&apos;s sharpest bend, %3 mm.</source>
        <translation>Unterschnitt bei %1: Der Rollenradius von %2 mm ist nicht kleiner als die schärfste Krümmung der Bahnkurve, %3 mm.</translation>
    </message>
    <message>
        <source>Cusp at %1: the flat face would need the outline to fold over itself. A base circle larger than %2 mm avoids it.</source>
        <translation>Spitze bei %1: Für den Flachstößel müsste sich die Kontur selbst überschneiden. Ein Grundkreis größer als %2 mm vermeidet das.</translation>
    </message>
    <message>
        <source>No cam can be made: %1</source>
        <translation>Keine Kurvenscheibe lässt sich herstellen: %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>The flat face needs to be %1 mm wide.</source>
        <translation>Der Flachstößel muss %1 mm breit sein.</translation>
    </message>
    <message>
        <source>No cusp.</source>
        <translation>Keine Spitze.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, past the %3 degree limit.</source>
        <translation>Größter Druckwinkel %1 Grad bei %2 Grad, über der Grenze von %3 Grad.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, within the %3 degree limit.</source>
        <translation>Größter Druckwinkel %1 Grad bei %2 Grad, innerhalb der Grenze von %3 Grad.</translation>
    </message>
    <message>
        <source>No undercut.</source>
        <translation>Kein Unterschnitt.</translation>
    </message>
    <message numerus="yes">
        <source>%n warning:</source>
        <translation>
            <numerusform>%n Warnung:</numerusform>
            <numerusform>%n Warnungen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings:</source>
        <translation>
            <numerusform>%n Warnung:</numerusform>
            <numerusform>%n Warnungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cam. Turning: %2. Base circle radius %3 mm, lift %4 mm. Follower: %5.</source>
        <translation>Kurvenscheibe %1. Drehrichtung: %2. Grundkreisradius %3 mm, Hub %4 mm. Stößel: %5.</translation>
    </message>
    <message>
        <source>The shaft hole of %1 mm leaves less than %2 mm of cam around it: make it smaller or the base circle larger.</source>
        <translation>Die Wellenbohrung von %1 mm lässt weniger als %2 mm Kurvenscheibe um sich stehen: Mach sie kleiner oder den Grundkreis größer.</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopModel</name>
    <message>
        <source>Change the segment&apos;s angle</source>
        <translation>Winkel des Abschnitts ändern</translation>
    </message>
    <message>
        <source>Change the segment&apos;s height</source>
        <translation>Höhe des Abschnitts ändern</translation>
    </message>
    <message>
        <source>Change the roller&apos;s radius</source>
        <translation>Rollenradius ändern</translation>
    </message>
    <message>
        <source>Change the follower&apos;s offset</source>
        <translation>Exzentrizität ändern</translation>
    </message>
    <message>
        <source>Change the base circle</source>
        <translation>Grundkreis ändern</translation>
    </message>
    <message>
        <source>Change the shaft hole</source>
        <translation>Wellenbohrung ändern</translation>
    </message>
    <message>
        <source>Change the depth of the flat</source>
        <translation>Tiefe der Abflachung ändern</translation>
    </message>
    <message>
        <source>Change the cam speed</source>
        <translation>Drehzahl ändern</translation>
    </message>
    <message>
        <source>Change the pressure angle limit</source>
        <translation>Grenze des Druckwinkels ändern</translation>
    </message>
    <message>
        <source>Change the segment&apos;s kind</source>
        <translation>Art des Abschnitts ändern</translation>
    </message>
    <message>
        <source>Change the motion law</source>
        <translation>Bewegungsgesetz ändern</translation>
    </message>
    <message>
        <source>Change the follower</source>
        <translation>Stößel ändern</translation>
    </message>
    <message>
        <source>Change the direction of rotation</source>
        <translation>Drehrichtung ändern</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Abschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Remove a segment</source>
        <translation>Abschnitt entfernen</translation>
    </message>
    <message>
        <source>Move a segment up</source>
        <translation>Abschnitt nach oben schieben</translation>
    </message>
    <message>
        <source>Move a segment down</source>
        <translation>Abschnitt nach unten schieben</translation>
    </message>
    <message>
        <source>Fill the turn with a dwell</source>
        <translation>Umdrehung mit einer Rast füllen</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Kleinsten Grundkreis verwenden</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopWindow</name>
    <message>
        <source>Cam designs (*.%1)</source>
        <translation>Kurvenscheiben-Entwürfe (*.%1)</translation>
    </message>
    <message>
        <source>Open a cam design</source>
        <translation>Kurvenscheiben-Entwurf öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the cam design</source>
        <translation>Kurvenscheiben-Entwurf speichern</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New from a &amp;simulation cam</source>
        <translation>Neu aus einer &amp;Simulations-Kurvenscheibe</translation>
    </message>
    <message>
        <source>&amp;Pear</source>
        <translation>&amp;Birne</translation>
    </message>
    <message>
        <source>&amp;Double lobe</source>
        <translation>&amp;Doppelnocken</translation>
    </message>
    <message>
        <source>&amp;Snail</source>
        <translation>&amp;Schnecke</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Turning</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>One degree &amp;forward</source>
        <translation>Ein Grad &amp;vor</translation>
    </message>
    <message>
        <source>One degree &amp;back</source>
        <translation>Ein Grad &amp;zurück</translation>
    </message>
    <message>
        <source>Back to &amp;0°</source>
        <translation>Zurück auf &amp;0°</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Cam angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Turning speed</source>
        <translation>Drehgeschwindigkeit</translation>
    </message>
    <message>
        <source>Does it work?</source>
        <translation>Funktioniert sie?</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Kleinsten Grundkreis verwenden</translation>
    </message>
    <message>
        <source>No numbers: this cam cannot be made.</source>
        <translation>Keine Zahlen: Diese Kurvenscheibe lässt sich nicht herstellen.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Pressure angle: 0° everywhere, the face being square to its motion.</source>
        <translation>Druckwinkel: überall 0°, da die Fläche rechtwinklig zu ihrer Bewegung steht.</translation>
    </message>
    <message>
        <source>Smallest radius of curvature of the outline: %1</source>
        <translation>Kleinster Krümmungsradius der Kontur: %1</translation>
    </message>
    <message>
        <source>Face width needed: %1 mm</source>
        <translation>Nötige Breite des Tellers: %1 mm</translation>
    </message>
    <message>
        <source>Smallest base circle without a cusp: above %1 mm</source>
        <translation>Kleinster Grundkreis ohne Spitze: über %1 mm</translation>
    </message>
    <message>
        <source>Largest pressure angle: %1° at %2°</source>
        <translation>Größter Druckwinkel: %1° bei %2°</translation>
    </message>
    <message>
        <source>Smallest radius of curvature: %1 of the pitch curve, %2 of the outline</source>
        <translation>Kleinster Krümmungsradius: %1 der Bahnkurve, %2 der Kontur</translation>
    </message>
    <message>
        <source>Smallest base circle for the %1° limit: %2 mm</source>
        <translation>Kleinster Grundkreis für die Grenze von %1°: %2 mm</translation>
    </message>
    <message>
        <source>Use a base circle of %1 mm</source>
        <translation>Grundkreis von %1 mm verwenden</translation>
    </message>
    <message>
        <source>No warnings: this cam works within its limits.</source>
        <translation>Keine Warnungen: Diese Kurvenscheibe arbeitet innerhalb ihrer Grenzen.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] – Kestrilon cam workshop</source>
        <translation>%1[*] – Kestrilon-Kurvenscheibenwerkstatt</translation>
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
        <translation>Entwurf lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before opening %1?</source>
        <translation>Der Entwurf hat ungespeicherte Änderungen. Vor dem Öffnen von %1 speichern?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before starting another?</source>
        <translation>Der Entwurf hat ungespeicherte Änderungen. Vor dem Beginn eines neuen speichern?</translation>
    </message>
    <message>
        <source>cam</source>
        <translation>kurvenscheibe</translation>
    </message>
    <message>
        <source>Cannot save the design</source>
        <translation>Entwurf lässt sich nicht speichern</translation>
    </message>
    <message>
        <source>This design cannot be saved yet: %1</source>
        <translation>Dieser Entwurf lässt sich noch nicht speichern: %1</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before closing?</source>
        <translation>Der Entwurf hat ungespeicherte Änderungen. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Export the cam</source>
        <translation>Kurvenscheibe exportieren</translation>
    </message>
    <message>
        <source>Laser cutter, SVG (*.svg)</source>
        <translation>Laserschneider, SVG (*.svg)</translation>
    </message>
    <message>
        <source>Laser cutter, DXF (*.dxf)</source>
        <translation>Laserschneider, DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Paper template at true size, PDF (*.pdf)</source>
        <translation>Papiervorlage in wahrer Größe, PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Picture of the cam and its graphs, PNG (*.png)</source>
        <translation>Bild der Kurvenscheibe und ihrer Kurven, PNG (*.png)</translation>
    </message>
    <message>
        <source>Motion table, CSV (*.csv)</source>
        <translation>Bewegungstabelle, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Width of the picture in pixels:</source>
        <translation>Breite des Bildes in Pixeln:</translation>
    </message>
    <message>
        <source>Construction lines in cut files</source>
        <translation>Konstruktionslinien in Schneidedateien</translation>
    </message>
    <message>
        <source>Cannot export the cam</source>
        <translation>Kurvenscheibe kann nicht exportiert werden</translation>
    </message>
    <message>
        <source>Exported, with a warning</source>
        <translation>Exportiert, mit einer Warnung</translation>
    </message>
    <message>
        <source>%1 is written. %2</source>
        <translation>%1 ist geschrieben. %2</translation>
    </message>
    <message>
        <source>Cannot print the cam</source>
        <translation>Kurvenscheibe kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Replace the file?</source>
        <translation>Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 gibt es schon. Willst du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 is the design itself; exporting over it would lose the design. Choose another name.</source>
        <translation>%1 ist der Entwurf selbst; ein Export darüber würde den Entwurf löschen. Wähle einen anderen Namen.</translation>
    </message>
</context>
</TS>
