#pragma once

#include <QString>

namespace kavenor::wltest {

// The program under test, as given on the command line.
QString& ProgramPath();

}  // namespace kavenor::wltest
