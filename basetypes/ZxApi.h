// ZX_API: marks what the shared library exports to its host.
//
// The library is built with hidden visibility by default, so a symbol reaches a host only when
// its declaration says so. Every class a host uses (the kinds' interfaces and classes, roots,
// handles, containers, value types, the archive and its exceptions) carries ZX_API, and so do
// the explicit instantiations of the kinds' templates; helpers a host never names directly stay
// hidden. A class with a vtable must be exported whole: its vtable and typeinfo have to be one
// object across the library boundary for exceptions, dynamic_cast and extern templates to work.
//
// The attribute is harmless on the host side: a host compiled with default visibility gets the
// same declarations it would see without it.
#pragma once

#define ZX_API __attribute__((visibility("default")))
