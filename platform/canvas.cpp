#include "canvas.h"

#include "bitmap.h"
#include "graphic.h"
#include "qt_util.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

void TCanvas::FillRect(const TRect& r) {
    QPainter* p = Painter();
    if (!p || r.Width() <= 0 || r.Height() <= 0) return;
    p->fillRect(ToQRect(r), ToQColor(FBrush.Color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    QPainter* p = Painter();
    if (!p || right <= left || bottom <= top) return;
    if (FBrush.Style == bsSolid) p->fillRect(QRect(left, top, right - left, bottom - top), ToQColor(FBrush.Color));
    QPen pen(ToQColor(FPen.Color));
    pen.setWidth(0); // cosmetic: exactly one pixel wide
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    if (right - left == 1 || bottom - top == 1)
        p->drawLine(left, top, right - 1, bottom - 1);
    else
        p->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    p->restore();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    QPainter* p = Painter();
    if (!p) return;
    QFont font = ToQFont(FFont);
    QFontMetrics fm(font);
    QString s = ToQString(text);
    if (FBrush.Style == bsSolid)
        p->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(FBrush.Color));
    p->save();
    p->setFont(font);
    p->setPen(ToQColor(FFont.Color()));
    p->drawText(x, y + fm.ascent(), s);
    p->restore();
}

int TCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(ToQFont(FFont)).horizontalAdvance(ToQString(text));
}

int TCanvas::TextHeight(const std::string&) { return QFontMetrics(ToQFont(FFont)).height(); }

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic& graphic) { graphic.Draw(*this, r); }

void TCanvas::BlockCopy(int x, int y, const TBitmap& bitmap) {
    QPainter* p = Painter();
    if (!p || bitmap.Width() == 0 || bitmap.Height() == 0) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(x, y, bitmap.Image());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
