#pragma once
// Arithmetic that fails the way the program's users expect: an overflow, a
// division by zero or a logarithm of a non-positive number raises the matching
// run-time error instead of quietly producing inf or NaN.

namespace zb {

double Checked(double value);       // inf or NaN -> error 6
double Divide(double a, double b);  // b == 0: error 11 (error 6 for 0 / 0)
double Ln(double x);                // x <= 0: error 5
double SquareRoot(double x);        // x < 0: error 5
double Power(double base, double exponent);
float ToSingle(double value);  // nearest 4-byte float; beyond its range: error 6

}  // namespace zb
