#include "tools/EquationDrawSimple.h"

#include "containers/CSgScalarVector.h"
#include "platform/services/Services.h"
#include "tools/ToolMessages.h"
#include "waveform/WaveGlobals.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <vector>

unsigned int g_nEvalPointCount = 0;
double g_dEquationX = 0.0;
bool g_bEquationValid = true;

namespace {

struct EvalRange {
  unsigned int start = 0;
  unsigned int end = 0;
} g_range;

constexpr double kPi = 3.1415926;  // the evaluator's own pi, as short as this

enum TokenClass : int {
  kNumber = 20,
  kUnaryMinus = 21,
  kInfix = 22,
  kOpen = 23,
  kClose = 24,
  kPower = 114,
  kFunction = 26,
  kX = 27
};

// name, code, operation on the value a (pow has none).
// clang-format off
#define EQUATION_FUNCTIONS(X)                  \
  X("sin",   'd', std::sin(a))                 \
  X("cos",   'e', std::cos(a))                 \
  X("tan",   'f', std::tan(a))                 \
  X("asin",  'g', std::asin(a))                \
  X("acos",  'h', std::acos(a))                \
  X("atan",  'i', std::atan(a))                \
  X("sinh",  'j', std::sinh(a))                \
  X("cosh",  'k', std::cosh(a))                \
  X("tanh",  'l', std::tanh(a))                \
  X("abs",   'm', std::fabs(a))                \
  X("sqrt",  'n', std::sqrt(a))                \
  X("exp",   'o', std::exp(a))                 \
  X("log10", 'p', std::log10(a))               \
  X("log",   'q', std::log(a))                 \
  X("floor", 's', std::floor(a))               \
  X("ceil",  't', std::ceil(a))
// clang-format on

struct FunctionName {
  const char* name;
  char code;
};
// The names it knows: the table's, "sine" for the sine, and pow, which is
// recognised but has no operation.
const FunctionName kFunctions[] = {
#define EQUATION_FUNCTION_NAME(name, code, op) {name, code},
    EQUATION_FUNCTIONS(EQUATION_FUNCTION_NAME)
#undef EQUATION_FUNCTION_NAME
        {"sine", 'd'},
    {"pow", 'r'}};

struct Token {
  int cls = kNumber;
  double value = 0.0;
  char op() const { return static_cast<char>(static_cast<int>(value) & 0xFF); }
};

struct TokenList {
  std::array<Token, kEquationTokens> items{};
  int count = 0;
  int opens = 0;
  bool Push(Token t) {
    if (count == kEquationTokens) return false;
    items[count++] = t;
    return true;
  }
  bool Insert(int at, Token t) {
    if (count == kEquationTokens) return false;
    for (int i = count; i > at; --i) items[i] = items[i - 1];
    items[at] = t;
    ++count;
    return true;
  }
};

// The result codes of the tokenizer.
enum : char {
  kTooLong = '\'',
  kBadStart = '!',
  kUnbalanced = '#',
  kNoBracket = '%',
  kSyntax = 0,
  kTokensOk = ' '
};

Token Op(int cls, char c) { return Token{cls, static_cast<double>(static_cast<unsigned char>(c))}; }

// The class of the character at i in its context (the token before it).
int EquationClassifyChar(const std::string& t, size_t i, int previous) {
  const char c = t[i];
  if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return kNumber;
  if (c == '-') {
    if (previous == 0 || previous == kOpen || previous == kPower) return kUnaryMinus;
    if (previous == kNumber || previous == kClose || previous == kX) return kInfix;
    return -1;
  }
  if (c == '+' || c == '*' || c == '/') return kInfix;
  if (c == '(') return kOpen;
  if (c == ')') return kClose;
  if (c == '^') return 25;
  if (c == 'x') return kX;
  if ((c == 'p' || c == 'P') && i + 1 < t.size() && (t[i + 1] == 'i' || t[i + 1] == 'I')) return 28;
  if (c == 'r' || c == 'R') return 29;
  if (c != 0 && std::strchr("aceflpst", c)) return kFunction;
  return 30;
}

// Whether name (so far) can still become a function of the table; the code
// when it is one.
int EquationMatchFunction(const std::string& name, bool whole) {
  for (const FunctionName& f : kFunctions) {
    const std::string known = f.name;
    if (whole ? known == name : known.compare(0, name.size(), name) == 0) return f.code;
  }
  return 0;
}

char EquationTokenize(const std::string& t, TokenList& list) {
  list = TokenList{};
  if (t.size() > kEquationTokens) return kTooLong;
  if (!t.empty() && (t[0] == '*' || t[0] == '/')) return kBadStart;
  int randomDraw = -1;
  for (size_t i = 0; i < t.size();) {
    const int previous = list.count ? list.items[list.count - 1].cls : 0;
    const int cls = EquationClassifyChar(t, i, previous);
    switch (cls) {
      case kNumber: {
        size_t j = i;
        int points = 0;
        while (j < t.size() && (std::isdigit(static_cast<unsigned char>(t[j])) || t[j] == '.'))
          points += t[j++] == '.';
        if (points > 1) return kSyntax;
        const double v = std::strtod(("0" + t.substr(i, j - i)).c_str(), nullptr);
        if (previous == kUnaryMinus)
          list.items[list.count - 1] = Token{kNumber, -v};
        else if (!list.Push(Token{kNumber, v}))
          return kSyntax;
        i = j;
        continue;
      }
      case kUnaryMinus:
      case kInfix:
        if (cls == kInfix && t[i] != '-' &&
            (previous == kInfix || previous == 0 || previous == kOpen))
          return kSyntax;
        if (!list.Push(Op(cls, t[i]))) return kSyntax;
        break;
      case kOpen:
        ++list.opens;
        if (!list.Push(Op(kOpen, '('))) return kSyntax;
        break;
      case kClose:
        if (!list.Push(Op(kClose, ')'))) return kSyntax;
        break;
      case 25:
        if (!list.Push(Op(kPower, '^'))) return kSyntax;
        break;
      case kX:
        if (!list.Push(Token{kX, 0.0})) return kSyntax;
        break;
      case 28:
        if (!list.Push(Token{kNumber, kPi})) return kSyntax;
        i += 2;
        continue;
      case 29: {
        std::string word = t.substr(i, 4);
        if (word != "rand" && word != "RAND") return kSyntax;
        if (randomDraw < 0) {
          std::srand(static_cast<unsigned int>(std::time(nullptr)));
          randomDraw = std::rand() % 100 + 1;
        }
        if (!list.Push(Token{kNumber, static_cast<double>(randomDraw)})) return kSyntax;
        i += 4;
        continue;
      }
      case kFunction: {
        const size_t bracket = t.find('(', i);
        if (bracket == std::string::npos || bracket - i > 5) return kNoBracket;
        std::string name;
        for (size_t j = i; j < bracket; ++j) {
          name += t[j];
          if (!EquationMatchFunction(name, false)) return kSyntax;
        }
        const int code = EquationMatchFunction(name, true);
        if (!code || !list.Push(Op(kFunction, static_cast<char>(code)))) return kSyntax;
        i = bracket;
        continue;
      }
      default: return kSyntax;
    }
    ++i;
  }
  int closes = 0;
  for (int k = 0; k < list.count; ++k) closes += list.items[k].cls == kClose;
  if (closes != list.opens) return kUnbalanced;
  // A unary minus before x, "(" or a function is 0 minus it.
  for (int k = 0; k < list.count; ++k) {
    if (list.items[k].cls != kUnaryMinus) continue;
    const int next = k + 1 < list.count ? list.items[k + 1].cls : 0;
    if (next != kX && next != kOpen && next != kFunction) return kSyntax;
    list.items[k] = Op(kInfix, '-');
    if (!list.Insert(k, Token{kNumber, 0.0})) return kSyntax;
  }
  return kTokensOk;
}

bool IsValue(const Token& t) { return t.cls == kNumber || t.cls == kX; }

double ApplyFunction(char code, double a) {
  switch (code) {
#define EQUATION_FUNCTION_CASE(name, c, op) \
  case c: return op;
    EQUATION_FUNCTIONS(EQUATION_FUNCTION_CASE)
#undef EQUATION_FUNCTION_CASE
    default: return a;
  }
}

bool ValidOperand(char code, double a) {
  if (code == 'n') return a >= 0;
  if (code == 'g' || code == 'h') return a >= -1 && a <= 1;
  return code != 'r';  // pow has no operation of its own
}

bool ValidPower(double base, double e) {
  if (base == 0 && e < 0) return false;
  if (base < 0 && std::fabs(e) > 0 && std::fabs(e) < 1 && static_cast<long long>(1 / e) % 2 == 0)
    return false;
  return true;
}

// One flat range reduced to its value; g_bEquationValid false on an invalid
// operand or a range it cannot reduce.
double EquationReduce(const Token* range, int n) {
  std::array<Token, kReduceTokens> list{};
  int count = 0;
  for (int i = 0; i < n; ++i) {
    const bool implied = count > 0 && IsValue(list[count - 1]) && IsValue(range[i]) &&
                         (list[count - 1].cls == kX || range[i].cls == kX);
    if (count + (implied ? 2 : 1) > kReduceTokens) {
      g_bEquationValid = false;
      return 0.0;
    }
    if (implied) list[count++] = Op(kInfix, '*');
    list[count++] = range[i];
  }
  const auto valueOf = [](const Token& t) { return t.cls == kX ? g_dEquationX : t.value; };
  if (count == 1 && IsValue(list[0])) return valueOf(list[0]);
  while (count >= 2 && g_bEquationValid) {
    int at = -1;
    for (int i = 0; i < count && at < 0; ++i)
      if (list[i].cls == kFunction) at = i;
    for (int i = 0; i < count && at < 0; ++i)
      if (list[i].cls == kPower) at = i;
    for (int i = 0; i < count && at < 0; ++i)
      if (list[i].cls == kInfix && (list[i].op() == '*' || list[i].op() == '/')) at = i;
    for (int i = 0; i < count && at < 0; ++i)
      if (list[i].cls == kInfix) at = i;
    if (at < 0 || at + 1 >= count || !IsValue(list[at + 1])) {
      g_bEquationValid = false;
      break;
    }
    const double b = valueOf(list[at + 1]);
    double r = 0.0;
    int first = at, last = at + 1;
    if (list[at].cls == kFunction) {
      if (!ValidOperand(list[at].op(), b)) g_bEquationValid = false;
      r = ApplyFunction(list[at].op(), b);
    } else {
      if (at == 0 || !IsValue(list[at - 1])) {
        g_bEquationValid = false;
        break;
      }
      const double a = valueOf(list[at - 1]);
      first = at - 1;
      switch (list[at].op()) {
        case '^':
          if (!ValidPower(a, b)) g_bEquationValid = false;
          r = std::pow(a, b);
          break;
        case '*': r = a * b; break;
        case '/': r = a / b; break;
        case '+': r = a + b; break;
        default: r = a - b; break;
      }
    }
    list[first] = Token{kNumber, r};
    const int removed = last - first;
    for (int i = first + 1; i + removed < count; ++i) list[i] = list[i + removed];
    count -= removed;
  }
  if (count != 1 || !IsValue(list[0])) g_bEquationValid = false;
  return g_bEquationValid ? valueOf(list[0]) : 0.0;
}

// The value of one point: parentheses removed from the inside out.
double EquationEvaluate(TokenList work) {
  for (int pair = 0; pair < work.opens && g_bEquationValid; ++pair) {
    int close = 0;
    while (close < work.count && work.items[close].cls != kClose) ++close;
    int open = close;
    while (open >= 0 && work.items[open].cls != kOpen) --open;
    if (close >= work.count || open < 0) {
      g_bEquationValid = false;
      break;
    }
    const double v = EquationReduce(&work.items[open + 1], close - open - 1);
    work.items[open] = Token{kNumber, v};
    const int removed = close - open;
    for (int i = open + 1; i + removed < work.count; ++i) work.items[i] = work.items[i + removed];
    work.count -= removed;
  }
  return g_bEquationValid ? EquationReduce(work.items.data(), work.count) : 0.0;
}

void Message(int id) {
  services::ShowMessageBox(nullptr, services::Current().Text(id).c_str(), nullptr, MB_OK);
}

}  // namespace

void EquationResetRange() { g_range = {0, g_nEvalPointCount}; }

bool EquationValueAt(const std::string& expression, double x, double* value) {
  TokenList tokens;
  if (EquationTokenize(expression, tokens) != kTokensOk) return false;
  g_bEquationValid = true;
  g_dEquationX = x;
  *value = EquationEvaluate(tokens);
  const bool valid = g_bEquationValid;
  g_bEquationValid = true;
  return valid;
}

int EquationDrawSimple(unsigned int end, const std::string& expression) {
  if (end > static_cast<unsigned int>(g_nPointCount)) return 0;
  EquationResetRange();
  const unsigned int n = g_range.end;  // the points 0 .. N
  g_bEquationValid = true;
  TokenList tokens;
  if (EquationTokenize(expression, tokens) != kTokensOk) {
    Message(305);
    return 0;
  }
  std::vector<double> values;
  try {
    values.resize(static_cast<size_t>(n) + 1);
  } catch (const std::bad_alloc&) {
    Message(304);
    return 0;
  }
  for (unsigned int i = 0; i <= n; ++i) {
    g_dEquationX = (2.0 * i) * kPi / n;
    values[i] = EquationEvaluate(tokens);
    if (!g_bEquationValid) {
      g_bEquationValid = true;
      Message(305);
      return 0;
    }
    if (i < n && !std::isfinite(values[i])) {
      Message(kMsgNotFinite);
      return 0;
    }
  }
  SG::CSgScalarVector<float> wave(n);
  for (unsigned int i = 0; i < n; ++i) wave[i] = static_cast<float>(values[i]);
  g_EquationWave = std::move(wave);
  return 1;
}
