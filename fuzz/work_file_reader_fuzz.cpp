// Feeds arbitrary bytes to the work-file reader. Besides crashes, hangs and memory errors it
// checks that whatever a file left in the settings saves and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/settings.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillex;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings loaded;
    const WorkFileLoad load = ApplyWorkFile(bytes, loaded);
    if (load.status == WorkFileStatus::ConversionError && load.error.empty()) std::abort();
    if (load.status == WorkFileStatus::NotWorkFile && !(loaded == Settings())) std::abort();

    // Values read from a file never contain a line break or a terminator phrase.
    if (UnstorableReason(loaded)) std::abort();
    const Cp1251Encoded saved = WorkFileBytes(loaded);
    if (saved.unmappable != 0) std::abort();
    Settings again;
    if (ApplyWorkFile(saved.bytes, again).status != WorkFileStatus::Loaded) std::abort();
    if (!(again == loaded)) std::abort();
    return 0;
}
