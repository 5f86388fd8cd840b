// The picture dialog as the program shows it, offscreen: the preview of the selected photo
// (the camera's thumbnail when there is one), a short note for a file that cannot be read,
// and no English word anywhere in the dialog, its list, its side bar or its dates.
#include "app/ItalianUi.h"
#include "tests/support/TestPictures.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureFileDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestPictureFileDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void previewOfTheSelectedFile_data();
    void previewOfTheSelectedFile();
    void everyWordItalian_data();
    void everyWordItalian();

private:
    QTemporaryDir m_dir;
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

void TestPictureFileDialog::initTestCase() {
    InstallItalianUi(*qApp);
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkdir(QStringLiteral("Lago di Garda"));
    write(QStringLiteral("camera.jpg"),
          TestPictures::withExif(TestPictures::jpeg(QSize(800, 600)), 1,
                                 TestPictures::solidJpeg(QSize(240, 180), Qt::red)));
    write(QStringLiteral("alba.bmp"), TestPictures::bitmap(QSize(120, 90)));
    write(QStringLiteral("rovinata.jpg"), QByteArray(4000, 'x'));
}

void TestPictureFileDialog::previewOfTheSelectedFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("shown"); // empty: no picture, a note
    QTest::addColumn<QString>("note");
    QTest::newRow("camera photo: its thumbnail") << "camera.jpg" << QSize(240, 180) << "";
    QTest::newRow("bitmap") << "alba.bmp" << QSize(120, 90) << "";
    QTest::newRow("damaged") << "rovinata.jpg" << QSize(0, 0) << "Anteprima non disponibile";
    QTest::newRow("a folder") << "Lago di Garda" << QSize(0, 0) << "";
}

void TestPictureFileDialog::previewOfTheSelectedFile() {
    QFETCH(QString, name);
    QFETCH(QSize, shown);
    QFETCH(QString, note);
    PictureFileDialog dialog(nullptr, QStringLiteral("Apri"),
                             QStringLiteral("Immagini (*.bmp *.jpg *.jpeg)"),
                             PictureFileDialog::Purpose::Open);
    dialog.setDirectory(m_dir.path());
    dialog.show();
    dialog.selectFile(m_dir.filePath(name));
    QTRY_COMPARE(dialog.preview()->picture().size(), shown);
    if (!shown.isEmpty()) {
        const QColor centre =
            dialog.preview()->picture().pixelColor(shown.width() / 2, shown.height() / 2);
        QCOMPARE(centre.red() > 200 && centre.green() < 60, name == QLatin1String("camera.jpg"));
    }
    QCOMPARE(dialog.previewNote()->text(), note);
}

void TestPictureFileDialog::everyWordItalian_data() {
    QTest::addColumn<int>("purpose");
    QTest::newRow("open") << int(PictureFileDialog::Purpose::Open);
    QTest::newRow("save") << int(PictureFileDialog::Purpose::Save);
}

void TestPictureFileDialog::everyWordItalian() {
    QFETCH(int, purpose);
    PictureFileDialog dialog(nullptr, QStringLiteral("Salva"),
                             QStringLiteral("Immagini (*.bmp *.jpg *.jpeg)"),
                             PictureFileDialog::Purpose(purpose));
    dialog.setDirectory(m_dir.path());
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    QStringList texts;
    const auto collect = [&] {
        texts.clear();
        for (const QLabel* l : dialog.findChildren<QLabel*>())
            texts << l->text();
        for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
            texts << b->text() << b->toolTip();
        for (const QComboBox* c : dialog.findChildren<QComboBox*>())
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        for (const QAbstractItemView* v : dialog.findChildren<QAbstractItemView*>()) {
            const QAbstractItemModel* m = v->model();
            if (!m)
                continue;
            for (int c = 0; c < m->columnCount(v->rootIndex()); ++c)
                texts << m->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < m->rowCount(v->rootIndex()); ++r)
                for (int c = 0; c < m->columnCount(v->rootIndex()); ++c)
                    texts << m->index(r, c, v->rootIndex()).data().toString();
        }
        return texts.join(QLatin1Char('|'));
    };
    // The list fills as the folder is read: wait for the folder and the photos' dates.
    QTRY_VERIFY2(collect().contains(QStringLiteral("Lago di Garda")) &&
                     collect().contains(QStringLiteral("camera.jpg")),
                 qPrintable(collect()));
    const QString all = collect();
    const QRegularExpression english(
        QStringLiteral("\\b(Folder|Computer|Look in|File name|Files of type|Open|Save|Cancel|"
                       "Name|Size|Type|Date Modified|Back|Forward|Parent Directory|Detail View|"
                       "List View|Create New Folder|Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|"
                       "Dec|bytes)\\b"));
    const QRegularExpressionMatch found = english.match(all);
    QVERIFY2(!found.hasMatch(), qPrintable(found.captured() + QStringLiteral(" in ") + all));
    QVERIFY2(all.contains(QStringLiteral("Cartella")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Anteprima")), qPrintable(all));
}

QTEST_MAIN(TestPictureFileDialog)
#include "tst_picturefiledialog.moc"
