<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Hit &amp; Blow</source>
        <translation>关于 Hit &amp; Blow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Guess the computer&apos;s four-digit number before it guesses yours.</source>
        <translation>在电脑猜出你的数之前，先猜出它的四位数。</translation>
    </message>
    <message>
        <source>Copyright © the Hit &amp; Blow developers.</source>
        <translation>Copyright © Hit &amp; Blow 开发者</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>本程序是自由软件：你可以依照 GNU 通用公共许可证（GNU General Public License）第 3 版或（由你选择）任何更新版本（GPL-3.0-or-later）的条款再发布和/或修改它。本程序不提供任何担保。</translation>
    </message>
</context>
<context>
    <name>BoardNews</name>
    <message>
        <source>New match. Choose your number: four different digits.</source>
        <translation>新的一局。请选择你的数：四个不同的数字。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a score as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: type its hits, then its blows.</source>
        <translation>第 %1 回合。Mac 猜 %2：请先输入 Hit 数，再输入 Blow 数。</translation>
    </message>
    <message>
        <source>Your turn: type your guess, four different digits.</source>
        <translation>轮到你了：请输入你的猜测，四个不同的数字。</translation>
    </message>
    <message>
        <source>Round %1. Mac guesses %2: its counts stand typed, %3; Return confirms them.</source>
        <translation>第 %1 回合。Mac 猜 %2：结果已填好，%3；按回车键确认。</translation>
    </message>
    <message>
        <source>Daily puzzle #%1.</source>
        <translation>每日谜题 #%1。</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>blank</source>
        <translation>空</translation>
    </message>
    <message numerus="yes">
        <source>%n hit</source>
        <translation>
            <numerusform>%n 个 Hit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hits</source>
        <translation>
            <numerusform>%n 个 Hit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blow</source>
        <translation>
            <numerusform>%n 个 Blow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blows</source>
        <translation>
            <numerusform>%n 个 Blow</numerusform>
        </translation>
    </message>
    <message>
        <source>Your number: %1</source>
        <translation>你的数：%1</translation>
    </message>
    <message>
        <source>Mac guesses %1.</source>
        <translation>Mac 猜 %1。</translation>
    </message>
    <message>
        <source>Hits and blows typed: %1; typing position %2 of 2</source>
        <translation>已输入的 Hit 和 Blow：%1；输入位置 %2/2</translation>
    </message>
    <message>
        <source>Your guess: %1; typing position %2 of 4</source>
        <translation>你的猜测：%1；输入位置 %2/4</translation>
    </message>
    <message>
        <source>Mac&apos;s guess %1: you scored %2, %3</source>
        <translation>Mac 的猜测 %1：你判定为 %2、%3</translation>
    </message>
    <message>
        <source>Your guess %1: %2, %3</source>
        <translation>你的猜测 %1：%2、%3</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses: none yet</source>
        <translation>Mac 的猜测：暂无</translation>
    </message>
    <message>
        <source>Your guesses: none yet</source>
        <translation>你的猜测：暂无</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses:</source>
        <translation>Mac 的猜测：</translation>
    </message>
    <message>
        <source>Your guesses:</source>
        <translation>你的猜测：</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4</source>
        <translation>%1. %2：%3、%4</translation>
    </message>
    <message>
        <source>%1. Mac&apos;s number was %2.</source>
        <translation>%1。Mac 的数是 %2。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the result as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Hit：%1</translation>
    </message>
    <message>
        <source>Blows: %1</source>
        <translation>Blow：%1</translation>
    </message>
    <message>
        <source>Position %1 of 4: %2</source>
        <translation>第 %1 位（共 4 位）：%2</translation>
    </message>
    <message>
        <source>%1. The puzzle&apos;s secret was %2.</source>
        <translation>%1。谜题的答案是 %2。</translation>
    </message>
</context>
<context>
    <name>DuelCurtain</name>
    <message>
        <source>Pass to %1</source>
        <translation>交给 %1</translation>
    </message>
    <message>
        <source>%1: press any key or click here to go on.</source>
        <translation>%1：按任意键或点击此处继续。</translation>
    </message>
</context>
<context>
    <name>DuelNumberEntry</name>
    <message>
        <source>Number typed</source>
        <translation>已输入的数字</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Type four different digits.</source>
        <translation>请输入四个不同的数字。</translation>
    </message>
</context>
<context>
    <name>DuelWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Duel</source>
        <translation>对决</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>%1 的数字：%2</translation>
    </message>
    <message>
        <source>%1 hid %2</source>
        <translation>%1 藏的是 %2</translation>
    </message>
    <message>
        <source>%1.  %2   %3, %4</source>
        <translation>%1.  %2   %3，%4</translation>
    </message>
    <message>
        <source>Waiting for the duel to start…</source>
        <translation>正在等待对决开始…</translation>
    </message>
    <message>
        <source>%1, your guess</source>
        <translation>%1，请猜</translation>
    </message>
    <message>
        <source>Waiting for %1…</source>
        <translation>正在等待 %1…</translation>
    </message>
    <message>
        <source>Give Up the Duel</source>
        <translation>放弃对决</translation>
    </message>
    <message>
        <source>Give up the duel? It ends here, given up by %1.</source>
        <translation>要放弃对决吗？对决到此结束，由 %1 放弃。</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 获胜</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>The scores of %1 were false</source>
        <translation>%1 给出的判定是假的</translation>
    </message>
    <message>
        <source>%1 left the duel</source>
        <translation>%1 离开了对决</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1：%2，%3，%4</translation>
    </message>
</context>
<context>
    <name>GameBoardView</name>
    <message>
        <source>A guess is four different digits; %1 repeats %2. A digit not typed counts as 0.</source>
        <translation>猜测必须是四个不同的数字；%1 中 %2 重复了。未输入的位算作 0。</translation>
    </message>
    <message>
        <source>You typed hits: %1, blows: %2, for Mac&apos;s guess %3. Your number is %4.</source>
        <translation>对于 Mac 的猜测 %3，你输入的是 Hit：%1，Blow：%2。你的数是 %4。</translation>
    </message>
    <message>
        <source>Hits: the right digit in the right place</source>
        <translation>Hit：数字和位置都对</translation>
    </message>
    <message>
        <source>Blows: the right digit in the wrong place</source>
        <translation>Blow：数字对但位置不对</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses at your number, with their hits and blows</source>
        <translation>Mac 对你的数的猜测及其 Hit 和 Blow</translation>
    </message>
    <message>
        <source>Your guesses at Mac&apos;s number, with their hits and blows</source>
        <translation>你对 Mac 的数的猜测及其 Hit 和 Blow</translation>
    </message>
    <message>
        <source>Mac&apos;s number, face down until the match is decided</source>
        <translation>Mac 的数，对局结束前背面朝上</translation>
    </message>
    <message>
        <source>Your number: click a chosen piece, or press Backspace, to take it back</source>
        <translation>你的数：点击已选的棋子或按 Backspace 可取回</translation>
    </message>
    <message>
        <source>Your number, which Mac is guessing</source>
        <translation>你的数，Mac 正在猜</translation>
    </message>
    <message>
        <source>How many numbers Mac still considers for yours</source>
        <translation>Mac 仍认为可能是你的数的个数</translation>
    </message>
    <message>
        <source>Hard mode: %1 scored hits: %2, blows: %3, but were the number %4 it would have scored hits: %5, blows: %6.</source>
        <translation>困难模式：%1 得到 Hit：%2，Blow：%3，但若数字是 %4，它应得到 Hit：%5，Blow：%6。</translation>
    </message>
</context>
<context>
    <name>HitBlow</name>
    <message>
        <source>Your answer is against the rule</source>
        <translation>你的猜测不符合规则</translation>
    </message>
    <message>
        <source>Your decision is wrong</source>
        <translation>你判定的 Hit 和 Blow 不对</translation>
    </message>
    <message>
        <source>© 2026 Hit &amp; Blow developers. Free software under the GPL-3.0-or-later.</source>
        <translation>© 2026 Hit &amp; Blow 开发者。以 GPL-3.0-or-later 授权的自由软件。</translation>
    </message>
    <message>
        <source>Chose Your Numbers</source>
        <translation>请选择你的数</translation>
    </message>
    <message>
        <source>It&apos;s Mac&apos;s Turn</source>
        <translation>轮到 Mac 了</translation>
    </message>
    <message>
        <source>Check Hit &amp; Blow</source>
        <translation>请判定 Hit 和 Blow</translation>
    </message>
    <message>
        <source>It&apos;s Your Last Chance</source>
        <translation>最后的机会</translation>
    </message>
    <message>
        <source>It&apos;s Your Turn</source>
        <translation>轮到你了</translation>
    </message>
    <message>
        <source>Result is...</source>
        <translation>结果是……</translation>
    </message>
    <message>
        <source>The Rest Candidates Count</source>
        <translation>剩余候选数</translation>
    </message>
    <message>
        <source>You lost</source>
        <translation>你输了</translation>
    </message>
    <message>
        <source>You won</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>练习 #%1</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>每日 #%1</translation>
    </message>
    <message>
        <source>Your guess does not fit the scores so far</source>
        <translation>你的猜测与之前的结果不符</translation>
    </message>
</context>
<context>
    <name>HotSeatSetup</name>
    <message>
        <source>Duel at This Computer</source>
        <translation>在这台电脑上对决</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>Player &amp;%1:</source>
        <translation>玩家 %1(&amp;%1)：</translation>
    </message>
    <message>
        <source>Player 1 guesses first in each round; Player 2 has the last guess.</source>
        <translation>每一回合由玩家 1 先猜，玩家 2 最后猜。</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>%1, hide your number: four different digits. %2, please look away.</source>
        <translation>%1，请藏好你的数字：四个不同的数字。%2，请不要看。</translation>
    </message>
    <message>
        <source>%1 has hidden a number.</source>
        <translation>%1 已藏好数字。</translation>
    </message>
</context>
<context>
    <name>HowToPlayDialog</name>
    <message>
        <source>How to Play</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>You and Mac each hide a number of four different digits.</source>
        <translation>你和 Mac 各自藏起一个由四个不同数字组成的数。</translation>
    </message>
    <message>
        <source>Start a new game and choose your number by clicking four pieces, or by typing four digits.</source>
        <translation>开始新游戏后，点击四枚棋子或输入四个数字，选定你的数。</translation>
    </message>
    <message>
        <source>Mac guesses first. Score its guess: type the hits (right digit in the right place) and the blows (right digit in the wrong place), then press Return or click OK.</source>
        <translation>Mac 先猜。请为它的猜测计分：输入 Hit 数（数字和位置都对）和 Blow 数（数字对但位置不对），然后按回车键或点击 OK。</translation>
    </message>
    <message>
        <source>Then type your guess at Mac&apos;s number and press Return. The board shows its hits and blows.</source>
        <translation>接着输入你对 Mac 的数的猜测，然后按回车键。棋盘会显示这次猜测的 Hit 和 Blow。</translation>
    </message>
    <message>
        <source>The first to score four hits wins. If Mac finds your number first, you still get the last guess of that round: four hits there make a draw. Sixteen guesses without a winner are a draw too.</source>
        <translation>先得到四个 Hit 的一方获胜。如果 Mac 先猜中你的数，你仍有本回合的最后一次猜测：这次若也得到四个 Hit，就是平局。猜了十六次仍无人获胜，也算平局。</translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation>0 到 9</translation>
    </message>
    <message>
        <source>choose your number; type hits, blows and guesses</source>
        <translation>选择你的数；输入 Hit、Blow 和猜测</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>左、右方向键</translation>
    </message>
    <message>
        <source>move the typing position</source>
        <translation>移动输入位置</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>退格键、Delete</translation>
    </message>
    <message>
        <source>Return, Enter</source>
        <translation>回车键、Enter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>To play with the mouse alone, show the number pad with View &gt; Number Pad: its buttons act as the keys below.</source>
        <translation>若只想用鼠标来玩，可通过“视图 &gt; 数字键盘”显示数字键盘：它的按钮与下面的按键作用相同。</translation>
    </message>
    <message>
        <source>The bar under the board shows the round. With &quot;Show my remaining possibilities&quot; in the preferences it also counts the numbers Mac&apos;s number can still be, judged from your own guesses and their scores alone.</source>
        <translation>棋盘下方的栏显示当前回合。如果在偏好设置中勾选了“显示我剩余的可能数”，它还会显示 Mac 的数还剩多少种可能——只根据你自己的猜测及其结果来推算。</translation>
    </message>
    <message>
        <source>Game &gt; Statistics shows, for each strength of Mac, your wins, losses, draws and abandoned matches, your winning streaks, a chart of the guesses that decided each match and your latest matches.</source>
        <translation>“游戏 &gt; 统计”按 Mac 的每种实力显示你的胜利、失败、平局和放弃的对局数，你的连胜纪录，每局在第几次猜测时分出胜负的图表，以及你最近的对局。</translation>
    </message>
    <message>
        <source>New Game during a match asks first; a match you give up counts as abandoned. Once a match is over, Play Again in the bar starts the next one.</source>
        <translation>对局进行中选择“新游戏”时会先询问；中途放弃的对局记为放弃。一局结束后，点击栏中的“再玩一局”即可开始下一局。</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>show or hide the number pad</source>
        <translation>显示或隐藏数字键盘</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>对局中的辅助</translation>
    </message>
    <message>
        <source>Game &gt; Hint types the guess Mac would play at Expert strength after your own guesses and their scores. Send it with Return or change it first. The statistics mark a match in which you took a hint.</source>
        <translation>“游戏 &gt; 提示”会根据你自己的猜测和结果，输入“专家”实力的 Mac 会下的猜测。可以直接按回车键发送，也可以先修改。用过提示的对局会在统计中标出。</translation>
    </message>
    <message>
        <source>resume the unfinished match</source>
        <translation>继续未完成的对局</translation>
    </message>
    <message>
        <source>Mac&apos;s pieces lie face down at the top of the board, red; yours stand face up at the bottom, white. The small red card heads Mac&apos;s guesses on the left, the white card yours on the right.</source>
        <translation>Mac 的棋子在棋盘上方背面朝上，为红色；你的棋子在下方正面朝上，为白色。左边的小红卡标记 Mac 的猜测，右边的白卡标记你的猜测。</translation>
    </message>
    <message>
        <source>A filled dot marks the hits (right digit in the right place), a ring the blows (right digit in the wrong place): above each list of guesses and above the two count boxes.</source>
        <translation>实心圆点表示 Hit（数字和位置都对），圆环表示 Blow（数字对但位置不对）：位于每列猜测和两个计数框的上方。</translation>
    </message>
    <message>
        <source>While you choose your number, Backspace or Delete takes back the last piece chosen, and a click on a chosen piece takes back that one.</source>
        <translation>选择自己的数时，按 Backspace 或 Delete 取回最后选的棋子，点击已选的棋子则取回该棋子。</translation>
    </message>
    <message>
        <source>erase the digit at the typing position; while choosing your number, take back the last piece chosen</source>
        <translation>删除输入位置的数字；选择自己的数时，取回最后选的棋子</translation>
    </message>
    <message>
        <source>show or hide the notepad</source>
        <translation>显示或隐藏记事本</translation>
    </message>
    <message>
        <source>how to play</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Once a match is decided, Review in the bar, Game &gt; Review Last Match or a double-click on a match in the statistics shows each of your guesses: how many numbers Mac&apos;s number could be before it and after its score, the guesses you could expect to need from there counting it, the Expert&apos;s guess from the same position with its own expected number, a verdict, and your skill and luck.</source>
        <translation>对局分出胜负后，点击状态栏的“复盘”、选择“游戏 &gt; 复盘上一局”，或在统计中双击一局对局，即可看到你的每一步：这一步之前和得分之后 Mac 的数还有多少种可能、从那里算上这一步预计还需几步、专家在同一局面下的猜测及其期望步数、评价，以及你的技巧和运气。</translation>
    </message>
    <message>
        <source>Best play is exact while at most 64 numbers are possible, and the Expert&apos;s guess above that. Skill is 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points. Luck compares the numbers your score left with those the other scores could have left: 99 for the fewest, 0 for the most. For the match, skill is the mean of the guesses&apos; skill, luck the mean luck of the guesses whose scores could have left different numbers.</source>
        <translation>可能的数不超过 64 个时，最佳走法是精确的最优解，多于 64 个时则为专家的猜测。若你的猜测平均所需步数不多于最佳走法，技巧为 99；平均每多用一步扣 99 分。运气比较你的得分留下的数与其他得分可能留下的数：最少为 99，最多为 0。整局的技巧是各步技巧的平均值，运气是那些得分可能留下不同数量的步的运气平均值。</translation>
    </message>
    <message>
        <source>Copy Result puts your result on the clipboard without giving your numbers away: one line per guess, a filled dot for each hit, a ring for each blow, a middle dot for neither.</source>
        <translation>“复制结果”将结果放入剪贴板而不泄露你的数字：每步一行，每个 Hit 一个实心点，每个 Blow 一个圆圈，都没有则为中间点。</translation>
    </message>
    <message>
        <source>review the last match</source>
        <translation>复盘上一局</translation>
    </message>
    <message>
        <source>Reviewing a match</source>
        <translation>复盘一局</translation>
    </message>
    <message>
        <source>View &gt; Notepad opens a page for your deductions beside the board: a click on a cell marks the digit ✗ (not in that place), a second click ● (in that place), a third clears it; a click on a digit crosses it out of the number. On the page, the arrow keys move, Space marks, X crosses out the row&apos;s digit, Esc goes back to the board and digits go to your guess.</source>
        <translation>“视图 &gt; 记事本”在棋盘旁打开一页供你推理：单击格子将该数字标为 ✗（不在此位置），再单击标为 ●（在此位置），第三次清除；单击数字则将其从数中划去。在该页上，方向键移动，空格做标记，X 划去该行的数字，Esc 回到棋盘，数字键输入到你的猜测中。</translation>
    </message>
    <message>
        <source>A match you leave unfinished, by quitting or otherwise, is kept: at the next start, Resume Match in the bar goes on with it at the turn it was in. Two games each keep their own, and Resume Match lists them when several wait.</source>
        <translation>未下完的对局（无论是退出游戏还是其他原因）都会保存：下次启动时，点击栏中的“继续对局”即可从当时那一回合继续。两个游戏各自保存自己的对局；有多个在等时，“继续对局”会列出它们。</translation>
    </message>
    <message>
        <source>duel: two players at this computer</source>
        <translation>对决：两位玩家在这台电脑上</translation>
    </message>
    <message>
        <source>duel across the network</source>
        <translation>网络对决</translation>
    </message>
</context>
<context>
    <name>KeptMatchChooser</name>
    <message>
        <source>Resume Match</source>
        <translation>继续对局</translation>
    </message>
    <message>
        <source>&amp;Unfinished matches, the newest first:</source>
        <translation>未完成的对局，最新的在前(&amp;U)：</translation>
    </message>
    <message>
        <source>Unfinished matches</source>
        <translation>未完成的对局</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>%1 · guess %2 · %3</source>
        <translation>%1 · 第 %2 猜 · %3</translation>
    </message>
    <message>
        <source>%1 · round %2 · %3</source>
        <translation>%1 · 第 %2 回合 · %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>偏好设置(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>玩法说明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Hit &amp;&amp; Blow</source>
        <translation>关于 Hit &amp;&amp; Blow(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>提示(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>统计(&amp;S)…</translation>
    </message>
    <message>
        <source>Number &amp;Pad</source>
        <translation>数字键盘(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume Match</source>
        <translation>继续对局(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Notepad</source>
        <translation>记事本(&amp;N)</translation>
    </message>
    <message>
        <source>Re&amp;view Last Match…</source>
        <translation>复盘上一局(&amp;V)…</translation>
    </message>
    <message>
        <source>Statistics Lost</source>
        <translation>统计已丢失</translation>
    </message>
    <message>
        <source>&amp;Daily Puzzle</source>
        <translation>每日谜题(&amp;D)</translation>
    </message>
    <message>
        <source>Pr&amp;actice Puzzle…</source>
        <translation>练习谜题(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <translation>复制每日结果(&amp;C)</translation>
    </message>
    <message>
        <source>D&amp;uel…</source>
        <translation>对决(&amp;U)…</translation>
    </message>
    <message>
        <source>Duel Across the Ne&amp;twork…</source>
        <translation>网络对决(&amp;T)…</translation>
    </message>
</context>
<context>
    <name>MatchAssistant</name>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Abandon the current match?</source>
        <translation>放弃当前对局吗？</translation>
    </message>
    <message>
        <source>It will count as abandoned in the statistics.</source>
        <translation>这局将在统计中记为放弃。</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>继续游戏</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>不再询问</translation>
    </message>
    <message>
        <source>Abandon the unfinished match?</source>
        <translation>放弃未完成的对局吗？</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>提示：%1</translation>
    </message>
    <message>
        <source>The hint is for your own guesses: ask again on your turn.</source>
        <translation>提示只用于您自己的猜测：轮到您时再请求。</translation>
    </message>
    <message>
        <source>The daily puzzles begin on %1.</source>
        <translation>每日谜题从 %1 开始。</translation>
    </message>
    <message>
        <source>Today&apos;s puzzle is played: %1 copies its result.</source>
        <translation>今天的谜题已完成：%1 复制其结果。</translation>
    </message>
    <message>
        <source>There is no earlier puzzle to practise yet.</source>
        <translation>还没有可供练习的往期谜题。</translation>
    </message>
    <message>
        <source>Practice Puzzle</source>
        <translation>练习谜题</translation>
    </message>
    <message>
        <source>An earlier puzzle to play for practice, 1 to %1. It never counts in the daily streak.</source>
        <translation>要练习的往期谜题，1 到 %1。它从不计入每日连胜。</translation>
    </message>
    <message>
        <source>Only a daily puzzle that has ended has a result to copy.</source>
        <translation>只有已结束的每日谜题才有可复制的结果。</translation>
    </message>
    <message>
        <source>The result of puzzle #%1 is copied, without its digits.</source>
        <translation>谜题 #%1 的结果已复制，不含数字。</translation>
    </message>
    <message>
        <source>That match could not be taken up: another game went on with it, or the statistics are busy.</source>
        <translation>无法继续该对局：另一个游戏已接着下了，或统计数据正忙。</translation>
    </message>
</context>
<context>
    <name>MatchNotes</name>
    <message>
        <source>Mac found %1 at its first guess</source>
        <translation>Mac 第一次猜测就猜中了 %1</translation>
    </message>
    <message>
        <source>Mac found %1 in %2 guesses</source>
        <translation>Mac 用 %2 次猜中了 %1</translation>
    </message>
    <message>
        <source>You found %1 at your first guess</source>
        <translation>你第一次猜测就猜中了 %1</translation>
    </message>
    <message>
        <source>You found %1 in %2 guesses</source>
        <translation>你用 %2 次猜中了 %1</translation>
    </message>
    <message>
        <source>Both numbers found in round %1</source>
        <translation>双方在第 %1 回合都猜中了</translation>
    </message>
    <message>
        <source>Neither number found in %1 guesses</source>
        <translation>%1 次猜测后双方都未猜中</translation>
    </message>
    <message>
        <source>You already tried %1.</source>
        <translation>你已经试过 %1。</translation>
    </message>
    <message>
        <source>%1 could not be Mac&apos;s number: it does not fit your earlier scores.</source>
        <translation>%1 不可能是 Mac 的数：它与你之前的结果不符。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be Mac&apos;s number, but splits the rest best.</source>
        <translation>%1 不可能是 Mac 的数字，但最能区分其余的可能。</translation>
    </message>
</context>
<context>
    <name>MatchStatusBar</name>
    <message>
        <source>Play Again</source>
        <translation>再玩一局</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>第 %1/%2 回合</translation>
    </message>
    <message>
        <source>Possibilities for Mac&apos;s number: %1</source>
        <translation>Mac 的数还有 %1 种可能</translation>
    </message>
    <message>
        <source>Resume Match</source>
        <translation>继续对局</translation>
    </message>
    <message>
        <source>Game &gt; New Game (%1) starts a match</source>
        <translation>游戏 &gt; 新游戏（%1）开始对局</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>复盘</translation>
    </message>
    <message>
        <source>Press Return or click the board to start a match</source>
        <translation>按回车键或点击棋盘开始对局</translation>
    </message>
    <message>
        <source>Your unfinished match waits: Game &gt; Resume Match (%1)</source>
        <translation>未完成的对局在等您：游戏 &gt; 继续对局（%1）</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>复制结果</translation>
    </message>
    <message numerus="yes">
        <source>%1 solved in %n guess(es).</source>
        <translation>
            <numerusform>%1 用 %n 次猜测解出。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not solved: the number was %2.</source>
        <translation>%1 未解出：数字是 %2。</translation>
    </message>
    <message>
        <source>Guess %1 of %2</source>
        <translation>第 %1 次猜测，共 %2 次</translation>
    </message>
    <message>
        <source>Secrets still possible: %1</source>
        <translation>仍可能的数字：%1</translation>
    </message>
    <message>
        <source>%1 unfinished matches wait: Game &gt; Resume Match (%2)</source>
        <translation>有 %1 个未完成的对局在等：游戏 &gt; 继续对局（%2）</translation>
    </message>
</context>
<context>
    <name>NetworkDuel</name>
    <message>
        <source>You left the duel.</source>
        <translation>你离开了对决。</translation>
    </message>
</context>
<context>
    <name>NetworkDuelDialog</name>
    <message>
        <source>Duel Across the Network</source>
        <translation>网络对决</translation>
    </message>
</context>
<context>
    <name>NetworkDuelPanel</name>
    <message>
        <source>Duel across the network</source>
        <translation>网络对决</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Your hidden number</source>
        <translation>你藏的数字</translation>
    </message>
    <message>
        <source>Four different digits; left empty, a random number is hidden for you.</source>
        <translation>四个不同的数字；留空则为你藏一个随机数字。</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>你的名字(&amp;N)：</translation>
    </message>
    <message>
        <source>Your hidden n&amp;umber:</source>
        <translation>你藏的数字(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Host a duel</source>
        <translation>主持对决(&amp;H)</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主持</translation>
    </message>
    <message>
        <source>Games found on the network</source>
        <translation>在网络上找到的游戏</translation>
    </message>
    <message>
        <source>192.168.1.5:47615</source>
        <translation>192.168.1.5:47615</translation>
    </message>
    <message>
        <source>Host&apos;s address and port</source>
        <translation>主持方的地址和端口</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>加入(&amp;J)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>&amp;Games found:</source>
        <translation>找到的游戏(&amp;G)：</translation>
    </message>
    <message>
        <source>Or an &amp;address:</source>
        <translation>或输入地址(&amp;A)：</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Games on the network cannot be listed (%1); type the host&apos;s address.</source>
        <translation>无法列出网络上的游戏（%1）；请输入主持方的地址。</translation>
    </message>
    <message>
        <source>Your hidden number must be four different digits, or left empty for a random one.</source>
        <translation>你藏的数字必须是四个不同的数字，或留空以使用随机数字。</translation>
    </message>
    <message>
        <source>You stopped hosting.</source>
        <translation>你已停止主持。</translation>
    </message>
    <message>
        <source>You cannot host here: %1</source>
        <translation>无法在此主持：%1</translation>
    </message>
    <message>
        <source>A player joined; tossing a coin for who guesses first…</source>
        <translation>有玩家加入了；正在掷硬币决定谁先猜…</translation>
    </message>
    <message>
        <source>Stop &amp;hosting</source>
        <translation>停止主持(&amp;H)</translation>
    </message>
    <message>
        <source>Waiting for a player… port %1
Tell the other player: %2</source>
        <translation>正在等待玩家… 端口 %1
告诉对方：%2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>Type the host&apos;s address and port, as in 192.168.1.5:47615.</source>
        <translation>请输入主持方的地址和端口，例如 192.168.1.5:47615。</translation>
    </message>
    <message>
        <source>Choose a game found on the network, or type the host&apos;s address and port.</source>
        <translation>请选择在网络上找到的游戏，或输入主持方的地址和端口。</translation>
    </message>
    <message>
        <source>Connecting to %1:%2…</source>
        <translation>正在连接 %1:%2…</translation>
    </message>
    <message>
        <source>The duel with %1 has begun.</source>
        <translation>与 %1 的对决已开始。</translation>
    </message>
    <message>
        <source>The duel could not begin: %1</source>
        <translation>对决无法开始：%1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2 上的 %1</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>尚未找到游戏。</translation>
    </message>
</context>
<context>
    <name>NotepadDock</name>
    <message>
        <source>Notepad shown</source>
        <translation>已显示记事本</translation>
    </message>
    <message>
        <source>Notepad hidden</source>
        <translation>已隐藏记事本</translation>
    </message>
</context>
<context>
    <name>NotepadPanel</name>
    <message>
        <source>Notepad</source>
        <translation>记事本</translation>
    </message>
    <message>
        <source>Your notes on Mac&apos;s number: click a cell for ✗ (not here), again for ● (here), again to clear it; click a digit when it is not in the number.</source>
        <translation>关于 Mac 的数的笔记：点击格子标记 ✗（不在这里），再点标记 ●（在这里），再点清除；不在数中的数字请点击该数字。</translation>
    </message>
    <message>
        <source>Place %1 of Mac&apos;s number, from the left</source>
        <translation>Mac 的数从左数第 %1 位</translation>
    </message>
    <message>
        <source>%1: not in the number</source>
        <translation>%1：不在数中</translation>
    </message>
    <message>
        <source>%1: may be in the number</source>
        <translation>%1：可能在数中</translation>
    </message>
    <message>
        <source>here</source>
        <translation>在这里</translation>
    </message>
    <message>
        <source>not here</source>
        <translation>不在这里</translation>
    </message>
    <message>
        <source>no mark</source>
        <translation>无标记</translation>
    </message>
    <message>
        <source>%1 in place %2: %3</source>
        <translation>%1 在第 %2 位：%3</translation>
    </message>
    <message>
        <source>✗ not here, ● here; a crossed-out digit is not in the number. Space marks a cell, X crosses out its digit, Esc goes back to the board; digits go to your guess.</source>
        <translation>✗ 不在此处，● 在此处；划去的数字不在数中。空格标记格子，X 划去其数字，Esc 回到棋盘；数字输入到你的猜测。</translation>
    </message>
</context>
<context>
    <name>NumberPad</name>
    <message>
        <source>Number pad</source>
        <translation>数字键盘</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Same as the %1 key</source>
        <translation>与 %1 键相同</translation>
    </message>
</context>
<context>
    <name>NumberPadPanel</name>
    <message>
        <source>Number pad shown</source>
        <translation>已显示数字键盘</translation>
    </message>
    <message>
        <source>Number pad hidden</source>
        <translation>已隐藏数字键盘</translation>
    </message>
</context>
<context>
    <name>PrefWindow</name>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>&amp;Strength of Mac:</source>
        <translation>Mac 的实力(&amp;S)：</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Mac&apos;s remaining candidates</source>
        <translation>Mac 剩余的候选数</translation>
    </message>
    <message>
        <source>&amp;Hide the count</source>
        <translation>不显示(&amp;H)</translation>
    </message>
    <message>
        <source>Sho&amp;w the count</source>
        <translation>显示(&amp;W)</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>关(&amp;O)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>开(&amp;N)</translation>
    </message>
    <message>
        <source>Hits and blows of Mac&apos;s guesses</source>
        <translation>Mac 猜测的 Hit 和 Blow</translation>
    </message>
    <message>
        <source>Che&amp;ck the counts I type</source>
        <translation>检查我输入的数(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rhythm:</source>
        <translation>节奏(&amp;R)：</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Help during a match</source>
        <translation>对局中的辅助</translation>
    </message>
    <message>
        <source>Show my remaining &amp;possibilities</source>
        <translation>显示我剩余的可能数(&amp;P)</translation>
    </message>
    <message>
        <source>As&amp;k before abandoning a match</source>
        <translation>放弃对局前先询问(&amp;K)</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Fill in the true counts &amp;automatically</source>
        <translation>自动填入正确的计数(&amp;A)</translation>
    </message>
    <message>
        <source>Every guess must fit all the scores so far</source>
        <translation>每次猜测都必须符合之前的所有结果</translation>
    </message>
    <message>
        <source>Har&amp;d mode: every guess fits the scores so far</source>
        <translation>困难模式(&amp;D)：每次猜测都符合之前的结果</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a symbolic link to nothing</source>
        <translation>一个指向不存在目标的符号链接</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>一个 FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>一个设备</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>一个套接字</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>won in %1</source>
        <translation>%1 步获胜</translation>
    </message>
    <message>
        <source>lost after %1</source>
        <translation>%1 步后落败</translation>
    </message>
    <message>
        <source>draw after %1</source>
        <translation>%1 步后平局</translation>
    </message>
    <message>
        <source>abandoned after %1</source>
        <translation>%1 步后放弃</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>复盘</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>猜测</translation>
    </message>
    <message>
        <source>Hits / Blows</source>
        <translation>Hit / Blow</translation>
    </message>
    <message>
        <source>Possibilities</source>
        <translation>可能数</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>期望步数</translation>
    </message>
    <message>
        <source>Expert&apos;s guess</source>
        <translation>专家的猜测</translation>
    </message>
    <message>
        <source>Its expected</source>
        <translation>其期望步数</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>评价</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>技巧</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>运气</translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>Reviewing guess %1 of %2…</source>
        <translation>正在复盘第 %1 步，共 %2 步…</translation>
    </message>
    <message>
        <source>This match cannot be reviewed: its guesses and scores do not fit together.</source>
        <translation>无法复盘这局对局：猜测与结果对不上。</translation>
    </message>
    <message>
        <source>The match: skill %1, luck %2</source>
        <translation>本局：技巧 %1，运气 %2</translation>
    </message>
    <message>
        <source>best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>costly</source>
        <translation>代价高</translation>
    </message>
    <message>
        <source>told nothing new</source>
        <translation>没有新信息</translation>
    </message>
    <message>
        <source>could not be the secret; one that could would have done as well</source>
        <translation>不可能是答案；一个可能的数同样好</translation>
    </message>
    <message>
        <source>skill %1</source>
        <translation>技巧 %1</translation>
    </message>
    <message>
        <source>luck %1</source>
        <translation>运气 %1</translation>
    </message>
    <message>
        <source>Possibilities left after each guess</source>
        <translation>每次猜测后剩余的可能数</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>你的</translation>
    </message>
    <message>
        <source>Expert&apos;s guess, on average</source>
        <translation>专家的猜测（平均）</translation>
    </message>
    <message>
        <source>Mac&apos;s number: %1</source>
        <translation>Mac 的数：%1</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores. It is not Mac&apos;s play.</source>
        <translation>专家的猜测是从你自己的局面（你之前的猜测及其结果）出发的最佳走法，而不是 Mac 的走法。</translation>
    </message>
    <message>
        <source>Your guess; &quot;(hint)&quot; marks one the hint gave.</source>
        <translation>你的猜测；“(提示)”标出由提示给出的猜测。</translation>
    </message>
    <message>
        <source>Its score: hits (right digit in the right place) and blows (right digit in the wrong place).</source>
        <translation>它的结果：Hit（数字和位置都对）和 Blow（数字对但位置不对）。</translation>
    </message>
    <message>
        <source>How many numbers Mac&apos;s number could be before this guess and after its score.</source>
        <translation>在这次猜测之前和得到结果之后，Mac 的数还可能是多少个数。</translation>
    </message>
    <message>
        <source>E: the guesses you could expect to need from here, counting this one, playing best after it.</source>
        <translation>E：从这里起预计还需要的猜测次数，包括这一次，之后按最佳方式进行。</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess from your own position, after your earlier guesses and their scores.</source>
        <translation>从你自己的局面（你之前的猜测及其结果）出发的专家猜测。</translation>
    </message>
    <message>
        <source>Best: the guesses to expect from here with the Expert&apos;s guess, counting it.</source>
        <translation>最佳：从这里起用专家的猜测预计需要的猜测次数，包括它本身。</translation>
    </message>
    <message>
        <source>What your guess was worth beside best play.</source>
        <translation>与最佳走法相比，你这次猜测的价值。</translation>
    </message>
    <message>
        <source>Skill: 99 when your guess needs no more guesses on average than best play; every guess lost on average costs 99 points.</source>
        <translation>技巧：你的猜测平均不比最佳走法多用猜测时为 99；平均每多用一次猜测扣 99 分。</translation>
    </message>
    <message>
        <source>Luck: 99 when your score left the fewest numbers the scores could have left, 0 the most; &quot;–&quot; when every score would have left as many, so luck played no part.</source>
        <translation>运气：你的结果留下的数在各种可能结果中最少时为 99，最多时为 0；“–”表示每种结果留下的数一样多，运气不起作用。</translation>
    </message>
    <message>
        <source>Mac&apos;s guesses</source>
        <translation>Mac 的猜测</translation>
    </message>
    <message>
        <source>(hint)</source>
        <translation>(提示)</translation>
    </message>
    <message>
        <source>hints taken: %1</source>
        <translation>使用提示：%1 次</translation>
    </message>
    <message>
        <source>hint taken</source>
        <translation>使用了提示</translation>
    </message>
    <message>
        <source>The result is on the clipboard, without your numbers.</source>
        <translation>结果已复制到剪贴板，不含你的数字。</translation>
    </message>
    <message>
        <source>Verdict on %1: %2</source>
        <translation>对 %1 的评价：%2</translation>
    </message>
    <message>
        <source>Secret: %1</source>
        <translation>答案：%1</translation>
    </message>
    <message>
        <source>%1&apos;s scores were false</source>
        <translation>%1 给出的判定是假的</translation>
    </message>
    <message>
        <source>%1&apos;s number: %2</source>
        <translation>%1 的数字：%2</translation>
    </message>
    <message>
        <source>%1&apos;s guesses</source>
        <translation>%1 的猜测</translation>
    </message>
    <message>
        <source>The Expert&apos;s guess is the one best play makes from your own position: after your earlier guesses and their scores.</source>
        <translation>专家的猜测是从你自己的局面（你之前的猜测及其结果）出发的最佳走法。</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Won</source>
        <translation>胜利</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>胜率</translation>
    </message>
    <message>
        <source>Average guesses in wins</source>
        <translation>获胜时的平均猜测次数</translation>
    </message>
    <message>
        <source>Fewest guesses in a win</source>
        <translation>获胜时的最少猜测次数</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>当前连胜</translation>
    </message>
    <message>
        <source>Best winning streak</source>
        <translation>最佳连胜</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Guesses that decided each match</source>
        <translation>每局分出胜负时的猜测次数</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>猜测次数</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>对局数</translation>
    </message>
    <message>
        <source>The chart cannot be shown: a part of the game is missing.</source>
        <translation>无法显示图表：游戏缺少一个组件。</translation>
    </message>
    <message>
        <source>Latest matches</source>
        <translation>最近的对局</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>实力</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>&amp;Reset…</source>
        <translation>重置(&amp;R)…</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Forget every match recorded at every strength?</source>
        <translation>要清除所有实力下记录的全部对局吗？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s caption before its value; languages differ in the colon and the space before it.</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>All strengths</source>
        <translation>所有难度</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>%1 of the entries in the old statistics file could not be imported; they are kept in %2.</source>
        <translation>旧统计文件中有 %1 个条目无法导入，它们保留在 %2 中。</translation>
    </message>
    <message>
        <source>The old statistics file could not be imported (%1); it is left as it is.</source>
        <translation>无法导入旧统计文件（%1），已保持原样。</translation>
    </message>
    <message>
        <source>Export Statistics</source>
        <translation>导出统计</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>The statistics could not be exported: %1</source>
        <translation>无法导出统计：%1</translation>
    </message>
    <message>
        <source>Double-click or press Return to review this match</source>
        <translation>双击或按回车复盘这一局</translation>
    </message>
    <message>
        <source>%1: won %2, lost %3, drawn %4, abandoned %5</source>
        <translation>%1：胜 %2，负 %3，平 %4，放弃 %5</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Waiting for the statistics: another program is using them…</source>
        <translation>正在等待统计：另一个程序正在使用…</translation>
    </message>
    <message numerus="yes">
        <source>%n stored match holds values this version does not know; it is left out of the figures and kept in the file.</source>
        <translation>
            <numerusform>%n 局已保存的对局含有此版本不认识的值；它们不计入数字，但保留在文件中。</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily puzzles</source>
        <translation>每日谜题</translation>
    </message>
    <message>
        <source>Daily #%1</source>
        <translation>每日 #%1</translation>
    </message>
    <message>
        <source>Practice #%1</source>
        <translation>练习 #%1</translation>
    </message>
    <message>
        <source>&amp;Matches:</source>
        <translation>对局(&amp;M)：</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>第 %1 行，共 %2 行：%3</translation>
    </message>
    <message>
        <source>Duel with %1 over the network</source>
        <translation>与 %1 的网络对决</translation>
    </message>
    <message>
        <source>Duel with %1</source>
        <translation>与 %1 对决</translation>
    </message>
</context>
<context>
    <name>StatisticsKeeper</name>
    <message>
        <source>disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>无法写入文件夹</translation>
    </message>
    <message>
        <source>another game keeps the statistics busy</source>
        <translation>另一个游戏正在占用统计</translation>
    </message>
    <message>
        <source>%1 is not a statistics database; it is left as it is</source>
        <translation>%1 不是统计数据库，已保持原样</translation>
    </message>
    <message>
        <source>Statistics could not be saved: %1</source>
        <translation>无法保存统计：%1</translation>
    </message>
    <message>
        <source>Statistics kept only until the game quits: no folder to keep them in</source>
        <translation>统计仅保留到游戏退出：没有可保存的文件夹</translation>
    </message>
    <message>
        <source>The old statistics file could not be read. It was kept as %1.</source>
        <translation>无法读取旧的统计文件，已保存为 %1。</translation>
    </message>
    <message>
        <source>The statistics database was damaged. It was kept as %1, and a new one was begun</source>
        <translation>统计数据库已损坏，已保存为 %1，并新建了一个</translation>
    </message>
    <message numerus="yes">
        <source> with the matches that could still be read (%n)</source>
        <translation>
            <numerusform>，并带上仍可读取的对局（%n 局）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches that could not be read: %n.</source>
        <translation>
            <numerusform>无法读取的对局：%n 局。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some matches could not be read.</source>
        <translation>有些对局无法读取。</translation>
    </message>
    <message>
        <source>The matches waiting to be saved could not be read. They were kept as %1.</source>
        <translation>无法读取等待保存的对局，已保存为 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Matches lost: %n. They could not be saved to the statistics, nor to %1 (%2).</source>
        <translation>
            <numerusform>丢失的对局：%n 局。既无法保存到统计，也无法保存到 %1（%2）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The statistics could not be read: %1</source>
        <translation>无法读取统计：%1</translation>
    </message>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>无法读取 %1；保持原样</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; it is left as it is</source>
        <translation>%1 是另一个程序的数据库；保持原样</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game; it is left as it is</source>
        <translation>%1 由更新版本的游戏写入；保持原样</translation>
    </message>
    <message>
        <source>a journal file beside %1 is not a regular file; the database is left as it is</source>
        <translation>%1 旁的日志文件不是普通文件；数据库保持原样</translation>
    </message>
</context>
<context>
    <name>StrengthDescription</name>
    <message>
        <source>Mac only counts how many of its digits each score shares.</source>
        <translation>Mac 只数每次结果有几个数字相同。</translation>
    </message>
    <message>
        <source>Mac keeps only the numbers that give each score exactly.</source>
        <translation>Mac 只保留完全符合每次结果的数。</translation>
    </message>
    <message>
        <source>Mac also weighs each score against its earlier ones.</source>
        <translation>Mac 还会把每次结果与之前的结果相比较。</translation>
    </message>
    <message>
        <source>Mac plans every guess ahead and needs at most seven guesses.</source>
        <translation>Mac 预先规划每次猜测，最多七次就能猜中。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The strength chosen, then what it does, spoken by a screen reader.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>UserDefaults</name>
    <message>
        <source>Settings not saved: no folder to keep them in</source>
        <translation>设置未保存：没有可保存的文件夹</translation>
    </message>
    <message>
        <source>Settings not saved: %1 is %2</source>
        <translation>设置未保存：%1 是%2</translation>
    </message>
</context>
</TS>
