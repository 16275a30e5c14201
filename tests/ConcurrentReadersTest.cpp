// Several threads reading one project while none writes: every const path must leave the store as
// it was, so that concurrent readers neither race (ThreadSanitizer watches the scripts' run of
// this file) nor see each other's hidden changes. Each thread checks its own results against
// answers worked out before the threads start.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "SampleProject.h"
#include "basetypes/CCryptoUtilities.h"
#include "project/CProjectDocument.h"
#include "project/ObjectWalk.h"
#include "records/CBinImage.h"

namespace {

constexpr int kThreads = 4;

// Runs body(thread) on kThreads threads at once and returns every problem they reported.
std::vector<std::string> onThreads(const std::function<void(std::vector<std::string>&)>& body) {
    std::vector<std::vector<std::string>> problems(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) threads.emplace_back([&, t] { body(problems[t]); });
    for (std::thread& thread : threads) thread.join();
    std::vector<std::string> all;
    for (const auto& some : problems) all.insert(all.end(), some.begin(), some.end());
    return all;
}

void expect(bool condition, std::vector<std::string>& problems, std::string what) {
    if (!condition) problems.push_back(std::move(what));
}

// Reads every child collection of one object: each element is found by its ID as itself, and
// a collection with iterators walks all of its elements in ascending ID order.
struct CollectionReader {
    std::vector<std::string>& problems;

    template <class T>
    void value(const char*, const T&) {}
    template <class I, class ID, int flag>
    void children(const char* name, const CConstWrapperArrayHandle<I, ID, flag>& handle) {
        for (int i = 0; i < handle.GetSize(); ++i) {
            const CWrapperHandle<I> element = handle.getConstReference(i);
            const CWrapperHandle<I> found = handle.find(element->getID());
            expect(!found.isNull() && &*found == &*element, problems,
                   std::string("lookup in ") + name);
        }
        if constexpr (flag == 1) {
            int count = 0;
            bool ascending = true;
            CConstIteratorWrapper<I> it = handle.getConstIterator();
            const I* before = nullptr;
            while (it.hasNext()) {
                const CWrapperHandle<I> element = it.next();
                if (before && !(before->getID() < element->getID())) ascending = false;
                before = &*element;
                ++count;
            }
            expect(count == handle.GetSize() && ascending, problems,
                   std::string("iteration of ") + name);
        }
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class P>
    void part(const char*, const P&) {}
    template <class Slot>
    void optionalPart(const char*, const Slot&) {}
};

// Every object of the project at any depth, read the ways a reader reads: its dump, a copy
// taken out of it (which must equal it), and lookups in every collection it holds. Returns the
// dumps in walk order.
std::vector<std::string> readEverything(const CProjectRoots& project,
                                        std::vector<std::string>& problems) {
    std::vector<std::string> dumps;
    project.forEachRoot([&](const auto& root) {
        const auto objects = root.get();
        CollectionReader reader{problems};
        reader.children("root", objects);
        for (int i = 0; i < objects.GetSize(); ++i) {
            zx::walkObjects(*objects.getConstReference(i), [&](const auto& object, bool) {
                using I = std::remove_cvref_t<decltype(object)>;
                dumps.push_back(object.dump());
                typename ConcreteKind<I>::type copy;
                copy.copyFrom(object);
                expect(copy == object, problems, std::string("copy of ") + I::s_kindName);
                object.visitValues(reader);
            });
        }
    });
    return dumps;
}

struct LoadedProject {
    // The sample's users get passwords: hash them cheaply, as every test program does (this one
    // also runs alone, under ThreadSanitizer).
    bool cheapHashing = (CCryptoUtilities::useTestHashCost(), true);
    std::vector<std::byte> bytes =
        CProjectDocument(std::make_unique<SampleProject>(SampleProject::build(40, 7)))
            .saveToBytes();
    CProjectDocument document = load();
    CProjectDocument twin = load();

    CProjectDocument load() const {
        CProjectDocument loaded;
        (void)loaded.loadFromBytes(bytes);
        return loaded;
    }
};

TEST(ConcurrentReaders, FourThreadsReadOneLoadedProject) {
    LoadedProject loaded;
    const CProjectRoots& project = std::as_const(loaded.document).roots();
    const CProjectRoots& twin = std::as_const(loaded.twin).roots();
    // The answers come from the twin, so that the readers are the first to touch the project.
    std::vector<std::string> setUp;
    const std::vector<std::string> expectedDumps = readEverything(twin, setUp);
    ASSERT_TRUE(setUp.empty()) << setUp.front();
    ASSERT_GT(expectedDumps.size(), 1000u);

    const auto problems = onThreads([&](std::vector<std::string>& mine) {
        expect(readEverything(project, mine) == expectedDumps, mine, "dumps differ");
        expect(project == twin, mine, "loaded twins differ");
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
    // Nothing the readers did changed what a save writes.
    EXPECT_EQ(loaded.document.saveToBytes(), loaded.bytes);
}

CResource resourceNamed(int n) {
    CResource resource;
    resource.generateIDs();
    resource.setName(L"Resource " + std::to_wstring(n));
    return resource;
}

// Containers as the NoSort operations leave them, an ID set whose IDs it owns itself, and a
// baseline with records added since its last sort: the states in which a const path is tempted
// to tidy up.
TEST(ConcurrentReaders, UnsortedContainersAndOwnedIDSetsStayAsTheyAre) {
    CResourceArray resources;
    for (int n = 0; n < 200; ++n) resources.AddNoSort(resourceNamed(n));
    ASSERT_FALSE(resources.isSorted());

    CRuleRateArray rates;
    for (int day = 1; day <= 100; ++day)
        ASSERT_GE(rates.addValue(
                      CRuleRate(CProjectDate(day), CProjectDouble(1.0 * day), CProjectDouble())),
                  0);
    ASSERT_TRUE(rates.RemoveAtNoSort(0));
    ASSERT_FALSE(rates.isSorted());

    CTaskIDArray tasks;
    for (int n = 0; n < 100; ++n) (void)tasks.Add(CTaskID(CIDBase::generate()));
    ASSERT_FALSE(tasks.hasShared());

    CProjectBaseline baseline;
    std::vector<CTaskID> baselined;
    for (int n = 0; n < 100; ++n) {
        CTaskBaselineData record;
        record.generateIDs();
        baselined.push_back(record.getID());
        ASSERT_TRUE(baseline.insertTaskIntoProjectBaseline(record, 0));
    }

    const CResourceArray& constResources = resources;
    const CRuleRateArray& constRates = rates;
    const CTaskIDArray& constTasks = tasks;
    const CProjectBaseline& constBaseline = baseline;
    const auto problems = onThreads([&](std::vector<std::string>& mine) {
        // Walked in ascending ID order, without an index to walk.
        const auto handle = IResourceConstArrayHandle::over(&constResources);
        CConstIteratorWrapper<IResource> it = handle.getConstIterator();
        int walked = 0;
        CResourceID before;
        bool ascending = true;
        while (it.hasNext()) {
            const CResourceID id = it.next()->getID();
            if (walked++ > 0 && !(before < id)) ascending = false;
            before = id;
        }
        expect(walked == 200 && ascending, mine, "const iteration of an unsorted container");
        const CResourceArray copy(constResources);
        expect(copy == constResources, mine, "copy of an unsorted container");

        for (int day = 2; day <= 100; ++day)
            expect(constRates.findByID(CProjectDate(day)) == day - 2, mine, "rate by date");
        for (int k = 0; k < 99; ++k)
            expect(constRates.getConstOrderedReference(k).getEffectiveDate() == CProjectDate(k + 2),
                   mine, "rate in date order");

        for (int round = 0; round < 20; ++round) {
            CTaskIDArray copy(constTasks);
            expect(copy == constTasks, mine, "copy of an ID set");
            (void)copy.Add(CTaskID(CIDBase::generate()));
            expect(copy.GetSize() == 101, mine, "a copy of an ID set takes its own additions");
        }

        const auto records = constBaseline.getBaselinedTasks();
        for (const CTaskID& id : baselined) {
            expect(!constBaseline.findBaselinedTask(id).isNull(), mine, "baselined task");
            expect(records.findByID(id) >= 0, mine, "baselined task through the handle");
        }
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();

    // The readers left every container in the state they found it in.
    EXPECT_FALSE(resources.isSorted());
    EXPECT_FALSE(rates.isSorted());
    EXPECT_EQ(tasks.getOwnedSize(), 100);
    EXPECT_FALSE(tasks.hasShared());
    EXPECT_EQ(tasks.GetSize(), 100);
}

TEST(ConcurrentReaders, ImagesSharingABufferAreCopiedAndDestroyedOnEveryThread) {
    constexpr std::size_t kSize = 4096;
    CBinImage original;
    {
        auto bytes = std::make_unique<unsigned char[]>(kSize);
        for (std::size_t i = 0; i < kSize; ++i) bytes[i] = static_cast<unsigned char>(i);
        original.setBytes(kSize, bytes.release());
    }
    const CBinImage& shared = original;
    const auto problems = onThreads([&](std::vector<std::string>& mine) {
        for (int round = 0; round < 200; ++round) {
            // Copies and the pointer handed from image to image take and drop references while
            // the other threads do the same to the same buffer.
            CBinImage copy(shared);
            CBinImage other;
            std::uint64_t count = 0;
            unsigned char* bytes = nullptr;
            copy.getBytes(&count, &bytes);
            other.setBytes(count, bytes);
            other.freeBytes();
            other.copyFrom(copy);
            expect(count == kSize && bytes[kSize - 1] == static_cast<unsigned char>(kSize - 1),
                   mine, "the shared bytes");
        }
    });
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
    // Every thread's references are gone again; the original's one is left.
    EXPECT_EQ(original.getSharedBytes().useCount(), 1);
}

}  // namespace
