<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Hit &amp; Blow</source>
        <translation>À propos de Hit &amp; Blow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Guess the computer&apos;s four-digit number before it guesses yours.</source>
        <translation>Devinez le nombre à quatre chiffres de l’ordinateur avant qu’il ne devine le vôtre.</translation>
    </message>
    <message>
        <source>Copyright © the Hit &amp; Blow developers.</source>
        <translation>Copyright © les développeurs de Hit &amp; Blow.</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Ce programme est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
</context>
<context>
    <name>HitBlow</name>
    <message>
        <source>Your answer is against the rule</source>
        <translation>Votre proposition enfreint la règle</translation>
    </message>
    <message>
        <source>Your decision is wrong</source>
        <translation>Votre décompte est faux</translation>
    </message>
    <message>
        <source>© 2026 Hit &amp; Blow developers. Free software under the GPL-3.0-or-later.</source>
        <translation>© 2026 les développeurs de Hit &amp; Blow. Logiciel libre sous GPL-3.0-or-later.</translation>
    </message>
    <message>
        <source>Chose Your Numbers</source>
        <translation>Choisissez votre nombre</translation>
    </message>
    <message>
        <source>It&apos;s Mac&apos;s Turn</source>
        <translation>Au tour de Mac</translation>
    </message>
    <message>
        <source>Check Hit &amp; Blow</source>
        <translation>Comptez les hits et blows</translation>
    </message>
    <message>
        <source>It&apos;s Your Last Chance</source>
        <translation>Votre dernière chance</translation>
    </message>
    <message>
        <source>It&apos;s Your Turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>Result is...</source>
        <translation>Résultat…</translation>
    </message>
    <message>
        <source>The Rest Candidates Count</source>
        <translation>Candidats restants</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Match nul</translation>
    </message>
</context>
<context>
    <name>HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>You and Mac each hide a number of four different digits.</source>
        <translation>Mac et vous cachez chacun un nombre de quatre chiffres différents.</translation>
    </message>
    <message>
        <source>Start a new game and choose your number by clicking four pieces, or by typing four digits.</source>
        <translation>Lancez une nouvelle partie et choisissez votre nombre en cliquant sur quatre pions ou en tapant quatre chiffres.</translation>
    </message>
    <message>
        <source>Mac guesses first. Score its guess: type the hits (right digit in the right place) and the blows (right digit in the wrong place), then press Return or click OK.</source>
        <translation>Mac propose en premier. Évaluez sa proposition : tapez le nombre de hits (bon chiffre à la bonne place) et de blows (bon chiffre à la mauvaise place), puis appuyez sur Entrée ou cliquez sur OK.</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>Tapez ensuite votre proposition pour le nombre de Mac et appuyez sur Entrée. Le plateau affiche ses hits et ses blows.</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>Le premier à marquer quatre hits gagne. Si Mac trouve votre nombre en premier, il vous reste la dernière proposition de ce tour : quatre hits font alors match nul. Seize propositions sans vainqueur font aussi match nul.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 à 9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>choisir votre nombre ; taper hits, blows et propositions</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>move the typing position</source>
        <translation>déplacer la position de saisie</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Retour arrière, Suppr</translation>
    </message>
    <message>
        <source>erase the digit at the typing position</source>
        <translation>effacer le chiffre à la position de saisie</translation>
    </message>
    <message>
        <source>Return, Enter</source>
        <translation>Entrée, Entrée du pavé num.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <source>preferences</source>
        <translation>préférences</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About Hit &amp;&amp; Blow</source>
        <translation>À &amp;propos de Hit &amp;&amp; Blow</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Strength of Mac:</source>
        <translation>&amp;Force de Mac :</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Mac&apos;s remaining candidates</source>
        <translation>Candidats restants de Mac</translation>
    </message>
    <message>
        <source>&amp;Hide the count</source>
        <translation>&amp;Masquer le nombre</translation>
    </message>
    <message>
        <source>Sho&amp;w the count</source>
        <translation>Affic&amp;her le nombre</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Désactivés</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>Ac&amp;tivés</translation>
    </message>
    <message>
        <source>Hits and blows of Mac&apos;s guesses</source>
        <translation>Hits et blows des propositions de Mac</translation>
    </message>
    <message>
        <source>Che&amp;ck the counts I type</source>
        <translation>&amp;Vérifier les décomptes que je tape</translation>
    </message>
    <message>
        <source>Count them &amp;automatically</source>
        <translation>Les compter &amp;automatiquement</translation>
    </message>
    <message>
        <source>&amp;Rhythm:</source>
        <translation>&amp;Rythme :</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
