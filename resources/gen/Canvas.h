#pragma once
// A small pixel canvas for the program's pictograms: whole pixels only (no
// smoothing), so the pictures come out the same on every machine, written
// as XPM text, which the window layer reads.

#include <map>
#include <string>
#include <vector>

namespace resgen {

class Canvas {
 public:
  Canvas(int width, int height, char background = ' ');
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Colours are palette characters; Colour() names them for the XPM.
  void Colour(char key, const std::string& xpmColour) { palette_[key] = xpmColour; }
  void Set(int x, int y, char c);
  void Line(int x0, int y0, int x1, int y1, char c);
  void Rect(int x, int y, int w, int h, char c);  // outline
  void Fill(int x, int y, int w, int h, char c);
  void Ellipse(int cx, int cy, int rx, int ry, char c, bool filled = false);
  // A curve through the integer x of [x0, x1] at y = f(x), joined by lines.
  template <class F>
  void Curve(int x0, int x1, F f, char c) {
    int lastY = f(x0);
    for (int x = x0 + 1; x <= x1; ++x) {
      const int y = f(x);
      Line(x - 1, lastY, x, y, c);
      lastY = y;
    }
  }
  void Blit(const Canvas& from, int x, int y);  // transparent (' ') pixels are skipped

  std::string Xpm(const std::string& name) const;

 private:
  int width_, height_;
  std::vector<char> pixels_;
  std::map<char, std::string> palette_;
};

// The picture of a name as the inventory gives it (toolbar pictures are
// named "cmd-<command id>"), or an empty canvas when there is none.
bool Picture(const std::string& name, int width, int height, Canvas& out);

}  // namespace resgen
