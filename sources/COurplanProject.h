// COurplanProject: the connection of an Ourplan schedule used as a source (server, port, user,
// password) and its ID pairs: the source's identifiers beside this project's, both as texts. The
// password is stored as given and is secret to dumps.
//
// Its own interface: handles come from CHandledValue and IOurplanProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/SourceAccessors.h"
#include "store/ValueHandles.h"

using IProjectStringArray = CProjectStringArray;

// Two text lists forming ID pairs by position: a source's identifiers beside this project's.
class ZX_API CIDPairLists {
public:
    // Replaces both lists with copies of the given ones.
    void SetIDPairs(const IProjectStringArray& first, const IProjectStringArray& second) {
        m_first = first;
        m_second = second;
    }
    // Replaces the given lists with copies of the pairs' lists.
    void GetIDPairs(IProjectStringArray& first, IProjectStringArray& second) const {
        first = m_first;
        second = m_second;
    }

protected:
    CProjectStringArray m_first;
    CProjectStringArray m_second;
};

class ZX_API COurplanProject : public CDescribedValue<COurplanProject>,
                               public CHandledValue<COurplanProject>,
                               public CIDPairLists {
public:
    static constexpr const char* s_kindName = "OurplanProject";

    template <class V>
    static void describeFields(V& v) {
        v.field("Server", &COurplanProject::m_server);
        v.field("Port", &COurplanProject::m_port);
        v.field("User", &COurplanProject::m_user);
        v.field("Password", &COurplanProject::m_password, {.secret = true});
        v.field("SourceIDs", &COurplanProject::m_first);
        v.field("ZentrixIDs", &COurplanProject::m_second);
    }

    ZX_MEMBER_ACCESSORS(getServer, getServer, m_server)
    void setServer(const CString& server) { m_server = server; }
    ZX_MEMBER_ACCESSORS(getPort, getPort, m_port)
    void setPort(const CString& port) { m_port = port; }
    ZX_MEMBER_ACCESSORS(getUser, getUser, m_user)
    void setUser(const CString& user) { m_user = user; }
    ZX_MEMBER_ACCESSORS(getPassword, getPassword, m_password)
    void setPassword(const CString& password) { m_password = password; }

    void RemoveAll() { *this = COurplanProject(); }

private:
    CProjectString m_server;
    CProjectString m_port;
    CProjectString m_user;
    CProjectString m_password;
};

using IOurplanProject = COurplanProject;
ZX_DECLARE_VALUE_HANDLES(COurplanProject);
