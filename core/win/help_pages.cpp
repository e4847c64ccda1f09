#include "help_pages.h"

#include "../../framework/win/message_box.h"
#include "../../framework/win/shell_open.h"

CString HelpPageAddress(const CString& page)
{
    return "dazeruruvo.chm::/" + page + ".htm";
}

void ShowHelpPage(const CString& page)
{
    if (!AfxHtmlHelp(HelpPageAddress(page), HH_DISPLAY_TOPIC))
        AfxMessageBox("HTML HELP(dazeruruvo.chm)を開くことができません。", MB_OK);
}
