#include "exception_boundary.h"

#include "../file_exception.h"
#include "../file_failure_reason.h"
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
        if (!e.m_strFileName.IsEmpty())
            text += "\nファイル: " + e.m_strFileName;
        text += "\n" + FileFailureReason(e);
    } catch (const CArchiveException& e) {
        text += "\n" + FileFailureReason(e);
    } catch (const std::bad_alloc&) {
        text += "\nメモリが足りません。";
    } catch (const std::exception&) {
        // A library's own words (an index out of range, a failed conversion)
        // mean nothing to the user and are never shown.
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
