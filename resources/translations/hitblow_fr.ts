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
        <translation>Ce programme est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>New match. Choose your number: four different digits.</source>
        <translation>Nouvelle partie. Choisissez votre nombre&#xa0;: quatre chiffres différents.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a score as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: type its hits, then its blows.</source>
        <translation>Tour %1. Mac propose %2&#xa0;: tapez ses hits, puis ses blows.</translation>
    </message>
    <message>
        <source>Your turn: type your guess, four different digits.</source>
        <translation>À vous de jouer&#xa0;: tapez votre proposition, quatre chiffres différents.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.</source>
        <translation>Tour %1. Mac propose %2&#xa0;: son score est déjà tapé, %3&#xa0;; Entrée le confirme.</translation>
    </message>
    <message>
        <source>Daily puzzle #%1.</source>
        <translation>Défi quotidien nº %1.</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message numerus="yes">
        <source>%n hit</source>
        <translation>
            <numerusform>%n hit</numerusform>
            <numerusform>%n hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n hit</numerusform>
            <numerusform>%n hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blow</source>
        <translation>
            <numerusform>%n blow</numerusform>
            <numerusform>%n blows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blows</source>
        <translation>
            <numerusform>%n blow</numerusform>
            <numerusform>%n blows</numerusform>
        </translation>
    </message>
    <message>
        <source>Your number: %1</source>
        <translation>Votre nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mac guesses %1.</source>
        <translation>Mac propose %1.</translation>
    </message>
    <message>
        <source>Hits and blows typed: %1; typing position %2 of 2</source>
        <translation>Hits et blows tapés&#xa0;: %1&#xa0;; position de saisie %2 sur 2</translation>
    </message>
    <message>
        <source>Your guess: %1; typing position %2 of 4</source>
        <translation>Votre proposition&#xa0;: %1&#xa0;; position de saisie %2 sur 4</translation>
    </message>
    <message>
        <source>Mac&apos;s guess %1: you scored %2, %3</source>
        <translation>Proposition de Mac %1&#xa0;: vous avez compté %2, %3</translation>
    </message>
    <message>
        <source>Your guess %1: %2, %3</source>
        <translation>Votre proposition %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses: none yet</source>
        <translation>Propositions de Mac&#xa0;: aucune pour l’instant</translation>
    </message>
    <message>
        <source>Your guesses: none yet</source>
        <translation>Vos propositions&#xa0;: aucune pour l’instant</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses:</source>
        <translation>Propositions de Mac&#xa0;:</translation>
    </message>
    <message>
        <source>Your guesses:</source>
        <translation>Vos propositions&#xa0;:</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4</source>
        <translation>%1. %2&#xa0;: %3, %4</translation>
    </message>
    <message>
        <source>%1. Mac&apos;s number was %2.</source>
        <translation>%1. Le nombre de Mac était %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the result as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Hits&#xa0;: %1</translation>
    </message>
    <message>
        <source>Blows: %1</source>
        <translation>Blows&#xa0;: %1</translation>
    </message>
    <message>
        <source>Position %1 of 4: %2</source>
        <translation>Position %1 sur 4&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. The puzzle&apos;s secret was %2.</source>
        <translation>%1. Le secret du défi était %2.</translation>
    </message>
</context>
<context>
    <name>DuelCurtain</name>
    <message>
        <source>Pass to %1</source>
        <translation>Passez à %1</translation>
    </message>
    <message>
        <source>%1: press any key or click here to go on.</source>
        <translation>%1&#xa0;: appuyez sur une touche ou cliquez ici pour continuer.</translation>
    </message>
</context>
<context>
    <name>DuelNumberEntry</name>
    <message>
        <source>Number typed</source>
        <translation>Nombre saisi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type four different digits.</source>
        <translation>Tapez quatre chiffres différents.</translation>
    </message>
</context>
<context>
    <name>DuelWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>Duel</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Nombre de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 hid %2</source>
        <translation>%1 a caché %2</translation>
    </message>
    <message>
        <source>%1.  %2   %3, %4</source>
        <translation>%1.  %2   %3, %4</translation>
    </message>
    <message>
        <source>Waiting for the duel to start…</source>
        <translation>En attente du début du duel…</translation>
    </message>
    <message>
        <source>%1, your guess</source>
        <translation>%1, votre proposition</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>En attente de %1…</translation>
    </message>
    <message>
        <source>Give Up the Duel</source>
        <translation>Abandonner le duel</translation>
    </message>
    <message>
        <source>Give up the duel? It ends here, given up by %1.</source>
        <translation>Abandonner le duel&#xa0;? Il s&apos;arrête ici, abandonné par %1.</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>The scores of %1 were false</source>
        <translation>Les décomptes de %1 étaient faux</translation>
    </message>
    <message>
        <source>%1 left the duel</source>
        <translation>%1 a quitté le duel</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1&#xa0;: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>GameBoardView</name>
    <message>
        <source>A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.</source>
        <translation>Une proposition compte quatre chiffres différents&#xa0;; %1 répète %2. Un chiffre non tapé compte pour 0.</translation>
    </message>
    <message>
        <source>You typed hits: %1, blows: %2, for Mac&apos;s guess %3. Your number is %4.</source>
        <translation>Vous avez tapé hits&#xa0;: %1, blows&#xa0;: %2, pour la proposition de Mac %3. Votre nombre est %4.</translation>
    </message>
    <message>
        <source>Hits: the right digit in the right place</source>
        <translation>Hits : bon chiffre à la bonne place</translation>
    </message>
    <message>
        <source>Blows: the right digit in the wrong place</source>
        <translation>Blows : bon chiffre à la mauvaise place</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses at your number, with their hits and blows</source>
        <translation>Les propositions de Mac pour votre nombre, avec leurs hits et blows</translation>
    </message>
    <message>
        <source>Your guesses at Mac&apos;s number, with their hits and blows</source>
        <translation>Vos propositions pour le nombre de Mac, avec leurs hits et blows</translation>
    </message>
    <message>
        <source>Mac&apos;s number, face down until the match is decided</source>
        <translation>Le nombre de Mac, caché jusqu’à la fin de la partie</translation>
    </message>
    <message>
        <source>Your number: click a chosen piece, or press Backspace, to take it back</source>
        <translation>Votre nombre : cliquez sur une pièce choisie, ou appuyez sur Retour arrière, pour la reprendre</translation>
    </message>
    <message>
        <source>Your number, which Mac is guessing</source>
        <translation>Votre nombre, que Mac cherche à deviner</translation>
    </message>
    <message>
        <source>How many numbers Mac still considers for yours</source>
        <translation>Combien de nombres Mac envisage encore pour le vôtre</translation>
    </message>
    <message>
        <source>Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have scored hits: %5, blows: %6.</source>
        <translation>Mode difficile&#xa0;: %1 a obtenu hits&#xa0;: %2, blows&#xa0;: %3, mais si le nombre était %4 il aurait obtenu hits&#xa0;: %5, blows&#xa0;: %6.</translation>
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
    <message>
        <source>Practice #%1</source>
        <translation>Entraînement nº %1</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Quotidien nº %1</translation>
    </message>
    <message>
        <source>Your guess does not fit the scores so far</source>
        <translation>Votre essai ne correspond pas aux scores précédents</translation>
    </message>
</context>
<context>
    <name>HotSeatSetup</name>
    <message>
        <source>Duel at This Computer</source>
        <translation>Duel sur cet ordinateur</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Player &amp;%1:</source>
        <translation>Joueur &amp;%1&#xa0;:</translation>
    </message>
    <message>
        <source>Player 1 guesses first in each round; Player 2 has the last guess.</source>
        <translation>Le joueur 1 propose en premier à chaque tour ; le joueur 2 a la dernière proposition.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>%1, hide your number: four different digits. %2, please look away.</source>
        <translation>%1, cachez votre nombre&#xa0;: quatre chiffres différents. %2, veuillez regarder ailleurs.</translation>
    </message>
    <message>
        <source>%1 has hidden a number.</source>
        <translation>%1 a caché un nombre.</translation>
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
        <translation>Mac propose en premier. Évaluez sa proposition&#xa0;: tapez le nombre de hits (bon chiffre à la bonne place) et de blows (bon chiffre à la mauvaise place), puis appuyez sur Entrée ou cliquez sur OK.</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>Tapez ensuite votre proposition pour le nombre de Mac et appuyez sur Entrée. Le plateau affiche ses hits et ses blows.</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>Le premier à marquer quatre hits gagne. Si Mac trouve votre nombre en premier, il vous reste la dernière proposition de ce tour&#xa0;: quatre hits font alors match nul. Seize propositions sans vainqueur font aussi match nul.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 à 9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>choisir votre nombre&#xa0;; taper hits, blows et propositions</translation>
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
    <message>
        <source>To play with the mouse alone, show the number pad with View &gt; Number Pad: its buttons act as the keys below.</source>
        <translation>Pour jouer uniquement à la souris, affichez le pavé numérique avec Affichage &gt; Pavé numérique&#xa0;: ses boutons ont le même effet que les touches ci-dessous.</translation>
    </message>
    <message>
        <source>The bar under the board shows the round. With &quot;Show my remaining possibilities&quot; in the preferences it also counts the numbers Mac&apos;s number can still be, judged from your own guesses and their scores alone.</source>
        <translation>La barre sous le plateau indique le tour. Avec «&#xa0;Afficher mes possibilités restantes&#xa0;» dans les préférences, elle indique aussi combien de nombres peuvent encore être celui de Mac, d’après vos seules propositions et leurs résultats.</translation>
    </message>
    <message>
        <source>Game &gt; Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned matches, your winning streaks, a chart of the guesses that decided each match and your latest matches.</source>
        <translation>Jeu &gt; Statistiques affiche, pour chaque force de Mac, vos victoires, défaites, matchs nuls et parties abandonnées, vos séries de victoires, un graphique du nombre de propositions qui a décidé chaque partie et vos dernières parties.</translation>
    </message>
    <message>
        <source>New Game during a match asks first; a match you give up counts as abandoned. Once a match is over, Play Again in the bar starts the next one.</source>
        <translation>Pendant une partie, Nouvelle partie demande d’abord confirmation&#xa0;; une partie que vous quittez compte comme abandonnée. Une fois la partie terminée, Rejouer dans la barre lance la suivante.</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>indice</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <source>show or hide the number pad</source>
        <translation>afficher ou masquer le pavé numérique</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>Aide pendant la partie</translation>
    </message>
    <message>
        <source>Game &gt; Hint types the guess Mac would play at Expert strength after your own guesses and their scores. Send it with Return or change it first. The statistics mark a match in which you took a hint.</source>
        <translation>Jeu &gt; Indice saisit pour vous la proposition que Mac jouerait en force Expert d’après vos propres propositions et leurs résultats. Envoyez-la avec Entrée ou modifiez-la d’abord. Les statistiques marquent une partie où vous avez pris un indice.</translation>
    </message>
    <message>
        <source>resume the unfinished match</source>
        <translation>reprendre la partie inachevée</translation>
    </message>
    <message>
        <source>Mac&apos;s pieces lie face down at the top of the board, red; yours stand face up at the bottom, white. The small red card heads Mac&apos;s guesses on the left, the white card yours on the right.</source>
        <translation>Les pièces de Mac sont posées face cachée en haut du plateau, rouges ; les vôtres sont face visible en bas, blanches. La petite carte rouge surmonte les propositions de Mac à gauche, la blanche les vôtres à droite.</translation>
    </message>
    <message>
        <source>A filled dot marks the hits (right digit in the right place), a ring the blows (right digit in the wrong place): above each list of guesses and above the two count boxes.</source>
        <translation>Un point plein désigne les hits (bon chiffre à la bonne place), un anneau les blows (bon chiffre à la mauvaise place) : au-dessus de chaque liste de propositions et des deux cases de décompte.</translation>
    </message>
    <message>
        <source>While you choose your number, Backspace or Delete takes back the last piece chosen, and a click on a chosen piece takes back that one.</source>
        <translation>Pendant le choix de votre nombre, Retour arrière ou Suppr reprend la dernière pièce choisie, et un clic sur une pièce choisie reprend celle-ci.</translation>
    </message>
    <message>
        <source>erase the digit at the typing position; while choosing your number, take back the last piece chosen</source>
        <translation>effacer le chiffre à la position de saisie ; pendant le choix de votre nombre, reprendre la dernière pièce choisie</translation>
    </message>
    <message>
        <source>show or hide the notepad</source>
        <translation>afficher ou masquer le bloc-notes</translation>
    </message>
    <message>
        <source>how to play</source>
        <translation>règles du jeu</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Le plateau</translation>
    </message>
    <message>
        <source>Once a match is decided, Review in the bar, Game &gt; Review Last Match or a double-click on a match in the statistics shows each of your guesses: how many numbers Mac&apos;s number could be before it and after its score, the guesses you could expect to need from there counting it, the Expert&apos;s guess from the same position with its own expected number, a verdict, and your skill and luck.</source>
        <translation>Une fois une partie décidée, Analyse dans la barre, Jeu &gt; Analyser la dernière partie ou un double-clic sur une partie dans les statistiques montre chacune de vos propositions : combien de nombres celui de Mac pouvait être avant lui et après son score, le nombre de propositions attendu pour finir à partir de là en le comptant, la proposition de l&apos;Expert depuis la même position avec son propre nombre attendu, un verdict, ainsi que votre habileté et votre chance.</translation>
    </message>
    <message>
        <source>Best play is exact while at most 64 numbers are possible, and the Expert&apos;s guess above that. Skill is 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points. Luck compares the numbers your score left with those the other scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of the guesses&apos; skill, luck the mean luck of the guesses whose scores could have left different numbers.</source>
        <translation>Le meilleur jeu est l&apos;optimum exact tant qu&apos;au plus 64 nombres sont possibles, et la proposition de l&apos;Expert au-delà. L&apos;habileté vaut 99 quand votre proposition ne demande pas plus de propositions en moyenne que le meilleur jeu ; chaque proposition perdue en moyenne coûte 99 points. La chance compare les nombres que votre score a laissés à ceux que les autres scores auraient pu laisser : 99 pour le moins, 0 pour le plus. Pour la partie, l&apos;habileté est la moyenne de celle des propositions, la chance la moyenne de celle des propositions dont les scores pouvaient laisser des nombres différents.</translation>
    </message>
    <message>
        <source>Copy Result puts your result on the clipboard without giving your numbers away: one line per guess, a filled dot for each hit, a ring for each blow, a middle dot for neither.</source>
        <translation>Copier le résultat met votre résultat dans le presse-papiers sans dévoiler vos nombres : une ligne par proposition, un point plein par hit, un cercle par blow, un point médian pour aucun.</translation>
    </message>
    <message>
        <source>review the last match</source>
        <translation>analyser la dernière partie</translation>
    </message>
    <message>
        <source>Reviewing a match</source>
        <translation>Analyser une partie</translation>
    </message>
    <message>
        <source>View &gt; Notepad opens a page for your deductions beside the board: a click on a cell marks the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a click on a digit crosses it out of the number. On the page, the arrow keys move, Space marks, X crosses out the row&apos;s digit, Esc goes back to the board and digits go to your guess.</source>
        <translation>Affichage &gt; Bloc-notes ouvre à côté du plateau une page pour vos déductions&#xa0;: un clic sur une case marque le chiffre ✗ (pas à cette place), un deuxième ● (à cette place), un troisième l’efface&#xa0;; un clic sur un chiffre le raye du nombre. Sur la page, les flèches déplacent, Espace marque, X raye le chiffre de la ligne, Échap revient au plateau et les chiffres vont dans votre proposition.</translation>
    </message>
    <message>
        <source>A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume Match in the bar goes on with it at the turn it was in. Two games each keep their own, and Resume Match lists them when several wait.</source>
        <translation>Une partie laissée inachevée, en quittant le jeu ou autrement, est conservée&#xa0;: au prochain lancement, Reprendre la partie dans la barre la poursuit au tour où elle en était. Deux jeux gardent chacun la leur, et Reprendre la partie les liste quand plusieurs attendent.</translation>
    </message>
    <message>
        <source>duel: two players at this computer</source>
        <translation>duel&#xa0;: deux joueurs sur cet ordinateur</translation>
    </message>
    <message>
        <source>duel across the network</source>
        <translation>duel par le réseau</translation>
    </message>
</context>
<context>
    <name>KeptMatchChooser</name>
    <message>
        <source>Resume Match</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>&amp;Unfinished matches, the newest first:</source>
        <translation>Parties &amp;inachevées, la plus récente en premier&#xa0;:</translation>
    </message>
    <message>
        <source>Unfinished matches</source>
        <translation>Parties inachevées</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>%1 · guess %2 · %3</source>
        <translation>%1 · proposition %2 · %3</translation>
    </message>
    <message>
        <source>%1 · round %2 · %3</source>
        <translation>%1 · tour %2 · %3</translation>
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
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <source>Number &amp;Pad</source>
        <translation>&amp;Pavé numérique</translation>
    </message>
    <message>
        <source>&amp;Resume Match</source>
        <translation>&amp;Reprendre la partie</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>&amp;Bloc-notes</translation>
    </message>
    <message>
        <source>Re&amp;view Last Match…</source>
        <translation>Analyser la &amp;dernière partie…</translation>
    </message>
    <message>
        <source>Statistics Lost</source>
        <translation>Statistiques perdues</translation>
    </message>
    <message>
        <source>&amp;Daily Puzzle</source>
        <translation>Défi &amp;quotidien</translation>
    </message>
    <message>
        <source>Pr&amp;actice Puzzle…</source>
        <translation>Défi d&apos;entr&amp;aînement…</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <translation>&amp;Copier le résultat du jour</translation>
    </message>
    <message>
        <source>D&amp;uel…</source>
        <translation>D&amp;uel…</translation>
    </message>
    <message>
        <source>Duel Across the Ne&amp;twork…</source>
        <translation>Duel par le rése&amp;au…</translation>
    </message>
</context>
<context>
    <name>MatchAssistant</name>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Abandon the current match?</source>
        <translation>Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>It will count as abandoned in the statistics.</source>
        <translation>Elle comptera comme abandonnée dans les statistiques.</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Abandon the unfinished match?</source>
        <translation>Abandonner la partie inachevée&#xa0;?</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>The hint is for your own guesses: ask again on your turn.</source>
        <translation>L’indice porte sur vos propres essais&#xa0;: redemandez-le à votre tour.</translation>
    </message>
    <message>
        <source>The daily puzzles begin on %1.</source>
        <translation>Les défis quotidiens commencent le %1.</translation>
    </message>
    <message>
        <source>Today&apos;s puzzle is played: %1 copies its result.</source>
        <translation>Le défi du jour est joué&#xa0;: %1 copie son résultat.</translation>
    </message>
    <message>
        <source>There is no earlier puzzle to practise yet.</source>
        <translation>Il n&apos;y a pas encore de défi antérieur pour s&apos;entraîner.</translation>
    </message>
    <message>
        <source>Practice Puzzle</source>
        <translation>Défi d&apos;entraînement</translation>
    </message>
    <message>
        <source>An earlier puzzle to play for practice, 1 to %1. It never counts in the daily streak.</source>
        <translation>Un défi antérieur pour s&apos;entraîner, de 1 à %1. Il ne compte jamais dans la série quotidienne.</translation>
    </message>
    <message>
        <source>Only a daily puzzle that has ended has a result to copy.</source>
        <translation>Seul un défi quotidien terminé a un résultat à copier.</translation>
    </message>
    <message>
        <source>The result of puzzle #%1 is copied, without its digits.</source>
        <translation>Le résultat du défi nº %1 est copié, sans ses chiffres.</translation>
    </message>
    <message>
        <source>That match could not be taken up: another game went on with it, or the statistics are busy.</source>
        <translation>Cette partie n&apos;a pas pu être reprise&#xa0;: un autre jeu l&apos;a poursuivie, ou les statistiques sont occupées.</translation>
    </message>
</context>
<context>
    <name>MatchNotes</name>
    <message>
        <source>Mac found %1 at its first guess</source>
        <translation>Mac a trouvé %1 du premier coup</translation>
    </message>
    <message>
        <source>Mac found %1 in %2 guesses</source>
        <translation>Mac a trouvé %1 en %2 coups</translation>
    </message>
    <message>
        <source>You found %1 at your first guess</source>
        <translation>Vous avez trouvé %1 du premier coup</translation>
    </message>
    <message>
        <source>You found %1 in %2 guesses</source>
        <translation>Vous avez trouvé %1 en %2 coups</translation>
    </message>
    <message>
        <source>Both numbers found in round %1</source>
        <translation>Les deux nombres trouvés au tour %1</translation>
    </message>
    <message>
        <source>Neither number found in %1 guesses</source>
        <translation>Aucun nombre trouvé en %1 coups</translation>
    </message>
    <message>
        <source>You already tried %1.</source>
        <translation>Vous avez déjà essayé %1.</translation>
    </message>
    <message>
        <source>%1 could not be Mac&apos;s number: it does not fit your earlier scores.</source>
        <translation>%1 ne pouvait pas être le nombre de Mac : il ne correspond pas à vos résultats précédents.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be Mac&apos;s number, but splits the rest best.</source>
        <translation>%1 ne peut pas être le nombre de Mac, mais partage au mieux les autres.</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Tour %1 sur %2</translation>
    </message>
    <message>
        <source>Possibilities for Mac&apos;s number: %1</source>
        <translation>Nombres possibles pour Mac&#xa0;: %1</translation>
    </message>
    <message>
        <source>Resume Match</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>Game &gt; New Game (%1) starts a match</source>
        <translation>Jeu &gt; Nouvelle partie (%1) lance une partie</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Press Return or click the board to start a match</source>
        <translation>Appuyez sur Entrée ou cliquez sur le plateau pour lancer une partie</translation>
    </message>
    <message>
        <source>Your unfinished match waits: Game &gt; Resume Match (%1)</source>
        <translation>Votre partie inachevée vous attend&#xa0;: Jeu &gt; Reprendre la partie (%1)</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message numerus="yes">
        <source>%1 solved in %n guess(es).</source>
        <translation>
            <numerusform>%1 résolu en %n essai.</numerusform>
            <numerusform>%1 résolu en %n essais.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not solved: the number was %2.</source>
        <translation>%1 non résolu&#xa0;: le nombre était %2.</translation>
    </message>
    <message>
        <source>Guess %1 of %2</source>
        <translation>Essai %1 sur %2</translation>
    </message>
    <message>
        <source>Secrets still possible: %1</source>
        <translation>Nombres encore possibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 unfinished matches wait: Game &gt; Resume Match (%2)</source>
        <translation>%1 parties inachevées vous attendent&#xa0;: Jeu &gt; Reprendre la partie (%2)</translation>
    </message>
</context>
<context>
    <name>NetworkDuel</name>
    <message>
        <source>You left the duel.</source>
        <translation>Vous avez quitté le duel.</translation>
    </message>
</context>
<context>
    <name>NetworkDuelDialog</name>
    <message>
        <source>Duel Across the Network</source>
        <translation>Duel par le réseau</translation>
    </message>
</context>
<context>
    <name>NetworkDuelPanel</name>
    <message>
        <source>Duel across the network</source>
        <translation>Duel par le réseau</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Your hidden number</source>
        <translation>Votre nombre caché</translation>
    </message>
    <message>
        <source>Four different digits; left empty, a random number is hidden for you.</source>
        <translation>Quatre chiffres différents ; laissé vide, un nombre au hasard est caché pour vous.</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your hidden n&amp;umber:</source>
        <translation>Votre nombre &amp;caché&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Host a duel</source>
        <translation>&amp;Héberger un duel</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>Games found on the network</source>
        <translation>Parties trouvées sur le réseau</translation>
    </message>
    <message>
        <source>192.168.1.5:47615</source>
        <translation>192.168.1.5:47615</translation>
    </message>
    <message>
        <source>Host&apos;s address and port</source>
        <translation>Adresse et port de l&apos;hôte</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>&amp;Games found:</source>
        <translation>&amp;Parties trouvées&#xa0;:</translation>
    </message>
    <message>
        <source>Or an &amp;address:</source>
        <translation>Ou une &amp;adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed (%1); type the host&apos;s address.</source>
        <translation>Les parties du réseau ne peuvent pas être listées (%1) ; tapez l&apos;adresse de l&apos;hôte.</translation>
    </message>
    <message>
        <source>Your hidden number must be four different digits, or left empty for a random one.</source>
        <translation>Votre nombre caché doit compter quatre chiffres différents, ou rester vide pour un nombre au hasard.</translation>
    </message>
    <message>
        <source>You stopped hosting.</source>
        <translation>Vous n&apos;hébergez plus.</translation>
    </message>
    <message>
        <source>You cannot host here: %1</source>
        <translation>Vous ne pouvez pas héberger ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>A player joined; tossing a coin for who guesses first…</source>
        <translation>Un joueur a rejoint ; pile ou face pour savoir qui propose en premier…</translation>
    </message>
    <message>
        <source>Stop &amp;hosting</source>
        <translation>Arrêter d&apos;&amp;héberger</translation>
    </message>
    <message>
        <source>Waiting for a player… port %1
Tell the other player: %2</source>
        <translation>En attente d&apos;un joueur… port %1
Indiquez à l&apos;autre joueur&#xa0;: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as in 192.168.1.5:47615.</source>
        <translation>Tapez l&apos;adresse et le port de l&apos;hôte, par exemple 192.168.1.5:47615.</translation>
    </message>
    <message>
        <source>Choose a game found on the network, or type the host&apos;s address and port.</source>
        <translation>Choisissez une partie trouvée sur le réseau, ou tapez l&apos;adresse et le port de l&apos;hôte.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Connexion à %1:%2…</translation>
    </message>
    <message>
        <source>The duel with %1 has begun.</source>
        <translation>Le duel avec %1 a commencé.</translation>
    </message>
    <message>
        <source>The duel could not begin: %1</source>
        <translation>Le duel n&apos;a pas pu commencer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Aucune partie trouvée pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>NotepadDock</name>
    <message>
        <source>Notepad shown</source>
        <translation>Bloc-notes affiché</translation>
    </message>
    <message>
        <source>Notepad hidden</source>
        <translation>Bloc-notes masqué</translation>
    </message>
</context>
<context>
    <name>NotepadPanel</name>
    <message>
        <source>Notepad</source>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Your notes on Mac&apos;s number: click a cell for ✗ (not here), again for ● (here), again to clear it; click a digit when it is not in the number.</source>
        <translation>Vos notes sur le nombre de Mac : un clic sur une case met ✗ (pas ici), un autre ● (ici), un autre l’efface ; cliquez sur un chiffre absent du nombre.</translation>
    </message>
    <message>
        <source>Place %1 of Mac&apos;s number, from the left</source>
        <translation>Position %1 du nombre de Mac, en partant de la gauche</translation>
    </message>
    <message>
        <source>%1: not in the number</source>
        <translation>%1 : absent du nombre</translation>
    </message>
    <message>
        <source>%1: may be in the number</source>
        <translation>%1 : peut-être dans le nombre</translation>
    </message>
    <message>
        <source>here</source>
        <translation>ici</translation>
    </message>
    <message>
        <source>not here</source>
        <translation>pas ici</translation>
    </message>
    <message>
        <source>no mark</source>
        <translation>aucune marque</translation>
    </message>
    <message>
        <source>%1 in place %2: %3</source>
        <translation>%1 en position %2 : %3</translation>
    </message>
    <message>
        <source>✗ not here, ● here; a crossed-out digit is not in the number. Space marks a cell, X crosses out its digit, Esc goes back to the board; digits go to your guess.</source>
        <translation>✗ pas ici, ● ici&#xa0;; un chiffre rayé n’est pas dans le nombre. Espace marque une case, X raye son chiffre, Échap revient au plateau&#xa0;; les chiffres vont dans votre proposition.</translation>
    </message>
</context>
<context>
    <name>NumberPad</name>
    <message>
        <source>Number pad</source>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Same as the %1 key</source>
        <translation>Comme la touche %1</translation>
    </message>
</context>
<context>
    <name>NumberPadPanel</name>
    <message>
        <source>Number pad shown</source>
        <translation>Pavé numérique affiché</translation>
    </message>
    <message>
        <source>Number pad hidden</source>
        <translation>Pavé numérique masqué</translation>
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
        <translation>&amp;Force de Mac&#xa0;:</translation>
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
        <source>&amp;Rhythm:</source>
        <translation>&amp;Rythme&#xa0;:</translation>
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
    <message>
        <source>Help during a match</source>
        <translation>Aide pendant la partie</translation>
    </message>
    <message>
        <source>Show my remaining &amp;possibilities</source>
        <translation>Afficher mes &amp;possibilités restantes</translation>
    </message>
    <message>
        <source>As&amp;k before abandoning a match</source>
        <translation>&amp;Confirmer avant d’abandonner une partie</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Fill in the true counts &amp;automatically</source>
        <translation>Saisir &amp;automatiquement les bons décomptes</translation>
    </message>
    <message>
        <source>Every guess must fit all the scores so far</source>
        <translation>Chaque essai doit correspondre à tous les scores précédents</translation>
    </message>
    <message>
        <source>Har&amp;d mode: every guess fits the scores so far</source>
        <translation>Mo&amp;de difficile&#xa0;: chaque essai correspond aux scores précédents</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a symbolic link to nothing</source>
        <translation>un lien symbolique vers rien</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>une FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>won in %1</source>
        <translation>gagné en %1</translation>
    </message>
    <message>
        <source>lost after %1</source>
        <translation>perdu après %1</translation>
    </message>
    <message>
        <source>draw after %1</source>
        <translation>nul après %1</translation>
    </message>
    <message>
        <source>abandoned after %1</source>
        <translation>abandonné après %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Proposition</translation>
    </message>
    <message>
        <source>Hits / Blows</source>
        <translation>Hits / Blows</translation>
    </message>
    <message>
        <source>Possibilities</source>
        <translation>Possibilités</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Expert&apos;s guess</source>
        <translation>Proposition de l&apos;Expert</translation>
    </message>
    <message>
        <source>Its expected</source>
        <translation>Son attendu</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habileté</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copier le résultat</translation>
    </message>
    <message>
        <source>Reviewing guess %1 of %2…</source>
        <translation>Analyse de la proposition %1 sur %2…</translation>
    </message>
    <message>
        <source>This match cannot be reviewed: its guesses and scores do not fit together.</source>
        <translation>Cette partie ne peut pas être analysée : ses propositions et leurs scores ne concordent pas.</translation>
    </message>
    <message>
        <source>The match: skill %1, luck %2</source>
        <translation>La partie : habileté %1, chance %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleur</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bon</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>coûteux</translation>
    </message>
    <message>
        <source>told nothing new</source>
        <translation>rien appris de nouveau</translation>
    </message>
    <message>
        <source>could not be the secret; one that could would have done as well</source>
        <translation>ne pouvait pas être le secret ; un nombre possible aurait fait aussi bien</translation>
    </message>
    <message>
        <source>skill %1</source>
        <translation>habileté %1</translation>
    </message>
    <message>
        <source>luck %1</source>
        <translation>chance %1</translation>
    </message>
    <message>
        <source>Possibilities left after each guess</source>
        <translation>Possibilités restantes après chaque proposition</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Les vôtres</translation>
    </message>
    <message>
        <source>Expert&apos;s guess, on average</source>
        <translation>Proposition de l&apos;Expert, en moyenne</translation>
    </message>
    <message>
        <source>Mac&apos;s number: %1</source>
        <translation>Nombre de Mac&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores. It is not Mac&apos;s play.</source>
        <translation>La proposition de l’Expert est celle que le meilleur jeu fait depuis votre propre position&#xa0;: après vos propositions précédentes et leurs scores. Ce n’est pas le jeu de Mac.</translation>
    </message>
    <message>
        <source>Your guess; &quot;(hint)&quot; marks one the hint gave.</source>
        <translation>Votre proposition&#xa0;; «&#xa0;(indice)&#xa0;» marque celle que l’indice a donnée.</translation>
    </message>
    <message>
        <source>Its score: hits (right digit in the right place) and blows (right digit in the wrong place).</source>
        <translation>Son score&#xa0;: hits (bon chiffre à la bonne place) et blows (bon chiffre à la mauvaise place).</translation>
    </message>
    <message>
        <source>How many numbers Mac&apos;s number could be before this guess and after its score.</source>
        <translation>Combien de nombres le nombre de Mac pouvait être avant cette proposition et après son score.</translation>
    </message>
    <message>
        <source>E: the guesses you could expect to need from here, counting this one, playing best after it.</source>
        <translation>E&#xa0;: les propositions que vous pouviez attendre d’ici, celle-ci comprise, en jouant au mieux ensuite.</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess from your own position, after your earlier guesses and their scores.</source>
        <translation>La proposition de l’Expert depuis votre propre position, après vos propositions précédentes et leurs scores.</translation>
    </message>
    <message>
        <source>Best: the guesses to expect from here with the Expert&apos;s guess, counting it.</source>
        <translation>Meilleur&#xa0;: les propositions à attendre d’ici avec celle de l’Expert, elle comprise.</translation>
    </message>
    <message>
        <source>What your guess was worth beside best play.</source>
        <translation>Ce que valait votre proposition à côté du meilleur jeu.</translation>
    </message>
    <message>
        <source>Skill: 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points.</source>
        <translation>Habileté&#xa0;: 99 quand votre proposition ne demande pas plus de propositions en moyenne que le meilleur jeu&#xa0;; chaque proposition perdue en moyenne coûte 99 points.</translation>
    </message>
    <message>
        <source>Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; &quot;–&quot; when every score would have left as many, so luck played no part.</source>
        <translation>Chance&#xa0;: 99 quand votre score a laissé le moins de nombres que les scores pouvaient laisser, 0 le plus&#xa0;; «&#xa0;–&#xa0;» quand chaque score en aurait laissé autant, la chance n’a donc joué aucun rôle.</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses</source>
        <translation>Propositions de Mac</translation>
    </message>
    <message>
        <source>(hint)</source>
        <translation>(indice)</translation>
    </message>
    <message>
        <source>hints taken: %1</source>
        <translation>indices pris&#xa0;: %1</translation>
    </message>
    <message>
        <source>hint taken</source>
        <translation>indice pris</translation>
    </message>
    <message>
        <source>The result is on the clipboard, without your numbers.</source>
        <translation>Le résultat est dans le presse-papiers, sans vos nombres.</translation>
    </message>
    <message>
        <source>Verdict on %1: %2</source>
        <translation>Verdict sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Secret: %1</source>
        <translation>Secret&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1&apos;s scores were false</source>
        <translation>Les décomptes de %1 étaient faux</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Nombre de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1&apos;s guesses</source>
        <translation>Propositions de %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores.</source>
        <translation>La proposition de l’Expert est celle que le meilleur jeu fait depuis votre propre position : après vos propositions précédentes et leurs scores.</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonné</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Average guesses in wins</source>
        <translation>Moyenne de propositions par victoire</translation>
    </message>
    <message>
        <source>Fewest guesses in a win</source>
        <translation>Minimum de propositions pour une victoire</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Série de victoires en cours</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Meilleure série de victoires</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Guesses that decided each match</source>
        <translation>Propositions ayant décidé chaque partie</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Propositions</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>The chart cannot be shown: a part of the game is missing.</source>
        <translation>Impossible d’afficher le graphique&#xa0;: un composant du jeu est manquant.</translation>
    </message>
    <message>
        <source>Latest matches</source>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>&amp;Reset…</source>
        <translation>&amp;Réinitialiser…</translation>
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
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Forget every match recorded at every strength?</source>
        <translation>Oublier toutes les parties enregistrées, à toutes les forces&#xa0;?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s caption before its value; languages differ in the colon and the space before it.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>All strengths</source>
        <translation>Tous les niveaux</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>%1 of the entries in the old statistics file could not be imported; they are kept in %2.</source>
        <translation>%1 des entrées de l’ancien fichier de statistiques n’ont pas pu être importées ; elles sont conservées dans %2.</translation>
    </message>
    <message>
        <source>The old statistics file could not be imported (%1); it is left as it is.</source>
        <translation>L’ancien fichier de statistiques n’a pas pu être importé (%1) ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exporter les statistiques</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>The statistics could not be exported: %1</source>
        <translation>Les statistiques n’ont pas pu être exportées : %1</translation>
    </message>
    <message>
        <source>Double-click or press Return to review this match</source>
        <translation>Double-cliquez ou appuyez sur Retour pour analyser cette partie</translation>
    </message>
    <message>
        <source>%1: won %2, lost %3, drawn %4, abandoned %5</source>
        <translation>%1&#xa0;: gagnées %2, perdues %3, nulles %4, abandonnées %5</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Waiting for the statistics: another program is using them…</source>
        <translation>En attente des statistiques&#xa0;: un autre programme les utilise…</translation>
    </message>
    <message numerus="yes">
        <source>%n stored match holds values this version does not know; it is left out of the figures and kept in the file.</source>
        <translation>
            <numerusform>%n partie enregistrée contient des valeurs que cette version ne connaît pas&#xa0;; elle est exclue des chiffres et gardée dans le fichier.</numerusform>
            <numerusform>%n parties enregistrées contiennent des valeurs que cette version ne connaît pas&#xa0;; elles sont exclues des chiffres et gardées dans le fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Défis quotidiens</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Quotidien nº %1</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>Entraînement nº %1</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>&amp;Parties&#xa0;:</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>Ligne %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Duel with %1 over the network</source>
        <translation>Duel avec %1 par le réseau</translation>
    </message>
    <message>
        <source>Duel with %1</source>
        <translation>Duel avec %1</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>disk full</source>
        <translation>disque plein</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>impossible d’écrire dans le dossier</translation>
    </message>
    <message>
        <source>another game keeps the statistics busy</source>
        <translation>une autre partie occupe les statistiques</translation>
    </message>
    <message>
        <source>%1 is not a statistics database; it is left as it is</source>
        <translation>%1 n’est pas une base de statistiques ; il est laissé tel quel</translation>
    </message>
    <message>
        <source>Statistics could not be saved: %1</source>
        <translation>Les statistiques n’ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>Statistics kept only until the game quits: no folder to keep them in</source>
        <translation>Statistiques gardées seulement jusqu’à la fin du jeu&#xa0;: aucun dossier où les garder</translation>
    </message>
    <message>
        <source>The old statistics file could not be read. It was kept as %1.</source>
        <translation>L’ancien fichier de statistiques n’a pas pu être lu. Il a été gardé sous %1.</translation>
    </message>
    <message>
        <source>The statistics database was damaged. It was kept as %1, and a new one was begun</source>
        <translation>La base de statistiques était endommagée. Elle a été gardée sous %1, et une nouvelle a été commencée</translation>
    </message>
    <message numerus="yes">
        <source> with the matches that could still be read (%n)</source>
        <translation>
            <numerusform> avec la partie encore lisible (%n)</numerusform>
            <numerusform> avec les parties encore lisibles (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches that could not be read: %n.</source>
        <translation>
            <numerusform>Parties illisibles&#xa0;: %n.</numerusform>
            <numerusform>Parties illisibles&#xa0;: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some matches could not be read.</source>
        <translation>Certaines parties n’ont pas pu être lues.</translation>
    </message>
    <message>
        <source>The matches waiting to be saved could not be read. They were kept as %1.</source>
        <translation>Les parties en attente d’enregistrement n’ont pas pu être lues. Elles ont été gardées sous %1.</translation>
    </message>
    <message numerus="yes">
        <source>Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).</source>
        <translation>
            <numerusform>Parties perdues&#xa0;: %n. Elles n’ont pu être enregistrées ni dans les statistiques ni dans %1 (%2).</numerusform>
            <numerusform>Parties perdues&#xa0;: %n. Elles n’ont pu être enregistrées ni dans les statistiques ni dans %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The statistics could not be read: %1</source>
        <translation>Les statistiques n’ont pas pu être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>%1 ne peut pas être lu&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; it is left as it is</source>
        <translation>%1 est la base de données d’un autre programme&#xa0;; elle est laissée telle quelle</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game; it is left as it is</source>
        <translation>%1 a été écrit par une version plus récente du jeu&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>a journal file beside %1 is not a regular file; the database is left as it is</source>
        <translation>un fichier journal à côté de %1 n&apos;est pas un fichier ordinaire ; la base de données est laissée telle quelle</translation>
    </message>
</context>
<context>
    <name>StrengthDescription</name>
    <message>
        <source>Mac only counts how many of its digits each score shares.</source>
        <translation>Mac compte seulement combien de ses chiffres chaque résultat partage.</translation>
    </message>
    <message>
        <source>Mac keeps only the numbers that give each score exactly.</source>
        <translation>Mac ne garde que les nombres qui donnent exactement chaque résultat.</translation>
    </message>
    <message>
        <source>Mac also weighs each score against its earlier ones.</source>
        <translation>Mac compare aussi chaque résultat aux précédents.</translation>
    </message>
    <message>
        <source>Mac plans every guess ahead and needs at most seven guesses.</source>
        <translation>Mac prépare chaque proposition à l’avance et trouve en sept propositions au plus.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The strength chosen, then what it does, spoken by a screen reader.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>UserDefaults</name>
    <message>
        <source>Settings not saved: no folder to keep them in</source>
        <translation>Réglages non enregistrés&#xa0;: aucun dossier où les garder</translation>
    </message>
    <message>
        <source>Settings not saved: %1 is %2</source>
        <translation>Réglages non enregistrés&#xa0;: %1 est %2</translation>
    </message>
</context>
</TS>
