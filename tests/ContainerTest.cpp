#include <gtest/gtest.h>

#include "zentrix.h"

TEST(Container, Smoke) {
    CLinkArray links;
    CLink a;
    a.generateIDs();
    EXPECT_EQ(links.Add(a), 0);
    EXPECT_EQ(links.Add(a), -1);
    EXPECT_EQ(links.findByID(a.getID()), 0);
    CZentrixArchive out;
    links.Serialize(out);
    CZentrixArchive in(out.takeStoredBytes());
    CLinkArray back;
    back.Serialize(in);
    EXPECT_TRUE(back == links);
    EXPECT_EQ(links.getConstReference(0).dump(), back.getConstReference(0).dump());
    CLinkHandle h;
    EXPECT_EQ(&*h, &CLinkHandle::s_invalidObject);
    CCodeRoot root;
    CCode code;
    code.generateIDs();
    CCodeValue v;
    v.generateIDs();
    v.setName(L"x");
    code.addCodeValue(v);
    EXPECT_EQ(root.getArray().Add(code), 0);
    CZentrixArchive o2;
    root.Serialize(o2);
    CZentrixArchive i2(o2.takeStoredBytes());
    CCodeRoot root2;
    root2.Serialize(i2);
    EXPECT_TRUE(root2 == root);
    std::cout << root2.getArray().getConstReference(0).dump() << "\n";
}
