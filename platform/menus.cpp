#include "menus.h"

#include "application.h"
#include "qt_util.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
    FAction = new QAction();
    QObject::connect(FAction, &QAction::triggered, [this] {
        // Qt toggles a checkable action by itself; the item's own Checked flag stays the truth.
        FAction->setChecked(FChecked);
        Protected(this, [this] { Click(); });
    });
}

TMenuItem::~TMenuItem() {
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        Remove(last);
        delete last; // sub-items go with their item; each leaves its owner's list as it goes
    }
    if (FParent) FParent->Remove(this);
    delete FMenu;
    delete FAction;
}

void TMenuItem::SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    FAction->setText(ToQString(v));
}

void TMenuItem::SetChecked(bool v) {
    if (v == FChecked) return;
    FChecked = v;
    SyncAction();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    SyncAction();
}

void TMenuItem::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    SyncAction();
}

void TMenuItem::SyncAction() {
    // Only a checked item shows a mark, as classic menus do.
    FAction->setCheckable(FChecked);
    FAction->setChecked(FChecked);
    FAction->setEnabled(FEnabled);
    FAction->setVisible(FVisible);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    if (Item->FParent) throw Exception("Menu item " + Item->Name() + " is already in a menu");
    if (Index < 0 || Index > Count()) throw Exception("Menu index out of range");
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    QWidget* container = EnsureContainer();
    if (!container) return;
    QAction* before = Index + 1 < Count() ? FItems[static_cast<size_t>(Index) + 1]->FAction : nullptr;
    container->insertAction(before, Item->FAction);
}

void TMenuItem::Remove(TMenuItem* Item) {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    Item->FParent = nullptr;
    if (FContainer) FContainer->removeAction(Item->FAction);
    if (FMenu) FMenu->removeAction(Item->FAction);
}

QWidget* TMenuItem::EnsureContainer() {
    if (FContainer) return FContainer;
    if (FParent == nullptr && dynamic_cast<TMainMenu*>(Owner())) return nullptr; // a bar not yet attached
    if (!FMenu) {
        FMenu = new QMenu();
        FAction->setMenu(FMenu);
    }
    return FMenu;
}

void TMenuItem::SetContainer(QWidget* container) {
    if (FContainer == container) return;
    if (FContainer)
        for (TMenuItem* item : FItems) FContainer->removeAction(item->FAction);
    FContainer = container;
    if (FContainer)
        for (TMenuItem* item : FItems) FContainer->addAction(item->FAction);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TMainMenu::~TMainMenu() { AttachBar(nullptr); }

void TMainMenu::AttachBar(QWidget* bar) {
    if (FItems) FItems->SetContainer(bar);
}
