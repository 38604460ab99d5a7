#include "objects/motion.h"

#include <cmath>
#include <numbers>

#include "objects/objects.h"

namespace omb {
namespace {

TrigTables BuildTrig() {
  TrigTables t{};
  for (int i = 0; i < 1024; ++i) {
    const double a = i / 512.0 * std::numbers::pi;
    t.Sin[i] = static_cast<int16_t>(std::trunc(std::sin(a) * 1024));
    t.Cos[i] = static_cast<int16_t>(std::trunc(std::cos(a) * 1024));
  }
  return t;
}

// A float to int32 that never meets undefined behaviour: NaN gives 0, and
// values beyond the range saturate.
int32_t Truncate(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace

const TrigTables Trig = BuildTrig();

int32_t AngleOf(int32_t dx, int32_t dy) {
  return Truncate(std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 512 / std::numbers::pi);
}

int32_t AngleBetween(int a, int b) { return AngleOf(CenterX(b) - CenterX(a), CenterY(b) - CenterY(a)); }

int32_t AngleFromPoint(int32_t x, int32_t y, int i) { return AngleOf(CenterX(i) - x, CenterY(i) - y); }

int32_t Distance(int32_t dx, int32_t dy) {
  // The squares are summed in 32 bits as everywhere else; a sum that wraps
  // (objects some 46000 pixels apart) would have no root, so it is read
  // unsigned.
  const int32_t sum = dx * dx + dy * dy;
  return Truncate(std::sqrt(static_cast<double>(static_cast<uint32_t>(sum))));
}

int32_t DistanceBetween(int a, int b) { return Distance(CenterX(b) - CenterX(a), CenterY(b) - CenterY(a)); }

int32_t Random(int32_t n) {
  RandSeed = RandSeed * 134775813u + 1u;
  return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * RandSeed) >> 32);
}

int32_t StepToward(int32_t cur, int32_t target, int32_t step) {
  if (cur == target) return cur;
  const int32_t gap = target > cur ? target - cur : cur - target;
  if (step > gap) return target;
  return target > cur ? cur + step : cur - step;
}

int32_t EaseToward(int32_t cur, int32_t target, double rate) {
  if (cur == target) return cur;
  const int32_t d = Truncate((target - cur) * rate);
  if (d == 0) return target > cur ? cur + 1 : cur - 1;
  return cur + d;
}

int32_t BankFrame(int i, int32_t limit, int32_t divisor) {
  const ObjectRecord& o = ObjectTable[i];
  return Clamp(-(CosMul(o.Angle, o.Speed) + o.VelX) / divisor, -limit, limit);
}

}  // namespace omb
