// The program's own pictures: toolbar buttons (named "cmd-<command id>",
// drawn on a 20 x 20 grid and scaled to the button), the standard-shape
// buttons, the icons, the drawing cursor, the link-state pictures and the
// print preview's background pattern.
#include "resources/gen/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace resgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

void Palette(Canvas& c) {
  c.Colour('.', "#000000");
  c.Colour('g', "#606060");
  c.Colour('l', "#B8B8B8");
  c.Colour('w', "#FFFFFF");
  c.Colour('p', "#FBFBF4");
  c.Colour('b', "#2A62C8");
  c.Colour('B', "#163A78");
  c.Colour('r', "#D02828");
  c.Colour('G', "#24A048");
  c.Colour('y', "#F2C230");
  c.Colour('o', "#E08828");
  c.Colour('c', "#0A8CD2");
  c.Colour('s', "#123646");
  c.Colour('k', "#48F088");
  c.Colour('m', "#E8EEF8");
}

// A pictogram drawn on a 20 x 20 grid, placed and scaled onto a canvas.
class Pad {
 public:
  Pad(Canvas& c, int x, int y, int size) : c_(c), x_(x), y_(y), k_(size / 20.0) {}
  int X(double v) const { return x_ + static_cast<int>(std::lround(v * k_)); }
  int Y(double v) const { return y_ + static_cast<int>(std::lround(v * k_)); }
  void Line(double x0, double y0, double x1, double y1, char col) {
    c_.Line(X(x0), Y(y0), X(x1), Y(y1), col);
  }
  void Rect(double x, double y, double w, double h, char col) {
    c_.Rect(X(x), Y(y), X(x + w) - X(x), Y(y + h) - Y(y), col);
  }
  void Fill(double x, double y, double w, double h, char col) {
    c_.Fill(X(x), Y(y), X(x + w) - X(x), Y(y + h) - Y(y), col);
  }
  void Box(double x, double y, double w, double h, char fill, char edge) {
    Fill(x, y, w, h, fill);
    Rect(x, y, w, h, edge);
  }
  void Ellipse(double cx, double cy, double r, char col, bool filled = false) {
    const int rr = std::max(1, static_cast<int>(std::lround(r * k_)));
    c_.Ellipse(X(cx), Y(cy), rr, rr, col, filled);
  }
  void Dot(double x, double y, char col) { c_.Fill(X(x) - 1, Y(y) - 1, 3, 3, col); }
  // y = centre + amplitude * f(phase) over x0..x1, one cycle every `period`.
  void Wave(double x0, double x1, double centre, double amplitude, double period,
            const std::function<double(double)>& f, char col) {
    const int a = X(x0), b = X(x1);
    c_.Curve(
        a, b,
        [&](int px) {
          const double u = ((px - x_) / k_ - x0) / period;
          return Y(centre - amplitude * f(u));
        },
        col);
  }
  Canvas& canvas() { return c_; }

 private:
  Canvas& c_;
  int x_, y_;
  double k_;
};

double Sine(double u) { return std::sin(2 * kPi * u); }

void Page(Pad& p, double x, double y, double w, double h) {
  p.Box(x, y, w, h, 'p', 'g');
  p.Line(x + w - 4, y, x + w - 1, y + 3, 'g');  // the folded corner
  p.Fill(x + w - 3, y, 3, 1, ' ');
}

void Magnifier(Pad& p, double cx, double cy) {
  p.Ellipse(cx, cy, 5, 'm', true);
  p.Ellipse(cx, cy, 5, 'B');
  p.Line(cx + 4, cy + 4, cx + 8, cy + 8, 'B');
  p.Line(cx + 5, cy + 4, cx + 9, cy + 8, 'B');
}

void Arrow(Pad& p, double x0, double y0, double x1, double y1, char col) {
  p.Line(x0, y0, x1, y1, col);
  const double dx = x1 - x0, dy = y1 - y0, n = std::hypot(dx, dy);
  const double ux = dx / n, uy = dy / n;
  p.Line(x1, y1, x1 - 3 * ux + 2.5 * uy, y1 - 3 * uy - 2.5 * ux, col);
  p.Line(x1, y1, x1 - 3 * ux - 2.5 * uy, y1 - 3 * uy + 2.5 * ux, col);
}

void Pencil(Pad& p, double x, double y) {  // tip at (x, y), pointing down-left
  for (int i = 0; i < 3; ++i) p.Line(x + 2 + i, y - 2 + i, x + 11 + i, y - 11 + i, 'y');
  p.Line(x + 2, y - 3, x + 11, y - 12, 'g');
  p.Line(x + 4, y - 1, x + 13, y - 10, 'g');
  p.Line(x, y, x + 2, y - 3, '.');
  p.Line(x, y, x + 4, y - 1, '.');
  p.Line(x + 11, y - 12, x + 14, y - 9, 'r');
  p.Line(x + 12, y - 13, x + 15, y - 10, 'r');
}

void Printer(Pad& p) {
  p.Box(5, 2, 10, 6, 'p', 'g');
  p.Box(2, 8, 16, 7, 'l', 'g');
  p.Fill(5, 13, 10, 5, 'p');
  p.Rect(5, 13, 10, 5, 'g');
  p.Dot(15, 10, 'G');
}

void Cursors(Pad& p) {
  for (double y = 1; y < 19; y += 3) {
    p.Line(6, y, 6, y + 1, 'r');
    p.Line(14, y, 14, y + 1, 'r');
  }
}

void Zoom(Pad& p, int kind) {
  Magnifier(p, 8, 8);
  if (kind == 0) {  // horizontal
    p.Line(5, 8, 11, 8, 'B');
    p.Line(5, 8, 7, 6, 'B'), p.Line(5, 8, 7, 10, 'B');
    p.Line(11, 8, 9, 6, 'B'), p.Line(11, 8, 9, 10, 'B');
  } else if (kind == 1) {  // vertical
    p.Line(8, 5, 8, 11, 'B');
    p.Line(8, 5, 6, 7, 'B'), p.Line(8, 5, 10, 7, 'B');
    p.Line(8, 11, 6, 9, 'B'), p.Line(8, 11, 10, 9, 'B');
  } else if (kind == 2) {  // region
    for (double x = 5; x <= 11; x += 2) p.Line(x, 5, x, 5, 'B'), p.Line(x, 11, x, 11, 'B');
    for (double y = 5; y <= 11; y += 2) p.Line(5, y, 5, y, 'B'), p.Line(11, y, 11, y, 'B');
  } else {  // out
    p.Line(5, 8, 11, 8, 'B');
  }
}

// The command pictures of the toolbars.
const std::map<int, std::function<void(Pad&)>>& Commands() {
  static const std::map<int, std::function<void(Pad&)>> table = {
      {32840,
       [](Pad& p) {  // new waveform
         Page(p, 3, 1, 14, 18);
         p.Wave(5, 15, 11, 3, 10, Sine, 'c');
         p.Line(14, 2, 18, 2, 'y'), p.Line(16, 0, 16, 4, 'y');
       }},
      {32899,
       [](Pad& p) {  // open
         p.Box(1, 5, 8, 3, 'y', 'o');
         p.Box(1, 7, 17, 11, 'y', 'o');
         p.Line(4, 10, 19, 10, 'o');
         p.Line(4, 10, 1, 17, 'o');
         p.Line(19, 10, 17, 17, 'o');
       }},
      {32875,
       [](Pad& p) {  // save
         p.Box(2, 2, 16, 16, 'b', 'B');
         p.Box(5, 2, 10, 6, 'w', 'B');
         p.Fill(11, 3, 2, 4, 'B');
         p.Box(5, 11, 10, 7, 'l', 'B');
       }},
      {32874, Printer},
      {32889, Printer},
      {32873,
       [](Pad& p) {  // print preview
         Page(p, 1, 1, 13, 17);
         for (double y = 5; y < 15; y += 3) p.Line(3, y, 10, y, 'l');
         Magnifier(p, 11, 11);
       }},
      {33002,
       [](Pad& p) {  // undo
         p.Wave(
             4, 15, 11, -5, 22, [](double u) { return std::sin(kPi * u); }, 'B');
         Arrow(p, 8, 7, 3, 10, 'B');
       }},
      {33003,
       [](Pad& p) {  // redo
         p.Wave(
             5, 16, 11, -5, 22, [](double u) { return std::sin(kPi * (u + 0.5)); }, 'B');
         Arrow(p, 12, 7, 17, 10, 'B');
       }},
      {33004,
       [](Pad& p) {  // cut
         p.Line(6, 1, 13, 12, 'g'), p.Line(7, 1, 14, 12, 'g');
         p.Line(14, 1, 7, 12, 'g'), p.Line(13, 1, 6, 12, 'g');
         p.Ellipse(5, 15, 3, 'B'), p.Ellipse(15, 15, 3, 'B');
       }},
      {33005,
       [](Pad& p) {  // copy
         Page(p, 2, 1, 11, 13);
         Page(p, 7, 6, 11, 13);
         p.Wave(9, 16, 12, 2, 7, Sine, 'c');
       }},
      {33006,
       [](Pad& p) {  // paste
         p.Box(2, 3, 13, 16, 'o', 'g');
         p.Box(5, 1, 7, 4, 'l', 'g');
         Page(p, 8, 8, 10, 11);
       }},
      {32859,
       [](Pad& p) {  // delete
         p.Line(4, 4, 15, 15, 'r'), p.Line(5, 4, 16, 15, 'r');
         p.Line(15, 4, 4, 15, 'r'), p.Line(16, 4, 5, 15, 'r');
       }},
      {32850,
       [](Pad& p) {  // free-hand
         p.Wave(
             1, 12, 15, 2, 6, [](double u) { return std::sin(2 * kPi * u) * (1 - u / 3); }, 'c');
         Pencil(p, 9, 12);
       }},
      {32851,
       [](Pad& p) {  // horizontal line
         p.Line(2, 10, 18, 10, 'c'), p.Line(2, 11, 18, 11, 'c');
         p.Dot(2, 10, 'B'), p.Dot(18, 10, 'B');
       }},
      {32854,
       [](Pad& p) {  // vertical line
         p.Line(9, 2, 9, 18, 'c'), p.Line(10, 2, 10, 18, 'c');
         p.Dot(10, 2, 'B'), p.Dot(10, 18, 'B');
       }},
      {32853,
       [](Pad& p) {  // two-point line
         p.Line(3, 16, 17, 4, 'c'), p.Line(3, 15, 16, 4, 'c');
         p.Dot(3, 16, 'r'), p.Dot(17, 4, 'r');
       }},
      {32826,
       [](Pad& p) {  // equation: "f(x)" over a curve
         p.Line(3, 3, 3, 10, 'B'), p.Line(3, 3, 6, 3, 'B'), p.Line(2, 6, 5, 6, 'B');        // f
         p.Line(8, 2, 7, 5, 'B'), p.Line(7, 5, 7, 8, 'B'), p.Line(7, 8, 8, 11, 'B');        // (
         p.Line(10, 5, 14, 10, 'B'), p.Line(14, 5, 10, 10, 'B');                            // x
         p.Line(16, 2, 17, 5, 'B'), p.Line(17, 5, 17, 8, 'B'), p.Line(17, 8, 16, 11, 'B');  // )
         p.Wave(1, 19, 16, 3, 18, Sine, 'c');
       }},
      {32824,
       [](Pad& p) {  // point drawing
         p.Line(2, 15, 7, 6, 'c'), p.Line(7, 6, 12, 12, 'c'), p.Line(12, 12, 18, 3, 'c');
         for (auto [x, y] : {std::pair{2, 15}, {7, 6}, {12, 12}, {18, 3}}) p.Dot(x, y, 'r');
       }},
      {32896,
       [](Pad& p) {  // undo last draw
         Pencil(p, 8, 18);
         Arrow(p, 14, 3, 3, 3, 'B');
         p.Line(14, 3, 17, 6, 'B'), p.Line(17, 6, 17, 9, 'B');
       }},
      {32841,
       [](Pad& p) {  // cursor lines
         p.Wave(1, 19, 10, 5, 19, Sine, 'c');
         Cursors(p);
       }},
      {32816,
       [](Pad& p) {  // grid
         p.Rect(1, 1, 18, 18, 'g');
         for (double v = 5.5; v < 18; v += 4.5) p.Line(v, 2, v, 18, 'l'), p.Line(2, v, 18, v, 'l');
       }},
      {32818,
       [](Pad& p) {  // cursor trace
         p.Wave(1, 19, 10, 5, 19, Sine, 'c');
         p.Line(10, 1, 10, 19, 'r'), p.Line(1, 10, 19, 10, 'r');
         p.Ellipse(10, 10, 2, 'r');
       }},
      {32842, [](Pad& p) { Zoom(p, 0); }},
      {32843, [](Pad& p) { Zoom(p, 1); }},
      {32844, [](Pad& p) { Zoom(p, 2); }},
      {32879, [](Pad& p) { Zoom(p, 3); }},
      {32892,
       [](Pad& p) {  // close the preview
         p.Line(4, 4, 15, 15, 'B'), p.Line(5, 4, 16, 15, 'B');
         p.Line(15, 4, 4, 15, 'B'), p.Line(16, 4, 5, 15, 'B');
       }},
  };
  return table;
}

// The standard-shape buttons: one period or two of the shape on a framed plot.
void Shape(Canvas& c, const std::string& shape) {
  const int w = c.Width(), h = c.Height();
  c.Fill(0, 0, w, h, 'w');
  c.Rect(0, 0, w, h, 'l');
  const int mid = h / 2, left = 4, right = w - 5, amp = h / 2 - 6;
  c.Line(left, mid, right, mid, 'l');
  c.Line(left, 4, left, h - 5, 'l');
  const double span = right - left;
  auto y = [&](double v) { return mid - static_cast<int>(std::lround(v * amp)); };
  std::function<double(double)> f;  // u in [0, 1) over the plot
  if (shape == "sine") f = [](double u) { return std::sin(4 * kPi * u); };
  if (shape == "square") f = [](double u) { return std::fmod(u * 2, 1.0) < 0.5 ? 1.0 : -1.0; };
  if (shape == "ramp") f = [](double u) { return 2 * std::fmod(u * 2, 1.0) - 1; };
  if (shape == "pulse") f = [](double u) { return std::fmod(u * 2, 1.0) < 0.3 ? 1.0 : -0.6; };
  if (shape == "sinc")
    f = [](double u) {
      const double x = (u - 0.5) * 6 * kPi;
      return std::abs(x) < 1e-9 ? 1.0 : std::sin(x) / x;
    };
  if (shape == "noise")
    f = [](double u) {
      unsigned s = static_cast<unsigned>(u * 997.0) * 2654435761u;  // a fixed pseudo-random walk
      return ((s >> 16) % 200) / 100.0 - 1.0;
    };
  if (shape == "exprise") f = [](double u) { return 1.8 * (1 - std::exp(-5 * u)) - 0.9; };
  if (shape == "expfall") f = [](double u) { return 1.8 * std::exp(-5 * u) - 0.9; };
  if (shape == "dc") f = [](double) { return 0.5; };
  if (!f) return;
  if (shape == "noise") {
    for (int x = left; x <= right; x += 2)
      c.Line(x, y(f((x - left) / span)), x + 2, y(f((x + 2 - left) / span)), 'B');
    return;
  }
  int lastY = y(f(0));
  for (int x = left + 1; x <= right; ++x) {
    const int ny = y(f((x - left) / span));
    c.Line(x - 1, lastY, x, ny, 'B');
    c.Line(x - 1, lastY + 1, x, ny + 1, 'B');
    lastY = ny;
  }
}

// The application's icon: a generator's screen with a waveform.
void AppIcon(Canvas& c) {
  Pad p(c, 0, 0, c.Width());
  p.Box(1, 2, 18, 14, 'l', 'g');
  p.Fill(3, 4, 14, 10, 's');
  p.Wave(3, 16, 9, 3, 13, Sine, 'k');
  p.Fill(4, 16, 12, 2, 'g');
}

void Link(Canvas& c, bool connected) {
  Pad p(c, 0, 0, c.Height());
  const char col = connected ? 'G' : 'r';
  const double gap = connected ? 0 : 3;
  p.Line(0, 10, 1, 10, 'g');    // cable
  p.Box(1, 7, 5, 7, col, 'g');  // plug
  p.Line(6, 8, 8, 8, 'g'), p.Line(6, 12, 8, 12, 'g');
  p.Box(8 + gap, 6, 5, 9, col, 'g');  // socket
  p.Line(13 + gap, 10, 16 + gap, 10, 'g');
}

}  // namespace

bool Picture(const std::string& name, int width, int height, Canvas& out) {
  out = Canvas(width, height);
  Palette(out);
  if (name.rfind("cmd-", 0) == 0) {
    auto found = Commands().find(std::atoi(name.c_str() + 4));
    if (found == Commands().end()) return false;
    const int size = std::min(width, height) >= 20 ? 20 : std::min(width, height);
    Pad pad(out, (width - size) / 2, (height - size) / 2, size);
    found->second(pad);
    return true;
  }
  if (name.rfind("shape-", 0) == 0) {
    Shape(out, name.substr(6));
    return true;
  }
  if (name == "app") {
    AppIcon(out);
    return true;
  }
  if (name == "preview") {
    Pad p(out, 0, 0, width);
    Page(p, 2, 1, 13, 17);
    p.Wave(4, 13, 9, 3, 9, Sine, 'c');
    Magnifier(p, 11, 11);
    return true;
  }
  if (name == "pen") {  // the drawing cursor: hot spot at the tip, bottom left
    Pad p(out, 0, 0, width);
    Pencil(p, 0, 19);
    return true;
  }
  if (name == "link-on" || name == "link-off") {
    Link(out, name == "link-on");
    return true;
  }
  if (name == "paper-pattern") {  // the print preview's background
    out.Fill(0, 0, width, height, 'l');
    out.Colour('l', "#A8ACB4");
    out.Colour('g', "#9CA0A8");
    for (int i = 0; i < width; ++i) out.Set(i, (i + height / 2) % height, 'g');
    return true;
  }
  return false;
}

}  // namespace resgen
