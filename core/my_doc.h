// CMyDoc: the program's one document. It owns every record array, the values of
// the set-up files, the paths of the open journal file, the backup folder and the
// program folder, and the view-state words through which the form views hand the
// current book, entry, account and filters to one another (views keep nothing
// across a switch). Views and dialogs read and change the members directly.
#pragma once

#include "kiso.h"
#include "my_object.h"
#include "my_object2.h"
#include "torihikisaki.h"

#include "../framework/arrays.h"
#include "../framework/win/document.h"

#include <array>

// The name of the journal while it has no file.
extern const char* const kNewFileName;

class CMyDoc : public CDocument {
    DECLARE_DYNCREATE(CMyDoc)
    DECLARE_MESSAGE_MAP()
public:
    CMyDoc();
    ~CMyDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
    // A journal opened by path through the generic document path (the recent-file
    // list): read as the open command reads it.
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    BOOL SaveModified() override;
    void DeleteContents() override;

    // Dictionary: read zuvavodi.sdn from the current directory / free every node.
    void LoadDictionary();
    void FreeDictionary();

    // Journal file routines.
    void LoadJournalFile(CString path);
    int LoadPrevYearFile(CString path);
    int ConvertOldFile(CString path);
    // Writes the journal to m_strPathName with its messages; TRUE when it was written.
    BOOL SaveJournalFile();
    int SaveJournalFileQuiet();
    void RemoveEmptyJournalFile();
    // Writes the journal as a backup copy to path and rewrites the last-file record.
    void BackupJournal(CString path);
    // The last-file record as the file commands write it: the backup part goes
    // with it whenever a backup file name is kept.
    void WriteLastFileRecord();

    // File commands: new, open, save, save as.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    // The four connecting-phrase candidates of a cause account into m_strPhrase.
    void SetConnectWords(const CString& account);

    CString m_strBookCodes;
    CString m_strFontSize;
    CString m_strDataDir;
    CString m_strProgramDir;
    CString m_strLastFileIni;
    // The journal's full path. The document keeps its own, apart from the framework
    // document's path: it reads and writes its files with its own routines.
    CString m_strPathName;
    CString m_strBackupName;
    CString m_strBackupDir;
    CString m_strFileName;
    CString m_strDictCsvPath;
    int m_nDeduction = 0;
    int m_nTaxCategory = 0;
    CString m_strInterim1 = "0";
    CString m_strInterim2 = "0";
    int m_nWorkTaxCategory = 1;
    CString m_strWorkInterim1 = "0";
    CString m_strWorkInterim2 = "0";
    std::array<CString, 4> m_strSetting2;
    int m_bSample = 0;
    int m_nFontSize;
    int m_nRowHeight = 0;
    std::array<int, 3> m_nAidEntry{-1, -1, -1};
    std::array<CString, 3> m_strAidAmount{CString("0"), CString("0"), CString("0")};
    int m_nCurBook = 0;
    int m_nPrevBook = 0;
    int m_nSearchHit = -1;
    CString m_strSearchWord;
    int m_nCurEntry = -1;
    CString m_strCurAccount;
    CString m_strExpenseAccount;
    CString m_strFilter;
    CString m_strExpenseFilter;
    int m_nTekiyoChars = 16;
    int m_nCurLine = -1;
    int m_nInsertRow = -1;
    int m_nSetupStatus = 0;
    int m_bNewData = 0;
    int m_bLayoutDone = 0;
    std::array<int, 11> m_nLayout{};
    std::array<CString, 4> m_strPhrase;

    CTypedPtrArray<CObArray, CTorihikisaki*> m_arrPartners;
    CTypedPtrArray<CObArray, CMyObject2*> m_arrJournal;
    CTypedPtrArray<CObArray, CMyObject2*> m_arrPrevJournal;
    CTypedPtrArray<CObArray, CMyObject*> m_arrOldJournal;
    CTypedPtrArray<CObArray, CMyObject2*> m_arrHints;
    CTypedPtrArray<CObArray, CKiso*> m_arrDictionary;
    CTypedPtrArray<CObArray, CKiso*> m_arrWorkDict;

    // TRUE once zuvavodi.sdn was read whole with at least the root, the seven
    // classes and the result branch; only such a dictionary is written back at close.
    BOOL m_bDictionaryLoaded = FALSE;

private:
    // The rules every file command applies before it acts; each refusal has its message.
    struct FileCommandRules {
        BOOL journalViewOnly;     // refused while a book other than the journal was shown last
        BOOL refuseEmpty;         // refused for a journal without entries (tested before the insert row)
        const char* insertRowText;
        const char* saveQuestion; // null: no save is offered first
    };
    BOOL PassesFileCommandRules(const FileCommandRules& rules);
    // The save-as dialog and the write; TRUE once the journal was written.
    BOOL SaveJournalAs();
    // Reads the journal file at path (name is its file name) and makes it the open journal.
    void OpenJournal(const CString& path, const CString& name);
    void ReturnToProgramFolder();
    void AnnounceNewData();
    CString FolderOfChosenPath(const CString& path, const CString& name) const;
    // A file chosen in a save dialog becomes the journal's file: path, name and folder.
    void TakeChosenFile(const CString& path, const CString& name);

    void ReadSetupFiles();
    void OpenLastJournal();
    void FallBackToNewFile();
    // After a journal file failed to load: the record is removed and the journal has no file.
    void ForgetUnreadableFile();
    BOOL SaveBeforeClose();
    BOOL WriteJournal(BOOL quiet);
    void WriteSetupFilesAtClose();
    void WriteLastFileRecordLine(BOOL withBackup);
};

// The main window's active document.
CMyDoc* GetActiveDoc();
