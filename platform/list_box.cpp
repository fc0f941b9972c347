#include "list_box.h"

#include "exception.h"
#include "qt_util.h"

#include <QListWidget>
#include <QSignalBlocker>

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    FWidth = 121;
    FHeight = 97;
    FColor = clWindow;
    FTabStop = true;
}

QWidget* TListBox::CreateWidget(QWidget* parentWidget) {
    auto* list = new QListWidget(parentWidget);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int row) {
        if (!FSyncing) FItemIndex = row;
    });
    return list;
}

void TListBox::InitWidget() {
    TWinControl::InitWidget();
    SyncWidget();
}

void TListBox::SyncWidget() {
    auto* list = static_cast<QListWidget*>(FWidget);
    if (!list) return;
    FSyncing = true;
    QSignalBlocker block(list);
    list->clear();
    for (const std::string& s : FItems) list->addItem(ToQString(s));
    list->setCurrentRow(FItemIndex);
    FSyncing = false;
}

void TListBox::SetItems(const std::vector<std::string>& v) {
    FItems = v;
    if (FItemIndex >= Count()) FItemIndex = -1;
    SyncWidget();
}

void TListBox::SetItem(int Index, const std::string& Text) {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FItems[static_cast<size_t>(Index)] = Text;
    // Only the one line changes on screen; the selection stays.
    if (auto* list = static_cast<QListWidget*>(FWidget))
        if (QListWidgetItem* item = list->item(Index)) item->setText(ToQString(Text));
}

void TListBox::SetItemIndex(int v) {
    FItemIndex = v >= 0 && v < Count() ? v : -1;
    SyncWidget();
}
