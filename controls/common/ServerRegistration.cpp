#include "ServerRegistration.h"

#include "ComPtr.h"
#include "ControlClass.h"
#include "ControlModule.h"
#include "PathRoutines.h"
#include "ScopedHandle.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <vector>

namespace {

// PSOAInterface: the automation marshaler for dual interfaces and dispinterfaces.
constexpr wchar_t kAutomationProxy[] = L"{00020424-0000-0000-C000-000000000046}";

#if defined(_WIN64)
constexpr wchar_t kTypeLibPlatform[] = L"win64";
#else
constexpr wchar_t kTypeLibPlatform[] = L"win32";
#endif

struct RegistryValue {
    std::wstring key;
    std::wstring name;  // empty: the key's default value
    std::wstring data;
};

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring VersionText(WORD major, WORD minor) {
    return std::to_wstring(major) + L"." + std::to_wstring(minor);
}

HKEY ScopeRoot(RegistrationScope scope) {
    return scope == RegistrationScope::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

struct TypeLibFacts {
    std::wstring name;
    struct Interface {
        std::wstring iid;
        std::wstring name;
    };
    std::vector<Interface> interfaces;
};

TypeLibFacts ReadTypeLib(const std::wstring& modulePath) {
    TypeLibFacts facts;
    ComPtr<ITypeLib> lib;
    if (FAILED(LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, &lib))) return facts;
    BSTR name = nullptr;
    if (SUCCEEDED(lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr)) && name) facts.name = name;
    SysFreeString(name);
    for (UINT i = 0, n = lib->GetTypeInfoCount(); i < n; ++i) {
        TYPEKIND kind;
        if (FAILED(lib->GetTypeInfoType(i, &kind)) || (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH)) continue;
        ComPtr<ITypeInfo> info;
        TYPEATTR* attr = nullptr;
        if (FAILED(lib->GetTypeInfo(i, &info)) || FAILED(info->GetTypeAttr(&attr))) continue;
        BSTR typeName = nullptr;
        lib->GetDocumentation(static_cast<INT>(i), &typeName, nullptr, nullptr, nullptr);
        facts.interfaces.push_back({GuidText(attr->guid), typeName ? typeName : L""});
        SysFreeString(typeName);
        info->ReleaseTypeAttr(attr);
    }
    return facts;
}

// Every key and value registration writes, below the classes root.
std::vector<RegistryValue> RegistrationValues() {
    const ControlLibraryInfo& library = ThisControlLibrary();
    const std::wstring modulePath = ControlModulePath();
    const std::wstring libId = GuidText(*library.libId);
    const std::wstring version = VersionText(library.majorVersion, library.minorVersion);
    std::vector<RegistryValue> values;
    for (const ControlClassInfo& info : library.classes) {
        const std::wstring clsidKey = L"CLSID\\" + GuidText(*info.clsid);
        values.push_back({clsidKey, L"", info.description});
        values.push_back({clsidKey + L"\\InprocServer32", L"", modulePath});
        values.push_back({clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"});
        values.push_back({clsidKey + L"\\ProgID", L"", info.progId});
        values.push_back({clsidKey + L"\\Control", L"", L""});
        values.push_back({clsidKey + L"\\MiscStatus", L"", L"0"});
        values.push_back({clsidKey + L"\\MiscStatus\\1", L"", std::to_wstring(info.miscStatus)});
        values.push_back({clsidKey + L"\\TypeLib", L"", libId});
        values.push_back({clsidKey + L"\\Version", L"", version});
        values.push_back({info.progId, L"", info.description});
        values.push_back({std::wstring(info.progId) + L"\\CLSID", L"", GuidText(*info.clsid)});
    }
    const TypeLibFacts typeLib = ReadTypeLib(modulePath);
    const std::wstring libKey = L"TypeLib\\" + libId + L"\\" + version;
    values.push_back({libKey, L"", typeLib.name});
    values.push_back({libKey + L"\\0\\" + kTypeLibPlatform, L"", modulePath});
    values.push_back({libKey + L"\\FLAGS", L"", L"0"});
    values.push_back({libKey + L"\\HELPDIR", L"", PathFolderPart(modulePath)});
    for (const TypeLibFacts::Interface& itf : typeLib.interfaces) {
        const std::wstring key = L"Interface\\" + itf.iid;
        values.push_back({key, L"", itf.name});
        values.push_back({key + L"\\ProxyStubClsid", L"", kAutomationProxy});
        values.push_back({key + L"\\ProxyStubClsid32", L"", kAutomationProxy});
        values.push_back({key + L"\\TypeLib", L"", libId});
        values.push_back({key + L"\\TypeLib", L"Version", version});
    }
    return values;
}

// The trees registration owns; unregistering deletes each of them whole.
std::vector<std::wstring> OwnedTrees() {
    const ControlLibraryInfo& library = ThisControlLibrary();
    const std::wstring libId = GuidText(*library.libId);
    std::vector<std::wstring> trees;
    for (const ControlClassInfo& info : library.classes) {
        trees.push_back(L"CLSID\\" + GuidText(*info.clsid));
        trees.push_back(info.progId);
    }
    trees.push_back(L"TypeLib\\" + libId + L"\\" + VersionText(library.majorVersion, library.minorVersion));
    for (const TypeLibFacts::Interface& itf : ReadTypeLib(ControlModulePath()).interfaces)
        trees.push_back(L"Interface\\" + itf.iid);
    return trees;
}

LONG WriteValue(HKEY classes, const RegistryValue& value) {
    RegKey key;
    LONG result = RegCreateKeyExW(classes, value.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, key.Receive(), nullptr);
    if (result != ERROR_SUCCESS) return result;
    if (value.name.empty() && value.data.empty()) return ERROR_SUCCESS;  // a key without a value
    return RegSetValueExW(key.Get(), value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.data.c_str()),
                          static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t)));
}

bool KeyIsEmpty(HKEY parent, const std::wstring& name) {
    RegKey key;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subkeys == 0 && values == 0;
}

// Removes a container key ("CLSID", "TypeLib\{lib}") that registration may have created
// and that holds nothing any more.
void RemoveIfEmpty(HKEY classes, const std::wstring& name) {
    if (KeyIsEmpty(classes, name)) RegDeleteKeyW(classes, name.c_str());
}

class ClassesRoot {
public:
    ClassesRoot(RegistrationScope scope, bool create) {
        result_ = create ? RegCreateKeyExW(ScopeRoot(scope), L"Software\\Classes", 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, key_.Receive(), nullptr)
                         : RegOpenKeyExW(ScopeRoot(scope), L"Software\\Classes", 0, KEY_ALL_ACCESS, key_.Receive());
    }
    HKEY Get() const { return key_.Get(); }
    LONG Result() const { return result_; }

private:
    RegKey key_;
    LONG result_;
};

}  // namespace

HRESULT RegisterControlLibrary(RegistrationScope scope) {
    ClassesRoot classes(scope, true);
    if (classes.Result() != ERROR_SUCCESS) return HRESULT_FROM_WIN32(classes.Result());
    for (const RegistryValue& value : RegistrationValues()) {
        LONG result = WriteValue(classes.Get(), value);
        if (result != ERROR_SUCCESS) {
            UnregisterControlLibrary(scope);  // never leave half a registration behind
            return result == ERROR_ACCESS_DENIED ? SELFREG_E_CLASS : HRESULT_FROM_WIN32(result);
        }
    }
    return S_OK;
}

HRESULT UnregisterControlLibrary(RegistrationScope scope) {
    ClassesRoot classes(scope, false);
    if (classes.Result() == ERROR_FILE_NOT_FOUND) return S_OK;
    if (classes.Result() != ERROR_SUCCESS) return HRESULT_FROM_WIN32(classes.Result());
    LONG failure = ERROR_SUCCESS;
    for (const std::wstring& tree : OwnedTrees()) {
        LONG result = RegDeleteTreeW(classes.Get(), tree.c_str());
        if (result == ERROR_SUCCESS) result = RegDeleteKeyW(classes.Get(), tree.c_str());
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) failure = result;
    }
    RemoveIfEmpty(classes.Get(), L"TypeLib\\" + GuidText(*ThisControlLibrary().libId));
    for (const wchar_t* container : {L"CLSID", L"TypeLib", L"Interface"}) RemoveIfEmpty(classes.Get(), container);
    return failure == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(failure);
}

RegistrationScope ScopeOfInstallCommand(const wchar_t* commandLine) {
    if (commandLine && CompareStringOrdinal(commandLine, -1, L"user", -1, TRUE) == CSTR_EQUAL)
        return RegistrationScope::User;
    return RegistrationScope::Machine;
}
