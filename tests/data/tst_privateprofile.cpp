// The INI rules qry.ini is read with, as the Windows private-profile reader applies them.
#include "data/PrivateProfile.h"

#include <QTemporaryDir>
#include <QTest>

class TestPrivateProfile : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void longValueIsCut();
    void missingFile();
};

void TestPrivateProfile::rules_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<default>" when the default comes back

    QTest::newRow("plain") << QByteArray("[S]\nk=v\n") << "S"
                           << "k"
                           << "v";
    QTest::newRow("case of section and key")
        << QByteArray("[dm_SESSIONI]\nadoq_x=v") << "DM_Sessioni"
        << "ADOQ_X"
        << "v";
    QTest::newRow("blanks around asked names") << QByteArray("[S]\nk=v") << " S "
                                               << " k\t"
                                               << "v";
    QTest::newRow("CR line ends") << QByteArray("[S]\rk=v\rj=w") << "S"
                                  << "j"
                                  << "w";
    QTest::newRow("CRLF line ends") << QByteArray("[S]\r\nk=v\r\n") << "S"
                                    << "k"
                                    << "v";
    QTest::newRow("indented lines") << QByteArray("  [S]  \n   k = v  \n") << "S"
                                    << "k"
                                    << "v";
    QTest::newRow("split at first =") << QByteArray("[S]\nk=a=b") << "S"
                                      << "k"
                                      << "a=b";
    QTest::newRow("blanks after key and around value")
        << QByteArray("[S]\nk \t=  SELECT 1 \t") << "S"
        << "k"
        << "SELECT 1";
    QTest::newRow("double quotes removed") << QByteArray("[S]\nk=\"a 'b' c\"") << "S"
                                           << "k"
                                           << "a 'b' c";
    QTest::newRow("single quotes removed") << QByteArray("[S]\nk='x'") << "S"
                                           << "k"
                                           << "x";
    QTest::newRow("inner quotes kept") << QByteArray("[S]\nk=\"\"x\"\"") << "S"
                                       << "k"
                                       << "\"x\"";
    QTest::newRow("mixed quotes kept") << QByteArray("[S]\nk='x\"") << "S"
                                       << "k"
                                       << "'x\"";
    QTest::newRow("lone quote kept") << QByteArray("[S]\nk=\"") << "S"
                                     << "k"
                                     << "\"";
    QTest::newRow("two quotes give empty") << QByteArray("[S]\nk=\"\"") << "S"
                                           << "k"
                                           << "";
    QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << "S"
                                 << "k"
                                 << "";
    QTest::newRow("first key wins") << QByteArray("[S]\nk=1\nK=2") << "S"
                                    << "k"
                                    << "1";
    QTest::newRow("only first section searched") << QByteArray("[S]\na=1\n[T]\n[s]\nk=2") << "S"
                                                 << "k"
                                                 << "<default>";
    QTest::newRow("line without = is no key") << QByteArray("[S]\nk\nk=v") << "S"
                                              << "k"
                                              << "v";
    QTest::newRow("semicolon starts a key") << QByteArray("[S]\n;k=v") << "S"
                                            << ";k"
                                            << "v";
    QTest::newRow("semicolon line is no comment") << QByteArray("[S]\n;k=v") << "S"
                                                  << "k"
                                                  << "<default>";
    QTest::newRow("section ends at first ]") << QByteArray("[S]x]\nk=v") << "S"
                                             << "k"
                                             << "v";
    QTest::newRow("key before any section") << QByteArray("k=v\n[S]") << "S"
                                            << "k"
                                            << "<default>";
    QTest::newRow("missing section") << QByteArray("[S]\nk=v") << "T"
                                     << "k"
                                     << "<default>";
    QTest::newRow("missing key") << QByteArray("[S]\nk=v") << "S"
                                 << "j"
                                 << "<default>";
    QTest::newRow("key of next section") << QByteArray("[S]\n[T]\nk=v") << "S"
                                         << "k"
                                         << "<default>";
    QTest::newRow("utf-8 text") << QByteArray("[S]\nk=Profondità") << "S"
                                << "k"
                                << "Profondità";
    QTest::newRow("8-bit text") << QByteArray("[S]\nk=Profondit\xe0") << "S"
                                << "k"
                                << "Profondità";
}

void TestPrivateProfile::rules() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString got = PrivateProfile::readString(ini, section, key, QStringLiteral("<default>"));
    QCOMPARE(got, expected);
}

void TestPrivateProfile::longValueIsCut() {
    const QByteArray value(3000, 'a');
    QCOMPARE(
        PrivateProfile::readString("[S]\nk=" + value, QStringLiteral("S"), QStringLiteral("k"), {})
            .size(),
        2047);
    // Quotes are removed before the value is cut.
    QCOMPARE(PrivateProfile::readString("[S]\nk=\"" + QByteArray(2047, 'b') + "\"",
                                        QStringLiteral("S"), QStringLiteral("k"), {}),
             QString(2047, QLatin1Char('b')));
}

void TestPrivateProfile::missingFile() {
    QTemporaryDir dir;
    QCOMPARE(PrivateProfile::readString(dir.filePath(QStringLiteral("none.ini")),
                                        QStringLiteral("S"), QStringLiteral("k"),
                                        QStringLiteral("0")),
             QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestPrivateProfile)
#include "tst_privateprofile.moc"
