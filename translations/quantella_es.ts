<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Objetos para contar</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n símbolo</numerusform>
            <numerusform>%n símbolos</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Símbolos para contar</translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>No es así.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>Había %1.</numerusform>
            <numerusform>Había %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n objeto</numerusform>
            <numerusform>%n objetos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>bandera</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>vela</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>dado</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>embudo</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lámpara</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>silla</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>abeto</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>trompeta</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>manzana</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>helado</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>HASTA</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>MÁS DE</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>Hasta cuánto contar</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>El nuevo programa de Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>Del conjunto a los símbolos gráficos</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>De los símbolos gráficos al conjunto</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Hasta cinco</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Hasta diez</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Más de diez</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Elige otra vez</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Empieza</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Objetivo: pon un símbolo por cada objeto</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Comprueba</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Objetivo: mira los símbolos y construye el conjunto</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Segundos empleados en cada respuesta</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Segundos empleados en cada ejercicio</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Aciertos</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Errores</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Tiempo parcial</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Tiempo total</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>español</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>la opción %1 no admite ningún valor</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>idioma desconocido: %1; los idiomas disponibles son: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>la plataforma %1 no se inicia</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>no están definidas ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>no se puede conectar con %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>no hay pantalla: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>no hay ningún servicio de síntesis de voz</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>no hay ninguna voz para el idioma: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>el servicio de síntesis de voz no responde</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>no hay voz (%1); el programa continúa en silencio</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>voz perdida (%1); el programa continúa en silencio</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>la voz ha vuelto</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>no habla: no dice en voz alta números, resultados ni nombres de teclas</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>el idioma de los textos y de la voz, en lugar del idioma del escritorio:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Uso: quantella [opciones]
Quantella ayuda a los niños a aprender a contar.

Opciones:
</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>a la opción %1 le falta el valor %2</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>los textos del idioma %1 no se cargan; el programa sigue en italiano</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>las teclas se iluminan solas, una tras otra; Intro, la barra
espaciadora o un botón del ratón pulsa la iluminada</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SEGUNDOS</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>cuánto tiempo queda iluminada cada tecla: de 0,5 a 10
segundos, 2 si no se indica; también activa el barrido</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>tiempo de barrido no válido: %1; --scansione-tempo admite de 0,5 a 10 segundos</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>no hay números en palabras para el idioma «%1»; la voz dirá las cifras</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>INCORRECTO</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>CORRECTO</translation>
    </message>
</context>
</TS>
