#include "HygrelClass.h"
#include <gtest/gtest.h>
TEST(Smoke, SaturationAt20) { HygrelClass e; double db=20, p=0; EXPECT_EQ(e.F_DB2PWS(db,p),1); EXPECT_NEAR(p,17.5458,5e-5); }
