// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of tarvikctl. Each returns its exit status (ExitStatus.h) and writes its own
// messages; the session is prepared but not yet attached to a unit.
#pragma once

#include <QString>

#include "cli/CliArgs.h"

namespace tarvik {
struct HidrawNodeInfo;
}

namespace tarvik::cli {

class UnitSession;

int RunList(UnitSession& session);
int RunShow(UnitSession& session, const CliRequest& request);
int RunSet(UnitSession& session, const CliRequest& request);
int RunReset(UnitSession& session, const CliRequest& request);
int RunDump(UnitSession& session, const CliRequest& request);
int RunRestore(UnitSession& session, const CliRequest& request);
int RunDoctor(const CliRequest& request);
// One node as doctor lists it.
QString DoctorNodeLine(const HidrawNodeInfo& node);

}  // namespace tarvik::cli
