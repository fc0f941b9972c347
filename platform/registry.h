// A read-only, registry-like store of keys and typed values, and TRegistry, the reader that
// programs use on it. The store is replaceable: tests fill an in-memory one, and on Linux the
// default one answers the card-enumeration key from the kernel's own list of PCI functions.
#pragma once

#include "exception.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using HKEY = std::uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr HKEY HKEY_USERS = 0x80000003u;

// How a value's bytes are to be read. Every type the reader has no name for counts as unknown
// and is read as raw bytes, like binary data.
enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };
using enum TRegDataType;

struct TRegValue {
    TRegDataType Type = rdBinary;
    std::vector<std::uint8_t> Data;

    static TRegValue Integer(std::uint32_t v);
    static TRegValue Binary(std::vector<std::uint8_t> bytes);
    static TRegValue String(const std::string& s, TRegDataType type = rdString);
};

// A failed read: the wrong type, or more data than the caller allows.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The names of a key's values compare without regard to case, as key names do.
struct TRegNameLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using TRegKeyValues = std::map<std::string, TRegValue, TRegNameLess>;

class TRegistryStore {
public:
    virtual ~TRegistryStore() = default;
    // The values of a key as they are at this moment; nothing when the key does not exist.
    // The path is relative to the hive, its parts separated by backslashes.
    virtual std::optional<TRegKeyValues> ReadKey(HKEY Root, const std::string& Key) const = 0;
};

// Keys and values that a test (or a program) puts in by hand.
class TMemoryRegistryStore : public TRegistryStore {
public:
    void AddKey(HKEY Root, const std::string& Key);
    void SetValue(HKEY Root, const std::string& Key, const std::string& Name, TRegValue Value);
    std::optional<TRegKeyValues> ReadKey(HKEY Root, const std::string& Key) const override;

private:
    std::map<std::pair<HKEY, std::string>, TRegKeyValues> FKeys; // key paths stored in upper case
};

// The key "Software\CARDSCAN\BrdEnumSvc\Parameters" under HKEY_LOCAL_MACHINE, made from the PCI
// functions the kernel lists: NumDevices is their number, PCICommonConfig the first 64 bytes of
// each one's configuration space, back to back, in the order of their addresses. A function
// whose configuration cannot be read is left out of both. Without the directory the key does
// not exist. Every other key is missing.
class TSysfsPciRegistryStore : public TRegistryStore {
public:
    explicit TSysfsPciRegistryStore(std::string DevicesDir = "/sys/bus/pci/devices");
    std::optional<TRegKeyValues> ReadKey(HKEY Root, const std::string& Key) const override;

    static constexpr const char* EnumerationKey = "Software\\CARDSCAN\\BrdEnumSvc\\Parameters";

private:
    std::string FDevicesDir;
};

// The store that TRegistry objects read; the sysfs one unless replaced.
const TRegistryStore& RegistryStore();
// Replaces the store (nullptr restores the default); returns the one it replaced, if it was set here.
std::shared_ptr<const TRegistryStore> SetRegistryStore(std::shared_ptr<const TRegistryStore> Store);

// Reads keys of the current store. Nothing is ever created or written.
class TRegistry {
public:
    HKEY RootKey() const { return FRoot; }
    void SetRootKey(HKEY v);

    // Opens the key for querying its values; false when it does not exist. A store that cannot
    // create keys leaves a missing key missing, whatever CanCreate says.
    bool OpenKey(const std::string& Key, bool CanCreate);
    bool OpenKeyReadOnly(const std::string& Key) { return OpenKey(Key, false); }
    void CloseKey();
    bool KeyOpen() const { return FValues.has_value(); }

    bool ValueExists(const std::string& Name) const;
    // The type and size of a value; false when there is no such value.
    bool GetDataInfo(const std::string& Name, TRegDataType& Type, std::size_t& Size) const;
    // A 32-bit integer; raises ERegistryException when the value is missing or of another type.
    std::int32_t ReadInteger(const std::string& Name) const;
    // Raw bytes, at most BufSize of them; no value gives no bytes. A string or integer value, or
    // more bytes than BufSize, raises ERegistryException.
    std::vector<std::uint8_t> ReadBinaryData(const std::string& Name, std::size_t BufSize) const;

private:
    const TRegValue* Find(const std::string& Name) const;

    HKEY FRoot = HKEY_CURRENT_USER;
    std::optional<TRegKeyValues> FValues;
};
