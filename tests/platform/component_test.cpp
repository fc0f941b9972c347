// Components and controls: ownership, names, parents and stacking.
#include "platform/custom_panel.h"
#include "platform/exception.h"
#include "platform/form.h"
#include "platform/graphic_control.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Destroyed;

class TTracked : public TComponent {
public:
    using TComponent::TComponent;
    ~TTracked() override { Destroyed.push_back(Name()); }
};

TEST(Component, OwnerFreesItsComponentsLastCreatedFirst) {
    Destroyed.clear();
    {
        TComponent owner(nullptr);
        (new TTracked(&owner))->SetName("A");
        (new TTracked(&owner))->SetName("B");
        auto* c = new TTracked(&owner);
        c->SetName("C");
        delete c; // leaves its owner's list by itself
        EXPECT_EQ(owner.ComponentCount(), 2);
    }
    EXPECT_EQ(Destroyed, (std::vector<std::string>{"C", "B", "A"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithoutRegardToCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Panel1");
    EXPECT_EQ(owner.FindComponent("PANEL1"), a);
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("panel1"), Exception);
    EXPECT_THROW(b->SetName("1Panel"), Exception);
    EXPECT_THROW(b->SetName("Pa nel"), Exception);
    b->SetName("Panel2");
    EXPECT_EQ(owner.FindComponent("panel2"), b);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Control, ChildrenListGraphicControlsFirstAndBringToFrontMovesToTheEnd) {
    TComponent owner(nullptr);
    auto* parent = new TPanel(&owner);
    auto* w1 = new TPanel(&owner);
    auto* g1 = new TGraphicControl(&owner);
    auto* g2 = new TGraphicControl(&owner);
    w1->SetParent(parent);
    g1->SetParent(parent);
    g2->SetParent(parent);
    ASSERT_EQ(parent->ControlCount(), 3);
    EXPECT_EQ(parent->Controls(0), g1);
    EXPECT_EQ(parent->Controls(1), g2);
    EXPECT_EQ(parent->Controls(2), w1);
    g1->BringToFront();
    EXPECT_EQ(parent->Controls(0), g2);
    EXPECT_EQ(parent->Controls(1), g1);
    g1->SetBounds(0, 0, 10, 10);
    g2->SetBounds(5, 5, 10, 10);
    EXPECT_EQ(parent->ControlAtPos({6, 6}), g1); // the one in front takes the mouse
    g2->SetParent(nullptr);
    EXPECT_EQ(parent->ControlCount(), 2);
}

TEST(Control, DestroyingAParentDetachesItsChildren) {
    TComponent owner(nullptr);
    auto* parent = new TPanel(&owner);
    auto* child = new TPanel(&owner);
    child->SetParent(parent);
    delete parent;
    EXPECT_EQ(child->Parent(), nullptr);
}

TEST(Method, EventsCompareByObjectAndCode) {
    struct Target {
        void A(TObject*) {}
        void B(TObject*) {}
    } t1, t2;
    TNotifyEvent e1 = TNotifyEvent::Of<&Target::A>(&t1);
    EXPECT_TRUE(e1.Assigned());
    EXPECT_EQ(e1, TNotifyEvent::Of<&Target::A>(&t1));
    EXPECT_NE(e1, TNotifyEvent::Of<&Target::A>(&t2));
    EXPECT_NE(e1, TNotifyEvent::Of<&Target::B>(&t1));
    EXPECT_FALSE(TNotifyEvent().Assigned());
}

// A window moved even once is never again placed by the window manager, so a form gets its place
// only when first shown, and only when it has one of its own.
TEST(Form, PlaceIsGivenAtFirstShowAndOnlyToWindowsWithAPlace) {
    TComponent owner(nullptr);
    auto* placed = new TForm(&owner);
    placed->SetBounds(40, 50, 300, 200);
    EXPECT_FALSE(placed->Widget()->testAttribute(Qt::WA_Moved));
    placed->SetVisible(true);
    EXPECT_EQ(placed->Widget()->pos(), QPoint(40, 50));

    auto* unplaced = new TForm(&owner);
    unplaced->SetPosition(poDefault);
    unplaced->SetBounds(40, 50, 300, 200);
    unplaced->SetVisible(true);
    EXPECT_FALSE(unplaced->Widget()->testAttribute(Qt::WA_Moved)) << "the window manager places it";
    unplaced->SetClientWidth(400); // a new size alone leaves it where it is
    EXPECT_FALSE(unplaced->Widget()->testAttribute(Qt::WA_Moved));
    unplaced->SetBounds(10, 20, unplaced->Width(), unplaced->Height());
    EXPECT_EQ(unplaced->Widget()->pos(), QPoint(10, 20));
}

} // namespace
