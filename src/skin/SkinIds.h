#pragma once

#include "models/skin/SkinRoles.h"

// The widget skin's name for the roles both front ends read from a skin's
// id attributes: one list, in the skin model.
namespace SkinIds = SkinRoles;
