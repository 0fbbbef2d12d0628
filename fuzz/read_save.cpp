// Any bytes at all, read as a save file. The reader must never crash; what it
// accepts must write back to 128 CR LF lines that give the same game again.
#include <cstdint>
#include <cstdlib>

#include "state/SaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<state::SaveGame> game = state::readSave(bytes);
    if (!game) return 0;
    const std::optional<QByteArray> written = state::writeSave(*game);
    if (!written) abort();
    if (written->count("\r\n") != state::kSaveRecords || !written->endsWith("\r\n")) abort();
    const std::optional<state::SaveGame> again = state::readSave(*written);
    if (!again || !(*again == *game)) abort();
    return 0;
}
