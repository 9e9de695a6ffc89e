// The pixel arithmetic, the thumb's drag rule and the PNG header reader of the drawing layer.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <variant>

#include "core/ui/draw/pixels.h"
#include "core/ui/draw/png_size.h"
#include "core/ui/draw/skin_image_size.h"
#include "core/ui/draw/thumb_drag.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui {
namespace {

TEST(DrawingPixels, PremultiplyFloorsEachColourAndKeepsAlpha) {
  const std::pair<Argb, Argb> cases[] = {  // {straight, premultiplied}
      {MakeArgb(128, 255, 0, 0), MakeArgb(128, 128, 0, 0)},  // 255 x 128 / 255 is 128 exactly
      {MakeArgb(127, 255, 200, 3), MakeArgb(127, 127, 99, 1)},  // floor(200 x 127 / 255) = 99
      {MakeArgb(127, 255, 255, 1), MakeArgb(127, 127, 127, 0)}, {MakeArgb(0, 255, 255, 255), MakeArgb(0, 0, 0, 0)},
      {MakeArgb(255, 12, 34, 56), MakeArgb(255, 12, 34, 56)},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Premultiply(in), out) << std::hex << in;
}

TEST(DrawingPixels, ColourMatricesOnSamplePixels) {
  const std::tuple<const ColorMatrix*, Argb, Argb> cases[] = {
      // Hover: x 1.05 + 0.05 (of 255, i.e. + 12.75), clamped at 255; alpha unchanged.
      {&kHoverMatrix, MakeArgb(200, 100, 0, 255), MakeArgb(200, 118, 13, 255)},
      {&kHoverMatrix, MakeArgb(0, 240, 20, 40), MakeArgb(0, 255, 34, 55)},
      // Grey: 0.3 r + 0.59 g + 0.11 b on every channel.
      {&kGreyMatrix, MakeArgb(255, 200, 0, 0), MakeArgb(255, 60, 60, 60)},
      {&kGreyMatrix, MakeArgb(90, 232, 32, 48), MakeArgb(90, 94, 94, 94)},
      {&kGreyMatrix, MakeArgb(255, 255, 255, 255), MakeArgb(255, 255, 255, 255)},
  };
  for (const auto& [matrix, in, out] : cases) EXPECT_EQ(ApplyColorMatrix(*matrix, in), out) << std::hex << in;
}

// The thumb's limits are its track's: a refused move leaves it, and the next move counts from the pointer's
// last position, not from where the thumb stopped.
TEST(ThumbDrag, MovesOnlyInsideTheTrackAndFollowsThePointerFromItsLastPosition) {
  const ThumbTrack track;
  const Rect thumb = Rect::At({984, 100}, {8, 114});
  const std::tuple<Rect, int, std::optional<int>> moves[] = {
      {thumb, -68, 32}, {thumb, -69, std::nullopt},   // top 32 allowed, 31 refused
      {thumb, 381, 481}, {thumb, 382, std::nullopt},  // bottom 595 allowed, 596 refused
      {thumb.Offset(1, 0), 5, std::nullopt},          // not in the track's column
  };
  for (const auto& [from, dy, top] : moves) EXPECT_EQ(ThumbTopAfterMove(track, from, dy), top) << dy;

  ThumbDrag drag;
  const Rect at40 = Rect::At({984, 40}, {8, 114});
  EXPECT_EQ(drag.Move({0, 500}, at40), std::nullopt) << "no drag before a press";
  drag.Press({5, 300});
  EXPECT_EQ(drag.Move({5, 290}, at40), std::nullopt) << "top 30 is above the track";
  const std::optional<int> top = drag.Move({5, 295}, at40);
  EXPECT_EQ(top, 45) << "5 down from the refused position";
  drag.Release();
  EXPECT_EQ(drag.Move({5, 400}, Rect::At({984, 45}, {8, 114})), std::nullopt) << "released";
}

TEST(DrawingPngSize, ReadsTheHeaderAndRefusesWhatIsNoPng) {
  const std::array<std::uint8_t, 24> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                         0,    0,   0x03, 0xE8, 0, 0, 0x02, 0x80};
  EXPECT_EQ(std::get<Size>(ReadPngSize(png)), (Size{1000, 640}));
  std::array<std::uint8_t, 24> zeroWide = png;
  zeroWide[18] = zeroWide[19] = 0;
  EXPECT_TRUE(std::holds_alternative<PngSizeError>(ReadPngSize(zeroWide)));
  EXPECT_TRUE(std::holds_alternative<PngSizeError>(ReadPngSize(std::span(png).first(20))));
  EXPECT_TRUE(std::holds_alternative<PngSizeError>(ReadPngSize(std::filesystem::path("no/such/file.png"))));
}

TEST(DrawingPngSize, SkinFilesMeasureWhatTheirNamesAreKnownBy) {
  const std::string folder = std::string(QUENDAR_RUNTIME_DIR) + "/Skins/" + std::string(skin::kSkinFolder);
  for (const char* name : {"/main.png", "/DPISetting/DPIStage/12.png", "/Mouse/Side/S-7-over.png"}) {
    const PngSizeResult measured = ReadPngSize(std::filesystem::path(folder + name));
    ASSERT_TRUE(std::holds_alternative<Size>(measured)) << name << ": " << std::get<PngSizeError>(measured).what;
    EXPECT_EQ(SkinImageSize(name), std::get<Size>(measured)) << name;
  }
  EXPECT_EQ(SkinImageSize("/DPISetting/DPIStage/999.png"), std::nullopt);
  EXPECT_EQ(SkinImageSize("/nothing.png"), std::nullopt);
}

}  // namespace
}  // namespace quendar::ui
