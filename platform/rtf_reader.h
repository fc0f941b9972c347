// A small, strict reader for the rich text the help window shows: groups, the font and colour
// tables, paragraphs, bold, font size, colour, the em dash, Unicode escapes and hex escapes.
// Anything else is skipped; damaged input gives whatever text can be read and never fails.
#pragma once

#include "types.h"

#include <string>
#include <string_view>
#include <vector>

struct TRichRun {
    std::string Text; // UTF-8
    std::string FontName;
    int HalfPoints = 24;
    bool Bold = false;
    TColor Color = clBlack;
};

struct TRichParagraph {
    std::vector<TRichRun> Runs;
};

struct TRichText {
    std::vector<TRichParagraph> Paragraphs;
    // All the text, paragraphs joined with line feeds.
    std::string PlainText() const;
};

TRichText ParseRtf(std::string_view rtf);
