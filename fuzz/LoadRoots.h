// LoadRoots: loads untrusted bytes as one of the sample project's roots or collections and checks
// that the load kept its promises. Shared by the fuzz target, the corpus maker and the
// malformed-input tests, so all three exercise exactly the same code.
//
// The promises of a load from bad input: it ends in CArchiveException whose message names a byte
// offset, or in one of the archive's standard exceptions with a fixed message (a negative count's
// CArchiveLengthError, a history's CArchiveRuntimeError) whose offset lies within the input, and
// the container it was loading is left empty. A load that succeeds must give a
// container that dumps, saves, loads back and saves the same bytes again. Any other exception is
// not caught here: it escapes to the caller (the fuzzer reports it as a crash).
//
// A fuzz input is one selector byte (the target, see selectorOf) followed by the archive bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "ObjectWalk.h"
#include "SampleProject.h"
#include "zentrix.h"

namespace zxfuzz {

// What a fuzz input can be loaded as: every root of the list of kinds, in file order, then a bare
// keyed collection of every other listed kind; index is the position in that order.
struct Target {
    int index = 0;
    friend bool operator==(Target, Target) = default;
};
inline constexpr int kTargetCount = static_cast<int>(zx::RootTypes::size + zx::ChildKinds::size);

// The selector byte keeps naming the same target when kinds are added, so that a grown corpus
// stays meaningful: the lists only ever grow at their ends, and each counts in a range of its
// own. Bytes 0 up name the host's roots in file order, bytes 127 down the held kinds' roots, bytes
// 128 up the other kinds in list order. A byte that names nothing (a mutation) falls back to a
// target by its value modulo the count, so that every input loads something.
inline constexpr int kHeldCount = static_cast<int>(zx::HeldKinds::size);
inline constexpr int kHostRootCount = static_cast<int>(zx::RootTypes::size) - kHeldCount;
inline constexpr int kChildCount = static_cast<int>(zx::ChildKinds::size);
static_assert(kHostRootCount + kHeldCount <= 128 && kChildCount <= 128,
              "the selector byte has room for 128 roots and 128 other kinds");

constexpr std::uint8_t selectorOf(Target target) {
    if (target.index < kHostRootCount) return static_cast<std::uint8_t>(target.index);
    if (target.index < kHostRootCount + kHeldCount)
        return static_cast<std::uint8_t>(127 - (target.index - kHostRootCount));
    return static_cast<std::uint8_t>(128 + target.index - kHostRootCount - kHeldCount);
}
constexpr Target targetOfSelector(std::uint8_t selector) {
    if (selector < kHostRootCount) return Target{selector};
    if (selector < 128 && 127 - selector < kHeldCount)
        return Target{kHostRootCount + 127 - selector};
    if (selector >= 128 && selector - 128 < kChildCount)
        return Target{kHostRootCount + kHeldCount + selector - 128};
    return Target{selector % kTargetCount};
}

// The target that loads Root (a root type) or a bare collection of C (a listed child kind).
template <class T>
constexpr Target targetOf() {
    int position = 0, found = -1;
    const auto visit = [&]<class U>() {
        if (std::is_same_v<U, T>) found = position;
        ++position;
    };
    zx::forEachType(zx::RootTypes{}, visit);
    zx::forEachType(zx::ChildKinds{}, visit);
    return Target{found};
}

inline std::vector<Target> allTargets() {
    std::vector<Target> targets;
    for (int i = 0; i < kTargetCount; ++i) targets.push_back(Target{i});
    return targets;
}

// A keyed collection of the concrete class C.
template <class C>
using ArrayOf = CUniqueObjectPointerArray<typename C::Interface, C,
                                          std::remove_cvref_t<decltype(std::declval<C>().getID())>>;

template <class L>
struct ArrayTuple;
template <class... C>
struct ArrayTuple<zx::TypeList<C...>> {
    using type = std::tuple<ArrayOf<C>...>;
};

// What a fuzz input can be loaded into: the sample project's roots, and for every other kind a
// bare collection holding every object of that kind found anywhere in the project.
struct Containers {
    SampleProject project;
    ArrayTuple<zx::ChildKinds>::type collections;

    Containers() = default;
    explicit Containers(SampleProject sample) : project(std::move(sample)) {
        project.forEachRoot([&](const auto& root) {
            using I = typename std::remove_cvref_t<decltype(root)>::Object::Interface;
            const auto& objects = root.getArray();
            for (int i = 0; i < objects.GetSize(); ++i) collect<I>(objects.getConstReference(i));
        });
    }

    template <class C>
    ArrayOf<C>& collection() {
        return std::get<ArrayOf<C>>(collections);
    }
    // The root of that type, or the bare collection of that type.
    template <class Container>
    Container& container() {
        if constexpr (zx::Contains<zx::RootTypes, Container>::value)
            return project.get<Container>();
        else
            return std::get<Container>(collections);
    }

    // Every object of a kind without a root, found anywhere below object, joins its collection.
    template <class I>
    void collect(const I& object) {
        zxsample::walkObjects(object, [&]<class J>(const J& found, bool) {
            using C = typename ConcreteKind<J>::type;
            if constexpr (zx::Contains<zx::ChildKinds, C>::value) (void)collection<C>().Add(found);
        });
    }
};

// Calls f.template operator()<Container>() with the type of target's container. A load makes
// only that container: a whole project of empty roots for each input would cost more than
// loading most inputs.
template <class F>
void withContainerType(Target target, F&& f) {
    int position = 0;
    zx::forEachType(zx::RootTypes{}, [&]<class R>() {
        if (position++ == target.index) f.template operator()<R>();
    });
    zx::forEachType(zx::ChildKinds{}, [&]<class C>() {
        if (position++ == target.index) f.template operator()<ArrayOf<C>>();
    });
}

// Calls f with the container for target (a root or a bare collection).
template <class F>
void withContainer(Target target, Containers& all, F&& f) {
    withContainerType(target, [&]<class Container>() { f(all.container<Container>()); });
}

// "CodeRoot" for a root, "LinkArray" for a bare collection.
inline std::string targetName(Target target) {
    std::string name = "?";
    int position = 0;
    zx::forEachType(zx::RootTypes{}, [&]<class R>() {
        if (position++ == target.index) name = std::string(R::markerName());
    });
    zx::forEachType(zx::ChildKinds{}, [&]<class C>() {
        if (position++ == target.index) name = std::string(C::s_kindName) + "Array";
    });
    return name;
}

// The keyed collection behind a root, or the collection itself.
template <class Container>
const auto& objectsOf(const Container& container) {
    if constexpr (requires { container.getArray(); })
        return container.getArray();
    else
        return container;
}

template <class Container>
std::vector<std::byte> saveContainer(Container& container) {
    CZentrixArchive ar;
    container.Serialize(ar);
    return ar.takeStoredBytes();
}

inline std::vector<std::byte> saveTarget(Containers& project, Target target) {
    std::vector<std::byte> bytes;
    withContainer(target, project, [&](auto& container) { bytes = saveContainer(container); });
    return bytes;
}

struct LoadReport {
    bool loaded = false;
    // Top-level objects in the container after the load.
    int objects = 0;
    // The exception's message and byte offset when the load failed.
    std::string error;
    std::uint64_t offset = 0;
    // The load failed with a standard exception whose message is fixed: the offset came from its
    // accessor, not from the message.
    bool fixedMessage = false;
    // A broken promise, in words; empty when the load behaved.
    std::string fault;
};

namespace detail {

// Loads bytes into container; only the archive's exceptions are caught.
template <class Container>
LoadReport loadInto(Container& container, std::span<const std::byte> bytes) {
    LoadReport report;
    const auto failed = [&report](const std::exception& e, std::uint64_t offset, bool fixed) {
        report.error = e.what();
        report.offset = offset;
        report.fixedMessage = fixed;
    };
    try {
        CZentrixArchive ar(bytes);
        container.Serialize(ar);
        report.loaded = true;
    } catch (const CArchiveException& e) {
        failed(e, e.offset(), false);
    } catch (const CArchiveLengthError& e) {
        failed(e, e.offset(), true);
    } catch (const CArchiveRuntimeError& e) {
        failed(e, e.offset(), true);
    }
    report.objects = objectsOf(container).GetSize();
    return report;
}

// The promises of one load of archive into a new container.
template <class Container>
LoadReport checkedLoad(std::span<const std::byte> archive) {
    Container container;
    LoadReport report = loadInto(container, archive);
    if (!report.loaded) {
        if (report.objects != 0)
            report.fault = "a failed load left " + std::to_string(report.objects) + " objects";
        else if (!report.fixedMessage &&
                 report.error.find(" at byte " + std::to_string(report.offset)) ==
                     std::string::npos)
            report.fault = "the error names no byte offset: " + report.error;
        else if (report.offset > archive.size())
            report.fault = "the error names a byte past the input: " + report.error;
        return report;
    }

    // Whatever was accepted must be usable: dumped, saved and read back without change.
    const auto& objects = objectsOf(container);
    for (int i = 0; i < objects.GetSize(); ++i) (void)objects.getConstReference(i).dump();
    const std::vector<std::byte> saved = saveContainer(container);
    Container reloaded;
    const LoadReport again = loadInto(reloaded, saved);
    if (!again.loaded) {
        report.fault = "the re-saved archive does not load: " + again.error;
    } else if (again.objects != report.objects) {
        report.fault = "the re-saved archive loads " + std::to_string(again.objects) +
                       " objects instead of " + std::to_string(report.objects);
    } else if (saveContainer(reloaded) != saved) {
        report.fault = "saving the reloaded container gives different bytes";
    }
    return report;
}

}  // namespace detail

inline LoadReport loadTarget(Target target, std::span<const std::byte> archive) {
    LoadReport report;
    withContainerType(target,
                      [&]<class Container>() { report = detail::checkedLoad<Container>(archive); });
    return report;
}

// A fuzz input: a selector byte, then the archive.
inline LoadReport loadFuzzInput(std::span<const std::byte> input) {
    if (input.empty()) return {};
    const Target target = targetOfSelector(std::to_integer<std::uint8_t>(input[0]));
    return loadTarget(target, input.subspan(1));
}

// The fuzz input that loads the given archive as target.
inline std::vector<std::byte> fuzzInput(Target target, std::span<const std::byte> archive) {
    std::vector<std::byte> input;
    input.reserve(archive.size() + 1);
    input.push_back(static_cast<std::byte>(selectorOf(target)));
    input.insert(input.end(), archive.begin(), archive.end());
    return input;
}

}  // namespace zxfuzz
