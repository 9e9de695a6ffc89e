// Both programs carry the scroll thumb as PNG resource 184 of type "PNG", byte for byte the committed image.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/ui/skin_manifest.h"
#include "win32/res/resource_ids.h"
#include "wine/harness/program.h"

namespace quendar::test {
namespace {

void ExpectThumbResource(const std::wstring& exe) {
  const UniqueModule module = LoadResourceModule(exe);
  ASSERT_TRUE(module.valid()) << "cannot load the program as a resource module";
  HRSRC info = ::FindResourceW(module.get(), MAKEINTRESOURCEW(IDR_SCROLL_THUMB_PNG), L"PNG");
  ASSERT_NE(info, nullptr) << "no resource 184 of type PNG";
  HGLOBAL loaded = ::LoadResource(module.get(), info);
  ASSERT_NE(loaded, nullptr);
  const auto* bytes = static_cast<const char*>(::LockResource(loaded));
  const std::string resource(bytes, ::SizeofResource(module.get(), info));
  const std::string committed =
      FileBytes(std::string(QUENDAR_SOURCE_DIR) + "/" + std::string(ui::skin::kScrollThumbSourcePath));
  ASSERT_FALSE(committed.empty());
  EXPECT_EQ(resource, committed) << "the built-in thumb is not the committed image";
}

TEST(SkinResources, BothProgramsCarryTheScrollThumb) {
  for (const std::wstring& exe : {AppExePath(), DemoExePath()}) {
    SCOPED_TRACE(std::string(exe.begin(), exe.end()));
    ExpectThumbResource(exe);
  }
}

}  // namespace
}  // namespace quendar::test
