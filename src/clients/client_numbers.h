// Client numbers and automatic names.
//
// The next number comes from UserNextId; every number handed out raises it by
// one. Numbers saturate at the largest int32 instead of wrapping to negative ids.
#pragma once

#include "client_record.h"

#include <QString>

#include <cstdint>

namespace zelk {

// The next number after `current`, never past INT32_MAX.
int32_t FollowingClientId(int32_t current);

// Gives each record of `list`, in order, the next number; `nextId` moves on.
void RenumberClients(ClientList& list, int32_t& nextId);

// The rule after every rebuild: when the list is not empty and the next number is
// not above the last record's id, the next number becomes that id + 1. Only the
// last record is consulted.
int32_t NextIdAfterRebuild(const ClientList& list, int32_t nextId);

// The name of a client stored or shown without one: number, birth date and hour,
// the year as a Minguo year when yearDisplay is 1 ("12-075031504").
QString MakeClientAutoName(const tagUserInfo& record, int32_t nextId, int yearDisplay);

} // namespace zelk
