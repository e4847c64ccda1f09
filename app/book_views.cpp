#include "book_views.h"

#include "../books/win/kanjyo.h"
#include "../books/win/keihi.h"
#include "../books/win/kinsen.h"
#include "../books/win/siire.h"
#include "../books/win/uriage.h"
#include "../journal/win/siwake.h"
#include "../resources/resource.h"
#include "../setup/win/settei.h"
#include "../statements/win/kessan.h"

#include <algorithm>
#include <array>

namespace {

const std::array<BookView, 8> kBookViews = {{
    {ID_VIEW_SIWAKE, RUNTIME_CLASS(siwake)},
    {ID_VIEW_KANJYO, RUNTIME_CLASS(kanjyo)},
    {ID_VIEW_KINSEN, RUNTIME_CLASS(kinsen)},
    {ID_VIEW_KEIHI, RUNTIME_CLASS(keihi)},
    {ID_VIEW_URIAGE, RUNTIME_CLASS(CUriage)},
    {ID_VIEW_SIIRE, RUNTIME_CLASS(CSiire)},
    {ID_VIEW_KESSAN, RUNTIME_CLASS(kessan)},
    {ID_VIEW_SETTEI, RUNTIME_CLASS(settei)},
}};

}  // namespace

std::span<const BookView> BookViews()
{
    return kBookViews;
}

const BookView* FindBookView(unsigned int commandId)
{
    auto found = std::find_if(kBookViews.begin(), kBookViews.end(),
                              [commandId](const BookView& view) { return view.commandId == commandId; });
    return found == kBookViews.end() ? nullptr : &*found;
}
