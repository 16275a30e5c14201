// Accessors of the import settings' lists, named after the entry they hold the way hosts call
// them (getTaskSize, setTaskSize, getTaskPair, setTaskPair, ...). Names are what no template can
// make, so these few macros write them; the behaviour sits in the functions below.
//
// The index accessors do not check their index: a caller keeps 0 <= i < size.
#pragma once

#include <cstddef>

namespace zx {

inline std::size_t listIndex(int i) { return static_cast<std::size_t>(i); }

// Resizes parallel lists together; new entries are default values (key 0, the unset ID, an empty
// text). A negative size empties them.
template <class... Lists>
void resizeLists(int size, Lists&... lists) {
    const std::size_t n = size < 0 ? 0 : static_cast<std::size_t>(size);
    (lists.resize(n), ...);
}

}  // namespace zx

// Two parallel lists read and written by position as a pair.
#define ZX_PAIR_LIST_ACCESSORS(NAME, A, LIST_A, B, LIST_B)                    \
    int get##NAME##Size() const { return static_cast<int>(LIST_A.size()); }   \
    void set##NAME##Size(int size) { zx::resizeLists(size, LIST_A, LIST_B); } \
    void get##NAME##Pair(int i, A& a, B& b) const {                           \
        a = LIST_A[zx::listIndex(i)];                                         \
        b = LIST_B[zx::listIndex(i)];                                         \
    }                                                                         \
    void set##NAME##Pair(int i, A a, const B& b) {                            \
        LIST_A[zx::listIndex(i)] = a;                                         \
        LIST_B[zx::listIndex(i)] = b;                                         \
    }

// Three parallel lists read and written by position as one entry.
#define ZX_TRIPLE_LIST_ACCESSORS(NAME, A, LIST_A, B, LIST_B, C, LIST_C)               \
    int get##NAME##Size() const { return static_cast<int>(LIST_A.size()); }           \
    void set##NAME##Size(int size) { zx::resizeLists(size, LIST_A, LIST_B, LIST_C); } \
    void get##NAME##Pair(int i, A& a, B& b, C& c) const {                             \
        a = LIST_A[zx::listIndex(i)];                                                 \
        b = LIST_B[zx::listIndex(i)];                                                 \
        c = LIST_C[zx::listIndex(i)];                                                 \
    }                                                                                 \
    void set##NAME##Pair(int i, A a, const B& b, const C& c) {                        \
        LIST_A[zx::listIndex(i)] = a;                                                 \
        LIST_B[zx::listIndex(i)] = b;                                                 \
        LIST_C[zx::listIndex(i)] = c;                                                 \
    }

// One list read and written by position.
#define ZX_LIST_ACCESSORS(NAME, T, LIST)                                  \
    int get##NAME##Size() const { return static_cast<int>(LIST.size()); } \
    void set##NAME##Size(int size) { zx::resizeLists(size, LIST); }       \
    const T& get##NAME(int i) const { return LIST[zx::listIndex(i)]; }    \
    void set##NAME(int i, const T& value) { LIST[zx::listIndex(i)] = value; }

// A member's read accessor and its writable twin.
#define ZX_MEMBER_ACCESSORS(GETTER, WRITABLE_GETTER, MEMBER) \
    const auto& GETTER() const { return MEMBER; }            \
    auto& WRITABLE_GETTER() { return MEMBER; }
