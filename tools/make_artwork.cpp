// Paints the program's pictures: the splash (a lake at dusk, rods on their rests, the angler's
// silhouette, the name lettered across the sky) and the About picture (the same scene without
// lettering). Run once; its output is committed under app/art/. The lettering uses the URW
// "Z003" script face (Debian fonts-urw-base35) when present.
//   lunkerledger-make-artwork OUTPUT_DIR
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>

namespace {

void paintScene(QPainter& p, const QSizeF& size, bool lettering) {
    const double w = size.width(), h = size.height();
    const double horizon = h * 0.58;
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(0x1b, 0x15, 0x3d));
    sky.setColorAt(0.35, QColor(0x5e, 0x2a, 0x5c));
    sky.setColorAt(0.7, QColor(0xd0, 0x5f, 0x2e));
    sky.setColorAt(1.0, QColor(0xf8, 0xc6, 0x5c));
    p.fillRect(QRectF(0, 0, w, horizon + 1), sky);

    // A few long, thin clouds lit from below.
    QRandomGenerator random(1977);
    for (int i = 0; i < 9; ++i) {
        const double y = horizon * (0.25 + 0.6 * random.generateDouble());
        const double x = w * random.generateDouble() - w * 0.2;
        const double len = w * (0.25 + 0.35 * random.generateDouble());
        QLinearGradient cloud(0, y - 4, 0, y + 6);
        cloud.setColorAt(0, QColor(60, 25, 60, 150));
        cloud.setColorAt(1, QColor(250, 150, 80, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(cloud);
        p.drawEllipse(QRectF(x, y, len, 4 + 5 * random.generateDouble()));
    }

    // The sun resting on the far shore, with its glow.
    const QPointF sun(w * 0.36, horizon - h * 0.035);
    QRadialGradient glow(sun, h * 0.32);
    glow.setColorAt(0, QColor(255, 236, 170, 220));
    glow.setColorAt(0.25, QColor(255, 190, 90, 110));
    glow.setColorAt(1, QColor(255, 150, 60, 0));
    p.setBrush(glow);
    p.drawEllipse(sun, h * 0.32, h * 0.32);
    p.setBrush(QColor(255, 244, 200));
    p.drawEllipse(sun, h * 0.045, h * 0.045);

    // The lake, darker towards the viewer.
    QLinearGradient water(0, horizon, 0, h);
    water.setColorAt(0, QColor(0xe6, 0x9a, 0x4a));
    water.setColorAt(0.35, QColor(0x8a, 0x45, 0x4e));
    water.setColorAt(1, QColor(0x1f, 0x16, 0x2c));
    p.fillRect(QRectF(0, horizon, w, h - horizon), water);
    // The sun's path on the water.
    for (int i = 0; i < 60; ++i) {
        const double t = i / 60.0;
        const double y = horizon + 3 + t * (h * 0.3);
        const double half = (6 + t * 60) * (0.5 + random.generateDouble());
        p.setPen(QPen(QColor(255, 225, 150, int(200 * (1 - t))), 1.2));
        p.drawLine(QPointF(sun.x() - half, y), QPointF(sun.x() + half, y));
    }

    // The far shore: a tree line against the sky.
    QPainterPath shore;
    shore.moveTo(0, horizon + 2);
    for (double x = 0; x <= w + 8; x += 6) {
        const double bump = 6 + 10 * std::fabs(std::sin(x * 0.045)) + 7 * random.generateDouble();
        shore.lineTo(x, horizon - (x < w * 0.25 || x > w * 0.55 ? bump : bump * 0.35));
    }
    shore.lineTo(w, horizon + 3);
    shore.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x18, 0x2c));
    p.drawPath(shore);

    // The near bank, rising to the right where the angler stands.
    QPainterPath bank;
    bank.moveTo(0, h * 0.86);
    bank.cubicTo(w * 0.3, h * 0.83, w * 0.6, h * 0.84, w * 0.78, h * 0.8);
    bank.cubicTo(w * 0.88, h * 0.78, w * 0.95, h * 0.78, w, h * 0.77);
    bank.lineTo(w, h);
    bank.lineTo(0, h);
    bank.closeSubpath();
    p.setBrush(QColor(0x0c, 0x08, 0x10));
    p.drawPath(bank);
    // Reeds along the bank.
    p.setPen(QPen(QColor(0x0c, 0x08, 0x10), 1.4));
    for (int i = 0; i < 40; ++i) {
        const double x = w * 0.02 + random.generateDouble() * w * 0.3;
        const double top = h * (0.74 + 0.08 * random.generateDouble());
        p.drawLine(QPointF(x, h * 0.87), QPointF(x + 6 * (random.generateDouble() - 0.5), top));
    }

    // Three rods on a rod pod, tips over the water, lines running out.
    const QColor black(0x05, 0x03, 0x07);
    for (int r = 0; r < 3; ++r) {
        const double baseX = w * (0.22 + r * 0.11);
        const QPointF butt(baseX, h * 0.92);
        const QPointF front(baseX + w * 0.07, h * 0.835);
        const QPointF tip(baseX + w * 0.30, h * (0.62 - r * 0.015));
        p.setPen(QPen(black, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(butt, tip);
        p.setPen(QPen(black, 2.0));
        p.drawLine(QPointF(butt.x() + 2, h * 0.96), QPointF(butt.x() + 2, butt.y())); // back rest
        p.drawLine(QPointF(front.x(), h * 0.95), front);                              // front rest
        p.setBrush(black);
        p.drawRoundedRect(QRectF(front.x() - 5, front.y() - 6, 10, 7), 2, 2);        // bite alarm
        p.drawEllipse(QPointF(butt.x() + w * 0.03, butt.y() - h * 0.012), 4.5, 4.5); // reel
        p.setPen(QPen(QColor(255, 230, 190, 110), 0.7));
        p.drawLine(tip, QPointF(tip.x() + w * 0.05, horizon + h * 0.05 + r * 6));
    }
    p.setPen(QPen(black, 2.2));
    p.drawLine(QPointF(w * 0.2, h * 0.955), QPointF(w * 0.5, h * 0.955)); // the pod's bar

    // The angler at the right edge, cap on, looking at the water.
    const double gx = w * 0.9, feet = h * 0.785, tall = h * 0.3;
    QPainterPath angler;
    angler.addEllipse(QPointF(gx, feet - tall * 0.9), tall * 0.065, tall * 0.075);
    QPainterPath cap; // a peaked cap, the peak towards the water
    cap.addEllipse(QPointF(gx, feet - tall * 0.935), tall * 0.07, tall * 0.045);
    cap.moveTo(gx - tall * 0.03, feet - tall * 0.93);
    cap.lineTo(gx - tall * 0.17, feet - tall * 0.905);
    cap.lineTo(gx - tall * 0.16, feet - tall * 0.89);
    cap.lineTo(gx - tall * 0.02, feet - tall * 0.9);
    cap.closeSubpath();
    angler.addPath(cap);
    QPainterPath arm; // a hand raised to the peak, shading the eyes
    arm.moveTo(gx - tall * 0.1, feet - tall * 0.76);
    arm.lineTo(gx - tall * 0.16, feet - tall * 0.86);
    arm.lineTo(gx - tall * 0.12, feet - tall * 0.9);
    arm.lineTo(gx - tall * 0.1, feet - tall * 0.87);
    arm.lineTo(gx - tall * 0.05, feet - tall * 0.78);
    arm.closeSubpath();
    angler.addPath(arm);
    QPainterPath body;
    body.moveTo(gx - tall * 0.12, feet - tall * 0.8);
    body.cubicTo(gx - tall * 0.18, feet - tall * 0.6, gx - tall * 0.16, feet - tall * 0.45,
                 gx - tall * 0.12, feet - tall * 0.42);
    body.lineTo(gx - tall * 0.11, feet);
    body.lineTo(gx - tall * 0.02, feet);
    body.lineTo(gx + tall * 0.0, feet - tall * 0.38);
    body.lineTo(gx + tall * 0.03, feet);
    body.lineTo(gx + tall * 0.12, feet);
    body.lineTo(gx + tall * 0.11, feet - tall * 0.45);
    body.cubicTo(gx + tall * 0.16, feet - tall * 0.6, gx + tall * 0.14, feet - tall * 0.75,
                 gx + tall * 0.1, feet - tall * 0.8);
    body.closeSubpath();
    angler.addPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    angler.setFillRule(Qt::WindingFill);
    p.drawPath(angler.simplified());

    if (!lettering)
        return;
    QString script;
    for (const QString& family : QFontDatabase::families())
        if (family.startsWith(QLatin1String("Z003")))
            script = family;
    QFont font(script.isEmpty() ? QStringLiteral("DejaVu Serif") : script);
    font.setItalic(true);
    font.setBold(script.isEmpty());
    font.setPixelSize(int(h * 0.2));
    const QString name = QStringLiteral("LUNKERLEDGER");
    QFontMetricsF metrics(font);
    while (metrics.horizontalAdvance(name) > w * 0.9) {
        font.setPixelSize(font.pixelSize() - 1);
        metrics = QFontMetricsF(font);
    }
    QPainterPath text;
    const double tx = (w - metrics.horizontalAdvance(name)) / 2;
    const double ty = h * 0.24;
    text.addText(QPointF(tx, ty), font, name);
    p.setBrush(QColor(20, 8, 30, 140));
    p.drawPath(text.translated(2.5, 3)); // a soft shadow
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(255, 240, 215), 0.6));
    p.drawPath(text);
}

QImage render(QSize size, bool lettering) {
    QImage image(size, QImage::Format_RGB888);
    QPainter p(&image);
    paintScene(p, QSizeF(size), lettering);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: lunkerledger-make-artwork CARTELLA\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QImageWriter splash(out.filePath(QStringLiteral("splash.jpg")), "jpg");
    splash.setQuality(88);
    splash.setProgressiveScanWrite(false);
    if (!splash.write(render(QSize(511, 480), true)))
        return 1;
    // The About picture: the same scene painted larger, then reduced, for clean edges.
    const QImage about = render(QSize(511, 480), false)
                             .scaled(150, 141, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB888);
    if (!about.save(out.filePath(QStringLiteral("about.bmp")), "BMP"))
        return 1;
    return 0;
}
