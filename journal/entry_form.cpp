#include "entry_form.h"

#include "../core/amount_format.h"

namespace {

EntryFormField CauseAmountField(size_t row)
{
    return static_cast<EntryFormField>(static_cast<int>(EntryFormField::CauseAmount1) + static_cast<int>(row));
}

EntryFormField ResultAmountField(size_t row)
{
    return static_cast<EntryFormField>(static_cast<int>(EntryFormField::ResultAmount1) + static_cast<int>(row));
}

using FieldSink = std::function<void(const FieldText&)>;

void ShowAmount(const FieldSink& show, EntryFormField field, const CString& amount)
{
    show({field, FormatAmount(amount, 0)});
}

EntryBuild Refused(EntryBuild build, const CString& refusal)
{
    build.refusal = refusal;
    return build;
}

}  // namespace

EntryBuild BuildEntry(EntryForm& form, Dictionary& dictionary, const RegistrationAnswers& answers,
                      const CMyObject2& base, const FieldSink& show)
{
    EntryBuild build;
    EntryFields& f = form.fields;
    const CString amountRefusal = NormalizeEntryAmounts(f);
    if (!amountRefusal.IsEmpty())
        return Refused(std::move(build), amountRefusal);
    for (size_t k = 0; k < 3; ++k) {
        if (!f.causeAmount[k].IsEmpty())
            ShowAmount(show, CauseAmountField(k), f.causeAmount[k]);
        if (!f.resultAmount[k].IsEmpty())
            ShowAmount(show, ResultAmountField(k), f.resultAmount[k]);
    }
    // An emptied second or third row keeps no description.
    for (size_t k = 1; k < 3; ++k) {
        if (f.cause[k].IsEmpty())
            form.descriptions[k].Empty();
        if (f.result[k].IsEmpty())
            form.descriptions[3 + k].Empty();
    }

    const CString checked = CheckEntryFields(f, form.halfWidthRemark, form.phrase1, form.phrase2);
    if (!checked.IsEmpty())
        return Refused(std::move(build), checked);

    for (size_t row = 0; row < 6; ++row) {
        const CString& account = row < 3 ? f.cause[row] : f.result[row - 3];
        const RowCheck check = CheckDictionaryRow(dictionary, static_cast<int>(row), account,
                                                  form.descriptions[row], form.classIndex[row], answers);
        if (check.classSideAdded) {
            build.causeWordsChanged = true;
            build.causeWord1 = check.causeWord1;
            build.causeWord2 = check.causeWord2;
        }
        build.resultBranchAdded = build.resultBranchAdded || check.resultBranchAdded;
        build.refillResultLists = build.refillResultLists || check.refillResultLists;
        // The questions have told the user why: nothing more is shown.
        if (check.status == -1)
            return build;
    }
    const int classCode = ClassCodeOf(form.classIndex, form.connectIndex);

    show({EntryFormField::Remark, form.halfWidthRemark});
    const Apportionment apportionment = ApplyApportionment(f, form.classIndex, form.halfWidthRemark);
    if (!apportionment.refusal.IsEmpty()) {
        build.apportionmentHelp = true;
        return Refused(std::move(build), apportionment.refusal);
    }
    if (apportionment.applied) {
        ShowAmount(show, EntryFormField::CauseAmount1, f.causeAmount[0]);
        if (apportionment.rewroteCause2)
            ShowAmount(show, EntryFormField::CauseAmount2, f.causeAmount[1]);
        ShowAmount(show, EntryFormField::ResultAmount1, f.resultAmount[0]);
        show({EntryFormField::Remark, apportionment.remark});
        // Whatever the remark asked, the committed entry balances.
        const CString balance = CheckBalance(f);
        if (!balance.IsEmpty())
            return Refused(std::move(build), balance);
    }
    const CString owner = CheckOwnerDrawingsDescription(f, form.descriptions, form.classIndex);
    if (!owner.IsEmpty())
        return Refused(std::move(build), owner);

    build.entry = std::make_unique<CMyObject2>();
    CopyEntryFields(base, *build.entry);
    FillEntryRecord(*build.entry, f, form.descriptions, apportionment.remark, classCode);
    return build;
}
