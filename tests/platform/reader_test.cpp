// The description reader: values of every kind, stream order, late references, and every refusal.
#include "platform/class_registry.h"
#include "platform/custom_panel.h"
#include "platform/exception.h"
#include "platform/menus.h"
#include "platform/reader.h"
#include "platform/register_classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Log; // what the probes saw, in order

enum class TProbeKind { pkOne, pkTwo };

class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TProbe"; }
    void Loaded() override {
        TComponent::Loaded();
        Log.push_back("loaded " + Name() + (Link ? " link=" + Link->Name() : ""));
    }

    std::int64_t Number = 0;
    double Real = 0;
    std::string Text;
    TProbeKind Kind = TProbeKind::pkOne;
    bool Flag = false;
    TAnchors Anchors;
    std::vector<std::string> Lines;
    std::vector<std::uint8_t> Bytes;
    TProbe* Link = nullptr;
    int ComponentsWhenLinked = -1;
    TNotifyEvent OnPing;
};

// A container, so that controls can be read straight into it.
class TProbeRoot : public TPanel {
public:
    using TPanel::TPanel;
    std::string ClassName() const override { return "TProbeRoot"; }
    std::any MethodAddress(const std::string& name) override {
        if (SameText(name, "Ping")) return TNotifyEvent::Of<&TProbeRoot::Ping>(this);
        if (SameText(name, "MouseHandler")) return TMouseEvent::Of<&TProbeRoot::Mouse>(this);
        return {};
    }
    void Ping(TObject* sender) { Pinged.push_back(static_cast<TComponent*>(sender)->Name()); }
    void Mouse(TObject*, TMouseButton, TShiftState, int, int) {}
    std::vector<std::string> Pinged;
};

void RegisterProbes() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterPlatformClasses();
    RegisterRootClass("TProbeRoot", "TCustomPanel");
    auto& c = RegisterComponentClass<TProbe>("TProbe", "");
    c.Value<TProbe>("Number", [](TProbe& o, const TValue& v) {
         o.Number = v.AsInt();
         Log.push_back(o.Name() + ".Number");
     })
        .Value<TProbe>("Real", [](TProbe& o, const TValue& v) { o.Real = v.Float; })
        .Value<TProbe>("Text", [](TProbe& o, const TValue& v) {
            o.Text = v.AsString();
            Log.push_back(o.Name() + ".Text");
        })
        .Value<TProbe>("Kind", [](TProbe& o, const TValue& v) {
            o.Kind = v.AsEnum<TProbeKind>({{"pkOne", TProbeKind::pkOne}, {"pkTwo", TProbeKind::pkTwo}});
        })
        .Value<TProbe>("Flag", [](TProbe& o, const TValue& v) { o.Flag = v.AsBool(); })
        .Value<TProbe>("Anchors", [](TProbe& o, const TValue& v) {
            o.Anchors = v.AsEnumSet<TAnchorKind>({{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}});
        })
        .Value<TProbe>("Lines.Strings", [](TProbe& o, const TValue& v) { o.Lines = v.AsStrings(); })
        .Value<TProbe>("Data", [](TProbe& o, const TValue& v) { o.Bytes = v.AsBytes(); })
        .Reference<TProbe, TProbe>("Link", [](TProbe& o, TProbe* p) {
            o.Link = p;
            o.ComponentsWhenLinked = o.Owner()->ComponentCount();
            Log.push_back(o.Name() + ".Link");
        })
        .Event<TProbe, TNotifyEvent>("OnPing", [](TProbe& o, TNotifyEvent e) { o.OnPing = e; });
}

class ReaderTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterProbes();
        Log.clear();
    }
    TProbe* Probe(const char* name) { return dynamic_cast<TProbe*>(Root.FindComponent(name)); }
    TProbeRoot Root{nullptr};
};

TEST_F(ReaderTest, ReadsEveryKindOfValue) {
    ReadComponent(R"(object Root: TProbeRoot
  object A: TProbe
    Number = -42
    Real = 2.5
    Text = 'it''s ' + 'joined'#13#10'x'
    Kind = pkTwo
    Flag = True
    Anchors = [akLeft, akRight]
    Lines.Strings = (
      'first'
      
        'second ' +
        'line')
    Data = {
      0A41ff
      00}
    OnPing = Ping
  end
  object B: TProbe
    Number = $7F
    Anchors = []
    Flag = false
  end
end
)",
                  Root, "TEST");
    TProbe* a = Probe("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Number, -42);
    EXPECT_DOUBLE_EQ(a->Real, 2.5);
    EXPECT_EQ(a->Text, "it's joined\r\nx");
    EXPECT_EQ(a->Kind, TProbeKind::pkTwo);
    EXPECT_TRUE(a->Flag);
    EXPECT_EQ(a->Anchors, TAnchors({akLeft, akRight}));
    EXPECT_EQ(a->Lines, (std::vector<std::string>{"first", "second line"}));
    EXPECT_EQ(a->Bytes, (std::vector<std::uint8_t>{0x0A, 0x41, 0xFF, 0x00}));
    ASSERT_TRUE(a->OnPing.Assigned());
    a->OnPing(a);
    EXPECT_EQ(Root.Pinged, std::vector<std::string>{"A"});
    TProbe* b = Probe("b"); // names are found without regard to case
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Number, 127);
    EXPECT_TRUE(b->Anchors.Empty());
    EXPECT_FALSE(b->Flag);
    EXPECT_EQ(Root.Name(), "Root");
}

TEST_F(ReaderTest, AppliesPropertiesInStreamOrderAndResolvesReferencesAfterTheTree) {
    ReadComponent(R"(object Root: TProbeRoot
  object First: TProbe
    Text = 'a'
    Link = Later
    Number = 1
  end
  object Later: TProbe
    Number = 2
  end
end
)",
                  Root, "TEST");
    TProbe* first = Probe("First");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Link, Probe("Later"));
    EXPECT_EQ(first->ComponentsWhenLinked, 2); // both probes existed when the link was set
    EXPECT_EQ(Log, (std::vector<std::string>{"First.Text", "First.Number", "Later.Number", "First.Link",
                                             "loaded First link=Later", "loaded Later"}));
}

TEST_F(ReaderTest, BuildsControlsIntoTheirParentsAndMenuItemsIntoTheirMenus) {
    ReadComponent(R"(object Root: TProbeRoot
  object Outer: TPanel
    Left = 10
    object Inner: TPanel
      Width = 50
    end
  end
  object Menu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = 'E&xit'
      end
    end
  end
end
)",
                  Root, "TEST");
    auto* outer = dynamic_cast<TPanel*>(Root.FindComponent("Outer"));
    auto* inner = dynamic_cast<TPanel*>(Root.FindComponent("Inner"));
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(inner->Parent(), outer);
    EXPECT_EQ(inner->Owner(), &Root);
    EXPECT_EQ(outer->Left(), 10);
    EXPECT_EQ(inner->Width(), 50);
    auto* menu = dynamic_cast<TMainMenu*>(Root.FindComponent("Menu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 1);
    TMenuItem* file = menu->Items()->Items(0);
    EXPECT_EQ(file->Caption(), "&File");
    ASSERT_EQ(file->Count(), 1);
    EXPECT_EQ(file->Items(0)->Caption(), "E&xit");
}

struct Refusal {
    const char* Name;
    const char* Text;
    const char* Message; // expected part of the message, which starts with the source and line
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.Name; }

class ReaderRefusalTest : public ReaderTest, public testing::WithParamInterface<Refusal> {};

TEST_P(ReaderRefusalTest, RefusesWithAMessageNamingTheLine) {
    const Refusal& r = GetParam();
    try {
        ReadComponent(r.Text, Root, "TEST");
        FAIL() << "no error for " << r.Name;
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find(r.Message), std::string::npos) << e.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, ReaderRefusalTest,
    testing::Values(
        Refusal{"UnknownClass", "object Root: TProbeRoot\n  object A: TNoSuchClass\n  end\nend\n",
                "TEST, line 2: unknown class TNoSuchClass"},
        Refusal{"UnknownProperty", "object Root: TProbeRoot\n  object A: TProbe\n    Colour = 1\n  end\nend\n",
                "TEST, line 3: unknown property Colour of class TProbe"},
        Refusal{"UnknownHandler", "object Root: TProbeRoot\n  object A: TProbe\n    OnPing = Pong\n  end\nend\n",
                "TEST, line 3: unknown handler Pong"},
        Refusal{"HandlerOfTheWrongKind",
                "object Root: TProbeRoot\n  object A: TProbe\n    OnPing = MouseHandler\n  end\nend\n",
                "TEST, line 3: the handler does not fit the event OnPing"},
        Refusal{"UnknownReference", "object Root: TProbeRoot\n  object A: TProbe\n\n    Link = Nobody\n  end\nend\n",
                "TEST, line 4: unknown component 'Nobody' in Link"},
        Refusal{"ReferenceOfTheWrongClass",
                "object Root: TProbeRoot\n  object P: TPanel\n  end\n  object A: TProbe\n    Link = P\n  end\nend\n",
                "TEST, line 5: P cannot be assigned to Link"},
        Refusal{"MissingEquals", "object Root: TProbeRoot\n  object A: TProbe\n    Number 5\n  end\nend\n",
                "TEST, line 3: '=' expected"},
        Refusal{"WrongValueKind", "object Root: TProbeRoot\n  object A: TProbe\n    Number = 'five'\n  end\nend\n",
                "TEST, line 3: expected an integer, found a string"},
        Refusal{"UnknownEnumValue", "object Root: TProbeRoot\n  object A: TProbe\n    Kind = pkThree\n  end\nend\n",
                "TEST, line 3: unknown value pkThree"},
        Refusal{"NumberTooLarge",
                "object Root: TProbeRoot\n  object A: TProbe\n    Number = 99999999999999999999999\n  end\nend\n",
                "TEST, line 3: integer out of range"},
        Refusal{"UnterminatedString", "object Root: TProbeRoot\n  object A: TProbe\n    Text = 'open\n  end\nend\n",
                "TEST, line 3: unterminated string"},
        Refusal{"OddHexDigits", "object Root: TProbeRoot\n  object A: TProbe\n    Data = {ABC}\n  end\nend\n",
                "TEST, line 3: binary data has an odd number"},
        Refusal{"Truncated", "object Root: TProbeRoot\n  object A: TProbe\n    Number = 1\n",
                "unexpected end of the description: 'end' expected for A"},
        Refusal{"TruncatedInBinary", "object Root: TProbeRoot\n  object A: TProbe\n    Data = {0A0B",
                "unexpected end of the description: '}' expected"},
        Refusal{"Garbage", "\x01\x02\xff garbage", "TEST, line 1: 'object' expected"},
        Refusal{"Empty", "", "TEST, line 1: 'object' expected"},
        Refusal{"TrailingText", "object Root: TProbeRoot\nend\nobject X: TProbe\nend\n",
                "TEST, line 3: unexpected text after the final 'end'"},
        Refusal{"WrongRootClass", "object Root: TProbe\nend\n", "TEST, line 1: the description is of class TProbe"},
        Refusal{"DuplicateName",
                "object Root: TProbeRoot\n  object A: TProbe\n  end\n  object a: TProbe\n  end\nend\n",
                "TEST, line 4: A component named a already exists"},
        Refusal{"ControlInsideANonContainer",
                "object Root: TProbeRoot\n  object A: TProbe\n    object P: TPanel\n    end\n  end\nend\n",
                "TEST, line 3: A cannot hold the control P"},
        Refusal{"MenuItemOutsideAMenu", "object Root: TProbeRoot\n  object I: TMenuItem\n  end\nend\n",
                "TEST, line 2: menu item I must be inside a menu"},
        Refusal{"PictureTextInsteadOfData",
                "object Root: TProbeRoot\n  object A: TProbe\n    Data = <board.jpg>\n  end\nend\n",
                "TEST, line 3: malformed value"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.Name); });

TEST_F(ReaderTest, MissingResourceIsAReadError) {
    EXPECT_THROW(ReadComponentResource("NO SUCH RESOURCE", Root), EReadError);
}

} // namespace
