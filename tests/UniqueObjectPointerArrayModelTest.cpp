// The keyed container against a plain model: random runs of adds, inserts, removals, ownership
// moves, position changes, unsorted mutators, IDs changed in place, archive round trips and
// clearing, checking storage order, lookups and the ordered index after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "store/IDHashIndex.h"
#include "store/OwnedPointerVector.h"
#include "store/SmallPodVector.h"
#include "zentrix.h"

namespace {

// IDs that order as n does.
CLinkID idOf(int n) {
    GUID guid{};
    guid[0] = 0x20;
    guid[14] = static_cast<std::uint8_t>(n >> 8);
    guid[15] = static_cast<std::uint8_t>(n);
    return CLinkID(guid);
}

CLink linkOf(int n) {
    CLink link;
    link.setID(idOf(n));
    // A value beside the ID, so that copies that lost their contents would show.
    link.setDelay(CProjectDuration(n));
    return link;
}

int numberOf(const CIDBase& id) { return id.getGUID()[14] << 8 | id.getGUID()[15]; }

// The container's contents as the model sees them: ID numbers in storage order.
class Model {
public:
    std::vector<int> stored;

    bool holds(int n) const { return std::find(stored.begin(), stored.end(), n) != stored.end(); }
    int size() const { return static_cast<int>(stored.size()); }
    int positionOf(int n) const {
        const auto it = std::find(stored.begin(), stored.end(), n);
        return it == stored.end() ? -1 : static_cast<int>(it - stored.begin());
    }
    // Storage positions in ascending ID order.
    std::vector<int> orderedIndex() const {
        std::vector<int> index(stored.size());
        for (std::size_t i = 0; i < index.size(); ++i) index[i] = static_cast<int>(i);
        std::sort(index.begin(), index.end(), [this](int a, int b) {
            return stored[static_cast<std::size_t>(a)] < stored[static_cast<std::size_t>(b)];
        });
        return index;
    }
};

class RandomRun {
public:
    // IDs are drawn from 0..pool-1: a small pool keeps containers around the size where the hash
    // index starts, a large one makes it grow and shrink.
    RandomRun(std::uint32_t seed, int pool) : m_pool(pool), m_random(seed) {}

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    int pickBetween(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    // A position that is sometimes outside the container.
    int anyPosition() { return pickBetween(-2, m_model.size() + 2); }
    int absentNumber() {
        if (m_model.size() == m_pool) return -1;
        int n = pick(m_pool);
        while (m_model.holds(n)) n = (n + 1) % m_pool;
        return n;
    }
    bool inRange(int i) const { return i >= 0 && i < m_model.size(); }

    // One random operation; returns its name for failure messages.
    std::string step() {
        const int n = pick(m_pool);
        switch (pick(14)) {
            case 0:
            case 1: {
                const int i = m_array.Add(linkOf(n));
                if (m_model.holds(n)) {
                    EXPECT_EQ(i, -1) << "a repeated ID was added";
                } else {
                    EXPECT_EQ(i, m_model.size());
                    m_model.stored.push_back(n);
                }
                return "Add " + std::to_string(n);
            }
            case 2: {
                const int i = anyPosition();
                const bool valid = i >= 0 && i <= m_model.size() && !m_model.holds(n);
                EXPECT_EQ(m_array.InsertAt(i, linkOf(n)), valid);
                if (valid) m_model.stored.insert(m_model.stored.begin() + i, n);
                return "InsertAt " + std::to_string(i);
            }
            case 3: {
                const int i = anyPosition();
                EXPECT_EQ(m_array.RemoveAt(i), inRange(i));
                if (inRange(i)) m_model.stored.erase(m_model.stored.begin() + i);
                return "RemoveAt " + std::to_string(i);
            }
            case 4: {
                const int i = m_model.positionOf(n);
                if (pick(2) == 0) {
                    EXPECT_EQ(m_array.Remove(idOf(n)), i >= 0);
                } else {
                    EXPECT_EQ(m_array.removeByID(idOf(n)), i);
                }
                if (i >= 0) m_model.stored.erase(m_model.stored.begin() + i);
                return "remove by ID " + std::to_string(n);
            }
            case 5: {
                // Ownership moves out and back in at another place.
                const int from = anyPosition();
                std::unique_ptr<CLink> detached(m_array.Detach(from));
                EXPECT_EQ(detached != nullptr, inRange(from));
                if (!detached) return "Detach outside";
                const int moved = m_model.stored[static_cast<std::size_t>(from)];
                m_model.stored.erase(m_model.stored.begin() + from);
                EXPECT_EQ(numberOf(detached->getID()), moved);
                const int to = anyPosition();
                const bool valid = to >= 0 && to <= m_model.size();
                CLink* raw = detached.get();
                EXPECT_EQ(m_array.Attach(to, raw), valid);
                if (valid) {
                    (void)detached.release();
                    m_model.stored.insert(m_model.stored.begin() + to, moved);
                    EXPECT_EQ(&m_array.getConstReference(to), raw) << "the object was copied";
                }
                return "Detach " + std::to_string(from) + ", Attach " + std::to_string(to);
            }
            case 6: {
                // A new object with an ID that is present stays with the caller.
                auto object = std::make_unique<CLink>(linkOf(n));
                const int to = anyPosition();
                const bool valid = to >= 0 && to <= m_model.size() && !m_model.holds(n);
                EXPECT_EQ(m_array.Attach(to, object.get()), valid);
                if (valid) {
                    (void)object.release();
                    m_model.stored.insert(m_model.stored.begin() + to, n);
                }
                return "Attach new " + std::to_string(n) + " at " + std::to_string(to);
            }
            case 7: {
                const int a = anyPosition(), b = anyPosition();
                EXPECT_EQ(m_array.changePosition(a, b), inRange(a) && inRange(b));
                if (inRange(a) && inRange(b) && a != b) {
                    const int moved = m_model.stored[static_cast<std::size_t>(b)];
                    m_model.stored.erase(m_model.stored.begin() + b);
                    m_model.stored.insert(m_model.stored.begin() + a, moved);
                }
                return "changePosition " + std::to_string(a) + " " + std::to_string(b);
            }
            case 8: {
                // Unsorted mutators with absent IDs, then a sort.
                for (int k = pick(3); k >= 0; --k) {
                    const int fresh = absentNumber();
                    if (fresh < 0) break;
                    if (pick(2) == 0) {
                        EXPECT_EQ(m_array.AddNoSort(linkOf(fresh)), m_model.size());
                        m_model.stored.push_back(fresh);
                    } else {
                        const int i = pickBetween(0, m_model.size());
                        EXPECT_TRUE(m_array.InsertAtNoSort(i, linkOf(fresh)));
                        m_model.stored.insert(m_model.stored.begin() + i, fresh);
                    }
                }
                if (m_model.size() > 0) {
                    const int i = pick(m_model.size());
                    EXPECT_TRUE(m_array.RemoveAtNoSort(i));
                    m_model.stored.erase(m_model.stored.begin() + i);
                }
                expectUnsortedLookupsFindNothing();
                m_array.sort();
                return "NoSort mutators, sort";
            }
            case 9:
            case 10: {
                // An ID changed in place is found under its new ID once the handle resorts.
                const int fresh = absentNumber();
                if (m_model.size() == 0 || fresh < 0) return "no ID change";
                const int i = pick(m_model.size());
                const ILinkArrayHandle handle(new CLinkArrayHandle(&m_array));
                const ILinkWritableHandle link = handle.getWritableReference(i);
                link->setID(idOf(fresh));
                link->setDelay(CProjectDuration(fresh));
                handle.resort();
                m_model.stored[static_cast<std::size_t>(i)] = fresh;
                return "ID change at " + std::to_string(i) + ", resort";
            }
            case 11: {
                CZentrixArchive out;
                m_array.Serialize(out);
                CZentrixArchive in(out.takeStoredBytes());
                CLinkArray loaded;
                loaded.Serialize(in);
                EXPECT_EQ(in.remaining(), 0u);
                EXPECT_TRUE(loaded == m_array);
                m_array = std::move(loaded);
                return "archive round trip";
            }
            case 12: {
                // A copy is independent of the original.
                const CLinkArray copy(m_array);
                m_array.RemoveAll();
                m_array = copy;
                return "copy";
            }
            default:
                if (pick(8) == 0) {
                    m_array.RemoveAll();
                    m_model.stored.clear();
                    return "RemoveAll";
                }
                return "nothing";
        }
    }

    void expectUnsortedLookupsFindNothing() {
        if (m_array.isSorted()) return;
        for (int n = 0; n < m_pool; ++n) EXPECT_EQ(m_array.findByID(idOf(n)), -1) << n;
    }

    // Size, storage order, contents, lookups and (when ordered) the ordered index agree with the
    // model. Asking for the ordered index merges what Add left pending, so it is asked for only
    // now and then: the steps between see a pending tail.
    void check(const std::string& what, bool ordered) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(m_array.isSorted());
        ASSERT_EQ(m_array.GetSize(), m_model.size());
        for (int i = 0; i < m_model.size(); ++i) {
            const int n = m_model.stored[static_cast<std::size_t>(i)];
            ASSERT_EQ(numberOf(m_array.getID(i)), n) << "storage position " << i;
            ASSERT_EQ(m_array.getConstReference(i).getDelay(), CProjectDuration(n)) << i;
        }
        for (int n = 0; n < m_pool; ++n)
            ASSERT_EQ(m_array.findByID(idOf(n)), m_model.positionOf(n)) << "ID " << n;
        if (!ordered) return;
        const std::vector<int> index = m_model.orderedIndex();
        for (int k = 0; k < m_model.size(); ++k)
            ASSERT_EQ(m_array.getOrderedIndex(k), index[static_cast<std::size_t>(k)]) << k;
        ASSERT_EQ(m_array.getOrderedIndex(m_model.size()), -1);
    }

private:
    const int m_pool;
    std::mt19937 m_random;
    CLinkArray m_array;
    Model m_model;
};

TEST(UniqueObjectPointerArrayModel, RandomOperationsMatchAPlainModel) {
    for (const int pool : {40, 300}) {
        for (const std::uint32_t seed : {1u, 20240611u, 77u}) {
            SCOPED_TRACE("pool " + std::to_string(pool) + ", seed " + std::to_string(seed));
            RandomRun run(seed, pool);
            std::vector<std::string> history;
            for (int step = 0; step < 2000; ++step) {
                history.push_back(run.step());
                run.check("step " + std::to_string(step) + ": " + history.back(), step % 5 == 0);
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
    }
}

// The hash side index alone, against keys by position: inserts, removals with the positions
// after them moving down, insertions that move them up, at loads up to its limit, where probe
// runs are long and wrap around the table's end.
TEST(IDHashIndexModel, RandomInsertsRemovalsAndShiftsMatchAPlainModel) {
    std::mt19937_64 random(2026);
    // Hand-made keys sharing whole words, as imported or test IDs do.
    const auto keyOf = [](std::uint64_t n) { return zx::IDKey{0x2000'0000'0000'0000ull, n}; };
    std::vector<zx::IDKey> keys;
    zx::IDHashIndex index;
    std::uint64_t next = 0;
    for (int step = 0; step < 20000; ++step) {
        const auto choice = random() % 10;
        if (choice < 5 || keys.empty()) {
            // Insert at a random position, or append.
            const std::size_t at = choice == 0 ? random() % (keys.size() + 1) : keys.size();
            const zx::IDKey key = keyOf(next++);
            index.reserve(keys.size() + 1, keys);
            index.shiftPositions(static_cast<int>(at), 1);
            keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), key);
            index.insert(key, static_cast<int>(at), keys);
        } else {
            const std::size_t at = random() % keys.size();
            index.erase(keys[at], static_cast<int>(at), keys);
            keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(at));
            index.shiftPositions(static_cast<int>(at) + 1, -1);
            if (random() % 50 == 0) index.shrinkToFit(keys);
        }
        ASSERT_EQ(index.size(), keys.size());
        if (step % 97 == 0 || keys.size() < 8) {
            for (std::size_t i = 0; i < keys.size(); ++i)
                ASSERT_EQ(index.find(keys[i], keys), static_cast<int>(i)) << "step " << step;
            ASSERT_EQ(index.find(keyOf(next), keys), -1);
        }
        ASSERT_LE(4 * index.size(), 3 * index.capacity() + 3);
    }
    zx::IDHashIndex rebuilt;
    rebuilt.rebuild(keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
        ASSERT_EQ(rebuilt.find(keys[i], keys), static_cast<int>(i));
}

// The indexes' small vector against std::vector, growing across its inside capacity and
// shrinking back into it, with copies and moves taken from either state.
TEST(SmallPodVectorModel, RandomEditsCopiesAndMovesMatchAStdVector) {
    std::mt19937 random(7);
    zx::SmallPodVector<zx::IDKey, 2> values;
    std::vector<zx::IDKey> model;
    for (int step = 0; step < 20000; ++step) {
        const auto choice = random() % 12;
        const zx::IDKey key{random(), static_cast<std::uint64_t>(step)};
        // Sizes stay small, around the inside capacity, where the state changes.
        if ((choice < 4 && model.size() < 12) || model.empty()) {
            values.push_back(key);
            model.push_back(key);
        } else if (choice < 6 && model.size() < 12) {
            const std::size_t at = random() % (model.size() + 1);
            values.insert(values.begin() + at, key);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), key);
        } else if (choice < 9) {
            const std::size_t at = random() % model.size();
            values.erase(values.begin() + at);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        } else if (choice == 9) {
            values.shrink_to_fit();
        } else if (choice == 10) {
            zx::SmallPodVector<zx::IDKey, 2> copy(values);
            values = std::move(copy);
        } else {
            zx::SmallPodVector<zx::IDKey, 2> moved(std::move(values));
            values = moved;
        }
        ASSERT_EQ(values.size(), model.size()) << "step " << step;
        ASSERT_TRUE(std::equal(values.begin(), values.end(), model.begin())) << "step " << step;
        ASSERT_GE(values.capacity(), values.size());
        ASSERT_EQ(values.heapBytes() == 0, values.capacity() == 2);
    }
}

// The container's object vector against std::vector<std::unique_ptr>, across its one inside place
// and its heap block both ways, with every object counted: each is deleted exactly once, by the
// vector that owns it when it is erased, cleared or destroyed, and never while it is released.
TEST(OwnedPointerVectorModel, RandomEditsAndMovesMatchAStdVectorAndDeleteEachObjectOnce) {
    struct Counted {
        Counted(int v, int* alive) : value(v), alive(alive) { ++*alive; }
        ~Counted() { --*alive; }
        int value;
        int* alive;
    };
    int alive = 0;
    std::mt19937 random(11);
    {
        zx::OwnedPointerVector<Counted> objects;
        std::vector<int> model;
        const auto make = [&](int v) { return std::make_unique<Counted>(v, &alive); };
        for (int step = 0; step < 20000; ++step) {
            const auto choice = random() % 13;
            // Sizes stay small, around the inside place, where the state changes.
            if ((choice < 4 && model.size() < 10) || model.empty()) {
                objects.push_back(make(step));
                model.push_back(step);
            } else if (choice < 6 && model.size() < 10) {
                const std::size_t at = random() % (model.size() + 1);
                objects.insert(objects.begin() + at, make(step));
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), step);
            } else if (choice < 8) {
                const std::size_t at = random() % model.size();
                objects.erase(objects.begin() + at);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
            } else if (choice == 8) {
                // Detached first, as the container's Detach does: erasing frees nothing then.
                const std::size_t at = random() % model.size();
                std::unique_ptr<Counted> out(objects[at].release());
                objects.erase(objects.begin() + at);
                ASSERT_EQ(out->value, model[at]);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
            } else if (choice == 9) {
                objects.shrink_to_fit();
                ASSERT_EQ(objects.capacity(), std::max<std::size_t>(1, model.size()));
            } else if (choice == 10) {
                objects.reserve(random() % 12);
            } else if (choice == 11) {
                zx::OwnedPointerVector<Counted> moved(std::move(objects));
                ASSERT_TRUE(objects.empty());
                objects = std::move(moved);
            } else if (random() % 8 == 0) {
                objects.clear();
                model.clear();
            }
            ASSERT_EQ(objects.size(), model.size()) << "step " << step;
            ASSERT_EQ(alive, static_cast<int>(model.size())) << "step " << step;
            ASSERT_GE(objects.capacity(), objects.size());
            for (std::size_t i = 0; i < model.size(); ++i)
                ASSERT_EQ(objects[i]->value, model[i]) << "step " << step;
        }
    }
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(sizeof(zx::OwnedPointerVector<Counted>), 16u);
}

}  // namespace
