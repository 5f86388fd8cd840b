// The holder of a program-wide window or module: its name points at the object while it
// lives and is already cleared while the object is being destroyed, also when the holder
// itself goes.
#include "app/Registered.h"

#include <QTest>

namespace {

struct Module;
Module* Current = nullptr;

// Remembers what the program-wide name said while it was being destroyed.
struct Module {
    explicit Module(Module** seen, int value = 0) : seen(seen), value(value) {}
    ~Module() { *seen = Current; }
    Module** seen;
    int value;
};

} // namespace

class TestRegistered : public QObject {
    Q_OBJECT
private slots:
    void nameFollowsTheObject();
};

void TestRegistered::nameFollowsTheObject() {
    Module* seenAtDestruction = reinterpret_cast<Module*>(1);
    {
        Registered<Module> holder(Current);
        QVERIFY(!holder);
        QCOMPARE(Current, nullptr);
        Module& made = holder.create(&seenAtDestruction, 7);
        QCOMPARE(Current, &made);
        QCOMPARE(holder->value, 7);
        holder.reset();
        QCOMPARE(Current, nullptr);
        QCOMPARE(seenAtDestruction, nullptr);

        seenAtDestruction = reinterpret_cast<Module*>(1);
        holder.create(&seenAtDestruction);
        QVERIFY(Current);
    }
    // The holder going takes the object with it, the name cleared first.
    QCOMPARE(Current, nullptr);
    QCOMPARE(seenAtDestruction, nullptr);
}

QTEST_MAIN(TestRegistered)
#include "tst_registered.moc"
