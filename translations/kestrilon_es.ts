<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</TS>
