#include "class_registry.h"

#include "exception.h"

#include <cstdlib>
#include <memory>

namespace {
const char* KindName(TValue::Kind k) {
    switch (k) {
    case TValue::Kind::Integer: return "an integer";
    case TValue::Kind::Float: return "a number";
    case TValue::Kind::String: return "a string";
    case TValue::Kind::Ident: return "an identifier";
    case TValue::Kind::Set: return "a set";
    case TValue::Kind::List: return "a list";
    case TValue::Kind::Binary: return "binary data";
    }
    return "a value";
}

[[noreturn]] void Expected(const char* what, TValue::Kind got) {
    throw EReadError(std::string("expected ") + what + ", found " + KindName(got));
}

std::map<std::string, std::unique_ptr<TClassInfo>>& Registry() {
    static std::map<std::string, std::unique_ptr<TClassInfo>> registry;
    return registry;
}
} // namespace

std::int64_t TValue::AsInt() const {
    if (ValueKind != Kind::Integer) Expected("an integer", ValueKind);
    return Int;
}

int TValue::AsInt32() const {
    std::int64_t v = AsInt();
    if (v < INT32_MIN || v > INT32_MAX) throw EReadError("integer " + std::to_string(v) + " is out of range");
    return static_cast<int>(v);
}

bool TValue::AsBool() const {
    if (ValueKind == Kind::Ident) {
        if (SameText(Str, "True")) return true;
        if (SameText(Str, "False")) return false;
    }
    Expected("True or False", ValueKind);
}

const std::string& TValue::AsString() const {
    if (ValueKind != Kind::String) Expected("a string", ValueKind);
    return Str;
}

const std::string& TValue::AsIdent() const {
    if (ValueKind != Kind::Ident) Expected("an identifier", ValueKind);
    return Str;
}

const std::vector<std::string>& TValue::AsSet() const {
    if (ValueKind != Kind::Set) Expected("a set", ValueKind);
    return Items;
}

const std::vector<std::string>& TValue::AsStrings() const {
    if (ValueKind != Kind::List) Expected("a list of strings", ValueKind);
    return Items;
}

const std::vector<std::uint8_t>& TValue::AsBytes() const {
    if (ValueKind != Kind::Binary) Expected("binary data", ValueKind);
    return Bytes;
}

TColor TValue::AsColor() const {
    if (ValueKind == Kind::Integer) return static_cast<TColor>(Int);
    static const std::pair<const char*, TColor> names[] = {
        {"clBlack", clBlack},   {"clMaroon", clMaroon},   {"clGreen", clGreen},   {"clNavy", clNavy},
        {"clGray", clGray},     {"clSilver", clSilver},   {"clRed", clRed},       {"clLime", clLime},
        {"clYellow", clYellow}, {"clBlue", clBlue},       {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
        {"clWhite", clWhite},   {"clNone", clNone},       {"clWindowText", clWindowText},
        {"clWindow", clWindow}, {"clBtnFace", clBtnFace}, {"clBtnText", clBtnText}};
    const std::string& id = AsIdent();
    for (const auto& [n, c] : names)
        if (SameText(id, n)) return c;
    throw EReadError("unknown colour " + id);
}

std::runtime_error TValue::EnumError(const std::string& id) { return EReadError("unknown value " + id); }

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TPropInfo& p : c->FProps)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

TClassInfo& RegisterClassInfo(const std::string& name, const std::string& parentName,
                              std::function<TComponent*(TComponent*)> create) {
    auto& registry = Registry();
    auto it = registry.find(name);
    if (it != registry.end()) return *it->second; // registered already; keep the first
    const TClassInfo* parent = parentName.empty() ? nullptr : FindClassInfo(parentName);
    if (!parentName.empty() && !parent) throw Exception("class " + name + " registered before " + parentName);
    auto info = std::make_unique<TClassInfo>(name, parent, std::move(create));
    TClassInfo& ref = *info;
    registry.emplace(name, std::move(info));
    return ref;
}

TClassInfo& RegisterRootClass(const std::string& name, const std::string& parentName) {
    return RegisterClassInfo(name, parentName, nullptr);
}

const TClassInfo* FindClassInfo(const std::string& name) {
    auto& registry = Registry();
    auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second.get();
}
