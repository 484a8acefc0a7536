// What a screen reader finds: windows as frames, every key, range key, value and object named,
// values with their heading, keys pressed as by the mouse, no decoration, and the areas telling
// what they hold without giving the answer away.

#include "Drive.h"

#include <QAccessible>
#include <QtTest>

#include <algorithm>

using namespace drive;

namespace {

QAccessibleInterface* of(tk::Control& c)
{
    return QAccessible::queryAccessibleInterface(c.widget());
}

QString name(tk::Control& c) { return of(c)->text(QAccessible::Name); }
QString description(tk::Control& c) { return of(c)->text(QAccessible::Description); }

void press(tk::Control& c)
{
    of(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Every interface under the window, depth first, as "role name"; each must lead back to its parent.
QStringList tree(QAccessibleInterface* node)
{
    QStringList found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child->parent() != node || node->indexOfChild(child) != i)
            found << QStringLiteral("(lost) ") + child->text(QAccessible::Name);
        found << QStringLiteral("%1 %2").arg(int(child->role())).arg(child->text(QAccessible::Name));
        found << tree(child);
    }
    return found;
}

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void startScreenKeysAreNamedButtons()
    {
        TestProgram t(Start::Open);
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

        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.window());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("SERAVINO"));
        // No decoration: everything found has a name, and the rows are named groups.
        const QStringList found = tree(window);
        QVERIFY2(std::none_of(found.begin(), found.end(), [](const QString& n) { return n.endsWith(u' '); }),
                 qPrintable(found.join(u'|')));
        QVERIFY2(found.size() == 8 + 3 + 3, qPrintable(found.join(u'|')));  // keys, rows, title and credits
    }

    // Press does what a mouse click does, with its marker bars; a disabled key does nothing.
    void keysArePressedAsByTheMouse()
    {
        TestProgram t(Start::Open);
        FrmInizio& f = t->frmInizio();
        QCOMPARE(of(*f.Option2[0])->actionInterface()->actionNames(),
                 QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::setFocusAction()}));
        press(*f.Option3[0]);  // "Vai", in a disabled row
        QVERIFY(t->frmInizio().isVisible());
        press(*f.Option1[1]);
        QCOMPARE(f.Label3[1]->backColor(), QColor(255, 0, 0));
        QCOMPARE(t->globali.TipoEsercizio, 2);
        QVERIFY(of(*f.Option2[0])->state().focused);
        of(*f.Option2[2])->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(of(*f.Option2[2])->state().focused);
        press(*f.Option2[2]);
        QCOMPARE(t->globali.NumeroMassimo, 20);
        QVERIFY(!f.Option2[2]->isSelected());
    }

    // Values speak their current text, described by their heading; the objects are named and
    // pressed one by one, and their area does not say how many there are; after the check the
    // keys carry the outcome, until the next exercise.
    void exercise1SpeaksItsState()
    {
        TestProgram t(Start::Open);
        frmOperativo1& f = t.openExercise1(5, 1, 8, 4);  // four chairs, symbols "<"
        tk::Window& w = *f.window();
        QCOMPARE(QAccessible::queryAccessibleInterface(&w)->text(QAccessible::Name),
                 QStringLiteral("Dall'insieme ai simboli grafici"));
        QCOMPARE(name(*w.find(QStringLiteral("FraSfondoS"))), QStringLiteral("Oggetti da contare"));
        tk::Control& oggetto = *f.Image2[f.stato().posizioni[1]];
        QCOMPARE(name(oggetto), QStringLiteral("sedia"));
        QCOMPARE(of(*w.find(QStringLiteral("FraSfondoS")))->childCount(), 4);
        tk::Control& simboli = *w.find(QStringLiteral("Frame5"));
        QCOMPARE(name(simboli), QStringLiteral("0 simboli"));
        press(oggetto);
        QCOMPARE(name(simboli), QStringLiteral("1 simbolo"));
        QCOMPARE(name(*f.Image1[1]), QStringLiteral("<"));
        QCOMPARE(name(*f.Option1[1]), QStringLiteral("Conta"));
        press(*f.Option1[1]);
        QCOMPARE(name(simboli), QStringLiteral("2 simboli"));
        QVERIFY(of(*f.Option1[3])->state().disabled);

        QCOMPARE(description(*f.pannello.LblEsito), QStringLiteral("Esito"));
        QCOMPARE(name(*f.pannello.LblEsito), QString());
        press(*f.Option1[2]);
        QCOMPARE(name(*f.pannello.LblEsito), QStringLiteral("ERRATO"));
        QCOMPARE(of(*f.pannello.LblEsito)->role(), QAccessible::StaticText);
        QCOMPARE(description(*f.Option1[3]), QStringLiteral("ERRATO. Risposte errate: 1."));
        const QList<std::pair<tk::Label*, QString>> values{{f.pannello.LblOperazione, "Oper"},
                                                           {f.pannello.lblRisEsatte, "Risposte esatte"},
                                                           {f.pannello.lblRisErrate, "Risposte errate"},
                                                           {f.pannello.LblTempoParziale, "Tempo parziale"},
                                                           {f.pannello.LblTempoTotale, "Tempo totale"}};
        for (const auto& [label, heading] : values)
            QCOMPARE(description(*label), heading);
        QCOMPARE(name(*f.pannello.lblRisErrate), QStringLiteral("1"));
        QCOMPARE(name(*f.pannello.LblTempoParziale), QStringLiteral("0"));  // spoken without the sign space
        press(*f.Option1[3]);
        QCOMPARE(description(*f.Option1[3]), QString());
    }

    // What a screen reader is shown follows each change: symbols added, a control moved, a new set;
    // a row reads from where the window's language starts a line, and a mirrored window reads in
    // the order the design has.
    void readingOrderFollowsChanges_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void readingOrderFollowsChanges()
    {
        QFETCH(Qt::LayoutDirection, direction);
        const QList<int> row{7, 8, 9, 10, 11, 12};  // the symbol places of the third row, in reading order
        TestProgram t(Start::Open);
        frmOperativo1& f = t.openExercise1(20, 1, 8, 4);
        QAccessibleInterface* simboli = of(*f.window()->find(QStringLiteral("Frame5")));
        QAccessibleInterface* oggetti = of(*f.window()->find(QStringLiteral("FraSfondoS")));
        auto order = [&] {
            QList<int> found;
            for (int i = 0; i < simboli->childCount(); ++i)
                for (int k : row)
                    found << (simboli->child(i)->object() == f.Image1[k]->widget() ? k : -1);
            found.removeAll(-1);
            return found;
        };
        QCOMPARE(simboli->childCount(), 0);
        answer(f, 12);
        QCOMPARE(simboli->childCount(), 12);
        QCOMPARE(order(), QList<int>({7, 8, 9, 10, 11, 12}));
        f.window()->setLayoutDirection(direction);
        QCOMPARE(order(), row);
        tk::Image& first = *f.Image1[row.first()];
        first.move(first.left() + 2900, first.top(), first.width(), first.height());
        QCOMPARE(order(), row.mid(1) << row.first());
        t.nextSet1(3, 6, 20);
        QCOMPARE(oggetti->childCount(), 6);
        QCOMPARE(simboli->childCount(), 0);
    }

    void exercise2SpeaksItsState()
    {
        TestProgram t(Start::Open);
        FrmOperativo2& f = t.openExercise2(10, 3, 6, 9);  // six ">", firs to build the set with
        tk::Window& w = *f.window();
        QCOMPARE(name(*w.find(QStringLiteral("Frame1"))), QStringLiteral("Simboli da contare"));
        tk::Control& insieme = *w.find(QStringLiteral("FraSfondoS"));
        QCOMPARE(name(insieme), QStringLiteral("0 oggetti"));
        click(*f.Option1[0]);
        QCOMPARE(name(insieme), QStringLiteral("1 oggetto"));
        QCOMPARE(name(*f.Image2[1]), QStringLiteral("abete"));
        QCOMPARE(name(*f.Label2[1]), QStringLiteral(">"));
        QCOMPARE(description(*f.pannello.LblOperazione), QStringLiteral("Oper"));
        QCOMPARE(name(*f.pannello.LblOperazione), QStringLiteral("1"));
    }
};

QTEST_MAIN(Accessibility)
#include "test_accessibility.moc"
