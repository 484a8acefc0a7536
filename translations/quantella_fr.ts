<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>Objets à compter</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>%n symbole</numerusform>
            <numerusform>%n symboles</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>Symboles à compter</translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>Pas tout à fait.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>La bonne réponse était %1.</numerusform>
            <numerusform>La bonne réponse était %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>%n objet</numerusform>
            <numerusform>%n objets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>voilier</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>bougie</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>dé</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>entonnoir</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lampe</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>chaise</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>sapin</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>trompette</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>pomme</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>glace</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>JUSQU’À</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>PLUS DE</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>Jusqu’où compter</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>Le nouveau logiciel d’Arvedo</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>De la collection aux symboles graphiques</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>Des symboles graphiques à la collection</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>Jusqu’à cinq</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>Jusqu’à dix</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>Plus de dix</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>Efface</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>Commence</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Objectif&#xa0;: mets un symbole pour chaque objet</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>Vérifie</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>Recommence</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     Objectif&#xa0;: regarde les symboles et construis la collection</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Secondes passées sur chaque réponse</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Secondes passées sur chaque exercice</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Réponses justes</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> Réponses fausses</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>Temps total</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>français</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>l’option %1 n’accepte pas de valeur</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>langue inconnue&#xa0;: %1&#xa0;; les langues disponibles sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>la plateforme %1 ne démarre pas</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY ne sont définies</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>aucun écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>aucun service de synthèse vocale</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>aucune voix pour la langue&#xa0;: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>le service de synthèse vocale ne répond pas</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>aucune voix (%1)&#xa0;; le programme continue en silence</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>voix perdue (%1)&#xa0;; le programme continue en silence</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>la voix est revenue</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>sans voix&#xa0;: aucun nombre, résultat ou nom de touche n’est dit à voix haute</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>la langue des textes et de la voix, au lieu de celle du bureau&#xa0;:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>Usage&#xa0;: quantella [options]
Quantella aide les enfants à apprendre à compter.

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>il manque la valeur %2 à l’option %1</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>les textes de la langue %1 ne se chargent pas&#xa0;; le programme continue en italien</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>les touches s’allument d’elles-mêmes, l’une après l’autre&#xa0;;
Entrée, Espace ou un bouton de la souris appuie sur celle
qui est allumée</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>SECONDES</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>durée pendant laquelle chaque touche reste allumée&#xa0;:
de 0,5 à 10 secondes, 2 par défaut&#xa0;; active aussi le balayage</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>durée de balayage invalide&#xa0;: %1&#xa0;; --scansione-tempo accepte de 0,5 à 10 secondes</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>pas de nombres en toutes lettres pour la langue «&#xa0;%1&#xa0;»&#xa0;; la voix dira les chiffres</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>FAUX</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>JUSTE</translation>
    </message>
</context>
</TS>
