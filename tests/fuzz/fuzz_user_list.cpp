// Any bytes as the user list: reading it, taking every record's settings and
// rewriting it with one user's settings changed must not crash; the rewritten
// file reads back to the same lines, and every other line keeps its bytes.

#include "users/UserRegistry.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const UserTable table = UserRegistry::parse(content);
    UserSettings changed = UserRegistry::newUserSettings(UserRegistry::kGuestId);
    for (const UserRecord &r : table.records())
        changed = UserRegistry::settingsOf(r);
    changed.port = 5;
    changed.max = -32768;

    const UserTable updated = UserRegistry::applySettings(table, changed);
    const UserTable reread = UserRegistry::parse(UserRegistry::format(updated));
    if (reread.firstLine() != updated.firstLine() || reread.records() != updated.records()
        || reread.lines().size() != updated.lines().size())
        std::abort();
    for (qsizetype i = 0; i < table.lines().size(); ++i) {
        const UserTable::Line &before = table.lines().at(i);
        const UserTable::Line &after = reread.lines().at(i);
        const bool mine = before.record != 0 && table.record(before.record).id == changed.id;
        if (after.record != before.record || after.end != before.end || (!mine && after.raw != before.raw))
            std::abort();
    }
    return 0;
}
