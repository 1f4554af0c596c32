// Roots and maxima of smooth functions of one variable, for the
// assessment model's equilibrium and its exactly located points.
#pragma once

#include <cmath>
#include <utility>

namespace mphi {

// Brent's method on [a, b] where f(a) and f(b) differ in sign (fa, fb
// given): stops when |f| <= fTolerance or the bracket is narrower than
// xTolerance. Returns the best x found.
template <typename F>
double brentRoot(F&& f, double a, double b, double fa, double fb, double fTolerance,
                 double xTolerance, int maxIterations = 200) {
  if (std::fabs(fa) <= fTolerance) return a;
  if (std::fabs(fb) <= fTolerance) return b;
  double c = a, fc = fa, d = b - a, e = d;
  for (int i = 0; i < maxIterations; ++i) {
    if ((fb > 0) == (fc > 0)) {
      c = a, fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b, b = c, c = a;
      fa = fb, fb = fc, fc = fa;
    }
    const double tolerance = 0.5 * xTolerance;
    const double m = 0.5 * (c - b);
    if (std::fabs(fb) <= fTolerance || std::fabs(m) <= tolerance) return b;
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      // Secant or inverse quadratic interpolation, kept only while it
      // shrinks the bracket fast enough.
      double p, q;
      const double s = fb / fa;
      if (a == c) {
        p = 2 * m * s;
        q = 1 - s;
      } else {
        const double r = fb / fc, t = fa / fc;
        p = s * (2 * m * t * (t - r) - (b - a) * (r - 1));
        q = (t - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) q = -q;
      p = std::fabs(p);
      if (2 * p < std::fmin(3 * m * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = m;
        e = m;
      }
    } else {
      d = m;
      e = m;
    }
    a = b, fa = fb;
    b += std::fabs(d) > tolerance ? d : (m > 0 ? tolerance : -tolerance);
    fb = f(b);
  }
  return b;
}

// The largest value of f on [a, b] by golden-section search, to an
// interval narrower than xTolerance; f is taken to have one maximum there.
// Returns (x, f(x)).
template <typename F>
std::pair<double, double> goldenMaximum(F&& f, double a, double b, double xTolerance) {
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double x1 = b - ratio * (b - a), x2 = a + ratio * (b - a);
  double f1 = f(x1), f2 = f(x2);
  while (b - a > xTolerance) {
    if (f1 >= f2) {
      b = x2, x2 = x1, f2 = f1;
      x1 = b - ratio * (b - a);
      f1 = f(x1);
    } else {
      a = x1, x1 = x2, f1 = f2;
      x2 = a + ratio * (b - a);
      f2 = f(x2);
    }
  }
  return f1 >= f2 ? std::make_pair(x1, f1) : std::make_pair(x2, f2);
}

}  // namespace mphi
