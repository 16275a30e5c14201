// CGraphicalMaterial: the display material of a 3D entity as a viewer shades it: ambient,
// diffuse, specular and emissive colours, shininess and transparency.
//
// A plain described value (copy, comparison, record, dump and JSON come from describeFields). A
// new material is mid-grey diffuse, black ambient, specular and emissive, shininess 0 and
// opaque (transparency 0).
//
// Record (written to disk inside its owner's record; must never change): the fields in
// describeFields order, each with its own record (colours uint32 0x00BBGGRR, shininess a
// CProjectDouble, transparency a CProjectInt percentage).
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API CGraphicalMaterial : public CDescribedValue<CGraphicalMaterial> {
public:
    static constexpr const char* s_kindName = "GraphicalMaterial";

    template <class V>
    static void describeFields(V& v) {
        v.field("Ambient", &CGraphicalMaterial::m_ambient);
        v.field("Diffuse", &CGraphicalMaterial::m_diffuse);
        v.field("Specular", &CGraphicalMaterial::m_specular);
        v.field("Emissive", &CGraphicalMaterial::m_emissive);
        v.field("Shininess", &CGraphicalMaterial::m_shininess);
        v.field("Transparency", &CGraphicalMaterial::m_transparency, {.min = 0, .max = 100});
    }

    const CProjectColorRGB& getAmbient() const { return m_ambient; }
    void setAmbient(const CProjectColorRGB& color) { m_ambient = color; }
    const CProjectColorRGB& getDiffuse() const { return m_diffuse; }
    void setDiffuse(const CProjectColorRGB& color) { m_diffuse = color; }
    const CProjectColorRGB& getSpecular() const { return m_specular; }
    void setSpecular(const CProjectColorRGB& color) { m_specular = color; }
    const CProjectColorRGB& getEmissive() const { return m_emissive; }
    void setEmissive(const CProjectColorRGB& color) { m_emissive = color; }
    const CProjectDouble& getShininess() const { return m_shininess; }
    void setShininess(double shininess) { m_shininess = shininess; }
    const CProjectInt& getTransparency() const { return m_transparency; }
    void setTransparency(int transparency) { m_transparency = transparency; }

private:
    CProjectColorRGB m_ambient;
    CProjectColorRGB m_diffuse = CProjectColorRGB::fromRGB(128, 128, 128);
    CProjectColorRGB m_specular;
    CProjectColorRGB m_emissive;
    CProjectDouble m_shininess = 0.0;
    CProjectInt m_transparency = 0;
};

// CSubPartIndex: where a part produced by a subdivision sits among the slices: its slice along
// each of the three cutting axes (unset along an axis that was not cut).
//
// Record: IndexX, IndexY, IndexZ as CProjectInt records.
class ZX_API CSubPartIndex : public CDescribedValue<CSubPartIndex> {
public:
    static constexpr const char* s_kindName = "SubPartIndex";

    template <class V>
    static void describeFields(V& v) {
        v.field("IndexX", &CSubPartIndex::m_x);
        v.field("IndexY", &CSubPartIndex::m_y);
        v.field("IndexZ", &CSubPartIndex::m_z);
    }

    const CProjectInt& getIndexX() const { return m_x; }
    const CProjectInt& getIndexY() const { return m_y; }
    const CProjectInt& getIndexZ() const { return m_z; }
    void set(int x, int y, int z) {
        m_x = x;
        m_y = y;
        m_z = z;
    }

private:
    CProjectInt m_x;
    CProjectInt m_y;
    CProjectInt m_z;
};
