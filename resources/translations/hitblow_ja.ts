<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Hit &amp; Blow</source>
        <translation>Hit &amp; Blow について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Guess the computer&apos;s four-digit number before it guesses yours.</source>
        <translation>コンピューターにあなたの数を当てられる前に、コンピューターの4桁の数を当てましょう。</translation>
    </message>
    <message>
        <source>Copyright © the Hit &amp; Blow developers.</source>
        <translation>Copyright © Hit &amp; Blow 開発者</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書のバージョン 3、または(あなたの選択により)それ以降のバージョン(GPL-3.0-or-later)の条件のもとで再配布・改変できます。このプログラムはまったくの無保証です。</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>New match. Choose your number: four different digits.</source>
        <translation>新しい対戦です。あなたの数を選んでください: 異なる 4 つの数字です。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a score as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: type its hits, then its blows.</source>
        <translation>ラウンド %1。Mac の予想は %2: ヒット、ブローの順に入力してください。</translation>
    </message>
    <message>
        <source>Your turn: type your guess, four different digits.</source>
        <translation>あなたの番です: 予想を入力してください。異なる 4 つの数字です。</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.</source>
        <translation>ラウンド %1。Mac の予想は %2: 判定は入力済みです（%3）。Return キーで確定します。</translation>
    </message>
    <message>
        <source>Daily puzzle #%1.</source>
        <translation>デイリーパズル #%1。</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>blank</source>
        <translation>空き</translation>
    </message>
    <message numerus="yes">
        <source>%n hit</source>
        <translation>
            <numerusform>%n ヒット</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n ヒット</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blow</source>
        <translation>
            <numerusform>%n ブロー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blows</source>
        <translation>
            <numerusform>%n ブロー</numerusform>
        </translation>
    </message>
    <message>
        <source>Your number: %1</source>
        <translation>あなたの数: %1</translation>
    </message>
    <message>
        <source>Mac guesses %1.</source>
        <translation>Mac の予想は %1。</translation>
    </message>
    <message>
        <source>Hits and blows typed: %1; typing position %2 of 2</source>
        <translation>入力したヒットとブロー: %1、入力位置 %2/2</translation>
    </message>
    <message>
        <source>Your guess: %1; typing position %2 of 4</source>
        <translation>あなたの予想: %1、入力位置 %2/4</translation>
    </message>
    <message>
        <source>Mac&apos;s guess %1: you scored %2, %3</source>
        <translation>Mac の予想 %1: あなたの判定は %2、%3</translation>
    </message>
    <message>
        <source>Your guess %1: %2, %3</source>
        <translation>あなたの予想 %1: %2、%3</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses: none yet</source>
        <translation>Mac の予想: まだありません</translation>
    </message>
    <message>
        <source>Your guesses: none yet</source>
        <translation>あなたの予想: まだありません</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses:</source>
        <translation>Mac の予想:</translation>
    </message>
    <message>
        <source>Your guesses:</source>
        <translation>あなたの予想:</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4</source>
        <translation>%1. %2: %3、%4</translation>
    </message>
    <message>
        <source>%1. Mac&apos;s number was %2.</source>
        <translation>%1。Mac の数は %2 でした。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the result as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>ヒット: %1</translation>
    </message>
    <message>
        <source>Blows: %1</source>
        <translation>ブロー: %1</translation>
    </message>
    <message>
        <source>Position %1 of 4: %2</source>
        <translation>4 桁中 %1 桁目：%2</translation>
    </message>
    <message>
        <source>%1. The puzzle&apos;s secret was %2.</source>
        <translation>%1。パズルの答えは %2 でした。</translation>
    </message>
</context>
<context>
    <name>DuelCurtain</name>
    <message>
        <source>Pass to %1</source>
        <translation>%1 さんに交代</translation>
    </message>
    <message>
        <source>%1: press any key or click here to go on.</source>
        <translation>%1 さん：キーを押すか、ここをクリックして続けてください。</translation>
    </message>
</context>
<context>
    <name>DuelNumberEntry</name>
    <message>
        <source>Number typed</source>
        <translation>入力した数</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type four different digits.</source>
        <translation>異なる4つの数字を入力してください。</translation>
    </message>
</context>
<context>
    <name>DuelWindow</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>二人対戦</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>%1 さんの数：%2</translation>
    </message>
    <message>
        <source>%1 hid %2</source>
        <translation>%1 さんが隠した数：%2</translation>
    </message>
    <message>
        <source>%1.  %2   %3, %4</source>
        <translation>%1.  %2   %3、%4</translation>
    </message>
    <message>
        <source>Waiting for the duel to start…</source>
        <translation>二人対戦の開始を待っています…</translation>
    </message>
    <message>
        <source>%1, your guess</source>
        <translation>%1 さんの番です</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>%1 さんを待っています…</translation>
    </message>
    <message>
        <source>Give Up the Duel</source>
        <translation>二人対戦を投了</translation>
    </message>
    <message>
        <source>Give up the duel? It ends here, given up by %1.</source>
        <translation>二人対戦を投了しますか？ %1 さんの投了でここで終わります。</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 さんの勝ち</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>The scores of %1 were false</source>
        <translation>%1 さんの判定は偽りでした</translation>
    </message>
    <message>
        <source>%1 left the duel</source>
        <translation>%1 さんが二人対戦を抜けました</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1：%2、%3、%4</translation>
    </message>
</context>
<context>
    <name>GameBoardView</name>
    <message>
        <source>A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.</source>
        <translation>予想は異なる 4 つの数字です。%1 では %2 が重複しています。入力していない桁は 0 になります。</translation>
    </message>
    <message>
        <source>You typed hits: %1, blows: %2, for Mac&apos;s guess %3. Your number is %4.</source>
        <translation>Mac の予想 %3 に対して入力したのは ヒット: %1、ブロー: %2 です。あなたの数は %4 です。</translation>
    </message>
    <message>
        <source>Hits: the right digit in the right place</source>
        <translation>ヒット：数字も位置も正しい</translation>
    </message>
    <message>
        <source>Blows: the right digit in the wrong place</source>
        <translation>ブロー：数字は正しいが位置が違う</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses at your number, with their hits and blows</source>
        <translation>あなたの数への Mac の予想と、そのヒットとブロー</translation>
    </message>
    <message>
        <source>Your guesses at Mac&apos;s number, with their hits and blows</source>
        <translation>Mac の数へのあなたの予想と、そのヒットとブロー</translation>
    </message>
    <message>
        <source>Mac&apos;s number, face down until the match is decided</source>
        <translation>Mac の数。勝負が決まるまで伏せてあります</translation>
    </message>
    <message>
        <source>Your number: click a chosen piece, or press Backspace, to take it back</source>
        <translation>あなたの数：選んだ駒をクリックするか Backspace を押すと戻せます</translation>
    </message>
    <message>
        <source>Your number, which Mac is guessing</source>
        <translation>あなたの数。Mac が当てようとしています</translation>
    </message>
    <message>
        <source>How many numbers Mac still considers for yours</source>
        <translation>Mac があなたの数としてまだ考えている数の個数</translation>
    </message>
    <message>
        <source>Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have scored hits: %5, blows: %6.</source>
        <translation>ハードモード：%1 はヒット %2、ブロー %3 でした。数が %4 ならヒット %5、ブロー %6 になるはずです。</translation>
    </message>
</context>
<context>
    <name>HitBlow</name>
    <message>
        <source>Your answer is against the rule</source>
        <translation>その答えはルール違反です</translation>
    </message>
    <message>
        <source>Your decision is wrong</source>
        <translation>ヒットとブローの判定が間違っています</translation>
    </message>
    <message>
        <source>© 2026 Hit &amp; Blow developers. Free software under the GPL-3.0-or-later.</source>
        <translation>© 2026 Hit &amp; Blow 開発者。GPL-3.0-or-later のフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>Chose Your Numbers</source>
        <translation>あなたの数を選んでください</translation>
    </message>
    <message>
        <source>It&apos;s Mac&apos;s Turn</source>
        <translation>Mac の番です</translation>
    </message>
    <message>
        <source>Check Hit &amp; Blow</source>
        <translation>ヒットとブローを入力してください</translation>
    </message>
    <message>
        <source>It&apos;s Your Last Chance</source>
        <translation>最後のチャンスです</translation>
    </message>
    <message>
        <source>It&apos;s Your Turn</source>
        <translation>あなたの番です</translation>
    </message>
    <message>
        <source>Result is...</source>
        <translation>結果は…</translation>
    </message>
    <message>
        <source>The Rest Candidates Count</source>
        <translation>残りの候補数</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>あなたの負け</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>練習 #%1</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>デイリー #%1</translation>
    </message>
    <message>
        <source>Your guess does not fit the scores so far</source>
        <translation>その予想はこれまでの結果と合いません</translation>
    </message>
</context>
<context>
    <name>HotSeatSetup</name>
    <message>
        <source>Duel at This Computer</source>
        <translation>このコンピューターで二人対戦</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー %1</translation>
    </message>
    <message>
        <source>Player &amp;%1:</source>
        <translation>プレイヤー %1(&amp;%1):</translation>
    </message>
    <message>
        <source>Player 1 guesses first in each round; Player 2 has the last guess.</source>
        <translation>各ラウンドはプレイヤー1が先に予想し、プレイヤー2が最後に予想します。</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>%1, hide your number: four different digits. %2, please look away.</source>
        <translation>%1 さん、数を隠してください（異なる4つの数字）。%2 さんは見ないでください。</translation>
    </message>
    <message>
        <source>%1 has hidden a number.</source>
        <translation>%1 さんが数を隠しました。</translation>
    </message>
</context>
<context>
    <name>HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>You and Mac each hide a number of four different digits.</source>
        <translation>あなたと Mac は、それぞれ異なる4つの数字でできた数を隠します。</translation>
    </message>
    <message>
        <source>Start a new game and choose your number by clicking four pieces, or by typing four digits.</source>
        <translation>新しいゲームを始めたら、コマを4つクリックするか数字を4つ入力して、自分の数を決めます。</translation>
    </message>
    <message>
        <source>Mac guesses first. Score its guess: type the hits (right digit in the right place) and the blows (right digit in the wrong place), then press Return or click OK.</source>
        <translation>先に Mac が予想します。その予想のヒット(数字も位置も合っている数)とブロー(数字は合っているが位置が違う数)を入力し、Return キーを押すか OK をクリックします。</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>次に Mac の数を予想して入力し、Return キーを押します。盤面にその予想のヒットとブローが表示されます。</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>先に4ヒットを出した方の勝ちです。Mac が先にあなたの数を当てても、そのラウンドの最後の予想はあなたに残っています。そこで4ヒットなら引き分けです。16回予想しても勝負がつかないときも引き分けです。</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0～9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>自分の数を選ぶ、ヒット・ブロー・予想を入力する</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>←、→</translation>
    </message>
    <message>
        <source>move the typing position</source>
        <translation>入力位置を動かす</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Backspace、Delete</translation>
    </message>
    <message>
        <source>Return, Enter</source>
        <translation>Return、Enter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー操作</translation>
    </message>
    <message>
        <source>To play with the mouse alone, show the number pad with View &gt; Number Pad: its buttons act as the keys below.</source>
        <translation>マウスだけで遊ぶには、表示 &gt; 数字パッド で数字パッドを表示します。そのボタンは下のキーと同じように働きます。</translation>
    </message>
    <message>
        <source>show or hide the number pad</source>
        <translation>数字パッドの表示/非表示</translation>
    </message>
    <message>
        <source>The bar under the board shows the round. With &quot;Show my remaining possibilities&quot; in the preferences it also counts the numbers Mac&apos;s number can still be, judged from your own guesses and their scores alone.</source>
        <translation>盤面の下のバーには何ラウンド目かが表示されます。環境設定で「自分の残りの可能性を表示」を選ぶと、あなた自身の予想とその結果だけから見て Mac の数がまだなり得る数の個数も表示されます。</translation>
    </message>
    <message>
        <source>Game &gt; Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned matches, your winning streaks, a chart of the guesses that decided each match and your latest matches.</source>
        <translation>「ゲーム」&gt;「統計」には、Mac の強さごとに勝ち・負け・引き分け・中断した試合の数、連勝記録、勝負が決まった予想回数のグラフ、最近の試合が表示されます。</translation>
    </message>
    <message>
        <source>New Game during a match asks first; a match you give up counts as abandoned. Once a match is over, Play Again in the bar starts the next one.</source>
        <translation>試合中に「新しいゲーム」を選ぶと確認されます。やめた試合は中断として数えられます。試合が終わったら、バーの「もう一度遊ぶ」で次の試合を始められます。</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>試合中の手助け</translation>
    </message>
    <message>
        <source>Game &gt; Hint types the guess Mac would play at Expert strength after your own guesses and their scores. Send it with Return or change it first. The statistics mark a match in which you took a hint.</source>
        <translation>「ゲーム」&gt;「ヒント」は、あなた自身の予想とその結果から、強さ「エキスパート」の Mac が打つ予想を入力します。そのまま Return キーで送るか、変えてから送ります。ヒントを使った試合は統計に記録されます。</translation>
    </message>
    <message>
        <source>resume the unfinished match</source>
        <translation>途中の試合を再開</translation>
    </message>
    <message>
        <source>Mac&apos;s pieces lie face down at the top of the board, red; yours stand face up at the bottom, white. The small red card heads Mac&apos;s guesses on the left, the white card yours on the right.</source>
        <translation>Mac の駒は盤の上に赤い裏面を見せて並び、あなたの駒は盤の下に白い表を見せて並びます。左の小さな赤いカードは Mac の予想の列、右の白いカードはあなたの予想の列の印です。</translation>
    </message>
    <message>
        <source>A filled dot marks the hits (right digit in the right place), a ring the blows (right digit in the wrong place): above each list of guesses and above the two count boxes.</source>
        <translation>塗りつぶした丸はヒット（数字も位置も正しい）、輪はブロー（数字は正しいが位置が違う）を表します。予想の各列の上と、二つの数の枠の上にあります。</translation>
    </message>
    <message>
        <source>While you choose your number, Backspace or Delete takes back the last piece chosen, and a click on a chosen piece takes back that one.</source>
        <translation>自分の数を選んでいる間は、Backspace か Delete で最後に選んだ駒を戻せます。選んだ駒をクリックするとその駒が戻ります。</translation>
    </message>
    <message>
        <source>erase the digit at the typing position; while choosing your number, take back the last piece chosen</source>
        <translation>入力位置の数字を消す。自分の数を選んでいる間は、最後に選んだ駒を戻す</translation>
    </message>
    <message>
        <source>show or hide the notepad</source>
        <translation>メモ帳を表示または非表示</translation>
    </message>
    <message>
        <source>how to play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Once a match is decided, Review in the bar, Game &gt; Review Last Match or a double-click on a match in the statistics shows each of your guesses: how many numbers Mac&apos;s number could be before it and after its score, the guesses you could expect to need from there counting it, the Expert&apos;s guess from the same position with its own expected number, a verdict, and your skill and luck.</source>
        <translation>試合が決着したら、バーの「振り返り」、「ゲーム」&gt;「前の試合を振り返る」、または統計の試合をダブルクリックすると、あなたの予想ごとに次を示します：その前とその結果の後にMacの数が何通りあり得たか、そこから終えるまでに見込まれる手数（その予想を含む）、同じ局面でのエキスパートの予想とその期待手数、評価、そしてあなたの技量と運。</translation>
    </message>
    <message>
        <source>Best play is exact while at most 64 numbers are possible, and the Expert&apos;s guess above that. Skill is 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points. Luck compares the numbers your score left with those the other scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of the guesses&apos; skill, luck the mean luck of the guesses whose scores could have left different numbers.</source>
        <translation>最善手は、候補が64通り以下なら厳密な最適手、それより多ければエキスパートの予想です。技量は、あなたの予想が平均して最善手より多くの手数を要さなければ99で、平均1手失うごとに99点減ります。運は、あなたの結果が残した候補数を、他の結果が残し得た候補数と比べたものです：最も少なければ99、最も多ければ0。試合の技量は各予想の技量の平均、運は結果によって残る数が変わり得た予想の運の平均です。</translation>
    </message>
    <message>
        <source>Copy Result puts your result on the clipboard without giving your numbers away: one line per guess, a filled dot for each hit, a ring for each blow, a middle dot for neither.</source>
        <translation>「結果をコピー」は数を明かさずに結果をクリップボードに入れます：予想ごとに1行、ヒットごとに黒丸、ブローごとに白丸、どちらもなければ中点。</translation>
    </message>
    <message>
        <source>review the last match</source>
        <translation>前の試合を振り返る</translation>
    </message>
    <message>
        <source>Reviewing a match</source>
        <translation>試合の振り返り</translation>
    </message>
    <message>
        <source>View &gt; Notepad opens a page for your deductions beside the board: a click on a cell marks the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a click on a digit crosses it out of the number. On the page, the arrow keys move, Space marks, X crosses out the row&apos;s digit, Esc goes back to the board and digits go to your guess.</source>
        <translation>表示 &gt; メモ帳 で盤の横に推理用のページが開きます。マスをクリックすると数字に ✗（その位置ではない）、もう一度で ●（その位置）、三度目で消えます。数字をクリックすると、その数字を候補から外します。ページでは矢印キーで移動、スペースで印、X で行の数字を外し、Esc で盤に戻ります。数字キーは予想の入力に入ります。</translation>
    </message>
    <message>
        <source>A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume Match in the bar goes on with it at the turn it was in. Two games each keep their own, and Resume Match lists them when several wait.</source>
        <translation>ゲームを終了したときなど、途中で残した試合は保存されます。次に起動したとき、バーの「試合を再開」でその手番から続けられます。2つのゲームはそれぞれ自分の試合を保存し、複数が待っているときは「試合を再開」が一覧を出します。</translation>
    </message>
    <message>
        <source>duel: two players at this computer</source>
        <translation>二人対戦：このコンピューターで2人で</translation>
    </message>
    <message>
        <source>duel across the network</source>
        <translation>ネットワークで二人対戦</translation>
    </message>
</context>
<context>
    <name>KeptMatchChooser</name>
    <message>
        <source>Resume Match</source>
        <translation>試合を再開</translation>
    </message>
    <message>
        <source>&amp;Unfinished matches, the newest first:</source>
        <translation>途中の試合（新しい順）(&amp;U):</translation>
    </message>
    <message>
        <source>Unfinished matches</source>
        <translation>途中の試合</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>%1 · guess %2 · %3</source>
        <translation>%1 · %2 手目 · %3</translation>
    </message>
    <message>
        <source>%1 · round %2 · %3</source>
        <translation>%1 · ラウンド %2 · %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>環境設定(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>遊び方(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Hit &amp;&amp; Blow</source>
        <translation>Hit &amp;&amp; Blow について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Number &amp;Pad</source>
        <translation>数字パッド(&amp;P)</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>ヒント(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>統計(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Resume Match</source>
        <translation>試合を再開(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>メモ帳(&amp;N)</translation>
    </message>
    <message>
        <source>Re&amp;view Last Match…</source>
        <translation>前の試合を振り返る(&amp;V)…</translation>
    </message>
    <message>
        <source>Statistics Lost</source>
        <translation>統計が失われました</translation>
    </message>
    <message>
        <source>&amp;Daily Puzzle</source>
        <translation>デイリーパズル(&amp;D)</translation>
    </message>
    <message>
        <source>Pr&amp;actice Puzzle…</source>
        <translation>練習パズル(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <translation>デイリーの結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;uel…</source>
        <translation>二人対戦(&amp;U)…</translation>
    </message>
    <message>
        <source>Duel Across the Ne&amp;twork…</source>
        <translation>ネットワークで二人対戦(&amp;T)…</translation>
    </message>
</context>
<context>
    <name>MatchAssistant</name>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Abandon the current match?</source>
        <translation>今の試合を中断しますか?</translation>
    </message>
    <message>
        <source>It will count as abandoned in the statistics.</source>
        <translation>統計では中断として数えられます。</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>中断する</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>Abandon the unfinished match?</source>
        <translation>やりかけの試合を中断しますか?</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>ヒント：%1</translation>
    </message>
    <message>
        <source>The hint is for your own guesses: ask again on your turn.</source>
        <translation>ヒントはあなた自身の予想のためのものです。自分の番にもう一度どうぞ。</translation>
    </message>
    <message>
        <source>The daily puzzles begin on %1.</source>
        <translation>デイリーパズルは %1 に始まります。</translation>
    </message>
    <message>
        <source>Today&apos;s puzzle is played: %1 copies its result.</source>
        <translation>今日のパズルはプレイ済みです：%1 で結果をコピーします。</translation>
    </message>
    <message>
        <source>There is no earlier puzzle to practise yet.</source>
        <translation>練習できる過去のパズルはまだありません。</translation>
    </message>
    <message>
        <source>Practice Puzzle</source>
        <translation>練習パズル</translation>
    </message>
    <message>
        <source>An earlier puzzle to play for practice, 1 to %1. It never counts in the daily streak.</source>
        <translation>練習する過去のパズル（1～%1）。連続記録には数えられません。</translation>
    </message>
    <message>
        <source>Only a daily puzzle that has ended has a result to copy.</source>
        <translation>コピーできる結果は、終わったデイリーパズルにだけあります。</translation>
    </message>
    <message>
        <source>The result of puzzle #%1 is copied, without its digits.</source>
        <translation>パズル #%1 の結果を数字なしでコピーしました。</translation>
    </message>
    <message>
        <source>That match could not be taken up: another game went on with it, or the statistics are busy.</source>
        <translation>その試合は再開できませんでした。別のゲームが続けたか、統計が使用中です。</translation>
    </message>
</context>
<context>
    <name>MatchNotes</name>
    <message>
        <source>Mac found %1 at its first guess</source>
        <translation>Mac は最初の予想で %1 を当てました</translation>
    </message>
    <message>
        <source>Mac found %1 in %2 guesses</source>
        <translation>Mac は %2 回の予想で %1 を当てました</translation>
    </message>
    <message>
        <source>You found %1 at your first guess</source>
        <translation>最初の予想で %1 を当てました</translation>
    </message>
    <message>
        <source>You found %1 in %2 guesses</source>
        <translation>%2 回の予想で %1 を当てました</translation>
    </message>
    <message>
        <source>Both numbers found in round %1</source>
        <translation>第 %1 ラウンドで両方の数が当たりました</translation>
    </message>
    <message>
        <source>Neither number found in %1 guesses</source>
        <translation>%1 回の予想でどちらの数も当たりませんでした</translation>
    </message>
    <message>
        <source>You already tried %1.</source>
        <translation>%1 はもう試しました。</translation>
    </message>
    <message>
        <source>%1 could not be Mac&apos;s number: it does not fit your earlier scores.</source>
        <translation>%1 は Mac の数ではありえません。これまでの結果と合いません。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be Mac&apos;s number, but splits the rest best.</source>
        <translation>%1 は Mac の数ではありえませんが、残りを最もよく絞り込みます。</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Play Again</source>
        <translation>もう一度遊ぶ</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>ラウンド %1 / %2</translation>
    </message>
    <message>
        <source>Possibilities for Mac&apos;s number: %1</source>
        <translation>Mac の数の可能性: %1</translation>
    </message>
    <message>
        <source>Resume Match</source>
        <translation>試合を再開</translation>
    </message>
    <message>
        <source>Game &gt; New Game (%1) starts a match</source>
        <translation>ゲーム &gt; 新しいゲーム（%1）で対戦を始めます</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>振り返り</translation>
    </message>
    <message>
        <source>Press Return or click the board to start a match</source>
        <translation>Return キーを押すか盤をクリックすると対戦が始まります</translation>
    </message>
    <message>
        <source>Your unfinished match waits: Game &gt; Resume Match (%1)</source>
        <translation>途中の試合が待っています：ゲーム &gt; 試合を再開（%1）</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>結果をコピー</translation>
    </message>
    <message numerus="yes">
        <source>%1 solved in %n guess(es).</source>
        <translation>
            <numerusform>%1 を %n 回の予想で解きました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not solved: the number was %2.</source>
        <translation>%1 は解けませんでした：数は %2 でした。</translation>
    </message>
    <message>
        <source>Guess %1 of %2</source>
        <translation>予想 %1 / %2</translation>
    </message>
    <message>
        <source>Secrets still possible: %1</source>
        <translation>まだ可能な数：%1</translation>
    </message>
    <message>
        <source>%1 unfinished matches wait: Game &gt; Resume Match (%2)</source>
        <translation>途中の試合が %1 つ待っています：ゲーム &gt; 試合を再開（%2）</translation>
    </message>
</context>
<context>
    <name>NetworkDuel</name>
    <message>
        <source>You left the duel.</source>
        <translation>あなたは二人対戦を抜けました。</translation>
    </message>
</context>
<context>
    <name>NetworkDuelDialog</name>
    <message>
        <source>Duel Across the Network</source>
        <translation>ネットワークで二人対戦</translation>
    </message>
</context>
<context>
    <name>NetworkDuelPanel</name>
    <message>
        <source>Duel across the network</source>
        <translation>ネットワークで二人対戦</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Your hidden number</source>
        <translation>あなたが隠す数</translation>
    </message>
    <message>
        <source>Four different digits; left empty, a random number is hidden for you.</source>
        <translation>異なる4つの数字。空のままにすると、ランダムな数が隠されます。</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>あなたの名前(&amp;N):</translation>
    </message>
    <message>
        <source>Your hidden n&amp;umber:</source>
        <translation>隠す数(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Host a duel</source>
        <translation>二人対戦を開く(&amp;H)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Games found on the network</source>
        <translation>ネットワークで見つかったゲーム</translation>
    </message>
    <message>
        <source>192.168.1.5:47615</source>
        <translation>192.168.1.5:47615</translation>
    </message>
    <message>
        <source>Host&apos;s address and port</source>
        <translation>開いた側のアドレスとポート</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>参加(&amp;J)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>参加</translation>
    </message>
    <message>
        <source>&amp;Games found:</source>
        <translation>見つかったゲーム(&amp;G):</translation>
    </message>
    <message>
        <source>Or an &amp;address:</source>
        <translation>またはアドレス(&amp;A):</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed (%1); type the host&apos;s address.</source>
        <translation>ネットワーク上のゲームを一覧できません（%1）。開いた側のアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Your hidden number must be four different digits, or left empty for a random one.</source>
        <translation>隠す数は異なる4つの数字にするか、ランダムにするなら空のままにしてください。</translation>
    </message>
    <message>
        <source>You stopped hosting.</source>
        <translation>開くのをやめました。</translation>
    </message>
    <message>
        <source>You cannot host here: %1</source>
        <translation>ここでは開けません：%1</translation>
    </message>
    <message>
        <source>A player joined; tossing a coin for who guesses first…</source>
        <translation>プレイヤーが参加しました。どちらが先に予想するかコインで決めています…</translation>
    </message>
    <message>
        <source>Stop &amp;hosting</source>
        <translation>開くのをやめる(&amp;H)</translation>
    </message>
    <message>
        <source>Waiting for a player… port %1
Tell the other player: %2</source>
        <translation>プレイヤーを待っています… ポート %1
相手に伝えてください：%2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as in 192.168.1.5:47615.</source>
        <translation>開いた側のアドレスとポートを入力してください（例：192.168.1.5:47615）。</translation>
    </message>
    <message>
        <source>Choose a game found on the network, or type the host&apos;s address and port.</source>
        <translation>ネットワークで見つかったゲームを選ぶか、開いた側のアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>%1:%2 に接続しています…</translation>
    </message>
    <message>
        <source>The duel with %1 has begun.</source>
        <translation>%1 さんとの二人対戦が始まりました。</translation>
    </message>
    <message>
        <source>The duel could not begin: %1</source>
        <translation>二人対戦を始められませんでした：%1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>まだゲームが見つかりません。</translation>
    </message>
</context>
<context>
    <name>NotepadDock</name>
    <message>
        <source>Notepad shown</source>
        <translation>メモ帳を表示しました</translation>
    </message>
    <message>
        <source>Notepad hidden</source>
        <translation>メモ帳を隠しました</translation>
    </message>
</context>
<context>
    <name>NotepadPanel</name>
    <message>
        <source>Notepad</source>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Your notes on Mac&apos;s number: click a cell for ✗ (not here), again for ● (here), again to clear it; click a digit when it is not in the number.</source>
        <translation>Mac の数についてのメモ：マスをクリックすると ✗（ここではない）、もう一度で ●（ここ）、さらにもう一度で消えます。数に含まれない数字はその数字をクリックします。</translation>
    </message>
    <message>
        <source>Place %1 of Mac&apos;s number, from the left</source>
        <translation>Mac の数の左から %1 番目</translation>
    </message>
    <message>
        <source>%1: not in the number</source>
        <translation>%1：数に含まれない</translation>
    </message>
    <message>
        <source>%1: may be in the number</source>
        <translation>%1：数に含まれるかもしれない</translation>
    </message>
    <message>
        <source>here</source>
        <translation>ここ</translation>
    </message>
    <message>
        <source>not here</source>
        <translation>ここではない</translation>
    </message>
    <message>
        <source>no mark</source>
        <translation>印なし</translation>
    </message>
    <message>
        <source>%1 in place %2: %3</source>
        <translation>%1、%2 番目：%3</translation>
    </message>
    <message>
        <source>✗ not here, ● here; a crossed-out digit is not in the number. Space marks a cell, X crosses out its digit, Esc goes back to the board; digits go to your guess.</source>
        <translation>✗ ここではない、● ここ。線を引いた数字は含まれない。スペースで印、X で数字を外す、Esc で盤へ。数字は予想に入ります。</translation>
    </message>
</context>
<context>
    <name>NumberPad</name>
    <message>
        <source>Number pad</source>
        <translation>数字パッド</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Same as the %1 key</source>
        <translation>%1 キーと同じ</translation>
    </message>
</context>
<context>
    <name>NumberPadPanel</name>
    <message>
        <source>Number pad shown</source>
        <translation>数字パッドを表示しました</translation>
    </message>
    <message>
        <source>Number pad hidden</source>
        <translation>数字パッドを隠しました</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>&amp;Strength of Mac:</source>
        <translation>Mac の強さ(&amp;S):</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>やさしい</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>Mac&apos;s remaining candidates</source>
        <translation>Mac の残りの候補数</translation>
    </message>
    <message>
        <source>&amp;Hide the count</source>
        <translation>表示しない(&amp;H)</translation>
    </message>
    <message>
        <source>Sho&amp;w the count</source>
        <translation>表示する(&amp;W)</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>オン(&amp;N)</translation>
    </message>
    <message>
        <source>Hits and blows of Mac&apos;s guesses</source>
        <translation>Mac の予想のヒットとブロー</translation>
    </message>
    <message>
        <source>Che&amp;ck the counts I type</source>
        <translation>入力した数を確かめる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rhythm:</source>
        <translation>テンポ(&amp;R):</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>試合中の手助け</translation>
    </message>
    <message>
        <source>Show my remaining &amp;possibilities</source>
        <translation>自分の残りの可能性を表示(&amp;P)</translation>
    </message>
    <message>
        <source>As&amp;k before abandoning a match</source>
        <translation>試合を中断する前に確認(&amp;K)</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>エキスパート</translation>
    </message>
    <message>
        <source>Fill in the true counts &amp;automatically</source>
        <translation>正しい数を自動で入力する(&amp;A)</translation>
    </message>
    <message>
        <source>Every guess must fit all the scores so far</source>
        <translation>どの予想もこれまでのすべての結果に合う必要があります</translation>
    </message>
    <message>
        <source>Har&amp;d mode: every guess fits the scores so far</source>
        <translation>ハードモード(&amp;D)：どの予想もこれまでの結果に合う</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a symbolic link to nothing</source>
        <translation>どこも指さないシンボリックリンク</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではないもの</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>won in %1</source>
        <translation>%1手で勝ち</translation>
    </message>
    <message>
        <source>lost after %1</source>
        <translation>%1手で負け</translation>
    </message>
    <message>
        <source>draw after %1</source>
        <translation>%1手で引き分け</translation>
    </message>
    <message>
        <source>abandoned after %1</source>
        <translation>%1手で中断</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>振り返り</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>予想</translation>
    </message>
    <message>
        <source>Hits / Blows</source>
        <translation>ヒット / ブロー</translation>
    </message>
    <message>
        <source>Possibilities</source>
        <translation>候補数</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>期待手数</translation>
    </message>
    <message>
        <source>Expert&apos;s guess</source>
        <translation>エキスパートの予想</translation>
    </message>
    <message>
        <source>Its expected</source>
        <translation>その期待手数</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>評価</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>技量</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>運</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Reviewing guess %1 of %2…</source>
        <translation>%2手中%1手目を分析中…</translation>
    </message>
    <message>
        <source>This match cannot be reviewed: its guesses and scores do not fit together.</source>
        <translation>この試合は振り返れません：予想と結果がかみ合いません。</translation>
    </message>
    <message>
        <source>The match: skill %1, luck %2</source>
        <translation>この試合：技量 %1、運 %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>最善</translation>
    </message>
    <message>
        <source>good</source>
        <translation>良い</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>高くついた</translation>
    </message>
    <message>
        <source>told nothing new</source>
        <translation>新しい情報なし</translation>
    </message>
    <message>
        <source>could not be the secret; one that could would have done as well</source>
        <translation>正解になり得ない数；なり得る数でも同じくらい良かった</translation>
    </message>
    <message>
        <source>skill %1</source>
        <translation>技量 %1</translation>
    </message>
    <message>
        <source>luck %1</source>
        <translation>運 %1</translation>
    </message>
    <message>
        <source>Possibilities left after each guess</source>
        <translation>各予想の後に残る候補数</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Expert&apos;s guess, on average</source>
        <translation>エキスパートの予想（平均）</translation>
    </message>
    <message>
        <source>Mac&apos;s number: %1</source>
        <translation>Mac の数: %1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores. It is not Mac&apos;s play.</source>
        <translation>エキスパートの予想は、あなた自身の局面（それまでの予想とその結果）から最善手が選ぶものです。Mac の手ではありません。</translation>
    </message>
    <message>
        <source>Your guess; &quot;(hint)&quot; marks one the hint gave.</source>
        <translation>あなたの予想。「(ヒント)」はヒントが出したものを示します。</translation>
    </message>
    <message>
        <source>Its score: hits (right digit in the right place) and blows (right digit in the wrong place).</source>
        <translation>その結果: ヒット（数字も位置も正しい）とブロー（数字は正しいが位置が違う）。</translation>
    </message>
    <message>
        <source>How many numbers Mac&apos;s number could be before this guess and after its score.</source>
        <translation>この予想の前と、その結果の後に、Mac の数として残っていた数の個数。</translation>
    </message>
    <message>
        <source>E: the guesses you could expect to need from here, counting this one, playing best after it.</source>
        <translation>E: ここから必要と見込まれた予想の回数。この予想を含み、その後は最善に打った場合。</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess from your own position, after your earlier guesses and their scores.</source>
        <translation>あなた自身の局面（それまでの予想とその結果）からのエキスパートの予想。</translation>
    </message>
    <message>
        <source>Best: the guesses to expect from here with the Expert&apos;s guess, counting it.</source>
        <translation>最善: エキスパートの予想でここから見込まれる予想の回数。それを含みます。</translation>
    </message>
    <message>
        <source>What your guess was worth beside best play.</source>
        <translation>最善手と比べたあなたの予想の値打ち。</translation>
    </message>
    <message>
        <source>Skill: 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points.</source>
        <translation>技量: 平均して最善手より多くの予想を必要としなければ 99。平均で予想を 1 回失うごとに 99 点減ります。</translation>
    </message>
    <message>
        <source>Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; &quot;–&quot; when every score would have left as many, so luck played no part.</source>
        <translation>運: 結果が残した数が、ありえた結果の中で最も少なければ 99、最も多ければ 0。「–」はどの結果でも同じ数が残り、運が関係しなかったことを示します。</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses</source>
        <translation>Mac の予想</translation>
    </message>
    <message>
        <source>(hint)</source>
        <translation>(ヒント)</translation>
    </message>
    <message>
        <source>hints taken: %1</source>
        <translation>使ったヒント: %1</translation>
    </message>
    <message>
        <source>hint taken</source>
        <translation>ヒント使用</translation>
    </message>
    <message>
        <source>The result is on the clipboard, without your numbers.</source>
        <translation>結果をクリップボードにコピーしました（あなたの数は含みません）。</translation>
    </message>
    <message>
        <source>Verdict on %1: %2</source>
        <translation>%1 の評価：%2</translation>
    </message>
    <message>
        <source>Secret: %1</source>
        <translation>答え：%1</translation>
    </message>
    <message>
        <source>%1&apos;s scores were false</source>
        <translation>%1 さんの判定は偽りでした</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>%1 さんの数：%2</translation>
    </message>
    <message>
        <source>%1&apos;s guesses</source>
        <translation>%1 さんの予想</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores.</source>
        <translation>エキスパートの予想は、あなた自身の局面（それまでの予想とその結果）から最善手が選ぶものです。</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Average guesses in wins</source>
        <translation>勝った試合の平均予想回数</translation>
    </message>
    <message>
        <source>Fewest guesses in a win</source>
        <translation>勝った試合の最少予想回数</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>現在の連勝</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>最高の連勝</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Guesses that decided each match</source>
        <translation>勝負が決まった予想回数</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>予想回数</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>試合数</translation>
    </message>
    <message>
        <source>The chart cannot be shown: a part of the game is missing.</source>
        <translation>グラフを表示できません。ゲームの一部が見つかりません。</translation>
    </message>
    <message>
        <source>Latest matches</source>
        <translation>最近の試合</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>&amp;Reset…</source>
        <translation>リセット(&amp;R)…</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>やさしい</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>エキスパート</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>あり</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>統計のリセット</translation>
    </message>
    <message>
        <source>Forget every match recorded at every strength?</source>
        <translation>すべての強さで記録したすべての試合を消しますか?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s caption before its value; languages differ in the colon and the space before it.</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>All strengths</source>
        <translation>すべての強さ</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>書き出し(&amp;E)…</translation>
    </message>
    <message>
        <source>%1 of the entries in the old statistics file could not be imported; they are kept in %2.</source>
        <translation>以前の統計ファイルの項目のうち %1 件は取り込めませんでした。%2 に残してあります。</translation>
    </message>
    <message>
        <source>The old statistics file could not be imported (%1); it is left as it is.</source>
        <translation>以前の統計ファイルを取り込めませんでした（%1）。そのまま残してあります。</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>統計の書き出し</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>The statistics could not be exported: %1</source>
        <translation>統計を書き出せませんでした: %1</translation>
    </message>
    <message>
        <source>Double-click or press Return to review this match</source>
        <translation>ダブルクリックまたはReturnでこの試合を振り返ります</translation>
    </message>
    <message>
        <source>%1: won %2, lost %3, drawn %4, abandoned %5</source>
        <translation>%1: 勝ち %2、負け %3、引き分け %4、中断 %5</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Waiting for the statistics: another program is using them…</source>
        <translation>統計を待っています：別のプログラムが使用中です…</translation>
    </message>
    <message numerus="yes">
        <source>%n stored match holds values this version does not know; it is left out of the figures and kept in the file.</source>
        <translation>
            <numerusform>保存された %n 件の試合にこのバージョンが知らない値があります。集計から外し、ファイルには残します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>デイリーパズル</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>デイリー #%1</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>練習 #%1</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>試合(&amp;M):</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>%2 行中 %1 行目: %3</translation>
    </message>
    <message>
        <source>Duel with %1 over the network</source>
        <translation>%1 さんとネットワークで二人対戦</translation>
    </message>
    <message>
        <source>Duel with %1</source>
        <translation>%1 さんと二人対戦</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>another game keeps the statistics busy</source>
        <translation>別のゲームが統計を使用中です</translation>
    </message>
    <message>
        <source>%1 is not a statistics database; it is left as it is</source>
        <translation>%1 は統計データベースではありません。そのまま残してあります</translation>
    </message>
    <message>
        <source>Statistics could not be saved: %1</source>
        <translation>統計を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Statistics kept only until the game quits: no folder to keep them in</source>
        <translation>統計はゲームの終了までしか保持されません：保存先のフォルダーがありません</translation>
    </message>
    <message>
        <source>The old statistics file could not be read. It was kept as %1.</source>
        <translation>古い統計ファイルを読めませんでした。%1 として残しました。</translation>
    </message>
    <message>
        <source>The statistics database was damaged. It was kept as %1, and a new one was begun</source>
        <translation>統計データベースが壊れていました。%1 として残し、新しいものを始めました</translation>
    </message>
    <message numerus="yes">
        <source> with the matches that could still be read (%n)</source>
        <translation>
            <numerusform>（まだ読めた %n 件の試合を引き継ぎました）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches that could not be read: %n.</source>
        <translation>
            <numerusform>読めなかった試合：%n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some matches could not be read.</source>
        <translation>一部の試合を読めませんでした。</translation>
    </message>
    <message>
        <source>The matches waiting to be saved could not be read. They were kept as %1.</source>
        <translation>保存待ちの試合を読めませんでした。%1 として残しました。</translation>
    </message>
    <message numerus="yes">
        <source>Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).</source>
        <translation>
            <numerusform>失われた試合：%n 件。統計にも %1 にも保存できませんでした（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The statistics could not be read: %1</source>
        <translation>統計を読めませんでした：%1</translation>
    </message>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>%1 を読めません。そのままにします</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; it is left as it is</source>
        <translation>%1 は別のプログラムのデータベースです。そのままにします</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game; it is left as it is</source>
        <translation>%1 は新しいバージョンのゲームが書いたものです。そのままにします</translation>
    </message>
    <message>
        <source>a journal file beside %1 is not a regular file; the database is left as it is</source>
        <translation>%1 の横のジャーナルファイルが通常のファイルではありません。データベースはそのままにします</translation>
    </message>
</context>
<context>
    <name>StrengthDescription</name>
    <message>
        <source>Mac only counts how many of its digits each score shares.</source>
        <translation>Mac は各判定で共通する数字の個数だけを数えます。</translation>
    </message>
    <message>
        <source>Mac keeps only the numbers that give each score exactly.</source>
        <translation>Mac は各判定にぴったり合う数だけを候補に残します。</translation>
    </message>
    <message>
        <source>Mac also weighs each score against its earlier ones.</source>
        <translation>Mac は各判定をそれまでの判定とも照らし合わせます。</translation>
    </message>
    <message>
        <source>Mac plans every guess ahead and needs at most seven guesses.</source>
        <translation>Mac は先の手まで読んで予想し、7 回以内で当てます。</translation>
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
        <translation>設定は保存されません：保存先のフォルダーがありません</translation>
    </message>
    <message>
        <source>Settings not saved: %1 is %2</source>
        <translation>設定は保存されません：%1 は%2です</translation>
    </message>
</context>
</TS>
