// Exercise 2: symbols drawn within the range, the set the child builds, the check, counters and
// times, the command keys, and what a new visit keeps; and for both exercises, the counters' limit
// and the counts said aloud in words.

#include "Drive.h"
#include "screen/NumeriInParole.h"

#include <QtTest>

#include <set>

using namespace drive;

namespace {

enum { Conta = 0, Ricomincia = 1, Verifica = 2, Avanti = 3, Esci = 4 };

} // namespace

class Exercise2 : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    // A new program with exercise 2 open on scripted draws.
    Screen<FrmOperativo2> open(int maximum, int kind, int count, int figura)
    {
        program_ = std::make_unique<TestProgram>(Start::Open);
        FrmOperativo2& f = program_->openExercise2(maximum, kind, count, figura);
        return {*program_, f, f.window()};
    }

private slots:
    void cleanup() { program_.reset(); }

    // Kind 3, count 6, figure 9, checked after 12.6 seconds.
    void workedExample()
    {
        auto [t, f, w] = open(10, 3, 6, 9);
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("Dai simboli grafici all'insieme"));
        QCOMPARE(symbols(f), QStringList(6, QStringLiteral(">")) + QStringList(14, QString()));
        QCOMPARE(shown(f), 0);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("1"));
        QCOMPARE(f.window()->focusedControl(), f.Option1[Conta]);
        QCOMPARE(f.Option1[Conta]->backColor(), QColor(255, 192, 128));
        for (int i = 0; i < 6; ++i)
            click(*f.Option1[Conta]);
        const QImage nove = t->frmFigure().Image3(9).toImage();
        for (int k = 0; k <= 23; ++k) {
            const bool filled = k >= 1 && k <= 6;
            QCOMPARE(f.Image2[k]->picture().isNull(), !filled);
            if (filled)
                QCOMPARE(f.Image2[k]->picture().toImage(), nove);
        }
        t.clock.advance(12.6f);
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ESATTO"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("1"));
        QCOMPARE(f.pannello.lblRisErrate->caption(), QString());
        QCOMPARE(f.pannello.LblTempoParziale->caption(), QStringLiteral(" 12"));
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QStringLiteral(" 12"));
    }

    // Over many real draws: every count from 1 to the maximum, the symbols in Label2(1) onwards in
    // reading order and no further, all four kinds and all twelve figures.
    void drawsStayWithinTheRange()
    {
        const QStringList kinds{QStringLiteral("x"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("+")};
        for (int maximum : {5, 10, 20}) {
            TestProgram t(Start::Open);
            t.openExercise(2, maximum);
            FrmOperativo2& f = t->operativo2();
            std::set<int> counts, figures;
            std::set<QString> shown;
            for (int round = 0; round < 1500; ++round) {
                t.clock.advance(0.83f);
                f.eseguiComando(Avanti);
                const StatoEsercizio2& s = f.stato();
                QVERIFY(s.numeroSimboli >= 1 && s.numeroSimboli <= maximum);
                QVERIFY(s.figura >= 1 && s.figura <= 12);
                QCOMPARE(s.simbolo, kinds[s.tipoSimbolo - 1]);
                const QStringList all = symbols(f);
                for (int k = 0; k < 20; ++k)
                    QCOMPARE(all[k], k < s.numeroSimboli ? s.simbolo : QString());
                counts.insert(s.numeroSimboli);
                figures.insert(s.figura);
                shown.insert(s.simbolo);
            }
            QCOMPARE(int(counts.size()), maximum);
            QCOMPARE(int(figures.size()), 12);
            QCOMPARE(int(shown.size()), 4);
            // The generator is seeded from the clock at every exercise.
            QCOMPARE(t.random.seeds.size(), 1501);
        }
    }

    // One symbol and one "Conta" is right; 21 "Conta" on 20 symbols show 20 figures and are wrong.
    void answers()
    {
        auto [t, f, w] = open(20, 1, 1, 2);
        answer(f, 1);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ESATTO"));

        t.nextSet2(4, 20, 20, 5);
        QCOMPARE(symbols(f).count(QStringLiteral("+")), 20);
        for (int i = 0; i < 21; ++i)
            click(*f.Option1[Conta]);
        QCOMPARE(shown(f), 20);
        QVERIFY(f.Image2[0]->picture().isNull());
        QCOMPARE(f.stato().oggettiInseriti, 21);
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
        QCOMPARE(f.pannello.lblRisErrate->caption(), QStringLiteral("1"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("1"));
    }

    // "Verifica" is not available before the first "Conta", and stays so after "Ricomincia".
    void restartKeepsTheCheckAvailable()
    {
        auto [t, f, w] = open(5, 2, 3, 4);
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QString());
        click({f.Option1[Conta], f.Option1[Ricomincia]});
        QCOMPARE(shown(f), 0);
        QCOMPARE(f.stato().oggettiInseriti, 0);
        QVERIFY(f.Option1[Verifica]->isEnabled());
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
    }

    // Times carry a leading space, counters none; "999" is the display ceiling; the first check
    // adds to an empty total; "Avanti" keeps the last answer's time on show.
    void timesAndCounters()
    {
        auto [t, f, w] = open(5, 1, 2, 1);
        t.clock.advance(4.2f);
        answer(f, 1);
        QCOMPARE(f.pannello.LblTempoParziale->caption(), QStringLiteral(" 4"));
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QStringLiteral(" 4"));
        QCOMPARE(f.pannello.lblRisErrate->caption(), QStringLiteral("1"));

        for (int round = 0; round < 3; ++round) {
            t.nextSet2(1, 2, 5, 1);
            QCOMPARE(f.pannello.LblEsito->caption(), QString());
            QVERIFY(!f.pannello.LblTempoParziale->caption().isEmpty());
            t.clock.advance(400);
            answer(f, 2);
        }
        QCOMPARE(f.pannello.LblTempoParziale->caption(), QStringLiteral(" 400"));
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QStringLiteral("999"));
        QCOMPARE(f.risultati().secondiTotali.value(), 1204.0f);
        t.nextSet2(1, 2, 5, 1);
        t.clock.advance(1000);
        answer(f, 2);
        QCOMPARE(f.pannello.LblTempoParziale->caption(), QStringLiteral("999"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("4"));
    }

    // Every mouse press on "Conta" adds a figure, even without a release in between; a held Enter
    // adds one; each figure added says the new count, and "Ricomincia" hushes the voice.
    void pressesAndHeldKeys()
    {
        auto [t, f, w] = open(10, 1, 5, 1);
        for (int i = 0; i < 3; ++i)
            mouseDown(*f.Option1[Conta], i % 2 ? Qt::RightButton : Qt::LeftButton);
        QCOMPARE(f.stato().oggettiInseriti, 3);
        mouseUp(*f.Option1[Conta]);
        QVERIFY(!f.Option1[Conta]->isSelected());
        mouseUp(*f.Option1[Conta], Qt::RightButton);
        hold(f.window(), Qt::Key_Return, 20);
        QCOMPARE(f.stato().oggettiInseriti, 4);
        click(*f.Option1[Ricomincia]);
        QCOMPARE(t.voice.said, QStringList({"uno", "due", "tre", "quattro", "(stop)"}));
    }

    // After the check, space moves only between "Avanti" and "Esci"; at the next exercise the
    // focus leaves the disabled "Avanti" for the next available key, "Conta".
    void keysAfterTheCheck()
    {
        auto [t, f, w] = open(10, 1, 5, 1);
        type(w, Qt::Key_Return);
        type(w, Qt::Key_3, Qt::KeypadModifier);
        type(w, Qt::Key_Return);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
        QCOMPARE(f.window()->focusedControl(), f.Option1[Avanti]);
        tk::Control *avanti = f.Option1[Avanti], *esci = f.Option1[Esci];
        // The 1 of "Conta", not available, leaves the focus where it is.
        walkFocus(f.window(),
                  {{Qt::Key_Space, esci}, {Qt::Key_Space, avanti}, {Qt::Key_Space, esci}, {Qt::Key_1, esci}});
        type(w, Qt::Key_4);
        t.queueSet2(2, 3, 10, 7);
        type(w, Qt::Key_Return);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("2"));
        QCOMPARE(f.window()->focusedControl(), f.Option1[Conta]);
        type(w, Qt::Key_Return);
        QCOMPARE(f.stato().oggettiInseriti, 1);
    }

    // The exercise number runs on across visits; counts continue at the next check; an
    // unchecked exercise left by the close box counts neither way.
    void theNumberRunsOnAcrossVisits()
    {
        auto [t, f, w] = open(5, 1, 2, 1);
        for (int round = 0; round < 3; ++round) {
            t.clock.advance(1);
            answer(f, 2);
            if (round < 2)
                t.nextSet2(1, 2, 5, 1);
        }
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("3"));
        click(*f.Option1[Esci]);
        QVERIFY(!f.isLoaded());
        QVERIFY(t->frmInizio().isVisible());

        t.openExercise2(5, 1, 2, 1);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("4"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QString());
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QString());
        f.window()->close();  // unchecked: dropped
        QCOMPARE(f.risultati().risposteEsatte, 3);
        QCOMPARE(f.risultati().risposteErrate, 0);

        t.openExercise2(5, 1, 2, 1);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("5"));
        t.clock.advance(2);
        answer(f, 2);
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("4"));
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QStringLiteral(" 5"));
    }

    // In either window the counters and the exercise number stop at the largest 16-bit value
    // instead of turning negative, and 20 of the things added show.
    void countersStopAtTheLargestValue_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::newRow("exercise 1") << 1;
        QTest::newRow("exercise 2") << 2;
    }
    void countersStopAtTheLargestValue()
    {
        QFETCH(int, exercise);
        TestProgram t(Start::Open);
        auto check = [](auto& f) {
            for (int i = 0; i < 32800; ++i)
                f.eseguiComando(f.Conta);
            QCOMPARE(added(f), 32767);
            QCOMPARE(shown(f), 20);
            for (int i = 0; i < 32800; ++i) {
                f.eseguiComando(Verifica);
                f.eseguiComando(Avanti);
            }
            QCOMPARE(f.stato().numeroEsercizio, 32767);
            QCOMPARE(f.risultati().risposteEsatte + f.risultati().risposteErrate >= 32767, true);
            QVERIFY(f.risultati().risposteErrate > 0);
            QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("32767"));
        };
        if (exercise == 1)
            check(t.openExercise1(5, 2, 3, 1));  // symbols of kind 2, picture 3, one object
        else
            check(t.openExercise2(5, 1, 1, 1));
    }

    // A count said aloud in the program's language: in Italian with its elisions and the accent of
    // a final "tre", up to the counters' limit, and the first twenty and a few more elsewhere. A
    // language ICU has no words for gets digits, not English words, and says so once.
    void countsInWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("words");
        const std::pair<const char*, const char*> firstTwenty[] = {
            {"it", "uno due tre quattro cinque sei sette otto nove dieci undici dodici tredici quattordici quindici "
                   "sedici diciassette diciotto diciannove venti"},
            {"en", "one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen "
                   "sixteen seventeen eighteen nineteen twenty"},
            {"de", "eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf dreizehn vierzehn fünfzehn "
                   "sechzehn siebzehn achtzehn neunzehn zwanzig"},
            {"fr", "un deux trois quatre cinq six sept huit neuf dix onze douze treize quatorze quinze seize "
                   "dix-sept dix-huit dix-neuf vingt"},
            {"es", "uno dos tres cuatro cinco seis siete ocho nueve diez once doce trece catorce quince dieciséis "
                   "diecisiete dieciocho diecinueve veinte"},
        };
        for (const auto& [language, words] : firstTwenty) {
            const QStringList each = QString::fromUtf8(words).split(u' ');
            for (int n = 1; n <= 20; ++n)
                QTest::addRow("%s %d", language, n) << QString::fromLatin1(language) << n << each[n - 1];
        }
        const std::tuple<const char*, int, const char*> more[] = {
            {"it", 21, "ventuno"}, {"it", 23, "ventitré"}, {"it", 28, "ventotto"}, {"it", 33, "trentatré"},
            {"it", 81, "ottantuno"}, {"it", 100, "cento"}, {"it", 101, "centouno"}, {"it", 108, "centotto"},
            {"it", 180, "centottanta"}, {"it", 181, "centottantuno"}, {"it", 203, "duecentotré"},
            {"it", 999, "novecentonovantanove"}, {"it", 1000, "mille"}, {"it", 1003, "milletré"},
            {"it", 2003, "duemilatré"}, {"it", 3000, "tremila"}, {"it", 21000, "ventunmila"},
            {"it", 23000, "ventitremila"}, {"it", 32767, "trentaduemilasettecentosessantasette"},
            {"en", 21, "twenty-one"}, {"en", 32767, "thirty-two thousand seven hundred sixty-seven"},
            {"de", 21, "einundzwanzig"}, {"de", 32767, "zweiunddreißigtausendsiebenhundertsiebenundsechzig"},
            {"fr", 21, "vingt-et-un"}, {"fr", 80, "quatre-vingts"}, {"fr", 32767, "trente-deux mille sept cent soixante-sept"},
            {"es", 21, "veintiuno"}, {"es", 100, "cien"}, {"es", 32767, "treinta y dos mil setecientos sesenta y siete"},
            {"la", 21, "21"}, {"ku", 21, "21"}, {"ku", 3, "3"}};
        for (const auto& [language, n, words] : more)
            QTest::addRow("%s %d", language, n) << QString::fromLatin1(language) << n << QString::fromUtf8(words);
    }
    void countsInWords()
    {
        QFETCH(QString, language);
        QFETCH(int, count);
        QFETCH(QString, words);
        QStringList warnings;
        NumeriInParole numbers(language, [&warnings](const QString& line) { warnings << line; });
        QCOMPARE(numbers.inParole(count), words);
        QCOMPARE(numbers.inParole(count), words);
        if (words == QString::number(count)) {
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings[0].contains(u'«' + language + u'»'), qPrintable(warnings[0]));
        } else {
            QCOMPARE(warnings, QStringList());
        }
    }

    // In either window, counts are said in the language the program was started in.
    void countsFollowTheProgramsLanguage()
    {
        useLanguage(QStringLiteral("de"));
        for (int exercise : {1, 2}) {
            TestProgram t(Start::Open);
            t.openExercise(exercise, 5);
            const int conta = exercise == 1 ? int(frmOperativo1::Conta) : int(FrmOperativo2::Conta);
            t.exercise(exercise).eseguiComando(conta);
            t.exercise(exercise).eseguiComando(conta);
            QCOMPARE(t.voice.said, QStringList({"eins", "zwei"}));
        }
        useLanguage(QStringLiteral("it"));
    }

    // The layout: twenty symbol places 1..20 (no 0), four rows of five, the results panel further right.
    void designLayout()
    {
        auto [t, f, w] = open(5, 1, 1, 1);
        QCOMPARE(f.Label2.lowerBound(), 1);
        QCOMPARE(f.Label2.upperBound(), 20);
        QVERIFY(!f.Label2.has(0));
        for (int k = 1; k <= 20; ++k) {
            QCOMPARE(f.Label2[k]->alignment(), Qt::AlignHCenter);
            QCOMPARE(f.Label2[k]->foreColor(), QColor(0, 0, 192));
            QVERIFY(f.Label2[k]->isTransparent());
            if (k % 5 != 1)
                QVERIFY(f.Label2[k]->widget()->x() > f.Label2[k - 1]->widget()->x());
            if (k > 5)
                QVERIFY(f.Label2[k]->widget()->y() > f.Label2[k - 5]->widget()->y());
        }
        const auto& spec = f.spec().controls;
        auto find = [&](const char* name) {
            return *std::find_if(spec.begin(), spec.end(), [&](const tk::ControlSpec& c) { return QLatin1String(c.name) == QLatin1String(name); });
        };
        QCOMPARE(find("frmElaborazione").left, 315);
        QCOMPARE(find("Label1").width, 12000);
        QList<int> order;
        for (tk::Control* c : f.window()->tabOrder())
            order << c->index();
        QCOMPARE(order, QList<int>({Conta, Ricomincia, Verifica, Avanti, Esci}));
    }
};

QTEST_MAIN(Exercise2)
#include "test_exercise2.moc"
