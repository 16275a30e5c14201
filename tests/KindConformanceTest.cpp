// The schedule kinds of the core pass the common conformance suite.
#include "tests/KindConformance.h"

namespace conformance {

using ScheduleKinds = ::testing::Types<CLink, CCode, CCodeValue, CUserField, CTaskCategory,
                                       CTaskState, CCost, CTaskReport>;
INSTANTIATE_TYPED_TEST_SUITE_P(Schedule, KindConformance, ScheduleKinds);

}  // namespace conformance
