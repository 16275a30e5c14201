#!/usr/bin/env python3
"""Checks what the shared library exports to its host.

check_exports.py NM LIBRARY KIND_LIST

Reads the library's dynamic symbol table (NM -D --defined-only, demangled) and fails when
  - a symbol of an anonymous namespace or of namespace zx leaks (the helpers a host is meant to
    call directly are listed in ALLOWED_HELPERS),
  - a symbol belongs to none of the exported families: the global C.../I... classes and their
    templates, the free functions of the value types, the standard library's own instantiations
    over those types, and what a toolchain adds (sanitizer runtimes, _init/_fini),
  - a symbol a host needs is missing: for every kind in the list of kinds its interface's and
    class's typeinfo, its handles' vtables, its invalid object and record; for every root its
    vtable; and the archive, its exceptions and the project's entry points.
"""
import re
import subprocess
import sys

# Prefixes that name what a symbol belongs to, stripped before its entity is examined.
SPECIAL_PREFIXES = (
    "typeinfo name for ",
    "typeinfo for ",
    "vtable for ",
    "VTT for ",
    "guard variable for ",
    "non-virtual thunk to ",
    "virtual thunk to ",
    "covariant return thunk to ",
    "reference temporary #0 for ",
    "TLS init function for ",
    "TLS wrapper function for ",
    # The object a class-type template argument names (a presentation's recorded name): host and
    # library must share it, as they share the template's instances.
    "template parameter object for ",
)

# Helpers of namespace zx that inline code in the public headers calls, so hosts link them (the
# keyed containers' index and the wrappers' handle holder among them), and the file layer a host
# saves and loads through (its errors are caught by type).
ALLOWED_HELPERS = ("zx::jsonQuote[abi:cxx11](", "zx::hexQuote[abi:cxx11](", "zx::FixedString<",
                   "zx::CAtomicFileWriter", "zx::CFileError",
                   "zx::CMappedFile", "zx::CFileDescriptor", "zx::ScopedFileSystemCalls",
                   "zx::readRegularFile(", "zx::openRegularFile(", "zx::requireRegularFile(",
                   "zx::openSoleFileBeneath(",
                   "zx::systemFileSystemCalls(", "zx::detail::g_activeFileSystemCalls",
                   "zx::orderLock(", "zx::g_idHashSeed", "zx::KeyedIndex::",
                   "zx::HandleHolder<")

ALLOWED_ENTITY = re.compile(
    r"^(?:"
    r"[CI][A-Z0-9]\w*(?:<|::|$)"  # the library's classes and class templates
    r"|toDumpText\b|getSysColor\(|userFieldValues::"  # free functions of the value types
    r"|std::|__gnu_cxx::"  # standard templates instantiated over exported types
    r")"
)
TOOLCHAIN = re.compile(r"^(?:_init|_fini|_edata|_end|__bss_start|__(?:odr_)?asan|__ubsan|__sancov"
                       r"|__sanitizer|__llvm|__start_|__stop_)")

# clang's -fsanitize=function describes the type of every function whose address is taken.
FUNCTION_TYPEINFO = re.compile(r"^typeinfo (?:name )?for .*\)(?: const)?(?: noexcept)?$")

FIXED_REQUIRED = [
    "typeinfo for CArchiveException",
    "typeinfo for CArchiveErrorLocation",
    "typeinfo for CArchive",
    "typeinfo for CZentrixArchive",
    "vtable for CZentrixArchive",
    "typeinfo for CObjectState",
    "CDocumentManager::getInstance()",
    "CProjectRoots::Serialize(CZentrixArchive&)",
    "CProjectRoots::operator==(CProjectRoots const&) const",
    "CIDBase::generate()",
    "CString::fromUtf8(*",
    "zx::jsonQuote[abi:cxx11](*",
    "typeinfo for zx::CFileError",
    "typeinfo for CDocumentError",
    "CProjectDocument::save(*",
    "userFieldValues::add(*",
    "CTGraphicalTransform<double>::s_identityTransform",
    "CTGraphicalTransform<float>::setMatrix(float const*)",
]


def kinds(kind_list):
    """The root kinds and the child kinds named in the list of kinds."""
    text = open(kind_list, encoding="utf-8").read()

    def listed(macro):
        match = re.search(r"#define " + macro + r"\(X\)((?:.*\\\n)*.*)", text)
        if not match:
            sys.exit(f"{kind_list}: no {macro}")
        return re.findall(r"X\((\w+)", match.group(1))

    return listed("ZX_ROOT_KINDS") + listed("ZX_HELD_KINDS"), listed("ZX_CHILD_KINDS")


def required(roots, children):
    names = list(FIXED_REQUIRED)
    for kind in roots + children:
        i, c = "I" + kind, "C" + kind
        names += [
            f"typeinfo for {i}",
            f"typeinfo for {c}",
            f"typeinfo for IDescribed<{i}>",
            f"typeinfo for CStored<{c}, {i}>",
            f"vtable for IHandle<{i}>",
            f"vtable for CBasicHandle<{i}, {c}>",
            f"vtable for CWritableBasicHandle<{i}, {c}>",
            f"CBasicHandle<{i}, {c}>::s_invalidObject",
            f"IDescribed<{i}>::Serialize(CZentrixArchive&)",
            f"IDescribed<{i}>::invalidObject()",
            f"vtable for CBasicConstArrayHandle<{i}, {c}, *",
            f"CUniqueObjectPointerArray<{i}, {c}, *",
        ]
    for kind in roots:
        names += [f"vtable for CObjectRoot<I{kind}, C{kind}, *",
                  f"IObjectRoot<I{kind}, *::Serialize(CZentrixArchive&)"]
    return names


OPERATOR = re.compile(r"operator(?:<=>|->\*|<<=|>>=|\(\)|\[\]|->|<<|>>|<=|>=|==|!=|&&|\|\||\+\+|--"
                      r"|[-+*/%^&|]=|[-+*/%^&|~!=<>,])")


def entity(symbol):
    """The qualified name a demangled symbol defines, without its kind prefix or return type."""
    for prefix in SPECIAL_PREFIXES:
        if symbol.startswith(prefix):
            symbol = symbol[len(prefix):]
            break
    # Split at spaces outside <>, () and {}, reading an operator's name as a name.
    tokens, depth, start, i = [], 0, 0, 0
    while i < len(symbol):
        if symbol.startswith("operator", i) and (i == 0 or symbol[i - 1] in ": "):
            op = OPERATOR.match(symbol, i)
            if op:
                i = op.end()
                continue
            # A conversion: its type runs to the parameter list.
            i += len("operator")
            nested = 0
            while i < len(symbol) and not (symbol[i] == "(" and nested == 0):
                nested += {"<": 1, ">": -1}.get(symbol[i], 0)
                i += 1
            continue
        ch = symbol[i]
        if ch in "<({":
            depth += 1
        elif ch in ">)}":
            depth -= 1
        elif ch == " " and depth == 0:
            tokens.append(symbol[start:i])
            start = i + 1
        i += 1
    tokens.append(symbol[start:])
    # A function's name is the token that opens its parameter list (a decltype return type is
    # only a parenthesis); a variable has one token.
    for token in tokens:
        if "(" in token and not token.startswith(("(", "decltype")):
            return token
    return tokens[-1]


def matches(pattern, symbols):
    if "*" not in pattern:
        return pattern in symbols
    regex = re.compile("^" + ".*".join(re.escape(part) for part in pattern.split("*")) + "$")
    return any(regex.match(s) for s in symbols)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    nm, library, kind_list = sys.argv[1:]
    out = subprocess.run([nm, "-D", "--defined-only", "-C", library], check=True,
                         capture_output=True, text=True).stdout
    symbols = set()
    for line in out.splitlines():
        parts = line.split(" ", 2)
        if len(parts) == 3:
            symbols.add(parts[2])

    leaks = []
    for symbol in sorted(symbols):
        if TOOLCHAIN.match(symbol) or FUNCTION_TYPEINFO.match(symbol):
            continue
        name = entity(symbol)
        if "(anonymous namespace)" in symbol:
            leaks.append(symbol)
        elif name.startswith("zx::"):
            if not name.startswith(ALLOWED_HELPERS):
                leaks.append(symbol)
        elif not ALLOWED_ENTITY.match(name):
            leaks.append(symbol)

    roots, children = kinds(kind_list)
    missing = [name for name in required(roots, children) if not matches(name, symbols)]

    for symbol in leaks[:50]:
        print(f"exported but internal: {symbol}")
    for name in missing:
        print(f"host-visible but not exported: {name}")
    print(f"{len(symbols)} exported symbols, {len(roots)} root kinds, {len(children)} child kinds, "
          f"{len(leaks)} leaked, {len(missing)} missing")
    return 1 if leaks or missing else 0


if __name__ == "__main__":
    sys.exit(main())
