// Loading malformed archives: a replay of the fuzz corpus, every truncation, corrupted bytes,
// hostile counts and string lengths, collections that claim more than the input holds, and
// nesting deep enough to exhaust the stack; and loads and saves in which any allocation fails.
//
// Every bad load must end in CArchiveException naming the byte offset, leave its container empty
// and allocate no more than a small multiple of its input. Allocation is measured by the global
// operator new below, which counts the bytes it hands out and the blocks still live, can be told
// to fail one allocation, and otherwise behaves as the default.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "Sanitized.h"
#include "basetypes/CFileError.h"
#include "basetypes/RegularFile.h"
#include "fuzz/LoadRoots.h"
#include "project/CProjectDocument.h"

namespace {
std::atomic<std::size_t> g_allocatedBytes{0};
// Blocks handed out and not yet freed.
std::atomic<long> g_liveBlocks{0};
// Allocations that still succeed before one fails; negative: none fails.
std::atomic<long> g_allocationsBeforeFailure{-1};

void* allocate(std::size_t size) noexcept {
    const long left = g_allocationsBeforeFailure.load(std::memory_order_relaxed);
    if (left >= 0) {
        g_allocationsBeforeFailure.store(left - 1, std::memory_order_relaxed);
        if (left == 0) return nullptr;
    }
    g_allocatedBytes.fetch_add(size, std::memory_order_relaxed);
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p) g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
    return p;
}
void release(void* p) noexcept {
    if (!p) return;
    g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
    if (void* p = allocate(size)) return p;
    throw std::bad_alloc();
}
// Not inlined: the compiler would otherwise pair free() with the new-expressions it was inlined
// into and warn of a mismatch.
[[gnu::noinline]] void operator delete(void* p) noexcept { release(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { release(p); }
// The other forms too, so that every allocation meets the release() above whatever form made it
// (sanitizers supply their own forms for those not replaced here).
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept { release(p); }
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept { release(p); }
[[gnu::noinline]] void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
[[gnu::noinline]] void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }

namespace zxfuzz {
// Names the target in failure messages.
void PrintTo(Target target, std::ostream* out) { *out << targetName(target); }
}  // namespace zxfuzz

namespace {

using zxfuzz::LoadReport;
using zxfuzz::Target;

// Bytes requested from operator new while f runs.
template <class F>
std::size_t bytesAllocatedBy(F&& f) {
    const std::size_t before = g_allocatedBytes.load();
    f();
    return g_allocatedBytes.load() - before;
}

// What any load may allocate: building objects costs a bounded multiple of the bytes they are
// read from (wide strings, vectors growing by doubling), plus a constant.
std::size_t allocationLimit(std::size_t inputSize) { return 32 * inputSize + (1u << 20); }

constexpr std::uint32_t kArrayTag = zx::archiveTag("CUniquePointerArray");

// The sample project is built once per scale and seed for the whole run: every target's tests
// save their target from the same project, and building it (under the sanitizers above all)
// costs more than most of the tests that use it.
std::vector<std::byte> savedSample(Target target, int scale = 3, std::uint64_t seed = 11) {
    static std::map<std::pair<int, std::uint64_t>, std::unique_ptr<zxfuzz::Containers>> built;
    std::unique_ptr<zxfuzz::Containers>& project = built[{scale, seed}];
    if (!project) project = std::make_unique<zxfuzz::Containers>(SampleProject::build(scale, seed));
    return zxfuzz::saveTarget(*project, target);
}

template <class T>
void put(std::vector<std::byte>& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// Offsets of the count of every keyed collection in the archive, in file order.
std::vector<std::size_t> countOffsets(const std::vector<std::byte>& bytes) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i + 8 <= bytes.size(); ++i) {
        std::uint32_t word = 0;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word == kArrayTag) offsets.push_back(i + 4);
    }
    return offsets;
}

// Offset of the length of the first string whose text is text, or npos.
std::size_t stringLengthOffset(const std::vector<std::byte>& bytes, const std::u16string& text) {
    const auto* units = reinterpret_cast<const std::byte*>(text.data());
    const auto found = std::search(bytes.begin(), bytes.end(), units, units + 2 * text.size());
    if (found == bytes.end() || found - bytes.begin() < 4) return std::string::npos;
    return static_cast<std::size_t>(found - bytes.begin()) - 4;
}

// Loads bytes as target and checks the promises every load keeps, whatever its input.
LoadReport expectWellBehaved(Target target, const std::vector<std::byte>& bytes) {
    LoadReport report;
    const std::size_t allocated =
        bytesAllocatedBy([&] { report = zxfuzz::loadTarget(target, bytes); });
    EXPECT_EQ(report.fault, "");
    EXPECT_LE(allocated, allocationLimit(bytes.size())) << report.error;
    return report;
}

std::string paramName(const testing::TestParamInfo<Target>& info) {
    std::string name = zxfuzz::targetName(info.param);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

TEST(MalformedCorpus, EverySeedLoadsCleanly) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ZX_FUZZ_CORPUS_DIR))
        if (entry.path().extension() == ".zxf") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), static_cast<std::size_t>(zxfuzz::kTargetCount));

    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::vector<char> chars{std::istreambuf_iterator<char>(in), {}};
        std::vector<std::byte> input(chars.size());
        std::memcpy(input.data(), chars.data(), chars.size());
        const LoadReport report = zxfuzz::loadFuzzInput(input);
        EXPECT_EQ(report.fault, "") << file;
        // Seeds that no longer load make the fuzzer start from nothing: rerun zxfuzz_corpus.
        EXPECT_TRUE(report.loaded) << file << ": " << report.error;
    }
}

// A seed's selector byte names the target its file name says, and keeps naming it when kinds are
// added to the lists, so a corpus grown by fuzzing keeps its meaning.
TEST(MalformedCorpus, SelectorsKeepTheirTargetsAsKindsAreAdded) {
    for (const Target target : zxfuzz::allTargets())
        EXPECT_EQ(zxfuzz::targetOfSelector(zxfuzz::selectorOf(target)), target);
    EXPECT_EQ(zxfuzz::selectorOf(zxfuzz::targetOf<CCodeRoot>()), 0);
    EXPECT_EQ(zxfuzz::selectorOf(zxfuzz::targetOf<C3DWorldSettingsRoot>()), 127);
    EXPECT_EQ(zxfuzz::selectorOf(zxfuzz::targetOf<CCodeValue>()), 128);
    for (const auto& entry : std::filesystem::directory_iterator(ZX_FUZZ_CORPUS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const int selector = in.get();
        ASSERT_GE(selector, 0) << entry.path();
        const std::string file = entry.path().filename().string();
        EXPECT_EQ(file.substr(0, file.find("-scale")),
                  zxfuzz::targetName(zxfuzz::targetOfSelector(static_cast<std::uint8_t>(selector))))
            << file;
    }
}

class MalformedRoot : public testing::TestWithParam<Target> {};

INSTANTIATE_TEST_SUITE_P(Malformed, MalformedRoot, testing::ValuesIn(zxfuzz::allTargets()),
                         paramName);

TEST_P(MalformedRoot, EveryTruncationFailsAndLeavesTheContainerEmpty) {
    const auto bytes = savedSample(GetParam());
    ASSERT_TRUE(expectWellBehaved(GetParam(), bytes).loaded);
    // Every length in plain builds; a spread sample of them under the sanitizers (Sanitized.h).
    for (const std::size_t length :
         zxtest::sampledPositions(0, bytes.size(), zxfuzz::selectorOf(GetParam()))) {
        const std::vector<std::byte> prefix(bytes.begin(), bytes.begin() + length);
        const LoadReport report = expectWellBehaved(GetParam(), prefix);
        ASSERT_FALSE(report.loaded) << "prefix of " << length;
        ASSERT_EQ(report.objects, 0) << "prefix of " << length;
    }
}

TEST_P(MalformedRoot, CorruptedBytesLoadOrFailCleanly) {
    const auto bytes = savedSample(GetParam(), 2);
    int loaded = 0, failed = 0;
    for (const std::size_t at :
         zxtest::sampledPositions(0, bytes.size(), zxfuzz::selectorOf(GetParam()))) {
        // Two single-bit flips (a different pair at each byte) and the two extreme bytes.
        const std::byte mutations[] = {bytes[at] ^ std::byte(1u << (at % 8)),
                                       bytes[at] ^ std::byte(1u << ((at + 3) % 8)), std::byte{0x00},
                                       std::byte{0xff}};
        for (const std::byte value : mutations) {
            if (value == bytes[at]) continue;
            auto corrupted = bytes;
            corrupted[at] = value;
            const LoadReport report = expectWellBehaved(GetParam(), corrupted);
            ++(report.loaded ? loaded : failed);
            if (HasFailure()) {
                FAIL() << "byte " << at << " set to " << int(value);
            }
        }
    }
    // Both outcomes occur: corrupted values load, corrupted structure does not.
    EXPECT_GT(failed, 0);
    EXPECT_GT(loaded, 0);
}

TEST_P(MalformedRoot, HostileCountsAreRefusedAtTheirOffset) {
    const auto bytes = savedSample(GetParam());
    const auto offsets = countOffsets(bytes);
    ASSERT_FALSE(offsets.empty());
    for (const std::size_t at : offsets) {
        auto huge = bytes;
        put<std::int32_t>(huge, at, 0x7fffffff);
        const LoadReport tooMany = expectWellBehaved(GetParam(), huge);
        ASSERT_FALSE(tooMany.loaded);
        EXPECT_EQ(tooMany.offset, at) << tooMany.error;
        EXPECT_NE(tooMany.error.find("found 2147483647"), std::string::npos) << tooMany.error;

        auto negative = bytes;
        put<std::int32_t>(negative, at, -1);
        const LoadReport refused = expectWellBehaved(GetParam(), negative);
        ASSERT_FALSE(refused.loaded);
        EXPECT_EQ(refused.objects, 0);
        EXPECT_EQ(refused.offset, at) << refused.error;
        // Histories word the refusal of their item count in their own, older terms.
        const bool named = refused.error.rfind("vector too long", 0) == 0 ||
                           refused.error.rfind("Error on serializing CUniquePointerArray", 0) == 0;
        EXPECT_TRUE(named) << refused.error;
    }
}

// A top-level count that claims every remaining byte passes the count check; what it reserves
// must still be no more than the objects those bytes could carry, not 28 bytes per claimed 4.
TEST_P(MalformedRoot, ACountClaimingTheRestOfTheInputReservesNoMoreThanItsObjects) {
    const auto bytes = savedSample(GetParam(), 20);
    const auto offsets = countOffsets(bytes);
    ASSERT_FALSE(offsets.empty());
    const std::size_t at = offsets.front();
    auto hostile = bytes;
    put<std::int32_t>(hostile, at, static_cast<std::int32_t>((bytes.size() - at - 4) / 4));

    const std::size_t honest =
        bytesAllocatedBy([&] { (void)zxfuzz::loadTarget(GetParam(), bytes); });
    const std::size_t claimed =
        bytesAllocatedBy([&] { (void)zxfuzz::loadTarget(GetParam(), hostile); });
    EXPECT_LE(claimed, honest + honest / 2 + bytes.size() + (64u << 10))
        << bytes.size() << " bytes, " << honest << " allocated by the honest load";
}

TEST(MalformedStrings, HugeLengthIsRefusedAtTheLength) {
    const std::pair<Target, std::u16string> firstTexts[] = {
        {zxfuzz::targetOf<CCodeRoot>(), u"Code 0"},
        {zxfuzz::targetOf<CUserFieldRoot>(), u"Field 0"},
        {zxfuzz::targetOf<CTaskCategoryRoot>(), u"Category 0"},
        {zxfuzz::targetOf<CTaskStateRoot>(), u"State 0"},
        {zxfuzz::targetOf<CCost>(), u"Cost item 0"},
        {zxfuzz::targetOf<CTaskReport>(), u"Formwork delivered, crew on site 2"},
        {zxfuzz::targetOf<CTaskRoot>(), u"Phase 0"},
        {zxfuzz::targetOf<CResourceStateRoot>(), u"Crane status 0"},
        {zxfuzz::targetOf<CRiskRoot>(), u"Late delivery of precast units, batch 0"},
        {zxfuzz::targetOf<CIssueRoot>(), u"ISS- 100"},
        {zxfuzz::targetOf<CDocumentFolderRoot>(), u"Structural drawings, block 0"},
        {zxfuzz::targetOf<CRuleRoot>(), u"R 100"},
        {zxfuzz::targetOf<CCalendarRoot>(), u"Site calendar 0"},
        {zxfuzz::targetOf<CResourceRoot>(), u"RES- 100"},
        {zxfuzz::targetOf<CResourceGroupRoot>(), u"Work package 0"},
        {zxfuzz::targetOf<CProjectBaselineRoot>(), u"Contract baseline"},
    };
    for (const auto& [target, text] : firstTexts) {
        auto bytes = savedSample(target);
        const std::size_t at = stringLengthOffset(bytes, text);
        ASSERT_NE(at, std::string::npos) << zxfuzz::targetName(target);
        put<std::uint32_t>(bytes, at, 0xffffffffu);
        const LoadReport report = expectWellBehaved(target, bytes);
        ASSERT_FALSE(report.loaded);
        EXPECT_EQ(report.offset, at) << report.error;
        EXPECT_NE(report.error.find("expected a string of 4294967295"), std::string::npos)
            << report.error;
    }
}

// A code value collection holding one chain of code values `depth` deep, written from the
// record of a leaf value: the sub-value collection is the last part of that record.
struct Chain {
    std::vector<std::byte> bytes;
    std::vector<std::size_t> countOffsets;
};
Chain codeValueChain(int depth, int nameLength) {
    CCodeValue leaf;
    leaf.setID(CCodeValueID(CIDBase::generate()));
    leaf.setName(CString(std::wstring(static_cast<std::size_t>(nameLength), L'n')));
    CZentrixArchive leafArchive;
    const std::size_t headerSize = leafArchive.position();
    leaf.Serialize(leafArchive);
    const auto leafBytes = leafArchive.takeStoredBytes();
    const std::vector<std::byte> record(leafBytes.begin() + headerSize, leafBytes.end());

    CZentrixArchive emptyCollection;
    emptyCollection << kArrayTag << std::int32_t{0} << ~kArrayTag;
    const auto tail = emptyCollection.takeStoredBytes();
    const std::size_t tailSize = tail.size() - headerSize;
    EXPECT_TRUE(std::equal(tail.begin() + headerSize, tail.end(), record.end() - tailSize))
        << "the sub-value collection is no longer the last part of a code value's record";
    const std::span<const std::byte> fields(record.data(), record.size() - tailSize);

    Chain chain;
    CZentrixArchive out;
    out << kArrayTag;
    chain.countOffsets.push_back(out.position());
    out << std::int32_t{1};
    for (int level = 1; level < depth; ++level) {
        out.Write(fields.data(), fields.size());
        out << kArrayTag;
        chain.countOffsets.push_back(out.position());
        out << std::int32_t{1};
    }
    out.Write(record.data(), record.size());
    for (int level = 0; level < depth; ++level) out << std::int32_t{0} << ~kArrayTag;
    chain.bytes = out.takeStoredBytes();
    return chain;
}

int chainDepth(const ICodeValueConstArrayHandle& values) {
    return values.GetSize() == 0 ? 0 : 1 + chainDepth(values[0]->getSubCodeValues());
}

TEST(MalformedNesting, ShallowChainLoads) {
    const Chain chain = codeValueChain(3, 5);
    CCodeValueArray values;
    CZentrixArchive in(chain.bytes);
    values.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(chainDepth(ICodeValueArrayHandle(new CCodeValueArrayHandle(&values))), 3);
}

TEST(MalformedNesting, CollectionsClaimingTheRestOfTheInputReserveLittle) {
    // Every collection of a long chain claims as many objects as the rest of the input could
    // hold; the claims are refused only after the innermost value was read.
    Chain chain = codeValueChain(100, 1000);
    for (const std::size_t at : chain.countOffsets) {
        const auto claim = static_cast<std::int32_t>((chain.bytes.size() - at - 4) / 4);
        put(chain.bytes, at, claim);
    }
    CCodeValueArray values;
    std::string error;
    const std::size_t allocated = bytesAllocatedBy([&] {
        try {
            CZentrixArchive in(chain.bytes);
            values.Serialize(in);
        } catch (const CArchiveException& e) {
            error = e.what();
        }
    });
    EXPECT_NE(error.find(" at byte "), std::string::npos) << error;
    EXPECT_EQ(values.GetSize(), 0);
    EXPECT_LE(allocated, allocationLimit(chain.bytes.size()));
}

TEST(MalformedNesting, DeepNestingFailsInsteadOfExhaustingTheStack) {
    const Chain chain = codeValueChain(100'000, 0);
    CCodeValueArray values;
    try {
        CZentrixArchive in(chain.bytes);
        values.Serialize(in);
        FAIL() << "a chain 100000 deep loaded";
    } catch (const CArchiveException& e) {
        const std::string error = e.what();
        EXPECT_NE(error.find("nested"), std::string::npos) << error;
        EXPECT_NE(error.find(" at byte "), std::string::npos) << error;
        EXPECT_LT(error.size(), 1000u) << "the record path of a deep failure is abbreviated";
    }
    EXPECT_EQ(values.GetSize(), 0);
}

// Runs f with the allocation after `succeeding` more failing, and reports how it ended: "done",
// "bad_alloc", "file" (the file layer's error), "archive" (the archive's exception, which may
// carry a failed allocation's place) or the stray exception's message.
template <class F>
std::string withFailingAllocation(long succeeding, F&& f) {
    std::string ending = "done";
    g_allocationsBeforeFailure = succeeding;
    try {
        f();
    } catch (const std::bad_alloc&) {
        ending = "bad_alloc";
    } catch (const zx::CFileError&) {
        ending = "file";
    } catch (const CArchiveException&) {
        ending = "archive";
    } catch (const std::exception& e) {
        ending = std::string("stray exception: ") + e.what();
    }
    g_allocationsBeforeFailure = -1;
    return ending;
}

// Every allocation of a load fails in turn: each attempt ends in bad_alloc or the archive's
// exception, leaves the document as it was and frees every block it took.
TEST(AllocationFailure, ALoadEndsCleanlyWhicheverAllocationFails) {
    CProjectDocument source(std::make_unique<SampleProject>(SampleProject::build(1, 7)));
    const std::vector<std::byte> bytes = source.saveToBytes();
    {
        // First-use statics are not leaks: a load and a comparison make them all.
        CProjectDocument warmUp;
        (void)warmUp.loadFromBytes(bytes);
        EXPECT_TRUE(warmUp.roots() == source.roots());
    }
    // Under the sanitizers, every kSanitizedStride-th allocation fails in turn.
    const long step = zxtest::kSanitized ? static_cast<long>(zxtest::kSanitizedStride) : 1;
    for (long succeeding = 0;; succeeding += step) {
        const long live = g_liveBlocks;
        std::string ending;
        {
            CProjectDocument document;
            ending =
                withFailingAllocation(succeeding, [&] { (void)document.loadFromBytes(bytes); });
            if (ending == "done") {
                EXPECT_TRUE(document.roots() == source.roots());
            } else {
                ASSERT_TRUE(ending == "bad_alloc" || ending == "archive") << ending;
                int objects = 0;
                document.roots().forEachRoot(
                    [&](const auto& root) { objects += root.getArray().GetSize(); });
                EXPECT_EQ(objects, 0) << "allocation " << succeeding;
            }
        }
        ASSERT_EQ(g_liveBlocks, live)
            << "blocks leaked when allocation " << succeeding << " failed";
        if (ending == "done") {
            // The loop went through a whole load, not just its first steps.
            EXPECT_GT(succeeding, 100);
            RecordProperty("allocations", static_cast<int>(succeeding));
            break;
        }
    }
}

// Every allocation of a save fails in turn: each attempt ends in bad_alloc or an error naming the
// file, leaves the old file as it was, with no temporary beside it, and frees every block it took.
TEST(AllocationFailure, ASaveKeepsTheOldFileWhicheverAllocationFails) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("zx-allocation-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto file = folder / "project.zxp";
    CProjectDocument old(std::make_unique<SampleProject>(SampleProject::build(1, 3)));
    old.save(file);
    const std::vector<std::byte> oldBytes = zx::readRegularFile(file);
    CProjectDocument document(std::make_unique<SampleProject>(SampleProject::build(1, 7)));
    const std::vector<std::byte> newBytes = document.saveToBytes();
    document.save(folder / "warm-up.zxp");
    std::filesystem::remove(folder / "warm-up.zxp");

    for (long succeeding = 0;; ++succeeding) {
        const long live = g_liveBlocks;
        const std::string ending = withFailingAllocation(succeeding, [&] { document.save(file); });
        ASSERT_TRUE(ending == "done" || ending == "bad_alloc" || ending == "file" ||
                    ending == "archive")
            << ending;
        ASSERT_EQ(g_liveBlocks, live)
            << "blocks leaked when allocation " << succeeding << " failed";
        const auto bytes = zx::readRegularFile(file);
        const auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator());
        if (ending == "done") {
            EXPECT_EQ(bytes, newBytes);
            EXPECT_EQ(entries, 1);
            EXPECT_GT(succeeding, 10);
            RecordProperty("allocations", static_cast<int>(succeeding));
            break;
        }
        ASSERT_EQ(bytes, oldBytes) << "allocation " << succeeding << " (" << ending << ")";
        ASSERT_EQ(entries, 1) << "a temporary or lock was left when allocation " << succeeding
                              << " failed";
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
