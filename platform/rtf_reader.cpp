#include "rtf_reader.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

constexpr int MaxDepth = 64;
constexpr long MaxParameter = 1000000;

// Windows code page 1252 for the bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
const char16_t Cp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        if (code > 0xFFFF) code = 0xFFFD;
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

struct TState {
    int Font = 0;
    int HalfPoints = 24;
    bool Bold = false;
    int ColorIndex = 0;
    int SkipAfterUnicode = 1;
    enum class Destination { Text, FontTable, ColorTable, Skip } Dest = Destination::Text;
};

class TRtfParser {
public:
    explicit TRtfParser(std::string_view rtf) : FIn(rtf) { FResult.Paragraphs.emplace_back(); }

    TRichText Parse() {
        FStack.push_back(TState{});
        while (FPos < FIn.size()) {
            char c = FIn[FPos];
            if (c == '{') {
                ++FPos;
                if (FStack.size() >= MaxDepth) {
                    SkipGroup();
                    continue;
                }
                FStack.push_back(FStack.back());
            } else if (c == '}') {
                ++FPos;
                EndGroup();
                if (FStack.empty()) break; // the document's own group is closed; the rest is ignored
            } else if (c == '\\') {
                ++FPos;
                ControlWord();
            } else if (c == '\r' || c == '\n') {
                ++FPos;
            } else {
                ++FPos;
                Char(static_cast<unsigned char>(c));
            }
        }
        FlushFontName();
        if (!FResult.Paragraphs.empty() && FResult.Paragraphs.back().Runs.empty() && FResult.Paragraphs.size() > 1)
            FResult.Paragraphs.pop_back();
        return std::move(FResult);
    }

private:
    TState& State() { return FStack.back(); }

    void EndGroup() {
        if (FStack.empty()) return;
        if (State().Dest == TState::Destination::FontTable) FlushFontName();
        FStack.pop_back();
    }

    void SkipGroup() {
        int depth = 1;
        while (FPos < FIn.size() && depth > 0) {
            char c = FIn[FPos++];
            if (c == '\\' && FPos < FIn.size())
                ++FPos;
            else if (c == '{')
                ++depth;
            else if (c == '}')
                --depth;
        }
    }

    void ControlWord() {
        if (FPos >= FIn.size()) return;
        char c = FIn[FPos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++FPos;
            switch (c) {
            case '\\': case '{': case '}': Char(static_cast<unsigned char>(c)); break;
            case '~': Code(0xA0); break;
            case '_': Code(0x2011); break;
            case '\'': {
                int value = 0, digits = 0;
                while (digits < 2 && FPos < FIn.size() && std::isxdigit(static_cast<unsigned char>(FIn[FPos]))) {
                    char h = FIn[FPos++];
                    value = value * 16 + (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : std::tolower(h) - 'a' + 10);
                    ++digits;
                }
                if (digits == 2) Char(static_cast<unsigned char>(value));
                break;
            }
            case '*': State().Dest = TState::Destination::Skip; break;
            case '\r': case '\n': Paragraph(); break;
            default: break;
            }
            return;
        }
        size_t start = FPos;
        while (FPos < FIn.size() && std::isalpha(static_cast<unsigned char>(FIn[FPos])) && FPos - start < 32) ++FPos;
        std::string word(FIn.substr(start, FPos - start));
        while (FPos < FIn.size() && std::isalpha(static_cast<unsigned char>(FIn[FPos]))) ++FPos; // an overlong word
        bool hasParameter = false, negative = false;
        long parameter = 0;
        if (FPos < FIn.size() && FIn[FPos] == '-') {
            negative = true;
            ++FPos;
        }
        while (FPos < FIn.size() && std::isdigit(static_cast<unsigned char>(FIn[FPos]))) {
            hasParameter = true;
            parameter = std::min(MaxParameter, parameter * 10 + (FIn[FPos] - '0'));
            ++FPos;
        }
        if (negative) parameter = -parameter;
        if (FPos < FIn.size() && FIn[FPos] == ' ') ++FPos; // the delimiting space belongs to the word
        Word(word, hasParameter, parameter);
    }

    void Word(const std::string& w, bool hasParameter, long p) {
        TState& s = State();
        if (w == "fonttbl") s.Dest = TState::Destination::FontTable;
        else if (w == "colortbl") {
            s.Dest = TState::Destination::ColorTable;
            FColor = {};
        } else if (w == "par") Paragraph();
        else if (w == "b") s.Bold = !hasParameter || p != 0;
        else if (w == "fs") s.HalfPoints = hasParameter ? static_cast<int>(std::clamp(p, 2L, 3276L)) : 24;
        else if (w == "cf") s.ColorIndex = static_cast<int>(std::clamp(p, 0L, 255L));
        else if (w == "f") {
            s.Font = static_cast<int>(std::clamp(p, 0L, 65535L));
            if (s.Dest == TState::Destination::FontTable) FFontBeingNamed = s.Font;
        } else if (w == "plain") {
            s.Bold = false;
            s.HalfPoints = 24;
        } else if (w == "pard") {
        } else if (w == "uc") s.SkipAfterUnicode = static_cast<int>(std::clamp(p, 0L, 10L));
        else if (w == "u") {
            long code = p < 0 ? p + 65536 : p;
            Code(static_cast<unsigned>(std::clamp(code, 0L, 0xFFFFL)));
            SkipFallback(s.SkipAfterUnicode);
        } else if (w == "emdash") Code(0x2014);
        else if (w == "endash") Code(0x2013);
        else if (w == "tab") Code('\t');
        else if (w == "line") Code('\n');
        else if (w == "red" && s.Dest == TState::Destination::ColorTable) FColor.R = static_cast<int>(std::clamp(p, 0L, 255L));
        else if (w == "green" && s.Dest == TState::Destination::ColorTable) FColor.G = static_cast<int>(std::clamp(p, 0L, 255L));
        else if (w == "blue" && s.Dest == TState::Destination::ColorTable) FColor.B = static_cast<int>(std::clamp(p, 0L, 255L));
        else if (w == "info" || w == "stylesheet" || w == "pict" || w == "header" || w == "footer")
            s.Dest = TState::Destination::Skip;
        // Any other control word is skipped.
    }

    void SkipFallback(int count) {
        for (int i = 0; i < count && FPos < FIn.size(); ++i) {
            char c = FIn[FPos];
            if (c == '{' || c == '}') return;
            if (c == '\\') {
                ++FPos;
                if (FPos < FIn.size() && FIn[FPos] == '\'') FPos += std::min<size_t>(3, FIn.size() - FPos);
                else if (FPos < FIn.size()) ++FPos;
            } else {
                ++FPos;
            }
        }
    }

    void Char(unsigned char c) {
        switch (State().Dest) {
        case TState::Destination::FontTable:
            if (c == ';') FlushFontName();
            else FFontName += static_cast<char>(c);
            return;
        case TState::Destination::ColorTable:
            if (c == ';') {
                FColors.push_back(RGB(FColor.R, FColor.G, FColor.B));
                FColor = {};
            }
            return;
        case TState::Destination::Skip: return;
        case TState::Destination::Text: break;
        }
        if (c >= 0x80 && c < 0xA0)
            Code(Cp1252High[c - 0x80]);
        else
            Code(c);
    }

    void FlushFontName() {
        std::string name = FFontName;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(0, 1);
        if (!name.empty()) FFonts[FFontBeingNamed] = name;
        FFontName.clear();
    }

    void Code(unsigned code) {
        if (State().Dest != TState::Destination::Text) return;
        const TState& s = State();
        auto font = FFonts.find(s.Font);
        std::string fontName = font == FFonts.end() ? std::string() : font->second;
        TColor color = s.ColorIndex < static_cast<int>(FColors.size()) ? FColors[static_cast<size_t>(s.ColorIndex)] : clBlack;
        auto& runs = FResult.Paragraphs.back().Runs;
        if (runs.empty() || runs.back().FontName != fontName || runs.back().HalfPoints != s.HalfPoints ||
            runs.back().Bold != s.Bold || runs.back().Color != color)
            runs.push_back({"", fontName, s.HalfPoints, s.Bold, color});
        AppendUtf8(runs.back().Text, code);
    }

    void Paragraph() {
        if (State().Dest != TState::Destination::Text) return;
        FResult.Paragraphs.emplace_back();
    }

    struct TRgb {
        int R = 0, G = 0, B = 0;
    };

    std::string_view FIn;
    size_t FPos = 0;
    std::vector<TState> FStack;
    TRichText FResult;
    std::map<int, std::string> FFonts;
    std::string FFontName;
    int FFontBeingNamed = 0;
    std::vector<TColor> FColors;
    TRgb FColor;
};

} // namespace

std::string TRichText::PlainText() const {
    std::string text;
    for (size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i) text += '\n';
        for (const TRichRun& r : Paragraphs[i].Runs) text += r.Text;
    }
    return text;
}

TRichText ParseRtf(std::string_view rtf) { return TRtfParser(rtf).Parse(); }
