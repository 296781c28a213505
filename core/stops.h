#pragma once

#include <string>

namespace mirel {

// One stop is a factor of the square root of 2 in f-number. Both values are 0
// until initStopMath() has run; the stop functions below need them.
extern double stopBase;
extern double stopBaseLog;

// Rounding of stop results (Rounding Rules "Stops to :").
enum RoundStops : int { RoundStopsNone = 0, RoundStopsHalf = 1, RoundStopsThird = 2 };

// Rounding of all other results (Rounding Rules "Other to :"): the number of
// decimal places, 0 for none.
enum RoundOther : int { RoundOtherNone = 0, RoundOther1 = 1, RoundOther2 = 2, RoundOther3 = 3 };

// Sets stopBase to sqrt(2) and stopBaseLog to its natural logarithm. Run once
// at start-up, before anything else computes with stops.
void initStopMath();

// Whole stops from f/1: stopBase to the power n.
double fNumberForStop(int n);

// The f-number reached from f by s stops (s may be negative or fractional);
// 0.0 when f is not greater than 0.
double addStops(double f, double s);

// Stops from f1 to f2, positive when f2 is the larger f-number. Both must be > 0.
double stopsBetween(double f1, double f2);

// x rounded to the nearest multiple of 1/d, halves away from zero. A value
// whose product with d is not finite or does not fit a 32-bit integer is
// returned unrounded.
double roundToStep(double x, double d);

// Rounds value in place to 1, 2 or 3 decimal places; any other method leaves it.
void roundDecimals(double &value, int method);

// value rounded by roundDecimals and written with the decimals the method
// keeps, six for any other: "2.90" for 2.9 with two places.
std::string formatRounded(double value, int method);

// A stop value as whole stops and a fraction suffix: 2.34 reads "2-1/3",
// 0.5 reads "0-1/2", -1.5 reads "-1-1/2". The fraction is the nearest sixth,
// half or third below the value's own fraction, so values rounded to halves
// or thirds read exactly.
std::string formatStops(double x);

// Rounds x to halves (method 1) or thirds (method 2) and formats it with
// formatStops; any other method gives the plain "%f" text ("2.000000").
std::string formatStopValue(double x, int method);

} // namespace mirel
