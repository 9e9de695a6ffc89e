#pragma once
// Shrinking a skin image to the device size of its place (a double-size drawing at 125 or 150 %) by area
// averaging: each target pixel is the mean of the source area it covers, pixels cut by its edge weighted
// by their share. That is the ideal filter for shrinking (no ringing, no moire, nothing read past an edge),
// and it is done once per image and size.
#include <cstdint>
#include <span>
#include <vector>

#include "core/ui/draw/pixels.h"
#include "core/ui/geometry.h"

namespace quendar::ui {

// `pixels`: `from.width * from.height` premultiplied pixels, rows top-down. `to` must not be larger than
// `from` in either direction (empty result otherwise, or for an empty size); the same size copies.
std::vector<Argb> ShrinkByArea(std::span<const Argb> pixels, Size from, Size to);

}  // namespace quendar::ui
