// The settings file's reader, and its writer fed with what was read.
#include "fuzz_input.h"

#include "core/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsFile settings;
    if (!settings.Read(WriteInput("vozare.ino", data, size)))
        std::abort();
    settings.Write(FuzzPath("written.ino"));
    SettingsFile again;
    if (!again.Read(FuzzPath("written.ino")) || again.deduction != settings.deduction ||
        again.taxCategory != settings.taxCategory)
        std::abort();
    return 0;
}
