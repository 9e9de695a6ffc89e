// Both programs carry the scroll thumb as PNG resource 184 of type "PNG", byte for byte the committed image.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/ui/skin_manifest.h"
#include "win32/app/resource_ids.h"
#include "win32/framework/unique_handle.h"
#include "wine/wine_test_support.h"

namespace quendar::test {
namespace {

struct LoadedModuleTraits {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static bool IsValid(Type h) { return h != nullptr; }
  static void Close(Type h) { ::FreeLibrary(h); }
};
using UniqueModule = win32::UniqueHandle<LoadedModuleTraits>;

std::vector<char> CommittedThumb() {
  std::ifstream in(std::string(QUENDAR_SOURCE_DIR) + "/" + std::string(ui::skin::kScrollThumbSourcePath), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectThumbResource(const std::wstring& exe) {
  UniqueModule module(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_TRUE(module.valid()) << "cannot load the program as a resource module";
  HRSRC info = ::FindResourceW(module.get(), MAKEINTRESOURCEW(IDR_SCROLL_THUMB_PNG), L"PNG");
  ASSERT_NE(info, nullptr) << "no resource 184 of type PNG";
  HGLOBAL loaded = ::LoadResource(module.get(), info);
  ASSERT_NE(loaded, nullptr);
  const auto* bytes = static_cast<const char*>(::LockResource(loaded));
  const std::vector<char> resource(bytes, bytes + ::SizeofResource(module.get(), info));
  const auto committed = CommittedThumb();
  ASSERT_FALSE(committed.empty());
  EXPECT_EQ(resource, committed) << "the built-in thumb is not the committed image";
}

TEST(SkinResources, RealProgramCarriesTheScrollThumb) { ExpectThumbResource(AppExePath()); }

TEST(SkinResources, DemoProgramCarriesTheScrollThumb) { ExpectThumbResource(DemoExePath()); }

}  // namespace
}  // namespace quendar::test
