#include "screen.h"

#include "form.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <algorithm>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

void TScreen::AddForm(TForm* f) { FForms.push_back(f); }

void TScreen::RemoveForm(TForm* f) { FForms.erase(std::remove(FForms.begin(), FForms.end(), f), FForms.end()); }

TForm* TScreen::ActiveForm() const {
    QWidget* active = QApplication::activeWindow();
    for (TForm* f : FForms)
        if (f->HandleAllocated() && f->Widget() == active) return f;
    return nullptr;
}

int TScreen::Width() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

TPoint TScreen::CursorPos() const {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TScreen::SetCursorPos(TPoint p) { QCursor::setPos(p.X, p.Y); }

void TScreen::NoteFrameMargins(bool toolWindow, const TRect& margins) {
    (toolWindow ? FToolFrame : FNormalFrame) = margins;
    if (toolWindow) FToolFrameSeen = true;
}
