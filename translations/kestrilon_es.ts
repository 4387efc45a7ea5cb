<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CamExportText</name>
    <message>
        <source> (from %1° to %2°)</source>
        <translation> (de %1° a %2°)</translation>
    </message>
    <message>
        <source>The cam has no segments, so it has no outline to cut.</source>
        <translation>La leva no tiene tramos, así que no tiene contorno que cortar.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°, so the outline does not go once round.</source>
        <translation>Los ángulos de los tramos suman %1°, no 360°, así que el contorno no da una vuelta.</translation>
    </message>
    <message>
        <source>The rises and returns leave the follower %1 mm from where it started, so the outline does not close.</source>
        <translation>Las subidas y bajadas dejan el seguidor a %1 mm de donde empezó, así que el contorno no se cierra.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below where it started, inside the base circle.</source>
        <translation>El tramo %1 lleva el seguidor por debajo de donde empezó, dentro del círculo base.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm puts it outside the prime circle, so it never touches the cam.</source>
        <translation>Una excentricidad de %1 mm deja el seguidor fuera del círculo primitivo, así que nunca toca la leva.</translation>
    </message>
    <message>
        <source>The roller is larger than the sharpest bend of its path%1, so the cam would be undercut there.</source>
        <translation>El rodillo es mayor que la curva más cerrada de su trayectoria%1, así que la leva quedaría socavada ahí.</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself%1; a larger base circle removes the cusp.</source>
        <translation>La cara plana necesitaría un contorno que se doble sobre sí mismo%1; un círculo base mayor elimina la cúspide.</translation>
    </message>
    <message>
        <source>A kerf of %1 mm leaves nothing of a %2 mm shaft hole.</source>
        <translation>Un ancho de corte de %1 mm no deja nada de un agujero de eje de %2 mm.</translation>
    </message>
    <message>
        <source>A flat %1 mm deep cuts away the whole of a %2 mm shaft hole.</source>
        <translation>Un plano de %1 mm de profundidad elimina por completo un agujero de eje de %2 mm.</translation>
    </message>
    <message>
        <source>The shaft hole reaches %1 mm from the centre but the outline comes within %2 mm of it, leaving less than %3 mm of material.</source>
        <translation>El agujero del eje llega a %1 mm del centro, pero el contorno se acerca a %2 mm: quedan menos de %3 mm de material.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the limit of %2°, so the follower may stick.</source>
        <translation>El ángulo de presión llega a %1°, por encima del límite de %2°, así que el seguidor puede atascarse.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .svg, .dxf or .pdf.</source>
        <translation>No se puede exportar a «%1»: el nombre debe terminar en .svg, .dxf o .pdf.</translation>
    </message>
    <message>
        <source>rise %1 mm over %2° (%3)</source>
        <translation>subida de %1 mm en %2° (%3)</translation>
    </message>
    <message>
        <source>return %1 mm over %2° (%3)</source>
        <translation>bajada de %1 mm en %2° (%3)</translation>
    </message>
    <message>
        <source>dwell %1°</source>
        <translation>reposo %1°</translation>
    </message>
    <message>
        <source>Motion: %1</source>
        <translation>Movimiento: %1</translation>
    </message>
    <message>
        <source>knife-edge follower, offset %1 mm</source>
        <translation>seguidor de punta, excentricidad %1 mm</translation>
    </message>
    <message>
        <source>roller follower of radius %1 mm, offset %2 mm</source>
        <translation>seguidor de rodillo de radio %1 mm, excentricidad %2 mm</translation>
    </message>
    <message>
        <source>flat-faced follower</source>
        <translation>seguidor de cara plana</translation>
    </message>
    <message>
        <source>round shaft hole of %1 mm</source>
        <translation>agujero de eje redondo de %1 mm</translation>
    </message>
    <message>
        <source>shaft hole of %1 mm with a flat %2 mm deep</source>
        <translation>agujero de eje de %1 mm con un plano de %2 mm de profundidad</translation>
    </message>
    <message>
        <source>square shaft hole of %1 mm across the flats</source>
        <translation>agujero de eje cuadrado de %1 mm entre caras</translation>
    </message>
    <message>
        <source>Follower at the start</source>
        <translation>Seguidor al inicio</translation>
    </message>
    <message>
        <source>The cam measures %1 × %2 mm, more than the %3 × %4 mm a %5 page has room for; a template is printed only at true size, so export it as SVG or DXF instead.</source>
        <translation>La leva mide %1 × %2 mm, más de los %3 × %4 mm que caben en una página %5; una plantilla solo se imprime a tamaño real, así que expórtala como SVG o DXF.</translation>
    </message>
    <message>
        <source>Untitled cam</source>
        <translation>Leva sin título</translation>
    </message>
    <message>
        <source>Lift %1 mm, base circle radius %2 mm, largest pressure angle %3° (limit %4°).</source>
        <translation>Elevación %1 mm, radio del círculo base %2 mm, mayor ángulo de presión %3° (límite %4°).</translation>
    </message>
    <message>
        <source>turns clockwise</source>
        <translation>gira en sentido horario</translation>
    </message>
    <message>
        <source>turns anticlockwise</source>
        <translation>gira en sentido antihorario</translation>
    </message>
    <message>
        <source>A %1; the cam %2 and has a %3. It is drawn as it stands at the start, with the 0° mark under the follower.</source>
        <translation>Un %1; la leva %2 y tiene un %3. Está dibujada como está al inicio, con la marca de 0° bajo el seguidor.</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>Print at 100 %: this bar must measure %1 mm</source>
        <translation>Imprime al 100 %: esta barra debe medir %1 mm</translation>
    </message>
    <message>
        <source>The flat face would need the outline to fold over itself at %1, where a constant-velocity segment makes the follower&apos;s speed jump; no base circle removes that cusp, so give the segment a law that starts and stops gently.</source>
        <translation>La cara plana necesitaría un contorno que se doble sobre sí mismo en %1, donde un tramo de velocidad constante hace saltar la velocidad del seguidor; ningún círculo base elimina esa cúspide, así que da al tramo una ley que arranque y frene con suavidad.</translation>
    </message>
    <message>
        <source>The outline would cross itself near %1°, so it cannot be cut; a gentler motion or a larger base circle there avoids it.</source>
        <translation>El contorno se cruzaría consigo mismo cerca de %1°, así que no se puede cortar; un movimiento más suave o un círculo base mayor ahí lo evita.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the field &quot;%1&quot; is missing.</source>
        <translation>falta el campo «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>«%1» debe ser un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 %4; it must be from %3 to %5 %4.</source>
        <translation>«%1» es %2 %4; debe estar entre %3 y %5 %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>«%1» debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot;; it must be one of %3.</source>
        <translation>«%1» es «%2»; debe ser uno de %3.</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not part of a design.</source>
        <translation>el campo «%1» no forma parte de un diseño.</translation>
    </message>
    <message>
        <source>Segment %1: </source>
        <translation>Tramo %1: </translation>
    </message>
    <message>
        <source>it must be an object with a kind and an angle.</source>
        <translation>debe ser un objeto con un tipo y un ángulo.</translation>
    </message>
    <message>
        <source>The follower: </source>
        <translation>El seguidor: </translation>
    </message>
    <message>
        <source>it must be an object with a type and an offset.</source>
        <translation>debe ser un objeto con un tipo y una excentricidad.</translation>
    </message>
    <message>
        <source>This is not a Kestrilon cam design (its format is &quot;%1&quot;).</source>
        <translation>No es un diseño de leva de Kestrilon (su formato es «%1»).</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number.</source>
        <translation>«version» debe ser un número entero.</translation>
    </message>
    <message>
        <source>This design was saved by a newer Kestrilon (format version %1); this one reads version %2.</source>
        <translation>Este diseño se guardó con un Kestrilon más reciente (versión de formato %1); este lee la versión %2.</translation>
    </message>
    <message>
        <source>&quot;version&quot; is %1; it must be %2.</source>
        <translation>«version» es %1; debe ser %2.</translation>
    </message>
    <message>
        <source>&quot;name&quot; is %1 characters long; at most %2 fit.</source>
        <translation>«name» tiene %1 caracteres; caben como máximo %2.</translation>
    </message>
    <message>
        <source>&quot;segments&quot; must be a list of segments.</source>
        <translation>«segments» debe ser una lista de tramos.</translation>
    </message>
    <message>
        <source>The design has %1 segments; at most %2 fit in a turn.</source>
        <translation>El diseño tiene %1 tramos; en una vuelta caben como máximo %2.</translation>
    </message>
    <message>
        <source>The design has no segments; a turn needs at least one.</source>
        <translation>El diseño no tiene tramos; una vuelta necesita al menos uno.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°; a turn is 360°.</source>
        <translation>Los ángulos de los tramos suman %1°; una vuelta tiene 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm from where it started.</source>
        <translation>Las subidas y bajadas no se compensan: el seguidor termina a %1 mm de donde empezó.</translation>
    </message>
    <message>
        <source>Segment %1: the follower would return below where it started.</source>
        <translation>Tramo %1: el seguidor bajaría por debajo de donde empezó.</translation>
    </message>
    <message>
        <source>The shaft hole (%1 mm across) does not fit inside the base circle (radius %2 mm).</source>
        <translation>El agujero del eje (%1 mm de diámetro) no cabe en el círculo base (radio %2 mm).</translation>
    </message>
    <message>
        <source>The shaft hole&apos;s flat (%1 mm deep) cuts past its centre.</source>
        <translation>El plano del agujero del eje (%1 mm de profundidad) pasa de su centro.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not a design: it holds no JSON object.</source>
        <translation>El archivo no es un diseño: no contiene ningún objeto JSON.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is %1 bytes; a design is never larger than %2 bytes.</source>
        <translation>El archivo tiene %1 bytes; un diseño nunca supera los %2 bytes.</translation>
    </message>
    <message>
        <source>The design cannot be saved as %1: %2.</source>
        <translation>No se puede guardar el diseño como %1: %2.</translation>
    </message>
    <message>
        <source>The file holds more than %1 bytes; a design is never that large.</source>
        <translation>El archivo tiene más de %1 bytes; un diseño nunca es tan grande.</translation>
    </message>
    <message>
        <source>the file starts with a byte-order mark; save it as UTF-8 without one.</source>
        <translation>el archivo empieza con una marca de orden de bytes (BOM); guárdalo como UTF-8 sin ella.</translation>
    </message>
    <message>
        <source>the JSON has already ended here, yet &quot;%1&quot; follows.</source>
        <translation>el JSON ya ha terminado aquí, pero sigue «%1».</translation>
    </message>
    <message>
        <source>Line %1, column %2: </source>
        <translation>Línea %1, columna %2: </translation>
    </message>
    <message>
        <source>the file ends before its JSON is complete.</source>
        <translation>el archivo termina antes de que su JSON esté completo.</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text here; save it as UTF-8.</source>
        <translation>el archivo no es texto UTF-8 en este punto; guárdalo como UTF-8.</translation>
    </message>
    <message>
        <source>a value is expected here, not &quot;%1&quot;.</source>
        <translation>aquí se espera un valor, no «%1».</translation>
    </message>
    <message>
        <source>lists and objects nest more than %1 deep here.</source>
        <translation>aquí las listas y los objetos se anidan en más de %1 niveles.</translation>
    </message>
    <message>
        <source>a key in double quotes is expected here, not &quot;%1&quot;.</source>
        <translation>aquí se espera una clave entre comillas dobles, no «%1».</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; appears twice in one object.</source>
        <translation>la clave «%1» aparece dos veces en un mismo objeto.</translation>
    </message>
    <message>
        <source>&quot;:&quot; is expected after a key, not &quot;%1&quot;.</source>
        <translation>tras una clave se espera «:», no «%1».</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>aquí se espera «,» o «}», no «%1».</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; is expected here, not &quot;%1&quot;.</source>
        <translation>aquí se espera «,» o «]», no «%1».</translation>
    </message>
    <message>
        <source>\u must be followed by four hexadecimal digits.</source>
        <translation>\u debe ir seguido de cuatro dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>a text holds a control character as it is; write it as an escape such as \n or \t.</source>
        <translation>un texto contiene un carácter de control tal cual; escríbelo como secuencia de escape, como \n o \t.</translation>
    </message>
    <message>
        <source>&quot;\%1&quot; is not an escape JSON knows; write a backslash as \\.</source>
        <translation>«\%1» no es una secuencia de escape que JSON conozca; escribe una barra invertida como \\.</translation>
    </message>
    <message>
        <source>a number needs a digit before its decimal point (&quot;%1&quot;).</source>
        <translation>un número necesita una cifra antes de su punto decimal («%1»).</translation>
    </message>
    <message>
        <source>a number needs a digit after its minus sign (&quot;%1&quot;).</source>
        <translation>un número necesita una cifra después de su signo menos («%1»).</translation>
    </message>
    <message>
        <source>a number may not begin with 0 followed by more digits (&quot;%1&quot;).</source>
        <translation>un número no puede empezar por un 0 seguido de más cifras («%1»).</translation>
    </message>
    <message>
        <source>a number needs a digit after its decimal point (&quot;%1&quot;).</source>
        <translation>un número necesita una cifra después de su punto decimal («%1»).</translation>
    </message>
    <message>
        <source>a number needs a digit in its exponent (&quot;%1&quot;).</source>
        <translation>un número necesita una cifra en su exponente («%1»).</translation>
    </message>
    <message>
        <source>the number %1 is too large.</source>
        <translation>el número %1 es demasiado grande.</translation>
    </message>
</context>
<context>
    <name>LiftGraph</name>
    <message numerus="yes">
        <source>Each cycle has %n step.</source>
        <translation>
            <numerusform>Cada ciclo tiene %n paso.</numerusform>
            <numerusform>Cada ciclo tiene %n pasos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each cycle has %n steps.</source>
        <translation>
            <numerusform>Cada ciclo tiene %n paso.</numerusform>
            <numerusform>Cada ciclo tiene %n pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The follower starts at its highest lift.</source>
        <translation>El seguidor empieza en su elevación máxima.</translation>
    </message>
    <message>
        <source>The follower starts at %1 percent of its highest lift.</source>
        <translation>El seguidor empieza al %1 por ciento de su elevación máxima.</translation>
    </message>
    <message>
        <source>It rests</source>
        <translation>Se queda quieto</translation>
    </message>
    <message numerus="yes">
        <source>for %n step</source>
        <translation>
            <numerusform>durante %n paso</numerusform>
            <numerusform>durante %n pasos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>for %n steps</source>
        <translation>
            <numerusform>durante %n paso</numerusform>
            <numerusform>durante %n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>It rises quickly</source>
        <translation>Sube rápidamente</translation>
    </message>
    <message>
        <source>It rises slowly</source>
        <translation>Sube lentamente</translation>
    </message>
    <message>
        <source>It falls quickly</source>
        <translation>Baja rápidamente</translation>
    </message>
    <message>
        <source>It falls slowly</source>
        <translation>Baja lentamente</translation>
    </message>
    <message>
        <source>to its highest lift</source>
        <translation>hasta su elevación máxima</translation>
    </message>
    <message>
        <source>to %1 percent of its highest lift</source>
        <translation>hasta el %1 por ciento de su elevación máxima</translation>
    </message>
    <message numerus="yes">
        <source>over %n step</source>
        <translation>
            <numerusform>en %n paso</numerusform>
            <numerusform>en %n pasos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>over %n steps</source>
        <translation>
            <numerusform>en %n paso</numerusform>
            <numerusform>en %n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing traced yet.</source>
        <translation>Aún no hay nada trazado.</translation>
    </message>
    <message numerus="yes">
        <source>%n cycle traced.</source>
        <translation>
            <numerusform>%n ciclo trazado.</numerusform>
            <numerusform>%n ciclos trazados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cycles traced.</source>
        <translation>
            <numerusform>%n ciclo trazado.</numerusform>
            <numerusform>%n ciclos trazados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MotionTableText</name>
    <message>
        <source>The follower&apos;s offset (%1 mm) does not fit inside the prime circle (radius %2 mm).</source>
        <translation>La excentricidad del seguidor (%1 mm) no cabe en el círculo primitivo (radio %2 mm).</translation>
    </message>
    <message>
        <source>The motion table cannot be written to %1: %2.</source>
        <translation>No se puede escribir la tabla del movimiento en %1: %2.</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>The picture cannot be written to %1: %2.</source>
        <translation>No se puede escribir la imagen en %1: %2.</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Cam Simulation by the Kestrilon team</source>
        <translation>Simulación de levas del equipo Kestrilon</translation>
    </message>
    <message>
        <source>Start the pear cam</source>
        <translation>Poner en marcha la leva de pera</translation>
    </message>
    <message>
        <source>Start the double lobe cam</source>
        <translation>Poner en marcha la leva de doble lóbulo</translation>
    </message>
    <message>
        <source>Start the snail cam</source>
        <translation>Poner en marcha la leva de caracol</translation>
    </message>
    <message>
        <source>Stop the pear cam</source>
        <translation>Detener la leva de pera</translation>
    </message>
    <message>
        <source>Stop the double lobe cam</source>
        <translation>Detener la leva de doble lóbulo</translation>
    </message>
    <message>
        <source>Stop the snail cam</source>
        <translation>Detener la leva de caracol</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The menu entry that opens the ten-question test on the cams</extracomment>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Time between pictures</source>
        <translation>Tiempo entre imágenes</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>de pera</translation>
    </message>
    <message>
        <source>double lobe</source>
        <translation>de doble lóbulo</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>de caracol</translation>
    </message>
    <message>
        <source>Lift graph of the %1 cam</source>
        <translation>Curva de elevación de la leva %1</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n milisegundo</numerusform>
            <numerusform>%n milisegundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TestWindow</name>
    <message>
        <source>Kestrilon Test by the Kestrilon team</source>
        <translation>Prueba Kestrilon del equipo Kestrilon</translation>
    </message>
    <message>
        <source>You Scored</source>
        <extracomment>Beside the score, which is drawn as &quot;2 / 10&quot;</extracomment>
        <translation>Tu nota</translation>
    </message>
    <message>
        <source>Please click on the start button to begin the test</source>
        <translation>Haz clic en «Empezar» para comenzar la prueba.</translation>
    </message>
    <message>
        <source>Click to Start</source>
        <extracomment>The button that poses the first question</extracomment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Snail cam</source>
        <translation>Leva de caracol</translation>
    </message>
    <message>
        <source>Double lobe cam</source>
        <translation>Leva de doble lóbulo</translation>
    </message>
    <message>
        <source>Pear cam</source>
        <translation>Leva de pera</translation>
    </message>
    <message>
        <source>Another Go ?</source>
        <translation>¿Otra vez?</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Click on the snail cam.</source>
        <extracomment>Question 1. The learner must pick the snail cam by its shape (a spiral with one step).</extracomment>
        <translation>Haz clic en la leva de caracol.</translation>
    </message>
    <message>
        <source>Click on the double lobe cam.</source>
        <extracomment>Question 2. The learner must pick the double lobe cam by its shape (two equal bumps).</extracomment>
        <translation>Haz clic en la leva de doble lóbulo.</translation>
    </message>
    <message>
        <source>Click on the Pear shaped cam.</source>
        <extracomment>Question 3. The learner must pick the pear shaped cam by its shape.</extracomment>
        <translation>Haz clic en la leva en forma de pera.</translation>
    </message>
    <message>
        <source>Click on the cam which gives a slow lift and a fast drop.</source>
        <extracomment>Question 4. Which cam raises its follower slowly and then lets it fall suddenly? (The snail: a long gradual rise, then a sudden drop at its step.)</extracomment>
        <translation>Haz clic en la leva con subida lenta y caída rápida.</translation>
    </message>
    <message>
        <source>Click on the cam which produces the fastest cycle.</source>
        <extracomment>Question 5. Which cam makes the follower go up and down most often per turn? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Haz clic en la leva que produce el ciclo más rápido.</translation>
    </message>
    <message>
        <source>Click on the cam which can only go in one direction.</source>
        <extracomment>Question 6. Which cam may only be turned one way round, not backwards? (The snail: its step would jam the follower if it turned the other way.)</extracomment>
        <translation>Haz clic en la leva que solo puede girar en un sentido.</translation>
    </message>
    <message>
        <source>Click on the cam with the longest time with no lift.</source>
        <extracomment>Question 7. Which cam leaves the follower resting, not lifted at all, for the longest part of a turn? (The pear: a long circular part where the follower stays down.)</extracomment>
        <translation>Haz clic en la leva con el reposo más largo.</translation>
    </message>
    <message>
        <source>Click on the cam with the lowest start.</source>
        <extracomment>Question 8. On the lift graphs, which cam&apos;s trace starts lowest? (The snail.)</extracomment>
        <translation>Haz clic en la leva cuya gráfica empieza más abajo.</translation>
    </message>
    <message>
        <source>Click on the cam which works hardest.</source>
        <extracomment>Question 9. Which cam moves its follower up and down the most, so does the most work? (The double lobe: two lifts every turn.)</extracomment>
        <translation>Haz clic en la leva que más trabaja.</translation>
    </message>
    <message>
        <source>Click on the cam which gives the smoothest lift.</source>
        <extracomment>Question 10. Which cam lifts its follower most gently, without sudden changes? (The snail: its rise is steady all the way round.)</extracomment>
        <translation>Haz clic en la leva que da la subida más suave.</translation>
    </message>
    <message>
        <source>You scored %1 out of %2</source>
        <translation>Has obtenido %1 de %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file could not be finished</source>
        <translation>el archivo no se pudo terminar</translation>
    </message>
</context>
<context>
    <name>camdesign::Choices</name>
    <message>
        <source>constant velocity</source>
        <translation>velocidad constante</translation>
    </message>
    <message>
        <source>simple harmonic</source>
        <translation>armónico simple</translation>
    </message>
    <message>
        <source>cycloidal</source>
        <translation>cicloidal</translation>
    </message>
    <message>
        <source>3-4-5 polynomial</source>
        <translation>polinomio 3-4-5</translation>
    </message>
    <message>
        <source>4-5-6-7 polynomial</source>
        <translation>polinomio 4-5-6-7</translation>
    </message>
    <message>
        <source>modified trapezoid</source>
        <translation>trapecio modificado</translation>
    </message>
    <message>
        <source>modified sine</source>
        <translation>seno modificado</translation>
    </message>
    <message>
        <source>double harmonic</source>
        <translation>armónico doble</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Dwell</source>
        <translation>Reposo</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Knife-edge</source>
        <translation>De cuchilla</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>De rodillo</translation>
    </message>
    <message>
        <source>Flat-faced</source>
        <translation>De cara plana</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondo</translation>
    </message>
    <message>
        <source>D flat</source>
        <translation>Plano en D</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Horario</translation>
    </message>
</context>
<context>
    <name>workshop::CamView</name>
    <message>
        <source>Cam</source>
        <translation>Leva</translation>
    </message>
    <message>
        <source>This cam cannot be made.</source>
        <translation>Esta leva no se puede fabricar.</translation>
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
        <translation>Girada %1°, alzada %2 mm</translation>
    </message>
</context>
<context>
    <name>workshop::EditorColumn</name>
    <message>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Añadir un tramo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the segment</source>
        <translation>Quitar el tramo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the segment up</source>
        <translation>Subir el tramo</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the segment down</source>
        <translation>Bajar el tramo</translation>
    </message>
    <message>
        <source>Fill the rest of the turn with a dwell</source>
        <translation>Completar la vuelta con un reposo</translation>
    </message>
    <message>
        <source>Segment kind</source>
        <translation>Tipo de tramo</translation>
    </message>
    <message>
        <source> °</source>
        <translation> °</translation>
    </message>
    <message>
        <source>Segment angle</source>
        <translation>Ángulo del tramo</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Segment height</source>
        <translation>Altura del tramo</translation>
    </message>
    <message>
        <source>Motion law</source>
        <translation>Ley de movimiento</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Ley</translation>
    </message>
    <message>
        <source>Follower</source>
        <translation>Seguidor</translation>
    </message>
    <message>
        <source>Follower type</source>
        <translation>Tipo de seguidor</translation>
    </message>
    <message>
        <source>Roller radius</source>
        <translation>Radio del rodillo</translation>
    </message>
    <message>
        <source>Follower offset</source>
        <translation>Excentricidad del seguidor</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Excentricidad</translation>
    </message>
    <message>
        <source>Cam</source>
        <translation>Leva</translation>
    </message>
    <message>
        <source>Base circle radius</source>
        <translation>Radio del círculo base</translation>
    </message>
    <message>
        <source>Direction of rotation</source>
        <translation>Sentido de giro</translation>
    </message>
    <message>
        <source>Shaft hole shape</source>
        <translation>Forma del agujero del eje</translation>
    </message>
    <message>
        <source>Shaft hole diameter</source>
        <translation>Diámetro del agujero del eje</translation>
    </message>
    <message>
        <source>Depth of the flat</source>
        <translation>Profundidad del plano</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Shaft hole</source>
        <translation>Agujero del eje</translation>
    </message>
    <message>
        <source>Hole diameter</source>
        <translation>Diámetro del agujero</translation>
    </message>
    <message>
        <source>Speed and limit</source>
        <translation>Velocidad y límite</translation>
    </message>
    <message>
        <source> rpm</source>
        <translation> rpm</translation>
    </message>
    <message>
        <source>Cam speed</source>
        <translation>Velocidad de la leva</translation>
    </message>
    <message>
        <source>Pressure angle limit</source>
        <translation>Límite del ángulo de presión</translation>
    </message>
    <message>
        <source>No segment</source>
        <translation>Ningún tramo</translation>
    </message>
    <message>
        <source>Segment %1 of %2</source>
        <translation>Tramo %1 de %2</translation>
    </message>
</context>
<context>
    <name>workshop::ExportText</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the name must end in .%2.</source>
        <translation>No se puede exportar a «%1»: el nombre debe terminar en una de estas extensiones: .%2.</translation>
    </message>
</context>
<context>
    <name>workshop::GraphView</name>
    <message>
        <source>Lift graph</source>
        <translation>Gráfica de la alzada</translation>
    </message>
    <message>
        <source>Velocity graph</source>
        <translation>Gráfica de la velocidad</translation>
    </message>
    <message>
        <source>Acceleration graph</source>
        <translation>Gráfica de la aceleración</translation>
    </message>
    <message>
        <source>Jerk graph</source>
        <translation>Gráfica del tirón</translation>
    </message>
    <message>
        <source>Pressure angle graph</source>
        <translation>Gráfica del ángulo de presión</translation>
    </message>
    <message>
        <source>Lift</source>
        <translation>Alzada</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Jerk</source>
        <translation>Tirón</translation>
    </message>
    <message>
        <source>Pressure angle</source>
        <translation>Ángulo de presión</translation>
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
        <translation>Nada que mostrar. %1</translation>
    </message>
    <message>
        <source>%1 in %2 against cam angle, from %3 at %4 degrees to %5 at %6 degrees.</source>
        <translation>%1 en %2 según el ángulo de la leva, de %3 a %4 grados a %5 a %6 grados.</translation>
    </message>
    <message>
        <source>Past the %1 degree limit at %2.</source>
        <translation>Por encima del límite de %1 grados en %2.</translation>
    </message>
    <message>
        <source>Within the %1 degree limit.</source>
        <translation>Dentro del límite de %1 grados.</translation>
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
        <translation>límite %1°</translation>
    </message>
    <message>
        <source>No pressure angle without a cam.</source>
        <translation>Sin leva no hay ángulo de presión.</translation>
    </message>
    <message>
        <source>No motion to show.</source>
        <translation>No hay movimiento que mostrar.</translation>
    </message>
    <message>
        <source>%1° at %2°</source>
        <translation>%1° a %2°</translation>
    </message>
    <message>
        <source>%1 %2 at %3°</source>
        <translation>%1 %2 a %3°</translation>
    </message>
</context>
<context>
    <name>workshop::StartingDesign</name>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Double lobe</source>
        <translation>Doble lóbulo</translation>
    </message>
    <message>
        <source>Snail</source>
        <translation>Caracol</translation>
    </message>
</context>
<context>
    <name>workshop::Wording</name>
    <message>
        <source>%1. Rise %2 mm over %3°, %4</source>
        <translation>%1. Subida de %2 mm en %3°, %4</translation>
    </message>
    <message>
        <source>%1. Return %2 mm over %3°, %4</source>
        <translation>%1. Retorno de %2 mm en %3°, %4</translation>
    </message>
    <message>
        <source>%1. Dwell over %2°</source>
        <translation>%1. Reposo en %2°</translation>
    </message>
    <message>
        <source>%1° to %2°</source>
        <translation>%1° a %2°</translation>
    </message>
    <message>
        <source>The motion has no segments: add one.</source>
        <translation>El movimiento no tiene tramos: añada uno.</translation>
    </message>
    <message>
        <source>The segments&apos; angles add up to %1°, not 360°.</source>
        <translation>Los ángulos de los tramos suman %1°, no 360°.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm above where it starts.</source>
        <translation>Las subidas y los retornos no se compensan: el seguidor acaba %1 mm por encima de donde empieza.</translation>
    </message>
    <message>
        <source>The rises and returns do not cancel: the follower ends %1 mm below where it starts.</source>
        <translation>Las subidas y los retornos no se compensan: el seguidor acaba %1 mm por debajo de donde empieza.</translation>
    </message>
    <message>
        <source>Segment %1 takes the follower below the base circle.</source>
        <translation>El tramo %1 lleva el seguidor por debajo del círculo base.</translation>
    </message>
    <message>
        <source>The follower&apos;s offset of %1 mm does not lie inside the prime circle of radius %2 mm: the follower cannot stand on the cam.</source>
        <translation>La excentricidad del seguidor, %1 mm, no está dentro del círculo primitivo de radio %2 mm: el seguidor no puede apoyarse en la leva.</translation>
    </message>
    <message>
        <source>The pressure angle reaches %1°, past the %2° limit, at %3.</source>
        <translation>El ángulo de presión llega a %1°, por encima del límite de %2°, en %3.</translation>
    </message>
    <message>
        <source>Undercut at %1: the roller&apos;s radius of %2 mm is not smaller than the pitch curve&apos;s sharpest bend, %3 mm.</source>
        <translation>Socavado en %1: el radio del rodillo, %2 mm, no es menor que la curvatura más cerrada de la curva primitiva, %3 mm.</translation>
    </message>
    <message>
        <source>Cusp at %1: the flat face would need the outline to fold over itself. A base circle larger than %2 mm avoids it.</source>
        <translation>Punta en %1: la cara plana exigiría que el contorno se doblara sobre sí mismo. Un círculo base de más de %2 mm lo evita.</translation>
    </message>
    <message>
        <source>No cam can be made: %1</source>
        <translation>No se puede fabricar ninguna leva: %1</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>The flat face needs to be %1 mm wide.</source>
        <translation>La cara plana debe medir %1 mm de ancho.</translation>
    </message>
    <message>
        <source>No cusp.</source>
        <translation>Sin puntas.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, past the %3 degree limit.</source>
        <translation>Mayor ángulo de presión %1 grados a %2 grados, por encima del límite de %3 grados.</translation>
    </message>
    <message>
        <source>Largest pressure angle %1 degrees at %2 degrees, within the %3 degree limit.</source>
        <translation>Mayor ángulo de presión %1 grados a %2 grados, dentro del límite de %3 grados.</translation>
    </message>
    <message>
        <source>No undercut.</source>
        <translation>Sin socavado.</translation>
    </message>
    <message numerus="yes">
        <source>%n warning:</source>
        <translation>
            <numerusform>%n aviso:</numerusform>
            <numerusform>%n avisos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings:</source>
        <translation>
            <numerusform>%n aviso:</numerusform>
            <numerusform>%n avisos:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cam. Turning: %2. Base circle radius %3 mm, lift %4 mm. Follower: %5.</source>
        <translation>Leva %1. Giro: %2. Radio del círculo base %3 mm, alzada %4 mm. Seguidor: %5.</translation>
    </message>
    <message>
        <source>The shaft hole of %1 mm leaves less than %2 mm of cam around it: make it smaller or the base circle larger.</source>
        <translation>El agujero del eje de %1 mm deja menos de %2 mm de leva a su alrededor: hazlo más pequeño o el círculo base más grande.</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopModel</name>
    <message>
        <source>Change the segment&apos;s angle</source>
        <translation>Cambiar el ángulo del tramo</translation>
    </message>
    <message>
        <source>Change the segment&apos;s height</source>
        <translation>Cambiar la altura del tramo</translation>
    </message>
    <message>
        <source>Change the roller&apos;s radius</source>
        <translation>Cambiar el radio del rodillo</translation>
    </message>
    <message>
        <source>Change the follower&apos;s offset</source>
        <translation>Cambiar la excentricidad del seguidor</translation>
    </message>
    <message>
        <source>Change the base circle</source>
        <translation>Cambiar el círculo base</translation>
    </message>
    <message>
        <source>Change the shaft hole</source>
        <translation>Cambiar el agujero del eje</translation>
    </message>
    <message>
        <source>Change the depth of the flat</source>
        <translation>Cambiar la profundidad del plano</translation>
    </message>
    <message>
        <source>Change the cam speed</source>
        <translation>Cambiar la velocidad de la leva</translation>
    </message>
    <message>
        <source>Change the pressure angle limit</source>
        <translation>Cambiar el límite del ángulo de presión</translation>
    </message>
    <message>
        <source>Change the segment&apos;s kind</source>
        <translation>Cambiar el tipo del tramo</translation>
    </message>
    <message>
        <source>Change the motion law</source>
        <translation>Cambiar la ley de movimiento</translation>
    </message>
    <message>
        <source>Change the follower</source>
        <translation>Cambiar el seguidor</translation>
    </message>
    <message>
        <source>Change the direction of rotation</source>
        <translation>Cambiar el sentido de giro</translation>
    </message>
    <message>
        <source>Add a segment</source>
        <translation>Añadir un tramo</translation>
    </message>
    <message>
        <source>Remove a segment</source>
        <translation>Quitar un tramo</translation>
    </message>
    <message>
        <source>Move a segment up</source>
        <translation>Subir un tramo</translation>
    </message>
    <message>
        <source>Move a segment down</source>
        <translation>Bajar un tramo</translation>
    </message>
    <message>
        <source>Fill the turn with a dwell</source>
        <translation>Completar la vuelta con un reposo</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Usar el círculo base más pequeño</translation>
    </message>
</context>
<context>
    <name>workshop::WorkshopWindow</name>
    <message>
        <source>Cam designs (*.%1)</source>
        <translation>Diseños de levas (*.%1)</translation>
    </message>
    <message>
        <source>Open a cam design</source>
        <translation>Abrir un diseño de leva</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the cam design</source>
        <translation>Guardar el diseño de leva</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New from a &amp;simulation cam</source>
        <translation>Nuevo a partir de una leva de la &amp;simulación</translation>
    </message>
    <message>
        <source>&amp;Pear</source>
        <translation>&amp;Pera</translation>
    </message>
    <message>
        <source>&amp;Double lobe</source>
        <translation>&amp;Doble lóbulo</translation>
    </message>
    <message>
        <source>&amp;Snail</source>
        <translation>&amp;Caracol</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;Turning</source>
        <translation>&amp;Giro</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>One degree &amp;forward</source>
        <translation>Un grado &amp;adelante</translation>
    </message>
    <message>
        <source>One degree &amp;back</source>
        <translation>Un grado a&amp;trás</translation>
    </message>
    <message>
        <source>Back to &amp;0°</source>
        <translation>Volver a &amp;0°</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Cam angle</source>
        <translation>Ángulo de la leva</translation>
    </message>
    <message>
        <source>Turning speed</source>
        <translation>Velocidad de giro</translation>
    </message>
    <message>
        <source>Does it work?</source>
        <translation>¿Funciona?</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Use the smallest base circle</source>
        <translation>Usar el círculo base más pequeño</translation>
    </message>
    <message>
        <source>No numbers: this cam cannot be made.</source>
        <translation>Sin cifras: esta leva no se puede fabricar.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Pressure angle: 0° everywhere, the face being square to its motion.</source>
        <translation>Ángulo de presión: 0° en todas partes, pues la cara es perpendicular a su movimiento.</translation>
    </message>
    <message>
        <source>Smallest radius of curvature of the outline: %1</source>
        <translation>Menor radio de curvatura del contorno: %1</translation>
    </message>
    <message>
        <source>Face width needed: %1 mm</source>
        <translation>Ancho de cara necesario: %1 mm</translation>
    </message>
    <message>
        <source>Smallest base circle without a cusp: above %1 mm</source>
        <translation>Menor círculo base sin puntas: más de %1 mm</translation>
    </message>
    <message>
        <source>Largest pressure angle: %1° at %2°</source>
        <translation>Mayor ángulo de presión: %1° a %2°</translation>
    </message>
    <message>
        <source>Smallest radius of curvature: %1 of the pitch curve, %2 of the outline</source>
        <translation>Menor radio de curvatura: %1 de la curva primitiva, %2 del contorno</translation>
    </message>
    <message>
        <source>Smallest base circle for the %1° limit: %2 mm</source>
        <translation>Menor círculo base para el límite de %1°: %2 mm</translation>
    </message>
    <message>
        <source>Use a base circle of %1 mm</source>
        <translation>Usar un círculo base de %1 mm</translation>
    </message>
    <message>
        <source>No warnings: this cam works within its limits.</source>
        <translation>Sin avisos: esta leva funciona dentro de sus límites.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] – Kestrilon cam workshop</source>
        <translation>%1[*] – Taller de levas de Kestrilon</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Cannot open the design</source>
        <translation>No se puede abrir el diseño</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before opening %1?</source>
        <translation>El diseño tiene cambios sin guardar. ¿Guardarlos antes de abrir %1?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before starting another?</source>
        <translation>El diseño tiene cambios sin guardar. ¿Guardarlos antes de empezar otro?</translation>
    </message>
    <message>
        <source>cam</source>
        <translation>leva</translation>
    </message>
    <message>
        <source>Cannot save the design</source>
        <translation>No se puede guardar el diseño</translation>
    </message>
    <message>
        <source>This design cannot be saved yet: %1</source>
        <translation>Este diseño aún no se puede guardar: %1</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 no se pudo guardar: %2</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before closing?</source>
        <translation>El diseño tiene cambios sin guardar. ¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Export the cam</source>
        <translation>Exportar la leva</translation>
    </message>
    <message>
        <source>Laser cutter, SVG (*.svg)</source>
        <translation>Cortadora láser, SVG (*.svg)</translation>
    </message>
    <message>
        <source>Laser cutter, DXF (*.dxf)</source>
        <translation>Cortadora láser, DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Paper template at true size, PDF (*.pdf)</source>
        <translation>Plantilla de papel a tamaño real, PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Picture of the cam and its graphs, PNG (*.png)</source>
        <translation>Imagen de la leva y sus gráficas, PNG (*.png)</translation>
    </message>
    <message>
        <source>Motion table, CSV (*.csv)</source>
        <translation>Tabla del movimiento, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
    <message>
        <source>Width of the picture in pixels:</source>
        <translation>Ancho de la imagen en píxeles:</translation>
    </message>
    <message>
        <source>Construction lines in cut files</source>
        <translation>Líneas de construcción en los archivos de corte</translation>
    </message>
    <message>
        <source>Cannot export the cam</source>
        <translation>No se puede exportar la leva</translation>
    </message>
    <message>
        <source>Exported, with a warning</source>
        <translation>Exportada, con un aviso</translation>
    </message>
    <message>
        <source>%1 is written. %2</source>
        <translation>Se ha escrito %1. %2</translation>
    </message>
    <message>
        <source>Cannot print the cam</source>
        <translation>No se puede imprimir la leva</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo poner en marcha la impresora.</translation>
    </message>
    <message>
        <source>Replace the file?</source>
        <translation>¿Reemplazar el archivo?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 is the design itself; exporting over it would lose the design. Choose another name.</source>
        <translation>%1 es el propio diseño; exportar encima lo borraría. Elige otro nombre.</translation>
    </message>
</context>
</TS>
