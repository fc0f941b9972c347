#include "std_controls.h"

#include "application.h"
#include "class_registry.h"
#include "qt_util.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

namespace {
// Standard Qt widgets keep their own input handling; the control only hears of the mouse coming
// and going and of the focus, as every control does.
class TNoticeForwarder : public QObject {
public:
    TNoticeForwarder(TWinControl* control, QWidget* widget) : QObject(widget), FControl(control) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            Protected(FControl, [&] { FControl->HandleWidgetEvent(e); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    TWinControl* FControl;
};
} // namespace

void ApplyScrollBars(QAbstractScrollArea* area, TScrollStyle style) {
    auto policy = [](bool shown) { return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    area->setVerticalScrollBarPolicy(policy(style == ssVertical || style == ssBoth));
    area->setHorizontalScrollBarPolicy(policy(style == ssHorizontal || style == ssBoth));
}

// ---------------------------------------------------------------- button

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 75;
    FHeight = 25;
    FTabStop = true;
}

QWidget* TButton::CreateWidget(QWidget* parentWidget) {
    auto* button = new QPushButton(parentWidget);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] { Protected(this, [this] { Click(); }); });
    new TNoticeForwarder(this, button);
    return button;
}

void TButton::InitWidget() {
    TWinControl::InitWidget();
    auto* button = static_cast<QPushButton*>(FWidget);
    button->setText(ToQString(FCaption));
    button->setFont(ToQFont(FFont));
}

void TButton::SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    if (FWidget) static_cast<QPushButton*>(FWidget)->setText(ToQString(v));
}

// ---------------------------------------------------------------- memo

TCustomMemo::TCustomMemo(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 185;
    FHeight = 89;
    FColor = clWindow;
    FTabStop = true;
}

void TCustomMemo::InitWidget() {
    TWinControl::InitWidget();
    ApplySettings();
    ShowContent();
}

void TCustomMemo::SetReadOnly(bool v) {
    if (v == FReadOnly) return;
    FReadOnly = v;
    if (FWidget) ApplySettings();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (v == FScrollBars) return;
    FScrollBars = v;
    if (FWidget) ApplySettings();
}

void TCustomMemo::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    if (FWidget) ApplySettings();
}

TMemo::TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}

QWidget* TMemo::CreateWidget(QWidget* parentWidget) {
    auto* edit = new QPlainTextEdit(parentWidget);
    QObject::connect(edit, &QPlainTextEdit::textChanged, [this, edit] {
        if (FSyncing) return;
        std::vector<std::string> lines;
        for (const QString& line : edit->toPlainText().split('\n')) lines.push_back(ToStdString(line));
        FLines = lines;
    });
    new TNoticeForwarder(this, edit);
    return edit;
}

void TMemo::ApplySettings() {
    auto* edit = static_cast<QPlainTextEdit*>(FWidget);
    edit->setReadOnly(FReadOnly);
    // A read-only box still lets the user select its text from the keyboard and copy it.
    if (FReadOnly) edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setFont(ToQFont(FFont));
    ApplyScrollBars(edit, FScrollBars);
    edit->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::ShowContent() {
    FSyncing = true;
    static_cast<QPlainTextEdit*>(FWidget)->setPlainText(ToQString(Text()));
    FSyncing = false;
}

void TMemo::SetLines(const std::vector<std::string>& v) {
    FLines = v;
    if (FWidget) ShowContent();
}

std::string TMemo::Text() const {
    std::string text;
    for (size_t i = 0; i < FLines.size(); ++i) {
        if (i) text += '\n';
        text += FLines[i];
    }
    return text;
}

void TMemo::SetText(const std::string& v) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = v.find('\n', start);
        std::string line = v.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    SetLines(lines);
}

// ---------------------------------------------------------------- status bar

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 100;
    FHeight = 19;
    FAlign = alBottom;
}

QWidget* TStatusBar::CreateWidget(QWidget* parentWidget) {
    auto* bar = new QStatusBar(parentWidget);
    bar->setSizeGripEnabled(true);
    new TNoticeForwarder(this, bar);
    return bar;
}

TStatusPanel& TStatusBar::AddPanel() {
    FPanels.emplace_back();
    Invalidate();
    return FPanels.back();
}

// ---------------------------------------------------------------- label

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FWidth = 65;
    FHeight = 17;
    FAutoSize = true;
}

void TLabel::SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    AdjustSize();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    Invalidate();
}

void TLabel::SetAlign(TAlign v) {
    TGraphicControl::SetAlign(v);
    AdjustSize();
}

bool TLabel::CanAutoSize(int& NewWidth, int& NewHeight) {
    QFontMetrics metrics(ToQFont(FFont));
    QString text = ToQString(FCaption.empty() ? std::string(" ") : FCaption);
    text.remove('&');
    if (FAlign != alTop && FAlign != alBottom && FAlign != alClient) NewWidth = metrics.horizontalAdvance(text);
    if (FAlign != alLeft && FAlign != alRight && FAlign != alClient) NewHeight = metrics.height();
    return true;
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustSize();
}

void TLabel::Paint() {
    QPainter* p = Canvas().Painter();
    if (!p) return;
    QRect r(0, 0, Width(), Height());
    if (!FTransparent) p->fillRect(r, ToQColor(FColor));
    p->setFont(ToQFont(FFont));
    p->setPen(ToQColor(FFont.Color()));
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    flags |= FAlignment == taCenter ? Qt::AlignHCenter : FAlignment == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
    p->drawText(r, flags, ToQString(FCaption));
}

// ---------------------------------------------------------------- registration

void RegisterStdControls() {
    auto& b = RegisterComponentClass<TButton>("TButton", "TWinControl");
    b.Value<TButton>("Cancel", [](TButton& o, const TValue& v) { o.SetCancel(v.AsBool()); })
        .Value<TButton>("Default", [](TButton& o, const TValue& v) { o.SetDefault(v.AsBool()); });
    RegisterRootClass("TCustomMemo", "TWinControl");
    auto& m = RegisterComponentClass<TMemo>("TMemo", "TCustomMemo");
    m.Value<TMemo>("Lines.Strings", [](TMemo& o, const TValue& v) { o.SetLines(v.AsStrings()); })
        .Value<TMemo>("ReadOnly", [](TMemo& o, const TValue& v) { o.SetReadOnly(v.AsBool()); })
        .Value<TMemo>("WordWrap", [](TMemo& o, const TValue& v) { o.SetWordWrap(v.AsBool()); })
        .Value<TMemo>("ScrollBars", [](TMemo& o, const TValue& v) {
            o.SetScrollBars(v.AsEnum<TScrollStyle>(
                {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}}));
        });
    RegisterComponentClass<TStatusBar>("TStatusBar", "TWinControl");
    auto& l = RegisterComponentClass<TLabel>("TLabel", "TGraphicControl");
    l.Value<TLabel>("Alignment", [](TLabel& o, const TValue& v) {
         o.SetAlignment(v.AsEnum<TAlignment>(
             {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}}));
     }).Value<TLabel>("Transparent", [](TLabel& o, const TValue& v) { o.SetTransparent(v.AsBool()); });
}
