// External sources: the import settings' rules and records, the ID maps of another project, and
// the synchronizer that owns one settings object of its source type.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "sources/CAstaProject.h"
#include "sources/CExcelProject.h"
#include "sources/CPrimaveraProject.h"
#include "sources/CSafranProject.h"
#include "sources/CSynchronizer.h"
#include "sources/CZentrixProject.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::Filler;
using conformance::load;
using conformance::save;

// A value with every field set, reproducibly from seed.
template <class T>
T filledValue(std::uint64_t seed) {
    T value;
    Filler(seed, 2).value("", value);
    return value;
}

CIDBase idOf(std::uint8_t first) {
    GUID guid{};
    guid[0] = first;
    guid[15] = 1;
    return CIDBase(guid);
}

// ---- Asta and Safran: key lists and their older records ----

TEST(AstaProject, LoginAndPasswordAreTheFirstStringOptionsOfTheirNames) {
    CAstaProject asta;
    EXPECT_EQ(asta.getLogin(), CString());
    asta.setStringOptionSize(4);
    asta.setStringOptionPair(0, L"Login", L"wrong case");
    asta.setStringOptionPair(1, L"login", L"first");
    asta.setStringOptionPair(2, L"password", L"secret");
    asta.setStringOptionPair(3, L"login", L"second");
    EXPECT_EQ(asta.getLogin(), CString(L"first"));
    EXPECT_EQ(asta.getPassword(), CString(L"secret"));
    // The options are the value; the cached answers are not.
    CAstaProject other = asta;
    EXPECT_EQ(other, asta);
}

TEST(AstaProject, ResizingGivesZeroKeysAndUnsetIDsAndKeepsTheListsParallel) {
    CAstaProject asta;
    asta.setTaskSize(3);
    ASSERT_EQ(asta.getTaskSize(), 3);
    for (int i = 0; i < 3; ++i) {
        std::int32_t key = -1;
        CTaskID id(idOf(9));
        asta.getTaskPair(i, key, id);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(id, CTaskID());
        EXPECT_FALSE(id.isValid());
    }
    asta.setModifiedNameSize(2);
    asta.setModifiedNamePair(1, 7, L"old", L"new");
    std::int32_t key = 0;
    CString first, second;
    asta.getModifiedNamePair(1, key, first, second);
    EXPECT_EQ(key, 7);
    EXPECT_EQ(second, CString(L"new"));
}

TEST(AstaProject, RecordIsFramedByItsMarkerAndOlderFilesHaveNoUserFieldLists) {
    CAstaProject asta = filledValue<CAstaProject>(3);
    ASSERT_GT(asta.getUserFieldSize(), 0);
    const auto current = save(asta);
    EXPECT_EQ(load<CAstaProject>(current), asta);

    const auto older = save(asta, CAstaProject::s_userFieldsSince - 1);
    EXPECT_LT(older.size(), current.size());
    // Loading the older record into settings that hold user fields empties them.
    CAstaProject target = asta;
    CZentrixArchive in{std::span<const std::byte>(older)};
    target.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(target.getUserFieldSize(), 0);
    EXPECT_EQ(target.getTaskSize(), asta.getTaskSize());

    // The record's first bytes after the archive header are the start marker.
    CZentrixArchive marker;
    marker.checkMarkerStart("CAstaProject");
    const auto markerBytes = marker.takeStoredBytes();
    EXPECT_EQ(std::vector<std::byte>(current.begin(), current.begin() + markerBytes.size()),
              markerBytes);
}

TEST(AstaProject, RemoveAllEmptiesEverything) {
    CAstaProject asta = filledValue<CAstaProject>(5);
    asta.RemoveAll();
    EXPECT_EQ(asta, CAstaProject());
    EXPECT_FALSE(asta.getZentrixCompanyID().isValid());
}

TEST(SafranProject, OlderFilesKeepTheDurationFieldsAndRemoveAllKeepsTheCodeSet) {
    CSafranProject safran = filledValue<CSafranProject>(4);
    ASSERT_GT(safran.getDurationFieldSize(), 0);
    EXPECT_EQ(load<CSafranProject>(save(safran)), safran);

    CSafranProject other = safran;
    other.setDurationFieldSize(1);
    const auto older = save(other, CSafranProject::s_durationFieldsSince - 1);
    CSafranProject target = safran;
    CZentrixArchive in{std::span<const std::byte>(older)};
    target.Serialize(in);
    EXPECT_EQ(target.getDurationFieldSize(), safran.getDurationFieldSize());

    safran.setCodeSetID(CProjectInt(12));
    safran.RemoveAll();
    EXPECT_FALSE(safran.getNetworkID().isValid());
    EXPECT_FALSE(safran.getCalendarSetID().isValid());
    EXPECT_EQ(safran.getCodeSetID(), CProjectInt(12));
    EXPECT_EQ(safran.getTaskSize(), 0);
    EXPECT_EQ(safran.getFlagFieldSize(), 0);
}

TEST(AstaProject, ATruncatedRecordNamesTheSettingsAndTheListItStoppedIn) {
    CAstaProject asta = filledValue<CAstaProject>(6);
    auto bytes = save(asta);
    bytes.resize(bytes.size() - 9);
    CAstaProject target;
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    try {
        target.Serialize(in);
        ADD_FAILURE() << "a truncated record was read";
    } catch (const CArchiveException& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("AstaProject"), std::string::npos) << what;
        EXPECT_NE(what.find("UserFieldIDs"), std::string::npos) << what;
    }
}

// ---- Primavera: the table of lists ----

TEST(PrimaveraProject, PairsOutsideTheTableReachOnlyTheScratchList) {
    using P = CPrimaveraProject;
    CPrimaveraProject primavera;
    (void)primavera.getEntityArray(P::Project, P::ProjectGUIDs).Add(CString(L"real"));
    CProjectStringArray& scratch = primavera.getEntityArray(P::Activity, P::ProjectGUIDs);
    (void)scratch.Add(CString(L"lost"));
    EXPECT_EQ(primavera.getConstEntityArray(P::Activity, P::ProjectGUIDs).GetSize(), 1);
    // The scratch list is no part of the value, and the next such call empties it.
    CPrimaveraProject clean = primavera;
    (void)clean.getEntityArray(P::Activity, P::ProjectGUIDs);
    EXPECT_EQ(clean, primavera);
    CPrimaveraProject copy = load<CPrimaveraProject>(save(primavera));
    EXPECT_EQ(copy, primavera);
    EXPECT_EQ(copy.getConstEntityArray(P::Project, P::ProjectGUIDs).GetSize(), 1);
    EXPECT_EQ(primavera.getEntityArray(P::Step, P::UDFTypeIDs).GetSize(), 0);
    EXPECT_EQ(&primavera.getEntityArray(P::Step, P::UDFTypeIDs), &scratch);

    int lists = 0;
    for (int e = 0; e < P::s_entityTypeCount; ++e)
        for (int a = 0; a < P::s_arrayTypeCount; ++a) lists += P::listIndex(e, a) >= 0;
    EXPECT_EQ(lists, 48);
    EXPECT_EQ(P::listIndex(P::ActivityCode, P::CodeScopes),
              P::listIndex(P::ActivityCode, P::CodeTypeIDs) + 1);
}

// ---- Excel: sheets and columns ----

CExcelTable table(const wchar_t* name, ExcelTableType type) {
    CExcelTable t;
    t.setExcelName(name);
    t.setType(type);
    return t;
}

TEST(ExcelTableArray, NamesAreNeededAndDistinctAndOneSheetHoldsActivities) {
    CExcelTableArray tables;
    EXPECT_FALSE(tables.Add(table(L"", ExcelTableType::Other)));
    EXPECT_TRUE(tables.Add(table(L"Tasks", ExcelTableType::Activities)));
    EXPECT_FALSE(tables.Add(table(L"Tasks", ExcelTableType::Resources)));
    EXPECT_FALSE(tables.Add(table(L"More tasks", ExcelTableType::Activities)));
    EXPECT_TRUE(tables.Add(table(L"Crews", ExcelTableType::Resources)));
    EXPECT_TRUE(tables.Add(table(L"Plant", ExcelTableType::Resources)));
    EXPECT_EQ(tables.GetSize(), 3);
    EXPECT_EQ(tables.find(CProjectString(L"Nobody")), -1);
    EXPECT_EQ(tables.find(CProjectString(L"Plant")), 2);

    // Renaming a sheet to its own name, or keeping the activities on the sheet that has them.
    EXPECT_TRUE(tables.SetAt(0, table(L"Tasks", ExcelTableType::Activities)));
    EXPECT_FALSE(tables.SetAt(1, table(L"Plant", ExcelTableType::Resources)));
    EXPECT_FALSE(tables.SetAt(2, table(L"Plant", ExcelTableType::Activities)));
    EXPECT_FALSE(tables.SetAt(3, table(L"Spare", ExcelTableType::Other)));

    CProjectIntArray positions;
    (void)positions.Add(CProjectInt(99));
    EXPECT_TRUE(tables.find(CExcelTableType(ExcelTableType::Resources), &positions));
    ASSERT_EQ(positions.GetSize(), 2);
    EXPECT_EQ(positions[0], CProjectInt(1));
    EXPECT_EQ(positions[1], CProjectInt(2));
    EXPECT_FALSE(tables.find(CExcelTableType(ExcelTableType::Links), &positions));
    EXPECT_EQ(positions.GetSize(), 0);
}

TEST(ExcelColumnArray, RolesAndMappedFieldsAreTakenOnce) {
    CExcelColumnArray columns;
    CExcelColumn column;
    column.setExcelName(L"Start");
    column.setExcelColumnType(ExcelColumnType::Start);
    EXPECT_TRUE(columns.Add(column));
    column.setExcelName(L"Begin");
    EXPECT_FALSE(columns.Add(column));  // a second Start
    column.setExcelColumnType(ExcelColumnType::Data);
    column.setColumnType(ColumnType::UserField);
    column.setColumnID(idOf(4));
    EXPECT_TRUE(columns.Add(column));
    column.setExcelName(L"Begin again");
    EXPECT_FALSE(columns.Add(column));  // the same user field
    column.setColumnType(ColumnType::Field);
    EXPECT_TRUE(columns.Add(column));  // built-in fields may repeat
    EXPECT_EQ(columns.find(CColumnType(ColumnType::UserField), idOf(4)), 1);
    EXPECT_EQ(columns.find(CExcelColumnType(ExcelColumnType::Start)), 0);
    EXPECT_EQ(columns.find(CProjectString(L"Begin again")), 2);
}

TEST(ExcelProject, SheetsAndColumnsRoundTripInTheirFramedRecords) {
    CExcelProject excel;
    CExcelTable sheet = table(L"Tasks", ExcelTableType::Activities);
    CExcelColumn column;
    column.setExcelName(L"Name");
    column.setExcelColumnType(ExcelColumnType::Name);
    ASSERT_TRUE(sheet.getColumns().Add(column));
    ASSERT_TRUE(excel.getWritableTables().Add(sheet));
    ASSERT_TRUE(excel.getWritableTables().Add(table(L"Crews", ExcelTableType::Resources)));
    const CExcelProject back = load<CExcelProject>(save(excel));
    EXPECT_EQ(back, excel);
    EXPECT_EQ(back.getTables()[0].getColumns()[0].getExcelName(), CProjectString(L"Name"));

    // A negative sheet count is refused and leaves the sheets as they were.
    CZentrixArchive out;
    out.checkMarkerStart("CExcelTableArray");
    out << std::int32_t{-1};
    CZentrixArchive in(out.takeStoredBytes());
    CExcelTableArray tables = excel.getTables();
    EXPECT_THROW(tables.Serialize(in), std::length_error);
    EXPECT_EQ(tables.GetSize(), 2);
}

// ---- Another project's ID maps ----

TEST(ZentrixProject, ABatchIsJudgedWholeThenAddedAndSortedOnce) {
    CZentrixProject maps;
    EXPECT_FALSE(maps.addMultipleToMap({}, 30));
    EXPECT_FALSE(maps.addMultipleToMap({}, CZentrixProject::dtNone));
    EXPECT_TRUE(maps.addMultipleToMap({}, CZentrixProject::dtTask));

    std::map<CIDBase, CIDBase> batch{{idOf(3), idOf(30)}, {idOf(1), idOf(10)}, {idOf(2), idOf(20)}};
    ASSERT_TRUE(maps.addMultipleToMap(batch, CZentrixProject::dtTask));
    const CTaskIDArray& internal = maps.getInternalTaskIDs();
    const CTaskIDArray& external = maps.getExternalTaskIDs();
    ASSERT_EQ(internal.GetSize(), 3);
    EXPECT_TRUE(internal.isSorted());
    EXPECT_TRUE(external.isSorted());
    EXPECT_EQ(internal.getConstReference(0), CTaskID(idOf(1)));
    EXPECT_EQ(external.getConstReference(2), CTaskID(idOf(30)));

    // A pair with a null or unset ID, or one that is there already, refuses the whole batch.
    const CZentrixProject before = maps;
    EXPECT_FALSE(
        maps.addMultipleToMap({{idOf(5), idOf(50)}, {idOf(6), CIDBase(CIDBase::getNullGUID())}},
                              CZentrixProject::dtTask));
    EXPECT_FALSE(maps.addMultipleToMap({{idOf(5), CIDBase()}}, CZentrixProject::dtTask));
    EXPECT_FALSE(
        maps.addMultipleToMap({{idOf(7), idOf(70)}, {idOf(2), idOf(20)}}, CZentrixProject::dtTask));
    EXPECT_EQ(maps, before);

    // Sets of different sizes refuse too; other kinds are separate pairs.
    (void)maps.getInternalRiskIDs().Add(CRiskID(idOf(8)));
    EXPECT_FALSE(maps.addMultipleToMap({{idOf(9), idOf(90)}}, CZentrixProject::dtRisk));
    EXPECT_TRUE(maps.addMultipleToMap({{idOf(9), idOf(90)}}, CZentrixProject::dt3DNotation));
    EXPECT_EQ(maps.getExternal3DNotationIDs().GetSize(), 1);

    CTaskIDArray synchronised;
    EXPECT_TRUE(maps.getSynchronisedTaskIDs(synchronised));
    // Both sides of the task pair and the CAD settings' tasks, once each.
    EXPECT_EQ(synchronised.GetSize(), 6);
    EXPECT_EQ(load<CZentrixProject>(save(maps)), maps);
}

TEST(ZentrixProject, TheCADSettingsAreEmbeddedAndClearedInPlace) {
    CZentrixProject maps;
    CCADProject cad;
    (void)cad.getWritableInternalTaskIDArray().Add(CTaskID(idOf(1)));
    maps.setCADProject(cad);
    EXPECT_EQ(maps.getCADProject()->getInternalTaskIDArray().GetSize(), 1);
    maps.clearCADProject();
    EXPECT_EQ(*maps.getCADProject(), CCADProject());
}

TEST(ZentrixProject, RebuildingTheMapsTakesTheCADSettingsAndSortsEveryPair) {
    CZentrixProject maps;
    maps.getInternalLinkIDs().addNoSort(CLinkID(idOf(4)));
    maps.getInternalLinkIDs().addNoSort(CLinkID(idOf(2)));
    maps.getInternalLinkIDs().addNoSort(CLinkID(idOf(4)));
    maps.getExternalAssignedResourceGroupIDs().addNoSort(CAssignedResourceGroupID(idOf(9)));
    maps.getExternalAssignedResourceGroupIDs().addNoSort(CAssignedResourceGroupID(idOf(1)));
    CCADProject cad;
    (void)cad.getWritableInternalTaskIDArray().Add(CTaskID(idOf(1)));

    maps.rebuildMaps(cad);
    EXPECT_EQ(*maps.getCADProject(), cad);
    const CLinkIDArray& links = maps.getInternalLinkIDs();
    ASSERT_TRUE(links.isSorted());
    ASSERT_EQ(links.GetSize(), 2);
    EXPECT_EQ(links.getConstReference(0), CLinkID(idOf(2)));
    EXPECT_TRUE(maps.getExternalAssignedResourceGroupIDs().isSorted());

    // Its own CAD settings are a valid source.
    maps.rebuildMaps(*maps.getCADProject());
    EXPECT_EQ(*maps.getCADProject(), cad);
}

// ---- Synchronizers ----

TEST(Synchronizer, SettersSubstituteEmptyTextsAndInvalidTimes) {
    CSynchronizer sync;
    EXPECT_FALSE(sync.getID().isValid());
    EXPECT_TRUE(sync.getVaultlineDocumentGUID().isNULL());
    EXPECT_EQ(sync.getProductType(), CSynchronizerType());
    sync.setFileName(L"");
    EXPECT_EQ(sync.getFileName(), CProjectString(L"empty"));
    sync.setFileName(L"plan.xer");
    EXPECT_EQ(sync.getFileName(), CProjectString(L"plan.xer"));
    sync.setLogin(L"");
    EXPECT_EQ(sync.getLogin(), CProjectString());
    sync.setTimeOfOperation(CProjectTime(5000));
    sync.setTimeOfOperation(CProjectTime());
    EXPECT_EQ(sync.getTimeOfOperation(), CProjectTime());
}

TEST(Synchronizer, InitKeepsOnlyTheSettingsOfItsTypeAndTheSameObjectForTheSameKind) {
    CSynchronizer sync;
    EXPECT_TRUE(sync.getAstaProject().isNull());
    EXPECT_FALSE(sync.setAstaProject(CAstaProject()));  // no Init yet

    sync.Init(SynchronizerType::Asta);
    ASSERT_FALSE(sync.getAstaProject().isNull());
    CAstaProject asta;
    asta.setProjectName(L"Tower");
    EXPECT_TRUE(sync.setAstaProject(asta));
    EXPECT_EQ(sync.getAstaProject()->getProjectName(), CProjectString(L"Tower"));

    sync.Init(SynchronizerType::Primavera);
    EXPECT_TRUE(sync.getAstaProject().isNull());
    EXPECT_FALSE(sync.getPrimaveraProject().isNull());

    sync.Init(SynchronizerType::XML);
    CXMLProject xml;
    xml.SetTitle(L"Export");
    EXPECT_TRUE(sync.setXMLProject(xml));
    const CXMLProject* held = &*sync.getXMLProject();
    sync.Init(SynchronizerType::NetPoint);
    EXPECT_EQ(&*sync.getNetPointProject(), held);
    EXPECT_EQ(*sync.getXMLProject(), CXMLProject());
    EXPECT_TRUE(sync.getPrimaveraProject().isNull());

    sync.Init(SynchronizerType::None);
    EXPECT_EQ(sync.getProductType(), CSynchronizerType());
    int held_count = 0;
    sync.visitSettings([&](const auto&) { ++held_count; });
    EXPECT_EQ(held_count, 0);
}

TEST(Synchronizer, SettingsTravelWithCopiesAndRecordsAndForeignSettingsAreRefused) {
    CSynchronizer sync;
    sync.setID(CSynchronizerID(idOf(1)));
    sync.Init(SynchronizerType::Safran);
    CSafranProject safran = filledValue<CSafranProject>(2);
    ASSERT_TRUE(sync.setSafranProject(safran));

    CSynchronizer copy = sync;
    EXPECT_EQ(copy, sync);
    EXPECT_NE(&*copy.getSafranProject(), &*sync.getSafranProject());
    EXPECT_EQ(load<CSynchronizer>(save(sync)), sync);

    // A record whose settings belong to another type than its own.
    struct Tampered : CSynchronizer {
        using ISynchronizer::getWritableProductType;
    } tampered;
    tampered.Init(SynchronizerType::Safran);
    tampered.getWritableProductType() = SynchronizerType::Excel;
    const auto bytes = save(tampered);
    CSynchronizer target;
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    EXPECT_THROW(target.Serialize(in), CArchiveException);
}

TEST(Synchronizer, LoginsAndPasswordsNeverReachTheDump) {
    CSynchronizer sync;
    sync.setLogin(L"site-admin");
    sync.setPassword(L"hunter2-secret");
    sync.setVaultlineLogin(L"vault-user");
    sync.Init(SynchronizerType::Saprima);
    sync.visitWritableSettings([](auto& settings) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(settings)>, CSaprimaProject>)
            settings.setPassword(L"saprima-secret");
    });
    const std::string dump = sync.dump();
    for (const char* secret : {"site-admin", "hunter2", "vault-user", "saprima-secret"})
        EXPECT_EQ(dump.find(secret), std::string::npos) << secret;
    EXPECT_NE(dump.find("<redacted>"), std::string::npos);
}

}  // namespace
