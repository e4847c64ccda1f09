#include "file_failure_reason.h"

CString FileFailureReason(const CFileException& error)
{
    switch (error.m_cause) {
    case CFileException::fileNotFound:
        return "理由: ファイルが見つかりません。";
    case CFileException::badPath:
        return "理由: フォルダが見つからないか、名前が正しくありません。";
    case CFileException::accessDenied:
        return "理由: アクセスが拒否されました（読み取り専用か、書き込む権限がありません）。";
    case CFileException::sharingViolation:
    case CFileException::lockViolation:
        return "理由: ほかのプログラムがファイルを使用しています。";
    case CFileException::diskFull:
        return "理由: ディスクの空き容量が足りません。";
    case CFileException::tooManyOpenFiles:
        return "理由: 開いているファイルが多すぎます。";
    case CFileException::directoryFull:
        return "理由: フォルダにファイルを作れません。";
    case CFileException::hardIO:
        return "理由: ディスクの読み書きに失敗しました。";
    case CFileException::endOfFile:
        return "理由: ファイルが途中で終わっています。";
    default:
        break;
    }
    CString text;
    if (error.m_lOsError > 0)
        text.Format("理由: ファイルを読み書きできませんでした（エラー番号 %ld）。", error.m_lOsError);
    else
        text = "理由: ファイルを読み書きできませんでした。";
    return text;
}

CString FileFailureReason(const CArchiveException& error)
{
    if (error.m_cause == CArchiveException::endOfFile)
        return "理由: ファイルが途中で終わっています。";
    return "理由: ファイルの内容が壊れています。";
}
