// Self-registration of Vantor.dll: per user (DllInstall "user") and machine-wide
// (regsvr32); unregistering takes away every key registering wrote.
#include "VantorTestSupport.h"

#include "ScopedHandle.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

#if defined(_WIN64)
constexpr wchar_t kPlatform[] = L"win64";
#else
constexpr wchar_t kPlatform[] = L"win32";
#endif

// Every key below a root with its values (name -> type and data), by key path.
using RegistrySnapshot = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

void SnapshotInto(HKEY parent, const std::wstring& path, RegistrySnapshot& snapshot) {
    RegKey key;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return;
    auto& values = snapshot[path];
    wchar_t name[512];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 512, dataSize = sizeof data, type = 0;
        if (RegEnumValueW(key.Get(), i, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        values[std::wstring(name, nameLength)] =
            std::to_wstring(type) + L":" + std::wstring(reinterpret_cast<wchar_t*>(data), dataSize / sizeof(wchar_t));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 512;
        if (RegEnumKeyExW(key.Get(), i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        SnapshotInto(parent, path + L"\\" + std::wstring(name, nameLength), snapshot);
    }
}

// Keys and values in one snapshot and not (or different) in the other, for a failure message.
std::string Difference(const RegistrySnapshot& a, const RegistrySnapshot& b) {
    std::wstring text;
    for (const auto& [key, values] : a) {
        auto other = b.find(key);
        if (other == b.end())
            text += L"  key " + key + L"\n";
        else if (other->second != values)
            text += L"  values of " + key + L"\n";
    }
    return std::string(text.begin(), text.end());
}

RegistrySnapshot Snapshot(HKEY root, const std::wstring& path) {
    RegistrySnapshot snapshot;
    SnapshotInto(root, path, snapshot);
    return snapshot;
}

// The text of a REG_SZ value; "<missing>" when there is none.
std::wstring TextValue(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    RegKey opened;
    return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.Receive()) == ERROR_SUCCESS;
}

// Every key the class and its type library need, as (key, value name, expected data).
struct ExpectedValue {
    std::wstring key;
    const wchar_t* name;
    std::wstring data;
};

std::vector<ExpectedValue> ExpectedRegistration(const std::wstring& classes) {
    const std::wstring clsid = classes + L"\\CLSID\\" + kScreenShotClsid;
    const std::wstring lib = classes + L"\\TypeLib\\" + kSnaplibLibId + L"\\1.0";
    const std::wstring path = VantorPath();
    return {
        {clsid + L"\\InprocServer32", nullptr, path},
        {clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {clsid + L"\\ProgID", nullptr, kScreenShotProgId},
        {clsid + L"\\Control", nullptr, L"<missing>"},  // the key alone
        {clsid + L"\\MiscStatus\\1", nullptr, std::to_wstring(0x20191)},
        {clsid + L"\\TypeLib", nullptr, kSnaplibLibId},
        {clsid + L"\\Version", nullptr, L"1.0"},
        {classes + L"\\" + kScreenShotProgId + L"\\CLSID", nullptr, kScreenShotClsid},
        {lib, nullptr, L"Snaplib"},
        {lib + L"\\0\\" + kPlatform, nullptr, path},
        {classes + L"\\Interface\\" + kScreenShotIid + L"\\TypeLib", nullptr, kSnaplibLibId},
        {classes + L"\\Interface\\" + kScreenShotEventsIid + L"\\TypeLib", nullptr, kSnaplibLibId},
    };
}

void ExpectRegistered(HKEY root, const std::wstring& classes) {
    for (const ExpectedValue& expected : ExpectedRegistration(classes)) {
        SCOPED_TRACE(std::string(expected.key.begin(), expected.key.end()));
        EXPECT_TRUE(KeyExists(root, expected.key));
        const std::wstring actual = TextValue(root, expected.key, expected.name);
        EXPECT_EQ(CompareStringOrdinal(actual.c_str(), -1, expected.data.c_str(), -1, TRUE), CSTR_EQUAL);
    }
}

void ExpectUnregistered(HKEY root, const std::wstring& classes) {
    EXPECT_FALSE(KeyExists(root, classes + L"\\CLSID\\" + kScreenShotClsid));
    EXPECT_FALSE(KeyExists(root, classes + L"\\" + kScreenShotProgId));
    EXPECT_FALSE(KeyExists(root, classes + L"\\TypeLib\\" + kSnaplibLibId));
    EXPECT_FALSE(KeyExists(root, classes + L"\\Interface\\" + kScreenShotIid));
    EXPECT_FALSE(KeyExists(root, classes + L"\\Interface\\" + kScreenShotEventsIid));
}

using InstallProc = HRESULT(WINAPI*)(BOOL, LPCWSTR);

DWORD RunRegsvr32(const std::wstring& arguments) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(system) + L"\\regsvr32.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    KernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    WaitForSingleObject(processHandle.Get(), 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(processHandle.Get(), &exitCode);
    return exitCode;
}

TEST(VantorRegistration, PerUserRegistrationWritesTheFullKeySetAndUnregisteringRemovesIt) {
    HMODULE vantor = LoadRegisteredVantor();
    ASSERT_NE(vantor, nullptr);
    auto install = reinterpret_cast<InstallProc>(reinterpret_cast<void*>(GetProcAddress(vantor, "DllInstall")));
    ASSERT_NE(install, nullptr);
    const std::wstring classes = L"Software\\Classes";
    // Windows always has the user's classes key; a fresh Wine prefix may not yet.
    RegKey classesKey;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, classes.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                              classesKey.Receive(), nullptr),
              ERROR_SUCCESS);
    const RegistrySnapshot before = Snapshot(HKEY_CURRENT_USER, classes);

    ASSERT_HRESULT_SUCCEEDED(install(TRUE, L"user"));
    ExpectRegistered(HKEY_CURRENT_USER, classes);

    ASSERT_HRESULT_SUCCEEDED(install(FALSE, L"user"));
    const RegistrySnapshot after = Snapshot(HKEY_CURRENT_USER, classes);
    EXPECT_TRUE(after == before) << "left behind:\n" << Difference(after, before) << "taken away:\n"
                                 << Difference(before, after);
    ExpectUnregistered(HKEY_CURRENT_USER, classes);
}

TEST(VantorRegistration, Regsvr32RegistersMachineWideAndTheClassIsCreatedByName) {
    ASSERT_NE(LoadRegisteredVantor(), nullptr);
    const std::wstring classes = L"Software\\Classes";

    ASSERT_EQ(RunRegsvr32(L"/s /u \"" + VantorPath() + L"\""), 0u);
    ExpectUnregistered(HKEY_LOCAL_MACHINE, classes);
    CLSID clsid;
    EXPECT_HRESULT_FAILED(CLSIDFromProgID(kScreenShotProgId, &clsid));

    ASSERT_EQ(RunRegsvr32(L"/s \"" + VantorPath() + L"\""), 0u);
    ExpectRegistered(HKEY_LOCAL_MACHINE, classes);
    ScreenShotForm form;
    EXPECT_NE(form.Control().Dispatch(), nullptr);
}

}  // namespace
