#include "combo_box.h"

#include "application.h"
#include "qt_util.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 145;
    FHeight = 21;
    FColor = clWindow;
    FTabStop = true;
}

QWidget* TComboBox::CreateWidget(QWidget* parentWidget) {
    auto* box = new QComboBox(parentWidget);
    // Picking an item changes the index and puts the item's text into the edit field before the
    // pick is reported; that text is no edit of the user's.
    QObject::connect(box, &QComboBox::currentIndexChanged, [this](int) {
        if (!FSyncing) FPicking = true;
    });
    QObject::connect(box, &QComboBox::activated, [this](int index) {
        FPicking = false;
        Protected(this, [&] { UserSelected(index); });
    });
    QObject::connect(box, &QComboBox::editTextChanged, [this](const QString& text) {
        if (FSyncing || FPicking) return;
        Protected(this, [&] { UserEdited(ToStdString(text)); });
    });
    return box;
}

void TComboBox::InitWidget() {
    TWinControl::InitWidget();
    SyncWidget();
}

void TComboBox::SyncWidget() {
    auto* box = static_cast<QComboBox*>(FWidget);
    if (!box) return;
    FSyncing = true;
    QSignalBlocker block(box);
    box->setEditable(FStyle != csDropDownList);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(FDropDownCount);
    box->setFont(ToQFont(FFont));
    box->clear();
    for (const std::string& s : FItems) box->addItem(ToQString(s));
    box->setCurrentIndex(FItemIndex);
    if (FItemIndex < 0 && box->isEditable()) box->setEditText(ToQString(FText));
    if (box->lineEdit()) box->lineEdit()->setCursorPosition(0); // show the start of a long text
    FSyncing = false;
}

void TComboBox::SetItems(const std::vector<std::string>& v) {
    FItems = v;
    if (FSorted) std::sort(FItems.begin(), FItems.end());
    if (FItemIndex >= static_cast<int>(FItems.size())) FItemIndex = -1;
    SyncWidget();
}

void TComboBox::SetItemIndex(int v) {
    if (v < -1 || v >= static_cast<int>(FItems.size())) v = -1;
    FItemIndex = v;
    if (v >= 0) FText = FItems[static_cast<size_t>(v)];
    SyncWidget();
}

std::string TComboBox::Text() const { return FText; }

void TComboBox::SetText(const std::string& v) {
    FText = v;
    FItemIndex = -1;
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == v && FStyle == csDropDownList) FItemIndex = static_cast<int>(i);
    SyncWidget();
}

void TComboBox::SetDropDownCount(int v) {
    FDropDownCount = v;
    SyncWidget();
}

void TComboBox::SetStyle(TComboBoxStyle v) {
    FStyle = v;
    SyncWidget();
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    SyncWidget();
}

void TComboBox::UserSelected(int index) {
    FItemIndex = index;
    FText = index >= 0 && index < static_cast<int>(FItems.size()) ? FItems[static_cast<size_t>(index)] : FText;
    if (OnChange) OnChange(this);
}

void TComboBox::UserEdited(const std::string& text) {
    FText = text;
    FItemIndex = -1;
    if (OnChange) OnChange(this);
}
