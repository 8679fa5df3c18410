#include <gtest/gtest.h>
#include "tests/support/TestSupport.h"
TEST(Placeholder, CourseStarts) { kavenor::test::SharedCourse(); }
