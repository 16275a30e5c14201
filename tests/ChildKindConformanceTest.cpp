// The kinds without roots (children and embedded parts) pass the common conformance suite.
#include "tests/KindConformance.h"

namespace conformance {

INSTANTIATE_TYPED_TEST_SUITE_P(ChildKinds, KindConformance, GTestTypes<zx::ChildKinds>);

}  // namespace conformance
