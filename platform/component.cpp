#include "component.h"

#include "exception.h"

#include <algorithm>
#include <cctype>

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsValidIdent(const std::string& s) {
    if (s.empty()) return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(s[0])) return false;
    return std::all_of(s.begin() + 1, s.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    FComponentState.Include(csDestroying);
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& AName) {
    if (AName == FName) return;
    if (!AName.empty() && !IsValidIdent(AName))
        throw Exception("Component name '" + AName + "' is not a valid identifier");
    if (!AName.empty() && FOwner) {
        TComponent* other = FOwner->FindComponent(AName);
        if (other && other != this) throw Exception("A component named " + AName + " already exists");
    }
    FName = AName;
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) return nullptr;
    for (const auto& c : FComponents)
        if (SameText(c->FName, AName)) return c.get();
    return nullptr;
}

void TComponent::SetComponentStateFlag(TComponentStateFlag Flag, bool On) {
    if (On)
        FComponentState.Include(Flag);
    else
        FComponentState.Exclude(Flag);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

std::any TComponent::MethodAddress(const std::string&) { return {}; }

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        std::unique_ptr<TComponent> last = std::move(FComponents.back());
        FComponents.pop_back();
        last->FOwner = nullptr;
        Notification(last.get(), opRemove);
        last.reset();
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    for (const auto& c : FComponents)
        if (c.get() != AComponent) c->Notification(AComponent, Operation);
}

void TComponent::InsertComponent(TComponent* AComponent) {
    AComponent->FOwner = this;
    FComponents.emplace_back(AComponent);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    auto it = std::find_if(FComponents.begin(), FComponents.end(),
                           [&](const auto& p) { return p.get() == AComponent; });
    if (it == FComponents.end()) return;
    it->release(); // the component is being destroyed by someone else
    FComponents.erase(it);
    AComponent->FOwner = nullptr;
    Notification(AComponent, opRemove);
}
