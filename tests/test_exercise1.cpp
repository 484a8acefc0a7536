// Exercise 1: sets drawn within the range, the child's symbols, the check, counters and times,
// the command keys, and what a new visit keeps.

#include "Drive.h"

#include <QtTest>

#include <set>

using namespace drive;

namespace {

enum { Ricomincia = 0, Conta = 1, Verifica = 2, Avanti = 3, Esci = 4 };

} // namespace

class Exercise1 : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;

    // A new program, the last one gone first, with exercise 1 open on a scripted set of picture 3,
    // symbols of kind 2; the clock stands at 10:00 unless told.
    Screen<frmOperativo1> open(int maximum, int count, std::initializer_list<int> places = {},
                               float now = FakeClock().now)
    {
        program_.reset();
        program_ = std::make_unique<TestProgram>(Start::Open, now);
        frmOperativo1& f = program_->openExercise1(maximum, 2, 3, count, places);
        return {*program_, f, f.window()};
    }

private slots:
    void cleanup() { program_.reset(); }

    // With one switch: the scan skips the keys not yet available; a press on an object runs the key
    // the scan is on, and the scan stays there one more period; the outcome is not cut short by the
    // name of the key the focus then goes to.
    void oneSwitch()
    {
        program_.reset();
        program_ = std::make_unique<TestProgram>();
        TestProgram& t = *program_;
        t.scanEvery(2);
        t.start();
        frmOperativo1& f = t.openExercise1(5, 2, 3, 3, {4, 8, 12});
        auto focus = [&] { return f.window()->focusedControl(); };
        QCOMPARE(focus(), f.Option1[Conta]);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[Ricomincia]);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[Conta]);
        t.clock.advance(0.5f);
        t.voice.said.clear();
        for (int i = 0; i < 3; ++i) {
            click(*f.Image2[4]);
            t.scanAfter(f, 1.9);
        }
        QCOMPARE(added(f), 3);
        t.scanAfter(f, 0.1);
        QCOMPARE(focus(), f.Option1[Verifica]);
        t.clock.advance(0.5f);
        type(f.window(), Qt::Key_Return);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ESATTO"));
        QCOMPARE(focus(), f.Option1[Avanti]);
        t.scanAfter(f, 2);
        QCOMPARE(focus(), f.Option1[Esci]);
        QCOMPARE(t.voice.said, QStringList({"uno", "due", "tre", "Verifica", "Esatto!", "Esci"}));
    }

    // The window as loaded: title, empty answer, the first set shown, "Conta" focused, keys for answering.
    void opensReadyToAnswer()
    {
        auto [t, f, w] = open(10, 4, {5, 9, 1, 23});
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("Dall'insieme ai simboli grafici"));
        QVERIFY(!t->frmInizio().isVisible());
        QCOMPARE(objectPlaces(f), QList<int>({1, 5, 9, 23}));
        QCOMPARE(f.stato().numeroOggetti, 4);
        QCOMPARE(f.stato().tipoSimbolo, 2);
        QCOMPARE(f.stato().figura, 3);
        QCOMPARE(shown(f), 0);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("1"));
        for (tk::Label* l : std::initializer_list<tk::Label*>{f.pannello.lblRisEsatte, f.pannello.lblRisErrate, f.pannello.LblTempoParziale,
                             f.pannello.LblTempoTotale, f.pannello.LblEsito})
            QCOMPARE(l->caption(), QString());
        QCOMPARE(f.window()->focusedControl(), f.Option1[Conta]);
        QVERIFY(f.Option1[Ricomincia]->isEnabled() && f.Option1[Conta]->isEnabled());
        QVERIFY(!f.Option1[Verifica]->isEnabled() && !f.Option1[Avanti]->isEnabled() && !f.Option1[Esci]->isEnabled());
        // Symbol places 0..20 hold the symbol picture, hidden; 21..23 never get one.
        const QImage simbolo = t->frmFigure().Image1(2).toImage();
        for (int k = 0; k <= 20; ++k)
            QCOMPARE(f.Image1[k]->picture().toImage(), simbolo);
        for (int k = 21; k <= 23; ++k)
            QVERIFY(f.Image1[k]->picture().isNull());
    }

    // Over many real draws with each maximum: every count from 1 to the maximum occurs, a set is
    // never empty or larger, its places are distinct, never place 0, and all show one picture.
    void setsStayWithinTheRange()
    {
        for (int maximum : {5, 10, 20}) {
            auto [t, f, w] = open(maximum, 1);
            std::set<int> counts, figures;
            for (int round = 0; round < 1500; ++round) {
                t.clock.advance(1.37f);
                f.genera();
                const StatoEsercizio1& s = f.stato();
                QVERIFY(s.numeroOggetti >= 1 && s.numeroOggetti <= maximum);
                const QList<int> visible = objectPlaces(f);
                QCOMPARE(visible.size(), int(s.numeroOggetti));
                QVERIFY(!visible.contains(0));
                const std::set<int> places(s.posizioni.begin() + 1, s.posizioni.begin() + 1 + s.numeroOggetti);
                QCOMPARE(int(places.size()), int(s.numeroOggetti));
                QCOMPARE(std::set<int>(visible.begin(), visible.end()), places);
                const qint64 picture = t->frmFigure().Image3(s.figura).cacheKey();
                for (int k : visible)
                    QCOMPARE(f.Image2[k]->picture().cacheKey(), picture);
                counts.insert(s.numeroOggetti);
                figures.insert(s.figura);
            }
            QCOMPARE(int(counts.size()), maximum);
            QCOMPARE(int(figures.size()), 12);
        }
    }

    // A place drawn twice is drawn again for the same object.
    void repeatedPlacesAreDrawnAgain()
    {
        auto [t, f, w] = open(5, 3, {7, 7, 2, 7, 2, 11});
        QCOMPARE(objectPlaces(f), QList<int>({2, 7, 11}));
        QCOMPARE(f.stato().estrazioni[3], 11);
        QCOMPARE(f.stato().estrazioni[0], 0);
    }

    // Only equality is right: one symbol more or less is wrong. The counters show plain numbers.
    void exactlyAsManySymbolsIsRight()
    {
        auto [t, f, w] = open(10, 4);
        answer(f, 4);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ESATTO"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("1"));
        QCOMPARE(f.pannello.lblRisErrate->caption(), QString());
        for (int presses : {5, 3}) {
            t.nextSet1(3, 4, 10);
            QCOMPARE(f.pannello.LblEsito->caption(), QString());
            answer(f, presses);
            QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
        }
        QCOMPARE(f.pannello.lblRisErrate->caption(), QStringLiteral("2"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("1"));
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("3"));
    }

    // Clicks on the objects add symbols but do not enable "Verifica": seven clicks on a set of 7
    // and one "Conta" is wrong, six clicks and one "Conta" right.
    void clicksOnObjectsCountWithoutEnablingTheCheck()
    {
        auto [t, f, w] = open(10, 7, {1, 2, 3, 4, 5, 6, 7});
        for (int i = 0; i < 7; ++i)
            click(*f.Image2[1 + i % 2]);  // the same object twice counts twice
        QCOMPARE(shown(f), 7);
        QVERIFY(!f.Option1[Verifica]->isEnabled());
        answer(f, 1);
        QCOMPARE(shown(f), 8);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
        // After the check, clicks still add symbols without touching the score.
        click(*f.Image2[3]);
        QCOMPARE(f.stato().simboliInseriti, 9);
        QCOMPARE(f.pannello.lblRisErrate->caption(), QStringLiteral("1"));

        t.nextSet1(3, 7, 10, {1, 2, 3, 4, 5, 6, 7});
        QCOMPARE(shown(f), 0);
        for (int i = 0; i < 6; ++i)
            click(*f.Image2[4]);
        answer(f, 1);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ESATTO"));
    }

    // Symbols fill places 1 to 20 in order; the 21st is counted but not shown.
    void twentyFirstSymbolIsCountedNotShown()
    {
        auto [t, f, w] = open(20, 20);
        for (int i = 1; i <= 21; ++i) {
            click(*f.Option1[Conta]);
            if (i <= 20)
                QVERIFY(f.Image1[i]->isVisible());
        }
        QCOMPARE(shown(f), 20);
        QVERIFY(!f.Image1[0]->isVisible());
        QCOMPARE(f.stato().simboliInseriti, 21);
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
    }

    // "Ricomincia" hides the symbols and sets the answer to 0, but leaves "Verifica" enabled.
    void restartKeepsTheCheckAvailable()
    {
        auto [t, f, w] = open(5, 1);
        answer(f, 0);  // "Verifica" is not available yet: nothing happens
        QCOMPARE(f.pannello.LblEsito->caption(), QString());
        click({f.Option1[Conta], f.Option1[Conta], f.Option1[Ricomincia]});
        QCOMPARE(shown(f), 0);
        QCOMPARE(f.stato().simboliInseriti, 0);
        QVERIFY(f.Option1[Verifica]->isEnabled());
        click(*f.Option1[Verifica]);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
    }

    // Times: whole seconds with a leading space, the total summed over checks only, "999" from
    // 999 seconds on while the state keeps counting; "Avanti" empties the answer time only.
    void answerTimes()
    {
        auto [t, f, w] = open(5, 1);
        struct {
            float pause, seconds;  // between the last check and "Avanti" (not counted), then to the answer
            const char *parziale, *totale;
            float secondi, secondiTotali;  // as counted
        } const rounds[] = {{0, 0.9f, " 0", " 0", 0, 0}, {30, 12.6f, " 12", " 12", 12, 12},
                            {0, 999.2f, "999", "999", 999, 1011}, {0, 3.5f, " 3", "999", 3, 1014}};
        for (int i = 0; i < 4; ++i) {
            const Row row{i};
            if (i > 0) {
                t.clock.advance(rounds[i].pause);
                t.nextSet1(3, 1, 5);
                QCOMPARE(f.pannello.LblTempoParziale->caption(), QString());
                QCOMPARE(f.pannello.LblTempoTotale->caption(), QString::fromLatin1(rounds[i - 1].totale));
            }
            t.clock.advance(rounds[i].seconds);
            answer(f, 1);
            QCOMPARE(f.pannello.LblTempoParziale->caption(), QString::fromLatin1(rounds[i].parziale));
            QCOMPARE(f.pannello.LblTempoTotale->caption(), QString::fromLatin1(rounds[i].totale));
            QCOMPARE(f.pannello.lblRisEsatte->caption(), QString::number(i + 1));
            QCOMPARE(f.risultati().secondiParziali, rounds[i].secondi);
            QCOMPARE(f.risultati().secondiTotali.value(), rounds[i].secondiTotali);
        }
        QCOMPARE(f.risultati().testoTotale, QStringLiteral(" 1014"));
    }

    // Answer times are the time that passed: midnight, the clock put back an hour (autumn's
    // daylight-saving change) or forward an hour change neither the answer nor the total.
    void answerTimesIgnoreClockChanges()
    {
        auto [t, f, w] = open(5, 1, {}, 86395.5f);
        // {seconds to the answer, the time of day put back or forward meanwhile, answer time, total}
        const std::tuple<float, float, const char*, const char*> rounds[] = {
            {8.5f, 0, " 8", " 8"}, {10, -3600, " 10", " 18"}, {5, 3600, " 5", " 23"}};
        for (int i = 0; i < 3; ++i) {
            const Row row{i};
            const auto [seconds, shift, parziale, totale] = rounds[i];
            if (i > 0)
                t.nextSet1(3, 1, 5);
            t.clock.advance(seconds);
            if (i == 0)
                QCOMPARE(t.clock.now, 4.0f);  // past midnight
            t.clock.now += shift;
            answer(f, 1);
            QCOMPARE(f.pannello.LblTempoParziale->caption(), QString::fromLatin1(parziale));
            QCOMPARE(f.pannello.LblTempoTotale->caption(), QString::fromLatin1(totale));
        }
    }

    // Holding Enter or the mouse button on "Conta" adds one symbol; a second press before the
    // release is ignored; a release and a new press add the next.
    void heldKeyOrButtonAddsOneSymbol()
    {
        auto [t, f, w] = open(10, 3);
        hold(w, Qt::Key_Return, 15);
        QCOMPARE(f.stato().simboliInseriti, 1);
        mouseDown(*f.Option1[Conta]);
        QVERIFY(f.Option1[Conta]->isSelected());
        mouseDown(*f.Option1[Conta], Qt::RightButton);
        QCOMPARE(f.stato().simboliInseriti, 2);
        mouseUp(*f.Option1[Conta], Qt::RightButton);
        mouseUp(*f.Option1[Conta]);
        QVERIFY(!f.Option1[Conta]->isSelected());
        click(*f.Option1[Conta]);
        QCOMPARE(f.stato().simboliInseriti, 3);
    }

    // After the check only "Avanti" and "Esci" respond, by mouse, by Enter and by space; the focus
    // moves on from "Verifica" to "Avanti".
    void afterTheCheckOnlyNextAndExit()
    {
        auto [t, f, w] = open(10, 3);
        type(w, {Qt::Key_Return, Qt::Key_3});  // Conta, then to Verifica
        QCOMPARE(f.window()->focusedControl(), f.Option1[Verifica]);
        type(w, Qt::Key_Return);
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
        QCOMPARE(f.window()->focusedControl(), f.Option1[Avanti]);
        QCOMPARE(f.Option1[Avanti]->backColor(), QColor(255, 192, 128));
        for (int k : {Ricomincia, Conta, Verifica})
            click(*f.Option1[k]);
        QCOMPARE(f.stato().simboliInseriti, 1);
        QCOMPARE(f.risultati().risposteErrate, 1);
        // The digits of disabled keys leave the focus; space wraps past the disabled keys.
        tk::Control *avanti = f.Option1[Avanti], *esci = f.Option1[Esci];
        walkFocus(f.window(), {{Qt::Key_1, avanti}, {Qt::Key_2, avanti}, {Qt::Key_3, avanti}, {Qt::Key_6, avanti},
                               {Qt::Key_7, avanti}, {Qt::Key_8, avanti}, {Qt::Key_Space, esci}, {Qt::Key_Space, avanti},
                               {Qt::Key_5, esci, Qt::KeypadModifier}});
        type(w, Qt::Key_4);
        t.queueSet1(3, 2, 10);
        type(w, Qt::Key_Return);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("2"));
        QCOMPARE(f.window()->focusedControl(), f.Option1[Conta]);
    }

    // While answering, space walks the enabled keys in index order and wraps; digits 1 to 5 on
    // either row of digits jump to an enabled key; a taken digit's guard holds back Enter.
    void keysWhileAnswering()
    {
        auto [t, f, w] = open(10, 3);
        // From "Conta", space skips "Verifica", "Avanti" and "Esci".
        walkFocus(f.window(), {{Qt::Key_Space, f.Option1[Ricomincia]}, {Qt::Key_Space, f.Option1[Conta]},
                               {Qt::Key_1, f.Option1[Ricomincia], Qt::KeypadModifier}});
        press(w, Qt::Key_7);
        type(w, Qt::Key_Return);
        release(w, Qt::Key_7);
        QCOMPARE(f.stato().simboliInseriti, 0);
        type(w, {Qt::Key_2, Qt::Key_Return});
        QCOMPARE(f.stato().simboliInseriti, 1);
        type(w, {Qt::Key_Left, Qt::Key_A});
        QCOMPARE(f.window()->focusedControl(), f.Option1[Conta]);
        QCOMPARE(f.stato().simboliInseriti, 1);
    }

    // Closing the window, by "Esci" or by its close box even while answering, shows the start
    // screen at step 1 and keeps the counts; a new visit starts again at exercise "1" with the
    // panel empty, and the next correct check shows the carried-over count.
    void aNewVisitKeepsTheCounts()
    {
        auto [t, f, w] = open(5, 2);
        for (int round = 0; round < 3; ++round) {
            t.clock.advance(2);
            answer(f, 2);
            t.nextSet1(3, 2, 5);
        }
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("3"));
        f.window()->close();  // while answering
        QVERIFY(!f.isLoaded());
        QVERIFY(t->frmInizio().isVisible());
        QCOMPARE(t->frmInizio().window()->focusedControl(), t->frmInizio().Option1[0]);

        t.openExercise1(5, 4, 5, 2);
        QCOMPARE(f.pannello.LblOperazione->caption(), QStringLiteral("1"));
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QString());
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QString());
        QCOMPARE(f.stato().tipoSimbolo, 4);
        t.clock.advance(1);
        answer(f, 2);
        QCOMPARE(f.pannello.lblRisEsatte->caption(), QStringLiteral("4"));
        QCOMPARE(f.pannello.LblTempoTotale->caption(), QStringLiteral(" 7"));
        click(*f.Option1[Esci]);
        QVERIFY(!f.isLoaded());
        QVERIFY(t->frmInizio().isVisible());
    }

    // The first opening in a run draws the symbol before any seeding: always the same picture.
    void firstOpeningDrawsTheSymbolUnseeded()
    {
        tk::SeededRandom fresh;
        const int expected = tk::draw(fresh, 4);
        for (int run = 0; run < 2; ++run) {
            TestProgram t(Start::Open, 1000.0f + 777.0f * run);
            t.openExercise(1, 5);
            QCOMPARE(int(t->operativo1().stato().tipoSimbolo), expected);
            QCOMPARE(t.random.seeds.size(), 1);
        }
    }

    // Aloud: each symbol added says the new count, by "Conta" or by a click on an object;
    // "Ricomincia" hushes the voice; "Verifica" says the outcome and, after a mistake, how many
    // there were. A screen reader says the outcome itself; the counts are still ours.
    void saysTheCountsAndTheOutcome_data()
    {
        QTest::addColumn<bool>("screenReader");
        QTest::newRow("alone") << false;
        QTest::newRow("with a screen reader") << true;
    }
    void saysTheCountsAndTheOutcome()
    {
        QFETCH(bool, screenReader);
        auto [t, f, w] = open(10, 2, {4, 9});
        t->runtime().screenReader().setActive(screenReader);
        click({f.Option1[Conta], f.Image2[9], f.Option1[Ricomincia], f.Option1[Conta], f.Option1[Conta],
               f.Option1[Verifica]});
        QStringList said{"uno", "due", "(stop)", "uno", "due"};
        if (!screenReader)
            said << "Esatto!";
        QCOMPARE(t.voice.said, said);
        t.nextSet1(3, 2, 10, {4, 9});
        answer(f, 1);
        QCOMPARE(t.voice.said.last(), screenReader ? QStringLiteral("Erano due.") : QStringLiteral("Errato. Erano due."));
        t.nextSet1(3, 1, 10, {4});
        answer(f, 3);
        QCOMPARE(t.voice.said.last(), screenReader ? QStringLiteral("Era uno.") : QStringLiteral("Errato. Era uno."));
        QCOMPARE(f.pannello.LblEsito->caption(), QStringLiteral("ERRATO"));
    }

    // The layout: the symbol area's fourth row reads 19, 20, 0, 23, 22, 21; pictures are drawn at
    // their own size from the cell's corner; the panel's tool tips; "Conta" first in tab order.
    void designLayout()
    {
        auto [t, f, w] = open(5, 1);
        QList<int> row4;
        QList<std::pair<double, int>> cells;
        for (int k = 0; k <= 23; ++k)
            if (f.Image1[k]->widget()->y() == f.Image1[19]->widget()->y())
                cells << std::make_pair(f.Image1[k]->left(), k);
        std::sort(cells.begin(), cells.end());
        for (const auto& c : cells)
            row4 << c.second;
        QCOMPARE(row4, QList<int>({19, 20, 0, 23, 22, 21}));

        tk::Image& cell = *f.Image2[f.stato().posizioni[1]];
        const QSize size = cell.picture().deviceIndependentSize().toSize();
        QCOMPARE(cell.widget()->size(), size.expandedTo(cell.widget()->size()));
        QCOMPARE(cell.widget()->pos(), QPoint(tk::toPixels(cell.left()), tk::toPixels(cell.top())));

        QCOMPARE(f.pannello.lblRisErrate->toolTip(), QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(f.pannello.LblTempoParziale->toolTip(), QStringLiteral("Secondi impiegati per ogni risposta"));
        QCOMPARE(f.pannello.LblTempoTotale->toolTip(), QStringLiteral("Secondi impiegati per ogni esercizio"));
        QVERIFY(f.pannello.lblRisEsatte->toolTip().isEmpty());
        QCOMPARE(f.pannello.Label5[1]->caption(), QStringLiteral(" Risposte esatte"));

        QList<int> order;
        for (tk::Control* c : f.window()->tabOrder())
            order << c->index();
        QCOMPARE(order, QList<int>({Conta, Verifica, Avanti, Esci, Ricomincia}));
    }
};

QTEST_MAIN(Exercise1)
#include "test_exercise1.moc"
