#include "exception_boundary.h"

#include "../file_exception.h"
#include "message_box.h"

#include <new>

namespace {

CString DescribeEscaped(const std::exception_ptr& escaped)
{
    CString text("処理を続けられないエラーが起きました。");
    try {
        std::rethrow_exception(escaped);
    } catch (const ProgrammingError& e) {
        text = "プログラムの誤りのため、処理を続けられません。\n";
        text += e.what();
    } catch (const CFileException& e) {
        CString detail;
        detail.Format("\nファイル: %s\n原因: %d  システムのエラー番号: %ld", static_cast<LPCTSTR>(e.m_strFileName),
                      e.m_cause, e.m_lOsError);
        text += detail;
    } catch (const CArchiveException& e) {
        CString detail;
        detail.Format("\nファイルの形式が正しくありません (原因: %d)。", e.m_cause);
        text += detail;
    } catch (const std::bad_alloc&) {
        text += "\nメモリが足りません。";
    } catch (const std::exception& e) {
        text += "\n";
        text += e.what();
    } catch (...) {
    }
    return text;
}

}  // namespace

void ReportEscapedException(const std::exception_ptr& escaped) noexcept
{
    try {
        AfxMessageBox(DescribeEscaped(escaped), MB_OK | MB_ICONSTOP);
    } catch (...) {
        // Nothing more can be said when even the report fails.
    }
}
