#include "graphics.h"

#include "qt_util.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace {
int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }
} // namespace

int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

void TFont::Assign(const TFont& other) {
    if (*this == other && FCharset == other.FCharset) return;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FCharset = other.FCharset;
    Changed();
}

TColor ColorToRGB(TColor c) {
    if ((c & clSystemColor) == 0) return c & 0xFFFFFF;
    QPalette pal = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    QColor q;
    switch (c & 0xFF) {
    case 5: q = pal.color(QPalette::Base); break;
    case 8: q = pal.color(QPalette::Text); break;
    case 15: q = pal.color(QPalette::Button); break;
    case 18: q = pal.color(QPalette::ButtonText); break;
    default: q = pal.color(QPalette::Window); break;
    }
    return RGB(q.red(), q.green(), q.blue());
}

QColor ToQColor(TColor c) {
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QString FontFamilyFor(const std::string& name) {
    // Metric-compatible or close stand-ins for the fonts the descriptions name.
    if (SameText(name, "MS Sans Serif") || SameText(name, "Verdana") || SameText(name, "Tahoma"))
        return QStringLiteral("DejaVu Sans");
    if (SameText(name, "Arial") || SameText(name, "Helvetica")) return QStringLiteral("Liberation Sans");
    if (SameText(name, "Times New Roman")) return QStringLiteral("Liberation Serif");
    if (SameText(name, "Courier New")) return QStringLiteral("Liberation Mono");
    return ToQString(name);
}

QFont ToQFont(const TFont& f) {
    QFont q(FontFamilyFor(f.Name()));
    int h = f.Height();
    if (h < 0)
        q.setPixelSize(-h);
    else if (h > 0)
        q.setPixelSize(std::max(1, h * 4 / 5)); // a cell height includes the internal leading
    q.setBold(f.Style().Contains(fsBold));
    q.setItalic(f.Style().Contains(fsItalic));
    q.setUnderline(f.Style().Contains(fsUnderline));
    q.setStrikeOut(f.Style().Contains(fsStrikeOut));
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}
