// CMyDoc: the program's one document. It owns every record array, the values of
// the set-up files, the paths of the open journal file, the backup folder and the
// program folder, and the view-state words through which the form views hand the
// current book, entry, account and filters to one another (views keep nothing
// across a switch). Views and dialogs read and change the members directly.
#pragma once

#include "../book_codes.h"
#include "../dictionary_tree.h"
#include "../file_outcome.h"
#include "../kishu_zandaka_item.h"
#include "../kiso.h"
#include "../last_file_record.h"
#include "../menu_state.h"
#include "../my_object.h"
#include "../journal_array.h"
#include "../my_object2.h"
#include "../torihikisaki.h"

#include "../../framework/arrays.h"
#include "../../framework/win/document.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

// The name of the journal while it has no file.
extern const char* const kNewFileName;
// The title of the folder picker that chooses the backup folder.
extern const char* const kBackupFolderTitle;
// The message of a journal file that cannot be read.
extern const char* const kOpenFailed;

// Posted by the document to the main window when a file command gave it another
// journal: the book shown is then made anew from the document, once the command
// has finished.
constexpr UINT WM_RENEW_BOOK_VIEW = WM_APP + 0x131;

class CMyDoc : public CDocument {
    DECLARE_DYNCREATE(CMyDoc)
    DECLARE_MESSAGE_MAP(CMyDoc)
public:
    CMyDoc();
    ~CMyDoc() override;

    // The font size the program was built for; the application sets it before
    // it makes the document, and each new document draws at that size.
    static int s_nBuildFontSize;

    BOOL OnNewDocument() override;
    // A journal opened by path through the generic document path (the recent-file
    // list): read as the open command reads it.
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void OnCloseDocument() override;
    BOOL SaveModified() override;
    // After the save question, the set-up files are written while the close can
    // still be called off: a file that cannot be written is named with the
    // reason, and the user retries or cancels the close.
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    void DeleteContents() override;

    // Dictionary: read zuvavodi.sdn from the current directory / free every node.
    void LoadDictionary();
    void FreeDictionary();

    // Journal file routines. Each answers whether it was done and the messages
    // its command shows (Report shows them in order).
    FileOutcome LoadJournalFile(CString path);
    // Empties the previous-year journal and reads the file at path into it.
    FileOutcome LoadPrevYearFile(CString path);
    FileOutcome ConvertOldFile(CString path);
    // Writes the journal to m_strPathName, or to path; done once it was written.
    FileOutcome SaveJournalFile();
    FileOutcome SaveJournalFileTo(const CString& path);
    FileOutcome SaveJournalFileQuiet();
    void RemoveEmptyJournalFile();
    // The backup copy to path with its messages; when its folder cannot be found
    // another folder is offered until a copy is written or the user cancels
    // (which switches the automatic backup off).
    void BackupJournal(CString path);
    // Shows the messages of a file routine, in order; TRUE when it was done.
    BOOL Report(const FileOutcome& outcome);
    // The last-file record as the file commands write it: the backup part goes
    // with it whenever a backup file name is kept.
    void WriteLastFileRecord();

    // File commands: new, open, save, save as.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // A journal of the recent-file list, opened under the open command's rules.
    BOOL OnOpenRecentFile(UINT nID);
    void OnFileOpenOld();
    void OnFileBackupFolder();
    // Data-file commands: copy, move, rename and delete the open journal's file.
    void OnFileCopy();
    void OnFileMove();
    void OnFileRename();
    void OnFileDelete();

    // CSV commands: the journal written in the one-line or three-line form, and a
    // journal read from the record form (checked whole before the journal is replaced).
    void OnFileSaveCsv1();
    void OnFileSaveCsv3();
    void OnFileOpenCsv();
    // Form 1 the one-line form, any other value the three-line form.
    void WriteJournalCsv(int form);
    // One field of a bare record line between the separators at from and to.
    static CString CsvField(CString line, int from, int to);

    // The dictionary CSV file named by m_strDictCsvPath. The import reads the whole
    // file first and replaces the dictionary only with a valid tree: the caller
    // must not empty the dictionary before it. Each answers its messages.
    FileOutcome ExportDictionaryCsv();
    FileOutcome ImportDictionaryCsv();

    // Once the partner dialog ended with OK: the partners of each kind become the
    // descriptions of their accounts on both sides of the dictionary.
    void RegisterEditedPartners();
    void RegisterPartnerNames(int kind, int side, CString account);

    // Carry-forward from the previous year: the previous year's journal read into
    // m_arrPrevJournal and the work dictionary built from the dictionary and it.
    // 0 when done; -1 when the file choice was cancelled or the file not read.
    int CarryForwardFromPrevYear();
    int MergePrevYearRow(int row, CString account, CString description);
    int FindWorkChildNode(int parent, CString name);
    int InsertWorkDictionaryNode(int parent, int kind, CString name);

    // The journal's file as a full path: a bare file name (a file opened from the
    // program folder) lies in the program folder, whatever the current directory is.
    CString JournalFilePath() const;

    // The four connecting-phrase candidates of a cause account into m_strPhrase.
    void SetConnectWords(const CString& account);

    CString m_strBookCodes;
    CString m_strFontSize;
    CString m_strDataDir;
    CString m_strProgramDir;
    CString m_strLastFileIni;
    // The journal's full path is the framework document's m_strPathName (also
    // GetPathName): "新規ファイル.siz" while the journal has no file.
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
    int m_nCurBook = kBookNone;
    int m_nPrevBook = kBookNone;
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
    // What the main window's menu offers: the book shown, a pending insertion,
    // the hint dialog. A new journal keeps it: the views shown set it.
    MenuState m_menuState;
    int m_nSetupStatus = 0;
    int m_bNewData = 0;
    int m_bLayoutDone = 0;
    std::array<int, 11> m_nLayout{};
    std::array<CString, 4> m_strPhrase;
    // The working class digits of the previous-year merge.
    CarryForwardSlots m_nYearWork;

    CTypedPtrArray<CObArray, CTorihikisaki*> m_arrPartners;
    JournalArray m_arrJournal;
    JournalArray m_arrPrevJournal;
    CTypedPtrArray<CObArray, CMyObject*> m_arrOldJournal;
    JournalArray m_arrHints;
    CTypedPtrArray<CObArray, CKiso*> m_arrDictionary;
    CTypedPtrArray<CObArray, CKiso*> m_arrWorkDict;

    // The year the journal is kept for while its entries do not say it (a new
    // journal, or the year the opening-balance dialog carried forward).
    CString m_strYear;
    // The words the input-hint dialog searches for when it opens: the account
    // names the journal form last had in its first cause and result fields.
    CString m_strHintCause;
    CString m_strHintResult;
    // The rows of the opening-balance dialog, kept from one opening to the next.
    CTypedPtrArray<CObArray, CKishuZandakaItem*> m_arrKishuZandaka;

    // TRUE once zuvavodi.sdn was read whole with at least the root, the seven
    // classes and the result branch; only such a dictionary is written back at close.
    BOOL m_bDictionaryLoaded = FALSE;
    // The set-up files were written by the close that is under way.
    BOOL m_bSetupFilesWritten = FALSE;

private:
    // The rules every file command applies before it acts; each refusal has its message.
    struct FileCommandRules {
        BOOL journalViewOnly;     // refused while a book other than the journal was shown last
        const char* emptyText;    // refused with it for a journal without entries (tested before the insert row)
        const char* insertRowText;
        const char* saveQuestion; // null: no save is offered first
    };
    BOOL PassesFileCommandRules(const FileCommandRules& rules);
    BOOL PassesOpenRules();
    // The save-as dialog and the write; TRUE once the journal was written.
    BOOL SaveJournalAs();
    // Reads the journal file at path (name is its file name) and makes it the open
    // journal; FALSE when it could not be read (the journal is then a new, empty one).
    BOOL OpenJournal(const CString& path, const CString& name);
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
    FileOutcome WriteJournal(const CString& path, BOOL quiet);
    // The backup copy itself; offerAnotherFolder when its folder was not found.
    struct BackupWrite {
        FileOutcome outcome;
        bool offerAnotherFolder = false;
    };
    BackupWrite WriteBackupCopy(const CString& path);
    // The folder picker as the file commands run it; FALSE when cancelled.
    static BOOL ChooseFolder(LPCTSTR title, CString& folder);
    // The state of a new, empty journal, shared by the new and delete commands.
    void BecomeNewFile();
    // The sample flag and the working year-end values for a journal read from path.
    void TakeSampleSettingsOf(const CString& path);
    static BOOL FileExists(const CString& path);
    // A copy of the journal written into folder for the copy and move commands
    // (failed names the command's failure text); refused onto the open file itself.
    FileOutcome WriteJournalInto(const CString& folder, const CString& failed);
    // The texts that tell a copy from a move.
    struct TransferTexts {
        const char* notSaved;      // the journal has no file yet
        const char* nothingToDo;   // the journal is empty
        const char* saveQuestion;  // the save-first question, behind the file name
        const char* confirm;       // the question before the folder is chosen
        const char* folderTitle;
        const char* sameFolder;
        const char* failed;        // behind the file name
    };
    // The common road of the copy and the move: refusals, save-first question,
    // confirmation, folder and the written copy; TRUE once the copy is in folder.
    BOOL WriteJournalElsewhere(const TransferTexts& texts, CString& folder);
    // Writes the settings, the last-file record and the dictionary. With ask, a
    // file that cannot be written is reported and offered again; FALSE when the
    // user cancels. Without, failures pass unseen (the session is ending).
    BOOL WriteSetupFilesAtClose(BOOL ask);
    // One set-up file written by write, retried as the user asks.
    BOOL WriteSetupFile(const CString& path, BOOL ask, const std::function<void()>& write);
    // The record import's save question; TRUE when the import may go on.
    BOOL OfferSaveBeforeCsvImport();
    // The journal replaced by entries read from a record file: a new, unsaved journal.
    void TakeImportedJournal(std::vector<std::unique_ptr<CMyObject2>>& entries);
    // The last-file record naming the open journal, with its backup folder and name when asked.
    LastFileRecord CurrentLastFileRecord(BOOL withBackup) const;
    void WriteLastFileRecordLine(BOOL withBackup);
};

// The main window's active document.
CMyDoc* GetActiveDoc();
