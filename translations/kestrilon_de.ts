<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
