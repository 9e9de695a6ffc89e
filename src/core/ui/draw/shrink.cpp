#include "core/ui/draw/shrink.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quendar::ui {

namespace {

// The source pixels one target pixel covers along one axis, with the share of each.
struct Span {
  int first = 0;
  std::vector<float> weights;  // sum to 1
};

std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  // In units of 1/(from*to): target pixel t covers source [t*from, (t+1)*from) over `to`, exactly.
  for (int t = 0; t < to; ++t) {
    const long long begin = static_cast<long long>(t) * from;
    const long long end = begin + from;
    Span& span = spans[static_cast<std::size_t>(t)];
    span.first = static_cast<int>(begin / to);
    for (long long s = span.first; s * to < end; ++s) {
      const long long overlap = std::min(end, (s + 1) * to) - std::max(begin, s * to);
      span.weights.push_back(static_cast<float>(overlap) / static_cast<float>(from));
    }
  }
  return spans;
}

using Channels = std::array<float, 4>;  // a, r, g, b

Channels Split(Argb p) {
  return {static_cast<float>(AlphaOf(p)), static_cast<float>(RedOf(p)), static_cast<float>(GreenOf(p)),
          static_cast<float>(BlueOf(p))};
}

Argb Join(const Channels& c) {
  const auto step = [](float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  const std::uint8_t a = step(c[0]);
  // A mean of premultiplied pixels is premultiplied; rounding must not lift a colour above its alpha.
  return MakeArgb(a, std::min(a, step(c[1])), std::min(a, step(c[2])), std::min(a, step(c[3])));
}

}  // namespace

std::vector<Argb> ShrinkByArea(std::span<const Argb> pixels, Size from, Size to) {
  if (to.width <= 0 || to.height <= 0 || to.width > from.width || to.height > from.height ||
      pixels.size() != static_cast<std::size_t>(from.width) * static_cast<std::size_t>(from.height)) {
    return {};
  }
  if (to == from) return {pixels.begin(), pixels.end()};
  const std::vector<Span> columns = Spans(from.width, to.width);
  const std::vector<Span> rows = Spans(from.height, to.height);
  // Rows first, one source row at a time, into a float image `to.width` wide; then the columns.
  std::vector<Channels> narrow(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(from.height));
  for (int y = 0; y < from.height; ++y) {
    const Argb* source = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(from.width);
    Channels* target = narrow.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(to.width);
    for (int x = 0; x < to.width; ++x) {
      const Span& span = columns[static_cast<std::size_t>(x)];
      Channels sum{};
      for (std::size_t i = 0; i < span.weights.size(); ++i) {
        const Channels c = Split(source[span.first + static_cast<int>(i)]);
        for (int k = 0; k < 4; ++k) sum[static_cast<std::size_t>(k)] += c[static_cast<std::size_t>(k)] * span.weights[i];
      }
      target[x] = sum;
    }
  }
  std::vector<Argb> out(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(to.height));
  for (int y = 0; y < to.height; ++y) {
    const Span& span = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < to.width; ++x) {
      Channels sum{};
      for (std::size_t i = 0; i < span.weights.size(); ++i) {
        const Channels& c = narrow[static_cast<std::size_t>(span.first + static_cast<int>(i)) * to.width + x];
        for (int k = 0; k < 4; ++k) sum[static_cast<std::size_t>(k)] += c[static_cast<std::size_t>(k)] * span.weights[i];
      }
      out[static_cast<std::size_t>(y) * static_cast<std::size_t>(to.width) + static_cast<std::size_t>(x)] = Join(sum);
    }
  }
  return out;
}

}  // namespace quendar::ui
