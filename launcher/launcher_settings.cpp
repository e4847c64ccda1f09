#include "launcher_settings.h"

#include "../framework/replace_file.h"
#include "../framework/stdio_file.h"

SettingsRead ReadLauncherSettings(const CString& path, LauncherSettings& settings)
{
    settings = LauncherSettings();
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText, &error))
        return error.m_cause == CFileException::fileNotFound ? SettingsRead::NoFile : SettingsRead::Unreadable;
    try {
        LauncherSettings read;
        file.ReadString(read.line1);
        file.ReadString(read.line2);
        file.ReadString(read.fontSize);
        settings = read;
        return SettingsRead::Read;
    } catch (const CFileException&) {
        return SettingsRead::Unreadable;
    }
}

void WriteLauncherSettings(const CString& path, const LauncherSettings& settings)
{
    WriteFileReplacing(path, CFile::typeText, [&settings](CStdioFile& file) {
        file.WriteString(settings.line1 + "\n");
        file.WriteString(settings.line2 + "\n");
        file.WriteString(settings.fontSize);
    });
}
