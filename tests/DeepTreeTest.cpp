// Deep trees: every kind that owns children of its own kind handles a chain far deeper than a
// small stack holds by recursion (copied, compared, renewed, dumped and destroyed on a thread with
// a deliberately small stack), saving refuses a tree deeper than the loader accepts and leaves no
// file, the deepest tree that saves loads back, the loader's depth limit can be lowered by a host,
// and loading the deepest file fits the stack the README promises.
#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/mman.h>

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "basetypes/CArchive.h"
#include "basetypes/CZentrixArchive.h"
#include "model3d/CEntity3D.h"
#include "model3d/CUseProfile.h"
#include "project/CProjectDocument.h"
#include "records/CDocumentFolder.h"
#include "records/CRisk.h"
#include "schedule/CCalendar.h"
#include "schedule/CCodeValue.h"
#include "schedule/CResource.h"
#include "schedule/CResourceState.h"
#include "schedule/CRule.h"
#include "schedule/CTask.h"

namespace {

// The deep operations run on a thread with this stack: ample for a loop in any build (frames
// under AddressSanitizer included), far too small for one call per level of kDeep levels: each
// level would have 16 bytes, while a level of recursion takes at least two calls of 16 or more.
constexpr std::size_t kSmallStack = std::size_t{64} << 10;
constexpr int kDeep = 4000;

// Runs work on a fresh thread whose stack is kSmallStack; an exception it throws is rethrown here.
void onSmallStack(const std::function<void()>& work) {
    struct Call {
        const std::function<void()>& work;
        std::exception_ptr error;
    } call{work, nullptr};
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
    pthread_t thread;
    const auto body = [](void* argument) -> void* {
        auto& c = *static_cast<Call*>(argument);
        try {
            c.work();
        } catch (...) {
            c.error = std::current_exception();
        }
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &call), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    if (call.error) std::rethrow_exception(call.error);
}

template <class C>
C freshObject() {
    C object;
    object.generateIDs();
    return object;
}

template <class C>
C& writable(const CWritableWrapperHandle<typename C::Interface>& handle) {
    return static_cast<C&>(*handle);
}

// A chain of sub-tasks below root, count levels deep, each level added through the next of the
// four ways a task takes children. Returns the deepest task.
CTask& growTaskChain(CTask& root, int count) {
    CTask* current = &root;
    for (int level = 0; level < count; ++level) {
        switch (level % 4) {
            case 0:
                EXPECT_EQ(current->addSubTask(freshObject<CTask>()), 0);
                break;
            case 1:
                EXPECT_TRUE(current->insertSubTask(freshObject<CTask>(), 0));
                break;
            case 2: {
                auto child = std::make_unique<CTask>(freshObject<CTask>());
                EXPECT_TRUE(current->attachSubTask(child->getWritableHandle(), 0));
                (void)child.release();
                break;
            }
            default: {
                CTaskArray one;
                EXPECT_GE(one.Add(freshObject<CTask>()), 0);
                current->setSubTasks(ITaskConstArrayHandle::over(&one));
                break;
            }
        }
        current = &writable<CTask>(current->getSubTasks().getWritableReference(0));
    }
    return *current;
}

// The number of levels below task, counted without recursion.
int taskDepth(const ITask& task) {
    int depth = 0;
    for (ITaskHandle at = task.getHandle(); at->getSubTasks().GetSize() > 0; ++depth)
        at = at->getSubTasks().getConstReference(0);
    return depth;
}

const ITask& deepestTask(const ITask& task) {
    const ITask* at = &task;
    while (at->getSubTasks().GetSize() > 0) at = &*at->getSubTasks().getConstReference(0);
    return *at;
}

TEST(DeepTree, TaskChainBuiltThroughEveryPathCopiesComparesRenewsDumpsAndDestroys) {
    auto root = std::make_unique<CTask>(freshObject<CTask>());
    CTask& deepest = growTaskChain(*root, kDeep);
    deepest.setName(L"bottom");
    ASSERT_EQ(taskDepth(*root), kDeep);

    onSmallStack([&] {
        auto copy = std::make_unique<CTask>(*root);
        EXPECT_EQ(taskDepth(*copy), kDeep);
        EXPECT_TRUE(*copy == *root);
        EXPECT_EQ(deepestTask(*copy).getName(), CProjectString(L"bottom"));
        EXPECT_EQ(deepestTask(*copy).getID(), deepest.getID());

        // A difference at the very bottom is found.
        const_cast<ITask&>(deepestTask(*copy)).setName(L"changed");
        EXPECT_FALSE(*copy == *root);
        const_cast<ITask&>(deepestTask(*copy)).setName(L"bottom");
        ASSERT_TRUE(*copy == *root);

        // Renewal reaches the bottom, and the renewed copy differs from its original.
        copy->generateIDs();
        EXPECT_NE(deepestTask(*copy).getID(), deepest.getID());
        EXPECT_FALSE(*copy == *root);

        // Assignment over an existing deep tree replaces it.
        CTask small = freshObject<CTask>();
        ASSERT_GE(small.addSubTask(freshObject<CTask>()), 0);
        *copy = small;
        EXPECT_EQ(taskDepth(*copy), 1);
        *copy = *root;
        EXPECT_TRUE(*copy == *root);

        // Every level opens its sub-tasks and closes them after its child, as a recursive dump
        // would.
        const std::string text = root->dump();
        std::size_t levels = 0;
        for (std::size_t at = text.find("\"SubTasks\":[{"); at != std::string::npos;
             at = text.find("\"SubTasks\":[{", at + 1))
            ++levels;
        EXPECT_EQ(levels, static_cast<std::size_t>(kDeep));
        EXPECT_NE(text.find("\"bottom\""), std::string::npos);
        EXPECT_EQ(text.front(), '{');
        EXPECT_EQ(text.substr(text.size() - 3), "}]}");

        copy.reset();
        root.reset();
    });
}

TEST(DeepTree, DetachedDeepSubTreeMovesAndDies) {
    CTask root = freshObject<CTask>();
    growTaskChain(root, kDeep);
    onSmallStack([&] {
        const CTaskID top = root.getSubTasks().getConstReference(0)->getID();
        ITaskWritableHandle moved = root.detachSubTask(top);
        ASSERT_FALSE(moved.isNull());
        CTask other = freshObject<CTask>();
        ASSERT_TRUE(other.attachSubTask(moved, 0));
        EXPECT_EQ(taskDepth(other), kDeep);
        EXPECT_EQ(taskDepth(root), 0);
    });
}

// The stack a thread that loads needs at most (the README promises it).
constexpr std::size_t kLoadingStack = std::size_t{4} << 20;

// AddressSanitizer surrounds every local with redzones, and unoptimised code keeps every
// temporary on the stack: frames grow several times over the optimised builds the promise is made
// for. Under it the stack checks only guard against growth out of all proportion.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kSanitizerStackScale = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t kSanitizerStackScale = 4;
#else
constexpr std::size_t kSanitizerStackScale = 1;
#endif
#else
constexpr std::size_t kSanitizerStackScale = 1;
#endif

std::vector<std::byte> saveTask(CTask& task) {
    CZentrixArchive out;
    task.Serialize(out);
    return out.takeStoredBytes();
}

// A document whose task root holds one chain of sub-tasks, levels deep.
CProjectDocument documentWithTaskChain(int levels) {
    CProjectDocument document;
    CTask root = freshObject<CTask>();
    growTaskChain(root, levels);
    EXPECT_GE(document.get<CTaskRoot>().getArray().Add(root), 0);
    return document;
}

// The most levels of sub-tasks that save, found by trying: save(levels) stores a chain that deep
// or throws.
template <class Save>
int deepestThatSaves(Save save) {
    int saves = 0, refused = static_cast<int>(CArchive::s_maxRecordDepth);
    while (refused - saves > 1) {
        const int middle = (saves + refused) / 2;
        bool stored = true;
        try {
            save(middle);
        } catch (const CArchiveException&) {
            stored = false;
        }
        (stored ? saves : refused) = middle;
    }
    return saves;
}

// Found once per run: several tests need them.
int deepestSavedTaskChain() {
    static const int deepest = deepestThatSaves([](int levels) {
        CTask root = freshObject<CTask>();
        growTaskChain(root, levels);
        (void)saveTask(root);
    });
    return deepest;
}

int deepestSavedDocumentChain() {
    static const int deepest =
        deepestThatSaves([](int levels) { (void)documentWithTaskChain(levels).saveToBytes(); });
    return deepest;
}

std::vector<char> fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DeepTree, SavingATreeTooDeepToLoadIsRefusedAndWritesNoFile) {
    CTask root = freshObject<CTask>();
    growTaskChain(root, deepestSavedTaskChain() + 1);
    CZentrixArchive out;
    try {
        root.Serialize(out);
        FAIL() << "a task tree too deep to load was stored";
    } catch (const CArchiveException& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("cannot store records nested more than 512 deep"), std::string::npos)
            << message;
        // The path names the kinds, from the top of the tree to the refused record.
        EXPECT_EQ(error.record().rfind("Task.SubTasks/", 0), 0u) << message;
        EXPECT_NE(message.find(error.record()), std::string::npos) << message;
        EXPECT_EQ(error.offset(), out.storedBytes().size());
    }

    const auto folder =
        std::filesystem::temp_directory_path() / ("zx-deep-tree-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    // A file archive that failed part-way refuses to write its file.
    {
        CZentrixArchive file(folder / "deep.zxs", CArchive::store);
        EXPECT_THROW(root.Serialize(file), CArchiveException);
        EXPECT_THROW(file.Close(), CArchiveException);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "deep.zxs"));

    // A document: no file is created, and a file that was there keeps its bytes.
    CProjectDocument document;
    ASSERT_GE(document.get<CTaskRoot>().getArray().Add(root), 0);
    EXPECT_THROW(document.save(folder / "deep.zxp"), CArchiveException);
    EXPECT_FALSE(std::filesystem::exists(folder / "deep.zxp"));
    CProjectDocument().save(folder / "deep.zxp");
    const std::vector<char> before = fileBytes(folder / "deep.zxp");
    EXPECT_THROW(document.save(folder / "deep.zxp"), CArchiveException);
    EXPECT_EQ(fileBytes(folder / "deep.zxp"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1)
        << "a temporary was left beside the file";
    std::filesystem::remove_all(folder);
}

TEST(DeepTree, TheDeepestTreeThatSavesLoadsBackAndALowerLimitRefusesIt) {
    const int deepest = deepestSavedTaskChain();
    // Each level is a task's record inside its collection's record; below the deepest task go
    // its own collection and the records inside its other collections.
    EXPECT_EQ(deepest, static_cast<int>((CArchive::s_maxRecordDepth - 3) / 2));
    EXPECT_EQ(deepestSavedDocumentChain(), deepest - 1) << "under a root and its collection";

    CTask root = freshObject<CTask>();
    growTaskChain(root, deepest);
    const std::vector<std::byte> bytes = saveTask(root);
    {
        CZentrixArchive in{std::span<const std::byte>(bytes)};
        CTask loaded;
        loaded.Serialize(in);
        EXPECT_EQ(in.remaining(), 0u);
        EXPECT_TRUE(loaded == root);
        EXPECT_EQ(taskDepth(loaded), deepest);
    }
    {
        CZentrixArchive in{std::span<const std::byte>(bytes)};
        ASSERT_TRUE(in.setMaxRecordDepth(64));
        CTask loaded;
        try {
            loaded.Serialize(in);
            ADD_FAILURE() << "a file nested deeper than the lowered limit loaded";
        } catch (const CArchiveException& error) {
            EXPECT_NE(std::string(error.what()).find("expected records nested at most 64 deep"),
                      std::string::npos)
                << error.what();
        }
    }
    // A limit is only ever lowered, and never to nothing.
    CZentrixArchive archive;
    EXPECT_FALSE(archive.setMaxRecordDepth(CArchive::s_maxRecordDepth + 1));
    EXPECT_FALSE(archive.setMaxRecordDepth(0));
    EXPECT_EQ(archive.maxRecordDepth(), CArchive::s_maxRecordDepth);
    // A lowered limit holds for saving too, so that what saves under it loads under it.
    ASSERT_TRUE(archive.setMaxRecordDepth(64));
    EXPECT_THROW(root.Serialize(archive), CArchiveException);
}

CProjectDocument documentWithDeepestTasks() {
    return documentWithTaskChain(deepestSavedDocumentChain());
}

TEST(DeepTree, DocumentLoadOptionLowersTheDepthLimit) {
    CProjectDocument document = documentWithDeepestTasks();
    const std::vector<std::byte> bytes = document.saveToBytes();

    CProjectDocument loaded;
    (void)loaded.loadFromBytes(bytes);
    EXPECT_TRUE(loaded.roots() == document.roots());

    CProjectDocument::LoadOptions shallow;
    shallow.maxRecordDepth = 64;
    CProjectDocument refused;
    EXPECT_THROW((void)refused.loadFromBytes(bytes, shallow), CDocumentError);
    shallow.salvage = true;
    const auto report = refused.loadFromBytes(bytes, shallow);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].section, "Task");
}

// Filled into a thread's stack before it runs, so that the bytes it overwrote show how deep the
// stack went.
constexpr unsigned char kPaint = 0xA5;

// Reads the painted stack behind the sanitizer's back: frames that ended may leave their poisoned
// red zones in shadow memory.
__attribute__((no_sanitize("address"))) std::size_t paintedBytes(const unsigned char* low,
                                                                 std::size_t size) {
    std::size_t untouched = 0;
    while (untouched < size && low[untouched] == kPaint) ++untouched;
    return untouched;
}

// Runs work on a thread whose stack (of size bytes) is painted first; returns the bytes of
// stack it used, thread start-up and thread-local storage included.
std::size_t stackUsedBy(void (*work)(void*), void* argument, std::size_t size) {
    void* memory =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return size;
    auto* low = static_cast<unsigned char*>(memory);
    std::memset(low, kPaint, size);
    struct Call {
        void (*work)(void*);
        void* argument;
    } call{work, argument};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstack(&attributes, memory, size);
    pthread_t thread;
    const auto body = [](void* c) -> void* {
        auto& call = *static_cast<Call*>(c);
        call.work(call.argument);
        return nullptr;
    };
    std::size_t used = size;
    if (pthread_create(&thread, &attributes, body, &call) == 0) {
        pthread_join(thread, nullptr);
        used = size - paintedBytes(low, size);
    }
    pthread_attr_destroy(&attributes);
    ::munmap(memory, size);
    return used;
}

// A file nested to the limit loads within the stack the README promises, with a margin of at
// least two (measured on a roomier stack, so that a shortfall fails rather than crashes).
TEST(DeepTree, AMaximallyNestedFileLoadsWellWithinThePromisedStack) {
    CProjectDocument document = documentWithDeepestTasks();
    struct Load {
        std::vector<std::byte> bytes;
        CProjectDocument loaded;
        bool done = false;
    } load{document.saveToBytes(), {}, false};
    const std::size_t used = stackUsedBy(
        [](void* argument) {
            auto& work = *static_cast<Load*>(argument);
            (void)work.loaded.loadFromBytes(work.bytes);
            work.done = true;
        },
        &load, 4 * kSanitizerStackScale * kLoadingStack);
    EXPECT_TRUE(load.done);
    EXPECT_TRUE(load.loaded.roots() == document.roots());
    std::cout << "[ STACK    ] loading the deepest task chain used " << (used >> 10) << " KiB\n";
    EXPECT_LE(2 * used, kSanitizerStackScale * kLoadingStack) << used << " bytes";
}

// Every other kind that owns its own kind: how a child is added, and the child that was.
template <class C>
struct Nest;

template <>
struct Nest<CResource> {
    static CResource& add(CResource& parent) {
        EXPECT_GE(parent.addSubResource(freshObject<CResource>()), 0);
        return writable<CResource>(parent.getSubResources().getWritableReference(0));
    }
};
template <>
struct Nest<CCodeValue> {
    static CCodeValue& add(CCodeValue& parent) {
        EXPECT_GE(parent.addSubCodeValue(freshObject<CCodeValue>()), 0);
        return writable<CCodeValue>(parent.getSubCodeValues().getWritableReference(0));
    }
};
template <>
struct Nest<CRisk> {
    static CRisk& add(CRisk& parent) {
        EXPECT_GE(parent.addSubRisk(freshObject<CRisk>()), 0);
        return writable<CRisk>(parent.getSubRisks().getWritableReference(0));
    }
};
template <>
struct Nest<CDocumentFolder> {
    static CDocumentFolder& add(CDocumentFolder& parent) {
        EXPECT_GE(parent.addSubFolder(freshObject<CDocumentFolder>()), 0);
        return writable<CDocumentFolder>(parent.getSubFolders().getWritableReference(0));
    }
};
template <>
struct Nest<CResourceState> {
    static CResourceState& add(CResourceState& parent) {
        EXPECT_TRUE(parent.insertSubState(freshObject<CResourceState>(), 0));
        return writable<CResourceState>(parent.getSubStates().getWritableReference(0));
    }
};
template <>
struct Nest<CRule> {
    static CRule& add(CRule& parent) {
        EXPECT_FALSE(parent.addSubRule(freshObject<CRule>(), 0).isNull());
        return writable<CRule>(parent.getSubRules().getWritableReference(0));
    }
};
template <>
struct Nest<CCalendar> {
    static CCalendar& add(CCalendar& parent) {
        parent.addSubCalendar(freshObject<CCalendar>());
        return writable<CCalendar>(parent.getSubCalendars().getWritableReference(0));
    }
};

template <>
struct Nest<CUseProfile> {
    static CUseProfile& add(CUseProfile& parent) {
        EXPECT_GE(parent.addSubUseProfile(freshObject<CUseProfile>()), 0);
        return writable<CUseProfile>(parent.getSubUseProfiles().getWritableReference(0));
    }
};
// Entities nest through two collections of their own kind: the chain alternates between them.
template <>
struct Nest<CEntity3D> {
    static CEntity3D& add(CEntity3D& parent) {
        if (parent.getName().getString().IsEmpty()) {
            EXPECT_GE(parent.addSubEntity(freshObject<CEntity3D>()), 0);
            CEntity3D& child = writable<CEntity3D>(parent.getSubEntities().getWritableReference(0));
            child.setName(L"sub");
            return child;
        }
        CEntity3DArray one;
        CEntity3D part = freshObject<CEntity3D>();
        EXPECT_GE(one.Add(part), 0);
        parent.setSubdivisionParts(IEntity3DConstArrayHandle::over(&one));
        return writable<CEntity3D>(parent.getSubdivisionParts().getWritableReference(0));
    }
};

template <class C>
class DeepKind : public ::testing::Test {};

using SelfNestingKinds = ::testing::Types<CResource, CCodeValue, CRisk, CDocumentFolder,
                                          CResourceState, CRule, CCalendar, CUseProfile, CEntity3D>;
TYPED_TEST_SUITE(DeepKind, SelfNestingKinds);

TYPED_TEST(DeepKind, ChainCopiesComparesRenewsDumpsAndDestroys) {
    auto root = std::make_unique<TypeParam>(freshObject<TypeParam>());
    TypeParam* at = root.get();
    for (int level = 0; level < kDeep; ++level) at = &Nest<TypeParam>::add(*at);

    onSmallStack([&] {
        auto copy = std::make_unique<TypeParam>(*root);
        EXPECT_TRUE(*copy == *root);
        copy->generateIDs();
        EXPECT_FALSE(*copy == *root);
        copy.reset();

        const std::string text = root->dump();
        EXPECT_EQ(text.back(), '}');
        std::string kind = "{\"kind\":\"";
        kind += TypeParam::s_kindName;
        kind += '"';
        std::size_t objects = 0;
        for (std::size_t found = text.find(kind); found != std::string::npos;
             found = text.find(kind, found + 1))
            ++objects;
        EXPECT_EQ(objects, static_cast<std::size_t>(kDeep) + 1);
        root.reset();
    });
}

}  // namespace
