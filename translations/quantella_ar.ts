<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="it_IT">
<context>
    <name>Esercizio</name>
    <message>
        <source>Oggetti da contare</source>
        <extracomment>What a screen reader calls the set of objects the child counts (not how many: that is the answer).</extracomment>
        <translation>أشياء للعدّ</translation>
    </message>
    <message numerus="yes">
        <source>%n simboli</source>
        <comment>the symbols the child has placed</comment>
        <translation>
            <numerusform>لا رموز</numerusform>
            <numerusform>رمز واحد</numerusform>
            <numerusform>رمزان</numerusform>
            <numerusform>%n رموز</numerusform>
            <numerusform>%n رمزًا</numerusform>
            <numerusform>%n رمز</numerusform>
        </translation>
    </message>
    <message>
        <source>Simboli da contare</source>
        <extracomment>What a screen reader calls the row of symbols the child counts (not how many: that is the answer).</extracomment>
        <translation>رموز للعدّ</translation>
    </message>
    <message numerus="yes">
        <source>%n oggetti</source>
        <comment>objects in the child&apos;s set</comment>
        <translation>
            <numerusform>لا أشياء</numerusform>
            <numerusform>شيء واحد</numerusform>
            <numerusform>شيئان</numerusform>
            <numerusform>%n أشياء</numerusform>
            <numerusform>%n شيئًا</numerusform>
            <numerusform>%n شيء</numerusform>
        </translation>
    </message>
    <message>
        <source>Esatto!</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source>Errato.</source>
        <translation>خطأ.</translation>
    </message>
    <message numerus="yes">
        <source>Erano %1.</source>
        <comment>said after a mistake: how many there were; %1 is the number in words</comment>
        <translation>
            <numerusform>العدد الصحيح هو %1.</numerusform>
            <numerusform>العدد الصحيح هو %1.</numerusform>
            <numerusform>العدد الصحيح هو %1.</numerusform>
            <numerusform>العدد الصحيح هو %1.</numerusform>
            <numerusform>العدد الصحيح هو %1.</numerusform>
            <numerusform>العدد الصحيح هو %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>aquilone</source>
        <translation>طائرة ورقية</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>علم</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>قارب شراعي</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>شمعة</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>نرد</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>قمع</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>مصباح</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>كرسي</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>شجرة صنوبر</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>كرز</translation>
    </message>
    <message>
        <source>trombetta</source>
        <translation>بوق</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>قطة</translation>
    </message>
    <message>
        <source>mela</source>
        <translation>تفاحة</translation>
    </message>
    <message>
        <source>gelato</source>
        <translation>مثلجات</translation>
    </message>
    <message>
        <source>coccinella</source>
        <translation>دعسوقة</translation>
    </message>
    <message>
        <source>coniglio</source>
        <translation>أرنب</translation>
    </message>
    <message>
        <source>FINO A</source>
        <extracomment>Drawn over five or ten red squares on a range key: &quot;up to&quot; that many. Capitals, as short as can be.</extracomment>
        <translation>حتى</translation>
    </message>
    <message>
        <source>OLTRE</source>
        <extracomment>Drawn over ten red squares on a range key: &quot;more than&quot; ten. Capitals, as short as can be.</extracomment>
        <translation>أكثر من</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Esercizio</source>
        <extracomment>What a screen reader calls the row of the two exercise keys.</extracomment>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Fino a quanto contare</source>
        <extracomment>What a screen reader calls the row of range keys.</extracomment>
        <translation>إلى أين نعدّ</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>A command key: leave this screen (on the start screen: leave the program). One short word.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Comandi</source>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>Il nuovo software di Arvedo</source>
        <extracomment>The credit band; Arvedo is a name.</extracomment>
        <translation>برنامج Arvedo الجديد</translation>
    </message>
    <message>
        <source>Dall&apos;insieme ai simboli grafici</source>
        <translation>من المجموعة إلى الرموز</translation>
    </message>
    <message>
        <source>Dai simboli grafici all&apos;insieme</source>
        <translation>من الرموز إلى المجموعة</translation>
    </message>
    <message>
        <source>Fino a cinque</source>
        <extracomment>What a screen reader says of the range key whose picture shows &quot;up to&quot; over five squares.</extracomment>
        <translation>حتى خمسة</translation>
    </message>
    <message>
        <source>Fino a dieci</source>
        <translation>حتى عشرة</translation>
    </message>
    <message>
        <source>Oltre dieci</source>
        <translation>أكثر من عشرة</translation>
    </message>
    <message>
        <source>Reimposta</source>
        <extracomment>A command key of the start screen: clear the choices and choose again.</extracomment>
        <translation>اختر من جديد</translation>
    </message>
    <message>
        <source>Vai</source>
        <extracomment>A command key of the start screen: start the chosen exercise. One short word.</extracomment>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>     Obiettivo: quantella grafici</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     الهدف: ضع رمزًا لكل شيء</translation>
    </message>
    <message>
        <source>Verifica</source>
        <extracomment>A command key: check the answer. One short word.</extracomment>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>Conta</source>
        <extracomment>A command key: count one more (adds one symbol or object). One short word, a verb.</extracomment>
        <translation>عُدّ</translation>
    </message>
    <message>
        <source>Avanti</source>
        <extracomment>A command key: go on to the next exercise. One short word.</extracomment>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <extracomment>A command key: start the answer again. One short word.</extracomment>
        <translation>من جديد</translation>
    </message>
    <message>
        <source>     Obiettivo: guarda i simboli e costruisci l&apos;insieme</source>
        <extracomment>The goal line over the exercise; keep the five spaces it begins with.</extracomment>
        <translation>     الهدف: انظر إلى الرموز وضع أشياء بعددها</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>عدد الثواني لكل إجابة</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>عدد الثواني لكل الإجابات حتى الآن</translation>
    </message>
    <message>
        <source>Oper</source>
        <extracomment>Heading of the exercise number in the results panel: a short abbreviation.</extracomment>
        <translation>التمرين</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <extracomment>Heading over the count of right answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> صحيحة</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <extracomment>Heading over the count of wrong answers, in a narrow column; keep the space it begins with.</extracomment>
        <translation> خاطئة</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <extracomment>Heading over the seconds the last answer took.</extracomment>
        <translation>وقت الإجابة</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <extracomment>Heading over the seconds all answers took.</extracomment>
        <translation>الوقت الكلي</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <source>italiano</source>
        <extracomment>The name of this translation&apos;s language, in the language itself, lower case as in a sentence where the language writes it so: &quot;English&quot;, &quot;Deutsch&quot;, &quot;français&quot;, &quot;español&quot;.</extracomment>
        <translation>العربية</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>l&apos;opzione %1 non vuole un valore</source>
        <translation>الخيار %1 لا يقبل قيمة</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>خيار غير معروف: %1</translation>
    </message>
    <message>
        <source>argomento non previsto: %1</source>
        <translation>وسيط غير متوقع: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1; le lingue sono: %2</source>
        <translation>لغة غير معروفة: %1؛ اللغات هي: %2</translation>
    </message>
    <message>
        <source>la piattaforma %1 non si avvia</source>
        <translation>تعذّر تشغيل المنصة %1</translation>
    </message>
    <message>
        <source>né DISPLAY né WAYLAND_DISPLAY sono impostate</source>
        <translation>لم يُضبط DISPLAY ولا WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>impossibile collegarsi a %1</source>
        <translation>تعذّر الاتصال بـ %1</translation>
    </message>
    <message>
        <source>nessuno schermo: %1</source>
        <translation>لا توجد شاشة: %1</translation>
    </message>
    <message>
        <source>nessun servizio di sintesi vocale</source>
        <translation>لا توجد خدمة لتحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>nessuna voce per la lingua: %1</source>
        <translation>لا يوجد صوت للغة: %1</translation>
    </message>
    <message>
        <source>il servizio di sintesi vocale non risponde</source>
        <translation>خدمة تحويل النص إلى كلام لا تستجيب</translation>
    </message>
    <message>
        <source>nessuna voce (%1); il programma continua in silenzio</source>
        <translation>لا صوت (%1)؛ يواصل البرنامج العمل بصمت</translation>
    </message>
    <message>
        <source>voce persa (%1); il programma continua in silenzio</source>
        <translation>انقطع الصوت (%1)؛ يواصل البرنامج العمل بصمت</translation>
    </message>
    <message>
        <source>la voce è tornata</source>
        <translation>عاد الصوت</translation>
    </message>
    <message>
        <source>%1: «%2»</source>
        <extracomment>%1 is why the voice is silent; %2 is what the speech service itself said (in English), quoted.</extracomment>
        <translation>%1: «%2»</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>يعرض هذه المساعدة ويخرج</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>يعرض الإصدار ويخرج</translation>
    </message>
    <message>
        <source>non parla: nessun numero, esito o nome di tasto detto a voce</source>
        <translation>بلا صوت: لا ينطق الأرقام ولا النتائج ولا أسماء الأزرار</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>رمز</translation>
    </message>
    <message>
        <source>la lingua dei testi e della voce, invece di quella del desktop:</source>
        <extracomment>Followed on the next line by the list of languages.</extracomment>
        <translation>لغة النصوص والصوت بدلًا من لغة سطح المكتب:</translation>
    </message>
    <message>
        <source>Uso: quantella [opzioni]
Quantella aiuta i bambini a imparare a contare.

Opzioni:
</source>
        <extracomment>The option names stay Italian in every language; the lines of the options follow.</extracomment>
        <translation>الاستخدام: quantella [خيارات]
يساعد Quantella الأطفال على تعلّم العدّ.

الخيارات:
</translation>
    </message>
    <message>
        <source>i testi della lingua %1 non si caricano; il programma continua in italiano</source>
        <translation>تعذّر تحميل نصوص اللغة %1؛ يواصل البرنامج العمل بالإيطالية</translation>
    </message>
    <message>
        <source>all&apos;opzione %1 manca il valore %2</source>
        <translation>الخيار %1 تنقصه القيمة %2</translation>
    </message>
    <message>
        <source>i tasti si illuminano da soli, uno dopo l&apos;altro; Invio, lo spazio
o un tasto del mouse premono quello illuminato</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>تضيء الأزرار وحدها، واحدًا بعد الآخر؛
ومفتاح Enter أو المسافة أو زر الفأرة يضغط الزر المضيء</translation>
    </message>
    <message>
        <source>SECONDI</source>
        <extracomment>The name of the option&apos;s value in the help and in messages, upper case.</extracomment>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>quanto resta illuminato ogni tasto: da 0,5 a 10 secondi,
2 se manca; attiva anche la scansione</source>
        <extracomment>Lines after the first follow in the same column.</extracomment>
        <translation>مدة إضاءة كل زر: من 0.5 إلى 10 ثوانٍ،
وهي 2 إن لم تُذكر؛ ويشغّل المسح التلقائي أيضًا</translation>
    </message>
    <message>
        <source>tempo di scansione non valido: %1; --scansione-tempo vuole da 0,5 a 10 secondi</source>
        <translation>مدة مسح غير صالحة: %1؛ الخيار --scansione-tempo يقبل من 0.5 إلى 10 ثوانٍ</translation>
    </message>
</context>
<context>
    <name>NumeriInParole</name>
    <message>
        <source>nessun numero in parole per la lingua «%1»; la voce dirà le cifre</source>
        <translation>لا توجد أعداد بالكلمات للغة «%1»؛ سينطق الصوت الأرقام</translation>
    </message>
</context>
<context>
    <name>Risultati</name>
    <message>
        <source>Esito</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading of the results and its value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ERRATO</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>ESATTO</source>
        <translation>صحيح</translation>
    </message>
</context>
</TS>
