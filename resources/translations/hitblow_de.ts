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
        <source>erase the digit at the typing position</source>
        <translation>Ziffer an der Eingabeposition löschen</translation>
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
        <source>Count them &amp;automatically</source>
        <translation>Automatisch zä&amp;hlen</translation>
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
        <source>Expert</source>
        <translation>Experte</translation>
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
</context>
</TS>
