// TMainMenu and TMenuItem: the menu bar of a form and its items.
#pragma once

#include "component.h"

#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v);
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* Item) const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);

    TNotifyEvent OnClick;
    // Raises OnClick, as choosing the item does.
    virtual void Click();

    QAction* Action() const { return FAction; }
    // The window that shows this item's sub-items: a menu, or the menu bar for the root item.
    void SetContainer(QWidget* container);

private:
    QWidget* EnsureContainer();
    void SyncAction();

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    QAction* FAction = nullptr;
    QMenu* FMenu = nullptr;
    QWidget* FContainer = nullptr; // set from outside for a root item
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;
    std::string ClassName() const override { return "TMainMenu"; }

    // The root item: its sub-items are the menu bar's top-level menus.
    TMenuItem* Items() const { return FItems; }
    // Shows the items on a form's menu bar, or on none.
    void AttachBar(QWidget* bar);

private:
    TMenuItem* FItems;
};
