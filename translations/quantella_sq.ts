<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Sende për të numëruar</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n simbol</numerusform>
            <numerusform>%n simbole</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Simbole për të numëruar</translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n send</numerusform>
            <numerusform>%n sende</numerusform>
        </translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Të lumtë!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Ke gabuar.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Ishte %1.</numerusform>
            <numerusform>Ishin %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>qift</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>flamur</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>varkë me vela</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>qiri</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>zar</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>hinkë</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>llambë</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>karrige</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>bredh</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>qershi</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>trumbetë</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>mace</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>mollë</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>akullore</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>mollëkuqe</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>lepur</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>DERI NË</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>MBI</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Ushtrimi</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>Deri ku numërojmë</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Komandat</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Programi i ri nga Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>Nga bashkësia te simbolet grafike</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>Nga simbolet grafike te bashkësia</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Deri në pesë</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Deri në dhjetë</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Mbi dhjetë</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Zgjidh përsëri</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Fillo</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Qëllimi: vendos një simbol për çdo send</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Kontrollo</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Numëro</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Vazhdo</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Rifillo</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Qëllimi: shiko simbolet dhe ndërto bashkësinë</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Sekonda për çdo përgjigje</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Rezultatet</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Sekonda për të gjitha përgjigjet deri tani</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Ushtrimi</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Përgjigje të sakta</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Përgjigje të gabuara</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Koha e përgjigjes</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Koha gjithsej</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>shqip</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>opsioni %1 nuk pranon vlerë</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>opsion i panjohur: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>argument i papritur: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>gjuhë e panjohur: %1; gjuhët janë: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>platforma %1 nuk niset</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>nuk është caktuar as DISPLAY, as WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>nuk mund të lidhet me %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>nuk ka ekran: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>nuk ka shërbim të sintezës së zërit</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>nuk ka zë për gjuhën: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>shërbimi i sintezës së zërit nuk përgjigjet</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>nuk ka zë (%1); programi vazhdon pa zë</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>zëri humbi (%1); programi vazhdon pa zë</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>zëri u kthye</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>shfaq këtë ndihmë dhe del</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>shfaq versionin dhe del</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>pa zë: nuk thotë me zë numra, përfundime apo emra tastesh</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>KODI</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>gjuha e teksteve dhe e zërit, në vend të gjuhës së desktopit:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Përdorimi: quantella [opsione]
Quantella i ndihmon fëmijët të mësojnë të numërojnë.

Opsionet:
</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>tekstet e gjuhës %1 nuk ngarkohen; programi vazhdon në italisht</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>opsionit %1 i mungon vlera %2</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>tastet ndizen vetë, njëri pas tjetrit;
Enter, shiriti i hapësirës ose një buton i miut
shtyp tastin e ndezur</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SEKONDA</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>sa kohë mbetet i ndezur çdo tast: nga 0,5 deri në 10
sekonda, 2 si parazgjedhje; aktivizon edhe skanimin</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>kohë skanimi e pavlefshme: %1; --scansione-tempo pranon nga 0,5 deri në 10 sekonda</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>nuk ka numra me fjalë për gjuhën «%1»; zëri do t&apos;i thotë shifrat</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>GABIM</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>SAKTË</translation>
    </message>
</context>
</TS>
