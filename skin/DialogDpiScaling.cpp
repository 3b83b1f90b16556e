#include "skin/DialogDpiScaling.h"

#include "framework/ProcAddress.h"

namespace skin {

namespace {

SetDialogDpiChangeBehaviorFn LookUpInUser32()
{
    return User32Export<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
}

DialogDpiBehaviorLookup g_lookup = &LookUpInUser32;

constexpr auto kEveryBehavior = static_cast<DIALOG_DPI_CHANGE_BEHAVIORS>(
    DDC_DISABLE_ALL | DDC_DISABLE_RESIZE | DDC_DISABLE_CONTROL_RELAYOUT);

} // namespace

DialogDpiBehaviorLookup ReplaceDialogDpiBehaviorLookup(DialogDpiBehaviorLookup lookup)
{
    const DialogDpiBehaviorLookup previous = g_lookup;
    g_lookup = lookup;
    return previous;
}

void DisableDialogDpiScaling(HWND hDlg)
{
    if (SetDialogDpiChangeBehaviorFn setBehavior = g_lookup())
        setBehavior(hDlg, kEveryBehavior, kEveryBehavior);
}

} // namespace skin
