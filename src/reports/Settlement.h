#pragma once

#include "core/Document.h"
#include "windows/client/ClientPayments.h"

namespace kz {

// The same answer as SideSettled: true when no payment of the side has an
// amount due above 0. Each return is read once instead of once per payment,
// since the refresh asks this for both sides of every client at every change.
bool AllPaymentsSettled(const ClientRecord& client, Side side);

}  // namespace kz
