<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Obiecte de numărat</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n simbol</numerusform>
            <numerusform>%n simboluri</numerusform>
            <numerusform>%n de simboluri</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Simboluri de numărat</translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n obiect</numerusform>
            <numerusform>%n obiecte</numerusform>
            <numerusform>%n de obiecte</numerusform>
        </translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Ai greșit.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Răspunsul corect era %1.</numerusform>
            <numerusform>Răspunsul corect era %1.</numerusform>
            <numerusform>Răspunsul corect era %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>zmeu</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>steag</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>barcă cu pânze</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>lumânare</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>zar</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>pâlnie</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lampă</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>scaun</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>brad</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cireșe</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>trompetă</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>pisică</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>măr</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>înghețată</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>buburuză</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>iepure</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>PÂNĂ LA</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>PESTE</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Exercițiu</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>Până unde numărăm</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Comenzi</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Noul program de la Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>De la mulțime la simbolurile grafice</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>De la simbolurile grafice la mulțime</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Până la cinci</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Până la zece</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Peste zece</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Alege din nou</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Începe</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Obiectiv: pune câte un simbol pentru fiecare obiect</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Verifică</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Numără</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Reîncepe</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Obiectiv: uită-te la simboluri și formează mulțimea</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Secunde pentru fiecare răspuns</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Rezultate</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Secunde pentru toate răspunsurile de până acum</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Exercițiu</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Răspunsuri corecte</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Răspunsuri greșite</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Timp de răspuns</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Timp total</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>română</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>opțiunea %1 nu acceptă o valoare</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>opțiune necunoscută: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>argument neașteptat: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>limbă necunoscută: %1; limbile sunt: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>platforma %1 nu pornește</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>nici DISPLAY, nici WAYLAND_DISPLAY nu sunt definite</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>conectarea la %1 nu este posibilă</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>niciun ecran: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>niciun serviciu de sinteză vocală</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>nicio voce pentru limba: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>serviciul de sinteză vocală nu răspunde</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>nicio voce (%1); programul continuă în liniște</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>vocea s-a pierdut (%1); programul continuă în liniște</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>vocea a revenit</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: „%2”</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>afișează acest ajutor și iese</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>afișează versiunea și iese</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>fără voce: nu spune cu voce tare numere, rezultate sau nume de taste</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>COD</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>limba textelor și a vocii, în locul limbii desktopului:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Utilizare: quantella [opțiuni]
Quantella îi ajută pe copii să învețe să numere.

Opțiuni:
</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>textele limbii %1 nu se încarcă; programul continuă în italiană</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>opțiunii %1 îi lipsește valoarea %2</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>tastele se luminează singure, una după alta;
Enter, bara de spațiu sau un buton al mouse-ului
apasă tasta luminată</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SECUNDE</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>cât timp rămâne luminată fiecare tastă: de la 0,5
la 10 secunde, implicit 2; pornește și scanarea</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>timp de scanare nevalid: %1; --scansione-tempo acceptă de la 0,5 la 10 secunde</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>nu există numere în litere pentru limba „%1”; vocea va spune cifrele</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>GREȘIT</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>CORECT</translation>
    </message>
</context>
</TS>
