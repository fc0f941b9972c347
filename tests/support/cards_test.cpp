// The installed-cards listing: the registry-like stores, the rules of the read, the window and
// its File-menu entry.
#include "setupctrls/support/help_forms.h"
#include "setupctrls/support/setup_supporter.h"

#include "platform/form.h"
#include "platform/menus.h"
#include "platform/registry.h"
#include "platform/std_controls.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

const std::string Key = "Software\\CARDSCAN\\BrdEnumSvc\\Parameters";

// A 64-byte configuration header with the vendor and device words set.
TBytes Record(std::uint16_t vendor, std::uint16_t device) {
    TBytes r(64, 0);
    r[0] = static_cast<std::uint8_t>(vendor);
    r[1] = static_cast<std::uint8_t>(vendor >> 8);
    r[2] = static_cast<std::uint8_t>(device);
    r[3] = static_cast<std::uint8_t>(device >> 8);
    r[8] = 0x02; // revision, for a handler that reads further into the record
    return r;
}

TBytes Records(std::initializer_list<std::pair<std::uint16_t, std::uint16_t>> list) {
    TBytes all;
    for (auto [vendor, device] : list) {
        TBytes r = Record(vendor, device);
        all.insert(all.end(), r.begin(), r.end());
    }
    return all;
}

constexpr std::uint16_t Other = 0x8086;

// Names devices 1 and 2, leaves device 3 unnamed and fails on device 4; notes every device it is
// asked about.
struct TCardNamer {
    std::vector<std::uint16_t> Asked;
    std::string Name(TObject* Sender, PPCI_COMMON_CONFIG PCC) {
        EXPECT_NE(dynamic_cast<TSetupSupporter*>(Sender), nullptr);
        Asked.push_back(PCC->DeviceID);
        EXPECT_EQ(PCC->VendorID, MakerVendorID);
        if (PCC->DeviceID == 3) return "";
        if (PCC->DeviceID == 4) throw Exception("cannot name device 4");
        return "HX-OCTSER device " + std::to_string(PCC->DeviceID) + " rev " + std::to_string(PCC->RevisionID);
    }
};

// Puts a store in place for one test and restores the previous one.
class TStoreScope {
public:
    explicit TStoreScope(std::shared_ptr<const TRegistryStore> store) : FSaved(SetRegistryStore(std::move(store))) {}
    ~TStoreScope() { SetRegistryStore(FSaved); }

private:
    std::shared_ptr<const TRegistryStore> FSaved;
};

// A main window with "&File" (holding "&Exit") and "&Help", and a supporter that names cards.
struct TCardsProgram {
    TComponent Owner{nullptr};
    TForm* Main = new TForm(&Owner);
    TMainMenu* Menu = nullptr;
    TMenuItem* File = nullptr;
    TSetupSupporter* Supporter = new TSetupSupporter(Main);
    TCardNamer Namer;

    explicit TCardsProgram(const char* fileCaption = "&File", bool withMenu = true) {
        Main->SetName("MainForm");
        if (withMenu) {
            Menu = new TMainMenu(Main);
            File = new TMenuItem(Menu);
            File->SetCaption(fileCaption);
            auto* exit = new TMenuItem(File);
            exit->SetCaption("&Exit");
            File->Add(exit);
            auto* help = new TMenuItem(Menu);
            help->SetCaption("&Help");
            Menu->Items()->Add(File);
            Menu->Items()->Add(help);
            Main->SetMenu(Menu);
        }
        Supporter->CompanyName = "Halvern";
        Supporter->CardNameA = "HX-OCTSER";
        Supporter->OnGetCardString = TPCIEvent::Of<&TCardNamer::Name>(&Namer);
    }
    std::string Memo() const { return Supporter->PCIForm()->PCIMemo->Text(); }
    std::string Title() const { return Supporter->HeaderLabel()->Caption(); }
};

const std::string Found = "HX-OCTSER Series Setup Program";
const std::string NotFound = "No HX-OCTSER Series Card Found";
const std::string NoCard = "No Card Found In Registry";

TEST(CardsListing, RegistryRowsDecideTheLinesAndTheTitle) {
    struct Row {
        const char* Name;
        bool KeyExists;
        std::optional<TRegValue> NumDevices, Config;
        std::vector<std::uint16_t> Asked;
        std::string Memo;
        std::string Error; // reported through the exception report, then no card counts as found
    };
    const TRegValue two = TRegValue::Integer(2);
    const TBytes pair = Records({{MakerVendorID, 1}, {MakerVendorID, 2}});
    TBytes seventy;
    for (int i = 0; i < 70; ++i) {
        TBytes r = Record(MakerVendorID, static_cast<std::uint16_t>(100 + i));
        seventy.insert(seventy.end(), r.begin(), r.end());
    }
    std::vector<std::uint16_t> first64;
    std::string first64Lines;
    for (int i = 0; i < 64; ++i) {
        first64.push_back(static_cast<std::uint16_t>(100 + i));
        first64Lines += (i ? "\n" : "") + std::string("HX-OCTSER device ") + std::to_string(100 + i) + " rev 2";
    }
    TBytes shortByTen = pair;
    shortByTen.resize(shortByTen.size() + 10, 0xEE);
    const std::string invalid = "Invalid data type for 'PCICommonConfig'";
    const std::string twoLines = "HX-OCTSER device 1 rev 2\nHX-OCTSER device 2 rev 2";

    const Row rows[] = {
        {"two matches in record order", true, two, TRegValue::Binary(pair), {1, 2}, twoLines, ""},
        {"key missing", false, {}, {}, {}, NoCard, ""},
        {"NumDevices missing", true, {}, TRegValue::Binary(pair), {}, NoCard, ""},
        {"NumDevices a string", true, TRegValue::String("2"), TRegValue::Binary(pair), {}, NoCard, ""},
        {"NumDevices binary", true, TRegValue::Binary({2, 0, 0, 0}), TRegValue::Binary(pair), {}, NoCard, ""},
        {"NumDevices zero", true, TRegValue::Integer(0), TRegValue::Binary(pair), {}, NoCard, ""},
        {"NumDevices negative", true, TRegValue::Integer(0xFFFFFFFFu), TRegValue::Binary(pair), {}, NoCard, ""},
        {"PCICommonConfig missing", true, two, {}, {}, NoCard, ""},
        {"one record of exactly 64 bytes", true, TRegValue::Integer(1), TRegValue::Binary(Record(MakerVendorID, 2)),
         {2}, "HX-OCTSER device 2 rev 2", ""},
        {"shorter: only whole records", true, TRegValue::Integer(3), TRegValue::Binary(shortByTen), {1, 2}, twoLines,
         ""},
        {"half a record", true, two, TRegValue::Binary(TBytes(63, 0x3E)), {}, NoCard, ""},
        {"longer than NumDevices promises", true, TRegValue::Integer(1), TRegValue::Binary(pair), {}, NoCard, invalid},
        {"stored as a string", true, two, TRegValue::String("records"), {}, NoCard, invalid},
        {"stored as an expandable string", true, two, TRegValue::String("%x%", rdExpandString), {}, NoCard, invalid},
        {"stored as an integer", true, two, TRegValue::Integer(7), {}, NoCard, invalid},
        {"a type without a name reads as bytes", true, two, TRegValue{rdUnknown, pair}, {1, 2}, twoLines, ""},
        {"other vendors never reach the handler", true, TRegValue::Integer(3),
         TRegValue::Binary(Records({{MakerVendorID, 1}, {Other, 9}, {MakerVendorID, 2}})), {1, 2}, twoLines, ""},
        {"vendor word is little-endian", true, two, TRegValue::Binary(Records({{0x3E6A, 1}, {MakerVendorID, 2}})),
         {2}, "HX-OCTSER device 2 rev 2", ""},
        {"empty names are skipped", true, two, TRegValue::Binary(Records({{MakerVendorID, 3}, {MakerVendorID, 1}})),
         {3, 1}, "HX-OCTSER device 1 rev 2", ""},
        {"only empty names", true, TRegValue::Integer(1), TRegValue::Binary(Record(MakerVendorID, 3)), {3}, NoCard,
         ""},
        {"only other vendors", true, TRegValue::Integer(1), TRegValue::Binary(Record(Other, 1)), {}, NoCard, ""},
        {"a handler error keeps the lines listed before it", true, TRegValue::Integer(3),
         TRegValue::Binary(Records({{MakerVendorID, 1}, {MakerVendorID, 4}, {MakerVendorID, 2}})), {1, 4},
         "HX-OCTSER device 1 rev 2", "cannot name device 4"},
        {"a handler error on the first card", true, two,
         TRegValue::Binary(Records({{MakerVendorID, 4}, {MakerVendorID, 1}})), {4}, NoCard, "cannot name device 4"},
        {"more than 64 records: the first 64", true, TRegValue::Integer(70), TRegValue::Binary(seventy), first64,
         first64Lines, ""},
        {"NumDevices far above what is stored", true, TRegValue::Integer(0x7FFFFFFF), TRegValue::Binary(pair), {1, 2},
         twoLines, ""},
    };
    for (const Row& row : rows) {
        auto store = std::make_shared<TMemoryRegistryStore>();
        if (row.KeyExists) store->AddKey(HKEY_LOCAL_MACHINE, Key);
        if (row.NumDevices) store->SetValue(HKEY_LOCAL_MACHINE, Key, "NumDevices", *row.NumDevices);
        if (row.Config) store->SetValue(HKEY_LOCAL_MACHINE, Key, "PCICommonConfig", *row.Config);
        TStoreScope scope(store);
        TExceptionRecorder recorder;
        TCardsProgram program;
        program.Supporter->DeferredSetup();

        const bool found = row.Memo != NoCard;
        EXPECT_EQ(program.Namer.Asked, row.Asked) << row.Name;
        EXPECT_EQ(program.Memo(), row.Memo) << row.Name;
        EXPECT_EQ(program.Title(), found ? Found : NotFound) << row.Name;
        EXPECT_EQ(recorder.Messages(), row.Error.empty() ? std::vector<std::string>{}
                                                         : std::vector<std::string>{row.Error})
            << row.Name;
        // Whatever the registry held, the set-up went on to the help window.
        EXPECT_TRUE(program.Supporter->HelpPending()) << row.Name;
        EXPECT_TRUE(program.Supporter->PCIForm()->Visible()) << row.Name;
    }
}

TEST(CardsListing, WithoutSeriesTheTitleSaysNoCardFound) {
    TStoreScope scope(std::make_shared<TMemoryRegistryStore>());
    TCardsProgram program;
    program.Supporter->bSeries = false;
    program.Supporter->DeferredSetup();
    EXPECT_EQ(program.Title(), "No HX-OCTSER Found");
}

TEST(CardsListing, WindowLayout) {
    TStoreScope scope(std::make_shared<TMemoryRegistryStore>());
    TCardsProgram program;
    program.Supporter->CardNameB = "HX-B";
    program.Supporter->UseCardNameB = true;
    program.Supporter->DeferredSetup();
    TPCIForm* form = program.Supporter->PCIForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "PCIForm");
    EXPECT_EQ(form->Owner(), program.Main);
    EXPECT_EQ(form->Caption(), "HX-B Cards installed");
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    EXPECT_EQ(form->BorderStyle(), bsSizeable);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->ClientWidth(), 305);
    EXPECT_EQ(form->ClientHeight(), 122);
    EXPECT_EQ(form->PCIMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(form->CloseButton->BoundsRect(), Bounds(115, 97, 73, 25));
    EXPECT_EQ(form->PCIMemo->Anchors(), TAnchors({akLeft, akTop, akRight, akBottom}));
    EXPECT_EQ(form->CloseButton->Anchors(), TAnchors({akBottom}));
    EXPECT_EQ(form->CloseButton->Caption(), "Close");
    EXPECT_TRUE(form->CloseButton->Cancel());
    EXPECT_EQ(form->CloseButton->TabOrder(), 0);
    EXPECT_EQ(form->PCIMemo->TabOrder(), 1);
    EXPECT_TRUE(form->PCIMemo->ReadOnly());
    EXPECT_TRUE(form->PCIMemo->WordWrap());
    EXPECT_EQ(form->PCIMemo->ScrollBars(), ssVertical);
    EXPECT_EQ(form->PCIMemo->Font().Name(), "Arial");
    EXPECT_EQ(form->PCIMemo->Font().Size(), 10);
    EXPECT_TRUE(form->PCIMemo->Font().Style().Contains(fsBold));
    EXPECT_EQ(program.Title(), "No HX-B Series Card Found");
    // The memo grows with the window; the button keeps its distance to the bottom.
    form->SetClientWidth(405);
    form->SetClientHeight(222);
    EXPECT_EQ(form->PCIMemo->BoundsRect(), Bounds(0, 0, 405, 189));
    EXPECT_EQ(form->CloseButton->Top(), 197);
}

TEST(CardsListing, MenuEntryGoesFirstIntoTheFileMenuOnly) {
    struct Case {
        const char* Name;
        const char* FileCaption;
        bool WithMenu;
        bool Entry;
    } cases[] = {{"&File", "&File", true, true},
                 {"File without the ampersand", "File", true, false},
                 {"another case", "&file", true, false},
                 {"no main menu", "&File", false, false}};
    for (const Case& c : cases) {
        TStoreScope scope(std::make_shared<TMemoryRegistryStore>());
        TCardsProgram program(c.FileCaption, c.WithMenu);
        program.Supporter->DeferredSetup();
        ASSERT_NE(program.Supporter->PCIForm(), nullptr) << c.Name;
        EXPECT_TRUE(program.Supporter->PCIForm()->Visible()) << c.Name;
        if (!c.WithMenu) continue;
        ASSERT_EQ(program.File->Count(), c.Entry ? 2 : 1) << c.Name;
        if (!c.Entry) continue;
        TMenuItem* entry = program.File->Items(0);
        EXPECT_EQ(entry->Name(), "DisplayPCI");
        EXPECT_EQ(entry->Caption(), "Display HX-OCTSER Cards Installed");
        EXPECT_EQ(entry->Owner(), program.File);
        EXPECT_EQ(program.File->Items(1)->Caption(), "&Exit");
    }
}

TEST(CardsListing, WithoutANamingHandlerThereIsNoListing) {
    TCardsProgram program;
    program.Supporter->OnGetCardString = {};
    program.Supporter->DeferredSetup();
    EXPECT_EQ(program.Supporter->PCIForm(), nullptr);
    EXPECT_EQ(program.File->Count(), 1);
    EXPECT_EQ(program.Title(), Found);
}

TEST(CardsListing, MenuEntryShowsTheSameWindowAgainAfterClose) {
    auto store = std::make_shared<TMemoryRegistryStore>();
    store->SetValue(HKEY_LOCAL_MACHINE, Key, "NumDevices", TRegValue::Integer(1));
    store->SetValue(HKEY_LOCAL_MACHINE, Key, "PCICommonConfig", TRegValue::Binary(Record(MakerVendorID, 1)));
    TStoreScope scope(store);
    TCardsProgram program;
    program.Supporter->DeferredSetup();
    TPCIForm* form = program.Supporter->PCIForm();
    form->CloseButton->Click();
    EXPECT_FALSE(form->Visible());
    form->SetVisible(true);
    EXPECT_TRUE(form->PressDialogKey(true)); // Esc
    EXPECT_FALSE(form->Visible());
    program.File->Items(0)->Click();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(program.Supporter->PCIForm(), form);
    EXPECT_EQ(program.Memo(), "HX-OCTSER device 1 rev 2");
    EXPECT_EQ(program.Namer.Asked.size(), 1u); // nothing is read again
}

// ---------------------------------------------------------------- the stores

TEST(RegistryStore, ReaderRulesOverTheMemoryStore) {
    auto store = std::make_shared<TMemoryRegistryStore>();
    store->SetValue(HKEY_LOCAL_MACHINE, "\\Software\\A\\", "Count", TRegValue::Integer(0x80000001u));
    store->SetValue(HKEY_LOCAL_MACHINE, "Software\\A", "Blob", TRegValue::Binary({1, 2, 3}));
    store->SetValue(HKEY_LOCAL_MACHINE, "Software\\A", "Text", TRegValue::String("x"));
    TStoreScope scope(store);
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\A", true)) << "the default hive is the current user's";
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey("Software\\B", true)) << "nothing is created";
    EXPECT_FALSE(store->ReadKey(HKEY_LOCAL_MACHINE, "Software\\B"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("SOFTWARE\\a"));
    EXPECT_EQ(reg.ReadInteger("count"), static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(reg.ReadBinaryData("Blob", 3), (TBytes{1, 2, 3}));
    EXPECT_TRUE(reg.ReadBinaryData("Nothing", 3).empty());
    struct Failure {
        std::function<void()> Read;
        const char* Message;
    } failures[] = {
        {[&] { reg.ReadInteger("Blob"); }, "Invalid data type for 'Blob'"},
        {[&] { reg.ReadInteger("Nothing"); }, "Failed to get data for 'Nothing'"},
        {[&] { reg.ReadBinaryData("Blob", 2); }, "Invalid data type for 'Blob'"},
        {[&] { reg.ReadBinaryData("Text", 100); }, "Invalid data type for 'Text'"},
        {[&] { reg.ReadBinaryData("Count", 100); }, "Invalid data type for 'Count'"},
    };
    for (const Failure& f : failures) {
        try {
            f.Read();
            ADD_FAILURE() << "no error for " << f.Message;
        } catch (const ERegistryException& e) {
            EXPECT_STREQ(e.what(), f.Message);
        }
    }
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("Blob"));
}

class SysfsTree : public testing::Test {
protected:
    SysfsTree() {
        Dir = fs::temp_directory_path() / ("sysfs-pci-" + std::to_string(::getpid()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    ~SysfsTree() override { fs::remove_all(Dir); }
    void Function(const std::string& address, const TBytes& config, std::size_t configSize = 256) {
        fs::create_directories(Dir / address);
        if (configSize == 0) return;
        TBytes bytes = config;
        bytes.resize(configSize, 0xA5);
        std::ofstream(Dir / address / "config", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path Dir;
};

TEST_F(SysfsTree, FunctionsInAddressOrderGiveTheEnumerationKey) {
    Function("0000:04:00.1", Record(MakerVendorID, 2));
    Function("0000:00:02.0", Record(Other, 7));
    Function("0000:03:00.0", Record(MakerVendorID, 1));
    Function("0000:05:00.0", {}, 0);                        // no configuration file: left out
    Function("0000:06:00.0", Record(MakerVendorID, 5), 40); // too short to read: left out
    TSysfsPciRegistryStore store(Dir.string());

    auto values = store.ReadKey(HKEY_LOCAL_MACHINE, Key);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->at("NumDevices").Data, TRegValue::Integer(3).Data);
    EXPECT_EQ(values->at("PCICommonConfig").Type, rdBinary);
    EXPECT_EQ(values->at("PCICommonConfig").Data,
              Records({{Other, 7}, {MakerVendorID, 1}, {MakerVendorID, 2}}));
    EXPECT_FALSE(store.ReadKey(HKEY_CURRENT_USER, Key));
    EXPECT_FALSE(store.ReadKey(HKEY_LOCAL_MACHINE, "Software\\CARDSCAN"));
    EXPECT_FALSE(TSysfsPciRegistryStore((Dir / "absent").string()).ReadKey(HKEY_LOCAL_MACHINE, Key));

    // Through the listing: the two cards of the maker, in address order.
    TStoreScope scope(std::make_shared<TSysfsPciRegistryStore>(Dir.string()));
    TCardsProgram program;
    program.Supporter->DeferredSetup();
    EXPECT_EQ(program.Namer.Asked, (std::vector<std::uint16_t>{1, 2}));
    EXPECT_EQ(program.Memo(), "HX-OCTSER device 1 rev 2\nHX-OCTSER device 2 rev 2");
    EXPECT_EQ(program.Title(), Found);
}

TEST_F(SysfsTree, AnEmptyBusListsNoCard) {
    TStoreScope scope(std::make_shared<TSysfsPciRegistryStore>(Dir.string()));
    TCardsProgram program;
    program.Supporter->DeferredSetup();
    EXPECT_TRUE(program.Namer.Asked.empty());
    EXPECT_EQ(program.Memo(), NoCard);
    EXPECT_EQ(program.Title(), NotFound);
}

} // namespace
