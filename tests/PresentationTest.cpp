// Presentation settings: the defaults that views rely on (code and code value presentations,
// work breakdown levels, resource utilisation charts, notes-and-documents lists), whole-set
// replacement against changes in place, clones that share nothing, the usage tables' parameter
// lists, records of every settings value (round trips, truncated input, JSON) and the levels of
// a work breakdown layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "JsonTree.h"
#include "JsonValues.h"
#include "basetypes/CArchive.h"
#include "basetypes/CLegendProperties.h"
#include "presentation/CCodePresentation.h"
#include "presentation/CCodeValuePresentation.h"
#include "presentation/CDocumentNotePresentation.h"
#include "presentation/CEVAGraphPresentation.h"
#include "presentation/CResourceUsagePresentation.h"
#include "presentation/CResourceUtilisationPresentation.h"
#include "presentation/CTaskUsagePresentation.h"
#include "presentation/CUFGraphPresentation.h"
#include "presentation/CWbsLayout.h"
#include "presentation/CWbsLevel.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

template <class T>
T filledValue(std::uint64_t seed = 23) {
    T value;
    zxsample::Filler(seed, 2).value("value", value);
    return value;
}

// Round trip through the archive and through JSON, and refusal of every truncation of the
// record.
template <class T>
void expectRecordsHold(const T& value) {
    T stored = value;
    const std::vector<std::byte> bytes = save(stored);
    EXPECT_TRUE(load<T>(bytes) == value) << T::s_kindName;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<std::byte> cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        const auto loadCut = [&cut] {
            CZentrixArchive in{std::span<const std::byte>(cut)};
            T read;
            read.Serialize(in);
        };
        EXPECT_THROW(loadCut(), CArchiveException) << T::s_kindName << " cut at " << n;
    }
    zxjson::JsonOutput text;
    zxjson::writeJson(text, value);
    zxjson::JsonTree tree;
    std::istringstream json{std::string(text.view())};
    tree.parse(json);
    T read;
    zxjson::readJson(tree.root(), read);
    EXPECT_TRUE(read == value) << text.view();
}

template <class T>
void expectDefaultAndFilledRecordsHold() {
    expectRecordsHold(T());
    const T filled = filledValue<T>();
    EXPECT_FALSE(filled == T()) << T::s_kindName;
    expectRecordsHold(filled);
}

TEST(PresentationDefaults, CodeAndCodeValuePresentations) {
    const CCodePresentation code;
    EXPECT_TRUE(code.getShowChildren().getValue());
    EXPECT_TRUE(code.getIsActive().isValid());
    EXPECT_FALSE(code.getIsActive().getValue());
    EXPECT_EQ(code.getForegroundColor().getPacked(), 0x000000u);
    EXPECT_EQ(code.getBackgroundColor().getPacked(), 0xFFFFFFu);
    EXPECT_EQ(code.getCodeValueOrder().GetSize(), 0);
    const CCodeValuePresentation value;
    EXPECT_TRUE(value.getShowChildren().getValue());
    EXPECT_EQ(value.getChildOrder().GetSize(), 0);
}

TEST(PresentationDefaults, WorkBreakdownLevel) {
    const CWbsLevel level;
    EXPECT_TRUE(level.getCheck().getValue());
    EXPECT_EQ(level.getBackColor().getPacked(), 0x141EC8u);
    EXPECT_EQ(level.getTaskColor().getPacked(), 0x0ADC14u);
    EXPECT_FALSE(level.getID().isValid());
}

TEST(PresentationDefaults, ResourceUtilisationChartIsABarChartForResources) {
    const CResourceUtilisationPresentation chart;
    EXPECT_EQ(chart.getChartType().toInt(), 1);
    EXPECT_EQ(chart.getDisplayChartFor().toInt(), 1);
    EXPECT_EQ(chart.getTaskSelector().toInt(), 0);
    EXPECT_EQ(chart.getResourceSelector().toInt(), 0);
    EXPECT_EQ(chart.getPresentationMode().toInt(), 0);
    EXPECT_EQ(chart.getLegendPosition().toInt(), 0);
    EXPECT_EQ(chart.getHistogramValueType().toInt(), 0);
    EXPECT_EQ(chart.getHistogramPeriod().toInt(), 0);
    EXPECT_EQ(chart.getCurveValueType().toInt(), 0);
    CResourceUtilisationPresentation changed;
    changed.setColorForPlannedValue(0x00123456ul);
    EXPECT_EQ(changed.getColorForPlannedValue().getPacked(), 0x123456u);
}

TEST(PresentationDefaults, ClearIncludesEveryHolderAgain) {
    CDocumentNotePresentation list;
    EXPECT_TRUE(list.getIncludeEntities().getValue());
    list.setIncludeNotes(false);
    list.setIncludeEntities(false);
    list.clear();
    EXPECT_TRUE(list == CDocumentNotePresentation());
}

TEST(PresentationSets, ASetterCopiesTheWholeSetAndTheWritableReferenceChangesInPlace) {
    CLegendProperties legend;
    CCodeValueIDArray values;
    CCodeValueID first;
    first.generateInPlace();
    (void)values.Add(first);
    legend.setIncludedCodeValueIDs(values);
    CCodeValueID second;
    second.generateInPlace();
    (void)values.Add(second);
    EXPECT_EQ(legend.getIncludedCodeValueIDs().GetSize(), 1);
    (void)legend.getIncludedCodeValueIDsWritableReference().Add(second);
    EXPECT_EQ(legend.getIncludedCodeValueIDs().GetSize(), 2);
    EXPECT_GE(legend.getIncludedCodeValueIDs().findByID(second), 0);

    // A moved order is taken over; a copied one stays the caller's.
    CCodeValuePresentation presentation;
    presentation.setChildOrder(values);
    EXPECT_EQ(values.GetSize(), 2);
    presentation.setChildOrder(CCodeValueIDArray());
    EXPECT_EQ(presentation.getChildOrder().GetSize(), 0);
    presentation.setChildOrder(std::move(values));
    EXPECT_EQ(presentation.getChildOrder().GetSize(), 2);
}

TEST(PresentationSets, ClonesShareNothingWithTheirOriginal) {
    CTaskUsagePresentation usage;
    (void)usage.getParametersWritableReference().Add(
        CTimeDistributedParameter(TimeDistributedParameterType::ActualCost, true));
    const std::unique_ptr<CTaskUsagePresentation> copy = usage.clone();
    EXPECT_TRUE(*copy == usage);
    usage.getParametersWritableReference()[0].setType(TimeDistributedParameterType::PlannedWork);
    (void)usage.getParametersWritableReference().Add(CTimeDistributedParameter());
    EXPECT_EQ(copy->getParameters().GetSize(), 1);
    EXPECT_EQ(copy->getParameters()[0].getType(), TimeDistributedParameterType::ActualCost);

    CWbsLevel level;
    level.setCheck(false);
    const std::unique_ptr<IWbsLevel> levelCopy = level.clone();
    EXPECT_TRUE(*levelCopy == level);
}

TEST(PresentationRecords, EverySettingsValueRoundTripsAndRefusesTruncation) {
    expectDefaultAndFilledRecordsHold<CResourceUtilisationPresentation>();
    expectDefaultAndFilledRecordsHold<CUFGraphPresentation>();
    expectDefaultAndFilledRecordsHold<CEVAGraphPresentation>();
    expectDefaultAndFilledRecordsHold<CTaskUsagePresentation>();
    expectDefaultAndFilledRecordsHold<CResourceUsagePresentation>();
    expectDefaultAndFilledRecordsHold<CDocumentNotePresentation>();
    expectDefaultAndFilledRecordsHold<CCodePresentation>();
    expectDefaultAndFilledRecordsHold<CCodeValuePresentation>();
    expectDefaultAndFilledRecordsHold<CTimeDistributedParameter>();
}

TEST(PresentationRecords, AHostileParameterCountEndsInTheArchivesException) {
    CResourceUsagePresentation usage;
    (void)usage.getParametersWritableReference().Add(CTimeDistributedParameter());
    const std::vector<std::byte> bytes = save(usage);
    // The count follows the list's start marker, a 32-bit tag.
    const std::uint32_t tag = zx::archiveTag("CNonUniquePointerArray");
    std::size_t countAt = 0;
    for (std::size_t i = 0; i + sizeof tag <= bytes.size() && countAt == 0; ++i)
        if (std::memcmp(bytes.data() + i, &tag, sizeof tag) == 0) countAt = i + sizeof tag;
    ASSERT_GT(countAt, 0u);
    const auto loadWithCount = [&](std::int32_t count) {
        std::vector<std::byte> hostile = bytes;
        std::memcpy(hostile.data() + countAt, &count, sizeof count);
        CZentrixArchive in{std::span<const std::byte>(hostile)};
        CResourceUsagePresentation read;
        read.Serialize(in);
    };
    EXPECT_THROW(loadWithCount(0x7FFFFFFF), CArchiveException);
    EXPECT_THROW(loadWithCount(2), CArchiveException);
    EXPECT_THROW(loadWithCount(-1), CArchiveLengthError);
    EXPECT_NO_THROW(loadWithCount(1));
}

TEST(WbsLayout, LevelsKeepTheirOrderAndRefuseRepeatsAndAbsentRemovals) {
    CWbsLayout layout;
    layout.generateIDs();
    std::vector<CWbsLevelID> ids;
    for (int i = 0; i < 3; ++i) {
        CWbsLevel level;
        level.generateIDs();
        level.setBackColor(CProjectColorRGB(static_cast<std::uint32_t>(0x100 * (i + 1))));
        ids.push_back(level.getID());
        EXPECT_EQ(layout.addLevel(level), i);
        EXPECT_EQ(layout.addLevel(level), -1);
    }
    CWbsLevel top;
    top.generateIDs();
    EXPECT_TRUE(layout.insertLevel(top, 0));
    EXPECT_FALSE(layout.insertLevel(CWbsLevel(), 9));
    EXPECT_TRUE(layout.removeLevel(ids[1]));
    EXPECT_FALSE(layout.removeLevel(ids[1]));
    const IWbsLevelConstArrayHandle levels = layout.getLevels();
    ASSERT_EQ(levels.GetSize(), 3);
    EXPECT_TRUE(levels[0]->getID() == top.getID());
    EXPECT_TRUE(levels[1]->getID() == ids[0]);
    EXPECT_TRUE(levels[2]->getID() == ids[2]);
    EXPECT_FALSE(levels.find(ids[2]).isNull());

    const CWbsLayout loaded = load<CWbsLayout>(save(layout));
    EXPECT_TRUE(loaded == layout);
    EXPECT_TRUE(loaded.getLevels()[2]->getID() == ids[2]);
}

}  // namespace
