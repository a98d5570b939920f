#pragma once
// Reg_cls: the one way the program touches the registry. Settings are text values read
// with a default (ValueRead) and written (ValueWrite); the "P" members address the key
// through the ClassKey, SectionKey and ValueKey properties instead of arguments.
//
// Raised errors are AppError values carrying the Win32 code, the source
// ProgramName() + ".Reg_cls" (or + ".cRegistry" for key creation and enumeration) and
// the system's text for the code.
#include "RegData.h"

#include <windows.h>
#include <string>
#include <utility>
#include <vector>

// One enumerated value: its name and its data as text.
using RegValueRow = std::pair<std::wstring, std::wstring>;

class Reg_cls {
public:
    LONG KeyExistsP() const;
    LONG KeyExists(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const;

    LONG KeyCreateP() const;
    LONG KeyCreate(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const;

    LONG KeyDeleteP() const;
    LONG KeyDelete(HKEY KeyRoot_cin, const std::wstring& KeyName_sin) const;

    LONG ValueDeleteP() const;
    LONG ValueDelete(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin) const;

    // Reads the value ClassKey\SectionKey\ValueKey; ValueDefault when it cannot be read.
    RegData Value();
    // Writes Value_vin to ClassKey\SectionKey\ValueKey as ValueType says.
    void Value(const RegData& Value_vin);

    LONG ValuesEnumP(std::vector<RegValueRow>& KeyNames_sou, long& KeyCount_lou);
    LONG ValuesEnum(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, std::vector<RegValueRow>& KeyNames_sou,
                    long& KeyCount_lou);
    LONG SectionsEnumP(std::vector<std::wstring>& Sect_sou, long& SectCount_lou) const;
    LONG SectionsEnum(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, std::vector<std::wstring>& Sect_sou,
                      long& SectCount_lou) const;

    std::wstring ValueRead(HKEY KeyRoot_sin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin,
                           const std::wstring& Default_sio, DWORD ValueType_tin);
    // Never raises: 0 on success, else the error number.
    long ValueWrite(HKEY KeyRoot_cin, const std::wstring& KeyName_sin, const std::wstring& SubKeyRef_sin,
                    const RegData& Value_vin, DWORD ValueType_tin);

    DWORD ValueType() const { return valueType_; }
    void ValueType(DWORD ValueType_tin) { valueType_ = ValueType_tin; }
    HKEY ClassKey() const { return classKey_; }
    void ClassKey(HKEY Key_cin) { classKey_ = Key_cin; }
    const std::wstring& SectionKey() const { return sectionKey_; }
    void SectionKey(const std::wstring& SectionKey_sin) { sectionKey_ = SectionKey_sin; }
    const std::wstring& ValueKey() const { return valueKey_; }
    void ValueKey(const std::wstring& ValueKey_sin) { valueKey_ = ValueKey_sin; }
    const RegData& DEFAULT() const { return default_; }
    void DEFAULT(const RegData& Default_vin) { default_ = Default_vin; }
    const RegData& ValueDefault() const { return valueDefault_; }
    void ValueDefault(const RegData& vValueDefault) { valueDefault_ = vValueDefault; }
    // The last value written successfully through Value.
    const RegData& StoredValue() const { return storedValue_; }

private:
    DWORD valueType_ = REG_SZ;
    HKEY classKey_ = HKEY_CURRENT_USER;
    std::wstring sectionKey_;
    std::wstring valueKey_;
    RegData storedValue_;
    RegData default_;
    RegData valueDefault_;
};

// True when a text is stored as REG_EXPAND_SZ: it holds a "%" and a second "%" at
// least two positions after the first.
bool LooksExpandable(const std::wstring& text);
