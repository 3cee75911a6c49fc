<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Hit &amp; Blow</source>
        <translation>Über Hit &amp; Blow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Guess the computer&apos;s four-digit number before it guesses yours.</source>
        <translation>Errate die vierstellige Zahl des Computers, bevor er deine errät.</translation>
    </message>
    <message>
        <source>Copyright © the Hit &amp; Blow developers.</source>
        <translation>Copyright © die Entwickler von Hit &amp; Blow.</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Dieses Programm ist freie Software: Du kannst es unter den Bedingungen der GNU General Public License, Version 3 oder (nach deiner Wahl) jeder späteren Version (GPL-3.0-or-later), weitergeben und/oder verändern. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>New match. Choose your number: four different digits.</source>
        <translation>Neues Spiel. Wähle deine Zahl: vier verschiedene Ziffern.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a score as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: type its hits, then its blows.</source>
        <translation>Runde %1. Mac tippt %2: Gib die Hits ein, dann die Blows.</translation>
    </message>
    <message>
        <source>Your turn: type your guess, four different digits.</source>
        <translation>Du bist am Zug: Gib deinen Tipp ein, vier verschiedene Ziffern.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.</source>
        <translation>Runde %1. Mac tippt %2: Die Bewertung steht schon da, %3; die Eingabetaste bestätigt sie.</translation>
    </message>
    <message>
        <source>Daily puzzle #%1.</source>
        <translation>Tagesrätsel Nr. %1.</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message numerus="yes">
        <source>%n hit</source>
        <translation>
            <numerusform>%n Hit</numerusform>
            <numerusform>%n Hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n Hit</numerusform>
            <numerusform>%n Hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blow</source>
        <translation>
            <numerusform>%n Blow</numerusform>
            <numerusform>%n Blows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blows</source>
        <translation>
            <numerusform>%n Blow</numerusform>
            <numerusform>%n Blows</numerusform>
        </translation>
    </message>
    <message>
        <source>Your number: %1</source>
        <translation>Deine Zahl: %1</translation>
    </message>
    <message>
        <source>Mac guesses %1.</source>
        <translation>Mac tippt %1.</translation>
    </message>
    <message>
        <source>Hits and blows typed: %1; typing position %2 of 2</source>
        <translation>Eingegebene Hits und Blows: %1; Eingabeposition %2 von 2</translation>
    </message>
    <message>
        <source>Your guess: %1; typing position %2 of 4</source>
        <translation>Dein Tipp: %1; Eingabeposition %2 von 4</translation>
    </message>
    <message>
        <source>Mac&apos;s guess %1: you scored %2, %3</source>
        <translation>Macs Tipp %1: von dir bewertet mit %2, %3</translation>
    </message>
    <message>
        <source>Your guess %1: %2, %3</source>
        <translation>Dein Tipp %1: %2, %3</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses: none yet</source>
        <translation>Macs Tipps: noch keine</translation>
    </message>
    <message>
        <source>Your guesses: none yet</source>
        <translation>Deine Tipps: noch keine</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses:</source>
        <translation>Macs Tipps:</translation>
    </message>
    <message>
        <source>Your guesses:</source>
        <translation>Deine Tipps:</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4</source>
        <translation>%1. %2: %3, %4</translation>
    </message>
    <message>
        <source>%1. Mac&apos;s number was %2.</source>
        <translation>%1. Macs Zahl war %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the result as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Hits: %1</translation>
    </message>
    <message>
        <source>Blows: %1</source>
        <translation>Blows: %1</translation>
    </message>
    <message>
        <source>Position %1 of 4: %2</source>
        <translation>Stelle %1 von 4: %2</translation>
    </message>
    <message>
        <source>%1. The puzzle&apos;s secret was %2.</source>
        <translation>%1. Die Lösung des Tagesrätsels war %2.</translation>
    </message>
</context>
<context>
    <name>DuelCurtain</name>
    <message>
        <source>Pass to %1</source>
        <translation>Weitergeben an %1</translation>
    </message>
    <message>
        <source>%1: press any key or click here to go on.</source>
        <translation>%1: Drück eine Taste oder klick hier, um weiterzumachen.</translation>
    </message>
</context>
<context>
    <name>DuelNumberEntry</name>
    <message>
        <source>Number typed</source>
        <translation>Eingegebene Zahl</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type four different digits.</source>
        <translation>Gib vier verschiedene Ziffern ein.</translation>
    </message>
</context>
<context>
    <name>DuelWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>Duell</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Zahl von %1: %2</translation>
    </message>
    <message>
        <source>%1 hid %2</source>
        <translation>%1 versteckte %2</translation>
    </message>
    <message>
        <source>%1.  %2   %3, %4</source>
        <translation>%1.  %2   %3, %4</translation>
    </message>
    <message>
        <source>Waiting for the duel to start…</source>
        <translation>Warte auf den Beginn des Duells …</translation>
    </message>
    <message>
        <source>%1, your guess</source>
        <translation>%1, dein Tipp</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Warte auf %1 …</translation>
    </message>
    <message>
        <source>Give Up the Duel</source>
        <translation>Duell aufgeben</translation>
    </message>
    <message>
        <source>Give up the duel? It ends here, given up by %1.</source>
        <translation>Das Duell aufgeben? Es endet hier, aufgegeben von %1.</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 hat gewonnen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>The scores of %1 were false</source>
        <translation>Die Wertungen von %1 waren falsch</translation>
    </message>
    <message>
        <source>%1 left the duel</source>
        <translation>%1 hat das Duell verlassen</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>GameBoardView</name>
    <message>
        <source>A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.</source>
        <translation>Ein Tipp besteht aus vier verschiedenen Ziffern; in %1 kommt %2 mehrfach vor. Eine nicht eingegebene Ziffer zählt als 0.</translation>
    </message>
    <message>
        <source>You typed hits: %1, blows: %2, for Mac&apos;s guess %3. Your number is %4.</source>
        <translation>Du hast für Macs Tipp %3 Hits: %1, Blows: %2 eingegeben. Deine Zahl ist %4.</translation>
    </message>
    <message>
        <source>Hits: the right digit in the right place</source>
        <translation>Hits: richtige Ziffer an der richtigen Stelle</translation>
    </message>
    <message>
        <source>Blows: the right digit in the wrong place</source>
        <translation>Blows: richtige Ziffer an der falschen Stelle</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses at your number, with their hits and blows</source>
        <translation>Macs Tipps auf deine Zahl, mit ihren Hits und Blows</translation>
    </message>
    <message>
        <source>Your guesses at Mac&apos;s number, with their hits and blows</source>
        <translation>Deine Tipps auf Macs Zahl, mit ihren Hits und Blows</translation>
    </message>
    <message>
        <source>Mac&apos;s number, face down until the match is decided</source>
        <translation>Macs Zahl, verdeckt, bis die Partie entschieden ist</translation>
    </message>
    <message>
        <source>Your number: click a chosen piece, or press Backspace, to take it back</source>
        <translation>Deine Zahl: Klicke auf einen gewählten Stein oder drücke die Rücktaste, um ihn zurückzunehmen</translation>
    </message>
    <message>
        <source>Your number, which Mac is guessing</source>
        <translation>Deine Zahl, die Mac zu erraten versucht</translation>
    </message>
    <message>
        <source>How many numbers Mac still considers for yours</source>
        <translation>Wie viele Zahlen Mac für deine noch in Betracht zieht</translation>
    </message>
    <message>
        <source>Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have scored hits: %5, blows: %6.</source>
        <translation>Schwerer Modus: %1 bekam Hits: %2, Blows: %3, doch wäre die Zahl %4, hätte es Hits: %5, Blows: %6 bekommen.</translation>
    </message>
</context>
<context>
    <name>HitBlow</name>
    <message>
        <source>Your answer is against the rule</source>
        <translation>Deine Antwort verstößt gegen die Regeln</translation>
    </message>
    <message>
        <source>Your decision is wrong</source>
        <translation>Deine Bewertung stimmt nicht</translation>
    </message>
    <message>
        <source>© 2026 Hit &amp; Blow developers. Free software under the GPL-3.0-or-later.</source>
        <translation>© 2026 die Entwickler von Hit &amp; Blow. Freie Software unter der GPL-3.0-or-later.</translation>
    </message>
    <message>
        <source>Chose Your Numbers</source>
        <translation>Wähle deine Zahl</translation>
    </message>
    <message>
        <source>It&apos;s Mac&apos;s Turn</source>
        <translation>Mac ist am Zug</translation>
    </message>
    <message>
        <source>Check Hit &amp; Blow</source>
        <translation>Bewerte Hits und Blows</translation>
    </message>
    <message>
        <source>It&apos;s Your Last Chance</source>
        <translation>Deine letzte Chance</translation>
    </message>
    <message>
        <source>It&apos;s Your Turn</source>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>Result is...</source>
        <translation>Das Ergebnis ist …</translation>
    </message>
    <message>
        <source>The Rest Candidates Count</source>
        <translation>Verbleibende Kandidaten</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>Übung Nr. %1</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Tagesrätsel Nr. %1</translation>
    </message>
    <message>
        <source>Your guess does not fit the scores so far</source>
        <translation>Dein Tipp passt nicht zu den bisherigen Ergebnissen</translation>
    </message>
</context>
<context>
    <name>HotSeatSetup</name>
    <message>
        <source>Duel at This Computer</source>
        <translation>Duell an diesem Computer</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Player &amp;%1:</source>
        <translation>Spieler &amp;%1:</translation>
    </message>
    <message>
        <source>Player 1 guesses first in each round; Player 2 has the last guess.</source>
        <translation>Spieler 1 rät in jeder Runde zuerst; Spieler 2 hat den letzten Tipp.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>%1, hide your number: four different digits. %2, please look away.</source>
        <translation>%1, versteck deine Zahl: vier verschiedene Ziffern. %2, bitte schau weg.</translation>
    </message>
    <message>
        <source>%1 has hidden a number.</source>
        <translation>%1 hat eine Zahl versteckt.</translation>
    </message>
</context>
<context>
    <name>HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>You and Mac each hide a number of four different digits.</source>
        <translation>Du und Mac versteckt je eine Zahl aus vier verschiedenen Ziffern.</translation>
    </message>
    <message>
        <source>Start a new game and choose your number by clicking four pieces, or by typing four digits.</source>
        <translation>Starte ein neues Spiel und wähle deine Zahl, indem du vier Spielsteine anklickst oder vier Ziffern tippst.</translation>
    </message>
    <message>
        <source>Mac guesses first. Score its guess: type the hits (right digit in the right place) and the blows (right digit in the wrong place), then press Return or click OK.</source>
        <translation>Mac rät zuerst. Bewerte seinen Tipp: Gib die Hits (richtige Ziffer an der richtigen Stelle) und die Blows (richtige Ziffer an der falschen Stelle) ein und drücke dann die Eingabetaste oder klicke auf OK.</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>Dann gibst du deinen Tipp für Macs Zahl ein und drückst die Eingabetaste. Das Spielbrett zeigt seine Hits und Blows.</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>Wer zuerst vier Hits erzielt, gewinnt. Findet Mac deine Zahl zuerst, hast du noch den letzten Tipp dieser Runde: Vier Hits damit ergeben ein Unentschieden. Sechzehn Tipps ohne Sieger sind ebenfalls unentschieden.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 bis 9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>Zahl wählen; Hits, Blows und Tipps eingeben</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>move the typing position</source>
        <translation>Eingabeposition verschieben</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Rücktaste, Entf</translation>
    </message>
    <message>
        <source>Return, Enter</source>
        <translation>Eingabe, Enter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>neues Spiel</translation>
    </message>
    <message>
        <source>preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>To play with the mouse alone, show the number pad with View &gt; Number Pad: its buttons act as the keys below.</source>
        <translation>Um nur mit der Maus zu spielen, blende das Ziffernfeld mit Ansicht &gt; Ziffernfeld ein: Seine Knöpfe wirken wie die Tasten unten.</translation>
    </message>
    <message>
        <source>show or hide the number pad</source>
        <translation>Ziffernfeld ein- oder ausblenden</translation>
    </message>
    <message>
        <source>The bar under the board shows the round. With &quot;Show my remaining possibilities&quot; in the preferences it also counts the numbers Mac&apos;s number can still be, judged from your own guesses and their scores alone.</source>
        <translation>Die Leiste unter dem Spielbrett zeigt die Runde. Mit „Meine verbleibenden Möglichkeiten zeigen“ in den Einstellungen zählt sie auch, welche Zahlen Macs Zahl noch sein kann, allein nach deinen eigenen Tipps und ihren Bewertungen.</translation>
    </message>
    <message>
        <source>Game &gt; Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned matches, your winning streaks, a chart of the guesses that decided each match and your latest matches.</source>
        <translation>Spiel &gt; Statistik zeigt für jede Stärke von Mac deine Siege, Niederlagen, Unentschieden und aufgegebenen Partien, deine Siegesserien, ein Diagramm der Tipps bis zur Entscheidung und deine letzten Partien.</translation>
    </message>
    <message>
        <source>New Game during a match asks first; a match you give up counts as abandoned. Once a match is over, Play Again in the bar starts the next one.</source>
        <translation>Neues Spiel fragt während einer Partie erst nach; eine Partie, die du aufgibst, zählt als aufgegeben. Ist eine Partie vorbei, startet „Nochmal spielen“ in der Leiste die nächste.</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>Hilfe während der Partie</translation>
    </message>
    <message>
        <source>Game &gt; Hint types the guess Mac would play at Expert strength after your own guesses and their scores. Send it with Return or change it first. The statistics mark a match in which you took a hint.</source>
        <translation>Spiel &gt; Hinweis gibt für dich den Tipp ein, den Mac als Experte nach deinen eigenen Tipps und ihren Bewertungen spielen würde. Schicke ihn mit der Eingabetaste ab oder ändere ihn vorher. Die Statistik markiert Partien, in denen du einen Hinweis genommen hast.</translation>
    </message>
    <message>
        <source>resume the unfinished match</source>
        <translation>die unterbrochene Partie fortsetzen</translation>
    </message>
    <message>
        <source>Mac&apos;s pieces lie face down at the top of the board, red; yours stand face up at the bottom, white. The small red card heads Mac&apos;s guesses on the left, the white card yours on the right.</source>
        <translation>Macs Steine liegen oben auf dem Brett verdeckt, rot; deine stehen unten offen, weiß. Die kleine rote Karte steht über Macs Tipps links, die weiße über deinen rechts.</translation>
    </message>
    <message>
        <source>A filled dot marks the hits (right digit in the right place), a ring the blows (right digit in the wrong place): above each list of guesses and above the two count boxes.</source>
        <translation>Ein gefüllter Punkt steht für die Hits (richtige Ziffer an der richtigen Stelle), ein Ring für die Blows (richtige Ziffer an der falschen Stelle): über jeder Liste der Tipps und über den beiden Zählfeldern.</translation>
    </message>
    <message>
        <source>While you choose your number, Backspace or Delete takes back the last piece chosen, and a click on a chosen piece takes back that one.</source>
        <translation>Während du deine Zahl wählst, nimmt Rücktaste oder Entf den zuletzt gewählten Stein zurück, und ein Klick auf einen gewählten Stein nimmt diesen zurück.</translation>
    </message>
    <message>
        <source>erase the digit at the typing position; while choosing your number, take back the last piece chosen</source>
        <translation>Ziffer an der Eingabestelle löschen; bei der Wahl deiner Zahl den zuletzt gewählten Stein zurücknehmen</translation>
    </message>
    <message>
        <source>show or hide the notepad</source>
        <translation>Notizblock ein- oder ausblenden</translation>
    </message>
    <message>
        <source>how to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Das Brett</translation>
    </message>
    <message>
        <source>Once a match is decided, Review in the bar, Game &gt; Review Last Match or a double-click on a match in the statistics shows each of your guesses: how many numbers Mac&apos;s number could be before it and after its score, the guesses you could expect to need from there counting it, the Expert&apos;s guess from the same position with its own expected number, a verdict, and your skill and luck.</source>
        <translation>Ist eine Partie entschieden, zeigen Rückblick in der Leiste, Spiel &gt; Letzte Partie prüfen oder ein Doppelklick auf eine Partie in der Statistik jeden deiner Tipps: wie viele Zahlen Macs Zahl davor und nach seiner Wertung sein konnte, wie viele Tipps du von dort samt diesem im Mittel noch brauchst, den Tipp des Experten aus derselben Lage mit seiner Erwartung, ein Urteil sowie dein Können und Glück.</translation>
    </message>
    <message>
        <source>Best play is exact while at most 64 numbers are possible, and the Expert&apos;s guess above that. Skill is 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points. Luck compares the numbers your score left with those the other scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of the guesses&apos; skill, luck the mean luck of the guesses whose scores could have left different numbers.</source>
        <translation>Bestes Spiel ist bei höchstens 64 möglichen Zahlen das genaue Optimum, darüber der Tipp des Experten. Das Können ist 99, wenn dein Tipp im Mittel nicht mehr Tipps braucht als bestes Spiel; jeder im Mittel verlorene Tipp kostet 99 Punkte. Das Glück vergleicht, wie viele Zahlen deine Wertung übrig ließ, mit dem, was die anderen Wertungen übrig lassen konnten: 99 für die wenigsten, 0 für die meisten. Für die Partie ist das Können der Mittelwert des Könnens der Tipps, das Glück der Mittelwert bei den Tipps, deren Wertungen verschieden viele übrig lassen konnten.</translation>
    </message>
    <message>
        <source>Copy Result puts your result on the clipboard without giving your numbers away: one line per guess, a filled dot for each hit, a ring for each blow, a middle dot for neither.</source>
        <translation>Ergebnis kopieren legt dein Ergebnis in die Zwischenablage, ohne deine Zahlen zu verraten: eine Zeile je Tipp, ein gefüllter Punkt je Hit, ein Ring je Blow, ein Mittelpunkt, wenn keins von beiden.</translation>
    </message>
    <message>
        <source>review the last match</source>
        <translation>die letzte Partie prüfen</translation>
    </message>
    <message>
        <source>Reviewing a match</source>
        <translation>Eine Partie prüfen</translation>
    </message>
    <message>
        <source>View &gt; Notepad opens a page for your deductions beside the board: a click on a cell marks the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a click on a digit crosses it out of the number. On the page, the arrow keys move, Space marks, X crosses out the row&apos;s digit, Esc goes back to the board and digits go to your guess.</source>
        <translation>Ansicht &gt; Notizblock öffnet neben dem Brett eine Seite für deine Schlüsse: Ein Klick auf ein Feld markiert die Ziffer mit ✗ (nicht an dieser Stelle), ein zweiter mit ● (an dieser Stelle), ein dritter löscht die Markierung; ein Klick auf eine Ziffer streicht sie aus der Zahl. Auf der Seite bewegen die Pfeiltasten, die Leertaste markiert, X streicht die Ziffer der Zeile, Esc kehrt zum Brett zurück, und Ziffern gehen in deinen Tipp.</translation>
    </message>
    <message>
        <source>A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume Match in the bar goes on with it at the turn it was in. Two games each keep their own, and Resume Match lists them when several wait.</source>
        <translation>Eine Partie, die du unbeendet verlässt, ob durch Beenden oder anders, bleibt erhalten: Beim nächsten Start setzt „Partie fortsetzen“ in der Leiste sie in dem Zug fort, in dem sie war. Zwei Spiele behalten jedes seine eigene, und „Partie fortsetzen“ listet sie auf, wenn mehrere warten.</translation>
    </message>
    <message>
        <source>duel: two players at this computer</source>
        <translation>Duell: zwei Spieler an diesem Computer</translation>
    </message>
    <message>
        <source>duel across the network</source>
        <translation>Duell über das Netzwerk</translation>
    </message>
</context>
<context>
    <name>KeptMatchChooser</name>
    <message>
        <source>Resume Match</source>
        <translation>Partie fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Unfinished matches, the newest first:</source>
        <translation>&amp;Unbeendete Partien, die neueste zuerst:</translation>
    </message>
    <message>
        <source>Unfinished matches</source>
        <translation>Unbeendete Partien</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>%1 · guess %2 · %3</source>
        <translation>%1 · Tipp %2 · %3</translation>
    </message>
    <message>
        <source>%1 · round %2 · %3</source>
        <translation>%1 · Runde %2 · %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About Hit &amp;&amp; Blow</source>
        <translation>Ü&amp;ber Hit &amp;&amp; Blow</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Number &amp;Pad</source>
        <translation>&amp;Ziffernfeld</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>&amp;Resume Match</source>
        <translation>Partie &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>&amp;Notizblock</translation>
    </message>
    <message>
        <source>Re&amp;view Last Match…</source>
        <translation>Letzte Partie &amp;prüfen …</translation>
    </message>
    <message>
        <source>Statistics Lost</source>
        <translation>Statistik verloren</translation>
    </message>
    <message>
        <source>&amp;Daily Puzzle</source>
        <translation>&amp;Tagesrätsel</translation>
    </message>
    <message>
        <source>Pr&amp;actice Puzzle…</source>
        <translation>Ü&amp;bungsrätsel…</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <translation>Tagesergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>D&amp;uel…</source>
        <translation>D&amp;uell …</translation>
    </message>
    <message>
        <source>Duel Across the Ne&amp;twork…</source>
        <translation>Duell über das Ne&amp;tzwerk …</translation>
    </message>
</context>
<context>
    <name>MatchAssistant</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Abandon the current match?</source>
        <translation>Die laufende Partie aufgeben?</translation>
    </message>
    <message>
        <source>It will count as abandoned in the statistics.</source>
        <translation>Sie zählt in der Statistik als aufgegeben.</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Abandon the unfinished match?</source>
        <translation>Die unterbrochene Partie aufgeben?</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>The hint is for your own guesses: ask again on your turn.</source>
        <translation>Der Hinweis gilt deinen eigenen Tipps: Frag in deinem Zug wieder.</translation>
    </message>
    <message>
        <source>The daily puzzles begin on %1.</source>
        <translation>Die Tagesrätsel beginnen am %1.</translation>
    </message>
    <message>
        <source>Today&apos;s puzzle is played: %1 copies its result.</source>
        <translation>Das heutige Rätsel ist gespielt: %1 kopiert sein Ergebnis.</translation>
    </message>
    <message>
        <source>There is no earlier puzzle to practise yet.</source>
        <translation>Es gibt noch kein früheres Rätsel zum Üben.</translation>
    </message>
    <message>
        <source>Practice Puzzle</source>
        <translation>Übungsrätsel</translation>
    </message>
    <message>
        <source>An earlier puzzle to play for practice, 1 to %1. It never counts in the daily streak.</source>
        <translation>Ein früheres Rätsel zum Üben, 1 bis %1. Es zählt nie zur Tagesserie.</translation>
    </message>
    <message>
        <source>Only a daily puzzle that has ended has a result to copy.</source>
        <translation>Nur ein beendetes Tagesrätsel hat ein Ergebnis zum Kopieren.</translation>
    </message>
    <message>
        <source>The result of puzzle #%1 is copied, without its digits.</source>
        <translation>Das Ergebnis von Rätsel Nr. %1 ist kopiert, ohne seine Ziffern.</translation>
    </message>
    <message>
        <source>That match could not be taken up: another game went on with it, or the statistics are busy.</source>
        <translation>Diese Partie konnte nicht fortgesetzt werden: Ein anderes Spiel hat sie weitergeführt, oder die Statistik ist beschäftigt.</translation>
    </message>
</context>
<context>
    <name>MatchNotes</name>
    <message>
        <source>Mac found %1 at its first guess</source>
        <translation>Mac hat %1 beim ersten Tipp gefunden</translation>
    </message>
    <message>
        <source>Mac found %1 in %2 guesses</source>
        <translation>Mac hat %1 in %2 Tipps gefunden</translation>
    </message>
    <message>
        <source>You found %1 at your first guess</source>
        <translation>Du hast %1 beim ersten Tipp gefunden</translation>
    </message>
    <message>
        <source>You found %1 in %2 guesses</source>
        <translation>Du hast %1 in %2 Tipps gefunden</translation>
    </message>
    <message>
        <source>Both numbers found in round %1</source>
        <translation>Beide Zahlen in Runde %1 gefunden</translation>
    </message>
    <message>
        <source>Neither number found in %1 guesses</source>
        <translation>Keine der Zahlen in %1 Tipps gefunden</translation>
    </message>
    <message>
        <source>You already tried %1.</source>
        <translation>%1 hast du schon versucht.</translation>
    </message>
    <message>
        <source>%1 could not be Mac&apos;s number: it does not fit your earlier scores.</source>
        <translation>%1 kann nicht Macs Zahl sein: Es passt nicht zu deinen früheren Ergebnissen.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be Mac&apos;s number, but splits the rest best.</source>
        <translation>%1 kann nicht Macs Zahl sein, teilt aber die übrigen am besten auf.</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Play Again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>Possibilities for Mac&apos;s number: %1</source>
        <translation>Mögliche Zahlen für Mac: %1</translation>
    </message>
    <message>
        <source>Resume Match</source>
        <translation>Partie fortsetzen</translation>
    </message>
    <message>
        <source>Game &gt; New Game (%1) starts a match</source>
        <translation>Spiel &gt; Neues Spiel (%1) beginnt eine Partie</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Press Return or click the board to start a match</source>
        <translation>Drück die Eingabetaste oder klick auf das Brett, um eine Partie zu beginnen</translation>
    </message>
    <message>
        <source>Your unfinished match waits: Game &gt; Resume Match (%1)</source>
        <translation>Deine unbeendete Partie wartet: Spiel &gt; Partie fortsetzen (%1)</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%1 solved in %n guess(es).</source>
        <translation>
            <numerusform>%1 gelöst mit %n Tipp.</numerusform>
            <numerusform>%1 gelöst mit %n Tipps.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not solved: the number was %2.</source>
        <translation>%1 nicht gelöst: die Zahl war %2.</translation>
    </message>
    <message>
        <source>Guess %1 of %2</source>
        <translation>Tipp %1 von %2</translation>
    </message>
    <message>
        <source>Secrets still possible: %1</source>
        <translation>Noch mögliche Zahlen: %1</translation>
    </message>
    <message>
        <source>%1 unfinished matches wait: Game &gt; Resume Match (%2)</source>
        <translation>%1 unbeendete Partien warten: Spiel &gt; Partie fortsetzen (%2)</translation>
    </message>
</context>
<context>
    <name>NetworkDuel</name>
    <message>
        <source>You left the duel.</source>
        <translation>Du hast das Duell verlassen.</translation>
    </message>
</context>
<context>
    <name>NetworkDuelDialog</name>
    <message>
        <source>Duel Across the Network</source>
        <translation>Duell über das Netzwerk</translation>
    </message>
</context>
<context>
    <name>NetworkDuelPanel</name>
    <message>
        <source>Duel across the network</source>
        <translation>Duell über das Netzwerk</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Your hidden number</source>
        <translation>Deine versteckte Zahl</translation>
    </message>
    <message>
        <source>Four different digits; left empty, a random number is hidden for you.</source>
        <translation>Vier verschiedene Ziffern; bleibt das Feld leer, wird für dich eine zufällige Zahl versteckt.</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Your hidden n&amp;umber:</source>
        <translation>Deine versteckte &amp;Zahl:</translation>
    </message>
    <message>
        <source>&amp;Host a duel</source>
        <translation>&amp;Duell ausrichten</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <source>Games found on the network</source>
        <translation>Im Netzwerk gefundene Spiele</translation>
    </message>
    <message>
        <source>192.168.1.5:47615</source>
        <translation>192.168.1.5:47615</translation>
    </message>
    <message>
        <source>Host&apos;s address and port</source>
        <translation>Adresse und Port des Ausrichters</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>&amp;Games found:</source>
        <translation>&amp;Gefundene Spiele:</translation>
    </message>
    <message>
        <source>Or an &amp;address:</source>
        <translation>Oder eine &amp;Adresse:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed (%1); type the host&apos;s address.</source>
        <translation>Spiele im Netzwerk können nicht aufgelistet werden (%1); gib die Adresse des Ausrichters ein.</translation>
    </message>
    <message>
        <source>Your hidden number must be four different digits, or left empty for a random one.</source>
        <translation>Deine versteckte Zahl muss aus vier verschiedenen Ziffern bestehen oder leer bleiben, dann wird sie zufällig gewählt.</translation>
    </message>
    <message>
        <source>You stopped hosting.</source>
        <translation>Du richtest kein Duell mehr aus.</translation>
    </message>
    <message>
        <source>You cannot host here: %1</source>
        <translation>Hier kannst du kein Duell ausrichten: %1</translation>
    </message>
    <message>
        <source>A player joined; tossing a coin for who guesses first…</source>
        <translation>Ein Spieler ist beigetreten; eine Münze entscheidet, wer zuerst rät …</translation>
    </message>
    <message>
        <source>Stop &amp;hosting</source>
        <translation>Ausrichten b&amp;eenden</translation>
    </message>
    <message>
        <source>Waiting for a player… port %1
Tell the other player: %2</source>
        <translation>Warte auf einen Spieler … Port %1
Sag dem anderen Spieler: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as in 192.168.1.5:47615.</source>
        <translation>Gib Adresse und Port des Ausrichters ein, etwa 192.168.1.5:47615.</translation>
    </message>
    <message>
        <source>Choose a game found on the network, or type the host&apos;s address and port.</source>
        <translation>Wähle ein im Netzwerk gefundenes Spiel oder gib Adresse und Port des Ausrichters ein.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Verbinde mit %1:%2 …</translation>
    </message>
    <message>
        <source>The duel with %1 has begun.</source>
        <translation>Das Duell mit %1 hat begonnen.</translation>
    </message>
    <message>
        <source>The duel could not begin: %1</source>
        <translation>Das Duell konnte nicht beginnen: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Noch kein Spiel gefunden.</translation>
    </message>
</context>
<context>
    <name>NotepadDock</name>
    <message>
        <source>Notepad shown</source>
        <translation>Notizblock eingeblendet</translation>
    </message>
    <message>
        <source>Notepad hidden</source>
        <translation>Notizblock ausgeblendet</translation>
    </message>
</context>
<context>
    <name>NotepadPanel</name>
    <message>
        <source>Notepad</source>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Your notes on Mac&apos;s number: click a cell for ✗ (not here), again for ● (here), again to clear it; click a digit when it is not in the number.</source>
        <translation>Deine Notizen zu Macs Zahl: Ein Klick auf ein Feld setzt ✗ (nicht hier), ein weiterer ● (hier), noch einer löscht es; klicke eine Ziffer an, die nicht in der Zahl vorkommt.</translation>
    </message>
    <message>
        <source>Place %1 of Mac&apos;s number, from the left</source>
        <translation>Stelle %1 von Macs Zahl, von links</translation>
    </message>
    <message>
        <source>%1: not in the number</source>
        <translation>%1: nicht in der Zahl</translation>
    </message>
    <message>
        <source>%1: may be in the number</source>
        <translation>%1: vielleicht in der Zahl</translation>
    </message>
    <message>
        <source>here</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>not here</source>
        <translation>nicht hier</translation>
    </message>
    <message>
        <source>no mark</source>
        <translation>keine Markierung</translation>
    </message>
    <message>
        <source>%1 in place %2: %3</source>
        <translation>%1 an Stelle %2: %3</translation>
    </message>
    <message>
        <source>✗ not here, ● here; a crossed-out digit is not in the number. Space marks a cell, X crosses out its digit, Esc goes back to the board; digits go to your guess.</source>
        <translation>✗ nicht hier, ● hier; eine gestrichene Ziffer ist nicht in der Zahl. Leertaste markiert ein Feld, X streicht seine Ziffer, Esc zurück zum Brett; Ziffern gehen in deinen Tipp.</translation>
    </message>
</context>
<context>
    <name>NumberPad</name>
    <message>
        <source>Number pad</source>
        <translation>Ziffernfeld</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Same as the %1 key</source>
        <translation>Wie die Taste %1</translation>
    </message>
</context>
<context>
    <name>NumberPadPanel</name>
    <message>
        <source>Number pad shown</source>
        <translation>Ziffernfeld eingeblendet</translation>
    </message>
    <message>
        <source>Number pad hidden</source>
        <translation>Ziffernfeld ausgeblendet</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Strength of Mac:</source>
        <translation>&amp;Stärke von Mac:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Mac&apos;s remaining candidates</source>
        <translation>Macs verbleibende Kandidaten</translation>
    </message>
    <message>
        <source>&amp;Hide the count</source>
        <translation>Anzahl &amp;verbergen</translation>
    </message>
    <message>
        <source>Sho&amp;w the count</source>
        <translation>Anzahl an&amp;zeigen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>&amp;Ein</translation>
    </message>
    <message>
        <source>Hits and blows of Mac&apos;s guesses</source>
        <translation>Hits und Blows von Macs Tipps</translation>
    </message>
    <message>
        <source>Che&amp;ck the counts I type</source>
        <translation>Eingegebene Anzahlen &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Rhythm:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>Hilfe während der Partie</translation>
    </message>
    <message>
        <source>Show my remaining &amp;possibilities</source>
        <translation>&amp;Meine verbleibenden Möglichkeiten zeigen</translation>
    </message>
    <message>
        <source>As&amp;k before abandoning a match</source>
        <translation>Vor dem Aufgeben einer Partie &amp;nachfragen</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Fill in the true counts &amp;automatically</source>
        <translation>Richtige Anzahlen &amp;automatisch eintragen</translation>
    </message>
    <message>
        <source>Every guess must fit all the scores so far</source>
        <translation>Jeder Tipp muss zu allen bisherigen Ergebnissen passen</translation>
    </message>
    <message>
        <source>Har&amp;d mode: every guess fits the scores so far</source>
        <translation>Schwerer Mo&amp;dus: jeder Tipp passt zu den bisherigen Ergebnissen</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a symbolic link to nothing</source>
        <translation>ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>eine FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>won in %1</source>
        <translation>gewonnen in %1</translation>
    </message>
    <message>
        <source>lost after %1</source>
        <translation>verloren nach %1</translation>
    </message>
    <message>
        <source>draw after %1</source>
        <translation>unentschieden nach %1</translation>
    </message>
    <message>
        <source>abandoned after %1</source>
        <translation>abgebrochen nach %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hits / Blows</source>
        <translation>Hits / Blows</translation>
    </message>
    <message>
        <source>Possibilities</source>
        <translation>Möglichkeiten</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Expert&apos;s guess</source>
        <translation>Tipp des Experten</translation>
    </message>
    <message>
        <source>Its expected</source>
        <translation>Dessen Erwartung</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Können</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>Ergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>Reviewing guess %1 of %2…</source>
        <translation>Tipp %1 von %2 wird geprüft …</translation>
    </message>
    <message>
        <source>This match cannot be reviewed: its guesses and scores do not fit together.</source>
        <translation>Diese Partie lässt sich nicht prüfen: Tipps und Wertungen passen nicht zusammen.</translation>
    </message>
    <message>
        <source>The match: skill %1, luck %2</source>
        <translation>Die Partie: Können %1, Glück %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>bester</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gut</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>teuer</translation>
    </message>
    <message>
        <source>told nothing new</source>
        <translation>nichts Neues erfahren</translation>
    </message>
    <message>
        <source>could not be the secret; one that could would have done as well</source>
        <translation>konnte nicht die Geheimzahl sein; eine mögliche hätte es ebenso getan</translation>
    </message>
    <message>
        <source>skill %1</source>
        <translation>Können %1</translation>
    </message>
    <message>
        <source>luck %1</source>
        <translation>Glück %1</translation>
    </message>
    <message>
        <source>Possibilities left after each guess</source>
        <translation>Verbleibende Möglichkeiten nach jedem Tipp</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Deine</translation>
    </message>
    <message>
        <source>Expert&apos;s guess, on average</source>
        <translation>Tipp des Experten, im Mittel</translation>
    </message>
    <message>
        <source>Mac&apos;s number: %1</source>
        <translation>Macs Zahl: %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores. It is not Mac&apos;s play.</source>
        <translation>Der Tipp des Experten ist der, den bestes Spiel aus deiner eigenen Lage wählt: nach deinen früheren Tipps und deren Wertungen. Er ist nicht Macs Spiel.</translation>
    </message>
    <message>
        <source>Your guess; &quot;(hint)&quot; marks one the hint gave.</source>
        <translation>Dein Tipp; „(Hinweis)“ markiert einen, den der Hinweis gab.</translation>
    </message>
    <message>
        <source>Its score: hits (right digit in the right place) and blows (right digit in the wrong place).</source>
        <translation>Seine Wertung: Hits (richtige Ziffer an richtiger Stelle) und Blows (richtige Ziffer an falscher Stelle).</translation>
    </message>
    <message>
        <source>How many numbers Mac&apos;s number could be before this guess and after its score.</source>
        <translation>Wie viele Zahlen Macs Zahl vor diesem Tipp und nach seiner Wertung noch sein konnte.</translation>
    </message>
    <message>
        <source>E: the guesses you could expect to need from here, counting this one, playing best after it.</source>
        <translation>E: die Tipps, die du von hier an erwarten konntest, diesen mitgezählt, bei bestem Spiel danach.</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess from your own position, after your earlier guesses and their scores.</source>
        <translation>Der Tipp des Experten aus deiner eigenen Lage, nach deinen früheren Tipps und deren Wertungen.</translation>
    </message>
    <message>
        <source>Best: the guesses to expect from here with the Expert&apos;s guess, counting it.</source>
        <translation>Bestwert: die Tipps, die von hier an mit dem Tipp des Experten zu erwarten sind, ihn mitgezählt.</translation>
    </message>
    <message>
        <source>What your guess was worth beside best play.</source>
        <translation>Was dein Tipp neben bestem Spiel wert war.</translation>
    </message>
    <message>
        <source>Skill: 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points.</source>
        <translation>Können: 99, wenn dein Tipp im Mittel nicht mehr Tipps braucht als bestes Spiel; jeder im Mittel verlorene Tipp kostet 99 Punkte.</translation>
    </message>
    <message>
        <source>Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; &quot;–&quot; when every score would have left as many, so luck played no part.</source>
        <translation>Glück: 99, wenn deine Wertung die wenigsten Zahlen übrig ließ, die die Wertungen lassen konnten, 0 die meisten; „–“, wenn jede Wertung gleich viele gelassen hätte, das Glück also keine Rolle spielte.</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses</source>
        <translation>Macs Tipps</translation>
    </message>
    <message>
        <source>(hint)</source>
        <translation>(Hinweis)</translation>
    </message>
    <message>
        <source>hints taken: %1</source>
        <translation>Hinweise genommen: %1</translation>
    </message>
    <message>
        <source>hint taken</source>
        <translation>Hinweis genommen</translation>
    </message>
    <message>
        <source>The result is on the clipboard, without your numbers.</source>
        <translation>Das Ergebnis ist in der Zwischenablage, ohne deine Zahlen.</translation>
    </message>
    <message>
        <source>Verdict on %1: %2</source>
        <translation>Urteil zu %1: %2</translation>
    </message>
    <message>
        <source>Secret: %1</source>
        <translation>Lösung: %1</translation>
    </message>
    <message>
        <source>%1&apos;s scores were false</source>
        <translation>Die Wertungen von %1 waren falsch</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Zahl von %1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s guesses</source>
        <translation>Tipps von %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores.</source>
        <translation>Der Tipp des Experten ist der, den bestes Spiel aus deiner eigenen Lage wählt: nach deinen früheren Tipps und deren Wertungen.</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Siegquote</translation>
    </message>
    <message>
        <source>Average guesses in wins</source>
        <translation>Tipps pro Sieg im Schnitt</translation>
    </message>
    <message>
        <source>Fewest guesses in a win</source>
        <translation>Wenigste Tipps für einen Sieg</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Aktuelle Siegesserie</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Guesses that decided each match</source>
        <translation>Tipps bis zur Entscheidung</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>The chart cannot be shown: a part of the game is missing.</source>
        <translation>Das Diagramm kann nicht angezeigt werden: Ein Teil des Spiels fehlt.</translation>
    </message>
    <message>
        <source>Latest matches</source>
        <translation>Letzte Partien</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Reset…</source>
        <translation>&amp;Zurücksetzen…</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every match recorded at every strength?</source>
        <translation>Alle aufgezeichneten Partien aller Stärken vergessen?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s caption before its value; languages differ in the colon and the space before it.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All strengths</source>
        <translation>Alle Spielstärken</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>%1 of the entries in the old statistics file could not be imported; they are kept in %2.</source>
        <translation>%1 Einträge der alten Statistikdatei konnten nicht übernommen werden; sie bleiben in %2 erhalten.</translation>
    </message>
    <message>
        <source>The old statistics file could not be imported (%1); it is left as it is.</source>
        <translation>Die alte Statistikdatei konnte nicht übernommen werden (%1); sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Statistik exportieren</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>The statistics could not be exported: %1</source>
        <translation>Die Statistik konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Double-click or press Return to review this match</source>
        <translation>Doppelklick oder Return prüft diese Partie</translation>
    </message>
    <message>
        <source>%1: won %2, lost %3, drawn %4, abandoned %5</source>
        <translation>%1: gewonnen %2, verloren %3, unentschieden %4, abgebrochen %5</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Waiting for the statistics: another program is using them…</source>
        <translation>Warten auf die Statistik: ein anderes Programm verwendet sie …</translation>
    </message>
    <message numerus="yes">
        <source>%n stored match holds values this version does not know; it is left out of the figures and kept in the file.</source>
        <translation>
            <numerusform>%n gespeicherte Partie enthält Werte, die diese Version nicht kennt; sie bleibt aus den Zahlen heraus und in der Datei erhalten.</numerusform>
            <numerusform>%n gespeicherte Partien enthalten Werte, die diese Version nicht kennt; sie bleiben aus den Zahlen heraus und in der Datei erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Tagesrätsel</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Tagesrätsel Nr. %1</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>Übung Nr. %1</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>&amp;Partien:</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
    <message>
        <source>Duel with %1 over the network</source>
        <translation>Duell mit %1 über das Netzwerk</translation>
    </message>
    <message>
        <source>Duel with %1</source>
        <translation>Duell mit %1</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>der Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>another game keeps the statistics busy</source>
        <translation>ein anderes Spiel belegt die Statistik</translation>
    </message>
    <message>
        <source>%1 is not a statistics database; it is left as it is</source>
        <translation>%1 ist keine Statistikdatenbank; sie bleibt unverändert</translation>
    </message>
    <message>
        <source>Statistics could not be saved: %1</source>
        <translation>Statistik konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Statistics kept only until the game quits: no folder to keep them in</source>
        <translation>Statistik nur bis zum Beenden des Spiels behalten: kein Ordner, um sie aufzubewahren</translation>
    </message>
    <message>
        <source>The old statistics file could not be read. It was kept as %1.</source>
        <translation>Die alte Statistikdatei konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The statistics database was damaged. It was kept as %1, and a new one was begun</source>
        <translation>Die Statistikdatenbank war beschädigt. Sie wurde als %1 aufbewahrt, und eine neue wurde begonnen</translation>
    </message>
    <message numerus="yes">
        <source> with the matches that could still be read (%n)</source>
        <translation>
            <numerusform> mit der Partie, die noch gelesen werden konnte (%n)</numerusform>
            <numerusform> mit den Partien, die noch gelesen werden konnten (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches that could not be read: %n.</source>
        <translation>
            <numerusform>Nicht lesbare Partien: %n.</numerusform>
            <numerusform>Nicht lesbare Partien: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some matches could not be read.</source>
        <translation>Einige Partien konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The matches waiting to be saved could not be read. They were kept as %1.</source>
        <translation>Die Partien, die auf das Speichern warteten, konnten nicht gelesen werden. Sie wurden als %1 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).</source>
        <translation>
            <numerusform>Verlorene Partien: %n. Sie konnten weder in der Statistik noch in %1 gespeichert werden (%2).</numerusform>
            <numerusform>Verlorene Partien: %n. Sie konnten weder in der Statistik noch in %1 gespeichert werden (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The statistics could not be read: %1</source>
        <translation>Die Statistik konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>%1 kann nicht gelesen werden; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; it is left as it is</source>
        <translation>%1 ist die Datenbank eines anderen Programms; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game; it is left as it is</source>
        <translation>%1 wurde von einer neueren Version des Spiels geschrieben; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>a journal file beside %1 is not a regular file; the database is left as it is</source>
        <translation>eine Journaldatei neben %1 ist keine reguläre Datei; die Datenbank bleibt, wie sie ist</translation>
    </message>
</context>
<context>
    <name>StrengthDescription</name>
    <message>
        <source>Mac only counts how many of its digits each score shares.</source>
        <translation>Mac zählt nur, wie viele seiner Ziffern jede Bewertung teilt.</translation>
    </message>
    <message>
        <source>Mac keeps only the numbers that give each score exactly.</source>
        <translation>Mac behält nur die Zahlen, die jede Bewertung genau ergeben.</translation>
    </message>
    <message>
        <source>Mac also weighs each score against its earlier ones.</source>
        <translation>Mac vergleicht jede Bewertung auch mit den früheren.</translation>
    </message>
    <message>
        <source>Mac plans every guess ahead and needs at most seven guesses.</source>
        <translation>Mac plant jeden Tipp voraus und braucht höchstens sieben Tipps.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The strength chosen, then what it does, spoken by a screen reader.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>UserDefaults</name>
    <message>
        <source>Settings not saved: no folder to keep them in</source>
        <translation>Einstellungen nicht gespeichert: kein Ordner, um sie aufzubewahren</translation>
    </message>
    <message>
        <source>Settings not saved: %1 is %2</source>
        <translation>Einstellungen nicht gespeichert: %1 ist %2</translation>
    </message>
</context>
</TS>
