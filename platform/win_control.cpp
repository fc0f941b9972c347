#include "win_control.h"

#include "application.h"
#include "graphic_control.h"
#include "peers.h"
#include "qt_util.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace {
TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s;
    if (mods & Qt::ShiftModifier) s.Include(ssShift);
    if (mods & Qt::AltModifier) s.Include(ssAlt);
    if (mods & Qt::ControlModifier) s.Include(ssCtrl);
    if (buttons & Qt::LeftButton) s.Include(ssLeft);
    if (buttons & Qt::RightButton) s.Include(ssRight);
    if (buttons & Qt::MiddleButton) s.Include(ssMiddle);
    return s;
}

bool ButtonFrom(Qt::MouseButton b, TMouseButton& out) {
    switch (b) {
    case Qt::LeftButton: out = mbLeft; return true;
    case Qt::RightButton: out = mbRight; return true;
    case Qt::MiddleButton: out = mbMiddle; return true;
    default: return false;
    }
}
} // namespace

// ---------------------------------------------------------------- peer

TWidgetPeer::TWidgetPeer(TWinControl* control, QWidget* parent) : QWidget(parent), FControl(control) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

bool TWidgetPeer::event(QEvent* e) {
    bool handled = false;
    Protected(FControl, [&] { handled = FControl->HandleWidgetEvent(e); });
    return handled || QWidget::event(e);
}

void TWidgetPeer::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    FControl->PaintWidget(painter, e->rect());
}

// ---------------------------------------------------------------- control

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    if (FParent) FParent->RemoveControl(this);
    // Children are only detached here; their owners free them.
    while (!FWinControls.empty()) FWinControls.back()->SetParent(nullptr);
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyWidget();
}

TControl* TWinControl::Controls(int Index) const {
    size_t i = static_cast<size_t>(Index);
    if (i < FControls.size()) return FControls[i];
    return FWinControls.at(i - FControls.size());
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && c->Enabled() && c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::InsertControl(TControl* c) {
    c->FParent = this;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        FWinControls.push_back(w);
        FTabList.push_back(w);
        if (w->FTabOrder >= 0) {
            const int wanted = w->FTabOrder;
            w->FTabOrder = -1;
            w->SetTabOrder(wanted);
        }
        if (HandleAllocated() || w->HandleAllocated()) AttachChildWidget(w);
    } else {
        FControls.push_back(c);
        c->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* c) {
    if (FHoverControl == c) FHoverControl = nullptr;
    if (FCaptureControl == c) FCaptureControl = nullptr;
    // Compared by address only: the control may be half destroyed already.
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), c), FTabList.end());
    auto w = std::find(FWinControls.begin(), FWinControls.end(), c);
    if (w != FWinControls.end()) {
        TWinControl* child = *w;
        FWinControls.erase(w);
        if (child->FWidget) {
            child->FWidget->hide();
            child->FWidget->setParent(nullptr);
        }
    }
    FControls.erase(std::remove(FControls.begin(), FControls.end(), c), FControls.end());
    c->FParent = nullptr;
}

void TWinControl::AttachChildWidget(TWinControl* child) {
    QWidget* client = ClientWidget();
    if (!child->HandleAllocated()) {
        child->Widget();
        return;
    }
    child->FWidget->setParent(client);
    child->InitWidget();
}

QWidget* TWinControl::Widget() {
    if (!FWidget) {
        QWidget* parentWidget = FParent ? FParent->ClientWidget() : nullptr;
        FWidget = CreateWidget(parentWidget);
        InitWidget();
        for (TWinControl* child : FWinControls) AttachChildWidget(child);
        ApplyTabOrder();
    }
    return FWidget;
}

QWidget* TWinControl::ClientWidget() { return Widget(); }

QWidget* TWinControl::CreateWidget(QWidget* parentWidget) { return new TWidgetPeer(this, parentWidget); }

void TWinControl::InitWidget() {
    UpdateGeometry();
    FWidget->setAttribute(Qt::WA_OpaquePaintEvent, FControlStyle.Contains(csOpaque));
    FWidget->setEnabled(FEnabled);
    if (FParent) FWidget->setVisible(FVisible);
}

void TWinControl::DestroyWidget() {
    delete FWidget;
    FWidget = nullptr;
}

void TWinControl::UpdateGeometry() {
    if (FWidget) FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
}

void TWinControl::BoundsChanged(const TRect& OldBounds) {
    UpdateGeometry();
    if (OldBounds.Width() != FWidth || OldBounds.Height() != FHeight) AlignControls();
    if ((OldBounds.Width() != FWidth || OldBounds.Height() != FHeight) && OnResize) OnResize(this);
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    if (FWidget) FWidget->setFont(ToQFont(FFont)); // the toolkit's own widgets draw their text with it
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->ParentFont()) continue;
        c->FTakingParentFont = true;
        c->Font().Assign(FFont);
        c->FTakingParentFont = false;
    }
}

void TWinControl::AlignControls() {
    TRect free = ClientRect();
    auto place = [&](TAlign align) {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Align() != align || !c->Visible()) continue;
            c->FAnchoring = true;
            switch (align) {
            case alTop:
                c->SetBounds(free.Left, free.Top, free.Width(), c->Height());
                free.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(free.Left, free.Bottom - c->Height(), free.Width(), c->Height());
                free.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(free.Left, free.Top, c->Width(), free.Height());
                free.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(free.Right - c->Width(), free.Top, c->Width(), free.Height());
                free.Right -= c->Width();
                break;
            case alClient: c->SetBounds(free.Left, free.Top, free.Width(), free.Height()); break;
            case alNone: break;
            }
            c->FAnchoring = false;
        }
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
    int w = ClientWidth(), h = ClientHeight();
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Align() == alNone) Controls(i)->ApplyAnchors(w, h);
}

void TWinControl::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    if (FWidget) FWidget->setVisible(v);
    VisibleChanged();
}

void TWinControl::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    if (FWidget) FWidget->setEnabled(v);
}

void TWinControl::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Invalidate();
}

void TWinControl::SetControlStyle(TControlStyle v) {
    FControlStyle = v;
    if (FWidget) FWidget->setAttribute(Qt::WA_OpaquePaintEvent, v.Contains(csOpaque));
}

TPoint TWinControl::ClientToScreen(TPoint p) const {
    if (FWidget) {
        QPoint q = FWidget->mapToGlobal(QPoint(p.X, p.Y));
        return {q.x(), q.y()};
    }
    return TControl::ClientToScreen(p);
}

void TWinControl::Invalidate() {
    if (FWidget) ClientWidget()->update();
}

void TWinControl::Repaint() {
    if (FWidget && ClientWidget()->isVisible()) ClientWidget()->repaint();
}

void TWinControl::InvalidateRect(const TRect& r) {
    if (FWidget) ClientWidget()->update(ToQRect(r));
}

int TWinControl::TabOrder() const {
    if (!FParent) return FTabOrder;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
    if (!FParent) {
        FTabOrder = v;
        return;
    }
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    const int place = std::clamp(v, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + place, this);
    FParent->ApplyTabOrder();
}

void TWinControl::SetTabStop(bool v) {
    FTabStop = v;
    if (FWidget) FWidget->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

// Qt's focus chain follows the tab order of the windowed children.
void TWinControl::ApplyTabOrder() {
    if (!FWidget) return;
    for (size_t i = 1; i < FTabList.size(); ++i)
        if (FTabList[i - 1]->FWidget && FTabList[i]->FWidget)
            QWidget::setTabOrder(FTabList[i - 1]->FWidget, FTabList[i]->FWidget);
}

bool TWinControl::CanFocus() const { return Showing() && FEnabled; }

void TWinControl::SetFocus() {
    if (FWidget) FWidget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

TControl* TWinControl::MouseTarget(TPoint p) const {
    if (FCaptureControl) return FCaptureControl;
    TControl* c = ControlAtPos(p);
    return c ? c : const_cast<TWinControl*>(this);
}

void TWinControl::SetHoverControl(TControl* c) {
    if (c == FHoverControl) return;
    TControl* old = FHoverControl;
    FHoverControl = c;
    if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (c) c->Perform(CM_MOUSEENTER, 0, 0);
}

bool TWinControl::HandleWidgetEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMouseButton button;
        if (!ButtonFrom(me->button(), button)) return false;
        QPoint pos = me->position().toPoint();
        TControl* target = MouseTarget({pos.x(), pos.y()});
        TShiftState shift = ShiftFrom(me->modifiers(), me->buttons());
        if (e->type() == QEvent::MouseButtonDblClick) shift.Include(ssDouble);
        if (target != this) FCaptureControl = target;
        target->MouseDown(button, shift, pos.x() - (target == this ? 0 : target->Left()),
                          pos.y() - (target == this ? 0 : target->Top()));
        if (e->type() == QEvent::MouseButtonDblClick && target->OnDblClick) target->OnDblClick(target);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMouseButton button;
        if (!ButtonFrom(me->button(), button)) return false;
        QPoint pos = me->position().toPoint();
        TControl* target = MouseTarget({pos.x(), pos.y()});
        if (me->buttons() == Qt::NoButton) FCaptureControl = nullptr;
        int x = pos.x() - (target == this ? 0 : target->Left());
        int y = pos.y() - (target == this ? 0 : target->Top());
        target->MouseUp(button, ShiftFrom(me->modifiers(), me->buttons()), x, y);
        if (button == mbLeft && x >= 0 && y >= 0 && x < target->Width() && y < target->Height()) target->Click();
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint pos = me->position().toPoint();
        if (!FCaptureControl) SetHoverControl(ControlAtPos({pos.x(), pos.y()}));
        TControl* target = MouseTarget({pos.x(), pos.y()});
        target->MouseMove(ShiftFrom(me->modifiers(), me->buttons()), pos.x() - (target == this ? 0 : target->Left()),
                          pos.y() - (target == this ? 0 : target->Top()));
        return true;
    }
    case QEvent::Enter:
        Perform(CM_MOUSEENTER, 0, 0);
        return false;
    case QEvent::Leave:
        SetHoverControl(nullptr);
        Perform(CM_MOUSELEAVE, 0, 0);
        return false;
    case QEvent::FocusIn:
        if (OnEnter) OnEnter(this);
        return false;
    case QEvent::FocusOut:
        if (OnExit) OnExit(this);
        return false;
    default:
        return false;
    }
}

void TWinControl::PaintWidget(QPainter& painter, const QRect& dirty) {
    FCanvas.SetPainter(&painter);
    struct Reset {
        TControlCanvas& c;
        ~Reset() { c.SetPainter(nullptr); }
    } reset{FCanvas};
    if (!FControlStyle.Contains(csOpaque)) painter.fillRect(dirty, ToQColor(FColor));
    TRect before = BoundsRect();
    Protected(this, [&] { Paint(); });
    if (BoundsRect() != before) {
        // The control moved itself while painting: what was just drawn went to its old place, and
        // the toolkit is still finishing this paint, so ask for a fresh one once it is done.
        QPointer<QWidget> parentWidget = FParent ? FParent->ClientWidget() : nullptr;
        QTimer::singleShot(0, FWidget, [parentWidget, self = FWidget] {
            if (parentWidget) parentWidget->update();
            self->update();
        });
    }
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (!c->Visible() || !dirty.intersects(ToQRect(c->BoundsRect()))) continue;
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g) continue;
        painter.save();
        painter.translate(c->Left(), c->Top());
        painter.setClipRect(QRect(0, 0, c->Width(), c->Height()), Qt::IntersectClip);
        g->FCanvas.SetPainter(&painter);
        Protected(g, [&] { g->Paint(); });
        g->FCanvas.SetPainter(nullptr);
        painter.restore();
    }
}
