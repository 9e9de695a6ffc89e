// The committed default skin against its manifest: every file the program can ask for is there, is an
// 8-bit RGBA PNG of the manifest's size, and every numbered family covers the whole range the panels use.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/ui/skin_manifest.h"
#include "native/skin/png_probe.h"

namespace quendar::ui::skin {
namespace {

namespace fs = std::filesystem;
using skin_test::ProbePngFile;

std::string SkinDir() { return std::string(QUENDAR_RUNTIME_DIR) + "/Skins/" + std::string(kSkinFolder); }

struct Expected {
  std::string name;
  Size size;
};

std::vector<Expected> EveryImage() {
  std::vector<Expected> all;
  for (const Image* image : kImages) all.push_back({std::string(image->name), image->size});
  for (const Family* family : kFamilies)
    for (const FamilyMember& member : family->members) all.push_back({MemberName(family->pattern, member.value), member.size});
  return all;
}

void ExpectRgbaPng(const std::string& path, Size size) {
  const auto facts = ProbePngFile(path);
  ASSERT_EQ(facts.error, "") << path;
  EXPECT_EQ(facts.width, static_cast<std::uint32_t>(size.width)) << path;
  EXPECT_EQ(facts.height, static_cast<std::uint32_t>(size.height)) << path;
  EXPECT_EQ(facts.bitDepth, 8) << path;
  EXPECT_EQ(facts.colourType, 6) << path << " is not RGBA";
  EXPECT_EQ(facts.interlace, 0) << path;
}

TEST(SkinFiles, EveryImageIsAnRgbaPngOfItsManifestSize) {
  const auto all = EveryImage();
  ASSERT_GT(all.size(), 150u);
  for (const auto& image : all) ExpectRgbaPng(SkinDir() + image.name, image.size);
}

TEST(SkinFiles, FolderHoldsNothingTheManifestDoesNotName) {
  std::set<std::string> named;
  for (const auto& image : EveryImage()) named.insert(image.name);
  const fs::path root(SkinDir());
  ASSERT_TRUE(fs::is_directory(root));
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = "/" + fs::relative(entry.path(), root).generic_string();
    EXPECT_TRUE(named.count(relative)) << relative << " is in the skin but not in the manifest";
  }
}

TEST(SkinFiles, ScrollThumbResourceIsAnRgbaBarOfItsSize) {
  ExpectRgbaPng(std::string(QUENDAR_SOURCE_DIR) + "/" + std::string(kScrollThumbSourcePath), kScrollThumbSize);
}

std::vector<int> Values(const Family& family) {
  std::vector<int> values;
  for (const FamilyMember& member : family.members) values.push_back(member.value);
  return values;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> values;
  for (int v = first; v <= last; ++v) values.push_back(v);
  return values;
}

TEST(SkinFiles, NumberedFamiliesCoverEveryValueThePanelsCanAskFor) {
  // Stage levels come from the slider (1..74); X/Y from its eleven click bands; lighting 1..6; the report
  // rate dial is named by 1000 / code; the speed dials by every level a click or a stored profile gives.
  EXPECT_EQ(Values(kCpiStageSlider), Range(1, 74));
  EXPECT_EQ(Values(kSensitivitySlider), Range(1, 11));
  EXPECT_EQ(Values(kLightingSlider), Range(1, 6));
  EXPECT_EQ(Values(kReportRateDial), (std::vector<int>{125, 250, 500, 1000}));
  EXPECT_EQ(Values(kSpeedDial), Range(1, 12));
  EXPECT_EQ(Values(kAngleSnapSwitch), Range(0, 1));
  for (const Family* overlay : {&kFrontOverlayNormal, &kFrontOverlayOver, &kSideOverlayNormal, &kSideOverlayOver})
    EXPECT_EQ(Values(*overlay), Range(1, 7)) << overlay->pattern;
  for (const Family* overlay : {&kBackOverlayNormal, &kBackOverlayOver})
    EXPECT_EQ(Values(*overlay), (std::vector<int>{4, 5})) << overlay->pattern;
}

}  // namespace
}  // namespace quendar::ui::skin
