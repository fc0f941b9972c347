#include "rich_edit.h"

#include "qt_util.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) { FScrollBars = ssBoth; }

QWidget* TRichEdit::CreateWidget(QWidget* parentWidget) { return new QTextEdit(parentWidget); }

void TRichEdit::ApplySettings() {
    auto* edit = static_cast<QTextEdit*>(FWidget);
    edit->setReadOnly(FReadOnly);
    ApplyScrollBars(edit, FScrollBars);
    edit->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToQColor(FColor));
    edit->setPalette(palette);
}

void TRichEdit::ShowContent() {
    auto* edit = static_cast<QTextEdit*>(FWidget);
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
    if (FWidget) ShowContent();
}

void TRichEdit::SetColor(TColor v) {
    TCustomMemo::SetColor(v);
    if (FWidget) ApplySettings();
}
