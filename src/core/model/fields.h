#pragma once

#include "model/schema.h"

namespace quillex::fields {

// Ids of the fields that code names one by one, resolved once.
struct Ids {
    FieldId Nick, Clan, email, site, TrackBar1, TrackBar2, TrackBar3, Edit2, talk;
    FieldId r, g, b, grav, c54, frn;
    FieldId v1, v2, v3, v4, v5, h, c, net1, net2, h1, h2, czn1, czn2, zn1, zn2;
};

const Ids& Get();

}  // namespace quillex::fields
