#include "analysis/key_points.h"

#include <cmath>

namespace mphi {
namespace {

constexpr float kFailureMinStrain = 0.003f;  // bar failure ends it only past this
constexpr float kCmPerMmCurvature = 10.0f;   // 1/mm to 1/cm

}  // namespace

StepEnd endOfStepCheck(CurveState& s, const SectionModel& model, const SectionForces& forces,
                       bool outOfTrials) {
  const Materials& mat = model.materials;
  if (outOfTrials) s.events.push_back({StepEventKind::OutOfTrials, s.J, s.Ecm});
  const double M = sectionMoment(model, forces);
  const float Es1 = forces.strain[0];
  const float Es8 = forces.strain[kLayers - 1];

  // A negative moment skips the peak, failure and yield checks.
  if (!(M < 0)) {
    if (M > s.Mu) s.Mu = M;
    if (M < static_cast<double>(toSingle(kDropToEnd)) * s.Mu) {
      s.ending = CurveEnd::PointEightMu;
      return StepEnd::EndCurve;
    }
    if (std::fabs(Es1) >= mat.e40) {
      s.events.push_back({StepEventKind::CompressionBarsFailed, s.J, Es1});
      if (s.Ecm > kFailureMinStrain) {
        s.ending = CurveEnd::CompressionBars;
        return StepEnd::EndCurve;
      }
    }
    if (std::fabs(Es8) >= mat.e40) {
      s.events.push_back({StepEventKind::TensionBarsFailed, s.J, Es8});
      if (s.Ecm > kFailureMinStrain) {
        s.ending = CurveEnd::TensionBars;
        return StepEnd::EndCurve;
      }
    }
    // Initial yield is judged on the outermost tension layer alone.
    if (s.yieldFlag == 0 && std::fabs(Es8) >= mat.ey) {
      s.My = toSingle(M * kTonCmPerNmm);
      s.Ky = toSingle(forces.phi * kCmPerMmCurvature);
      s.yieldRow = s.J;
      s.yieldFlag = 1;
    }
  }

  s.table.k[s.J] = toSingle(forces.phi * kCmPerMmCurvature);
  s.table.m[s.J] = toSingle(M * kTonCmPerNmm);
  s.table.e[s.J] = s.Ecm;
  s.table.c[s.J] = toSingle(s.c / kMmPerCm);
  s.Ecm = toSingle(static_cast<double>(s.Ecm) + kStrainIncrement);
  return StepEnd::Continue;
}

}  // namespace mphi
