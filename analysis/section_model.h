// Axial force and moment of the section for a linear strain profile fixed by
// the extreme-fibre strain and the neutral-axis depth. Units N, mm, MPa;
// forces positive in compression, moments about mid-depth.
#pragma once

#include "curve/material_laws.h"
#include "section/section_data.h"

namespace mphi {

constexpr int kLayers = 8;

struct SectionModel {
  Materials materials;
  float b = 0, h = 0;         // mm
  float dy = 0;               // strip thickness, h / 200
  float yc = 0;               // half the core depth
  float bc = 0;               // core width
  float Abar = 0;             // area of one main bar, mm2
  float depth[kLayers] = {};  // below the compression fibre; 5 to 8 are h - depth of 4 to 1
  float bars[kLayers] = {};   // bar counts, layers 5 to 8 mirror 4 to 1
};

// The state of one force evaluation.
struct SectionForces {
  double phi = 0;  // curvature, 1/mm
  double Fc = 0, Mc = 0;
  double Fs = 0;
  float strain[kLayers] = {};   // layer strains Es1 ... Es8
  double stress[kLayers] = {};  // layer stresses; 4 to 8 held in single precision
  long points = 0;              // concrete strip points summed
};

SectionModel makeSectionModel(const SectionData& section, const Materials& materials);
SectionForces evaluateForces(const SectionModel& model, float Ecm, double c);
// Steel moment plus the concrete moment of the evaluation.
double sectionMoment(const SectionModel& model, const SectionForces& forces);

}  // namespace mphi
