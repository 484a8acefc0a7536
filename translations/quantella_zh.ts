<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>要数的东西</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n 个符号</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>要数的符号</translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n 个东西</numerusform>
        </translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>对了！</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>不对。</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>应该是%1。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>风筝</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>旗子</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>帆船</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>蜡烛</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>漏斗</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>台灯</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>椅子</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>松树</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>樱桃</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>小喇叭</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>小猫</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>苹果</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>冰淇淋</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>瓢虫</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>兔子</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>数到</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>超过</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>练习</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>数到几</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Arvedo 的新软件</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>从一组东西到符号</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>从符号到一组东西</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>数到五</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>数到十</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>超过十</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>重新选</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     目标：每个东西放一个符号</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>数一数</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>重来</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     目标：看看符号，摆出一样多的东西</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>每道题用了几秒</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>到现在一共用了几秒</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>题号</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> 答对</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> 答错</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>这题用时</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>一共用时</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>选项 %1 不接受值</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>多余的参数：%1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>未知语言：%1；可用的语言：%2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>无法启动 %1 平台</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>DISPLAY 和 WAYLAND_DISPLAY 都没有设置</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>没有屏幕：%1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>没有语音合成服务</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>没有这种语言的语音：%1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>语音合成服务没有响应</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>没有语音（%1）；程序继续静音运行</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>语音中断（%1）；程序继续静音运行</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>语音恢复了</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1：“%2”</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>显示这个帮助并退出</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>不出声：不读出数字、结果和按键的名字</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>代码</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>文字和语音的语言，代替桌面的语言；可选：</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>用法：quantella [选项]
Quantella 帮助孩子学数数。

选项：
</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>无法加载 %1 语言的文字；程序继续以意大利语运行</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>选项 %1 缺少值 %2</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>按键会自动一个接一个地亮起；
按回车键、空格键或鼠标键，就按下亮着的按键</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>秒数</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>每个按键亮多久：0.5 到 10 秒，
默认 2 秒；也会开启自动扫描</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>扫描时间无效：%1；--scansione-tempo 只接受 0.5 到 10 秒</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>没有“%1”语言的数字读法；语音将直接读出阿拉伯数字</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>不对</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>对了</translation>
    </message>
</context>
</TS>
