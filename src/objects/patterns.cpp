// The firing patterns: whole figures of bullets fired from one point. A
// full pool cuts a figure short; the bullets that did not fit are not made.
#include <cstdlib>

#include "objects/bullets.h"
#include "objects/motion.h"

namespace omb {

void FireSeries(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t angleStep,
                int32_t speedStep, int32_t angle, int32_t speed, int32_t type) {
  int32_t a = angle;
  for (int32_t k = 0; k < n; ++k) {
    FirePolar(x, y, speed + k * speedStep, a, type, speedAcc, turn);
    a = WrapAngle(a + angleStep);
  }
}

void FireRing(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t speedStep, int32_t angle,
              int32_t speed, int32_t type) {
  for (int32_t k = 0; k < n; ++k) {
    const auto a = static_cast<int32_t>(k * 1024 / static_cast<double>(n) + angle);
    FirePolar(x, y, speed + k * speedStep, a, type, speedAcc, turn);
  }
}

void FireLine(int32_t x, int32_t y, int32_t n, int32_t accel, bool includeEnd, int32_t vy1, int32_t vx1,
              int32_t vy0, int32_t vx0, int32_t type) {
  // A line of no bullets fires nothing, its end included: the end's place on
  // the segment would be k / 0.
  if (n < 1) return;
  const int32_t last = includeEnd ? n : n - 1;
  for (int32_t k = 0; k <= last; ++k) {
    const int32_t vx = (vx1 - vx0) * k / n + vx0;
    const int32_t vy = (vy1 - vy0) * k / n + vy0;
    // accel is per mille of each bullet's own velocity.
    FireCartesian(x, y, vx, vy, type, vx * accel / 1000, vy * accel / 1000);
  }
}

void FirePolygon(int32_t x, int32_t y, int32_t n, int32_t accel, int32_t sides, int32_t angle, int32_t speed,
                 int32_t type) {
  // The first corner indexes the tables directly, so it is wrapped like the
  // others.
  const int32_t a0 = WrapAngle(angle);
  int32_t vx0 = CosMul(a0, speed), vy0 = SinMul(a0, speed);
  for (int32_t i = 1; i <= sides; ++i) {
    const int32_t a = WrapAngle(i * 1024 / sides + angle);
    const int32_t vx1 = CosMul(a, speed), vy1 = SinMul(a, speed);
    // Each edge fires its start corner; its end corner starts the next edge.
    FireLine(x, y, n, accel, false, vy1, vx1, vy0, vx0, type);
    vx0 = vx1;
    vy0 = vy1;
  }
}

void FireEllipse(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t rotation, int32_t ry,
                 int32_t rx, int32_t type) {
  for (int32_t k = 0; k < n; ++k) {
    const int32_t a = k * 1024 / n;
    const int32_t cx = CosMul(a, rx);
    const int32_t cy = SinMul(a, ry);
    FirePolar(x, y, Distance(cx, cy), AngleOf(cx, cy) + rotation, type, speedAcc, turn);
  }
}

void FireFlower(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t petals,
                int32_t amplitude, int32_t angle, int32_t speed, int32_t type) {
  for (int32_t k = 0; k < n; ++k) {
    const int32_t a = WrapAngle(k * 1024 / n);
    const int32_t b = WrapAngle(a * petals);
    FirePolar(x, y, CosMul(b, amplitude) + speed, a + angle, type, speedAcc, turn);
  }
}

namespace {

// The first angle of a fan of n bullets spread apart and centred on angle.
int32_t FanStart(int32_t n, int32_t spread, int32_t angle) {
  return static_cast<int32_t>(angle - (n - 1) / 2.0 * spread + 1024) & 1023;
}

}  // namespace

void FireFan(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t spread, int32_t speedStep,
             int32_t angle, int32_t speed, int32_t type) {
  const int32_t start = FanStart(n, spread, angle);
  for (int32_t k = 0; k < n; ++k) {
    FirePolar(x, y, speed + k * speedStep, start + k * spread, type, speedAcc, turn);
  }
}

void FireArrow(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t spread, int32_t drop,
               int32_t angle, int32_t speed, int32_t type) {
  const int32_t start = FanStart(n, spread, angle);
  for (int32_t k = 0; k < n; ++k) {
    // The middle bullet is fastest; each step out loses drop.
    const int32_t d = std::abs(static_cast<int32_t>((k - (n - 1) / 2.0) * drop));
    FirePolar(x, y, speed - d, start + k * spread, type, speedAcc, turn);
  }
}

void FireOutline(int32_t x, int32_t y, int32_t n, int32_t accel, bool closeEnd, const OutlinePoint* points,
                 int32_t count, int32_t type) {
  if (count < 2) return;
  int32_t a = WrapAngle(points[0].Angle);
  int32_t vx0 = CosMul(a, points[0].Speed), vy0 = SinMul(a, points[0].Speed);
  for (int32_t i = 1; i < count; ++i) {
    a = WrapAngle(points[i].Angle);
    const int32_t vx1 = CosMul(a, points[i].Speed), vy1 = SinMul(a, points[i].Speed);
    // Only the last edge may fire its end corner, closing the figure.
    FireLine(x, y, n, accel, closeEnd && i == count - 1, vy1, vx1, vy0, vx0, type);
    vx0 = vx1;
    vy0 = vy1;
  }
}

}  // namespace omb
