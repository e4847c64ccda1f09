#include "node_words.h"

void NewNodeWords(int kind, int classDigit, CString& word1, CString& word2)
{
    word1.Empty();
    word2.Empty();
    if (kind == kClassSideNode) {
        word1 = "について";
        word2 = "として";
        return;
    }
    if (kind != kResultBranchNode)
        return;
    switch (classDigit) {
    case 1: word1 = "から繰戻す"; word2 = "で収入とする"; break;
    case 2:
    case 3: word1 = "で費用とする"; word2 = "から繰戻す"; break;
    case 4: word1 = "から繰戻す"; word2 = "へ繰入れる"; break;
    case 5:
    case 6: word1 = "で受取り"; word2 = "で支払い"; break;
    case 7: word1 = "から繰戻す"; word2 = "計上する"; break;
    default: break;
    }
}
