// ICompany: a party of the project (the owner, contractors, suppliers, ...) with its contact data,
// its working calendar and the colour it is shown in.
//
// A new company has unset IDs, empty texts, type Contractor (1) and the colour white
// (CProjectConstants::getDefaultCompanyColor).
//
// Archive record of CCompany: the fields in description order. CCompanyLegacy writes the older
// record of its own from the same description (see access/CCompanyLegacy.h).
#pragma once

#include "basetypes/AccessEnumerations.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ICompany : public IDescribed<ICompany> {
public:
    static constexpr const char* s_kindName = "Company";

    struct Fields {
        CCompanyID id;
        CProjectString name;
        CCompanyType type = CompanyType::Contractor;
        CProjectString address;
        CProjectString telephoneNumber;
        CProjectString faxNumber;
        CProjectString emailAddress;
        CProjectString url;
        CCalendarID calendarID;
        CProjectColorRGB color = CProjectColorRGB::white();
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Type", &Fields::type);
        v.field("Address", &Fields::address);
        v.field("TelephoneNumber", &Fields::telephoneNumber);
        v.field("FaxNumber", &Fields::faxNumber);
        v.field("EmailAddress", &Fields::emailAddress);
        v.field("URL", &Fields::url);
        v.field("CalendarID", &Fields::calendarID);
        v.field("Color", &Fields::color);
    }

    const CCompanyID& getID() const { return fields().id; }
    void setID(const CCompanyID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CCompanyType& getType() const { return fields().type; }
    void setType(const CCompanyType& type) { fields().type = type; }
    const CProjectString& getAddress() const { return fields().address; }
    void setAddress(const CString& address) { fields().address = address; }
    const CProjectString& getTelephoneNumber() const { return fields().telephoneNumber; }
    void setTelephoneNumber(const CString& number) { fields().telephoneNumber = number; }
    const CProjectString& getFaxNumber() const { return fields().faxNumber; }
    void setFaxNumber(const CString& number) { fields().faxNumber = number; }
    const CProjectString& getEmailAddress() const { return fields().emailAddress; }
    void setEmailAddress(const CString& address) { fields().emailAddress = address; }
    void setURL(const CString& url) { fields().url = url; }
    const CProjectString& getURL() const { return fields().url; }
    const CCalendarID& getCalendarID() const { return fields().calendarID; }
    void setCalendarID(const CCalendarID& id) { fields().calendarID = id; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }

protected:
    friend IDescribed<ICompany>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CCompanyID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CCompanyType& getWritableType() { return fields().type; }
    CProjectString& getWritableAddress() { return fields().address; }
    CProjectString& getWritableTelephoneNumber() { return fields().telephoneNumber; }
    CProjectString& getWritableFaxNumber() { return fields().faxNumber; }
    CProjectString& getWritableEmailAddress() { return fields().emailAddress; }
    CProjectString& getWritableURL() { return fields().url; }
    CCalendarID& getWritableCalendarID() { return fields().calendarID; }
    CProjectColorRGB& getWritableColor() { return fields().color; }
};

using ICompanyHandle = CWrapperHandle<ICompany>;
using ICompanyWritableHandle = CWritableWrapperHandle<ICompany>;
using ICompanyArrayHandle = CWrapperArrayHandle<ICompany, CCompanyID, 0>;
using ICompanyConstArrayHandle = CConstWrapperArrayHandle<ICompany, CCompanyID, 0>;
ZX_DECLARE_INTERFACE(ICompany, CCompanyID, 0);
