#include "wine/installer/installed_product.h"

#include <shlobj.h>
#include <wrl/client.h>

#include <memory>

namespace quendar::test {

namespace {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR raw = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(id, 0, nullptr, &raw);
  std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(raw, &::CoTaskMemFree);
  return SUCCEEDED(result) ? std::filesystem::path(raw) : std::filesystem::path();
}

class ComSession {
 public:
  ComSession() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComSession() {
    if (ok_) ::CoUninitialize();
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

 private:
  bool ok_;
};

}  // namespace

InstalledProduct::InstalledProduct()
    : folder_(KnownFolder(FOLDERID_LocalAppData) / L"Programs" / L"QUENDAR 2017"),
      shortcut_(KnownFolder(FOLDERID_Programs) / L"QUENDAR 2017.lnk") {}

void InstalledProduct::Forget() const {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  std::filesystem::remove(shortcut_, ignored);
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue);
}

DWORD InstalledProduct::Install(const std::wstring& arguments) const {
  ProgramProcess setup(SetupExePath(), arguments);
  return setup.started() ? setup.WaitForExit(60s) : ::GetLastError();
}

bool InstalledProduct::Uninstall(const std::wstring& arguments) const {
  ProgramProcess process(uninstaller().wstring(), arguments);
  if (!process.started() || process.WaitForExit(30s) != 0) return false;
  return WaitFor([] { return !UserString(kUninstallKey, L"DisplayName"); }, 30s);
}

std::optional<std::filesystem::path> InstalledProduct::ShortcutTarget() const {
  ComSession com;
  Microsoft::WRL::ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) {
    return std::nullopt;
  }
  Microsoft::WRL::ComPtr<IPersistFile> file;
  if (FAILED(link.As(&file)) || FAILED(file->Load(shortcut_.c_str(), STGM_READ))) return std::nullopt;
  wchar_t target[MAX_PATH] = {};
  if (link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) != S_OK) return std::nullopt;
  return std::filesystem::path(target);
}

std::optional<std::wstring> UserString(const wchar_t* key, const wchar_t* value) {
  DWORD bytes = 0;
  if (::RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(bytes / sizeof(wchar_t), L'\0');
  if (::RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(bytes / sizeof(wchar_t) - 1);
  return text;
}

std::optional<DWORD> UserDword(const wchar_t* key, const wchar_t* value) {
  DWORD data = 0;
  DWORD bytes = sizeof(data);
  if (::RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_DWORD, nullptr, &data, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

bool MachineKeyExists(const wchar_t* key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

std::string EmbeddedManifest(const std::filesystem::path& exe) {
  const UniqueModule module = LoadResourceModule(exe);
  if (!module) return {};
  HRSRC resource = ::FindResourceW(module.get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
  if (resource == nullptr) return {};
  HGLOBAL loaded = ::LoadResource(module.get(), resource);
  const auto* data = static_cast<const char*>(::LockResource(loaded));
  return data == nullptr ? std::string() : std::string(data, ::SizeofResource(module.get(), resource));
}

}  // namespace quendar::test
