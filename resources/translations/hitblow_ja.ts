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
        <translation>0〜9</translation>
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
        <source>erase the digit at the typing position</source>
        <translation>入力位置の数字を消す</translation>
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
        <source>Count them &amp;automatically</source>
        <translation>自動で数える(&amp;A)</translation>
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
        <source>Expert</source>
        <translation>エキスパート</translation>
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
</context>
</TS>
