#include "path_text.h"

#include <algorithm>

CString FileNameOfPath(const CString& path)
{
    const int cut = std::max({path.ReverseFind('\\'), path.ReverseFind('/'), path.ReverseFind(':')});
    return path.Mid(cut + 1);
}

CString DataDirOfPath(const CString& path, const CString& fileName, const CString& programDir)
{
    if (path.Find('\\') < 0)
        return programDir;
    const CString tail = "\\" + fileName;
    if (path.GetLength() > tail.GetLength() && path.Right(tail.GetLength()) == tail &&
        path.Find(tail, path.GetLength() - tail.GetLength()) >= 0)
        return path.Left(path.GetLength() - tail.GetLength());
    return CString();
}

CString ReplaceExtension(const CString& path, LPCTSTR newExtension)
{
    const CString name = FileNameOfPath(path);
    const int dot = name.ReverseFind('.');
    const CString folderPart = path.Left(path.GetLength() - name.GetLength());
    return folderPart + (dot < 0 ? name : name.Left(dot)) + newExtension;
}

CString WithoutTrailingBackslash(const CString& folder)
{
    const int last = folder.GetLength() - 1;
    if (last >= 0 && folder.ReverseFind('\\') == last)
        return folder.Left(last);
    return folder;
}

CString PathInFolder(const CString& path, const CString& folder)
{
    if (path.FindOneOf("\\/:") >= 0)
        return path;
    return folder + "\\" + path;
}

bool IsPlainFileName(const CString& name)
{
    if (name.IsEmpty() || name.FindOneOf("\\/:*?\"<>|") >= 0)
        return false;
    bool onlyDots = true;
    for (int i = 0; i < name.GetLength(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20)
            return false;
        onlyDots = onlyDots && byte == '.';
    }
    return !onlyDots;
}
