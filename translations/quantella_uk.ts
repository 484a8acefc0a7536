<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Предмети для лічби</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n символ</numerusform>
            <numerusform>%n символи</numerusform>
            <numerusform>%n символів</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Символи для лічби</translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n предмет</numerusform>
            <numerusform>%n предмети</numerusform>
            <numerusform>%n предметів</numerusform>
        </translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Молодець!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Неправильно.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Був %1.</numerusform>
            <numerusform>Їх було %1.</numerusform>
            <numerusform>Їх було %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>повітряний змій</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>прапор</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>вітрильник</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>свічка</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>кубик</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>лійка</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>лампа</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>стілець</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>ялинка</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>вишні</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>труба</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>кіт</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>яблуко</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>морозиво</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>сонечко</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>кролик</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>ДО</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>ПОНАД</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Вправа</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>До скількох лічити</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Команди</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Нова програма від Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>Від множини до графічних символів</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>Від графічних символів до множини</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>До пʼяти</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>До десяти</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Понад десять</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Обери знову</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Почни</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Мета: постав один символ для кожного предмета</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Перевір</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Лічи</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Спочатку</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Мета: подивись на символи й склади множину</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Секунди на кожну відповідь</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Секунди на всі відповіді від початку</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Вправа</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Правильні відповіді</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Неправильні відповіді</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Час відповіді</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Загальний час</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>українська</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>параметр %1 не приймає значення</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>невідомий параметр: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>неочікуваний аргумент: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>невідома мова: %1; мови програми: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>не вдається запустити платформу %1</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>не задано ні DISPLAY, ні WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>не вдається підʼєднатися до %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>немає екрана: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>немає служби синтезу мовлення</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>немає голосу для мови: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>служба синтезу мовлення не відповідає</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>немає голосу (%1); програма працює далі без звуку</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>голос зник (%1); програма працює далі без звуку</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>голос повернувся</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>показати цю довідку й вийти</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>показати версію й вийти</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>без голосу: не промовляти вголос ні чисел, ні результатів, ні назв клавіш</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>КОД</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>мова текстів і голосу замість мови робочого столу:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Використання: quantella [параметри]
Quantella допомагає дітям навчитися лічити.

Параметри:
</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>не вдається завантажити тексти мови %1; програма працює далі італійською</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>для параметра %1 не задано значення %2</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>клавіші підсвічуються самі, одна за одною;
Enter, пробіл або кнопка миші натискає підсвічену</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>СЕКУНДИ</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>скільки кожна клавіша лишається підсвіченою: від 0,5
до 10 секунд, типово 2; також вмикає сканування</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>неправильний час сканування: %1; --scansione-tempo приймає від 0,5 до 10 секунд</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>для мови «%1» немає чисел словами; голос називатиме цифри</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>НЕПРАВИЛЬНО</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>ПРАВИЛЬНО</translation>
    </message>
</context>
</TS>
