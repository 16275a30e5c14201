// The project document: one file for every root, its table and checksums, loading into fresh
// roots, salvage, and what damaged or truncated files do.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <set>
#include <utility>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "FaultyFileSystem.h"
#include "SampleProject.h"
#include "Sanitized.h"
#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CMappedFile.h"
#include "project/CProjectDocument.h"
#include "project/ObjectWalk.h"

namespace {

std::unique_ptr<CProjectRoots> sample(int scale, std::uint64_t seed = 11) {
    return std::make_unique<SampleProject>(SampleProject::build(scale, seed));
}

// A small saved sample and its document, built once: most tests damage copies of its bytes.
struct Saved {
    CProjectDocument document{sample(3)};
    std::vector<std::byte> bytes = document.saveToBytes();
    CDocumentTable table = CProjectDocument::readTable(bytes);
};

const Saved& saved() {
    static Saved s;
    return s;
}

const CDocumentSection& sectionNamed(const CDocumentTable& table, std::string_view name) {
    for (const auto& section : table.sections)
        if (section.name == name) return section;
    throw std::logic_error("no section " + std::string(name));
}

// Signs every section and the table again after a test changed their bytes.
template <class T>
T readAt(const std::vector<std::byte>& bytes, std::size_t at) {
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}
template <class T>
void writeAt(std::vector<std::byte>& bytes, std::size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

void resign(std::vector<std::byte>& bytes) {
    const std::size_t trailer = bytes.size() - 32;
    const auto tableOffset = readAt<std::uint64_t>(bytes, trailer);
    const auto tableSize = readAt<std::uint64_t>(bytes, trailer + 8);
    std::size_t at = tableOffset;
    const auto count = readAt<std::uint32_t>(bytes, at);
    at += 4;
    for (std::uint32_t i = 0; i < count; ++i) {
        at += 2 + readAt<std::uint16_t>(bytes, at);
        const auto offset = readAt<std::uint64_t>(bytes, at);
        const auto size = readAt<std::uint64_t>(bytes, at + 8);
        writeAt(bytes, at + 24, XXH3_64bits(bytes.data() + offset, size));
        at += 32;
    }
    writeAt(
        bytes, trailer + 16,
        XXH3_64bits_withSeed(bytes.data() + tableOffset, tableSize, XXH3_64bits(bytes.data(), 16)));
}

bool loadsOrThrowsDocumentError(std::span<const std::byte> bytes,
                                CProjectDocument::LoadOptions options = {}) {
    CProjectDocument document;
    try {
        (void)document.loadFromBytes(bytes, options);
        return true;
    } catch (const CDocumentError&) {
        return true;
    }
}

}  // namespace

TEST(ProjectDocument, RoundTripsEveryRootAndCountsItsObjects) {
    const auto& s = saved();
    CProjectDocument loaded;
    const auto report = loaded.loadFromBytes(s.bytes);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_TRUE(report.unknownSections.empty());
    EXPECT_EQ(report.fileVersion, CZentrixArchive::s_currentFileVersion);
    EXPECT_TRUE(loaded.roots() == s.document.roots());
    // The same project gives the same bytes, and so do the same scale and seed. A second save
    // reserves each section by the first one's sizes, and still writes the same bytes.
    EXPECT_EQ(loaded.saveToBytes(), s.bytes);
    EXPECT_EQ(loaded.saveToBytes(), s.bytes);
    EXPECT_EQ(CProjectDocument(sample(3)).saveToBytes(), s.bytes);

    // The table counts every object record, embedded parts included.
    std::uint64_t inCounts = 0, inTable = 0;
    s.document.roots().forEachRoot([&](const auto& root) {
        const auto objects = root.get();
        for (int i = 0; i < objects.GetSize(); ++i)
            zx::walkObjects(*objects.getConstReference(i), [&](const auto&, bool) { ++inCounts; });
    });
    for (const auto& section : s.table.sections) {
        inTable += section.objects;
        EXPECT_TRUE(CProjectDocument::verifySection(s.bytes, section)) << section.name;
    }
    EXPECT_EQ(inTable, inCounts);
    EXPECT_EQ(s.table.sections.size(), std::tuple_size_v<zx::RootTuple<zx::RootTypes>::type>);
}

// The world settings are one object the host holds, kept by the document like a root's.
TEST(ProjectDocument, KeepsOneObjectOfAHeldKind) {
    CProjectDocument document;
    const CProjectDocument& reader = document;
    // Nothing held yet: the const form reads the initial values and creates nothing.
    EXPECT_DOUBLE_EQ(reader.roots().held<C3DWorldSettings>().get3DUnitSize().getValue(), 1.0);
    EXPECT_EQ(document.get<C3DWorldSettingsRoot>().getArray().GetSize(), 0);

    C3DWorldSettings& settings = document.roots().held<C3DWorldSettings>();
    EXPECT_TRUE(settings.getID().isValidNotNull());
    settings.setHeightOfGround(12.5);
    EXPECT_EQ(&document.roots().held<C3DWorldSettings>(), &settings);
    EXPECT_EQ(document.get<C3DWorldSettingsRoot>().getArray().GetSize(), 1);

    CProjectDocument loaded;
    ASSERT_TRUE(loaded.loadFromBytes(document.saveToBytes()).failures.empty());
    const auto& back = std::as_const(loaded).roots().held<C3DWorldSettings>();
    EXPECT_DOUBLE_EQ(back.getHeightOfGround().getValue(), 12.5);
    EXPECT_TRUE(back == settings);
}

TEST(ProjectDocument, SavesAndLoadsFilesAndRefusesWhatIsNotARegularFile) {
    const auto folder = std::filesystem::temp_directory_path() / "zx-document-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    CProjectDocument document(sample(2));
    document.save(folder / "p.zxp");
    CProjectDocument loaded;
    (void)loaded.load(folder / "p.zxp");
    EXPECT_TRUE(loaded.roots() == document.roots());
    EXPECT_EQ(CProjectDocument::readTable(folder / "p.zxp").fileSize,
              std::filesystem::file_size(folder / "p.zxp"));

    EXPECT_THROW((void)loaded.load(folder), zx::CFileError);
    EXPECT_THROW((void)loaded.load(folder / "missing"), zx::CFileError);
    EXPECT_THROW((void)loaded.load(""), zx::CFileError);
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_THROW((void)loaded.load(folder / "pipe"), zx::CFileError);
    EXPECT_THROW((void)loaded.load("/proc/self/status"), zx::CFileError);
    EXPECT_TRUE(loaded.roots() == document.roots());
    std::filesystem::remove_all(folder);
}

TEST(ProjectDocument, AFailedLoadLeavesTheDocumentAsItWas) {
    const auto& s = saved();
    auto damaged = s.bytes;
    const auto& tasks = sectionNamed(s.table, "Task");
    damaged[tasks.offset + tasks.size / 2] ^= std::byte{0x10};

    CProjectDocument document(sample(2, 5));
    const auto before = document.saveToBytes();
    try {
        (void)document.loadFromBytes(damaged);
        FAIL() << "a damaged section loaded";
    } catch (const CDocumentError& error) {
        EXPECT_EQ(error.section(), "Task");
        EXPECT_EQ(error.offset(), tasks.offset);
        EXPECT_NE(std::string(error.what()).find("checksum"), std::string::npos);
    }
    EXPECT_EQ(document.saveToBytes(), before);
}

TEST(ProjectDocument, ARecordErrorNamesSectionRecordAndFileOffset) {
    // A section whose checksum is right but whose record is not, as a buggy writer would leave:
    // the root's end marker damaged, then every checksum signed again.
    const auto& s = saved();
    auto bytes = s.bytes;
    const auto& codes = sectionNamed(s.table, "Code");
    const std::size_t at = codes.offset + codes.size - 2;
    bytes[at] ^= std::byte{0xff};
    resign(bytes);
    CProjectDocument document;
    try {
        (void)document.loadFromBytes(bytes);
        FAIL() << "a damaged record loaded";
    } catch (const CDocumentError& error) {
        EXPECT_EQ(error.section(), "Code");
        EXPECT_GE(error.offset(), codes.offset);
        EXPECT_LT(error.offset(), codes.offset + codes.size);
        EXPECT_NE(std::string(error.what()).find("CodeRoot"), std::string::npos) << error.what();
    }
}

TEST(ProjectDocument, EveryTruncationEndsInAnErrorOrASalvageReport) {
    const auto& s = saved();
    const std::span<const std::byte> all(s.bytes);
    for (std::size_t size = 0; size < all.size(); size += (size < 64 ? 1 : 97)) {
        const auto cut = all.first(size);
        CProjectDocument document;
        EXPECT_THROW((void)document.loadFromBytes(cut), CDocumentError) << size;
        CProjectDocument::LoadOptions salvage;
        salvage.salvage = true;
        ASSERT_TRUE(loadsOrThrowsDocumentError(cut, salvage)) << size;
    }
}

TEST(ProjectDocument, SalvageLoadsEveryIntactSectionOfATruncatedFile) {
    const auto& s = saved();
    const auto& tasks = sectionNamed(s.table, "Task");
    // Cut inside the task section: every section before it is intact, the trailer is gone.
    const auto cut = std::span<const std::byte>(s.bytes).first(tasks.offset + tasks.size / 2);
    CProjectDocument document;
    CProjectDocument::LoadOptions salvage;
    salvage.salvage = true;
    const auto report = document.loadFromBytes(cut, salvage);
    EXPECT_TRUE(document.get<CCodeRoot>() == s.document.get<CCodeRoot>());
    EXPECT_TRUE(document.get<CResourceRoot>() == s.document.get<CResourceRoot>());
    EXPECT_EQ(document.get<CTaskRoot>().get().GetSize(), 0);
    std::set<std::string> failed;
    for (const auto& failure : report.failures) failed.insert(failure.section);
    EXPECT_TRUE(failed.contains("Task"));
    EXPECT_TRUE(failed.contains("(table)"));
    EXPECT_FALSE(failed.contains("Code"));
}

TEST(ProjectDocument, SalvageReportsADamagedSectionAndLoadsTheRest) {
    const auto& s = saved();
    auto damaged = s.bytes;
    const auto& risks = sectionNamed(s.table, "Risk");
    damaged[risks.offset + 20] ^= std::byte{1};
    CProjectDocument document;
    CProjectDocument::LoadOptions salvage;
    salvage.salvage = true;
    const auto report = document.loadFromBytes(damaged, salvage);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].section, "Risk");
    EXPECT_EQ(document.get<CRiskRoot>().get().GetSize(), 0);
    EXPECT_TRUE(document.get<CTaskRoot>() == s.document.get<CTaskRoot>());
}

TEST(ProjectDocument, EveryBitFlipInHeaderTableAndSectionStartsIsCaught) {
    const auto& s = saved();
    const auto flipped = [&](std::size_t at, int bit) {
        auto damaged = s.bytes;
        damaged[at] ^= std::byte(1u << bit);
        return damaged;
    };
    // The header, the table and the trailer: every bit (a sample under the sanitizers), every load
    // refused, salvage survives.
    const auto& last = s.table.sections.back();
    auto frame = zxtest::sampledPositions(0, s.table.sections.front().offset, 1);
    for (const std::size_t i :
         zxtest::sampledPositions(last.offset + last.size, s.bytes.size(), 2)) {
        frame.push_back(i);
    }
    for (const std::size_t at : frame) {
        for (const int bit : zxtest::sampledBits(at)) {
            const auto damaged = flipped(at, bit);
            CProjectDocument document;
            EXPECT_THROW((void)document.loadFromBytes(damaged), CDocumentError)
                << "byte " << at << " bit " << bit;
            if (bit % 4 != 0) continue;
            CProjectDocument::LoadOptions salvage;
            salvage.salvage = true;
            EXPECT_TRUE(loadsOrThrowsDocumentError(damaged, salvage));
        }
    }
    // The first kilobyte of every section, every bit (a sample under the sanitizers): the
    // section's checksum refuses it (only that section is loaded, so that each case costs one
    // checksum).
    auto bytes = s.bytes;
    for (const auto& section : s.table.sections) {
        CProjectDocument::LoadOptions only;
        only.sections = std::set<std::string, std::less<>>{section.name};
        const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(section.size, 1024));
        for (const std::size_t i : zxtest::sampledPositions(0, size, section.offset)) {
            for (const int bit : zxtest::sampledBits(i)) {
                const auto mask = std::byte(1u << bit);
                bytes[section.offset + i] ^= mask;
                CProjectDocument document;
                EXPECT_THROW((void)document.loadFromBytes(bytes, only), CDocumentError)
                    << section.name << " byte " << i << " bit " << bit;
                bytes[section.offset + i] ^= mask;
            }
        }
    }
}

TEST(ProjectDocument, RandomCorruptionIsCaughtByTheChecksumsEveryTime) {
    const auto& s = saved();
    std::mt19937_64 random(2026);
    const auto begin = s.table.sections.front().offset;
    const auto end = s.table.sections.back().offset + s.table.sections.back().size;
    for (int trial = 0; trial < 300; ++trial) {
        auto damaged = s.bytes;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f)
            damaged[begin + random() % (end - begin)] ^= std::byte(1u << (random() % 8));
        if (damaged == s.bytes) continue;
        CProjectDocument document;
        EXPECT_THROW((void)document.loadFromBytes(damaged), CDocumentError) << trial;
    }
}

TEST(ProjectDocument, RefusesFilesOfANewerBuildAndKeepsUnknownSections) {
    const auto& s = saved();
    auto newer = s.bytes;
    newer[8] = std::byte{2};  // format version 2
    try {
        CProjectDocument document;
        (void)document.loadFromBytes(newer);
        FAIL();
    } catch (const CDocumentError& error) {
        EXPECT_NE(std::string(error.what()).find("format 2"), std::string::npos);
    }
    auto future = s.bytes;
    const std::uint32_t version = CZentrixArchive::s_currentFileVersion + 1;
    std::memcpy(future.data() + 12, &version, 4);
    CProjectDocument document;
    EXPECT_THROW((void)document.loadFromBytes(future), CDocumentError);
}

TEST(ProjectDocument, LoadsOnlyTheSectionsAskedForAndReportsProgress) {
    const auto& s = saved();
    CProjectDocument document;
    CProjectDocument::LoadOptions options;
    options.sections = std::set<std::string, std::less<>>{"Task", "Code"};
    std::vector<double> fractions;
    std::set<std::string> named;
    options.progress = [&](double fraction, std::string_view section) {
        fractions.push_back(fraction);
        if (!section.empty()) named.insert(std::string(section));
    };
    (void)document.loadFromBytes(s.bytes, options);
    EXPECT_TRUE(document.get<CTaskRoot>() == s.document.get<CTaskRoot>());
    EXPECT_TRUE(document.get<CCodeRoot>() == s.document.get<CCodeRoot>());
    EXPECT_EQ(document.get<CResourceRoot>().get().GetSize(), 0);
    EXPECT_EQ(named, (std::set<std::string>{"Task", "Code"}));
    ASSERT_FALSE(fractions.empty());
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
    EXPECT_EQ(fractions.back(), 1.0);
}

TEST(ProjectDocument, ASaveThatFailsAtAnySystemCallKeepsTheOldFile) {
    const auto folder = std::filesystem::temp_directory_path() / "zx-document-faults";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto target = folder / "p.zxp";
    CProjectDocument older(sample(1, 1));
    older.save(target);
    ::chmod(target.c_str(), 0600);
    const auto oldBytes = older.saveToBytes();
    CProjectDocument newer(sample(2, 2));

    const zx::ScopedFileSystemCalls calls(faulty::faultyCalls());
    faulty::Faults::reset(0);
    newer.save(target);
    const int callsOfASave = faulty::Faults::calls;
    older.save(target);
    ASSERT_GT(callsOfASave, 8);
    for (int at = 1; at <= callsOfASave; ++at) {
        faulty::Faults::reset(at, ENOSPC);
        try {
            newer.save(target);
        } catch (const zx::CFileError& error) {
            EXPECT_EQ(error.path(), target) << at;
            const zx::CMappedFile file(target);
            EXPECT_TRUE(std::equal(oldBytes.begin(), oldBytes.end(), file.bytes().begin(),
                                   file.bytes().end()))
                << "call " << at << " (" << faulty::Faults::log.back() << ")";
            struct stat status {};
            ASSERT_EQ(::stat(target.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, 0600u);
            // A lock file may stay when taking the lock failed (it cannot tell whether another
            // save holds it); the next save removes it. Temporaries never stay.
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                EXPECT_TRUE(entry.path() == target ||
                            zx::CAtomicFileWriter::lockName(target.filename().string()) ==
                                entry.path().filename().string())
                    << entry.path() << " was left after call " << at << " ("
                    << faulty::Faults::log.back() << ")";
            continue;
        }
        // A failure after the save was durable (cleanup) may go unreported; put the old back.
        faulty::Faults::reset(0);
        older.save(target);
    }
    std::filesystem::remove_all(folder);
}
