#include "reader.h"

#include "class_registry.h"
#include "control.h"
#include "exception.h"
#include "menus.h"
#include "win_control.h"

#include <charconv>
#include <map>
#include <memory>
#include <vector>

namespace {

// A read error that already names the source and the line.
class ELocatedReadError : public EReadError {
public:
    using EReadError::EReadError;
};

struct TPropRecord {
    std::string Name;
    TValue Value;
    int Line = 0;
};

struct TObjectRecord {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TPropRecord> Props;
    std::vector<TObjectRecord> Children;
};

class TParser {
public:
    TParser(std::string_view text, const std::string& source) : FText(text), FSource(source) {}

    TObjectRecord ParseRoot() {
        SkipSpace();
        TObjectRecord root = ParseObject();
        SkipSpace();
        if (!AtEnd()) Fail("unexpected text after the final 'end'");
        return root;
    }

    [[noreturn]] void Fail(const std::string& message) const { FailAt(FLine, message); }
    [[noreturn]] void FailAt(int line, const std::string& message) const {
        throw ELocatedReadError(FSource + ", line " + std::to_string(line) + ": " + message);
    }

private:
    static constexpr int MaxDepth = 64;

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
    static bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
    static bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void SkipSpace() {
        while (!AtEnd()) {
            char c = FText[FPos];
            if (c == '\n') {
                ++FLine;
                ++FPos;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++FPos;
            } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
                while (!AtEnd() && FText[FPos] != '\n') ++FPos;
            } else {
                break;
            }
        }
    }

    // Skips spaces within the current line only.
    void SkipBlanks() {
        while (!AtEnd() && (FText[FPos] == ' ' || FText[FPos] == '\t' || FText[FPos] == '\r')) ++FPos;
    }

    std::string Ident(bool dotted) {
        if (!IsIdentStart(Peek())) Fail("identifier expected");
        size_t start = FPos;
        while (!AtEnd() && (IsIdentChar(FText[FPos]) || (dotted && FText[FPos] == '.'))) ++FPos;
        return std::string(FText.substr(start, FPos - start));
    }

    void Expect(char c, const char* what) {
        SkipBlanks();
        if (Peek() != c) Fail(std::string(what) + " expected");
        ++FPos;
    }

    TObjectRecord ParseObject() {
        if (++FDepth > MaxDepth) Fail("objects nested too deeply");
        TObjectRecord rec;
        rec.Line = FLine;
        std::string keyword = IsIdentStart(Peek()) ? Ident(false) : std::string();
        if (keyword != "object") Fail("'object' expected");
        SkipBlanks();
        rec.Name = Ident(false);
        Expect(':', "':'");
        SkipBlanks();
        rec.ClassName = Ident(false);
        EndOfLine();
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail("unexpected end of the description: 'end' expected for " + rec.Name);
            if (!IsIdentStart(Peek())) Fail("property name, 'object' or 'end' expected");
            size_t save = FPos;
            std::string word = Ident(true);
            if (word == "end") {
                EndOfLine();
                break;
            }
            if (word == "object") {
                FPos = save;
                rec.Children.push_back(ParseObject());
                continue;
            }
            TPropRecord prop;
            prop.Name = word;
            prop.Line = FLine;
            Expect('=', "'='");
            SkipBlanks();
            prop.Value = ParseValue();
            EndOfLine();
            rec.Props.push_back(std::move(prop));
        }
        --FDepth;
        return rec;
    }

    void EndOfLine() {
        SkipBlanks();
        if (!AtEnd() && Peek() != '\n' && !(Peek() == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/'))
            Fail("unexpected text at the end of the line");
    }

    TValue ParseValue() {
        TValue v;
        char c = Peek();
        if (c == '\'' || c == '#') {
            v.ValueKind = TValue::Kind::String;
            v.Str = ParseStringExpr();
        } else if (c == '-' || c == '+' || IsDigit(c) || c == '$') {
            ParseNumber(v);
        } else if (IsIdentStart(c)) {
            v.ValueKind = TValue::Kind::Ident;
            v.Str = Ident(true);
        } else if (c == '[') {
            ++FPos;
            v.ValueKind = TValue::Kind::Set;
            SkipBlanks();
            if (Peek() != ']') {
                for (;;) {
                    SkipBlanks();
                    v.Items.push_back(Ident(false));
                    SkipBlanks();
                    if (Peek() == ',') {
                        ++FPos;
                        continue;
                    }
                    break;
                }
            }
            Expect(']', "']'");
        } else if (c == '(') {
            ++FPos;
            v.ValueKind = TValue::Kind::List;
            for (;;) {
                SkipSpace();
                if (AtEnd()) Fail("unexpected end of the description: ')' expected");
                if (Peek() == ')') {
                    ++FPos;
                    break;
                }
                if (Peek() != '\'' && Peek() != '#') Fail("string expected in a list");
                v.Items.push_back(ParseStringExpr());
            }
        } else if (c == '{') {
            ++FPos;
            v.ValueKind = TValue::Kind::Binary;
            int high = -1;
            for (;;) {
                SkipSpace();
                if (AtEnd()) Fail("unexpected end of the description: '}' expected");
                char h = FText[FPos++];
                if (h == '}') break;
                int digit = HexDigit(h);
                if (digit < 0) Fail("hexadecimal digit expected in binary data");
                if (high < 0) {
                    high = digit;
                } else {
                    v.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
                    high = -1;
                }
            }
            if (high >= 0) Fail("binary data has an odd number of hexadecimal digits");
        } else {
            Fail("malformed value");
        }
        return v;
    }

    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    void ParseNumber(TValue& v) {
        size_t start = FPos;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            ++FPos;
        }
        if (Peek() == '$') {
            ++FPos;
            size_t hs = FPos;
            while (!AtEnd() && HexDigit(FText[FPos]) >= 0) ++FPos;
            std::uint64_t u = 0;
            auto r = std::from_chars(FText.data() + hs, FText.data() + FPos, u, 16);
            if (hs == FPos || r.ec != std::errc() || FPos - hs > 16) Fail("malformed hexadecimal number");
            v.ValueKind = TValue::Kind::Integer;
            v.Int = static_cast<std::int64_t>(u) * (negative ? -1 : 1);
            return;
        }
        if (!IsDigit(Peek())) Fail("malformed number");
        while (!AtEnd() && IsDigit(FText[FPos])) ++FPos;
        bool isFloat = false;
        if (Peek() == '.' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1])) {
            isFloat = true;
            ++FPos;
            while (!AtEnd() && IsDigit(FText[FPos])) ++FPos;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            isFloat = true;
            ++FPos;
            if (Peek() == '-' || Peek() == '+') ++FPos;
            if (!IsDigit(Peek())) Fail("malformed number");
            while (!AtEnd() && IsDigit(FText[FPos])) ++FPos;
        }
        if (IsIdentChar(Peek())) Fail("malformed number");
        std::string_view digits = FText.substr(start, FPos - start);
        if (isFloat) {
            v.ValueKind = TValue::Kind::Float;
            v.Float = std::stod(std::string(digits));
            return;
        }
        v.ValueKind = TValue::Kind::Integer;
        const char* first = digits.data() + (digits[0] == '+' ? 1 : 0);
        auto r = std::from_chars(first, digits.data() + digits.size(), v.Int);
        if (r.ec != std::errc()) Fail("integer out of range");
    }

    std::string ParseStringExpr() {
        std::string out = ParseStringPart();
        for (;;) {
            size_t save = FPos;
            int saveLine = FLine;
            SkipSpace();
            if (Peek() != '+') {
                FPos = save;
                FLine = saveLine;
                return out;
            }
            ++FPos;
            SkipSpace();
            if (Peek() != '\'' && Peek() != '#') Fail("string expected after '+'");
            out += ParseStringPart();
        }
    }

    std::string ParseStringPart() {
        std::string out;
        bool any = false;
        for (;;) {
            if (Peek() == '\'') {
                ++FPos;
                for (;;) {
                    if (AtEnd() || Peek() == '\n') Fail("unterminated string");
                    char c = FText[FPos++];
                    if (c == '\'') {
                        if (Peek() == '\'') {
                            out += '\'';
                            ++FPos;
                            continue;
                        }
                        break;
                    }
                    out += c;
                }
                any = true;
            } else if (Peek() == '#') {
                ++FPos;
                size_t start = FPos;
                while (!AtEnd() && IsDigit(FText[FPos])) ++FPos;
                unsigned code = 0;
                auto r = std::from_chars(FText.data() + start, FText.data() + FPos, code);
                if (start == FPos || r.ec != std::errc() || code > 0x10FFFF) Fail("malformed character code");
                AppendUtf8(out, code);
                any = true;
            } else {
                break;
            }
        }
        if (!any) Fail("string expected");
        return out;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string_view FText;
    std::string FSource;
    size_t FPos = 0;
    int FLine = 1;
    int FDepth = 0;
};

struct TFixup {
    TComponent* Component;
    const TPropInfo* Prop;
    std::string Target;
    int Line;
};

class TBuilder {
public:
    TBuilder(TComponent& root, const TParser& parser) : FRoot(root), FParser(parser) {}

    void Build(const TObjectRecord& rec) {
        const TClassInfo* info = FindClassInfo(rec.ClassName);
        if (rec.ClassName != FRoot.ClassName() || !info)
            FParser.FailAt(rec.Line, "the description is of class " + rec.ClassName + ", not " + FRoot.ClassName());
        FRoot.SetComponentStateFlag(csLoading, true);
        FLoaded.push_back(&FRoot);
        Guard(rec.Line, [&] { FRoot.SetName(rec.Name); });
        ApplyProps(FRoot, *info, rec);
        for (const TObjectRecord& child : rec.Children) BuildChild(child, FRoot);
        for (const TFixup& f : FFixups) {
            TComponent* target = SameText(f.Target, FRoot.Name()) ? &FRoot : FRoot.FindComponent(f.Target);
            if (!target) FParser.FailAt(f.Line, "unknown component '" + f.Target + "' in " + f.Prop->Name);
            Guard(f.Line, [&] { f.Prop->SetReference(*f.Component, target); });
        }
        for (TComponent* c : FLoaded) c->Loaded();
    }

private:
    template <typename F>
    void Guard(int line, F&& f) {
        try {
            f();
        } catch (const ELocatedReadError&) {
            throw;
        } catch (const std::exception& e) {
            FParser.FailAt(line, e.what());
        }
    }

    void BuildChild(const TObjectRecord& rec, TComponent& parent) {
        const TClassInfo* info = FindClassInfo(rec.ClassName);
        if (!info || !info->CanCreate()) FParser.FailAt(rec.Line, "unknown class " + rec.ClassName);
        TComponent* c = nullptr;
        Guard(rec.Line, [&] { c = info->Create(&FRoot); });
        c->SetComponentStateFlag(csLoading, true);
        FLoaded.push_back(c);
        Guard(rec.Line, [&] { c->SetName(rec.Name); });
        Guard(rec.Line, [&] { Attach(*c, parent); });
        ApplyProps(*c, *info, rec);
        for (const TObjectRecord& child : rec.Children) BuildChild(child, *c);
    }

    void Attach(TComponent& c, TComponent& parent) {
        if (auto* item = dynamic_cast<TMenuItem*>(&c)) {
            if (auto* menu = dynamic_cast<TMainMenu*>(&parent))
                menu->Items()->Add(item);
            else if (auto* parentItem = dynamic_cast<TMenuItem*>(&parent))
                parentItem->Add(item);
            else
                throw EReadError("menu item " + c.Name() + " must be inside a menu");
            return;
        }
        if (auto* control = dynamic_cast<TControl*>(&c)) {
            auto* container = dynamic_cast<TWinControl*>(&parent);
            if (!container) throw EReadError(parent.Name() + " cannot hold the control " + c.Name());
            control->SetParent(container);
        }
    }

    void ApplyProps(TComponent& c, const TClassInfo& info, const TObjectRecord& rec) {
        for (const TPropRecord& p : rec.Props) {
            const TPropInfo* prop = info.FindProperty(p.Name);
            if (!prop) FParser.FailAt(p.Line, "unknown property " + p.Name + " of class " + rec.ClassName);
            switch (prop->Kind) {
            case TPropKind::Value:
                Guard(p.Line, [&] { prop->SetValue(c, p.Value); });
                break;
            case TPropKind::Reference:
                if (p.Value.ValueKind != TValue::Kind::Ident)
                    FParser.FailAt(p.Line, "component name expected for " + p.Name);
                FFixups.push_back({&c, prop, p.Value.Str, p.Line});
                break;
            case TPropKind::Event: {
                if (p.Value.ValueKind != TValue::Kind::Ident)
                    FParser.FailAt(p.Line, "handler name expected for " + p.Name);
                std::any handler = FRoot.MethodAddress(p.Value.Str);
                if (!handler.has_value()) FParser.FailAt(p.Line, "unknown handler " + p.Value.Str);
                Guard(p.Line, [&] { prop->SetEvent(c, handler); });
                break;
            }
            }
        }
    }

    TComponent& FRoot;
    const TParser& FParser;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
};

std::map<std::string, std::string_view>& Resources() {
    static std::map<std::string, std::string_view> resources;
    return resources;
}

} // namespace

void ReadComponent(std::string_view text, TComponent& Root, const std::string& SourceName) {
    TParser parser(text, SourceName);
    TObjectRecord root = parser.ParseRoot();
    TBuilder(Root, parser).Build(root);
}

namespace {
const TValue* FindProperty(const TObjectRecord& rec, const std::string& name) {
    for (const TPropRecord& p : rec.Props)
        if (SameText(p.Name, name) && p.Value.ValueKind == TValue::Kind::Binary) return &p.Value;
    for (const TObjectRecord& child : rec.Children)
        if (const TValue* v = FindProperty(child, name)) return v;
    return nullptr;
}
} // namespace

std::vector<std::uint8_t> FindBinaryProperty(std::string_view text, const std::string& PropertyName) {
    TParser parser(text, "description");
    TObjectRecord root = parser.ParseRoot();
    const TValue* v = FindProperty(root, PropertyName);
    return v ? v->Bytes : std::vector<std::uint8_t>();
}

void RegisterResource(const std::string& name, const unsigned char* data, std::size_t size) {
    Resources()[name] = std::string_view(reinterpret_cast<const char*>(data), size);
}

std::string_view FindResource(const std::string& name) {
    auto it = Resources().find(name);
    return it == Resources().end() ? std::string_view() : it->second;
}

void ReadComponentResource(const std::string& name, TComponent& Root) {
    std::string_view text = FindResource(name);
    if (text.empty()) throw EReadError("Resource " + name + " not found");
    ReadComponent(text, Root, name);
}
