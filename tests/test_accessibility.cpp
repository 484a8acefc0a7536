// What a screen reader finds: every key, range key and value named, values with their heading,
// and the areas telling how many symbols or objects they show.

#include "Drive.h"

#include <QAccessible>
#include <QtTest>

using namespace drive;

namespace {

QAccessibleInterface* of(tk::Control& c)
{
    return QAccessible::queryAccessibleInterface(c.widget());
}

QString name(tk::Control& c) { return of(c)->text(QAccessible::Name); }
QString description(tk::Control& c) { return of(c)->text(QAccessible::Description); }

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void startScreenKeysAreNamedButtons()
    {
        TestProgram t;
        t.start();
        FrmInizio& f = t->frmInizio();
        const QStringList expected{"Dall'insieme ai simboli grafici", "Dai simboli grafici all'insieme",
                                   "Fino a cinque", "Fino a dieci", "Oltre dieci", "Vai", "Reimposta", "Esci"};
        QStringList names;
        for (const auto* row : {&f.Option1, &f.Option2, &f.Option3})
            for (int i = row->lowerBound(); i <= row->upperBound(); ++i) {
                QCOMPARE(of(*(*row)[i])->role(), QAccessible::Button);
                names << name(*(*row)[i]);
            }
        QCOMPARE(names, expected);
        QVERIFY(of(*f.Option1[0])->state().focused);
        QVERIFY(!of(*f.Option1[1])->state().focused);
    }

    // Values speak their current text, described by their heading; areas count what they show.
    void exercise1SpeaksItsState()
    {
        TestProgram t;
        t.start();
        t.random.queueDraw(1, 4);
        t.random.queueDraw(1, 12);
        t.random.queueDraw(4, 5);
        t.openExercise(1, 5);
        frmOperativo1& f = t->operativo1();
        tk::Window& w = *f.window();
        QCOMPARE(name(*w.find(QStringLiteral("FraSfondoS"))), QStringLiteral("4 oggetti"));
        tk::Control& simboli = *w.find(QStringLiteral("Frame5"));
        QCOMPARE(name(simboli), QStringLiteral("0 simboli"));
        click(*f.Option1[1]);
        QCOMPARE(name(simboli), QStringLiteral("1 simbolo"));
        QCOMPARE(name(*f.Option1[1]), QStringLiteral("Conta"));
        QVERIFY(of(*f.Option1[3])->state().disabled);

        QCOMPARE(description(*f.pannello.LblEsito), QStringLiteral("Esito"));
        QCOMPARE(name(*f.pannello.LblEsito), QString());
        click(*f.Option1[2]);
        QCOMPARE(name(*f.pannello.LblEsito), QStringLiteral("ERRATO"));
        QCOMPARE(of(*f.pannello.LblEsito)->role(), QAccessible::StaticText);
        const QList<std::pair<tk::Label*, QString>> values{{f.pannello.LblOperazione, "Oper"},
                                                           {f.pannello.lblRisEsatte, "Risposte esatte"},
                                                           {f.pannello.lblRisErrate, "Risposte errate"},
                                                           {f.pannello.LblTempoParziale, "Tempo parziale"},
                                                           {f.pannello.LblTempoTotale, "Tempo totale"}};
        for (const auto& [label, heading] : values)
            QCOMPARE(description(*label), heading);
        QCOMPARE(name(*f.pannello.lblRisErrate), QStringLiteral("1"));
        QCOMPARE(name(*f.pannello.LblTempoParziale), QStringLiteral("0"));  // spoken without the sign space
    }

    void exercise2SpeaksItsState()
    {
        TestProgram t;
        t.start();
        t.random.queueDraw(3, 4);
        t.random.queueDraw(6, 10);
        t.random.queueDraw(9, 12);
        t.openExercise(2, 10);
        FrmOperativo2& f = t->operativo2();
        tk::Window& w = *f.window();
        QCOMPARE(name(*w.find(QStringLiteral("Frame1"))), QStringLiteral("6 simboli"));
        tk::Control& insieme = *w.find(QStringLiteral("FraSfondoS"));
        QCOMPARE(name(insieme), QStringLiteral("0 oggetti"));
        click(*f.Option1[0]);
        QCOMPARE(name(insieme), QStringLiteral("1 oggetto"));
        QCOMPARE(name(*f.Label2[1]), QStringLiteral(">"));
        QCOMPARE(description(*f.pannello.LblOperazione), QStringLiteral("Oper"));
        QCOMPARE(name(*f.pannello.LblOperazione), QStringLiteral("1"));
    }
};

QTEST_MAIN(Accessibility)
#include "test_accessibility.moc"
