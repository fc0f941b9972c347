#include "custom_panel.h"

#include "qt_util.h"

#include <QPainter>

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 185;
    FHeight = 41;
    FControlStyle = {csAcceptsControls, csOpaque};
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    if (v == FBevelOuter) return;
    FBevelOuter = v;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    if (v == FBevelInner) return;
    FBevelInner = v;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int v) {
    if (v == FBevelWidth) return;
    FBevelWidth = v;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int v) {
    if (v == FBorderWidth) return;
    FBorderWidth = v;
    Invalidate();
}

void TCustomPanel::Paint() {
    QPainter* p = Canvas().Painter();
    if (!p) return;
    QRect r(0, 0, ClientWidth(), ClientHeight());
    p->fillRect(r, ToQColor(FColor));
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone || cut == bvSpace) {
            if (cut == bvSpace) r.adjust(FBevelWidth, FBevelWidth, -FBevelWidth, -FBevelWidth);
            return;
        }
        QColor light = cut == bvRaised ? QColor(255, 255, 255) : QColor(128, 128, 128);
        QColor dark = cut == bvRaised ? QColor(128, 128, 128) : QColor(255, 255, 255);
        for (int i = 0; i < FBevelWidth && r.width() > 1 && r.height() > 1; ++i) {
            p->setPen(light);
            p->drawLine(r.left(), r.top(), r.right(), r.top());
            p->drawLine(r.left(), r.top(), r.left(), r.bottom());
            p->setPen(dark);
            p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p->drawLine(r.right(), r.top(), r.right(), r.bottom());
            r.adjust(1, 1, -1, -1);
        }
    };
    bevel(FBevelOuter);
    r.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    bevel(FBevelInner);
    if (FShowCaption && !Caption().empty()) {
        p->setFont(ToQFont(Font()));
        p->setPen(ToQColor(Font().Color()));
        p->drawText(r, Qt::AlignCenter, ToQString(Caption()));
    }
}
