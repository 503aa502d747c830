#include "resources/gen/Canvas.h"

#include <cstdlib>
#include <sstream>

namespace resgen {

Canvas::Canvas(int width, int height, char background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), background) {
  palette_[' '] = "None";
}

void Canvas::Set(int x, int y, char c) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_)
    pixels_[static_cast<size_t>(y * width_ + x)] = c;
}

void Canvas::Line(int x0, int y0, int x1, int y1, char c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::Rect(int x, int y, int w, int h, char c) {
  Line(x, y, x + w - 1, y, c);
  Line(x, y + h - 1, x + w - 1, y + h - 1, c);
  Line(x, y, x, y + h - 1, c);
  Line(x + w - 1, y, x + w - 1, y + h - 1, c);
}

void Canvas::Fill(int x, int y, int w, int h, char c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::Ellipse(int cx, int cy, int rx, int ry, char c, bool filled) {
  // Every pixel whose centre lies inside; the outline is the inside pixels
  // with an outside neighbour.
  auto inside = [&](int x, int y) {
    const double u = (x - cx) / (rx + 0.5), v = (y - cy) / (ry + 0.5);
    return u * u + v * v <= 1.0;
  };
  for (int y = cy - ry; y <= cy + ry; ++y)
    for (int x = cx - rx; x <= cx + rx; ++x)
      if (inside(x, y) && (filled || !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                           !inside(x, y + 1)))
        Set(x, y, c);
}

void Canvas::Blit(const Canvas& from, int x, int y) {
  for (const auto& [key, colour] : from.palette_) palette_[key] = colour;
  for (int j = 0; j < from.height_; ++j)
    for (int i = 0; i < from.width_; ++i) {
      const char c = from.pixels_[static_cast<size_t>(j * from.width_ + i)];
      if (c != ' ') Set(x + i, y + j, c);
    }
}

std::string Canvas::Xpm(const std::string& name) const {
  std::map<char, std::string> used;
  for (char c : pixels_) used[c] = palette_.count(c) ? palette_.at(c) : "#FF00FF";
  std::ostringstream out;
  out << "/* XPM */\nstatic const char *" << name << "[] = {\n";
  out << "\"" << width_ << " " << height_ << " " << used.size() << " 1\",\n";
  for (const auto& [key, colour] : used) out << "\"" << key << " c " << colour << "\",\n";
  for (int y = 0; y < height_; ++y) {
    out << "\""
        << std::string(&pixels_[static_cast<size_t>(y * width_)], static_cast<size_t>(width_))
        << "\"" << (y + 1 < height_ ? "," : "") << "\n";
  }
  out << "};\n";
  return out.str();
}

}  // namespace resgen
