// Opening and closing the exercise windows many times leaves memory flat: nothing is kept per visit.

#include "Drive.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

using namespace drive;

namespace {

// Resident memory in bytes, from the kernel's own count.
qint64 resident()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

int cycles()
{
    return qEnvironmentVariableIsSet("QUANTELLA_MEMORY_CYCLES") ? qEnvironmentVariableIntValue("QUANTELLA_MEMORY_CYCLES")
                                                                : 10000;
}

} // namespace

class Memory : public QObject {
    Q_OBJECT

private slots:
    void openAndCloseStaysFlat_data()
    {
        QTest::addColumn<int>("exercise");
        QTest::newRow("exercise 1") << 1;
        QTest::newRow("exercise 2") << 2;
    }
    // Each cycle: the three steps of the start screen by keyboard, one "Conta", then the close box
    // back to the start screen.
    void openAndCloseStaysFlat()
    {
        QFETCH(int, exercise);
        TestProgram t(Start::Open);
        QWidget* start = t->frmInizio().window();
        tk::Form& form = exercise == 1 ? static_cast<tk::Form&>(t->operativo1()) : t->operativo2();
        const int n = cycles();
        const int tail = std::max(1, n / 10);
        qint64 before = 0;
        for (int i = 0; i < n; ++i) {
            if (i == n - tail)
                before = resident();
            type(start, {Qt::Key(Qt::Key_0 + exercise), Qt::Key_Return, Qt::Key_3, Qt::Key_Return, Qt::Key_Return});
            QVERIFY(form.isVisible());
            QWidget* w = form.window();
            type(w, Qt::Key_Return);          // Conta
            t.clock.advance(1);
            form.window()->close();
            QVERIFY(!form.isLoaded());
            t.voice.said.clear();  // the recording is the test's, not the program's
            settle();
        }
        const qint64 after = resident();
        qInfo("%d cycles; resident memory over the last %d: %lld -> %lld bytes (%+.2f%%)", n, tail, before, after,
              100.0 * double(after - before) / double(before));
        QVERIFY2(after < before * 1.01, "resident memory grew by 1% or more over the last cycles");
    }
};

QTEST_MAIN(Memory)
#include "test_memory.moc"
