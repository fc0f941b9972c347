// TComboBox: a drop-down list with an edit field.
#pragma once

#include "win_control.h"

#include <string>
#include <vector>

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };
using enum TComboBoxStyle;

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    std::string ClassName() const override { return "TComboBox"; }

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& v);
    // -1 when no item is selected. Setting it from code shows the item and raises no OnChange.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int v);
    std::string Text() const;
    void SetText(const std::string& v);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int v) { FItemHeight = v; }
    bool Sorted() const { return FSorted; }
    void SetSorted(bool v) { FSorted = v; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int v);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle v);

    // Raised when the user picks an item or edits the text.
    TNotifyEvent OnChange;
    void Loaded() override;

    // Called by the window when the user acts.
    void UserSelected(int index);
    void UserEdited(const std::string& text);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget() override;

private:
    void SyncWidget();

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    std::string FText;
    int FItemHeight = 13;
    bool FSorted = false;
    int FDropDownCount = 8;
    TComboBoxStyle FStyle = csDropDown;
    bool FSyncing = false;
    bool FPicking = false;
};
