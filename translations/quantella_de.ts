<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Dinge zum Zählen</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n Zeichen</numerusform>
            <numerusform>%n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Zeichen zum Zählen</translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Leider falsch.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Es war %1.</numerusform>
            <numerusform>Es waren %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n Ding</numerusform>
            <numerusform>%n Dinge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>Fahne</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>Trichter</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>BIS</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>ÜBER</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>Bis wohin zählen</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Die neue Software von Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>Von der Menge zu den Zeichen</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>Von den Zeichen zur Menge</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Bis fünf</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Bis zehn</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Über zehn</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Neu wählen</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Los</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Ziel: Setze für jedes Ding ein Zeichen</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Von vorn</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Ziel: Schau dir die Zeichen an und bilde die Menge</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Sekunden für jede Antwort</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Sekunden für die ganze Übung</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Richtige Antworten</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Falsche Antworten</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Zeit pro Antwort</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Zeit gesamt</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>die Option %1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>unbekannte Sprache: %1; verfügbare Sprachen: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>die Plattform %1 lässt sich nicht starten</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>kein Bildschirm: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>kein Dienst für die Sprachausgabe</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>keine Stimme für die Sprache: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>der Dienst für die Sprachausgabe antwortet nicht</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>keine Stimme (%1); das Programm läuft stumm weiter</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>Stimme verloren (%1); das Programm läuft stumm weiter</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>die Stimme ist wieder da</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>ohne Stimme: keine Zahlen, Ergebnisse oder Tastennamen ansagen</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>Sprache der Texte und der Stimme statt der Sprache des Desktops:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Aufruf: quantella [Optionen]
Quantella hilft Kindern, das Zählen zu lernen.

Optionen:
</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>bei der Option %1 fehlt der Wert %2</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>die Texte der Sprache %1 lassen sich nicht laden; das Programm läuft auf Italienisch weiter</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: „%2“</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>die Tasten leuchten von selbst nacheinander auf; Eingabe,
Leertaste oder eine Maustaste drückt die leuchtende Taste</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SEKUNDEN</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>wie lange jede Taste leuchtet: 0,5 bis 10 Sekunden,
ohne Angabe 2; schaltet auch das Scanning ein</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>ungültige Scanzeit: %1; --scansione-tempo erwartet 0,5 bis 10 Sekunden</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>keine Zahlwörter für die Sprache „%1“; die Stimme sagt die Ziffern</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>FALSCH</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>RICHTIG</translation>
    </message>
</context>
</TS>
