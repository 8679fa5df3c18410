#include "course/Lessons.h"

#include <cstring>

#include "lessons/composition/H11.h"
#include "lessons/composition/H12.h"
#include "lessons/composition/H13.h"
#include "lessons/composition/H14.h"
#include "lessons/consolidation/H41.h"
#include "lessons/consolidation/H42.h"
#include "lessons/consolidation/H43.h"
#include "lessons/consolidation/H44.h"
#include "lessons/consolidation/H45.h"
#include "lessons/earthpressure/H61.h"
#include "lessons/earthpressure/H62.h"
#include "lessons/earthpressure/H63.h"
#include "lessons/earthpressure/H64.h"
#include "lessons/earthpressure/H65.h"
#include "lessons/earthpressure/H66.h"
#include "lessons/flow/H31.h"
#include "lessons/flow/H32.h"
#include "lessons/flow/H33.h"
#include "lessons/flow/H34.h"
#include "lessons/flow/H35.h"
#include "lessons/foundations/H71.h"
#include "lessons/foundations/H72.h"
#include "lessons/foundations/H73.h"
#include "lessons/foundations/H74.h"
#include "lessons/foundations/H75.h"
#include "lessons/foundations/H76.h"
#include "lessons/shear/H51.h"
#include "lessons/shear/H52.h"
#include "lessons/shear/H53.h"
#include "lessons/shear/H54.h"
#include "lessons/shear/H55.h"
#include "lessons/stress/H21.h"
#include "lessons/stress/H22.h"
#include "lessons/stress/H23.h"
#include "lessons/stress/H24.h"
#include "lessons/stress/H25.h"
#include "shell/LessonWindow.h"

namespace kavenor {

namespace {

constexpr StoredTimer kNoTimer{};
constexpr StoredTimer kDefaultTimer{true, true, 1000};
constexpr StoredTimer enabledTimer(int ms) { return {true, true, ms}; }
constexpr StoredTimer disabledTimer(int ms) { return {true, false, ms}; }

constexpr PaneRule kStandardPane{PaneRule::BelowContent, 1.2L};
constexpr PaneRule below(long double f) { return {PaneRule::BelowContent, f}; }
constexpr PaneRule ofWindow(long double f) { return {PaneRule::OfWindow, f}; }

constexpr auto C = PanePlacement::Create;
constexpr auto P = PanePlacement::Paint;
constexpr auto A = PanePlacement::CreateAndActivate;

// The rows whose timer only redraws an unchanging picture.
constexpr bool kRedrawOnly = true;

// clang-format off
const LessonList kLessons{{
  { 1, "FH11", "TFH11", "Porosity",        "Porosity",                 "Porosity",                 1,  1, kNoTimer,           kStandardPane,  C, MakeFH11},
  { 2, "FH12", "TFH12", "Density",         "Density",                  "Density",                  1,  2, kDefaultTimer,      kStandardPane,  C, MakeFH12},
  { 3, "FH13", "TFH13", "Vol. weight",     "Volumetric weight",        "Volumetric weight",        1,  3, kDefaultTimer,      kStandardPane,  C, MakeFH13},
  { 4, "FH14", "TFH14", "Water cont.",     "Water content",            "Water content",            1,  4, kDefaultTimer,      below(0.1L),    C, MakeFH14},
  { 5, "FH21", "TFH21", "Stresses",        "Effective stress",         "Effective stress",         1,  5, kNoTimer,           kStandardPane,  C, MakeFH21},
  { 6, "FH22", "TFH22", "Shake",           "Deformation of soils",     "Deformation of soils",     1,  6, kDefaultTimer,      ofWindow(0.84L), C, MakeFH22},
  { 7, "FH23", "TFH23", "Fill",            "Soil under water",         "Soil under water",         1,  7, kDefaultTimer,      ofWindow(0.84L), C, MakeFH23},
  { 8, "FH24", "TFH24", "Archimedes",      "Archimedes",               "Archimedes",               1,  8, kNoTimer,           ofWindow(0.84L), P, MakeFH24},
  { 9, "FH25", "TFH25", "Terzaghi",        "Terzaghi",                 "Terzaghi",                 1,  9, kNoTimer,           ofWindow(0.84L), P, MakeFH25},
  {10, "FH31", "TFH31", "Darcy",           "Darcy",                    "Darcy",                    1, 10, enabledTimer(100),  kStandardPane,  C, MakeFH31},
  {11, "FH32", "TFH32", "Liquefaction",    "Liquefaction",             "Liquefaction",             1, 11, kDefaultTimer,      kStandardPane,  C, MakeFH32},
  {12, "FH33", "TFH33", "Continuity",      "Continuity",               "Continuity",               1, 12, enabledTimer(100),  kStandardPane,  C, MakeFH33},
  {13, "FH34", "TFH34", "Well",            "Flow to a well",           "Flow to a well",           2,  1, kNoTimer,           kStandardPane,  C, MakeFH34},
  {14, "FH35", "TFH35", "Layer",           "Vertical flow in a layer", "Vertical flow in a layer", 2,  2, kNoTimer,           kStandardPane,  C, MakeFH35},
  {15, "FH41", "TFH41", "Oedometer",       "Oedometer",                "Oedometer",                2,  3, kNoTimer,           kStandardPane,  C, MakeFH41},
  {16, "FH42", "TFH42", "Compressibility", "Compressibility",          "Compressibility",          2,  4, kNoTimer,           kStandardPane,  C, MakeFH42},
  {17, "FH43", "TFH43", "Creep",           "Creep",                    "Creep",                    2,  5, kNoTimer,           below(0.9L),    C, MakeFH43},
  {18, "FH44", "TFH44", "Consolidation",   "Consolidation",            "Consolidation",            2,  6, kDefaultTimer,      below(0.3L),    C, MakeFH44},
  {19, "FH45", "TFH45", "Num. sol.",       "Numerical solution",       "Numerical solution",       2,  7, kDefaultTimer,      {PaneRule::OfStandard, 0.6L}, C, MakeFH45},
  {20, "FH51", "TFH51", "Mohr",            "Mohr",                     "Mohr",                     2,  8, disabledTimer(100), below(0.2L),    C, MakeFH51},
  {21, "FH52", "TFH52", "Stress",          "Stress",                   "Stress",                   2,  9, kDefaultTimer,      kStandardPane,  C, MakeFH52, kRedrawOnly},
  {22, "FH53", "TFH53", "Triaxial test",   "Triaxial test",            "Triaxial test",            2, 10, kDefaultTimer,      kStandardPane,  A, MakeFH53},
  {23, "FH54", "TFH54", "Drained test",    "Drained test",             "Drained test",             2, 11, kDefaultTimer,      kStandardPane,  C, MakeFH54},
  {24, "FH55", "TFH55", "Undrained test",  "Undrained test",           "Undrained test",           2, 12, kDefaultTimer,      kStandardPane,  C, MakeFH55},
  {25, "FH61", "TFH61", "Continua",        "Continua",                 "Continua",                 3,  1, kNoTimer,           below(0.6L),    C, MakeFH61},
  {26, "FH62", "TFH62", "Layered soil",    "Layered soil",             "Layered soil",             3,  2, kNoTimer,           kStandardPane,  C, MakeFH62},
  {27, "FH63", "TFH63", "Rankine",         "Rankine",                  "Rankine",                  3,  3, kNoTimer,           kStandardPane,  C, MakeFH63},
  {28, "FH64", "TFH64", "Active",          "Coulomb Active",           "Coulomb Active",           3,  4, kDefaultTimer,      ofWindow(0.84L), C, MakeFH64},
  {29, "FH65", "TFH65", "Passive",         "Coulomb Passive",          "Coulomb Passive",          3,  5, kDefaultTimer,      ofWindow(0.84L), C, MakeFH65},
  {30, "FH66", "TFH66", "Sheet pile wall", "Sheet pile wall",          "Sheet pile wall",          3,  6, kDefaultTimer,      ofWindow(0.6L),  C, MakeFH66, kRedrawOnly},
  {31, "FH71", "TFH71", "Limit analysis",  "Limit analysis",           "Limit analysis",           3,  7, enabledTimer(500),  kStandardPane,  C, MakeFH71},
  {32, "FH72", "TFH72", "Bearing cap.",    "Bearing capacity",         "Bearing capacity",         3,  8, kNoTimer,           kStandardPane,  C, MakeFH72},
  {33, "FH73", "TFH73", "Brinch Hansen",   "Brinch Hansen",            "Brinch Hansen",            3,  9, kNoTimer,           ofWindow(0.84L), C, MakeFH73},
  {34, "FH74", "TFH74", "CPT",             "Cone Penetration Test",    "Cone Penetration Test",    3, 10, kDefaultTimer,      kStandardPane,  C, MakeFH74},
  {35, "FH75", "TFH75", "Cone resistance", "Cone resistance",          "Cone Resistance",          3, 11, kNoTimer,           ofWindow(0.5L),  C, MakeFH75},
  {36, "FH76", "TFH76", "Centrifuge",      "Centrifuge",               "Centrifuge",               3, 12, kDefaultTimer,      ofWindow(0.84L), C, MakeFH76},
}};
// clang-format on

}  // namespace

const LessonList& Lessons() { return kLessons; }

const LessonEntry* FindLesson(const char* window) {
  for (const LessonEntry& e : kLessons)
    if (std::strcmp(e.window, window) == 0) return &e;
  return nullptr;
}

}  // namespace kavenor
