// The walk over every object an object owns, under the tools' own namespace.
#pragma once

#include "project/ObjectWalk.h"

namespace zxsample {
using zx::ObjectWalker;
using zx::walkObjects;
using zx::WalkStep;
}  // namespace zxsample
