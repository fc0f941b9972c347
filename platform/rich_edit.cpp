#include "rich_edit.h"

#include "qt_util.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 185;
    FHeight = 89;
    FColor = clWindow;
    FTabStop = true;
}

QWidget* TRichEdit::CreateWidget(QWidget* parentWidget) { return new QTextEdit(parentWidget); }

void TRichEdit::InitWidget() {
    TWinControl::InitWidget();
    SyncWidget();
}

void TRichEdit::SyncWidget() {
    auto* edit = static_cast<QTextEdit*>(FWidget);
    if (!edit) return;
    edit->setReadOnly(FReadOnly);
    ApplyScrollBars(edit, FScrollBars);
    edit->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToQColor(FColor));
    edit->setPalette(palette);

    QTextDocument* document = edit->document();
    document->clear();
    QTextCursor cursor(document);
    for (size_t i = 0; i < FContent.Paragraphs.size(); ++i) {
        if (i) cursor.insertBlock();
        for (const TRichRun& run : FContent.Paragraphs[i].Runs) {
            QTextCharFormat format;
            format.setFontFamilies({FontFamilyFor(run.FontName.empty() ? "MS Sans Serif" : run.FontName)});
            format.setFontPointSize(run.HalfPoints / 2.0);
            format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
            format.setForeground(ToQColor(run.Color));
            cursor.insertText(ToQString(run.Text), format);
        }
    }
    edit->moveCursor(QTextCursor::Start);
}

void TRichEdit::LoadRichText(const std::string& Rtf) {
    FContent = ParseRtf(Rtf);
    SyncWidget();
}

void TRichEdit::SetReadOnly(bool v) {
    FReadOnly = v;
    if (FWidget) static_cast<QTextEdit*>(FWidget)->setReadOnly(v);
}

void TRichEdit::SetScrollBars(TScrollStyle v) {
    FScrollBars = v;
    SyncWidget();
}

void TRichEdit::SetWordWrap(bool v) {
    FWordWrap = v;
    SyncWidget();
}

void TRichEdit::SetColor(TColor v) {
    TWinControl::SetColor(v);
    if (!FWidget) return;
    QPalette palette = FWidget->palette();
    palette.setColor(QPalette::Base, ToQColor(FColor));
    FWidget->setPalette(palette);
}
