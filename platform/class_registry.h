// Classes that a component description may name, with their published properties.
#pragma once

#include "component.h"
#include "exception.h"

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// One property value as a description stores it.
struct TValue {
    enum class Kind { Integer, Float, String, Ident, Set, List, Binary };
    Kind ValueKind = Kind::Integer;
    std::int64_t Int = 0;
    double Float = 0;
    std::string Str;                 // String and Ident
    std::vector<std::string> Items;  // Set (identifiers) and List (strings)
    std::vector<std::uint8_t> Bytes; // Binary

    std::int64_t AsInt() const;
    int AsInt32() const;
    bool AsBool() const;
    const std::string& AsString() const;
    const std::string& AsIdent() const;
    const std::vector<std::string>& AsSet() const;
    const std::vector<std::string>& AsStrings() const;
    const std::vector<std::uint8_t>& AsBytes() const;
    // An identifier or integer naming a colour ("clWhite", "clBtnFace" or a number).
    TColor AsColor() const;

    // Maps an enumeration identifier through a table of names.
    template <typename E>
    E AsEnum(std::initializer_list<std::pair<const char*, E>> names) const {
        const std::string& id = AsIdent();
        for (const auto& [n, e] : names)
            if (SameText(id, n)) return e;
        throw EnumError(id);
    }
    template <typename E>
    TSet<E> AsEnumSet(std::initializer_list<std::pair<const char*, E>> names) const {
        TSet<E> result;
        for (const std::string& id : AsSet()) {
            bool found = false;
            for (const auto& [n, e] : names)
                if (SameText(id, n)) { result.Include(e); found = true; }
            if (!found) throw EnumError(id);
        }
        return result;
    }

private:
    static std::runtime_error EnumError(const std::string& id);
};

enum class TPropKind { Value, Reference, Event };

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Value;
    std::function<void(TComponent&, const TValue&)> SetValue;
    std::function<void(TComponent&, TComponent*)> SetReference; // refuses a wrong class by throwing
    std::function<void(TComponent&, const std::any&)> SetEvent;   // refuses a wrong handler type by throwing
};

class TClassInfo {
public:
    TClassInfo(std::string name, const TClassInfo* parent, std::function<TComponent*(TComponent*)> create)
        : FName(std::move(name)), FParent(parent), FCreate(std::move(create)) {}

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    TComponent* Create(TComponent* owner) const { return FCreate ? FCreate(owner) : nullptr; }
    bool CanCreate() const { return static_cast<bool>(FCreate); }
    // Looks the property up here and in the ancestors, without regard to case.
    const TPropInfo* FindProperty(const std::string& name) const;

    template <typename T, typename F>
    TClassInfo& Value(const std::string& name, F setter) {
        TPropInfo p{name, TPropKind::Value, {}, {}, {}};
        p.SetValue = [setter](TComponent& c, const TValue& v) { setter(static_cast<T&>(c), v); };
        FProps.push_back(std::move(p));
        return *this;
    }
    template <typename T, typename Target, typename F>
    TClassInfo& Reference(const std::string& name, F setter) {
        TPropInfo p{name, TPropKind::Reference, {}, {}, {}};
        p.SetReference = [setter, name](TComponent& c, TComponent* target) {
            Target* t = dynamic_cast<Target*>(target);
            if (target && !t) throw std::runtime_error(target->Name() + " cannot be assigned to " + name);
            setter(static_cast<T&>(c), t);
        };
        FProps.push_back(std::move(p));
        return *this;
    }
    template <typename T, typename TEventType, typename F>
    TClassInfo& Event(const std::string& name, F setter) {
        TPropInfo p{name, TPropKind::Event, {}, {}, {}};
        p.SetEvent = [setter, name](TComponent& c, const std::any& handler) {
            const auto* e = std::any_cast<TEventType>(&handler);
            if (!e) throw std::runtime_error("the handler does not fit the event " + name);
            setter(static_cast<T&>(c), *e);
        };
        FProps.push_back(std::move(p));
        return *this;
    }

private:
    std::string FName;
    const TClassInfo* FParent;
    std::function<TComponent*(TComponent*)> FCreate;
    std::vector<TPropInfo> FProps;
};

// The classes known to descriptions, by exact name.
TClassInfo& RegisterClassInfo(const std::string& name, const std::string& parentName,
                              std::function<TComponent*(TComponent*)> create);
const TClassInfo* FindClassInfo(const std::string& name);

template <typename T>
TClassInfo& RegisterComponentClass(const std::string& name, const std::string& parentName) {
    return RegisterClassInfo(name, parentName, [](TComponent* owner) -> TComponent* { return new T(owner); });
}

// A class a description may only name as the root (a form built in code); it is never constructed by the reader.
TClassInfo& RegisterRootClass(const std::string& name, const std::string& parentName);
