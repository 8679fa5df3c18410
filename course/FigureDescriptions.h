#pragma once
// What each lesson's figure shows, in one sentence: the description a screen
// reader gives of the drawing area, whose name is the lesson's title.

#include <span>

namespace kavenor {

// The sentence of a lesson window ("FH11" ... "FH76"), or nullptr.
const char* FigureDescription(const char* window);

// The spoken names of the lesson controls that show no text of their own.
struct ControlName {
  const char* window;
  const char* control;  // its object name
  const char* name;
};
std::span<const ControlName> ControlNames();

}  // namespace kavenor
