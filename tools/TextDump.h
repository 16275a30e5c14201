// TextDump: the readable form of `zxstore dump`: every object with every field, indented by
// ownership, values in their JSON text. For people; the JSON form (JsonWriter) is the one that
// is read back.
//
// Fields marked secret print as "<redacted>" unless the options ask for secrets. A kind or ID
// filter prints each matching object, at any depth, with everything it owns.
#pragma once

#include <ostream>

#include "JsonWriter.h"
#include "project/CProjectRoots.h"

namespace zxtool {

void writeText(std::ostream& out, const CProjectRoots& project,
               const zxjson::WriteOptions& options);

}  // namespace zxtool
