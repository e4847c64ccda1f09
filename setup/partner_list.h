// The trading-partner dialog's list without windows: the partners collected from
// a working dictionary (a copy of the dictionary completed from the journal), held
// in groups (suppliers, customers, banks), and the edits of one kind's group.
#pragma once

#include "../core/dictionary_tree.h"
#include "../core/torihikisaki.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <vector>

using PartnerList = CTypedPtrArray<CObArray, CTorihikisaki*>;

// Deletes every record of the list and empties it.
void ClearPartners(PartnerList& partners);

// Appends a partner unless one of the same kind already has the name.
void AddCollectedPartner(PartnerList& partners, int kind, int source, int status, const CString& name);

// Empties the list and collects the partners of a working dictionary: suppliers
// from 仕入 (class 2; not the descriptions holding "繰"), 買掛金 and 支払手形
// (class 4), customers from 売上 (class 1; not those holding "家事"), 売掛金 and
// 受取手形 (class 5), banks from 普通預金, 当座預金 and 定期預金 (class 5).
void CollectPartners(const DictionaryNodes& work, PartnerList& partners);

// The number of partners of a kind and where its group begins.
int PartnerCount(const PartnerList& partners, int kind);
int PartnerGroupStart(const PartnerList& partners, int kind);
// The names of a kind's group, in list order (the dialog's list lines).
std::vector<CString> PartnerNames(const PartnerList& partners, int kind);

// The edits of the dialog on line of kind's group. Each answers FALSE and
// changes nothing for an empty name or a line outside the group: an empty name
// would become an empty description under every account of its kind.
bool AddPartnerName(PartnerList& partners, int kind, const CString& name);
bool InsertPartnerName(PartnerList& partners, int kind, int line, const CString& name);
bool ChangePartnerName(PartnerList& partners, int kind, int line, const CString& name);
bool DeletePartnerLine(PartnerList& partners, int kind, int line);
