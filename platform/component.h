// TObject and TComponent: named components with owners.
#pragma once

#include "method.h"
#include "types.h"

#include <any>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
    // The exact class name that other code compares against.
    virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = TMethod<void(TObject* Sender)>;

enum class TComponentStateFlag { csLoading, csReading, csDesigning, csDestroying };
using enum TComponentStateFlag;
using TComponentState = TSet<TComponentStateFlag>;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

class TComponent : public TObject {
public:
    // The new component joins AOwner's list; the owner frees it, in reverse order of creation.
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    const std::string& Name() const { return FName; }
    // Refuses a name that is not an identifier or that a sibling already has.
    virtual void SetName(const std::string& AName);

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const { return FComponents.at(static_cast<size_t>(Index)).get(); }
    // Finds an owned component by name, without regard to letter case.
    TComponent* FindComponent(const std::string& AName) const;

    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    void SetComponentStateFlag(TComponentStateFlag Flag, bool On);

    // Called once the whole description has been read and every reference resolved.
    virtual void Loaded();

    // Looks up a handler that a description may bind by name; empty when there is none.
    virtual std::any MethodAddress(const std::string& AName);

    // Frees every owned component, the last created first.
    void DestroyComponents();

protected:
    // Told when a component owned by the same owner goes away.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    std::string FName;
    TComponent* FOwner = nullptr;
    std::vector<std::unique_ptr<TComponent>> FComponents;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
};

// Case-insensitive comparison of ASCII names, as component names are compared.
bool SameText(const std::string& a, const std::string& b);
bool IsValidIdent(const std::string& s);
