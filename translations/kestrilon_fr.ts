<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</TS>
