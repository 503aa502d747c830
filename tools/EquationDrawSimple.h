#pragma once
// The program's own small evaluator of expressions in one variable x, beside
// the equation dialog's parser: numbers, x, pi, rand, + - * / ^, parentheses
// and the functions of its table, all operators associating to the left.
// Its entry fills g_EquationWave over one turn as the equation dialog's Draw
// does. No command reaches it. No windows here (its boxes go through the
// services); user-interface thread only.

#include <string>

// The point count the equation dialog's Draw last used: the evaluator's end
// index.
extern unsigned int g_nEvalPointCount;
// x of the point being evaluated, and whether the run met no invalid
// operand.
extern double g_dEquationX;
extern bool g_bEquationValid;

// A token list holds at most this many tokens (inserted zeros included) and
// a flat range at most kReduceTokens (inserted multiplications included);
// longer input is refused like any other syntax error.
constexpr int kEquationTokens = 100;
constexpr int kReduceTokens = 20;

// The range of one run: start 0, end g_nEvalPointCount.
void EquationResetRange();

// Fills g_EquationWave with g_nEvalPointCount samples of expression at
// x = 2 * 3.1415926 * i / N and returns 1; 0 (and g_EquationWave as it was)
// when end is above g_nPointCount (silently), on a syntax error, an invalid
// operand or a token limit (message 305), a value that is not a finite
// number (message 680) or no memory (message 304).
int EquationDrawSimple(unsigned int end, const std::string& expression);

// The evaluator's value of expression at one x; false on any refusal (no
// message). For tests and callers that want one value.
bool EquationValueAt(const std::string& expression, double x, double* value);
