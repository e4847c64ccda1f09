// CMyApp: the program's application object. It starts the program, keeps it to a
// single running instance, and holds what must outlive every view and dialog:
// the help pages, the input-hint dialog's open flag and the texts handed to it,
// the year of the open journal and the rows of the opening-balance dialog.
#pragma once

#include "kishu_zandaka_item.h"

#include "../framework/arrays.h"
#include "../framework/win/win_app.h"

class CMyApp : public CWinApp {
    DECLARE_MESSAGE_MAP(CMyApp)
public:
    CMyApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Besides the framework's idle work, destroys the views switches left and
    // makes the book views ahead of their switches, one step per idle call, so
    // that input is never kept waiting long.
    BOOL OnIdle(LONG lCount) override;
    void OnAppAbout();
    // Opens the help document at the page ("0016" ...); says so when it cannot.
    void ShowHelpPage(const CString& page) const;

    BOOL m_bHintOpen = FALSE;
    CString m_strYear;
    CString m_strHintCause;
    CString m_strHintResult;
    CString m_strHelpPage = "0016";
    CString m_strHelpPageHint = "0017";
    CString m_strHelpPageBadDebt = "0043";
    CString m_strHelpPageSearch = "0047";
    CString m_strHelpPageInventory = "0042";
    CString m_strHelpPagePartners = "0041";
    CString m_strHelpPageOpening = "0040";
    CString m_strHelpPageApportion = "0048";
    CTypedPtrArray<CObArray, CKishuZandakaItem*> m_arrKishuZandaka;

private:
    HANDLE m_hInstanceMutex = nullptr;
    // Balances the program's one CoInitialize at exit.
    BOOL m_bComInitialized = FALSE;
};
