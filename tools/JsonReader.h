// readProject: reads a project written by writeProject (unfiltered) back, equal to the one
// written.
//
// Streaming: the text is parsed event by event and each top-level object is built, converted
// and stored as soon as its closing brace arrives, then dropped, so memory holds one object's
// tree, not the document's. Strict: every member the writer writes must be there exactly once,
// nothing else may be, and every value must have the type and range of its field; the header
// must name this format, its version 1 and a file version this build reads; the sections must be
// those of the list of kinds, in its order. Members may come in any order, except that the
// header's three members precede "sections" and a section's "kind" precedes its "objects"
// (objects are read as they arrive). Each object must also obey the store's own rules for its
// values (the bounds of a time of day, a day type's block count, ...): it is checked by saving it
// to an in-memory archive and loading that back, so whatever is read here can be saved and
// loaded.
//
// Anything else throws JsonError naming the section, object, field and line and byte. The project
// is emptied first; after a failure it holds the objects read before it (read into a fresh
// project and swap it in to keep the old one).
#pragma once

#include <istream>

#include "JsonError.h"

class CProjectRoots;

namespace zxjson {

void readProject(std::istream& in, CProjectRoots& project);

}  // namespace zxjson
