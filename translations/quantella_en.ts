<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Objects to count</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n symbol</numerusform>
            <numerusform>%n symbols</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Symbols to count</translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Not quite.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>There was %1.</numerusform>
            <numerusform>There were %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n object</numerusform>
            <numerusform>%n objects</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>kite</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>flag</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>sailing boat</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>candle</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>dice</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>funnel</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>chair</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>fir tree</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cherries</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>trumpet</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>cat</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>apple</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>ice cream</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>ladybird</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>rabbit</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>UP TO</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>OVER</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>How far to count</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>The new software by Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>From the set to the graphic symbols</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>From the graphic symbols to the set</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Up to five</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Up to ten</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Over ten</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Goal: one symbol for each object</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Check</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Count</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Start again</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Goal: look at the symbols and build the set</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Seconds taken for each answer</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Seconds taken for all the answers so far</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Exercise</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Right answers</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Wrong answers</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Answer time</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Total time</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>option %1 does not take a value</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>unknown language: %1; the languages are: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>the %1 platform failed to start</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>neither DISPLAY nor WAYLAND_DISPLAY is set</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>cannot connect to %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>no screen: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>no speech synthesis service</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>no voice for the language: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>the speech synthesis service is not responding</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>no voice (%1); the program carries on silently</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>voice lost (%1); the program carries on silently</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>the voice is back</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>show the version and exit</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>silent: no numbers, outcomes or key names are spoken aloud</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>the language of the texts and the voice, instead of the desktop&apos;s; one of:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Usage: quantella [options]
Quantella helps children learn to count.

Options:
</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>option %1 is missing its value %2</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>the texts of the language %1 do not load; the program goes on in Italian</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: “%2”</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>the keys light up by themselves, one after another;
Enter, space or a mouse button presses the lit one</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>how long each key stays lit: from 0.5 to 10 seconds,
2 if not given; also turns scanning on</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>invalid scanning time: %1; --scansione-tempo takes 0.5 to 10 seconds</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>no numbers in words for the language “%1”; the voice will say the digits</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>WRONG</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>RIGHT</translation>
    </message>
</context>
</TS>
