// TListBox: a list of text lines, one of which the user may select.
#pragma once

#include "win_control.h"

#include <string>
#include <vector>

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    std::string ClassName() const override { return "TListBox"; }

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& v);
    int Count() const { return static_cast<int>(FItems.size()); }
    // Replaces the text of an existing item; an index outside the list raises EListError.
    void SetItem(int Index, const std::string& Text);
    // -1 when no item is selected.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int v);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget() override;

private:
    void SyncWidget();

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    bool FSyncing = false;
};
