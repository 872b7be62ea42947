#include "clubsave.h"

#include "smbsession.h"

namespace quillex {

ClubSaveResult SaveToClub(std::string_view bytes, std::string_view nick,
                          const ClubProgress& progress, const ClubConnection& connection) {
    SmbSession session(connection.port, connection.timeout);
    for (int machine = 1; machine <= kClubMachineCount; ++machine) {
        if (progress) progress(machine);
        const bool written = session.ReplaceFile(ClubFileUrl(machine, nick), bytes);
        // One machine at a time: no connection stays open to the machines already done.
        session.DropConnections();
        if (!written) return {machine, "Cannot create file " + ClubFileName(machine, nick)};
    }
    return {};
}

}  // namespace quillex
