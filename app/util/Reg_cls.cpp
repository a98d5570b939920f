#include "Reg_cls.h"

#include "AppError.h"
#include "ScopedHandle.h"
#include "SystemText.h"

#include <algorithm>

namespace {

constexpr REGSAM kFullAccess = 0x3F;  // query, set, create subkey, enumerate, notify, link

enum class RegSource { RegCls, CRegistry };

[[noreturn]] void Raise(LONG code, RegSource source) {
    throw AppError(code, ProgramName() + (source == RegSource::RegCls ? L".Reg_cls" : L".cRegistry"),
                   DllErrorText(static_cast<DWORD>(code)));
}

// Text of REG_SZ / REG_MULTI_SZ data: the characters without the final NUL.
std::wstring TextOfData(const RegBytes& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::copy_n(data.data(), text.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(text.data()));
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    expanded.resize(written - 1);
    return expanded;
}

int32_t DwordOfData(const RegBytes& data, bool bigEndian) {
    BYTE bytes[4] = {};
    std::copy_n(data.begin(), std::min<size_t>(data.size(), 4), bytes);
    if (bigEndian) std::reverse(bytes, bytes + 4);
    uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return static_cast<int32_t>(value);
}

// Runs an enumeration; any error inside is raised again with the ".cRegistry" source.
template <typename Body>
LONG AsRegistryEnumeration(Body&& body) {
    try {
        return body();
    } catch (const AppError& e) {
        throw AppError(e.Number(), ProgramName() + L".cRegistry", e.Description());
    }
}

}  // namespace

bool LooksExpandable(const std::wstring& text) {
    size_t first = text.find(L'%');
    return first != std::wstring::npos && text.find(L'%', first + 2) != std::wstring::npos;
}

LONG Reg_cls::KeyExistsP() const { return KeyExists(classKey_, sectionKey_); }

LONG Reg_cls::KeyExists(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const {
    RegKey key;
    return RegOpenKeyExW(KeyRoot_cin, KeyName_sin.c_str(), 0, KEY_QUERY_VALUE, key.Receive());
}

LONG Reg_cls::KeyCreateP() const { return KeyCreate(classKey_, sectionKey_); }

LONG Reg_cls::KeyCreate(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const {
    RegKey key;
    LONG result = RegCreateKeyExW(KeyRoot_cin, KeyName_sin.c_str(), 0, const_cast<wchar_t*>(L""),
                                  REG_OPTION_NON_VOLATILE, kFullAccess, nullptr, key.Receive(), nullptr);
    if (result != ERROR_SUCCESS) Raise(result, RegSource::CRegistry);
    return 0;
}

LONG Reg_cls::KeyDeleteP() const { return KeyDelete(classKey_, sectionKey_); }

LONG Reg_cls::KeyDelete(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const {
    LONG result = RegDeleteKeyW(KeyRoot_cin, KeyName_sin.c_str());
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) Raise(result, RegSource::RegCls);
    return 0;
}

LONG Reg_cls::ValueDeleteP() const {
    RegKey key;
    LONG result = RegOpenKeyExW(classKey_, sectionKey_.c_str(), 0, kFullAccess, key.Receive());
    if (result == ERROR_SUCCESS) result = RegDeleteValueW(key.Get(), valueKey_.c_str());
    if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);
    return 0;
}

LONG Reg_cls::ValueDelete(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin) const {
    RegKey key;
    LONG result = RegOpenKeyExW(KeyRoot_cin, KeyName_sin.c_str(), 0, kFullAccess, key.Receive());
    if (result == ERROR_SUCCESS) result = RegDeleteValueW(key.Get(), SubKeyRef_sin.c_str());
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) Raise(result, RegSource::RegCls);
    return 0;
}

RegData Reg_cls::Value() {
    RegKey key;
    LONG result = RegOpenKeyExW(classKey_, sectionKey_.c_str(), 0, KEY_QUERY_VALUE, key.Receive());
    if (result == ERROR_FILE_NOT_FOUND) {
        // A read under a missing key creates the key and yields the default.
        KeyCreate(classKey_, sectionKey_);
        return valueDefault_;
    }
    if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

    DWORD type = 0;
    DWORD size = 0;
    result = RegQueryValueExW(key.Get(), valueKey_.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return valueDefault_;

    RegBytes data(size);
    for (;;) {
        DWORD got = static_cast<DWORD>(data.size());
        result = RegQueryValueExW(key.Get(), valueKey_.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(),
                                  &got);
        if (result == ERROR_MORE_DATA) {
            data.resize(got);  // the value grew between the two calls
            continue;
        }
        if (result != ERROR_SUCCESS) return valueDefault_;
        data.resize(got);
        break;
    }

    valueType_ = type;
    switch (type) {
    case REG_SZ:
    case REG_MULTI_SZ: return TextOfData(data);
    case REG_EXPAND_SZ: return ExpandEnvironment(TextOfData(data));
    case REG_DWORD: return DwordOfData(data, false);
    case REG_DWORD_BIG_ENDIAN: return DwordOfData(data, true);
    default: return data;
    }
}

void Reg_cls::Value(const RegData& Value_vin) {
    RegKey key;
    LONG result = RegCreateKeyExW(classKey_, sectionKey_.c_str(), 0, const_cast<wchar_t*>(L""),
                                  REG_OPTION_NON_VOLATILE, kFullAccess, nullptr, key.Receive(), nullptr);
    if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

    switch (valueType_) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text = RegDataToText(Value_vin);
        DWORD type = LooksExpandable(text) ? REG_EXPAND_SZ : REG_SZ;
        DWORD bytes = text.empty() ? 0 : static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        result = RegSetValueExW(key.Get(), valueKey_.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                                bytes);
        break;
    }
    case REG_BINARY: {
        auto bytes = std::get_if<RegBytes>(&Value_vin);
        if (!bytes) throw AppError(26001, L"Reg_cls", L"Wrong Data");
        result = RegSetValueExW(key.Get(), valueKey_.c_str(), 0, REG_BINARY, bytes->data(),
                                static_cast<DWORD>(bytes->size()));
        break;
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
        int32_t number = RegDataToLong(Value_vin);
        result = RegSetValueExW(key.Get(), valueKey_.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                sizeof number);
        break;
    }
    default: result = ERROR_INVALID_DATA; break;
    }
    if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);
    storedValue_ = Value_vin;
}

LONG Reg_cls::ValuesEnumP(std::vector<RegValueRow>& KeyNames_sou, long& KeyCount_lou) {
    return ValuesEnum(classKey_, sectionKey_, KeyNames_sou, KeyCount_lou);
}

LONG Reg_cls::ValuesEnum(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, std::vector<RegValueRow>& KeyNames_sou,
                         long& KeyCount_lou) {
    KeyNames_sou.clear();
    KeyCount_lou = 0;
    return AsRegistryEnumeration([&]() -> LONG {
        RegKey key;
        LONG result = RegOpenKeyExW(KeyRoot_cin, KeyName_sin.c_str(), 0, KEY_QUERY_VALUE, key.Receive());
        if (result == ERROR_FILE_NOT_FOUND) return 0;
        if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

        DWORD count = 0;
        DWORD longestName = 0;
        result = RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                                  &longestName, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

        Reg_cls reader;
        for (DWORD i = 0; i < count; ++i) {
            std::wstring name(longestName + 1, L'\0');
            DWORD length = longestName + 1;
            if (RegEnumValueW(key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            name.resize(length);
            std::wstring data = reader.ValueRead(KeyRoot_cin, KeyName_sin, name, L"", REG_SZ);
            KeyNames_sou.emplace_back(std::move(name), std::move(data));
        }
        KeyCount_lou = static_cast<long>(KeyNames_sou.size());
        return 0;
    });
}

LONG Reg_cls::SectionsEnumP(std::vector<std::wstring>& Sect_sou, long& SectCount_lou) const {
    return SectionsEnum(classKey_, sectionKey_, Sect_sou, SectCount_lou);
}

LONG Reg_cls::SectionsEnum(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, std::vector<std::wstring>& Sect_sou,
                           long& SectCount_lou) const {
    Sect_sou.clear();
    SectCount_lou = 0;
    return AsRegistryEnumeration([&]() -> LONG {
        RegKey key;
        LONG result = RegOpenKeyExW(KeyRoot_cin, KeyName_sin.c_str(), 0, KEY_READ, key.Receive());
        if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

        DWORD count = 0;
        result = RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);

        for (DWORD i = 0; i < count; ++i) {
            wchar_t name[256] = {};
            DWORD length = 256;
            result = RegEnumKeyExW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result != ERROR_SUCCESS) Raise(result, RegSource::RegCls);
            Sect_sou.emplace_back(name, length);
        }
        SectCount_lou = static_cast<long>(Sect_sou.size());
        return 0;
    });
}

std::wstring Reg_cls::ValueRead(HKEY KeyRoot_sin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin,
                                const std::wstring& Default_sio, DWORD ValueType_tin) {
    classKey_ = KeyRoot_sin;
    sectionKey_ = KeyName_sin;
    valueKey_ = SubKeyRef_sin;
    valueDefault_ = Default_sio;
    valueType_ = ValueType_tin;
    RegData value = Value();
    if (std::holds_alternative<RegBytes>(value)) {
        // Binary data has no text form a setting could use.
        return Default_sio;
    }
    return RegDataToText(value);
}

long Reg_cls::ValueWrite(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin,
                         const RegData& Value_vin, DWORD ValueType_tin) {
    try {
        classKey_ = KeyRoot_cin;
        sectionKey_ = KeyName_sin;
        valueKey_ = SubKeyRef_sin;
        valueType_ = ValueType_tin;
        Value(Value_vin);
        return 0;
    } catch (...) {
        return CurrentExceptionAsError().Number();
    }
}
