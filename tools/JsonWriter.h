// writeProject: a project as one JSON document, streamed, derived from the kinds' field
// descriptions (a kind added to the list of kinds is written with no code of its own).
//
//   {"format":"zentrix-store project","formatVersion":1,"fileVersion":440,"sections":[
//   {"kind":"Code","id":"<root ID>","objects":[
//   {"kind":"Code","ID":"...","Name":"...",...},
//   ...
//   ]},
//   ... one section per root, in the order of the list of kinds ...
//   ]}
//
// Each object is "kind", then every entry of its field description in record order: values in
// their JSON form (JsonValues.h), child collections as arrays of objects, parts as objects and
// absent optional entries as null. Every top-level object takes one line of its own. The same
// project gives the same bytes.
//
// With a kind or an ID in the options the document lists, instead of sections, the matching
// objects found at any depth, each with what it owns, under "objects"; that form is for reading,
// not for readProject.
//
// Memory stays flat: the text goes to the stream in blocks as top-level objects are finished.
// Throws JsonError for text that is not Unicode, for an unknown kind or a malformed ID in the
// options, and for objects nested deeper than a reader accepts; the stream then holds the part
// written before. The stream's own state says whether it took every byte.
#pragma once

#include <optional>
#include <ostream>
#include <string>

class CProjectRoots;

namespace zxjson {

struct WriteOptions {
    // Fields marked secret print as "<redacted>" unless true.
    bool showSecrets = false;
    // Only objects of this kind (at any depth, with what they own). The initialisers keep GCC
    // quiet about members a designated initialiser ({.kind = "Task"}) leaves out.
    std::optional<std::string> kind = std::nullopt;
    // Only the object with this ID (at any depth).
    std::optional<std::string> id = std::nullopt;
};

void writeProject(std::ostream& out, const CProjectRoots& project, int fileVersion,
                  const WriteOptions& options = {});

}  // namespace zxjson
