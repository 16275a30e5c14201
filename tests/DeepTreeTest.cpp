// Deep trees: every kind that owns children of its own kind survives a chain far deeper than any
// stack would hold by recursion (built, copied, compared, renewed, dumped and destroyed), saving
// refuses a tree deeper than the loader accepts before the file is touched, the deepest tree that
// saves loads back, and the loader's depth limit can be lowered by a host.
#include <gtest/gtest.h>

#include <pthread.h>

#include <unistd.h>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "basetypes/CArchive.h"
#include "basetypes/CZentrixArchive.h"
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

// Deep enough to overflow any stack by recursion, small enough to stay fast under sanitizers.
constexpr int kDeep = 100000;
// A dump holds every object's text: deep enough to overflow by recursion, small enough to print.
constexpr int kDumpDeep = 30000;

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

TEST(DeepTree, TaskChainBuiltThroughEveryPathCopiesComparesRenewsAndDestroys) {
    auto root = std::make_unique<CTask>(freshObject<CTask>());
    CTask& deepest = growTaskChain(*root, kDeep);
    deepest.setName(L"bottom");
    ASSERT_EQ(taskDepth(*root), kDeep);

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

    copy.reset();
    root.reset();
}

TEST(DeepTree, TaskChainDumpsAsNestedText) {
    CTask root = freshObject<CTask>();
    growTaskChain(root, kDumpDeep).setName(L"bottom");
    const std::string text = root.dump();
    EXPECT_EQ(text.front(), '{');
    EXPECT_NE(text.find("\"bottom\""), std::string::npos);
    // Every level opens its sub-tasks and closes them after its child, as the recursive form did.
    const std::string small = [] {
        CTask parent = freshObject<CTask>();
        growTaskChain(parent, 1);
        return parent.dump();
    }();
    const std::size_t open = small.find("\"SubTasks\":[{");
    ASSERT_NE(open, std::string::npos) << small;
    EXPECT_EQ(small.substr(small.size() - 3), "}]}") << small;
    std::size_t levels = 0;
    for (std::size_t at = text.find("\"SubTasks\":[{"); at != std::string::npos;
         at = text.find("\"SubTasks\":[{", at + 1))
        ++levels;
    EXPECT_EQ(levels, static_cast<std::size_t>(kDumpDeep));
}

TEST(DeepTree, DetachedDeepSubTreeMovesAndDies) {
    CTask root = freshObject<CTask>();
    growTaskChain(root, kDeep);
    const CTaskID top = root.getSubTasks().getConstReference(0)->getID();
    ITaskWritableHandle moved = root.detachSubTask(top);
    ASSERT_FALSE(moved.isNull());
    CTask other = freshObject<CTask>();
    ASSERT_TRUE(other.attachSubTask(moved, 0));
    EXPECT_EQ(taskDepth(other), kDeep);
    EXPECT_EQ(taskDepth(root), 0);
}

// The stack a thread that loads needs at most (the README promises it).
constexpr std::size_t kLoadingStack = std::size_t{4} << 20;

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

// The most levels of sub-tasks that save, found by trying: save(levels) is true when a chain
// that deep is stored.
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

int deepestSavedTaskChain() {
    return deepestThatSaves([](int levels) {
        CTask root = freshObject<CTask>();
        growTaskChain(root, levels);
        (void)saveTask(root);
    });
}

int deepestSavedDocumentChain() {
    return deepestThatSaves([](int levels) { (void)documentWithTaskChain(levels).saveToBytes(); });
}

TEST(DeepTree, SavingRefusesATreeTooDeepToLoadBeforeWritingIt) {
    CTask root = freshObject<CTask>();
    growTaskChain(root, kDeep);
    CZentrixArchive out;
    const std::size_t header = out.storedBytes().size();
    try {
        root.Serialize(out);
        FAIL() << "a task tree " << kDeep << " levels deep was stored";
    } catch (const CArchiveException& error) {
        EXPECT_NE(std::string(error.what()).find("Task tree 100000 levels deep"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(out.storedBytes().size(), header) << "part of the tree was written";

    // Through a document: the file is never created.
    const auto folder =
        std::filesystem::temp_directory_path() / ("zx-deep-tree-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    CProjectDocument document;
    ASSERT_GE(document.get<CTaskRoot>().getArray().Add(root), 0);
    EXPECT_THROW(document.save(folder / "deep.zxp"), CArchiveException);
    EXPECT_FALSE(std::filesystem::exists(folder / "deep.zxp"));
    std::filesystem::remove_all(folder);
}

TEST(DeepTree, TheDeepestTreeThatSavesLoadsBackAndALowerLimitRefusesIt) {
    const int deepest = deepestSavedTaskChain();
    // Each level is a task's record inside its collection's record; the deepest task's own
    // collections take one more.
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
        EXPECT_THROW(loaded.Serialize(in), CArchiveException);
    }
    // A limit is only ever lowered, and never to nothing.
    CZentrixArchive archive;
    EXPECT_FALSE(archive.setMaxRecordDepth(CArchive::s_maxRecordDepth + 1));
    EXPECT_FALSE(archive.setMaxRecordDepth(0));
    EXPECT_EQ(archive.maxRecordDepth(), CArchive::s_maxRecordDepth);
    // A lowered limit holds for saving too, so that what saves under it loads under it.
    ASSERT_TRUE(archive.setMaxRecordDepth(64));
    const std::size_t header = archive.storedBytes().size();
    EXPECT_THROW(root.Serialize(archive), CArchiveException);
    EXPECT_EQ(archive.storedBytes().size(), header);
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

TEST(DeepTree, AMaximallyNestedFileLoadsOnAThreadWithThePromisedStack) {
    CProjectDocument document = documentWithDeepestTasks();
    struct Load {
        std::vector<std::byte> bytes;
        CProjectDocument loaded;
        bool done = false;
    } load{document.saveToBytes(), {}, false};

    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kLoadingStack), 0);
    pthread_t thread;
    const auto body = [](void* argument) -> void* {
        auto& work = *static_cast<Load*>(argument);
        (void)work.loaded.loadFromBytes(work.bytes);
        work.done = true;
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &load), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    EXPECT_TRUE(load.done);
    EXPECT_TRUE(load.loaded.roots() == document.roots());
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

template <class C>
class DeepKind : public ::testing::Test {};

using SelfNestingKinds = ::testing::Types<CResource, CCodeValue, CRisk, CDocumentFolder,
                                          CResourceState, CRule, CCalendar>;
TYPED_TEST_SUITE(DeepKind, SelfNestingKinds);

TYPED_TEST(DeepKind, ChainCopiesComparesRenewsDumpsAndDestroys) {
    auto root = std::make_unique<TypeParam>(freshObject<TypeParam>());
    TypeParam* at = root.get();
    for (int level = 0; level < kDeep; ++level) at = &Nest<TypeParam>::add(*at);

    auto copy = std::make_unique<TypeParam>(*root);
    EXPECT_TRUE(*copy == *root);
    copy->generateIDs();
    EXPECT_FALSE(*copy == *root);
    copy.reset();
    root.reset();

    TypeParam shallower = freshObject<TypeParam>();
    at = &shallower;
    for (int level = 0; level < kDumpDeep; ++level) at = &Nest<TypeParam>::add(*at);
    const std::string text = shallower.dump();
    EXPECT_EQ(text.back(), '}');
    std::string kind = "{\"kind\":\"";
    kind += TypeParam::s_kindName;
    kind += '"';
    std::size_t objects = 0;
    for (std::size_t found = text.find(kind); found != std::string::npos;
         found = text.find(kind, found + 1))
        ++objects;
    EXPECT_EQ(objects, static_cast<std::size_t>(kDumpDeep) + 1);
}

}  // namespace
