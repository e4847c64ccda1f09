// The settings file's reader, and its writer fed with what was read: a file
// written back unchanged starts with the file read, byte for byte, and adds
// nothing but the line ends of the three lines a shorter file lacks (an empty
// first line is filled with the program's values).
#include "fuzz_input.h"

#include "core/csv_cells.h"
#include "core/settings_file.h"

#include <string>

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
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string written = ReadCsvFile(FuzzPath("written.ino"));
    const std::string firstLine = input.substr(0, input.find('\n'));
    if (firstLine.empty() || firstLine == "\r")
        return 0;
    if (written.compare(0, input.size(), input) != 0 || written.find_first_not_of("\r\n", input.size()) != std::string::npos)
        std::abort();
    return 0;
}
