#include "dict_register_text.h"

CString DictRegisterQuestion(int kind, const CString& n, const CString& p)
{
    switch (kind) {
    case kRegisterAccount:
        return "取引に入力されている ＜" + n +
               "＞　は 「科目辞書」に未登録です。\n\n取引に使用される科目は、必ず「科目辞書」に登録してください。"
               "\n\nこの科目の分類 は 【" +
               p + "】で取引が入力されています。\n\n＜" + n + "＞ を 【" + p + "】 として「科目辞書」に登録しますか？";
    case kRegisterResultAccount:
        return "取引に入力されている ＜" + n + "＞　は 「科目辞書」の「結果科目」に未登録です。\n\n\n＜" + n +
               "＞ を 【" + p + "】 として「結果科目」に登録しますか？";
    case kRegisterDescription:
        return "取引に入力されている" + n + "　は、＜" + p + "＞の新しい摘要です。\n\n\n" + n + " を、＜" + p +
               "＞の摘要 として「科目辞書」に登録しますか？";
    default:
        return CString();
    }
}

int DictRegisterAnswerOf(bool endedWithOk, int choice)
{
    return endedWithOk ? choice : kRegisterSkip;
}
