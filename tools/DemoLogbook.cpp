#include "tools/DemoLogbook.h"

#include "data/LogbookKind.h"
#include "data/MoonPhase.h"
#include "data/SessionSeason.h"
#include "data/ShippedFiles.h"
#include "engine/Command.h"
#include "engine/Connection.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QVariant>
#include <random>

namespace {

// A photo of a carp on a landing mat, painted: water, grass, a golden fish.
QImage photo(int seed) {
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(0, 0, 0, 800);
    water.setColorAt(0, QColor(120, 170, 200));
    water.setColorAt(0.55, QColor(60, 110, 90));
    water.setColorAt(1, QColor(70, 120, 60));
    p.fillRect(image.rect(), water);
    p.setBrush(QColor(40, 80, 40));
    p.setPen(Qt::NoPen);
    p.drawRect(0, 560, 1200, 240);
    const QColor scales = QColor::fromHsv(30 + seed * 7 % 20, 170, 150 + seed * 13 % 60);
    p.setBrush(scales);
    p.drawEllipse(QPointF(600, 560), 380, 150);
    p.drawPolygon(QPolygonF({QPointF(930, 560), QPointF(1110, 440), QPointF(1110, 680)}));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(300, 530), 14, 14);
    return image;
}

class Demo {
public:
    explicit Demo(Connection& c) : m_command(QStringLiteral("demo"), nullptr, &c) {}
    void run(const QString& sql, const ParamList& params = {}) {
        m_command.setSql(sql);
        m_command.setParams(params);
        m_command.execute();
    }
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_rng); }
    double between(double from, double to, double step) {
        return from + step * pick(0, int((to - from) / step));
    }

private:
    Command m_command;
    std::mt19937 m_rng{2026};
};

QString iso(const QDate& d) {
    return d.toString(Qt::ISODate);
}

} // namespace

void WriteDemoLogbook(const QString& path) {
    ShippedFiles::createDatabase(path); // refuses an existing file
    const QDir photos(QFileInfo(path).absoluteDir().filePath(QStringLiteral("foto-demo")));
    QDir().mkpath(photos.path());
    QStringList photoPaths;
    for (int i = 1; i <= 6; ++i) {
        const QString file = photos.filePath(QStringLiteral("carpa-%1.jpg").arg(i));
        photo(i).save(file, "JPG", 85);
        photoPaths << file;
    }

    Connection connection(LogbookKind());
    connection.openFile(path);
    Demo d(connection);
    d.run(QStringLiteral("BEGIN"));
    d.run(QStringLiteral("INSERT INTO TLago (Ds_desc) VALUES ('Lago di Bolsena'), "
                         "('Lago Trasimeno'), ('Lago di Bracciano')"));
    // Where the three lakes lie, for "Sole e luna".
    d.run(QStringLiteral("INSERT INTO TLagoPosizione (Nm_lago, Latitudine, Longitudine) VALUES "
                         "(1, 42.5947, 11.9336), (2, 43.1364, 12.1039), (3, 42.1183, 12.2292)"));
    d.run(QStringLiteral("INSERT INTO TPescatore (Ds_Pescatore) VALUES ('Luca'), ('Marco'), "
                         "('Giulia'), ('Paolo')"));
    const QStringList types{QStringLiteral("Regina"), QStringLiteral("Specchi"),
                            QStringLiteral("Cuoio"),  QStringLiteral("Lineare"),
                            QStringLiteral("Amur"),   QStringLiteral("Koi")};
    const QStringList winds{QStringLiteral("Assente"), QStringLiteral("Molto debole"),
                            QStringLiteral("Debole"),  QStringLiteral("Moderato"),
                            QStringLiteral("Forte"),   QStringLiteral("Molto Forte"),
                            QStringLiteral("Tempesta")};
    const QStringList notes{
        QStringLiteral("Acqua velata, vento da sud nel pomeriggio."),
        QStringLiteral("Pasturato a 80 metri sul bordo del canneto."),
        QStringLiteral("Notte fredda, abboccate all'alba."),
        QStringLiteral("Molte partenze perse: ami da cambiare."),
        QStringLiteral("Temporale la seconda notte, poi calma."),
    };
    int session = 0;
    for (int year = 2023; year <= 2025; ++year) {
        for (int n = 0; n < 27; ++n) {
            const QDate start = QDate(year, 3, 1).addDays(d.pick(0, 240)); // March to October
            const int nights = d.pick(0, 3);
            const int lake = d.pick(1, 3);
            const double air = d.between(8, 30, 0.5);
            ++session;
            d.run(QStringLiteral("INSERT INTO TUscita (DataDa, DataA, Nm_TipoUscita, Nm_lago, "
                                 "Nm_temp, Nm_TempAcqua, Nm_ProfRilev, Nm_luna, Nm_Stagione, "
                                 "Note) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {iso(start), iso(start.addDays(nights)), d.pick(1, 6), lake, air,
                   air - d.between(1, 6, 0.5), d.between(1.5, 8, 0.5), MoonPhase::key(start),
                   SessionSeason::forDayMonth(start.day(), start.month()),
                   notes[d.pick(0, int(notes.size()) - 1)]});
            const int anglers = d.pick(1, 3);
            for (int a = 1; a <= anglers; ++a)
                d.run(QStringLiteral("INSERT INTO TUscitaPescatore VALUES (?, ?)"),
                      {session, 1 + (session + a) % 4});
            for (int day = 1; day <= nights + 1; ++day)
                d.run(QStringLiteral("INSERT INTO TPastura (Nm_uscita, giorno, Nm_pastura1, "
                                     "q_pastura1, Nm_pastura2, q_pastura2) VALUES (?, ?, ?, ?, "
                                     "?, ?)"),
                      {session, day, d.pick(1, 5), d.between(1, 6, 0.5), d.pick(1, 5),
                       d.between(0.5, 3, 0.5)});
            const int catches = d.pick(2, 8);
            for (int c = 0; c < catches; ++c) {
                const bool withPhoto = c == 0 || d.pick(0, 3) == 0; // the first always
                d.run(QStringLiteral("INSERT INTO TPreda (Nm_uscita, Data, Nm_Ora, Ds_tipo, "
                                     "Peso, Nm_Pescatore, Nm_Esca, Nm_innesco, Nm_montatura, "
                                     "Profondita, Nm_CondMeteo, Nm_Vento_direz, "
                                     "Ds_Vento_intens, Foto) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                     "?, ?, ?, ?, ?)"),
                      {session, iso(start.addDays(d.pick(0, nights))), d.pick(1, 8),
                       types[d.pick(0, 3)], d.between(3, 24, 0.05), 1 + (session + 1) % 4,
                       d.pick(1, 5), d.pick(1, 4), d.pick(1, 4), d.between(1.5, 7, 0.5),
                       d.pick(1, 5), d.pick(1, 5), winds[d.pick(0, 4)],
                       withPhoto ? QVariant(photoPaths[d.pick(0, 5)]) : QVariant()});
            }
            if (session % 8 == 0)
                d.run(QStringLiteral("INSERT INTO TReportage (Nm_uscita, Ds_commento, "
                                     "Ds_percorso) VALUES (?, ?, ?), (?, ?, ?)"),
                      {session, QStringLiteral("La pesata"), photoPaths[d.pick(0, 5)], session,
                       QStringLiteral("Il rilascio"), photoPaths[d.pick(0, 5)]});
        }
    }
    d.run(QStringLiteral("COMMIT"));
}
