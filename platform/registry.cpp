#include "registry.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {
std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "\A\B\" and "A\B" name the same key.
std::string KeyPath(const std::string& key) {
    std::string k = Upper(key);
    while (!k.empty() && k.front() == '\\') k.erase(k.begin());
    while (!k.empty() && k.back() == '\\') k.pop_back();
    return k;
}

ERegistryException InvalidType(const std::string& name) {
    return ERegistryException("Invalid data type for '" + name + "'");
}

std::shared_ptr<const TRegistryStore>& CurrentStore() {
    static std::shared_ptr<const TRegistryStore> store;
    return store;
}
} // namespace

TRegValue TRegValue::Integer(std::uint32_t v) {
    return {rdInteger, {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                        static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}};
}

TRegValue TRegValue::Binary(std::vector<std::uint8_t> bytes) { return {rdBinary, std::move(bytes)}; }

TRegValue TRegValue::String(const std::string& s, TRegDataType type) {
    TRegValue v{type, {s.begin(), s.end()}};
    v.Data.push_back(0);
    return v;
}

bool TRegNameLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

void TMemoryRegistryStore::AddKey(HKEY Root, const std::string& Key) { FKeys[{Root, KeyPath(Key)}]; }

void TMemoryRegistryStore::SetValue(HKEY Root, const std::string& Key, const std::string& Name, TRegValue Value) {
    FKeys[{Root, KeyPath(Key)}][Name] = std::move(Value);
}

std::optional<TRegKeyValues> TMemoryRegistryStore::ReadKey(HKEY Root, const std::string& Key) const {
    auto it = FKeys.find({Root, KeyPath(Key)});
    if (it == FKeys.end()) return std::nullopt;
    return it->second;
}

TSysfsPciRegistryStore::TSysfsPciRegistryStore(std::string DevicesDir) : FDevicesDir(std::move(DevicesDir)) {}

std::optional<TRegKeyValues> TSysfsPciRegistryStore::ReadKey(HKEY Root, const std::string& Key) const {
    namespace fs = std::filesystem;
    if (Root != HKEY_LOCAL_MACHINE || KeyPath(Key) != KeyPath(EnumerationKey)) return std::nullopt;
    std::error_code ec;
    if (!fs::is_directory(FDevicesDir, ec)) return std::nullopt;

    // Entries are named by address, "dddd:bb:dd.f" in fixed-width hex, so name order is address order.
    std::vector<std::string> functions;
    for (fs::directory_iterator it(FDevicesDir, ec), end; !ec && it != end; it.increment(ec))
        functions.push_back(it->path().filename().string());
    std::sort(functions.begin(), functions.end());

    constexpr std::size_t RecordSize = 64;
    std::vector<std::uint8_t> records;
    std::uint32_t count = 0;
    for (const std::string& name : functions) {
        // Anyone may read the first 64 bytes of a function's configuration space.
        std::ifstream in(fs::path(FDevicesDir) / name / "config", std::ios::binary);
        std::uint8_t record[RecordSize];
        if (!in.read(reinterpret_cast<char*>(record), RecordSize)) continue;
        records.insert(records.end(), record, record + RecordSize);
        ++count;
    }
    TRegKeyValues values;
    values["NumDevices"] = TRegValue::Integer(count);
    values["PCICommonConfig"] = TRegValue::Binary(std::move(records));
    return values;
}

const TRegistryStore& RegistryStore() {
    static const TSysfsPciRegistryStore system;
    const auto& store = CurrentStore();
    return store ? *store : system;
}

std::shared_ptr<const TRegistryStore> SetRegistryStore(std::shared_ptr<const TRegistryStore> Store) {
    std::swap(CurrentStore(), Store);
    return Store;
}

void TRegistry::SetRootKey(HKEY v) {
    CloseKey();
    FRoot = v;
}

bool TRegistry::OpenKey(const std::string& Key, bool) {
    FValues = RegistryStore().ReadKey(FRoot, Key);
    return FValues.has_value();
}

void TRegistry::CloseKey() { FValues.reset(); }

const TRegValue* TRegistry::Find(const std::string& Name) const {
    if (!FValues) return nullptr;
    auto it = FValues->find(Name);
    return it == FValues->end() ? nullptr : &it->second;
}

bool TRegistry::ValueExists(const std::string& Name) const { return Find(Name) != nullptr; }

bool TRegistry::GetDataInfo(const std::string& Name, TRegDataType& Type, std::size_t& Size) const {
    const TRegValue* v = Find(Name);
    if (!v) return false;
    Type = v->Type;
    Size = v->Data.size();
    return true;
}

std::int32_t TRegistry::ReadInteger(const std::string& Name) const {
    const TRegValue* v = Find(Name);
    if (!v) throw ERegistryException("Failed to get data for '" + Name + "'");
    if (v->Type != rdInteger || v->Data.size() != 4) throw InvalidType(Name);
    const auto& d = v->Data;
    return static_cast<std::int32_t>(std::uint32_t{d[0]} | std::uint32_t{d[1]} << 8 | std::uint32_t{d[2]} << 16 |
                                     std::uint32_t{d[3]} << 24);
}

std::vector<std::uint8_t> TRegistry::ReadBinaryData(const std::string& Name, std::size_t BufSize) const {
    const TRegValue* v = Find(Name);
    if (!v) return {};
    if ((v->Type != rdBinary && v->Type != rdUnknown) || v->Data.size() > BufSize) throw InvalidType(Name);
    return v->Data;
}
