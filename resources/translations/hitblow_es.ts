<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Hit &amp; Blow</source>
        <translation>Acerca de Hit &amp; Blow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Guess the computer&apos;s four-digit number before it guesses yours.</source>
        <translation>Adivina el número de cuatro cifras del ordenador antes de que él adivine el tuyo.</translation>
    </message>
    <message>
        <source>Copyright © the Hit &amp; Blow developers.</source>
        <translation>Copyright © los desarrolladores de Hit &amp; Blow.</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Este programa es software libre: puedes redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU (GNU General Public License), versión 3 o (a tu elección) cualquier versión posterior (GPL-3.0-or-later). Se distribuye SIN NINGUNA GARANTÍA.</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>New match. Choose your number: four different digits.</source>
        <translation>Nueva partida. Elige tu número: cuatro cifras distintas.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a score as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: type its hits, then its blows.</source>
        <translation>Ronda %1. Mac prueba con %2: escribe sus hits y luego sus blows.</translation>
    </message>
    <message>
        <source>Your turn: type your guess, four different digits.</source>
        <translation>Te toca: escribe tu intento, cuatro cifras distintas.</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.</source>
        <translation>Ronda %1. Mac prueba con %2: su resultado ya está escrito, %3; Intro lo confirma.</translation>
    </message>
    <message>
        <source>Daily puzzle #%1.</source>
        <translation>Desafío diario n.º %1.</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>blank</source>
        <translation>vacío</translation>
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
        <translation>Tu número: %1</translation>
    </message>
    <message>
        <source>Mac guesses %1.</source>
        <translation>Mac prueba con %1.</translation>
    </message>
    <message>
        <source>Hits and blows typed: %1; typing position %2 of 2</source>
        <translation>Hits y blows escritos: %1; posición de escritura %2 de 2</translation>
    </message>
    <message>
        <source>Your guess: %1; typing position %2 of 4</source>
        <translation>Tu intento: %1; posición de escritura %2 de 4</translation>
    </message>
    <message>
        <source>Mac&apos;s guess %1: you scored %2, %3</source>
        <translation>Intento de Mac %1: lo has puntuado con %2, %3</translation>
    </message>
    <message>
        <source>Your guess %1: %2, %3</source>
        <translation>Tu intento %1: %2, %3</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses: none yet</source>
        <translation>Intentos de Mac: ninguno todavía</translation>
    </message>
    <message>
        <source>Your guesses: none yet</source>
        <translation>Tus intentos: ninguno todavía</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses:</source>
        <translation>Intentos de Mac:</translation>
    </message>
    <message>
        <source>Your guesses:</source>
        <translation>Tus intentos:</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4</source>
        <translation>%1. %2: %3, %4</translation>
    </message>
    <message>
        <source>%1. Mac&apos;s number was %2.</source>
        <translation>%1. El número de Mac era %2.</translation>
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
        <translation>Posición %1 de 4: %2</translation>
    </message>
    <message>
        <source>%1. The puzzle&apos;s secret was %2.</source>
        <translation>%1. El secreto del desafío era %2.</translation>
    </message>
</context>
<context>
    <name>DuelCurtain</name>
    <message>
        <source>Pass to %1</source>
        <translation>Pasa a %1</translation>
    </message>
    <message>
        <source>%1: press any key or click here to go on.</source>
        <translation>%1: pulsa una tecla o haz clic aquí para seguir.</translation>
    </message>
</context>
<context>
    <name>DuelNumberEntry</name>
    <message>
        <source>Number typed</source>
        <translation>Número escrito</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Type four different digits.</source>
        <translation>Escribe cuatro cifras distintas.</translation>
    </message>
</context>
<context>
    <name>DuelWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>Duelo</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Número de %1: %2</translation>
    </message>
    <message>
        <source>%1 hid %2</source>
        <translation>%1 escondió %2</translation>
    </message>
    <message>
        <source>%1.  %2   %3, %4</source>
        <translation>%1.  %2   %3, %4</translation>
    </message>
    <message>
        <source>Waiting for the duel to start…</source>
        <translation>Esperando a que empiece el duelo…</translation>
    </message>
    <message>
        <source>%1, your guess</source>
        <translation>%1, tu intento</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>Esperando a %1…</translation>
    </message>
    <message>
        <source>Give Up the Duel</source>
        <translation>Abandonar el duelo</translation>
    </message>
    <message>
        <source>Give up the duel? It ends here, given up by %1.</source>
        <translation>¿Abandonar el duelo? Termina aquí, abandonado por %1.</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 ha ganado</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>The scores of %1 were false</source>
        <translation>Los resultados de %1 eran falsos</translation>
    </message>
    <message>
        <source>%1 left the duel</source>
        <translation>%1 ha dejado el duelo</translation>
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
        <translation>Un intento son cuatro cifras distintas; %1 repite el %2. Una cifra sin escribir cuenta como 0.</translation>
    </message>
    <message>
        <source>You typed hits: %1, blows: %2, for Mac&apos;s guess %3. Your number is %4.</source>
        <translation>Has escrito hits: %1, blows: %2 para el intento de Mac %3. Tu número es %4.</translation>
    </message>
    <message>
        <source>Hits: the right digit in the right place</source>
        <translation>Hits: dígito correcto en el lugar correcto</translation>
    </message>
    <message>
        <source>Blows: the right digit in the wrong place</source>
        <translation>Blows: dígito correcto en el lugar equivocado</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses at your number, with their hits and blows</source>
        <translation>Los intentos de Mac sobre tu número, con sus hits y blows</translation>
    </message>
    <message>
        <source>Your guesses at Mac&apos;s number, with their hits and blows</source>
        <translation>Tus intentos sobre el número de Mac, con sus hits y blows</translation>
    </message>
    <message>
        <source>Mac&apos;s number, face down until the match is decided</source>
        <translation>El número de Mac, boca abajo hasta que se decida la partida</translation>
    </message>
    <message>
        <source>Your number: click a chosen piece, or press Backspace, to take it back</source>
        <translation>Tu número: haz clic en una ficha elegida, o pulsa Retroceso, para retirarla</translation>
    </message>
    <message>
        <source>Your number, which Mac is guessing</source>
        <translation>Tu número, el que Mac intenta adivinar</translation>
    </message>
    <message>
        <source>How many numbers Mac still considers for yours</source>
        <translation>Cuántos números considera aún Mac para el tuyo</translation>
    </message>
    <message>
        <source>Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have scored hits: %5, blows: %6.</source>
        <translation>Modo difícil: %1 obtuvo hits: %2, blows: %3, pero si el número fuera %4 habría obtenido hits: %5, blows: %6.</translation>
    </message>
</context>
<context>
    <name>HitBlow</name>
    <message>
        <source>Your answer is against the rule</source>
        <translation>Tu intento no cumple las reglas</translation>
    </message>
    <message>
        <source>Your decision is wrong</source>
        <translation>Tu recuento no es correcto</translation>
    </message>
    <message>
        <source>© 2026 Hit &amp; Blow developers. Free software under the GPL-3.0-or-later.</source>
        <translation>© 2026 los desarrolladores de Hit &amp; Blow. Software libre bajo la GPL-3.0-or-later.</translation>
    </message>
    <message>
        <source>Chose Your Numbers</source>
        <translation>Elige tu número</translation>
    </message>
    <message>
        <source>It&apos;s Mac&apos;s Turn</source>
        <translation>Le toca a Mac</translation>
    </message>
    <message>
        <source>Check Hit &amp; Blow</source>
        <translation>Cuenta los hits y blows</translation>
    </message>
    <message>
        <source>It&apos;s Your Last Chance</source>
        <translation>Tu última oportunidad</translation>
    </message>
    <message>
        <source>It&apos;s Your Turn</source>
        <translation>Te toca</translation>
    </message>
    <message>
        <source>Result is...</source>
        <translation>El resultado es…</translation>
    </message>
    <message>
        <source>The Rest Candidates Count</source>
        <translation>Candidatos restantes</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>Práctica n.º %1</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Diario n.º %1</translation>
    </message>
    <message>
        <source>Your guess does not fit the scores so far</source>
        <translation>Tu intento no encaja con los resultados anteriores</translation>
    </message>
</context>
<context>
    <name>HotSeatSetup</name>
    <message>
        <source>Duel at This Computer</source>
        <translation>Duelo en este ordenador</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Player &amp;%1:</source>
        <translation>Jugador &amp;%1:</translation>
    </message>
    <message>
        <source>Player 1 guesses first in each round; Player 2 has the last guess.</source>
        <translation>El jugador 1 prueba primero en cada ronda; el jugador 2 tiene el último intento.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>%1, hide your number: four different digits. %2, please look away.</source>
        <translation>%1, esconde tu número: cuatro cifras distintas. %2, por favor, no mires.</translation>
    </message>
    <message>
        <source>%1 has hidden a number.</source>
        <translation>%1 ha escondido un número.</translation>
    </message>
</context>
<context>
    <name>HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>You and Mac each hide a number of four different digits.</source>
        <translation>Tú y Mac escondéis cada uno un número de cuatro cifras distintas.</translation>
    </message>
    <message>
        <source>Start a new game and choose your number by clicking four pieces, or by typing four digits.</source>
        <translation>Empieza una partida nueva y elige tu número haciendo clic en cuatro fichas o escribiendo cuatro cifras.</translation>
    </message>
    <message>
        <source>Mac guesses first. Score its guess: type the hits (right digit in the right place) and the blows (right digit in the wrong place), then press Return or click OK.</source>
        <translation>Mac adivina primero. Puntúa su intento: escribe los hits (cifra correcta en la posición correcta) y los blows (cifra correcta en la posición equivocada) y luego pulsa Intro o haz clic en OK.</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>Después escribe tu intento para el número de Mac y pulsa Intro. El tablero muestra sus hits y blows.</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>Gana el primero que consiga cuatro hits. Si Mac encuentra tu número primero, aún te queda el último intento de esa ronda: si logras cuatro hits, es empate. Dieciséis intentos sin ganador también son empate.</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 a 9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>elegir tu número; escribir hits, blows e intentos</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>move the typing position</source>
        <translation>mover la posición de escritura</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Retroceso, Supr</translation>
    </message>
    <message>
        <source>Return, Enter</source>
        <translation>Intro, Intro del teclado num.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>partida nueva</translation>
    </message>
    <message>
        <source>preferences</source>
        <translation>preferencias</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>To play with the mouse alone, show the number pad with View &gt; Number Pad: its buttons act as the keys below.</source>
        <translation>Para jugar solo con el ratón, muestra el teclado numérico con Ver &gt; Teclado numérico: sus botones hacen lo mismo que las teclas de abajo.</translation>
    </message>
    <message>
        <source>The bar under the board shows the round. With &quot;Show my remaining possibilities&quot; in the preferences it also counts the numbers Mac&apos;s number can still be, judged from your own guesses and their scores alone.</source>
        <translation>La barra bajo el tablero muestra la ronda. Con «Mostrar mis posibilidades restantes» en las preferencias, también cuenta cuántos números puede ser aún el de Mac, a juzgar solo por tus propios intentos y sus resultados.</translation>
    </message>
    <message>
        <source>Game &gt; Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned matches, your winning streaks, a chart of the guesses that decided each match and your latest matches.</source>
        <translation>Partida &gt; Estadísticas muestra, para cada fuerza de Mac, tus victorias, derrotas, empates y partidas abandonadas, tus rachas de victorias, un gráfico de los intentos que decidieron cada partida y tus últimas partidas.</translation>
    </message>
    <message>
        <source>New Game during a match asks first; a match you give up counts as abandoned. Once a match is over, Play Again in the bar starts the next one.</source>
        <translation>Durante una partida, Partida nueva pide confirmación primero; una partida que dejas cuenta como abandonada. Cuando termina una partida, Jugar otra vez en la barra empieza la siguiente.</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>pista</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>estadísticas</translation>
    </message>
    <message>
        <source>show or hide the number pad</source>
        <translation>mostrar u ocultar el teclado numérico</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>Ayuda durante la partida</translation>
    </message>
    <message>
        <source>Game &gt; Hint types the guess Mac would play at Expert strength after your own guesses and their scores. Send it with Return or change it first. The statistics mark a match in which you took a hint.</source>
        <translation>Partida &gt; Pista escribe por ti el intento que Mac jugaría con fuerza Experto a partir de tus propios intentos y sus resultados. Envíalo con Intro o cámbialo antes. Las estadísticas marcan las partidas en las que usaste una pista.</translation>
    </message>
    <message>
        <source>resume the unfinished match</source>
        <translation>reanudar la partida sin terminar</translation>
    </message>
    <message>
        <source>Mac&apos;s pieces lie face down at the top of the board, red; yours stand face up at the bottom, white. The small red card heads Mac&apos;s guesses on the left, the white card yours on the right.</source>
        <translation>Las fichas de Mac están boca abajo arriba del tablero, rojas; las tuyas, boca arriba abajo, blancas. La pequeña carta roja encabeza los intentos de Mac a la izquierda; la blanca, los tuyos a la derecha.</translation>
    </message>
    <message>
        <source>A filled dot marks the hits (right digit in the right place), a ring the blows (right digit in the wrong place): above each list of guesses and above the two count boxes.</source>
        <translation>Un punto relleno marca los hits (dígito correcto en el lugar correcto) y un anillo los blows (dígito correcto en el lugar equivocado): encima de cada lista de intentos y de las dos casillas de recuento.</translation>
    </message>
    <message>
        <source>While you choose your number, Backspace or Delete takes back the last piece chosen, and a click on a chosen piece takes back that one.</source>
        <translation>Mientras eliges tu número, Retroceso o Suprimir retira la última ficha elegida, y un clic en una ficha elegida retira esa.</translation>
    </message>
    <message>
        <source>erase the digit at the typing position; while choosing your number, take back the last piece chosen</source>
        <translation>borrar el dígito en la posición de escritura; al elegir tu número, retirar la última ficha elegida</translation>
    </message>
    <message>
        <source>show or hide the notepad</source>
        <translation>mostrar u ocultar el bloc de notas</translation>
    </message>
    <message>
        <source>how to play</source>
        <translation>cómo se juega</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>El tablero</translation>
    </message>
    <message>
        <source>Once a match is decided, Review in the bar, Game &gt; Review Last Match or a double-click on a match in the statistics shows each of your guesses: how many numbers Mac&apos;s number could be before it and after its score, the guesses you could expect to need from there counting it, the Expert&apos;s guess from the same position with its own expected number, a verdict, and your skill and luck.</source>
        <translation>Cuando una partida se decide, Revisión en la barra, Partida &gt; Revisar la última partida o un doble clic en una partida de las estadísticas muestran cada uno de tus intentos: cuántos números podía ser el de Mac antes de él y tras su puntuación, los intentos que cabía esperar necesitar desde ahí contándolo, el intento del Experto desde la misma posición con su propio número esperado, un veredicto, y tu habilidad y tu suerte.</translation>
    </message>
    <message>
        <source>Best play is exact while at most 64 numbers are possible, and the Expert&apos;s guess above that. Skill is 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points. Luck compares the numbers your score left with those the other scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of the guesses&apos; skill, luck the mean luck of the guesses whose scores could have left different numbers.</source>
        <translation>La mejor jugada es el óptimo exacto mientras haya como mucho 64 números posibles, y el intento del Experto por encima. La habilidad es 99 cuando tu intento no necesita de media más intentos que la mejor jugada; cada intento perdido de media cuesta 99 puntos. La suerte compara los números que dejó tu puntuación con los que podían dejar las demás: 99 para los menos, 0 para los más. En la partida, la habilidad es la media de la de sus intentos, y la suerte la media de la de los intentos cuyas puntuaciones podían dejar cantidades distintas.</translation>
    </message>
    <message>
        <source>Copy Result puts your result on the clipboard without giving your numbers away: one line per guess, a filled dot for each hit, a ring for each blow, a middle dot for neither.</source>
        <translation>Copiar resultado pone tu resultado en el portapapeles sin desvelar tus números: una línea por intento, un punto relleno por hit, un círculo por blow y un punto medio si no hay ninguno.</translation>
    </message>
    <message>
        <source>review the last match</source>
        <translation>revisar la última partida</translation>
    </message>
    <message>
        <source>Reviewing a match</source>
        <translation>Revisar una partida</translation>
    </message>
    <message>
        <source>View &gt; Notepad opens a page for your deductions beside the board: a click on a cell marks the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a click on a digit crosses it out of the number. On the page, the arrow keys move, Space marks, X crosses out the row&apos;s digit, Esc goes back to the board and digits go to your guess.</source>
        <translation>Ver &gt; Bloc de notas abre junto al tablero una página para tus deducciones: un clic en una casilla marca el dígito con ✗ (no en ese lugar), un segundo con ● (en ese lugar), un tercero la borra; un clic en un dígito lo tacha del número. En la página, las flechas mueven, Espacio marca, X tacha el dígito de la fila, Esc vuelve al tablero y los dígitos van a tu intento.</translation>
    </message>
    <message>
        <source>A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume Match in the bar goes on with it at the turn it was in. Two games each keep their own, and Resume Match lists them when several wait.</source>
        <translation>Una partida que dejas sin terminar, al salir o de otro modo, se guarda: en el siguiente inicio, Reanudar partida en la barra la continúa en el turno en que estaba. Dos juegos guardan cada uno la suya, y Reanudar partida las muestra en una lista cuando esperan varias.</translation>
    </message>
    <message>
        <source>duel: two players at this computer</source>
        <translation>duelo: dos jugadores en este ordenador</translation>
    </message>
    <message>
        <source>duel across the network</source>
        <translation>duelo por la red</translation>
    </message>
</context>
<context>
    <name>KeptMatchChooser</name>
    <message>
        <source>Resume Match</source>
        <translation>Reanudar partida</translation>
    </message>
    <message>
        <source>&amp;Unfinished matches, the newest first:</source>
        <translation>Partidas sin &amp;terminar, la más reciente primero:</translation>
    </message>
    <message>
        <source>Unfinished matches</source>
        <translation>Partidas sin terminar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>%1 · guess %2 · %3</source>
        <translation>%1 · intento %2 · %3</translation>
    </message>
    <message>
        <source>%1 · round %2 · %3</source>
        <translation>%1 · ronda %2 · %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Partida &amp;nueva</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>&amp;About Hit &amp;&amp; Blow</source>
        <translation>&amp;Acerca de Hit &amp;&amp; Blow</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message>
        <source>Number &amp;Pad</source>
        <translation>&amp;Teclado numérico</translation>
    </message>
    <message>
        <source>&amp;Resume Match</source>
        <translation>&amp;Reanudar partida</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>&amp;Bloc de notas</translation>
    </message>
    <message>
        <source>Re&amp;view Last Match…</source>
        <translation>Re&amp;visar la última partida…</translation>
    </message>
    <message>
        <source>Statistics Lost</source>
        <translation>Estadísticas perdidas</translation>
    </message>
    <message>
        <source>&amp;Daily Puzzle</source>
        <translation>&amp;Desafío diario</translation>
    </message>
    <message>
        <source>Pr&amp;actice Puzzle…</source>
        <translation>Desafío de pr&amp;áctica…</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <translation>&amp;Copiar resultado diario</translation>
    </message>
    <message>
        <source>D&amp;uel…</source>
        <translation>D&amp;uelo…</translation>
    </message>
    <message>
        <source>Duel Across the Ne&amp;twork…</source>
        <translation>Duelo por la &amp;red…</translation>
    </message>
</context>
<context>
    <name>MatchAssistant</name>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Abandon the current match?</source>
        <translation>¿Abandonar la partida en curso?</translation>
    </message>
    <message>
        <source>It will count as abandoned in the statistics.</source>
        <translation>Contará como abandonada en las estadísticas.</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Abandon the unfinished match?</source>
        <translation>¿Abandonar la partida sin terminar?</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>The hint is for your own guesses: ask again on your turn.</source>
        <translation>La pista es para tus propios intentos: pídela de nuevo en tu turno.</translation>
    </message>
    <message>
        <source>The daily puzzles begin on %1.</source>
        <translation>Los desafíos diarios empiezan el %1.</translation>
    </message>
    <message>
        <source>Today&apos;s puzzle is played: %1 copies its result.</source>
        <translation>El desafío de hoy ya está jugado: %1 copia su resultado.</translation>
    </message>
    <message>
        <source>There is no earlier puzzle to practise yet.</source>
        <translation>Todavía no hay un desafío anterior para practicar.</translation>
    </message>
    <message>
        <source>Practice Puzzle</source>
        <translation>Desafío de práctica</translation>
    </message>
    <message>
        <source>An earlier puzzle to play for practice, 1 to %1. It never counts in the daily streak.</source>
        <translation>Un desafío anterior para practicar, del 1 al %1. Nunca cuenta en la racha diaria.</translation>
    </message>
    <message>
        <source>Only a daily puzzle that has ended has a result to copy.</source>
        <translation>Solo un desafío diario terminado tiene un resultado para copiar.</translation>
    </message>
    <message>
        <source>The result of puzzle #%1 is copied, without its digits.</source>
        <translation>El resultado del desafío n.º %1 está copiado, sin sus cifras.</translation>
    </message>
    <message>
        <source>That match could not be taken up: another game went on with it, or the statistics are busy.</source>
        <translation>No se pudo reanudar esa partida: otro juego la ha continuado o las estadísticas están ocupadas.</translation>
    </message>
</context>
<context>
    <name>MatchNotes</name>
    <message>
        <source>Mac found %1 at its first guess</source>
        <translation>Mac encontró %1 en el primer intento</translation>
    </message>
    <message>
        <source>Mac found %1 in %2 guesses</source>
        <translation>Mac encontró %1 en %2 intentos</translation>
    </message>
    <message>
        <source>You found %1 at your first guess</source>
        <translation>Encontraste %1 en el primer intento</translation>
    </message>
    <message>
        <source>You found %1 in %2 guesses</source>
        <translation>Encontraste %1 en %2 intentos</translation>
    </message>
    <message>
        <source>Both numbers found in round %1</source>
        <translation>Ambos números encontrados en la ronda %1</translation>
    </message>
    <message>
        <source>Neither number found in %1 guesses</source>
        <translation>Ningún número encontrado en %1 intentos</translation>
    </message>
    <message>
        <source>You already tried %1.</source>
        <translation>Ya probaste %1.</translation>
    </message>
    <message>
        <source>%1 could not be Mac&apos;s number: it does not fit your earlier scores.</source>
        <translation>%1 no podía ser el número de Mac: no encaja con tus resultados anteriores.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be Mac&apos;s number, but splits the rest best.</source>
        <translation>%1 no puede ser el número de Mac, pero es el que mejor divide los restantes.</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Play Again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Ronda %1 de %2</translation>
    </message>
    <message>
        <source>Possibilities for Mac&apos;s number: %1</source>
        <translation>Números posibles para Mac: %1</translation>
    </message>
    <message>
        <source>Resume Match</source>
        <translation>Reanudar partida</translation>
    </message>
    <message>
        <source>Game &gt; New Game (%1) starts a match</source>
        <translation>Partida &gt; Partida nueva (%1) empieza una partida</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Press Return or click the board to start a match</source>
        <translation>Pulsa Intro o haz clic en el tablero para empezar una partida</translation>
    </message>
    <message>
        <source>Your unfinished match waits: Game &gt; Resume Match (%1)</source>
        <translation>Tu partida sin terminar espera: Partida &gt; Reanudar partida (%1)</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message numerus="yes">
        <source>%1 solved in %n guess(es).</source>
        <translation>
            <numerusform>%1 resuelto en %n intento.</numerusform>
            <numerusform>%1 resuelto en %n intentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not solved: the number was %2.</source>
        <translation>%1 sin resolver: el número era %2.</translation>
    </message>
    <message>
        <source>Guess %1 of %2</source>
        <translation>Intento %1 de %2</translation>
    </message>
    <message>
        <source>Secrets still possible: %1</source>
        <translation>Números aún posibles: %1</translation>
    </message>
    <message>
        <source>%1 unfinished matches wait: Game &gt; Resume Match (%2)</source>
        <translation>%1 partidas sin terminar esperan: Partida &gt; Reanudar partida (%2)</translation>
    </message>
</context>
<context>
    <name>NetworkDuel</name>
    <message>
        <source>You left the duel.</source>
        <translation>Has dejado el duelo.</translation>
    </message>
</context>
<context>
    <name>NetworkDuelDialog</name>
    <message>
        <source>Duel Across the Network</source>
        <translation>Duelo por la red</translation>
    </message>
</context>
<context>
    <name>NetworkDuelPanel</name>
    <message>
        <source>Duel across the network</source>
        <translation>Duelo por la red</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Your hidden number</source>
        <translation>Tu número escondido</translation>
    </message>
    <message>
        <source>Four different digits; left empty, a random number is hidden for you.</source>
        <translation>Cuatro cifras distintas; si lo dejas vacío, se esconde un número al azar por ti.</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>Your hidden n&amp;umber:</source>
        <translation>Tu n&amp;úmero escondido:</translation>
    </message>
    <message>
        <source>&amp;Host a duel</source>
        <translation>&amp;Organizar un duelo</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>Games found on the network</source>
        <translation>Partidas encontradas en la red</translation>
    </message>
    <message>
        <source>192.168.1.5:47615</source>
        <translation>192.168.1.5:47615</translation>
    </message>
    <message>
        <source>Host&apos;s address and port</source>
        <translation>Dirección y puerto del anfitrión</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>&amp;Games found:</source>
        <translation>&amp;Partidas encontradas:</translation>
    </message>
    <message>
        <source>Or an &amp;address:</source>
        <translation>O una &amp;dirección:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed (%1); type the host&apos;s address.</source>
        <translation>No se pueden listar las partidas de la red (%1); escribe la dirección del anfitrión.</translation>
    </message>
    <message>
        <source>Your hidden number must be four different digits, or left empty for a random one.</source>
        <translation>Tu número escondido debe tener cuatro cifras distintas, o quedar vacío para uno al azar.</translation>
    </message>
    <message>
        <source>You stopped hosting.</source>
        <translation>Has dejado de organizar.</translation>
    </message>
    <message>
        <source>You cannot host here: %1</source>
        <translation>No puedes organizar aquí: %1</translation>
    </message>
    <message>
        <source>A player joined; tossing a coin for who guesses first…</source>
        <translation>Se ha unido un jugador; se lanza una moneda para ver quién prueba primero…</translation>
    </message>
    <message>
        <source>Stop &amp;hosting</source>
        <translation>Dejar de &amp;organizar</translation>
    </message>
    <message>
        <source>Waiting for a player… port %1
Tell the other player: %2</source>
        <translation>Esperando a un jugador… puerto %1
Dile al otro jugador: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as in 192.168.1.5:47615.</source>
        <translation>Escribe la dirección y el puerto del anfitrión, como 192.168.1.5:47615.</translation>
    </message>
    <message>
        <source>Choose a game found on the network, or type the host&apos;s address and port.</source>
        <translation>Elige una partida encontrada en la red o escribe la dirección y el puerto del anfitrión.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>Conectando con %1:%2…</translation>
    </message>
    <message>
        <source>The duel with %1 has begun.</source>
        <translation>El duelo con %1 ha empezado.</translation>
    </message>
    <message>
        <source>The duel could not begin: %1</source>
        <translation>El duelo no pudo empezar: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Aún no se ha encontrado ninguna partida.</translation>
    </message>
</context>
<context>
    <name>NotepadDock</name>
    <message>
        <source>Notepad shown</source>
        <translation>Bloc de notas visible</translation>
    </message>
    <message>
        <source>Notepad hidden</source>
        <translation>Bloc de notas oculto</translation>
    </message>
</context>
<context>
    <name>NotepadPanel</name>
    <message>
        <source>Notepad</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Your notes on Mac&apos;s number: click a cell for ✗ (not here), again for ● (here), again to clear it; click a digit when it is not in the number.</source>
        <translation>Tus notas sobre el número de Mac: un clic en una casilla pone ✗ (aquí no), otro ● (aquí) y otro la borra; haz clic en un dígito que no esté en el número.</translation>
    </message>
    <message>
        <source>Place %1 of Mac&apos;s number, from the left</source>
        <translation>Posición %1 del número de Mac, desde la izquierda</translation>
    </message>
    <message>
        <source>%1: not in the number</source>
        <translation>%1: no está en el número</translation>
    </message>
    <message>
        <source>%1: may be in the number</source>
        <translation>%1: puede estar en el número</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aquí</translation>
    </message>
    <message>
        <source>not here</source>
        <translation>aquí no</translation>
    </message>
    <message>
        <source>no mark</source>
        <translation>sin marca</translation>
    </message>
    <message>
        <source>%1 in place %2: %3</source>
        <translation>%1 en la posición %2: %3</translation>
    </message>
    <message>
        <source>✗ not here, ● here; a crossed-out digit is not in the number. Space marks a cell, X crosses out its digit, Esc goes back to the board; digits go to your guess.</source>
        <translation>✗ aquí no, ● aquí; un dígito tachado no está en el número. Espacio marca una casilla, X tacha su dígito, Esc vuelve al tablero; los dígitos van a tu intento.</translation>
    </message>
</context>
<context>
    <name>NumberPad</name>
    <message>
        <source>Number pad</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Same as the %1 key</source>
        <translation>Igual que la tecla %1</translation>
    </message>
</context>
<context>
    <name>NumberPadPanel</name>
    <message>
        <source>Number pad shown</source>
        <translation>Teclado numérico visible</translation>
    </message>
    <message>
        <source>Number pad hidden</source>
        <translation>Teclado numérico oculto</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Strength of Mac:</source>
        <translation>&amp;Fuerza de Mac:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Mac&apos;s remaining candidates</source>
        <translation>Candidatos restantes de Mac</translation>
    </message>
    <message>
        <source>&amp;Hide the count</source>
        <translation>&amp;Ocultar el recuento</translation>
    </message>
    <message>
        <source>Sho&amp;w the count</source>
        <translation>&amp;Mostrar el recuento</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivados</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>Acti&amp;vados</translation>
    </message>
    <message>
        <source>Hits and blows of Mac&apos;s guesses</source>
        <translation>Hits y blows de los intentos de Mac</translation>
    </message>
    <message>
        <source>Che&amp;ck the counts I type</source>
        <translation>&amp;Comprobar los recuentos que escribo</translation>
    </message>
    <message>
        <source>&amp;Rhythm:</source>
        <translation>&amp;Ritmo:</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>Ayuda durante la partida</translation>
    </message>
    <message>
        <source>Show my remaining &amp;possibilities</source>
        <translation>Mostrar mis &amp;posibilidades restantes</translation>
    </message>
    <message>
        <source>As&amp;k before abandoning a match</source>
        <translation>Preguntar antes de a&amp;bandonar una partida</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Fill in the true counts &amp;automatically</source>
        <translation>Escribir &amp;automáticamente los recuentos correctos</translation>
    </message>
    <message>
        <source>Every guess must fit all the scores so far</source>
        <translation>Cada intento debe encajar con todos los resultados anteriores</translation>
    </message>
    <message>
        <source>Har&amp;d mode: every guess fits the scores so far</source>
        <translation>Mo&amp;do difícil: cada intento encaja con los resultados anteriores</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a symbolic link to nothing</source>
        <translation>un enlace simbólico a nada</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>una FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>won in %1</source>
        <translation>ganada en %1</translation>
    </message>
    <message>
        <source>lost after %1</source>
        <translation>perdida tras %1</translation>
    </message>
    <message>
        <source>draw after %1</source>
        <translation>empate tras %1</translation>
    </message>
    <message>
        <source>abandoned after %1</source>
        <translation>abandonada tras %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Intento</translation>
    </message>
    <message>
        <source>Hits / Blows</source>
        <translation>Hits / Blows</translation>
    </message>
    <message>
        <source>Possibilities</source>
        <translation>Posibilidades</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Expert&apos;s guess</source>
        <translation>Intento del Experto</translation>
    </message>
    <message>
        <source>Its expected</source>
        <translation>Su esperado</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Reviewing guess %1 of %2…</source>
        <translation>Revisando el intento %1 de %2…</translation>
    </message>
    <message>
        <source>This match cannot be reviewed: its guesses and scores do not fit together.</source>
        <translation>Esta partida no se puede revisar: sus intentos y puntuaciones no encajan.</translation>
    </message>
    <message>
        <source>The match: skill %1, luck %2</source>
        <translation>La partida: habilidad %1, suerte %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>el mejor</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bueno</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>costoso</translation>
    </message>
    <message>
        <source>told nothing new</source>
        <translation>no aportó nada nuevo</translation>
    </message>
    <message>
        <source>could not be the secret; one that could would have done as well</source>
        <translation>no podía ser el secreto; uno posible habría servido igual</translation>
    </message>
    <message>
        <source>skill %1</source>
        <translation>habilidad %1</translation>
    </message>
    <message>
        <source>luck %1</source>
        <translation>suerte %1</translation>
    </message>
    <message>
        <source>Possibilities left after each guess</source>
        <translation>Posibilidades restantes tras cada intento</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Los tuyos</translation>
    </message>
    <message>
        <source>Expert&apos;s guess, on average</source>
        <translation>Intento del Experto, de media</translation>
    </message>
    <message>
        <source>Mac&apos;s number: %1</source>
        <translation>Número de Mac: %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores. It is not Mac&apos;s play.</source>
        <translation>El intento del Experto es el que hace el mejor juego desde tu propia posición: tras tus intentos anteriores y sus puntuaciones. No es el juego de Mac.</translation>
    </message>
    <message>
        <source>Your guess; &quot;(hint)&quot; marks one the hint gave.</source>
        <translation>Su intento; «(pista)» marca uno que dio la pista.</translation>
    </message>
    <message>
        <source>Its score: hits (right digit in the right place) and blows (right digit in the wrong place).</source>
        <translation>Su puntuación: hits (dígito correcto en el lugar correcto) y blows (dígito correcto en el lugar equivocado).</translation>
    </message>
    <message>
        <source>How many numbers Mac&apos;s number could be before this guess and after its score.</source>
        <translation>Cuántos números podía ser el número de Mac antes de este intento y después de su puntuación.</translation>
    </message>
    <message>
        <source>E: the guesses you could expect to need from here, counting this one, playing best after it.</source>
        <translation>E: los intentos que podía esperar necesitar desde aquí, contando este, jugando lo mejor después.</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess from your own position, after your earlier guesses and their scores.</source>
        <translation>El intento del Experto desde tu propia posición, tras tus intentos anteriores y sus puntuaciones.</translation>
    </message>
    <message>
        <source>Best: the guesses to expect from here with the Expert&apos;s guess, counting it.</source>
        <translation>Mejor: los intentos que cabe esperar desde aquí con el intento del Experto, contándolo.</translation>
    </message>
    <message>
        <source>What your guess was worth beside best play.</source>
        <translation>Lo que valió tu intento frente al mejor juego.</translation>
    </message>
    <message>
        <source>Skill: 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points.</source>
        <translation>Habilidad: 99 cuando tu intento no necesita más intentos de media que el mejor juego; cada intento perdido de media cuesta 99 puntos.</translation>
    </message>
    <message>
        <source>Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; &quot;–&quot; when every score would have left as many, so luck played no part.</source>
        <translation>Suerte: 99 cuando tu puntuación dejó los menos números que las puntuaciones podían dejar, 0 los más; «–» cuando cada puntuación habría dejado los mismos, así que la suerte no contó.</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses</source>
        <translation>Intentos de Mac</translation>
    </message>
    <message>
        <source>(hint)</source>
        <translation>(pista)</translation>
    </message>
    <message>
        <source>hints taken: %1</source>
        <translation>pistas usadas: %1</translation>
    </message>
    <message>
        <source>hint taken</source>
        <translation>pista usada</translation>
    </message>
    <message>
        <source>The result is on the clipboard, without your numbers.</source>
        <translation>El resultado está en el portapapeles, sin tus números.</translation>
    </message>
    <message>
        <source>Verdict on %1: %2</source>
        <translation>Veredicto sobre %1: %2</translation>
    </message>
    <message>
        <source>Secret: %1</source>
        <translation>Secreto: %1</translation>
    </message>
    <message>
        <source>%1&apos;s scores were false</source>
        <translation>Los resultados de %1 eran falsos</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>Número de %1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s guesses</source>
        <translation>Intentos de %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores.</source>
        <translation>El intento del Experto es el que hace el mejor juego desde tu propia posición: tras tus intentos anteriores y sus puntuaciones.</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Won</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Derrota</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandono</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Average guesses in wins</source>
        <translation>Media de intentos por victoria</translation>
    </message>
    <message>
        <source>Fewest guesses in a win</source>
        <translation>Menos intentos en una victoria</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Racha de victorias actual</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>Mejor racha de victorias</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Guesses that decided each match</source>
        <translation>Intentos que decidieron cada partida</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>The chart cannot be shown: a part of the game is missing.</source>
        <translation>No se puede mostrar el gráfico: falta un componente del juego.</translation>
    </message>
    <message>
        <source>Latest matches</source>
        <translation>Últimas partidas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>&amp;Reset…</source>
        <translation>&amp;Restablecer…</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Restablecer estadísticas</translation>
    </message>
    <message>
        <source>Forget every match recorded at every strength?</source>
        <translation>¿Olvidar todas las partidas registradas, en todas las fuerzas?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s caption before its value; languages differ in the colon and the space before it.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>All strengths</source>
        <translation>Todos los niveles</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>%1 of the entries in the old statistics file could not be imported; they are kept in %2.</source>
        <translation>%1 de las entradas del archivo de estadísticas antiguo no se han podido importar; se conservan en %2.</translation>
    </message>
    <message>
        <source>The old statistics file could not be imported (%1); it is left as it is.</source>
        <translation>No se ha podido importar el archivo de estadísticas antiguo (%1); se deja tal como está.</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>Exportar estadísticas</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>The statistics could not be exported: %1</source>
        <translation>No se han podido exportar las estadísticas: %1</translation>
    </message>
    <message>
        <source>Double-click or press Return to review this match</source>
        <translation>Haz doble clic o pulsa Intro para revisar esta partida</translation>
    </message>
    <message>
        <source>%1: won %2, lost %3, drawn %4, abandoned %5</source>
        <translation>%1: ganadas %2, perdidas %3, empates %4, abandonadas %5</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Waiting for the statistics: another program is using them…</source>
        <translation>Esperando las estadísticas: otro programa las está usando…</translation>
    </message>
    <message numerus="yes">
        <source>%n stored match holds values this version does not know; it is left out of the figures and kept in the file.</source>
        <translation>
            <numerusform>%n partida guardada tiene valores que esta versión no conoce; queda fuera de las cifras y se conserva en el archivo.</numerusform>
            <numerusform>%n partidas guardadas tienen valores que esta versión no conoce; quedan fuera de las cifras y se conservan en el archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>Desafíos diarios</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>Diario n.º %1</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>Práctica n.º %1</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>&amp;Partidas:</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>Fila %1 de %2: %3</translation>
    </message>
    <message>
        <source>Duel with %1 over the network</source>
        <translation>Duelo con %1 por la red</translation>
    </message>
    <message>
        <source>Duel with %1</source>
        <translation>Duelo con %1</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>disk full</source>
        <translation>disco lleno</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>another game keeps the statistics busy</source>
        <translation>otra partida mantiene ocupadas las estadísticas</translation>
    </message>
    <message>
        <source>%1 is not a statistics database; it is left as it is</source>
        <translation>%1 no es una base de datos de estadísticas; se deja tal como está</translation>
    </message>
    <message>
        <source>Statistics could not be saved: %1</source>
        <translation>No se han podido guardar las estadísticas: %1</translation>
    </message>
    <message>
        <source>Statistics kept only until the game quits: no folder to keep them in</source>
        <translation>Estadísticas guardadas solo hasta salir del juego: no hay carpeta donde guardarlas</translation>
    </message>
    <message>
        <source>The old statistics file could not be read. It was kept as %1.</source>
        <translation>No se pudo leer el archivo de estadísticas antiguo. Se guardó como %1.</translation>
    </message>
    <message>
        <source>The statistics database was damaged. It was kept as %1, and a new one was begun</source>
        <translation>La base de datos de estadísticas estaba dañada. Se guardó como %1 y se empezó una nueva</translation>
    </message>
    <message numerus="yes">
        <source> with the matches that could still be read (%n)</source>
        <translation>
            <numerusform> con la partida que aún se podía leer (%n)</numerusform>
            <numerusform> con las partidas que aún se podían leer (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches that could not be read: %n.</source>
        <translation>
            <numerusform>Partidas que no se pudieron leer: %n.</numerusform>
            <numerusform>Partidas que no se pudieron leer: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some matches could not be read.</source>
        <translation>Algunas partidas no se pudieron leer.</translation>
    </message>
    <message>
        <source>The matches waiting to be saved could not be read. They were kept as %1.</source>
        <translation>No se pudieron leer las partidas que esperaban a guardarse. Se guardaron como %1.</translation>
    </message>
    <message numerus="yes">
        <source>Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).</source>
        <translation>
            <numerusform>Partidas perdidas: %n. No se pudieron guardar ni en las estadísticas ni en %1 (%2).</numerusform>
            <numerusform>Partidas perdidas: %n. No se pudieron guardar ni en las estadísticas ni en %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The statistics could not be read: %1</source>
        <translation>No se pudieron leer las estadísticas: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>%1 no se puede leer; se deja como está</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; it is left as it is</source>
        <translation>%1 es la base de datos de otro programa; se deja como está</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game; it is left as it is</source>
        <translation>%1 lo escribió una versión más nueva del juego; se deja como está</translation>
    </message>
    <message>
        <source>a journal file beside %1 is not a regular file; the database is left as it is</source>
        <translation>un archivo de diario junto a %1 no es un archivo normal; la base de datos se deja como está</translation>
    </message>
</context>
<context>
    <name>StrengthDescription</name>
    <message>
        <source>Mac only counts how many of its digits each score shares.</source>
        <translation>Mac solo cuenta cuántas de sus cifras comparte cada resultado.</translation>
    </message>
    <message>
        <source>Mac keeps only the numbers that give each score exactly.</source>
        <translation>Mac solo conserva los números que dan exactamente cada resultado.</translation>
    </message>
    <message>
        <source>Mac also weighs each score against its earlier ones.</source>
        <translation>Mac también compara cada resultado con los anteriores.</translation>
    </message>
    <message>
        <source>Mac plans every guess ahead and needs at most seven guesses.</source>
        <translation>Mac planea cada intento de antemano y acierta en siete intentos como mucho.</translation>
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
        <translation>Preferencias no guardadas: no hay carpeta donde guardarlas</translation>
    </message>
    <message>
        <source>Settings not saved: %1 is %2</source>
        <translation>Preferencias no guardadas: %1 es %2</translation>
    </message>
</context>
</TS>
