#include "form.h"

#include "application.h"
#include "menus.h"
#include "peers.h"
#include "qt_util.h"
#include "screen.h"
#include "std_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

// ---------------------------------------------------------------- window peer

TFormWindow::TFormWindow(TForm* form) : QWidget(nullptr, Qt::Window), FForm(form) {}

bool TFormWindow::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowActivate:
        Protected(FForm, [&] { FForm->WindowActivationChanged(true); });
        break;
    case QEvent::WindowDeactivate:
        Protected(FForm, [&] { FForm->WindowActivationChanged(false); });
        break;
    case QEvent::WindowStateChange:
        Protected(FForm, [&] { FForm->WindowGeometryChanged(); });
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void TFormWindow::closeEvent(QCloseEvent* e) {
    // The form decides what closing means (hide, or end the program); Qt never closes it by itself.
    e->ignore();
    Protected(FForm, [&] { FForm->WindowCloseRequested(); });
}

void TFormWindow::resizeEvent(QResizeEvent*) {
    Protected(FForm, [&] {
        FForm->LayoutWindow();
        FForm->WindowGeometryChanged();
    });
}

// Esc and Enter that no control took press the window's cancel or default button.
void TFormWindow::keyPressEvent(QKeyEvent* e) {
    bool cancel = e->key() == Qt::Key_Escape;
    bool confirm = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    bool handled = false;
    if (cancel || confirm) Protected(FForm, [&] { handled = FForm->PressDialogKey(cancel); });
    if (!handled) QWidget::keyPressEvent(e);
}

void TFormWindow::moveEvent(QMoveEvent*) {
    Protected(FForm, [&] { FForm->WindowGeometryChanged(); });
}

// ---------------------------------------------------------------- form

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    FVisible = false;
    FColor = clBtnFace;
    FPosition = poDesigned;
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
    Widget();
}

TForm::~TForm() {
    if (Screen) Screen->RemoveForm(this);
    if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
    if (FMenu) FMenu->AttachBar(nullptr);
    FMenu = nullptr;
}

QWidget* TForm::CreateWidget(QWidget*) {
    auto* window = new TFormWindow(this);
    FClientWidget = new TWidgetPeer(this, window);
    FClientWidget->show();
    return window;
}

QWidget* TForm::ClientWidget() {
    Widget();
    return FClientWidget;
}

void TForm::InitWidget() {
    QWidget* w = Widget();
    w->setWindowTitle(ToQString(FCaption));
    ApplyWindowFlags();
    TRect m = FrameMargins();
    FSyncingGeometry = true;
    w->resize(std::max(1, FWidth - m.Left - m.Right), std::max(1, FHeight - m.Top - m.Bottom));
    FSyncingGeometry = false;
    LayoutWindow();
}

void TForm::SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    Widget()->setWindowTitle(ToQString(v));
}

void TForm::ApplyWindowFlags() {
    QWidget* w = Widget();
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case bsToolWindow:
    case bsSizeToolWin:
        // A small caption with a close button only.
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    default: break;
    }
    if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (w->windowFlags() == flags) return;
    bool wasVisible = w->isVisible();
    w->setWindowFlags(flags);
    if (wasVisible) w->show();
}

void TForm::SetBorderStyle(TBorderStyle v) {
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle v) {
    if (v == FFormStyle) return;
    FFormStyle = v;
    ApplyWindowFlags();
}

TWindowState TForm::WindowState() const {
    if (FWidget && FWidget->isVisible()) {
        Qt::WindowStates s = FWidget->windowState();
        if (s & Qt::WindowMinimized) return wsMinimized;
        if (s & Qt::WindowMaximized) return wsMaximized;
        return wsNormal;
    }
    return FWindowState;
}

void TForm::SetWindowState(TWindowState v) {
    FWindowState = v;
    if (!FWidget || !FWidget->isVisible()) return;
    switch (v) {
    case wsMaximized: FWidget->showMaximized(); break;
    case wsMinimized: FWidget->showMinimized(); break;
    case wsNormal: FWidget->showNormal(); break;
    }
}

void TForm::SetMenu(TMainMenu* v) {
    if (v == FMenu) return;
    if (FMenu) FMenu->AttachBar(nullptr);
    FMenu = v;
    if (v) {
        if (!FMenuBar) FMenuBar = new QMenuBar(Widget());
        v->AttachBar(FMenuBar);
        FMenuBar->show();
    } else if (FMenuBar) {
        FMenuBar->hide();
    }
    LayoutWindow();
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMenu) {
        FMenu = nullptr;
        if (FMenuBar) FMenuBar->hide();
        LayoutWindow();
    }
}

void TForm::SetConstraints(const TSizeConstraints& c) {
    FConstraints = c;
    ApplyConstraints();
}

void TForm::ApplyConstraints() {
    TRect m = FrameMargins();
    int fw = m.Left + m.Right, fh = m.Top + m.Bottom;
    QSize minimum(std::max(0, FConstraints.MinWidth - fw), std::max(0, FConstraints.MinHeight - fh));
    QSize maximum(FConstraints.MaxWidth > 0 ? FConstraints.MaxWidth - fw : QWIDGETSIZE_MAX,
                  FConstraints.MaxHeight > 0 ? FConstraints.MaxHeight - fh : QWIDGETSIZE_MAX);
    QWidget* w = Widget();
    if (w->minimumSize() != minimum) w->setMinimumSize(minimum);
    if (w->maximumSize() != maximum) w->setMaximumSize(maximum);
}

int TForm::MenuBarHeight() const {
    if (!FMenuBar || !FMenu || FMenuBar->isHidden()) return 0;
    int h = FMenuBar->heightForWidth(std::max(1, FWidget->width()));
    return h > 0 ? h : FMenuBar->sizeHint().height();
}

void TForm::LayoutWindow() {
    if (!FWidget || !FClientWidget) return;
    int w = FWidget->width(), h = FWidget->height();
    int mh = MenuBarHeight();
    if (FMenuBar) FMenuBar->setGeometry(0, 0, w, mh);
    QSize before = FClientWidget->size();
    FClientWidget->setGeometry(0, mh, w, std::max(0, h - mh));
    if (FClientWidget->size() != before) AlignControls();
}

// The frame as the platform reports it; before a window manager has framed the window (it reports
// nothing then), the frame last seen on a window of the same kind.
TRect TForm::FrameMargins() const {
    if (FWidget) {
        if (!FWidget->windowHandle()) FWidget->winId();
        if (QWindow* window = FWidget->windowHandle()) {
            QMargins m = window->frameMargins();
            if (!m.isNull() || FWidget->isVisible()) return {m.left(), m.top(), m.right(), m.bottom()};
        }
    }
    return Screen ? Screen->FrameMargins(IsToolWindow()) : TRect{};
}

void TForm::BoundsChanged(const TRect& OldBounds) {
    if (FWidget && !FSyncingGeometry) {
        TRect m = FrameMargins();
        FSyncingGeometry = true;
        FWidget->resize(std::max(1, FWidth - m.Left - m.Right), std::max(1, FHeight - m.Top - m.Bottom));
        // The place is given to the window when it is first shown (PlaceForFirstShow): a window
        // once moved is never again placed by the window manager. After that a change of size
        // alone leaves the window where it is, as the window manager may not have reported its
        // place yet.
        const bool moved = OldBounds.Left != FLeft || OldBounds.Top != FTop;
        if (FShownOnce && moved) FWidget->move(FLeft, FTop);
        FSyncingGeometry = false;
        LayoutWindow();
    }
    if ((OldBounds.Width() != FWidth || OldBounds.Height() != FHeight) && OnResize) OnResize(this);
}

int TForm::ClientWidth() const {
    if (FWidget) return FWidget->width();
    TRect m = FrameMargins();
    return FWidth - m.Left - m.Right;
}

int TForm::ClientHeight() const {
    if (FWidget) return FWidget->height() - MenuBarHeight();
    TRect m = FrameMargins();
    return FHeight - m.Top - m.Bottom;
}

// The outer size is the client size with the frame (and menu bar) around it, all taken now.
void TForm::SetClientWidth(int v) {
    TRect m = FrameMargins();
    SetWidth(v + m.Left + m.Right);
}

void TForm::SetClientHeight(int v) {
    TRect m = FrameMargins();
    SetHeight(v + MenuBarHeight() + m.Top + m.Bottom);
}

TPoint TForm::ClientToScreen(TPoint p) const {
    if (FClientWidget) {
        QPoint q = FClientWidget->mapToGlobal(QPoint(p.X, p.Y));
        return {q.x(), q.y()};
    }
    return p;
}

// Reads the window's real place and size back after the window manager or the user changed them.
void TForm::WindowGeometryChanged() {
    if (!FWidget || FSyncingGeometry) return;
    if (FWidget->isVisible() && FWidget->windowHandle()) {
        QMargins m = FWidget->windowHandle()->frameMargins();
        if (Screen) Screen->NoteFrameMargins(IsToolWindow(), {m.left(), m.top(), m.right(), m.bottom()});
    }
    QRect fg = FWidget->frameGeometry();
    bool resized = fg.width() != FWidth || fg.height() != FHeight;
    FLeft = fg.x();
    FTop = fg.y();
    FWidth = fg.width();
    FHeight = fg.height();
    if (resized) {
        // Controls that place themselves while painting (such as a picture kept centred) must repaint.
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
        if (OnResize) OnResize(this);
    }
}

void TForm::PlaceForFirstShow() {
    if (FShownOnce) return;
    FShownOnce = true;
    QWidget* w = Widget();
    auto centreOn = [&](const QRect& area) {
        FSyncingGeometry = true;
        w->move(area.x() + (area.width() - FWidth) / 2, area.y() + (area.height() - FHeight) / 2);
        FSyncingGeometry = false;
    };
    switch (FPosition) {
    case poDesigned:
        FSyncingGeometry = true;
        w->move(FLeft, FTop);
        FSyncingGeometry = false;
        break;
    case poScreenCenter:
    case poDesktopCenter:
        if (QScreen* s = QGuiApplication::primaryScreen()) centreOn(s->geometry());
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TForm* host = FPosition == poOwnerFormCenter ? dynamic_cast<TForm*>(Owner()) : nullptr;
        if (!host && Application) host = Application->MainForm();
        if (host && host != this && host->HandleAllocated())
            centreOn(host->Widget()->frameGeometry());
        else if (QScreen* s = QGuiApplication::primaryScreen())
            centreOn(s->geometry());
        break;
    }
    default: break;
    }
}

void TForm::SetVisible(bool v) {
    QWidget* w = Widget();
    if (v == FVisible && v == w->isVisible()) return;
    FVisible = v;
    if (v) {
        PlaceForFirstShow();
        ApplyConstraints();
        switch (FWindowState) {
        case wsMaximized: w->showMaximized(); break;
        case wsMinimized: w->showMinimized(); break;
        case wsNormal: w->show(); break;
        }
        WindowGeometryChanged();
        if (OnShow) OnShow(this);
    } else {
        w->hide();
        if (OnHide) OnHide(this);
    }
}

void TForm::ShowForm() {
    SetVisible(true);
    BringToFront();
    Widget()->activateWindow();
}

void TForm::Close() {
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caMinimize)
        Widget()->showMinimized();
    else
        Hide();
}

void TForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

void TForm::WindowCloseRequested() { Close(); }

namespace {
TButton* FindDialogButton(TWinControl* parent, bool cancel) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled()) continue;
        if (auto* b = dynamic_cast<TButton*>(c); b && (cancel ? b->Cancel() : b->Default())) return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* b = FindDialogButton(w, cancel)) return b;
    }
    return nullptr;
}
} // namespace

bool TForm::PressDialogKey(bool Cancel) {
    TButton* button = FindDialogButton(this, Cancel);
    if (!button) return false;
    button->Click();
    return true;
}

bool TForm::Active() const { return FWidget && FWidget->isActiveWindow(); }

void TForm::SetFocus() {
    if (!FWidget) return;
    FWidget->activateWindow();
    FWidget->raise();
}

void TForm::FocusControl(TWinControl* Control) {
    if (Control && Control->CanFocus()) Control->SetFocus();
}

// The window's own activation message first, then the form's activation events.
void TForm::WindowActivationChanged(bool active) {
    Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
    Perform(active ? CM_ACTIVATE : CM_DEACTIVATE, 0, 0);
}

void TForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); break;
    case CM_ACTIVATE:
        if (OnActivate) OnActivate(this);
        break;
    case CM_DEACTIVATE:
        if (OnDeactivate) OnDeactivate(this);
        break;
    default: TWinControl::WndProc(Message); break;
    }
}

void TForm::WMActivate(TMessage&) {}

void TForm::AfterConstruction() {
    if (OnCreate) OnCreate(this);
}
