// Generates the photograph of the HX-OCTSER card that the board description carries, and the
// program's icon. The picture is drawn at twice the size, shaded, grained and scaled down so
// that it reads as a photograph taken from above rather than as a diagram.
//
//   make_board_photo <board.jpg> <icon.png>
//
// The JPEG is written as the description expects it: baseline, 8-bit, JFIF 1.01 at 72 dpi,
// 4:2:0 sampling, the standard Huffman tables, no restart interval.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int W = 600;
constexpr int H = 561;
constexpr int S = 2; // drawing scale

std::mt19937 rng(20261211);
double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }

QRectF R(double x, double y, double w, double h) { return QRectF(x * S, y * S, w * S, h * S); }
QPointF P(double x, double y) { return QPointF(x * S, y * S); }

const QColor Mask(24, 92, 48);
const QColor Silk(236, 238, 228);

void Shadow(QPainter& p, const QRectF& r, double radius = 2, double offset = 3, int alpha = 90) {
    for (int i = 4; i >= 1; --i) {
        QRectF s = r.translated(offset * S * 0.6, offset * S).adjusted(-i * S, -i * S, i * S, i * S);
        QColor c(0, 20, 5, alpha / (i + 1));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(s, radius * S + i * S, radius * S + i * S);
    }
}

void SilkText(QPainter& p, double x, double y, const QString& text, double size, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft, double angle = 0) {
    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(size * S));
    f.setBold(bold);
    p.save();
    p.translate(P(x, y));
    p.rotate(angle);
    p.setFont(f);
    p.setPen(Silk);
    QRectF box(-400 * S, -size * S, 800 * S, size * 2 * S);
    if (align & Qt::AlignLeft) box.moveLeft(0);
    if (align & Qt::AlignRight) box.moveRight(0);
    p.drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
    p.restore();
}

void SilkBox(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Silk, 1.3 * S));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// Copper under the solder mask is drawn white on black into its own layer; Shade() then lifts
// it out of the board with a light edge toward the lamp and a dark edge away from it.
void Trace(QPainter& copper, const std::vector<QPointF>& pts, double width) {
    QPainterPath path(P(pts[0].x(), pts[0].y()));
    for (size_t i = 1; i < pts.size(); ++i) path.lineTo(P(pts[i].x(), pts[i].y()));
    copper.setBrush(Qt::NoBrush);
    copper.setPen(QPen(Qt::white, width * S, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    copper.drawPath(path);
}

std::vector<QPointF> Vias;

void Via(QPainter& copper, double x, double y) {
    copper.setPen(Qt::NoPen);
    copper.setBrush(Qt::white);
    copper.drawEllipse(P(x, y), 2.8 * S, 2.8 * S);
    Vias.push_back({x, y});
}

// The drill of each via, through the shaded mask.
void DrawViaHoles(QPainter& p) {
    for (const QPointF& v : Vias) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 140, 100, 110));
        p.drawEllipse(P(v.x(), v.y()), 1.7 * S, 1.7 * S);
        p.setBrush(QColor(8, 30, 14));
        p.drawEllipse(P(v.x(), v.y()), 1.0 * S, 1.0 * S);
    }
}

// Smooth random variation, as the mask's thickness and the lamp's falloff give a real board.
QImage Mottle(int w, int h, int cells) {
    QImage small(cells, cells * h / w + 1, QImage::Format_Grayscale8);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) small.setPixel(x, y, qRgb(0, 0, 0) + 0x010101 * static_cast<int>(Uniform(0, 255)));
    return small.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Gives the solder mask its colour, mottling and the raised copper below it.
void Shade(QImage& img, const QImage& copper) {
    QImage mottle = Mottle(img.width(), img.height(), 24);
    QImage fine = Mottle(img.width(), img.height(), 160);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const uchar* c0 = copper.constScanLine(y);
        const uchar* cUp = copper.constScanLine(std::max(0, y - 2));
        const uchar* cDown = copper.constScanLine(std::min(img.height() - 1, y + 2));
        const uchar* m = mottle.constScanLine(y);
        const uchar* f = fine.constScanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            QRgb px = line[x];
            if (qAlpha(px) != 0xFE) continue; // only the bare mask, marked while drawing
            double cu = c0[x] / 255.0;
            double edge = (cUp[std::max(0, x - 2)] - cDown[std::min(img.width() - 1, x + 2)]) / 255.0;
            double mot = (m[x] - 128) / 128.0 * 0.07 + (f[x] - 128) / 128.0 * 0.025;
            double r = 22 + 14 * cu, g = 88 + 34 * cu, b = 46 + 16 * cu;
            double k = 1.0 + mot;
            r = r * k + 26 * edge;
            g = g * k + 40 * edge;
            b = b * k + 26 * edge;
            line[x] = qRgb(std::clamp(static_cast<int>(r), 0, 255), std::clamp(static_cast<int>(g), 0, 255),
                           std::clamp(static_cast<int>(b), 0, 255));
        }
    }
}

void Pin(QPainter& p, double x, double y, double size, bool gold) {
    QRadialGradient g(P(x - size * 0.2, y - size * 0.2), size * S);
    g.setColorAt(0, gold ? QColor(255, 236, 160) : QColor(236, 236, 230));
    g.setColorAt(0.5, gold ? QColor(214, 170, 70) : QColor(160, 162, 160));
    g.setColorAt(1, gold ? QColor(130, 95, 30) : QColor(84, 86, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(P(x - size / 2, y - size / 2), QSizeF(size * S, size * S)));
}

void Housing(QPainter& p, const QRectF& r, QColor base = QColor(28, 28, 30)) {
    Shadow(p, r, 1, 3, 120);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.15, base);
    g.setColorAt(1, base.darker(140));
    p.setPen(QPen(QColor(8, 8, 8), 0.8 * S));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5 * S, 1.5 * S);
}

void Hole(QPainter& p, double x, double y) {
    // A plated mounting hole: a tinned ring round a hole that shows the dark bench below.
    QRadialGradient ring(P(x - 2, y - 2), 9 * S);
    ring.setColorAt(0, QColor(250, 250, 240));
    ring.setColorAt(0.7, QColor(190, 186, 170));
    ring.setColorAt(1, QColor(120, 118, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(P(x, y), 9.5 * S, 9.5 * S);
    p.setBrush(QColor(18, 18, 20));
    p.drawEllipse(P(x, y), 5.5 * S, 5.5 * S);
    p.setBrush(QColor(40, 40, 42, 160));
    p.drawEllipse(P(x + 1, y + 1), 4 * S, 4 * S);
}

void Chip(QPainter& p, double x, double y, double w, double h, int leadsX, int leadsY, const QString& line1,
          const QString& line2) {
    // Leads first, then the moulded body over them.
    p.setPen(Qt::NoPen);
    auto lead = [&](double lx, double ly, double lw, double lh) {
        QLinearGradient g(P(lx, ly), P(lx + lw, ly + lh));
        g.setColorAt(0, QColor(235, 235, 232));
        g.setColorAt(1, QColor(140, 142, 140));
        p.setBrush(g);
        p.drawRect(R(lx, ly, lw, lh));
    };
    if (leadsX > 0) {
        double pitch = (w - 6) / leadsX;
        for (int i = 0; i < leadsX; ++i) {
            double lx = x + 3 + i * pitch + pitch * 0.25;
            lead(lx, y - 5, pitch * 0.5, 6);
            lead(lx, y + h - 1, pitch * 0.5, 6);
        }
    }
    if (leadsY > 0) {
        double pitch = (h - 6) / leadsY;
        for (int i = 0; i < leadsY; ++i) {
            double ly = y + 3 + i * pitch + pitch * 0.25;
            lead(x - 5, ly, 6, pitch * 0.5);
            lead(x + w - 1, ly, 6, pitch * 0.5);
        }
    }
    QRectF body = R(x, y, w, h);
    Shadow(p, body, 1, 2.5, 110);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(52, 52, 56));
    g.setColorAt(0.5, QColor(30, 30, 33));
    g.setColorAt(1, QColor(22, 22, 24));
    p.setBrush(g);
    p.setPen(QPen(QColor(12, 12, 12), 0.6 * S));
    p.drawRect(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 16, 18));
    p.drawEllipse(P(x + 5, y + 5), 1.8 * S, 1.8 * S);
    QFont f("DejaVu Sans Mono");
    f.setPixelSize(static_cast<int>(std::min(7.0, w / 9.0) * S));
    p.setFont(f);
    p.setPen(QColor(150, 150, 150));
    p.drawText(R(x, y + h / 2 - 9, w, 9), Qt::AlignCenter, line1);
    p.drawText(R(x, y + h / 2, w, 9), Qt::AlignCenter, line2);
}

void Crystal(QPainter& p, double x, double y, double w, double h) {
    QRectF can = R(x, y, w, h);
    Shadow(p, can, h / 2, 3, 120);
    QLinearGradient g(can.topLeft(), can.bottomLeft());
    g.setColorAt(0, QColor(245, 245, 245));
    g.setColorAt(0.35, QColor(205, 208, 210));
    g.setColorAt(0.55, QColor(150, 152, 156));
    g.setColorAt(1, QColor(215, 216, 218));
    p.setBrush(g);
    p.setPen(QPen(QColor(110, 110, 112), 0.6 * S));
    p.drawRoundedRect(can, h / 2 * S, h / 2 * S);
    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(6 * S));
    p.setFont(f);
    p.setPen(QColor(70, 70, 74));
    p.drawText(can, Qt::AlignCenter, "14.7456");
}

void Electrolytic(QPainter& p, double x, double y, double r) {
    Shadow(p, R(x - r, y - r, 2 * r, 2 * r), r, 3, 130);
    QRadialGradient sleeve(P(x - r * 0.3, y - r * 0.3), r * S * 1.2);
    sleeve.setColorAt(0, QColor(60, 70, 140));
    sleeve.setColorAt(1, QColor(20, 24, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(sleeve);
    p.drawEllipse(P(x, y), r * S, r * S);
    QRadialGradient top(P(x - r * 0.35, y - r * 0.35), r * S);
    top.setColorAt(0, QColor(252, 252, 252));
    top.setColorAt(0.5, QColor(196, 198, 202));
    top.setColorAt(1, QColor(128, 130, 136));
    p.setBrush(top);
    p.drawEllipse(P(x, y), r * 0.82 * S, r * 0.82 * S);
    p.setPen(QPen(QColor(110, 112, 118), 0.9 * S));
    p.drawLine(P(x - r * 0.45, y), P(x + r * 0.45, y));
    p.drawLine(P(x, y - r * 0.45), P(x, y + r * 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 235, 200));
    p.drawPie(R(x - r, y - r, 2 * r, 2 * r), 200 * 16, 50 * 16);
}

void SmallPart(QPainter& p, double x, double y, double w, double h, bool vertical, QColor body, const QString& mark) {
    QRectF r = R(x, y, w, h);
    Shadow(p, r, 0.5, 1.2, 70);
    p.setPen(Qt::NoPen);
    QLinearGradient end(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    end.setColorAt(0, QColor(235, 235, 230));
    end.setColorAt(1, QColor(150, 150, 146));
    p.setBrush(end);
    p.drawRect(r);
    QRectF mid = vertical ? R(x, y + h * 0.22, w, h * 0.56) : R(x + w * 0.22, y, w * 0.56, h);
    p.setBrush(body);
    p.drawRect(mid);
    if (!mark.isEmpty()) {
        QFont f("DejaVu Sans");
        f.setPixelSize(static_cast<int>(3.2 * S));
        p.setFont(f);
        p.setPen(QColor(220, 220, 220));
        p.drawText(mid, Qt::AlignCenter, mark);
    }
}

void DrawMask(QPainter& p, QPainter& copper) {
    // The bench below the card.
    QLinearGradient bench(0, 0, W * S, H * S);
    bench.setColorAt(0, QColor(58, 56, 54));
    bench.setColorAt(1, QColor(30, 29, 28));
    p.fillRect(QRect(0, 0, W * S, H * S), bench);

    QRectF board = R(2, 3, 597, 556);
    Shadow(p, board, 6, 4, 160);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setBrush(QColor(Mask.red(), Mask.green(), Mask.blue(), 0xFE));
    p.drawRoundedRect(board, 6 * S, 6 * S);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Copper pours: a ground ring and a plane under the UARTs show as lighter fields.
    copper.setPen(Qt::NoPen);
    copper.setBrush(Qt::white);
    copper.drawRoundedRect(R(110, 140, 380, 300), 10 * S, 10 * S);
    copper.setBrush(Qt::black);
    copper.drawRoundedRect(R(122, 152, 356, 276), 8 * S, 8 * S);
    copper.setBrush(QColor(200, 200, 200));
    copper.drawRect(R(190, 186, 212, 92));
    copper.setBrush(Qt::black);
    for (int i = 0; i < 8; ++i) copper.drawRect(R(196 + i * 26, 190, 20, 84));
    copper.setPen(QPen(Qt::white, 3 * S));
    copper.setBrush(Qt::NoBrush);
    copper.drawRoundedRect(R(8, 9, 585, 544), 5 * S, 5 * S);

    // Traces: buses from the UARTs to the headers and to the bus connectors.
    for (int i = 0; i < 16; ++i) {
        double y0 = 180 + i * 9.5;
        Trace(copper, {{250, y0}, {200, y0}, {150 - i * 2.0, y0 + 40 - i * 2.0}, {95, y0 + 40 - i * 2.0}}, 1.6);
        Trace(copper, {{350, y0}, {400, y0}, {450 + i * 2.0, y0 + 30 - i * 2.0}, {515, y0 + 30 - i * 2.0}}, 1.6);
    }
    for (int i = 0; i < 22; ++i) {
        double x0 = 180 + i * 11;
        Trace(copper, {{x0, 85}, {x0, 118}, {x0 + (i - 11) * 1.5, 150}}, 1.4);
        Trace(copper, {{x0 - 40, 468}, {x0 - 40, 440}, {x0 - 20, 420}}, 1.4);
    }
    for (int i = 0; i < 8; ++i) {
        double x0 = 430 + i * 8;
        Trace(copper, {{x0, 125}, {x0, 140 + i * 3.0}, {x0 + 30, 170 + i * 3.0}}, 1.2);
    }
    for (int i = 0; i < 70; ++i) Via(copper, Uniform(120, 480), Uniform(130, 450));
    for (int i = 0; i < 24; ++i) Via(copper, 105 + i * 16.5, 456);
    for (int i = 0; i < 30; ++i) Via(copper, 96 + i * 14, 90 + (i % 2) * 6);

}

void DrawParts(QPainter& p) {
    DrawViaHoles(p);
    Hole(p, 20, 22);
    Hole(p, 580, 22);
    Hole(p, 20, 540);
    Hole(p, 580, 540);

    // PCI/104 connector: a 4 x 30 pin field along the top edge.
    {
        QRectF body = R(140, 32, 330, 42);
        Housing(p, body);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 30; ++col) {
                double cx = 146.5 + col * 10.95, cy = 38.5 + row * 9.7;
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(10, 10, 10));
                p.drawEllipse(P(cx, cy), 3.1 * S, 3.1 * S);
                Pin(p, cx, cy, 3.2, true);
            }
        SilkText(p, 132, 46, "J1", 9, true, Qt::AlignRight);
        SilkText(p, 140, 84, "PCI/104", 7);
    }

    // PC/104 connector: two rows of 32 (J2) and two rows of 20 (J3) along the bottom edge.
    {
        QRectF j2 = R(86, 494, 268, 22);
        QRectF j3 = R(366, 494, 170, 22);
        Housing(p, j2);
        Housing(p, j3);
        for (int col = 0; col < 32; ++col)
            for (int row = 0; row < 2; ++row) Pin(p, 91 + col * 8.2, 500 + row * 9, 4.2, true);
        for (int col = 0; col < 20; ++col)
            for (int row = 0; row < 2; ++row) Pin(p, 371 + col * 8.2, 500 + row * 9, 4.2, true);
        SilkText(p, 86, 485, "J2", 9, true);
        SilkText(p, 366, 485, "J3", 9, true);
        SilkText(p, 86, 526, "A1", 6);
        SilkText(p, 528, 526, "D0", 6);
    }

    // Header 1 (right) and Header 2 (left): boxed two-row pin headers, 2 x 20.
    auto header = [&](double x, double y, const QString& name, bool right) {
        QRectF body = R(x, y, 30, 262);
        Housing(p, body, QColor(34, 34, 36));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(14, 14, 14));
        p.drawRect(R(x + 4, y + 4, 22, 254));
        p.setBrush(QColor(34, 34, 36));
        p.drawRect(right ? R(x + 26, y + 115, 4, 32) : R(x, y + 115, 4, 32));
        for (int i = 0; i < 20; ++i)
            for (int c = 0; c < 2; ++c) Pin(p, x + 10 + c * 10, y + 10 + i * 12.7, 4.4, false);
        SilkText(p, x + 15, y - 8, name, 9, true, Qt::AlignHCenter);
        SilkText(p, right ? x - 4 : x + 34, y + 10, "1", 6, false, right ? Qt::AlignRight : Qt::AlignLeft);
    };
    header(538, 128, "J4", true);
    header(32, 142, "J5", false);
    SilkText(p, 553, 400, "PORTS A-D", 6.5, false, Qt::AlignHCenter);
    SilkText(p, 47, 414, "PORTS E-H", 6.5, false, Qt::AlignHCenter);

    // The two-position DIP switch.
    {
        QRectF body = R(420, 99, 25, 19);
        Shadow(p, body, 1, 2.5, 120);
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, QColor(230, 40, 40));
        g.setColorAt(1, QColor(150, 16, 20));
        p.setBrush(g);
        p.setPen(QPen(QColor(90, 10, 10), 0.6 * S));
        p.drawRoundedRect(body, 1 * S, 1 * S);
        for (int i = 0; i < 2; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 8, 8));
            p.drawRect(R(424 + i * 10, 104, 7, 12));
            p.setBrush(QColor(245, 245, 240));
            p.drawRect(R(424.8 + i * 10, 110, 5.4, 5.4));
        }
        QFont f("DejaVu Sans");
        f.setPixelSize(static_cast<int>(3.5 * S));
        p.setFont(f);
        p.setPen(QColor(255, 235, 235));
        p.drawText(R(421, 99, 12, 5), Qt::AlignLeft | Qt::AlignVCenter, "ON");
        SilkText(p, 432, 126, "SW1", 7, true, Qt::AlignHCenter);
        SilkText(p, 424, 92, "1", 5);
        SilkText(p, 434, 92, "2", 5);
    }

    // Two quad UARTs, the line drivers, the crystal and the passives.
    Chip(p, 200, 196, 72, 72, 16, 16, "HV16C554", "CQ64 2619");
    Chip(p, 318, 196, 72, 72, 16, 16, "HV16C554", "CQ64 2619");
    SilkText(p, 236, 282, "U1", 8, true, Qt::AlignHCenter);
    SilkText(p, 354, 282, "U2", 8, true, Qt::AlignHCenter);
    for (int i = 0; i < 4; ++i) {
        Chip(p, 464, 160 + i * 62, 32, 44, 0, 10, "HV3243", "E");
        Chip(p, 104, 170 + i * 62, 32, 44, 0, 10, "HV3243", "E");
        SilkText(p, 480, 210 + i * 62, QString("U%1").arg(3 + i), 6, false, Qt::AlignHCenter);
        SilkText(p, 120, 220 + i * 62, QString("U%1").arg(7 + i), 6, false, Qt::AlignHCenter);
    }
    Chip(p, 258, 320, 84, 30, 14, 0, "HV22V10", "PLD 0826");
    SilkText(p, 300, 360, "U11", 7, true, Qt::AlignHCenter);
    Crystal(p, 280, 150, 40, 15);
    SilkText(p, 300, 142, "Y1", 7, true, Qt::AlignHCenter);
    Electrolytic(p, 180, 110, 11);
    Electrolytic(p, 400, 380, 11);
    Electrolytic(p, 200, 380, 9);
    SilkText(p, 180, 127, "C1", 6, false, Qt::AlignHCenter);
    SilkText(p, 400, 397, "C2", 6, false, Qt::AlignHCenter);
    for (int i = 0; i < 14; ++i) {
        SmallPart(p, 190 + i * 16, 290, 5, 9, true, QColor(176, 140, 92), "");
        SmallPart(p, 188 + (i % 7) * 18, 400 + (i / 7) * 14, 9, 5, false, QColor(24, 24, 24), "103");
    }
    for (int i = 0; i < 8; ++i) {
        SmallPart(p, 448, 150 + i * 30, 9, 5, false, QColor(176, 140, 92), "");
        SmallPart(p, 142, 160 + i * 30, 9, 5, false, QColor(176, 140, 92), "");
    }

    // A serial-number sticker with a bar code, slightly askew as stuck on by hand.
    {
        p.save();
        p.translate(P(330, 400));
        p.rotate(-1.2);
        QRectF label(0, 0, 64 * S, 22 * S);
        Shadow(p, label, 1, 1.5, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(244, 242, 232));
        p.drawRect(label);
        p.setBrush(QColor(30, 30, 30));
        double x = 4;
        for (int i = 0; x < 60; ++i) {
            double w = (i * 7 % 5 == 0) ? 1.6 : (i % 3 == 0 ? 1.0 : 0.6);
            p.drawRect(QRectF(x * S, 3 * S, w * S, 11 * S));
            x += w + 0.9 + (i % 4) * 0.3;
        }
        QFont f("DejaVu Sans Mono");
        f.setPixelSize(static_cast<int>(4.5 * S));
        p.setFont(f);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(0, 14.5 * S, 64 * S, 6 * S), Qt::AlignCenter, "S/N 2619-00417");
        p.restore();
    }
    // Small transistors, resistor networks and test points.
    for (int i = 0; i < 6; ++i) {
        double x = 150 + i * 52, y = 128;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 196));
        p.drawRect(R(x + 1, y - 2, 1.2, 2));
        p.drawRect(R(x + 5, y - 2, 1.2, 2));
        p.drawRect(R(x + 3, y + 5, 1.2, 2));
        Shadow(p, R(x, y, 7, 5), 0.5, 1.2, 70);
        p.setBrush(QColor(30, 30, 32));
        p.drawRect(R(x, y, 7, 5));
        SilkText(p, x + 3.5, y + 11, QString("Q%1").arg(i + 1), 5, false, Qt::AlignHCenter);
    }
    for (int i = 0; i < 4; ++i) {
        SmallPart(p, 430 + (i % 2) * 14, 405 + (i / 2) * 26, 8, 16, true, QColor(24, 24, 26), "");
        SilkText(p, 434 + (i % 2) * 14, 428 + (i / 2) * 26, QString("RN%1").arg(i + 1), 4.5, false, Qt::AlignHCenter);
    }
    for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 200, 170));
        p.drawEllipse(P(100 + i * 9, 446), 2.2 * S, 2.2 * S);
        SilkText(p, 100 + i * 9, 439, QString("TP%1").arg(i + 1), 3.5, false, Qt::AlignHCenter);
    }
    for (int i = 0; i < 14; ++i) SilkText(p, 192.5 + i * 16, 284, QString("C%1").arg(i + 3), 3.6, false, Qt::AlignHCenter);

    // Silkscreen: card, maker and revision.
    SilkText(p, 300, 440, "HX-OCTSER", 22, true, Qt::AlignHCenter);
    SilkText(p, 300, 463, "HALVERN", 11, true, Qt::AlignHCenter);
    SilkText(p, 470, 440, "REV B", 7, false, Qt::AlignLeft);
    SilkText(p, 130, 440, "8-PORT RS-232", 7, false, Qt::AlignLeft);
    SilkBox(p, R(196, 192, 80, 80));
    SilkBox(p, R(314, 192, 80, 80));
    SilkBox(p, R(276, 146, 48, 23));
}

// Sheen, vignette and grain at the final size, as a camera and a lamp would add them.
void Finish(QImage& img) {
    // A touch of softness, as from a lens slightly off perfect focus.
    QImage soft = img.scaled(img.width() * 3 / 4, img.height() * 3 / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .scaled(img.width(), img.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto* blur = reinterpret_cast<const QRgb*>(soft.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            line[x] = qRgb((qRed(line[x]) * 3 + qRed(blur[x])) / 4, (qGreen(line[x]) * 3 + qGreen(blur[x])) / 4,
                           (qBlue(line[x]) * 3 + qBlue(blur[x])) / 4);
        }
    }
    std::normal_distribution<double> grain(0.0, 3.0);
    std::normal_distribution<double> tint(0.0, 1.4);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            double dx = (x - 240.0) / W, dy = (y - 170.0) / H;
            double sheen = 1.0 + 0.22 * std::exp(-(dx * dx + dy * dy) * 7.0);
            double vx = (x - W / 2.0) / W, vy = (y - H / 2.0) / H;
            double vignette = 1.0 - 0.28 * (vx * vx + vy * vy) * 2.0;
            // The lamp's reflection: a soft diagonal band across the upper left.
            double band = (x * 0.8 + y * 1.0 - 330.0) / 90.0;
            double glare = 26.0 * std::exp(-band * band) * std::exp(-((x - 220.0) * (x - 220.0)) / (2 * 260.0 * 260.0));
            double n = grain(rng);
            auto channel = [&](int c) {
                double v = c * sheen * vignette + glare * (0.35 + c / 400.0) + n + tint(rng);
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            QRgb px = line[x];
            line[x] = qRgb(channel(qRed(px)), channel(qGreen(px)), channel(qBlue(px)));
        }
    }
}

bool WriteJpeg(const QImage& img, const char* path) {
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    cinfo.optimize_coding = FALSE;  // the standard Huffman tables
    cinfo.restart_interval = 0;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    cinfo.comp_info[1].h_samp_factor = 1;
    cinfo.comp_info[1].v_samp_factor = 1;
    cinfo.comp_info[2].h_samp_factor = 1;
    cinfo.comp_info[2].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(img.width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        for (int x = 0; x < img.width(); ++x) {
            row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(qRed(src[x]));
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>(qGreen(src[x]));
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>(qBlue(src[x]));
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
    return true;
}

// The icon: the card seen from above, small, with a yellow highlight ring, in 16 colours.
QImage MakeIcon() {
    QImage big(128, 128, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 50, 25), 4));
    p.setBrush(QColor(30, 120, 60));
    p.drawRoundedRect(QRectF(10, 14, 108, 100), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(QRectF(26, 20, 76, 12));
    p.drawRect(QRectF(22, 96, 84, 10));
    p.drawRect(QRectF(48, 52, 32, 32));
    p.setBrush(QColor(220, 180, 60));
    for (int i = 0; i < 9; ++i) p.drawRect(QRectF(29 + i * 8, 24, 4, 4));
    p.setPen(QPen(QColor(255, 230, 0), 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(70, 34, 44, 40));
    p.end();
    QImage small = big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The sixteen colours of the classic VGA palette; pixels under half opacity are transparent.
    static const QRgb palette[16] = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                     0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                     0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    QImage icon(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            QRgb px = small.pixel(x, y);
            if (qAlpha(px) < 128) {
                icon.setPixel(x, y, 0);
                continue;
            }
            int best = 0, bestDistance = INT32_MAX;
            for (int i = 0; i < 16; ++i) {
                int dr = qRed(px) - qRed(palette[i]), dg = qGreen(px) - qGreen(palette[i]),
                    db = qBlue(px) - qBlue(palette[i]);
                int d = dr * dr + dg * dg + db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            icon.setPixel(x, y, palette[best]);
        }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_board_photo <board.jpg> <icon.png>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage big(W * S, H * S, QImage::Format_ARGB32);
    QImage copper(W * S, H * S, QImage::Format_Grayscale8);
    copper.fill(0);
    {
        QPainter p(&big);
        QPainter c(&copper);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        c.setRenderHint(QPainter::Antialiasing);
        DrawMask(p, c);
    }
    Shade(big, copper);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawParts(p);
    }
    QImage photo = big.convertToFormat(QImage::Format_RGB32)
                       .scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Finish(photo);
    if (!WriteJpeg(photo, argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QImage icon = MakeIcon();
    if (!icon.save(argv[2], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
