// A small board for the board-view tests: a window captioned "Setup" with File and Help menus,
// a board image over a grey picture, and helpers to add circles and panels.
#pragma once

#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/menus.h"
#include "platform/screen.h"
#include "setupctrls/board/board_highlight.h"
#include "setupctrls/board/board_image.h"
#include "setupctrls/board/popup_form.h"
#include "setupctrls/settings/radio_panel.h"
#include "platform/std_controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// How the mouse and the popups are driven: by the notices the platform sends.
inline int PopupCount() {
    int n = 0;
    for (int i = 0; i < Screen->FormCount(); ++i) n += Screen->Forms(i)->ClassName() == "TPopupForm";
    return n;
}

inline void Enter(TBoardHighlight* c) { c->Perform(CM_MOUSEENTER, 0, 0); }
// The mouse leaves for a place far from every window, or into the popup.
inline void LeaveElsewhere(TBoardHighlight* c) {
    Screen->SetCursorPos({1279, 1023});
    c->Perform(CM_MOUSELEAVE, 0, 0);
}
inline void LeaveInto(TBoardHighlight* c, TPopupForm* popup) {
    Screen->SetCursorPos({popup->Left() + 5, popup->Top() + 5});
    c->Perform(CM_MOUSELEAVE, 0, 0);
}


class BoardFixture : public testing::Test {
protected:
    BoardFixture() {
        Form = new TForm(&Owner);
        Form->SetName("MainForm");
        Form->SetCaption("Setup");
        Menu = new TMainMenu(&Owner);
        Menu->SetName("MainMenu1");
        File = AddMenu("File1", "&File");
        Help = AddMenu("Help1", "&Help");
        Form->SetMenu(Menu);
        Board = new TBoardImage(&Owner);
        Board->SetName("BoardImage1");
        Board->SetParent(Form);
        Board->SetAutoSize(false);
        Board->SetBounds(134, 34, 600, 561);
        Board->SetCenterOnForm(false);
        Board->SetStretch(true);
        auto picture = std::make_unique<TPicture>();
        auto grey = std::make_unique<TBitmap>();
        grey->SetSize(600, 561);
        for (int y = 0; y < 561; ++y)
            for (int x = 0; x < 600; ++x) grey->SetPixel(x, y, RGB(128, 128, 128));
        picture->SetGraphic(std::move(grey));
        Board->SetPicture(*picture);
        Board->SetMenu(Menu);
        Board->Paint(); // records the design position
        Screen->SetCursorPos({1279, 1023});
    }

    TMenuItem* AddMenu(const char* name, const char* caption) {
        auto* item = new TMenuItem(&Owner);
        item->SetName(name);
        item->SetCaption(caption);
        Menu->Items()->Add(item);
        return item;
    }

    TRadioPanel* AddPanel(const char* name, TRect bounds, std::vector<std::string> lines = {"Some text"}) {
        auto* panel = new TRadioPanel(&Owner);
        panel->SetName(name);
        panel->SetParent(Form);
        panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        panel->SetLines(lines);
        return panel;
    }

    TBoardHighlight* AddCircle(const std::string& title, THighlightType type, TRect bounds,
                               TRadioPanel* panel = nullptr, bool paint = true) {
        auto* circle = new TBoardHighlight(&Owner);
        circle->SetParent(Board);
        circle->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        circle->SetHighlightType(type);
        circle->SetTitle(title);
        circle->SetRadioPanel(panel);
        if (paint) circle->Paint();
        return circle;
    }

    std::vector<std::string> Captions(TMenuItem* item) const {
        std::vector<std::string> out;
        for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Caption());
        return out;
    }

    TMenuItem* Entry(const std::string& kind, const std::string& title) const {
        for (int k = 0; k < Menu->Items()->Count(); ++k) {
            TMenuItem* m = Menu->Items()->Items(k);
            if (m->Caption() != kind) continue;
            for (int i = 0; i < m->Count(); ++i)
                if (m->Items(i)->Caption() == title) return m->Items(i);
        }
        return nullptr;
    }

    TComponent Owner{nullptr};
    TForm* Form;
    TMainMenu* Menu;
    TMenuItem* File;
    TMenuItem* Help;
    TBoardImage* Board;
};
