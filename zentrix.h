// zentrix.h: the one header a host includes to reach every public class of the store.
#pragma once

#include "basetypes/CArchive.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CObjectState.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CProjectVariant.h"
#include "basetypes/CString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/TypedIDs.h"
