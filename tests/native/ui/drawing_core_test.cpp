// The drawing layer's pixel arithmetic, thumb drag rule and PNG header reader; the skinned dialogs' button
// hover and the help panel's clicks; the language a stored code selects.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <variant>
#include <vector>

#include "core/ui/draw/image_button_hover.h"
#include "core/ui/draw/pixels.h"
#include "core/ui/draw/png_size.h"
#include "core/ui/draw/shrink.h"
#include "core/ui/draw/skin_image_size.h"
#include "core/ui/draw/thumb_drag.h"
#include "core/ui/help/help_panel.h"
#include "core/ui/interface_language.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui {
namespace {

TEST(DrawingPixels, PremultiplyFloorsEachColourAndMatricesClampAndKeepAlpha) {
  const std::pair<Argb, Argb> cases[] = {  // {straight, premultiplied}
      {MakeArgb(128, 255, 0, 0), MakeArgb(128, 128, 0, 0)},  // 255 x 128 / 255 is 128 exactly
      {MakeArgb(127, 255, 200, 3), MakeArgb(127, 127, 99, 1)},  // floor(200 x 127 / 255) = 99
      {MakeArgb(127, 255, 255, 1), MakeArgb(127, 127, 127, 0)}, {MakeArgb(0, 255, 255, 255), MakeArgb(0, 0, 0, 0)},
      {MakeArgb(255, 12, 34, 56), MakeArgb(255, 12, 34, 56)},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Premultiply(in), out) << std::hex << in;
  const std::tuple<const ColorMatrix*, Argb, Argb> matrixCases[] = {
      // Hover: x 1.05 + 0.05 (of 255, i.e. + 12.75), clamped at 255; alpha unchanged.
      {&kHoverMatrix, MakeArgb(200, 100, 0, 255), MakeArgb(200, 118, 13, 255)},
      {&kHoverMatrix, MakeArgb(0, 240, 20, 40), MakeArgb(0, 255, 34, 55)},
      // Grey: 0.3 r + 0.59 g + 0.11 b on every channel.
      {&kGreyMatrix, MakeArgb(255, 200, 0, 0), MakeArgb(255, 60, 60, 60)},
      {&kGreyMatrix, MakeArgb(90, 232, 32, 48), MakeArgb(90, 94, 94, 94)},
      {&kGreyMatrix, MakeArgb(255, 255, 255, 255), MakeArgb(255, 255, 255, 255)},
  };
  for (const auto& [matrix, in, out] : matrixCases) EXPECT_EQ(ApplyColorMatrix(*matrix, in), out) << std::hex << in;
}

// The thumb's limits are its track's: a refused move leaves it, and the next move counts from the pointer's
// last position, not from where the thumb stopped.
// A double-size drawing shrunk to 150 % or 125 %: each pixel the mean of the area it covers, a source pixel
// cut in two shared by its share; transparent stays transparent, opaque stays opaque.
TEST(DrawingPixels, ShrinkByAreaAveragesWhatEachPixelCovers) {
  const Argb white = MakeArgb(255, 255, 255, 255);
  const Argb black = MakeArgb(255, 0, 0, 0);
  const Argb clear = 0;
  // 3 -> 2 across: the middle source pixel is shared half and half; down the rows 2 -> 2 copies.
  const std::vector<Argb> row = {white, black, white, clear, white, clear};
  EXPECT_EQ(ShrinkByArea(row, {3, 2}, {2, 2}),
            (std::vector<Argb>{MakeArgb(255, 170, 170, 170), MakeArgb(255, 170, 170, 170),  // (255 + 127.5) / 1.5
                               MakeArgb(85, 85, 85, 85), MakeArgb(85, 85, 85, 85)}));         // premultiplied mean
  // 4 x 4 -> 2 x 2: block means.
  std::vector<Argb> blocks(16, white);
  for (int y = 2; y < 4; ++y)
    for (int x = 0; x < 4; ++x) blocks[static_cast<std::size_t>(y * 4 + x)] = x < 2 ? black : clear;
  EXPECT_EQ(ShrinkByArea(blocks, {4, 4}, {2, 2}), (std::vector<Argb>{white, white, black, clear}));
  // 5 -> 4 (125 % of a 2x drawing at 160 %): weights 0.8/0.2, 0.6/0.4, ... sum to one, so a flat image stays flat.
  const std::vector<Argb> flat(5, MakeArgb(200, 100, 50, 10));
  EXPECT_EQ(ShrinkByArea(flat, {5, 1}, {4, 1}), std::vector<Argb>(4, MakeArgb(200, 100, 50, 10)));
  EXPECT_EQ(ShrinkByArea(flat, {5, 1}, {5, 1}), flat);
  EXPECT_TRUE(ShrinkByArea(flat, {5, 1}, {6, 1}).empty()) << "never enlarges";
  EXPECT_TRUE(ShrinkByArea(flat, {4, 1}, {2, 1}).empty()) << "the pixels must be the size they claim";
}

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

// The skinned dialogs' image-button hover (the lit images on screen are the skinned dialog's Wine test), and
// the help panel's clicks.
const std::vector<Rect> kButtons{Rect::At({100, 200}, {57, 30}), Rect::At({200, 200}, {57, 30})};
constexpr Point kOff{10, 10}, kOnFirst{110, 210}, kOnSecond{210, 210};

TEST(ImageButtonHover, LightsOnHoverAndPutsBackOnMoveOffOrLeave) {
  DialogHotFlags flags;
  ImageButtonHover hover(kButtons, flags.For(DialogKind::SingleKeyCapture, kButtons.size()));
  const std::tuple<const char*, HoverStep, HoverStep> steps[] = {  // {what, actual, expected}
      {"move off the buttons", hover.MouseMove(kOff), {}},
      {"move onto a button asks for the hover notice", hover.MouseMove(kOnFirst), {true, std::nullopt, {}}},
      {"hover lights it", hover.Hover(kOnFirst), {false, 0, {}}},
      {"moving to the other button only asks", hover.MouseMove(kOnSecond), {true, std::nullopt, {}}},
      {"hover there swaps the lit button", hover.Hover(kOnSecond), {false, 1, {0}}},
      {"move off puts it back", hover.MouseMove(kOff), {false, std::nullopt, {1}}},
      {"nothing left to put back", hover.MouseMove(kOff), {}},
      {"hover again", hover.Hover(kOnFirst), {false, 0, {}}},
      {"leaving the window puts it back", hover.Leave(), {false, std::nullopt, {0}}},
  };
  for (const auto& [what, actual, expected] : steps) EXPECT_EQ(actual, expected) << what;
}

TEST(ImageButtonHover, DialogsOfOneKindShareTheirFlags) {
  DialogHotFlags flags;
  ImageButtonHover first(kButtons, flags.For(DialogKind::ComboKeyCapture, kButtons.size()));
  ImageButtonHover second(kButtons, flags.For(DialogKind::ComboKeyCapture, kButtons.size()));
  ImageButtonHover other(kButtons, flags.For(DialogKind::Help, kButtons.size()));
  first.Hover(kOnSecond);
  EXPECT_TRUE(second.hot(1));
  EXPECT_FALSE(other.hot(1)) << "another kind has flags of its own";
  // The second window never showed the lit image, so its hover lights the button although the flag is set.
  EXPECT_EQ(second.Hover(kOnSecond), (HoverStep{false, 1, {}}));
  EXPECT_EQ(second.MouseMove(kOff), (HoverStep{false, std::nullopt, {1}}));
  EXPECT_FALSE(first.hot(1));
}

TEST(HelpPanel, TheAddressStaysOpenEveryButtonCloses) {
  using A = help::HelpAction;
  const std::pair<Point, A> clicks[] = {
      {{0, 0}, A::OpenAddress}, {{165, 24}, A::OpenAddress}, {{166, 10}, A::None},    {{80, 60}, A::None},
      {{250, 250}, A::Close},   {{371, 274}, A::Close},      {{360, 10}, A::Close},   {{372, 262}, A::None},
      {{200, 200}, A::None},
  };
  for (const auto& [point, action] : clicks) EXPECT_EQ(help::ActionFor(help::HitTest(point)), action) << point.x;
}

// Which language the stored code selects.
TEST(ClassifyLanguage, OnlyTheExactCodesAreChinese) {
  EXPECT_EQ(ClassifyLanguage(L"CHS"), LanguageClass::SimplifiedChinese);
  EXPECT_EQ(ClassifyLanguage(L"CHT"), LanguageClass::TraditionalChinese);
  for (const wchar_t* other : {L"", L"chs", L"CHS ", L" CHS", L"Cht", L"CHT\t", L"EN", L"CH"}) {
    EXPECT_EQ(ClassifyLanguage(other), LanguageClass::English) << std::wstring(other).size();
  }
  EXPECT_EQ(ClassifyLanguage(std::wstring_view(L"CHS\0x", 5)), LanguageClass::English);
  EXPECT_EQ(InterfaceLanguage(L"cht").settingsSection(), L"Setting-EN");
}

}  // namespace
}  // namespace quendar::ui
